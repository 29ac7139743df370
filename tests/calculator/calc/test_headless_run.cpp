#include "headless_run.h"

#include <gtest/gtest.h>

#include "engine_inputs.h"

namespace ovalto {
namespace {

using testing::PipeInputs;

TEST(HeadlessRun, DerivesWhatIsNotTyped) {
  // Liz of "KALDERON Vardo" at Tb 90: 0.0002 * (90 + 40) / 2 + 0.035 = 0.048.
  // An for Tb 90, Tn 20, Dn 60, no covering: A = 3.105, B = 2.93,
  // aR = 5.2 * (A^4 - B^4) / 17.5 = 5.7197, aC = 1.37 * (17500 / 63)^(1/4) = 5.5930: 11.3
  HeadlessInputs in = PipeInputs(11111);
  in.Texts.erase("Liz");
  in.Texts.erase("An");
  in.Texts["QL"] = "40";
  HeadlessResult result = RunHeadless(in);
  EXPECT_DOUBLE_EQ(result.Values["Liz"], 0.048);
  EXPECT_DOUBLE_EQ(result.Values["An"], 11.3);
  EXPECT_EQ(result.Cells["An"], "11,3");
  EXPECT_TRUE(result.Messages.empty());
}

TEST(HeadlessRun, TypedValuesWinAndHiddenOnesAreStored) {
  HeadlessInputs in = PipeInputs(11111);
  in.Texts["QL"] = "40";
  in.Texts["Zpl"] = "50000";  // not shown for a heat flow kind
  HeadlessResult result = RunHeadless(in);
  EXPECT_DOUBLE_EQ(result.Values["An"], 10);
  EXPECT_DOUBLE_EQ(result.Values["Liz"], 0.04);
  EXPECT_DOUBLE_EQ(result.Values["Zpl"], 50000);
  EXPECT_EQ(result.Cells.count("Zpl"), 0u);
  EXPECT_EQ(result.Cells["Wiz"], "20");
}

TEST(HeadlessRun, ChoosesRegionAndSettlementAsTheUserDoes) {
  // Майкоп, wind 3. Leaving the settlement's row keeps what choosing it
  // gave: the annual mean (10,9) that the heat-flow norm holds for.
  HeadlessInputs in = PipeInputs(11121);
  in.Texts.erase("Tn");
  in.Texts.erase("W");
  in.Texts["QL"] = "40";
  in.Texts["Rg_"] = "Республика Адыгея";
  in.Texts["Np_"] = "Майкоп";
  HeadlessResult result = RunHeadless(in);
  EXPECT_TRUE(result.Messages.empty());
  EXPECT_EQ(result.Cells["Tn"], "10,9");
  EXPECT_EQ(result.Cells["W"], "3");
  EXPECT_EQ(result.Cells["Rg_"], "Республика Адыгея");
}

TEST(HeadlessRun, RunsAreIndependent) {
  HeadlessInputs in = PipeInputs(11111);
  in.Texts["QL"] = "40";
  const HeadlessResult first = RunHeadless(in);
  const HeadlessResult second = RunHeadless(in);
  EXPECT_EQ(first.Values, second.Values);
  for (int i = 0; i < kThicknessStepCount; ++i) {
    EXPECT_EQ(first.Chart[i].Series1Value, second.Chart[i].Series1Value);
  }
}

}  // namespace
}  // namespace ovalto
