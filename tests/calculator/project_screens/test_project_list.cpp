#include "project_list.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>

namespace ovalto {
namespace {

TEST(ProjectList, NoProjectsShowOneBlankRowAndNothingToOpen) {
  ProjectList list;
  list.Fill({}, std::nullopt);
  EXPECT_EQ(list.sgPRJ->rowCount(), 1);
  EXPECT_FALSE(list.bbOpen->isEnabled());
  EXPECT_FALSE(list.bbDelP->isEnabled());
  EXPECT_FALSE(list.SelectedRow());
}

TEST(ProjectList, RowsShowTheFieldsAndTheNoteOnOneLine) {
  ProjectList list;
  list.Fill({{"1", "09.12.2026", "Котельная", "Иванов", "a¶b¶", ""}, {"2", "", "", "", "", ""}}, 1);
  EXPECT_EQ(list.sgPRJ->rowCount(), 2);
  EXPECT_EQ(list.sgPRJ->item(0, 1)->text(), "1");
  EXPECT_EQ(list.sgPRJ->item(0, 3)->text(), "Котельная");
  EXPECT_EQ(list.sgPRJ->item(0, 5)->text(), "a b ");
  EXPECT_EQ(list.SelectedRow(), 1u);
  EXPECT_EQ(list.sgPRJ->horizontalHeaderItem(1)->text(), " Проект №");
}

TEST(ProjectList, AProjectWithoutANumberStillOpensAndGoes) {
  ProjectList list;
  list.Fill({{"", "", "", "", "", "whole line"}, {"2", "", "", "", "", ""}}, std::nullopt);
  EXPECT_EQ(list.SelectedRow(), 0u);
  EXPECT_TRUE(list.bbOpen->isEnabled());
  EXPECT_TRUE(list.bbDelP->isEnabled());
}

TEST(ProjectList, ColumnsShareTheWidth) {
  ProjectList list;
  list.resize(800, 400);
  list.show();
  const int width = list.sgPRJ->width() - 37;
  EXPECT_EQ(list.sgPRJ->columnWidth(0), 12);
  EXPECT_EQ(list.sgPRJ->columnWidth(1), static_cast<int>(width * 0.15));
  EXPECT_EQ(list.sgPRJ->columnWidth(3), static_cast<int>(width * 0.30));
}

TEST(ProjectList, DoubleClickOpensOnlyAProject) {
  ProjectList list;
  QSignalSpy opened(&list, &ProjectList::OpenClicked);
  list.Fill({}, std::nullopt);
  emit list.sgPRJ->cellDoubleClicked(0, 1);
  EXPECT_EQ(opened.count(), 0);
  list.Fill({{"1", "", "", "", "", ""}}, std::nullopt);
  emit list.sgPRJ->cellDoubleClicked(0, 1);
  EXPECT_EQ(opened.count(), 1);
}

}  // namespace
}  // namespace ovalto
