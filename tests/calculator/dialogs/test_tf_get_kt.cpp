#include "dialogs/tf_get_kt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "recording_message_boxes.h"

// Fontconfig keeps caches for the life of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so"; }

namespace ovalto {
namespace {

// Made once and never destroyed: tearing it down among the exit handlers
// would outlive parts of Qt it needs.
void App() {
  static int argc = 1;
  static char name[] = "test_tf_get_kt";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

// Clicks the named panel of the modal dialog as soon as it is up; with an
// empty name the dialog is closed through its window button instead.
void AnswerDialogWith(const char* panelName) {
  QTimer::singleShot(0, [panelName] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    if (*panelName == '\0') {
      dialog->close();
      return;
    }
    auto* panel = dialog->findChild<QLabel*>(panelName);
    ASSERT_NE(panel, nullptr);
    QTest::mouseClick(panel, Qt::LeftButton);
  });
}

TEST(TfGetKT, ShowsTheTableAndTakesAClickedValue) {
  App();
  TfGetKT dialog;
  dialog.ChosenCoefficient = 7;
  dialog.show();
  EXPECT_EQ(dialog.ChosenCoefficient, kNoCoefficientChosen);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Выбор коэффициента теплоотдачи, Вт/(м2*С)"));
  EXPECT_EQ(dialog.size(), QSize(472, 168));
  EXPECT_EQ(dialog.findChild<QLabel*>("LU11")->text(), QStringLiteral("\n\nИзолированный\nобъект"));
  EXPECT_EQ(dialog.findChild<QLabel*>("LU31")->text(), QStringLiteral("На открытом воздухе\nпри скорости ветра, м/с"));
  EXPECT_EQ(dialog.findChild<QLabel*>("pnD6")->text(), QStringLiteral("52"));

  // The wind-speed headers are not coefficients: clicking one takes nothing.
  QTest::mouseClick(dialog.findChild<QLabel*>("pnU32"), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.ChosenCoefficient, kNoCoefficientChosen);

  QTest::mouseClick(dialog.findChild<QLabel*>("pnC5"), Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.ChosenCoefficient, 26);
}

TEST(TfGetKT, ButtonWritesLocksAndSurvivesAClosedSecondDialog) {
  App();
  GridModel grid;
  testing::RecordingMessageBoxes messages;
  VariableTable table(grid, messages);
  for (auto& record : table.Records()) record.GridRow = -1;
  table.Find("An")->GridRow = 4;
  grid.Resize(6);
  QWidget window;
  auto* gridWidget = new QLineEdit(&window);
  auto* other = new QLineEdit(&window);
  window.show();
  QApplication::setActiveWindow(&window);
  other->setFocus();

  AnswerDialogWith("pnD4");
  bbGetKTClick(&window, table, gridWidget);
  EXPECT_EQ(table.GetVariable("An"), 26);
  EXPECT_EQ(grid.CurrentRow, 4);
  EXPECT_EQ(grid.bbGetKT.Tag, 1);
  EXPECT_EQ(window.focusWidget(), gridWidget);

  table.SetVariable("An", "!", 10.7);  // what a derivation after an edit writes
  AnswerDialogWith("");
  bbGetKTClick(&window, table, gridWidget);
  EXPECT_EQ(table.GetVariable("An"), 26);
  EXPECT_EQ(grid.bbGetKT.Tag, 1);
}

}  // namespace
}  // namespace ovalto
