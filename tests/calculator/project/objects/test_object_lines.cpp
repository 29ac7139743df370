#include "objects/object_lines.h"

#include <gtest/gtest.h>

#include "number_format.h"
#include "recording_message_boxes.h"

namespace ovalto {
namespace {

std::vector<std::string> TextsOf(const std::vector<NodeSpec>& lines) {
  std::vector<std::string> texts;
  for (const NodeSpec& line : lines) {
    if (line.Image == kImageEnteredLine) texts.push_back(line.Text);
  }
  return texts;
}

TEST(ObjectLines, ReEditOpensTheDialogWithTheTreesValues) {
  const ObjectParams pipeline{kPipelineObject, 12.5, 57, 0, 13, "Т1", "KALDERON Vardo", "PELLORIT TK CK", "З П"};
  const ObjectEntry entry = EntryFromHandLines(kPipelineObject, "Т1", TextsOf(HandObjectLines(pipeline)));
  EXPECT_FALSE(entry.Calculate);
  EXPECT_EQ(entry.Name, "Т1");
  EXPECT_EQ(entry.SizeText, "57");
  EXPECT_EQ(entry.LengthText, "12,5");
  EXPECT_EQ(entry.HeightText, "");
  EXPECT_EQ(entry.ThicknessText, "13");
  EXPECT_EQ(entry.InsulationType, "KALDERON Vardo");
  EXPECT_EQ(entry.CoveringType, "PELLORIT TK CK");
  EXPECT_EQ(entry.PurposeItem, 5);
  EXPECT_EQ(entry.LocationItem, 1);

  const ObjectParams tank{kTankObject, 0, 1200, 800.5, 2.5, "Е", "KALDERON Vardo AL", "Без покрытия", "ЭЭ О"};
  const ObjectEntry tankEntry = EntryFromHandLines(kTankObject, "Е", TextsOf(HandObjectLines(tank)));
  EXPECT_EQ(tankEntry.SizeText, "1200");
  EXPECT_EQ(tankEntry.HeightText, "800,5");
  EXPECT_EQ(tankEntry.ThicknessText, "2,5");
  EXPECT_EQ(tankEntry.PurposeItem, 0);
  EXPECT_EQ(tankEntry.LocationItem, 0);
}

TEST(ObjectLines, TinyValuesAreReadBackAsWritten) {
  // What the re-edit and the bill of materials read: digits and commas only.
  const ObjectParams pipeline{kPipelineObject, 0.00000123, 57, 0, 0.0000001, "Т1", "", "", ""};
  const std::vector<std::string> lines = TextsOf(HandObjectLines(pipeline));
  EXPECT_EQ(lines[1], "Длина трубы = 0,00000123 м");
  EXPECT_EQ(lines[2], "Толщина изоляции = 0,0000001 мм");
  const ObjectEntry entry = EntryFromHandLines(kPipelineObject, "Т1", lines);
  EXPECT_EQ(ParseNumber(entry.LengthText), 0.00000123);
  EXPECT_EQ(ParseNumber(entry.ThicknessText), 0.0000001);
}

TEST(ObjectLines, ReEditChoosesOnlyWhatTheListsOffer) {
  // A thick tube on a large pipe is not offered the self-adhesive lines.
  const ObjectEntry entry = EntryFromHandLines(
      kPipelineObject, "Т",
      {"Диаметр трубы = 76 мм", "Толщина изоляции = 20 мм", "Тип изоляции : \"KALDERON Vardo Hestan-S\"",
       "Тип покрытия : \"чужое\"", "Назначение и расположение : \"XX О\""});
  EXPECT_EQ(entry.InsulationType, "");
  EXPECT_EQ(entry.CoveringType, "");
  EXPECT_EQ(entry.PurposeItem, -1);
}

TEST(ObjectLines, ReEditRewritesEachLineByItsPrefix) {
  const ObjectParams pipeline{kPipelineObject, 20, 42, 0, 9, "Т1", "KALDERON Vardo AL", "PELLORIT AL", "СТ П"};
  EXPECT_EQ(RewrittenHandLine("Диаметр трубы = 41 мм", pipeline), "Диаметр трубы = 42 мм");
  EXPECT_EQ(RewrittenHandLine("Длина трубы = 12,5 м", pipeline), "Длина трубы = 20 м");
  EXPECT_EQ(RewrittenHandLine("Толщина изоляции = 13 мм", pipeline), "Толщина изоляции = 9 мм");
  EXPECT_EQ(RewrittenHandLine("Тип изоляции : \"KALDERON Vardo\"", pipeline), "Тип изоляции : \"KALDERON Vardo AL\"");
  EXPECT_EQ(RewrittenHandLine("Тип покрытия : \"PELLORIT TK\"", pipeline), "Тип покрытия : \"PELLORIT AL\"");
  EXPECT_EQ(RewrittenHandLine("Назначение и расположение : \"СН О\"", pipeline),
            "Назначение и расположение : \"СТ П\"");
  EXPECT_EQ(RewrittenHandLine("Что-то иное", pipeline), "Что-то иное");

  const ObjectParams duct{kRectangularDuctObject, 3, 600, 250, 10, "В", "", "", ""};
  EXPECT_EQ(RewrittenHandLine("Ширина = 500 мм", duct), "Ширина = 600 мм");
  EXPECT_EQ(RewrittenHandLine("Высота = 300 мм", duct), "Высота = 250 мм");
  EXPECT_EQ(RewrittenHandLine("Длина трубопровода = 30 м", duct), "Длина трубопровода = 3 м");
  const ObjectParams tank{kTankObject, 0, 1500, 900, 10, "Е", "", "", ""};
  EXPECT_EQ(RewrittenHandLine("Наружний диаметр = 1 мм", tank), "Наружний диаметр = 1500 мм");
  EXPECT_EQ(RewrittenHandLine("Высота ёмкости = 1 мм", tank), "Высота ёмкости = 900 мм");
}

TEST(ObjectLines, PurposeCodesAndTheirItems) {
  EXPECT_EQ(PurposeCode(0, 0), "ЭЭ О");
  EXPECT_EQ(PurposeCode(5, 1), "З П");
  EXPECT_EQ(PurposeItemOf("З П"), 5);
  EXPECT_EQ(PurposeItemOf("ЗЗ П"), -1);
  EXPECT_EQ(PurposeItemOf("ПК О"), 4);
  EXPECT_LE(PurposeCode(3, 1).size(), 8u);  // a code fits the object's 8 characters
}

}  // namespace
}  // namespace ovalto
