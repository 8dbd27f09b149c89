// The application services: the event pump, the program's end request, message lines and the
// borderless window base.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "platform/application.h"
#include "platform/borderless_form.h"
#include "platform/event_pump.h"
#include "platform/message_boxes.h"

namespace {

TEST(EventPump, DelayRunsTimersAndWaitsAtLeastItsTime) {
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(10);
  QElapsedTimer clock;
  clock.start();
  orvik::Delay(80);
  EXPECT_GE(clock.elapsed(), 80);
  EXPECT_GE(ticks, 2) << "timers fire while the delay waits";
  clock.restart();
  orvik::Delay(0);
  orvik::Delay(-5);
  EXPECT_LT(clock.elapsed(), 20);
}

TEST(ApplicationEnd, FirstFailureStatusWinsAndIsKept) {
  orvik::Application::reset();
  EXPECT_FALSE(orvik::Application::terminated());
  orvik::Application::terminate(7);
  orvik::Application::terminate(0);
  orvik::Application::terminate(3);
  EXPECT_TRUE(orvik::Application::terminated());
  EXPECT_EQ(orvik::Application::exitCode(), 7);
  orvik::Application::reset();
  orvik::Application::terminate();
  EXPECT_EQ(orvik::Application::exitCode(), 0);
  orvik::Application::reset();
}

TEST(ApplicationEnd, RequestBeforeTheLoopKeepsItFromRunning) {
  orvik::Application::reset();
  orvik::Application::terminate(9);
  EXPECT_EQ(orvik::Application::exec(), 9);
  orvik::Application::reset();
}

TEST(ApplicationEnd, RequestFromAHandlerEndsTheRunningLoop) {
  orvik::Application::reset();
  QTimer::singleShot(10, [] { orvik::Application::terminate(4); });
  EXPECT_EQ(orvik::Application::exec(), 4);
  orvik::Application::reset();
  QTimer::singleShot(10, [] { orvik::Application::terminate(0); });
  EXPECT_EQ(orvik::Application::exec(), 0);
  orvik::Application::reset();
}

TEST(MessageLines, CarriageReturnsBecomeLines) {
  EXPECT_EQ(orvik::messageLines("a\rb\r\nc"), QString("a\nb\nc"));
}

TEST(BorderlessForm, ModalShowingReturnsItsResult) {
  orvik::BorderlessForm form;
  form.setClientSize(200, 100);
  EXPECT_EQ(form.size(), QSize(200, 100));
  EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
  QTimer::singleShot(20, &form, [&] {
    EXPECT_TRUE(form.isShowingModal());
    form.setModalResult(orvik::BorderlessForm::mrOk);
  });
  EXPECT_EQ(form.showModal(), orvik::BorderlessForm::mrOk);
  EXPECT_FALSE(form.isVisible());
  QTimer::singleShot(20, &form, [&] { form.close(); });
  EXPECT_EQ(form.showModal(), orvik::BorderlessForm::mrCancel) << "closing is cancelling";
}

TEST(BorderlessForm, CaptionStripDragsTheWindowWhereTheSystemCannot) {
  orvik::BorderlessForm form;
  form.setClientSize(200, 100);
  form.setCaptionStrip(25, 25);
  form.move(100, 100);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  const QPoint before = form.pos();
  QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(50, 10));
  QMouseEvent move(QEvent::MouseMove, QPointF(80, 30), form.mapToGlobal(QPointF(80, 30)),
                   Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(&form, &move);
  QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(80, 30));
  EXPECT_EQ(form.pos(), before + QPoint(30, 20));
  // Below the strip, or in its left corner, nothing moves.
  const QPoint after = form.pos();
  QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(10, 10));
  QMouseEvent move2(QEvent::MouseMove, QPointF(60, 60), form.mapToGlobal(QPointF(60, 60)),
                    Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(&form, &move2);
  QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(60, 60));
  EXPECT_EQ(form.pos(), after);
}

TEST(BorderlessForm, CentredOnAnotherWindow) {
  orvik::BorderlessForm main, small;
  main.setClientSize(757, 564);
  main.move(10, 20);
  small.setClientSize(225, 112);
  small.centreOn(&main);
  EXPECT_EQ(small.pos(), QPoint(10 + 757 / 2 - 225 / 2, 20 + 564 / 2 - 112 / 2));
}

}  // namespace
