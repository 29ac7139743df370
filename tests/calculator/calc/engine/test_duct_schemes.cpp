#include <gtest/gtest.h>

#include "duct_scheme_fixture.h"
#include "engine_inputs.h"

namespace ovalto {
namespace {

class DuctSchemes : public DuctSchemeFixture {
 protected:
  // Air of 40 °C at 5 m/s in a round duct of 250 mm indoors at 20 °C.
  void WarmRoundDuct(double norm) {
    Choose(31211,
           {{"Tb", 40}, {"Tn", 20}, {"De", 250}, {"Wb", 5}, {"Kdp", 1.2}, {"Liz", 0.04}, {"An", 10}, {"QL", norm}});
  }
  // The same air in a rectangular duct of 400 x 200 mm.
  void WarmRectangularDuct(double norm) {
    Choose(31311, {{"Tb", 40},
                   {"Tn", 20},
                   {"Lv", 400},
                   {"Hv", 200},
                   {"Wb", 5},
                   {"Kdp", 1.2},
                   {"Liz", 0.04},
                   {"An", 10},
                   {"QL", norm}});
  }
  // 1000 kg/h of air cooling from 40 °C over 50 m of round duct outdoors at -10 °C.
  void CoolingRoundDuct(double endTemperature) {
    Choose(31224, {{"T1", 40},
                   {"T2", endTemperature},
                   {"Tn", -10},
                   {"Dv", 250},
                   {"L", 50},
                   {"Gm", 1000},
                   {"Pb", 1.205},
                   {"Cp", 1.005},
                   {"Kdp", 1.2},
                   {"Liz", 0.04},
                   {"An", 20}});
  }
  // Air at 5 m/s cooling from 40 °C over 50 m of a 400 x 200 mm duct.
  void CoolingRectangularDuct(double endTemperature) {
    Choose(31324, {{"T1", 40},
                   {"T2", endTemperature},
                   {"Tn", -10},
                   {"Lv", 400},
                   {"Hv", 200},
                   {"L", 50},
                   {"Gm", 5},
                   {"Pb", 1.205},
                   {"Cp", 1.005},
                   {"Kdp", 1.2},
                   {"Liz", 0.04},
                   {"An", 20}});
    session.Grid.cbGW.ItemIndex = 1;
  }
};

TEST_F(DuctSchemes, RoundDuctHeatFlowOfAGivenThickness) {
  WarmRoundDuct(0);
  Given(20);
  Run();
  // Ai = AirInnerCoefficient(5, 0.25, 40) = 15.0840
  // Rout = 1000 / (290 pi 10) = 0.109762; Rins = ln(1.16) / (2 pi 0.04) = 0.590544
  // Rin = 1000 / (pi 15.0840 250) = 0.084410; q = 1.2 * 20 / 0.784716 = 30.5843
  EXPECT_DOUBLE_EQ(Get("QL"), 30.584);
  EXPECT_EQ(Get("Wiz"), 20);
  EXPECT_DOUBLE_EQ(StepOf(0).Series3Value, 30.584);
}

TEST_F(DuctSchemes, RoundDuctKeepsTheThinnestStepWithinTheNorm) {
  // q(9) = 50.019 > 48 >= q(10) = 47.196
  WarmRoundDuct(48);
  Run();
  EXPECT_EQ(Get("Wiz"), 10);
  // The bare duct's 113.35 W/m already meets 120.
  WarmRoundDuct(120);
  Run();
  EXPECT_EQ(Get("Wiz"), 0);
  // Even 120 mm lets 8.49 W/m through.
  WarmRoundDuct(5);
  Run();
  EXPECT_EQ(Get("Wiz"), 120);
  // Cold air at 10 °C gains heat: q(5) = -33.43 < -31 <= q(6) = -30.89.
  WarmRoundDuct(-31);
  Set("Tb", 10);
  Run();
  EXPECT_EQ(Get("Wiz"), 6);
}

TEST_F(DuctSchemes, RectangularDuctHeatFlux) {
  WarmRectangularDuct(20);
  Run();
  // dh = 0.266667 m, Ai = 14.8906; 1000 * 0.04 * (1.2 * 20 / 20 - 0.1 - 0.067157) = 41.31
  EXPECT_EQ(Get("Wiz"), 42);

  // A norm of 0 means nothing to a given thickness.
  Set("QL", 0);
  Given(20);
  Run();
  // SumR = 20 / 40 + 1 / 10 + 1 / 14.8906 = 0.667157; q = 24 / 0.667157, not rounded
  EXPECT_NEAR(Get("QL"), 35.973567, 1e-6);
}

TEST_F(DuctSchemes, RoundDuctTemperatureChange) {
  CoolingRoundDuct(35);
  Given(20);
  Run();
  // w = 1000 / (3600 * 0.0490874 * 1.205) = 4.6961 m/s; at 37.5 °C Ai = 14.3958
  // X = 1.2 * 3.6 * 50 / (1.005 * 1000) = 0.214925; r = 50 / 45 < 2: linear
  // SumR(20) = 0.590544 + 1000 / (290 pi 20) + 1000 / (pi 14.3958 250) = 0.733871
  // k = 3.414537; T2 = (2k * 40 - 20 - 40) / (2k + 1) = 27.2271
  EXPECT_DOUBLE_EQ(Get("T2"), 27.23);

  CoolingRoundDuct(35);
  Run();
  // X / Q = 0.214925 / (5 / 47.5) = 2.04179 lies between SumR at 77 and
  // 78 mm: 77 mm comes nearest but lets the air cool just below 35 °C, so
  // 78 mm, the thinnest that keeps it at or above, is kept.
  EXPECT_EQ(Get("Wiz"), 78);
}

TEST_F(DuctSchemes, RoundDuctTemperatureChangeExponential) {
  // Given thickness: the computed end chooses the law. The end on screen (10)
  // is the result sought, so the start stands in for it: the air's mean is
  // 40 °C, Ai = 14.3370, SumR(20) = 0.734234. Over 50 m: E = exp(0.214925 /
  // 0.734234) = 1.34006, exponential end 27.31, a ratio 50 / 37.31 < 2:
  // linear, k = 3.416240, T2 = (2k * 40 - 20 - 40) / (2k + 1) = 27.2326.
  CoolingRoundDuct(10);
  Given(20);
  Run();
  EXPECT_DOUBLE_EQ(Get("T2"), 27.23);
  // Over 500 m: E = exp(2.149254 / 0.734234) = 18.6750, exponential end
  // (50 - 186.750) / 18.6750 = -7.3226, a ratio of 18.7: exponential.
  CoolingRoundDuct(10);
  Set("L", 500);
  Given(20);
  Run();
  EXPECT_DOUBLE_EQ(Get("T2"), -7.32);

  // Calculated: the required end chooses it, r = 50 / 20 = 2.5: exponential;
  // SumR must reach X / ln 2.5 = 0.23456, which 3 mm is the first to do.
  CoolingRoundDuct(10);
  Run();
  EXPECT_EQ(Get("Wiz"), 3);
}

TEST_F(DuctSchemes, GivenThicknessDoesNotHangOnTheEndTemperatureLeftOnScreen) {
  // A stale end temperature equal to the ambient once made the law's ratio
  // divide by zero. Now the computed end chooses the law: at 20 mm the
  // exponential end is about 27.3 °C, a ratio of 50 / 37.3 < 2, so linear.
  CoolingRoundDuct(-10);
  Given(20);
  Run();
  EXPECT_TRUE(messages.Shown.empty());
  EXPECT_TRUE(messages.RaisedErrors.empty());
  EXPECT_GT(Get("T2"), 20);
  EXPECT_LT(Get("T2"), 35);
}

TEST_F(DuctSchemes, RectangularDuctTemperatureChangeBySpeed) {
  CoolingRectangularDuct(35);
  Given(20);
  Run();
  // G = 5 * 3600 * 0.08 * 1.205 = 1735.2 kg/h; X = 1.2 * 3.6 * 50 * 1200 / (1000 * 1735.2 * 1.005) = 0.148634
  // Ai(5, 0.266667, 37.5) = 14.9422; SumR = 0.05 + 0.5 + 0.066925 = 0.616925
  // k = 4.150618; T2 = (2k * 40 - 20 - 40) / (2k + 1) = 29.2487
  EXPECT_DOUBLE_EQ(Get("T2"), 29.25);

  CoolingRectangularDuct(35);
  Run();
  EXPECT_EQ(Get("Wiz"), 52);
  // Cooling only to 38 °C asks for more than 120 mm.
  CoolingRectangularDuct(38);
  Run();
  EXPECT_EQ(Get("Wiz"), 120);
}

TEST_F(DuctSchemes, TemperatureChangeConductivityFollowsTheMeanAirTemperature) {
  CoolingRoundDuct(16);
  Set("T1", 30);
  Run("Liz");
  // Mean 23 °C: 0.0002 * (23 + 40) / 2 + 0.038
  EXPECT_DOUBLE_EQ(Get("Liz"), 0.0443);
  // Mean 17.5 °C, though the start is above 20.
  Set("T1", 25);
  Set("T2", 10);
  Run("Liz");
  EXPECT_DOUBLE_EQ(Get("Liz"), 0.035);
}

TEST_F(DuctSchemes, TemperatureChangeDerivesTheAirProperties) {
  CoolingRoundDuct(35);
  Set("Pb", 0);
  Set("Cp", 0);
  Run("Pb");
  Run("Cp");
  EXPECT_DOUBLE_EQ(Get("Pb"), 1.205);
  EXPECT_DOUBLE_EQ(Get("Cp"), 1.005);
  EXPECT_FALSE(state.Outputs.Chart);
}

TEST_F(DuctSchemes, StillAirInsideFails) {
  WarmRoundDuct(48);
  Set("Wb", 0);
  EXPECT_THROW(Run(), CalculationFailure);
}

}  // namespace
}  // namespace ovalto

namespace ovalto {
namespace {

using testing::kCannotCalculate;
using testing::kThickerThan120;
using testing::kThinnerThan1;
using testing::Shows;

HeadlessInputs DuctOnScreen(int kind) {
  HeadlessInputs in;
  in.KindCode = kind;
  in.Texts = {{"De", "250"}, {"Dv", "250"}, {"Lv", "400"}, {"Hv", "200"}, {"Kdp", "1,2"}, {"Tb", "40"}, {"Tn", "-10"},
              {"W", "5"},    {"Wb", "5"},   {"QL", "48"},  {"L", "50"},   {"T1", "40"},   {"T2", "35"}, {"Gm", "1000"}};
  return in;
}

TEST(DuctRuns, EveryDuctKindComputes) {
  for (int kind : {31211, 31221, 31311, 31321, 31224, 31324}) {
    const HeadlessResult result = RunHeadless(DuctOnScreen(kind));
    EXPECT_TRUE(result.Messages.empty()) << kind;
    EXPECT_EQ(result.ChartMode, 5) << kind;
    EXPECT_TRUE(result.Outputs.Print) << kind;
    EXPECT_GE(result.Values.at("Wiz"), 1) << kind;
  }
}

TEST(DuctRuns, UnreachableNormEndsAt120WithItsWarning) {
  HeadlessInputs in = DuctOnScreen(31311);
  in.Texts["QL"] = "3";  // would need far more than 120 mm
  const HeadlessResult result = RunHeadless(in);
  EXPECT_DOUBLE_EQ(result.Values.at("Wiz"), 120);
  EXPECT_TRUE(Shows(result, kThickerThan120));
  EXPECT_FALSE(Shows(result, kThinnerThan1));
}

TEST(DuctRuns, NoFlowEndsInTheRunsWarning) {
  HeadlessInputs in = DuctOnScreen(31224);
  in.Texts["Gm"] = "0";
  const HeadlessResult result = RunHeadless(in);
  EXPECT_TRUE(Shows(result, kCannotCalculate));
  EXPECT_EQ(result.Cells.at("T2"), "35");
}

}  // namespace
}  // namespace ovalto
