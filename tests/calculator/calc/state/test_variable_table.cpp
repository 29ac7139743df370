#include "state/variable_table.h"

#include <gtest/gtest.h>

#include "recording_message_boxes.h"

namespace ovalto {
namespace {

class VariableTableTest : public ::testing::Test {
 protected:
  // A grid of five rows showing "Lst" in row 2 and "Tp" in row 4; every other
  // variable is hidden.
  void SetUp() override {
    for (auto& record : table.Records()) record.GridRow = -1;
    table.Find("Lst")->GridRow = 2;
    table.Find("Tp")->GridRow = 4;
    grid.Resize(5);
  }

  GridModel grid;
  testing::RecordingMessageBoxes messages;
  VariableTable table{grid, messages};
};

TEST(VariableTableContents, FortySevenRecordsInOrderWithDefaults) {
  GridModel grid;
  testing::RecordingMessageBoxes messages;
  VariableTable table(grid, messages);
  const auto& records = table.Records();
  EXPECT_EQ(records.front().Name, "Zn_");
  EXPECT_EQ(records.back().Name, "Qf");
  EXPECT_EQ(table.Find("Kdp")->RememberedText, "1,1");
  EXPECT_EQ(table.Find("Zpl")->RememberedText, "30000");
  EXPECT_EQ(table.Find("Vla")->Group, 3);
  EXPECT_EQ(table.Find("Tp_")->InputKind, 51);
  EXPECT_EQ(table.Find("Ms_")->ValueType, 'S');
  EXPECT_EQ(table.GroupHeaders()[6].Caption, "РЕЗУЛЬТАТЫ РАСЧЕТА");
  for (const auto& record : records) {
    EXPECT_EQ(record.ValueType == 'S', record.Name.back() == '_') << record.Name;
  }
}

TEST_F(VariableTableTest, ForcedWriteReachesHiddenVariableWithoutTouchingTheGrid) {
  table.SetVariable("Tn", "!", 20);
  EXPECT_EQ(table.GetVariable("Tn"), 20);
  for (const auto& cell : grid.Values) EXPECT_EQ(cell, "");
}

TEST_F(VariableTableTest, UnforcedWriteStopsAboveTheRowLastLeft) {
  grid.Tag = 3;
  table.SetVariable("Lst", "не учитывать", 7);
  EXPECT_EQ(grid.Values[2], "");
  EXPECT_EQ(table.Find("Lst")->Text, "");

  grid.Tag = 2;
  table.Find("Lst")->Value = 45.4;
  table.SetVariable("Lst", "не учитывать", 7);
  EXPECT_EQ(grid.Values[2], "не учитывать");
  EXPECT_EQ(table.GetVariable("Lst"), 45.4) << "a text write leaves the number alone";
}

TEST_F(VariableTableTest, UnforcedWriteNeverReachesHiddenVariable) {
  table.SetVariable("Tn", "", 20);
  EXPECT_EQ(table.GetVariable("Tn"), 0);
}

TEST_F(VariableTableTest, ForcedTextIsShownButNotParsed) {
  table.Find("Tp")->Value = 12;
  table.SetVariable("Tp", "!35", 0);
  EXPECT_EQ(table.Find("Tp")->Text, "35");
  EXPECT_EQ(grid.Values[4], "35");
  EXPECT_EQ(table.GetVariable("Tp"), 12);
}

TEST_F(VariableTableTest, NumbersAreShownInTheGeneralFormatWithDecimalComma) {
  table.SetVariable("Lst", "!", 0.22);
  EXPECT_EQ(grid.Values[2], "0,22");
  std::vector<int> repainted;
  grid.CellChanged = [&](int row) { repainted.push_back(row); };
  table.SetVariable("Tp", "!", 1.0 / 3);
  EXPECT_EQ(grid.Values[4], "0,333333333333333");
  EXPECT_EQ(repainted, std::vector<int>{4});
}

TEST_F(VariableTableTest, ChosenCoefficientIsLockedUntilTheTagIsReset) {
  grid.bbGetKT.Tag = 1;
  table.SetVariable("An", "!", 12);
  EXPECT_EQ(table.GetVariable("An"), 0);
  grid.bbGetKT.Tag = 0;
  table.SetVariable("An", "!", 12);
  EXPECT_EQ(table.GetVariable("An"), 12);
}

TEST_F(VariableTableTest, LookupsOfUnknownNames) {
  EXPECT_EQ(table.VariableRow("Tn"), -1);
  EXPECT_EQ(table.VariableRow("Tp"), 4);
  EXPECT_EQ(table.VariableRow("tp"), 0) << "names are case-sensitive";
  EXPECT_EQ(table.RowOfInputKind(99), 0);
  table.SetVariable("Nope", "!", 1);  // silently nothing

  EXPECT_EQ(table.GetVariable("Nope"), 0);
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Type, MessageType::Error);
  EXPECT_EQ(messages.Shown[0].Text, "Не найдена переменая \"Nope\" !");
  EXPECT_EQ(messages.Shown[0].Buttons, kButtonCancel);
}

TEST_F(VariableTableTest, RowOfInputKindFindsTheFirstVariableOfThatEditor) {
  table.Find("Ti_")->GridRow = 3;
  EXPECT_EQ(table.RowOfInputKind(41), 3);
  EXPECT_EQ(table.RowOfInputKind(10), -1);
}

}  // namespace
}  // namespace ovalto
