// The auto-play panel: the main window's auto-play role and the follower of every entry sound;
// it reads the auto-play settings from the settings dialog and follows the current entry.

#include "browse/main_window.h"
#include "platform/floating_window.h"
#include "program/wiring.h"
#include "sound/auto_play_panel.h"
#include "sound/main_window_sound.h"
#include "sound/sound_playback.h"

void wireAutoPlay(ProgramParts& parts) {
  TfrmTrackAutoPlay* panel = parts.autoPlayPanel;
  panel->setMainWindow(parts.mainWindow);
  orvik::belongTo(panel, parts.mainWindow);  // minimised and restored with it
  if (parts.sound) {
    panel->setSound(parts.sound);
    parts.sound->playback()->setFollower(panel);
  }
  QObject::connect(parts.mainWindow, &TForm1::currentEntryChanged, panel,
                   &TfrmTrackAutoPlay::followCurrentEntry);
  QObject::connect(parts.mainWindow, &TForm1::pageViewLeft, panel,
                   &TfrmTrackAutoPlay::pageViewLeft);
  QObject::connect(parts.mainWindow, &TForm1::pageViewEntered, panel,
                   &TfrmTrackAutoPlay::pageViewEntered);
  parts.handOver.autoPlay = panel;
}
