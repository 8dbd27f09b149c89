#include "controls/orvik_progress_bar.h"

#include <QPainter>

#include "controls/dialog_frame.h"

TOrvikProgressBar::TOrvikProgressBar(QWidget* parent) : QWidget(parent) {
  resize(50, 15);
}

QRect TOrvikProgressBar::squareRect(int k) {
  int x = 12 * k - 10;
  if (x < 0) x = 2;
  return QRect(x, 2, 11, 11);
}

void TOrvikProgressBar::drawSquare(int k) {
  if (!drawn_.contains(k)) drawn_.append(k);
  repaint(squareRect(k));
}

void TOrvikProgressBar::clearSquares() {
  drawn_.clear();
  update();
}

void TOrvikProgressBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width();
  const int h = height();
  p.fillRect(rect(), QColor(230, 222, 191));
  orvik::gdiPolyline(p, QColor(117, 109, 70), {{0, h}, {0, 0}, {w, 0}});
  orvik::gdiPolyline(p, QColor(255, 255, 255), {{w - 1, 1}, {w - 1, h - 1}, {0, h - 1}});
  for (int k : drawn_) p.fillRect(squareRect(k), QColor(181, 171, 132));
}
