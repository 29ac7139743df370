// Region and settlement: the climate of the place where the object stands.
#include "grid/grid_editors.h"
#include "grid/input_editors.h"
#include "grid/place_climate.h"
#include "state/scheme_engine.h"
#include "tables/climate_tables.h"

namespace ovalto {

namespace {

// The outer coefficient depends on the wind and the ambient, so a choice
// that changes them derives it again, as leaving a row does. A coefficient
// the user took from the dialog stays (the engine keeps it).
void DeriveOuterCoefficient(CalcSession& session) {
  if (session.CalkTag != 0 || !session.Engine || session.Variables.VariableRow("An") <= 0) return;
  const UserAction action(session.Messages);
  if (session.Engine->ValidateInputs(false) >= 4) session.Engine->CalculateScheme("An");
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
  TakePlaceClimate(session);
  DeriveOuterCoefficient(session);
}

}  // namespace ovalto
