#pragma once
// ModalWatch: tells when the program starts showing a modal window (the program's own modal
// dialogs, the print dialog, message boxes) and when the last one is gone, so that windows that
// would stand over a modal window can step out of its way and come back after it.
//
// It promises: modalStarted() comes as the first modal window shows, before the window system
// draws it; modalsEnded() comes once no modal window shows any more, after the events of the
// closing have been handled. Nested modal windows give one pair.

#include <QObject>
#include <QPointer>

class QWidget;

namespace orvik {

class ModalWatch final : public QObject {
  Q_OBJECT

 public:
  // Watches every window of the application while it lives.
  explicit ModalWatch(QObject* parent = nullptr);
  ~ModalWatch() override;

  // Whether a modal window shows now.
  static bool modalShowing();

 signals:
  void modalStarted();
  void modalsEnded();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void recount();

  bool inModal_ = false;
  bool recountPending_ = false;
};

}  // namespace orvik
