#include "place_table.h"

#include "picture_source.h"

namespace builddict {

bool PlaceTable::parse(const QString& text, const QString& fileName,
                       QHash<QString, PlaceDefault>* places, QStringList* errors) {
  const int before = errors->size();
  const QStringList lines = text.split(u'\n');
  for (int i = 0; i < lines.size(); ++i) {
    const SourcePlace at{fileName, i + 1};
    QString line = lines[i];
    if (i == 0 && line.startsWith(QChar(0xFEFF))) line.remove(0, 1);
    // A '#' after a blank starts a comment, as in the chapter files.
    for (int c = 1; c < line.size(); ++c)
      if (line[c] == u'#' && line[c - 1].isSpace()) {
        line.truncate(c);
        break;
      }
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) continue;
    const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
    if (fields.size() != 3) {
      *errors << QStringLiteral("%1: a place line is '<emoji> <zone> <size>', not '%2'")
                     .arg(at.toString(), line);
      continue;
    }
    const auto zone = Settings::zoneNamed(fields[1]);
    const auto size = Settings::sizeNamed(fields[2]);
    if (!zone)
      *errors << QStringLiteral("%1: unknown zone '%2' (one of: %3)")
                     .arg(at.toString(), fields[1],
                          Settings::zoneNames().join(QStringLiteral(", ")));
    if (!size)
      *errors << QStringLiteral("%1: unknown size '%2' (one of: %3)")
                     .arg(at.toString(), fields[2],
                          Settings::sizeNames().join(QStringLiteral(", ")));
    if (!zone || !size) continue;
    const QString k = key(fields[0]);
    if (auto it = places->constFind(k); it != places->constEnd()) {
      *errors << QStringLiteral("%1: '%2' is also placed at %3")
                     .arg(at.toString(), fields[0], it->place.toString());
      continue;
    }
    places->insert(k, PlaceDefault{*zone, *size, at});
  }
  return errors->size() == before;
}

QString PlaceTable::key(const QString& pictureSource) {
  const QList<PicturePart> parts = PictureSource::parse(pictureSource);
  QString base = parts.isEmpty() ? pictureSource.trimmed() : parts[0].emoji;
  base.remove(QChar(0xFE0F));
  return base;
}

std::optional<EntryPlacement> PlaceTable::place(const SourceEntry& entry, const Setting& setting,
                                                const QHash<QString, PlaceDefault>& places,
                                                QString* problem) {
  const auto row = places.constFind(key(entry.emoji));
  const bool known = row != places.constEnd();
  EntryPlacement placement;
  if (entry.placeGiven) {
    // What rests on the ground, on a table or on the water cannot be put in the sky (a sign
    // or a picture from a wall may hang in it).
    if (entry.zone == Zone::Sky && known && row->zone != Zone::Sky && row->zone != Zone::Wall) {
      *problem = QStringLiteral("'%1' stands in the %2 (%3); it cannot be placed in the sky")
                     .arg(entry.emoji, Settings::zoneName(row->zone), row->place.toString());
      return std::nullopt;
    }
    if (!setting.has(entry.zone)) {
      *problem = QStringLiteral("the %1 setting has no %2 (its places: %3)")
                     .arg(setting.name, Settings::zoneName(entry.zone), [&] {
                       QStringList zones;
                       for (int z = 0; z < kZoneCount; ++z)
                         if (setting.has(Zone(z))) zones << Settings::zoneName(Zone(z));
                       return zones.join(QStringLiteral(", "));
                     }());
      return std::nullopt;
    }
    placement.zone = entry.zone;
    placement.size = entry.size;
    placement.origin = EntryPlacement::Origin::Given;
    return placement;
  }
  if (!known) {
    placement.zone = setting.fallback;
    placement.origin = EntryPlacement::Origin::Fallback;
    return placement;
  }
  const auto zone = Settings::resolve(setting, row->zone);
  if (!zone) {
    *problem =
        QStringLiteral(
            "'%1' stands in the %2 (%3), which the %4 setting does not have; give the "
            "page another setting or the entry a 'place:' line")
            .arg(entry.emoji, Settings::zoneName(row->zone), row->place.toString(), setting.name);
    return std::nullopt;
  }
  placement.zone = *zone;
  placement.size = row->size;
  placement.origin = EntryPlacement::Origin::Table;
  return placement;
}

}  // namespace builddict
