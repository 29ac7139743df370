#include "workbook/sheet_pager.h"

namespace ovalto {

SheetPager::SheetPager(WorkbookModel& model, PageRule rule, DocumentTitle title)
    : model_(model), rule_(rule), title_(std::move(title)), row_(rule.StartRow) {
  ModelSheet& first = model_.Sheet(1);
  const TitleCells& cells = rule_.FirstSheet;
  first.SetText(cells.Number.Row, cells.Number.Column, "Проект № " + title_.Number);
  first.SetText(cells.Developer.Row, cells.Developer.Column, title_.Developer);
  first.SetText(cells.ProjectName.Row, cells.ProjectName.Column, title_.ProjectName);
  first.SetText(cells.DocumentName.Row, cells.DocumentName.Column, "Ведомость");
  first.SetText(cells.Company.Row, cells.Company.Column, title_.Company);
}

void SheetPager::WriteSheetCount() {
  const CellAddress& cell = rule_.FirstSheet.SheetCount;
  model_.Sheet(1).SetText(cell.Row, cell.Column, std::to_string(SheetsUsed()));
}

bool SheetPager::Advance() {
  if (sheet_ > rule_.SheetLimit) return false;
  row_ += 2;
  if (row_ < (sheet_ == 1 ? rule_.FirstSheetEnd : rule_.LaterSheetEnd)) return true;
  row_ = rule_.RestartRow;
  ++sheet_;
  if (sheet_ > rule_.SheetLimit) return false;
  model_.Sheet(sheet_).SetText(rule_.ProjectNameCell.Row, rule_.ProjectNameCell.Column, title_.ProjectName);
  return true;
}

}  // namespace ovalto
