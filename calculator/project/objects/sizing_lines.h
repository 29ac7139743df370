// An object sized on the calculation screen: what the completed run gives
// it and the lines it gets in the project tree, in their own wording and
// order (they differ from those of an object entered by hand).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "objects/object_lines.h"
#include "objects/object_params.h"
#include "state/calc_session.h"

namespace ovalto {

struct SizedObject {
  ObjectParams Params;
  double TemperatureC = 0;  // of the carried substance
};

// The purpose of the chosen kind by the variables it shows (",Be," energy
// efficiency first, then the heat-flow norms, the end temperature,
// condensation outside or inside, freezing and safety), a blank and the
// location letter; the letter alone when the kind shows none of them.
std::string SizedPurposeCode(const std::string& variableList, bool indoor);

// The object of that kind and name as the calculation just sized it;
// nothing when the run gave no thickness above 0.
std::optional<SizedObject> SizedObjectFrom(CalcSession& session, int kind, const std::string& name);

std::vector<NodeSpec> SizedObjectLines(const SizedObject& object);

}  // namespace ovalto
