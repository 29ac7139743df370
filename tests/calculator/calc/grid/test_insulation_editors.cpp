#include <gtest/gtest.h>

#include "grid/grid_editors.h"
#include "grid/input_editors.h"
#include "kind_session.h"

namespace ovalto {
namespace {

using Names = std::vector<std::string>;

class InsulationEditorsTest : public testing::KindScreenTest {
 protected:
  const Names& CoveringsOf(int code, const std::string& line) {
    screen.Choose(code);
    grid.cbTI.Items = {line};
    SelectItem(grid.cbTI, 0);
    cbTIChange(session);
    return grid.cbTP.Items;
  }
};

TEST_F(InsulationEditorsTest, CoveringsByKindLineAndPlace) {
  const Names all = {"Без покрытия", "PELLORIT TK", "PELLORIT TK CK", "PELLORIT CT", "PELLORIT AL"};
  EXPECT_EQ(CoveringsOf(11111, "KALDERON Vardo"), all);
  EXPECT_EQ(grid.cbTP.Tag, 0);
  // Outdoors the line must be covered.
  EXPECT_EQ(CoveringsOf(11121, "KALDERON Vardo"), Names(all.begin() + 1, all.end()));
  EXPECT_EQ(grid.cbTP.Tag, 1);
  // A foil face is its own covering.
  EXPECT_EQ(CoveringsOf(11121, "KALDERON Vardo AL"), (Names{"Без покрытия"}));
  EXPECT_EQ(grid.cbTP.Tag, -1);
  // Tanks and the ventilation page take the soft covering only.
  EXPECT_EQ(CoveringsOf(11211, "KALDERON Vardo"), (Names{"Без покрытия", "PELLORIT TK"}));
  EXPECT_EQ(CoveringsOf(31111, "KALDERON Corvane"), (Names{"Без покрытия", "PELLORIT TK"}));
  EXPECT_EQ(CoveringsOf(31221, "KALDERON Corvane DUCT"), (Names{"PELLORIT TK"}));
  EXPECT_EQ(CoveringsOf(31226, "KALDERON Corvane DUCT AL"), (Names{"Без покрытия"}));
}

TEST_F(InsulationEditorsTest, ConductivityAtTheSubstanceTemperature) {
  screen.Choose(11111);
  session.Variables.Find("Tb")->Value = 60;
  SelectTextOrFirst(grid.cbTI, "KALDERON Vardo");
  cbTIChange(session);
  EXPECT_EQ(screen.Cell("Liz"), "0,047");
  session.Variables.Find("Tb")->Value = 19.9;
  cbTIChange(session);
  EXPECT_EQ(screen.Cell("Liz"), "0,035");
}

TEST_F(InsulationEditorsTest, TemperatureChangeUsesTheStartTemperature) {
  screen.Choose(11114);
  session.Variables.Find("T1")->Value = 100;
  cbTIChange(session);
  EXPECT_EQ(screen.Cell("Liz"), "0,055");
}

TEST_F(InsulationEditorsTest, CondensationOnARectangularDuctReadsItsSubstanceTemperature) {
  // The list starts with "Tb" for this kind; it is found like any other name.
  screen.Choose(31313);
  session.Variables.Find("Tb")->Value = 40;
  session.Variables.Find("T1")->Value = 0;
  cbTIChange(session);
  EXPECT_EQ(screen.Cell("Liz"), "0,046");
}

TEST_F(InsulationEditorsTest, TheRememberedCoveringIsShownWithItsOwnCoefficient) {
  session.Variables.Find("Tp_")->RememberedText = "PELLORIT CT";
  screen.Choose(11111);
  std::vector<std::string> coveringsWhenDerived;
  screen.Engine.OnCalculate = [&](const std::string&) { coveringsWhenDerived.push_back(grid.cbTP.Text); };
  cbTIChange(session);
  EXPECT_EQ(grid.cbTP.Text, "PELLORIT CT");
  EXPECT_EQ(coveringsWhenDerived, (Names{"PELLORIT CT"}));
}

TEST_F(InsulationEditorsTest, CoveringDerivesTheCoefficientOnlyWhenEveryInputIsValid) {
  screen.Choose(11111);
  screen.Engine.Derived.clear();
  screen.Engine.ValidResult = 400;
  cbTPChange(session);
  EXPECT_TRUE(screen.Engine.Derived.empty());
  screen.Engine.ValidResult = kAllInputsValid;
  cbTPChange(session);
  EXPECT_EQ(screen.Engine.Derived, (Names{"An"}));
}

}  // namespace
}  // namespace ovalto
