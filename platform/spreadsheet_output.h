// A spreadsheet file written cell by cell: the stand-in for the spreadsheet
// application that the documents once filled through automation. The
// program writes the finished workbook itself and hands it to the desktop.
// Rows and columns count from 1.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ovalto {

enum class CellAlign : std::uint8_t { Left, Center, Right };

// Line weights of a cell's four sides: 0 none, 1 thin, 2 medium.
struct CellBorders {
  std::uint8_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  auto operator<=>(const CellBorders&) const = default;
};

struct CellStyle {
  std::string FontName = "Arial";
  double FontSize = 10;
  bool Bold = false;
  CellAlign Align = CellAlign::Left;
  bool Wrap = false;
  CellBorders Borders;
  auto operator<=>(const CellStyle&) const = default;
};

class SpreadsheetOutput {
 public:
  virtual ~SpreadsheetOutput() = default;

  // Starts a workbook that Close() writes to `path`. Returns the reason
  // (Russian) when none can be started, or nothing.
  virtual std::optional<std::string> Open(const std::string& path) = 0;
  // A new sheet, printed on A4 landscape, its print area rows 1..lastRow and
  // columns 1..lastColumn scaled to one page. Later calls address it.
  virtual void AddSheet(const std::string& name, int lastRow, int lastColumn) = 0;
  virtual void SetColumnWidth(int column, double characters) = 0;
  virtual void SetRowHeight(int row, double points) = 0;
  // Merged ranges first, then their cells: the value of a merge is the one
  // written into its upper-left cell.
  virtual void Merge(int firstRow, int firstColumn, int lastRow, int lastColumn) = 0;
  virtual void WriteBlank(int row, int column, const CellStyle& style) = 0;
  virtual void WriteText(int row, int column, const std::string& text, const CellStyle& style) = 0;
  virtual void WriteNumber(int row, int column, double value, const CellStyle& style) = 0;
  // Writes the file whole, or leaves the file at `path` as it was: returns
  // the reason (Russian) when it could not be created or written, or
  // nothing.
  virtual std::optional<std::string> Close() = 0;
};

}  // namespace ovalto
