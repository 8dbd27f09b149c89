#pragma once
// The splash window: the picture of "fsls.ori", borderless, centred on the screen and above the
// other windows, closed by its timer or, without one, by the first key or mouse press anywhere.
// At most one exists at a time.

#include <QLabel>
#include <QTimer>

#include "platform/borderless_form.h"

namespace orvik {
class MessageBoxes;
}

class TSplashForm : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  // Shows the splash from the folder's "fsls.ori" for durationMs (<= 0: until a key or mouse
  // press). Returns true when a splash was already showing, false when it showed one. A missing
  // or unreadable picture shows "Could not open file fsls.ori" and asks the program to end.
  static bool showSplash(int durationMs, const QString& folder, orvik::MessageBoxes* messages);
  // The splash showing now, or null.
  static TSplashForm* current();
  ~TSplashForm() override;

  QLabel* SplashImage;
  QTimer* SplashTimer;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TSplashForm();
  void SplashTimerTimer();
  void finish();
};
