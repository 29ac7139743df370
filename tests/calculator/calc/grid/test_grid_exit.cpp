#include "grid/grid_exit.h"

#include <gtest/gtest.h>

#include "kind_session.h"

namespace ovalto {
namespace {

using Names = std::vector<std::string>;

class GridExitTest : public testing::KindScreenTest {
 protected:
  // Leaves the grid with the row left last at the given variable's row.
  void LeaveFrom(const std::string& name) {
    grid.Tag = screen.Row(name);
    grid.CurrentRow = grid.Tag;
    screen.Engine.Derived.clear();
    SGExit(session);
  }
};

TEST_F(GridExitTest, DerivesOnlyBelowTheRowLeftAndAsFarAsTheInputsAreValid) {
  screen.Choose(11125);  // freeze protection derives the substance's values
  LeaveFrom("Pb");       // Tz and Rb lie above it, Cp below
  // The lines are offered again; their covering's "An" is the exit's own,
  // derived once at the end.
  EXPECT_EQ(screen.Engine.Derived, (Names{"Cp", "Liz", "An"}));
}

TEST_F(GridExitTest, InvalidGroupsStopTheDerivations) {
  screen.Choose(11125);
  screen.Engine.ValidResult = 3;  // the environment is not complete yet
  LeaveFrom("Vv_");
  EXPECT_EQ(screen.Engine.Derived, (Names{"Tz", "Cp", "Pb", "Rb"})) << "no covering derivation either";
  screen.Engine.ValidResult = 1;
  LeaveFrom("Vv_");
  EXPECT_TRUE(screen.Engine.Derived.empty());
}

TEST_F(GridExitTest, NothingIsDerivedWhileACalculationRuns) {
  screen.Choose(11125);
  session.CalkTag = 1;
  grid.CurrentRow = screen.Row("Tn");
  screen.Engine.Derived.clear();
  SGExit(session);
  EXPECT_TRUE(screen.Engine.Derived.empty());
  EXPECT_EQ(grid.Tag, screen.Row("Tn"));
}

TEST_F(GridExitTest, ConditioningPipeLinesFollowTheDiameter) {
  screen.Choose(31111);
  session.Variables.Find("Dn")->Value = 20;
  LeaveFrom("Dn");
  EXPECT_EQ(grid.cbTI.Items, (Names{"KALDERON Corvane"}));
  session.Variables.Find("Dn")->Value = 32;
  LeaveFrom("Dn");
  EXPECT_EQ(grid.cbTI.Items, (Names{"KALDERON Vardo"}));
}

TEST_F(GridExitTest, LinesOfPipesTanksAndDucts) {
  screen.Choose(11110);
  EXPECT_EQ(grid.cbTI.Items, (Names{"KALDERON Vardo", "KALDERON Vardo AL"}));
  screen.Choose(52214);
  EXPECT_EQ(grid.cbTI.Items, (Names{"KALDERON Vardo", "KALDERON Vardo AL"}));
  screen.Choose(31326);
  EXPECT_EQ(grid.cbTI.Items, (Names{"KALDERON Corvane DUCT", "KALDERON Corvane DUCT AL"}));
}

TEST_F(GridExitTest, TheRememberedLineIsShownWithItsOwnCoverings) {
  session.Variables.Find("Ti_")->RememberedText = "KALDERON Vardo AL";
  screen.Choose(11121);
  std::string lineWhenDerived;
  screen.Engine.OnCalculate = [&](const std::string&) { lineWhenDerived = grid.cbTI.Text; };
  LeaveFrom("Dn");
  EXPECT_EQ(grid.cbTI.Text, "KALDERON Vardo AL");
  EXPECT_EQ(grid.cbTP.Items, (Names{"Без покрытия"}));  // the foil-faced line takes no covering
  EXPECT_EQ(lineWhenDerived, "KALDERON Vardo AL");
  EXPECT_EQ(screen.Cell("Liz"), "0,035");
}

TEST_F(GridExitTest, LinesAreOfferedAgainOnlyWhenTheRowLeftLiesAboveThem) {
  screen.Choose(11110);
  grid.cbTI.Items = {"stale"};
  LeaveFrom("Ti_");
  EXPECT_EQ(grid.cbTI.Items, (Names{"stale"}));
}

}  // namespace
}  // namespace ovalto
