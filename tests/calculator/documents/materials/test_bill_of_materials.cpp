#include "materials/bill_of_materials.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "cp1251.h"
#include "recording_message_boxes.h"
#include "tree_builder.h"

namespace ovalto {
namespace {

using testing::ObjectSpec;
using testing::TreeBuilder;

constexpr double kPi = std::numbers::pi;

// A catalogue small enough to follow by hand: Vardo tubes of 60 mm bore
// (20 and 32 mm thick) and of 76 mm, Vardo rolls of 1, 6 and 10 mm.
Catalogues HandCatalogue() {
  const std::string kalderon =
      "h\th\th\t\t\t\t\t\r\n"
      "KALDERON Vardo\tТрубка V 60/20\tм\t60\t20\t\t2\t\t\r\n"
      "KALDERON Vardo\tТрубка V 60/32\tм\t60\t32\t\t2\t\t\r\n"
      "KALDERON Vardo\tТрубка V 76/25\tм\t76\t25\t\t2\t\t\r\n"
      "KALDERON Vardo\tРулон V 10\tм2\t\t10\t1\t20\t\t\r\n"
      "KALDERON Vardo\tРулон V 6\tм2\t\t6\t1\t20\t\t\r\n"
      "KALDERON Thin\tРулон T 1\tм2\t\t1\t1\t20\t\t\r\n";
  const std::string pellorit =
      "h\th\th\th\r\n"
      "\tБез покрытия\t-\t-\t\t\t\t\t\r\n"
      "Труба\tPELLORIT CT\tОболочка Т-СТ 150\tшт.\t150\t\t\t\t\r\n"
      "Отвод\tPELLORIT CT\tОболочка О-СТ 150/50\tшт.\t\t\t150\t50\t\r\n"
      "Тройник\tPELLORIT CT\tОболочка Тр-СТ 150\tшт.\t150\t\t\t\t\r\n"
      "\tPELLORIT TK\tРулон TK\tм2\t\t\t\t\t\r\n";
  Catalogues catalogues;
  EXPECT_TRUE(ParseInsulationCatalogue(Utf8ToCp1251(kalderon), catalogues.Insulation));
  EXPECT_TRUE(ParseCoveringCatalogue(Utf8ToCp1251(pellorit), catalogues.Coverings));
  return catalogues;
}

const Catalogues& BuiltIn() {
  static const Catalogues catalogues = [] {
    testing::RecordingMessageBoxes messages;
    return LoadPrices(messages);
  }();
  return catalogues;
}

const MaterialRow* Find(const BillOfMaterials& bill, const std::string& name) {
  for (const MaterialRow& row : bill.Rows) {
    if (row.Name == name) return &row;
  }
  return nullptr;
}

BillOfMaterials Build(const TreeBuilder& tree, const Catalogues& catalogues = BuiltIn(),
                      DocumentKind kind = DocumentKind::InstallationList) {
  return BuildMaterialList(tree.Nodes(), catalogues, kind);
}

TEST(BillOfMaterials, AnEmptyProjectHasNoRows) {
  EXPECT_TRUE(Build(TreeBuilder()).Rows.empty());
  const BillOfMaterials systems = Build(TreeBuilder().System("А").System("Б"));
  EXPECT_TRUE(systems.Rows.empty());
  EXPECT_TRUE(systems.Error.empty());
}

TEST(BillOfMaterials, APipeTakesTheClosestTubeThenRollsForTheRest) {
  TreeBuilder tree;
  tree.System().Object(ObjectSpec{.SizeMm = 57, .LengthM = 10, .ThicknessMm = 40});
  const BillOfMaterials bill = Build(tree, HandCatalogue());
  ASSERT_TRUE(bill.Error.empty());
  ASSERT_GE(bill.Rows.size(), 2u);
  const MaterialRow& tube = bill.Rows[0];
  const MaterialRow& roll = bill.Rows[1];
  // No tube is 40 mm thick: the least bore over 57, the thickest of those.
  EXPECT_EQ(tube.Name, "Трубка V 60/32");
  EXPECT_EQ(tube.Quantity, 10);
  EXPECT_EQ(tube.SizeMm, 57);
  EXPECT_EQ(tube.LengthM, 10);
  EXPECT_EQ(tube.GroupLabel, "Изделие теплоизоляционное из вспененного полиэтилена");
  EXPECT_EQ(tube.MakerLine, "KALDERON\nCTO 31862740-002-2009");
  EXPECT_EQ(tube.NodeIndex, tree.LastObject());
  // 8 mm remain: the 10 mm roll over 60 + 2 × 32 = 124 mm, giving 144 mm.
  EXPECT_EQ(roll.Name, "Рулон V 10");
  EXPECT_EQ(roll.Unit, "кв.м.");
  EXPECT_DOUBLE_EQ(roll.Quantity, kPi * 10 * 144 / 1000);
  EXPECT_EQ(roll.SizeMm, 0);
  EXPECT_EQ(roll.LengthM, 0);
  EXPECT_EQ(tube.DrawingCode, "5.904.9-78.08.0-06");
  EXPECT_EQ(roll.DrawingCode, "5.904.9-78.08.0-06");
}

TEST(BillOfMaterials, CountsGlueAndTapeOncePerLayerForThatLayersRing) {
  TreeBuilder tree;
  tree.System().Object(ObjectSpec{.SizeMm = 57, .LengthM = 10, .ThicknessMm = 40});
  const BillOfMaterials bill = Build(tree, HandCatalogue());
  const MaterialRow* glue = Find(bill, "Клей \"KALDERON\"");
  const MaterialRow* tape = Find(bill, "Лента серая \"KALDERON\"");
  const MaterialRow* cleaner = Find(bill, "Очиститель \"KALDERON\"");
  const MaterialRow* clamps = Find(bill, "Зажим \"KALDERON\"");
  ASSERT_TRUE(glue && tape && cleaner && clamps);
  // Tube ring 60 → 124 mm, 32 thick; roll ring 124 → 144 mm, 10 thick.
  const double expectedGlue = ((kPi / 4 * (0.124 * 0.124 - 0.060 * 0.060) + 0.032) * 0.54 * 10) +
                              ((kPi / 4 * (0.144 * 0.144 - 0.124 * 0.124) + 0.010) * 0.54 * 10);
  EXPECT_DOUBLE_EQ(glue->Quantity, expectedGlue);
  EXPECT_EQ(glue->Unit, "л");
  EXPECT_EQ(glue->MakerLine, "KALDERON");
  EXPECT_EQ(glue->GroupLabel, "");
  EXPECT_EQ(glue->DrawingCode, "");
  EXPECT_DOUBLE_EQ(tape->Quantity, (0.124 * kPi + 1) * 1.1 * 10 + (0.144 * kPi + 1) * 1.1 * 10);
  EXPECT_DOUBLE_EQ(cleaner->Quantity, 10 * 0.002 + kPi * 10 * 0.144 * 0.0057);
  EXPECT_EQ(clamps->Quantity, 30 + 60);  // ⌈3 × L × n⌉ for n = 1, 2
  EXPECT_EQ(Find(bill, "Саморез \"KALDERON\""), nullptr);
}

TEST(BillOfMaterials, ClampsOfDecimalLengthsCeilTheirDecimalValue) {
  TreeBuilder tree;
  tree.System().Object(ObjectSpec{.SizeMm = 57, .LengthM = 0.2, .ThicknessMm = 5, .Insulation = "KALDERON Thin"});
  const BillOfMaterials bill = Build(tree, HandCatalogue());
  // Five 1 mm layers; 3 × 0,2 × 5 is 3, not a hair above it.
  const MaterialRow* clamps = Find(bill, "Зажим \"KALDERON\"");
  ASSERT_TRUE(clamps);
  EXPECT_EQ(clamps->Quantity, 1 + 2 + 2 + 3 + 3);
}

TEST(BillOfMaterials, ASheetCoveringTakesAPipeCoverPerStartedMetreAndScrewsOnce) {
  TreeBuilder tree;
  tree.System().Object(ObjectSpec{.SizeMm = 57, .LengthM = 2.1, .ThicknessMm = 40, .Covering = "PELLORIT CT"});
  const BillOfMaterials bill = Build(tree, HandCatalogue());
  const MaterialRow* cover = Find(bill, "Оболочка Т-СТ 150");
  ASSERT_TRUE(cover);
  EXPECT_EQ(cover->Quantity, 3);
  EXPECT_EQ(cover->CoverThicknessMm, 0.5);
  EXPECT_EQ(cover->GroupLabel, "Оболочка металлическая тонколистовая");
  EXPECT_EQ(cover->MakerLine, "PELLORIT\nТУ 5774-009-31862706-2010");
  EXPECT_EQ(cover->DrawingCode, "5.904.9-78.08.0-10");
  EXPECT_EQ(cover->SizeMm, 0);
  // Two layers under one covering: one set of screws.
  const MaterialRow* screws = Find(bill, "Саморез \"KALDERON\"");
  ASSERT_TRUE(screws);
  EXPECT_DOUBLE_EQ(screws->Quantity, 10 * 2.1);
  EXPECT_EQ(screws->Unit, "шт.");
}

TEST(BillOfMaterials, ATankWithoutLengthShowsItsHeightInMetres) {
  TreeBuilder tree;
  tree.System().Object(
      ObjectSpec{.Kind = 11, .Name = "ЁМКОСТЬ", .SizeMm = 1000, .HeightMm = 2000, .LengthM = 0, .ThicknessMm = 10});
  const BillOfMaterials bill = Build(tree, HandCatalogue());
  ASSERT_FALSE(bill.Rows.empty());
  EXPECT_EQ(bill.Rows[0].Name, "Рулон V 10");
  EXPECT_EQ(bill.Rows[0].LengthM, 2);
  EXPECT_DOUBLE_EQ(bill.Rows[0].Quantity, kPi * 2.02 * 1.02 + 2 * 1.02 * 1.02);
  const MaterialRow* glue = Find(bill, "Клей \"KALDERON\"");
  ASSERT_TRUE(glue);
  EXPECT_DOUBLE_EQ(glue->Quantity, bill.Rows[0].Quantity * 0.2);
}

TEST(BillOfMaterials, FittingsCopyTheLayersAndTakeTheirCovers) {
  TreeBuilder tree;
  tree.System()
      .Object(ObjectSpec{.SizeMm = 57, .LengthM = 10, .ThicknessMm = 40, .Covering = "PELLORIT CT"})
      .Detail(2, 4)
      .Detail(5, 2);
  const BillOfMaterials bill = Build(tree, HandCatalogue());
  ASSERT_TRUE(bill.Error.empty());
  // A bend cover counted in pieces: the count.
  const MaterialRow* bend = Find(bill, "Оболочка О-СТ 150/50");
  ASSERT_TRUE(bend);
  EXPECT_EQ(bend->Quantity, 4);
  EXPECT_EQ(bend->GroupLabel, " Отвод=4");
  EXPECT_EQ(bend->DrawingCode, "5.904.9-78.08.0-20");
  // A tee cover is an area times the count, over the outermost layer.
  const MaterialRow* tee = Find(bill, "Оболочка Тр-СТ 150");
  ASSERT_TRUE(tee);
  const double x = 144, t = 40;
  EXPECT_DOUBLE_EQ(tee->Quantity, ((2 * x + t) / 1000) * (kPi * kPi / 2) * ((x + 2 * t) / 1000) * 2);
  // Layer copies keep the copied row's size; the tube's copy keeps its length.
  std::size_t bendCopies = 0;
  for (const MaterialRow& row : bill.Rows) {
    if (row.GroupLabel == " Отвод=4" && row.ThicknessMm > 0) {
      ++bendCopies;
      if (row.Name == "Трубка V 60/32") {
        EXPECT_EQ(row.SizeMm, 57);
        EXPECT_EQ(row.LengthM, 10);
        // The tube copy adds an area to the tube's metres, as the album does.
        EXPECT_DOUBLE_EQ(row.Quantity, ((2 * 124 + t) / 1000) * (kPi * kPi / 2) * ((124 + 2 * t) / 1000) * 4);
      }
    }
  }
  EXPECT_EQ(bendCopies, 2u);
  // The fitting's accessories carry its label and rounded count.
  bool bendScrews = false;
  for (const MaterialRow& row : bill.Rows) {
    if (row.GroupLabel == " Отвод=4" && row.Name == "Саморез \"KALDERON\"") {
      bendScrews = true;
      EXPECT_EQ(row.Quantity, 40);
    }
  }
  EXPECT_TRUE(bendScrews);
}

TEST(BillOfMaterials, AccessoriesAreLabelledForTheMaterialSchedule) {
  TreeBuilder tree;
  tree.System().Object(ObjectSpec{}).Detail(2, 3);
  const BillOfMaterials bill = Build(tree, BuiltIn(), DocumentKind::MaterialSchedule);
  std::size_t accessories = 0;
  for (const MaterialRow& row : bill.Rows) {
    if (row.MakerLine == "KALDERON") {
      ++accessories;
      EXPECT_EQ(row.GroupLabel, "Аксессуар");
    }
  }
  EXPECT_GT(accessories, 4u);
}

TEST(BillOfMaterials, AFlangeBeyondTheTableAddsNoFlangeRows) {
  TreeBuilder tree;
  tree.System().Object(ObjectSpec{.SizeMm = 1300, .LengthM = 5, .ThicknessMm = 20}).Detail(3, 2);
  const BillOfMaterials bill = Build(tree);
  for (const MaterialRow& row : bill.Rows) {
    if (row.GroupLabel.rfind(" Фланец", 0) == 0) {
      EXPECT_EQ(row.MakerLine, "KALDERON") << row.Name;
    }
  }
}

TEST(BillOfMaterials, EccentricReducersUseTheConcentricDrawings) {
  TreeBuilder tree;
  tree.System().Object(ObjectSpec{.SizeMm = 57, .ThicknessMm = 9}).Detail(7, 1, 45);
  const BillOfMaterials bill = Build(tree);
  bool found = false;
  for (const MaterialRow& row : bill.Rows) {
    if (row.GroupLabel == " Переход эксцентрический=1" && row.ThicknessMm > 0) {
      found = true;
      EXPECT_EQ(row.DrawingCode, "5.904.9-78.08.0-31");
    }
  }
  EXPECT_TRUE(found);
}

TEST(BillOfMaterials, FoilFacedDuctsUnderFilmTakeOneAluminiumTape) {
  TreeBuilder tree;
  tree.System().Object(ObjectSpec{.Kind = 12,
                                  .Name = "ВОЗДУХОВОД",
                                  .SizeMm = 500,
                                  .HeightMm = 300,
                                  .LengthM = 10,
                                  .ThicknessMm = 10,
                                  .Insulation = "KALDERON Corvane DUCT AL",
                                  .Covering = "PELLORIT TK",
                                  .Purpose = "ПК О"});
  const BillOfMaterials bill = Build(tree);
  std::size_t aluminium = 0;
  for (const MaterialRow& row : bill.Rows) aluminium += row.Name == "Лента алюминевая \"KALDERON\"" ? 1 : 0;
  EXPECT_EQ(aluminium, 1u);
  const MaterialRow* insulation = &bill.Rows.at(0);
  const MaterialRow* covering = Find(bill, "Рулон PELLORIT TK 1000-25");
  ASSERT_TRUE(covering);
  const MaterialRow* tape = Find(bill, "Лента алюминевая \"KALDERON\"");
  EXPECT_DOUBLE_EQ(tape->Quantity, insulation->Quantity * 2.6 + covering->Quantity * 2.6);
  // DUCT products take no glue; outdoors a film covering is sealed.
  EXPECT_EQ(Find(bill, "Клей \"KALDERON\""), nullptr);
  const MaterialRow* sealant = Find(bill, "Герметик \"KALDERON\"");
  ASSERT_TRUE(sealant);
  EXPECT_DOUBLE_EQ(sealant->Quantity, covering->Quantity * 0.065);
  EXPECT_EQ(covering->DrawingCode, "");  // Corvane DUCT AL under TK has no drawing
}

TEST(BillOfMaterials, ObjectsComeOutInTreeOrderEachShowingItsSize) {
  TreeBuilder tree;
  tree.System("А")
      .Object(ObjectSpec{.SizeMm = 57})
      .Object(ObjectSpec{.SizeMm = 89})
      .System("Б")
      .Object(ObjectSpec{.SizeMm = 57});
  const BillOfMaterials bill = Build(tree);
  std::vector<double> sizes;
  for (const MaterialRow& row : bill.Rows) {
    if (row.SizeMm > 0) sizes.push_back(row.SizeMm);
  }
  EXPECT_EQ(sizes, (std::vector<double>{57, 89, 57}));
}

TEST(BillOfMaterials, ANumberThatDoesNotReadOrLiesBeyondTheLimitStopsTheBuildNamingTheObject) {
  TreeBuilder tree;
  tree.System().Object(ObjectSpec{.Name = "Подача Т1"}).Line("Длина трубы = ? м");
  const BillOfMaterials bill = Build(tree);
  EXPECT_TRUE(bill.Rows.empty());
  EXPECT_NE(bill.Error.find("\"Подача Т1\""), std::string::npos) << bill.Error;
  EXPECT_NE(bill.Error.find("Длина трубы = ? м"), std::string::npos);

  TreeBuilder farTooLong;
  farTooLong.System().Object(ObjectSpec{.Name = "Подача Т1", .LengthM = 2000000000});
  EXPECT_EQ(Build(farTooLong).Error,
            "Объект \"Подача Т1\": в строке \"Длина трубы = 2000000000 м\" число больше, чем 1000000000.");

  TreeBuilder detail;
  detail.System().Object(ObjectSpec{.Name = "Обратка"});
  std::vector<FlatTreeNode> nodes = detail.Nodes();
  nodes.push_back({4, 2, "Отвод  [ 99999999 шт]"});
  const std::string tooMany = BuildMaterialList(nodes, BuiltIn(), DocumentKind::InstallationList).Error;
  EXPECT_EQ(tooMany, "Объект \"Обратка\": в строке \"Отвод  [ 99999999 шт]\" деталей больше, чем 9999999.");
}

TEST(BillOfMaterials, StaleLinesAreSkipped) {
  TreeBuilder tree;
  tree.System().Object(ObjectSpec{}).Line("Старая строка без ключа").Line("Температура вещества = 95 °C", 14);
  std::vector<FlatTreeNode> nodes = tree.Nodes();
  nodes.push_back({4, 2, "Отвод без скобок"});
  const BillOfMaterials bill = BuildMaterialList(nodes, BuiltIn(), DocumentKind::InstallationList);
  EXPECT_TRUE(bill.Error.empty());
  EXPECT_FALSE(bill.Rows.empty());
}

TEST(BillOfMaterials, AThicknessNoObjectHasEndsWithAMessageInsteadOfEndlessRows) {
  TreeBuilder tree;
  tree.System().Object(ObjectSpec{.Name = "Стояк", .ThicknessMm = 100000000});
  const BillOfMaterials bill = Build(tree);
  EXPECT_TRUE(bill.Rows.empty());
  EXPECT_NE(bill.Error.find("\"Стояк\""), std::string::npos);
  EXPECT_NE(bill.Error.find("длиннее 2000 строк"), std::string::npos);
}

TEST(BillOfMaterials, AnObjectWithoutProductsGetsNoFittingCoversAndIsNamed) {
  TreeBuilder tree;
  tree.System()
      .Object(ObjectSpec{.Name = "Старый", .Insulation = "KALDERON Ulterra", .Covering = "PELLORIT TK"})
      .Detail(2, 4)
      .Detail(8, 2);
  const BillOfMaterials bill = Build(tree);
  EXPECT_TRUE(bill.Error.empty());
  EXPECT_TRUE(bill.Rows.empty());
  ASSERT_EQ(bill.Warnings.size(), 1u);
  EXPECT_NE(bill.Warnings[0].find("\"Старый\""), std::string::npos);
}

}  // namespace
}  // namespace ovalto
