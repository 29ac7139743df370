#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "engine/annual_cost.h"
#include "engine_inputs.h"

namespace ovalto {
namespace {

using testing::Given;
using testing::kThickerThan120;
using testing::kThinnerThan1;
using testing::PipeInputs;
using testing::Shows;
using testing::StepOf;

// Steel pipe 60 x 3.5, wall 45.4 W/(m*K), Liz 0.04, An 10, inner 1000, per metre:
//   Rout = 1000 / ((2d + 60) * pi * 10)       d = 0: 0.530516   d = 20: 0.318310
//   Rins = ln(2d / 60 + 1) / (2 * pi * 0.04)  d = 0: 0          d = 20: 2.032511
//   Rin  = 1000 / (53 * pi * 1000)            0.006006
//   Rwall = ln(60 / 53) / (2 * pi * 45.4)     0.000435
//   SumR                                      d = 0: 0.536957   d = 20: 2.357261

TEST(PipeHeatFlow, BareAndInsulatedPipeGiven) {
  // q = Kdp * (Tb - Tn) / SumR = 1.2 * 70 / 0.536957 = 156.437 (bare)
  //                            = 1.2 * 70 / 2.357261 = 35.635 (20 mm), to 0.001
  HeadlessResult bare = RunHeadless(Given(PipeInputs(11111), "0"));
  EXPECT_DOUBLE_EQ(bare.Values["QL"], 156.437);
  HeadlessResult insulated = RunHeadless(Given(PipeInputs(11111), "20"));
  EXPECT_DOUBLE_EQ(insulated.Values["QL"], 35.635);
  EXPECT_DOUBLE_EQ(insulated.Values["Wiz"], 20);  // a given thickness stays
  EXPECT_TRUE(insulated.Messages.empty());
  // The chart: heat flow per step, the norm as a flat line.
  EXPECT_NEAR(insulated.Chart[StepOf(20)].Series1Value, 35.634575, 1e-6);
  EXPECT_DOUBLE_EQ(insulated.Chart[StepOf(20)].Series3Value, 35.635);
  EXPECT_EQ(insulated.ChartMode, 5);
  EXPECT_TRUE(insulated.Outputs.ChartButton && insulated.Outputs.Print && insulated.Outputs.Excel);
}

TEST(PipeHeatFlow, ThinnestStepWithinThePositiveNorm) {
  // q(16) = 40.912 > 40 >= q(17) = 39.411: 17 mm, up the pipe series to 20.
  HeadlessInputs in = PipeInputs(11111);
  in.Texts["QL"] = "40";
  HeadlessResult result = RunHeadless(in);
  EXPECT_DOUBLE_EQ(result.Values["Wiz"], 20);
  EXPECT_TRUE(result.Messages.empty());
}

TEST(PipeHeatFlow, ThinnestWithinTheNormNotThickestAboveIt) {
  // q(20) = 35.635 > 35 >= q(21) = 34.571: 21 mm, up the series to 23 (the
  // thickest step still above the norm would have been 20).
  HeadlessInputs in = PipeInputs(11111);
  in.Texts["QL"] = "35";
  EXPECT_DOUBLE_EQ(RunHeadless(in).Values["Wiz"], 23);
}

TEST(PipeHeatFlow, WallOfAnOtherMaterialIsLeftOut) {
  // "Другой": wall 0 and its conductivity "не учитывать"; Rin = 1000 / (60 pi 1000),
  // SumR(20) = 0.318310 + 2.032511 + 0.005305 = 2.356126, q = 84 / SumR = 35.652
  HeadlessInputs in = Given(PipeInputs(11111), "20");
  in.Texts.erase("Wst");
  in.Texts.erase("Lst");
  in.Texts["Ms_"] = "Другой";
  HeadlessResult result = RunHeadless(in);
  EXPECT_EQ(result.Cells["Lst"], "не учитывать");
  EXPECT_DOUBLE_EQ(result.Values["QL"], 35.652);
  EXPECT_TRUE(result.Messages.empty());
}

TEST(PipeHeatFlow, NormMetExactlyByTheBarePipe) {
  // Without a wall (conductivity "не учитывать") the bare pipe's resistance
  // holds no logarithm, so its heat flow can be typed as the norm bit for bit.
  const double pi = std::numbers::pi;
  const double sumR = 1000 / (60 * pi * 10.0) + 0.0 + 1000 / (53 * pi * 1000.0) + 0.0;
  const double bare = 1.2 * (90.0 - 20.0) / sumR;
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", bare);
  std::string norm(text);
  std::replace(norm.begin(), norm.end(), '.', ',');

  HeadlessInputs in = PipeInputs(11111);
  in.Texts["Lst"] = "не учитывать";
  in.Texts["QL"] = norm;
  HeadlessResult met = RunHeadless(in);
  EXPECT_DOUBLE_EQ(met.Values["Wiz"], 0);
  EXPECT_TRUE(Shows(met, kThinnerThan1));

  // A hair below the bare flow, the next step (0.1 mm) is the first to meet
  // it, which is still under a millimetre.
  in.Texts["QL"] = norm.substr(0, 8);
  HeadlessResult below = RunHeadless(in);
  EXPECT_DOUBLE_EQ(below.Values["Wiz"], 0);
}

TEST(PipeHeatFlow, NormNeverMetGives120) {
  // q(120) = 12.891 still above 10.
  HeadlessInputs in = PipeInputs(11111);
  in.Texts["QL"] = "10";
  HeadlessResult result = RunHeadless(in);
  EXPECT_DOUBLE_EQ(result.Values["Wiz"], 120);
  EXPECT_TRUE(Shows(result, kThickerThan120));
  EXPECT_FALSE(result.Outputs.Print);
  EXPECT_FALSE(result.Outputs.Excel);
}

TEST(PipeHeatFlow, FirstMillimetreRoundsToNineOnPipesOver35) {
  // q(0.1) = 153.16 > 150 >= q(1) = 129.17: 1 mm, pipe series 6, and a pipe
  // of 60 mm takes no tube under 9 mm.
  HeadlessInputs in = PipeInputs(11111);
  in.Texts["QL"] = "150";
  EXPECT_DOUBLE_EQ(RunHeadless(in).Values["Wiz"], 9);
}

TEST(PipeHeatFlow, ColdKindComparesTheGainWithItsNegativeNorm) {
  // Cold water indoors: Tb 5, Tn 20, q(d) = 1.2 * (5 - 20) / SumR(d) is a
  // gain: bare -33.52, 18 mm -8.152, 19 mm -7.883 is the first within -8;
  // up the pipe series to 20.
  HeadlessInputs in = PipeInputs(21121);
  in.Texts["Tb"] = "5";
  in.Texts["QL"] = "-8";
  HeadlessResult result = RunHeadless(in);
  EXPECT_DOUBLE_EQ(result.Values["Wiz"], 20);
  EXPECT_TRUE(result.Messages.empty());
}

TEST(PipeSurfaceTemperature, SurfaceOfTheGivenLayer) {
  // 20 mm: P = pi * 100 / 1000 = 0.314159; B = P * 10 * (2.032511 + 0.000435)
  // = 6.386687; Tsurf = (B * 20 + 90) / (1 + B) = 29.4765 -> 29.5
  HeadlessInputs in = Given(PipeInputs(11112), "20");
  in.Texts["Zn_"] = "рабочая и обслуживаемая";
  HeadlessResult result = RunHeadless(in);
  EXPECT_DOUBLE_EQ(result.Values["Tp"], 29.5);
  EXPECT_EQ(result.ChartMode, 3);
}

TEST(PipeSurfaceTemperature, ThinnestStepThatKeepsTheSurfaceWithinTheLimit) {
  // Zone "рабочая и обслуживаемая" permits 35: Breq = (90 - 35) / (35 - 20)
  // = 3.667; 12 mm leaves 35.44, 13 mm is the first within, on the series.
  HeadlessInputs in = PipeInputs(11112);
  in.Texts["Zn_"] = "рабочая и обслуживаемая";
  EXPECT_DOUBLE_EQ(RunHeadless(in).Values["Wiz"], 13);

  // A typed limit of 29.4: Breq = 60.6 / 9.4 = 6.4468. B is 6.3867 at 20 mm
  // (surface 29.48, nearest but too hot) and 6.7669 at 21 mm (29.01), so
  // 21 mm is kept and rounded up the series to 23, never 20.
  in.Texts["Zn_"] = "не учитывается";
  in.Texts["Tp"] = "29,4";
  EXPECT_DOUBLE_EQ(RunHeadless(in).Values["Wiz"], 23);
}

HeadlessInputs TemperatureChange(int kind, const char* flow) {
  HeadlessInputs in = PipeInputs(kind);
  in.Texts.insert({{"L", "100"}, {"Vv_", "вода"}, {"Gm", flow}, {"T1", "90"}, {"T2", "60"}});
  return in;
}

TEST(PipeTemperatureChange, LinearLawForSmallChanges) {
  // 20 mm, water 100 kg/h over 100 m (wall taken as ln(60 / |53|)):
  // x = 1.2 * 3.6 * 100 / (4.182 * 100 * 2.357261) = 0.438220
  // exponential: 20 + 70 / e^x = 65.163; ratio 70 / 45.163 = 1.55 < 2, so
  // linear: (180 - 0.438220 * 90 + 2 * 0.438220 * 20) / 2.438220 = 64.838 -> 64.8
  HeadlessResult result = RunHeadless(Given(TemperatureChange(11114, "100"), "20"));
  EXPECT_DOUBLE_EQ(result.Values["T2"], 64.8);
  EXPECT_EQ(result.ChartMode, 3);
}

TEST(PipeTemperatureChange, ExponentialLawPastTheSwitch) {
  // 10 kg/h: x = 4.382198, ratio e^x > 2: 20 + 70 / e^4.382198 = 20.875 -> 20.9
  EXPECT_DOUBLE_EQ(RunHeadless(Given(TemperatureChange(11114, "10"), "20")).Values["T2"], 20.9);
}

TEST(PipeTemperatureChange, SpeedFillsTheBoreNotTheOuterDiameter) {
  // 0.1 m/s in the bore of 53 mm: G = 0.053^2 * 3600 * 0.1 * pi / 4 * 998 =
  // 792.64 kg/h, x = 0.055286, end 86.234 -> 86.2 (over the outer diameter
  // it would have been 1015.84 kg/h and 87.0).
  HeadlessInputs in = Given(TemperatureChange(11114, "0,1"), "20");
  in.FlowAsSpeed = true;
  EXPECT_DOUBLE_EQ(RunHeadless(in).Values["T2"], 86.2);
}

TEST(PipeTemperatureChange, CoolingKeepsTheThinnestStepAtOrAboveTheRequiredEnd) {
  // 100 kg/h, required 60: bare ends at 30.2, 14 mm below 60, 15 mm at 60.96.
  HeadlessResult result = RunHeadless(TemperatureChange(11114, "100"));
  EXPECT_DOUBLE_EQ(result.Values["Wiz"], 20);  // 15 up the pipe series
}

TEST(PipeTemperatureChange, WarmingMustNotEndAboveTheRequiredEnd) {
  // Cold water (5 °C) in a room at 20: the bare pipe warms it to 17.8; 4 mm
  // keeps it at 14.81 <= 15, 3 mm lets it reach 15.44.
  HeadlessInputs in = TemperatureChange(21124, "100");
  in.Texts["T1"] = "5";
  in.Texts["T2"] = "15";
  HeadlessResult warming = RunHeadless(in);
  EXPECT_DOUBLE_EQ(warming.Values["Wiz"], 9);  // 4, the series' 6, at least 9 on a 60 mm pipe
  // 13 mm lets it reach 11.66, 14 mm keeps it at 11.43 <= 11.5: up the series to 20.
  in.Texts["T2"] = "11,5";
  EXPECT_DOUBLE_EQ(RunHeadless(in).Values["Wiz"], 20);
  in.Texts["T2"] = "18";
  HeadlessResult bareMeets = RunHeadless(in);
  EXPECT_DOUBLE_EQ(bareMeets.Values["Wiz"], 0);
  EXPECT_TRUE(Shows(bareMeets, kThinnerThan1));
}

TEST(PipeTemperatureChange, RequiredEndOutOfReachGives120) {
  HeadlessInputs in = TemperatureChange(11114, "100");
  in.Texts["T2"] = "89";
  HeadlessResult result = RunHeadless(in);
  EXPECT_DOUBLE_EQ(result.Values["Wiz"], 120);
  EXPECT_TRUE(Shows(result, kThickerThan120));
}

TEST(PipeTemperatureChange, GivenThicknessDerivesAtTheStartTemperature) {
  // The end on screen is the result being sought: the outer coefficient is
  // derived at T1 = 90 (as for Tb = 90 on the heat flow kind: 11,3), not at
  // the mean of T1 and an end the check never read.
  HeadlessInputs in = Given(TemperatureChange(11114, "100"), "20");
  in.Texts.erase("An");
  HeadlessResult result = RunHeadless(in);
  EXPECT_DOUBLE_EQ(result.Values["An"], 11.3);
  EXPECT_TRUE(result.Messages.empty());

  // A start twice the ambient once made the reference temperature the
  // ambient itself: no outer coefficient and a failed run.
  in.KindCode = 51114;
  in.Texts["T1"] = "40";
  in.Texts.erase("T2");
  result = RunHeadless(in);
  EXPECT_TRUE(result.Messages.empty());
  EXPECT_GT(result.Values["An"], 0);
  EXPECT_GT(result.Values["T2"], 20);
  EXPECT_LT(result.Values["T2"], 40);
}

TEST(PipeTemperatureChange, LongPipeWithASmallFlowEndsAtTheAmbient) {
  // 5000 m at 2.5 kg/h: under 20 mm x = 0.438220 * 50 * 40 = 876.44, past
  // the range of e^x (709.78) though the end, 20 + 70 / e^876.44, is 20.0;
  // the bare and the thinner steps lie further still. No step reaches 60.
  HeadlessInputs in = Given(TemperatureChange(11114, "2,5"), "20");
  in.Texts["L"] = "5000";
  HeadlessResult result = RunHeadless(in);
  EXPECT_TRUE(result.Messages.empty());
  EXPECT_DOUBLE_EQ(result.Values["T2"], 20);
  EXPECT_DOUBLE_EQ(result.Chart[0].Series1Value, 20);
}

HeadlessInputs FreezeProtection() {
  HeadlessInputs in = PipeInputs(21215);
  in.Texts.insert({{"Vv_", "вода"}, {"Tz", "0"}, {"Pb", "998"}, {"Cp", "4,182"}, {"Rb", "332"}, {"Kz", "25"}});
  in.Texts["Tb"] = "5";
  in.Texts["Tn"] = "-20";
  return in;
}

TEST(PipeFreezeProtection, HoursUntilTheWaterFreezes) {
  // Bore area A = pi * 0.053^2 / 4 = 0.0022062 m2
  // cooling C1 = 2 * (5 - 0) * A * 998 * 4.182 / (0 + 5 + 40) = 2.046179
  // freezing C2 = 998 * A * 332 * 25 / 100 / (0 + 20) = 9.137350
  // Zt = (C1 + C2) * 2.357261 / (1.2 * 3.6) = 6.1024 -> 6.10 h (20 mm)
  HeadlessResult result = RunHeadless(Given(FreezeProtection(), "20"));
  EXPECT_DOUBLE_EQ(result.Values["Zt"], 6.1);
  EXPECT_EQ(result.ChartMode, 5);
}

TEST(PipeFreezeProtection, ThinnestStepThatHoldsOutTheRequiredTime) {
  // 5.91 h at 19 mm, 6.1024 h at 20 mm, 6.2902 h at 21 mm.
  HeadlessInputs in = FreezeProtection();
  in.Texts["Zt"] = "6,1";
  EXPECT_DOUBLE_EQ(RunHeadless(in).Values["Wiz"], 20);
  // Asking for 6.11 h: 20 mm has the nearest resistance but freezes 0.008 h
  // early; 21 mm is kept and rounded up the series to 23.
  in.Texts["Zt"] = "6,11";
  EXPECT_DOUBLE_EQ(RunHeadless(in).Values["Wiz"], 23);
}

TEST(PipeEnergyEfficiency, AnnualCostOfTheGivenLayer) {
  // 20 mm, no covering, Be 500, Z 4560, Ktr 5 %, Zpl 30000:
  // ring Do^2 - Di^2 = 0.1^2 - 0.06^2 = 0.0064
  // Q1 = (0.0064 * pi / 4 + 0.02) * 0.54 = 0.0135143; Q2 = (0.1 pi + 1) * 1.1 = 1.4455752
  // V = 0.0064 * 1.1 * pi / 4 = 0.0055292; Q3 = 0.0020272; Q4 = (0.1 pi + 0.05) * 1.2 = 0.4369911
  // Kmat = 16000 V + 250 Q1 + 4.56 Q2 + 300 Q3 + 146.36 Q4 = 163.0038
  // Ktrans = 8.1502; Klab = 1 * 3.77 * 30000 * 1.56 / 1760 = 100.2477; Ktot = 271.4017
  // H = 500 * 3.6 * 4560 / 1e6 / 4.184 * 70 * 1.2 / 2.357261 = 69.9065
  // E = 69.9065 + 0.18 * 271.4017 = 118.7588 -> 118.76
  HeadlessInputs in = Given(PipeInputs(11110), "20");
  in.Texts.insert({{"Z", "4560"}, {"Be", "500"}, {"Ktr", "5"}, {"Zpl", "30000"}});
  in.Covering = "Без покрытия";
  HeadlessResult result = RunHeadless(in);
  EXPECT_DOUBLE_EQ(result.Values["Egod"], 118.76);
  const ThicknessStep& step = result.Chart[StepOf(20)];
  EXPECT_NEAR(step.Series1Value, 118.758764, 1e-6);
  EXPECT_NEAR(step.Series2Value, 0.18 * 271.401740, 1e-6);
  EXPECT_NEAR(step.Series3Value, 69.906451, 1e-6);
  ASSERT_EQ(result.ChartLines.size(), 122u);
  EXPECT_EQ(CostLineText(result.ChartLines[StepOf(20)]), "48,85\t69,91\t118,76");
  EXPECT_EQ(result.ChartMode, 7);

  // Calculated, the same 20 mm is the cheapest step.
  in.ThicknessGiven = false;
  HeadlessResult calculated = RunHeadless(in);
  EXPECT_DOUBLE_EQ(calculated.Values["Wiz"], 20);
  EXPECT_DOUBLE_EQ(calculated.Values["Egod"], 118.76);
}

TEST(PipeEnergyEfficiency, ChosenCoveringAddsAWorkStepOutdoors) {
  // Outdoors the first covering offered is a product: at 20 mm the labour
  // factor is 2, Klab = 200.4955, E = 118.7588 + 0.18 * 100.2477 = 136.80.
  HeadlessInputs in = Given(PipeInputs(11120), "20");
  in.Texts.insert({{"Z", "4560"}, {"Be", "500"}, {"Ktr", "5"}, {"Zpl", "30000"}});
  in.Covering = "PELLORIT TK";
  EXPECT_DOUBLE_EQ(RunHeadless(in).Values["Egod"], 136.80);
}

}  // namespace
}  // namespace ovalto
