#pragma once
// The auto-play panel.
// These windows are created once at start and hidden; their behaviour is built in later work.

#include "platform/borderless_form.h"

class TfrmTrackAutoPlay : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  explicit TfrmTrackAutoPlay(QWidget* parent = nullptr);
};
