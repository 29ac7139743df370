#include "sheet_pager.h"

namespace ovalto {

SheetPager::SheetPager(WorkbookModel& model, PageRule rule, std::string projectName)
    : model_(model), rule_(rule), projectName_(std::move(projectName)), row_(rule.StartRow) {
  model_.Sheet(1);
}

bool SheetPager::Advance() {
  if (sheet_ > rule_.SheetLimit) return false;
  row_ += 2;
  if (row_ < (sheet_ == 1 ? rule_.FirstSheetEnd : rule_.LaterSheetEnd)) return true;
  row_ = rule_.RestartRow;
  ++sheet_;
  if (sheet_ > rule_.SheetLimit) return false;
  model_.Sheet(sheet_).SetText(rule_.ProjectNameCell.Row, rule_.ProjectNameCell.Column, projectName_);
  return true;
}

}  // namespace ovalto
