#include "grid/grid_exit.h"

#include "grid/grid_editors.h"
#include "grid/input_editors.h"
#include "state/scheme_engine.h"

namespace ovalto {

namespace {

// Shows the lines that suit the kind now. The line to show is chosen before
// its handler runs, so the conductivity and the covering list belong to the
// line the user sees. The covering's handler would derive the outer
// coefficient; with its row shown the exit derives it a little later from
// the same inputs, so it is derived once.
void OfferInsulationLines(CalcSession& session) {
  EditorState& cbTI = session.Grid.cbTI;
  FillInsulationLines(session);
  SelectItem(cbTI, -1);
  if (cbTI.Items.empty()) return;
  SelectTextOrFirst(cbTI, session.Variables.Find("Ti_")->RememberedText);
  if (session.Variables.VariableRow("An") > 0) {
    TakeInsulationLine(session);
  } else {
    cbTIChange(session);
  }
}

// Derives each input that lies below the row left, when the inputs of the
// groups before it are valid (a derivation reads them).
void DeriveBelow(CalcSession& session, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (session.Variables.VariableRow(name) > session.Grid.Tag) session.Engine->CalculateScheme(name);
  }
}

}  // namespace

void SGExit(CalcSession& session) {
  GridModel& grid = session.Grid;
  if (session.CalkTag == 0) {
    const DerivationAction action(session);
    if (grid.cbTI.Visible && grid.Tag < session.Variables.VariableRow("Ti_")) OfferInsulationLines(session);
    const int valid = session.Engine->ValidateInputs(false);
    if (valid >= 2) DeriveBelow(session, {"Tz", "Cp", "Pb", "Rb", "Tr", "Trv", "Ab"});
    if (valid >= 4) DeriveBelow(session, {"Liz", "An"});
  }
  grid.Tag = grid.CurrentRow;
}

}  // namespace ovalto
