#include "tree/tree_text.h"

#include <gtest/gtest.h>

#include "tree/tree_editing.h"

namespace ovalto {
namespace {

TEST(TreeText, NewProjectText) {
  ProjectTree tree;
  ResetTree(tree, true);
  EXPECT_EQ(BuildTreeText(tree), "00СИСТЕМЫ¶\t09Новая система 1¶");
}

TEST(TreeText, ObjectWithDetailsComesBackUnchanged) {
  ProjectTree tree;
  ResetTree(tree, true);
  tree.InsertNode(
      *tree.Root()->Child(0),
      {kImagePipeline,
       "  ТРУБОПРОВОД",
       {{kImageEnteredLine, "Тип изоляции : \"KALDERON Vardo\"", {}},
        {kImageDetails, "ДЕТАЛИ", {{kImagePipeLength, "Труба [ 12,5 м ]", {}}, {2, "Отвод  [ 4 шт]", {}}}}}});
  const std::string text = BuildTreeText(tree);
  EXPECT_NE(text.find("\t\t\t\t01Труба [ 12,5 м ]¶"), std::string::npos);
  EXPECT_NE(text.find("\t\t10  ТРУБОПРОВОД¶"), std::string::npos);

  const ParsedTree parsed = ParseTreeText(text);
  ASSERT_TRUE(parsed.Complete()) << parsed.Error;
  ASSERT_EQ(parsed.TopLevel.size(), 1u);
  EXPECT_EQ(parsed.TopLevel[0], SpecOf(*tree.Root()));
}

TEST(TreeText, LevelJumpStopsWithTheErrorAndKeepsWhatWasRead) {
  const ParsedTree parsed = ParseTreeText("00СИСТЕМЫ¶\t09А¶\t\t\t16x = 1¶\t09Б¶");
  EXPECT_EQ(parsed.Error, "Неверный уровень (3) для элемента \"16x = 1\"");
  ASSERT_EQ(parsed.TopLevel.size(), 1u);
  ASSERT_EQ(parsed.TopLevel[0].Children.size(), 1u);
  EXPECT_EQ(parsed.TopLevel[0].Children[0].Text, "А");
}

TEST(TreeText, LevelsAscendToTheRightAncestorAndBlanksCountAsIndent) {
  const ParsedTree parsed = ParseTreeText("00R¶\t09S1¶\t\t10O¶\t\t\t16l¶ 09S2¶00R2¶");
  ASSERT_TRUE(parsed.Complete()) << parsed.Error;
  ASSERT_EQ(parsed.TopLevel.size(), 2u);
  ASSERT_EQ(parsed.TopLevel[0].Children.size(), 2u);
  EXPECT_EQ(parsed.TopLevel[0].Children[1].Text, "S2");
  EXPECT_EQ(parsed.TopLevel[0].Children[0].Children[0].Children[0].Image, 16);
  EXPECT_EQ(parsed.TopLevel[1].Text, "R2");
}

TEST(TreeText, ImageThatIsNotANumberStopsAfterTheLevelsOfAllLines) {
  const ParsedTree parsed = ParseTreeText("00R¶\tx9S¶\t\t09T¶");
  EXPECT_EQ(parsed.Error, "Неверный номер изображения (x9) для элемента \"x9S\"");
  EXPECT_EQ(parsed.TopLevel.size(), 1u);
  EXPECT_TRUE(parsed.TopLevel[0].Children.empty());
  const ParsedTree both = ParseTreeText("00R¶\tXX¶\t\t\t16позже¶");
  EXPECT_EQ(both.Error, "Неверный уровень (3) для элемента \"16позже\"");
  EXPECT_EQ(both.TopLevel.size(), 1u);
  EXPECT_FALSE(ParseTreeText("¶").Complete()) << "an empty piece has no image";
}

TEST(TreeText, EmptyTextIsAnEmptyTreeAndTextAfterTheLastPilcrowIsKept) {
  EXPECT_TRUE(ParseTreeText("").TopLevel.empty());
  const ParsedTree parsed = ParseTreeText("00R¶\t09tail");
  ASSERT_EQ(parsed.TopLevel[0].Children.size(), 1u);
  EXPECT_EQ(parsed.TopLevel[0].Children[0].Text, "tail");
  const ParsedTree cut = ParseTreeText("00R¶\t9");
  ASSERT_TRUE(cut.Complete()) << "a text cut after one digit still reads";
  EXPECT_EQ(cut.TopLevel[0].Children.at(0).Image, 9);
  EXPECT_EQ(cut.TopLevel[0].Children.at(0).Text, "");
  EXPECT_EQ(SplitAtPilcrows("a¶b¶"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(SplitAtPilcrows("a¶b"), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace ovalto
