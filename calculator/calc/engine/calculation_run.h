// One press of "Расчет": the first press for a kind steps through every row
// so the grid derives its dependent inputs, then the inputs are checked, the
// engine makes its full run under a guard, and a calculated thickness is
// rounded up to the standard series of the object.
#pragma once

#include <functional>

#include "engine/engine.h"
#include "state/calc_session.h"

namespace ovalto {

// One press. The messages go through session.Messages; afterwards the
// window shows engine.State.Outputs on its buttons and the grid's cells.
// busy(true) and busy(false) bracket the stepping of the first press, so
// the window can show the hourglass meanwhile. True when the engine's full
// run completed and its results stand (a sized project object takes them).
bool RunCalculation(CalcSession& session, CalculationEngine& engine,
                    const std::function<void(bool busy)>& busy = nullptr);

}  // namespace ovalto
