// Stands in for the spreadsheet file: keeps every sheet, merge and cell that
// the writer gives it, and can refuse to create or to write the file.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "spreadsheet_output.h"

namespace ovalto::testing {

struct RecordedCell {
  std::variant<std::monostate, std::string, double> Value;
  CellStyle Style;
};

struct RecordedSheet {
  std::string Name;
  std::map<std::pair<int, int>, RecordedCell> Cells;
  std::vector<std::vector<int>> Merges;  // first row, first column, last row, last column
};

class RecordingSpreadsheet : public SpreadsheetOutput {
 public:
  std::string Path;
  std::vector<RecordedSheet> Sheets;
  bool OpenFails = false;
  bool CloseFails = false;
  bool Closed = false;

  std::optional<std::string> Open(const std::string& path) override {
    Path = path;
    if (OpenFails) return "нет доступа";
    return std::nullopt;
  }
  void AddSheet(const std::string& name, int, int) override { Sheets.push_back({name, {}, {}}); }
  void SetColumnWidth(int, double) override {}
  void SetRowHeight(int, double) override {}
  void Merge(int firstRow, int firstColumn, int lastRow, int lastColumn) override {
    Sheets.back().Merges.push_back({firstRow, firstColumn, lastRow, lastColumn});
  }
  void WriteBlank(int row, int column, const CellStyle& style) override {
    Sheets.back().Cells[{row, column}] = {{}, style};
  }
  void WriteText(int row, int column, const std::string& text, const CellStyle& style) override {
    Sheets.back().Cells[{row, column}] = {text, style};
  }
  void WriteNumber(int row, int column, double value, const CellStyle& style) override {
    Sheets.back().Cells[{row, column}] = {value, style};
  }
  std::optional<std::string> Close() override {
    Closed = true;
    if (CloseFails) return "запись: нет места на диске";
    return std::nullopt;
  }
};

}  // namespace ovalto::testing
