// Wiring of the find windows, their language chooser and message to the main window.

#include "program/wiring.h"

void wireFind(ProgramParts& parts) {
  // Not wired yet: the main window's role stays empty and does nothing.
  (void)parts;
}
