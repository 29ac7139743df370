// A user's whole road through a project's objects, on the real screens:
// a new project, an object entered by hand, its details, an object sized on
// the calculation screen, saving, and the same tree after a restart.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "dialogs/dialog_shots.h"
#include "dialogs/tf_detali.h"
#include "dialogs/tf_par_izol.h"
#include "main_window.h"
#include "objects/object_tree.h"
#include "project_editor.h"
#include "project_list.h"
#include "project_screens/object_editing.h"
#include "recording_message_boxes.h"
#include "recording_shell.h"
#include "tree/tree_text.h"

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so"; }

namespace ovalto {
namespace {

using testing::RecordingMessageBoxes;

// Answers the next modal dialog of type D as soon as it is up.
template <typename D>
void Answer(std::function<void(D&)> fill) {
  QTimer::singleShot(0, [fill] {
    auto* dialog = dynamic_cast<D*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    fill(*dialog);
  });
}

void EnterByHand(TfParIzol& d, const char* size, const char* length, const char* thickness) {
  d.R2->click();
  d.cbD->setCurrentText(QString::fromUtf8(size));
  d.edL->setText(QString::fromUtf8(length));
  d.edH->setText(QStringLiteral("500"));
  d.ed1->setText(QString::fromUtf8(thickness));
  d.cb2->setCurrentIndex(0);
  d.cb3->setCurrentIndex(1);
  d.RGN->button(1)->setChecked(true);
  d.RGR->button(0)->setChecked(true);
  d.buttons.bbOK->click();
}

struct Program {
  explicit Program(const QString& folder) : window({messages, shell, userData, folder}) {
    window.show();
    QApplication::processEvents();
  }
  ProjectEditor& Editor() { return *window.ProjectEditorPanel(); }
  ProjectTree& Tree() { return Editor().TV->Tree(); }
  TreeNode* System() { return Tree().Root()->Child(0); }
  void Pick(const char* label) {
    QMouseEvent click(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(window.findChild<QWidget*>(label), &click);
  }
  void Type(const char* name, const char* text) {
    CalcSession& session = window.Session();
    session.Grid.SetCell(session.Variables.VariableRow(name), text);
  }
  std::string Text() { return BuildTreeText(Tree()); }

  RecordingMessageBoxes messages;
  testing::RecordingShell shell;
  testing::MemoryUserData userData;
  TfMain window;
};

class ObjectsInProject : public ::testing::Test {
 protected:
  QTemporaryDir folder;
};

TEST_F(ObjectsInProject, HandAndSizedObjectsComeBackAfterARestart) {
  // A desktop with the decimal point changes nothing: the tree keeps commas.
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  std::string stored;
  {
    Program p(folder.path());
    p.window.ImMainMouseUp(2);
    ASSERT_EQ(p.window.ViewMode(), kProjectEditor);
    p.Editor().Edit1->setText(QStringLiteral("П-1"));
    p.Editor().Edit3->setText(QStringLiteral("Котельная"));
    p.Editor().Edit2->setText(QStringLiteral("Иванов"));

    // A pipeline by hand, then its fittings.
    p.Editor().TV->Select(p.System());
    Answer<TfParIzol>([](TfParIzol& d) { EnterByHand(d, "57", "12,5", "13"); });
    p.Editor().bb1->click();
    TreeNode* pipeline = p.System()->Child(0);
    ASSERT_EQ(pipeline->ChildCount(), 7);
    EXPECT_EQ(pipeline->Child(1)->Text(), "Длина трубы = 12,5 м");
    EXPECT_EQ(p.Editor().TV->Selected(), pipeline);

    p.Editor().TV->Select(pipeline->Child(6));
    Answer<TfDetali>([](TfDetali& d) {
      d.ed[0]->setText(QStringLiteral("4"));
      d.ed[4]->setText(QStringLiteral("2"));
      d.em[4]->setText(QStringLiteral("57"));
      d.buttons.bbOK->click();
    });
    p.Editor().bbADD->click();
    ASSERT_EQ(pipeline->Child(6)->ChildCount(), 3);
    EXPECT_EQ(pipeline->Child(6)->Child(2)->Text(), "Переход концентрический  [ 2 шт; на 57 мм]");

    // A tank sized on the calculation screen.
    p.Editor().TV->Select(p.System());
    Answer<TfParIzol>([](TfParIzol& d) {
      d.edN->setText(QStringLiteral("Бак"));
      d.buttons.bbOK->click();
    });
    p.Editor().bb2->click();
    ASSERT_EQ(p.window.ViewMode(), kCalculationScreen);
    testing::SaveShot(p.window, QStringLiteral("sizing_tank_kinds"));
    EXPECT_FALSE(p.window.findChild<QWidget*>("L11110")->isEnabled());
    EXPECT_TRUE(p.window.findChild<QWidget*>("L11211")->isEnabled());
    p.Pick("L11211");
    ASSERT_EQ(p.window.Session().CalcKindCode, 11211);
    p.Type("De", "1200");
    p.Type("He", "2500");
    p.Type("Tb", "90");
    p.Type("Qf", "40");
    p.window.bbCalkClick();
    EXPECT_TRUE(p.messages.Shown.empty());
    const double thickness = p.window.Session().Variables.GetVariable("Wiz");
    EXPECT_GT(thickness, 0);
    p.window.tbDownClick();
    ASSERT_EQ(p.window.ViewMode(), kProjectEditor);
    ASSERT_EQ(p.System()->ChildCount(), 2);
    TreeNode* tank = p.System()->Child(1);
    EXPECT_EQ(tank->Text(), "Бак");
    EXPECT_EQ(tank->Image(), kImageTank);
    EXPECT_EQ(tank->Child(0)->Text(), "Диаметр = 1200 мм");
    EXPECT_EQ(tank->Child(5)->Text(), "Назначение и расположение : \"СН П\"");
    EXPECT_EQ(tank->Child(6)->Text(), "Температура вещества = 90 °C");
    EXPECT_EQ(p.Editor().TV->Selected(), tank);
    testing::SaveShot(p.window, QStringLiteral("tree_hand_and_sized"));

    stored = p.Text();
    EXPECT_TRUE(p.window.bbSaveClick());
    p.window.FormClose();
  }
  Program again(folder.path());
  again.window.ImMainMouseUp(3);
  again.window.ProjectListPanel()->sgPRJ->setCurrentCell(0, 0);
  again.window.bbOpenClick();
  ASSERT_EQ(again.window.ViewMode(), kProjectEditor);
  EXPECT_EQ(again.Text(), stored);
}

TEST_F(ObjectsInProject, AnAbortedSizingAddsNothing) {
  Program p(folder.path());
  p.window.ImMainMouseUp(2);
  p.Editor().TV->Select(p.System());
  Answer<TfParIzol>([](TfParIzol& d) { d.buttons.bbOK->click(); });
  p.Editor().bb1->click();
  ASSERT_EQ(p.window.ViewMode(), kCalculationScreen);
  // What an earlier calculation left in the variables.
  p.window.Session().Variables.SetVariable("Wiz", "!", 40);
  p.window.tbDownClick();  // "Главное меню" before any run
  EXPECT_EQ(p.window.ViewMode(), kProjectEditor);
  EXPECT_EQ(p.System()->ChildCount(), 0);

  // A good run, then one that fails its check: the screen holds no result.
  p.Editor().TV->Select(p.System());
  Answer<TfParIzol>([](TfParIzol& d) { d.buttons.bbOK->click(); });
  p.Editor().bb1->click();
  p.Pick("L11111");
  p.window.Session().Grid.cbVD.Text = "57";
  p.Type("L", "10");
  p.Type("Tb", "90");
  p.Type("QL", "40");
  p.window.bbCalkClick();
  ASSERT_GT(p.window.Session().Variables.GetVariable("Wiz"), 0);
  p.Type("L", "");
  p.window.bbCalkClick();
  EXPECT_GT(p.window.Session().Variables.GetVariable("Wiz"), 0);
  p.window.tbDownClick();
  EXPECT_EQ(p.System()->ChildCount(), 0);
}

TEST_F(ObjectsInProject, ReEditingRewritesTheLinesAndTheDetails) {
  Program p(folder.path());
  p.window.ImMainMouseUp(2);
  p.Editor().TV->Select(p.System());
  Answer<TfParIzol>([](TfParIzol& d) { EnterByHand(d, "57", "12,5", "13"); });
  p.Editor().bb1->click();
  TreeNode* pipeline = p.System()->Child(0);

  p.Editor().TV->Select(pipeline->Child(0));
  Answer<TfParIzol>([](TfParIzol& d) {
    EXPECT_FALSE(d.R1->isEnabled());
    EXPECT_EQ(d.edL->text(), QStringLiteral("12,5"));
    d.cbD->setCurrentText(QStringLiteral("41"));
    d.buttons.bbOK->click();
  });
  p.messages.Answers.push_back(kButtonYes);  // take the standard 42
  emit p.Editor().TV->NodeDoubleClicked(pipeline->Child(0));
  EXPECT_EQ(pipeline->Child(0)->Text(), "Диаметр трубы = 42 мм");
  EXPECT_EQ(pipeline->Child(6)->Child(0)->Text(), "Труба [ 12,5 м ]");

  DetailSlots bend;
  bend[0] = "Отвод  [ 4 шт]";
  AddDetailLines(p.Tree(), *pipeline->Child(6), bend);
  p.Editor().TV->Select(pipeline->Child(6)->Child(1));
  Answer<TfDetali>([](TfDetali& d) {
    EXPECT_EQ(d.ed[0]->text(), QStringLiteral("4"));
    d.ed[0]->setText(QStringLiteral("6"));
    d.buttons.bbOK->click();
  });
  emit p.Editor().TV->NodeDoubleClicked(pipeline->Child(6)->Child(1));
  ASSERT_EQ(pipeline->Child(6)->ChildCount(), 2);
  EXPECT_EQ(pipeline->Child(6)->Child(1)->Text(), "Отвод  [ 6 шт]");
}

// The fields take a tree line's whole number, longer than what may be typed.
TEST_F(ObjectsInProject, AnUnchangedReEditRewritesTheSameLines) {
  Program p(folder.path());
  p.window.ImMainMouseUp(2);
  const ObjectParams pipe{kPipelineObject, 0.333333, 57, 0, 0.123456, "Т", "KALDERON Vardo", "PELLORIT TK", "СН О"};
  const ObjectParams tank{kTankObject, 0, 1200, 0.654321, 13, "Е", "KALDERON Vardo", "PELLORIT TK", "СН О"};
  TreeNode& pipeline = AddHandObject(p.Tree(), *p.System(), pipe);
  TreeNode& vessel = AddHandObject(p.Tree(), *p.System(), tank);
  TreeNode& details = *pipeline.Child(6);
  DetailSlots reducer;
  reducer[4] = "Переход концентрический  [ 2 шт; на 0,123456 мм]";
  AddDetailLines(p.Tree(), details, reducer);
  const std::string before = p.Text();
  EXPECT_NE(before.find("Длина трубы = 0,333333 м"), std::string::npos);
  EXPECT_NE(before.find("Высота ёмкости = 0,654321 мм"), std::string::npos);

  int applied = 0;
  const auto doubleClick = [&p](TreeNode* line) {
    p.Editor().TV->Select(line);
    emit p.Editor().TV->NodeDoubleClicked(line);
  };
  for (TreeNode* line : {pipeline.Child(0), vessel.Child(0)}) {
    Answer<TfParIzol>([&applied](TfParIzol& d) {
      ++applied;
      d.buttons.bbOK->click();
    });
    doubleClick(line);
  }
  Answer<TfDetali>([&applied](TfDetali& d) {
    ++applied;
    EXPECT_EQ(d.em[4]->text(), QStringLiteral("0,123456"));
    d.buttons.bbOK->click();
  });
  doubleClick(details.Child(1));
  EXPECT_EQ(applied, 3);
  EXPECT_EQ(p.Text(), before);

  // Typing is still held to seven characters, also once the preset is gone.
  Answer<TfParIzol>([&applied](TfParIzol& d) {
    ++applied;
    d.edL->selectAll();
    QTest::keyClicks(d.edL, "12345678");
    EXPECT_EQ(d.edL->text(), QStringLiteral("1234567"));
    d.buttons.bbOtm->click();
  });
  doubleClick(pipeline.Child(0));
  EXPECT_EQ(applied, 4);
}

// Every kind entered by hand and sized, as the editor shows them.
TEST_F(ObjectsInProject, EveryKindByHandAndSizedInTheTree) {
  Program p(folder.path());
  p.window.ImMainMouseUp(2);
  const ObjectParams kinds[] = {
      {kPipelineObject, 12.5, 57, 0, 13, "Т1 подача", "KALDERON Vardo", "PELLORIT TK", "СН О"},
      {kTankObject, 0, 1200, 2500, 40, "Бак запаса", "KALDERON Vardo AL", "Без покрытия", "ТВ П"},
      {kRectangularDuctObject, 20, 500, 300, 10, "П1", "KALDERON Corvane DUCT", "PELLORIT TK", "ПК П"},
      {kCylindricalDuctObject, 7, 315, 0, 13, "В2", "KALDERON Corvane DUCT AL", "Без покрытия", "СТ О"}};
  for (const ObjectParams& params : kinds) {
    AddHandObject(p.Tree(), *p.System(), params);
    AddSizedObject(p.Tree(), *p.System(), SizedObject{params, 95});
  }
  EXPECT_EQ(p.System()->ChildCount(), 8);
  p.Editor().TV->expandAll();
  p.window.resize(1024, 1400);
  testing::SaveShot(p.window, QStringLiteral("tree_every_kind"));
}

}  // namespace
}  // namespace ovalto
