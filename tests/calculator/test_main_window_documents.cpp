#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QToolBar>

#include "main_window.h"
#include "project_editor.h"
#include "recording_message_boxes.h"
#include "recording_shell.h"

namespace ovalto {
namespace {

class DocumentButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    QApplication::processEvents();
    window.ImMainMouseUp(2);  // "СОЗДАТЬ ПРОЕКТ"
    editor = window.ProjectEditorPanel();
    ProjectTree& tree = editor->TV->Tree();
    TreeNode& system = *tree.Root()->Child(0);
    tree.InsertNode(system, {kImagePipeline,
                             "Трубопровод Т1",
                             {{kImageEnteredLine, "Диаметр = 57 мм", {}},
                              {kImageEnteredLine, "Длина = 10 м", {}},
                              {kImageEnteredLine, "Толщина изоляции = 13 мм", {}},
                              {kImageEnteredLine, "Тип изоляции : \"KALDERON Vardo\"", {}},
                              {kImageEnteredLine, "Тип покрытия : \"Без покрытия\"", {}}}});
    editor->Edit2->setText("Иванов");
    editor->Edit3->setText("Котельная");
  }

  bool ShownOnBar(QWidget* button) const {
    for (QAction* action : editor->TreeBar->actions()) {
      if (editor->TreeBar->widgetForAction(action) == button) return action->isVisible();
    }
    return false;
  }

  QTemporaryDir folder;
  testing::RecordingMessageBoxes messages;
  testing::RecordingShell shell;
  testing::MemoryUserData userData;
  TfMain window{{messages, shell, userData, folder.path()}};
  ProjectEditor* editor = nullptr;
};

TEST_F(DocumentButtonsTest, WriteTheWorkbooksOfTheEditorsTreeAndOpenThem) {
  EXPECT_TRUE(ShownOnBar(editor->bbVDM));
  EXPECT_TRUE(ShownOnBar(editor->bbCLK));
  editor->Edit1->setText("  7/1 ");
  editor->bbVDM->click();
  editor->bbCLK->click();
  EXPECT_TRUE(messages.Shown.empty());
  EXPECT_EQ(editor->Edit1->text(), "7/1");
  const std::string base = (window.ProgramFolder()).toStdString();
  ASSERT_EQ(shell.Opened, (std::vector<std::string>{base + "Ведомость.7~1.xlsx", base + "Спецификация.7~1.xlsx"}));
  EXPECT_TRUE(QFileInfo(QString::fromStdString(shell.Opened[0])).size() > 0);
  EXPECT_TRUE(QFileInfo(QString::fromStdString(shell.Opened[1])).size() > 0);
}

TEST_F(DocumentButtonsTest, AStoredProjectsNumberIsRefused) {
  ASSERT_FALSE(window.Projects().Replace({{"15", "01.02.2026", "Склад", "Петров", "", ""}}));
  editor->Edit1->setText("15");
  window.activateWindow();
  editor->Edit2->setFocus();
  editor->bbCLK->click();
  EXPECT_EQ(messages.RaisedErrors, std::vector<std::string>{"Укажите уникальный номер проекта !"});
  EXPECT_TRUE(shell.Opened.empty());
  EXPECT_EQ(QApplication::focusWidget(), editor->Edit1);
}

}  // namespace
}  // namespace ovalto
