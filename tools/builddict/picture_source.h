#pragma once
// An entry's picture source: one emoji, or a composition of several drawn parts. The first part
// is the base and fills the object's whole box; every later part is drawn on top, centred at a
// place given as fractions of the base box, at a size given as a fraction of the box's side.
// Written `🌳 + 🍐@0.35,0.30,0.30 + 🧑‍🍳!` (`!` mirrors a part; a part without `@`
// stands at the bottom right at about half size). The source also gives the key by which two
// entries' pictures are compared: the same drawing gives the same key however it is spelled.

#include <QList>
#include <QString>

namespace builddict {

struct PicturePart {
  QString emoji;
  double x = 0.5;     // centre, fraction of the base box from its left
  double y = 0.5;     // centre, fraction of the base box from its top
  double size = 1.0;  // side of the part's box, fraction of the base box's side
  bool mirrored = false;
};

class PictureSource {
 public:
  // Where a part without `@` stands: bottom right, about half the size of the base.
  static constexpr double kDefaultX = 0.72, kDefaultY = 0.72, kDefaultSize = 0.45;

  // Reads a source; on a syntax error returns an empty list and sets `error`.
  static QList<PicturePart> parse(const QString& source, QString* error = nullptr);
  // True when the source is more than one plain emoji (a composition or a mirrored part).
  static bool isComposed(const QString& source);
  // The comparison key: the parts as read, without variation selectors, blanks or mirroring
  // (a mirrored picture is still the same picture), and the numbers in one spelling.
  static QString key(const QString& source);
};

}  // namespace builddict
