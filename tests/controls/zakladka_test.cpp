// The chapter tab strip: which tab the pointer highlights, what each step draws from the
// pictures, the selected tab's overhang, the sticky flag and the chapter-name hint.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "controls/hint_windows.h"
#include "controls/orvik_zakladka.h"
#include "controls/tab_skin.h"

namespace {

// Test pictures whose every pixel says what it is: the background is grey, hover pictures
// green with the tab number in the blue channel, selected pictures red with the number in
// the blue channel.
QPixmap solid(QSize size, QColor c) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(c);
  return QPixmap::fromImage(img);
}
const QColor kGround(100, 100, 100);
QColor hoverColour(int i) {
  return QColor(0, 200, i);
}
QColor selColour(int i) {
  return QColor(200, 0, i);
}

struct ZakladkaFixture : ::testing::Test {
  QWidget window;
  TOrvikZakladka* strip = nullptr;
  void SetUp() override {
    window.resize(100, 520);
    strip = new TOrvikZakladka(&window);
    strip->setGeometry(10, 10, 15, 481);
    orvik::TabStripPictures pics;
    pics.main = solid(QSize(15, 488), kGround);
    for (int i = 1; i <= 15; ++i) {
      pics.chap[i - 1] = solid(QSize(13, 32), hoverColour(i));
      pics.chapSel[i - 1] = solid(QSize(15, 35), selColour(i));
    }
    strip->setPictures(pics);
    window.show();
    // Start every case with the pointer outside the strip, whatever the last case left.
    QTest::mouseMove(&window, QPoint(80, 515));
  }
  QColor at(int x, int y) const { return QColor(strip->surface().pixel(x, y)); }
  void moveTo(int y) { QTest::mouseMove(strip, QPoint(5, y)); }
  void press(int y) { QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(5, y)); }
};

TEST_F(ZakladkaFixture, StartsWithNothingHighlightedOrSelected) {
  TOrvikZakladka fresh;
  EXPECT_EQ(fresh.size(), QSize(20, 487));
  EXPECT_EQ(fresh.highlightedTab(), 0);
  EXPECT_EQ(fresh.selectedTab(), -1);
  EXPECT_EQ(fresh.lastSelectedTab(), 0);
  EXPECT_FALSE(fresh.hintAllowed);
  EXPECT_FALSE(fresh.sticky);
  EXPECT_EQ(at(5, 100), kGround);
}

TEST_F(ZakladkaFixture, PointerBandsMapToTabs) {
  QSignalSpy highlighted(strip, &TOrvikZakladka::OnHighlightedChange);
  QSignalSpy selected(strip, &TOrvikZakladka::OnSelectedChange);
  moveTo(0);
  EXPECT_EQ(strip->highlightedTab(), 1);
  moveTo(31);
  EXPECT_EQ(strip->highlightedTab(), 1);
  EXPECT_EQ(selected.count(), 1);  // the move within tab 1 fired nothing
  EXPECT_EQ(highlighted.count(), 1);
  moveTo(448);
  EXPECT_EQ(strip->highlightedTab(), 15);
  EXPECT_EQ(at(5, 448), hoverColour(15));
  EXPECT_EQ(at(5, 10), kGround);  // tab 1's band restored
  moveTo(479);
  EXPECT_EQ(selected.count(), 2);
  // Below the fifteenth tab: nothing highlighted anew, but the selection change still fires.
  moveTo(480);
  EXPECT_EQ(strip->pointerTab(), 16);
  EXPECT_EQ(strip->highlightedTab(), 15);
  EXPECT_EQ(selected.count(), 3);
  EXPECT_EQ(highlighted.count(), 3);
}

TEST_F(ZakladkaFixture, HoverOverSelectedKeepsItsLook) {
  press(100);  // tab 4
  EXPECT_EQ(strip->selectedTab(), 4);
  moveTo(100);
  EXPECT_EQ(strip->highlightedTab(), 4);
  EXPECT_EQ(at(5, 96), selColour(4));
  EXPECT_EQ(at(14, 96), selColour(4));  // the full 15 pixels, not the 13 of a hover picture
  moveTo(140);                          // onto tab 5, the neighbour below
  EXPECT_EQ(at(5, 140), hoverColour(5));
  EXPECT_EQ(at(5, 96), selColour(4));
}

TEST_F(ZakladkaFixture, LeavingANeighbourRedrawsTheSelectedOverhang) {
  press(100);   // tab 4: its picture reaches y = 96 + 34 = 130, into tab 5's band
  moveTo(140);  // tab 5 highlighted: its hover picture covers the overhang
  EXPECT_EQ(at(5, 128), hoverColour(5));
  moveTo(200);  // tab 7: tab 5's band is restored, then tab 4 drawn again
  EXPECT_EQ(at(5, 128), selColour(4));
  EXPECT_EQ(at(5, 131), kGround);
  EXPECT_EQ(at(5, 200), hoverColour(7));
}

TEST_F(ZakladkaFixture, PressingAnotherTabRestoresTheOldSelectedArea) {
  press(70);  // tab 3
  EXPECT_EQ(at(5, 64), selColour(3));
  EXPECT_EQ(at(5, 98), selColour(3));  // the overhang into tab 4
  QSignalSpy clicks(strip, &TOrvikZakladka::clicked);
  press(200);  // tab 7
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(strip->selectedTab(), 7);
  EXPECT_EQ(strip->lastSelectedTab(), 7);
  EXPECT_EQ(at(5, 64), kGround);
  EXPECT_EQ(at(5, 98), kGround);
  EXPECT_EQ(at(5, 192), selColour(7));
  EXPECT_EQ(at(5, 226), selColour(7));
  EXPECT_EQ(at(5, 227), kGround);
}

TEST_F(ZakladkaFixture, PressBelowTheTabsSelectsAndOpensNothing) {
  press(70);
  QSignalSpy clicks(strip, &TOrvikZakladka::clicked);
  press(480);
  EXPECT_EQ(strip->selectedTab(), 3);
  EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ZakladkaFixture, LeavingClearsHighlightUnlessSticky) {
  moveTo(40);
  EXPECT_EQ(at(5, 40), hoverColour(2));
  QEvent leave(QEvent::Leave);
  strip->sticky = true;
  QApplication::sendEvent(strip, &leave);
  EXPECT_EQ(strip->highlightedTab(), 2);
  EXPECT_EQ(at(5, 40), hoverColour(2));
  strip->sticky = false;
  QApplication::sendEvent(strip, &leave);
  EXPECT_EQ(strip->highlightedTab(), 0);
  EXPECT_EQ(at(5, 40), kGround);
}

TEST_F(ZakladkaFixture, RefreshDropsTheHoverLookKeepsSelection) {
  press(300);  // tab 10
  moveTo(40);
  strip->Refresh();
  EXPECT_EQ(at(5, 40), kGround);
  EXPECT_EQ(at(5, 300), selColour(10));
  strip->clearSelection();
  EXPECT_EQ(strip->selectedTab(), 0);
  EXPECT_EQ(at(5, 300), kGround);
}

TEST_F(ZakladkaFixture, OwnerDrivenHighlightAndSelection) {
  strip->setSelectedTab(6);
  EXPECT_EQ(at(5, 161), selColour(6));
  strip->highlightTab(2);
  EXPECT_EQ(strip->highlightedTab(), 2);
  EXPECT_EQ(at(5, 33), hoverColour(2));
  strip->clearHighlight();
  EXPECT_EQ(at(5, 33), kGround);
  EXPECT_EQ(strip->highlightedTab(), 0);
}

TEST_F(ZakladkaFixture, HintShowsBesideTheTabOnlyWhenAllowedAndHeard) {
  TOrvikHintWindow* hint = strip->hintWindow();
  // Nobody listens to OnHighlightedChange: no hint and no timer.
  strip->hintAllowed = true;
  strip->setChapterName("Animals");
  moveTo(40);
  EXPECT_FALSE(hint->isVisible());
  EXPECT_EQ(strip->hintHideTimer(), nullptr);

  QSignalSpy names(strip, &TOrvikZakladka::OnChapterName);
  QObject::connect(strip, &TOrvikZakladka::OnHighlightedChange,
                   [&] { strip->setChapterName(QString("Chapter %1").arg(strip->pointerTab())); });
  moveTo(200);  // tab 7
  ASSERT_TRUE(hint->isVisible());
  EXPECT_EQ(hint->text(), "Chapter 7");
  EXPECT_EQ(names.count(), 1);
  const QPoint expected = strip->mapToGlobal(QPoint(15 + 3, 192 + 7));
  EXPECT_EQ(hint->geometry().topLeft(), expected);
  ASSERT_NE(strip->hintHideTimer(), nullptr);
  EXPECT_EQ(strip->hintHideTimer()->interval(), 2000);
  EXPECT_TRUE(strip->hintHideTimer()->isActive());

  // Sticky: leaving leaves hover and hint until the timer's tick.
  strip->sticky = true;
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(strip, &leave);
  EXPECT_TRUE(hint->isVisible());
  strip->hideHintNow();
  EXPECT_FALSE(hint->isVisible());
  EXPECT_FALSE(strip->hintHideTimer()->isActive());
  EXPECT_EQ(at(5, 200), hoverColour(7));

  // Not allowed: the timer still restarts but nothing shows.
  strip->hintAllowed = false;
  moveTo(300);
  EXPECT_FALSE(hint->isVisible());
  EXPECT_TRUE(strip->hintHideTimer()->isActive());
}

TEST(TabSkin, PicturesHaveTheirGeometryAndAreStable) {
  const orvik::TabStripPictures& a = orvik::tabStripPictures();
  EXPECT_EQ(a.main.size(), QSize(15, 488));
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(a.chap[i].size(), QSize(13, 32));
    EXPECT_EQ(a.chapSel[i].size(), QSize(15, 35));
  }
  // Each tab's picture differs from its neighbour's (its number).
  EXPECT_NE(a.chap[0].toImage(), a.chap[1].toImage());
  EXPECT_NE(a.chapSel[9].toImage(), a.chapSel[10].toImage());
  // Cached: the same pixels at every call.
  EXPECT_EQ(&a, &orvik::tabStripPictures());
}

}  // namespace
