#include "main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTabWidget>

#include <gtest/gtest.h>

#include "engine_inputs.h"
#include "kind_picker.h"
#include "recording_message_boxes.h"
#include "recording_shell.h"
#include "start_screen.h"

namespace ovalto {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    QApplication::processEvents();
  }

  QWidget* Child(const char* name) const { return window.findChild<QWidget*>(name); }
  bool Shown(const char* name) const { return !Child(name)->isHidden(); }

  testing::RecordingMessageBoxes messages;
  testing::RecordingShell shell;
  testing::MemoryUserData userData;
  TfMain window{{messages, shell, userData}};
};

TEST(ProgramFolder, GetsExactlyOneTrailingSeparator) {
  EXPECT_EQ(ProgramFolderOf("/opt/Korvanta/Ovalto4"), "/opt/Korvanta/Ovalto4/");
  EXPECT_EQ(ProgramFolderOf("/"), "/");
}

TEST_F(MainWindowTest, StartsOnTheStartScreen) {
  EXPECT_EQ(window.windowTitle(), "Ovalto 4.77c");
  EXPECT_EQ(window.size(), QSize(1024, 768));
  EXPECT_EQ(window.ViewMode(), kStartScreen);
  EXPECT_TRUE(Shown("pnM"));
  for (const char* hidden : {"pcM", "ImR", "BackB", "pnR", "pnPRJ", "pnLST"}) EXPECT_FALSE(Shown(hidden)) << hidden;
  EXPECT_TRUE(window.ProgramFolder().endsWith('/'));
  EXPECT_TRUE(messages.Shown.empty());

  const GridModel& grid = window.Session().Grid;
  ASSERT_EQ(grid.cbRG.Items.size(), 77u) << "an empty line, then the 76 regions";
  EXPECT_EQ(grid.cbRG.Items[0], "");
  EXPECT_EQ(grid.cbRG.Items[1], "Республика Адыгея");
  EXPECT_EQ(grid.GroupCaptions[0].Text, "ПАРАМЕТРЫ ОБОРУДОВАНИЯ");
  EXPECT_EQ(grid.GroupCaptions[6].Text, "РЕЗУЛЬТАТЫ РАСЧЕТА");
}

TEST_F(MainWindowTest, CalculationOpensTheHeatingPageWithoutAKind) {
  auto* pages = window.findChild<QTabWidget*>("pcM");
  pages->setCurrentIndex(2);
  window.ImMainMouseUp(1);
  EXPECT_EQ(window.ViewMode(), kCalculationScreen);
  EXPECT_EQ(pages->currentIndex(), 0);
  EXPECT_EQ(window.Session().PageTag, 1);
  for (const char* shown : {"pcM", "ImR", "BackB"}) EXPECT_TRUE(Shown(shown)) << shown;
  for (const char* hidden : {"pnM", "pnR"}) EXPECT_FALSE(Shown(hidden)) << hidden;

  // Bottom right corner of the page area.
  const QWidget* back = Child("BackB");
  EXPECT_EQ(back->x() + back->width(), 591 - 8);
  EXPECT_EQ(back->y() + back->height(), window.centralWidget()->height() - 7);
}

TEST_F(MainWindowTest, PageChangeKeepsThePageTagAndDropsTheKind) {
  window.ImMainMouseUp(1);
  window.Session().CalcKindCode = 21211;
  window.Session().VariableList = "Dn,Wiz";
  window.findChild<QTabWidget*>("pcM")->setCurrentIndex(3);
  EXPECT_EQ(window.Session().PageTag, 4);
  EXPECT_EQ(window.Session().CalcKindCode, 0);
  EXPECT_EQ(window.Session().VariableList, "");
  EXPECT_TRUE(Shown("ImR"));
}

TEST_F(MainWindowTest, ProjectChoicesOpenTheirPanelsAndComeBack) {
  window.ImMainMouseUp(2);
  EXPECT_EQ(window.ViewMode(), kProjectEditor);
  EXPECT_TRUE(Shown("pnPRJ"));
  EXPECT_EQ(window.findChild<QLabel*>("Lprj")->text(), "Создание проекта");
  window.findChild<QAbstractButton*>("bbOtm")->click();
  EXPECT_EQ(window.ViewMode(), kStartScreen);

  window.ImMainMouseUp(3);
  EXPECT_EQ(window.ViewMode(), kProjectList);
  EXPECT_TRUE(Shown("pnLST"));
  EXPECT_FALSE(Shown("pnPRJ"));
  window.findChild<QAbstractButton*>("ToolButton5")->click();
  EXPECT_TRUE(Shown("pnM"));
}

TEST_F(MainWindowTest, BackFromTheKindPickerReturnsToTheStartScreen) {
  window.ImMainMouseUp(1);
  window.findChild<QPushButton*>("BackB")->click();
  EXPECT_EQ(window.ViewMode(), kStartScreen);
  EXPECT_TRUE(Shown("pnM"));
}

TEST_F(MainWindowTest, FrameOffersMinimiseOnlyAndKeepsTheLaidOutSize) {
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_TRUE(flags & Qt::CustomizeWindowHint) << "the hints below take effect only with it";
  EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  // A window manager maximises what may grow, whatever buttons it was asked for.
  EXPECT_EQ(window.minimumSize(), QSize(1024, 768));
  EXPECT_EQ(window.maximumSize(), QSize(1024, 768));
}

TEST_F(MainWindowTest, ReturningToTheStartScreenForgetsTheLastChoice) {
  // The pointer was over "РАСЧЁТ" when it was chosen.
  StartScreen* start = window.StartPanel();
  start->ImRRMouseMove(1);
  start->ImMainMouseUp();
  ASSERT_EQ(window.ViewMode(), kCalculationScreen);
  window.findChild<QPushButton*>("BackB")->click();
  ASSERT_EQ(window.ViewMode(), kStartScreen);
  EXPECT_EQ(start->ChoiceUnderMouse(), 0);
  EXPECT_EQ(start->ButtonTag(1), 0);
  // The second release of a double click on "Главное меню" lands here.
  start->ImMainMouseUp();
  EXPECT_EQ(window.ViewMode(), kStartScreen);
}

TEST_F(MainWindowTest, OutputsWaitForTheFirstRun) {
  window.ImMainMouseUp(1);
  for (const char* output : {"bbDiag", "bbPrnt", "bbExcel"}) EXPECT_FALSE(Child(output)->isEnabled()) << output;
  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, {});
  QApplication::sendEvent(window.findChild<QLabel*>("L11111"), &click);
  ASSERT_EQ(window.Session().CalcKindCode, 11111);
  for (const char* output : {"bbDiag", "bbPrnt", "bbExcel"}) EXPECT_FALSE(Child(output)->isEnabled()) << output;
  EXPECT_TRUE(Child("bbCalk")->isEnabled());
}

TEST_F(MainWindowTest, TheWindowKeepsTheLaidOutSize) {
  window.ImMainMouseUp(1);
  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, {});
  QApplication::sendEvent(window.findChild<QLabel*>("L11125"), &click);  // the kind with the tallest grid
  for (const QSize asked : {QSize(500, 400), QSize(1200, 900)}) {
    window.resize(asked);
    QApplication::processEvents();
    EXPECT_EQ(window.size(), QSize(1024, 768));
  }
  const QWidget* client = window.centralWidget();
  EXPECT_EQ(Child("pcM")->geometry(), QRect(0, 0, 591, client->height()));
  EXPECT_EQ(Child("pnR")->geometry(), QRect(591, 0, 1024 - 591, client->height()));
  for (const char* name : {"bbCalk", "tbDown"}) {
    const QWidget* button = Child(name);
    ASSERT_TRUE(button->isVisible()) << name;
    const QRect place(button->mapTo(client, QPoint(0, 0)), button->size());
    EXPECT_TRUE(client->rect().contains(place)) << name;
  }
}

TEST_F(MainWindowTest, F1OpensTheFirstHelpPageInTheProgramFolder) {
  window.fdsg1Click();
  ASSERT_EQ(shell.Opened.size(), 1u);
  EXPECT_EQ(shell.Opened[0], (window.ProgramFolder() + "help/01_Общая_часть.htm").toStdString());
}

TEST_F(MainWindowTest, WebLinksGoToTheShell) {
  emit window.StartPanel()->LinkClicked("https://www.ovalto.example/");
  ASSERT_EQ(shell.Opened.size(), 1u);
  EXPECT_EQ(shell.Opened[0], "https://www.ovalto.example/");
}

TEST_F(MainWindowTest, APickedKindShowsItsGridAndAPageChangeDropsIt) {
  window.ImMainMouseUp(1);
  auto* pages = window.findChild<QTabWidget*>("pcM");
  pages->setCurrentIndex(1);
  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, {});
  QApplication::sendEvent(window.findChild<QLabel*>("L21211"), &click);
  EXPECT_EQ(window.Session().CalcKindCode, 21211);
  EXPECT_TRUE(Shown("pnR"));
  EXPECT_FALSE(Shown("ImR"));
  EXPECT_TRUE(Child("cbRG")->isVisible());
  EXPECT_TRUE(Child("bbCalk")->isEnabled());
  EXPECT_EQ(window.Session().Grid.Values[static_cast<std::size_t>(window.Session().Variables.VariableRow("Z"))],
            "8760");

  pages->setCurrentIndex(2);
  EXPECT_EQ(window.Session().CalcKindCode, 0);
  EXPECT_EQ(KindLabelOf(window.Session(), 21211)->Tag, -1);
  EXPECT_EQ(window.Session().Grid.RowCount(), 0);
  EXPECT_FALSE(Child("cbRG")->isVisible());
}

// Picking another kind hides the grid's editors, which moves the focus out
// of the grid: that is no row the user left, and nothing is derived for a
// kind whose grid is not laid out yet.
TEST_F(MainWindowTest, PickingAnotherKindFromAListOfTheGridDerivesNothingHalfLaidOut) {
  QApplication::setActiveWindow(&window);
  window.ImMainMouseUp(1);
  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, {});
  QApplication::sendEvent(window.findChild<QLabel*>("L11121"), &click);
  HeadlessInputs inputs = testing::PipeInputs(11121);
  inputs.Texts.erase("Tn");
  inputs.Texts.erase("W");
  inputs.Texts["QL"] = "35";
  inputs.Texts["Rg_"] = "Московская область";
  inputs.Texts["Np_"] = "Москва";
  FillGrid(window.Session(), inputs);
  window.bbCalkClick();
  ASSERT_TRUE(messages.Shown.empty()) << messages.Shown[0].Text;
  Child("cbNP")->setFocus();
  QApplication::processEvents();
  QApplication::sendEvent(window.findChild<QLabel*>("L11221"), &click);
  QApplication::processEvents();
  EXPECT_EQ(window.Session().CalcKindCode, 11221);
  EXPECT_TRUE(messages.Shown.empty()) << messages.Shown[0].Text;
  EXPECT_TRUE(messages.RaisedErrors.empty()) << messages.RaisedErrors[0];
}

TEST_F(MainWindowTest, APageShownByTheProgramIsThePageOfTheKindRules) {
  window.ImMainMouseUp(1);
  auto* pages = window.findChild<QTabWidget*>("pcM");
  {
    const QSignalBlocker quiet(pages);  // as the project editor opens a system's page
    pages->setCurrentIndex(3);
  }
  window.SwitchView(true);
  EXPECT_EQ(window.Session().PageTag, 4);
}

}  // namespace
}  // namespace ovalto
