#include <gtest/gtest.h>

#include "grid/grid_editors.h"
#include "grid/input_editors.h"
#include "kind_session.h"
#include "state/scheme_engine.h"

namespace ovalto {
namespace {

using Names = std::vector<std::string>;

// Майкоп: annual mean 10,9, heating period 2,3, winter design -19, summer 29,
// wind 3. Орел has no annual mean in either edition.
class ClimateEditorsTest : public testing::KindScreenTest {
 protected:
  void ChooseSettlement(const std::string& region, const std::string& settlement) {
    grid.cbRG.Items = {"", region};
    SelectTextOrFirst(grid.cbRG, region);
    cbRGChange(session);
    grid.cbNP.SelectText(settlement);
    cbNPChange(session);
  }
};

TEST_F(ClimateEditorsTest, RegionOffersItsSettlementsAndChoosesASingleOne) {
  screen.Choose(11121);
  grid.cbRG.Items = {"", "Республика Адыгея"};
  SelectItem(grid.cbRG, 1);
  cbRGChange(session);
  EXPECT_EQ(grid.cbNP.Items, (Names{"Майкоп"}));
  EXPECT_EQ(grid.cbNP.Text, "Майкоп");
  EXPECT_EQ(screen.Cell("Tn"), "10,9");

  SelectItem(grid.cbRG, 0);
  cbRGChange(session);
  EXPECT_TRUE(grid.cbNP.Items.empty());
  EXPECT_EQ(grid.cbNP.ItemIndex, -1);
}

TEST_F(ClimateEditorsTest, OutdoorHeatFlowTakesTheAnnualMeanAndTheWind) {
  screen.Choose(11121);
  ChooseSettlement("Республика Адыгея", "Майкоп");
  EXPECT_EQ(screen.Cell("Tn"), "10,9");
  EXPECT_EQ(screen.Cell("W"), "3");
  EXPECT_EQ(session.Variables.GetVariable("W"), 3);
}

TEST_F(ClimateEditorsTest, SettlementDerivesTheOuterCoefficientAgain) {
  screen.Choose(11121);
  screen.Engine.Derived.clear();
  grid.cbRG.Items = {"", "Республика Адыгея"};
  SelectItem(grid.cbRG, 1);
  cbRGChange(session);  // its one settlement is chosen with it
  EXPECT_EQ(screen.Engine.Derived, (Names{"An"}));

  // Not while the inputs before it are incomplete, nor during a run.
  screen.Engine.Derived.clear();
  screen.Engine.ValidResult = 3;
  cbNPChange(session);
  session.CalkTag = 1;
  screen.Engine.ValidResult = kAllInputsValid;
  cbNPChange(session);
  EXPECT_TRUE(screen.Engine.Derived.empty());
}

TEST_F(ClimateEditorsTest, EachTaskTakesTheTemperatureItIsDesignedFor) {
  screen.Choose(11120);  // energy efficiency over the heating season
  session.Variables.Find("Z")->Value = 4560;
  ChooseSettlement("Республика Адыгея", "Майкоп");
  EXPECT_EQ(screen.Cell("Tn"), "2,3");
  session.Variables.Find("Z")->Value = 8760;
  cbNPChange(session);
  EXPECT_EQ(screen.Cell("Tn"), "10,9");

  screen.Choose(11125);  // freeze protection: the winter design temperature
  ChooseSettlement("Республика Адыгея", "Майкоп");
  EXPECT_EQ(screen.Cell("Tn"), "-19");

  screen.Choose(21214);  // cold water warming up: the summer
  ChooseSettlement("Республика Адыгея", "Майкоп");
  EXPECT_EQ(screen.Cell("Tn"), "29");
}

TEST_F(ClimateEditorsTest, AMissingTemperatureEmptiesTheCellForTheUser) {
  screen.Choose(11121);
  ChooseSettlement("Республика Адыгея", "Майкоп");
  ChooseSettlement("Орловская область", "Орел");
  EXPECT_EQ(screen.Cell("Tn"), "");
  EXPECT_EQ(screen.Cell("W"), "4");
}

// The later edition's annual means fill only what the 2012 edition lacks,
// and none of the rows whose values its record doubts.
TEST_F(ClimateEditorsTest, TheLaterEditionFillsOnlyTheGaps) {
  screen.Choose(11121);
  ChooseSettlement("Московская область", "Москва");
  EXPECT_EQ(screen.Cell("Tn"), "5,9");
  ChooseSettlement("Республика Алтай", "Барнаул");  // 2,5 in the later edition
  EXPECT_EQ(screen.Cell("Tn"), "2,2");
  ChooseSettlement("Республика Бурятия", "Улан-Удэ");
  EXPECT_EQ(screen.Cell("Tn"), "");
}

TEST_F(ClimateEditorsTest, IndoorsItIsAlwaysTwentyDegrees) {
  screen.Choose(11111);
  session.Variables.SetVariable("Tn", "!", 5);
  ChooseSettlement("Республика Адыгея", "Майкоп");
  EXPECT_EQ(screen.Cell("Tn"), "20");
}

}  // namespace
}  // namespace ovalto
