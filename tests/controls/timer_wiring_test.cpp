// The timers of the controls run the ticks the other tests call directly. Each timer is sped
// up to a millisecond and left to fire on its own.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "control_test_support.h"
#include "controls/hint_windows.h"
#include "controls/orvik_btn_nav.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/orvik_track_bar.h"
#include "controls/osb_button.h"

using controls_test::Host;

namespace {

constexpr int kPatienceMs = 2000;

TEST(TimerWiringTest, HintShowAndHideTimersShowAndHideTheHint) {
  Host host;
  host.showAndWait();
  QTest::mouseMove(&host, QPoint(5, 5));
  auto* button = new TOrvikBtn98(&host);
  button->setGeometry(40, 30, 50, 20);
  button->setHintName(QStringLiteral("Close"));
  button->show();
  QTest::mouseMove(&host, QPoint(60, 40));
  ASSERT_TRUE(button->hintShowTimer()->isActive());
  button->hintShowTimer()->setInterval(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return button->hintWindow()->isVisible(); }, kPatienceMs));
  ASSERT_NE(button->hintHideTimer(), nullptr);
  button->hintHideTimer()->setInterval(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !button->hintWindow()->isVisible(); }, kPatienceMs));
  EXPECT_FALSE(button->hintHideTimer()->isActive());
}

TEST(TimerWiringTest, NavigationRepeatTimerClicks) {
  Host host;
  host.showAndWait();
  auto* button = new TOrvikBtnNav(&host);
  button->setGeometry(40, 30, 33, 26);
  button->show();
  QSignalSpy clicks(button, &TOrvikBtnNav::clicked);
  QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
  button->repeatTimer()->setInterval(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return clicks.count() >= 2; }, kPatienceMs));
  QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST(TimerWiringTest, ScrollAndTrackBarTimersRepeatTheirSteps) {
  Host host;
  host.showAndWait();
  auto* scroll = new TOrvikScrollBar(&host);
  scroll->move(10, 10);
  scroll->setMax(100);
  scroll->show();
  QTest::mousePress(scroll->downButton(), Qt::LeftButton, {}, QPoint(5, 5));
  scroll->repeatTimer()->setInterval(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return scroll->Position() >= 3; }, kPatienceMs));
  QTest::mouseRelease(scroll->downButton(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(scroll->repeatTimer()->isActive());

  auto* track = new TOrvikTrackBar(&host);
  track->setGeometry(40, 10, 210, 29);
  track->setMaxPos(15);
  track->show();
  QTest::mousePress(track, Qt::LeftButton, {}, QPoint(200, 10));
  track->repeatTimer()->setInterval(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return track->Position() >= 4; }, kPatienceMs));
  QTest::mouseRelease(track, Qt::LeftButton, {}, QPoint(200, 10));
}

}  // namespace
