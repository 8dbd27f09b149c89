#include "sound/auto_play_panel.h"

#include "browse/main_window.h"

TfrmTrackAutoPlay::TfrmTrackAutoPlay(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("frmTrackAutoPlay"));
}

void TfrmTrackAutoPlay::stopAutoPlay() {
  if (!mainWindow_ || !mainWindow_->autoPlayRunning()) return;
  mainWindow_->setAutoPlayRunning(false);
  mainWindow_->UnlockCommands();
}

void TfrmTrackAutoPlay::setIdle() {}

void TfrmTrackAutoPlay::showPanel() {
  show();
  raise();
}
