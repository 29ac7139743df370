// The input check: walks every variable the grid shows, reads its value
// from the grid or its in-place editor, refuses values that make no sense
// for the chosen kind and stores the accepted numbers in the table.
#pragma once

#include "engine/engine_state.h"
#include "state/calc_session.h"

namespace ovalto {

// kAllInputsValid when every shown variable passed; otherwise the group
// (1 to 7) of the variable where the walk stopped, so all groups before it
// passed. With showMessages the offending field gets the focus and the
// reason is shown. Disables the chart button and both report buttons.
int ValidateInputs(CalcSession& session, OutputControls& outputs, bool showMessages);

}  // namespace ovalto
