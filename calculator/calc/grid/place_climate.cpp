#include "grid/place_climate.h"

#include <optional>

#include "kinds/calc_kind_setup.h"
#include "number_format.h"
#include "state/variable_list.h"
#include "tables/climate_tables.h"

namespace ovalto {

namespace {

constexpr double kHoursOfWholeYear = 8760;

// The energy-efficiency kinds work through the heating season unless they
// work all year; the heat-flow norms hold for the year's mean; cold water
// warms up in summer; the other tasks are designed for the winter.
std::optional<double> DesignTemperature(CalcSession& session, const ClimateRecord& climate) {
  const std::string& list = session.VariableList;
  if (session.CalcKindCode == 21214) return climate.SummerTemp;
  if (ListHasVariable(list, "Egod")) {
    return session.Variables.GetVariable("Z") >= kHoursOfWholeYear ? climate.AnnualMeanTemp : climate.HeatingMeanTemp;
  }
  if (ListHasVariable(list, "QL") || ListHasVariable(list, "Qf")) return climate.AnnualMeanTemp;
  return climate.WinterDesignTemp;
}

}  // namespace

void TakePlaceClimate(CalcSession& session) {
  VariableTable& variables = session.Variables;
  if (IsIndoorKind(session) == 1) {
    variables.SetVariable("Tn", "!", kIndoorTemperature);
    return;
  }
  const std::string& region = session.Grid.cbRG.SelectedText();
  const std::string& settlement = session.Grid.cbNP.SelectedText();
  const ClimateRecord* climate = FindClimateRow(region, settlement);
  if (!climate) return;

  if (const std::optional<double> tn = DesignTemperature(session, *climate)) {
    variables.SetVariable("Tn", "!", *tn);
  } else {
    session.Grid.SetCell(variables.VariableRow("Tn"), "");
  }
  if (ListHasVariable(session.VariableList, "W")) {
    if (const WindRecord* wind = FindWindRow(region, settlement)) {
      variables.SetVariable("W", "!", RoundHalfEven(wind->WindSpeed2, 1));
    }
  }
}

}  // namespace ovalto
