// What the chosen place gives the kind: its ambient temperature and wind.
// Choosing the settlement and the input check both take it from here, so
// the calculation's climate does not depend on the path that set it.
#pragma once

#include "state/calc_session.h"

namespace ovalto {

// The air indoors, wherever the object stands.
inline constexpr double kIndoorTemperature = 20;

// Indoors the ambient is 20 °C wherever the object stands. Outdoors the
// settlement chosen in the lists gives the temperature the kind's task is
// designed for and, when the kind shows it, the heating period's wind; a
// temperature the climate data lack empties the cell for the user. Nothing
// changes while no settlement is chosen.
void TakePlaceClimate(CalcSession& session);

}  // namespace ovalto
