#include "tables/climate_tables.h"

#include <algorithm>
#include <iterator>

#include <gtest/gtest.h>

namespace ovalto {
namespace {

std::ptrdiff_t RegionIndex(std::string_view region) {
  const auto regions = ClimateRegions();
  return std::distance(regions.begin(), std::find(regions.begin(), regions.end(), region));
}

TEST(ClimateRegionsTest, FollowTheRegionListOrder) {
  const auto regions = ClimateRegions();
  ASSERT_EQ(regions.size(), 76u);
  EXPECT_EQ(regions.front(), "Республика Адыгея");
  EXPECT_EQ(regions.back(), "Ярославская область");
  const std::ptrdiff_t chita = RegionIndex("Читинская область");
  EXPECT_EQ(chita, RegionIndex("Чеченская Республика") + 1);
  EXPECT_EQ(chita, RegionIndex("Чувашская Республика") - 1);
  EXPECT_EQ(RegionIndex("Республика Крым"), 76);
}

// The region list on the screen is built from the table's rows, so both
// must name the same regions in the same order, each as one block of rows.
TEST(ClimateTableTest, RowsAreGroupedByRegionInListOrder) {
  const auto rows = ClimateTable();
  ASSERT_EQ(rows.size(), 460u);
  std::vector<std::string_view> blocks;
  for (const ClimateRecord& row : rows) {
    if (blocks.empty() || blocks.back() != row.Region) blocks.push_back(row.Region);
  }
  const auto regions = ClimateRegions();
  EXPECT_TRUE(std::equal(blocks.begin(), blocks.end(), regions.begin(), regions.end()));
}

TEST(ClimateTableTest, FirstAndLastRowsCarryTheDataValues) {
  const ClimateRecord& maykop = ClimateTable().front();
  EXPECT_EQ(maykop.Region, "Республика Адыгея");
  EXPECT_EQ(maykop.Settlement, "Майкоп");
  EXPECT_EQ(maykop.AnnualMeanTemp, 10.9);
  EXPECT_EQ(maykop.HeatingMeanTemp, 2.3);
  EXPECT_EQ(maykop.WinterDesignTemp, -19);
  EXPECT_EQ(maykop.SummerTemp, 29);
  EXPECT_EQ(maykop.AbsMinTemp, -34);
  EXPECT_EQ(maykop.AbsMaxTemp, 41);
  EXPECT_EQ(maykop.TransportPercent, 5);
  EXPECT_EQ(maykop.Wages, 30000);

  const ClimateRecord& yaroslavl = ClimateTable().back();
  EXPECT_EQ(yaroslavl.Settlement, "Ярославль");
  EXPECT_EQ(yaroslavl.HeatingMeanTemp, -4);
  EXPECT_EQ(yaroslavl.WinterDesignTemp, -31);
  EXPECT_EQ(yaroslavl.AbsMinTemp, -46);
  EXPECT_EQ(yaroslavl.TransportPercent, 10);
  EXPECT_EQ(yaroslavl.Wages, 30000);
}

TEST(ClimateTableTest, AnnualMeansOfTheAltaiStationsAreTheRevisedOnes) {
  // The revised Барнаул station, not the older edition's 1,3.
  const ClimateRecord* barnaul = FindClimateRow("Республика Алтай", "Барнаул");
  ASSERT_NE(barnaul, nullptr);
  EXPECT_EQ(barnaul->AnnualMeanTemp, 2.2);
  EXPECT_EQ(barnaul->HeatingMeanTemp, -7.5);
  EXPECT_EQ(barnaul->WinterDesignTemp, -36);
  const ClimateRecord* koshAgach = FindClimateRow("Республика Алтай", "Кош-Агач");
  ASSERT_NE(koshAgach, nullptr);
  EXPECT_EQ(koshAgach->AnnualMeanTemp, -4.4);
}

// Column by column: Барнаул keeps its 2012 annual mean (above) and takes the
// later edition's warm-season values, which 2012 lacks.
TEST(ClimateTableTest, TheLaterEditionFillsEachColumnWhereItIsEmpty) {
  const ClimateRecord* barnaul = FindClimateRow("Республика Алтай", "Барнаул");
  ASSERT_NE(barnaul, nullptr);
  EXPECT_EQ(barnaul->SummerTemp, 26.7);
  EXPECT_EQ(barnaul->AbsMaxTemp, 38);
  // Doubted by its record, Воркута takes nothing (annual mean -5,2 there).
  const ClimateRecord* vorkuta = FindClimateRow("Республика Коми", "Воркута");
  ASSERT_NE(vorkuta, nullptr);
  EXPECT_FALSE(vorkuta->AnnualMeanTemp.has_value());
  EXPECT_FALSE(vorkuta->SummerTemp.has_value());
}

TEST(ClimateTableTest, ValuesTheSourcesLackStayMissing) {
  // The later edition gives Алейск an annual mean only.
  const ClimateRecord* aleysk = FindClimateRow("Республика Алтай", "Алейск");
  ASSERT_NE(aleysk, nullptr);
  EXPECT_EQ(aleysk->AnnualMeanTemp, 1.7);
  EXPECT_FALSE(aleysk->SummerTemp.has_value());
  EXPECT_FALSE(aleysk->AbsMaxTemp.has_value());

  const ClimateRecord* novomoskovsky = FindClimateRow("Московская область", "Новомосковский АО");
  ASSERT_NE(novomoskovsky, nullptr);
  EXPECT_FALSE(novomoskovsky->WinterDesignTemp.has_value());
  EXPECT_EQ(novomoskovsky->HeatingMeanTemp, -2.4);

  const auto rows = ClimateTable();
  const auto count = [&](auto field) {
    return std::count_if(rows.begin(), rows.end(), [&](const ClimateRecord& row) { return (row.*field).has_value(); });
  };
  EXPECT_EQ(count(&ClimateRecord::AnnualMeanTemp), 237);
  EXPECT_EQ(count(&ClimateRecord::SummerTemp), 187);
  EXPECT_EQ(count(&ClimateRecord::AbsMaxTemp), 187);
  EXPECT_EQ(count(&ClimateRecord::WinterDesignTemp), 459);
  EXPECT_EQ(count(&ClimateRecord::HeatingMeanTemp), 460);
  EXPECT_EQ(count(&ClimateRecord::AbsMinTemp), 460);
}

TEST(ClimateTableTest, RenamedRegionsJoinTheirProgramRegion) {
  const auto altai = ClimateRowsOfRegion("Республика Алтай");
  ASSERT_EQ(altai.size(), 12u);
  EXPECT_EQ(altai.front()->Settlement, "Катанда");
  EXPECT_EQ(altai[3]->Settlement, "Алейск");
  EXPECT_NE(FindClimateRow("Читинская область", "Чита"), nullptr);
  EXPECT_TRUE(ClimateRowsOfRegion("Алтайский край").empty());
  EXPECT_TRUE(ClimateRowsOfRegion("Республика Крым").empty());
  EXPECT_EQ(FindClimateRow("Республика Крым", "Ялта"), nullptr);
}

TEST(ClimateTableTest, LookupsAreExact) {
  EXPECT_EQ(FindClimateRow("Республика Адыгея", "Майкоп"), &ClimateTable().front());
  EXPECT_EQ(FindClimateRow("Республика Адыгея", "майкоп"), nullptr);
  EXPECT_EQ(FindClimateRow("Республика Адыгея (Адыгея)", "Майкоп"), nullptr);
  EXPECT_EQ(FindClimateRow("Республика Алтай", "Майкоп"), nullptr);
  EXPECT_TRUE(ClimateRowsOfRegion("").empty());
}

// Transport share and wages are read from a region's first row, so every row
// of a region must agree.
TEST(ClimateTableTest, TransportAndWagesFollowTheRegion) {
  for (const std::string_view region : ClimateRegions()) {
    const auto rows = ClimateRowsOfRegion(region);
    ASSERT_FALSE(rows.empty()) << region;
    for (const ClimateRecord* row : rows) {
      EXPECT_EQ(row->TransportPercent, rows.front()->TransportPercent) << row->Settlement;
      EXPECT_EQ(row->Wages, rows.front()->Wages) << row->Settlement;
    }
  }
  const ClimateRecord* barnaul = FindClimateRow("Республика Алтай", "Барнаул");
  ASSERT_NE(barnaul, nullptr);
  EXPECT_EQ(barnaul->TransportPercent, 20);
  EXPECT_EQ(barnaul->Wages, 50000);
  const ClimateRecord* yakutsk = FindClimateRow("Республика Саха (Якутия)", "Якутск");
  ASSERT_NE(yakutsk, nullptr);
  EXPECT_EQ(yakutsk->TransportPercent, 25);
  EXPECT_EQ(yakutsk->Wages, 50000);
}

TEST(WindTableTest, RowsCarryTheDataValues) {
  ASSERT_EQ(WindTable().size(), 413u);
  const WindRecord& maykop = WindTable().front();
  EXPECT_EQ(maykop.Settlement, "Майкоп");
  EXPECT_EQ(maykop.WindSpeed1, 5.7);
  EXPECT_EQ(maykop.WindSpeed2, 3);
  EXPECT_EQ(FindWindRow("Республика Адыгея", "Майкоп"), &maykop);

  const WindRecord& yaroslavl = WindTable().back();
  EXPECT_EQ(yaroslavl.Settlement, "Ярославль");
  EXPECT_EQ(yaroslavl.WindSpeed1, 5.5);
  EXPECT_EQ(yaroslavl.WindSpeed2, 4.3);

  const WindRecord* yerofey = FindWindRow("Амурская область", "Ерофей Павлович");
  ASSERT_NE(yerofey, nullptr);
  EXPECT_FALSE(yerofey->WindSpeed1.has_value());
  EXPECT_EQ(yerofey->WindSpeed2, 2);
}

TEST(WindTableTest, SettlementsWithoutTheHeatingPeriodSpeedHaveNoRow) {
  ASSERT_NE(FindClimateRow("Республика Алтай", "Тогул"), nullptr);
  EXPECT_EQ(FindWindRow("Республика Алтай", "Тогул"), nullptr);
  // Алейск gives only the January speed, which the calculation never uses.
  EXPECT_EQ(FindWindRow("Республика Алтай", "Алейск"), nullptr);
  EXPECT_EQ(FindWindRow("Республика Крым", "Керчь"), nullptr);
}

TEST(WindTableTest, EveryRowHasAClimateRowInTheSameOrder) {
  const ClimateRecord* previous = nullptr;
  for (const WindRecord& wind : WindTable()) {
    const ClimateRecord* climate = FindClimateRow(wind.Region, wind.Settlement);
    ASSERT_NE(climate, nullptr) << wind.Settlement;
    if (previous != nullptr) {
      EXPECT_LT(previous, climate) << wind.Settlement;
    }
    previous = climate;
  }
}

}  // namespace
}  // namespace ovalto
