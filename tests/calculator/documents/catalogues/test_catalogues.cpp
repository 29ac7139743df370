#include "catalogues/catalogues.h"

#include <gtest/gtest.h>

#include <set>

#include "cp1251.h"
#include "recording_message_boxes.h"
#include "scoped_locale.h"

namespace ovalto {
namespace {

using testing::RecordingMessageBoxes;

const std::string kKalderonHeader = "Марка теплоизоляции\tНаименование теплоизоляции\tЕд.изм.\t\t\t\t\t\r\n";
const std::string kPelloritHeader =
    "Деталь трубопровода\tМарка покровного материала\tНаименование покровного материала\tЕд.изм.\r\n";

std::vector<InsulationProduct> Insulation(const std::string& utf8Rows) {
  std::vector<InsulationProduct> rows;
  EXPECT_TRUE(ParseInsulationCatalogue(Utf8ToCp1251(kKalderonHeader + utf8Rows), rows));
  return rows;
}

std::vector<CoveringItem> Coverings(const std::string& utf8Rows) {
  std::vector<CoveringItem> rows;
  EXPECT_TRUE(ParseCoveringCatalogue(Utf8ToCp1251(kPelloritHeader + utf8Rows), rows));
  return rows;
}

TEST(Catalogues, ReadsTubesAndRollsWithTheirUnits) {
  const auto rows = Insulation(
      "KALDERON Vardo\tТрубка KALDERON Vardo 15/6-2\tм\t15\t6\t\t2\t\t\r\n"
      "KALDERON Vardo\tРулон KALDERON Vardo 10/1-20\tм2\t\t10\t1,2\t20\t\t\r\n");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].Name, "Трубка KALDERON Vardo 15/6-2");
  EXPECT_EQ(rows[0].Unit, "м");
  EXPECT_EQ(rows[0].InnerDiameterMm, 15);
  EXPECT_EQ(rows[0].WidthM, 0);
  EXPECT_EQ(rows[1].Unit, "кв.м.");
  EXPECT_EQ(rows[1].InnerDiameterMm, 0);  // an empty column marks a roll
  EXPECT_EQ(rows[1].WidthM, 1.2);
  EXPECT_EQ(rows[1].LengthM, 20);
}

TEST(Catalogues, StopsAtTheFirstRowWithoutASecondColumn) {
  const auto closed = Insulation(
      "KALDERON Vardo\tТрубка A\tм\t15\t6\t\t2\t\t\r\n"
      "\t\t\t\t\t\t\t\r\n"
      "KALDERON Vardo\tТрубка B\tм\t18\t6\t\t2\t\t\r\n");
  ASSERT_EQ(closed.size(), 1u);
  EXPECT_EQ(closed[0].Name, "Трубка A");
  EXPECT_TRUE(Insulation("").empty());
}

TEST(Catalogues, ReadsAColumnOnlyWhenATabFollowsIt) {
  // The last size is not followed by a TAB, so it stays 0.
  const auto rows = Coverings("Отвод\tPELLORIT CT\tОболочка О\tшт.\t\t\t70\t20\r\n");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].BendDiameterMm, 70);
  EXPECT_EQ(rows[0].BendThicknessMm, 0);
  // Empty texts of a covering row are stored as "0".
  const auto empty = Coverings("\tPELLORIT TK\tРулон\t\t\t\t\t\t\r\n");
  ASSERT_EQ(empty.size(), 1u);
  EXPECT_EQ(empty[0].Unit, "0");
  EXPECT_EQ(empty[0].FittingKind, "");
}

TEST(Catalogues, ConvertsOnlyTheLowerCaseSquareMetreAndCutsLongTexts) {
  const std::string longName(70, 'x');
  const auto rows = Insulation(
      "KALDERON Vardo\tРулон A\tМ2\t\t10\t1\t20\t\t\r\n"
      "KALDERON Vardo\t" +
      longName + "\tметров\t\t10\t1\t20\t\t\r\n");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].Unit, "М2");
  EXPECT_EQ(rows[1].Name, std::string(64, 'x'));
  EXPECT_EQ(rows[1].Unit, "метро");
  // A first column of 250 characters still leaves the sizes after it read.
  const auto longMark = Insulation(std::string(250, 'M') + "\tТрубка A\tм\t15\t6\t\t2\t\t\r\n");
  ASSERT_EQ(longMark.size(), 1u);
  EXPECT_EQ(longMark[0].Mark, std::string(64, 'M'));
  EXPECT_EQ(longMark[0].InnerDiameterMm, 15);
  EXPECT_EQ(longMark[0].LengthM, 2);
}

TEST(Catalogues, ReadsTheDecimalCommaWhateverTheLocaleAndRefusesThePoint) {
  // A desktop whose numbers use the comma.
  const testing::ScopedLocale russian(testing::kRussianLocale);
  ASSERT_TRUE(russian.IsSet()) << russian.Missing();
  std::vector<InsulationProduct> rows;
  EXPECT_TRUE(ParseInsulationCatalogue(Utf8ToCp1251(kKalderonHeader + "L\tРулон\tм2\t\t10\t1,2\t20\t\t\r\n"), rows));
  EXPECT_EQ(rows.at(0).WidthM, 1.2);

  RecordingMessageBoxes messages;
  const Catalogues loaded =
      LoadPrices(Utf8ToCp1251(kKalderonHeader + "L\tРулон\tм2\t\t10\t1.2\t20\t\t\r\n"), PelloritResource(), messages);
  EXPECT_TRUE(loaded.Insulation.empty());
  EXPECT_FALSE(loaded.Coverings.empty());
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Text, "Ошибка ресурса \"kalderon\" ! ");
  EXPECT_EQ(messages.Shown[0].Type, MessageType::Error);
  EXPECT_EQ(messages.Shown[0].Buttons, kButtonCancel);
  EXPECT_FALSE(DocumentButtonsVisible(loaded));
}

TEST(Catalogues, AHeaderOnlyResourceIsEmptyWithoutAMessage) {
  RecordingMessageBoxes messages;
  const Catalogues loaded = LoadPrices(KalderonResource(), Utf8ToCp1251(kPelloritHeader), messages);
  EXPECT_TRUE(messages.Shown.empty());
  EXPECT_TRUE(loaded.Coverings.empty());
  EXPECT_FALSE(DocumentButtonsVisible(loaded));
}

TEST(BuiltInCatalogues, LoadWithTheirHeadersAndShowTheDocumentButtons) {
  RecordingMessageBoxes messages;
  const Catalogues loaded = LoadPrices(messages);
  EXPECT_TRUE(messages.Shown.empty());
  EXPECT_TRUE(DocumentButtonsVisible(loaded));
  EXPECT_EQ(Cp1251ToUtf8(KalderonResource()).rfind(kKalderonHeader, 0), 0u);
  EXPECT_EQ(Cp1251ToUtf8(PelloritResource()).rfind(kPelloritHeader, 0), 0u);
  // "Kalderon" ends with its closing line of seven TABs.
  const std::string kalderon = KalderonResource();
  EXPECT_EQ(kalderon.substr(kalderon.size() - 9), "\t\t\t\t\t\t\t\r\n");
  std::cout << "Kalderon rows: " << loaded.Insulation.size() << ", Pellorit rows: " << loaded.Coverings.size() << "\n";
}

TEST(BuiltInCatalogues, OpenPelloritWithTheSixRowsWithoutCovering) {
  RecordingMessageBoxes messages;
  const Catalogues loaded = LoadPrices(messages);
  ASSERT_GE(loaded.Coverings.size(), 6u);
  const std::vector<std::string> kinds = {
      "", "Отвод", "Тройник", "Торец", "Переход концентрический", "Переход эксцентрический"};
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    const CoveringItem& row = loaded.Coverings[i];
    EXPECT_EQ(row.Mark, "Без покрытия");
    EXPECT_EQ(row.FittingKind, kinds[i]);
    EXPECT_EQ(row.Name, "-");
    EXPECT_EQ(row.Unit, "-");
  }
  const CoveringItem& general = loaded.Coverings[0];
  EXPECT_EQ(general.OuterDiameterMm + general.SmallDiameterMm + general.BendDiameterMm, 0);
  EXPECT_EQ(loaded.Coverings[1].BendDiameterMm, 100000);
  EXPECT_EQ(loaded.Coverings[4].SmallDiameterMm, 100000);
}

TEST(BuiltInCatalogues, NameEveryArticleOnceAcrossBoth) {
  RecordingMessageBoxes messages;
  const Catalogues loaded = LoadPrices(messages);
  std::set<std::string> names;
  for (const InsulationProduct& p : loaded.Insulation) EXPECT_TRUE(names.insert(p.Name).second) << p.Name;
  for (const CoveringItem& c : loaded.Coverings) {
    if (c.Mark != "Без покрытия") {
      EXPECT_TRUE(names.insert(c.Name).second) << c.Name;
    }
  }
  EXPECT_TRUE(names.count("Трубка KALDERON Vardo 15/6-2"));
  EXPECT_TRUE(names.count("Рулон KALDERON Vardo 10/1-20"));
  EXPECT_TRUE(names.count("Оболочка PELLORIT на трубу Т-СТ 70/05"));
  EXPECT_TRUE(names.count("Заглушка Торцевая PELLORIT З-AL 500/08"));
}

}  // namespace
}  // namespace ovalto
