#include "platform/event_pump.h"

#include <QEventLoop>
#include <QTimer>

namespace orvik {

void Delay(int ms) {
  if (ms <= 0) return;
  // A local loop that a timer ends: events are processed as they come, without spinning.
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace orvik
