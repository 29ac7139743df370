// Laying out the parameter grid for the chosen kind.
#pragma once

#include "state/calc_session.h"

namespace ovalto {

// Shows the variables of VariableList in table order, each group under its
// caption, with their remembered texts and their in-place editors preset;
// then derives what the presets imply (wall conductivity, insulation
// conductivity and coverings, substance properties).
void BuildInputGrid(CalcSession& session);

}  // namespace ovalto
