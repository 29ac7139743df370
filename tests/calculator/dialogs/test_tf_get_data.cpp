#include "dialogs/tf_get_data.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "recording_shell.h"

namespace ovalto {
namespace {

class TfGetDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store.Values = {{"Компания", "ООО Тепло"}, {"Фамилия", "Иванов И.И."}, {"Телефон", "123-45-67"}};
    dialog.show();
    QApplication::processEvents();
  }

  QString Cell(int row, int column) const { return dialog.SGD()->item(row, column)->text(); }

  testing::MemoryUserData store;
  TfGetData dialog{store};
};

TEST_F(TfGetDataTest, ShowsTheSixRowsWithWhatWasKept) {
  EXPECT_EQ(dialog.windowTitle(), "Введите данные для печати");
  EXPECT_EQ(dialog.size(), QSize(451, 124));
  ASSERT_EQ(dialog.SGD()->rowCount(), 6);
  EXPECT_EQ(Cell(0, 0), "Компания");
  EXPECT_EQ(Cell(3, 0), "Телефон / Факс");
  EXPECT_EQ(Cell(5, 0), "Наименование объекта");
  EXPECT_EQ(Cell(0, 1), "ООО Тепло");
  EXPECT_EQ(Cell(2, 1), "") << "never written";
  EXPECT_EQ(Cell(3, 1), "123-45-67");
  const int width = dialog.SGD()->viewport()->width();
  EXPECT_EQ(dialog.SGD()->columnWidth(0), width / 3);
  EXPECT_EQ(dialog.SGD()->columnWidth(1), width - width / 3 - 6);
  EXPECT_EQ(dialog.SGD()->currentRow(), 0);
  EXPECT_EQ(dialog.bbOKTag(), 0);
}

TEST_F(TfGetDataTest, ApplyKeepsTheTextStillBeingTyped) {
  // The editor is open on the first value: typing replaces it.
  QWidget* editor = QApplication::focusWidget();
  ASSERT_NE(qobject_cast<QLineEdit*>(editor), nullptr);
  qobject_cast<QLineEdit*>(editor)->selectAll();
  QTest::keyClicks(editor, QStringLiteral("Cold & <Co>"));
  dialog.bbOKClick();
  EXPECT_EQ(dialog.bbOKTag(), 1);
  EXPECT_EQ(store.Values["Компания"], "Cold & <Co>");
  EXPECT_EQ(store.Values["Фамилия"], "Иванов И.И.");
  EXPECT_EQ(store.Values.size(), 6u);
  EXPECT_EQ(dialog.Values()[0], "Cold & <Co>");
}

TEST_F(TfGetDataTest, SixEmptyValuesAreAppliedAsEmptyTexts) {
  for (int row = 0; row < 6; ++row) dialog.SGD()->item(row, 1)->setText(QString());
  dialog.bbOKClick();
  ASSERT_EQ(store.Values.size(), 6u);
  for (const auto& [name, value] : store.Values) EXPECT_EQ(value, "") << name;
}

TEST_F(TfGetDataTest, CancellingOrClosingWritesNothing) {
  dialog.SGD()->item(0, 1)->setText(QStringLiteral("другое"));
  dialog.bbOtmClick();
  EXPECT_EQ(dialog.bbOKTag(), 0);
  EXPECT_EQ(store.Values["Компания"], "ООО Тепло");
  EXPECT_EQ(store.Values.size(), 3u);

  testing::MemoryUserData other;
  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  EXPECT_FALSE(GetUserData(nullptr, other));
  EXPECT_TRUE(other.Values.empty());
}

TEST(GetUserData, GivesTheAppliedRows) {
  testing::MemoryUserData store;
  store.Values["Название"] = "Котельная";
  QTimer::singleShot(0, [] { static_cast<TfGetData*>(QApplication::activeModalWidget())->bbOKClick(); });
  const auto values = GetUserData(nullptr, store);
  ASSERT_TRUE(values);
  EXPECT_EQ((*values)[4], "Котельная");
}

}  // namespace
}  // namespace ovalto
