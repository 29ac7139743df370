#include "grid_table.h"

#include <QPainter>

#include "qt_jpeg.h"

namespace ovalto {

GridTableModel::GridTableModel(const GridModel& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

int GridTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= grid_.RowCount()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const std::string& text = index.column() == 0 ? grid_.Captions[row] : grid_.Values[row];
  return QString::fromStdString(text);
}

// Typing goes through the grid's own cell editor, never through the view's.
Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void GridTableModel::Reset() {
  beginResetModel();
  rows_ = grid_.RowCount();
  endResetModel();
}

void GridTableModel::CellChanged(int row) {
  if (row >= 0 && row < rows_) emit dataChanged(index(row, 1), index(row, 1));
}

GridCellDelegate::GridCellDelegate(CalcSession& session, QObject* parent)
    : QStyledItemDelegate(parent),
      session_(session),
      imORA_(QPixmap::fromImage(LoadJpegResource(QStringLiteral(":/pictures/mark_derived.jpg")))),
      ImCLK_(QPixmap::fromImage(LoadJpegResource(QStringLiteral(":/pictures/mark_sought.jpg")))) {}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  if (index.column() != 0) return;
  const QPoint at(option.rect.right() - 17, option.rect.top() + 1);
  if (index.row() == session_.Variables.VariableRow("Liz") && !imORA_.isNull()) painter->drawPixmap(at, imORA_);
  const int soughtRow = session_.Grid.cbWI.Tag;
  if (soughtRow > 0 && index.row() == soughtRow && !ImCLK_.isNull()) painter->drawPixmap(at, ImCLK_);
}

}  // namespace ovalto
