#include "grid/grid_navigation.h"

#include <gtest/gtest.h>

#include "kind_session.h"

namespace ovalto {
namespace {

class GridNavigationTest : public testing::KindScreenTest {
 protected:
  void Choose(int code) {
    screen.Choose(code);
    requested.clear();
    session.FocusRequested = [this](const EditorState* editor) { requested.push_back(editor); };
  }

  std::vector<const EditorState*> requested;
};

TEST_F(GridNavigationTest, PickingAKindStartsInTheFirstInputRow) {
  screen.Choose(11110);
  EXPECT_EQ(grid.CurrentRow, 1);
  EXPECT_EQ(session.FocusedEditor, &grid.cbMS);
}

TEST_F(GridNavigationTest, EnterJumpsOverGroupHeadersAndFocusesTheRowsEditor) {
  Choose(11211);  // Kdp | Tb | Rg_ Np_ Tn | Ti_ Liz | Tp_ An | Wiz Qf
  ASSERT_EQ(grid.CurrentRow, screen.Row("Kdp"));
  EXPECT_EQ(SGKeyPress(session, kKeyEnter), 0u);
  EXPECT_EQ(grid.CurrentRow, screen.Row("Tb"));
  EXPECT_EQ(requested, (std::vector<const EditorState*>{nullptr}));
  SelectNextInputRow(session, true);
  EXPECT_EQ(grid.CurrentRow, screen.Row("Rg_"));
  EXPECT_EQ(session.FocusedEditor, &grid.cbRG);
  // Leaving a row left it: the row left is remembered for the derivations.
  EXPECT_EQ(grid.Tag, screen.Row("Rg_"));
}

TEST_F(GridNavigationTest, TheLastRowAndAStandingStillDoNothing) {
  Choose(11211);
  SelectNextInputRow(session, false);
  EXPECT_EQ(grid.CurrentRow, screen.Row("Kdp"));
  SetGridRow(session, grid.RowCount() - 1);
  const int validations = screen.Engine.Validations;
  SelectNextInputRow(session, true);
  EXPECT_EQ(grid.CurrentRow, grid.RowCount() - 1);
  EXPECT_EQ(screen.Engine.Validations, validations) << "no row left, no exit";
}

TEST_F(GridNavigationTest, ZoneAndFlowUnitAreNotFocusedOnTheirRows) {
  screen.Choose(11112);  // starts with the zone
  EXPECT_EQ(grid.CurrentRow, screen.Row("Zn_"));
  EXPECT_EQ(session.FocusedEditor, nullptr);
  screen.Choose(11114);
  SetGridRow(session, screen.Row("Cp"));
  SelectNextInputRow(session, true);
  EXPECT_EQ(grid.CurrentRow, screen.Row("Gm"));
  EXPECT_EQ(session.FocusedEditor, nullptr);
}

TEST_F(GridNavigationTest, ShiftTabOnATankGoesBackOverHeadersAndEmptyCells) {
  Choose(11211);
  SetGridRow(session, screen.Row("Np_"));  // the region above is empty
  ASSERT_EQ(screen.Cell("Rg_"), "");
  SelectPreviousInputRow(session);
  EXPECT_EQ(grid.CurrentRow, screen.Row("Rg_"));
  EXPECT_EQ(session.FocusedEditor, &grid.cbRG);
  SelectPreviousInputRow(session);
  EXPECT_EQ(grid.CurrentRow, screen.Row("Tb"));
  SelectPreviousInputRow(session);
  EXPECT_EQ(grid.CurrentRow, screen.Row("Kdp"));
  SelectPreviousInputRow(session);
  EXPECT_EQ(grid.CurrentRow, 1) << "never above the first input row";
}

TEST_F(GridNavigationTest, ShiftTabOnADuctBelowAnEmptySizeStaysInTheGrid) {
  Choose(31211);  // De Kdp | ...
  SetGridRow(session, screen.Row("Kdp"));
  SelectPreviousInputRow(session);
  EXPECT_EQ(grid.CurrentRow, screen.Row("De"));
}

TEST_F(GridNavigationTest, ValueCellsTakeNumbersOnly) {
  Choose(11110);
  SetGridRow(session, screen.Row("Tb"));
  EXPECT_EQ(SGKeyPress(session, U'.'), U',');
  EXPECT_EQ(SGKeyPress(session, U'7'), U'7');
  EXPECT_EQ(SGKeyPress(session, U'-'), U'-');
  EXPECT_EQ(SGKeyPress(session, kKeyBackspace), kKeyBackspace);
  EXPECT_EQ(SGKeyPress(session, U'e'), 0u);
  EXPECT_EQ(SGKeyPress(session, U'ж'), 0u);
  EXPECT_EQ(SGKeyPress(session, U' '), 0u);
}

TEST_F(GridNavigationTest, DerivedValuesAreNotTypedButTabLeavesThem) {
  Choose(11110);
  SetGridRow(session, screen.Row("Liz"));
  EXPECT_EQ(SGKeyPress(session, U'5'), 0u);
  EXPECT_EQ(SGKeyPress(session, kKeyBackspace), 0u);
  EXPECT_EQ(SGKeyPress(session, kKeyTab), 0u);
  EXPECT_EQ(grid.CurrentRow, screen.Row("Tp_"));
}

TEST_F(GridNavigationTest, EditorsPassKeysButTabAndEnter) {
  Choose(11110);
  EXPECT_EQ(EditorKeyPress(session, U'5'), U'5');
  EXPECT_EQ(EditorKeyPress(session, kKeyTab), 0u);
  EXPECT_EQ(grid.CurrentRow, screen.Row("Dn"));
  EXPECT_EQ(session.FocusedEditor, &grid.cbVD);
}

TEST_F(GridNavigationTest, EnteringAnEditorMovesTheRowToIt) {
  Choose(11110);
  screen.Engine.Derived.clear();
  EditorEntered(session, grid.cbTI);
  EXPECT_EQ(grid.CurrentRow, screen.Row("Ti_"));
  EXPECT_EQ(session.FocusedEditor, &grid.cbTI);
  // The lines were offered again, then what lies below the row left was
  // derived, the covering's outer coefficient with it.
  EXPECT_EQ(screen.Engine.Derived, (std::vector<std::string>{"Liz", "An"}));
  EditorEntered(session, grid.cbWI);  // over the thickness: no row of its own to go to
  EXPECT_EQ(grid.CurrentRow, screen.Row("Ti_"));
}

}  // namespace
}  // namespace ovalto
