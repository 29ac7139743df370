#include "kinds/calc_kind_setup.h"

#include <gtest/gtest.h>

#include <set>

#include "kinds/calc_kinds.h"
#include "recording_message_boxes.h"

namespace ovalto {
namespace {

class CalcKindSetupTest : public ::testing::Test {
 protected:
  const std::string& ListOf(int code, int objectKind = 0) {
    session.CalcKindCode = code;
    session.ObjectKind = objectKind;
    SetupCalcKind(session);
    return session.VariableList;
  }

  testing::RecordingMessageBoxes messages;
  CalcSession session{messages};
};

TEST_F(CalcKindSetupTest, ClimateAndAmbientAreAddedWhereMissing) {
  EXPECT_EQ(ListOf(31211), "De,Kdp,Vv_,Tb,Wb,Ti_,Liz,Tp_,An,Wiz,QL,Rg_,Np_,Tn");
  EXPECT_EQ(session.CalcSchemeCode, 31211);
  EXPECT_EQ(session.SoughtVariable, "QL");
  // The energy-efficiency schemes list the climate themselves.
  EXPECT_EQ(ListOf(11210), "De,He,Kdp,Z,Tb,Tn,Ti_,Liz,Tp_,An,Be,Rg_,Np_,Wiz,Egod");
  EXPECT_EQ(ListOf(51121), "Ms_,Dn,Wst,Lst,Kdp,Tb,Tn,Ti_,Liz,Tp_,An,Wiz,QL,Rg_,Np_");
  EXPECT_EQ(session.CalcSchemeCode, 11111);
}

TEST_F(CalcKindSetupTest, CondensationOnRectangularDuctAndColdTankHasNoSubstance) {
  for (int code : {31313, 52123}) {
    EXPECT_EQ(ListOf(code), "Tb,Vla,Tr,Tn,Ti_,Liz,Tp_,An,Wiz,Rg_,Np_") << code;
    EXPECT_EQ(session.SoughtVariable, "Vla");
  }
}

TEST_F(CalcKindSetupTest, NoKindLeavesOnlyTheFixedAdditions) {
  EXPECT_EQ(ListOf(0), ",Rg_,Np_,Tn");
  EXPECT_EQ(session.SoughtVariable, "");
  EXPECT_EQ(session.CalcSchemeCode, 0);
}

TEST_F(CalcKindSetupTest, SizedObjectGetsItsSizesInFront) {
  EXPECT_EQ(ListOf(11211, 11), "De,He,Kdp,Tb,Tn,Ti_,Liz,Tp_,An,Wiz,Qf,Rg_,Np_");
  EXPECT_EQ(ListOf(11110, 10), "L,Ms_,Dn,Wst,Lst,Kdp,Z,Tb,Tn,Ti_,Liz,Tp_,An,Be,Rg_,Np_,Wiz,Egod");
  EXPECT_EQ(ListOf(31311, 12), "L,Lv,Hv,Kdp,Vv_,Tb,Wb,Ti_,Liz,Tp_,An,Wiz,QL,Rg_,Np_,Tn");
  // A round duct given by its own diameter keeps it; one without gets "De".
  EXPECT_EQ(ListOf(31224, 13).substr(0, 5), "Dv,L,");
  EXPECT_EQ(ListOf(31211, 13).substr(0, 8), "L,De,Kdp");
  // A tank already sized by its list gets nothing more.
  EXPECT_EQ(ListOf(11214, 11).substr(0, 9), "De,He,Kdp");
}

TEST_F(CalcKindSetupTest, IndoorKindsFollowTheirPage) {
  const std::set<int> outdoor = {11120, 11121, 11124, 11125, 11220, 11221, 11224, 21211, 21214, 21215, 31121,
                                 31221, 31224, 31226, 31321, 31324, 31326, 51211, 51214, 51215, 52211, 52214};
  static constexpr int kPageOfSystem[] = {0, 1, 2, 3, 0, 4};
  for (const CalcKind& kind : CalcKinds()) {
    session.CalcKindCode = kind.Code;
    session.PageTag = kPageOfSystem[kind.Code / 10000];
    EXPECT_EQ(IsIndoorKind(session), outdoor.count(kind.Code) ? 0 : 1) << kind.Code;
  }
  session.CalcKindCode = 0;
  EXPECT_EQ(IsIndoorKind(session), 0);
}

TEST_F(CalcKindSetupTest, ShapeOfTheInsulatedObject) {
  ListOf(31311);
  EXPECT_EQ(ObjectShape(session), kShapeRectangularDuct);
  ListOf(31226);
  EXPECT_EQ(ObjectShape(session), kShapeRoundDuct);
  ListOf(31111);
  EXPECT_EQ(ObjectShape(session), kShapePipe);
  ListOf(52214);
  EXPECT_EQ(ObjectShape(session), kShapeTank);
}

TEST_F(CalcKindSetupTest, KindNameBreaksIntoLinesForTheChart) {
  session.CalcKindCode = 11110;
  ShowCalcKindName(session);
  EXPECT_EQ(session.CalcKindName, "Отопление, трубопровод, в помещении, энергоэффективность");
  EXPECT_EQ(session.KindCaption, "Отопление\r\rтрубопровод\r\rв помещении\r\rэнерго- эффективность");

  session.CalcKindCode = 0;  // not a kind: the last name stays
  ShowCalcKindName(session);
  EXPECT_EQ(session.CalcKindName, "Отопление, трубопровод, в помещении, энергоэффективность");
}

}  // namespace
}  // namespace ovalto
