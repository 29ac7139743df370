#include "grid/grid_exit.h"

#include <array>

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
template <std::size_t N>
void DeriveBelow(CalcSession& session, const std::array<int, N>& indices) {
  for (const int index : indices) {
    const VariableRecord& record = session.Variables.Records()[static_cast<std::size_t>(index)];
    if (record.GridRow > session.Grid.Tag) session.Engine->CalculateScheme(record.Name);
  }
}

constexpr std::array<int, 7> kSubstanceAndAir = {VariableIndex("Tz"), VariableIndex("Cp"), VariableIndex("Pb"),
                                                 VariableIndex("Rb"), VariableIndex("Tr"), VariableIndex("Trv"),
                                                 VariableIndex("Ab")};
constexpr std::array<int, 2> kInsulationAndSurface = {VariableIndex("Liz"), VariableIndex("An")};

}  // namespace

void SGExit(CalcSession& session) {
  GridModel& grid = session.Grid;
  if (session.CalkTag == 0) {
    const UserAction action(session.Messages);
    if (grid.cbTI.Visible && grid.Tag < session.Variables.VariableRow("Ti_")) OfferInsulationLines(session);
    const int valid = session.Engine->ValidateInputs(false);
    if (valid >= 2) DeriveBelow(session, kSubstanceAndAir);
    if (valid >= 4) DeriveBelow(session, kInsulationAndSurface);
  }
  grid.Tag = grid.CurrentRow;
}

}  // namespace ovalto
