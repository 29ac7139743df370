#include <gtest/gtest.h>

#include "grid/grid_editors.h"
#include "grid/input_editors.h"
#include "kind_session.h"

namespace ovalto {
namespace {

using Names = std::vector<std::string>;

class PipeSizeEditorsTest : public testing::KindScreenTest {
 protected:
  void SetUp() override { screen.Choose(11111); }

  void ChooseMaterial(const std::string& material) {
    SelectTextOrFirst(grid.cbMS, material);
    cbMSChange(session);
  }
  void ChooseDiameter(const std::string& diameter) {
    SelectTextOrFirst(grid.cbVD, diameter);
    cbVDChange(session);
  }
  void TypeDiameter(const std::string& diameter) {
    grid.cbVD.ItemIndex = -1;
    grid.cbVD.Text = diameter;
    cbVDChange(session);
  }
};

TEST_F(PipeSizeEditorsTest, CopperOffersItsDiametersAndConductivity) {
  ChooseMaterial("Медь");
  EXPECT_EQ(grid.cbVD.Items, (Names{"6", "8", "10", "12", "15", "18", "22", "28", "35", "42", "54"}));
  EXPECT_EQ(screen.Cell("Lst"), "384");
  EXPECT_EQ(screen.Cell("Kdp"), "1,2");
  ChooseDiameter("22");
  EXPECT_EQ(grid.cbTS.Items, (Names{"1"}));
  EXPECT_EQ(grid.cbTS.Text, "1");
}

TEST_F(PipeSizeEditorsTest, ATypedDiameterLeavesTheWallToTheUser) {
  ChooseMaterial("Медь");
  TypeDiameter("23");
  EXPECT_TRUE(grid.cbTS.Items.empty());
  EXPECT_EQ(grid.cbTS.Text, "0");
  TypeDiameter("22");  // typed, even when the table has it
  EXPECT_EQ(grid.cbTS.Text, "0");
  grid.cbTS.Text = "1,5";
  TypeDiameter("2x");  // not a number yet: nothing changes
  EXPECT_EQ(grid.cbTS.Text, "1,5");
}

TEST_F(PipeSizeEditorsTest, AdditionalLossesDependOnMaterialAndSize) {
  ChooseMaterial("Сталь");
  ChooseDiameter("165");
  EXPECT_EQ(screen.Cell("Kdp"), "1,15");
  ChooseDiameter("140");
  EXPECT_EQ(screen.Cell("Kdp"), "1,2");
  EXPECT_EQ(grid.cbTS.Text, "4,5");
  TypeDiameter("159");
  EXPECT_EQ(screen.Cell("Kdp"), "1,15");
  ChooseMaterial("Полиэтилен");
  ChooseDiameter("110");
  EXPECT_EQ(screen.Cell("Kdp"), "1,7");
  EXPECT_EQ(screen.Cell("Lst"), "0,44");
}

TEST_F(PipeSizeEditorsTest, OtherMaterialTakesTypedSizesAndNoWall) {
  ChooseMaterial("Другой");
  EXPECT_FALSE(grid.cbVD.HasList);
  EXPECT_FALSE(grid.cbTS.HasList);
  EXPECT_TRUE(grid.cbVD.Items.empty());
  EXPECT_EQ(grid.cbTS.Text, "0");
  EXPECT_EQ(screen.Cell("Lst"), "не учитывать");
  ChooseMaterial("Сталь");
  EXPECT_TRUE(grid.cbVD.HasList);
  EXPECT_EQ(screen.Cell("Lst"), "45,4");
}

TEST_F(PipeSizeEditorsTest, TheWallTextIsNotWrittenAboveTheRowLeft) {
  grid.Tag = screen.Row("Kdp");
  grid.CurrentRow = grid.Tag;
  ChooseMaterial("Другой");
  EXPECT_NE(screen.Cell("Lst"), "не учитывать");
}

TEST_F(PipeSizeEditorsTest, DuctsAreSteelOfDuctSizes) {
  EXPECT_EQ(PipeMaterialItems(31221), (Names{"Сталь"}));
  session.CalcKindCode = 31221;
  ChooseMaterial("Сталь");
  EXPECT_EQ(grid.cbVD.Items.size(), 25u);
  EXPECT_EQ(grid.cbVD.Items.front(), "100");
  ChooseDiameter("355");
  EXPECT_EQ(grid.cbTS.Text, "0,7");
}

}  // namespace
}  // namespace ovalto
