#include "grid/outer_coefficient_choice.h"

#include <gtest/gtest.h>

#include <utility>

#include "engine/calculation_run.h"
#include "engine/engine.h"
#include "grid/grid_editors.h"
#include "grid/grid_exit.h"
#include "grid/grid_navigation.h"
#include "kind_picker.h"
#include "recording_message_boxes.h"

namespace ovalto {
namespace {

// A humid rectangular duct outdoors, typed in, the grid then left row by row
// as the user would.
class CoefficientInARun : public ::testing::Test {
 protected:
  void SetUp() override {
    session.Engine = &engine;
    session.PageTag = 3;
    PickCalcKind(session, 31326, [] {});
    for (const auto& [name, text] :
         {std::pair{"Lv", "400"}, {"Hv", "200"}, {"Tb", "20"}, {"Vlv", "60"}, {"Wb", "5"}, {"Tn", "-10"}, {"W", "5"}}) {
      session.Grid.SetCell(session.Variables.VariableRow(name), text);
    }
    while (session.Grid.CurrentRow < session.Grid.RowCount() - 1) SelectNextInputRow(session, true);
  }
  double An() { return session.Variables.GetVariable("An"); }

  testing::RecordingMessageBoxes messages;
  CalcSession session{messages};
  CalculationEngine engine{session};
};

TEST_F(CoefficientInARun, ChoiceHoldsThroughEditsAndTheRunReleasesIt) {
  // Derived: convection at the side (wind 5 m/s) plus radiation of the covering.
  ASSERT_DOUBLE_EQ(An(), 24.7);
  ASSERT_TRUE(TakeChosenCoefficient(session.Variables, 12));

  // Leaving a row above "An" and changing the covering derive "An" again.
  session.Grid.CurrentRow = session.Variables.VariableRow("Tb");
  SGExit(session);
  cbTPChange(session);
  EXPECT_EQ(An(), 12);

  RunCalculation(session, engine);
  EXPECT_EQ(session.Grid.bbGetKT.Tag, 0);
  EXPECT_EQ(session.Grid.Values[session.Variables.VariableRow("An")], "12");
  // The run took 12: with it 5 mm on the duct series keep the inner surface
  // dry (the derived 24.7 would have needed 8).
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Wiz"), 5);

  cbTPChange(session);
  EXPECT_DOUBLE_EQ(An(), 24.7);
}

}  // namespace
}  // namespace ovalto
