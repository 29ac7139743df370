#include "tree/project_tree.h"

#include <gtest/gtest.h>

#include "tree/tree_editing.h"

namespace ovalto {
namespace {

NodeSpec Pipeline() {
  return {kImagePipeline,
          "ТРУБОПРОВОД",
          {{kImageEnteredLine, "Диаметр трубы = 57 мм", {}},
           {kImageDetails, "ДЕТАЛИ", {{kImagePipeLength, "Труба [ 12,5 м ]", {}}}}}};
}

// Records what a view would be told, in order.
struct RecordingObserver : TreeObserver {
  std::vector<std::string> Calls;
  std::string Name(TreeNode* node) { return node ? node->Text() : "top"; }
  void BeginInsert(TreeNode* parent, int first, int last) override {
    Calls.push_back("insert " + Name(parent) + " " + std::to_string(first) + "-" + std::to_string(last));
  }
  void EndInsert() override { Calls.push_back("inserted"); }
  void BeginRemove(TreeNode* parent, int first, int last) override {
    Calls.push_back("remove " + Name(parent) + " " + std::to_string(first) + "-" + std::to_string(last));
  }
  void EndRemove() override { Calls.push_back("removed"); }
  void TextChanged(TreeNode* node) override { Calls.push_back("text " + node->Text()); }
  void BeginReset() override { Calls.push_back("reset"); }
  void EndReset() override { Calls.push_back("was reset"); }
};

TEST(ProjectTree, NewProjectHasTheRootWithItsFirstSystem) {
  ProjectTree tree;
  ResetTree(tree, true);
  ASSERT_EQ(tree.NodeCount(), 2);
  EXPECT_EQ(tree.Root()->Text(), "СИСТЕМЫ");
  EXPECT_EQ(tree.Root()->Level(), 0);
  EXPECT_EQ(tree.Root()->Parent(), nullptr);
  const TreeNode* system = tree.Root()->Child(0);
  EXPECT_EQ(system->Text(), "Новая система 1");
  EXPECT_EQ(system->Image(), kImageSystem);
  EXPECT_EQ(system->Level(), 1);
}

TEST(ProjectTree, InsertedObjectBringsItsLinesAtTheirLevels) {
  ProjectTree tree;
  ResetTree(tree, true);
  RecordingObserver view;
  tree.SetObserver(&view);
  TreeNode& object = tree.InsertNode(*tree.Root()->Child(0), Pipeline());
  EXPECT_EQ(object.Level(), 2);
  EXPECT_EQ(object.Parent(), tree.Root()->Child(0));
  const TreeNode* length = object.Child(1)->Child(0);
  EXPECT_EQ(length->Level(), 4);
  EXPECT_EQ(length->Text(), "Труба [ 12,5 м ]");
  // The view learns the whole subtree at once, through its top node.
  EXPECT_EQ(view.Calls, (std::vector<std::string>{"insert Новая система 1 0-0", "inserted"}));
}

TEST(ProjectTree, ReplaceLinesKeepsWhatIsNotReplaced) {
  ProjectTree tree;
  ResetTree(tree, true);
  TreeNode& details = *tree.InsertNode(*tree.Root()->Child(0), Pipeline()).Child(1);
  tree.InsertNode(details, {3, "Фланец  [ 2 шт]", {}});
  const std::vector<TreeNode*> added =
      tree.ReplaceLines(details, {{2, "Отвод  [ 4 шт]", {}}, {6, "Переход концентрический  [ 2 шт; на 57 мм]", {}}},
                        [](const TreeNode& line) { return line.Image() > kImagePipeLength; });
  ASSERT_EQ(details.ChildCount(), 3);
  EXPECT_EQ(details.Child(0)->Text(), "Труба [ 12,5 м ]");
  EXPECT_EQ(details.Child(1), added[0]);
  EXPECT_EQ(details.Child(2)->Image(), 6);
  tree.ReplaceLines(details, {});
  EXPECT_EQ(details.ChildCount(), 0);
}

TEST(ProjectTree, SeparatorsInTextsBecomeBlanks) {
  ProjectTree tree;
  ResetTree(tree, false);
  TreeNode& system = tree.InsertNode(*tree.Root(), {kImageSystem, "a\tb\r\nc¶d", {}});
  EXPECT_EQ(system.Text(), "a b  c d");
  tree.SetText(system, "x¶\ty");
  EXPECT_EQ(system.Text(), "x  y");
}

TEST(ProjectTree, RemoveTakesTheSubtreeAndTellsTheView) {
  ProjectTree tree;
  ResetTree(tree, true);
  AddSystem(tree, *tree.Root());
  tree.InsertNode(*tree.Root()->Child(0), Pipeline());
  RecordingObserver view;
  tree.SetObserver(&view);
  tree.Remove(*tree.Root()->Child(0));
  EXPECT_EQ(tree.NodeCount(), 2);
  EXPECT_EQ(tree.Root()->Child(0)->Text(), "Новая система 2");
  EXPECT_EQ(view.Calls, (std::vector<std::string>{"remove СИСТЕМЫ 0-0", "removed"}));
}

TEST(TreeEditing, NewSystemTakesTheLowestFreeNumber) {
  ProjectTree tree;
  ResetTree(tree, true);
  EXPECT_EQ(AddSystem(tree, *tree.Root()).Text(), "Новая система 2");
  tree.SetText(*tree.Root()->Child(0), "Отопление");
  EXPECT_EQ(NewSystemName(tree), "Новая система 1");
  // Only systems count: an object with the name does not take it.
  tree.InsertNode(*tree.Root()->Child(1), {kImagePipeline, "Новая система 1", {}});
  EXPECT_EQ(NewSystemName(tree), "Новая система 1");
}

TEST(TreeEditing, ButtonsFollowTheSelectedNode) {
  ProjectTree tree;
  ResetTree(tree, true);
  TreeNode& object = tree.InsertNode(*tree.Root()->Child(0), Pipeline());
  TreeNode& detail = tree.InsertNode(*object.Child(1), {2, "Отвод  [ 4 шт]", {}});

  const TreeButtons root = ButtonsFor(tree.Root());
  EXPECT_TRUE(root.bbADS);
  EXPECT_FALSE(root.bbDEL || root.bb1 || root.bbADD);
  const TreeButtons system = ButtonsFor(tree.Root()->Child(0));
  EXPECT_TRUE(system.bbDEL && system.bb1 && system.bb2 && system.bb3 && system.bb4);
  EXPECT_FALSE(system.bbADS || system.bbADD);
  EXPECT_TRUE(ButtonsFor(&object).bbDEL);
  EXPECT_FALSE(ButtonsFor(object.Child(0)).bbDEL) << "a parameter line goes with its object";
  EXPECT_TRUE(ButtonsFor(object.Child(1)).bbADD);
  EXPECT_FALSE(ButtonsFor(object.Child(1)).bbDEL);
  EXPECT_FALSE(ButtonsFor(object.Child(1)->Child(0)).bbDEL) << "the pipe length line";
  EXPECT_TRUE(ButtonsFor(&detail).bbDEL);
  EXPECT_FALSE(ButtonsFor(nullptr).bbADS);
}

TEST(TreeEditing, RenameRules) {
  ProjectTree tree;
  ResetTree(tree, true);
  TreeNode& object = tree.InsertNode(*tree.Root()->Child(0), Pipeline());
  EXPECT_FALSE(CanRename(*tree.Root()));
  EXPECT_TRUE(CanRename(*tree.Root()->Child(0)));
  EXPECT_TRUE(CanRename(object));
  EXPECT_FALSE(CanRename(*object.Child(0)));
  EXPECT_EQ(EditedText("   "), "...?");
  EXPECT_EQ(EditedText("\t¶"), "...?");
  EXPECT_EQ(EditedText("  Отопление "), "  Отопление ");
  EXPECT_EQ(EditedText("Сеть λ"), "Сеть ?") << "as the file will give it back";
  EXPECT_EQ(DeleteQuestion(object), "Удалить \"ТРУБОПРОВОД\" со всеми вложениями ?");
}

}  // namespace
}  // namespace ovalto
