#include <QAbstractButton>
#include <QApplication>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "file_size_limit.h"
#include "main_window.h"
#include "project_editor.h"
#include "project_folder.h"
#include "project_list.h"
#include "recording_message_boxes.h"
#include "recording_shell.h"

namespace ovalto {
namespace {

// A window over its own program folder; a second one is the program started
// again.
struct Session {
  explicit Session(const std::string& folder) : window({messages, shell, userData, QString::fromStdString(folder)}) {
    window.show();
    QApplication::processEvents();
  }
  ProjectEditor& Editor() { return *window.ProjectEditorPanel(); }
  ProjectList& List() { return *window.ProjectListPanel(); }
  void Click(const char* name) { window.findChild<QAbstractButton*>(name)->click(); }
  void Open(int row) {
    window.ImMainMouseUp(3);
    List().sgPRJ->setCurrentCell(row, 1);
    Click("bbOpen");
  }
  void FillEditor(const QString& number, const QString& developer = "Иванов") {
    Editor().Edit1->setText(number);
    Editor().Edit2->setText(developer);
    Editor().Edit3->setText("Котельная");
  }

  testing::RecordingMessageBoxes messages;
  testing::RecordingShell shell;
  testing::MemoryUserData userData;
  TfMain window;
};

class ProjectScreensTest : public ::testing::Test {
 protected:
  testing::ProjectFolder folder;
};

TEST_F(ProjectScreensTest, CreatedProjectIsListedAndComesBackAfterARestart) {
  {
    Session first(folder.Path());
    first.window.ImMainMouseUp(2);
    first.FillEditor(" П-1 ");
    first.Editor().TV->Select(first.Editor().TV->Tree().Root());
    first.Click("bbADS");
    first.Click("bbSave");
    EXPECT_EQ(first.window.ViewMode(), kProjectList);
    EXPECT_EQ(first.List().sgPRJ->item(0, 1)->text(), "П-1");
    EXPECT_TRUE(first.messages.RaisedErrors.empty());
  }  // no close: the save alone has written the file
  Session again(folder.Path());
  again.window.ImMainMouseUp(3);
  ASSERT_EQ(again.List().SelectedRow(), 0u);
  again.Click("bbOpen");
  EXPECT_EQ(again.window.ViewMode(), kProjectEditor);
  EXPECT_EQ(again.Editor().Lprj->text(), "Редакция проекта");
  EXPECT_EQ(again.Editor().Edit1->text(), "П-1");
  EXPECT_EQ(again.Editor().TV->BuildTreeText(), "00СИСТЕМЫ¶\t09Новая система 1¶\t09Новая система 2¶");
}

TEST_F(ProjectScreensTest, SaveChecksShowTheirMessageAndKeepTheEditor) {
  Session session(folder.Path());
  session.window.ImMainMouseUp(2);
  session.FillEditor("1", "  ");
  session.Click("bbSave");
  EXPECT_EQ(session.messages.RaisedErrors, std::vector<std::string>{"Укажите разработчика !"});
  EXPECT_EQ(session.window.ViewMode(), kProjectEditor);
  EXPECT_EQ(folder.Read("projects.iso"), "<missing>");
}

TEST_F(ProjectScreensTest, DeletingTheLastProjectEmptiesTheFile) {
  folder.Write("projects.iso", "1\t01.01.2026\tn\td\t\t00R\xB6\r\n");
  Session session(folder.Path());
  session.window.ImMainMouseUp(3);
  session.messages.Answers = {kButtonYes};
  session.Click("bbDelP");
  EXPECT_EQ(session.messages.Shown.at(0).Text, "Удалить проект \"1\" ?");
  EXPECT_EQ(folder.Read("projects.iso"), "");
  EXPECT_EQ(session.List().sgPRJ->rowCount(), 1);
  EXPECT_FALSE(session.List().bbDelP->isEnabled());
}

TEST_F(ProjectScreensTest, TwoRowsWithOneNumberEachOpenAndSaveTheirOwnRecord) {
  folder.Write("projects.iso", "A\t01.01.2026\tfirst\td\t\t00R\xB6\r\nA\t01.01.2026\tsecond\td\t\t00R\xB6\r\n");
  Session session(folder.Path());
  session.window.ImMainMouseUp(3);
  session.List().sgPRJ->setCurrentCell(1, 1);
  session.Click("bbOpen");
  EXPECT_EQ(session.Editor().Edit3->text(), "second");
  session.Editor().Edit3->setText("changed");
  session.Click("bbSave");
  EXPECT_EQ(session.window.Projects().Table().at(0).ProjectName, "first");
  EXPECT_EQ(session.window.Projects().Table().at(1).ProjectName, "changed");
  EXPECT_EQ(session.List().SelectedRow(), 1u);
}

TEST_F(ProjectScreensTest, ClosingWithTheEditorOpenAsksAndAFailedSaveKeepsTheWindow) {
  Session session(folder.Path());
  session.window.ImMainMouseUp(2);
  session.FillEditor("1", "");
  session.messages.Answers = {kButtonYes};
  EXPECT_FALSE(session.window.close());
  EXPECT_EQ(session.messages.Shown.at(0).Text, "В программе открыт проект !\r\rСохранить все изменения ?");
  EXPECT_EQ(session.messages.Shown.at(0).Buttons, kButtonYes | kButtonNo | kButtonCancel);
  EXPECT_EQ(session.messages.RaisedErrors, std::vector<std::string>{"Укажите разработчика !"});
  session.messages.Answers = {kButtonCancel};
  EXPECT_FALSE(session.window.close());
  session.messages.Answers = {kButtonNo};
  EXPECT_TRUE(session.window.close());
  EXPECT_EQ(folder.Read("projects.iso"), "<missing>") << "nothing was stored, so nothing is written";
}

TEST_F(ProjectScreensTest, BackFromAChangedEditorOffersToSaveFirst) {
  Session session(folder.Path());
  session.window.ImMainMouseUp(2);
  session.Click("bbOtm");
  EXPECT_EQ(session.window.ViewMode(), kStartScreen);
  EXPECT_TRUE(session.messages.Shown.empty()) << "nothing typed, nothing to lose";

  session.window.ImMainMouseUp(2);
  session.FillEditor("1");
  session.messages.Answers = {kButtonCancel};
  session.Click("bbOtm");
  EXPECT_EQ(session.window.ViewMode(), kProjectEditor);
  ASSERT_EQ(session.messages.Shown.size(), 1u);
  EXPECT_EQ(session.messages.Shown[0].Text, "В программе открыт проект !\r\rСохранить все изменения ?");
  EXPECT_EQ(session.messages.Shown[0].Buttons, kButtonYes | kButtonNo | kButtonCancel);
  EXPECT_EQ(session.Editor().Edit1->text(), "1");

  session.messages.Answers = {kButtonYes};
  session.Click("bbOtm");
  EXPECT_EQ(session.window.ViewMode(), kStartScreen);
  const std::string saved = folder.Read("projects.iso");
  EXPECT_EQ(saved.rfind("1\t", 0), 0u) << saved;

  session.window.ImMainMouseUp(3);
  session.Click("bbOpen");
  session.Click("bbOtm");
  EXPECT_EQ(session.messages.Shown.size(), 2u) << "an unchanged project leaves without a question";

  session.window.ImMainMouseUp(3);
  session.Click("bbOpen");
  session.Editor().TV->Select(session.Editor().TV->Tree().Root());
  session.Click("bbADS");
  session.messages.Answers = {kButtonNo};
  session.Click("bbOtm");
  EXPECT_EQ(session.messages.Shown.size(), 3u) << "a new system is a change";
  EXPECT_EQ(session.window.ViewMode(), kStartScreen);
  EXPECT_EQ(folder.Read("projects.iso"), saved);
}

TEST(ProjectOpenAtClose, TheEditorOrAnObjectBeingSized) {
  EXPECT_TRUE(ProjectOpenAtClose(kProjectEditor, -1));
  EXPECT_TRUE(ProjectOpenAtClose(kCalculationScreen, 0)) << "the editor is hidden while an object is sized";
  EXPECT_FALSE(ProjectOpenAtClose(kCalculationScreen, -1));
  EXPECT_FALSE(ProjectOpenAtClose(kProjectList, -1));
  EXPECT_FALSE(ProjectOpenAtClose(kStartScreen, -1));
}

TEST_F(ProjectScreensTest, AFullDiskAtSaveTellsTheFileAndKeepsEverything) {
  folder.Write("projects.iso", "1\t01.01.2026\tn\td\t\t00R\xB6\r\n");
  const std::string before = folder.Read("projects.iso");
  Session session(folder.Path());
  session.window.ImMainMouseUp(2);
  session.FillEditor("2");
  {
    testing::FileSizeLimit full(0);
    session.Click("bbSave");
  }
  ASSERT_EQ(session.messages.Shown.size(), 1u);
  EXPECT_EQ(session.messages.Shown[0].Type, MessageType::Error);
  EXPECT_NE(session.messages.Shown[0].Text.find(folder.File("projects.iso")), std::string::npos);
  EXPECT_EQ(session.window.ViewMode(), kProjectEditor);
  EXPECT_EQ(session.Editor().Edit1->text(), "2");
  EXPECT_EQ(folder.Read("projects.iso"), before);
  EXPECT_EQ(session.window.Projects().Table().size(), 1u);
}

// Two copies of the program on one folder: each save keeps what the other
// saved, and its list shows both.
TEST_F(ProjectScreensTest, TwoCopiesOfTheProgramKeepBothProjects) {
  Session first(folder.Path());
  Session second(folder.Path());
  first.window.ImMainMouseUp(2);
  first.FillEditor("A-1");
  first.Click("bbSave");
  second.window.ImMainMouseUp(2);
  second.FillEditor("A-1");
  second.Click("bbSave");
  EXPECT_EQ(second.messages.RaisedErrors, std::vector<std::string>{"Укажите уникальный номер проекта !"})
      << "the number the first copy took";
  second.FillEditor("B-1");
  second.Click("bbSave");
  ASSERT_EQ(second.List().sgPRJ->rowCount(), 2);
  EXPECT_EQ(second.List().sgPRJ->item(0, 1)->text(), "A-1");
  EXPECT_EQ(second.List().sgPRJ->item(1, 1)->text(), "B-1");
  EXPECT_TRUE(first.window.close());
  EXPECT_TRUE(second.window.close());
  ProjectStore restarted(folder.Path());
  ASSERT_FALSE(restarted.Load());
  ASSERT_EQ(restarted.Table().size(), 2u);
  EXPECT_EQ(restarted.Table()[1].Number, "B-1");
}

constexpr const char* kThreeProjects =
    "P-1\t01.01.2026\tBoiler house\tIvanov\t\t00R\xB6\r\n"
    "P-2\t01.01.2026\tStore\tIvanov\t\t00R\xB6\r\n"
    "P-3\t01.01.2026\tShop\tIvanov\t\t00R\xB6\r\n";

// A copy started before another one saved or deleted shows the file as it is
// now: in its list, and in a project it opens.
TEST_F(ProjectScreensTest, ACopyListsAndOpensWhatAnotherCopyStoredSince) {
  folder.Write("projects.iso", kThreeProjects);
  Session first(folder.Path());
  Session second(folder.Path());
  first.window.ImMainMouseUp(3);
  second.Open(0);
  second.Editor().Edit3->setText("Баня");
  second.Click("bbSave");
  first.Open(0);
  EXPECT_EQ(first.Editor().Edit3->text(), "Баня");
  first.Editor().Memo1->setPlainText("примечание");
  first.Click("bbSave");
  EXPECT_TRUE(first.messages.Shown.empty());
  EXPECT_EQ(first.window.Projects().Table().at(0).ProjectName, "Баня") << "the other copy's name stays";
  EXPECT_EQ(first.window.Projects().Table().at(0).Note, "примечание¶");

  second.messages.Answers = {kButtonYes};
  second.window.ImMainMouseUp(3);
  second.List().sgPRJ->setCurrentCell(2, 1);
  second.Click("bbDelP");
  ASSERT_EQ(first.List().sgPRJ->rowCount(), 3) << "shown before the other copy deleted P-3";
  first.List().sgPRJ->setCurrentCell(2, 1);
  first.Click("bbOpen");
  ASSERT_EQ(first.messages.Shown.size(), 1u);
  EXPECT_EQ(first.messages.Shown[0].Text,
            "Проекта \"P-3\" больше нет в файле: другая копия программы удалила его или изменила его номер.");
  EXPECT_EQ(first.window.ViewMode(), kProjectList);
  EXPECT_EQ(first.List().sgPRJ->rowCount(), 2);
  EXPECT_EQ(folder.Read("projects.iso").find("P-3"), std::string::npos);
}

// An editor whose project another copy changed, renumbered or deleted since
// it opened it asks before anything is written, and "Нет" keeps the other
// copy's version whole.
TEST_F(ProjectScreensTest, ASaveOverWhatAnotherCopyDidToTheProjectAsksFirst) {
  folder.Write("projects.iso", kThreeProjects);
  Session first(folder.Path());
  Session second(folder.Path());
  first.Open(1);
  second.Open(1);
  second.Editor().Edit2->setText("Петров");
  second.Click("bbSave");
  const std::string secondSaved = folder.Read("projects.iso");
  first.Editor().Edit3->setText("Гараж");
  first.messages.Answers = {kButtonNo};
  first.Click("bbSave");
  ASSERT_EQ(first.messages.Shown.size(), 1u);
  EXPECT_EQ(first.messages.Shown[0].Type, MessageType::Confirmation);
  EXPECT_EQ(first.messages.Shown[0].Buttons, kButtonYes | kButtonNo);
  EXPECT_EQ(first.messages.Shown[0].Text.rfind("Проект \"P-2\" изменён в другой копии программы", 0), 0u);
  EXPECT_EQ(folder.Read("projects.iso"), secondSaved) << "the developer the other copy saved stays";
  EXPECT_EQ(first.window.ViewMode(), kProjectList);
  EXPECT_EQ(first.List().SelectedRow(), 1u);

  // Renumbered by one copy, then saved by the other, which opened it before.
  first.Open(1);
  second.Open(1);
  first.Editor().Edit1->setText("P-2x");
  first.Click("bbSave");
  second.Editor().Memo1->setPlainText("из второй копии");
  second.messages.Answers = {kButtonYes};
  second.Click("bbSave");
  ASSERT_EQ(second.messages.Shown.size(), 1u);
  EXPECT_NE(second.messages.Shown[0].Text.find("получил номер \"P-2x\""), std::string::npos);
  const ProjectTable& table = second.window.Projects().Table();
  ASSERT_EQ(table.size(), 3u) << "the editor's version went over the renumbered one";
  EXPECT_EQ(table[1].Number, "P-2");
  EXPECT_EQ(table[1].Note, "из второй копии¶");

  // Deleted by one copy while the other had it open: back in only on "Да".
  second.Open(2);
  first.messages.Answers = {kButtonYes};
  first.window.ImMainMouseUp(3);
  first.List().sgPRJ->setCurrentCell(2, 1);
  first.Click("bbDelP");
  second.Editor().Edit3->setText("Цех 2");
  second.messages.Answers = {kButtonYes};
  second.Click("bbSave");
  ASSERT_EQ(second.messages.Shown.size(), 2u);
  EXPECT_EQ(second.messages.Shown[1].Text.rfind("Проект \"P-3\" удалён в другой копии программы", 0), 0u);
  ProjectStore restarted(folder.Path());
  ASSERT_FALSE(restarted.Load());
  ASSERT_EQ(restarted.Table().size(), 3u);
  EXPECT_EQ(restarted.Table()[2].ProjectName, "Цех 2");
}

// A damaged file that could not be kept beside stays as it is; the table read
// from it holds nothing the file lacks, so failing to write it at close tells
// the user but does not keep the program from ending.
TEST_F(ProjectScreensTest, ADamagedFileThatCannotBeWrittenLetsTheProgramClose) {
  const std::string damaged = "1\t01.01.2026\tn\td\t\t00R\xB6\t\t\t16x\xB6\r\n";
  folder.Write("projects.iso", damaged);
  testing::FileSizeLimit full(0);
  Session session(folder.Path());
  session.window.ImMainMouseUp(3);
  session.messages.Shown.clear();
  EXPECT_TRUE(session.window.close());
  ASSERT_EQ(session.messages.Shown.size(), 1u);
  EXPECT_EQ(session.messages.Shown[0].Type, MessageType::Error);
  EXPECT_EQ(folder.Read("projects.iso"), damaged);
}

TEST_F(ProjectScreensTest, AnUnreadableFileIsReportedAtStartAndKeptBeside) {
  const std::string damaged = "1\t01.01.2026\tn\td\t\t00R\xB6\t\t\t16x\xB6\r\n";
  folder.Write("projects.iso", damaged);
  Session session(folder.Path());
  ASSERT_EQ(session.messages.Shown.size(), 1u);
  EXPECT_EQ(session.messages.Shown[0].Type, MessageType::Error);
  EXPECT_NE(session.messages.Shown[0].Text.find("projects.damaged.iso"), std::string::npos);
  EXPECT_EQ(folder.Read("projects.damaged.iso"), damaged);

  // Opening it shows the part read and the error; saving keeps the stored
  // tree unless the user agrees to replace it.
  session.window.ImMainMouseUp(3);
  session.Click("bbOpen");
  EXPECT_EQ(session.messages.RaisedErrors, std::vector<std::string>{"Неверный уровень (3) для элемента \"16x\""});
  session.messages.Answers = {kButtonNo};
  session.Click("bbSave");
  EXPECT_EQ(session.window.Projects().Table().at(0).TreeText, "00R¶\t\t\t16x¶");
}

}  // namespace
}  // namespace ovalto
