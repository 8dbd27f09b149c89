#include "installation_builder.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <memory>

#include "article_rtf.h"
#include "emoji_painter.h"
#include "interface_artist.h"
#include "page_artist.h"
#include "platform/db_error.h"
#include "platform/table_writer.h"
#include "schema/installation_keys.h"
#include "schema/schema.h"
#include "scrambled_bitmap.h"
#include "search_words.h"
#include "sound_builder.h"
#include "sound_names.h"

namespace builddict {

using orvik::FieldDef;
using orvik::FieldType;
using orvik::IndexDef;
using orvik::TableWriter;
namespace schema = orvik::schema;

namespace {

QString toQString(std::string_view s) {
  return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// A writer for a table of the data folder, keyed with that file's password.
std::unique_ptr<TableWriter> dataTable(const QString& folder, const QString& file,
                                       QList<FieldDef> fields, QList<IndexDef> indexes) {
  const std::string name = file.toStdString();
  return std::make_unique<TableWriter>(folder + u'/' + file,
                                       toQString(orvik::keys::dataPasswordFor(name)),
                                       std::move(fields), std::move(indexes));
}

FieldDef integer(const QString& name) {
  return {name, FieldType::Integer};
}
FieldDef text(const QString& name) {
  return {name, FieldType::Text};
}
FieldDef graphic(const QString& name) {
  return {name, FieldType::Graphic};
}
FieldDef memo(const QString& name) {
  return {name, FieldType::Memo};
}
IndexDef index(const QString& name, QStringList fields) {
  return {name, std::move(fields)};
}

bool removeTree(const QString& path) {
  QDir dir(path);
  if (!dir.exists()) return true;
  // Read-only files left by an earlier build are made writable first.
  QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString f = it.next();
    QFile::setPermissions(f, QFile::permissions(f) | QFile::WriteOwner);
  }
  return dir.removeRecursively();
}

struct SearchRow {
  QString word, wordReal;
  int pageRank, pageCode, order, chapterCode;
};

}  // namespace

bool InstallationBuilder::build(const SourceDictionary& dictionary, const QString& folder,
                                const BuildOptions& options, QString* error) {
  QElapsedTimer timer;
  timer.start();
  auto fail = [error](const QString& message) {
    if (error) *error = message;
    return false;
  };
  if (!EmojiPainter::fontAvailable())
    return fail(
        QStringLiteral("the \"Noto Color Emoji\" font is not installed "
                       "(package fonts-noto-color-emoji)"));
  if (options.sounds && !SoundBuilder::speakerAvailable())
    return fail(QStringLiteral("espeak-ng is not installed (or build with --no-sounds)"));

  EmojiPainter emoji;
  // Every object must draw something, or its entry could not be pointed at.
  for (const SourceChapter& chapter : dictionary.chapters) {
    if (emoji.sprite(chapter.icon).isNull())
      return fail(QStringLiteral("%1: the icon '%2' draws nothing in the emoji font")
                      .arg(chapter.place.toString(), chapter.icon));
    for (const SourcePage& page : chapter.pages)
      for (const SourceEntry& entry : page.entries)
        if (emoji.sprite(entry.emoji).isNull())
          return fail(QStringLiteral("%1: the picture '%2' (or one of its parts) draws nothing in "
                                     "the emoji font")
                          .arg(entry.place.toString(), entry.emoji));
  }

  // Every page is laid out before anything is written: a page whose objects cannot all stand
  // in their places, apart and whole, is refused with the entries concerned.
  {
    PageArtist artist(&emoji);
    QStringList problems;
    for (const SourceChapter& chapter : dictionary.chapters)
      for (const SourcePage& page : chapter.pages)
        problems << PageArtist::problems(page, artist.compose(page, dictionary.places));
    if (!problems.isEmpty()) return fail(problems.join(u'\n'));
  }

  const QString dataFolder = folder + u'/' + schema::kDataFolder;
  const QString pictureFolder = folder + u'/' + schema::kPictureFolder;
  const QString soundFolder = folder + QStringLiteral("/Sound");
  if (!QDir().mkpath(folder)) return fail(QStringLiteral("%1: cannot be created").arg(folder));
  // Spoken sounds are kept from the last build and only spoken again where their text changed.
  QStringList replaced = {dataFolder, pictureFolder};
  if (!options.sounds) replaced << soundFolder;
  for (const QString& sub : replaced)
    if (!removeTree(sub)) return fail(QStringLiteral("%1: cannot be replaced").arg(sub));
  QDir().mkpath(dataFolder);
  QDir().mkpath(pictureFolder);

  try {
    // Chapter names and page lists.
    say(QStringLiteral("Writing chapter names and page lists"));
    for (int l = 0; l < kLanguageCount; ++l) {
      // The program reads ChapterName as the second field and PageName as the third.
      auto chapters = dataTable(dataFolder, schema::Chapter::file(languageCode(l)),
                                {integer(schema::kChapterCode), text(schema::kChapterName)},
                                {index(schema::Chapter::kIndChptCode, {schema::kChapterCode}),
                                 index(schema::Chapter::kIndChapter, {schema::kChapterName})});
      auto pages = dataTable(dataFolder, schema::PageName::file(languageCode(l)),
                             {integer(schema::kChapterCode), integer(schema::kSubchapter),
                              text(schema::kPageName), integer(schema::kPageCode)},
                             {index(schema::PageName::kIndChptCode, {schema::kChapterCode}),
                              index(schema::PageName::kIndPgCd, {schema::kPageCode}),
                              index(schema::PageName::kIndPgNm, {schema::kPageName})});
      for (const SourceChapter& chapter : dictionary.chapters) {
        chapters->append({chapter.code, chapter.name[l]});
        for (const PageListRow& row : chapter.rows) {
          if (row.heading)
            pages->append({chapter.code, row.subchapter, row.text[l], 0});
          else {
            const SourcePage& page = chapter.pages[row.page];
            pages->append({chapter.code, page.subchapter, page.name[l], page.code});
          }
        }
      }
      chapters->finish();
      pages->finish();
    }

    // Articles and search tables.
    say(QStringLiteral("Writing articles and search tables"));
    for (int l = 0; l < kLanguageCount; ++l) {
      auto articles = dataTable(
          dataFolder, schema::WordName::file(languageCode(l)),
          {integer(schema::kChapterCode), integer(schema::kPageCode), integer(schema::kOrder),
           text(schema::kWordName), memo(schema::kWordMemo), text(schema::kWordSound)},
          {index(schema::WordName::kIndPageOrder, {schema::kPageCode, schema::kOrder}),
           index(schema::WordName::kIndexPgWr, {schema::kPageCode, schema::kWordName})});
      QList<SearchRow> search;
      int pageRank = 0;
      for (const SourceChapter& chapter : dictionary.chapters)
        for (const SourcePage& page : chapter.pages) {
          for (int i = 0; i < page.entries.size(); ++i) {
            const EntryText& t = page.entries[i].text[l];
            articles->append({chapter.code, page.code, i + 1, t.headWord, articleRtf(t, l),
                              entrySoundName(page.code, i + 1)});
            for (const SearchWord& w : searchWords(t.headWord, l))
              search << SearchRow{w.word, w.wordReal, pageRank, page.code, i + 1, chapter.code};
          }
          ++pageRank;
        }
      articles->finish();
      // Primary order: the words alphabetically, as the English and Russian word lists show
      // them; equal words stand together, and within a word the entries follow the page order
      // (the order of the find window's results).
      QStringList words;
      for (const SearchRow& r : search) words << r.word;
      const QHash<QString, int> rank = searchWordRanks(words, l);
      std::stable_sort(search.begin(), search.end(),
                       [&rank](const SearchRow& a, const SearchRow& b) {
                         const int ra = rank.value(a.word), rb = rank.value(b.word);
                         if (ra != rb) return ra < rb;
                         if (a.pageRank != b.pageRank) return a.pageRank < b.pageRank;
                         return a.order < b.order;
                       });
      auto find =
          dataTable(dataFolder, schema::WordFind::file(languageCode(l)),
                    {text(schema::kWord), text(schema::kWordReal), integer(schema::kPageCode),
                     integer(schema::kOrder), integer(schema::kChapterCode)},
                    {index(schema::WordFind::kIndFindWord, {schema::kWord}),
                     index(schema::WordFind::kIndWordReal,
                           {schema::kPageCode, schema::kOrder, schema::kWord})});
      for (const SearchRow& r : search)
        find->append({r.word, r.wordReal, r.pageCode, r.order, r.chapterCode});
      find->finish();
    }

    // Pages: pictures, entry places with their highlights, hit maps, small pictures.
    say(QStringLiteral("Drawing %1 pages").arg(dictionary.pageCount()));
    auto pagePictures =
        dataTable(dataFolder, schema::PgePicture::kFile,
                  {integer(schema::kChapterCode), integer(schema::kSubchapter),
                   integer(schema::kPageCode), graphic(schema::kPagePicture)},
                  {index(schema::PgePicture::kIndexPgePct,
                         {schema::kChapterCode, schema::kSubchapter, schema::kPageCode})});
    auto places =
        dataTable(dataFolder, schema::WrdPicture::kFile,
                  {integer(schema::kPageCode), integer(schema::kOrder),
                   integer(schema::kNumberWord), integer(schema::kStartPointX),
                   integer(schema::kStartPointY), graphic(schema::kWordPicture)},
                  {index(schema::WrdPicture::kIndPageOrder, {schema::kPageCode, schema::kOrder})});
    QList<FieldDef> infoFields = {integer(schema::kPageCode), integer(schema::kBand)};
    const int columns = PageArtist::kWidth / HitMap::kCell;
    for (int c = 1; c <= columns; ++c) infoFields << integer(schema::PctInfo::columnField(c));
    auto hitMaps =
        dataTable(dataFolder, schema::PctInfo::kFile, infoFields,
                  {index(schema::PctInfo::kIndInfo, {schema::kPageCode, schema::kBand})});
    auto little = std::make_unique<TableWriter>(
        pictureFolder + u'/' + schema::PctLittle::kFile,
        toQString(orvik::keys::kLittlePagesPassword),
        QList<FieldDef>{integer(schema::kChapterCode), integer(schema::kPageCode),
                        graphic(schema::kLittlePagePicture)},
        QList<IndexDef>{index(schema::PctLittle::kIndChapter, {schema::kChapterCode}),
                        index(schema::PctLittle::kIndPgCdFind, {schema::kPageCode})});
    PageArtist artist(&emoji);
    int drawn = 0;
    for (const SourceChapter& chapter : dictionary.chapters)
      for (const SourcePage& page : chapter.pages) {
        const PageArt art = artist.draw(page, chapter.colour, dictionary.places);
        pagePictures->append({chapter.code, page.subchapter, page.code, art.picture});
        const int n = int(page.entries.size());
        for (int i = 0; i < n; ++i)
          places->append({page.code, i + 1, n, art.highlightAt[i].x(), art.highlightAt[i].y(),
                          art.highlights[i]});
        for (int band = 0; band < art.hitMap.bands(); ++band) {
          QVariantList row = {page.code, band + 1};
          for (int c = 0; c < art.hitMap.columns(); ++c) row << art.hitMap.at(c, band);
          hitMaps->append(row);
        }
        little->append({chapter.code, page.code,
                        art.picture.scaled(InterfaceArtist::kLittlePage, Qt::IgnoreAspectRatio,
                                           Qt::SmoothTransformation)});
        if (++drawn % 10 == 0) say(QStringLiteral("  %1 pages drawn").arg(drawn));
      }
    pagePictures->finish();
    places->finish();
    hitMaps->finish();
    little->finish();

    // Chapter pictures.
    say(QStringLiteral("Drawing chapter pictures"));
    InterfaceArtist interface(&emoji);
    TableWriter chapterPictures(pictureFolder + u'/' + schema::ChptPct::kFile,
                                toQString(orvik::keys::kChapterPicturePassword),
                                {integer(schema::kChapterCode), graphic(schema::kChapterPicture),
                                 graphic(schema::kPagePicture)},
                                {index(schema::ChptPct::kIndChapterCode, {schema::kChapterCode})});
    for (const SourceChapter& chapter : dictionary.chapters)
      chapterPictures.append({chapter.code, interface.chapterPicture(chapter),
                              interface.chapterPagesPicture(chapter)});
    chapterPictures.finish();

    // Scrambled pictures and the logo.
    say(QStringLiteral("Writing the splash, backgrounds, language frames and logo"));
    for (const auto& file : orvik::keys::kScrambledFiles) {
      const QString name = toQString(file.name);
      QImage picture;
      if (name == u"fsls.ori")
        picture = interface.splash(dictionary);
      else if (name == u"fchpt.ori")
        picture = interface.background(true);
      else if (name == u"fbsh.ori")
        picture = interface.background(false);
      else
        picture = interface.languageFrame(name.mid(3, 1).toInt());
      QString problem;
      const QByteArray bytes = scrambledPictureFile(picture, file.headerKind, file.key, &problem);
      if (bytes.isEmpty()) return fail(QStringLiteral("%1: %2").arg(name, problem));
      if (!writeReadOnlyFile(folder + u'/' + name, bytes, &problem)) return fail(problem);
    }
    if (!interface.logo().save(folder + u'/' + QLatin1String(kLogoFile), "BMP"))
      return fail(QStringLiteral("%1/%2: cannot be written").arg(folder, QLatin1String(kLogoFile)));
  } catch (const orvik::DbError& e) {
    return fail(e.message());
  }

  // Interface sounds are always there; spoken sounds unless left out.
  QString problem;
  if (!writeReadOnlyFile(folder + QStringLiteral("/1.wav"), SoundBuilder::clickSound(), &problem) ||
      !writeReadOnlyFile(folder + QStringLiteral("/2.wav"), SoundBuilder::pageTurnSound(),
                         &problem))
    return fail(problem);
  const QString marker = folder + u'/' + QLatin1String(kNoSoundsMarker);
  QFile::remove(marker);
  if (!options.sounds) {
    QFile f(marker);
    if (!f.open(QIODevice::WriteOnly) ||
        f.write("This installation was built without spoken sounds (--no-sounds).\n") < 0)
      return fail(QStringLiteral("%1: cannot be written").arg(marker));
  } else {
    QList<SpeechJob> jobs;
    for (int l = 0; l < kLanguageCount; ++l) {
      const QString base = soundFolder + u'/' + languageCode(l) + u'/';
      for (const SourceChapter& chapter : dictionary.chapters) {
        jobs << SpeechJob{languageVoice(l), chapter.name[l],
                          base + QStringLiteral("Chpg/") + chapterSoundName(chapter.code) +
                              QStringLiteral(".wav")};
        for (const SourcePage& page : chapter.pages) {
          jobs << SpeechJob{
              languageVoice(l), page.name[l],
              base + QStringLiteral("Chpg/") + pageSoundName(page.code) + QStringLiteral(".wav")};
          for (int i = 0; i < page.entries.size(); ++i)
            jobs << SpeechJob{languageVoice(l), page.entries[i].text[l].headWord,
                              base + QString::number(chapter.code) + u'/' +
                                  entrySoundName(page.code, i + 1) + QStringLiteral(".wav")};
        }
      }
    }
    const QList<SpeechJob> toSpeak = SoundBuilder::takeSpokenFolder(soundFolder, jobs);
    say(QStringLiteral("Speaking %1 sounds (%2 kept from the last build)")
            .arg(toSpeak.size())
            .arg(jobs.size() - toSpeak.size()));
    SoundBuilder speaker;
    int lastShown = 0;
    if (!speaker.speak(toSpeak, options.parallelSpeakers, &problem, [&](int done, int total) {
          if (done - lastShown >= 500 || done == total) {
            lastShown = done;
            say(QStringLiteral("  %1 of %2 sounds").arg(done).arg(total));
          }
        }))
      return fail(problem);
    if (!SoundBuilder::recordSpokenFolder(soundFolder, jobs, &problem)) return fail(problem);
  }
  say(QStringLiteral("Built %1 chapters, %2 pages, %3 entries into %4 in %5 s")
          .arg(dictionary.chapters.size())
          .arg(dictionary.pageCount())
          .arg(dictionary.entryCount())
          .arg(folder)
          .arg(timer.elapsed() / 1000.0, 0, 'f', 1));
  return true;
}

}  // namespace builddict
