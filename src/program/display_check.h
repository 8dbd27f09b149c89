#pragma once
// The display check run before anything is created: the program needs a work area at least 800
// logical pixels wide (device pixels divided by the screen's device pixel ratio, the units its
// windows are laid out in) at 16 bits per pixel or more.

namespace orvik {
class MessageBoxes;
class ScreenMetrics;

// Returns true when the program may run. Otherwise shows the fitting warning (and writes it to
// standard error, since a screen of too few colours may not show a message box at all), asks
// the program to end with a non-zero status and returns false.
bool displayCheck(const ScreenMetrics& screen, MessageBoxes& messages);

// The display settings changed while the program runs: a colour depth below 16, then a width
// below 800, each show their warning with Abort and Retry. Abort ends the program with a
// non-zero status; Retry runs the display check again. Returns false when the program must end.
bool displayChanged(const ScreenMetrics& screen, MessageBoxes& messages);

}  // namespace orvik
