#include "grid/grid_navigation.h"

#include "grid/grid_exit.h"
#include "grid/input_editors.h"

namespace ovalto {

namespace {

bool IsHeaderRow(const CalcSession& session, int row) {
  for (const GroupHeaderRecord& group : session.Variables.GroupHeaders()) {
    if (group.HeaderRow == row) return true;
  }
  return false;
}

// The editors that take the focus when their row is reached; the zone and
// the flow unit are chosen with the mouse.
bool TakesFocusOnItsRow(int inputKind) {
  switch (inputKind) {
    case 11:
    case 12:
    case 13:
    case 21:
    case 31:
    case 32:
    case 41:
    case 51:
      return true;
    default:
      return false;
  }
}

void Focus(CalcSession& session, const EditorState* editor) {
  session.FocusedEditor = editor;
  if (session.FocusRequested) session.FocusRequested(editor);
}

// Focuses the editor that covers the current row's value, or the grid.
void FocusCurrentRow(CalcSession& session) {
  const int row = session.Grid.CurrentRow;
  if (row > 0) {
    for (const VariableRecord& record : session.Variables.Records()) {
      if (record.GridRow != row || record.InputKind <= 0 || !TakesFocusOnItsRow(record.InputKind)) continue;
      const EditorState* editor = EditorOfInputKind(session.Grid, record.InputKind);
      if (editor && editor->Visible) {
        Focus(session, editor);
        return;
      }
    }
  }
  Focus(session, nullptr);
}

bool IsDerivedRow(CalcSession& session, int row) {
  for (const char* name : {"Liz", "Tr", "Trv", "Ab"}) {
    if (session.Variables.VariableRow(name) == row) return true;
  }
  return false;
}

}  // namespace

void SetGridRow(CalcSession& session, int row) {
  GridModel& grid = session.Grid;
  if (row < 0 || row >= grid.RowCount() || row == grid.CurrentRow) return;
  grid.CurrentRow = row;
  SGExit(session);
}

void SelectNextInputRow(CalcSession& session, bool advance) {
  const int last = session.Grid.RowCount() - 1;
  if (!advance || session.Grid.CurrentRow >= last) return;
  int row = session.Grid.CurrentRow + 1;
  if (IsHeaderRow(session, row)) ++row;
  SetGridRow(session, row);
  FocusCurrentRow(session);
}

void SelectPreviousInputRow(CalcSession& session) {
  int row = session.Grid.CurrentRow - 1;
  while (row > 0 && IsHeaderRow(session, row)) --row;
  if (row < 1) return;
  SetGridRow(session, row);
  FocusCurrentRow(session);
}

char32_t SGKeyPress(CalcSession& session, char32_t key) {
  if (key == kKeyTab || key == kKeyEnter) {
    SelectNextInputRow(session, true);
    return 0;
  }
  if (IsDerivedRow(session, session.Grid.CurrentRow)) return 0;
  if (key == U'.') key = U',';
  const bool passes = key == kKeyBackspace || key == U',' || key == U'-' || (key >= U'0' && key <= U'9');
  return passes ? key : 0;
}

char32_t EditorKeyPress(CalcSession& session, char32_t key) {
  if (key != kKeyTab && key != kKeyEnter) return key;
  SelectNextInputRow(session, true);
  return 0;
}

void EditorEntered(CalcSession& session, const EditorState& editor) {
  session.FocusedEditor = &editor;
  const int kind = InputKindOfEditor(session.Grid, &editor);
  if (kind > 0) SetGridRow(session, session.Variables.RowOfInputKind(static_cast<std::int16_t>(kind)));
}

}  // namespace ovalto
