#include "materials/material_row.h"

#include <gtest/gtest.h>

#include "materials/decimal_rounding.h"

namespace ovalto {
namespace {

TEST(DecimalRounding, DecimalInputsGiveTheirDecimalAnswers) {
  EXPECT_GT(3 * 0.2 * 5, 3.0);  // what plain doubles do
  EXPECT_EQ(CeilDecimal(3 * 0.2 * 5), 3);
  EXPECT_EQ(CeilDecimal(2.1), 3);
  EXPECT_EQ(CeilDecimal(2), 2);
  EXPECT_EQ(CeilDecimal(0), 0);
  EXPECT_EQ(RoundHundredths(0.0425 * 2), 0.08);
  EXPECT_EQ(RoundQuantity(0.0425 * 2), 0.08);
  EXPECT_EQ(RoundHundredths(0.135), 0.14);
  EXPECT_EQ(RoundHundredths(0.004), 0);
  EXPECT_EQ(RoundHundredths(-0.125), -0.12);
  EXPECT_EQ(RoundHundredths(1e12 + 0.5), 1e12 + 0.5);  // beyond nine decimals: as it is
}

MaterialRow Row(const std::string& name, double quantity, const std::string& unit = "м", int node = 2) {
  MaterialRow row;
  row.Name = name;
  row.Quantity = quantity;
  row.Unit = unit;
  row.NodeIndex = node;
  return row;
}

TEST(MaterialRows, MergeByNameSumsIntoTheFirstAndDropsEmptyRows) {
  const std::vector<MaterialRow> rows = {Row("Трубка A", 10), Row("Клей", 0.5, "л"), Row("Трубка A", 2.5),
                                         Row("Лента", 0), Row("трубка A", 1)};
  const std::vector<MaterialRow> merged = MergeByName(rows);
  ASSERT_EQ(merged.size(), 3u);
  EXPECT_EQ(merged[0].Name, "Трубка A");
  EXPECT_EQ(merged[0].Quantity, 12.5);
  EXPECT_EQ(merged[1].Name, "Клей");
  EXPECT_EQ(merged[2].Name, "трубка A");  // names are compared with their case
}

TEST(MaterialRows, LitresBelowAHundredthPrintAHundredth) {
  std::vector<MaterialRow> rows = {Row("A", 1, "м", 2), Row("Клей", 0.004, "л", 2), Row("B", 0.004, "м", 7)};
  RaiseSmallLitres(rows);
  EXPECT_EQ(rows[1].Quantity, 0.01);
  EXPECT_EQ(rows[2].Quantity, 0.004);
}

}  // namespace
}  // namespace ovalto
