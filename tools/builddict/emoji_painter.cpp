#include "emoji_painter.h"

#include <QFontDatabase>
#include <QPainter>

#include "picture_source.h"

namespace builddict {

namespace {
const char kEmojiFamily[] = "Noto Color Emoji";

// The smallest rectangle holding the pixels of `image` that are more than faintly opaque.
QImage cropToOpaque(const QImage& image) {
  int left = image.width(), top = image.height(), right = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(line[x]) > 8) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  }
  if (right < 0) return {};
  return image.copy(left, top, right - left + 1, bottom - top + 1);
}

}  // namespace

bool EmojiPainter::fontAvailable() {
  return QFontDatabase::families().contains(QString::fromLatin1(kEmojiFamily));
}

QImage EmojiPainter::sprite(const QString& emoji) {
  if (auto it = cache_.constFind(emoji); it != cache_.constEnd()) return *it;
  const QImage result = PictureSource::isComposed(emoji) ? composed(emoji) : glyph(emoji);
  cache_.insert(emoji, result);
  return result;
}

QImage EmojiPainter::glyph(const QString& emoji) {
  if (auto it = cache_.constFind(emoji); it != cache_.constEnd()) return *it;
  QImage canvas(320, 320, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  {
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font(QString::fromLatin1(kEmojiFamily));
    font.setPixelSize(128);
    p.setFont(font);
    p.drawText(canvas.rect(), Qt::AlignCenter, emoji);
  }
  const QImage result = cropToOpaque(canvas);
  cache_.insert(emoji, result);
  return result;
}

QImage EmojiPainter::composed(const QString& source) {
  const QList<PicturePart> parts = PictureSource::parse(source);
  if (parts.isEmpty()) return {};
  // The base box is as large as the base drawn plainly, so the base keeps its own pixels;
  // parts may reach half a box beyond it on every side before the picture is cropped to what
  // was drawn.
  const QImage base = glyph(parts[0].emoji);
  if (base.isNull()) return {};
  const int side = std::max(base.width(), base.height());
  const QRectF box(side / 2.0, side / 2.0, side, side);
  QImage canvas(side * 2, side * 2, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  QPainter p(&canvas);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const PicturePart& part : parts) {
    QImage s = glyph(part.emoji);
    if (s.isNull()) return {};
    if (part.mirrored) s = s.mirrored(true, false);
    const double limit = part.size * side;
    const double scale = limit / std::max(s.width(), s.height());
    const QSizeF drawn(s.width() * scale, s.height() * scale);
    const QPointF centre(box.left() + part.x * side, box.top() + part.y * side);
    p.drawImage(QRectF(centre - QPointF(drawn.width() / 2, drawn.height() / 2), drawn), s);
  }
  p.end();
  return cropToOpaque(canvas);
}

QImage EmojiPainter::sprite(const QString& emoji, int size) {
  const QImage big = sprite(emoji);
  if (big.isNull()) return big;
  return big.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace builddict
