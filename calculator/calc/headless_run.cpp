#include "headless_run.h"

#include <algorithm>
#include <array>

#include "engine/calculation_run.h"
#include "engine/engine.h"
#include "grid/grid_editors.h"
#include "grid/grid_navigation.h"
#include "grid/input_editors.h"
#include "kind_picker.h"
#include "kinds/calc_kinds.h"
#include "number_format.h"
#include "state/calc_session.h"
#include "tables/climate_tables.h"

namespace ovalto {

namespace {

class RecordedMessages : public MessageBoxes {
 public:
  explicit RecordedMessages(std::vector<HeadlessMessage>& shown) : shown_(shown) {}

  // Counts the user's actions; each box is marked with the one that showed it.
  void NextAction() { ++action_; }

  MessageButton Show(MessageType type, const std::string& text, unsigned buttons) override {
    shown_.push_back({type, text, buttons, action_});
    for (unsigned bit = 1; bit <= kButtonCancel; bit <<= 1) {
      if (buttons & bit) return static_cast<MessageButton>(bit);
    }
    return kButtonCancel;
  }

  void ShowRaisedError(const std::string& text) override {
    shown_.push_back({MessageType::Error, text, kButtonOk, action_});
  }

 private:
  std::vector<HeadlessMessage>& shown_;
  int action_ = 0;
};

std::size_t IndexOf(const CalcSession& session, const VariableRecord& record) {
  return static_cast<std::size_t>(&record - session.Variables.Records().data());
}

// The inputs by variable, resolved to the table's records once: the fill
// reads them row by row. Null where nothing is typed.
using TypedTexts = std::array<const std::string*, kVariableCount>;

TypedTexts ResolveTexts(const CalcSession& session, const HeadlessInputs& inputs) {
  TypedTexts typed{};
  for (const auto& [name, text] : inputs.Texts) {
    if (const VariableRecord* record = session.Variables.Find(name)) typed[IndexOf(session, *record)] = &text;
  }
  return typed;
}

// Chooses an item as the user would, running the editor's change handler.
void Choose(CalcSession& session, RecordedMessages& messages, EditorState& editor, const std::string* item,
            void (*changed)(CalcSession&)) {
  if (!item || item->empty()) return;
  editor.SelectText(*item);
  messages.NextAction();
  changed(session);
}

// What the user does on the row of one variable before leaving it.
void EnterRow(CalcSession& session, RecordedMessages& messages, const HeadlessInputs& inputs, const TypedTexts& typed,
              const VariableRecord& record) {
  GridModel& grid = session.Grid;
  const std::string* text = typed[IndexOf(session, record)];
  switch (record.InputKind) {
    case 10:
      Choose(session, messages, grid.cbZN, text, cbZNChange);
      return;
    case 11:
      Choose(session, messages, grid.cbMS, text, cbMSChange);
      return;
    case 21:
      Choose(session, messages, grid.cbVV, text, cbVVChange);
      return;
    case 31:
      Choose(session, messages, grid.cbRG, text, cbRGChange);
      return;
    case 32:
      Choose(session, messages, grid.cbNP, text, cbNPChange);
      return;
    case 41:
      Choose(session, messages, grid.cbTI, &inputs.InsulationLine, cbTIChange);
      return;
    case 51:
      Choose(session, messages, grid.cbTP, &inputs.Covering, cbTPChange);
      return;
    case 12:
      if (text) {
        grid.cbVD.SelectText(*text);
        grid.cbVD.Text = *text;
        messages.NextAction();
        cbVDChange(session);
      }
      return;
    case 13:
      if (text) grid.cbTS.Text = *text;
      return;
    default:
      if (text) grid.SetCell(record.GridRow, *text);
      return;
  }
}

// The variable on each row of the grid as built; null on a group's header.
std::vector<const VariableRecord*> VariablesByRow(const CalcSession& session) {
  std::vector<const VariableRecord*> byRow(static_cast<std::size_t>(session.Grid.RowCount()), nullptr);
  for (const VariableRecord& record : session.Variables.Records()) {
    if (record.GridRow >= 0 && record.GridRow < session.Grid.RowCount()) {
      byRow[static_cast<std::size_t>(record.GridRow)] = &record;
    }
  }
  return byRow;
}

// The user fills the grid from its top down; leaving each row derives what
// lies below it, so a typed value stands over a derived one. Every choice and
// every row left is one action of the user.
void FillRows(CalcSession& session, RecordedMessages& messages, const HeadlessInputs& inputs) {
  GridModel& grid = session.Grid;
  const TypedTexts typed = ResolveTexts(session, inputs);
  // The modes first: changing the flow unit sets the substance's values again.
  SelectItem(grid.cbWI, inputs.ThicknessGiven ? 1 : 0);
  messages.NextAction();
  cbWIChange(session);
  if (grid.cbGW.Visible) {
    SelectItem(grid.cbGW, inputs.FlowAsSpeed ? 1 : 0);
    messages.NextAction();
    cbVVChange(session);
  }
  const std::vector<const VariableRecord*> byRow = VariablesByRow(session);
  for (;;) {
    const int row = grid.CurrentRow;
    const VariableRecord* record =
        row >= 0 && row < static_cast<int>(byRow.size()) ? byRow[static_cast<std::size_t>(row)] : nullptr;
    if (record) EnterRow(session, messages, inputs, typed, *record);
    messages.NextAction();
    SelectNextInputRow(session, true);
    if (grid.CurrentRow == row) break;
  }
  // Values the grid does not show, last: passing the region row sets the
  // region's costs.
  for (const VariableRecord& record : session.Variables.Records()) {
    const std::string* text = typed[IndexOf(session, record)];
    if (record.GridRow >= 0 || record.ValueType != 'F' || !text) continue;
    if (const auto number = ParseNumber(*text)) session.Variables.SetVariable(record.Name, "!", *number);
  }
}

}  // namespace

void FillGrid(CalcSession& session, const HeadlessInputs& inputs) {
  // The window's own boxes show what the fill causes; nobody counts actions.
  std::vector<HeadlessMessage> uncounted;
  RecordedMessages actions(uncounted);
  FillRows(session, actions, inputs);
}

HeadlessResult RunHeadless(const HeadlessInputs& inputs) {
  HeadlessResult result;
  RecordedMessages messages(result.Messages);
  CalcSession session(messages);
  CalculationEngine engine(session);
  session.Engine = &engine;
  session.PageTag = PageOfKind(inputs.KindCode);
  // The region list as the window fills it at start. A run that chooses no
  // region goes the same way without it, and spares copying it.
  if (inputs.Texts.count("Rg_")) session.Grid.cbRG.Items = RegionListItems();

  PickCalcKind(session, inputs.KindCode, [] {});
  FillRows(session, messages, inputs);
  messages.NextAction();
  RunCalculation(session, engine);

  // In the order of the names, each goes in at the maps' end.
  static const std::array<std::size_t, kVariableCount> kByName = [&records = session.Variables.Records()] {
    std::array<std::size_t, kVariableCount> order{};
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return records[a].Name < records[b].Name; });
    return order;
  }();
  for (const std::size_t index : kByName) {
    const VariableRecord& record = session.Variables.Records()[index];
    result.Values.emplace_hint(result.Values.end(), record.Name, record.Value);
    if (record.GridRow >= 0 && record.GridRow < session.Grid.RowCount()) {
      result.Cells.emplace_hint(result.Cells.end(), record.Name,
                                session.Grid.Values[static_cast<std::size_t>(record.GridRow)]);
    }
  }
  result.Chart = engine.State.StdThicknessTable;
  result.ChartMode = engine.State.ChartMode;
  result.ChartLines = engine.State.ChartLines;
  result.Outputs = engine.State.Outputs;
  return result;
}

}  // namespace ovalto
