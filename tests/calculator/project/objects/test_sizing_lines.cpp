#include "objects/sizing_lines.h"

#include <gtest/gtest.h>

#include "kind_session.h"

namespace ovalto {
namespace {

using testing::KindSession;

// A kind picked while an object is sized, with the values a run left.
struct Sizing {
  Sizing(int objectKind, int code, const std::vector<std::pair<std::string, double>>& values) {
    screen.Session.ObjectKind = objectKind;
    screen.Choose(code);
    for (const auto& [name, value] : values) screen.Session.Variables.SetVariable(name, "!", value);
    GridModel& grid = screen.Session.Grid;
    grid.cbTI.Items = {"KALDERON Vardo", "KALDERON Corvane DUCT"};
    grid.cbTI.SelectText(objectKind >= kRectangularDuctObject ? "KALDERON Corvane DUCT" : "KALDERON Vardo");
    grid.cbTP.Items = {"Без покрытия", "PELLORIT TK"};
    grid.cbTP.SelectText("PELLORIT TK");
  }
  std::vector<std::string> Texts(int objectKind) {
    const auto object = SizedObjectFrom(screen.Session, objectKind, "ОБЪЕКТ");
    EXPECT_TRUE(object);
    std::vector<std::string> texts;
    for (const NodeSpec& line : SizedObjectLines(*object)) {
      texts.push_back(std::to_string(line.Image) + " " + line.Text);
      for (const NodeSpec& child : line.Children) texts.push_back(std::to_string(child.Image) + " " + child.Text);
    }
    return texts;
  }
  KindSession screen;
};

using Texts = std::vector<std::string>;

TEST(SizingLines, PipelineOutdoorsForTheHeatFlowNorm) {
  Sizing sizing(kPipelineObject, 11121, {{"Dn", 57}, {"L", 12.5}, {"Wiz", 13}, {"Tb", 95}});
  EXPECT_EQ(sizing.Texts(kPipelineObject),
            (Texts{"14 Диаметр = 57 мм", "14 Длина трубы = 12,5 м", "14 Тип изоляции : \"KALDERON Vardo\"",
                   "14 Тип покрытия : \"PELLORIT TK\"", "14 Толщина изоляции = 13 мм",
                   "14 Назначение и расположение : \"СН О\"", "14 Температура вещества = 95 °C", "15 ДЕТАЛИ",
                   "1 Труба [ 12,5 м ]"}));
}

TEST(SizingLines, TankIndoorsTakesTheGreaterEndTemperature) {
  Sizing sizing(kTankObject, 11214,
                {{"De", 1200},
                 {"He", 2500},
                 {"Wiz", 40},
                 {"T1", 70},
                 {
                     "T2",
                     65,
                 }});
  EXPECT_EQ(sizing.Texts(kTankObject),
            (Texts{"14 Диаметр = 1200 мм", "14 Высота = 2500 мм", "14 Тип изоляции : \"KALDERON Vardo\"",
                   "14 Тип покрытия : \"PELLORIT TK\"", "14 Толщина изоляции = 40 мм",
                   "14 Назначение и расположение : \"СТ П\"", "14 Температура вещества = 70 °C"}));
}

TEST(SizingLines, DuctsWriteTheirSizesAndPurpose) {
  Sizing rectangular(kRectangularDuctObject, 31313, {{"Lv", 500}, {"Hv", 300}, {"L", 20}, {"Wiz", 10}, {"Tb", 12}});
  EXPECT_EQ(rectangular.Texts(kRectangularDuctObject),
            (Texts{"14 Ширина = 500 мм", "14 Высота = 300 мм", "14 Длина воздуховода = 20 м",
                   "14 Тип изоляции : \"KALDERON Corvane DUCT\"", "14 Тип покрытия : \"PELLORIT TK\"",
                   "14 Толщина изоляции = 10 мм", "14 Назначение и расположение : \"ПК П\"",
                   "14 Температура вещества = 12 °C"}));

  // Kind 31224 gives a round duct by its own diameter "Dv".
  Sizing round(kCylindricalDuctObject, 31224, {{"Dv", 315}, {"L", 7}, {"Wiz", 13}, {"T1", 5}, {"T2", 4}});
  const Texts texts = round.Texts(kCylindricalDuctObject);
  ASSERT_EQ(texts.size(), 7u);
  EXPECT_EQ(texts[0], "14 Диаметр = 315 мм");
  EXPECT_EQ(texts[1], "14 Длина воздуховода = 7 м");
  EXPECT_EQ(texts[5], "14 Назначение и расположение : \"СТ О\"");

  Sizing roundByDe(kCylindricalDuctObject, 31211, {{"De", 400}, {"L", 7}, {"Wiz", 13}, {"Tb", 14}});
  EXPECT_EQ(roundByDe.Texts(kCylindricalDuctObject)[0], "14 Диаметр = 400 мм");
}

TEST(SizingLines, PurposeByTheKindsVariables) {
  EXPECT_EQ(SizedPurposeCode("Dn,Tb,Be,QL", false), "ЭЭ О");
  EXPECT_EQ(SizedPurposeCode("Dn,Tb,Qf", true), "СН П");
  EXPECT_EQ(SizedPurposeCode("Dn,Zt,Kz,Tp_", false), "З О");
  EXPECT_EQ(SizedPurposeCode("Zn_,Dn,Tp,Wiz", true), "ТВ П");
  EXPECT_EQ(SizedPurposeCode("Dn,Vla,Wiz", true), "П");
}

TEST(SizingLines, DuctsSizedAgainstInsideCondensationPreventIt) {
  for (const auto& [objectKind, kind] : {std::pair{kCylindricalDuctObject, 31226}, {kRectangularDuctObject, 31326}}) {
    KindSession screen;
    screen.Session.ObjectKind = objectKind;
    screen.Choose(kind);
    EXPECT_EQ(SizedPurposeCode(screen.Session.VariableList, false), "ПК О") << kind;
  }
}

TEST(SizingLines, NoThicknessNoObject) {
  Sizing sizing(kPipelineObject, 11121, {{"Dn", 57}, {"L", 12.5}, {"Wiz", 0}, {"Tb", 95}});
  EXPECT_FALSE(SizedObjectFrom(sizing.screen.Session, kPipelineObject, "Т"));
}

}  // namespace
}  // namespace ovalto
