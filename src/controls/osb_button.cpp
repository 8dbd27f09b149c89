#include "controls/osb_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

TOSBButton::TOSBButton(QWidget* parent) : QWidget(parent) {
  resize(20, 20);
}

void TOSBButton::setBtnUp(const QPixmap& picture) {
  m_up = picture;
  const QSize size = picture.deviceIndependentSize().toSize();
  if (size.width() > 0 && size.height() > 0) resize(size);
  update();
}

void TOSBButton::setBtnDown(const QPixmap& picture) {
  m_down = picture;
  update();
}

void TOSBButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPixmap& source = m_pressed ? m_down : m_up;
  if (source.isNull()) return;
  const QRect r(QPoint(0, 0), m_up.isNull() ? source.size() : m_up.size());
  p.drawPixmap(r, source, r);
}

void TOSBButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    m_leftHeld = true;
    m_pressed = true;
    repaint();
  }
  emit mousePressed(event->button(), event->buttons(), event->position().toPoint());
}

void TOSBButton::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event->buttons(), event->position().toPoint());
}

void TOSBButton::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasHeld = m_leftHeld;
  if (event->button() == Qt::LeftButton) m_leftHeld = false;
  m_pressed = false;
  repaint();
  QPointer<TOSBButton> self(this);
  if (event->button() == Qt::LeftButton && wasHeld && rect().contains(event->position().toPoint()))
    emit clicked();
  if (self) emit mouseReleased(event->button(), event->buttons(), event->position().toPoint());
}
