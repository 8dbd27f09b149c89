// Wiring of the find windows, their language chooser and message to the main window.

#include "browse/main_window.h"
#include "program/wiring.h"
#include "search/find_windows.h"

void wireFind(ProgramParts& parts) {
  auto* find = parts.own<FindWindows>(parts.data, parts.mainWindow, parts.findWindows,
                                      parts.findChooser, parts.findMessage);
  parts.handOver.find = find;
  // The chooser closes when the pointer moves over the main window, away from it.
  QObject::connect(parts.mainWindow, &TForm1::pointerMovedOverWindow, parts.findChooser,
                   &QWidget::hide);
}
