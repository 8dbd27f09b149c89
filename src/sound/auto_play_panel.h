#pragma once
// TfrmTrackAutoPlay, the auto-play panel: plays the entries of the page on screen one after
// another in the auto-play language, and follows every entry sound of the program. It plays the
// main window's auto-play role: stopping, going idle, showing itself.

#include "browse/hand_over.h"
#include "platform/borderless_form.h"

class TForm1;

class TfrmTrackAutoPlay : public orvik::BorderlessForm, public AutoPlayRole {
  Q_OBJECT

 public:
  explicit TfrmTrackAutoPlay(QWidget* parent = nullptr);

  // The main window it plays for (its auto-play-running flag and commands).
  void setMainWindow(TForm1* mainWindow) { mainWindow_ = mainWindow; }

  void stopAutoPlay() override;
  void setIdle() override;
  void showPanel() override;

 private:
  TForm1* mainWindow_ = nullptr;
};
