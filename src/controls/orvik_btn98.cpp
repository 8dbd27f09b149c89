#include "controls/orvik_btn98.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include "controls/hint_windows.h"

namespace {
constexpr int kHintDelayMs = 500;
constexpr int kHintLifeMs = 2000;
constexpr int kHintGapPx = 5;
}  // namespace

TOrvikBtn98::TOrvikBtn98(QWidget* parent) : QWidget(parent) {
  resize(20, 20);
  setAttribute(Qt::WA_Hover, false);
  // Only the hint window is created with the button; the hide timer comes with the first hint.
  m_hintWindow = new TOBtnHintWindow(this);
  m_showTimer = new QTimer(this);
  m_showTimer->setSingleShot(true);
  m_showTimer->setInterval(kHintDelayMs);
  connect(m_showTimer, &QTimer::timeout, this, &TOrvikBtn98::showHintNow);
}

TOrvikBtn98::~TOrvikBtn98() = default;

void TOrvikBtn98::setPicture(State which, const QPixmap& picture) {
  m_pictures[which] = picture;
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
  m_pictures[Normal] = pictures.normal;
  m_pictures[Hover] = pictures.up;
  m_pictures[Pressed] = pictures.down;
  m_pictures[Disabled] = pictures.disabled;
  update();
}

void TOrvikBtn98::setHintName(const QString& hint) {
  if (hint == m_hintName) return;
  m_hintName = hint;
  if (m_hintWindow->isVisible()) {
    if (hint.isEmpty()) {
      m_hintWindow->releaseHint();
    } else {
      const QRect r = m_hintWindow->hintRect(hint, m_hintWindow->geometry().topLeft());
      m_hintWindow->activateHint(r, hint);
    }
  }
}

void TOrvikBtn98::setCaption(const QString& caption) {
  if (caption == m_caption) return;
  m_caption = caption;
  update();
}

void TOrvikBtn98::setFontColor(const QColor& color) {
  m_fontColor = color;
  update();
}

void TOrvikBtn98::setState(int state) {
  Q_ASSERT(state >= Normal && state <= Disabled);
  if (state < Normal || state > Disabled) {
    qWarning("TOrvikBtn98::setState: no state %d", state);
    return;
  }
  m_state = state;
}

void TOrvikBtn98::setLatched(bool latched) {
  m_latched = latched;
  m_state = latched ? Pressed : Normal;
  update();
}

void TOrvikBtn98::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // A button given no pictures at all wears the skin's plain plate of its size.
  const bool bare = m_pictures[Normal].isNull() && m_pictures[Hover].isNull() &&
                    m_pictures[Pressed].isNull() && m_pictures[Disabled].isNull();
  orvik::ButtonPictures plate;
  if (bare) plate = orvik::plainButtonPictures(size());
  const QPixmap* pictures[4] = {&m_pictures[Normal], &m_pictures[Hover], &m_pictures[Pressed],
                                &m_pictures[Disabled]};
  if (bare) {
    pictures[Normal] = &plate.normal;
    pictures[Hover] = &plate.up;
    pictures[Pressed] = &plate.down;
    pictures[Disabled] = &plate.disabled;
  }
  const QPixmap& picture = *pictures[m_state];
  if (!picture.isNull()) p.drawPixmap(0, 0, picture);
  if (m_caption.isEmpty()) return;
  // The hover picture's rectangle holds the caption; without one, the whole button does.
  const QPixmap& up = *pictures[Hover];
  const QRect r = up.isNull() ? rect() : QRect(QPoint(0, 0), up.deviceIndependentSize().toSize());
  const int flags = Qt::AlignCenter | Qt::TextSingleLine;
  p.setFont(font());
  if (m_state == Disabled) {
    p.setPen(QColor(255, 255, 255));
    p.drawText(r.translated(1, 1), flags, m_caption);
    p.setPen(QColor(128, 128, 128));
    p.drawText(r, flags, m_caption);
  } else {
    p.setPen(m_fontColor);
    p.drawText(r, flags, m_caption);
  }
}

void TOrvikBtn98::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (m_state == Disabled || m_latched) return;
  enterHover();
  startHint();
}

void TOrvikBtn98::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  cancelHint();
  if (m_state == Disabled || m_latched) return;
  leaveHover();
}

// The two halves of a crossing; each fires its signal only once per crossing.
void TOrvikBtn98::enterHover() {
  if (!m_entered) {
    m_entered = true;
    m_left = false;
    m_state = Hover;
    update();
    emit mouseEntered();
  }
}

void TOrvikBtn98::leaveHover() {
  if (!m_left) {
    m_left = true;
    m_entered = false;
    emit mouseLeft();
  }
  m_state = Normal;
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
  if (m_state == Disabled || m_latched || m_state == Pressed) return;
  if (pointerOver()) {
    enterHover();
  } else if (m_state == Hover || m_entered) {
    cancelHint();
    leaveHover();
  }
}

void TOrvikBtn98::startHint() {
  if (m_hintName.isEmpty()) return;
  m_showTimer->start();
}

void TOrvikBtn98::cancelHint() {
  m_showTimer->stop();
  m_hintWindow->releaseHint();
}

void TOrvikBtn98::showHintNow() {
  m_showTimer->stop();
  if (m_hintName.isEmpty()) return;
  if (!m_hideTimer) {
    m_hideTimer = new QTimer(this);
    connect(m_hideTimer, &QTimer::timeout, this, &TOrvikBtn98::hideHintNow);
  }
  m_hideTimer->setInterval(kHintLifeMs);
  m_hideTimer->start();
  const QPoint topLeft = mapToGlobal(QPoint(0, height() + kHintGapPx));
  m_hintWindow->activateHint(m_hintWindow->hintRect(m_hintName, topLeft), m_hintName);
}

void TOrvikBtn98::hideHintNow() {
  m_hintWindow->releaseHint();
  if (m_hideTimer) m_hideTimer->stop();
}

void TOrvikBtn98::mousePressEvent(QMouseEvent* event) {
  emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
  cancelHint();
  if (m_state == Disabled || !isEnabled()) return;
  if (event->button() == Qt::LeftButton) m_leftHeld = true;
  if (m_allowDown) setLatched(!m_latched);
  // The pressed picture shows during every press, latching or not.
  m_state = Pressed;
  update();
}

void TOrvikBtn98::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
}

void TOrvikBtn98::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasHeld = m_leftHeld;
  if (event->button() == Qt::LeftButton) m_leftHeld = false;
  QPointer<TOrvikBtn98> self(this);
  emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
  if (!self) return;
  if (event->button() == Qt::LeftButton && wasHeld && rect().contains(event->position().toPoint()))
    emit clicked();
  // The click handler may have disabled or even destroyed the button.
  if (!self || m_state == Disabled || !isEnabled()) return;
  if (m_allowDown && m_latched) {
    m_state = Pressed;
    update();
    return;
  }
  // The handler may have run a modal window meanwhile, and the pointer may be elsewhere now
  // without the system reporting a crossing: the hover picture shows only where it is.
  m_state = Hover;
  followPointer();
  update();
}

void TOrvikBtn98::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  cancelHint();
  // A hidden button is under no pointer; shown again, it starts from its normal picture.
  if (m_state != Disabled && !m_latched && !m_leftHeld && m_state != Normal) leaveHover();
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
      if (!m_leftHeld) followPointer();
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
      m_state = isEnabled() ? Normal : Disabled;
      if (!isEnabled()) {
        m_leftHeld = false;
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
