#pragma once
// The settings a page can be drawn in (a farm, a harbour, a kitchen...) and the places they
// offer: the zones an object can stand in (the sky, the ground with its depth, the water, a
// wall, a shelf, a table or counter, the floor), and the size classes that say how large an
// object is in the real world. A page's objects are laid out by zone and size class, so that
// nothing stands where it cannot be and a chick is never drawn as big as the cow beside it.

#include <QString>
#include <QStringList>
#include <optional>

namespace builddict {

enum class Zone { Sky, Ground, Water, Wall, Shelf, Table, Floor };
inline constexpr int kZoneCount = 7;

// From a pin to a ship; each class about 1.4 times as large on the page as the one before.
enum class SizeClass { Tiny, Small, Medium, Large, Human, Big, Huge };
inline constexpr int kSizeClassCount = 7;

struct Setting {
  QString name;
  unsigned zones = 0;    // bit (1 << Zone) for every zone the setting has
  bool indoor = false;   // a room: wall above, floor below (no sky)
  Zone fallback;         // where an object the place table does not know stands
  double horizonLo = 0;  // the range (fractions of the page height) in which the line where the
  double horizonHi = 0;  // sky meets the ground, or the wall meets the floor, may be laid
  bool has(Zone z) const { return (zones >> int(z)) & 1u; }
};

class Settings {
 public:
  // The setting named (older backdrop names are read as the setting that replaced them), or
  // nullptr. An empty name gives the plain setting, which has every zone.
  static const Setting* find(const QString& name);
  // The names a page may give with "scene:", in a stable order.
  static QStringList names();

  static QString zoneName(Zone zone);
  static std::optional<Zone> zoneNamed(const QString& name);
  static QStringList zoneNames();
  static QString sizeName(SizeClass size);
  static std::optional<SizeClass> sizeNamed(const QString& name);
  static QStringList sizeNames();
  // The side of an object of the class on the page, relative to a tiny one.
  static double relativeSize(SizeClass size);

  // The zone of `setting` in which an object meant for `wanted` stands: the zone itself, or one
  // like it (the floor of a room for the ground, a table for a shelf); nothing when the setting
  // has no such place (the sky of a kitchen, the water of a street).
  static std::optional<Zone> resolve(const Setting& setting, Zone wanted);
  // True for the zones where an object rests on something and casts a shadow on it.
  static bool isSurface(Zone zone);
};

}  // namespace builddict
