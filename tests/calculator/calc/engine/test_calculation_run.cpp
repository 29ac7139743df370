#include "engine/calculation_run.h"

#include <gtest/gtest.h>

#include "engine_inputs.h"
#include "grid/grid_navigation.h"
#include "kind_picker.h"
#include "kinds/calc_kinds.h"
#include "recording_message_boxes.h"

namespace ovalto {
namespace {

using testing::Given;
using testing::kCannotCalculate;
using testing::kThickerThan120;
using testing::kThinnerThan1;
using testing::PipeInputs;
using testing::Shows;
using testing::TankInputs;

TEST(CalculationRun, ColdHeatFlowNeedsANegativeNorm) {
  HeadlessInputs in = PipeInputs(21121);
  in.Texts["Tb"] = "5";
  in.Texts["QL"] = "0";
  HeadlessResult result = RunHeadless(in);
  ASSERT_EQ(result.Messages.size(), 1u);
  EXPECT_EQ(result.Messages[0].Text,
            "Для этого типа расчета необходимо указать\rотрицательное значение теплового потока !");
  // The run ends there: no thickness message follows.
}

TEST(CalculationRun, WrongSignComputesNothing) {
  // A positive norm on a cold kind is refused before the engine runs: the
  // thickness stays as it was before the press, and nothing can be printed.
  for (const int kind : {21121, 21211, 51121, 52121}) {
    HeadlessInputs in = kind == 52121 ? TankInputs(kind) : PipeInputs(kind);
    in.Texts["Tb"] = "5";
    in.Texts[kind == 52121 ? "Qf" : "QL"] = "40";
    HeadlessResult result = RunHeadless(in);
    ASSERT_EQ(result.Messages.size(), 1u) << kind;
    EXPECT_EQ(result.Messages[0].Text,
              "Для этого типа расчета необходимо указать\rотрицательное значение теплового потока !");
    EXPECT_EQ(result.Cells["Wiz"], "") << kind;
    EXPECT_FALSE(result.Outputs.ChartButton || result.Outputs.Print || result.Outputs.Excel) << kind;
  }
  // A given thickness yields the flow, here a loss of a pipe warmer than
  // the room: neither is that result offered beside the warning.
  HeadlessInputs warm = Given(PipeInputs(21121), "20");
  warm.Texts["Tb"] = "30";
  const HeadlessResult result = RunHeadless(warm);
  ASSERT_EQ(result.Messages.size(), 1u);
  EXPECT_EQ(result.Messages[0].Text,
            "Для этого типа расчета необходимо указать\rотрицательное значение теплового потока !");
  EXPECT_FALSE(result.Outputs.ChartButton || result.Outputs.Print || result.Outputs.Excel);
}

TEST(CalculationRun, FailedCheckEndsTheRunWithItsOwnMessage) {
  HeadlessInputs in = PipeInputs(11111);
  in.Texts["QL"] = "";
  HeadlessResult result = RunHeadless(in);
  ASSERT_EQ(result.Messages.size(), 1u);
  EXPECT_EQ(result.Messages[0].Text, "Укажите корректное значение 'Тепловой поток, Вт/м' !");
  // No thickness was computed: the cell keeps its text.
  EXPECT_EQ(result.Cells["Wiz"], "");
  EXPECT_FALSE(result.Outputs.Print || result.Outputs.ChartButton);
}

TEST(CalculationRun, FailedEngineRunIsNotFollowedByAThicknessMessage) {
  HeadlessInputs in = PipeInputs(11111);
  in.Texts["QL"] = "40";
  in.Texts["Wst"] = "30";  // no bore left
  HeadlessResult result = RunHeadless(in);
  ASSERT_EQ(result.Messages.size(), 1u);
  EXPECT_EQ(result.Messages[0].Text, kCannotCalculate);
}

TEST(CalculationRun, ColdNormOfZeroIsOutOfReach) {
  // No layer stops the heat gain of a cold pipe entirely.
  HeadlessInputs in = PipeInputs(31111);
  in.Texts["Tb"] = "5";
  in.Texts["Tn"] = "20";
  in.Texts["QL"] = "0";
  HeadlessResult result = RunHeadless(in);
  EXPECT_TRUE(Shows(result, kThickerThan120));
  EXPECT_FALSE(Shows(result, kThinnerThan1));
  EXPECT_EQ(result.Cells["Wiz"], "120");

  in.KindCode = 21121;  // the sign rule of the cold kinds speaks first
  result = RunHeadless(in);
  ASSERT_EQ(result.Messages.size(), 1u);
  EXPECT_EQ(result.Messages[0].Text,
            "Для этого типа расчета необходимо указать\rотрицательное значение теплового потока !");
}

TEST(CalculationRun, SurfaceLimitBelowTheAmbientIsOutOfReach) {
  HeadlessInputs in = PipeInputs(11112);
  in.Texts["Tn"] = "30";
  in.Texts["Tp"] = "25";
  HeadlessResult result = RunHeadless(in);
  EXPECT_TRUE(Shows(result, kThickerThan120));
  EXPECT_FALSE(Shows(result, kThinnerThan1));
  EXPECT_EQ(result.Cells["Wiz"], "120");
}

TEST(CalculationRun, FailedEngineRunIsAWarningNeverAnInfinity) {
  // A wall as thick as the pipe's radius leaves no bore: Rin divides by 0.
  HeadlessInputs in = Given(PipeInputs(11111), "20");
  in.Texts["Wst"] = "30";
  HeadlessResult result = RunHeadless(in);
  ASSERT_FALSE(result.Messages.empty());
  EXPECT_EQ(result.Messages[0].Text, kCannotCalculate);
  for (const auto& [name, text] : result.Cells) {
    EXPECT_EQ(text.find("INF"), std::string::npos) << name;
    EXPECT_EQ(text.find("NAN"), std::string::npos) << name;
  }
}

TEST(CalculationRun, SaturatedAirIsOutOfReach) {
  // Air at 100 % condenses on the cold surface whatever the layer.
  HeadlessInputs in = PipeInputs(21123);
  in.Texts["Tb"] = "5";
  in.Texts["Vla"] = "100";
  HeadlessResult result = RunHeadless(in);
  EXPECT_TRUE(Shows(result, kThickerThan120));
  EXPECT_FALSE(Shows(result, kThinnerThan1));

  in.KindCode = 31226;
  in.Texts = {{"Dv", "250"}, {"Tb", "20"}, {"Tn", "-10"}, {"Wb", "5"}, {"Vlv", "100"}, {"W", "3"}};
  in.InsulationLine.clear();
  result = RunHeadless(in);
  EXPECT_TRUE(Shows(result, kThickerThan120));
  EXPECT_FALSE(Shows(result, kThinnerThan1));
}

class CalculationRunSession : public ::testing::Test {
 protected:
  void SetUp() override {
    session.Engine = &engine;
    PickCalcKind(session, 11111, [] {});
    for (auto [name, text] : PipeInputs(11111).Texts) {
      const VariableRecord* record = session.Variables.Find(name);
      if (record->InputKind == 12) session.Grid.cbVD.Text = text;
      if (record->InputKind == 13) session.Grid.cbTS.Text = text;
      if (record->InputKind == 0) session.Grid.SetCell(record->GridRow, text);
    }
    session.Grid.SetCell(session.Variables.VariableRow("QL"), "40");
    // Not the first press, and the user left the last row: nothing is
    // derived over the inputs.
    session.CbarTag = session.CalcKindCode;
    session.Grid.CurrentRow = session.Grid.Tag = session.Grid.RowCount() - 1;
    messages.Shown.clear();
  }

  testing::RecordingMessageBoxes messages;
  CalcSession session{messages};
  CalculationEngine engine{session};
};

TEST_F(CalculationRunSession, RunRemembersItsInputsAndReleasesTheChosenCoefficient) {
  session.Grid.bbGetKT.Tag = 1;
  RunCalculation(session, engine);
  EXPECT_TRUE(messages.Shown.empty());
  EXPECT_EQ(session.CalkTag, 0);
  EXPECT_EQ(session.Grid.bbGetKT.Tag, 0);
  EXPECT_EQ(session.Variables.Find("Tb")->RememberedText, "90");
  EXPECT_EQ(session.Variables.Find("Kdp")->RememberedText, "1,2");
  EXPECT_EQ(session.Variables.Find("Wiz")->RememberedText, "17");  // before the series' 20
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Wiz"), 20);
  EXPECT_EQ(session.Variables.Find("Ti_")->RememberedText, "KALDERON Vardo");
}

TEST_F(CalculationRunSession, ColdSignStopRemembersNothing) {
  session.CalcKindCode = 21121;
  session.Grid.SetCell(session.Variables.VariableRow("Tb"), "5");
  session.Grid.SetCell(session.Variables.VariableRow("QL"), "5");
  RunCalculation(session, engine);
  EXPECT_EQ(session.Variables.Find("Tb")->RememberedText, "");
}

// A calculation screen with the real engine, on which the user enters values
// with the mouse: a click on the cell, then the value.
class CalculationRunByMouse : public ::testing::Test {
 protected:
  void SetUp() override { session.Engine = &engine; }

  void Choose(int kind) {
    session.PageTag = PageOfKind(kind);
    PickCalcKind(session, kind, [] {});
  }
  void ClickAndType(const std::string& name, const std::string& text) {
    const int row = session.Variables.VariableRow(name);
    SetGridRow(session, row);
    session.Grid.SetCell(row, text);
  }
  std::size_t Boxes() const { return messages.Shown.size() + messages.RaisedErrors.size(); }

  testing::RecordingMessageBoxes messages;
  CalcSession session{messages};
  CalculationEngine engine{session};
};

TEST_F(CalculationRunByMouse, AfterTheSignWarningTheGridDerivesAgain) {
  // A cold tank: a positive norm at 40 °C first; then the user mends the
  // temperature and the norm and presses again. The run takes the
  // conductivity of a cold substance and sizes as a fresh run does.
  HeadlessInputs in;
  in.KindCode = 52121;
  in.Texts = {{"Tb", "40"}, {"Qf", "40"}};
  Choose(in.KindCode);
  FillGrid(session, in);
  RunCalculation(session, engine);
  ASSERT_EQ(messages.Shown.size(), 1u);
  ASSERT_EQ(messages.Shown[0].Text,
            "Для этого типа расчета необходимо указать\rотрицательное значение теплового потока !");

  ClickAndType("Tb", "10");
  ClickAndType("Qf", "-8");
  RunCalculation(session, engine);
  in.Texts = {{"Tb", "10"}, {"Qf", "-8"}};
  HeadlessResult fresh = RunHeadless(in);
  EXPECT_DOUBLE_EQ(fresh.Values["Liz"], 0.035);
  EXPECT_EQ(session.Variables.GetVariable("Liz"), fresh.Values["Liz"]);
  EXPECT_EQ(session.Variables.GetVariable("Wiz"), fresh.Values["Wiz"]);
  EXPECT_EQ(fresh.Values["Wiz"], 50);
}

TEST_F(CalculationRunByMouse, TheValueMendedAfterAFailedCheckDerivesAgain) {
  // Too cold for a heating pipe: the check takes the user to the row of the
  // substance's temperature, where the value is mended and "Расчет" pressed.
  HeadlessInputs in = PipeInputs(11111);
  in.Texts.erase("Liz");
  in.Texts.erase("An");
  in.Texts["Tb"] = "10";
  in.Texts["QL"] = "40";
  Choose(in.KindCode);
  FillGrid(session, in);
  RunCalculation(session, engine);
  ASSERT_EQ(messages.Shown.size(), 1u);
  ASSERT_EQ(session.Grid.CurrentRow, session.Variables.VariableRow("Tb"));

  session.Grid.SetCell(session.Grid.CurrentRow, "90");
  RunCalculation(session, engine);
  in.Texts["Tb"] = "90";
  HeadlessResult fresh = RunHeadless(in);
  EXPECT_DOUBLE_EQ(fresh.Values["Liz"], 0.048);
  EXPECT_EQ(session.Variables.GetVariable("Liz"), fresh.Values["Liz"]);
  EXPECT_EQ(session.Variables.GetVariable("An"), fresh.Values["An"]);
  EXPECT_EQ(session.Variables.GetVariable("Wiz"), fresh.Values["Wiz"]);
  EXPECT_EQ(messages.Shown.size(), 1u);
}

TEST_F(CalculationRunByMouse, OnePressShowsOneBoxHoweverManyRowsItSteps) {
  // The first press steps through every row; each row left derives what
  // lies below it, and each derivation here fails.
  Choose(11125);
  ClickAndType("Tb", "1E308");
  ASSERT_EQ(Boxes(), 0u);
  RunCalculation(session, engine);
  EXPECT_EQ(Boxes(), 1u);

  Choose(31313);
  ClickAndType("Tb", "-0");
  ClickAndType("Vla", "-5");
  messages.Shown.clear();
  messages.RaisedErrors.clear();
  RunCalculation(session, engine);
  EXPECT_EQ(Boxes(), 1u);
}

}  // namespace
}  // namespace ovalto
