// Both documents as the users make them: on a desktop whose locale writes a
// decimal comma, which Qt takes from the environment when the application
// object is made.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <map>

#include "main_window.h"
#include "materials/bill_of_materials.h"
#include "project_editor.h"
#include "recording_message_boxes.h"
#include "recording_shell.h"
#include "scoped_locale.h"
#include "workbook/form_description.h"
#include "workbook/sheet_documents.h"
#include "workbook/workbook_document.h"
#include "xlsx_reader.h"

namespace ovalto {
namespace {

std::string CellName(int row, int column) {
  std::string name(1, static_cast<char>('A' + column - 1));
  return name.append(std::to_string(row));
}

// The numbers that a document's first sheet must hold: the model's, and the
// sheet's own number that the form prints.
std::map<std::string, double> ExpectedNumbers(const FilledWorkbook& filled, const FormDescription& form) {
  std::map<std::string, double> numbers;
  for (const auto& [address, cell] : filled.Model.Sheets[0].Cells) {
    if (const auto* number = std::get_if<double>(&cell.Value)) numbers[CellName(address.Row, address.Column)] = *number;
  }
  numbers[CellName(form.FirstSheet.SheetNumberRow, form.FirstSheet.SheetNumberColumn)] = 1;
  return numbers;
}

// A sheet's numbers as written; a number that is not wholly read with a
// decimal point is left out and reported.
std::map<std::string, double> WrittenNumbers(const testing::XlsxSheet& sheet) {
  std::map<std::string, double> numbers;
  for (const auto& [address, text] : sheet.Numbers) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc() && end == text.data() + text.size()) {
      numbers[address] = value;
    } else {
      ADD_FAILURE() << sheet.Name << " " << address << " holds \"" << text << "\"";
    }
  }
  return numbers;
}

TEST(DocumentsOnARussianDesktop, EveryNumberIsWrittenWithAPointAsTheBillHasIt) {
  setenv("LANG", testing::kRussianLocale, 1);
  setenv("LC_ALL", testing::kRussianLocale, 1);
  int argc = 1;
  char name[] = "test_documents_on_a_russian_desktop";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  ASSERT_STREQ(std::localeconv()->decimal_point, ",") << "ru_RU.UTF-8 is missing: scripts/prepare.sh makes it";

  QTemporaryDir folder;
  testing::RecordingMessageBoxes messages;
  testing::RecordingShell shell;
  testing::MemoryUserData userData;
  TfMain window{{messages, shell, userData, folder.path()}};
  window.show();
  QApplication::processEvents();
  window.ImMainMouseUp(2);  // "СОЗДАТЬ ПРОЕКТ"
  ProjectEditor* editor = window.ProjectEditorPanel();
  ProjectTree& tree = editor->TV->Tree();
  TreeNode& system = *tree.Root()->Child(0);
  tree.InsertNode(system, {kImagePipeline,
                           "Трубопровод Т1",
                           {{kImageEnteredLine, "Диаметр = 57 мм", {}},
                            {kImageEnteredLine, "Длина = 2,1 м", {}},
                            {kImageEnteredLine, "Толщина изоляции = 13 мм", {}},
                            {kImageEnteredLine, "Тип изоляции : \"KALDERON Vardo\"", {}},
                            {kImageEnteredLine, "Тип покрытия : \"PELLORIT AL\"", {}}}});
  tree.InsertNode(system, {kImageRectangularDuct,
                           "Воздуховод П1",
                           {{kImageEnteredLine, "Ширина = 400 мм", {}},
                            {kImageEnteredLine, "Высота = 250,5 мм", {}},
                            {kImageEnteredLine, "Длина = 1,41 м", {}},
                            {kImageEnteredLine, "Толщина изоляции = 10 мм", {}},
                            {kImageEnteredLine, "Тип изоляции : \"KALDERON Corvane DUCT\"", {}},
                            {kImageEnteredLine, "Тип покрытия : \"Без покрытия\"", {}}}});
  editor->Edit1->setText("7");
  editor->bbVDM->click();
  editor->bbCLK->click();
  ASSERT_TRUE(messages.Shown.empty()) << messages.Shown[0].Text;
  ASSERT_EQ(shell.Opened.size(), 2u);

  const std::vector<FlatTreeNode> nodes = FlatNodesOf(tree);
  const Catalogues catalogues = LoadPrices(messages);
  const struct {
    DocumentKind Kind;
    const FormDescription& Form;
    std::string Path;
  } documents[] = {{DocumentKind::InstallationList, MontDotForm(), shell.Opened[0]},
                   {DocumentKind::MaterialSchedule, SpecDotForm(), shell.Opened[1]}};
  for (const auto& document : documents) {
    BillOfMaterials bill = BuildMaterialList(nodes, catalogues, document.Kind);
    RaiseSmallLitres(bill.Rows);
    const FilledWorkbook filled = document.Kind == DocumentKind::InstallationList
                                      ? FillInstallationList(bill.Rows, nodes, {})
                                      : FillMaterialSchedule(bill.Rows, {});
    const std::vector<testing::XlsxSheet> sheets = testing::ReadXlsx(document.Path);
    ASSERT_EQ(sheets.size(), 1u) << document.Path;
    EXPECT_EQ(WrittenNumbers(sheets[0]), ExpectedNumbers(filled, document.Form)) << document.Path;
  }
  EXPECT_EQ(testing::ReadXlsx(shell.Opened[0])[0].Numbers.at("D9"), "2.1");
}

}  // namespace
}  // namespace ovalto
