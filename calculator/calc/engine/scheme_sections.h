// The scheme sections of the engine, one function per scheme or group of
// like schemes. Each opens with OpenScheme, loads its working values, runs
// OuterCoefficientStep and its ThicknessScan, and returns false when it
// answered a derivation (the run then ends without unlocking the outputs).
// CalculateScheme dispatches to them by CalcSchemeCode (engine.cpp).
#pragma once

#include "engine/scheme_frame.h"

namespace ovalto {

// Pipes (pipe_schemes.cpp).
bool PipeEnergyEfficiency(SchemeRun& run);    // 11110, 11120
bool PipeHeatFlow(SchemeRun& run);            // 11111, 11121
bool PipeSurfaceTemperature(SchemeRun& run);  // 11112
bool PipeTemperatureChange(SchemeRun& run);   // 11114, 11124
bool PipeFreezeProtection(SchemeRun& run);    // 11125

// Tanks and flat walls (tank_schemes.cpp).
bool TankEnergyEfficiency(SchemeRun& run);    // 11210, 11220
bool TankHeatFlow(SchemeRun& run);            // 11211, 11221
bool TankSurfaceTemperature(SchemeRun& run);  // 11212
bool TankTemperatureChange(SchemeRun& run);   // 11214, 11224

}  // namespace ovalto
