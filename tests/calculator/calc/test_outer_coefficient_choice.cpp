#include "outer_coefficient_choice.h"

#include <gtest/gtest.h>

#include <utility>

#include "calculation_run.h"
#include "engine.h"
#include "grid_editors.h"
#include "grid_exit.h"
#include "grid_navigation.h"
#include "kind_picker.h"
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

namespace ovalto {
namespace {

// A humid rectangular duct outdoors, typed in, the grid then left row by row
// as the user would.
class CoefficientInARun : public ::testing::Test {
 protected:
  void SetUp() override {
    session.Engine = &engine;
    session.PageTag = 3;
    PickCalcKind(session, 31326, [] {});
    for (const auto& [name, text] : {std::pair{"Lv", "400"}, {"Hv", "200"}, {"Tb", "20"}, {"Vlv", "60"},
                                     {"Wb", "5"}, {"Tn", "-10"}, {"W", "5"}}) {
      session.Grid.SetCell(session.Variables.VariableRow(name), text);
    }
    while (session.Grid.CurrentRow < session.Grid.RowCount() - 1) SelectNextInputRow(session, true);
  }
  double An() { return session.Variables.GetVariable("An"); }

  testing::RecordingMessageBoxes messages;
  CalcSession session{messages};
  CalculationEngine engine{session};
};

TEST_F(CoefficientInARun, ChoiceHoldsThroughEditsAndTheRunReleasesIt) {
  // Derived: convection at the side (wind 5 m/s) plus radiation of the covering.
  ASSERT_DOUBLE_EQ(An(), 6.4);
  ASSERT_TRUE(TakeChosenCoefficient(session.Variables, 26));

  // Leaving a row above "An" and changing the covering derive "An" again.
  session.Grid.CurrentRow = session.Variables.VariableRow("Tb");
  SGExit(session);
  cbTPChange(session);
  EXPECT_EQ(An(), 26);

  RunCalculation(session, engine);
  EXPECT_EQ(session.Grid.bbGetKT.Tag, 0);
  EXPECT_EQ(session.Grid.Values[session.Variables.VariableRow("An")], "26");
  // The run took 26: with it 7 mm keep the inner surface dry, 8 on the duct
  // series (6.4 would have needed 2 mm, 3 on the series).
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Wiz"), 8);

  cbTPChange(session);
  EXPECT_DOUBLE_EQ(An(), 6.4);
}

}  // namespace
}  // namespace ovalto
