// Wiring of the page-list windows and their language chooser to the main window.

#include "program/wiring.h"

void wirePageLists(ProgramParts& parts) {
  // Not wired yet: the main window's role stays empty and does nothing.
  (void)parts;
}
