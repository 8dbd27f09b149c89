#include "emoji_painter.h"

#include <QFontDatabase>
#include <QPainter>

namespace builddict {

namespace {
const char kEmojiFamily[] = "Noto Color Emoji";
}

bool EmojiPainter::fontAvailable() {
  return QFontDatabase::families().contains(QString::fromLatin1(kEmojiFamily));
}

QImage EmojiPainter::sprite(const QString& emoji) {
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
  int left = canvas.width(), top = canvas.height(), right = -1, bottom = -1;
  for (int y = 0; y < canvas.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
    for (int x = 0; x < canvas.width(); ++x)
      if (qAlpha(line[x]) > 8) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  }
  QImage result;
  if (right >= 0) result = canvas.copy(left, top, right - left + 1, bottom - top + 1);
  cache_.insert(emoji, result);
  return result;
}

QImage EmojiPainter::sprite(const QString& emoji, int size) {
  const QImage big = sprite(emoji);
  if (big.isNull()) return big;
  return big.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace builddict
