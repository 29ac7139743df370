#include <gtest/gtest.h>

#include "duct_scheme_fixture.h"
#include "engine_inputs.h"

namespace ovalto {
namespace {

class CondensationSchemes : public DuctSchemeFixture {
 protected:
  // Cold water in a steel pipe indoors: 5 °C inside, air of 20 °C at 60 %.
  void ColdPipe() {
    Choose(21123,
           {{"Tb", 5}, {"Tn", 20}, {"Vla", 60}, {"Dn", 57}, {"Wst", 3}, {"Lst", 45.4}, {"Liz", 0.035}, {"An", 8}});
  }
};

TEST_F(CondensationSchemes, PipeOutsideGivenThickness) {
  ColdPipe();
  Given(10);
  Run();
  // EN = SaturationPressure(20) = 2.339891
  // Rins = ln(77 / 57) / (2 pi 0.035) = 0.300754 / 0.219911 = 1.367615
  // Rwall = ln(57 / 51) / (2 pi 45.4) = 0.111226 / 285.2566 = 0.000390
  // B = (1.367615 + 0.000390) * 77 / 1000 * pi * 8 = 2.647391
  // Ts = (2.647391 * 20 + 5) / 3.647391 = 15.8875
  // h = 100 * SaturationPressure(15.8875) / 2.339891 = 77.179
  EXPECT_DOUBLE_EQ(Get("Vla"), 77.2);
  EXPECT_EQ(Get("Wiz"), 10);
  EXPECT_EQ(state.ChartMode, kChartLine1 | kChartLine3);
  EXPECT_TRUE(state.Outputs.ChartButton);
  EXPECT_TRUE(state.Outputs.Print);
  EXPECT_DOUBLE_EQ(StepOf(120).Series3Value, 77.2);
}

TEST_F(CondensationSchemes, PipeOutsideCalculatedAndDewPointDerivation) {
  ColdPipe();
  Run("Tr");
  // e = 0.6 * 2.339891 = 1.403935; DewPoint(1.403935) = 12.0155
  EXPECT_DOUBLE_EQ(Get("Tr"), 12.0);
  EXPECT_EQ(Get("Wiz"), 0);
  EXPECT_FALSE(state.Outputs.Chart);

  Run();
  // Bt = (12.0155 - 5) / (20 - 12.0155) = 0.87865; B reaches it first at 4 mm
  EXPECT_EQ(Get("Wiz"), 4);
  EXPECT_DOUBLE_EQ(Get("Vla"), 60);
  EXPECT_GT(StepOf(4).Series1Value, 60);
  EXPECT_LT(StepOf(3).Series1Value, 60);
}

TEST_F(CondensationSchemes, KeptStepIsTheThinnestWhoseSurfaceStaysDry) {
  // Over a sweep of room humidities the kept step must be dry (its allowed
  // humidity at or above the room's) and every thinner step wet; the step
  // whose surface merely comes nearest the dew point can lie on the wet side.
  for (double humidity = 40; humidity <= 90; humidity += 0.25) {
    ColdPipe();
    Set("Vla", humidity);
    Run();
    const double kept = Get("Wiz");
    ASSERT_GE(StepOf(kept).Series1Value, humidity) << humidity;
    for (const ThicknessStep& step : state.StdThicknessTable) {
      if (step.ThicknessMm >= kept) break;
      ASSERT_LT(step.Series1Value, humidity) << humidity << " " << step.ThicknessMm;
    }
  }
}

TEST_F(CondensationSchemes, DryAirEndsACalculatedRunWithoutResults) {
  ColdPipe();
  Set("Vla", 0);
  Set("Wiz", 33);
  Run();
  EXPECT_EQ(Get("Wiz"), 33);
  EXPECT_EQ(state.ChartMode, 0);
  EXPECT_FALSE(state.Outputs.Chart);
  EXPECT_FALSE(state.Outputs.Print);

  // For a given thickness the humidity is the result, not an input.
  Given(10);
  Run();
  EXPECT_DOUBLE_EQ(Get("Vla"), 77.2);
}

TEST_F(CondensationSchemes, PipeWallAsThickAsTheRadiusFails) {
  ColdPipe();
  Set("Wst", 28.5);
  EXPECT_THROW(Run(), CalculationFailure);
}

TEST_F(CondensationSchemes, FlatWallOutside) {
  Choose(31313, {{"Tb", 5}, {"Tn", 20}, {"Vla", 60}, {"Liz", 0.035}, {"An", 8}});
  Run();
  // 1000 * 0.035 / 8 * (12.0155 - 5) / (20 - 12.0155) = 3.844, next step 4
  EXPECT_EQ(Get("Wiz"), 4);

  Given(10);
  Run();
  // B = 10 * 8 / 35 = 2.285714; Ts = (2.285714 * 20 + 5) / 3.285714 = 15.4348
  // h = 100 * SaturationPressure(15.4348) / 2.339891 = 74.971
  EXPECT_DOUBLE_EQ(Get("Vla"), 75.0);
  EXPECT_EQ(Get("Wiz"), 10);
}

TEST_F(CondensationSchemes, FlatWallBeyondTheThickestStepIs120) {
  Choose(31313, {{"Tb", 5}, {"Tn", 20}, {"Vla", 98}, {"Liz", 0.035}, {"An", 8}});
  Run();
  // Tr = 19.674: 4.375 * 14.674 / 0.326 = 197 mm
  EXPECT_EQ(Get("Wiz"), 120);
}

// Air of 20 °C at 50 % in a duct outdoors at -10 °C, 5 m/s.
TEST_F(CondensationSchemes, RectangularDuctInsideStandardRatio) {
  Choose(31326, {{"Tb", 20}, {"Tn", -10}, {"Vlv", 50}, {"Lv", 400}, {"Hv", 200}, {"Wb", 5}, {"Liz", 0.04}, {"An", 20}});
  Given(20);
  Run();
  // dh = 0.266667 m; Ai = 15.3505
  // B = (1 / 20 + 20 / (1000 * 0.04)) * 15.3505 = 0.55 * 15.3505 = 8.442782
  // Ts = (8.442782 * 20 - 10) / 9.442782 = 16.8230; h = 81.925
  EXPECT_DOUBLE_EQ(Get("Vlv"), 81.9);

  session.Grid.cbWI.ItemIndex = 0;
  Set("Vlv", 50);
  Run();
  // h(2) = 46.34 < 50 <= h(3) = 51.49: the first step that keeps the surface dry
  EXPECT_EQ(Get("Wiz"), 3);
}

TEST_F(CondensationSchemes, RectangularDuctSideCoefficientInMetres) {
  Choose(31326, {{"Tb", 20}, {"Tn", -10}, {"Vlv", 50}, {"Lv", 400}, {"Hv", 200}, {"Wb", 5}, {"W", 5}});
  Pick(session.Grid.cbTP, "PELLORIT TK");
  Run("An");
  // aC = 5^0.8 * (5.95 + 0.15) / (1.5 * 0.4)^0.2 = 3.623898 * 6.1 / 0.902880 = 24.4836
  // aR = 0.35 * (2.705^4 - 2.63^4) / 7.5 = 0.2658; An = round(24.7494, 1)
  EXPECT_DOUBLE_EQ(Get("An"), 24.7);
}

}  // namespace
}  // namespace ovalto

namespace ovalto {
namespace {

using testing::Given;
using testing::kThickerThan120;
using testing::Shows;

HeadlessInputs ColdPipeOnScreen(int kind) {
  HeadlessInputs in;
  in.KindCode = kind;
  in.Texts = {{"Ms_", "Сталь"}, {"Dn", "48"}, {"Tb", "5"}, {"Vla", "60"}};
  return in;
}

HeadlessInputs HumidDuctOnScreen(int kind) {
  HeadlessInputs in;
  in.KindCode = kind;
  in.Texts = {{"Dv", "250"}, {"Lv", "400"}, {"Hv", "200"}, {"Tb", "20"},
              {"Tn", "-10"}, {"W", "5"},    {"Vlv", "50"}, {"Wb", "5"}};
  return in;
}

TEST(CondensationRuns, EveryCondensationKindComputes) {
  for (int kind : {21123, 31113, 51123}) {
    const HeadlessResult result = RunHeadless(ColdPipeOnScreen(kind));
    EXPECT_TRUE(result.Messages.empty()) << kind;
    EXPECT_EQ(result.ChartMode, 5) << kind;
    // Dn 48 > 35 keeps at least 9 mm on a pipe.
    EXPECT_GE(result.Values.at("Wiz"), 9) << kind;
  }
  HeadlessInputs roundDuct = ColdPipeOnScreen(31213);
  roundDuct.Texts["Dn"] = "250";
  EXPECT_TRUE(RunHeadless(roundDuct).Outputs.Print);
  for (int kind : {31313, 52123}) {
    HeadlessInputs wall = ColdPipeOnScreen(kind);
    EXPECT_GT(RunHeadless(wall).Values.at("Wiz"), 0) << kind;
  }
  for (int kind : {31226, 31326}) {
    HeadlessInputs in = HumidDuctOnScreen(kind);
    in.Texts["Vlv"] = "60";
    const HeadlessResult result = RunHeadless(in);
    EXPECT_TRUE(result.Messages.empty()) << kind;
    EXPECT_GT(result.Values.at("Wiz"), 0) << kind;
  }
}

TEST(CondensationRuns, GridDerivesTheDewPointsAndTheInnerCoefficient) {
  // Indoors the air is 20 °C; at 60 % its dew point is 12.0 °C.
  EXPECT_EQ(RunHeadless(ColdPipeOnScreen(21123)).Cells.at("Tr"), "12");
  const HeadlessResult duct = RunHeadless(HumidDuctOnScreen(31226));
  EXPECT_EQ(duct.Cells.at("Trv"), "9,3");
  EXPECT_EQ(duct.Cells.at("Ab"), "15,5");
}

TEST(CondensationRuns, RoundDuctInside) {
  HeadlessInputs in = HumidDuctOnScreen(31226);
  in.Texts["Liz"] = "0,04";
  in.Texts["An"] = "20";
  // Ai = 0.018 (5 * 0.25 / 1.543e-5)^0.8 * 0.02556 / 0.25 = 15.5499
  // Rins = ln((2d + 250) / 250) / (2 pi 0.04); Rout = 1000 / (pi 20 (2d + 250)), added
  // B = (Rins + Rout) * pi * 15.5499 * 0.25; Ts = (B * 20 - 10) / (1 + B)
  // Trv = DewPoint(0.5 * 2.339891) = 9.2858; Bt = (9.2858 + 10) / (20 - 9.2858) = 1.80001
  // B(2) = 1.5366, B(3) = 1.9117: 3 mm, a step of the duct series.
  const HeadlessResult calculated = RunHeadless(in);
  EXPECT_DOUBLE_EQ(calculated.Values.at("Wiz"), 3);
  EXPECT_TRUE(calculated.Messages.empty());
  // With the thickness given, the humidity is not an input: the grid holds 0
  // for it, and the dew point it shows is the one remembered from a run.
  in.Texts["Trv"] = "9,3";
  // 20 mm: Rins = 0.590544, Rout = 0.054881, B = 0.645425 * 12.212891 = 7.882511,
  // Ts = 16.6226, h = 100 * SaturationPressure(16.6226) / 2.339891 = 80.887
  const HeadlessResult given = RunHeadless(Given(in, "20"));
  EXPECT_DOUBLE_EQ(given.Values.at("Vlv"), 80.9);
  EXPECT_EQ(given.Cells.at("Vlv"), "80,9");
}

TEST(CondensationRuns, NoDryStepEndsAt120WithItsWarning) {
  HeadlessInputs in = HumidDuctOnScreen(31326);
  in.Texts["Tn"] = "-30";
  in.Texts["Vlv"] = "95";
  const HeadlessResult result = RunHeadless(in);
  EXPECT_DOUBLE_EQ(result.Values.at("Wiz"), 120);
  EXPECT_TRUE(Shows(result, kThickerThan120));
  EXPECT_FALSE(result.Outputs.Print);
}

}  // namespace
}  // namespace ovalto
