// The printed forms of the two documents as data: what the workbook
// templates of the original held. A form says how wide the columns are, what
// stands printed on its sheets (headings, the title block, their frames) and
// how a value written into a body line is laid out. The workbook writer lays
// a document's cells over it.
#pragma once

#include <string>
#include <vector>

#include "spreadsheet_output.h"

namespace ovalto {

// A printed text, or with an empty text a field that the document fills;
// with LastRow/LastColumn set it is that merged range.
struct FormText {
  int Row = 0;
  int Column = 0;
  std::string Text;
  int LastRow = 0;  // 0: the one cell
  int LastColumn = 0;
  double Size = 8;
  CellAlign Align = CellAlign::Center;
  bool Boxed = true;  // ruled round; a field inside a frame is not
};

// A run of rows ruled as a table: every field between two neighbouring
// Bounds is a box (Bounds lists each field's first column, then one past
// the last). A RowStep of 2 rules a line under every second row, as a body
// of two-row lines; 0 rules the columns only.
struct FormTable {
  int FirstRow = 0;
  int LastRow = 0;
  std::vector<int> Bounds;
  int RowStep = 1;
  bool Merged = false;  // each field of each row is one merged cell
};

// A medium outline around a block of the form.
struct FormFrame {
  int FirstRow = 0, FirstColumn = 0, LastRow = 0, LastColumn = 0;
};

// The layout of a value written into a body line: a line takes two rows, and
// a value in Column fills both of them over Column..LastColumn.
struct BodyField {
  int Column = 0;
  int LastColumn = 0;
  CellAlign Align = CellAlign::Left;
  bool Wrap = false;
};

struct SheetLayout {
  std::vector<FormText> Texts;
  std::vector<FormTable> Tables;
  std::vector<FormFrame> Frames;
  int BodyFirstRow = 0;  // the rows the document fills
  int BodyLastRow = 0;
  int SheetNumberRow = 0;  // where the sheet's own number is printed; 0: nowhere
  int SheetNumberColumn = 0;
};

struct FormDescription {
  std::string Name;         // "MontDot", "SpecDot"
  std::string SheetPrefix;  // "Лист": sheets are named "Лист1" …
  int SheetLimit = 10;      // the form has no more sheets than these
  int LastRow = 0;          // print area of every sheet
  int LastColumn = 0;
  std::vector<double> ColumnWidths;  // characters, column 1 first
  double RowHeight = 12;             // points
  std::string FontName;
  double FontSize = 10;
  SheetLayout FirstSheet;
  SheetLayout LaterSheets;
  std::vector<BodyField> Fields;
};

const FormDescription& MontDotForm();  // the installation list
const FormDescription& SpecDotForm();  // the materials schedule

// What makes a form unusable (a text, table or field outside the print area,
// overlapping merges, a width missing), or "" for a sound form.
std::string FormProblem(const FormDescription& form);

}  // namespace ovalto
