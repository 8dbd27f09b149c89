#include "practice/schedule.h"

#include <QDateTime>
#include <algorithm>

namespace orvik::practice {

namespace {
std::function<qint64()>& clockHook() {
  static std::function<qint64()> hook;
  return hook;
}
}  // namespace

EntryProgress answered(EntryProgress progress, bool right, qint64 now) {
  if (right) {
    progress.box = std::min(progress.box + 1, kBoxes);
    progress.due = now + kIntervalDays[progress.box - 1] * kDayMs;
    ++progress.right;
  } else {
    progress.box = 1;
    progress.due = now;
    ++progress.wrong;
  }
  return progress;
}

qint64 nowMs() {
  if (clockHook()) return clockHook()();
  qint64 now = QDateTime::currentMSecsSinceEpoch();
  bool ok = false;
  const int days = qEnvironmentVariableIntValue("ORVIK_PRACTICE_DAYS_AHEAD", &ok);
  if (ok) now += days * kDayMs;
  return now;
}

void setClockForTests(std::function<qint64()> clock) {
  clockHook() = std::move(clock);
}

}  // namespace orvik::practice
