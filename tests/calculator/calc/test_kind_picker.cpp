#include "kind_picker.h"

#include <gtest/gtest.h>

#include "engine/calculation_run.h"
#include "engine/engine.h"
#include "grid/grid_editors.h"
#include "grid/grid_navigation.h"
#include "grid/input_editors.h"
#include "kind_session.h"
#include "kinds/calc_kinds.h"
#include "kinds/kind_markers.h"
#include "tables/climate_tables.h"

namespace ovalto {
namespace {

class KindPickerTest : public testing::KindScreenTest {
 protected:
  static KindMarkerPoint MarkerOfKind(int code) {
    for (const KindLabelPlace& place : kKindLabelPlaces) {
      if (place.Code == code) return MarkerOf(place);
    }
    return {-1, -1};
  }
};

TEST_F(KindPickerTest, EveryKindIsPickedByItsMarkerOnItsPage) {
  for (const KindLabelPlace& place : kKindLabelPlaces) {
    session.PageTag = place.Page;
    const KindMarkerPoint marker = MarkerOf(place);
    HitTestKindLabels(session, marker.X, marker.Y);
    ASSERT_EQ(session.HoveredKindCode, place.Code);
    EXPECT_TRUE(KindLabelOf(session, place.Code)->Bold);
    PickCalcKind(session, session.HoveredKindCode, [] {});
    EXPECT_EQ(session.CalcKindCode, place.Code);
    EXPECT_EQ(KindLabelOf(session, place.Code)->Tag, -2);
    EXPECT_GT(session.Grid.RowCount(), 0) << place.Code;
  }
}

TEST_F(KindPickerTest, AMarkerReachesNineteenPixelsExclusive) {
  const KindMarkerPoint marker = MarkerOfKind(11111);
  HitTestKindLabels(session, marker.X + 19, marker.Y);
  EXPECT_EQ(session.HoveredKindCode, 0);
  EXPECT_FALSE(KindLabelOf(session, 11111)->Bold);
  HitTestKindLabels(session, marker.X + 13, marker.Y + 13);  // 18.4 away
  EXPECT_EQ(session.HoveredKindCode, 11111);
  HitTestKindLabels(session, -1, -1);
  EXPECT_EQ(session.HoveredKindCode, 0);
  EXPECT_FALSE(KindLabelOf(session, 11111)->Bold);
}

TEST_F(KindPickerTest, NeitherAnotherPagesKindNorADisabledOneIsPicked) {
  const KindMarkerPoint heating = MarkerOfKind(11110);
  session.PageTag = 2;  // the water page shows, whatever the page picture under the mouse was
  HitTestKindLabels(session, heating.X, heating.Y);
  EXPECT_EQ(session.HoveredKindCode, 0);

  session.PageTag = 1;
  KindLabelOf(session, 11110)->Enabled = false;  // sizing a tank
  HitTestKindLabels(session, heating.X, heating.Y);
  EXPECT_EQ(session.HoveredKindCode, 0);
}

TEST_F(KindPickerTest, TheChosenKindIsNotHoveredAgain) {
  screen.Choose(11110);
  const KindMarkerPoint marker = MarkerOfKind(11110);
  HitTestKindLabels(session, marker.X, marker.Y);
  EXPECT_EQ(session.HoveredKindCode, 0);
  EXPECT_TRUE(KindLabelOf(session, 11110)->Bold) << "stays shown as chosen";
}

TEST_F(KindPickerTest, AClickPicksTheClickedLabelsKindWhateverIsHovered) {
  session.PageTag = 1;
  HoverKindLabel(session, 11124);
  EXPECT_TRUE(KindLabelOf(session, 11124)->Bold);
  session.HoveredKindCode = 0;  // the mouse moved on meanwhile
  bool switched = false;
  PickCalcKind(session, 11124, [&] { switched = true; });
  EXPECT_TRUE(switched);
  EXPECT_EQ(session.CalcKindCode, 11124);
  EXPECT_EQ(session.CalcKindName, "Отопление, трубопровод, на открытом воздухе, изменение температуры");
}

TEST_F(KindPickerTest, PickingResetsTheLastKindsState) {
  screen.Choose(11111);
  session.Grid.bbGetKT.Tag = 1;
  session.CbarTag = 11111;
  session.Variables.Find("Tb")->Mark = 1;
  session.Variables.Find("Tn")->RememberedText = std::string(1, '5');
  screen.Choose(11112);
  EXPECT_EQ(KindLabelOf(session, 11111)->Tag, -1);
  EXPECT_FALSE(KindLabelOf(session, 11111)->Bold);
  EXPECT_EQ(session.Grid.bbGetKT.Tag, 0);
  EXPECT_EQ(session.CbarTag, 0);
  EXPECT_EQ(session.Variables.Find("Tb")->Mark, 0);
  EXPECT_EQ(screen.Cell("Tn"), "20") << "indoor kinds always start at 20 degrees";
  EXPECT_EQ(session.Grid.cbWI.Tag, -screen.Row("Tp"));
}

TEST(KindPickerRemembered, SubstanceTheKindLacksGivesWayToItsFirst) {
  // A duct's run left "воздух" as the remembered substance; the freeze
  // protection kind offers water only, so it shows water with water's
  // properties, and the pick shows no box.
  testing::RecordingMessageBoxes messages;
  CalcSession session{messages};
  CalculationEngine engine{session};
  session.Engine = &engine;
  session.Variables.Find("Vv_")->RememberedText = "воздух";
  session.Variables.Find("Pb")->RememberedText = "1,205";

  session.PageTag = 1;
  PickCalcKind(session, 11125, [] {});
  EXPECT_EQ(session.Grid.cbVV.Text, "вода");
  const auto cell = [&](const char* name) {
    return session.Grid.Values[static_cast<std::size_t>(session.Variables.VariableRow(name))];
  };
  EXPECT_EQ(cell("Pb"), "998");
  EXPECT_EQ(cell("Tz"), "0");
  EXPECT_TRUE(messages.RaisedErrors.empty());
  EXPECT_TRUE(messages.Shown.empty());
}

TEST(KindPickerRemembered, LeavingTheGridShowsAtMostOneFailedDerivation) {
  // No substance chosen and every temperature 0: an outer coefficient of 0,
  // on which any scan fails. The substance's derivations have nothing to
  // derive and must not run the scheme instead.
  testing::RecordingMessageBoxes messages;
  CalcSession session{messages};
  CalculationEngine engine{session};
  session.Engine = &engine;
  session.PageTag = 1;
  PickCalcKind(session, 11125, [] {});
  for (const VariableRecord& record : session.Variables.Records()) {
    if (record.GridRow > 0 && record.InputKind == 0) session.Grid.SetCell(record.GridRow, "0");
  }
  session.Grid.cbVD.Text = "60";
  session.Grid.cbTS.Text = "3,5";
  SelectItem(session.Grid.cbVV, -1);
  for (int row = 1; row < session.Grid.RowCount(); ++row) {
    messages.RaisedErrors.clear();
    SetGridRow(session, row);
    EXPECT_LE(messages.RaisedErrors.size(), 1u) << row;
  }
}

// A settlement of the climate table by what it gives: a wind and every
// temperature, or a wind but no annual mean, which the heat-flow kinds need.
const ClimateRecord* SettlementWith(bool annualMean) {
  for (const ClimateRecord& row : ClimateTable()) {
    const WindRecord* wind = FindWindRow(row.Region, row.Settlement);
    if (wind && wind->WindSpeed2 > 0 && row.AnnualMeanTemp.has_value() == annualMean && row.HeatingMeanTemp &&
        row.WinterDesignTemp && (row.SummerTemp || !annualMean)) {
      return &row;
    }
  }
  return nullptr;
}

TEST(KindPickerSettlement, APickTakesTheShownSettlementsClimateAsChoosingItAgain) {
  testing::RecordingMessageBoxes messages;
  CalcSession session{messages};
  CalculationEngine engine{session};
  session.Engine = &engine;
  GridModel& grid = session.Grid;
  grid.cbRG.Items = RegionListItems();
  const auto choose = [&](int code) {
    static constexpr int kPageOfSystem[] = {0, 1, 2, 3, 0, 4};
    session.PageTag = kPageOfSystem[code / 10000];
    PickCalcKind(session, code, [] {});
  };
  const auto cell = [&](const char* name) {
    const int row = session.Variables.VariableRow(name);
    return row > 0 ? grid.Values[static_cast<std::size_t>(row)] : std::string("(hidden)");
  };

  for (const ClimateRecord* place : {SettlementWith(true), SettlementWith(false)}) {
    ASSERT_NE(place, nullptr) << "the climate table lacks such a settlement";
    for (const CalcKind& before : CalcKinds()) {
      // The user calculates one kind in the place, then picks another.
      choose(before.Code);
      grid.cbRG.SelectText(std::string(place->Region));
      cbRGChange(session);
      grid.cbNP.SelectText(std::string(place->Settlement));
      cbNPChange(session);
      RunCalculation(session, engine);
      for (const CalcKind& after : CalcKinds()) {
        if (after.Code == before.Code) continue;
        choose(before.Code);
        choose(after.Code);
        ASSERT_EQ(grid.cbNP.Text, place->Settlement);
        const std::string tn = cell("Tn");
        const std::string w = cell("W");
        cbNPChange(session);
        ASSERT_EQ(tn, cell("Tn")) << before.Code << " then " << after.Code << " in " << place->Settlement;
        ASSERT_EQ(w, cell("W")) << before.Code << " then " << after.Code << " in " << place->Settlement;
      }
    }
  }
}

}  // namespace
}  // namespace ovalto
