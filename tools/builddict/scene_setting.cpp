#include "scene_setting.h"

#include <QHash>
#include <array>

namespace builddict {

namespace {

constexpr unsigned bit(Zone z) {
  return 1u << int(z);
}

constexpr unsigned kOutdoor = bit(Zone::Sky) | bit(Zone::Ground);
constexpr unsigned kRoom = bit(Zone::Wall) | bit(Zone::Shelf) | bit(Zone::Table) | bit(Zone::Floor);

const QList<Setting>& allSettings() {
  static const QList<Setting> settings = {
      {QStringLiteral("farm"), kOutdoor | bit(Zone::Water), false, Zone::Ground, 0.30, 0.45},
      {QStringLiteral("nightsky"), kOutdoor, false, Zone::Sky, 0.62, 0.80},
      {QStringLiteral("harbour"), kOutdoor | bit(Zone::Water), false, Zone::Water, 0.28, 0.40},
      {QStringLiteral("beach"), kOutdoor | bit(Zone::Water), false, Zone::Ground, 0.28, 0.42},
      {QStringLiteral("sea"), kOutdoor | bit(Zone::Water), false, Zone::Water, 0.14, 0.22},
      {QStringLiteral("mountains"), kOutdoor | bit(Zone::Water), false, Zone::Ground, 0.32, 0.46},
      {QStringLiteral("forest"), kOutdoor | bit(Zone::Water), false, Zone::Ground, 0.30, 0.44},
      {QStringLiteral("garden"), kOutdoor | bit(Zone::Table), false, Zone::Ground, 0.30, 0.44},
      {QStringLiteral("park"), kOutdoor | bit(Zone::Water), false, Zone::Ground, 0.30, 0.44},
      {QStringLiteral("street"), kOutdoor | bit(Zone::Wall), false, Zone::Ground, 0.30, 0.44},
      {QStringLiteral("airport"), kOutdoor | bit(Zone::Wall), false, Zone::Ground, 0.40, 0.56},
      {QStringLiteral("market"), kOutdoor | bit(Zone::Table), false, Zone::Table, 0.26, 0.40},
      {QStringLiteral("sportsground"), kOutdoor, false, Zone::Ground, 0.28, 0.42},
      {QStringLiteral("sky"), kOutdoor, false, Zone::Sky, 0.66, 0.84},
      {QStringLiteral("space"), kOutdoor, false, Zone::Sky, 0.70, 0.86},
      {QStringLiteral("shop"), kRoom, true, Zone::Shelf, 0.52, 0.70},
      {QStringLiteral("kitchen"), kRoom, true, Zone::Table, 0.52, 0.70},
      {QStringLiteral("livingroom"), kRoom, true, Zone::Floor, 0.48, 0.66},
      {QStringLiteral("bathroom"), kRoom, true, Zone::Floor, 0.48, 0.66},
      {QStringLiteral("bedroom"), kRoom, true, Zone::Floor, 0.48, 0.66},
      {QStringLiteral("classroom"), kRoom, true, Zone::Wall, 0.52, 0.70},
      {QStringLiteral("office"), kRoom, true, Zone::Table, 0.50, 0.68},
      {QStringLiteral("hotel"), kRoom, true, Zone::Floor, 0.48, 0.66},
      {QStringLiteral("hospital"), kRoom, true, Zone::Floor, 0.48, 0.66},
      {QStringLiteral("workshop"), kRoom, true, Zone::Table, 0.50, 0.68},
      {QStringLiteral("lab"), kRoom, true, Zone::Table, 0.50, 0.68},
      {QStringLiteral("stage"), bit(Zone::Wall) | bit(Zone::Floor), true, Zone::Floor, 0.40, 0.62},
      {QStringLiteral("plain"), kOutdoor | kRoom | bit(Zone::Water), false, Zone::Floor, 0.36,
       0.60},
  };
  return settings;
}

// Older backdrop names, still read.
const QHash<QString, QString>& aliases() {
  static const QHash<QString, QString> a = {
      {QStringLiteral("room"), QStringLiteral("livingroom")},
      {QStringLiteral("table"), QStringLiteral("kitchen")},
      {QStringLiteral("school"), QStringLiteral("classroom")},
      {QStringLiteral("field"), QStringLiteral("farm")},
  };
  return a;
}

const std::array<const char*, kZoneCount> kZoneNames = {"sky",   "ground", "water", "wall",
                                                        "shelf", "table",  "floor"};
const std::array<const char*, kSizeClassCount> kSizeNames = {"tiny",  "small", "medium", "large",
                                                             "human", "big",   "huge"};

}  // namespace

const Setting* Settings::find(const QString& name) {
  const QString wanted =
      name.isEmpty() ? QStringLiteral("plain") : aliases().value(name.toLower(), name.toLower());
  for (const Setting& s : allSettings())
    if (s.name == wanted) return &s;
  return nullptr;
}

QStringList Settings::names() {
  QStringList list;
  for (const Setting& s : allSettings()) list << s.name;
  return list;
}

QString Settings::zoneName(Zone zone) {
  return QString::fromLatin1(kZoneNames[size_t(zone)]);
}

std::optional<Zone> Settings::zoneNamed(const QString& name) {
  for (int i = 0; i < kZoneCount; ++i)
    if (name == QLatin1String(kZoneNames[size_t(i)])) return Zone(i);
  return std::nullopt;
}

QStringList Settings::zoneNames() {
  QStringList list;
  for (const char* n : kZoneNames) list << QString::fromLatin1(n);
  return list;
}

QString Settings::sizeName(SizeClass size) {
  return QString::fromLatin1(kSizeNames[size_t(size)]);
}

std::optional<SizeClass> Settings::sizeNamed(const QString& name) {
  for (int i = 0; i < kSizeClassCount; ++i)
    if (name == QLatin1String(kSizeNames[size_t(i)])) return SizeClass(i);
  return std::nullopt;
}

QStringList Settings::sizeNames() {
  QStringList list;
  for (const char* n : kSizeNames) list << QString::fromLatin1(n);
  return list;
}

double Settings::relativeSize(SizeClass size) {
  static const std::array<double, kSizeClassCount> sides = {1.0, 1.4, 1.95, 2.7, 3.6, 4.6, 5.8};
  return sides[size_t(size)];
}

std::optional<Zone> Settings::resolve(const Setting& setting, Zone wanted) {
  if (setting.has(wanted)) return wanted;
  auto first = [&](std::initializer_list<Zone> zones) -> std::optional<Zone> {
    for (Zone z : zones)
      if (setting.has(z)) return z;
    return std::nullopt;
  };
  switch (wanted) {
    case Zone::Ground:
      return first({Zone::Floor});
    case Zone::Floor:
      return first({Zone::Ground});
    case Zone::Table:
      return first({Zone::Shelf, Zone::Ground, Zone::Floor});
    case Zone::Shelf:
      return first({Zone::Table, Zone::Wall, Zone::Ground, Zone::Floor});
    case Zone::Wall:
      return first({Zone::Shelf});
    case Zone::Sky:
    case Zone::Water:
      return std::nullopt;
  }
  return std::nullopt;
}

bool Settings::isSurface(Zone zone) {
  return zone == Zone::Ground || zone == Zone::Floor || zone == Zone::Table || zone == Zone::Shelf;
}

}  // namespace builddict
