#include "outer_coefficient_choice.h"

#include <gtest/gtest.h>

#include "recording_message_boxes.h"

namespace ovalto {
namespace {

class OuterCoefficientChoiceTest : public ::testing::Test {
 protected:
  // "An" on row 5 of an eight-row grid, the user last left row 2.
  void SetUp() override {
    for (auto& record : table.Records()) record.GridRow = -1;
    table.Find("An")->GridRow = 5;
    grid.Resize(8);
    grid.Tag = 2;
    table.SetVariable("An", "!", 9.4);
  }

  GridModel grid;
  testing::RecordingMessageBoxes messages;
  VariableTable table{grid, messages};
};

TEST(CoefficientTable, ValuesOfTheDesignCode) {
  double values[2][5] = {};
  for (const CoefficientCell& cell : CoefficientCells) values[cell.Row][cell.Column] = cell.Value;
  const double expected[2][5] = {{7, 10, 20, 26, 35}, {8, 12, 26, 35, 52}};
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 5; ++column) EXPECT_EQ(values[row][column], expected[row][column]);
  }
}

TEST_F(OuterCoefficientChoiceTest, ChoiceIsWrittenShownAndLocked) {
  EXPECT_TRUE(TakeChosenCoefficient(table, 26));
  EXPECT_EQ(table.GetVariable("An"), 26);
  EXPECT_EQ(grid.Values[5], "26");
  EXPECT_EQ(grid.CurrentRow, 5);
  EXPECT_EQ(grid.bbGetKT.Tag, 1);

  // Derivations and forced writes after an edit leave it alone.
  table.SetVariable("An", "!", 11.3);
  EXPECT_EQ(table.GetVariable("An"), 26);

  // A second choice replaces the first while the lock holds.
  EXPECT_TRUE(TakeChosenCoefficient(table, 8));
  EXPECT_EQ(table.GetVariable("An"), 8);
  EXPECT_EQ(grid.bbGetKT.Tag, 1);

  // Released (by a run or a kind choice), "An" is derived again.
  grid.bbGetKT.Tag = 0;
  table.SetVariable("An", "!", 11.3);
  EXPECT_EQ(table.GetVariable("An"), 11.3);
}

TEST_F(OuterCoefficientChoiceTest, ClosingWithoutChoiceKeepsValueAndLock) {
  ASSERT_TRUE(TakeChosenCoefficient(table, 12));
  grid.CurrentRow = 3;
  EXPECT_FALSE(TakeChosenCoefficient(table, kNoCoefficientChosen));
  EXPECT_FALSE(TakeChosenCoefficient(table, 0));
  EXPECT_EQ(table.GetVariable("An"), 12);
  EXPECT_EQ(grid.CurrentRow, 3);
  EXPECT_EQ(grid.bbGetKT.Tag, 1);

  grid.bbGetKT.Tag = 0;
  EXPECT_FALSE(TakeChosenCoefficient(table, kNoCoefficientChosen));
  EXPECT_EQ(grid.bbGetKT.Tag, 0);
}

}  // namespace
}  // namespace ovalto
