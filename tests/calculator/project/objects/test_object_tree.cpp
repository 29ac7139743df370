#include "objects/object_tree.h"

#include <gtest/gtest.h>

#include "tree/tree_editing.h"
#include "tree/tree_text.h"

namespace ovalto {
namespace {

const ObjectParams kPipeline{kPipelineObject, 12.5, 57, 0, 13, "Т1", "KALDERON Vardo", "PELLORIT TK", "СН О"};

struct Project {
  Project() {
    ResetTree(tree, true);
    system = tree.Root()->Child(0);
  }
  ProjectTree tree;
  TreeNode* system;
};

TEST(ObjectTree, HandObjectGoesUnderTheSystemAndSelectsItsPipeLength) {
  Project p;
  TreeNode& object = AddHandObject(p.tree, *p.system, kPipeline);
  EXPECT_EQ(object.Level(), 2);
  EXPECT_EQ(object.Image(), kImagePipeline);
  EXPECT_EQ(object.Text(), "Т1");
  ASSERT_EQ(object.ChildCount(), 7);
  EXPECT_EQ(LastLineToSelect(object)->Text(), "Труба [ 12,5 м ]");
  EXPECT_EQ(LastLineToSelect(object)->Level(), 4);
  EXPECT_EQ(ReEditOf(object.Child(0)), ReEditKind::Object);
  EXPECT_EQ(ReEditOf(&object), ReEditKind::None);
  EXPECT_EQ(ReEditOf(object.Child(6)), ReEditKind::None);               // "ДЕТАЛИ"
  EXPECT_EQ(ReEditOf(object.Child(6)->Child(0)), ReEditKind::Details);  // the pipe length line

  ObjectParams tank{kTankObject, 0, 1200, 2500, 40, "Е", "KALDERON Vardo", "PELLORIT TK", "ТВ П"};
  TreeNode& tankNode = AddHandObject(p.tree, *p.system, tank);
  EXPECT_EQ(LastLineToSelect(tankNode)->Text(), "Назначение и расположение : \"ТВ П\"");
}

TEST(ObjectTree, DetailsComeAfterTheBranchsLinesAndReEditReplacesThem) {
  Project p;
  TreeNode& object = AddHandObject(p.tree, *p.system, kPipeline);
  TreeNode& details = *object.Child(6);
  DetailSlots slots;
  slots[0] = "Отвод  [ 4 шт]";
  slots[4] = "Переход концентрический  [ 2 шт; на 57 мм]";
  const std::vector<TreeNode*> added = AddDetailLines(p.tree, details, slots);
  ASSERT_EQ(added.size(), 2u);
  EXPECT_EQ(added[0]->Image(), 2);
  EXPECT_EQ(added[1]->Image(), 6);
  EXPECT_EQ(details.ChildCount(), 3);

  const std::optional<DetailPreset> preset = DetailPresetOf(details);
  ASSERT_TRUE(preset);
  EXPECT_EQ((*preset)[0]->Count, "4");
  EXPECT_EQ((*preset)[4]->Size, "57");
  EXPECT_FALSE((*preset)[1]);

  DetailSlots changed;
  changed[6] = "Торец  [ 2 шт]";
  ReplaceDetailLines(p.tree, details, changed);
  ASSERT_EQ(details.ChildCount(), 2);
  EXPECT_EQ(details.Child(0)->Text(), "Труба [ 12,5 м ]");
  EXPECT_EQ(details.Child(1)->Text(), "Торец  [ 2 шт]");
  EXPECT_EQ(details.Child(1)->Image(), 8);
}

TEST(ObjectTree, MetalSheetIsReadFromTheObjectOfTheBranch) {
  Project p;
  ObjectParams covered = kPipeline;
  covered.CoveringType = "PELLORIT AL";
  EXPECT_TRUE(DetailsTakeNoFlanges(*AddHandObject(p.tree, *p.system, covered).Child(6)));
  covered.CoveringType = "PELLORIT TK CK";
  EXPECT_FALSE(DetailsTakeNoFlanges(*AddHandObject(p.tree, *p.system, covered).Child(6)));
}

TEST(ObjectTree, ReEditRewritesTheHandLinesAndKeepsNameAndPipeLength) {
  Project p;
  TreeNode& object = AddHandObject(p.tree, *p.system, kPipeline);
  p.tree.SetText(object, "Переименован");
  ObjectEntry entry = ReEditEntryOf(object);
  EXPECT_EQ(entry.Name, "Переименован");
  EXPECT_EQ(entry.LengthText, "12,5");
  ObjectParams changed = kPipeline;
  changed.SizeMm = 42;
  changed.LengthM = 30;
  RewriteHandLines(p.tree, object, changed);
  EXPECT_EQ(object.Text(), "Переименован");
  EXPECT_EQ(object.Child(0)->Text(), "Диаметр трубы = 42 мм");
  EXPECT_EQ(object.Child(1)->Text(), "Длина трубы = 30 м");
  EXPECT_EQ(object.Child(6)->Child(0)->Text(), "Труба [ 12,5 м ]");
}

TEST(ObjectTree, SizedObjectLinesAreNotReEdited) {
  Project p;
  SizedObject sized{kPipeline, 95};
  TreeNode& object = AddSizedObject(p.tree, *p.system, sized);
  EXPECT_EQ(object.Child(0)->Image(), kImageCalculatedLine);
  EXPECT_EQ(ReEditOf(object.Child(0)), ReEditKind::None);
  EXPECT_EQ(ParameterLineTexts(object).size(), 7u);
}

TEST(ObjectTree, ObjectsSurviveTheTreeText) {
  Project p;
  AddHandObject(p.tree, *p.system, kPipeline);
  AddSizedObject(p.tree, *p.system, SizedObject{kPipeline, 95});
  const std::string text = BuildTreeText(p.tree);
  ParsedTree parsed = ParseTreeText(text);
  ASSERT_TRUE(parsed.Complete());
  ProjectTree again;
  again.Assign(std::move(parsed.TopLevel));
  EXPECT_EQ(BuildTreeText(again), text);
  EXPECT_NE(text.find("\t\t\t16Длина трубы = 12,5 м"), std::string::npos);
  EXPECT_NE(text.find("\t\t\t\t01Труба [ 12,5 м ]"), std::string::npos);
}

}  // namespace
}  // namespace ovalto
