#include "dialogs/tf_detali.h"

#include <gtest/gtest.h>

#include <QTest>

#include "dialog_shots.h"
#include "recording_message_boxes.h"

extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so"; }

namespace ovalto {
namespace {

using testing::RecordingMessageBoxes;

TEST(TfDetali, CountsBecomeDetailLines) {
  RecordingMessageBoxes messages;
  TfDetali dialog(messages);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Выбор детали трубопровода"));
  EXPECT_FALSE(dialog.em[4]->isEnabled());
  QTest::keyClicks(dialog.ed[0], QStringLiteral("4x,"));
  QTest::keyClicks(dialog.ed[4], QStringLiteral("2"));
  EXPECT_TRUE(dialog.em[4]->isEnabled());
  dialog.em[4]->setText(QStringLiteral("57"));
  testing::SaveShot(dialog, QStringLiteral("details"));
  QTest::keyClick(dialog.ed[4], Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.DetailCount, 3);
  EXPECT_EQ(dialog.Slots[0], "Отвод  [ 4 шт]");
  EXPECT_EQ(dialog.Slots[4], "Переход концентрический  [ 2 шт; на 57 мм]");
}

TEST(TfDetali, ACountOfZeroIsRefusedWithTheFocusOnIt) {
  RecordingMessageBoxes messages;
  TfDetali dialog(messages);
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  dialog.ed[3]->setText(QStringLiteral("0"));
  dialog.buttons.bbOK->click();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.DetailCount, 0);
  EXPECT_EQ(messages.RaisedErrors, std::vector<std::string>{"Введите положительное вещественное значение !"});
  EXPECT_TRUE(dialog.ed[3]->hasFocus());
}

TEST(TfDetali, EmptyingAReducerCountEmptiesItsSize) {
  RecordingMessageBoxes messages;
  TfDetali dialog(messages);
  dialog.Preset(5, {"1", "76"});
  EXPECT_TRUE(dialog.em[5]->isEnabled());
  EXPECT_EQ(dialog.em[5]->text(), QStringLiteral("76"));
  dialog.ed[5]->clear();
  EXPECT_FALSE(dialog.em[5]->isEnabled());
  EXPECT_TRUE(dialog.em[5]->text().isEmpty());
}

TEST(TfDetali, MetalSheetDisablesFlangesAndValvesAndEscapeCancels) {
  RecordingMessageBoxes messages;
  TfDetali dialog(messages);
  dialog.Preset(1, {"3", ""});
  dialog.DisableFlangesAndValves();
  EXPECT_FALSE(dialog.ed[1]->isEnabled());
  EXPECT_TRUE(dialog.ed[1]->text().isEmpty());
  EXPECT_FALSE(dialog.ed[2]->isEnabled());
  EXPECT_FALSE(dialog.captions[2]->isEnabled());
  EXPECT_TRUE(dialog.ed[0]->isEnabled());
  dialog.show();
  dialog.ed[0]->setText(QStringLiteral("2"));
  QTest::keyClick(dialog.ed[0], Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.DetailCount, 0);
}

}  // namespace
}  // namespace ovalto
