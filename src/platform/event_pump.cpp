#include "platform/event_pump.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace orvik {

void Delay(int ms) {
  if (ms <= 0) return;
  // A local loop that a timer ends: events are processed as they come, without spinning.
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

bool PaintNow(QWidget* window, int maxWaitMs) {
  if (!window || !window->isVisible()) return false;
  QWidget* top = window->window();
  // A window the window system has not mapped yet cannot be painted; with a window manager that
  // takes a round trip or two, far more than the millisecond a plain delay gives.
  // Input from the user waits meanwhile: the work has not started, and must not start twice.
  QElapsedTimer waited;
  waited.start();
  QTimer tick;  // wakes the wait when nothing else comes
  tick.start(5);
  const auto exposed = [top] { return top->windowHandle() && top->windowHandle()->isExposed(); };
  while (!exposed() && top->isVisible() && waited.elapsed() < maxWaitMs)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                    QEventLoop::WaitForMoreEvents);
  FlushPainting(top);
  return exposed();
}

void FlushPainting(QWidget* widget) {
  if (!widget || !widget->isVisible()) return;
  widget->repaint();
  // The painted picture is only queued for the window system until the connection is flushed,
  // which happens when events are processed.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace orvik
