#include <gtest/gtest.h>

#include "engine/engine.h"
#include "recording_message_boxes.h"
#include "state/calc_session.h"

namespace ovalto {
namespace {

class OuterCoefficientTest : public ::testing::Test {
 protected:
  // A kind with its list; Tb and Tn as a scheme loads them; line 1
  // ("KALDERON Vardo", radiation 5.2) and the given covering.
  void Set(int kind, const std::string& list, double tb, double tn, const std::string& covering = "Без покрытия") {
    session.CalcKindCode = kind;
    session.VariableList = list;
    state.Tb = tb;
    state.Tn = tn;
    session.Variables.SetVariable("Tn", "!", tn);
    session.Grid.cbTI.Items = {"KALDERON Vardo"};
    session.Grid.cbTI.SelectText("KALDERON Vardo");
    session.Grid.cbTP.Items = {covering};
    session.Grid.cbTP.SelectText(covering);
  }

  testing::RecordingMessageBoxes messages;
  CalcSession session{messages};
  EngineState state;
};

TEST_F(OuterCoefficientTest, StillAirAroundAPipe) {
  // Tb 60, Tn 20, Dn 57: A = (20 + 40 / 4 + 273) / 100 = 3.03, B = 2.93,
  // aR = 5.2 * (3.03^4 - 2.93^4) / 10 = 5.5060;
  // aC = 1.37 * (1000 * 40 / 4 / (1.05 * 57))^(1/4) = 4.9255; 10.4315 -> 10.4
  Set(11110, "Ms_,Dn,Wst,Lst,Kdp,Z,Tb,Tn,Ti_,Liz,Tp_,An,Be,Rg_,Np_,Wiz,Egod", 60, 20);
  session.Variables.SetVariable("Dn", "!", 57);
  CalcOuterCoefficient(session, state);
  EXPECT_DOUBLE_EQ(state.An, 10.4);
  EXPECT_DOUBLE_EQ(state.OuterRadiationCoefficient, 5.2);
}

TEST_F(OuterCoefficientTest, WindAroundAPipeAndTheCoveringsRadiation) {
  const std::string list = "Ms_,Dn,Wst,Lst,Kdp,Z,Tb,Tn,W,Ti_,Liz,Tp_,An,Be,Rg_,Np_,Wiz,Egod";
  Set(11120, list, 60, -10);
  session.Variables.SetVariable("Dn", "!", 57);
  CalcOuterCoefficient(session, state);
  EXPECT_DOUBLE_EQ(state.An, 4.2);  // no wind: radiation alone, 4.1785

  // W 5 under "PELLORIT TK" (0.35): aC = 3.9 * 5^0.6 / (1.05 * 0.057)^0.2
  // = 17.9901, aR = 0.2812; 18.2714 -> 18.3
  Set(11120, list, 60, -10, "PELLORIT TK");
  session.Variables.SetVariable("W", "!", 5);
  CalcOuterCoefficient(session, state);
  EXPECT_DOUBLE_EQ(state.An, 18.3);
  EXPECT_DOUBLE_EQ(state.OuterRadiationCoefficient, 0.35);
}

TEST_F(OuterCoefficientTest, FlatWalls) {
  // Still air: aC = 1.66 * (40 / 4)^(1/3) = 3.5764, + 5.5060 = 9.1
  Set(11210, "De,He,Kdp,Z,Tb,Tn,Ti_,Liz,Tp_,An,Be,Rg_,Np_,Wiz,Egod", 60, 20);
  session.Variables.SetVariable("De", "!", 1000);
  CalcOuterCoefficient(session, state);
  EXPECT_DOUBLE_EQ(state.An, 9.1);
  // Wind 5 at Tn -10: aC = 5^0.8 * (5.95 + 0.15) / 1.5^0.2 = 20.3839, + 4.1785 = 24.6
  Set(11220, "De,He,Kdp,Z,Tb,Tn,W,Ti_,Liz,Tp_,An,Be,Rg_,Np_,Wiz,Egod", 60, -10);
  session.Variables.SetVariable("W", "!", 5);
  CalcOuterCoefficient(session, state);
  EXPECT_DOUBLE_EQ(state.An, 24.6);
}

TEST_F(OuterCoefficientTest, WindRunsAlongOneAndAHalfTimesTheWallsSize) {
  // The 2000 mm tank at 90 under Москва's 5,9 and "PELLORIT TK" (0.35):
  // aR = 0.35 * (2.99925^4 - 2.789^4) / 21.025 = 0.3398,
  // aC = W^0.8 * (5.95 - 1.5 * 5.9 / 100) / (1.5 * 2)^0.2 = 4.7052 * W^0.8.
  // A rectangular duct's side of 2000 mm is the same wall, for each of the
  // duct's tasks.
  const std::pair<double, double> expected[] = {{2, 8.5}, {5, 17.4}, {10, 30.0}, {15, 41.4}};
  for (const auto& [wind, an] : expected) {
    Set(11221, "De,Kdp,Z,Tb,Tn,W,Ti_,Liz,Tp_,An,Wiz,Qf,Rg_,Np_", 90, 5.9, "PELLORIT TK");
    session.Variables.SetVariable("De", "!", 2000);
    session.Variables.SetVariable("W", "!", wind);
    CalcOuterCoefficient(session, state);
    EXPECT_DOUBLE_EQ(state.An, an) << wind;

    Set(31326, "Lv,Hv,Vv_,Tb,Vlv,Trv,Wb,Ab,Tn,W,Ti_,Liz,Tp_,An,Wiz,Rg_,Np_", 90, 5.9, "PELLORIT TK");
    session.Variables.SetVariable("Lv", "!", 2000);
    CalcOuterCoefficient(session, state);
    EXPECT_DOUBLE_EQ(state.An, an) << wind;

    // The heat-flow duct has no diameter either: its wall is its side too.
    Set(31321, "Lv,Hv,Kdp,Vv_,Tb,Wb,Tn,W,Ti_,Liz,Tp_,An,Wiz,QL,Rg_,Np_", 90, 5.9, "PELLORIT TK");
    CalcOuterCoefficient(session, state);
    EXPECT_DOUBLE_EQ(state.An, an) << wind;
  }
}

TEST_F(OuterCoefficientTest, AmbientLastInTheListCounts) {
  // The indoor round duct gets "Tn" appended at the end of its list; its
  // radiation still works over |20 - 12| / 4: aR 5.2858 + aC 2.4067 = 7.7
  // (reading the ambient as 0 would give 5.9).
  Set(31211, "De,Kdp,Vv_,Tb,Wb,Ti_,Liz,Tp_,An,Wiz,QL,Rg_,Np_,Tn", 12, 20);
  session.Variables.SetVariable("De", "!", 200);
  CalcOuterCoefficient(session, state);
  EXPECT_DOUBLE_EQ(state.An, 7.7);
}

TEST_F(OuterCoefficientTest, TemperatureChangeTakesTheMeanOfStartAndEnd) {
  // No "Tb" in the list: Tref = (80 + 40) / 2 = 60, the same as Tb 60 above.
  Set(11114, "Ms_,Dn,Wst,Lst,L,Kdp,Vv_,Pb,Cp,Gm,T1,T2,Tn,Ti_,Liz,Tp_,An,Wiz", 0, 20);
  state.T1 = 80;
  state.T2 = 40;
  session.Variables.SetVariable("Dn", "!", 57);
  CalcOuterCoefficient(session, state);
  EXPECT_DOUBLE_EQ(state.An, 10.4);
}

TEST_F(OuterCoefficientTest, UnknownKindIsReported) {
  Set(99999, "Tb,Tn", 60, 20);
  CalcOuterCoefficient(session, state);
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Text, "Не рассчитан An для #99999");
  EXPECT_EQ(messages.Shown[0].Buttons, kButtonOk);
  EXPECT_DOUBLE_EQ(state.An, 5.5);  // the radiative part alone
}

TEST_F(OuterCoefficientTest, ZeroDiameterFails) {
  Set(11110, "Dn,Tb,Tn", 60, 20);
  session.Variables.SetVariable("Dn", "!", 0);
  EXPECT_THROW(CalcOuterCoefficient(session, state), CalculationFailure);
}

}  // namespace
}  // namespace ovalto
