#include <gtest/gtest.h>

#include "engine_inputs.h"

namespace ovalto {
namespace {

using testing::Given;
using testing::kCannotCalculate;
using testing::kThickerThan120;
using testing::kThinnerThan1;
using testing::Shows;
using testing::StepOf;
using testing::TankInputs;

// Tank 1000 x 2000 mm: S = pi * 2000 * 1000 / 1e6 + pi * 1000^2 / 2e6 = 7.853982 m2,
// V = pi * 2000 * 1000^2 / 4e9 = 1.570796 m3. Wall under d mm with Liz 0.04,
// An 10, inner 1000: SumR = d / 40 + 0.1 + 0.001 m2*K/W.

HeadlessInputs HeatFlow(int kind, const char* norm) {
  HeadlessInputs in = TankInputs(kind);
  in.Texts["Qf"] = norm;
  return in;
}

TEST(TankHeatFlow, HeatFlowOfTheGivenLayer) {
  // q = 1.1 * 70 / (40 / 40 + 0.101) = 77 / 1.101 = 69.936421...; indoors
  // unrounded, outdoors to 0.1.
  HeadlessResult indoor = RunHeadless(Given(HeatFlow(11211, "40"), "40"));
  EXPECT_NEAR(indoor.Values["Qf"], 69.93642143505903, 1e-12);
  EXPECT_NEAR(indoor.Chart[StepOf(0)].Series1Value, 77 / 0.101, 1e-9);  // bare wall
  HeadlessResult outdoor = RunHeadless(Given(HeatFlow(11221, "40"), "40"));
  EXPECT_DOUBLE_EQ(outdoor.Values["Qf"], 69.9);
  EXPECT_EQ(outdoor.ChartMode, 5);
}

TEST(TankHeatFlow, FirstStepPastTheRequiredLayer) {
  // dreq = 1000 * 0.04 * (77 / 40 - 0.1 - 0.001) = 72.96: 73 mm (q 39.98),
  // up the pipe-and-tank series to 80.
  HeadlessResult result = RunHeadless(HeatFlow(11211, "40"));
  EXPECT_DOUBLE_EQ(result.Values["Wiz"], 80);
  EXPECT_TRUE(result.Messages.empty());
}

TEST(TankHeatFlow, NormOutOfReachGives120) {
  // dreq = 40 * (7.7 - 0.101) = 303.96 mm.
  HeadlessResult result = RunHeadless(HeatFlow(11211, "10"));
  EXPECT_DOUBLE_EQ(result.Values["Wiz"], 120);
  EXPECT_TRUE(Shows(result, kThickerThan120));
}

TEST(TankHeatFlow, BareWallWithinTheNorm) {
  // q(0) = 762.38 < 800: dreq negative, the bare wall is kept.
  HeadlessResult result = RunHeadless(HeatFlow(11211, "800"));
  EXPECT_DOUBLE_EQ(result.Values["Wiz"], 0);
  EXPECT_TRUE(Shows(result, kThinnerThan1));
}

TEST(TankHeatFlow, ZeroNormCannotBeCalculated) {
  HeadlessResult result = RunHeadless(HeatFlow(11211, "0"));
  ASSERT_FALSE(result.Messages.empty());
  EXPECT_EQ(result.Messages.front().Text, kCannotCalculate);
  EXPECT_EQ(result.Messages.front().Type, MessageType::Warning);
  EXPECT_FALSE(result.Outputs.Chart);
  EXPECT_FALSE(result.Outputs.Print);
}

TEST(TankSurfaceTemperature, SurfaceOfTheGivenLayerAndTheThinnestSafeStep) {
  // 40 mm: B = 40 * 10 / 40 = 10, Tsurf = (10 * 20 + 90) / 11 = 26.36 -> 26.4
  HeadlessInputs in = TankInputs(11212);
  in.Texts["Zn_"] = "рабочая и обслуживаемая";  // permits 35
  EXPECT_DOUBLE_EQ(RunHeadless(Given(in, "40")).Values["Tp"], 26.4);
  // dreq = 0.04 / 10 * 1000 * (90 - 35) / (35 - 20) = 14.67: 15 mm keeps the
  // surface at 34.74 (14 mm would leave 35.56), up the series to 20.
  EXPECT_DOUBLE_EQ(RunHeadless(in).Values["Wiz"], 20);
}

TEST(TankSurfaceTemperature, StepAtOrAboveTheRequiredLayer) {
  // Tp 36: dreq = 4 * (90 - 36) / (36 - 20) = 13.5; 14 mm (surface 35.56 <= 36),
  // up the series to 20; 13 mm would leave the surface at 36.47.
  HeadlessInputs in = TankInputs(11212);
  in.Texts["Tp"] = "36";
  EXPECT_DOUBLE_EQ(RunHeadless(in).Values["Wiz"], 20);
}

TEST(TankSurfaceTemperature, LimitBelowTheAmbientIsOutOfReach) {
  HeadlessInputs in = TankInputs(11212);
  in.Texts["Zn_"] = "рабочая и обслуживаемая";
  in.Texts["Tn"] = "40";  // the surface never gets below 40
  HeadlessResult result = RunHeadless(in);
  EXPECT_DOUBLE_EQ(result.Values["Wiz"], 120);
  EXPECT_TRUE(Shows(result, kThickerThan120));
}

HeadlessInputs TemperatureChange(int kind, const char* required) {
  HeadlessInputs in = TankInputs(kind);
  in.Texts.insert({{"T1", "90"}, {"T2", required}, {"Zv", "10"}, {"Pb", "998"}, {"Cp", "4,182"}});
  return in;
}

TEST(TankTemperatureChange, EndTemperatureOfTheGivenLayer) {
  // 40 mm: y = 1.101 * 1.570796 * 998 * 4.182 / (3.6 * 10 * 7.853982 * 1.1)
  // = 23.207946; T2 = 20 + 70 * e^(-1 / y) = 87.048 -> 87.0
  HeadlessResult result = RunHeadless(Given(TemperatureChange(11214, "85"), "40"));
  EXPECT_DOUBLE_EQ(result.Values["T2"], 87.0);
  EXPECT_NEAR(result.Chart[StepOf(40)].Series1Value, 87.04785, 1e-5);
  EXPECT_DOUBLE_EQ(result.Chart[StepOf(40)].Series3Value, 87.0);
}

TEST(TankTemperatureChange, LongStorageEndsAtTheAmbientNotBelowIt) {
  // Bare, 10000 h: y = 0.00213, the linear law would give -49.4 °C.
  HeadlessInputs in = Given(TemperatureChange(11214, "85"), "0");
  in.Texts["Zv"] = "10000";
  EXPECT_DOUBLE_EQ(RunHeadless(in).Values["T2"], 20);
}

TEST(TankTemperatureChange, ThinnestStepAtOrAboveTheRequiredEndIndoorsAndOut) {
  // Required 85: 22 mm ends at 85.08, the first at or above.
  EXPECT_DOUBLE_EQ(RunHeadless(TemperatureChange(11214, "85")).Values["Wiz"], 23);
  EXPECT_DOUBLE_EQ(RunHeadless(TemperatureChange(11224, "85")).Values["Wiz"], 23);
  // Required 84.7: 20 mm ends at 84.687, nearest but too cold; 21 mm ends at
  // 84.891 and is rounded up the series to 23, never 20.
  EXPECT_DOUBLE_EQ(RunHeadless(TemperatureChange(11214, "84,7")).Values["Wiz"], 23);
}

TEST(TankTemperatureChange, RequiredEndOutOfReachGives120OnEveryKind) {
  // 120 mm still ends at 88.94.
  for (int kind : {11224, 52214}) {
    HeadlessResult result = RunHeadless(TemperatureChange(kind, "89,5"));
    EXPECT_DOUBLE_EQ(result.Values["Wiz"], 120) << kind;
    EXPECT_TRUE(Shows(result, kThickerThan120)) << kind;
  }
}

TEST(TankEnergyEfficiency, AnnualCostOfTheGivenLayer) {
  // 40 mm, no covering: V1 = 1.1 * S * 0.04 = 0.345575; Q1 = 0.275 S = 2.159845;
  // Q2 = 2.86 S = 22.462387; Q3 = 0.323977; Q4 = 1.2 S = 9.424778
  // Kmat = 16000 V1 + 250 Q1 + 4.56 Q2 + 300 Q3 + 146.36 Q4 = 7648.196
  // Ktrans = 382.410; Klab = 2 * 7.1 * 30000 * 1.56 / 1760 = 377.591; Ktot = 8408.197
  // H = 500 * 3.6 * 4560 / 1e6 / 4.184 * S * 70 * 1.1 / 1.101 = 1077.554
  // E = 1077.554 + 0.18 * 8408.197 = 2591.03
  HeadlessInputs in = TankInputs(11210);
  in.Texts.insert({{"Z", "4560"}, {"Be", "500"}, {"Ktr", "5"}, {"Zpl", "30000"}});
  in.Covering = "Без покрытия";
  HeadlessResult given = RunHeadless(Given(in, "40"));
  EXPECT_DOUBLE_EQ(given.Values["Egod"], 2591.03);
  EXPECT_EQ(given.ChartMode, 7);
  EXPECT_TRUE(given.ChartLines.empty());
  // The cheapest step is 39 mm (2589.94), up the series to 40.
  HeadlessResult calculated = RunHeadless(in);
  EXPECT_DOUBLE_EQ(calculated.Values["Egod"], 2589.94);
  EXPECT_DOUBLE_EQ(calculated.Values["Wiz"], 40);
}

}  // namespace
}  // namespace ovalto
