// What the user does in the parameter grid: picks and typing in its
// editors, clicks on its cells, the keys that move through it, and the focus
// leaving it. Each goes to the core's rule and the grid is shown again.
#include <QApplication>
#include <QKeyEvent>

#include "grid/grid_editors.h"
#include "grid/grid_exit.h"
#include "grid/grid_navigation.h"
#include "parameter_grid.h"

namespace ovalto {

namespace {

// What a change of the editor by the user runs; cbTS only holds its text.
void (*ChangeHandlerOf(std::string_view name))(CalcSession&) {
  if (name == "cbZN") return cbZNChange;
  if (name == "cbMS") return cbMSChange;
  if (name == "cbVD") return cbVDChange;
  if (name == "cbVV" || name == "cbGW") return cbVVChange;  // the flow unit decides the substance's values too
  if (name == "cbRG") return cbRGChange;
  if (name == "cbNP") return cbNPChange;
  if (name == "cbTI") return cbTIChange;
  if (name == "cbTP") return cbTPChange;
  if (name == "cbWI") return cbWIChange;
  return nullptr;
}

}  // namespace

void ParameterGrid::EditorActivated(const InputEditor& editor, int index) {
  SelectItem(session_.Grid.*editor.Editor, index);
  if (auto handler = ChangeHandlerOf(editor.Name)) handler(session_);
  Refresh();
}

void ParameterGrid::EditorTextEdited(const InputEditor& editor, const QString& text) {
  EditorState& state = session_.Grid.*editor.Editor;
  state.ItemIndex = -1;
  state.Text = text.toStdString();
  if (auto handler = ChangeHandlerOf(editor.Name)) handler(session_);
  Refresh();
}

// Like the grid's own editor, the typed text is the cell's text at once.
void ParameterGrid::CellTextEdited(const QString& text) {
  GridModel& grid = session_.Grid;
  if (grid.CurrentRow < grid.RowCount()) grid.Values[static_cast<std::size_t>(grid.CurrentRow)] = text.toStdString();
}

// A click on a cell. The view also makes its first cell current on its
// own when it gets the focus after a new layout; a header row is never the
// grid's row, so the grid's row is shown again instead.
void ParameterGrid::CurrentCellChanged(int row) {
  if (row < 0 || row == session_.Grid.CurrentRow) return;
  for (const GroupHeaderRecord& group : session_.Variables.GroupHeaders()) {
    if (group.HeaderRow == row) {
      ShowCurrentRow();
      return;
    }
  }
  SetGridRow(session_, row);
  Refresh();
}

const InputEditor* ParameterGrid::EditorOf(const QWidget* widget) const {
  for (; widget; widget = widget->parentWidget()) {
    for (std::size_t i = 0; i < editors_.size(); ++i) {
      if (editors_[i] == widget) return &kInputEditors[i];
    }
  }
  return nullptr;
}

bool ParameterGrid::BelongsToGrid(const QWidget* widget) const {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    if (w == SG_) return true;
  }
  return EditorOf(widget) != nullptr;
}

// The grid with its editors is left only when the focus goes to another
// control of the window; moving between the grid and its editors is moving
// within the grid, and a message box or dialog over the window leaves
// nothing.
void ParameterGrid::FocusChanged(QWidget* old, QWidget* now) {
  if (!now) return;
  if (const InputEditor* editor = EditorOf(now)) {
    const EditorState& state = session_.Grid.*editor->Editor;
    if (session_.FocusedEditor == &state) return;
    EditorEntered(session_, state);
    Refresh();
    return;
  }
  if (BelongsToGrid(now)) {
    session_.FocusedEditor = nullptr;
    if (now == SG_ && cellEditor_->isVisible()) cellEditor_->setFocus();
    return;
  }
  if (BelongsToGrid(old) && now->window() == window()) {
    session_.FocusedEditor = nullptr;
    // An editor the program hid (another kind picked, the screen left)
    // passes the focus on: that is no row the user left.
    if (!old->isVisible()) return;
    SGExit(session_);
    Refresh();
  }
}

bool ParameterGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto& key = static_cast<const QKeyEvent&>(*event);
  if (key.key() == Qt::Key_Backtab || (key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ShiftModifier))) {
    SelectPreviousInputRow(session_);
    Refresh();
    return true;
  }
  if (watched == SG_ || watched == cellEditor_) return GridKeyPress(watched, key);
  return ComboKeyPress(key);
}

bool ParameterGrid::GridKeyPress(QObject* watched, const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Tab:
      SGKeyPress(session_, kKeyTab);
      Refresh();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      SGKeyPress(session_, kKeyEnter);
      Refresh();
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return true;  // rows are left by Tab and Enter only
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
      return SGKeyPress(session_, kKeyBackspace) == 0 || watched == SG_;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
      return watched == SG_;
    default:
      break;
  }
  const QList<uint> typed = key.text().toUcs4();
  if (typed.isEmpty() || typed.front() < 32) return watched == SG_;
  const char32_t passed = SGKeyPress(session_, typed.front());
  if (passed == 0) return true;
  if (passed == typed.front() && watched == cellEditor_) return false;
  // A changed key (the decimal point) or a key typed while the grid itself
  // holds the focus goes into the cell editor as it should read.
  if (!cellEditor_->isVisible()) return true;
  cellEditor_->setFocus();
  cellEditor_->insert(QString::fromUcs4(&passed, 1));
  CellTextEdited(cellEditor_->text());
  return true;
}

bool ParameterGrid::ComboKeyPress(const QKeyEvent& key) {
  if (key.key() != Qt::Key_Tab && key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
  EditorKeyPress(session_, key.key() == Qt::Key_Tab ? kKeyTab : kKeyEnter);
  Refresh();
  return true;
}

}  // namespace ovalto
