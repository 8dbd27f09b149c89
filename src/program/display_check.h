#pragma once
// The display check run before anything is created: the program needs a work area at least 800
// pixels wide at 16 bits per pixel or more.

namespace orvik {
class MessageBoxes;
class ScreenMetrics;

// Returns true when the program may run. Otherwise shows the fitting warning, asks the program to
// end with a non-zero status and returns false.
bool displayCheck(const ScreenMetrics& screen, MessageBoxes& messages);

}  // namespace orvik
