#include "controls/hint_windows.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "controls/dialog_frame.h"

TOBtnHintWindow::TOBtnHintWindow(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  QFont f(QStringLiteral("Arial"));
  f.setPointSize(8);
  setFont(f);
}

void TOBtnHintWindow::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
}

void TOBtnHintWindow::setShadowColor(const QColor& color) {
  shadowColor_ = color;
  update();
}

QRect TOBtnHintWindow::hintRect(const QString& text, const QPoint& topLeft) const {
  int screenWidth = 800;
  if (const QScreen* s = QGuiApplication::primaryScreen()) screenWidth = s->geometry().width();
  // The extent of the text as the system measures it for a calculated rectangle: line breaks
  // count, long lines are not wrapped.
  const QRect extent =
      QFontMetrics(font()).boundingRect(QRect(0, 0, screenWidth, 0), Qt::AlignLeft, text);
  return QRect(topLeft, QSize(extent.width() + 8, extent.height() + 4));
}

void TOBtnHintWindow::activateHint(const QRect& rect, const QString& text) {
  setText(text);
  setGeometry(rect);
  show();
  update();
}

void TOBtnHintWindow::releaseHint() {
  hide();
}

void TOBtnHintWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width();
  const int h = height();
  using orvik::gdiPolyline;
  p.fillRect(rect(), QColor(252, 245, 181));
  const QColor white(255, 255, 255);
  gdiPolyline(p, white, {{0, h - 1}, {0, 0}, {w - 1, 0}});
  gdiPolyline(p, white, {{w - 2, 1}, {1, 1}, {1, h - 2}});
  gdiPolyline(p, shadowColor_, {{w - 1, 0}, {w - 1, h}});
  gdiPolyline(p, shadowColor_, {{w - 2, 1}, {w - 2, h}});
  gdiPolyline(p, shadowColor_, {{w - 3, 2}, {w - 3, h}});
  const QColor bottom(151, 137, 96);
  gdiPolyline(p, bottom, {{0, h - 1}, {w, h - 1}});
  gdiPolyline(p, bottom, {{1, h - 2}, {w, h - 2}});
  gdiPolyline(p, bottom, {{2, h - 3}, {w, h - 3}});
  p.setPen(Qt::black);
  p.setFont(font());
  p.drawText(QRect(4, 1, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, text_);
}
