#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

#include "engine/engine.h"
#include "engine/scheme_frame.h"
#include "number_format.h"
#include "state/calc_session.h"
#include "state/variable_list.h"
#include "tables/reference_tables.h"

namespace ovalto {

namespace {

// How the air moves around the object's outer surface.
enum class ConvectionGroup { StillAirCylinder, WindCylinder, StillAirFlatWall, WindFlatWall, None };

ConvectionGroup ConvectionGroupOf(int kind) {
  constexpr int kStillAirCylinder[] = {11110, 11111, 11112, 11114, 21111, 21112, 21114, 21121, 21123, 21124,
                                       31111, 31113, 31211, 31213, 51111, 51112, 51114, 51121, 51123, 51124};
  constexpr int kWindCylinder[] = {11120, 11121, 11124, 11125, 21211, 21214, 21215,
                                   31121, 31221, 31224, 31226, 51211, 51214, 51215};
  constexpr int kStillAirFlatWall[] = {11210, 11211, 11212, 11214, 31311, 31313,
                                       52111, 52112, 52114, 52121, 52123, 52124};
  // A rectangular duct's side is a flat wall.
  constexpr int kWindFlatWall[] = {11220, 11221, 11224, 31321, 31324, 31326, 52211, 52214};
  auto in = [kind](const auto& codes) {
    return std::find(std::begin(codes), std::end(codes), kind) != std::end(codes);
  };
  if (in(kStillAirCylinder)) return ConvectionGroup::StillAirCylinder;
  if (in(kWindCylinder)) return ConvectionGroup::WindCylinder;
  if (in(kStillAirFlatWall)) return ConvectionGroup::StillAirFlatWall;
  if (in(kWindFlatWall)) return ConvectionGroup::WindFlatWall;
  return ConvectionGroup::None;
}

// Radiation of the outer surface: the insulation line's own when nothing
// covers it, else the covering's. No match keeps the earlier value.
void TakeRadiationCoefficient(const CalcSession& session, EngineState& state) {
  const std::string& covering = session.Grid.cbTP.SelectedText();
  if (covering == CoveringTypeTable[0].CoveringName) {
    if (const InsulationTypeRecord* line = FindInsulationType(session.Grid.cbTI.SelectedText())) {
      state.OuterRadiationCoefficient = line->RadiationCoefficient;
    }
  } else if (const CoveringTypeRecord* row = FindCoveringType(covering)) {
    state.OuterRadiationCoefficient = row->RadiationCoefficient;
  }
}

// Wind along a flat wall: the air runs one and a half times the wall's
// size (mm) before it leaves the wall.
double WindAtFlatWall(double wind, double tn, double sizeMm) {
  return Div(Power(wind, 0.8) * (5.95 - 1.5 * tn / 100), Power(1.5 * sizeMm / 1000, 0.2));
}

}  // namespace

void CalcOuterCoefficient(CalcSession& session, EngineState& state) {
  VariableTable& variables = session.Variables;
  const std::string& list = session.VariableList;
  const double tn = state.Tn;
  const double tref = ListHasVariable(list, "Tb") ? state.Tb : (state.T1 + state.T2) / 2;

  // Radiation exchanged with the surroundings, linearised over a surface a
  // quarter of the way from the ambient towards the substance.
  const double a = (tn + std::abs(tref - tn) / 4 + 273) / 100;
  const double b = (tn + 273) / 100;
  const double tnGrid = ListHasVariable(list, "Tn") ? variables.GetVariable("Tn") : 0;
  const double dT = std::abs(tnGrid - tref) / 4;
  TakeRadiationCoefficient(session, state);
  const double radiative = dT > 0 ? Div(state.OuterRadiationCoefficient * (std::pow(a, 4) - std::pow(b, 4)), dT) : 0;

  // A rectangular duct has no diameter: the wind runs along its side.
  const double size = ListHasVariable(list, "Dn")   ? variables.GetVariable("Dn")
                      : ListHasVariable(list, "De") ? variables.GetVariable("De")
                      : ListHasVariable(list, "Dv") ? variables.GetVariable("Dv")
                      : ListHasVariable(list, "Lv") ? variables.GetVariable("Lv")
                                                    : 1;
  const double wind = variables.GetVariable("W");
  const double dTsurface = std::abs(tref - tn) / 4;
  double convective = 0;
  switch (ConvectionGroupOf(session.CalcKindCode)) {
    case ConvectionGroup::StillAirCylinder:
      convective = 1.37 * Power(Div(1000 * dTsurface, 1.05 * size), 0.25);
      break;
    case ConvectionGroup::WindCylinder:
      if (wind > 0) convective = Div(3.9 * Power(wind, 0.6), Power(1.05 * size / 1000, 0.2));
      break;
    case ConvectionGroup::StillAirFlatWall:
      convective = 1.66 * Power(dTsurface, 1.0 / 3);
      break;
    case ConvectionGroup::WindFlatWall:
      if (wind > 0) convective = WindAtFlatWall(wind, tn, size);
      break;
    case ConvectionGroup::None:
      if (session.CalcKindCode > 0) {
        session.Messages.Show(MessageType::Warning, "Не рассчитан An для #" + std::to_string(session.CalcKindCode),
                              kButtonOk);
      }
      break;
  }
  state.An = Finite(RoundHalfEven(convective + radiative, 1));
}

}  // namespace ovalto
