#include "qt_message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace ovalto {
namespace {

TEST(QtMessageBox, CarriageReturnsBreakTheLines) {
  EXPECT_EQ(MessageDisplayText("Расчет не может быть выполнен.\r\rПроверьте исходные данные !"),
            QStringLiteral("Расчет не может быть выполнен.\n\nПроверьте исходные данные !"));
  EXPECT_EQ(MessageDisplayText("a\r\nb"), QStringLiteral("a\nb"));
}

// Project numbers, names and paths the user typed reach the boxes; markup in
// them is text to show, not formatting to apply.
TEST(QtMessageBox, UsersTextIsShownAsTyped) {
  QtMessageBoxes boxes;
  for (bool raised : {false, true}) {
    Qt::TextFormat shown = Qt::AutoText;
    QTimer::singleShot(0, [&shown] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      shown = box->textFormat();
      box->buttons().first()->click();
    });
    const std::string text = "Удалить проект \"<b>7</b><img src=\"/etc/x\">\" ?";
    if (raised) {
      boxes.ShowRaisedError(text);
    } else {
      boxes.Show(MessageType::Confirmation, text, kButtonYes | kButtonNo);
    }
    EXPECT_EQ(shown, Qt::PlainText) << (raised ? "raised error" : "question");
  }
}

}  // namespace
}  // namespace ovalto
