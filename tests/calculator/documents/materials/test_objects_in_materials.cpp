// Objects as the object dialog, the sizing and the details dialog write
// them into a project's tree, read back by the bill of materials: every
// line one side writes must be a line the other side reads.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogues/catalogues.h"
#include "materials/bill_of_materials.h"
#include "materials/tree_lines.h"
#include "objects/detail_lines.h"
#include "objects/object_tree.h"
#include "recording_message_boxes.h"
#include "text_case.h"
#include "tree/tree_editing.h"
#include "workbook/workbook_document.h"

namespace ovalto {
namespace {

const std::vector<ObjectParams> kObjects = {
    {kPipelineObject, 12.5, 57, 0, 20, "ТРУБОПРОВОД", "KALDERON Vardo", "PELLORIT TK", "СН О"},
    {kTankObject, 0, 1200, 2500, 40, "ЁМКОСТЬ", "KALDERON Vardo", "Без покрытия", "ТВ П"},
    {kRectangularDuctObject, 8.5, 400, 300, 13, "ВОЗДУХОВОД ПРЯМОУГОЛЬНЫЙ", "KALDERON Corvane DUCT", "PELLORIT TK",
     "ПК П"},
    {kCylindricalDuctObject, 6, 250, 0, 9, "ВОЗДУХОВОД ЦИЛИНДРИЧЕСКИЙ", "KALDERON Corvane DUCT AL", "Без покрытия",
     "З О"},
};

const Catalogues& BuiltIn() {
  static const Catalogues catalogues = [] {
    testing::RecordingMessageBoxes messages;
    return LoadPrices(messages);
  }();
  return catalogues;
}

struct Project {
  Project() {
    ResetTree(tree, true);
    system = tree.Root()->Child(0);
  }
  int IndexOf(const TreeNode& node) const {
    const std::vector<TreeNode*> nodes = tree.Nodes();
    return static_cast<int>(std::find(nodes.begin(), nodes.end(), &node) - nodes.begin());
  }
  ProjectTree tree;
  TreeNode* system;
};

// Reads the object's lines as the bill of materials does; every line but
// the temperature of a sized object must carry a key.
ObjectReading ReadBack(const TreeNode& object) {
  ObjectReading reading;
  for (const auto& line : object.Children()) {
    if (line->Image() == kImageDetails) continue;
    const LineReading result = ReadObjectLine(line->Text(), reading);
    const bool temperature = line->Text().rfind("Температура вещества", 0) == 0;
    EXPECT_EQ(result, temperature ? LineReading::Skipped : LineReading::Read) << line->Text();
  }
  return reading;
}

void ExpectReadAsWritten(const ObjectReading& reading, const ObjectParams& params) {
  EXPECT_EQ(reading.SizeMm, params.SizeMm);
  EXPECT_EQ(reading.HeightMm, params.HeightMm);
  EXPECT_EQ(reading.LengthM, params.LengthM);
  EXPECT_EQ(reading.ThicknessMm, params.ThicknessMm);
  EXPECT_EQ(reading.InsulationType, UpperCase(params.InsulationType));
  EXPECT_EQ(reading.CoveringType, UpperCase(params.CoveringType));
  EXPECT_EQ(reading.Purpose, UpperCase(params.Purpose));
}

// The first row of an object carries its size and its length (a tank's
// height in metres).
void ExpectFirstRowOf(const BillOfMaterials& bill, int node, const ObjectParams& params) {
  const auto row =
      std::find_if(bill.Rows.begin(), bill.Rows.end(), [node](const MaterialRow& r) { return r.NodeIndex == node; });
  ASSERT_NE(row, bill.Rows.end()) << params.ObjectName;
  EXPECT_EQ(row->SizeMm, params.SizeMm) << params.ObjectName;
  EXPECT_DOUBLE_EQ(row->LengthM, params.Kind == kTankObject ? params.HeightMm / 1000 : params.LengthM)
      << params.ObjectName;
  EXPECT_GT(row->ThicknessMm, 0) << params.ObjectName;
}

TEST(ObjectsInMaterials, EveryKindEnteredByHandOrSizedIsReadAsWritten) {
  Project p;
  std::vector<std::pair<int, ObjectParams>> written;
  for (const ObjectParams& params : kObjects) {
    const TreeNode& hand = AddHandObject(p.tree, *p.system, params);
    ExpectReadAsWritten(ReadBack(hand), params);
    written.emplace_back(p.IndexOf(hand), params);

    const TreeNode& sized = AddSizedObject(p.tree, *p.system, SizedObject{params, 95});
    ExpectReadAsWritten(ReadBack(sized), params);
    written.emplace_back(p.IndexOf(sized), params);
  }

  const BillOfMaterials bill = BuildMaterialList(FlatNodesOf(p.tree), BuiltIn(), DocumentKind::InstallationList);
  ASSERT_TRUE(bill.Error.empty()) << bill.Error;
  for (const auto& [node, params] : written) ExpectFirstRowOf(bill, node, params);
}

TEST(ObjectsInMaterials, EveryDetailTheDialogWritesBecomesRowsOfItsPipeline) {
  DetailEntry entry;
  entry.Counts = {"4", "2", "1", "3", "2", "1", "2"};
  entry.Sizes[4] = "45";
  entry.Sizes[5] = "38";
  testing::RecordingMessageBoxes messages;
  const DetailOutcome outcome = ApplyDetailEntry(entry, messages);
  ASSERT_EQ(outcome.DetailCount, 9);

  for (bool sized : {false, true}) {
    Project p;
    TreeNode& object = sized ? AddSizedObject(p.tree, *p.system, SizedObject{kObjects[0], 95})
                             : AddHandObject(p.tree, *p.system, kObjects[0]);
    TreeNode& details = *object.Child(object.ChildCount() - 1);
    ASSERT_EQ(details.Image(), kImageDetails);
    const std::vector<TreeNode*> lines = AddDetailLines(p.tree, details, outcome.Slots);
    ASSERT_EQ(lines.size(), 7u);
    for (std::size_t slot = 0; slot < lines.size(); ++slot) {
      DetailReading reading;
      ASSERT_EQ(ReadDetailLine(lines[slot]->Text(), reading), LineReading::Read) << lines[slot]->Text();
      EXPECT_EQ(reading.KindText, UpperCase(DetailCaptions[slot]));
      EXPECT_EQ(reading.Count, std::stod(entry.Counts[slot]));
      EXPECT_EQ(reading.SmallMm, IsReducerSlot(static_cast<int>(slot)) ? std::stod(entry.Sizes[slot]) : 0);
    }

    const BillOfMaterials bill = BuildMaterialList(FlatNodesOf(p.tree), BuiltIn(), DocumentKind::InstallationList);
    ASSERT_TRUE(bill.Error.empty()) << bill.Error;
    for (std::size_t slot = 0; slot < lines.size(); ++slot) {
      const std::string label = std::string(" ").append(DetailCaptions[slot]).append("=").append(entry.Counts[slot]);
      const bool found = std::any_of(bill.Rows.begin(), bill.Rows.end(), [&](const MaterialRow& row) {
        return row.GroupLabel == label && row.Quantity > 0;
      });
      EXPECT_TRUE(found) << label << (sized ? " sized" : " by hand");
    }
  }
}

}  // namespace
}  // namespace ovalto
