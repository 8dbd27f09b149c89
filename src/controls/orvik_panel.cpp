#include "controls/orvik_panel.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// A frame of `width` rings on r, top and left in `topLeft`, bottom and right in
// `bottomRight`; r shrinks by one pixel on each side per ring.
void frame3D(QPainter& p, QRect& r, const QColor& topLeft, const QColor& bottomRight, int width) {
  for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
    p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    r.adjust(1, 1, -1, -1);
  }
}

}  // namespace

TOrvikPanel::TOrvikPanel(QWidget* parent) : QWidget(parent) {
  resize(185, 41);
}

void TOrvikPanel::setPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void TOrvikPanel::setColor(const QColor& color) {
  color_ = color;
  update();
}

void TOrvikPanel::setBevelOuter(Bevel bevel) {
  bevelOuter_ = bevel;
  update();
}

void TOrvikPanel::setBevelInner(Bevel bevel) {
  bevelInner_ = bevel;
  update();
}

void TOrvikPanel::setBevelWidth(int width) {
  bevelWidth_ = std::max(1, width);
  update();
}

void TOrvikPanel::setBorderWidth(int width) {
  borderWidth_ = std::max(0, width);
  update();
}

void TOrvikPanel::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void TOrvikPanel::setAlignment(Qt::Alignment alignment) {
  alignment_ = alignment;
  update();
}

void TOrvikPanel::setFontColor(const QColor& color) {
  fontColor_ = color;
  update();
}

void TOrvikPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect r = rect();
  auto bevel = [&](Bevel b) {
    if (b == bvNone) return;
    if (b == bvRaised)
      frame3D(p, r, highlight_, shadow_, bevelWidth_);
    else
      frame3D(p, r, shadow_, highlight_, bevelWidth_);
  };
  bevel(bevelOuter_);
  frame3D(p, r, color_, color_, borderWidth_);
  bevel(bevelInner_);
  p.fillRect(r, color_);
  if (!picture_.isNull()) p.drawPixmap(r.topLeft(), picture_);
  if (caption_.isEmpty()) return;
  p.setFont(font());
  p.setPen(fontColor_);
  // The caption line is as high as the font's text height (ascent plus descent), the height
  // a "W" measures, not the ink of the letter.
  const int th = QFontMetrics(font()).height();
  const int top = (r.top() + r.bottom() + 1 - th) / 2;
  const QRect textRect(r.left(), top, r.width(), th);
  Qt::Alignment across = alignment_ & Qt::AlignHorizontal_Mask;
  if (!across) across = Qt::AlignHCenter;
  p.drawText(textRect, across | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextExpandTabs,
             caption_);
}
