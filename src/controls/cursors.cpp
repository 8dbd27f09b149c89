#include "controls/cursors.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "controls/skin.h"

namespace orvik {

namespace {

// A pointing hand, forefinger up, tip at (tipX, 1), about 17 by 22 pixels.
QPainterPath pointingHand(double tipX) {
  const double x = tipX - 2.5;  // left edge of the forefinger
  QPainterPath hand;
  hand.moveTo(x, 3);
  hand.arcTo(QRectF(x, 0.5, 5, 5), 180, -180);  // fingertip
  hand.lineTo(x + 5, 9);
  // The folded middle, ring and little fingers: three knuckles.
  hand.arcTo(QRectF(x + 5, 7.5, 4, 4), 180, -180);
  hand.lineTo(x + 9, 10);
  hand.arcTo(QRectF(x + 9, 8.5, 4, 4), 180, -180);
  hand.lineTo(x + 13, 11);
  hand.arcTo(QRectF(x + 13, 9.5, 3.5, 4), 180, -180);
  hand.lineTo(x + 16.5, 17);
  hand.quadTo(x + 16.5, 21, x + 13, 23);
  hand.lineTo(x + 3, 23);
  // The thumb, bent in towards the palm.
  hand.quadTo(x - 1, 19, x - 4.5, 14.5);
  hand.quadTo(x - 5.5, 12, x - 3, 12);
  hand.quadTo(x - 1.5, 12.5, x, 14.5);
  hand.closeSubpath();
  return hand;
}

void drawHand(QPainter& p, double tipX, const QColor& fill, const QColor& line) {
  const QPainterPath hand = pointingHand(tipX);
  p.setPen(QPen(line, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
  p.drawPath(hand);
  // Creases between the folded fingers.
  const double x = tipX - 2.5;
  p.setPen(QPen(line, 0.9));
  p.drawLine(QPointF(x + 5, 9), QPointF(x + 5, 13.5));
  p.drawLine(QPointF(x + 9, 10), QPointF(x + 9, 14));
  p.drawLine(QPointF(x + 13, 11), QPointF(x + 13, 14.5));
}

QImage drawCursor(int number, qreal ratio) {
  QImage image(qRound(32 * ratio), qRound(32 * ratio), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.translate(0.5, 0.5);
  switch (number) {
    case O_HANDPOINTER:
      // The page picture's hand: parchment-coloured, brown outline.
      drawHand(p, 9, QColor(250, 244, 211), QColor(70, 52, 14));
      break;
    case O_FOREFINGER:
      drawHand(p, 9, QColor(255, 255, 255), QColor(0, 0, 0));
      break;
    case O_NAVIGATORL: {
      // The pointing hand with a page-turning arrow curling over its knuckles.
      drawHand(p, 9, QColor(255, 255, 255), QColor(0, 0, 0));
      QPainterPath arc;
      arc.moveTo(17, 28);
      arc.quadTo(17, 19, 25, 19);
      p.setPen(QPen(QColor(255, 255, 255), 4.2, Qt::SolidLine, Qt::FlatCap));
      p.setBrush(Qt::NoBrush);
      p.drawPath(arc);
      p.setPen(QPen(QColor(110, 92, 34), 2.2, Qt::SolidLine, Qt::FlatCap));
      p.drawPath(arc);
      p.setPen(QPen(QColor(255, 255, 255), 1));
      p.setBrush(QColor(110, 92, 34));
      p.drawPolygon(QPolygonF{{24, 14.5}, {30.5, 19}, {24, 23.5}});
      break;
    }
    case O_FIXPAGE:
      drawHand(p, 9, QColor(250, 244, 211), QColor(70, 52, 14));
      // A small padlock: the hand is pinned.
      p.setPen(QPen(QColor(128, 0, 0), 1.6));
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(21, 17, 6, 7), 0, 180 * 16);
      p.setPen(QPen(QColor(60, 0, 0), 1));
      p.setBrush(QColor(160, 24, 16));
      p.drawRect(QRectF(19.5, 21, 9, 8));
      break;
    default:
      return {};
  }
  p.end();
  return image;
}

}  // namespace

QPixmap cursorPixmap(int number, qreal ratio) {
  static QHash<QPair<int, int>, QPixmap> cache;
  if (ratio <= 0) ratio = skinRatio();
  ratio = std::clamp(ratio, 1.0, 16.0);
  // Ratios are told apart to a hundredth.
  const QPair<int, int> key(number, qRound(ratio * 100));
  auto it = cache.constFind(key);
  if (it != cache.constEnd()) return *it;
  const QImage image = drawCursor(number, ratio);
  QPixmap pixmap = image.isNull() ? QPixmap() : QPixmap::fromImage(image);
  cache.insert(key, pixmap);
  return pixmap;
}

QPoint cursorHotSpot(int number) {
  switch (number) {
    case O_HANDPOINTER:
    case O_FOREFINGER:
    case O_NAVIGATORL:
    case O_FIXPAGE:
      return {9, 1};
    default:
      return {0, 0};
  }
}

QCursor orvikCursor(int number) {
  const QPixmap pixmap = cursorPixmap(number);
  if (pixmap.isNull()) return QCursor(Qt::ArrowCursor);
  QPoint hot = cursorHotSpot(number);
  // The X11 platform of Qt 6.4 puts the hot spot on the picture's own pixels, not on its
  // logical ones (checked on Xvfb with QT_SCALE_FACTOR=2: the fingertip of the 64 by 64 hand
  // sits at pixel (18, 2)); the other platforms take logical pixels.
  if (QGuiApplication::platformName() == QLatin1String("xcb"))
    hot = (QPointF(hot) * pixmap.devicePixelRatio()).toPoint();
  return QCursor(pixmap, hot.x(), hot.y());
}

}  // namespace orvik
