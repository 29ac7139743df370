#include "parameter_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QSignalBlocker>

#include "grid_table.h"
#include "dialogs/tf_get_kt.h"

namespace ovalto {

namespace {

constexpr int kRowHeight = GridModel::kRowHeight;
constexpr int kGroupCaptionHeight = kRowHeight - 2;  // the row without its line, less one

// The editors that cover a whole value cell; the others sit at its right end.
bool CoversWholeCell(std::string_view name) { return name != "cbGW" && name != "cbWI" && name != "bbGetKT"; }

QStringList ItemsOf(const EditorState& editor) {
  QStringList items;
  for (const std::string& item : editor.Items) items << QString::fromStdString(item);
  return items;
}

}  // namespace

ParameterGrid::ParameterGrid(CalcSession& session, QWidget* parent) : QWidget(parent), session_(session) {
  SG_ = new QTableView(this);
  SG_->setObjectName(QStringLiteral("SG"));
  model_ = new GridTableModel(session.Grid, this);
  SG_->setModel(model_);
  SG_->setItemDelegate(new GridCellDelegate(session, SG_));
  SG_->horizontalHeader()->hide();
  SG_->verticalHeader()->hide();
  SG_->verticalHeader()->setMinimumSectionSize(kRowHeight);
  SG_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  SG_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SG_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SG_->setSelectionMode(QAbstractItemView::NoSelection);
  SG_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  SG_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  SG_->setLineWidth(2);
  SG_->installEventFilter(this);
  connect(SG_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { CurrentCellChanged(current.row()); });

  cellEditor_ = new QLineEdit(SG_->viewport());
  cellEditor_->setFrame(false);
  cellEditor_->hide();
  cellEditor_->installEventFilter(this);
  connect(cellEditor_, &QLineEdit::textEdited, this, &ParameterGrid::CellTextEdited);

  CreateEditors();
  for (int i = 0; i < 7; ++i) {
    Txt_[i] = new QLabel(this);
    Txt_[i]->setObjectName(QStringLiteral("Txt%1").arg(i + 1));
    Txt_[i]->setAlignment(Qt::AlignCenter);
    Txt_[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
    Txt_[i]->setAutoFillBackground(true);
    QPalette palette = Txt_[i]->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::HighlightedText));
    Txt_[i]->setPalette(palette);
    Txt_[i]->hide();
  }

  session_.Grid.CellChanged = [this](int row) {
    model_->CellChanged(row);
    if (row == session_.Grid.CurrentRow) SyncCellEditor();
  };
  session_.FocusRequested = [this](const EditorState* editor) {
    Refresh();
    QWidget* grid = cellEditor_->isVisible() ? static_cast<QWidget*>(cellEditor_) : SG_;
    QWidget* target = editor ? EditorWidget(*editor) : grid;
    if (target) target->setFocus();
  };
  connect(qApp, &QApplication::focusChanged, this, &ParameterGrid::FocusChanged);
}

ParameterGrid::~ParameterGrid() {
  session_.Grid.CellChanged = nullptr;
  session_.FocusRequested = nullptr;
}

void ParameterGrid::CreateEditors() {
  for (std::size_t i = 0; i < kInputEditors.size(); ++i) {
    const InputEditor& editor = kInputEditors[i];
    const QString name = QString::fromUtf8(editor.Name.data(), static_cast<qsizetype>(editor.Name.size()));
    if (editor.Name == "bbGetKT") {
      auto* button = new QPushButton(QStringLiteral("СП 41-103-2000"), this);
      button->setToolTip(QStringLiteral("Выбрать коэффициент"));
      connect(button, &QPushButton::clicked, this, [this] {
        bbGetKTClick(window(), session_.Variables, SG_);
        Refresh();
      });
      editors_[i] = button;
    } else {
      auto* combo = new QComboBox(this);
      if (editor.Name == "cbVD" || editor.Name == "cbTS") {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);
        combo->lineEdit()->installEventFilter(this);
        connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                [this, &editor](const QString& text) { EditorTextEdited(editor, text); });
      }
      if (editor.Name == "cbVV") combo->setMaxVisibleItems(11);
      connect(combo, &QComboBox::activated, this, [this, &editor](int index) { EditorActivated(editor, index); });
      editors_[i] = combo;
    }
    // Reached through the grid, not by the window's Tab order.
    editors_[i]->setFocusPolicy(Qt::ClickFocus);
    editors_[i]->setObjectName(name);
    editors_[i]->installEventFilter(this);
    editors_[i]->hide();
  }
}

QWidget* ParameterGrid::EditorWidget(const EditorState& editor) const {
  for (std::size_t i = 0; i < kInputEditors.size(); ++i) {
    if (&(session_.Grid.*kInputEditors[i].Editor) == &editor) return editors_[i];
  }
  return nullptr;
}

void ParameterGrid::Refresh() {
  model_->Reset();
  SG_->setFixedHeight(session_.Grid.RowCount() * kRowHeight + 2 * SG_->frameWidth());
  LayOut();
  SyncEditors();
  for (std::size_t i = 0; i < Txt_.size(); ++i) {
    const EditorState& caption = session_.Grid.GroupCaptions[i];
    Txt_[i]->setText(QString::fromStdString(caption.Text));
    Txt_[i]->setVisible(caption.Visible);
    Txt_[i]->raise();
  }
  ShowCurrentRow();
}

void ParameterGrid::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

// The value column takes 45% of the grid; the editors follow it.
void ParameterGrid::LayOut() {
  const int width = this->width();
  SG_->setGeometry(0, 0, width, SG_->height());
  const int valueWidth = qRound(width * 0.45) + 2;
  const int captionWidth = width - valueWidth - 6;
  SG_->setColumnWidth(0, captionWidth);
  SG_->setColumnWidth(1, valueWidth);
  const int top = SG_->y() + SG_->frameWidth();
  for (std::size_t i = 0; i < kInputEditors.size(); ++i) {
    const InputEditor& editor = kInputEditors[i];
    QWidget* widget = editors_[i];
    const int y = top + (session_.Grid.*editor.Editor).Top;
    if (CoversWholeCell(editor.Name)) {
      widget->setGeometry(SG_->x() + captionWidth + 2, y, valueWidth + 1, kRowHeight);
      continue;
    }
    const int gap = editor.Name == "cbGW" ? 3 : editor.Name == "cbWI" ? 2 : 5;
    const int editorWidth = editor.Name == "cbGW" ? 60 : editor.Name == "cbWI" ? 120 : 100;
    const int height = editor.Name == "bbGetKT" ? kRowHeight - 2 : kRowHeight;
    widget->setGeometry(SG_->x() + width - editorWidth - gap, y, editorWidth, height);
  }
  for (std::size_t i = 0; i < Txt_.size(); ++i) {
    Txt_[i]->setGeometry(SG_->x() + 2, SG_->y() + session_.Grid.GroupCaptions[i].Top, width - 6, kGroupCaptionHeight);
  }
  SyncCellEditor();
}

void ParameterGrid::SyncEditors() {
  for (std::size_t i = 0; i < kInputEditors.size(); ++i) {
    const EditorState& state = session_.Grid.*kInputEditors[i].Editor;
    editors_[i]->setVisible(state.Visible);
    editors_[i]->raise();
    auto* combo = qobject_cast<QComboBox*>(editors_[i]);
    if (!combo) continue;
    const QSignalBlocker quiet(combo);
    const QStringList items = ItemsOf(state);
    QStringList shown;
    for (int item = 0; item < combo->count(); ++item) shown << combo->itemText(item);
    if (shown != items) {
      combo->clear();
      combo->addItems(items);
    }
    if (!combo->isEditable()) {
      combo->setCurrentIndex(state.ItemIndex);
      continue;
    }
    // The user may be typing here: the text and its cursor stay where they are.
    const int cursor = combo->lineEdit()->cursorPosition();
    if (combo->currentIndex() != state.ItemIndex) combo->setCurrentIndex(state.ItemIndex);
    const QString text = QString::fromStdString(state.Text);
    if (combo->currentText() != text) {
      combo->setEditText(text);
      combo->lineEdit()->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
    }
    // Sizes of a material without a table are typed: no list to open.
    const QString look =
        state.HasList ? QString() : QStringLiteral("QComboBox::drop-down { width: 0px; border: none; }");
    if (combo->styleSheet() != look) combo->setStyleSheet(look);
  }
}

bool ParameterGrid::CellEditorBelongsOnCurrentRow() const {
  const int row = session_.Grid.CurrentRow;
  if (row <= 0 || row >= model_->rowCount()) return false;
  for (const GroupHeaderRecord& group : session_.Variables.GroupHeaders()) {
    if (group.HeaderRow == row) return false;
  }
  for (std::size_t i = 0; i < kInputEditors.size(); ++i) {
    const EditorState& state = session_.Grid.*kInputEditors[i].Editor;
    if (CoversWholeCell(kInputEditors[i].Name) && state.Visible && state.Top == row * kRowHeight) return false;
  }
  return true;
}

void ParameterGrid::SyncCellEditor() {
  if (!CellEditorBelongsOnCurrentRow()) {
    cellEditor_->hide();
    cellEditorRow_ = -1;
    return;
  }
  const int row = session_.Grid.CurrentRow;
  cellEditor_->setGeometry(SG_->visualRect(model_->index(row, 1)).adjusted(0, 0, -1, -1));
  const QString text = QString::fromStdString(session_.Grid.Values[static_cast<std::size_t>(row)]);
  if (cellEditor_->text() != text) cellEditor_->setText(text);
  // Arriving in a cell selects its value, so typing replaces it.
  if (row != cellEditorRow_) {
    cellEditor_->selectAll();
    cellEditorRow_ = row;
  }
  cellEditor_->show();
}

void ParameterGrid::ShowCurrentRow() {
  const QSignalBlocker quiet(SG_->selectionModel());
  const int row = session_.Grid.CurrentRow;
  if (row < model_->rowCount())
    SG_->selectionModel()->setCurrentIndex(model_->index(row, 1), QItemSelectionModel::NoUpdate);
  SyncCellEditor();
  SG_->viewport()->update();
}

}  // namespace ovalto
