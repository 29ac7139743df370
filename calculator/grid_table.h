// The parameter grid's cells as Qt sees them: a table model over the core's
// GridModel (captions and values) and the painting of the two marks of the
// caption column.
#pragma once

#include <QAbstractTableModel>
#include <QPixmap>
#include <QStyledItemDelegate>

#include "state/calc_session.h"

namespace ovalto {

class GridTableModel : public QAbstractTableModel {
 public:
  GridTableModel(const GridModel& grid, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The grid was laid out anew.
  void Reset();
  void CellChanged(int row);

 private:
  const GridModel& grid_;
  int rows_ = 0;  // as the view knows them: the core may lay out more before the next Reset
};

// SGDrawCell: the conductivity's row carries the mark of a value that
// follows from the insulation line; the sought variable's row carries the
// mark of the calculated value while the thickness is given.
class GridCellDelegate : public QStyledItemDelegate {
 public:
  GridCellDelegate(CalcSession& session, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  CalcSession& session_;
  QPixmap imORA_;
  QPixmap ImCLK_;
};

}  // namespace ovalto
