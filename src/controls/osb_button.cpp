#include "controls/osb_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

TOSBButton::TOSBButton(QWidget* parent) : QWidget(parent) {
  resize(20, 20);
}

void TOSBButton::setBtnUp(const QPixmap& picture) {
  up_ = picture;
  const QSize size = picture.deviceIndependentSize().toSize();
  if (size.width() > 0 && size.height() > 0) resize(size);
  update();
}

void TOSBButton::setBtnDown(const QPixmap& picture) {
  down_ = picture;
  update();
}

void TOSBButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPixmap& source = pressed_ ? down_ : up_;
  if (source.isNull()) return;
  // The up picture's logical rectangle shows; the source is given in the picture's own pixels.
  const QPixmap& frame = up_.isNull() ? source : up_;
  const QSizeF logical = frame.deviceIndependentSize();
  p.drawPixmap(QRectF(QPointF(0, 0), logical), source,
               QRectF(QPointF(0, 0), logical * source.devicePixelRatio()));
}

void TOSBButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    leftHeld_ = true;
    pressed_ = true;
    repaint();
  }
  emit mousePressed(event->button(), event->buttons(), event->position().toPoint());
}

void TOSBButton::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event->buttons(), event->position().toPoint());
}

void TOSBButton::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasHeld = leftHeld_;
  if (event->button() == Qt::LeftButton) leftHeld_ = false;
  pressed_ = false;
  repaint();
  QPointer<TOSBButton> self(this);
  if (event->button() == Qt::LeftButton && wasHeld && rect().contains(event->position().toPoint()))
    emit clicked();
  if (self) emit mouseReleased(event->button(), event->buttons(), event->position().toPoint());
}
