#include "sound/auto_play_panel.h"

TfrmTrackAutoPlay::TfrmTrackAutoPlay(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("frmTrackAutoPlay"));
}
