// Wiring of printing and its message to the main window.

#include "program/wiring.h"

void wirePrint(ProgramParts& parts) {
  // Not wired yet: the main window's role stays empty and does nothing.
  (void)parts;
}
