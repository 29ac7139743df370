#include "project_tree_view.h"

#include <gtest/gtest.h>

#include "project_folder.h"
#include "project_tree_model.h"
#include "recording_message_boxes.h"
#include "tree/tree_editing.h"
#include "tree_images.h"

namespace ovalto {
namespace {

// Root, two systems, a pipeline with a line and its details.
const std::string kThreeLevels =
    "00СИСТЕМЫ¶\t09Отопление¶\t\t10ТРУБОПРОВОД¶\t\t\t16Диаметр трубы = 57 мм¶\t\t\t15ДЕТАЛИ¶"
    "\t\t\t\t01Труба [ 12,5 м ]¶\t09Водоснабжение¶";

class TreeViewTest : public ::testing::Test {
 protected:
  bool Expanded(const TreeNode* node) const { return view.isExpanded(view.Model().IndexOf(node)); }

  testing::ProjectFolder folder;
  testing::RecordingMessageBoxes messages;
  ProjectTreeView view;
};

TEST_F(TreeViewTest, LoadOpensRootAndSystemsAndSelectsTheRoot) {
  EXPECT_EQ(view.LoadTreeText(kThreeLevels, folder.Path()), "");
  const TreeNode* root = view.Tree().Root();
  const TreeNode* heating = root->Child(0);
  const TreeNode* pipeline = heating->Child(0);
  EXPECT_EQ(view.Selected(), root);
  EXPECT_TRUE(Expanded(root));
  EXPECT_TRUE(Expanded(heating));
  EXPECT_FALSE(Expanded(pipeline)) << "objects stay closed over their lines";
  EXPECT_EQ(view.BuildTreeText(), kThreeLevels);
  EXPECT_EQ(folder.Read("projects.tmp").substr(0, 11), "00\xD1\xC8\xD1\xD2\xC5\xCC\xDB\r\n");
  EXPECT_FALSE(TreeImage(kImagePipeline).isNull());
  EXPECT_EQ(view.iconSize(), QSize(38, 38));
}

TEST_F(TreeViewTest, EmptyTextGivesTheRootAloneAndAJumpKeepsThePartRead) {
  EXPECT_EQ(view.LoadTreeText("", folder.Path()), "");
  EXPECT_EQ(view.Tree().NodeCount(), 1);
  EXPECT_EQ(view.LoadTreeText("00R¶\t09S¶\t\t\t16x¶", folder.Path()), "Неверный уровень (3) для элемента \"16x\"");
  EXPECT_EQ(view.Tree().NodeCount(), 2);
}

TEST_F(TreeViewTest, ObjectInsertedIntoTheCoreTreeShowsInTheView) {
  view.NewProjectTree();
  TreeNode* system = view.Tree().Root()->Child(0);
  EXPECT_EQ(view.Selected(), system);
  TreeNode& object =
      view.Tree().InsertNode(*system, {kImageTank, "ЁМКОСТЬ", {{kImageEnteredLine, "Наружний диаметр = 500 мм", {}}}});
  view.Select(object.Child(0));
  view.Select(&object);
  const QModelIndex index = view.Model().IndexOf(&object);
  EXPECT_EQ(view.Model().rowCount(index), 1);
  EXPECT_EQ(index.data().toString(), "ЁМКОСТЬ");
  EXPECT_TRUE(Expanded(&object));
  view.Tree().ReplaceLines(object, {{kImageEnteredLine, "Наружний диаметр = 600 мм", {}}});
  EXPECT_EQ(view.Model().index(0, 0, index).data().toString(), "Наружний диаметр = 600 мм");
}

TEST_F(TreeViewTest, SystemsAreAddedAndDeletedWithTheQuestion) {
  view.NewProjectTree();
  view.Select(view.Tree().Root());
  view.bbADSClick();
  EXPECT_EQ(view.Selected()->Text(), "Новая система 2");

  messages.Answers = {kButtonNo, kButtonYes};
  view.bbDELClick(messages);
  EXPECT_EQ(view.Tree().Root()->ChildCount(), 2);
  EXPECT_EQ(messages.Shown.back().Text, "Удалить \"Новая система 2\" со всеми вложениями ?");
  view.bbDELClick(messages);
  EXPECT_EQ(view.Tree().Root()->ChildCount(), 1);
  ASSERT_NE(view.Selected(), nullptr) << "a neighbour is selected";

  view.Select(view.Tree().Root());
  view.bbDELClick(messages);
  EXPECT_EQ(view.Tree().NodeCount(), 2) << "the root is never deleted";
}

TEST_F(TreeViewTest, OnlySystemsAndObjectsAreRenamed) {
  view.LoadTreeText(kThreeLevels, folder.Path());
  ProjectTreeModel& model = view.Model();
  const TreeNode* root = view.Tree().Root();
  const QModelIndex heating = model.IndexOf(root->Child(0));
  EXPECT_FALSE(model.flags(model.IndexOf(root)) & Qt::ItemIsEditable);
  EXPECT_TRUE(model.flags(heating) & Qt::ItemIsEditable);
  EXPECT_FALSE(model.flags(model.index(0, 0, model.index(0, 0, heating))) & Qt::ItemIsEditable);
  model.setData(heating, "   ", Qt::EditRole);
  EXPECT_EQ(heating.data().toString(), "...?");
  model.setData(heating, "Отоп\tление¶", Qt::EditRole);
  EXPECT_EQ(heating.data().toString(), "Отоп ление ");
  EXPECT_FALSE(model.setData(model.IndexOf(root), "x", Qt::EditRole));
}

}  // namespace
}  // namespace ovalto
