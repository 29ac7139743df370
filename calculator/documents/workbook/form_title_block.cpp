#include "workbook/form_title_block.h"

namespace ovalto {
namespace {

constexpr int kBlockRow = 43;
constexpr int kLastRow = 46;

}  // namespace

std::vector<FormText> ChangeHeadings(int row, const std::vector<int>& bounds) {
  const char* const words[] = {"Изм.", "Лист", "№ докум.", "Подп.", "Дата"};
  std::vector<FormText> headings;
  for (size_t field = 0; field + 1 < bounds.size() && field < std::size(words); ++field)
    headings.push_back({row, bounds[field], words[field], row, bounds[field + 1] - 1});
  return headings;
}

SheetLayout LaterSheetLayout(std::vector<FormText> headings, int headingsRow, FormTable body,
                             const std::vector<int>& changeBounds, int lastColumn) {
  const int changesEnd = changeBounds.back();
  SheetLayout layout;
  layout.Texts = std::move(headings);
  for (FormText& text : ChangeHeadings(kLastRow, changeBounds)) layout.Texts.push_back(std::move(text));
  layout.Texts.push_back({kBlockRow + 1, changesEnd, "", kLastRow, lastColumn - 1, 10, CellAlign::Center, false});
  layout.Texts.push_back({kBlockRow, lastColumn, "Лист"});
  layout.Texts.push_back({kBlockRow + 1, lastColumn, "", kLastRow, lastColumn, 10});
  body.LastRow = kBlockRow - 1;
  layout.BodyFirstRow = body.FirstRow;
  layout.BodyLastRow = body.LastRow;
  layout.Tables = {std::move(body), {kBlockRow, kLastRow - 1, changeBounds, 1, true}};
  layout.Frames = {{headingsRow, 1, kBlockRow - 1, lastColumn},
                   {kBlockRow, 1, kLastRow, lastColumn},
                   {kBlockRow, 1, kLastRow, changesEnd - 1}};
  layout.SheetNumberRow = kBlockRow + 1;
  layout.SheetNumberColumn = lastColumn;
  return layout;
}

}  // namespace ovalto
