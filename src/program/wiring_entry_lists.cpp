// Wiring of the page entry-list windows to the main window.

#include "program/wiring.h"

void wireEntryLists(ProgramParts& parts) {
  // Not wired yet: the main window's role stays empty and does nothing.
  (void)parts;
}
