#include "grid/grid_build.h"

#include <gtest/gtest.h>

#include "grid/input_editors.h"
#include "kind_session.h"
#include "kinds/calc_kinds.h"

namespace ovalto {
namespace {

using Names = std::vector<std::string>;

using GridBuildTest = testing::KindScreenTest;

TEST_F(GridBuildTest, FreshHeatingPipeShowsItsGroupsWithDefaults) {
  screen.Choose(11110);
  EXPECT_EQ(screen.ShownNames(), (Names{"Ms_", "Dn", "Wst", "Lst", "Kdp", "Z", "Tb", "Rg_", "Np_", "Tn", "Ti_", "Liz",
                                        "Tp_", "An", "Be", "Wiz", "Egod"}));
  // Seven groups, each under its header row.
  EXPECT_EQ(grid.RowCount(), 17 + 7);
  std::vector<int> headers;
  for (const auto& group : session.Variables.GroupHeaders()) headers.push_back(group.HeaderRow);
  EXPECT_EQ(headers, (std::vector<int>{0, 6, 9, 13, 16, 19, 21}));
  EXPECT_TRUE(grid.GroupCaptions[2].Visible);
  EXPECT_EQ(grid.GroupCaptions[2].Top, 9 * GridModel::kRowHeight + 2);
  EXPECT_EQ(grid.Captions[1], "Материал стенки трубы");
  EXPECT_EQ(grid.Captions[0], "");

  EXPECT_EQ(screen.Cell("Z"), "4560");
  EXPECT_EQ(screen.Cell("Be"), "500");
  EXPECT_EQ(screen.Cell("Lst"), "45,4");  // steel, from the material
  EXPECT_EQ(screen.Cell("Kdp"), "1,2");
  EXPECT_EQ(screen.Cell("Tn"), "20");  // indoors
  EXPECT_EQ(grid.cbTS.Text, "0");
  EXPECT_EQ(grid.cbMS.Text, "Сталь");
  EXPECT_EQ(grid.cbVD.Items.size(), 15u);
  EXPECT_EQ(grid.cbWI.Text, "рассчитывается");
  EXPECT_TRUE(session.CalkEnabled);
  EXPECT_FALSE(grid.cbZN.Visible);
  EXPECT_TRUE(grid.bbGetKT.Visible);
  EXPECT_EQ(grid.bbGetKT.Top, screen.Row("An") * GridModel::kRowHeight + 1);
  EXPECT_EQ(grid.cbRG.Top, screen.Row("Rg_") * GridModel::kRowHeight);
}

TEST_F(GridBuildTest, OperatingHoursDependOnThePageNotOnWhatWasRemembered) {
  session.Variables.Find("Z")->RememberedText = "5000";
  screen.Choose(21211);
  EXPECT_EQ(screen.Cell("Z"), "8760");
  screen.Choose(11120);
  EXPECT_EQ(screen.Cell("Z"), "4560");
}

TEST_F(GridBuildTest, AfterARunTheRememberedValuesAreShown) {
  for (auto [name, text] :
       {std::pair{"Tb", "95"}, {"Dn", "48"}, {"Wst", "3,5"}, {"Ms_", "Медь"}, {"Ti_", "KALDERON Vardo AL"}}) {
    session.Variables.Find(name)->RememberedText = text;
  }
  screen.Choose(11111);
  EXPECT_EQ(screen.Cell("Tb"), "95");
  EXPECT_EQ(grid.cbMS.Text, "Медь");
  EXPECT_EQ(screen.Cell("Lst"), "384");
  // The sizes outlive the lists that the material rebuilds.
  EXPECT_EQ(grid.cbVD.Text, "48");
  EXPECT_EQ(grid.cbTS.Text, "3,5");
  EXPECT_EQ(grid.cbTI.Text, "KALDERON Vardo AL");
  EXPECT_EQ(grid.cbTP.Items, (Names{"Без покрытия"}));
}

TEST_F(GridBuildTest, SizedObjectShowsItsLength) {
  session.ObjectKind = 10;
  screen.Choose(11110);
  const Names shown = screen.ShownNames();
  EXPECT_EQ(Names(shown.begin(), shown.begin() + 4), (Names{"Ms_", "Dn", "L", "Wst"}));
  EXPECT_EQ(screen.Caption("L"), "Длина трубы, м");

  session.ObjectKind = 13;
  screen.Choose(31211);
  EXPECT_EQ(screen.ShownNames(),
            (Names{"De", "L", "Kdp", "Vv_", "Tb", "Wb", "Rg_", "Np_", "Tn", "Ti_", "Liz", "Tp_", "An", "Wiz", "QL"}));
  EXPECT_EQ(screen.Caption("L"), "Длина воздуховода, м");
  EXPECT_EQ(screen.Caption("De"), "Диаметр воздуховода, мм");
}

TEST_F(GridBuildTest, RectangularDuctsAskTheNormPerSquareMetre) {
  // Their norm is compared with the heat flux of the side; a round duct's
  // and a pipe's with the flow per metre of length.
  for (const int kind : {31311, 31321}) {
    screen.Choose(kind);
    EXPECT_EQ(screen.Caption("QL"), "Плотность теплового потока, Вт/м2") << kind;
  }
  for (const int kind : {31211, 31221, 11111}) {
    screen.Choose(kind);
    EXPECT_EQ(screen.Caption("QL"), "Тепловой поток, Вт/м") << kind;
  }
}

TEST_F(GridBuildTest, SubstanceListFollowsTheKind) {
  screen.Choose(11114);
  EXPECT_EQ(grid.cbVV.Items.size(), 11u);
  EXPECT_EQ(grid.cbVV.Text, "вода");
  EXPECT_EQ(screen.Cell("Pb"), "998");  // the chosen substance's properties
  EXPECT_EQ(screen.Cell("Cp"), "4,182");
  EXPECT_EQ(grid.cbGW.Text, "кг/ч");

  screen.Choose(11125);
  EXPECT_EQ(grid.cbVV.Items, (Names{"вода"}));
  EXPECT_EQ(screen.Cell("Tz"), "0");

  screen.Choose(31224);
  EXPECT_EQ(grid.cbVV.Items, (Names{"воздух"}));
  EXPECT_EQ(screen.Cell("Pb"), "1,205");
  EXPECT_EQ(grid.cbGW.Text, "кг/ч") << "a unit chosen before stays";
}

TEST_F(GridBuildTest, DuctsFlowInMetresPerSecondByDefault) {
  screen.Choose(31324);
  EXPECT_EQ(grid.cbGW.Text, "м/с");
}

TEST_F(GridBuildTest, EveryKindOffersAChoiceInEachOfItsLists) {
  for (const CalcKind& kind : CalcKinds()) {
    screen.Choose(kind.Code);
    for (const VariableRecord& record : session.Variables.Records()) {
      if (record.GridRow < 0 || record.ValueType != 'S' || record.Name == "Rg_" || record.Name == "Np_") continue;
      const EditorState* editor = EditorOfInputKind(grid, record.InputKind);
      ASSERT_NE(editor, nullptr) << kind.Code << " " << record.Name;
      EXPECT_TRUE(editor->Visible) << kind.Code << " " << record.Name;
      EXPECT_GE(editor->ItemIndex, 0) << kind.Code << " " << record.Name;
    }
    if (IsRectangularDuctKind(kind.Code)) continue;  // their norm is asked per square metre
    EXPECT_EQ(screen.Caption(session.SoughtVariable), session.Variables.Find(session.SoughtVariable)->Caption);
  }
}

TEST_F(GridBuildTest, PageWithoutKindHasNoRows) {
  screen.Choose(11110);
  session.CalcKindCode = 0;
  session.VariableList.clear();
  BuildInputGrid(session);
  EXPECT_EQ(grid.RowCount(), 0);
  EXPECT_FALSE(session.CalkEnabled);
  EXPECT_FALSE(grid.cbMS.Visible);
  EXPECT_FALSE(grid.GroupCaptions[0].Visible);
}

}  // namespace
}  // namespace ovalto
