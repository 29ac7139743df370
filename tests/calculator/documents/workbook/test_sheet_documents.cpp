#include "workbook/sheet_documents.h"

#include <gtest/gtest.h>

#include "sample_project.h"

namespace ovalto {
namespace {

using testing::InsulationRows;
using testing::SampleProject;
using testing::SampleTree;

const DocumentTitle kTitle{"12-07/Т", "Котельная на ул. Лесной", "Иванов И.И.", "ООО Теплопроект"};

std::vector<MaterialRow> RowsOf(const SampleProject& project) {
  std::vector<MaterialRow> rows;
  for (int object : project.Objects) {
    const auto own = InsulationRows(object);
    rows.insert(rows.end(), own.begin(), own.end());
  }
  return rows;
}

FilledWorkbook ListOf(int pipelines) {
  const SampleProject project = SampleTree(pipelines);
  return FillInstallationList(RowsOf(project), project.Tree, kTitle);
}

TEST(InstallationList, FirstLinesCellByCell) {
  const FilledWorkbook filled = ListOf(1);
  ASSERT_EQ(filled.Model.SheetCount(), 1);
  const ModelSheet& sheet = filled.Model.Sheets[0];

  // The system: into the merge's first cell, so that the merge shows it.
  EXPECT_EQ(sheet.TextAt(7, 1), "Отопление Т1");
  EXPECT_EQ(sheet.At(7, 1).Bold, true);
  EXPECT_EQ(sheet.At(7, 1).Size, 12);
  EXPECT_EQ(sheet.Merges, (std::vector<MergedRange>{{{7, 1}, {7, 19}}}));

  EXPECT_EQ(sheet.TextAt(9, 2), "Трубопровод 1");
  EXPECT_EQ(sheet.At(9, 2).Bold, true);
  EXPECT_EQ(sheet.At(9, 2).Size, 10);
  EXPECT_EQ(sheet.TextAt(9, 5), "1");
  EXPECT_EQ(sheet.At(9, 5).Bold, true);
  EXPECT_EQ(sheet.TextAt(9, 6), "95");
  EXPECT_EQ(sheet.TextAt(9, 7), "ЭЭ О");
  EXPECT_EQ(sheet.NumberAt(9, 3), 57);
  EXPECT_EQ(sheet.NumberAt(9, 4), 12.5);
  EXPECT_EQ(sheet.TextAt(9, 8), "Трубка KALDERON Vardo 57/13-2");
  EXPECT_EQ(sheet.NumberAt(9, 11), 13);
  EXPECT_FALSE(sheet.NumberAt(9, 12));
  EXPECT_EQ(sheet.TextAt(9, 13), "м");
  EXPECT_EQ(sheet.NumberAt(9, 14), 12.5);
  EXPECT_EQ(sheet.TextAt(9, 15), "5.904.9-78.08.0-01");
  // The glue on the next line, its quantity to hundredths.
  EXPECT_EQ(sheet.TextAt(11, 8), "Клей \"KALDERON\"");
  EXPECT_EQ(sheet.NumberAt(11, 14), 0.35);
  EXPECT_EQ(sheet.TextAt(11, 15), "");

  EXPECT_EQ(sheet.TextAt(38, 11), "Проект № 12-07/Т");
  EXPECT_EQ(sheet.TextAt(40, 11), "Котельная на ул. Лесной");
  EXPECT_EQ(sheet.TextAt(43, 7), "Иванов И.И.");
  EXPECT_EQ(sheet.TextAt(45, 11), "Ведомость");
  EXPECT_EQ(sheet.TextAt(45, 15), "ООО Теплопроект");
  EXPECT_EQ(sheet.TextAt(44, 19), "1");
  EXPECT_FALSE(filled.LeftOut());
}

TEST(InstallationList, TemperatureKeepsItsWholeNumber) {
  const SampleProject project = SampleTree(1, "-40,25");
  const FilledWorkbook filled = FillInstallationList(RowsOf(project), project.Tree, kTitle);
  EXPECT_EQ(filled.Model.Sheets[0].TextAt(9, 6), "-40,25");
}

TEST(InstallationList, DetailLabelsShowOnceAndNeverOverTheObjectsName) {
  std::vector<MaterialRow> rows;
  MaterialRow cover;
  cover.GroupLabel = " Отвод=4";
  cover.Name = "Покрытие отвода";
  cover.Unit = "шт.";
  cover.Quantity = 4;
  const SampleProject project = SampleTree(1);
  cover.NodeIndex = project.Objects[0];
  rows = {cover, cover};  // an object whose only rows are a bend's
  const FilledWorkbook filled = FillInstallationList(rows, project.Tree, kTitle);
  const ModelSheet& sheet = filled.Model.Sheets[0];
  EXPECT_EQ(sheet.TextAt(9, 2), "Трубопровод 1");
  EXPECT_EQ(sheet.TextAt(11, 2), " Отвод");
  EXPECT_EQ(sheet.TextAt(11, 5), "4");
  EXPECT_EQ(sheet.TextAt(13, 2), "");
  EXPECT_EQ(sheet.TextAt(13, 8), "Покрытие отвода");
}

TEST(InstallationList, ALongListGoesOnOnTheNextSheet) {
  // A system line and per object two lines: sheet 1 holds lines 7 … 35.
  const FilledWorkbook filled = ListOf(8);
  ASSERT_EQ(filled.Model.SheetCount(), 2);
  const ModelSheet& first = filled.Model.Sheets[0];
  const ModelSheet& second = filled.Model.Sheets[1];
  EXPECT_EQ(first.TextAt(33, 2), "Трубопровод 7");
  EXPECT_EQ(first.TextAt(35, 8), "Клей \"KALDERON\"");
  EXPECT_EQ(second.TextAt(7, 2), "Трубопровод 8");
  EXPECT_EQ(second.NumberAt(7, 3), 57);
  EXPECT_EQ(second.TextAt(44, 11), "Котельная на ул. Лесной");
  EXPECT_EQ(second.TextAt(9, 8), "Клей \"KALDERON\"");
  EXPECT_EQ(first.TextAt(44, 19), "2");
}

TEST(InstallationList, BeyondTenSheetsTheRestIsLeftOutAndCounted) {
  // 15 + 9 × 18 = 177 lines, the system's and 176 material rows; 100
  // objects need 201.
  const FilledWorkbook filled = ListOf(100);
  EXPECT_EQ(filled.Model.SheetCount(), 10);
  EXPECT_TRUE(filled.LeftOut());
  EXPECT_EQ(filled.Positions.Total, 200);
  EXPECT_EQ(filled.Positions.Written, 176);
  EXPECT_EQ(filled.Objects.Total, 100);
  EXPECT_EQ(filled.Objects.Written, 88);
  EXPECT_TRUE(filled.Systems.Complete());
  EXPECT_EQ(filled.Model.Sheets[0].TextAt(44, 19), "10");

  // Empty systems after the pipelines: every position fits, 156 of the
  // systems' lines do not.
  SampleProject project = SampleTree(10);
  for (int i = 2; i <= 201; ++i) project.Tree.push_back({1, 9, std::string("Система ").append(std::to_string(i))});
  const FilledWorkbook systems = FillInstallationList(RowsOf(project), project.Tree, kTitle);
  EXPECT_TRUE(systems.Positions.Complete());
  EXPECT_TRUE(systems.Objects.Complete());
  EXPECT_EQ(systems.Systems.Total, 201);
  EXPECT_EQ(systems.Systems.Written, 157);
}

TEST(MaterialSchedule, MergesByNameAndNumbersThePositions) {
  const FilledWorkbook filled = FillMaterialSchedule(RowsOf(SampleTree(2)), kTitle);
  ASSERT_EQ(filled.Model.SheetCount(), 1);
  const ModelSheet& sheet = filled.Model.Sheets[0];
  EXPECT_EQ(sheet.NumberAt(5, 1), 1);
  EXPECT_EQ(sheet.TextAt(5, 2), "Изделие теплоизоляционное из вспененного полиэтилена");
  EXPECT_EQ(sheet.TextAt(5, 3), "KALDERON\nCTO 31862740-002-2009");
  EXPECT_EQ(sheet.TextAt(5, 6), "Трубка KALDERON Vardo 57/13-2");
  EXPECT_EQ(sheet.TextAt(5, 10), "м");
  EXPECT_EQ(sheet.NumberAt(5, 11), 25);
  EXPECT_EQ(sheet.NumberAt(7, 1), 2);
  EXPECT_EQ(sheet.NumberAt(7, 11), 0.71);
  EXPECT_FALSE(sheet.NumberAt(9, 1));
  EXPECT_EQ(sheet.TextAt(37, 8), "Проект № 12-07/Т");
  EXPECT_EQ(sheet.TextAt(39, 8), "Котельная на ул. Лесной");
  EXPECT_EQ(sheet.TextAt(42, 5), "Иванов И.И.");
  EXPECT_EQ(sheet.TextAt(44, 8), "Ведомость");
  EXPECT_EQ(sheet.TextAt(44, 12), "ООО Теплопроект");
  EXPECT_EQ(sheet.TextAt(43, 16), "1");
}

TEST(MaterialSchedule, SmallQuantitiesByUnit) {
  std::vector<MaterialRow> rows = InsulationRows(SampleTree(1).Objects[0]);
  rows[0].Quantity = 0.004;
  rows[1].Quantity = 0.004;
  RaiseSmallLitres(rows);
  const FilledWorkbook filled = FillMaterialSchedule(rows, kTitle);
  const ModelSheet& sheet = filled.Model.Sheets[0];
  EXPECT_EQ(sheet.TextAt(5, 10), "м");
  EXPECT_EQ(sheet.NumberAt(5, 11), 0);
  EXPECT_EQ(sheet.TextAt(7, 10), "л");
  EXPECT_EQ(sheet.NumberAt(7, 11), 0.01);
}

TEST(MaterialSchedule, PositionsRunOverSheets) {
  std::vector<MaterialRow> rows(40);
  for (size_t i = 0; i < rows.size(); ++i) {
    rows[i].GroupLabel = " Отвод=" + std::to_string(i);
    rows[i].Name = "Изделие " + std::to_string(i);
    rows[i].Quantity = 1;
  }
  const FilledWorkbook filled = FillMaterialSchedule(rows, kTitle);
  ASSERT_EQ(filled.Model.SheetCount(), 3);
  EXPECT_EQ(filled.Model.Sheets[0].NumberAt(33, 1), 15);
  EXPECT_EQ(filled.Model.Sheets[0].TextAt(33, 2), " Отвод");
  EXPECT_EQ(filled.Model.Sheets[1].NumberAt(5, 1), 16);
  EXPECT_EQ(filled.Model.Sheets[1].NumberAt(41, 1), 34);
  EXPECT_EQ(filled.Model.Sheets[2].TextAt(44, 8), "Котельная на ул. Лесной");
  EXPECT_EQ(filled.Model.Sheets[0].TextAt(43, 16), "3");
}

}  // namespace
}  // namespace ovalto
