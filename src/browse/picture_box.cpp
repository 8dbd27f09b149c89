#include "browse/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
}

void PictureBox::setPicture(const QImage& picture) {
  m_picture = picture;
  update();
}

void PictureBox::clearPicture() {
  m_picture = QImage();
  update();
}

QImage& PictureBox::canvas() {
  if (m_picture.isNull()) {
    m_picture = QImage(size(), QImage::Format_RGB32);
    m_picture.fill(Qt::white);
  }
  return m_picture;
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (m_picture.isNull()) return;
  QPainter p(this);
  p.drawImage(0, 0, m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  emit mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
}
