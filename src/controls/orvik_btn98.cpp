#include "controls/orvik_btn98.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include "controls/accessibility.h"
#include "controls/hint_windows.h"

namespace {
constexpr int kHintDelayMs = 500;
constexpr int kHintLifeMs = 2000;
constexpr int kHintGapPx = 5;
}  // namespace

TOrvikBtn98::TOrvikBtn98(QWidget* parent) : QWidget(parent) {
  resize(20, 20);
  setAttribute(Qt::WA_Hover, false);
  // Reachable from the keyboard, but a click must not take the focus from an entry pane, which
  // the pane commands act on.
  setFocusPolicy(Qt::TabFocus);
  // Only the hint window is created with the button; the hide timer comes with the first hint.
  hintWindow_ = new TOBtnHintWindow(this);
  showTimer_ = new QTimer(this);
  showTimer_->setSingleShot(true);
  showTimer_->setInterval(kHintDelayMs);
  connect(showTimer_, &QTimer::timeout, this, &TOrvikBtn98::showHintNow);
}

TOrvikBtn98::~TOrvikBtn98() = default;

void TOrvikBtn98::setPicture(State which, const QPixmap& picture) {
  pictures_[which] = picture;
  update();
}

void TOrvikBtn98::setBtnNormal(const QPixmap& picture) {
  setPicture(Normal, picture);
}
void TOrvikBtn98::setBtnUp(const QPixmap& picture) {
  setPicture(Hover, picture);
}
void TOrvikBtn98::setBtnDown(const QPixmap& picture) {
  setPicture(Pressed, picture);
}
void TOrvikBtn98::setBtnDeasble(const QPixmap& picture) {
  setPicture(Disabled, picture);
}

void TOrvikBtn98::setPictures(const orvik::ButtonPictures& pictures) {
  pictures_[Normal] = pictures.normal;
  pictures_[Hover] = pictures.up;
  pictures_[Pressed] = pictures.down;
  pictures_[Disabled] = pictures.disabled;
  update();
}

void TOrvikBtn98::setHintName(const QString& hint) {
  if (hint == hintName_) return;
  hintName_ = hint;
  orvik::notifyNameChanged(this);
  if (hintWindow_->isVisible()) {
    if (hint.isEmpty()) {
      hintWindow_->releaseHint();
    } else {
      const QRect r = hintWindow_->hintRect(hint, hintWindow_->geometry().topLeft());
      hintWindow_->activateHint(r, hint);
    }
  }
}

void TOrvikBtn98::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  if (hintName_.isEmpty()) orvik::notifyNameChanged(this);
  update();
}

void TOrvikBtn98::setFontColor(const QColor& color) {
  fontColor_ = color;
  update();
}

void TOrvikBtn98::setState(int state) {
  Q_ASSERT(state >= Normal && state <= Disabled);
  if (state < Normal || state > Disabled) {
    qWarning("TOrvikBtn98::setState: no state %d", state);
    return;
  }
  state_ = state;
}

void TOrvikBtn98::setLatched(bool latched) {
  latched_ = latched;
  state_ = latched ? Pressed : Normal;
  update();
}

void TOrvikBtn98::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // A button given no pictures at all wears the skin's plain plate of its size.
  const bool bare = pictures_[Normal].isNull() && pictures_[Hover].isNull() &&
                    pictures_[Pressed].isNull() && pictures_[Disabled].isNull();
  orvik::ButtonPictures plate;
  if (bare) plate = orvik::plainButtonPictures(size(), devicePixelRatioF());
  const QPixmap* pictures[4] = {&pictures_[Normal], &pictures_[Hover], &pictures_[Pressed],
                                &pictures_[Disabled]};
  if (bare) {
    pictures[Normal] = &plate.normal;
    pictures[Hover] = &plate.up;
    pictures[Pressed] = &plate.down;
    pictures[Disabled] = &plate.disabled;
  }
  const QPixmap& picture = *pictures[state_];
  if (!picture.isNull()) p.drawPixmap(0, 0, picture);
  if (caption_.isEmpty()) return;
  // The hover picture's rectangle holds the caption; without one, the whole button does.
  const QPixmap& up = *pictures[Hover];
  const QRect r = up.isNull() ? rect() : QRect(QPoint(0, 0), up.deviceIndependentSize().toSize());
  const int flags = Qt::AlignCenter | Qt::TextSingleLine;
  p.setFont(font());
  if (state_ == Disabled) {
    p.setPen(QColor(255, 255, 255));
    p.drawText(r.translated(1, 1), flags, caption_);
    p.setPen(QColor(128, 128, 128));
    p.drawText(r, flags, caption_);
  } else {
    p.setPen(fontColor_);
    p.drawText(r, flags, caption_);
  }
}

void TOrvikBtn98::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (state_ == Disabled || latched_) return;
  enterHover();
  startHint();
}

void TOrvikBtn98::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  cancelHint();
  if (state_ == Disabled || latched_) return;
  leaveHover();
}

// The two halves of a crossing; each fires its signal only once per crossing.
void TOrvikBtn98::enterHover() {
  if (!entered_) {
    entered_ = true;
    left_ = false;
    state_ = Hover;
    update();
    emit mouseEntered();
  }
}

void TOrvikBtn98::leaveHover() {
  if (!left_) {
    left_ = true;
    entered_ = false;
    emit mouseLeft();
  }
  state_ = Normal;
  update();
}

bool TOrvikBtn98::pointerOver() const {
  if (!isVisible() || !isEnabled()) return false;
  const QPoint global = QCursor::pos();
  if (!rect().contains(mapFromGlobal(global))) return false;
  // A modal window blocks every window that is not itself or one of its own.
  if (const QWidget* modal = QApplication::activeModalWidget()) {
    const QWidget* w = window();
    while (w && w != modal) w = w->parentWidget() ? w->parentWidget()->window() : nullptr;
    if (!w) return false;
  }
  // Another window (a dialog, a pop-up) over the button hides it from the pointer.
  const QWidget* under = QApplication::widgetAt(global);
  return under == this || isAncestorOf(under);
}

void TOrvikBtn98::followPointer() {
  if (state_ == Disabled || latched_ || state_ == Pressed) return;
  if (pointerOver()) {
    enterHover();
  } else if (state_ == Hover || entered_) {
    cancelHint();
    leaveHover();
  }
}

void TOrvikBtn98::startHint() {
  if (hintName_.isEmpty()) return;
  showTimer_->start();
}

void TOrvikBtn98::cancelHint() {
  showTimer_->stop();
  hintWindow_->releaseHint();
}

void TOrvikBtn98::showHintNow() {
  showTimer_->stop();
  if (hintName_.isEmpty()) return;
  if (!hideTimer_) {
    hideTimer_ = new QTimer(this);
    connect(hideTimer_, &QTimer::timeout, this, &TOrvikBtn98::hideHintNow);
  }
  hideTimer_->setInterval(kHintLifeMs);
  hideTimer_->start();
  const QPoint topLeft = mapToGlobal(QPoint(0, height() + kHintGapPx));
  hintWindow_->activateHint(hintWindow_->hintRect(hintName_, topLeft), hintName_);
}

void TOrvikBtn98::hideHintNow() {
  hintWindow_->releaseHint();
  if (hideTimer_) hideTimer_->stop();
}

void TOrvikBtn98::mousePressEvent(QMouseEvent* event) {
  emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
  cancelHint();
  if (state_ == Disabled || !isEnabled()) return;
  if (event->button() == Qt::LeftButton) leftHeld_ = true;
  if (allowDown_) setLatched(!latched_);
  // The pressed picture shows during every press, latching or not.
  state_ = Pressed;
  update();
}

void TOrvikBtn98::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
}

void TOrvikBtn98::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasHeld = leftHeld_;
  if (event->button() == Qt::LeftButton) leftHeld_ = false;
  QPointer<TOrvikBtn98> self(this);
  emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
  if (!self) return;
  if (event->button() == Qt::LeftButton && wasHeld && rect().contains(event->position().toPoint()))
    emit clicked();
  // The click handler may have disabled or even destroyed the button.
  if (!self || state_ == Disabled || !isEnabled()) return;
  if (allowDown_ && latched_) {
    state_ = Pressed;
    update();
    return;
  }
  // The handler may have run a modal window meanwhile, and the pointer may be elsewhere now
  // without the system reporting a crossing: the hover picture shows only where it is.
  state_ = Hover;
  followPointer();
  update();
}

void TOrvikBtn98::click() {
  if (state_ == Disabled || !isEnabled()) return;
  QPointer<TOrvikBtn98> self(this);
  if (allowDown_) setLatched(!latched_);
  emit clicked();
  if (self && !allowDown_) followPointer();
}

void TOrvikBtn98::keyPressEvent(QKeyEvent* event) {
  const bool activates = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                         event->key() == Qt::Key_Enter;
  if (activates && !event->isAutoRepeat() &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    event->accept();
    click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TOrvikBtn98::focusInEvent(QFocusEvent* event) {
  // A window being activated gives its first button the focus when no control had it; the
  // button gives it back, so the keys go on reaching the window as before.
  if (event->reason() == Qt::ActiveWindowFocusReason && !focusChosen_) {
    clearFocus();
    return;
  }
  focusChosen_ = true;
  QWidget::focusInEvent(event);
}

void TOrvikBtn98::focusOutEvent(QFocusEvent* event) {
  // Leaving the window keeps the choice, for the focus to come back here.
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
    focusChosen_ = false;
  QWidget::focusOutEvent(event);
}

void TOrvikBtn98::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  cancelHint();
  // A hidden button is under no pointer; shown again, it starts from its normal picture.
  if (state_ != Disabled && !latched_ && !leftHeld_ && state_ != Normal) leaveHover();
}

void TOrvikBtn98::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) followPointer();
}

bool TOrvikBtn98::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  switch (event->type()) {
    // A window that comes up over the button or goes away reactivates windows without any
    // crossing being reported: look where the pointer is.
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
      if (!leftHeld_) followPointer();
      break;
    default:
      break;
  }
  return handled;
}

void TOrvikBtn98::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  switch (event->type()) {
    case QEvent::EnabledChange:
      state_ = isEnabled() ? Normal : Disabled;
      if (!isEnabled()) {
        leftHeld_ = false;
        cancelHint();
      }
      update();
      break;
    case QEvent::FontChange:
      update();
      break;
    default:
      break;
  }
}
