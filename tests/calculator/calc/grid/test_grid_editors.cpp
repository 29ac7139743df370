#include "grid/grid_editors.h"

#include <gtest/gtest.h>

#include "grid/input_editors.h"
#include "kind_session.h"

namespace ovalto {
namespace {

using GridEditorsTest = testing::KindScreenTest;

TEST_F(GridEditorsTest, ZoneSetsThePermittedSurfaceTemperatureAsText) {
  screen.Choose(11112);
  SelectItem(grid.cbZN, 2);
  cbZNChange(session);
  EXPECT_EQ(screen.Cell("Tp"), "75");
  EXPECT_EQ(session.Variables.Find("Tp")->Text, "75");
  SelectItem(grid.cbZN, 1);
  cbZNChange(session);
  EXPECT_EQ(screen.Cell("Tp"), "35");
  SelectItem(grid.cbZN, 0);
  cbZNChange(session);
  EXPECT_EQ(screen.Cell("Tp"), "35");
}

TEST_F(GridEditorsTest, SubstanceWritesOnlyTheShownProperties) {
  screen.Choose(11114);  // shows density and heat capacity only
  grid.cbVV.SelectText("аммиак");
  cbVVChange(session);
  EXPECT_EQ(screen.Cell("Pb"), "823");
  EXPECT_EQ(screen.Cell("Cp"), "4,7");
  EXPECT_EQ(session.Variables.GetVariable("Tz"), 0);
}

TEST_F(GridEditorsTest, ThicknessModeMarksTheSoughtRowOnlyWhenTheThicknessIsGiven) {
  screen.Choose(11111);
  EXPECT_EQ(grid.cbWI.Tag, -screen.Row("QL"));
  SelectItem(grid.cbWI, 1);
  cbWIChange(session);
  EXPECT_EQ(grid.cbWI.Tag, screen.Row("QL"));
  SelectItem(grid.cbWI, 0);
  cbWIChange(session);
  EXPECT_EQ(grid.cbWI.Tag, -screen.Row("QL"));
}

}  // namespace
}  // namespace ovalto
