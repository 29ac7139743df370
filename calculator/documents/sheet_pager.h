// The page state of a document: the current sheet and row, advanced by one
// line (two rows) at a time, on to the next sheet at its end, with the
// project's name in the small title block of every new sheet.
#pragma once

#include <string>

#include "workbook_model.h"

namespace ovalto {

struct PageRule {
  int StartRow = 0;       // the row before the first line of sheet 1
  int FirstSheetEnd = 0;  // a line reaching this row on sheet 1 goes on the next sheet
  int LaterSheetEnd = 0;  // … on a later sheet
  int RestartRow = 0;     // the first line of a later sheet
  int SheetLimit = 10;
  CellAddress ProjectNameCell;  // on every later sheet
};

class SheetPager {
 public:
  SheetPager(WorkbookModel& model, PageRule rule, std::string projectName);

  // The next line; false when it would need a sheet past the limit, and then
  // the pager stays past the end.
  bool Advance();

  int SheetNumber() const { return sheet_; }
  int Row() const { return row_; }
  ModelSheet& Sheet() { return model_.Sheet(sheet_); }
  int SheetsUsed() const { return sheet_ > rule_.SheetLimit ? rule_.SheetLimit : sheet_; }

 private:
  WorkbookModel& model_;
  PageRule rule_;
  std::string projectName_;
  int sheet_ = 1;
  int row_;
};

}  // namespace ovalto
