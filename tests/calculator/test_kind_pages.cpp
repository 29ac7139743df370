#include "kind_pages.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "kind_picker.h"
#include "kind_session.h"
#include "kinds/kind_markers.h"

namespace ovalto {
namespace {

class KindPagesTest : public testing::KindScreenTest {
 protected:
  void SetUp() override {
    for (int i = 0; i < 4; ++i) {
      pages[static_cast<std::size_t>(i)] = new QWidget(&window);
      pages[static_cast<std::size_t>(i)]->setGeometry(0, 0, 591, 520);
    }
    picker = new KindPages(
        session, pages, [this] { ++switches; }, &window);
    window.resize(591, 520);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  void ShowPage(int page) {
    for (int i = 0; i < 4; ++i) pages[static_cast<std::size_t>(i)]->setVisible(i == page - 1);
    session.PageTag = page;
  }
  QLabel* Label(const QString& name) const { return window.findChild<QLabel*>(name); }
  // The picture under the kind's marker and the marker's point in it.
  std::pair<QLabel*, QPoint> MarkerOfKind(int code) const {
    for (const KindLabelPlace& place : kKindLabelPlaces) {
      if (place.Code != code) continue;
      const KindMarkerPoint marker = MarkerOf(place);
      for (QLabel* picture : pages[static_cast<std::size_t>(place.Page - 1)]->findChildren<QLabel*>()) {
        if (picture->objectName().startsWith("Im") && picture->geometry().contains(marker.X, marker.Y)) {
          return {picture, QPoint(marker.X, marker.Y) - picture->pos()};
        }
      }
    }
    return {nullptr, {}};
  }

  QWidget window;
  std::array<QWidget*, 4> pages{};
  KindPages* picker = nullptr;
  int switches = 0;
};

TEST_F(KindPagesTest, EveryKindHasItsLabelOnItsPageAndEveryPictureIsDrawn) {
  for (const KindLabelPlace& place : kKindLabelPlaces) {
    QLabel* label = Label(QStringLiteral("L%1").arg(place.Code));
    ASSERT_NE(label, nullptr) << place.Code;
    EXPECT_EQ(label->parentWidget(), pages[static_cast<std::size_t>(place.Page - 1)]);
    EXPECT_EQ(label->y(), place.Top);
  }
  EXPECT_EQ(Label("L11110")->text(), "энергоэффек- тивность");
  for (const char* name : {"Im11", "Im12", "Im21", "Im31", "Im41"}) {
    ASSERT_NE(Label(name), nullptr) << name;
    EXPECT_FALSE(Label(name)->pixmap().isNull()) << name;
  }
}

TEST_F(KindPagesTest, MarkerUnderTheMouseIsBoldAndAClickPicksIt) {
  ShowPage(3);
  const auto [picture, at] = MarkerOfKind(31226);
  ASSERT_NE(picture, nullptr);
  QTest::mouseMove(picture, at);
  EXPECT_EQ(session.HoveredKindCode, 31226);
  EXPECT_TRUE(Label("L31226")->font().bold());
  EXPECT_EQ(picture->cursor().shape(), Qt::PointingHandCursor);

  QSignalSpy picked(picker, &KindPages::KindPicked);
  QTest::mouseClick(picture, Qt::LeftButton, {}, at);
  EXPECT_EQ(picked.count(), 1);
  EXPECT_EQ(session.CalcKindCode, 31226);
  EXPECT_EQ(switches, 1);
  EXPECT_EQ(Label("L31226")->palette().color(QPalette::WindowText),
            Label("L31226")->palette().color(QPalette::Highlight));

  QTest::mouseMove(pages[2], QPoint(580, 500));  // off the pictures
  EXPECT_EQ(session.HoveredKindCode, 0);
  EXPECT_TRUE(Label("L31226")->font().bold()) << "the chosen kind stays marked";
}

TEST_F(KindPagesTest, ALabelClickPicksItsOwnKind) {
  ShowPage(1);
  QTest::mouseMove(Label("L11125"));
  EXPECT_EQ(session.HoveredKindCode, 11125);
  session.HoveredKindCode = 0;
  QTest::mouseClick(Label("L11125"), Qt::LeftButton);
  EXPECT_EQ(session.CalcKindCode, 11125);
}

TEST_F(KindPagesTest, DisabledKindsAreNotPicked) {
  ShowPage(1);
  KindLabelOf(session, 11210)->Enabled = false;
  picker->Refresh();
  EXPECT_FALSE(Label("L11210")->isEnabled());
  const auto [picture, at] = MarkerOfKind(11210);
  QTest::mouseMove(picture, at);
  QTest::mouseClick(picture, Qt::LeftButton, {}, at);
  EXPECT_EQ(session.CalcKindCode, 0);
  QTest::mouseClick(Label("L11210"), Qt::LeftButton);
  EXPECT_EQ(session.CalcKindCode, 0);
}

}  // namespace
}  // namespace ovalto
