#pragma once
// A message drawn with the X server's own means: a plain window in the screen's default visual,
// its text in the server's core font "fixed", black on white. It paints on any colour depth,
// where the toolkit's boxes cannot (on an 8-bit display they come out black). The window is of
// X class "orvik" and closes on a key, a click or the window manager's close.

#include <QString>

namespace orvik {

// Shows the text ("\r" or "\n" marks a line break) under the title and returns when the user
// closed it; false when there is no X display to show it on (nothing was shown).
bool showPlainXMessage(const QString& title, const QString& text);

}  // namespace orvik
