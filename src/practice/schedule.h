#pragma once
// The schedule of spaced repetition: Leitner boxes. An entry answered right moves up one box and
// comes due again after its box's interval (1, 2, 4, 8 or 16 days); answered wrong it drops to
// box 1 and is due at once. An entry in box 3 or higher counts as known (learnt): it was right
// at least three times in a row.
//
// The practice clock is the system clock unless a test moves it: a hook set by tests, or the
// environment variable ORVIK_PRACTICE_DAYS_AHEAD (whole days added, for trying "words due" by
// hand).

#include <QtGlobal>
#include <functional>

#include "practice/progress_store.h"

namespace orvik::practice {

constexpr int kBoxes = 5;
constexpr int kIntervalDays[kBoxes] = {1, 2, 4, 8, 16};
constexpr int kKnownBox = 3;
constexpr qint64 kDayMs = 24LL * 60 * 60 * 1000;

// The schedule after a first answer at `nowMs`.
EntryProgress answered(EntryProgress progress, bool right, qint64 nowMs);
inline bool isDue(const EntryProgress& progress, qint64 nowMs) {
  return progress.box > 0 && progress.due <= nowMs;
}
inline bool isKnown(const EntryProgress& progress) {
  return progress.box >= kKnownBox;
}

// Milliseconds since the epoch on the practice clock.
qint64 nowMs();
// Tests only: replaces the clock (an empty function puts the system clock back).
void setClockForTests(std::function<qint64()> clock);

}  // namespace orvik::practice
