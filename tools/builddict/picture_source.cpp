#include "picture_source.h"

#include <QRegularExpression>
#include <QStringList>

namespace builddict {

namespace {

// Reads a fraction such as `0.35`; false when it is not a plain decimal number.
bool readFraction(const QString& text, double* value) {
  static const QRegularExpression decimal(QStringLiteral("^[0-9]*\\.?[0-9]+$"));
  if (!decimal.match(text).hasMatch()) return false;
  bool ok = false;
  *value = text.toDouble(&ok);
  return ok;
}

}  // namespace

QList<PicturePart> PictureSource::parse(const QString& source, QString* error) {
  auto fail = [error](const QString& message) {
    if (error) *error = message;
    return QList<PicturePart>();
  };
  QList<PicturePart> parts;
  const QStringList pieces = source.split(u'+');
  for (int i = 0; i < pieces.size(); ++i) {
    QString piece = pieces[i].trimmed();
    PicturePart part;
    if (i > 0) part.x = kDefaultX, part.y = kDefaultY, part.size = kDefaultSize;
    QString place;
    if (const int at = piece.indexOf(u'@'); at >= 0) {
      place = piece.mid(at + 1).trimmed();
      piece = piece.left(at).trimmed();
      // The mirror mark may follow the place as well as the emoji.
      if (place.endsWith(u'!')) part.mirrored = true, place.chop(1);
    }
    if (piece.endsWith(u'!')) part.mirrored = true, piece = piece.left(piece.size() - 1).trimmed();
    if (piece.isEmpty())
      return fail(
          QStringLiteral("part %1 of the picture '%2' has no emoji").arg(i + 1).arg(source));
    // Digits stay allowed: keycaps are digits followed by a combining mark.
    static const QRegularExpression notEmoji(QStringLiteral("[\\s@!,A-Za-z]"));
    if (piece.contains(notEmoji))
      return fail(QStringLiteral("part %1 of the picture '%2' is not one emoji: '%3'")
                      .arg(i + 1)
                      .arg(source, piece));
    part.emoji = piece;
    if (!place.isNull()) {
      if (i == 0)
        return fail(QStringLiteral("the base of the picture '%1' fills the whole box and takes "
                                   "no '@' place")
                        .arg(source));
      const QStringList numbers = place.split(u',');
      double values[3] = {0, 0, 0};
      bool ok = numbers.size() == 3;
      for (int n = 0; ok && n < 3; ++n) ok = readFraction(numbers[n].trimmed(), &values[n]);
      if (!ok || values[0] > 1 || values[1] > 1 || values[2] < 0.05 || values[2] > 1.5)
        return fail(QStringLiteral("part %1 of the picture '%2' has the place '@%3'; write "
                                   "@x,y,size with x and y from 0 to 1 and size from 0.05 to 1.5")
                        .arg(i + 1)
                        .arg(source, place));
      part.x = values[0], part.y = values[1], part.size = values[2];
    }
    parts << part;
  }
  return parts;
}

bool PictureSource::isComposed(const QString& source) {
  return source.contains(u'+') || source.contains(u'!') || source.contains(u'@');
}

QString PictureSource::key(const QString& source) {
  const QList<PicturePart> parts = parse(source);
  auto plain = [](QString emoji) {
    emoji.remove(QChar(0xFE0F));
    emoji.remove(QRegularExpression(QStringLiteral("\\s")));
    return emoji;
  };
  if (parts.isEmpty()) return plain(source);
  QStringList pieces;
  for (int i = 0; i < parts.size(); ++i) {
    const PicturePart& p = parts[i];
    pieces << (i == 0 ? plain(p.emoji)
                      : QStringLiteral("%1@%2,%3,%4")
                            .arg(plain(p.emoji))
                            .arg(p.x, 0, 'g', 4)
                            .arg(p.y, 0, 'g', 4)
                            .arg(p.size, 0, 'g', 4));
  }
  return pieces.join(u'+');
}

}  // namespace builddict
