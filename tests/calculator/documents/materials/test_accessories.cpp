#include "materials/accessories.h"

#include <gtest/gtest.h>

#include "materials/fitting_area.h"

namespace ovalto {
namespace {

AccessoryTotals AllTotals() { return AccessoryTotals{1, 2, 3, 4, 5, 6, 7}; }

TEST(Accessories, TapeColourFollowsTheLineTestedInOrder) {
  EXPECT_EQ(TapeColour("KALDERON VARDO AL"), "алюминевая");
  EXPECT_EQ(TapeColour("KALDERON Corvane DUCT AL"), "алюминевая");  // before "Corvane"
  EXPECT_EQ(TapeColour("KALDERON Vardo Hestan-S"), "синяя");
  EXPECT_EQ(TapeColour("KALDERON VARDO HESTAN-K"), "красная");
  EXPECT_EQ(TapeColour("KALDERON Corvane DUCT"), "чёрная");
  EXPECT_EQ(TapeColour("KALDERON Vardo"), "серая");
}

TEST(Accessories, RowsComeInTheirOrderWithTheirUnitsAndLabels) {
  std::vector<MaterialRow> rows;
  AddAccessoryRows(rows, AllTotals(), AccessoryOwner{7, kConcentricReducer, 3, "KALDERON VARDO", "PELLORIT TK"},
                   DocumentKind::InstallationList);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Клей \"KALDERON\"", "л"},       {"Лента серая \"KALDERON\"", "м"}, {"Лента алюминевая \"KALDERON\"", "м"},
      {"Очиститель \"KALDERON\"", "л"}, {"Герметик \"KALDERON\"", "л"},    {"Саморез \"KALDERON\"", "шт."},
      {"Зажим \"KALDERON\"", "шт."}};
  ASSERT_EQ(rows.size(), expected.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].Name, expected[i].first);
    EXPECT_EQ(rows[i].Unit, expected[i].second);
    EXPECT_EQ(rows[i].Quantity, static_cast<double>(i + 1));
    EXPECT_EQ(rows[i].GroupLabel, " Переход концентрический=3");
    EXPECT_EQ(rows[i].MakerLine, "KALDERON");
    EXPECT_EQ(rows[i].NodeIndex, 7);
    EXPECT_EQ(rows[i].DrawingCode, "");
  }

  rows.clear();
  AddAccessoryRows(rows, AllTotals(), AccessoryOwner{7, 0, 0, "KALDERON VARDO", "PELLORIT TK"},
                   DocumentKind::InstallationList);
  EXPECT_EQ(rows.at(0).GroupLabel, "");
  rows.clear();
  AddAccessoryRows(rows, AllTotals(), AccessoryOwner{7, kBend, 4, "KALDERON VARDO", "PELLORIT TK"},
                   DocumentKind::MaterialSchedule);
  EXPECT_EQ(rows.at(0).GroupLabel, "Аксессуар");
}

TEST(Accessories, TheCoveringTapeNeedsAFilmCoveringAndMergesIntoAluminiumTape) {
  std::vector<MaterialRow> rows;
  // Without a film covering the covering tape is not written at all.
  AddAccessoryRows(rows, AllTotals(), AccessoryOwner{1, 0, 0, "KALDERON VARDO", "PELLORIT CT"},
                   DocumentKind::InstallationList);
  EXPECT_EQ(rows.size(), 6u);
  rows.clear();
  AddAccessoryRows(rows, AllTotals(), AccessoryOwner{1, 0, 0, "KALDERON VARDO AL", "PELLORIT TK CK"},
                   DocumentKind::InstallationList);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[1].Name, "Лента алюминевая \"KALDERON\"");
  EXPECT_EQ(rows[1].Quantity, 2 + 3);
}

}  // namespace
}  // namespace ovalto
