#pragma once
// Draws emoji from the "Noto Color Emoji" font into transparent pictures, cropped to the pixels
// the glyph actually covers, and keeps each one drawn so that repeated objects cost nothing.
// Needs a QGuiApplication.

#include <QHash>
#include <QImage>
#include <QString>

namespace builddict {

class EmojiPainter {
 public:
  // True when the colour emoji font is installed.
  static bool fontAvailable();

  // The emoji drawn large (about 128 pixels) and cropped to its opaque pixels; a null image
  // when it draws nothing.
  QImage sprite(const QString& emoji);
  // The sprite scaled smoothly to fit a box of `size` by `size`, keeping its shape.
  QImage sprite(const QString& emoji, int size);

 private:
  QHash<QString, QImage> cache_;
};

}  // namespace builddict
