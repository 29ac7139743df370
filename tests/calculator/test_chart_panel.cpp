// The results chart and the report buttons of the calculation screen, after
// a real run of a heating pipe's heat-flow kind.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include "chart_panel.h"
#include "dialogs/tf_get_data.h"
#include "engine_inputs.h"
#include "main_window.h"
#include "recording_message_boxes.h"
#include "recording_shell.h"

namespace ovalto {
namespace {

class ChartPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    QApplication::processEvents();
    window.ImMainMouseUp(1);
    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(window.findChild<QLabel*>("L11111"), &click);
  }

  void Calculate(const std::string& requiredFlow) {
    HeadlessInputs inputs = testing::PipeInputs(11111);
    inputs.Texts["QL"] = requiredFlow;
    FillGrid(window.Session(), inputs);
    window.bbCalkClick();
  }

  bool Enabled(const char* name) const { return window.findChild<QWidget*>(name)->isEnabled(); }
  QString SeriesName(int line) const { return panel()->Series(line)->name(); }
  ChartPanel* panel() const { return window.ChartPanelWidget(); }

  testing::RecordingMessageBoxes messages;
  testing::RecordingShell shell;
  testing::MemoryUserData userData;
  TfMain window{{messages, shell, userData}};
};

TEST_F(ChartPanelTest, TheChartAndTheReportWaitForAFullRun) {
  for (const char* name : {"bbDiag", "bbPrnt", "bbExcel"}) EXPECT_FALSE(Enabled(name)) << name;
  Calculate("40");
  ASSERT_TRUE(messages.Shown.empty()) << messages.Shown[0].Text;
  for (const char* name : {"bbDiag", "bbPrnt", "bbExcel"}) EXPECT_TRUE(Enabled(name)) << name;
  // A derivation while editing locks the report until the next run.
  window.Session().Engine->CalculateScheme("Liz");
  EXPECT_FALSE(Enabled("bbPrnt"));
  EXPECT_FALSE(Enabled("bbExcel"));
}

TEST_F(ChartPanelTest, DiagrammOpensTheChartInThePagesPlaceAndASecondPressClosesIt) {
  Calculate("40");
  window.bbDiagClick();
  EXPECT_FALSE(panel()->isHidden());
  EXPECT_TRUE(window.findChild<QWidget*>("pcM")->isHidden());
  EXPECT_EQ(panel()->Tag, 1);
  EXPECT_EQ(panel()->geometry(), QRect(0, 0, 591, window.centralWidget()->height()));
  EXPECT_EQ(panel()->DIAG()->geometry(), QRect(128, 0, 463, window.centralWidget()->height()));
  EXPECT_EQ(panel()->findChild<QLabel*>("LCC")->text(),
            QString::fromStdString(window.Session().KindCaption).replace('\r', '\n'));
  EXPECT_EQ(panel()->Series(0)->count(), 20);
  EXPECT_TRUE(panel()->Series(0)->isVisible());
  EXPECT_FALSE(panel()->Series(1)->isVisible());
  EXPECT_EQ(SeriesName(2), "40 Вт/м");
  EXPECT_EQ(panel()->DIAG()->chart()->title(), "ТЕПЛОВОЙ ПОТОК, Вт/м");

  window.bbDiagClick();
  EXPECT_TRUE(panel()->isHidden());
  EXPECT_EQ(panel()->Tag, 0);
  EXPECT_FALSE(window.findChild<QWidget*>("pcM")->isHidden());
}

TEST_F(ChartPanelTest, AClickOnTheChartClosesIt) {
  Calculate("40");
  window.bbDiagClick();
  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(50, 50), QPointF(50, 50), Qt::LeftButton, Qt::NoButton, {});
  QApplication::sendEvent(panel()->DIAG()->viewport(), &click);
  EXPECT_TRUE(panel()->isHidden());
  EXPECT_EQ(panel()->Tag, 0);
}

TEST_F(ChartPanelTest, ClosingTheChartLeavesTheOutputsAsTheRunLeftThem) {
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  Calculate("40");
  window.findChild<QWidget*>("SG")->setFocus();  // the keyboard in the grid, as after typing
  ASSERT_TRUE(window.findChild<QWidget*>("SG")->isAncestorOf(QApplication::focusWidget()));

  window.bbDiagClick();
  QTest::mouseClick(panel()->DIAG()->viewport(), Qt::LeftButton, {}, QPoint(50, 50));
  ASSERT_TRUE(panel()->isHidden());
  for (const char* name : {"bbDiag", "bbPrnt", "bbExcel"}) EXPECT_TRUE(Enabled(name)) << name;

  window.bbDiagClick();
  QTest::mouseClick(window.findChild<QWidget*>("bbDiag"), Qt::LeftButton);
  ASSERT_TRUE(panel()->isHidden());
  for (const char* name : {"bbDiag", "bbPrnt", "bbExcel"}) EXPECT_TRUE(Enabled(name)) << name;
}

TEST_F(ChartPanelTest, EveryFullRunRedrawsTheOpenChart) {
  Calculate("40");
  window.bbDiagClick();
  Calculate("35");
  EXPECT_EQ(SeriesName(2), "35 Вт/м");
}

TEST_F(ChartPanelTest, TheWayBackHidesTheChartButKeepsItsTag) {
  Calculate("40");
  window.bbDiagClick();
  window.tbDownClick();
  EXPECT_TRUE(panel()->isHidden());
  EXPECT_EQ(panel()->Tag, 1);
}

TEST_F(ChartPanelTest, PrintWritesThePageWithTheChartAndHandsItToTheShell) {
  Calculate("40");
  window.bbDiagClick();
  QTimer::singleShot(0, [] { static_cast<TfGetData*>(QApplication::activeModalWidget())->bbOKClick(); });
  window.findChild<QToolButton*>("bbPrnt")->click();
  const QString page = window.ProgramFolder() + "report4.htm";
  ASSERT_EQ(shell.Opened, std::vector<std::string>{page.toStdString()});
  EXPECT_TRUE(messages.RaisedErrors.empty());
  QFile file(page);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.contains("<img src=\"diagram4.jpg\" width=\"463\""));
  EXPECT_TRUE(QFile::exists(window.ProgramFolder() + "diagram4.jpg"));
  EXPECT_TRUE(QFile::exists(window.ProgramFolder() + "ovalto4.jpg"));
  for (const char* name : {"report4.htm", "diagram4.jpg", "ovalto4.jpg"}) QFile::remove(window.ProgramFolder() + name);
}

}  // namespace
}  // namespace ovalto
