#include "workbook/workbook_document.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "file_size_limit.h"
#include "files.h"
#include "recording_message_boxes.h"
#include "recording_shell.h"
#include "recording_spreadsheet.h"
#include "sample_project.h"
#include "xlsx_output.h"
#include "xlsx_reader.h"

namespace ovalto {
namespace {

using testing::SampleTree;

const Catalogues& BuiltInCatalogues() {
  static const Catalogues catalogues = [] {
    testing::RecordingMessageBoxes messages;
    return LoadPrices(messages);
  }();
  return catalogues;
}

class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() {
    userData.Values["Компания"] = "ООО Теплопроект";
    request.NumberText = " 12-07/Т ";
    request.StoredNumbers = {"12-07/Т", "15"};
    request.CurrentProjectNumber = "12-07/Т";
    request.ProjectName = "Котельная";
    request.Developer = "Иванов И.И.";
    request.Tree = SampleTree(2).Tree;
    request.ProgramFolder = "/opt/Ovalto4/";
  }

  DocumentResult Run(DocumentKind kind) {
    request.Kind = kind;
    DocumentServices services{messages, shell, userData, output};
    return WriteSpreadsheetDocument(request, BuiltInCatalogues(), services);
  }

  DocumentRequest request;
  testing::RecordingMessageBoxes messages;
  testing::RecordingShell shell;
  testing::MemoryUserData userData;
  testing::RecordingSpreadsheet output;
};

TEST_F(DocumentTest, WritesAndOpensTheWorkbookOfTheOpenProject) {
  const DocumentResult result = Run(DocumentKind::InstallationList);
  EXPECT_EQ(result.Outcome, DocumentOutcome::Opened);
  EXPECT_EQ(result.Number, "12-07/Т");
  EXPECT_EQ(result.Path, "/opt/Ovalto4/Ведомость.12-07~Т.xlsx");
  EXPECT_EQ(output.Path, result.Path);
  EXPECT_TRUE(output.Closed);
  EXPECT_EQ(shell.Opened, std::vector<std::string>{result.Path});
  EXPECT_TRUE(messages.Shown.empty());
  EXPECT_EQ(output.Sheets.size(), 1u);
  EXPECT_EQ(result.Filled.Model.Sheets[0].TextAt(45, 15), "ООО Теплопроект");
}

TEST_F(DocumentTest, TheNumberMustBeGivenAndNotAnotherProjects) {
  request.NumberText = "  ";
  EXPECT_EQ(Run(DocumentKind::MaterialSchedule).Outcome, DocumentOutcome::NumberRefused);
  request.NumberText = "15";
  EXPECT_EQ(Run(DocumentKind::MaterialSchedule).Outcome, DocumentOutcome::NumberRefused);
  request.NumberText = "\t15 \t";  // pasted with its TABs: still the stored project's number
  EXPECT_EQ(Run(DocumentKind::MaterialSchedule).Outcome, DocumentOutcome::NumberRefused);
  request.CurrentProjectNumber = "";  // a new project under a stored number
  request.NumberText = "12-07/Т";
  EXPECT_EQ(Run(DocumentKind::MaterialSchedule).Outcome, DocumentOutcome::NumberRefused);
  EXPECT_EQ(messages.RaisedErrors, std::vector<std::string>(4, "Укажите уникальный номер проекта !"));
  EXPECT_TRUE(output.Path.empty());
  request.NumberText = "16";
  EXPECT_EQ(Run(DocumentKind::MaterialSchedule).Outcome, DocumentOutcome::Opened);
}

TEST_F(DocumentTest, NoRowsNoDocument) {
  request.Tree = {{0, 0, "СИСТЕМЫ"}, {1, 9, "Отопление"}};
  EXPECT_EQ(Run(DocumentKind::InstallationList).Outcome, DocumentOutcome::NoRows);
  EXPECT_EQ(Run(DocumentKind::MaterialSchedule).Outcome, DocumentOutcome::NoRows);
  ASSERT_EQ(messages.Shown.size(), 2u);
  EXPECT_EQ(messages.Shown[0].Text, "Нет позиций для техномонтажной ведомости !");
  EXPECT_EQ(messages.Shown[1].Text, "Нет позиций для спецификации !");
  EXPECT_EQ(messages.Shown[1].Type, MessageType::Warning);
  EXPECT_EQ(messages.Shown[1].Buttons, unsigned(kButtonCancel));
  EXPECT_TRUE(output.Path.empty());
}

TEST_F(DocumentTest, TheBillsProblemsReachTheUserBeforeAnyFile) {
  testing::TreeBuilder tree;
  tree.System().Object({.Name = "Старый", .Insulation = "KALDERON Ulterra"});
  request.Tree = tree.Nodes();
  EXPECT_EQ(Run(DocumentKind::InstallationList).Outcome, DocumentOutcome::NoRows);
  ASSERT_EQ(messages.Shown.size(), 2u);
  EXPECT_NE(messages.Shown[0].Text.find("\"Старый\""), std::string::npos);
  EXPECT_EQ(messages.Shown[1].Text, "Нет позиций для техномонтажной ведомости !");

  testing::TreeBuilder endless;
  endless.System().Object({.Name = "Стояк", .ThicknessMm = 100000000});
  request.Tree = endless.Nodes();
  EXPECT_EQ(Run(DocumentKind::MaterialSchedule).Outcome, DocumentOutcome::BuildFailed);
  ASSERT_EQ(messages.RaisedErrors.size(), 1u);
  EXPECT_NE(messages.RaisedErrors[0].find("\"Стояк\""), std::string::npos);
  EXPECT_TRUE(output.Path.empty());
}

TEST_F(DocumentTest, TwoObjectsOfTheSameTubeGiveOneMaterialScheduleRow) {
  const DocumentResult result = Run(DocumentKind::MaterialSchedule);
  const ModelSheet& sheet = result.Filled.Model.Sheets[0];
  EXPECT_EQ(sheet.TextAt(5, 2), "Изделие теплоизоляционное из вспененного полиэтилена");
  EXPECT_NE(sheet.TextAt(5, 6).find("57/13"), std::string::npos) << sheet.TextAt(5, 6);
  EXPECT_EQ(sheet.NumberAt(5, 11), 25);
  for (int row = 7; row <= 33; row += 2) EXPECT_NE(sheet.TextAt(row, 6), sheet.TextAt(5, 6));
  EXPECT_EQ(sheet.TextAt(7, 2), "Аксессуар");
}

TEST_F(DocumentTest, AFileThatCannotBeWrittenIsTold) {
  output.CloseFails = true;
  EXPECT_EQ(Run(DocumentKind::InstallationList).Outcome, DocumentOutcome::FileFailed);
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Text,
            "Ошибка создания файла !\r\"/opt/Ovalto4/Ведомость.12-07~Т.xlsx\":\rзапись: нет места на диске");
  EXPECT_EQ(messages.Shown[0].Type, MessageType::Error);
  EXPECT_TRUE(shell.Opened.empty());
}

TEST_F(DocumentTest, AFullDiskLeavesTheEarlierDocumentAsItWasAndNoPartOfANewOne) {
  char pattern[] = "/tmp/ovalto-documents-XXXXXX";
  const std::string folder = ::mkdtemp(pattern);
  request.ProgramFolder = folder + "/";
  XlsxOutput real;
  DocumentServices services{messages, shell, userData, real};
  const std::string earlierPath = WriteSpreadsheetDocument(request, BuiltInCatalogues(), services).Path;
  const std::optional<std::string> earlier = ReadWholeFile(earlierPath);
  ASSERT_TRUE(earlier);
  // Room for a packed workbook of this size, not for its 27 KB styles part
  // unpacked, which the library lays out in a temporary file first; then no
  // room at all.
  ASSERT_LT(earlier->size(), 16000u);
  for (const rlim_t room : {rlim_t{20000}, rlim_t{4096}}) {
    request.Tree = SampleTree(3).Tree;
    messages.Shown.clear();
    DocumentResult result;
    {
      testing::FileSizeLimit full(room);
      result = WriteSpreadsheetDocument(request, BuiltInCatalogues(), services);
    }
    EXPECT_EQ(result.Outcome, DocumentOutcome::FileFailed) << room;
    EXPECT_TRUE(ReadWholeFile(earlierPath) == earlier) << "the earlier document is as it was";
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Text.rfind("Ошибка создания файла !\r\"" + earlierPath + "\":\r", 0), 0u)
        << messages.Shown[0].Text;
  }
  EXPECT_NE(messages.Shown[0].Text.find("файл слишком велик"), std::string::npos) << "the system's reason";
  request.NumberText = request.CurrentProjectNumber = "Q";
  {
    testing::FileSizeLimit full(4096);
    EXPECT_EQ(WriteSpreadsheetDocument(request, BuiltInCatalogues(), services).Outcome, DocumentOutcome::FileFailed);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "no part of a file is left";
  std::filesystem::remove_all(folder);
}

TEST_F(DocumentTest, ADesktopWithoutASpreadsheetProgramIsToldAndTheFileStays) {
  shell.Opens = false;
  EXPECT_EQ(Run(DocumentKind::MaterialSchedule).Outcome, DocumentOutcome::NotOpened);
  EXPECT_TRUE(output.Closed);
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Text, "Ошибка инициализации OLE => Excel !");
  EXPECT_EQ(messages.Shown[0].Buttons, unsigned(kButtonCancel));
}

TEST_F(DocumentTest, WhatALongProjectLeavesOutIsNamedAndCounted) {
  // 177 lines: the system's, then five a pipeline (its own with the tube,
  // glue, tape, cleaner, clamps).
  request.Tree = SampleTree(100).Tree;
  EXPECT_EQ(Run(DocumentKind::InstallationList).Outcome, DocumentOutcome::Opened);
  EXPECT_EQ(output.Sheets.size(), 10u);
  // 200 empty systems after ten pipelines: every position fits, 74 systems do not.
  request.Tree = SampleTree(10).Tree;
  for (int i = 2; i <= 201; ++i) request.Tree.push_back({1, 9, std::string("Система ").append(std::to_string(i))});
  EXPECT_EQ(Run(DocumentKind::InstallationList).Outcome, DocumentOutcome::Opened);
  ASSERT_EQ(messages.Shown.size(), 2u);
  EXPECT_EQ(messages.Shown[0].Type, MessageType::Warning);
  EXPECT_EQ(messages.Shown[0].Text,
            "Документ занял все 10 листов формы: записано объектов 36 из 100, позиций 176 из 500.\r"
            "Остальные объекты и позиции в документ не вошли !");
  EXPECT_EQ(messages.Shown[1].Text,
            "Документ занял все 10 листов формы: записано систем 127 из 201.\rОстальные системы в документ не вошли !");
}

TEST(FlatNodesOf, KeepsTheTreesOrderWithLevelsAndImages) {
  ProjectTree tree;
  tree.Assign({{0, "СИСТЕМЫ", {{9, "Отопление", {{10, "Трубопровод", {{16, "Длина = 5 м", {}}}}}}, {9, "ГВС", {}}}}});
  const std::vector<FlatTreeNode> nodes = FlatNodesOf(tree);
  ASSERT_EQ(nodes.size(), 5u);
  const int levels[] = {0, 1, 2, 3, 1};
  const int images[] = {0, 9, 10, 16, 9};
  for (size_t i = 0; i < nodes.size(); ++i) {
    EXPECT_EQ(nodes[i].Level, levels[i]) << i;
    EXPECT_EQ(nodes[i].Image, images[i]) << i;
  }
  EXPECT_EQ(nodes[3].Text, "Длина = 5 м");
}

TEST_F(DocumentTest, BothWorkbooksReadBack) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "ovalto_documents_test";
  std::filesystem::create_directories(folder);
  request.ProgramFolder = folder.string() + "/";
  request.Tree = SampleTree(8).Tree;
  XlsxOutput list;
  DocumentServices listServices{messages, shell, userData, list};
  request.Kind = DocumentKind::InstallationList;
  const DocumentResult listResult = WriteSpreadsheetDocument(request, BuiltInCatalogues(), listServices);
  XlsxOutput schedule;
  DocumentServices scheduleServices{messages, shell, userData, schedule};
  request.Kind = DocumentKind::MaterialSchedule;
  const DocumentResult scheduleResult = WriteSpreadsheetDocument(request, BuiltInCatalogues(), scheduleServices);
  ASSERT_EQ(listResult.Outcome, DocumentOutcome::Opened);
  ASSERT_EQ(scheduleResult.Outcome, DocumentOutcome::Opened);

  const auto listSheets = testing::ReadXlsx(listResult.Path);
  ASSERT_GE(listSheets.size(), 2u);
  EXPECT_EQ(listSheets[0].Name, "Лист1");
  EXPECT_EQ(listSheets[1].Name, "Лист2");
  EXPECT_EQ(listSheets[0].Cells.at("A7"), "Отопление Т1");
  EXPECT_NE(std::find(listSheets[0].Merges.begin(), listSheets[0].Merges.end(), "A7:S7"), listSheets[0].Merges.end());
  EXPECT_EQ(listSheets[0].Cells.at("B9"), "Трубопровод 1");
  EXPECT_EQ(listSheets[0].Cells.at("C9"), "57");
  EXPECT_EQ(listSheets[0].Cells.at("D9"), "12.5");
  EXPECT_EQ(listSheets[0].Cells.at("K38"), "Проект № 12-07/Т");
  EXPECT_EQ(listSheets[0].Cells.at("K45"), "Ведомость");
  EXPECT_EQ(listSheets[0].Cells.at("S44"), std::to_string(listSheets.size()));
  EXPECT_EQ(listSheets[1].Cells.at("K44"), "Котельная");
  EXPECT_EQ(listSheets[0].Cells.at("A2"), "Изолируемые оборудование, трубопровод");

  const auto scheduleSheets = testing::ReadXlsx(scheduleResult.Path);
  ASSERT_EQ(scheduleSheets.size(), 1u);
  EXPECT_EQ(scheduleSheets[0].Cells.at("A5"), "1");
  EXPECT_EQ(scheduleSheets[0].Cells.at("C5"), "KALDERON\nCTO 31862740-002-2009");
  EXPECT_EQ(scheduleSheets[0].Cells.at("K5"), "100");
  EXPECT_EQ(scheduleSheets[0].Cells.at("H37"), "Проект № 12-07/Т");
  EXPECT_EQ(scheduleSheets[0].Cells.at("P43"), "1");
  EXPECT_EQ(scheduleSheets[0].Cells.at("A1"), "Поз.");
  EXPECT_NE(std::find(scheduleSheets[0].Merges.begin(), scheduleSheets[0].Merges.end(), "F5:I6"),
            scheduleSheets[0].Merges.end());
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace ovalto
