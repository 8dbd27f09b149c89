#include "browse/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
}

void PictureBox::setPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void PictureBox::clearPicture() {
  picture_ = QImage();
  update();
}

QImage& PictureBox::canvas() {
  if (picture_.isNull()) {
    picture_ = QImage(size(), QImage::Format_RGB32);
    picture_.fill(Qt::white);
  }
  return picture_;
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter p(this);
  // A picture of fewer pixels than the screen shows (a page picture on a HiDPI screen) is
  // scaled smoothly; one pixel to one it is copied as it is.
  p.setRenderHint(QPainter::SmoothPixmapTransform,
                  picture_.devicePixelRatio() != p.device()->devicePixelRatioF());
  p.drawImage(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
}
