#include "platform/modal_watch.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace orvik {

namespace {

bool isModalWindow(const QWidget* w) {
  return w && w->isWindow() && w->windowModality() != Qt::NonModal;
}

}  // namespace

ModalWatch::ModalWatch(QObject* parent) : QObject(parent) {
  qApp->installEventFilter(this);
  inModal_ = modalShowing();
}

ModalWatch::~ModalWatch() {
  if (qApp) qApp->removeEventFilter(this);
}

bool ModalWatch::modalShowing() {
  const QList<QWidget*> windows = QApplication::topLevelWidgets();
  return std::any_of(windows.begin(), windows.end(),
                     [](const QWidget* w) { return w->isVisible() && isModalWindow(w); });
}

bool ModalWatch::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWidgetType()) {
    auto* w = static_cast<QWidget*>(watched);
    if (type == QEvent::Show && isModalWindow(w)) {
      // At once, so that what steps aside is gone before the modal window is drawn.
      if (!inModal_) {
        inModal_ = true;
        emit modalStarted();
      }
    } else if (type == QEvent::Hide && inModal_ && w->isWindow() && !recountPending_) {
      // The window that hides may still count as shown, and a modal loop lowers the window's
      // modality only after hiding it: count once the closing is done.
      recountPending_ = true;
      QTimer::singleShot(0, this, &ModalWatch::recount);
    }
  }
  return QObject::eventFilter(watched, event);
}

void ModalWatch::recount() {
  recountPending_ = false;
  if (inModal_ && !modalShowing()) {
    inModal_ = false;
    emit modalsEnded();
  }
}

}  // namespace orvik
