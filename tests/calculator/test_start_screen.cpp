#include "start_screen.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace ovalto {
namespace {

class StartScreenTest : public ::testing::Test {
 protected:
  StartScreen screen;
  QSignalSpy choices{&screen, &StartScreen::ChoiceMade};
};

TEST_F(StartScreenTest, MovingBetweenButtonsSwapsTheFacesAtOnce) {
  screen.ImRRMouseMove(1);
  EXPECT_EQ(screen.ChoiceUnderMouse(), 1);
  EXPECT_EQ(screen.ButtonTag(1), 1);

  screen.ImRRMouseMove(3);
  EXPECT_EQ(screen.ChoiceUnderMouse(), 3);
  EXPECT_EQ(screen.ButtonTag(1), 0);
  EXPECT_EQ(screen.ButtonTag(3), 1);
  EXPECT_EQ(screen.ButtonTag(2), 0);

  const auto* picture = screen.findChild<QLabel*>("ImRR3");
  const QImage highlighted = picture->pixmap().toImage();
  screen.ImRRMouseMove(1);
  EXPECT_NE(picture->pixmap().toImage(), highlighted) << "the face went back to normal";
}

TEST_F(StartScreenTest, BackgroundClearsTheHighlightAndIgnoresARelease) {
  screen.ImRRMouseMove(2);
  screen.ImMainMouseMove();
  EXPECT_EQ(screen.ChoiceUnderMouse(), 0);
  for (int button = 1; button <= 3; ++button) EXPECT_EQ(screen.ButtonTag(button), 0);
  screen.ImMainMouseUp();
  EXPECT_EQ(choices.count(), 0);
}

TEST_F(StartScreenTest, RealMouseOverACaptionChoosesItsButton) {
  screen.resize(1024, 768);
  screen.PlaceButtons();
  screen.PlaceCreditAndAbout();
  auto* caption = screen.findChild<QLabel*>("LRR2");
  QTest::mouseMove(caption, QPoint(5, 5));
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), caption->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(caption, &move);
  EXPECT_EQ(screen.ChoiceUnderMouse(), 2);
  QTest::mouseRelease(caption, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  ASSERT_EQ(choices.count(), 1);
  EXPECT_EQ(choices.at(0).at(0).toInt(), 2);
}

TEST_F(StartScreenTest, PlacementFollowsTheLayout) {
  screen.resize(1024, 768);
  screen.PlaceButtons();
  screen.PlaceCreditAndAbout();
  EXPECT_EQ(screen.findChild<QLabel*>("ImRR2")->pos(), QPoint(44, 350));
  EXPECT_EQ(screen.findChild<QLabel*>("LRR3")->pos(), QPoint(44 + 59, 400 + 12));
  EXPECT_EQ(screen.findChild<QLabel*>("Licen")->geometry(), QRect(338, 306, 630, 400));
  EXPECT_EQ(screen.findChild<QLabel*>("LDistSite")->pos(), QPoint(420, 264));
  EXPECT_TRUE(screen.findChild<QLabel*>("Licen")->text().startsWith("Расчётная программа Ovalto 4"));
  EXPECT_FALSE(screen.findChild<QLabel*>("ImMain")->pixmap().isNull()) << "the background is a decoded JPEG";
}

}  // namespace
}  // namespace ovalto
