// The skinned scroll bar: the position-to-pixel mapping, arrow and track repetition with
// their scroll codes, thumb dragging, and the arrow button it is made of.

#include "controls/orvik_scroll_bar.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <QWindow>
#include <vector>

#include "control_test_support.h"
#include "controls/osb_button.h"
#include "controls/skin.h"

using controls_test::Host;
using controls_test::pixelAt;
using controls_test::solid;

namespace {

struct Report {
  int code;
  int position;
};

class ScrollBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.showAndWait();
    bar = new TOrvikScrollBar(&host);
    bar->setGeometry(10, 10, 15, 250);
    bar->show();
    QObject::connect(bar, &TOrvikScrollBar::scrolled, bar, [this](int code, int& pos) {
      reports.push_back({code, pos});
    });
  }
  int thumbTop() const { return bar->thumb()->y(); }

  Host host;
  TOrvikScrollBar* bar = nullptr;
  std::vector<Report> reports;
};

TEST_F(ScrollBarTest, StandardSkinGivesFifteenPixelArrowsAndATwentyEightPixelThumb) {
  EXPECT_EQ(bar->upButton()->size(), QSize(15, 15));
  EXPECT_EQ(bar->downButton()->size(), QSize(15, 15));
  EXPECT_EQ(bar->thumb()->size(), QSize(15, 28));
  EXPECT_EQ(bar->upButton()->pos(), QPoint(0, 0));
  EXPECT_EQ(bar->downButton()->pos(), QPoint(0, 235));
}

TEST_F(ScrollBarTest, TenPositionsSpreadOverTheTravelWithTheFirstStepsWider) {
  // Travel 192 over 10 steps: 19 each, the first two 20.
  const int expected[] = {15, 35, 55, 74, 93, 112, 131, 150, 169, 188, 207};
  for (int v = 0; v <= 10; ++v) {
    EXPECT_EQ(bar->positionToPixel(v), expected[v]) << v;
    bar->setPosition(v);
    EXPECT_EQ(thumbTop(), expected[v]) << v;
  }
  // The thumb's top maps back to the position it shows.
  for (int v = 1; v < 10; ++v) EXPECT_EQ(bar->pixelToPosition(expected[v]), v) << v;
  EXPECT_EQ(bar->pixelToPosition(34), 0);
  EXPECT_EQ(bar->pixelToPosition(36), 1);
  // Out-of-range values sit at the ends.
  EXPECT_EQ(bar->positionToPixel(-5), 15);
  EXPECT_EQ(bar->positionToPixel(99), 207);
}

TEST_F(ScrollBarTest, MorePositionsThanPixelsShareTheRows) {
  bar->setMax(1000);
  // 1001 positions over 192 pixels: the first 41 rows hold 6 positions, the others 5.
  for (int v = 0; v <= 5; ++v) EXPECT_EQ(bar->positionToPixel(v), 15) << v;
  EXPECT_EQ(bar->positionToPixel(6), 16);
  EXPECT_EQ(bar->positionToPixel(246), 56);  // 41 rows of 6
  EXPECT_EQ(bar->positionToPixel(251), 57);  // then rows of 5
  EXPECT_EQ(bar->positionToPixel(999), 206);
  EXPECT_EQ(bar->positionToPixel(1000), 207);
  EXPECT_EQ(bar->pixelToPosition(16), 6);
  EXPECT_EQ(bar->pixelToPosition(57), 41 * 6 + 5);
  // Every pixel row maps to a position that maps back onto the same row.
  for (int x = 16; x < 207; ++x) EXPECT_EQ(bar->positionToPixel(bar->pixelToPosition(x)), x) << x;
}

TEST_F(ScrollBarTest, RangeSettersClampAndOnlyPositionMovesTheThumb) {
  bar->setPosition(8);
  const int before = thumbTop();
  bar->setMax(5);
  EXPECT_EQ(bar->Position(), 5);
  EXPECT_EQ(thumbTop(), before);
  bar->setPosition(40);
  EXPECT_EQ(bar->Position(), 5);
  EXPECT_EQ(thumbTop(), 207);
  bar->setMin(7);
  EXPECT_EQ(bar->Position(), 7);
  bar->setMin(0);
  bar->setPosition(-3);
  EXPECT_EQ(bar->Position(), 0);
  EXPECT_EQ(thumbTop(), 15);
}

TEST_F(ScrollBarTest, HoldingAnArrowStepsAtOnceThenAfter300ThenEvery50UntilTheEnd) {
  bar->setMax(4);
  QTest::mousePress(bar->downButton(), Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].code, TOrvikScrollBar::scLineDown);
  EXPECT_EQ(bar->Position(), 1);
  EXPECT_EQ(thumbTop(), bar->positionToPixel(1));
  EXPECT_TRUE(bar->downButton()->pressed());
  QTimer* timer = bar->repeatTimer();
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 300);
  bar->repeatTick();
  EXPECT_EQ(bar->Position(), 2);
  EXPECT_EQ(timer->interval(), 50);
  bar->repeatTick();
  bar->repeatTick();
  EXPECT_EQ(bar->Position(), 4);
  EXPECT_EQ(reports.size(), 4u);
  // At the end the repetition stops silently.
  bar->repeatTick();
  EXPECT_EQ(reports.size(), 4u);
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(timer->interval(), 300);
  QTest::mouseRelease(bar->downButton(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(bar->downButton()->pressed());

  // Up, with a small change of 3: clamped at Min.
  bar->setSmallChange(3);
  QTest::mousePress(bar->upButton(), Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(bar->Position(), 1);
  EXPECT_EQ(reports.back().code, TOrvikScrollBar::scLineUp);
  // Only the left button shows the arrow's pressed picture.
  EXPECT_FALSE(bar->upButton()->pressed());
  bar->repeatTick();
  EXPECT_EQ(bar->Position(), 0);
  QTest::mouseRelease(bar->upButton(), Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(bar->scrollAction(), TOrvikScrollBar::LineUp);
}

TEST_F(ScrollBarTest, PagingTowardsThePointerDarkensTheTrackAndStopsAtThePointer) {
  bar->setMax(100);
  bar->setLargeChange(10);
  bar->setColor(QColor(250, 250, 250));
  bar->setDarkColor(QColor(20, 20, 20));
  // Press at y 120: below the thumb at the top.
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(7, 120));
  EXPECT_FALSE(bar->dragAllowed());
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].code, TOrvikScrollBar::scPageDown);
  EXPECT_EQ(bar->Position(), 10);
  QTimer* timer = bar->repeatTimer();
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 300);
  // The part after the thumb is dark while paging down; before it, the track colour.
  EXPECT_EQ(pixelAt(bar, QPoint(7, 200)), QColor(20, 20, 20));
  EXPECT_EQ(pixelAt(bar, QPoint(7, 16)), QColor(250, 250, 250));
  int ticks = 0;
  while (timer->isActive() && ticks < 50) {
    bar->repeatTick();
    ++ticks;
    if (timer->isActive()) {
      EXPECT_EQ(timer->interval(), 50);
    }
  }
  // The thumb's top has passed the press point; it did not page further.
  EXPECT_GE(thumbTop(), 120);
  EXPECT_LT(bar->positionToPixel(bar->Position() - 10), 120);
  for (const Report& r : reports) EXPECT_EQ(r.code, TOrvikScrollBar::scPageDown);
  EXPECT_EQ(pixelAt(bar, QPoint(7, 240 - 15)), QColor(250, 250, 250));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(7, 120));
  // After a release over the bar, dragging is allowed and the thumb looks pressed.
  EXPECT_TRUE(bar->dragAllowed());
  EXPECT_TRUE(bar->thumb()->pressed());

  // Paging up the same way.
  reports.clear();
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(7, 40));
  EXPECT_EQ(reports.at(0).code, TOrvikScrollBar::scPageUp);
  EXPECT_EQ(pixelAt(bar, QPoint(7, 16)), QColor(20, 20, 20));
  while (bar->repeatTimer()->isActive()) bar->repeatTick();
  EXPECT_LE(thumbTop(), 40);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(7, 40));
}

TEST_F(ScrollBarTest, ATrackPressJustBeforeTheThumbPagesOnceEvenWhenHeld) {
  bar->setMax(100);
  bar->setLargeChange(10);
  bar->setPosition(50);
  const int top = thumbTop();
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(7, top - 2));
  EXPECT_EQ(bar->Position(), 40);
  EXPECT_FALSE(bar->repeatTimer()->isActive());
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(7, top - 2));
  EXPECT_EQ(bar->Position(), 40);
}

TEST_F(ScrollBarTest, PagingUpAtMinStillReportsAndPagingDownAtMaxReportsNothing) {
  // The thumb stays where it was when Min and Max change, so the track can be pressed on
  // either side of it with the position already at an end.
  bar->setPosition(5);
  bar->setMin(5);
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(7, 40));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].code, TOrvikScrollBar::scPageUp);
  EXPECT_EQ(reports[0].position, 5);
  EXPECT_FALSE(bar->repeatTimer()->isActive());
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(7, 40));

  reports.clear();
  bar->setMin(0);
  bar->setMax(5);
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(7, 220));
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(bar->Position(), 5);
  EXPECT_FALSE(bar->repeatTimer()->isActive());
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(7, 220));
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksThePointerAndPinsAtTheEnds) {
  bar->setMax(10);
  TOSBButton* thumb = bar->thumb();
  QTest::mousePress(thumb, Qt::LeftButton, {}, QPoint(7, 10));
  EXPECT_TRUE(bar->dragAllowed());
  // Pointer at bar y 110: thumb top 100.
  QTest::mouseMove(thumb, thumb->mapFrom(bar, QPoint(7, 110)));
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports.back().code, TOrvikScrollBar::scTrack);
  EXPECT_EQ(thumbTop(), 100);
  EXPECT_EQ(bar->Position(), bar->pixelToPosition(100));
  EXPECT_EQ(bar->scrollAction(), TOrvikScrollBar::Drag);
  // Past the end: Max, reported again for every move.
  const size_t before = reports.size();
  QTest::mouseMove(thumb, thumb->mapFrom(bar, QPoint(7, 300)));
  QTest::mouseMove(thumb, thumb->mapFrom(bar, QPoint(7, 320)));
  EXPECT_EQ(reports.size(), before + 2);
  EXPECT_EQ(reports.back().position, 10);
  EXPECT_EQ(thumbTop(), 207);
  QTest::mouseMove(thumb, thumb->mapFrom(bar, QPoint(7, -40)));
  EXPECT_EQ(bar->Position(), 0);
  EXPECT_EQ(thumbTop(), 15);
  QTest::mouseRelease(thumb, Qt::LeftButton, {}, thumb->mapFrom(bar, QPoint(7, -40)));
  EXPECT_TRUE(bar->thumb()->pressed());
}

TEST_F(ScrollBarTest, DraggingThroughTheWindowFollowsThePointerOutsideTheBar) {
  // The bar sits at (10, 10) in the window; the thumb at its top.
  QWindow* window = host.windowHandle();
  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(17, 10 + 15 + 5));
  QTest::mouseMove(window, QPoint(17, 10 + 100 + 5));
  EXPECT_EQ(thumbTop(), 100);
  // Far to the side and below the bar: still dragging, pinned at Max.
  QTest::mouseMove(window, QPoint(200, 290));
  EXPECT_EQ(bar->Position(), 10);
  EXPECT_EQ(reports.back().code, TOrvikScrollBar::scTrack);
  QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(200, 290));
  EXPECT_TRUE(bar->thumb()->pressed());
  const size_t count = reports.size();
  QTest::mouseMove(window, QPoint(17, 60));
  EXPECT_EQ(reports.size(), count);  // no button held: no more tracking
}

TEST_F(ScrollBarTest, AHandlerMayChangeThePositionWithoutMovingTheThumb) {
  QObject::connect(bar, &TOrvikScrollBar::scrolled, bar, [](int, int& pos) { pos = 7; });
  QTest::mousePress(bar->downButton(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(bar->downButton(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(bar->Position(), 7);
  EXPECT_EQ(thumbTop(), bar->positionToPixel(1));
}

TEST_F(ScrollBarTest, HorizontalBarMapsAlongItsWidth) {
  bar->setKind(osbHorizontal);
  bar->setGeometry(10, 10, 151, 15);
  bar->setPictures(orvik::scrollBarPictures(orvik::ScrollSkin::Standard, true));
  bar->setMax(300);
  EXPECT_EQ(bar->thumb()->size(), QSize(28, 15));
  EXPECT_EQ(bar->downButton()->pos(), QPoint(136, 0));
  // Travel 93 for 301 positions: 3 or 4 positions per pixel.
  EXPECT_EQ(bar->positionToPixel(0), 15);
  EXPECT_EQ(bar->positionToPixel(300), 108);
  EXPECT_EQ(bar->positionToPixel(4), 16);
  bar->setPosition(150);
  EXPECT_EQ(bar->thumb()->y(), 0);
  EXPECT_EQ(bar->thumb()->x(), bar->positionToPixel(150));
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(130, 7));
  EXPECT_EQ(reports.back().code, TOrvikScrollBar::scPageDown);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(130, 7));
}

TEST_F(ScrollBarTest, ABarWithoutTravelKeepsTheThumbAtTheStart) {
  bar->resize(15, 50);  // 15 + 15 + 28 > 50
  bar->setMax(10);
  EXPECT_EQ(bar->positionToPixel(5), 15);
  EXPECT_EQ(bar->pixelToPosition(20), 0);
}

TEST(OsbButtonTest, TakesTheSizeOfItsUpPictureAndShowsTheDownPictureWhilePressed) {
  Host host;
  host.showAndWait();
  auto* b = new TOSBButton(&host);
  b->move(20, 30);
  EXPECT_EQ(b->size(), QSize(20, 20));
  b->setBtnUp(solid(QSize(15, 15), QColor(0, 200, 0)));
  EXPECT_EQ(b->geometry(), QRect(20, 30, 15, 15));
  b->setBtnUp(QPixmap());
  EXPECT_EQ(b->size(), QSize(15, 15));
  b->setBtnUp(solid(QSize(15, 15), QColor(0, 200, 0)));
  b->setBtnDown(solid(QSize(15, 15), QColor(0, 0, 200)));
  b->show();
  EXPECT_EQ(pixelAt(b, QPoint(7, 7)), QColor(0, 200, 0));
  QTest::mousePress(b, Qt::LeftButton, {}, QPoint(7, 7));
  EXPECT_TRUE(b->pressed());
  EXPECT_EQ(pixelAt(b, QPoint(7, 7)), QColor(0, 0, 200));
  QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(7, 7));
  EXPECT_FALSE(b->pressed());
  EXPECT_EQ(pixelAt(b, QPoint(7, 7)), QColor(0, 200, 0));
}

}  // namespace
