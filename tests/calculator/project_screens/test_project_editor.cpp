#include "project_editor.h"

#include <QCalendarWidget>
#include <QLocale>

#include <gtest/gtest.h>

#include "project_folder.h"
#include "recording_message_boxes.h"

namespace ovalto {
namespace {

class EditorTest : public ::testing::Test {
 protected:
  testing::ProjectFolder folder;
  testing::RecordingMessageBoxes messages;
  ProjectEditor editor{messages};
};

TEST_F(EditorTest, NewProjectHasTodayAndTheFirstSystemSelected) {
  editor.Edit1->setText("old");
  EXPECT_EQ(editor.LoadProject(nullptr, folder.Path()), "");
  EXPECT_EQ(editor.Edit1->text(), "");
  EXPECT_EQ(editor.Date1->date(), QDate::currentDate());
  ASSERT_NE(editor.TV->Selected(), nullptr);
  EXPECT_EQ(editor.TV->Selected()->Text(), "Новая система 1");
  EXPECT_TRUE(editor.bb1->isEnabled());
  EXPECT_FALSE(editor.bbADS->isEnabled());
  EXPECT_TRUE(editor.bbDEL->isEnabled());
}

TEST(EditorCalendar, TheDatesCalendarSpeaksRussianOnAnyDesktop) {
  const QLocale desktop;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  testing::RecordingMessageBoxes messages;
  ProjectEditor editor{messages};
  const QLocale calendar = editor.Date1->calendarWidget()->locale();
  QLocale::setDefault(desktop);
  EXPECT_EQ(calendar.standaloneMonthName(12), "декабрь");
  EXPECT_EQ(calendar.dayName(1, QLocale::ShortFormat), "пн");
  EXPECT_EQ(calendar.firstDayOfWeek(), Qt::Monday);
}

TEST_F(EditorTest, StoredProjectFillsTheFieldsAndComesBackFromTheForm) {
  const ProjectRecord record{"П-1", "07.03.2025", "Котельная", "Иванов", "a¶b¶", "00СИСТЕМЫ¶\t09Отопление¶"};
  EXPECT_EQ(editor.LoadProject(&record, folder.Path()), "");
  EXPECT_EQ(editor.Date1->date(), QDate(2025, 3, 7));
  EXPECT_EQ(editor.Memo1->toPlainText(), "a\nb\n");
  EXPECT_FALSE(editor.bb1->isEnabled()) << "the root is selected";
  EXPECT_TRUE(editor.bbADS->isEnabled());
  const ProjectForm form = editor.Form();
  EXPECT_EQ(form.Number, "П-1");
  EXPECT_EQ(form.Date, (CivilDate{2025, 3, 7}));
  EXPECT_EQ(form.NoteLines, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(form.TreeText, record.TreeText);
  EXPECT_EQ(editor.TreeTextToStore(), record.TreeText);
  EXPECT_TRUE(messages.Shown.empty());
}

TEST_F(EditorTest, DateOfAnotherLocaleShowsTodayAndTheRestLoads) {
  const ProjectRecord record{"1", "3/7/2025", "Котельная", "Иванов", "", "00СИСТЕМЫ¶\t09Отопление¶"};
  EXPECT_EQ(editor.LoadProject(&record, folder.Path()), "");
  EXPECT_EQ(editor.Date1->date(), QDate::currentDate());
  EXPECT_EQ(editor.Edit3->text(), "Котельная");
  EXPECT_EQ(editor.TV->Tree().NodeCount(), 2);
}

TEST_F(EditorTest, SeparatorsTypedIntoFieldsBecomeBlanksWhenTheEditEnds) {
  editor.LoadProject(nullptr, folder.Path());
  editor.Edit3->setText("a\tb¶c λ");
  emit editor.Edit3->editingFinished();
  EXPECT_EQ(editor.Edit3->text(), "a b c ?") << "what the file will give back";
  editor.Memo1->setPlainText("x\ty\nz¶ м²");
  const ProjectForm form = editor.Form();
  EXPECT_EQ(form.NoteLines, (std::vector<std::string>{"x y", "z  м?"}));
  EXPECT_EQ(editor.Memo1->toPlainText(), "x y\nz  м?");
}

TEST_F(EditorTest, AnUnchangedNoteIsStoredByteForByte) {
  // Empty lines at the end, one empty line, a no-break space.
  for (const std::string note : {"a¶¶", "¶", "¶¶", "", "a¶ ¶", "a\u00A0b¶"}) {
    const ProjectRecord record{"1", "07.03.2025", "n", "d", note, "00СИСТЕМЫ¶"};
    editor.LoadProject(&record, folder.Path());
    EXPECT_EQ(NoteOf(editor.Form().NoteLines), note);
  }
}

TEST_F(EditorTest, PartOfATreeReplacesTheStoredOneOnlyWhenTheUserAgrees) {
  const ProjectRecord record{"1", "07.03.2025", "n", "d", "", "00R¶\t09S¶\t\t\t16jump¶\t09T¶"};
  EXPECT_EQ(editor.LoadProject(&record, folder.Path()), "Неверный уровень (3) для элемента \"16jump\"");
  messages.Answers = {kButtonNo, kButtonYes};
  EXPECT_EQ(editor.TreeTextToStore(), record.TreeText);
  EXPECT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(editor.TreeTextToStore(), "00R¶\t09S¶");
}

}  // namespace
}  // namespace ovalto
