#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine.h"
#include "engine/scheme_frame.h"
#include "recording_message_boxes.h"
#include "state/calc_session.h"

namespace ovalto {
namespace {

TEST(StdThicknessTable, StepsAndSeries) {
  const ThicknessTable table = MakeStdThicknessTable();
  EXPECT_DOUBLE_EQ(table[0].ThicknessMm, 0);
  EXPECT_DOUBLE_EQ(table[1].ThicknessMm, 0.1);
  EXPECT_DOUBLE_EQ(table[121].ThicknessMm, 120);
  int pipeTank = 0, duct = 0, both = 0;
  for (const ThicknessStep& step : table) {
    pipeTank += (step.SeriesFlags & kPipeTankSeries) != 0;
    duct += (step.SeriesFlags & kDuctSeries) != 0;
    both += step.SeriesFlags == 3;
  }
  EXPECT_EQ(pipeTank, 20);
  EXPECT_EQ(duct, 37);
  EXPECT_EQ(both, 12);
  EXPECT_EQ(table[1].SeriesFlags, 0);
  EXPECT_EQ(table[14].SeriesFlags, kPipeTankSeries);  // 13 mm
  EXPECT_EQ(table[16].SeriesFlags, kDuctSeries);      // 15 mm
}

TEST(RoundToStdThickness, UpToTheNextStepHalvesToEven) {
  EXPECT_DOUBLE_EQ(RoundToStdThickness(0.05), 0);  // the step 0.1 rounds to 0
  EXPECT_DOUBLE_EQ(RoundToStdThickness(12.2), 13);
  EXPECT_DOUBLE_EQ(RoundToStdThickness(120), 120);
  EXPECT_DOUBLE_EQ(RoundToStdThickness(130.5), 130);
}

TEST(CheckedArithmetic, FailsWhereNoFiniteResultExists) {
  EXPECT_THROW(Div(1, 0), CalculationFailure);
  EXPECT_THROW(Div(0, 0), CalculationFailure);
  EXPECT_THROW(Ln(0), CalculationFailure);
  EXPECT_THROW(Ln(-1), CalculationFailure);
  EXPECT_THROW(Exp(1000), CalculationFailure);
  EXPECT_THROW(Power(-8, 1.0 / 3), CalculationFailure);
  EXPECT_THROW(Power(0, -1), CalculationFailure);
  EXPECT_DOUBLE_EQ(Power(0, 0.25), 0);
  EXPECT_DOUBLE_EQ(Power(-2, 3), -8);
  EXPECT_DOUBLE_EQ(Exp(-1000), 0);
}

TEST(PipeWallResistance, NoWallWithoutConductivity) {
  EXPECT_DOUBLE_EQ(PipeWallResistance(60, 53, 0), 0);
  EXPECT_NEAR(PipeWallResistance(60, 53, 45.4), std::log(60.0 / 53) / (2 * M_PI * 45.4), 1e-15);
}

TEST(Selection, SmallestCriterionKeepsTheFirstAndTheThinnerOnTies) {
  EngineState e;
  StartSmallestCriterion(e);
  EXPECT_TRUE(OfferCandidate(e, 5, 0, false));  // the first is kept whatever it is
  EXPECT_FALSE(OfferCandidate(e, 3, 1, false));
  EXPECT_TRUE(OfferCandidate(e, 3, 2));
  EXPECT_FALSE(OfferCandidate(e, 3, 3));
  EXPECT_DOUBLE_EQ(e.BestThickness, 2);
}

TEST(Selection, ThinnestMeetingOrTheThickestStep) {
  EngineState e;
  StartThinnestMeeting(e);
  OfferMeeting(e, 0, false);
  EXPECT_DOUBLE_EQ(e.BestThickness, 120);
  OfferMeeting(e, 7, true);
  OfferMeeting(e, 8, true);
  EXPECT_DOUBLE_EQ(e.BestThickness, 7);
}

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    session.Engine = &engine;
    session.CalcKindCode = session.CalcSchemeCode = 11111;
    session.VariableList = "Ms_,Dn,Wst,Lst,Kdp,Tb,Tn,Ti_,Liz,Tp_,An,Wiz,QL";
    session.Grid.cbTI.Items = {"KALDERON Vardo"};
    session.Grid.cbTI.SelectText("KALDERON Vardo");
    session.Grid.cbTP.Items = {"Без покрытия"};
    session.Grid.cbTP.SelectText("Без покрытия");
    session.Grid.cbWI.Items = {"рассчитывается", "указывается"};
    session.Grid.cbWI.SelectText("рассчитывается");
  }

  testing::RecordingMessageBoxes messages;
  CalcSession session{messages};
  CalculationEngine engine{session};
};

TEST_F(EngineTest, ConductivityDerivedAtTheSubstanceTemperature) {
  session.Variables.SetVariable("Tb", "!", 19.9);
  engine.CalculateScheme("Liz");
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Liz"), 0.035);
  session.Variables.SetVariable("Tb", "!", 20);
  engine.CalculateScheme("Liz");
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Liz"), 0.0002 * 30 + 0.035);
  EXPECT_FALSE(engine.State.Outputs.Chart);  // a derivation unlocks no output
  EXPECT_EQ(session.CalcKindName, "Отопление, трубопровод, в помещении, тепловой поток");
}

TEST_F(EngineTest, SubstanceDerivedOnlyWhereTheSchemeListsIt) {
  session.CalcKindCode = session.CalcSchemeCode = 11114;
  session.VariableList = "Ms_,Dn,Wst,Lst,L,Kdp,Vv_,Pb,Cp,Gm,T1,T2,Tn,Ti_,Liz,Tp_,An,Wiz";
  session.Grid.cbVV.Items = {"вода"};
  session.Grid.cbVV.SelectText("вода");
  engine.CalculateScheme("Pb");
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Pb"), 998);
  EXPECT_TRUE(messages.Shown.empty());
}

TEST_F(EngineTest, ChosenCoefficientIsNotDerivedOver) {
  session.Grid.bbGetKT.Tag = 1;
  session.Variables.Find("An")->Value = 26;
  engine.State.Outputs = {true, true, true, true};
  engine.CalculateScheme("An");
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("An"), 26);
  EXPECT_FALSE(engine.State.Outputs.Chart);
  EXPECT_FALSE(engine.State.Outputs.Print);
  EXPECT_TRUE(engine.State.Outputs.ChartButton);
}

TEST_F(EngineTest, FailedDerivationIsShownAndWritesNothing) {
  // A derivation the scheme does not answer runs it whole; with every size
  // 0 its first logarithm fails.
  session.Variables.SetVariable("Tb", "!", 90);
  session.Variables.SetVariable("An", "!", 10);
  session.Variables.SetVariable("QL", "!", 40);
  engine.CalculateScheme("Tr");
  ASSERT_EQ(messages.RaisedErrors.size(), 1u);
  EXPECT_EQ(messages.RaisedErrors[0], kCalculationFailedText);
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Wiz"), 0);
  EXPECT_THROW(engine.CalculateScheme(""), CalculationFailure);
}

TEST_F(EngineTest, UnknownSchemeStillUnlocksTheOutputs) {
  int redrawn = 0;
  engine.State.RedrawChart = [&] { ++redrawn; };
  session.CalcSchemeCode = 99999;
  engine.CalculateScheme("");
  EXPECT_TRUE(engine.State.Outputs.Chart && engine.State.Outputs.Print && engine.State.Outputs.Excel);
  EXPECT_EQ(redrawn, 1);
}

}  // namespace
}  // namespace ovalto
