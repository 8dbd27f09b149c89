#pragma once
// The event-pumping delay: lets the application process pending events until the given number of
// milliseconds has passed, so that windows paint and timers run while long work waits.

namespace orvik {

// Processes events repeatedly until ms milliseconds have passed; returns at once for ms <= 0.
void Delay(int ms);

}  // namespace orvik
