#pragma once
// Draws emoji from the "Noto Color Emoji" font into transparent pictures, cropped to the pixels
// the glyph actually covers, and keeps each one drawn so that repeated objects cost nothing.
// A composed picture source (see PictureSource) is drawn part by part into one picture, cropped
// the same way, so that everything drawing objects treats it as one emoji.
// Needs a QGuiApplication.

#include <QHash>
#include <QImage>
#include <QString>

namespace builddict {

class EmojiPainter {
 public:
  // True when the colour emoji font is installed.
  static bool fontAvailable();

  // The emoji or composed picture drawn large (a plain emoji about 128 pixels) and cropped to
  // its opaque pixels; a null image when it, or any of its parts, draws nothing or the
  // composition cannot be read.
  QImage sprite(const QString& emoji);
  // The sprite scaled smoothly to fit a box of `size` by `size`, keeping its shape.
  QImage sprite(const QString& emoji, int size);

 private:
  QImage glyph(const QString& emoji);
  QImage composed(const QString& source);

  QHash<QString, QImage> cache_;
};

}  // namespace builddict
