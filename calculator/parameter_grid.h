// The parameter grid SG of the calculation screen with its in-place editors
// laid over the value cells and the group captions over the header rows. A
// thin view: every rule lives in the core; this widget shows the session's
// grid model and hands the user's actions to the core's handlers.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QWidget>

#include <array>

#include "grid/input_editors.h"
#include "state/calc_session.h"

namespace ovalto {

class GridTableModel;

class ParameterGrid : public QWidget {
  Q_OBJECT

 public:
  ParameterGrid(CalcSession& session, QWidget* parent);
  ~ParameterGrid() override;

  // Shows the model as it is now: rows and cells, editors with their lists,
  // places and choices, the group captions and the current row.
  void Refresh();

  QTableView* Table() const { return SG_; }
  QWidget* EditorWidget(const EditorState& editor) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateEditors();
  void LayOut();
  void SyncEditors();
  void SyncCellEditor();
  void ShowCurrentRow();
  bool CellEditorBelongsOnCurrentRow() const;

  // What the user did.
  void EditorActivated(const InputEditor& editor, int index);
  void EditorTextEdited(const InputEditor& editor, const QString& text);
  void CellTextEdited(const QString& text);
  void CurrentCellChanged(int row);
  void FocusChanged(QWidget* old, QWidget* now);
  bool GridKeyPress(QObject* watched, const QKeyEvent& key);
  bool ComboKeyPress(const QKeyEvent& key);

  // The editor of the grid that widget is, or lies in; null when none.
  const InputEditor* EditorOf(const QWidget* widget) const;
  bool BelongsToGrid(const QWidget* widget) const;

  CalcSession& session_;
  QTableView* SG_ = nullptr;
  GridTableModel* model_ = nullptr;
  QLineEdit* cellEditor_ = nullptr;  // the grid's own editor of the current value cell
  int cellEditorRow_ = -1;           // the row the cell editor last arrived in
  std::array<QWidget*, kInputEditors.size()> editors_{};
  std::array<QLabel*, 7> Txt_{};
};

}  // namespace ovalto
