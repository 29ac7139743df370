#include "parameter_grid.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "grid/grid_navigation.h"
#include "grid/input_editors.h"
#include "kind_session.h"

namespace ovalto {
namespace {

class ParameterGridTest : public testing::KindScreenTest {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    view = new ParameterGrid(session, &window);
    layout->addWidget(view, 1);
    outside = new QLineEdit(&window);
    layout->addWidget(outside);
    window.resize(425, 700);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  void Choose(int code) {
    screen.Choose(code);
    view->Refresh();
    QApplication::processEvents();
  }

  template <typename Widget = QWidget>
  Widget* Child(const char* name) const {
    return window.findChild<Widget*>(QLatin1String(name));
  }
  QLineEdit* CellEditor() const { return view->Table()->viewport()->findChild<QLineEdit*>(); }

  QWidget window;
  ParameterGrid* view = nullptr;
  QLineEdit* outside = nullptr;
};

TEST_F(ParameterGridTest, EditorsAndCaptionsCoverTheirRows) {
  Choose(11114);
  const int frame = view->Table()->frameWidth();
  for (const char* name : {"cbMS", "cbVD", "cbTS", "cbVV", "cbGW", "cbRG", "cbNP", "cbTI", "cbTP", "cbWI", "bbGetKT"}) {
    ASSERT_TRUE(Child(name)->isVisible()) << name;
  }
  EXPECT_FALSE(Child("cbZN")->isVisible());
  EXPECT_EQ(Child("cbVV")->y(), frame + screen.Row("Vv_") * GridModel::kRowHeight);
  EXPECT_EQ(Child<QComboBox>("cbVV")->currentText(), "вода");
  EXPECT_TRUE(Child("Txt2")->isVisible());
  EXPECT_FALSE(Child("Txt6")->isVisible());
  EXPECT_EQ(view->Table()->model()->rowCount(), grid.RowCount());
}

TEST_F(ParameterGridTest, ValueColumnTakesFortyFivePercent) {
  Choose(11111);
  ASSERT_EQ(view->Table()->width(), 425);
  EXPECT_EQ(view->Table()->columnWidth(1), 193);
  EXPECT_EQ(view->Table()->columnWidth(0), 226);
  EXPECT_EQ(Child("cbMS")->x(), 228);
  EXPECT_EQ(Child("cbMS")->width(), 194);
}

TEST_F(ParameterGridTest, ShowingTheModelRunsNoHandler) {
  Choose(11111);
  auto* material = Child<QComboBox>("cbMS");
  grid.cbMS.ItemIndex = 1;  // as a build would preset it
  grid.cbMS.Text = "Медь";
  view->Refresh();
  EXPECT_EQ(material->currentText(), "Медь");
  EXPECT_EQ(grid.cbVD.Items.size(), 15u) << "still the steel diameters: no change handler ran";
}

TEST_F(ParameterGridTest, PickingFromAListRunsItsHandler) {
  Choose(11111);
  auto* material = Child<QComboBox>("cbMS");
  emit material->activated(1);  // the user picks "Медь"
  EXPECT_EQ(grid.cbMS.Text, "Медь");
  EXPECT_EQ(Child<QComboBox>("cbVD")->count(), 11);
  EXPECT_EQ(screen.Cell("Lst"), "384");
}

TEST_F(ParameterGridTest, TypingADiameterFillsTheWall) {
  Choose(11111);
  auto* diameter = Child<QComboBox>("cbVD");
  emit diameter->activated(diameter->findText("48"));
  EXPECT_EQ(Child<QComboBox>("cbTS")->currentText(), "3,5");
  diameter->setFocus();
  diameter->lineEdit()->clear();
  QTest::keyClicks(diameter->lineEdit(), "49");
  EXPECT_EQ(grid.cbVD.Text, "49");
  EXPECT_EQ(Child<QComboBox>("cbTS")->currentText(), "0");
}

TEST_F(ParameterGridTest, ValueCellsTakeADecimalCommaAndNoLetters) {
  Choose(11111);
  SetGridRow(session, screen.Row("Tb"));
  view->Refresh();
  QLineEdit* cell = CellEditor();
  ASSERT_TRUE(cell && cell->isVisible());
  cell->setFocus();
  cell->clear();
  QTest::keyClicks(cell, "9a5.5");
  EXPECT_EQ(cell->text(), "95,5");
  EXPECT_EQ(screen.Cell("Tb"), "95,5");
}

TEST_F(ParameterGridTest, TabAndBacktabMoveThroughTheInputRows) {
  Choose(11111);
  SetGridRow(session, screen.Row("Kdp"));
  view->Refresh();
  CellEditor()->setFocus();
  QTest::keyClick(CellEditor(), Qt::Key_Tab);
  EXPECT_EQ(grid.CurrentRow, screen.Row("Tb"));
  EXPECT_EQ(QApplication::focusWidget(), CellEditor());
  QTest::keyClick(CellEditor(), Qt::Key_Return);
  EXPECT_EQ(grid.CurrentRow, screen.Row("Rg_"));
  EXPECT_EQ(QApplication::focusWidget(), Child("cbRG"));
  QTest::keyClick(Child("cbRG"), Qt::Key_Backtab);
  EXPECT_EQ(grid.CurrentRow, screen.Row("Tb"));
  EXPECT_EQ(QApplication::focusWidget(), CellEditor());
}

TEST_F(ParameterGridTest, TypingInACellReachedByTabReplacesItsValue) {
  Choose(11111);
  SetGridRow(session, screen.Row("Lst"));
  view->Refresh();
  CellEditor()->setFocus();
  QTest::keyClick(CellEditor(), Qt::Key_Tab);
  ASSERT_EQ(grid.CurrentRow, screen.Row("Kdp"));
  QTest::keyClicks(CellEditor(), "1.3");
  EXPECT_EQ(screen.Cell("Kdp"), "1,3");
}

TEST_F(ParameterGridTest, LeavingTheGridWithItsEditorsRunsTheExitOnce) {
  Choose(11111);
  SetGridRow(session, screen.Row("Tb"));
  view->Refresh();
  CellEditor()->setFocus();
  Child("cbTI")->setFocus();  // an editor of the grid: the row follows it, the row before is left
  EXPECT_EQ(grid.CurrentRow, screen.Row("Ti_"));
  EXPECT_EQ(grid.Tag, screen.Row("Ti_"));
  EXPECT_EQ(session.FocusedEditor, &grid.cbTI);
  const int afterEnter = screen.Engine.Validations;
  Child("bbGetKT")->setFocus();
  EXPECT_EQ(screen.Engine.Validations, afterEnter) << "moving within the grid leaves nothing";
  outside->setFocus();
  EXPECT_EQ(screen.Engine.Validations, afterEnter + 1);
  EXPECT_EQ(session.FocusedEditor, nullptr);
  EXPECT_EQ(grid.Tag, screen.Row("Ti_"));
}

TEST_F(ParameterGridTest, AWindowOverTheGridLeavesNothing) {
  Choose(11111);
  CellEditor()->setFocus();
  const int before = screen.Engine.Validations;
  QWidget box;  // as a message box or a dialog takes the focus
  auto* button = new QLineEdit(&box);
  box.show();
  QApplication::setActiveWindow(&box);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
  button->setFocus();
  EXPECT_EQ(QApplication::focusWidget(), button);
  EXPECT_EQ(screen.Engine.Validations, before);
}

TEST_F(ParameterGridTest, ClickingACellMakesItsRowCurrent) {
  Choose(11111);
  const QRect cell = view->Table()->visualRect(view->Table()->model()->index(screen.Row("Tb"), 0));
  QTest::mouseClick(view->Table()->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(grid.CurrentRow, screen.Row("Tb"));
  EXPECT_EQ(grid.Tag, screen.Row("Tb"));
}

}  // namespace
}  // namespace ovalto
