#pragma once
// The event-pumping delay: lets the application process pending events until the given number of
// milliseconds has passed, so that windows paint and timers run while long work waits. And the
// painting of a message before the work it announces.

class QWidget;

namespace orvik {

// Processes events repeatedly until ms milliseconds have passed; returns at once for ms <= 0.
void Delay(int ms);

// Puts a shown window's picture on the screen now, for a message that long work follows: waits
// (processing events, but no input from the user) until the window system shows the window, at
// most `maxWaitMs`, then paints it at once and hands the picture to the window system. Returns
// whether the window was shown on the screen in time. Nothing for a hidden window.
bool PaintNow(QWidget* window, int maxWaitMs = 1000);
// Puts a repainted part of a shown window on the screen now: paints `widget` at once and hands
// the picture to the window system, which also lets the window answer the window system (it is
// uncovered, say) while the work runs. Input from the user waits.
void FlushPainting(QWidget* widget);

}  // namespace orvik
