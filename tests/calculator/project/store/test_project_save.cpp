#include "store/project_save.h"

#include <gtest/gtest.h>

namespace ovalto {
namespace {

ProjectForm Form(std::string number) {
  return {std::move(number), CivilDate{2026, 12, 9}, "Котельная", "Иванов", {}, "00СИСТЕМЫ¶"};
}

TEST(ProjectSave, ChecksInTheirOrderWithTheirFocus) {
  const ProjectTable table{{"A", "", "", "", "", ""}};
  ProjectForm form{"  ", std::nullopt, "", "", {}, ""};
  EXPECT_EQ(CheckProjectForm(form, table, std::nullopt)->Text, "Укажите уникальный номер проекта !");
  form.Number = "A";
  const auto used = CheckProjectForm(form, table, std::nullopt);
  EXPECT_EQ(used->Text, "Укажите уникальный номер проекта !");
  EXPECT_EQ(used->Focus, FormField::Number);
  form.Number = " B ";
  const auto developer = CheckProjectForm(form, table, std::nullopt);
  EXPECT_EQ(developer->Text, "Укажите разработчика !");
  EXPECT_EQ(developer->Focus, FormField::None);
  EXPECT_EQ(form.Number, "B") << "blanks around the number stay removed";
  form.Developer = "\tИванов ";
  EXPECT_EQ(CheckProjectForm(form, table, std::nullopt)->Text, "Укажите наименование !");
  EXPECT_EQ(form.Developer, "Иванов");
  form.ProjectName = "Котельная";
  EXPECT_EQ(CheckProjectForm(form, table, std::nullopt)->Text, "Укажите корректную дату !");
  form.Date = CivilDate{2026, 1, 31};
  EXPECT_FALSE(CheckProjectForm(form, table, std::nullopt));
}

TEST(ProjectSave, NewProjectAppendsAndOpenedProjectOverwritesItsOwnRow) {
  ProjectTable table{{"A", "", "", "", "", ""}, {"B", "", "", "", "", ""}};
  ProjectForm form = Form("C");
  ASSERT_FALSE(CheckProjectForm(form, table, std::nullopt));
  EXPECT_EQ(StoreProject(table, std::nullopt, form), 2u);
  EXPECT_EQ(table[2].DateText, "09.12.2026");

  ProjectForm own = Form("B");
  ASSERT_FALSE(CheckProjectForm(own, table, 1)) << "saving under its own number";
  EXPECT_EQ(StoreProject(table, 1, own), 1u);
  EXPECT_EQ(table.size(), 3u);

  ProjectForm renumbered = Form("A");
  EXPECT_TRUE(CheckProjectForm(renumbered, table, 1)) << "into another project's number";
  ProjectForm free = Form("D");
  ASSERT_FALSE(CheckProjectForm(free, table, 1));
  EXPECT_EQ(StoreProject(table, 1, free), 1u);
  EXPECT_EQ(table[1].Number, "D");
  EXPECT_EQ(table.size(), 3u);
}

TEST(ProjectSave, DuplicateNumbersEachReachTheirOwnRow) {
  ProjectTable table{{"A", "", "first", "", "", ""}, {"A", "", "second", "", "", ""}};
  ProjectForm form = Form("A");
  ASSERT_FALSE(CheckProjectForm(form, table, 1));
  StoreProject(table, 1, form);
  EXPECT_EQ(table[0].ProjectName, "first");
  EXPECT_EQ(table[1].ProjectName, "Котельная");
}

TEST(ProjectSave, NumberAndDeveloperAreCutAndCompareCut) {
  ProjectTable table;
  ProjectForm form = Form(std::string(32, '1') + "X");
  form.Developer = std::string(40, 'D');
  ASSERT_FALSE(CheckProjectForm(form, table, std::nullopt));
  StoreProject(table, std::nullopt, form);
  EXPECT_EQ(table[0].Number, std::string(32, '1'));
  EXPECT_EQ(table[0].Developer.size(), 32u);
  ProjectForm same = Form(std::string(32, '1') + "Y");
  EXPECT_TRUE(CheckProjectForm(same, table, std::nullopt)) << "equal after the cut";
}

TEST(ProjectSave, NoteKeepsItsLinesAndTheirText) {
  EXPECT_EQ(NoteOf({}), "");
  EXPECT_EQ(NoteOf({"a", "b"}), "a¶b¶");
  EXPECT_EQ(NoteLinesOf("a¶b¶"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(NoteLinesOf("a¶tail"), (std::vector<std::string>{"a", "tail"}));
  EXPECT_EQ(NoteOf({"x¶y\tz"}), "x y z¶");
  EXPECT_EQ(MemoLines(""), std::vector<std::string>{});
  EXPECT_EQ(MemoLines("a\nb\n"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(MemoLines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(DeleteProjectQuestion("П-1"), "Удалить проект \"П-1\" ?");
}

// Another copy's change is told by the whole record; projects alike but for
// their number are not taken for one another.
TEST(ProjectSave, WhatAnotherCopyDidToAProjectIsToldApartFromALookalike) {
  const ProjectTable then{{"P-1", "d", "n", "x", "", ""}, {"P-2", "d", "n", "x", "", ""}};
  const OpenedProject opened = OpenProject(then, 0);
  const ProjectPlace moved = FindProject({then[1], then[0]}, opened);
  EXPECT_EQ(moved.Change, ProjectChange::None);
  EXPECT_EQ(moved.Row, 1u);
  EXPECT_EQ(FindProject({then[1]}, opened).Change, ProjectChange::Deleted) << "P-2 was there before";
  ProjectTable renumbered = then;
  renumbered[0].Number = "P-1x";
  const ProjectPlace found = FindProject(renumbered, opened);
  EXPECT_EQ(found.Change, ProjectChange::Renumbered);
  EXPECT_EQ(found.Row, 0u);
  ProjectTable changed = then;
  changed[0].Developer = "y";
  EXPECT_EQ(FindProject(changed, opened).Change, ProjectChange::Changed);
}

TEST(ProjectDate, WrittenAndReadAsDayMonthYear) {
  EXPECT_EQ(FormatDateText({2026, 3, 7}), "07.03.2026");
  EXPECT_EQ(ParseDateText("07.03.2026"), (CivilDate{2026, 3, 7}));
  EXPECT_EQ(ParseDateText("7.3.2026"), (CivilDate{2026, 3, 7}));
  EXPECT_EQ(ParseDateText("29.02.2024"), (CivilDate{2024, 2, 29}));
  for (const char* bad : {"29.02.2026", "2026-03-07", "03/07/2026", "", "31.04.2026", "07.03.26"}) {
    EXPECT_FALSE(ParseDateText(bad)) << bad;
  }
}

}  // namespace
}  // namespace ovalto
