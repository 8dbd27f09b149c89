// The main window's operations that exist for the auto-play panel.

#include "browse/main_window.h"

void TForm1::setEntrySelected(bool selected) {
  entrySelected_ = selected;
}
