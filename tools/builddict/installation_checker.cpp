#include "installation_checker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QTextDocument>
#include <memory>

#include "installation_builder.h"
#include "platform/database.h"
#include "platform/db_error.h"
#include "platform/rtf_reader.h"
#include "platform/table.h"
#include "schema/installation_keys.h"
#include "schema/schema.h"
#include "scrambled_bitmap.h"
#include "search_words.h"
#include "sound_names.h"
#include "source_dictionary.h"

namespace builddict {

namespace schema = orvik::schema;

namespace {

constexpr int kPageWidth = 325;
constexpr int kPageHeight = 490;
constexpr int kColumns = 65;
constexpr int kBands = 98;

QString toQString(std::string_view s) {
  return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

QList<QByteArray> allKeys() {
  QList<QByteArray> keys;
  for (std::string_view p : orvik::keys::kDataPasswords)
    keys << orvik::derivePasswordKey(toQString(p));
  keys << orvik::derivePasswordKey(toQString(orvik::keys::kChapterPicturePassword));
  keys << orvik::derivePasswordKey(toQString(orvik::keys::kLittlePagesPassword));
  return keys;
}

// What a table must hold: its fields (with the positions that are read by position marked by
// their place in the list) and its indexes.
struct Layout {
  QStringList fields;
  QList<int> positional;  // positions (0-based) whose field name must match
  QStringList indexes;
};

Layout layoutOf(const QString& file) {
  using namespace schema;
  if (file.startsWith(Chapter::kFilePrefix.view()))
    return {{kChapterCode, kChapterName},
            {Chapter::kChapterCodePosition, Chapter::kChapterNamePosition},
            {Chapter::kIndChptCode, Chapter::kIndChapter}};
  if (file.startsWith(PageName::kFilePrefix.view()))
    return {{kChapterCode, kSubchapter, kPageName, kPageCode},
            {PageName::kChapterCodePosition, PageName::kPageNamePosition},
            {PageName::kIndChptCode, PageName::kIndPgCd, PageName::kIndPgNm}};
  if (file.startsWith(WordName::kFilePrefix.view()))
    return {{kChapterCode, kPageCode, kOrder, kWordName, kWordMemo, kWordSound},
            {},
            {WordName::kIndPageOrder, WordName::kIndexPgWr}};
  if (file.startsWith(WordFind::kFilePrefix.view()))
    return {{kWord, kWordReal, kPageCode, kOrder, kChapterCode},
            {WordFind::kWordPosition},
            {WordFind::kIndFindWord, WordFind::kIndWordReal}};
  if (file == WrdPicture::kFile.view())
    return {{kPageCode, kOrder, kNumberWord, kStartPointX, kStartPointY, kWordPicture},
            {},
            {WrdPicture::kIndPageOrder}};
  if (file == PgePicture::kFile.view())
    return {{kChapterCode, kSubchapter, kPageCode, kPagePicture}, {}, {PgePicture::kIndexPgePct}};
  if (file == PctInfo::kFile.view()) {
    Layout l{{kPageCode}, {}, {PctInfo::kIndInfo}};
    for (int c = 1; c <= kColumns; ++c) l.fields << PctInfo::columnField(c);
    return l;
  }
  if (file == ChptPct::kFile.view())
    return {{kChapterCode, kChapterPicture, kPagePicture},
            {ChptPct::kChapterCodePosition},
            {ChptPct::kIndChapterCode}};
  return {{kChapterCode, kPageCode, kLittlePagePicture},
          {PctLittle::kChapterCodePosition},
          {PctLittle::kIndChapter, PctLittle::kIndPgCdFind}};
}

struct PageInfo {
  int chapter = 0;
  int code = 0;
  int entries = 0;
};

// Whether `word` stands in `text` as a whole word, letter case aside: the way the find window
// marks a found word in an article.
bool containsWholeWord(const QString& text, const QString& word) {
  if (word.isEmpty()) return false;
  for (qsizetype at = text.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
       at = text.indexOf(word, at + 1, Qt::CaseInsensitive)) {
    const qsizetype end = at + word.size();
    if ((at == 0 || !text[at - 1].isLetterOrNumber()) &&
        (end == text.size() || !text[end].isLetterOrNumber()))
      return true;
  }
  return false;
}

}  // namespace

void InstallationChecker::problem(const QString& text) {
  problems_ << text;
}

bool InstallationChecker::check(const QString& folder, bool demoRules) {
  problems_.clear();
  summary_ = {};
  try {
    checkTables(folder, demoRules);
  } catch (const orvik::DbError& e) {
    problem(QStringLiteral("table error: %1").arg(e.message()));
  }
  checkFiles(folder);
  return problems_.isEmpty();
}

void InstallationChecker::checkTables(const QString& folder, bool demoRules) {
  const QList<QByteArray> keys = allKeys();
  QHash<QString, std::shared_ptr<orvik::Table>> tables;
  auto open = [&](const QString& relative) -> std::shared_ptr<orvik::Table> {
    const QString file = QFileInfo(relative).fileName();
    auto table = std::make_shared<orvik::Table>(nullptr);
    table->setTableName(folder + u'/' + relative);
    table->setPasswords(keys);
    try {
      table->open();
    } catch (const orvik::DbError& e) {
      problem(QStringLiteral("%1: does not open: %2").arg(relative, e.message()));
      return nullptr;
    }
    const Layout layout = layoutOf(file);
    const QStringList fields = table->fieldNames();
    for (const QString& f : layout.fields)
      if (table->fieldIndex(f) < 0) problem(QStringLiteral("%1: no field %2").arg(relative, f));
    for (int pos : layout.positional)
      if (pos >= fields.size() || fields[pos].compare(layout.fields[pos], Qt::CaseInsensitive))
        problem(QStringLiteral("%1: field %2 is not %3")
                    .arg(relative)
                    .arg(pos + 1)
                    .arg(layout.fields[pos]));
    const QStringList indexes = table->indexNames();
    for (const QString& i : layout.indexes)
      if (!indexes.contains(i, Qt::CaseInsensitive))
        problem(QStringLiteral("%1: no index %2").arg(relative, i));
    tables.insert(file, table);
    return table;
  };
  const QString db = schema::kDataFolder + u'/';
  QStringList files = {schema::WrdPicture::kFile, schema::PgePicture::kFile,
                       schema::PctInfo::kFile};
  for (int l = 0; l < kLanguageCount; ++l)
    for (schema::Name kind : {schema::Chapter::kFilePrefix, schema::PageName::kFilePrefix,
                              schema::WordName::kFilePrefix, schema::WordFind::kFilePrefix})
      files << schema::languageFile(kind, languageCode(l));
  bool allOpen = true;
  for (const QString& f : files) allOpen = open(db + f) != nullptr && allOpen;
  const QString pictures = schema::kPictureFolder + u'/';
  allOpen = open(pictures + schema::ChptPct::kFile) != nullptr && allOpen;
  allOpen = open(pictures + schema::PctLittle::kFile) != nullptr && allOpen;
  if (!allOpen || !problems_.isEmpty()) return;

  // Pages in the order of the next-page command.
  QList<PageInfo> pages;
  QHash<int, int> pageAt;  // page code -> index in pages
  QSet<int> chapters;
  {
    auto& t = *tables[schema::PgePicture::kFile];
    t.setIndexName(schema::PgePicture::kIndexPgePct);
    for (t.first(); !t.eof(); t.next()) {
      const int code = t.intValue(schema::kPageCode);
      if (code == 0 || pageAt.contains(code))
        problem(QStringLiteral("PgePct: page code %1 "
                               "is 0 or repeated")
                    .arg(code));
      pageAt.insert(code, int(pages.size()));
      pages << PageInfo{t.intValue(schema::kChapterCode), code, 0};
      chapters.insert(pages.last().chapter);
      const QImage picture = t.image(schema::kPagePicture);
      if (picture.size() != QSize(kPageWidth, kPageHeight))
        problem(QStringLiteral("page %1: its picture is %2 by %3, not 325 by 490")
                    .arg(code)
                    .arg(picture.width())
                    .arg(picture.height()));
    }
  }
  summary_.pages = int(pages.size());
  summary_.chapters = int(chapters.size());

  // Entry places and highlights.
  QSet<QPair<int, int>> entries;
  QHash<QPair<int, int>, QRect> highlightAt;
  {
    auto& t = *tables[schema::WrdPicture::kFile];
    t.setIndexName(schema::WrdPicture::kIndPageOrder);
    int lastPage = -1, expected = 1;
    for (t.first(); !t.eof(); t.next()) {
      const int page = t.intValue(schema::kPageCode);
      const int order = t.intValue(schema::kOrder);
      if (page != lastPage) lastPage = page, expected = 1;
      if (!pageAt.contains(page)) {
        problem(QStringLiteral("WrdPct: entry %1/%2 has no page").arg(page).arg(order));
      } else {
        pages[pageAt[page]].entries = std::max(pages[pageAt[page]].entries, order);
      }
      if (order != expected)
        problem(QStringLiteral("page %1: entry %2 follows where %3 was due")
                    .arg(page)
                    .arg(order)
                    .arg(expected));
      ++expected;
      entries.insert({page, order});
      const QImage h = t.image(schema::kWordPicture);
      const QRect r(t.intValue(schema::kStartPointX), t.intValue(schema::kStartPointY), h.width(),
                    h.height());
      highlightAt.insert({page, order}, r);
      if (h.isNull() || !QRect(0, 0, kPageWidth, kPageHeight).contains(r))
        problem(QStringLiteral("page %1 entry %2: highlight %3,%4 %5x%6 is not inside the page")
                    .arg(page)
                    .arg(order)
                    .arg(r.x())
                    .arg(r.y())
                    .arg(r.width())
                    .arg(r.height()));
    }
    // NumberWord is the page's entry count on every row.
    for (t.first(); !t.eof(); t.next()) {
      const int page = t.intValue(schema::kPageCode);
      if (pageAt.contains(page) && t.intValue(schema::kNumberWord) != pages[pageAt[page]].entries)
        problem(QStringLiteral("page %1: NumberWord %2 but %3 entries")
                    .arg(page)
                    .arg(t.intValue(schema::kNumberWord))
                    .arg(pages[pageAt[page]].entries));
    }
  }
  summary_.entries = int(entries.size());
  for (const PageInfo& p : pages)
    if (p.entries == 0) problem(QStringLiteral("page %1 has no entries").arg(p.code));

  // Hit maps.
  {
    auto& t = *tables[schema::PctInfo::kFile];
    t.setIndexName(schema::PctInfo::kIndInfo);
    QHash<int, QList<int>> counts;  // page -> cells per order
    QHash<int, int> bands;
    for (t.first(); !t.eof(); t.next()) {
      const int page = t.intValue(schema::kPageCode);
      const int band = t.intValue(schema::kBand);
      if (!pageAt.contains(page)) {
        problem(QStringLiteral("PctInfo: band %1 of unknown page %2").arg(band).arg(page));
        continue;
      }
      const int n = pages[pageAt[page]].entries;
      if (band != ++bands[page])
        problem(QStringLiteral("page %1: hit-map band %2 where %3 was due")
                    .arg(page)
                    .arg(band)
                    .arg(bands[page]));
      QList<int>& c = counts[page];
      if (c.isEmpty()) c.fill(0, n + 1);
      for (int col = 1; col <= kColumns; ++col) {
        const int v = t.intValue(QString::number(col));
        if (v < 0 || v > n)
          problem(QStringLiteral("page %1 band %2 column %3: entry %4 of %5")
                      .arg(page)
                      .arg(band)
                      .arg(col)
                      .arg(v)
                      .arg(n));
        else
          ++c[v];
        // Pointing at a spot lights up that entry's highlight, so the spot lies under it.
        const QRect cell((col - 1) * 5, (band - 1) * 5, 5, 5);
        if (v > 0 && !highlightAt.value({page, v}).contains(cell))
          problem(QStringLiteral("page %1 band %2 column %3: entry %4 lies outside its highlight")
                      .arg(page)
                      .arg(band)
                      .arg(col)
                      .arg(v));
      }
    }
    for (const PageInfo& p : pages) {
      if (bands.value(p.code) != kBands)
        problem(QStringLiteral("page %1: %2 hit-map bands, not 98")
                    .arg(p.code)
                    .arg(bands.value(p.code)));
      const QList<int> c = counts.value(p.code);
      for (int order = 1; order <= p.entries; ++order)
        if (order >= c.size() || c[order] == 0)
          problem(
              QStringLiteral("page %1: the hit map never names entry %2").arg(p.code).arg(order));
    }
  }

  // Language tables.
  const bool sounds = !QFile::exists(folder + u'/' + QLatin1String(kNoSoundsMarker));
  summary_.sounds = sounds;
  auto soundExists = [&](int l, const QString& rest) {
    ++summary_.soundFiles;
    const QString path = folder + QStringLiteral("/Sound/") + languageCode(l) + u'/' + rest;
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() <= 44)
      problem(QStringLiteral("missing sound %1").arg(path));
  };
  QList<int> pageListOrder;  // pages of the English page list, in list order
  QList<int> nextPageOrder;  // pages in the order of the next-page command
  for (const PageInfo& p : pages) nextPageOrder << p.code;
  QHash<QPair<int, int>, QString> articleText;  // plain text of each entry's article
  for (int l = 0; l < kLanguageCount; ++l) {
    const QString code = languageCode(l);
    auto& names = *tables[schema::Chapter::file(code)];
    names.setIndexName(schema::Chapter::kIndChptCode);
    QSet<int> named;
    for (names.first(); !names.eof(); names.next()) {
      const int c = names.intValue(schema::Chapter::kChapterCodePosition);
      named.insert(c);
      if (names.textValue(schema::Chapter::kChapterNamePosition).trimmed().isEmpty())
        problem(QStringLiteral("ChptNm%1: chapter %2 has no name").arg(code).arg(c));
      if (sounds)
        soundExists(l, QStringLiteral("Chpg/") + chapterSoundName(c) + QStringLiteral(".wav"));
    }
    if (named != chapters)
      problem(QStringLiteral("ChptNm%1: the chapters differ from the pages' chapters").arg(code));

    auto& list = *tables[schema::PageName::file(code)];
    list.setIndexName(schema::PageName::kIndChptCode);
    QHash<QString, int> pageNames;
    QSet<int> listed;
    QList<int> listOrder;
    QStringList headings;
    for (list.first(); !list.eof(); list.next()) {
      const int page = list.intValue(schema::kPageCode);
      const QString name = list.textValue(schema::PageName::kPageNamePosition);
      if (page == 0) headings << name.trimmed().toCaseFolded();
      if (page != 0) {
        listOrder << page;
        if (!pageAt.contains(page))
          problem(QStringLiteral("PgeNm%1: page %2 has no picture").arg(code).arg(page));
        else if (pages[pageAt[page]].chapter !=
                 list.intValue(schema::PageName::kChapterCodePosition))
          problem(
              QStringLiteral("PgeNm%1: page %2 is listed in another chapter").arg(code).arg(page));
        const QString key = name.trimmed().toCaseFolded();
        if (pageNames.contains(key))
          problem(QStringLiteral("PgeNm%1: page name \"%2\" used by pages %3 and %4")
                      .arg(code, name)
                      .arg(pageNames[key])
                      .arg(page));
        pageNames.insert(key, page);
        listed.insert(page);
        if (l == 0) pageListOrder << page;
        if (sounds)
          soundExists(l, QStringLiteral("Chpg/") + pageSoundName(page) + QStringLiteral(".wav"));
      }
    }
    if (listed.size() != pages.size())
      problem(QStringLiteral("PgeNm%1: lists %2 of %3 pages")
                  .arg(code)
                  .arg(listed.size())
                  .arg(pages.size()));
    // The next-page command walks the pages in the order the page lists show them.
    if (listed.size() == pages.size() && listOrder != nextPageOrder)
      problem(QStringLiteral("PgeNm%1: the page lists and IndexPgePct order the pages differently")
                  .arg(code));
    // A page is found by its name: a heading of the same name would be found instead.
    for (const QString& heading : headings)
      if (pageNames.contains(heading))
        problem(QStringLiteral("PgeNm%1: heading \"%2\" has the name of page %3")
                    .arg(code, heading)
                    .arg(pageNames[heading]));

    auto& words = *tables[schema::WordName::file(code)];
    words.setIndexName(schema::WordName::kIndPageOrder);
    articleText.clear();
    QSet<QString> soundNames;
    QSet<QPair<int, int>> seen;
    for (words.first(); !words.eof(); words.next()) {
      const int page = words.intValue(schema::kPageCode);
      const int order = words.intValue(schema::kOrder);
      seen.insert({page, order});
      const QString sound = words.textValue(schema::kWordSound);
      if (soundNames.contains(sound))
        problem(QStringLiteral("WrdNm%1: sound name %2 repeated").arg(code, sound));
      soundNames.insert(sound);
      if (sound != entrySoundName(page, order))
        problem(QStringLiteral("WrdNm%1: entry %2/%3 has sound name %4")
                    .arg(code)
                    .arg(page)
                    .arg(order)
                    .arg(sound));
      // The article must read as complete rich text through the program's own reader and open
      // with its head word.
      QTextDocument article;
      const QByteArray memo = words.memo(schema::kWordMemo);
      const bool complete = RtfReader::read(memo, &article);
      articleText.insert({page, order}, article.toPlainText());
      // The panes rewrite the standard size "\fs18" to their own font size.
      if (!memo.contains("\\fs18"))
        problem(QStringLiteral("WrdNm%1: entry %2/%3 has no standard size \\fs18")
                    .arg(code)
                    .arg(page)
                    .arg(order));
      if (!complete ||
          !article.toPlainText().startsWith(words.textValue(schema::kWordName).trimmed()))
        problem(QStringLiteral("WrdNm%1: entry %2/%3 has no readable article opening with its "
                               "head word")
                    .arg(code)
                    .arg(page)
                    .arg(order));
      if (words.textValue(schema::kWordName).trimmed().isEmpty())
        problem(
            QStringLiteral("WrdNm%1: entry %2/%3 has no head word").arg(code).arg(page).arg(order));
      if (sounds)
        soundExists(l, QString::number(words.intValue(schema::kChapterCode)) + u'/' + sound +
                           QStringLiteral(".wav"));
    }
    if (seen != entries)
      problem(QStringLiteral("WrdNm%1: its entries differ from the entry places").arg(code));

    auto& find = *tables[schema::WordFind::file(code)];
    find.setIndexName(QString());
    QStringList allWords;
    for (find.first(); !find.eof(); find.next())
      allWords << find.textValue(schema::WordFind::kWordPosition).trimmed();
    const QHash<QString, int> rank = searchWordRanks(allWords, l);
    QSet<QString> finished;
    QSet<QPair<int, int>> findable;
    QString previous;
    int rows = 0;
    // Within a word: the entry's place in the next-page order, then its order on the page.
    QPair<int, int> previousEntryPlace{-1, -1};
    for (find.first(); !find.eof(); find.next()) {
      ++rows;
      const QString word = find.textValue(schema::WordFind::kWordPosition).trimmed();
      const QPair<int, int> entry{find.intValue(schema::kPageCode), find.intValue(schema::kOrder)};
      const QPair<int, int> place{int(nextPageOrder.indexOf(entry.first)), entry.second};
      if (word != previous) {
        if (finished.contains(word))
          problem(QStringLiteral("WrdFind%1: rows of \"%2\" are not together").arg(code, word));
        else if (rows > 1 && rank.value(word) < rank.value(previous))
          problem(QStringLiteral("WrdFind%1: \"%2\" stands after \"%3\" out of alphabetical "
                                 "order")
                      .arg(code, word, previous));
        finished.insert(previous);
        previous = word;
      } else if (place < previousEntryPlace) {
        problem(QStringLiteral("WrdFind%1: the entries of \"%2\" are not in page order")
                    .arg(code, word));
      }
      previousEntryPlace = place;
      if (!entries.contains(entry)) {
        problem(QStringLiteral("WrdFind%1: \"%2\" names no entry").arg(code, word));
        continue;
      }
      findable.insert(entry);
      if (find.intValue(schema::kChapterCode) != pages[pageAt[entry.first]].chapter)
        problem(QStringLiteral("WrdFind%1: \"%2\" gives entry %3/%4 the wrong chapter")
                    .arg(code, word)
                    .arg(entry.first)
                    .arg(entry.second));
      // The find window marks WordReal in the entry's article: it must stand there.
      const QString real = find.textValue(schema::kWordReal).trimmed();
      if (!containsWholeWord(articleText.value(entry), real))
        problem(QStringLiteral("WrdFind%1: \"%2\" is not written in the article of entry %3/%4")
                    .arg(code, real)
                    .arg(entry.first)
                    .arg(entry.second));
    }
    for (const QPair<int, int>& entry : entries)
      if (!findable.contains(entry))
        problem(QStringLiteral("WrdFind%1: entry %2/%3 cannot be found by any word")
                    .arg(code)
                    .arg(entry.first)
                    .arg(entry.second));
    if (rows == 0 && !entries.isEmpty()) problem(QStringLiteral("WrdFind%1 is empty").arg(code));
    summary_.searchRows += rows;
  }

  // Chapter pictures and small pictures.
  {
    auto& t = *tables[schema::ChptPct::kFile];
    t.setIndexName(schema::ChptPct::kIndChapterCode);
    QSet<int> pictured;
    for (t.first(); !t.eof(); t.next()) {
      pictured.insert(t.intValue(schema::ChptPct::kChapterCodePosition));
      for (schema::Name f : {schema::kChapterPicture, schema::kPagePicture})
        if (t.image(f).size() != QSize(319, 513))
          problem(QStringLiteral("ChptPct: chapter %1's %2 is not 319 by 513")
                      .arg(t.intValue(schema::ChptPct::kChapterCodePosition))
                      .arg(f.view()));
    }
    if (pictured != chapters) problem(QStringLiteral("ChptPct: not one row per chapter"));
  }
  {
    auto& t = *tables[schema::PctLittle::kFile];
    t.setIndexName(schema::PctLittle::kIndChapter);
    QList<int> order;
    for (t.first(); !t.eof(); t.next()) {
      order << t.intValue(schema::kPageCode);
      if (t.image(schema::kLittlePagePicture).size() != QSize(66, 100))
        problem(
            QStringLiteral("LittlePages: page %1's picture is not 66 by 100").arg(order.last()));
    }
    if (order != pageListOrder)
      problem(QStringLiteral("LittlePages: IndChapter does not follow the page lists"));
  }

  if (demoRules) {
    if (chapters.size() != 15)
      problem(QStringLiteral("demo: %1 chapters, not 15").arg(chapters.size()));
    if (pages.size() < 80)
      problem(QStringLiteral("demo: %1 pages, fewer than 80").arg(pages.size()));
    if (entries.size() < 1000)
      problem(QStringLiteral("demo: %1 entries, fewer than 1000").arg(entries.size()));
    int largest = 0;
    for (const PageInfo& p : pages) {
      largest = std::max(largest, p.entries);
      if (p.entries < 6 || p.entries > 20)
        problem(
            QStringLiteral("demo: page %1 has %2 entries, not 6 to 20").arg(p.code).arg(p.entries));
    }
    if (largest < 18) problem(QStringLiteral("demo: no page has 18 entries or more"));
  }
}

void InstallationChecker::checkFiles(const QString& folder) {
  for (const auto& file : orvik::keys::kScrambledFiles) {
    const QString name = toQString(file.name);
    const QString path = folder + u'/' + name;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
      problem(QStringLiteral("%1: missing").arg(name));
      continue;
    }
    QByteArray bytes = f.readAll();
    if (quint32(bytes.size()) != orvik::keys::headerFileSize(file.headerKind))
      problem(QStringLiteral("%1: %2 bytes, not %3")
                  .arg(name)
                  .arg(bytes.size())
                  .arg(orvik::keys::headerFileSize(file.headerKind)));
    if (QFileInfo(path).permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther))
      problem(QStringLiteral("%1: not read-only").arg(name));
    xorHeader(bytes, file.key);
    QImage picture;
    if (!bytes.startsWith("BM") || !picture.loadFromData(bytes, "BMP"))
      problem(QStringLiteral("%1: does not unscramble into a bitmap").arg(name));
  }
  for (const char* wav : {"1.wav", "2.wav"})
    if (QFileInfo(folder + u'/' + QLatin1String(wav)).size() <= 44)
      problem(QStringLiteral("%1: missing").arg(QLatin1String(wav)));
  const QImage logo(folder + u'/' + QLatin1String(kLogoFile));
  if (logo.size() != QSize(451, 66))
    problem(QStringLiteral("%1: missing or not 451 by 66").arg(QLatin1String(kLogoFile)));
}

}  // namespace builddict
