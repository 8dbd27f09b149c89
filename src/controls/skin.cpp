#include "controls/skin.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include "controls/skin_painting.h"

namespace orvik {

namespace {

// The cache key of a picture set: kind, sign, size and device pixel ratio.
QString cacheKey(const char* kind, int variant, QSize size, qreal ratio) {
  return QStringLiteral("%1/%2/%3x%4@%5")
      .arg(QLatin1String(kind))
      .arg(variant)
      .arg(size.width())
      .arg(size.height())
      .arg(ratio);
}

// Ratios below 1 would lose pixels of the 1x design; a nonsense ratio draws at 1.
qreal usableRatio(qreal ratio) {
  return ratio >= 1 && ratio <= 16 ? ratio : 1;
}

QPixmap buttonPicture(ButtonGlyph glyph, QSize size, int state, qreal ratio) {
  QImage image = skin::newImage(size, ratio);
  QPainter p(&image);
  const skin::PlateStyle style = skin::plateStyle(state);
  skin::drawPlate(p, size, style);
  if (glyph != ButtonGlyph::None) {
    const int side = skin::glyphSide(size);
    QRectF box((size.width() - side) / 2.0, (size.height() - side) / 2.0, side, side);
    if (state == skin::kPressed) box.translate(1, 1);
    if (state == skin::kDisabled) {
      skin::paintGlyph(p, glyph, box.translated(1, 1), QColor(255, 255, 255, 220), style.bottom);
      skin::paintGlyph(p, glyph, box, style.glyph, style.bottom);
    } else {
      skin::paintGlyph(p, glyph, box, style.glyph, style.bottom);
    }
  }
  p.end();
  return QPixmap::fromImage(image);
}

}  // namespace

qreal skinRatio() {
  return qGuiApp ? usableRatio(qGuiApp->devicePixelRatio()) : 1.0;
}

ButtonPictures buttonPictures(ButtonGlyph glyph, QSize size, qreal ratio) {
  static QHash<QString, ButtonPictures> cache;
  size = size.expandedTo(QSize(8, 8));
  ratio = usableRatio(ratio);
  const QString key = cacheKey("button", static_cast<int>(glyph), size, ratio);
  auto it = cache.constFind(key);
  if (it != cache.constEnd()) return *it;
  ButtonPictures pictures{buttonPicture(glyph, size, skin::kNormal, ratio),
                          buttonPicture(glyph, size, skin::kHover, ratio),
                          buttonPicture(glyph, size, skin::kPressed, ratio),
                          buttonPicture(glyph, size, skin::kDisabled, ratio)};
  cache.insert(key, pictures);
  return pictures;
}

ScrollBarPictures scrollBarPictures(ScrollSkin skinKind, bool horizontal, qreal ratio) {
  static QHash<QString, ScrollBarPictures> cache;
  ratio = usableRatio(ratio);
  const QString key =
      cacheKey("scroll", static_cast<int>(skinKind) * 2 + (horizontal ? 1 : 0), QSize(0, 0), ratio);
  auto it = cache.constFind(key);
  if (it != cache.constEnd()) return *it;
  const bool pane = skinKind == ScrollSkin::Pane;
  // Arrows are square in the list skin, a little taller than wide in the pane skin; across a
  // horizontal bar the pictures turn with it.
  QSize arrow = pane ? QSize(10, 13) : QSize(15, 15);
  QSize thumb = pane ? QSize(10, 14) : QSize(15, 28);
  if (horizontal) {
    arrow.transpose();
    thumb.transpose();
  }
  using skin::ArrowDirection;
  const ArrowDirection first = horizontal ? ArrowDirection::Left : ArrowDirection::Up;
  const ArrowDirection second = horizontal ? ArrowDirection::Right : ArrowDirection::Down;
  ScrollBarPictures pictures{skin::arrowPicture(arrow, first, false, ratio),
                             skin::arrowPicture(arrow, first, true, ratio),
                             skin::arrowPicture(arrow, second, false, ratio),
                             skin::arrowPicture(arrow, second, true, ratio),
                             skin::thumbPicture(thumb, horizontal, false, ratio),
                             skin::thumbPicture(thumb, horizontal, true, ratio)};
  cache.insert(key, pictures);
  return pictures;
}

TrackBarPictures trackBarPictures(qreal ratio) {
  static QHash<QString, TrackBarPictures> cache;
  ratio = usableRatio(ratio);
  const QString key = cacheKey("track", 0, QSize(11, 24), ratio);
  auto it = cache.constFind(key);
  if (it != cache.constEnd()) return *it;
  const TrackBarPictures pictures{skin::trackThumbPicture(false, ratio),
                                  skin::trackThumbPicture(true, ratio)};
  cache.insert(key, pictures);
  return pictures;
}

QPixmap pictureAtRatio(const QImage& picture, qreal ratio) {
  ratio = usableRatio(ratio);
  if (picture.isNull() || ratio == 1) return QPixmap::fromImage(picture);
  const QSize logical = picture.deviceIndependentSize().toSize();
  QImage scaled = picture.scaled(skin::devicePixels(logical, ratio), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(ratio);
  return QPixmap::fromImage(scaled);
}

QPixmap panelPicture(QSize size, const QColor& base, qreal ratio) {
  static QHash<QString, QPixmap> cache;
  ratio = usableRatio(ratio);
  const QString key = cacheKey("panel", static_cast<int>(base.rgb()), size, ratio);
  auto it = cache.constFind(key);
  if (it != cache.constEnd()) return *it;
  // The grain is one speck per device pixel: finer on a denser screen, never upscaled.
  QImage image(skin::devicePixels(size.expandedTo(QSize(1, 1)), ratio), QImage::Format_RGB32);
  // A fixed seed keeps the grain identical from run to run.
  QRandomGenerator grain(0x0b1e5eedu);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int d = static_cast<int>(grain.bounded(5)) - 2;
      line[x] = qRgb(qBound(0, base.red() + d, 255), qBound(0, base.green() + d, 255),
                     qBound(0, base.blue() + d - (d > 1 ? 1 : 0), 255));
    }
  }
  image.setDevicePixelRatio(ratio);
  QPixmap pixmap = QPixmap::fromImage(image);
  cache.insert(key, pixmap);
  return pixmap;
}

}  // namespace orvik
