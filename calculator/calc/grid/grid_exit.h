// Leaving an edited row of the parameter grid.
#pragma once

#include "state/calc_session.h"

namespace ovalto {

// Runs when the focus leaves the grid (with its editors) or the grid's
// current row changes. Offers the insulation lines again when the row left
// lies above them, then derives the dependent inputs that lie below the row
// left, as far as the inputs are valid, and remembers the current row as the
// row left.
void SGExit(CalcSession& session);

}  // namespace ovalto
