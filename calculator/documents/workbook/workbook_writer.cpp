#include "workbook/workbook_writer.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <variant>

namespace ovalto {
namespace {

using CellValue = std::variant<std::monostate, std::string, double>;

constexpr std::uint8_t kThin = 1;
constexpr std::uint8_t kMedium = 2;

void AddMerge(std::vector<MergedRange>& merges, MergedRange range) {
  if (range.First == range.Last) return;
  if (std::find(merges.begin(), merges.end(), range) == merges.end()) merges.push_back(range);
}

// One sheet as it will be written: a style for every cell that has one, the
// values, the merged ranges.
class SheetCanvas {
 public:
  explicit SheetCanvas(const FormDescription& form) {
    base_.FontName = form.FontName;
    base_.FontSize = form.FontSize;
  }

  CellStyle& Style(int row, int column) { return styles_.try_emplace({row, column}, base_).first->second; }
  void SetValue(int row, int column, CellValue value) { values_[{row, column}] = std::move(value); }

  void Outline(int firstRow, int firstColumn, int lastRow, int lastColumn, std::uint8_t weight) {
    for (int column = firstColumn; column <= lastColumn; ++column) {
      Raise(Style(firstRow, column).Borders.Top, weight);
      Raise(Style(lastRow, column).Borders.Bottom, weight);
    }
    for (int row = firstRow; row <= lastRow; ++row) {
      Raise(Style(row, firstColumn).Borders.Left, weight);
      Raise(Style(row, lastColumn).Borders.Right, weight);
    }
  }

  std::vector<MergedRange> Merges;

  void WriteTo(SpreadsheetOutput& output) const {
    for (const MergedRange& range : Merges)
      output.Merge(range.First.Row, range.First.Column, range.Last.Row, range.Last.Column);
    std::set<CellAddress> cells;
    for (const auto& [address, style] : styles_) cells.insert(address);
    for (const auto& [address, value] : values_) cells.insert(address);
    for (const CellAddress& address : cells) {
      const auto styleFound = styles_.find(address);
      const CellStyle& style = styleFound == styles_.end() ? base_ : styleFound->second;
      const auto valueFound = values_.find(address);
      const CellValue value = valueFound == values_.end() ? CellValue() : valueFound->second;
      if (const auto* text = std::get_if<std::string>(&value); text && !text->empty())
        output.WriteText(address.Row, address.Column, *text, style);
      else if (const auto* number = std::get_if<double>(&value))
        output.WriteNumber(address.Row, address.Column, *number, style);
      else
        output.WriteBlank(address.Row, address.Column, style);
    }
  }

 private:
  static void Raise(std::uint8_t& side, std::uint8_t weight) { side = std::max(side, weight); }

  CellStyle base_;
  std::map<CellAddress, CellStyle> styles_;
  std::map<CellAddress, CellValue> values_;
};

void DrawForm(const SheetLayout& layout, int sheetNumber, SheetCanvas& canvas) {
  for (const FormText& text : layout.Texts) {
    const int lastRow = std::max(text.Row, text.LastRow);
    const int lastColumn = std::max(text.Column, text.LastColumn);
    for (int row = text.Row; row <= lastRow; ++row) {
      for (int column = text.Column; column <= lastColumn; ++column) {
        CellStyle& style = canvas.Style(row, column);
        style.FontSize = text.Size;
        style.Align = text.Align;
        style.Wrap = true;
      }
    }
    if (text.Boxed) canvas.Outline(text.Row, text.Column, lastRow, lastColumn, kThin);
    if (!text.Text.empty()) canvas.SetValue(text.Row, text.Column, text.Text);
  }
  for (const FormTable& table : layout.Tables) {
    for (size_t field = 0; field + 1 < table.Bounds.size(); ++field) {
      const int first = table.Bounds[field];
      const int last = table.Bounds[field + 1] - 1;
      if (table.RowStep <= 0) {
        canvas.Outline(table.FirstRow, first, table.LastRow, last, kThin);
        continue;
      }
      for (int row = table.FirstRow; row <= table.LastRow; row += table.RowStep)
        canvas.Outline(row, first, std::min(row + table.RowStep - 1, table.LastRow), last, kThin);
    }
  }
  for (const FormFrame& frame : layout.Frames)
    canvas.Outline(frame.FirstRow, frame.FirstColumn, frame.LastRow, frame.LastColumn, kMedium);
  canvas.Merges = FormMerges(layout);
  if (layout.SheetNumberRow > 0) canvas.SetValue(layout.SheetNumberRow, layout.SheetNumberColumn, double(sheetNumber));
}

// The document's cells over the form. A value in a body field fills the
// field's two rows; a merged range shows the value of its first cell.
void DrawModel(const FormDescription& form, const SheetLayout& layout, const ModelSheet& sheet, SheetCanvas& canvas) {
  for (const MergedRange& range : sheet.Merges) AddMerge(canvas.Merges, range);
  for (const auto& [address, cell] : sheet.Cells) {
    const auto merge = std::find_if(canvas.Merges.begin(), canvas.Merges.end(), [&](const MergedRange& range) {
      return range.Covers(address.Row, address.Column);
    });
    const bool merged = merge != canvas.Merges.end();
    if (merged && merge->First != address) continue;  // hidden under the merge
    CellStyle& style = canvas.Style(address.Row, address.Column);
    const bool inBody = address.Row >= layout.BodyFirstRow && address.Row <= layout.BodyLastRow;
    const auto field = std::find_if(form.Fields.begin(), form.Fields.end(),
                                    [&](const BodyField& f) { return f.Column == address.Column; });
    if (inBody && !merged && field != form.Fields.end()) {
      style.Align = field->Align;
      style.Wrap = field->Wrap;
      const MergedRange span{address, {std::min(address.Row + 1, layout.BodyLastRow), field->LastColumn}};
      const bool free = std::none_of(canvas.Merges.begin(), canvas.Merges.end(),
                                     [&](const MergedRange& range) { return range.Overlaps(span); });
      if (free) AddMerge(canvas.Merges, span);
    }
    if (cell.Bold) style.Bold = *cell.Bold;
    if (cell.Size) style.FontSize = *cell.Size;
    canvas.SetValue(address.Row, address.Column, cell.Value);
  }
}

}  // namespace

std::vector<MergedRange> FormMerges(const SheetLayout& layout) {
  std::vector<MergedRange> merges;
  for (const FormText& text : layout.Texts) {
    AddMerge(merges,
             {{text.Row, text.Column}, {std::max(text.Row, text.LastRow), std::max(text.Column, text.LastColumn)}});
  }
  for (const FormTable& table : layout.Tables) {
    if (!table.Merged) continue;
    for (int row = table.FirstRow; row <= table.LastRow; ++row) {
      for (size_t field = 0; field + 1 < table.Bounds.size(); ++field)
        AddMerge(merges, {{row, table.Bounds[field]}, {row, table.Bounds[field + 1] - 1}});
    }
  }
  return merges;
}

WorkbookWriteResult WriteWorkbook(const FormDescription& form, const WorkbookModel& model, SpreadsheetOutput& output,
                                  const std::string& path) {
  if (!FormProblem(form).empty() || model.SheetCount() > form.SheetLimit)
    return {WorkbookWriteOutcome::FormUnusable, {}};
  if (std::optional<std::string> failure = output.Open(path))
    return {WorkbookWriteOutcome::FileFailed, std::move(*failure)};
  const int sheets = std::max(1, model.SheetCount());
  for (int number = 1; number <= sheets; ++number) {
    const SheetLayout& layout = number == 1 ? form.FirstSheet : form.LaterSheets;
    output.AddSheet(form.SheetPrefix + std::to_string(number), form.LastRow, form.LastColumn);
    for (int column = 1; column <= form.LastColumn; ++column)
      output.SetColumnWidth(column, form.ColumnWidths[static_cast<size_t>(column - 1)]);
    for (int row = 1; row <= form.LastRow; ++row) output.SetRowHeight(row, form.RowHeight);
    SheetCanvas canvas(form);
    DrawForm(layout, number, canvas);
    if (number <= model.SheetCount()) DrawModel(form, layout, model.Sheets[static_cast<size_t>(number - 1)], canvas);
    canvas.WriteTo(output);
  }
  if (std::optional<std::string> failure = output.Close())
    return {WorkbookWriteOutcome::FileFailed, std::move(*failure)};
  return {};
}

}  // namespace ovalto
