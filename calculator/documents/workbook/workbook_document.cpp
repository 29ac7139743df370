#include "workbook/workbook_document.h"

#include <algorithm>

#include "materials/bill_of_materials.h"
#include "text_case.h"
#include "workbook/form_description.h"
#include "workbook/workbook_file_name.h"
#include "workbook/workbook_writer.h"

namespace ovalto {
namespace {

constexpr const char* kNumberTaken = "Укажите уникальный номер проекта !";

bool NumberTaken(const DocumentRequest& request, const std::string& number) {
  if (number.empty()) return true;
  return number != request.CurrentProjectNumber &&
         std::find(request.StoredNumbers.begin(), request.StoredNumbers.end(), number) != request.StoredNumbers.end();
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\r") + line;
  return text;
}

// Names each kind of line that did not all fit, with how many were written.
std::string LeftOutText(const FilledWorkbook& filled) {
  struct Kind {
    const WrittenCount& Count;
    const char* Counted;  // "записано систем 3 из 5"
    const char* Rest;     // "Остальные системы …"
  };
  const Kind kinds[] = {{filled.Systems, "систем", "системы"},
                        {filled.Objects, "объектов", "объекты"},
                        {filled.Positions, "позиций", "позиции"}};
  std::vector<const Kind*> leftOut;
  for (const Kind& kind : kinds) {
    if (!kind.Count.Complete()) leftOut.push_back(&kind);
  }
  std::string counts;
  std::string rest;
  for (size_t i = 0; i < leftOut.size(); ++i) {
    counts.append(i == 0 ? "" : ", ").append(leftOut[i]->Counted).append(" ");
    counts.append(std::to_string(leftOut[i]->Count.Written))
        .append(" из ")
        .append(std::to_string(leftOut[i]->Count.Total));
    rest.append(i == 0 ? "" : i + 1 == leftOut.size() ? " и " : ", ").append(leftOut[i]->Rest);
  }
  return "Документ занял все " + std::to_string(kDocumentSheetLimit) + " листов формы: записано " + counts +
         ".\rОстальные " + rest + " в документ не вошли !";
}

}  // namespace

std::vector<FlatTreeNode> FlatNodesOf(const ProjectTree& tree) {
  std::vector<FlatTreeNode> nodes;
  for (const TreeNode* node : tree.Nodes()) nodes.push_back({node->Level(), node->Image(), node->Text()});
  return nodes;
}

DocumentResult WriteSpreadsheetDocument(const DocumentRequest& request, const Catalogues& catalogues,
                                        DocumentServices& services) {
  DocumentResult result;
  result.Number = std::string(Trimmed(request.NumberText));
  if (NumberTaken(request, result.Number)) {
    services.Messages.ShowRaisedError(kNumberTaken);
    return result;
  }

  const bool list = request.Kind == DocumentKind::InstallationList;
  BillOfMaterials bill = BuildMaterialList(request.Tree, catalogues, request.Kind);
  if (!bill.Error.empty()) {
    services.Messages.ShowRaisedError(bill.Error);
    result.Outcome = DocumentOutcome::BuildFailed;
    return result;
  }
  // Objects left without their materials first: they may be why there are
  // no rows at all.
  if (!bill.Warnings.empty()) services.Messages.Show(MessageType::Warning, Joined(bill.Warnings), kButtonOk);
  RaiseSmallLitres(bill.Rows);
  if (bill.Rows.empty()) {
    services.Messages.Show(MessageType::Warning,
                           list ? "Нет позиций для техномонтажной ведомости !" : "Нет позиций для спецификации !",
                           kButtonCancel);
    result.Outcome = DocumentOutcome::NoRows;
    return result;
  }

  const DocumentTitle title{result.Number, request.ProjectName, request.Developer,
                            services.UserData.Read("Компания", "")};
  result.Filled = list ? FillInstallationList(bill.Rows, request.Tree, title) : FillMaterialSchedule(bill.Rows, title);
  result.Path = WorkbookPath(request.ProgramFolder, request.Kind, result.Number);
  const WorkbookWriteResult written =
      WriteWorkbook(list ? MontDotForm() : SpecDotForm(), result.Filled.Model, services.Output, result.Path);
  switch (written.Outcome) {
    case WorkbookWriteOutcome::FormUnusable:
      services.Messages.ShowRaisedError("Ошибка распаковки ресурса шаблона !");
      result.Outcome = DocumentOutcome::FormUnusable;
      return result;
    case WorkbookWriteOutcome::FileFailed:
      services.Messages.Show(MessageType::Error,
                             "Ошибка создания файла !\r\"" + result.Path + "\":\r" + written.FileFailure,
                             kButtonCancel);
      result.Outcome = DocumentOutcome::FileFailed;
      return result;
    case WorkbookWriteOutcome::Written:
      break;
  }
  if (result.Filled.LeftOut()) services.Messages.Show(MessageType::Warning, LeftOutText(result.Filled), kButtonOk);
  if (!services.Desktop.Open(result.Path)) {
    services.Messages.Show(MessageType::Error, "Ошибка инициализации OLE => Excel !", kButtonCancel);
    result.Outcome = DocumentOutcome::NotOpened;
    return result;
  }
  result.Outcome = DocumentOutcome::Opened;
  return result;
}

}  // namespace ovalto
