#include "qt_message_box.h"

#include <gtest/gtest.h>

namespace ovalto {
namespace {

TEST(QtMessageBox, CarriageReturnsBreakTheLines) {
  EXPECT_EQ(MessageDisplayText("Расчет не может быть выполнен.\r\rПроверьте исходные данные !"),
            QStringLiteral("Расчет не может быть выполнен.\n\nПроверьте исходные данные !"));
  EXPECT_EQ(MessageDisplayText("a\r\nb"), QStringLiteral("a\nb"));
}

}  // namespace
}  // namespace ovalto
