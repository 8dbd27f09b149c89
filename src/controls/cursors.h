#pragma once
// The program's own four cursors, drawn in code: 10 O_HANDPOINTER (the page picture while the
// mouse is free), 11 O_FOREFINGER (buttons, lists and page rows), 12 O_NAVIGATORL (the next
// and previous page buttons) and 13 O_FIXPAGE (the page picture while the mouse is locked).

#include <QCursor>
#include <QPixmap>

namespace orvik {

inline constexpr int O_HANDPOINTER = 10;
inline constexpr int O_FOREFINGER = 11;
inline constexpr int O_NAVIGATORL = 12;
inline constexpr int O_FIXPAGE = 13;

// The cursor of that number; any other number gives the standard arrow. Its picture is drawn
// at the skin's device pixel ratio (see skin.h).
QCursor orvikCursor(int number);
// The cursor's picture (32 by 32 logical pixels, transparent, drawn at `ratio` and carrying it;
// by default the skin's ratio) and hot spot in logical pixels, for reviews and tests; a null
// pixmap for an unknown number.
QPixmap cursorPixmap(int number, qreal ratio = 0);
QPoint cursorHotSpot(int number);

}  // namespace orvik
