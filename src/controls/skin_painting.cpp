#include "controls/skin_painting.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace orvik::skin {

namespace {

QColor withAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

// Signs are designed on a 12 by 12 grid and scaled into their box.
struct Grid {
  QPainter& p;
  QRectF box;
  QColor color;
  QColor face;
  double k() const { return box.width() / 12.0; }
  QPointF pt(double x, double y) const { return {box.left() + x * k(), box.top() + y * k()}; }
  QRectF rc(double x, double y, double w, double h) const {
    return {pt(x, y), QSizeF(w * k(), h * k())};
  }
  void fillRect(double x, double y, double w, double h) const { p.fillRect(rc(x, y, w, h), color); }
  void polygon(std::initializer_list<QPointF> points) const {
    QPolygonF poly;
    for (const QPointF& q : points) poly << pt(q.x(), q.y());
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(poly);
  }
  void line(double x1, double y1, double x2, double y2, double width) const {
    p.setPen(QPen(color, std::max(1.0, width * k()), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(pt(x1, y1), pt(x2, y2));
  }
  void outline(double x, double y, double w, double h, double width) const {
    const double pw = std::max(1.0, width * k());
    p.setPen(QPen(color, pw, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rc(x, y, w, h).adjusted(pw / 2, pw / 2, -pw / 2, -pw / 2));
  }
};

void triangle(const Grid& g, double tipX, double baseX, double cy, double half) {
  g.polygon({{baseX, cy - half}, {baseX, cy + half}, {tipX, cy}});
}

}  // namespace

PlateStyle plateStyle(int state) {
  switch (state) {
    case kHover:
      return {QColor(150, 112, 44),
              QColor(255, 252, 236),
              QColor(241, 226, 176),
              QColor(255, 255, 248),
              QColor(203, 178, 120),
              QColor(128, 40, 16),
              false};
    case kPressed:
      return {QColor(112, 100, 68),
              QColor(208, 196, 158),
              QColor(230, 220, 186),
              QColor(178, 166, 128),
              QColor(238, 230, 201),
              QColor(92, 74, 24),
              true};
    case kDisabled:
      return {QColor(196, 188, 160),
              QColor(240, 235, 216),
              QColor(232, 225, 202),
              QColor(248, 245, 232),
              QColor(214, 207, 182),
              QColor(170, 161, 134),
              false};
    case kNormal:
    default:
      return {QColor(142, 132, 100),
              QColor(250, 246, 229),
              QColor(225, 214, 177),
              QColor(255, 253, 242),
              QColor(182, 170, 134),
              QColor(110, 92, 34),
              false};
  }
}

QSize devicePixels(QSize size, qreal ratio) {
  return {qRound(size.width() * ratio), qRound(size.height() * ratio)};
}

QImage newImage(QSize size, qreal ratio) {
  QImage image(devicePixels(size, ratio), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  return image;
}

void drawPlate(QPainter& p, QSize size, const PlateStyle& s) {
  const int w = size.width();
  const int h = size.height();
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  QLinearGradient face(0, 1, 0, h - 1);
  face.setColorAt(0, s.top);
  face.setColorAt(1, s.bottom);
  p.fillRect(1, 1, w - 2, h - 2, face);
  // Outline with softened corners.
  p.fillRect(1, 0, w - 2, 1, s.border);
  p.fillRect(1, h - 1, w - 2, 1, s.border);
  p.fillRect(0, 1, 1, h - 2, s.border);
  p.fillRect(w - 1, 1, 1, h - 2, s.border);
  const QColor corner = withAlpha(s.border, 80);
  for (QPoint c : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
    p.fillRect(c.x(), c.y(), 1, 1, corner);
  const QColor inner = withAlpha(s.border, 110);
  for (QPoint c : {QPoint(1, 1), QPoint(w - 2, 1), QPoint(1, h - 2), QPoint(w - 2, h - 2)})
    p.fillRect(c.x(), c.y(), 1, 1, inner);
  if (s.sunk) {
    // Pressed: a shadow along the top and left, no highlight.
    p.fillRect(2, 1, w - 4, 1, s.light);
    p.fillRect(1, 2, 1, h - 4, s.light);
    p.fillRect(2, 2, w - 4, 1, withAlpha(s.light, 90));
  } else {
    p.fillRect(2, 1, w - 4, 1, s.light);
    p.fillRect(1, 2, 1, h - 4, withAlpha(s.light, 200));
    p.fillRect(2, h - 2, w - 4, 1, s.dark);
    p.fillRect(w - 2, 2, 1, h - 4, withAlpha(s.dark, 200));
  }
  p.restore();
}

int glyphSide(QSize size) {
  const int m = std::min(size.width(), size.height());
  if (m <= 16) return std::max(5, m - 6);
  return std::max(5, static_cast<int>(std::lround(m * 0.62)));
}

void paintGlyph(QPainter& p, ButtonGlyph glyph, const QRectF& box, const QColor& color,
                const QColor& face) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const Grid g{p, box, color, face};
  switch (glyph) {
    case ButtonGlyph::None:
      break;
    case ButtonGlyph::Close:
      g.line(2.2, 2.2, 9.8, 9.8, 2.0);
      g.line(9.8, 2.2, 2.2, 9.8, 2.0);
      break;
    case ButtonGlyph::Minimize:
      g.fillRect(2, 8.4, 8, 2.2);
      break;
    case ButtonGlyph::Maximize:
      g.outline(1.5, 1.5, 9, 9, 1.3);
      g.fillRect(1.5, 1.5, 9, 2.4);
      break;
    case ButtonGlyph::Restore: {
      p.save();
      QPainterPath clip;
      clip.addRect(box.adjusted(-2, -2, 2, 2));
      QPainterPath front;
      front.addRect(g.rc(1, 4.5, 7, 7));
      p.setClipPath(clip.subtracted(front));
      g.outline(4, 1, 7, 7, 1.2);
      g.fillRect(4, 1, 7, 2);
      p.restore();
      g.outline(1, 4.5, 7, 7, 1.2);
      g.fillRect(1, 4.5, 7, 2);
      break;
    }
    case ButtonGlyph::PrevPage:
      g.polygon(
          {{0.8, 6}, {5.4, 1.4}, {5.4, 4.2}, {11.2, 4.2}, {11.2, 7.8}, {5.4, 7.8}, {5.4, 10.6}});
      break;
    case ButtonGlyph::NextPage:
      g.polygon(
          {{11.2, 6}, {6.6, 1.4}, {6.6, 4.2}, {0.8, 4.2}, {0.8, 7.8}, {6.6, 7.8}, {6.6, 10.6}});
      break;
    case ButtonGlyph::PrevEntry:
      triangle(g, 2.5, 8.5, 6, 4);
      g.fillRect(8.5, 2, 1.6, 8);
      break;
    case ButtonGlyph::NextEntry:
      triangle(g, 9.5, 3.5, 6, 4);
      g.fillRect(1.9, 2, 1.6, 8);
      break;
    case ButtonGlyph::First:
      g.fillRect(2, 2, 1.8, 8);
      triangle(g, 4, 10, 6, 4);
      break;
    case ButtonGlyph::Last:
      g.fillRect(8.2, 2, 1.8, 8);
      triangle(g, 8, 2, 6, 4);
      break;
    case ButtonGlyph::Rewind:
      triangle(g, 0.8, 6, 6, 4);
      triangle(g, 6, 11.2, 6, 4);
      break;
    case ButtonGlyph::Forward:
      triangle(g, 11.2, 6, 6, 4);
      triangle(g, 6, 0.8, 6, 4);
      break;
    case ButtonGlyph::Play:
      triangle(g, 10, 3, 6, 4.6);
      break;
    case ButtonGlyph::Pause:
      g.fillRect(2.6, 2, 2.4, 8);
      g.fillRect(7, 2, 2.4, 8);
      break;
    case ButtonGlyph::Stop:
      g.fillRect(2.4, 2.4, 7.2, 7.2);
      break;
    case ButtonGlyph::Sound: {
      g.fillRect(0.8, 4.4, 2.6, 3.2);
      g.polygon({{3.2, 4.4}, {6.6, 1.4}, {6.6, 10.6}, {3.2, 7.6}});
      p.setPen(QPen(color, std::max(1.0, 1.1 * g.k()), Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      for (double r : {2.2, 4.2}) {
        const QRectF arc(g.pt(7.0 - r, 6 - r), QSizeF(2 * r * g.k(), 2 * r * g.k()));
        p.drawArc(arc, -50 * 16, 100 * 16);
      }
      break;
    }
    case ButtonGlyph::List:
      for (double y : {2.2, 5.2, 8.2}) {
        g.fillRect(1, y, 2, 2);
        g.fillRect(4.2, y + 0.3, 6.8, 1.4);
      }
      break;
    case ButtonGlyph::Print:
      g.outline(3, 1, 6, 3.6, 1.1);
      g.fillRect(1, 4.4, 10, 4.4);
      p.fillRect(g.rc(3, 7.2, 6, 4), face);
      g.outline(3, 7.2, 6, 4, 1.1);
      g.fillRect(4.2, 9, 3.6, 0.9);
      break;
    case ButtonGlyph::Lock: {
      p.setPen(QPen(color, std::max(1.0, 1.5 * g.k())));
      p.setBrush(Qt::NoBrush);
      QPainterPath shackle;
      shackle.moveTo(g.pt(3.6, 6));
      shackle.lineTo(g.pt(3.6, 4));
      shackle.arcTo(QRectF(g.pt(3.6, 1.2), QSizeF(4.8 * g.k(), 5 * g.k())), 180, -180);
      shackle.lineTo(g.pt(8.4, 6));
      p.drawPath(shackle);
      g.fillRect(2, 5.6, 8, 5.6);
      p.setPen(Qt::NoPen);
      p.setBrush(face);
      p.drawEllipse(g.pt(6, 7.8), 0.9 * g.k(), 0.9 * g.k());
      p.fillRect(g.rc(5.6, 8.2, 0.8, 1.8), face);
      break;
    }
    case ButtonGlyph::Find:
      p.setPen(QPen(color, std::max(1.0, 1.5 * g.k())));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(g.pt(4.8, 4.8), 3.2 * g.k(), 3.2 * g.k());
      g.line(7.3, 7.3, 10.6, 10.6, 2.2);
      break;
    case ButtonGlyph::PageList:
      g.outline(2, 0.8, 8, 10.4, 1.1);
      for (double y : {3.2, 5.4, 7.6}) g.fillRect(3.6, y, 4.8, 1);
      break;
    case ButtonGlyph::Settings:
      for (auto [y, knob] : {std::pair{2.6, 4.0}, std::pair{6.0, 8.0}, std::pair{9.4, 5.4}}) {
        g.fillRect(1, y - 0.5, 10, 1);
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(g.pt(knob, y), 1.5 * g.k(), 1.5 * g.k());
      }
      break;
    case ButtonGlyph::Help: {
      QFont f(QStringLiteral("Times New Roman"));
      f.setBold(true);
      f.setPixelSize(std::max(6, static_cast<int>(std::lround(box.height() * 1.05))));
      p.setFont(f);
      p.setPen(color);
      p.drawText(box.adjusted(-2, -2, 2, 2), Qt::AlignCenter, QStringLiteral("?"));
      break;
    }
    case ButtonGlyph::Back:
      p.setPen(QPen(color, std::max(1.0, 1.6 * g.k()), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
      p.setBrush(Qt::NoBrush);
      p.drawPolyline(QPolygonF{g.pt(10, 1.8), g.pt(10, 7.2), g.pt(4.4, 7.2)});
      triangle(g, 0.8, 4.8, 7.2, 3.4);
      break;
    case ButtonGlyph::Exit:
      g.outline(1, 1, 6, 10, 1.2);
      g.line(4.4, 6, 8.8, 6, 1.4);
      triangle(g, 11.4, 8, 6, 3);
      break;
  }
  p.restore();
}

QPixmap arrowPicture(QSize size, ArrowDirection direction, bool pressed, qreal ratio) {
  QImage image = newImage(size, ratio);
  QPainter p(&image);
  const PlateStyle s = plateStyle(pressed ? kPressed : kNormal);
  drawPlate(p, size, s);
  const double w = size.width();
  const double h = size.height();
  // The triangle is a little under half the short side, centred, pointing its way.
  const double half = std::max(2.0, std::floor(std::min(w, h) / 2.0) - 2.5);
  const double depth = std::max(2.0, half);
  QPointF c(w / 2.0, h / 2.0);
  if (pressed) c += QPointF(1, 1);
  QPolygonF tri;
  switch (direction) {
    case ArrowDirection::Up:
      tri << QPointF(c.x(), c.y() - depth / 2 - 0.5) << QPointF(c.x() - half, c.y() + depth / 2)
          << QPointF(c.x() + half, c.y() + depth / 2);
      break;
    case ArrowDirection::Down:
      tri << QPointF(c.x(), c.y() + depth / 2 + 0.5) << QPointF(c.x() - half, c.y() - depth / 2)
          << QPointF(c.x() + half, c.y() - depth / 2);
      break;
    case ArrowDirection::Left:
      tri << QPointF(c.x() - depth / 2 - 0.5, c.y()) << QPointF(c.x() + depth / 2, c.y() - half)
          << QPointF(c.x() + depth / 2, c.y() + half);
      break;
    case ArrowDirection::Right:
      tri << QPointF(c.x() + depth / 2 + 0.5, c.y()) << QPointF(c.x() - depth / 2, c.y() - half)
          << QPointF(c.x() - depth / 2, c.y() + half);
      break;
  }
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(s.glyph);
  p.drawPolygon(tri);
  p.end();
  return QPixmap::fromImage(image);
}

QPixmap thumbPicture(QSize size, bool horizontal, bool pressed, qreal ratio) {
  QImage image = newImage(size, ratio);
  QPainter p(&image);
  PlateStyle s = plateStyle(pressed ? kHover : kNormal);
  // The thumb stays raised when pressed; it only warms up.
  s.sunk = false;
  drawPlate(p, size, s);
  // Grip ridges across the middle: a dark and a light line each.
  const int along = horizontal ? size.width() : size.height();
  const int across = horizontal ? size.height() : size.width();
  const int ridges = along >= 20 ? 3 : 2;
  const int first = along / 2 - (ridges - 1) * 3 / 2 - 1;
  const QColor dark = pressed ? QColor(150, 104, 40) : QColor(150, 139, 104);
  const QColor light(255, 253, 242);
  for (int i = 0; i < ridges; ++i) {
    const int at = first + i * 3;
    const int from = 3;
    const int len = across - 6;
    if (horizontal) {
      p.fillRect(at, from, 1, len, dark);
      p.fillRect(at + 1, from, 1, len, light);
    } else {
      p.fillRect(from, at, len, 1, dark);
      p.fillRect(from, at + 1, len, 1, light);
    }
  }
  p.end();
  return QPixmap::fromImage(image);
}

QPixmap trackThumbPicture(bool pressed, qreal ratio) {
  const QSize size(11, 24);
  QImage image = newImage(size, ratio);
  QPainter p(&image);
  const PlateStyle s = plateStyle(pressed ? kHover : kNormal);
  // A plate on top, tapering to a point at the bottom that points at the ticks.
  QPainterPath body;
  body.moveTo(0.5, 1.5);
  body.quadTo(0.5, 0.5, 1.5, 0.5);
  body.lineTo(9.5, 0.5);
  body.quadTo(10.5, 0.5, 10.5, 1.5);
  body.lineTo(10.5, 17.5);
  body.lineTo(5.5, 23.0);
  body.lineTo(0.5, 17.5);
  body.closeSubpath();
  p.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient face(0, 0, 11, 0);
  face.setColorAt(0, s.top);
  face.setColorAt(1, s.bottom);
  p.setBrush(face);
  p.setPen(QPen(s.border, 1));
  p.drawPath(body);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(2, 1, 7, 1, s.light);
  p.fillRect(1, 2, 1, 15, s.light);
  p.fillRect(9, 2, 1, 15, s.dark);
  // A groove down the middle.
  const QColor groove = pressed ? QColor(150, 104, 40) : QColor(150, 139, 104);
  p.fillRect(5, 4, 1, 11, groove);
  p.fillRect(6, 4, 1, 11, QColor(255, 253, 242));
  p.end();
  return QPixmap::fromImage(image);
}

}  // namespace orvik::skin
