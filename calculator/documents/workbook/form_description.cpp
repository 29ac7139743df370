#include "workbook/form_description.h"

#include <algorithm>

#include "workbook/workbook_writer.h"

namespace ovalto {
namespace {

std::string LayoutProblem(const FormDescription& form, const SheetLayout& layout) {
  const auto inside = [&](int row, int column) {
    return row >= 1 && row <= form.LastRow && column >= 1 && column <= form.LastColumn;
  };
  for (const FormText& text : layout.Texts) {
    if (!inside(text.Row, text.Column) ||
        !inside(std::max(text.Row, text.LastRow), std::max(text.Column, text.LastColumn)))
      return "a text outside the sheet";
  }
  for (const FormTable& table : layout.Tables) {
    if (table.Bounds.size() < 2 || !std::is_sorted(table.Bounds.begin(), table.Bounds.end()) ||
        !inside(table.FirstRow, table.Bounds.front()) || !inside(table.LastRow, table.Bounds.back() - 1))
      return "a table outside the sheet";
  }
  for (const FormFrame& frame : layout.Frames) {
    if (!inside(frame.FirstRow, frame.FirstColumn) || !inside(frame.LastRow, frame.LastColumn))
      return "a frame outside the sheet";
  }
  if (!inside(layout.BodyFirstRow, 1) || !inside(layout.BodyLastRow, 1) || layout.BodyFirstRow > layout.BodyLastRow)
    return "no body rows";
  if (layout.SheetNumberRow != 0 && !inside(layout.SheetNumberRow, layout.SheetNumberColumn))
    return "the sheet number outside the sheet";
  const std::vector<MergedRange> merges = FormMerges(layout);
  for (size_t i = 0; i < merges.size(); ++i) {
    for (size_t j = i + 1; j < merges.size(); ++j) {
      if (merges[i].Overlaps(merges[j])) return "overlapping merged ranges";
    }
  }
  return "";
}

}  // namespace

std::string FormProblem(const FormDescription& form) {
  if (form.SheetPrefix.empty() || form.SheetLimit < 1) return "no sheets";
  if (static_cast<int>(form.ColumnWidths.size()) != form.LastColumn) return "a column without a width";
  for (const BodyField& field : form.Fields) {
    if (field.Column < 1 || field.LastColumn < field.Column || field.LastColumn > form.LastColumn)
      return "a field outside the sheet";
  }
  if (std::string problem = LayoutProblem(form, form.FirstSheet); !problem.empty()) return problem;
  return LayoutProblem(form, form.LaterSheets);
}

}  // namespace ovalto
