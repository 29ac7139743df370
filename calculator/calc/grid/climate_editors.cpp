// Region and settlement: the climate of the place where the object stands.
#include <optional>

#include "grid/grid_editors.h"
#include "grid/input_editors.h"
#include "kinds/calc_kind_setup.h"
#include "number_format.h"
#include "state/scheme_engine.h"
#include "state/variable_list.h"
#include "tables/climate_tables.h"

namespace ovalto {

namespace {

constexpr double kIndoorTemperature = 20;
constexpr double kHoursOfWholeYear = 8760;

// The ambient temperature that the kind's task is designed for.
std::optional<double> DesignTemperature(CalcSession& session, const ClimateRecord& climate) {
  const std::string& list = session.VariableList;
  if (session.CalcKindCode == 21214) return climate.SummerTemp;  // cold water warms up in summer
  if (ListHasVariable(list, "Egod")) {
    return session.Variables.GetVariable("Z") >= kHoursOfWholeYear ? climate.AnnualMeanTemp : climate.HeatingMeanTemp;
  }
  if (ListHasVariable(list, "QL") || ListHasVariable(list, "Qf")) return climate.AnnualMeanTemp;
  return climate.WinterDesignTemp;
}

// The outer coefficient depends on the wind and the ambient, so a choice
// that changes them derives it again, as leaving a row does. A coefficient
// the user took from the dialog stays (the engine keeps it).
void DeriveOuterCoefficient(CalcSession& session) {
  if (session.CalkTag != 0 || !session.Engine || session.Variables.VariableRow("An") <= 0) return;
  const UserAction action(session.Messages);
  if (session.Engine->ValidateInputs(false) >= 4) session.Engine->CalculateScheme("An");
}

void TakeSettlementClimate(CalcSession& session) {
  VariableTable& variables = session.Variables;
  if (IsIndoorKind(session) == 1) {
    variables.SetVariable("Tn", "!", kIndoorTemperature);
    return;
  }
  const GridModel& grid = session.Grid;
  const ClimateRecord* climate = FindClimateRow(grid.cbRG.Text, grid.cbNP.Text);
  if (!climate) return;

  if (const std::optional<double> tn = DesignTemperature(session, *climate)) {
    variables.SetVariable("Tn", "!", *tn);
  } else {
    // The climate data have no such temperature here: the user has to give
    // one, and an empty cell makes the input check ask for it.
    session.Grid.SetCell(variables.VariableRow("Tn"), "");
  }
  if (ListHasVariable(session.VariableList, "W")) {
    if (const WindRecord* wind = FindWindRow(grid.cbRG.Text, grid.cbNP.Text)) {
      variables.SetVariable("W", "!", RoundHalfEven(wind->WindSpeed2, 1));
    }
  }
}

}  // namespace

void cbRGChange(CalcSession& session) {
  GridModel& grid = session.Grid;
  grid.cbNP.Items.clear();
  SelectItem(grid.cbNP, -1);
  if (grid.cbRG.ItemIndex > 0) {
    for (const ClimateRecord* row : ClimateRowsOfRegion(grid.cbRG.Text)) grid.cbNP.Items.emplace_back(row->Settlement);
  }
  if (grid.cbNP.Items.size() == 1) {
    SelectItem(grid.cbNP, 0);
    cbNPChange(session);
  }
}

void cbNPChange(CalcSession& session) {
  TakeSettlementClimate(session);
  DeriveOuterCoefficient(session);
}

}  // namespace ovalto
