// What a document writes into its workbook, before any file exists: per sheet
// the cells with a text or a number, their bold and size, and the merged
// ranges. The printed form around it (headings, frames, widths) is the form
// description's; the workbook writer joins the two into the file.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace ovalto {

// Rows and columns count from 1, as the documents address them.
struct CellAddress {
  int Row = 0;
  int Column = 0;
  auto operator<=>(const CellAddress&) const = default;
};

struct ModelCell {
  std::variant<std::monostate, std::string, double> Value;
  std::optional<bool> Bold;    // unset: the form's font
  std::optional<double> Size;  // points; unset: the form's font
  bool operator==(const ModelCell&) const = default;
};

struct MergedRange {
  CellAddress First;
  CellAddress Last;
  bool operator==(const MergedRange&) const = default;

  bool Covers(int row, int column) const {
    return row >= First.Row && row <= Last.Row && column >= First.Column && column <= Last.Column;
  }
  bool Overlaps(const MergedRange& other) const {
    return First.Row <= other.Last.Row && other.First.Row <= Last.Row && First.Column <= other.Last.Column &&
           other.First.Column <= Last.Column;
  }
};

struct ModelSheet {
  std::map<CellAddress, ModelCell> Cells;
  std::vector<MergedRange> Merges;

  void SetText(int row, int column, std::string text) { Cells[{row, column}].Value = std::move(text); }
  void SetNumber(int row, int column, double value) { Cells[{row, column}].Value = value; }
  void SetFont(int row, int column, bool bold, double size);
  void SetBold(int row, int column) { Cells[{row, column}].Bold = true; }
  void Merge(CellAddress first, CellAddress last) { Merges.push_back({first, last}); }

  // The cell, or an empty one when nothing was written there.
  const ModelCell& At(int row, int column) const;
  std::string TextAt(int row, int column) const;              // "" unless a text
  std::optional<double> NumberAt(int row, int column) const;  // set only for a number
};

struct WorkbookModel {
  std::vector<ModelSheet> Sheets;  // sheet n is Sheets[n - 1]

  // The sheet of the given number, adding sheets up to it.
  ModelSheet& Sheet(int number);
  int SheetCount() const { return static_cast<int>(Sheets.size()); }
};

}  // namespace ovalto
