#include "tables/reference_tables.h"

#include <gtest/gtest.h>

namespace ovalto {
namespace {

using Sizes = std::vector<double>;

TEST(PipeSizeTableTest, DiametersComeByMaterialInTableOrder) {
  const Sizes steel = PipeDiameters("Сталь");
  ASSERT_EQ(steel.size(), 15u);
  EXPECT_EQ(steel.front(), 10.2);
  EXPECT_EQ(steel.back(), 165);
  EXPECT_EQ(PipeDiameters("Медь").size(), 11u);
  EXPECT_EQ(PipeDiameters("Полипропилен").size(), 14u);
  EXPECT_EQ(PipeDiameters("Полиэтилен").size(), 10u);
  const Sizes metalPlastic = PipeDiameters("Металлопластик");
  ASSERT_EQ(metalPlastic.size(), 12u);
  EXPECT_EQ(metalPlastic.back(), 110);
  EXPECT_EQ(PipeSizeTable.back().WallMm, 10);
}

TEST(PipeSizeTableTest, OtherMaterialHasNoSizes) {
  EXPECT_TRUE(PipeDiameters("Другой").empty());
  EXPECT_TRUE(PipeDiameters("сталь").empty());
}

TEST(PipeSizeTableTest, WallsMatchMaterialAndExactDiameter) {
  EXPECT_EQ(PipeWalls("Сталь", 48), Sizes{3.5});
  EXPECT_EQ(PipeWalls("Металлопластик", 20), Sizes{2.25});
  EXPECT_EQ(PipeWalls("Полиэтилен", 20), Sizes{2});
  EXPECT_TRUE(PipeWalls("Медь", 48).empty());
  EXPECT_TRUE(PipeWalls("Сталь", 48.0001).empty());
  EXPECT_TRUE(PipeWalls("Другой", 48).empty());
}

TEST(DuctSizeTableTest, SheetsByExactDiameter) {
  EXPECT_EQ(DuctSheets(100), Sizes{0.5});
  EXPECT_EQ(DuctSheets(900), Sizes{1});
  EXPECT_EQ(DuctSheets(2000), Sizes{1.4});
  EXPECT_TRUE(DuctSheets(101).empty());
  EXPECT_EQ(DuctSizeTable.back().SectionM2, 2.51);
}

TEST(SubstanceTableTest, FindsByExactName) {
  const SubstanceRecord* water = FindSubstance("вода");
  ASSERT_NE(water, nullptr);
  EXPECT_EQ(water, &SubstanceTable[1]);
  EXPECT_EQ(water->Density, 998);
  EXPECT_EQ(water->FreezingHeat, 332);
  const SubstanceRecord* oil = FindSubstance("нефть");
  ASSERT_NE(oil, nullptr);
  EXPECT_EQ(oil, &SubstanceTable.back());
  EXPECT_EQ(oil->FreezingPoint, -14);
  EXPECT_EQ(FindSubstance("воздух"), &SubstanceTable.front());
  EXPECT_EQ(FindSubstance("Вода"), nullptr);
  EXPECT_EQ(FindSubstance(""), nullptr);
}

TEST(InsulationTypeTableTest, FindsByExactLineName) {
  const InsulationTypeRecord* foil = FindInsulationType("KALDERON Vardo AL");
  ASSERT_NE(foil, nullptr);
  EXPECT_EQ(foil, &InsulationTypeTable[3]);
  EXPECT_EQ(foil->RadiationCoefficient, 0.35);
  const InsulationTypeRecord* duct = FindInsulationType("KALDERON Corvane DUCT");
  ASSERT_NE(duct, nullptr);
  EXPECT_EQ(duct->MaxTempC, 80);
  EXPECT_EQ(duct->Lambda0, 0.038);
  EXPECT_EQ(duct->LambdaSlope, 0.0002);
  EXPECT_EQ(FindInsulationType("kalderon vardo"), nullptr);
}

TEST(CoveringTypeTableTest, FindsByExactCoveringName) {
  EXPECT_EQ(FindCoveringType("Без покрытия"), &CoveringTypeTable.front());
  EXPECT_TRUE(CoveringTypeTable.front().SpecText.empty());
  const CoveringTypeRecord* adhesive = FindCoveringType("PELLORIT TK CK");
  ASSERT_NE(adhesive, nullptr);
  EXPECT_EQ(adhesive->ShortCode, "TK");
  EXPECT_EQ(adhesive->GroupLabel, "Покровный материал самоклеящийся");
  const CoveringTypeRecord* aluminium = FindCoveringType("PELLORIT AL");
  ASSERT_NE(aluminium, nullptr);
  EXPECT_EQ(aluminium->RadiationCoefficient, 1.2);
  EXPECT_EQ(aluminium->SpecText, "ТУ 5774-009-31862706-2010");
  EXPECT_EQ(FindCoveringType("pellorit tk"), nullptr);
}

}  // namespace
}  // namespace ovalto
