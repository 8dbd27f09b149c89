// The auto-play panel: the main window's auto-play role.

#include "program/wiring.h"
#include "sound/auto_play_panel.h"

void wireAutoPlay(ProgramParts& parts) {
  parts.autoPlayPanel->setMainWindow(parts.mainWindow);
  parts.handOver.autoPlay = parts.autoPlayPanel;
}
