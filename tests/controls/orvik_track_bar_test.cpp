// The skinned track bar: the tick table, snapping while dragging, keys, the repeating press
// on the groove, and its painting; the progress bar's squares.

#include "controls/orvik_track_bar.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "control_test_support.h"
#include "controls/orvik_progress_bar.h"
#include "controls/osb_button.h"

using controls_test::Host;
using controls_test::pixelAt;

namespace {

class TrackBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.showAndWait();
    bar = new TOrvikTrackBar(&host);
    bar->setGeometry(10, 10, 210, 29);
    bar->setMaxPos(15);
    bar->show();
  }
  Host host;
  TOrvikTrackBar* bar = nullptr;
};

TEST_F(TrackBarTest, FifteenTicksOnA210PixelBarWidenTheGapsAfterFiveAndNine) {
  EXPECT_EQ(bar->thumb()->size(), QSize(11, 24));
  const int expected[] = {5, 19, 33, 47, 61, 76, 90, 104, 118, 133, 147, 161, 175, 189, 204};
  for (int i = 1; i <= 15; ++i) EXPECT_EQ(bar->tick(i), expected[i - 1]) << i;
}

TEST_F(TrackBarTest, TicksOfOtherRangesSpanTheBar) {
  bar->resize(209, 29);
  bar->setMaxPos(10);
  EXPECT_EQ(bar->tick(1), 5);
  EXPECT_EQ(bar->tick(10), 209 - 11 + 5);
  for (int i = 1; i < 10; ++i) {
    const int gap = bar->tick(i + 1) - bar->tick(i);
    EXPECT_GE(gap, 22);
    EXPECT_LE(gap, 24);
  }
  // A range starting above 1 starts at the first tick all the same.
  bar->setMinPos(3);
  EXPECT_EQ(bar->tick(3), 5);
  EXPECT_EQ(bar->tick(10), 203);
  // MinPos never goes below 1.
  bar->setMinPos(0);
  EXPECT_EQ(bar->MinPos(), 1);
  // More positions than two pixels each: spread evenly, in order, ending at the far end.
  bar->resize(339, 27);
  bar->setFirstBarPos(3);
  bar->setMaxPos(200);
  EXPECT_EQ(bar->tick(1), 3);
  EXPECT_EQ(bar->tick(200), 339 - 11 + 3);
  for (int i = 1; i < 200; ++i) {
    EXPECT_GE(bar->tick(i + 1) - bar->tick(i), 1) << i;
    EXPECT_LE(bar->tick(i + 1) - bar->tick(i), 2) << i;
  }
}

TEST_F(TrackBarTest, PositionPutsTheThumbOnItsTick) {
  bar->setPosition(6);
  EXPECT_EQ(bar->thumb()->x(), 76 - 5);
  EXPECT_EQ(bar->thumb()->y(), 0);
  bar->setPosition(15);
  EXPECT_EQ(bar->thumb()->x(), 210 - 11);
}

TEST_F(TrackBarTest, KeysStepByPageAndLineSizeWithinTheRange) {
  bar->setPageSize(5);
  bar->setLineSize(2);
  bar->setPosition(7);
  bar->setFocus();
  QTest::keyClick(bar, Qt::Key_PageUp);
  EXPECT_EQ(bar->Position(), 12);
  QTest::keyClick(bar, Qt::Key_PageUp);
  EXPECT_EQ(bar->Position(), 15);
  EXPECT_EQ(bar->thumb()->x(), bar->tick(15) - 5);
  QTest::keyClick(bar, Qt::Key_Left);
  EXPECT_EQ(bar->Position(), 13);
  QTest::keyClick(bar, Qt::Key_Down);
  EXPECT_EQ(bar->Position(), 11);
  QTest::keyClick(bar, Qt::Key_Right);
  QTest::keyClick(bar, Qt::Key_Up);
  EXPECT_EQ(bar->Position(), 15);
  for (int i = 0; i < 4; ++i) QTest::keyClick(bar, Qt::Key_PageDown);
  EXPECT_EQ(bar->Position(), 1);
  EXPECT_EQ(bar->thumb()->x(), 0);
}

TEST_F(TrackBarTest, PressingTheGrooveStepsTowardsThePointerEvery200Ms) {
  bar->setPosition(2);
  // Press right of the thumb, at the tick of position 6.
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(76, 10));
  EXPECT_TRUE(bar->hasFocus());
  EXPECT_FALSE(bar->dragAllowed());
  EXPECT_EQ(bar->Position(), 3);
  QTimer* timer = bar->repeatTimer();
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 200);
  int ticks = 0;
  while (timer->isActive() && ticks < 30) {
    bar->repeatTick();
    ++ticks;
  }
  // It stops once the thumb's right edge reaches the pointer.
  EXPECT_EQ(bar->Position(), 6);
  EXPECT_GE(bar->thumb()->x() + bar->thumb()->width(), 76);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(76, 10));
  EXPECT_TRUE(bar->dragAllowed());

  // Left of the thumb it steps down until the pointer is no longer left of the tick.
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_EQ(bar->Position(), 5);
  while (bar->repeatTimer()->isActive()) bar->repeatTick();
  EXPECT_EQ(bar->Position(), 2);
  EXPECT_LE(bar->tick(bar->Position()), 20);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_FALSE(bar->repeatTimer()->isActive());
}

TEST_F(TrackBarTest, DraggingSnapsToTicksAndEveryMoveReportsAChange) {
  QSignalSpy changes(bar, &TOrvikTrackBar::changed);
  TOSBButton* thumb = bar->thumb();
  QTest::mousePress(thumb, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(bar->dragAllowed());
  auto dragTo = [&](int x) { QTest::mouseMove(thumb, thumb->mapFrom(bar, QPoint(x, 10))); };
  dragTo(80);  // between the ticks of 6 (76) and 7 (90), left of 90 - 5
  EXPECT_EQ(bar->Position(), 6);
  EXPECT_EQ(thumb->x(), 71);
  dragTo(86);  // within 5 pixels left of the tick of 7
  EXPECT_EQ(bar->Position(), 7);
  EXPECT_EQ(thumb->x(), 85);
  dragTo(2);  // before the first tick
  EXPECT_EQ(bar->Position(), 1);
  EXPECT_EQ(thumb->x(), 0);
  dragTo(250);  // past the last tick
  EXPECT_EQ(bar->Position(), 15);
  EXPECT_EQ(thumb->x(), 199);
  EXPECT_EQ(changes.count(), 4);
  QTest::mouseRelease(thumb, Qt::LeftButton, {}, thumb->mapFrom(bar, QPoint(250, 10)));
  EXPECT_FALSE(thumb->pressed());
}

TEST_F(TrackBarTest, HoveringReportsAChangeWithoutMovingAnything) {
  QSignalSpy changes(bar, &TOrvikTrackBar::changed);
  bar->setPosition(4);
  QTest::mouseMove(bar, QPoint(150, 20));
  QTest::mouseMove(bar, QPoint(160, 20));
  EXPECT_EQ(changes.count(), 2);
  EXPECT_EQ(bar->Position(), 4);
}

TEST_F(TrackBarTest, PaintsTheGrooveAndOneTickPerPosition) {
  bar->setColor(QColor(238, 230, 201));
  bar->setColorTicks(QColor(1, 2, 3));
  bar->setPosition(8);  // the thumb covers x 99 to 109 only
  const QImage img = bar->grab().toImage();
  EXPECT_EQ(img.pixelColor(150, 10), QColor(161, 154, 123));
  EXPECT_EQ(img.pixelColor(150, 8), QColor(255, 255, 255));
  EXPECT_EQ(img.pixelColor(0, 10), QColor(255, 255, 255));
  EXPECT_EQ(img.pixelColor(150, 13), QColor(66, 61, 48));
  EXPECT_EQ(img.pixelColor(209, 10), QColor(66, 61, 48));
  EXPECT_EQ(img.pixelColor(150, 3), QColor(238, 230, 201));
  int ticks = 0;
  for (int x = 0; x < 210; ++x)
    if (img.pixelColor(x, 24) == QColor(1, 2, 3)) ++ticks;
  EXPECT_EQ(ticks, 15);
  for (int y = 22; y <= 26; ++y) EXPECT_EQ(img.pixelColor(76, y), QColor(1, 2, 3));
  EXPECT_NE(img.pixelColor(76, 27), QColor(1, 2, 3));
}

TEST(ProgressBarTest, SeventeenSquaresFillABar207Wide) {
  TOrvikProgressBar bar;
  EXPECT_EQ(bar.size(), QSize(50, 15));
  bar.resize(207, 15);
  bar.setNKvadr(17);
  bar.setPosition(1);
  EXPECT_EQ(bar.NKvadr(), 17);
  EXPECT_EQ(bar.Position(), 1);
  const QColor ground(230, 222, 191), square(181, 171, 132);
  QImage img = bar.grab().toImage();
  EXPECT_EQ(img.pixelColor(100, 7), ground);
  EXPECT_EQ(img.pixelColor(0, 7), QColor(117, 109, 70));
  EXPECT_EQ(img.pixelColor(100, 0), QColor(117, 109, 70));
  EXPECT_EQ(img.pixelColor(206, 7), QColor(255, 255, 255));
  EXPECT_EQ(img.pixelColor(100, 14), QColor(255, 255, 255));
  for (int k = 1; k <= 17; ++k) bar.drawSquare(k);
  img = bar.grab().toImage();
  EXPECT_EQ(img.pixelColor(2, 2), square);
  EXPECT_EQ(img.pixelColor(204, 12), square);
  EXPECT_EQ(img.pixelColor(205, 7), ground);
  EXPECT_EQ(img.pixelColor(1, 7), ground);
  EXPECT_EQ(img.pixelColor(13, 7), ground);  // the gap between squares 1 and 2
  EXPECT_EQ(img.pixelColor(14, 7), square);
  EXPECT_EQ(img.pixelColor(150, 13), ground);
  EXPECT_EQ(TOrvikProgressBar::squareRect(17), QRect(194, 2, 11, 11));
  bar.clearSquares();
  EXPECT_EQ(bar.grab().toImage().pixelColor(14, 7), ground);
}

}  // namespace
