#include "sheet_documents.h"
#include "sheet_pager.h"

namespace ovalto {

FilledWorkbook FillSpecification(const std::vector<MaterialRow>& rows, const DocumentTitle& title) {
  const std::vector<MaterialRow> merged = MergeByName(rows);
  FilledWorkbook result;
  result.Positions = static_cast<int>(merged.size());
  ModelSheet& first = result.Model.Sheet(1);
  first.SetText(37, 8, "Проект № " + title.Number);
  first.SetText(42, 5, title.Developer);
  first.SetText(39, 8, title.ProjectName);
  first.SetText(44, 8, "Ведомость");
  first.SetText(44, 12, title.Company);

  SheetPager pager(result.Model, {3, 35, 43, 5, kDocumentSheetLimit, {44, 8}}, title.ProjectName);
  for (const MaterialRow& material : merged) {
    if (!pager.Advance()) {
      result.LeftOut = true;
      break;
    }
    ModelSheet& sheet = pager.Sheet();
    const int row = pager.Row();
    sheet.SetNumber(row, 1, result.PositionsWritten + 1);
    sheet.SetText(row, 2, material.GroupLabel.substr(0, material.GroupLabel.find('=')));
    sheet.SetText(row, 3, material.MakerLine);
    sheet.SetText(row, 6, material.Name);
    sheet.SetText(row, 10, material.Unit);
    sheet.SetNumber(row, 11, RoundQuantity(material.Quantity));
    ++result.PositionsWritten;
  }
  result.SheetsUsed = pager.SheetsUsed();
  result.Model.Sheet(1).SetText(43, 16, std::to_string(result.SheetsUsed));
  return result;
}

}  // namespace ovalto
