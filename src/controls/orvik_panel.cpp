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
  m_picture = picture;
  update();
}

void TOrvikPanel::setColor(const QColor& color) {
  m_color = color;
  update();
}

void TOrvikPanel::setBevelOuter(Bevel bevel) {
  m_bevelOuter = bevel;
  update();
}

void TOrvikPanel::setBevelInner(Bevel bevel) {
  m_bevelInner = bevel;
  update();
}

void TOrvikPanel::setBevelWidth(int width) {
  m_bevelWidth = std::max(1, width);
  update();
}

void TOrvikPanel::setBorderWidth(int width) {
  m_borderWidth = std::max(0, width);
  update();
}

void TOrvikPanel::setCaption(const QString& caption) {
  m_caption = caption;
  update();
}

void TOrvikPanel::setAlignment(Qt::Alignment alignment) {
  m_alignment = alignment;
  update();
}

void TOrvikPanel::setFontColor(const QColor& color) {
  m_fontColor = color;
  update();
}

void TOrvikPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect r = rect();
  auto bevel = [&](Bevel b) {
    if (b == bvNone) return;
    if (b == bvRaised)
      frame3D(p, r, m_highlight, m_shadow, m_bevelWidth);
    else
      frame3D(p, r, m_shadow, m_highlight, m_bevelWidth);
  };
  bevel(m_bevelOuter);
  frame3D(p, r, m_color, m_color, m_borderWidth);
  bevel(m_bevelInner);
  p.fillRect(r, m_color);
  if (!m_picture.isNull()) p.drawPixmap(r.topLeft(), m_picture);
  if (m_caption.isEmpty()) return;
  p.setFont(font());
  p.setPen(m_fontColor);
  // The caption line is as high as the font's text height (ascent plus descent), the height
  // a "W" measures, not the ink of the letter.
  const int th = QFontMetrics(font()).height();
  const int top = (r.top() + r.bottom() + 1 - th) / 2;
  const QRect textRect(r.left(), top, r.width(), th);
  Qt::Alignment across = m_alignment & Qt::AlignHorizontal_Mask;
  if (!across) across = Qt::AlignHCenter;
  p.drawText(textRect, across | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextExpandTabs,
             m_caption);
}
