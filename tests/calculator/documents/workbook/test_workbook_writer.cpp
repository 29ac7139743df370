#include "workbook/workbook_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "recording_spreadsheet.h"
#include "scoped_locale.h"
#include "xlsx_output.h"
#include "xlsx_reader.h"

namespace ovalto {
namespace {

using testing::RecordedSheet;
using testing::RecordingSpreadsheet;

bool HasMerge(const RecordedSheet& sheet, std::vector<int> range) {
  return std::find(sheet.Merges.begin(), sheet.Merges.end(), range) != sheet.Merges.end();
}

// A cell the document writes must show: it is no merge's hidden cell.
bool Shows(const SheetLayout& layout, int row, int column) {
  for (const MergedRange& range : FormMerges(layout)) {
    if (range.Covers(row, column) && !(range.First == CellAddress{row, column})) return false;
  }
  return true;
}

TEST(Forms, AreSoundAndShowEveryCellTheDocumentsWrite) {
  EXPECT_EQ(FormProblem(MontDotForm()), "");
  EXPECT_EQ(FormProblem(SpecDotForm()), "");
  for (auto [row, column] : {std::pair{38, 11}, {40, 11}, {43, 7}, {45, 11}, {45, 15}, {44, 19}})
    EXPECT_TRUE(Shows(MontDotForm().FirstSheet, row, column)) << row << "," << column;
  EXPECT_TRUE(Shows(MontDotForm().LaterSheets, 44, 11));
  for (auto [row, column] : {std::pair{37, 8}, {39, 8}, {42, 5}, {44, 8}, {44, 12}, {43, 16}})
    EXPECT_TRUE(Shows(SpecDotForm().FirstSheet, row, column)) << row << "," << column;
  EXPECT_TRUE(Shows(SpecDotForm().LaterSheets, 44, 8));
  // The last line of each sheet stays above its title block.
  EXPECT_EQ(MontDotForm().FirstSheet.BodyLastRow, 36);
  EXPECT_EQ(MontDotForm().LaterSheets.BodyLastRow, 42);
  EXPECT_EQ(SpecDotForm().FirstSheet.BodyLastRow, 34);
}

// The printed text or the field at a cell of a form's sheet.
const FormText& TextAt(const SheetLayout& layout, const std::string& text, int row = 0, int column = 0) {
  const auto found = std::find_if(layout.Texts.begin(), layout.Texts.end(), [&](const FormText& t) {
    return row ? t.Row == row && t.Column == column : t.Text == text;
  });
  if (found == layout.Texts.end()) throw std::runtime_error("not on the form: " + text);
  return *found;
}

int LastColumnOf(const FormText& text) { return std::max(text.Column, text.LastColumn); }

TEST(Forms, TheTitleBlockHasTheMainInscriptionsColumns) {
  for (const auto& [form, developer] : {std::pair{&MontDotForm(), CellAddress{43, 7}}, {&SpecDotForm(), {42, 5}}}) {
    const SheetLayout& sheet = form->FirstSheet;
    const FormText& change = TextAt(sheet, "Изм.");
    const FormText& number = TextAt(sheet, "№ докум.");
    const FormText& signature = TextAt(sheet, "Подп.");
    const FormText& date = TextAt(sheet, "Дата");
    const FormText& role = TextAt(sheet, "Разраб.");
    const FormText& surname = TextAt(sheet, "", developer.Row, developer.Column);
    EXPECT_EQ(LastColumnOf(TextAt(sheet, "Лист")) + 1, number.Column) << form->Name;
    EXPECT_EQ(LastColumnOf(number) + 1, signature.Column) << form->Name;
    EXPECT_EQ(LastColumnOf(signature) + 1, date.Column) << form->Name;
    // "Разраб." under "Изм." and "Лист", the developer's name under "№ докум.".
    EXPECT_EQ(role.Row, surname.Row) << form->Name;
    EXPECT_EQ(role.Column, change.Column) << form->Name;
    EXPECT_EQ(LastColumnOf(role) + 1, number.Column) << form->Name;
    EXPECT_EQ(surname.Column, number.Column) << form->Name;
    EXPECT_EQ(LastColumnOf(surname), LastColumnOf(number)) << form->Name;
  }
}

TEST(Forms, ABrokenFormIsRefusedBeforeAnyFileIsStarted) {
  FormDescription form = MontDotForm();
  form.ColumnWidths.pop_back();
  EXPECT_NE(FormProblem(form), "");
  form = MontDotForm();
  form.FirstSheet.Texts.push_back({2, 2, "x", 4, 4});  // across the headings' merges
  EXPECT_EQ(FormProblem(form), "overlapping merged ranges");

  RecordingSpreadsheet output;
  WorkbookModel model;
  model.Sheet(1);
  EXPECT_EQ(WriteWorkbook(form, model, output, "/tmp/x.xlsx").Outcome, WorkbookWriteOutcome::FormUnusable);
  EXPECT_TRUE(output.Path.empty());
}

TEST(WorkbookWriter, LaysTheModelOverTheForm) {
  WorkbookModel model;
  ModelSheet& first = model.Sheet(1);
  first.SetText(7, 1, "Система Т1");
  first.SetFont(7, 1, true, 12);
  first.Merge({7, 1}, {7, 19});
  first.SetText(9, 8, "Трубка 57/13");
  first.SetNumber(9, 14, 12.5);
  model.Sheet(2).SetText(44, 11, "Котельная");

  RecordingSpreadsheet output;
  ASSERT_EQ(WriteWorkbook(MontDotForm(), model, output, "/tmp/Ведомость.1.xlsx").Outcome,
            WorkbookWriteOutcome::Written);
  ASSERT_EQ(output.Sheets.size(), 2u);
  EXPECT_EQ(output.Sheets[0].Name, "Лист1");
  EXPECT_EQ(output.Sheets[1].Name, "Лист2");

  const RecordedSheet& sheet = output.Sheets[0];
  EXPECT_TRUE(HasMerge(sheet, {7, 1, 7, 19}));
  EXPECT_EQ(std::get<std::string>(sheet.Cells.at({7, 1}).Value), "Система Т1");
  EXPECT_TRUE(sheet.Cells.at({7, 1}).Style.Bold);
  EXPECT_EQ(sheet.Cells.at({7, 1}).Style.FontSize, 12);
  // A body value fills its field over the line's two rows.
  EXPECT_TRUE(HasMerge(sheet, {9, 8, 10, 10}));
  EXPECT_TRUE(HasMerge(sheet, {9, 14, 10, 14}));
  EXPECT_EQ(std::get<double>(sheet.Cells.at({9, 14}).Value), 12.5);
  EXPECT_EQ(std::get<std::string>(sheet.Cells.at({2, 1}).Value), "Изолируемые оборудование, трубопровод");
  EXPECT_EQ(std::get<double>(output.Sheets[1].Cells.at({44, 19}).Value), 2);  // the sheet's own number
  EXPECT_EQ(std::get<std::string>(output.Sheets[1].Cells.at({44, 11}).Value), "Котельная");
}

TEST(WorkbookWriter, TellsAFileThatCouldNotBeWritten) {
  WorkbookModel model;
  model.Sheet(1);
  RecordingSpreadsheet refusing;
  refusing.OpenFails = true;
  EXPECT_EQ(WriteWorkbook(SpecDotForm(), model, refusing, "/x.xlsx").Outcome, WorkbookWriteOutcome::FileFailed);
  RecordingSpreadsheet failing;
  failing.CloseFails = true;
  EXPECT_EQ(WriteWorkbook(SpecDotForm(), model, failing, "/x.xlsx").Outcome, WorkbookWriteOutcome::FileFailed);

  XlsxOutput real;
  const WorkbookWriteResult nowhere =
      WriteWorkbook(SpecDotForm(), model, real, "/nonexistent-folder/Спецификация.1.xlsx");
  EXPECT_EQ(nowhere.Outcome, WorkbookWriteOutcome::FileFailed);
  EXPECT_EQ(nowhere.FileFailure, "создание временного файла: папка не найдена");
}

TEST(XlsxOutput, WritesAWorkbookThatReadsBack) {
  WorkbookModel model;
  model.Sheet(1).SetText(7, 1, "Система & <1>");
  model.Sheet(1).Merge({7, 1}, {7, 19});
  model.Sheet(1).SetNumber(9, 14, 0.01);
  std::string longName;
  for (int i = 0; i < 20000; ++i) longName += "Щ";  // 40000 characters over the cell's limit
  model.Sheet(1).SetText(40, 11, longName + longName + "\x01");
  const std::string path = (std::filesystem::temp_directory_path() / "xlsx_output_test.xlsx").string();
  XlsxOutput output;
  ASSERT_EQ(WriteWorkbook(MontDotForm(), model, output, path).Outcome, WorkbookWriteOutcome::Written);

  const auto sheets = testing::ReadXlsx(path);
  ASSERT_EQ(sheets.size(), 1u);
  EXPECT_EQ(sheets[0].Name, "Лист1");
  EXPECT_EQ(sheets[0].Cells.at("A7"), "Система & <1>");
  EXPECT_EQ(sheets[0].Cells.at("N9"), "0.01");
  EXPECT_EQ(sheets[0].Cells.at("K40").size(), 32767u * 2);
  EXPECT_NE(std::find(sheets[0].Merges.begin(), sheets[0].Merges.end(), "A7:S7"), sheets[0].Merges.end());
  std::filesystem::remove(path);
}

TEST(XlsxOutput, NumbersKeepTheirPointUnderTheRussianLocale) {
  WorkbookModel model;
  model.Sheet(1).SetNumber(9, 14, 2.1);
  model.Sheet(1).SetNumber(11, 14, 0.75);
  const auto written = [&model](const std::string& name) {
    const std::string path = (std::filesystem::temp_directory_path() / name).string();
    XlsxOutput output;
    EXPECT_EQ(WriteWorkbook(MontDotForm(), model, output, path).Outcome, WorkbookWriteOutcome::Written);
    auto sheets = testing::ReadXlsx(path);
    std::filesystem::remove(path);
    return sheets;
  };
  const auto inC = written("xlsx_output_c.xlsx");
  const testing::ScopedLocale russian(testing::kRussianLocale);
  ASSERT_TRUE(russian.IsSet()) << russian.Missing();
  const auto inRussian = written("xlsx_output_ru.xlsx");

  ASSERT_EQ(inRussian.size(), 1u);
  EXPECT_EQ(inRussian[0].Numbers.at("N9"), "2.1");
  EXPECT_EQ(inRussian[0].Numbers.at("N11"), "0.75");
  // Column widths, row heights and margins are fractions too.
  EXPECT_EQ(inRussian[0].Xml.find(','), std::string::npos);
  ASSERT_EQ(inC.size(), 1u);
  EXPECT_EQ(inRussian[0].Xml, inC[0].Xml);
}

}  // namespace
}  // namespace ovalto
