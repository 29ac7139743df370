// The engine's sections for air ducts and for condensation: heat flow
// through round and rectangular ducts, the change of the air temperature
// along a duct, and the insulation that keeps a surface above the dew point
// of the air at it. Same contract as the other sections (scheme_sections.h).
#pragma once

#include "engine/scheme_frame.h"

namespace ovalto {

// Condensation (condensation_schemes.cpp).
bool PipeOuterCondensation(SchemeRun& run);             // 21123: outside a pipe
bool FlatWallOuterCondensation(SchemeRun& run);         // 31313: outside a flat wall
bool RoundDuctInnerCondensation(SchemeRun& run);        // 31226: inside a round duct
bool RectangularDuctInnerCondensation(SchemeRun& run);  // 31326: inside a rectangular duct

// Ducts (duct_schemes.cpp).
bool RoundDuctHeatFlow(SchemeRun& run);        // 31211, 31221
bool RectangularDuctHeatFlow(SchemeRun& run);  // 31311, 31321
bool DuctTemperatureChange(SchemeRun& run);    // 31224 round, 31324 rectangular

// Shared by the sections above.

inline bool IsThicknessCalculated(const SchemeRun& run) { return ScanMode(run.Session) == ThicknessMode::Calculated; }

// The user's thickness gives the sought
// variable, rounded to decimals; a table step gives the chart the value and
// the user's variable as a flat line. True for a table step, which then
// takes part in the selection.
inline constexpr int kUnrounded = -1;
bool RecordCandidate(SchemeRun& run, const Candidate& candidate, double value, const std::string& sought, int decimals);

}  // namespace ovalto
