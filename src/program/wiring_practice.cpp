// Practice: the practice panel plays the main window's practice role; it plays entries through
// the program's sound playback and keeps the learner's progress beside the settings file.

#include <QFileInfo>

#include "app/data_module.h"
#include "app/settings_file.h"
#include "browse/main_window.h"
#include "platform/floating_window.h"
#include "practice/practice_panel.h"
#include "practice/progress_store.h"
#include "program/wiring.h"
#include "sound/main_window_sound.h"

void wirePractice(ProgramParts& parts) {
  TfrmPractice* panel = parts.practicePanel;
  panel->setMainWindow(parts.mainWindow);
  orvik::belongTo(panel, parts.mainWindow);  // minimised and restored with it
  panel->setData(parts.data);
  if (parts.sound) panel->setSound(parts.sound->playback());
  if (parts.data) {
    const QString folder = QFileInfo(parts.data->settings().filePath()).absolutePath();
    panel->setStorePath(folder + QLatin1Char('/') +
                        QLatin1String(orvik::practice::ProgressStore::kFileName));
  }
  parts.handOver.practice = panel;
}
