#include "engine/input_validation.h"

#include <gtest/gtest.h>

#include "engine/calculation_run.h"
#include "engine/engine.h"
#include "grid/grid_editors.h"
#include "grid/grid_navigation.h"
#include "headless_run.h"
#include "kind_picker.h"
#include "kinds/calc_kinds.h"
#include "recording_message_boxes.h"
#include "state/calc_session.h"
#include "state/scheme_engine.h"
#include "tables/climate_tables.h"

namespace ovalto {
namespace {

class InputValidationTest : public ::testing::Test {
 protected:
  // Picks the kind and types a valid value into every number row, so each
  // test breaks exactly one.
  void Pick(int kind) {
    session.Engine = &engine;
    session.PageTag = PageOfKind(kind);
    PickCalcKind(session, kind, [] {});
    for (const VariableRecord& record : session.Variables.Records()) {
      if (record.GridRow >= 0 && record.ValueType == 'F') Type(record.Name, "1");
    }
    Type("Tb", "90");
    Type("Tn", "20");
    messages.Shown.clear();
  }

  void Type(const std::string& name, const std::string& text) {
    const VariableRecord* record = session.Variables.Find(name);
    if (record->InputKind == 12) {
      session.Grid.cbVD.Text = text;
    } else if (record->InputKind == 13) {
      session.Grid.cbTS.Text = text;
    } else {
      session.Grid.SetCell(record->GridRow, text);
    }
  }

  // The one message the check showed ("" when none).
  std::string Check() {
    const int result = ValidateInputs(session, engine.State.Outputs, true);
    lastResult = result;
    return messages.Shown.empty() ? std::string() : messages.Shown.back().Text;
  }

  testing::RecordingMessageBoxes messages;
  CalcSession session{messages};
  CalculationEngine engine{session};
  int lastResult = 0;
};

TEST_F(InputValidationTest, AllValidStoresEveryNumber) {
  Pick(11111);
  Type("Tb", "90,5");
  engine.State.Outputs = {true, true, true, true};
  EXPECT_EQ(Check(), "");
  EXPECT_EQ(lastResult, kAllInputsValid);
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Tb"), 90.5);
  EXPECT_FALSE(engine.State.Outputs.ChartButton || engine.State.Outputs.Print || engine.State.Outputs.Excel);
  EXPECT_TRUE(engine.State.Outputs.Chart);
}

TEST_F(InputValidationTest, NotANumberFocusesItsRow) {
  Pick(11111);
  Type("Tb", "");
  EXPECT_EQ(Check(), "Укажите корректное значение 'Температура вещества, °С' !");
  EXPECT_EQ(lastResult, 2);
  EXPECT_EQ(session.Grid.CurrentRow, session.Variables.VariableRow("Tb"));
  EXPECT_EQ(session.FocusedEditor, nullptr);
  EXPECT_EQ(messages.Shown.back().Type, MessageType::Warning);
  EXPECT_EQ(messages.Shown.back().Buttons, kButtonCancel);
}

TEST_F(InputValidationTest, DimensionsArePositive) {
  Pick(11111);
  Type("Dn", "0");
  EXPECT_EQ(Check(), "Укажите положительные значения всех габаритов !");
  EXPECT_EQ(lastResult, 1);
  EXPECT_EQ(session.FocusedEditor, &session.Grid.cbVD);
}

TEST_F(InputValidationTest, LaterCheckReplacesTheEarlierMessage) {
  Pick(11110);
  Type("Dn", "-5");
  EXPECT_EQ(Check(), "Пожалуйста, введите значение, имеющее смысл !");
}

TEST_F(InputValidationTest, WallNotTakenIntoAccountReadsAsZero) {
  Pick(11111);
  Type("Lst", "не учитывать");
  EXPECT_EQ(Check(), "");
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Lst"), 0);
}

TEST_F(InputValidationTest, HotKindsAskForASubstanceOf20AtLeast) {
  const std::string cold = "Пожалуйста, выполните расчёт для холодного\rводоснабжения или кондиционирования !";
  Pick(11111);
  Type("Tb", "19,9");
  EXPECT_EQ(Check(), cold);
  Pick(21121);
  Type("Tb", "19,9");
  EXPECT_EQ(Check(), "");
  Pick(51211);
  Type("Tb", "19,9");
  EXPECT_EQ(Check(), cold);
}

TEST_F(InputValidationTest, InsulationWorkingLimit) {
  const std::string tooHot = "Заданная температура вещества\rвыше рабочей температуры изоляции !";
  Pick(11111);
  Type("Tb", "100");
  EXPECT_EQ(Check(), "");
  Type("Tb", "100,01");
  EXPECT_EQ(Check(), tooHot);
  Pick(11114);
  Type("T2", "101");
  EXPECT_EQ(Check(), tooHot);
}

TEST_F(InputValidationTest, SafeSurfaceTemperature) {
  Pick(11112);
  Type("Tp", "36");
  EXPECT_EQ(Check(), "Обратите внимание, что температура поверхности выше безопасной !");
  EXPECT_EQ(lastResult, 5);
}

TEST_F(InputValidationTest, FreezeProtectionTemperatures) {
  Pick(21215);
  Type("Tz", "0");
  Type("Tn", "0");
  EXPECT_EQ(Check(), "Расчет не может быть выполнен.\r\rУкажите корректное значение температуры окружающей среды !");
  // Tb + Tz - 2 Tn with Tb of this walk and Tz, Tn as stored before it.
  Pick(21215);
  Type("Tb", "10");
  session.Variables.Find("Tz")->Value = 0;
  session.Variables.Find("Tn")->Value = 5;
  Type("Tn", "-20");
  EXPECT_EQ(Check(), "Расчет не может быть выполнен.\r\rУкажите корректные значение всех температур !");
}

TEST_F(InputValidationTest, ListsNeedAChoice) {
  Pick(11111);
  session.Grid.cbTI.ItemIndex = -1;
  EXPECT_EQ(Check(), "Выберите значение 'Тип изоляции' из списка !");
  EXPECT_EQ(lastResult, 4);
}

TEST_F(InputValidationTest, SoughtVariableIsNoInput) {
  Pick(11111);
  Type("Wiz", "");
  Type("QL", "");
  EXPECT_EQ(Check(), "Укажите корректное значение 'Тепловой поток, Вт/м' !");  // calculated: QL is the norm
  session.Grid.cbWI.ItemIndex = 1;
  EXPECT_EQ(Check(), "Укажите корректное значение 'Толщина изоляции, мм' !");  // given: Wiz is typed
  Type("Wiz", "20");
  messages.Shown.clear();
  EXPECT_EQ(Check(), "");
}

TEST_F(InputValidationTest, SilentCheckShowsNothingAndKeepsTheFocus) {
  Pick(11111);
  Type("Tb", "");
  const int row = session.Grid.CurrentRow;
  EXPECT_EQ(ValidateInputs(session, engine.State.Outputs, false), 2);
  EXPECT_TRUE(messages.Shown.empty());
  EXPECT_EQ(session.Grid.CurrentRow, row);
}

TEST_F(InputValidationTest, FocusedRegionBringsItsCostsAndClimate) {
  Pick(11120);
  session.FocusedEditor = &session.Grid.cbRG;
  session.Grid.cbRG.ItemIndex = 0;  // the empty line
  EXPECT_EQ(Check(), "");
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Ktr"), 5);
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Zpl"), 30000);
  EXPECT_EQ(session.Variables.Find("Rg_")->Text, "-");

  const ClimateRecord& first = ClimateTable().front();
  session.Grid.cbRG.Items = {"", std::string(first.Region)};
  session.Grid.cbRG.SelectText(std::string(first.Region));
  Type("Z", "8760");
  EXPECT_EQ(Check(), "");
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Ktr"), first.TransportPercent);
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Zpl"), first.Wages);
  // No settlement chosen: no settlement's climate either.
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Tn"), 20);

  session.Grid.cbNP.Items = {std::string(first.Settlement)};
  session.Grid.cbNP.SelectText(std::string(first.Settlement));
  EXPECT_EQ(Check(), "");
  ASSERT_TRUE(first.AnnualMeanTemp.has_value());
  EXPECT_DOUBLE_EQ(session.Variables.GetVariable("Tn"), *first.AnnualMeanTemp);
}

// A place of the climate table and what its climate leaves in the grid.
struct Place {
  std::string Region;
  std::string Settlement;
};

struct Climate {
  std::string Tn;
  std::string W;
  bool operator==(const Climate&) const = default;
};

Climate ClimateCells(const CalcSession& session) {
  auto cell = [&session](const char* name) {
    const int row = session.Variables.VariableRow(name);
    return row >= 0 ? session.Grid.Values.at(static_cast<std::size_t>(row)) : std::string("(hidden)");
  };
  return {cell("Tn"), cell("W")};
}

// The grid of any kind filled from its top down, the place left out.
HeadlessInputs FilledGrid(int kind) {
  HeadlessInputs in;
  in.KindCode = kind;
  in.Texts = {{"Ms_", "Сталь"}, {"Dn", "114"}, {"Dv", "250"}, {"Lv", "400"}, {"Hv", "200"}, {"De", "2000"},
              {"He", "2000"},   {"L", "10"},   {"Tb", "90"},  {"T1", "90"},  {"T2", "80"},  {"Gm", "1000"},
              {"Zv", "10"},     {"Wb", "5"},   {"Vlv", "50"}, {"QL", "35"},  {"Qf", "50"}};
  return in;
}

// Whichever list keeps the focus when "Расчет" is pressed, the run leaves
// the ambient temperature and the wind that choosing the place gave the
// kind. Москва has every value, Новомосковский АО no annual mean, winter
// design or warm-season temperature, and Краснодар is not the first
// settlement of its region.
TEST(InputValidationClimate, PressKeepsTheClimateThatChoosingThePlaceGave) {
  const Place places[] = {{"Московская область", "Москва"},
                          {"Московская область", "Новомосковский АО"},
                          {"Краснодарский край", "Краснодар"}};
  int cases = 0;
  int differing = 0;
  for (const Place& place : places) {
    for (const CalcKind& kind : CalcKinds()) {
      for (const bool regionFocused : {true, false}) {
        testing::RecordingMessageBoxes messages;
        CalcSession session{messages};
        CalculationEngine engine{session};
        session.Engine = &engine;
        session.Grid.cbRG.Items = RegionListItems();
        session.PageTag = PageOfKind(kind.Code);
        PickCalcKind(session, kind.Code, [] {});
        FillGrid(session, FilledGrid(kind.Code));

        session.FocusedEditor = nullptr;
        session.Grid.cbRG.SelectText(place.Region);
        cbRGChange(session);
        session.Grid.cbNP.SelectText(place.Settlement);
        cbNPChange(session);
        const Climate chosen = ClimateCells(session);

        // The check as "Расчет" makes it with the list focused, then the
        // whole press, which moves on from the list first.
        EditorEntered(session, regionFocused ? session.Grid.cbRG : session.Grid.cbNP);
        engine.ValidateInputs(true);
        const Climate checked = ClimateCells(session);
        RunCalculation(session, engine);
        const Climate pressed = ClimateCells(session);
        ++cases;
        if (checked == chosen && pressed == chosen) continue;
        ++differing;
        ADD_FAILURE() << kind.Code << " " << place.Settlement << (regionFocused ? ", region" : ", settlement")
                      << " focused: Tn " << chosen.Tn << " -> " << checked.Tn << " -> " << pressed.Tn << ", W "
                      << chosen.W << " -> " << checked.W << " -> " << pressed.W;
      }
    }
  }
  EXPECT_EQ(differing, 0) << "of " << cases << " cases";
}

TEST_F(InputValidationTest, MessagesNameTheRowAsTheGridShowsIt) {
  Pick(31211);  // the duct's diameter is the tank's variable under its own caption
  Type("De", "0");
  EXPECT_EQ(Check(), "Укажите положительные значения всех габаритов !");
  Type("De", "abc");
  EXPECT_EQ(Check(), "Укажите корректное значение 'Диаметр воздуховода, мм' !");

  Pick(31213);
  Type("Dn", "");
  EXPECT_EQ(Check(), "Укажите корректное значение 'Диаметр воздуховода, мм' !");
}

TEST_F(InputValidationTest, HumidityAboveSaturationIsRefused) {
  Pick(21123);
  Type("Vla", "100");
  EXPECT_EQ(Check(), "");
  Type("Vla", "100,5");
  EXPECT_EQ(Check(), "Укажите корректное значение 'Относит. влажность воздуха, %' !");
  Pick(31226);
  Type("Vlv", "101");
  EXPECT_EQ(Check(), "Укажите корректное значение 'Относит. влажность вещества, %' !");
}

}  // namespace
}  // namespace ovalto
