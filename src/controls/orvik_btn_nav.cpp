#include "controls/orvik_btn_nav.h"

#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <exception>

namespace {
constexpr int kFirstRepeatMs = 400;
constexpr int kNextRepeatMs = 100;
}  // namespace

TOrvikBtnNav::TOrvikBtnNav(QWidget* parent) : TOrvikBtn98(parent) {}

void TOrvikBtnNav::mousePressEvent(QMouseEvent* event) {
  QPointer<TOrvikBtnNav> self(this);
  TOrvikBtn98::mousePressEvent(event);
  if (!self || !isEnabled()) return;
  if (!repeatTimer_) {
    repeatTimer_ = new QTimer(this);
    connect(repeatTimer_, &QTimer::timeout, this, &TOrvikBtnNav::repeatTick);
  }
  repeatTimer_->setInterval(kFirstRepeatMs);
  repeatTimer_->start();
}

void TOrvikBtnNav::mouseReleaseEvent(QMouseEvent* event) {
  QPointer<TOrvikBtnNav> self(this);
  TOrvikBtn98::mouseReleaseEvent(event);
  if (self && repeatTimer_) repeatTimer_->stop();
}

void TOrvikBtnNav::changeEvent(QEvent* event) {
  TOrvikBtn98::changeEvent(event);
  // A disabled button gets no release, so its repetition ends here.
  if (event->type() == QEvent::EnabledChange && !isEnabled() && repeatTimer_) repeatTimer_->stop();
}

void TOrvikBtnNav::repeatTick() {
  if (!repeatTimer_) return;
  repeatTimer_->setInterval(kNextRepeatMs);
  if (state() != Pressed || !holdsMouse()) return;
  // The click handlers route their own failures; one that still escapes must not cross the
  // event loop from this timer: the repetition ends here and the failure is logged.
  try {
    emit clicked();
  } catch (const std::exception& e) {
    if (repeatTimer_) repeatTimer_->stop();
    qWarning("TOrvikBtnNav: a repeated click failed: %s", e.what());
  } catch (...) {
    if (repeatTimer_) repeatTimer_->stop();
    qWarning("TOrvikBtnNav: a repeated click failed");
  }
}
