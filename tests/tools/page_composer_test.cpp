#include "page_composer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace builddict;

namespace {

QList<ComposerItem> itemsOf(std::initializer_list<std::tuple<Zone, SizeClass, int>> groups) {
  QList<ComposerItem> items;
  for (const auto& [zone, size, count] : groups)
    for (int i = 0; i < count; ++i) {
      ComposerItem item;
      item.zone = zone;
      item.size = size;
      // Shapes vary as emoji do: wide, tall and square.
      item.sprite = i % 3 == 0 ? QSize(128, 90) : i % 3 == 1 ? QSize(80, 128) : QSize(120, 120);
      items << item;
    }
  return items;
}

}  // namespace

TEST(PageComposer, EveryObjectStandsInItsZoneApartAndWhole) {
  const QRect page(0, 0, PageComposer::kWidth, PageComposer::kHeight);
  struct Case {
    const char* setting;
    QList<ComposerItem> items;
  };
  const QList<Case> cases = {
      {"farm", itemsOf({{Zone::Sky, SizeClass::Small, 3},
                        {Zone::Ground, SizeClass::Big, 8},
                        {Zone::Ground, SizeClass::Small, 5},
                        {Zone::Water, SizeClass::Medium, 2}})},
      {"kitchen", itemsOf({{Zone::Wall, SizeClass::Medium, 2},
                           {Zone::Shelf, SizeClass::Small, 5},
                           {Zone::Table, SizeClass::Small, 7},
                           {Zone::Floor, SizeClass::Human, 2}})},
      {"harbour",
       itemsOf({{Zone::Water, SizeClass::Huge, 5}, {Zone::Ground, SizeClass::Medium, 6}})},
      {"nightsky", itemsOf({{Zone::Sky, SizeClass::Medium, 12}})},
      {"street", itemsOf({{Zone::Ground, SizeClass::Huge, 12},
                          {Zone::Ground, SizeClass::Tiny, 1},
                          {Zone::Wall, SizeClass::Small, 4}})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.setting);
    const Setting* setting = Settings::find(QString::fromLatin1(c.setting));
    ASSERT_NE(setting, nullptr);
    const Composition comp = PageComposer::compose(*setting, c.items, 77u);
    EXPECT_TRUE(comp.sound());
    ASSERT_EQ(comp.boxes.size(), c.items.size());
    for (int i = 0; i < comp.boxes.size(); ++i) {
      const QRect box = comp.boxes[i];
      EXPECT_TRUE(page.contains(box)) << i;
      EXPECT_GE(std::max(box.width(), box.height()), PageComposer::kMinSide) << i;
      // Far enough apart that no cell of the hit map holds two objects.
      for (int j = i + 1; j < comp.boxes.size(); ++j)
        EXPECT_FALSE(box.adjusted(-3, -3, 3, 3).intersects(comp.boxes[j])) << i << " " << j;
      // Things in the sky and on walls are above the horizon; things on the ground stand
      // below it, in the water above the shore.
      const Zone z = c.items[i].zone;
      if (z == Zone::Sky || z == Zone::Wall || z == Zone::Shelf) {
        EXPECT_LT(box.bottom(), comp.frame.horizon) << i;
      }
      if (z == Zone::Ground || z == Zone::Floor) {
        EXPECT_GT(box.bottom(), comp.frame.horizon) << i;
      }
      if (z == Zone::Water) {
        EXPECT_GT(box.bottom(), comp.frame.horizon) << i;
        EXPECT_LT(box.bottom(), comp.frame.shore) << i;
      }
    }
    // The same page always gives the same layout.
    EXPECT_EQ(PageComposer::compose(*setting, c.items, 77u).boxes, comp.boxes);
  }
}

TEST(PageComposer, FurtherBackIsHigherAndSmallerAndSizesKeepTheirProportions) {
  // A farmyard: ten cows and a chick. However the rows fall, a cow standing further back (its
  // feet higher on the page) is drawn smaller than one nearer, and the chick is far smaller
  // than any cow.
  QList<ComposerItem> items = itemsOf({{Zone::Ground, SizeClass::Big, 10}});
  for (ComposerItem& item : items) item.sprite = QSize(128, 100);
  ComposerItem chick;
  chick.zone = Zone::Ground;
  chick.size = SizeClass::Small;
  chick.sprite = QSize(100, 100);
  items << chick;
  const Composition c = PageComposer::compose(*Settings::find(QStringLiteral("farm")), items, 5u);
  ASSERT_TRUE(c.sound());
  int rowsSeen = 0;
  for (int i = 0; i < 10; ++i) {
    EXPECT_GT(c.boxes[i].width(), 2 * c.boxes[10].width()) << i;
    for (int j = 0; j < 10; ++j)
      if (c.boxes[i].bottom() < c.boxes[j].bottom() - 10) {
        EXPECT_LT(c.boxes[i].width(), c.boxes[j].width()) << i << " behind " << j;
        ++rowsSeen;
      }
  }
  EXPECT_GT(rowsSeen, 0);  // the cows did stand in more than one row
}

// Writes a source dictionary of one chapter with its own place table.
static void writeSource(const QString& folder, const QString& places, const QString& pages) {
  QDir().mkpath(folder + QStringLiteral("/chapters"));
  QFile p(folder + QStringLiteral("/places.txt"));
  ASSERT_TRUE(p.open(QIODevice::WriteOnly));
  p.write(places.toUtf8());
  p.close();
  QFile c(folder + QStringLiteral("/chapters/12.txt"));
  ASSERT_TRUE(c.open(QIODevice::WriteOnly));
  c.write(("chapter 12\nen: Animals\nfr: Les animaux\nru: Животные\nsp: Los animales\n"
           "icon: 🐄\n\n" +
           pages)
              .toUtf8());
}

static QString page(int code, const char* scene, const QStringList& emoji,
                    const QString& extra = {}) {
  QString text =
      QStringLiteral("page %1\nen: P%1\nfr: P%1 fr\nru: P%1 ру\nsp: P%1 sp\nscene: %2\n\n")
          .arg(code)
          .arg(QLatin1String(scene));
  for (const QString& e : emoji)
    text += QStringLiteral(
                "entry %1\nen: w | noun | D. | E.\nfr: le w | nom masculin | D. | E.\n"
                "ru: w | существительное | D. | E.\nsp: el w | sustantivo masculino | "
                "D. | E.\n%2\n")
                .arg(e, e == emoji.first() ? extra : QString());
  return text;
}

static QString build(const QString& source, const QString& target, int* exitCode) {
  QProcess p;
  p.start(QStringLiteral(ORVIK_BUILDDICT),
          {QStringLiteral("build"), source, target, QStringLiteral("--no-sounds")});
  EXPECT_TRUE(p.waitForFinished(120000));
  *exitCode = p.exitCode();
  return QString::fromUtf8(p.readAllStandardError());
}

TEST(Builder, RefusesObjectsOutOfPlaceOverlappingOrCutWithTheirFileAndLine) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString places = QStringLiteral("🐄 ground big\n🐟 water small\n🐤 ground small\n");

  // A cow asked for the sky, a fish on a kitchen page: both named at their own lines.
  const QString misplaced = tmp.path() + QStringLiteral("/misplaced");
  writeSource(
      misplaced, places,
      page(1201, "farm", {QStringLiteral("🐄")}, QStringLiteral("place: sky big")) +
          page(1202, "kitchen", {QStringLiteral("🐟")}) +
          page(1203, "street", {QStringLiteral("🐤")}, QStringLiteral("place: water small")));
  int code = 0;
  QString errors = build(misplaced, tmp.path() + QStringLiteral("/out1"), &code);
  EXPECT_NE(code, 0);
  EXPECT_TRUE(errors.contains(QStringLiteral("12.txt:20: '🐄' stands in the ground")) &&
              errors.contains(QStringLiteral("it cannot be placed in the sky")))
      << errors.toStdString();
  EXPECT_TRUE(errors.contains(QStringLiteral("12.txt:28: '🐟' stands in the water")) &&
              errors.contains(QStringLiteral("which the kitchen setting does not have")))
      << errors.toStdString();
  EXPECT_TRUE(errors.contains(QStringLiteral("12.txt:46: the street setting has no water")))
      << errors.toStdString();
  EXPECT_FALSE(QDir(tmp.path() + QStringLiteral("/out1")).exists());

  // A chick among sixty giants: the giants cannot be drawn small enough for the chick to be
  // pointed at beside them. Under a sky with birds they are pushed into the birds; on a street
  // with an ant they are pushed out over the page's top edge.
  QString crowdPlaces =
      places +
      QStringLiteral("🐜 ground tiny\n🐦 sky medium\n🕊️ sky medium\n🦅 sky medium\n");
  const char* const giants[] = {"👮", "👷", "💂", "🕵", "👩",    "👨", "🧑", "👧",    "👦",    "🧒",
                                "👱", "👴", "👵", "🧓", "🧔", "👲", "👳",    "🧕", "🤰", "🗼"};
  QStringList farmyard = {QStringLiteral("🐤"), QStringLiteral("🐦"), QStringLiteral("🕊️"),
                          QStringLiteral("🦅")};
  QStringList street = {QStringLiteral("🐜")};
  for (const char* giant : giants) {
    const QString c = QString::fromUtf8(giant);
    crowdPlaces += c + QStringLiteral(" ground huge\n");
    farmyard << c << c + QStringLiteral(" + 🐦@0.5,0.1,0.1")
             << c + QStringLiteral(" + 🐦@0.1,0.5,0.1");
    street << c + QStringLiteral(" + 🐤@0.1,0.1,0.1") << c + QStringLiteral(" + 🐜@0.9,0.1,0.1")
           << c + QStringLiteral(" + 🐜@0.1,0.9,0.1");
  }
  const QString full = tmp.path() + QStringLiteral("/full");
  writeSource(full, crowdPlaces, page(1201, "farm", farmyard) + page(1202, "street", street));
  errors = build(full, tmp.path() + QStringLiteral("/out2"), &code);
  EXPECT_NE(code, 0);
  EXPECT_TRUE(errors.contains(QRegularExpression(
      QStringLiteral("12\\.txt:\\d+: the spots of '.*' and '.*' \\(.*12\\.txt:\\d+\\) overlap: "
                     "page 1201"))))
      << errors.toStdString();
  EXPECT_TRUE(errors.contains(
      QRegularExpression(QStringLiteral("12\\.txt:\\d+: the object of 'w' is cut by the edge of "
                                        "page 1202"))))
      << errors.toStdString();
  EXPECT_FALSE(QDir(tmp.path() + QStringLiteral("/out2")).exists());
}
