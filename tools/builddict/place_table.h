#pragma once
// The place table (places.txt beside the chapters): for each base emoji the zone its object
// stands in and its size class, so that an entry needs no 'place:' line of its own. An entry's
// place is its own 'place:' line, else its row in the table, else the setting's own fallback.

#include <QHash>
#include <QStringList>
#include <optional>

#include "scene_setting.h"
#include "source_dictionary.h"

namespace builddict {

struct EntryPlacement {
  enum class Origin { Given, Table, Fallback };
  Zone zone = Zone::Floor;  // a zone the page's setting has
  SizeClass size = SizeClass::Medium;
  Origin origin = Origin::Fallback;
};

class PlaceTable {
 public:
  // Reads the table's text into `places`; every problem is one "file:line: message" line.
  static bool parse(const QString& text, const QString& fileName,
                    QHash<QString, PlaceDefault>* places, QStringList* errors);
  // The table's key for a picture source: its base emoji without U+FE0F or mirroring.
  static QString key(const QString& pictureSource);

  // Where the entry stands on a page of the setting; nothing, with the reason in `problem`,
  // when the setting has no place like the one the entry asks for.
  static std::optional<EntryPlacement> place(const SourceEntry& entry, const Setting& setting,
                                             const QHash<QString, PlaceDefault>& places,
                                             QString* problem);
};

}  // namespace builddict
