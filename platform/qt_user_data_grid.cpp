#include "qt_user_data_grid.h"

#include <QHeaderView>
#include <QTableWidget>

namespace ovalto {

void SetUpUserDataGrid(QTableWidget& grid, std::span<const UserDataField> fields, int rowHeight) {
  grid.setRowCount(static_cast<int>(fields.size()));
  grid.setColumnCount(2);
  grid.horizontalHeader()->hide();
  grid.verticalHeader()->hide();
  grid.verticalHeader()->setDefaultSectionSize(rowHeight);
  grid.verticalHeader()->setMinimumSectionSize(rowHeight);
  grid.setEditTriggers(QAbstractItemView::AllEditTriggers);
  grid.setSelectionMode(QAbstractItemView::SingleSelection);
  grid.setTabKeyNavigation(true);
  for (int row = 0; row < grid.rowCount(); ++row) {
    // A caption cell that is not enabled is one the grid's moves pass over.
    auto* caption = new QTableWidgetItem(QString::fromUtf8(fields[static_cast<std::size_t>(row)].Caption));
    caption->setFlags(Qt::NoItemFlags);
    caption->setBackground(grid.palette().button());
    caption->setForeground(grid.palette().buttonText());
    grid.setItem(row, 0, caption);
    grid.setItem(row, 1, new QTableWidgetItem);
  }
}

std::vector<std::string> TakeUserDataValues(QTableWidget& grid) {
  grid.setCurrentIndex(QModelIndex());
  std::vector<std::string> values;
  for (int row = 0; row < grid.rowCount(); ++row) {
    const QTableWidgetItem* cell = grid.item(row, 1);
    values.push_back(cell ? cell->text().toStdString() : std::string());
  }
  return values;
}

}  // namespace ovalto
