#include "source_parser.h"

#include <gtest/gtest.h>

#include "picture_source.h"
#include "place_table.h"

using namespace builddict;

namespace {

const char kHeader[] =
    "chapter 4\n"
    "en: Food\nfr: La nourriture\nru: Еда\nsp: La comida\n"
    "icon: 🍎\n";

QString entry(const QString& emoji = QStringLiteral("🍎")) {
  return QStringLiteral(
             "entry %1\n"
             "en: apple | noun | A fruit. | I eat an apple.\n"
             "fr: la pomme | nom féminin | Un fruit. | Je mange une pomme.\n"
             "ru: яблоко | существительное | Плод. | Я ем яблоко.\n"
             "sp: la manzana | sustantivo femenino | Una fruta. | Como una manzana.\n")
      .arg(emoji);
}

QString page(int code, const QString& name) {
  return QStringLiteral("page %1\nen: %2\nfr: %2 fr\nru: %2 ру\nsp: %2 sp\n").arg(code).arg(name);
}

// Parses one chapter text and returns the first error ("" when none).
QString firstError(const QString& text) {
  SourceParser parser;
  parser.parseChapter(text, QStringLiteral("04.txt"));
  return parser.errors().value(0);
}

}  // namespace

TEST(SourceParser, ReadsChapterHeadingsPagesAndEntries) {
  const QString text = QString::fromUtf8(kHeader) + page(401, "Fruit") + entry() +
                       QStringLiteral("heading\nen: Veg\nfr: Légumes\nru: Овощи\nsp: Verduras\n") +
                       page(402, "Veg") + QStringLiteral("scene: kitchen   # a comment\n") +
                       entry() + entry(QStringLiteral("🥕"));
  SourceParser parser;
  const auto chapter = parser.parseChapter(text, QStringLiteral("04.txt"));
  ASSERT_TRUE(chapter) << parser.errors().join(u'\n').toStdString();
  EXPECT_EQ(chapter->code, 4);
  EXPECT_EQ(chapter->name[Ru], QStringLiteral("Еда"));
  ASSERT_EQ(chapter->pages.size(), 2);
  EXPECT_EQ(chapter->pages[0].subchapter, 0);
  EXPECT_EQ(chapter->pages[1].subchapter, 1);
  EXPECT_EQ(chapter->pages[1].scene, QStringLiteral("kitchen"));
  ASSERT_EQ(chapter->rows.size(), 3);
  EXPECT_FALSE(chapter->rows[0].heading);
  EXPECT_TRUE(chapter->rows[1].heading);
  EXPECT_EQ(chapter->rows[1].text[Fr], QStringLiteral("Légumes"));
  EXPECT_EQ(chapter->rows[2].page, 1);
  ASSERT_EQ(chapter->pages[1].entries.size(), 2);
  const SourceEntry& e = chapter->pages[1].entries[1];
  EXPECT_EQ(e.emoji, QStringLiteral("🥕"));
  EXPECT_EQ(e.text[Fr].headWord, QStringLiteral("la pomme"));
  EXPECT_EQ(e.text[Sp].wordClass, QStringLiteral("sustantivo femenino"));
  EXPECT_EQ(e.text[En].example, QStringLiteral("I eat an apple."));
  EXPECT_EQ(e.place.line, text.left(text.lastIndexOf(QStringLiteral("entry"))).count(u'\n') + 1);
}

TEST(SourceParser, ReportsProblemsWithFileAndLine) {
  const QString head = QString::fromUtf8(kHeader);
  const int pageLine = head.count(u'\n') + 1;
  // A page code of the wrong length for the chapter, on the page's line.
  EXPECT_EQ(firstError(head + page(4011, "Fruit") + entry()),
            QStringLiteral("04.txt:%1: a page code of chapter 4 has 3 digits").arg(pageLine));
  // Codes that do not rise.
  EXPECT_TRUE(firstError(head + page(402, "A") + entry() + page(401, "B") + entry())
                  .contains(QStringLiteral("page codes rise within a chapter")));
  // An entry line with three parts: reported on that line.
  QString bad = head + page(401, "Fruit") + entry();
  bad.replace(QStringLiteral("ru: яблоко | существительное | Плод. | Я ем яблоко."),
              QStringLiteral("ru: яблоко | существительное | Плод."));
  const int ruLine = bad.left(bad.indexOf(QStringLiteral("ru: яблоко"))).count(u'\n') + 1;
  EXPECT_TRUE(firstError(bad).startsWith(
      QStringLiteral("04.txt:%1: an entry line has four parts").arg(ruLine)))
      << firstError(bad).toStdString();
  // A missing language, reported at the block's first line.
  QString noSp = head + page(401, "Fruit") + entry();
  noSp.remove(
      QStringLiteral("sp: la manzana | sustantivo femenino | Una fruta. | Como una manzana.\n"));
  const int entryLine = noSp.left(noSp.indexOf(QStringLiteral("entry"))).count(u'\n') + 1;
  EXPECT_EQ(firstError(noSp), QStringLiteral("04.txt:%1: entry has no 'sp:' line").arg(entryLine));
  // Unknown scene, unknown keys, entries before a page, a file without its chapter line.
  EXPECT_TRUE(firstError(head + page(401, "F") + "scene: moon\n" + entry())
                  .contains(QStringLiteral("unknown scene 'moon'")));
  EXPECT_TRUE(firstError(head + page(401, "F") + "colour: #ffffff\n" + entry())
                  .contains(QStringLiteral("'colour:' belongs to a chapter")));
  EXPECT_TRUE(
      firstError(head + entry()).contains(QStringLiteral("an entry stands after its page")));
  EXPECT_EQ(firstError(page(401, "F")),
            QStringLiteral("04.txt:1: the file begins with 'chapter N'"));
  EXPECT_TRUE(firstError(head + page(401, "F")).contains(QStringLiteral("page 401 has no entry")));
  EXPECT_TRUE(firstError(QStringLiteral("chapter 16\n")).contains(QStringLiteral("1 to 15")));
  // A place with a zone no setting has, and a place given to a page.
  EXPECT_TRUE(firstError(head + page(401, "F") + entry() + "place: roof big\n")
                  .contains(QStringLiteral("'place:' takes a zone")));
  EXPECT_TRUE(firstError(head + page(401, "F") + "place: table small\n" + entry())
                  .contains(QStringLiteral("'place:' belongs to an entry")));
  // The older backdrop names are read as the settings that replaced them.
  SourceParser parser;
  const auto older = parser.parseChapter(head + page(401, "F") + "scene: room\n" + entry(),
                                         QStringLiteral("04.txt"));
  ASSERT_TRUE(older);
  EXPECT_EQ(older->pages[0].scene, QStringLiteral("livingroom"));
  // A place table line with an unknown size or an emoji placed twice.
  QHash<QString, PlaceDefault> places;
  QStringList errors;
  EXPECT_FALSE(
      PlaceTable::parse(QStringLiteral("🐄 ground big\n🐄️ ground huge\n🐤 ground wee\n"),
                        QStringLiteral("places.txt"), &places, &errors));
  EXPECT_EQ(errors.value(0),
            QStringLiteral("places.txt:2: '🐄️' is also placed at places.txt:1"));
  EXPECT_TRUE(errors.value(1).startsWith(QStringLiteral("places.txt:3: unknown size 'wee'")));
}

TEST(SourceParser, ChecksFiveDigitCodesAndRulesAcrossChapters) {
  EXPECT_TRUE(SourceParser::pageCodeProblem(12105, 5, 12).isEmpty());
  EXPECT_TRUE(SourceParser::pageCodeProblem(12115, 5, 12).isEmpty());
  EXPECT_FALSE(SourceParser::pageCodeProblem(12125, 5, 12).isEmpty());  // 4th digit 2
  EXPECT_FALSE(SourceParser::pageCodeProblem(12005, 5, 12).isEmpty());  // 3rd digit not 1
  EXPECT_FALSE(SourceParser::pageCodeProblem(10105, 5, 12).isEmpty());  // other chapter
  EXPECT_FALSE(SourceParser::pageCodeProblem(30105, 5, 3).isEmpty());   // chapters 1-9: 3 digits
  EXPECT_TRUE(SourceParser::pageCodeProblem(1204, 4, 12).isEmpty());

  SourceParser parser;
  SourceDictionary d;
  d.chapters << *parser.parseChapter(QString::fromUtf8(kHeader) + page(401, "Fruit") + entry(),
                                     QStringLiteral("04.txt"));
  QString other = QString::fromUtf8(kHeader);
  other.replace(QStringLiteral("chapter 4"), QStringLiteral("chapter 5"));
  d.chapters << *parser.parseChapter(other + page(501, "fruit") + entry(),
                                     QStringLiteral("05.txt"));
  ASSERT_TRUE(parser.errors().isEmpty());
  // The same page name in another case is still the same name.
  EXPECT_FALSE(parser.validate(d));
  EXPECT_TRUE(parser.errors().value(0).startsWith(QStringLiteral("05.txt:")));
  EXPECT_TRUE(parser.errors().value(0).contains(QStringLiteral("page name 'fruit'")));
}

TEST(SourceParser, NamesFoundByNameAreNotShared) {
  // A heading named like a page (of any chapter) would be found where the page is looked for.
  SourceParser parser;
  SourceDictionary d;
  d.chapters << *parser.parseChapter(QString::fromUtf8(kHeader) + page(401, "Fruit") + entry(),
                                     QStringLiteral("04.txt"));
  QString other = QString::fromUtf8(kHeader);
  other.replace(QStringLiteral("chapter 4"), QStringLiteral("chapter 5"));
  other.replace(QStringLiteral("en: Food"), QStringLiteral("en: Drink"));
  d.chapters << *parser.parseChapter(other +
                                         "heading\nen: FRUIT\nfr: Les fruits\nru: Фрукты\n"
                                         "sp: Las frutas\n" +
                                         page(501, "Juice") + entry(),
                                     QStringLiteral("05.txt"));
  ASSERT_TRUE(parser.errors().isEmpty()) << parser.errors().join(u'\n').toStdString();
  EXPECT_FALSE(parser.validate(d));
  // The other languages' chapter names are shared too ("La nourriture" twice).
  const QString all = parser.errors().join(u'\n');
  EXPECT_TRUE(all.contains(
      QStringLiteral("05.txt:7: the en heading 'FRUIT' has the name of the page at 04.txt:7")))
      << all.toStdString();
  EXPECT_TRUE(all.contains(
      QStringLiteral("05.txt:1: the fr chapter name 'La nourriture' is also used at 04.txt:1")))
      << all.toStdString();
  EXPECT_FALSE(all.contains(QStringLiteral("en chapter name"))) << all.toStdString();
}

TEST(SourceParser, ReadsTheFixtureFolder) {
  SourceParser parser;
  const auto d = parser.parseFolder(QStringLiteral(ORVIK_FIXTURE_SOURCE));
  ASSERT_TRUE(d) << parser.errors().join(u'\n').toStdString();
  ASSERT_EQ(d->chapters.size(), 3);
  EXPECT_EQ(d->chapters[2].code, 12);
  EXPECT_EQ(d->chapters[2].pages.last().code, 12105);
  int largest = 0, smallest = 100;
  for (const auto& c : d->chapters)
    for (const auto& p : c.pages)
      largest = std::max(largest, int(p.entries.size())),
      smallest = std::min(smallest, int(p.entries.size()));
  EXPECT_EQ(smallest, 1);
  EXPECT_GE(largest, 18);
}

TEST(SourceParser, ReadsComposedPicturesAndRefusesSharedOnes) {
  // The syntax: a base, parts placed on it, mirrored parts, parts at their default place.
  QString error;
  const QList<PicturePart> parts = PictureSource::parse(
      QStringLiteral("🌳 + 🍐@0.35,0.30,0.30 + 🧑‍🍳! + 🍐@0.6,0.4,0.28!"), &error);
  ASSERT_EQ(parts.size(), 4) << error.toStdString();
  EXPECT_EQ(parts[0].emoji, QStringLiteral("🌳"));
  EXPECT_EQ(parts[0].size, 1.0);
  EXPECT_DOUBLE_EQ(parts[1].x, 0.35);
  EXPECT_DOUBLE_EQ(parts[1].size, 0.30);
  EXPECT_EQ(parts[2].emoji, QStringLiteral("🧑‍🍳"));
  EXPECT_TRUE(parts[2].mirrored);
  EXPECT_DOUBLE_EQ(parts[2].x, PictureSource::kDefaultX);
  EXPECT_DOUBLE_EQ(parts[2].size, PictureSource::kDefaultSize);
  EXPECT_TRUE(parts[3].mirrored);
  EXPECT_FALSE(parts[1].mirrored);
  for (const char* bad : {"🌳@0.5,0.5,0.5 + 🍐", "🌳 + 🍐@1.2,0.5,0.3", "🌳 + 🍐@0.5,0.5", "🌳 + ",
                          "🌳 + pear", "🌳 + 🍐@0.5,0.5,0.01"}) {
    SCOPED_TRACE(bad);
    EXPECT_TRUE(PictureSource::parse(QString::fromUtf8(bad)).isEmpty());
  }
  // The same drawing however it is spelled; a mirrored picture is still the same picture.
  EXPECT_EQ(PictureSource::key(QStringLiteral("⚖️")), PictureSource::key(QStringLiteral("⚖")));
  EXPECT_EQ(PictureSource::key(QStringLiteral("🌳+🍐@0.35,0.3,0.3")),
            PictureSource::key(QStringLiteral("🌳 + 🍐!@0.350,0.30,0.30")));
  EXPECT_NE(PictureSource::key(QStringLiteral("🌳 + 🍐@0.35,0.3,0.3")),
            PictureSource::key(QStringLiteral("🌳 + 🍐@0.35,0.3,0.4")));

  // A bad composition is reported on its entry's line.
  const QString head = QString::fromUtf8(kHeader);
  const int entryLine = (head + page(401, "Fruit")).count(u'\n') + 1;
  EXPECT_EQ(firstError(head + page(401, "Fruit") + entry(QStringLiteral("🌳 + 🍐@2,0,0.3"))),
            QStringLiteral("04.txt:%1: part 2 of the picture '🌳 + 🍐@2,0,0.3' has the place "
                           "'@2,0,0.3'; write @x,y,size with x and y from 0 to 1 and size from "
                           "0.05 to 1.5")
                .arg(entryLine));

  // Two entries with one picture (one spelled with a variation selector, in another chapter):
  // refused, naming both entries where they stand, until one of them says why.
  auto dictionaryWith = [&](SourceParser& parser, const QString& sharedLine) {
    SourceDictionary d;
    d.chapters << *parser.parseChapter(
        head + page(401, "Fruit") + entry(QStringLiteral("⚖️")) + entry(QStringLiteral("🍐")),
        QStringLiteral("04.txt"));
    QString other = head;
    other.replace(QStringLiteral("chapter 4"), QStringLiteral("chapter 5"));
    other.replace(QStringLiteral("en: Food"), QStringLiteral("en: Law"));
    other.replace(QStringLiteral("fr: La nourriture"), QStringLiteral("fr: Le droit"));
    other.replace(QStringLiteral("ru: Еда"), QStringLiteral("ru: Право"));
    other.replace(QStringLiteral("sp: La comida"), QStringLiteral("sp: El derecho"));
    QString lawyer = entry(QStringLiteral("⚖"))
                         .replace(QStringLiteral("en: apple"), QStringLiteral("en: lawyer"));
    lawyer.insert(lawyer.indexOf(u'\n') + 1, sharedLine);
    d.chapters << *parser.parseChapter(other + page(501, "Court") + lawyer,
                                       QStringLiteral("05.txt"));
    return d;
  };
  {
    SourceParser parser;
    const SourceDictionary d = dictionaryWith(parser, QString());
    ASSERT_TRUE(parser.errors().isEmpty()) << parser.errors().join(u'\n').toStdString();
    EXPECT_FALSE(parser.validate(d));
    ASSERT_EQ(parser.errors().size(), 1) << parser.errors().join(u'\n').toStdString();
    EXPECT_TRUE(parser.errors()[0].startsWith(
        QStringLiteral("05.txt:%1: the entry 'lawyer' has the same picture '⚖' as the entry "
                       "'apple' at 04.txt:%2")
            .arg(entryLine)
            .arg(entryLine)))
        << parser.errors()[0].toStdString();
    // The previews draw such a dictionary and list the problem apart.
    SourceParser lenient;
    lenient.setSharedPicturesAllowed(true);
    EXPECT_TRUE(lenient.validate(dictionaryWith(lenient, QString())));
    EXPECT_EQ(lenient.warnings().size(), 1);
  }
  {
    SourceParser parser;
    const SourceDictionary d =
        dictionaryWith(parser, QStringLiteral("shared: the scales stand for the law\n"));
    ASSERT_TRUE(parser.errors().isEmpty()) << parser.errors().join(u'\n').toStdString();
    EXPECT_EQ(d.chapters[1].pages[0].entries[0].shared,
              QStringLiteral("the scales stand for the law"));
    EXPECT_TRUE(parser.validate(d)) << parser.errors().join(u'\n').toStdString();
  }
  EXPECT_TRUE(firstError(head + page(401, "F") + "shared: why\n" + entry())
                  .contains(QStringLiteral("'shared:' belongs to an entry")));
}
