// Bitmap buttons: pictures per state, enter and leave once per crossing, latching, disabled
// buttons, the delayed hint and the repeating navigation button.

#include "controls/orvik_btn98.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <stdexcept>

#include "control_test_support.h"
#include "controls/hint_windows.h"
#include "controls/orvik_btn_nav.h"
#include "controls/skin.h"

using controls_test::Host;
using controls_test::pixelAt;
using controls_test::solid;

namespace {

const QColor kNormal(200, 0, 0);
const QColor kUp(0, 200, 0);
const QColor kDown(0, 0, 200);
const QColor kDisabled(100, 100, 100);

template <typename Button>
Button* makeButton(QWidget* parent, QRect geometry = QRect(40, 30, 50, 20)) {
  auto* b = new Button(parent);
  b->setGeometry(geometry);
  const QSize s = geometry.size();
  b->setBtnNormal(solid(s, kNormal));
  b->setBtnUp(solid(s, kUp));
  b->setBtnDown(solid(s, kDown));
  b->setBtnDeasble(solid(s, kDisabled));
  return b;
}

class ButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.showAndWait();
    // The pointer rests outside before the button appears, so the button starts un-entered.
    QTest::mouseMove(&host, QPoint(5, 5));
    button = makeButton<TOrvikBtn98>(&host);
    button->show();
  }
  QColor shown() { return pixelAt(button, QPoint(2, 2)); }
  void moveIn() { QTest::mouseMove(&host, QPoint(60, 40)); }
  void moveOut() { QTest::mouseMove(&host, QPoint(5, 5)); }

  Host host;
  TOrvikBtn98* button = nullptr;
};

TEST_F(ButtonTest, ShowsThePictureOfEachStateAndEngravesADisabledCaption) {
  EXPECT_EQ(shown(), kNormal);
  moveIn();
  EXPECT_EQ(button->state(), TOrvikBtn98::Hover);
  EXPECT_EQ(shown(), kUp);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(shown(), kDown);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(button->state(), TOrvikBtn98::Hover);
  moveOut();
  EXPECT_EQ(shown(), kNormal);

  // The disabled caption is engraved: grey strokes over a white copy one pixel down-right,
  // so every white pixel has a grey one up-left of it.
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(16);
  f.setBold(true);
  f.setStyleStrategy(QFont::NoAntialias);
  button->setFont(f);
  button->setCaption(QStringLiteral("IH"));
  button->setEnabled(false);
  EXPECT_EQ(button->state(), TOrvikBtn98::Disabled);
  const QImage img = button->grab().toImage();
  const QColor grey(128, 128, 128), white(255, 255, 255);
  int greys = 0, whites = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      if (img.pixelColor(x, y) == grey) {
        ++greys;
        const QColor below =
            img.pixelColor(std::min(x + 1, img.width() - 1), std::min(y + 1, img.height() - 1));
        EXPECT_TRUE(below == grey || below == white) << x << "," << y;
      } else if (img.pixelColor(x, y) == white) {
        ++whites;
        ASSERT_GT(x, 0);
        ASSERT_GT(y, 0);
        EXPECT_EQ(img.pixelColor(x - 1, y - 1), grey) << x << "," << y;
      }
    }
  EXPECT_GT(greys, 10);
  EXPECT_GT(whites, 5);
  // Enabled, the caption is drawn once in the font colour.
  button->setEnabled(true);
  button->setFontColor(QColor(1, 2, 3));
  const QImage enabled = button->grab().toImage();
  bool fontColour = false;
  for (int y = 0; y < enabled.height(); ++y)
    for (int x = 0; x < enabled.width(); ++x) {
      fontColour |= enabled.pixelColor(x, y) == QColor(1, 2, 3);
      ASSERT_NE(enabled.pixelColor(x, y), QColor(255, 255, 255));
    }
  EXPECT_TRUE(fontColour);
}

TEST_F(ButtonTest, EnterAndLeaveFireOncePerCrossing) {
  QSignalSpy entered(button, &TOrvikBtn98::mouseEntered);
  QSignalSpy left(button, &TOrvikBtn98::mouseLeft);
  moveIn();
  QTest::mouseMove(&host, QPoint(65, 42));
  // The system may report the pointer arriving twice; the button reports it once.
  QEnterEvent again(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
  QApplication::sendEvent(button, &again);
  EXPECT_EQ(entered.count(), 1);
  EXPECT_EQ(left.count(), 0);
  moveOut();
  QEvent leaveAgain(QEvent::Leave);
  QApplication::sendEvent(button, &leaveAgain);
  EXPECT_EQ(entered.count(), 1);
  EXPECT_EQ(left.count(), 1);
  moveIn();
  moveOut();
  EXPECT_EQ(entered.count(), 2);
  EXPECT_EQ(left.count(), 2);
}

TEST_F(ButtonTest, HoverFollowsThePointerThroughModalWindowsAndActivation) {
  QSignalSpy left(button, &TOrvikBtn98::mouseLeft);
  // The click opens a modal window elsewhere; the user moves onto it and closes it. No
  // crossing of the button is reported, yet the pointer is no longer over it.
  QObject::connect(button, &TOrvikBtn98::clicked, button, [this] {
    QDialog modal;
    modal.setGeometry(host.x() + 250, host.y() + 150, 100, 80);
    QTimer::singleShot(0, &modal, [&modal] {
      QTest::mouseMove(&modal, QPoint(10, 10));
      modal.accept();
    });
    modal.exec();
  });
  moveIn();
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(button->state(), TOrvikBtn98::Normal);
  EXPECT_EQ(shown(), kNormal);
  EXPECT_EQ(left.count(), 1);

  // A window that comes up over the button hides it from the pointer when the windows'
  // activation changes, and the hover picture comes back when it goes.
  moveIn();
  ASSERT_EQ(button->state(), TOrvikBtn98::Hover);
  QWidget cover;
  cover.setWindowFlag(Qt::FramelessWindowHint);
  cover.setGeometry(QRect(button->mapToGlobal(QPoint(-5, -5)), QSize(80, 40)));
  cover.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
  QEvent deactivate(QEvent::WindowDeactivate);
  QApplication::sendEvent(&host, &deactivate);
  EXPECT_EQ(shown(), kNormal);
  cover.hide();
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(&host, &activate);
  EXPECT_EQ(shown(), kUp);

  // A hidden button is under no pointer: shown again with the pointer elsewhere, it is normal.
  button->hide();
  moveOut();
  button->show();
  EXPECT_EQ(shown(), kNormal);
  // Latched and disabled buttons keep their pictures.
  button->setLatched(true);
  QApplication::sendEvent(&host, &activate);
  EXPECT_EQ(shown(), kDown);
}

TEST_F(ButtonTest, DisabledButtonIgnoresHoverPressAndHintAndRecoversWhenEnabled) {
  QSignalSpy clicks(button, &TOrvikBtn98::clicked);
  QSignalSpy entered(button, &TOrvikBtn98::mouseEntered);
  button->setHintName(QStringLiteral("Close"));
  button->setEnabled(false);
  EXPECT_EQ(shown(), kDisabled);
  moveIn();
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(entered.count(), 0);
  EXPECT_FALSE(button->hintShowTimer()->isActive());
  EXPECT_EQ(shown(), kDisabled);
  moveOut();
  button->setEnabled(true);
  EXPECT_EQ(shown(), kNormal);
  moveIn();
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonTest, ClickNeedsTheReleaseInsideAndTheLeftButton) {
  QSignalSpy clicks(button, &TOrvikBtn98::clicked);
  moveIn();
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(80, 10));
  EXPECT_EQ(clicks.count(), 0);
  QTest::mouseClick(button, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicks.count(), 0);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonTest, PressingThenSlidingOffAndReleasingDoesNotClick) {
  // Through the window, as the system delivers it: the button holds the mouse from the press
  // on, gets the release outside, and then hears that the pointer has left.
  QSignalSpy clicks(button, &TOrvikBtn98::clicked);
  QSignalSpy left(button, &TOrvikBtn98::mouseLeft);
  QWindow* window = host.windowHandle();
  moveIn();
  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(50, 40));
  EXPECT_EQ(shown(), kDown);
  QTest::mouseMove(window, QPoint(150, 80));
  EXPECT_EQ(shown(), kDown);
  QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(150, 80));
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(left.count(), 1);
  EXPECT_EQ(shown(), kNormal);
  // The same inside clicks.
  moveIn();
  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(50, 40));
  QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(52, 41));
  EXPECT_EQ(clicks.count(), 1);
  EXPECT_EQ(shown(), kUp);
}

TEST_F(ButtonTest, LatchingButtonStaysDownUntilPressedAgain) {
  button->setAllowDown(true);
  QSignalSpy entered(button, &TOrvikBtn98::mouseEntered);
  moveIn();
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(button->latched());
  EXPECT_EQ(shown(), kDown);
  // Hovering does not change a latched button.
  moveOut();
  EXPECT_EQ(shown(), kDown);
  moveIn();
  EXPECT_EQ(shown(), kDown);
  EXPECT_EQ(entered.count(), 1);
  // The second press unlatches; the pressed picture shows while it is held, its release the
  // hover picture.
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(button->latched());
  EXPECT_EQ(shown(), kDown);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(shown(), kUp);
  // The window's own latch switch.
  button->setLatched(true);
  EXPECT_EQ(button->state(), TOrvikBtn98::Pressed);
  EXPECT_EQ(shown(), kDown);
  button->setLatched(false);
  EXPECT_EQ(shown(), kNormal);
  // setState changes the state without repainting.
  button->setState(TOrvikBtn98::Hover);
  EXPECT_EQ(button->state(), TOrvikBtn98::Hover);
}

TEST_F(ButtonTest, HintShowsHalfASecondAfterEntryFivePixelsBelowAndHidesAfterTwoSeconds) {
  button->setHintName(QStringLiteral("Find in Selected Language"));
  moveIn();
  QTimer* show = button->hintShowTimer();
  ASSERT_TRUE(show->isActive());
  EXPECT_EQ(show->interval(), 500);
  EXPECT_TRUE(show->isSingleShot());
  EXPECT_FALSE(button->hintWindow()->isVisible());
  button->showHintNow();  // the show timer's tick
  TOBtnHintWindow* hint = button->hintWindow();
  ASSERT_TRUE(hint->isVisible());
  EXPECT_EQ(hint->text(), QStringLiteral("Find in Selected Language"));
  const QPoint buttonBottomLeft = button->mapToGlobal(QPoint(0, button->height()));
  EXPECT_EQ(hint->geometry().topLeft(), buttonBottomLeft + QPoint(0, 5));
  const QRect text =
      QFontMetrics(hint->font()).boundingRect(QRect(0, 0, 4000, 0), Qt::AlignLeft, hint->text());
  EXPECT_EQ(hint->width(), text.width() + 8);
  EXPECT_EQ(hint->height(), text.height() + 4);
  ASSERT_NE(button->hintHideTimer(), nullptr);
  EXPECT_TRUE(button->hintHideTimer()->isActive());
  EXPECT_EQ(button->hintHideTimer()->interval(), 2000);
  button->hideHintNow();  // the hide timer's tick
  EXPECT_FALSE(hint->isVisible());
  EXPECT_FALSE(button->hintHideTimer()->isActive());
}

TEST_F(ButtonTest, HintGoesOnLeavingOrPressingAndNeverShowsAfterLeaving) {
  button->setHintName(QStringLiteral("Close"));
  moveIn();
  button->showHintNow();
  ASSERT_TRUE(button->hintWindow()->isVisible());
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(button->hintWindow()->isVisible());
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
  moveOut();
  moveIn();
  button->showHintNow();
  ASSERT_TRUE(button->hintWindow()->isVisible());
  moveOut();
  EXPECT_FALSE(button->hintWindow()->isVisible());
  // Leaving before the half second is up cancels the pending hint.
  moveIn();
  EXPECT_TRUE(button->hintShowTimer()->isActive());
  moveOut();
  EXPECT_FALSE(button->hintShowTimer()->isActive());
  // An empty hint name shows nothing at all.
  button->setHintName(QString());
  moveIn();
  EXPECT_FALSE(button->hintShowTimer()->isActive());
  button->showHintNow();
  EXPECT_FALSE(button->hintWindow()->isVisible());
}

TEST_F(ButtonTest, HintWindowPaintsItsRimShadowAndText) {
  TOBtnHintWindow hint;
  hint.setShadowColor(QColor(138, 125, 84));
  hint.activateHint(QRect(0, 0, 60, 20), QStringLiteral("Hi"));
  const QImage img = hint.grab().toImage();
  EXPECT_EQ(img.pixelColor(0, 0), QColor(255, 255, 255));
  EXPECT_EQ(img.pixelColor(1, 5), QColor(255, 255, 255));
  EXPECT_EQ(img.pixelColor(59, 5), QColor(138, 125, 84));
  EXPECT_EQ(img.pixelColor(57, 5), QColor(138, 125, 84));
  EXPECT_EQ(img.pixelColor(20, 19), QColor(151, 137, 96));
  EXPECT_EQ(img.pixelColor(20, 17), QColor(151, 137, 96));
  EXPECT_EQ(img.pixelColor(50, 8), QColor(252, 245, 181));
  bool black = false;
  for (int x = 4; x < 30; ++x)
    for (int y = 1; y < 17; ++y) black |= img.pixelColor(x, y).lightness() < 60;
  EXPECT_TRUE(black);
  hint.releaseHint();
}

TEST_F(ButtonTest, AButtonWithoutPicturesWearsThePlainPlateAndHidingDropsItsHint) {
  auto* bare = new TOrvikBtn98(&host);
  bare->setGeometry(200, 30, 60, 20);
  bare->setHintName(QStringLiteral("Cancel"));
  bare->show();
  const QImage plate = orvik::plainButtonPictures(QSize(60, 20)).normal.toImage();
  EXPECT_EQ(pixelAt(bare, QPoint(30, 10)), plate.pixelColor(30, 10));
  bare->setEnabled(false);
  const QImage disabled = orvik::plainButtonPictures(QSize(60, 20)).disabled.toImage();
  EXPECT_EQ(pixelAt(bare, QPoint(30, 10)), disabled.pixelColor(30, 10));
  bare->setEnabled(true);
  QTest::mouseMove(&host, QPoint(230, 40));
  bare->showHintNow();
  ASSERT_TRUE(bare->hintWindow()->isVisible());
  bare->hide();
  EXPECT_FALSE(bare->hintWindow()->isVisible());
}

class NavButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.showAndWait();
    button = makeButton<TOrvikBtnNav>(&host, QRect(40, 30, 33, 26));
    button->show();
  }
  Host host;
  TOrvikBtnNav* button = nullptr;
};

TEST_F(NavButtonTest, HoldingForOneSecondClicksSevenTimesBeforeTheReleaseClick) {
  QSignalSpy clicks(button, &TOrvikBtnNav::clicked);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  QTimer* timer = button->repeatTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 400);
  button->repeatTick();  // 400 ms
  EXPECT_EQ(timer->interval(), 100);
  for (int ms = 500; ms <= 1000; ms += 100) button->repeatTick();
  EXPECT_EQ(clicks.count(), 7);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(clicks.count(), 8);
  EXPECT_FALSE(timer->isActive());
  // A new press starts from 400 ms again.
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(timer->interval(), 400);
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(NavButtonTest, RepeatStopsWhenTheButtonIsDisabledOrAHandlerFails) {
  int clicks = 0;
  // The handler disables the button at the end of its range, as the entry buttons do.
  QObject::connect(button, &TOrvikBtnNav::clicked, button, [&] {
    if (++clicks == 3) button->setEnabled(false);
  });
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  for (int i = 0; i < 5; ++i) button->repeatTick();
  EXPECT_EQ(clicks, 3);
  EXPECT_FALSE(button->repeatTimer()->isActive());
  QTest::mouseRelease(&host, Qt::LeftButton, {}, QPoint(45, 35));

  auto* failing = makeButton<TOrvikBtnNav>(&host, QRect(100, 30, 33, 26));
  failing->show();
  QObject::connect(failing, &TOrvikBtnNav::clicked, failing,
                   [] { throw std::runtime_error("no next page"); });
  QTest::mousePress(failing, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_NO_THROW(failing->repeatTick()) << "nothing crosses the event loop from the timer";
  EXPECT_FALSE(failing->repeatTimer()->isActive());
  QObject::disconnect(failing, &TOrvikBtnNav::clicked, nullptr, nullptr);
  QTest::mouseRelease(failing, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(NavButtonTest, TicksWithoutTheButtonHeldDoNotClick) {
  QSignalSpy clicks(button, &TOrvikBtnNav::clicked);
  // A right press starts the timer but holds no capture for clicking.
  QTest::mousePress(button, Qt::RightButton, {}, QPoint(5, 5));
  button->repeatTick();
  EXPECT_EQ(clicks.count(), 0);
  QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_FALSE(button->repeatTimer()->isActive());
}

}  // namespace
