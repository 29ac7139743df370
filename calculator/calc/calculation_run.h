// One press of "Расчет": the first press for a kind steps through every row
// so the grid derives its dependent inputs, then the inputs are checked, the
// engine makes its full run under a guard, and a calculated thickness is
// rounded up to the standard series of the object.
#pragma once

#include "calc_session.h"
#include "engine.h"

namespace ovalto {

void RunCalculation(CalcSession& session, CalculationEngine& engine);

}  // namespace ovalto
