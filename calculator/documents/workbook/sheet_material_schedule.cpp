#include "workbook/sheet_documents.h"
#include "workbook/sheet_pager.h"

namespace ovalto {
namespace {

// Sheet 1 holds positions 5 to 33, the later sheets 5 to 41.
const PageRule kPages = {.StartRow = 3,
                         .FirstSheetEnd = 35,
                         .LaterSheetEnd = 43,
                         .RestartRow = 5,
                         .SheetLimit = kDocumentSheetLimit,
                         .ProjectNameCell = {44, 8},
                         .FirstSheet = {.Number = {37, 8},
                                        .ProjectName = {39, 8},
                                        .Developer = {42, 5},
                                        .DocumentName = {44, 8},
                                        .Company = {44, 12},
                                        .SheetCount = {43, 16}}};

}  // namespace

FilledWorkbook FillMaterialSchedule(const std::vector<MaterialRow>& rows, const DocumentTitle& title) {
  const std::vector<MaterialRow> merged = MergeByName(rows);
  FilledWorkbook result;
  result.Positions.Total = static_cast<int>(merged.size());
  SheetPager pager(result.Model, kPages, title);
  for (const MaterialRow& material : merged) {
    if (!pager.Advance()) break;
    ModelSheet& sheet = pager.Sheet();
    const int row = pager.Row();
    sheet.SetNumber(row, 1, result.Positions.Written + 1);
    sheet.SetText(row, 2, material.GroupLabel.substr(0, material.GroupLabel.find('=')));
    sheet.SetText(row, 3, material.MakerLine);
    sheet.SetText(row, 6, material.Name);
    sheet.SetText(row, 10, material.Unit);
    sheet.SetNumber(row, 11, RoundQuantity(material.Quantity));
    ++result.Positions.Written;
  }
  result.SheetsUsed = pager.SheetsUsed();
  pager.WriteSheetCount();
  return result;
}

}  // namespace ovalto
