// The page state of a document: the current sheet and row, advanced by one
// line (two rows) at a time, on to the next sheet at its end; and the title
// blocks: the project's data on sheet 1, its name on every later sheet.
#pragma once

#include <string>

#include "workbook/workbook_model.h"

namespace ovalto {

// The project's data in the title blocks.
struct DocumentTitle {
  std::string Number;  // trimmed
  std::string ProjectName;
  std::string Developer;
  std::string Company;
};

// Where a form's sheet 1 takes the title block's texts.
struct TitleCells {
  CellAddress Number;  // "Проект № " and the number
  CellAddress ProjectName;
  CellAddress Developer;
  CellAddress DocumentName;  // "Ведомость"
  CellAddress Company;
  CellAddress SheetCount;
};

struct PageRule {
  int StartRow = 0;       // the row before the first line of sheet 1
  int FirstSheetEnd = 0;  // a line reaching this row on sheet 1 goes on the next sheet
  int LaterSheetEnd = 0;  // … on a later sheet
  int RestartRow = 0;     // the first line of a later sheet
  int SheetLimit = 10;
  CellAddress ProjectNameCell;  // on every later sheet
  TitleCells FirstSheet;
};

class SheetPager {
 public:
  // Fills sheet 1's title block.
  SheetPager(WorkbookModel& model, PageRule rule, DocumentTitle title);

  // The next line; false when it would need a sheet past the limit, and then
  // the pager stays past the end.
  bool Advance();

  int Row() const { return row_; }
  ModelSheet& Sheet() { return model_.Sheet(sheet_); }
  int SheetsUsed() const { return sheet_ > rule_.SheetLimit ? rule_.SheetLimit : sheet_; }
  // The number of sheets into sheet 1's title block, once all is written.
  void WriteSheetCount();

 private:
  WorkbookModel& model_;
  PageRule rule_;
  DocumentTitle title_;
  int sheet_ = 1;
  int row_;
};

}  // namespace ovalto
