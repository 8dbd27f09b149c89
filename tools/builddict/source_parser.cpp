#include "source_parser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include "picture_source.h"
#include "place_table.h"
#include "sound_names.h"

namespace builddict {

QString languageCode(int language) {
  static const char* const codes[] = {"En", "Fr", "Ru", "Sp"};
  return QString::fromLatin1(codes[language]);
}

QString languageKey(int language) {
  return languageCode(language).toLower();
}

QString languageVoice(int language) {
  static const char* const voices[] = {"en", "fr", "ru", "es"};
  return QString::fromLatin1(voices[language]);
}

int SourceDictionary::pageCount() const {
  int n = 0;
  for (const SourceChapter& c : chapters) n += c.pages.size();
  return n;
}

int SourceDictionary::entryCount() const {
  int n = 0;
  for (const SourceChapter& c : chapters)
    for (const SourcePage& p : c.pages) n += p.entries.size();
  return n;
}

namespace {

// A default theme colour per chapter for chapters that name none.
QColor defaultChapterColour(int code) {
  static const char* const colours[] = {"#f2c6a0", "#b9d7ea", "#d9e8b0", "#f5d88e", "#d7c4e8",
                                        "#f3b8b8", "#bfe3d0", "#e8d3b0", "#c9d6f0", "#f0c9dc",
                                        "#d0e4a8", "#f6e0a8", "#c4dfe6", "#e6cfc0", "#d8d8b8"};
  return QColor(QString::fromLatin1(colours[(code - 1 + 15) % 15]));
}

// Removes a trailing comment: a '#' that follows a blank.
QString stripComment(const QString& value) {
  for (int i = 1; i < value.size(); ++i)
    if (value[i] == u'#' && value[i - 1].isSpace()) return value.left(i).trimmed();
  return value.trimmed();
}

enum class Block { None, Chapter, Heading, Page, Entry };

QString blockName(Block b) {
  switch (b) {
    case Block::Chapter:
      return QStringLiteral("chapter");
    case Block::Heading:
      return QStringLiteral("heading");
    case Block::Page:
      return QStringLiteral("page");
    case Block::Entry:
      return QStringLiteral("entry");
    default:
      return {};
  }
}

int languageOfKey(const QString& key) {
  for (int l = 0; l < kLanguageCount; ++l)
    if (key == languageKey(l)) return l;
  return -1;
}

}  // namespace

const QStringList& SourceParser::sceneNames() {
  static const QStringList names = Settings::names();
  return names;
}

QString SourceParser::pageCodeProblem(int code, int digits, int chapter) {
  if (chapter <= 9) {
    if (digits != 3) return QStringLiteral("a page code of chapter %1 has 3 digits").arg(chapter);
    if (code / 100 != chapter)
      return QStringLiteral("page code %1 does not start with chapter %2").arg(code).arg(chapter);
    return {};
  }
  if (digits == 4) {
    if (code / 100 != chapter)
      return QStringLiteral("page code %1 does not start with chapter %2").arg(code).arg(chapter);
    return {};
  }
  if (digits == 5) {
    const QString s = QString::number(code);
    if (code / 1000 != chapter)
      return QStringLiteral("page code %1 does not start with chapter %2").arg(code).arg(chapter);
    if (s[2] != u'1' || (s[3] != u'0' && s[3] != u'1'))
      return QStringLiteral("a 5-digit page code has the form CC1XD with X 0 or 1, not %1")
          .arg(code);
    return {};
  }
  return QStringLiteral("a page code of chapter %1 has 4 or 5 digits").arg(chapter);
}

void SourceParser::error(const SourcePlace& place, const QString& message) {
  errors_ << QStringLiteral("%1: %2").arg(place.toString(), message);
}

std::optional<SourceChapter> SourceParser::parseChapter(const QString& text,
                                                        const QString& fileName) {
  const int errorsBefore = errors_.size();
  SourceChapter chapter;
  bool haveChapter = false;
  Block block = Block::None;
  SourcePlace blockPlace{fileName, 0};
  QSet<QString> keysSeen;
  LanguageTexts texts;
  QString emoji;
  QString shared;
  std::optional<std::pair<Zone, SizeClass>> givenPlace;
  SourcePlace placeLine;
  std::array<EntryText, kLanguageCount> entryTexts;
  int subchapter = 0;
  int lastPageCode = -1;
  SourcePage* currentPage = nullptr;

  // Completes the open block: every language present, then it joins the chapter.
  auto closeBlock = [&]() {
    if (block == Block::None) return;
    for (int l = 0; l < kLanguageCount; ++l)
      if (!keysSeen.contains(languageKey(l)))
        error(blockPlace,
              QStringLiteral("%1 has no '%2:' line").arg(blockName(block), languageKey(l)));
    switch (block) {
      case Block::Chapter:
        chapter.name = texts;
        if (!keysSeen.contains(QStringLiteral("icon")))
          error(blockPlace, QStringLiteral("chapter has no 'icon:' line"));
        if (!chapter.colour.isValid()) chapter.colour = defaultChapterColour(chapter.code);
        break;
      case Block::Heading: {
        PageListRow row;
        row.heading = true;
        row.subchapter = subchapter;
        row.text = texts;
        row.place = blockPlace;
        chapter.rows << row;
        break;
      }
      case Block::Page:
        currentPage->name = texts;
        break;
      case Block::Entry: {
        SourceEntry entry;
        entry.emoji = emoji;
        entry.shared = shared;
        entry.text = entryTexts;
        if (givenPlace) {
          entry.placeGiven = true;
          entry.zone = givenPlace->first;
          entry.size = givenPlace->second;
          entry.placeLine = placeLine;
        }
        entry.place = blockPlace;
        if (currentPage) currentPage->entries << entry;
        break;
      }
      case Block::None:
        break;
    }
    block = Block::None;
  };

  const QStringList lines = text.split(u'\n');
  static const QRegularExpression keyLine(QStringLiteral("^([A-Za-z]+)\\s*:(.*)$"));
  static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
  for (int i = 0; i < lines.size(); ++i) {
    const SourcePlace place{fileName, i + 1};
    QString line = lines[i];
    if (i == 0 && line.startsWith(QChar(0xFEFF))) line.remove(0, 1);
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(u'#')) continue;

    const QRegularExpressionMatch km = keyLine.match(line);
    if (km.hasMatch()) {
      const QString key = km.captured(1).toLower();
      const QString value = stripComment(km.captured(2).trimmed());
      if (block == Block::None) {
        error(place,
              QStringLiteral("'%1:' stands outside a chapter, heading, page or entry").arg(key));
        continue;
      }
      if (keysSeen.contains(key)) {
        error(place, QStringLiteral("'%1:' given twice in this %2").arg(key, blockName(block)));
        continue;
      }
      keysSeen.insert(key);
      const int language = languageOfKey(key);
      if (language >= 0) {
        if (value.isEmpty()) {
          error(place, QStringLiteral("empty '%1:' text").arg(key));
          continue;
        }
        if (block == Block::Entry) {
          const QStringList parts = value.split(u'|');
          if (parts.size() != 4) {
            error(place, QStringLiteral("an entry line has four parts separated by ' | ' "
                                        "(head word | word class | definition | example), "
                                        "found %1")
                             .arg(parts.size()));
            continue;
          }
          EntryText& t = entryTexts[language];
          t.headWord = parts[0].simplified();
          t.wordClass = parts[1].simplified();
          t.definition = parts[2].simplified();
          t.example = parts[3].simplified();
          static const char* const partNames[] = {"head word", "word class", "definition",
                                                  "example"};
          for (int p = 0; p < 4; ++p)
            if (parts[p].trimmed().isEmpty())
              error(place, QStringLiteral("the %1 is empty").arg(QLatin1String(partNames[p])));
        } else {
          texts[language] = value.simplified();
        }
        continue;
      }
      if (key == u"colour" || key == u"color") {
        if (block != Block::Chapter) {
          error(place, QStringLiteral("'colour:' belongs to a chapter"));
          continue;
        }
        const QColor c(value);
        if (!c.isValid()) {
          error(place, QStringLiteral("'%1' is not a colour (write #rrggbb)").arg(value));
          continue;
        }
        chapter.colour = c;
      } else if (key == u"icon") {
        if (block != Block::Chapter) {
          error(place, QStringLiteral("'icon:' belongs to a chapter"));
          continue;
        }
        if (value.isEmpty()) error(place, QStringLiteral("empty 'icon:'"));
        chapter.icon = value;
      } else if (key == u"shared") {
        if (block != Block::Entry) {
          error(place, QStringLiteral("'shared:' belongs to an entry"));
          continue;
        }
        if (value.isEmpty()) {
          error(place, QStringLiteral("'shared:' gives the reason the picture is shared"));
          continue;
        }
        shared = value;
      } else if (key == u"scene") {
        if (block != Block::Page) {
          error(place, QStringLiteral("'scene:' belongs to a page"));
          continue;
        }
        const Setting* setting = value.isEmpty() ? nullptr : Settings::find(value);
        if (!setting) {
          error(place, QStringLiteral("unknown scene '%1' (one of: %2)")
                           .arg(value, sceneNames().join(QStringLiteral(", "))));
          continue;
        }
        currentPage->scene = setting->name;
      } else if (key == u"place") {
        if (block != Block::Entry) {
          error(place, QStringLiteral("'place:' belongs to an entry"));
          continue;
        }
        const QStringList fields = value.split(u' ', Qt::SkipEmptyParts);
        const auto zone = fields.size() == 2 ? Settings::zoneNamed(fields[0]) : std::nullopt;
        const auto size = fields.size() == 2 ? Settings::sizeNamed(fields[1]) : std::nullopt;
        if (!zone || !size) {
          error(place, QStringLiteral("'place:' takes a zone (%1) and a size (%2), not '%3'")
                           .arg(Settings::zoneNames().join(QStringLiteral(", ")),
                                Settings::sizeNames().join(QStringLiteral(", ")), value));
          continue;
        }
        givenPlace = std::make_pair(*zone, *size);
        placeLine = place;
      } else {
        error(place, QStringLiteral("unknown key '%1:'").arg(key));
      }
      continue;
    }

    // A keyword line: chapter N, heading, page N, entry E.
    const QString content = stripComment(line);
    const int space = content.indexOf(QRegularExpression(QStringLiteral("\\s")));
    const QString keyword = (space < 0 ? content : content.left(space)).toLower();
    const QString argument = space < 0 ? QString() : content.mid(space + 1).trimmed();
    if (keyword == u"chapter") {
      closeBlock();
      if (haveChapter) {
        error(place, QStringLiteral("a chapter file holds one chapter"));
        continue;
      }
      if (!number.match(argument).hasMatch() || argument.toInt() < 1 || argument.toInt() > 15) {
        error(
            place,
            QStringLiteral("'chapter' takes a chapter code from 1 to 15, not '%1'").arg(argument));
        continue;
      }
      haveChapter = true;
      chapter.code = argument.toInt();
      chapter.place = place;
    } else if (!haveChapter) {
      error(place, QStringLiteral("the file begins with 'chapter N'"));
      continue;
    } else if (keyword == u"heading") {
      closeBlock();
      if (!argument.isEmpty()) error(place, QStringLiteral("'heading' takes no value"));
      ++subchapter;
    } else if (keyword == u"page") {
      closeBlock();
      if (!number.match(argument).hasMatch() || argument.startsWith(u'0')) {
        error(place, QStringLiteral("'page' takes a page code, not '%1'").arg(argument));
        currentPage = nullptr;
        block = Block::None;
        continue;
      }
      const int code = argument.toInt();
      const QString problem = pageCodeProblem(code, argument.size(), chapter.code);
      if (!problem.isEmpty()) error(place, problem);
      if (code <= lastPageCode)
        error(place, QStringLiteral("page codes rise within a chapter: %1 follows %2")
                         .arg(code)
                         .arg(lastPageCode));
      lastPageCode = qMax(lastPageCode, code);
      SourcePage page;
      page.code = code;
      page.subchapter = subchapter;
      page.place = place;
      chapter.pages << page;
      currentPage = &chapter.pages.last();
      PageListRow row;
      row.subchapter = subchapter;
      row.page = chapter.pages.size() - 1;
      chapter.rows << row;
    } else if (keyword == u"entry") {
      closeBlock();
      if (!currentPage) {
        error(place, QStringLiteral("an entry stands after its page"));
        continue;
      }
      if (argument.isEmpty()) {
        error(place, QStringLiteral("'entry' takes the emoji of its object"));
        continue;
      }
      QString pictureError;
      if (PictureSource::parse(argument, &pictureError).isEmpty()) error(place, pictureError);
      emoji = argument;
      shared.clear();
      givenPlace.reset();
      entryTexts = {};
    } else {
      error(place, QStringLiteral("unknown line '%1'").arg(content));
      continue;
    }
    block = keyword == u"chapter"   ? Block::Chapter
            : keyword == u"heading" ? Block::Heading
            : keyword == u"page"    ? Block::Page
                                    : Block::Entry;
    blockPlace = place;
    keysSeen.clear();
    texts = {};
  }
  closeBlock();
  if (!haveChapter) error({fileName, 1}, QStringLiteral("the file holds no 'chapter N' line"));
  for (const SourcePage& p : chapter.pages)
    if (p.entries.isEmpty()) error(p.place, QStringLiteral("page %1 has no entry").arg(p.code));
  if (errors_.size() != errorsBefore) return std::nullopt;
  return chapter;
}

bool SourceParser::validate(const SourceDictionary& dictionary) {
  const int errorsBefore = errors_.size();
  QHash<int, SourcePlace> chapterCodes;
  std::array<QHash<QString, SourcePlace>, kLanguageCount> pageNames;
  for (const SourceChapter& chapter : dictionary.chapters) {
    if (chapterCodes.contains(chapter.code))
      error(chapter.place, QStringLiteral("chapter %1 is also defined at %2")
                               .arg(chapter.code)
                               .arg(chapterCodes[chapter.code].toString()));
    chapterCodes.insert(chapter.code, chapter.place);
    QHash<QString, int> soundParts;
    for (const SourcePage& page : chapter.pages) {
      const QString part = pageNamePart(page.code);
      if (soundParts.contains(part))
        error(page.place, QStringLiteral("pages %1 and %2 give the same sound name %3")
                              .arg(soundParts[part])
                              .arg(page.code)
                              .arg(part));
      soundParts.insert(part, page.code);
      for (int l = 0; l < kLanguageCount; ++l) {
        // Pages are found by name, so a name may not repeat in a language, whatever its case.
        const QString key = page.name[l].toCaseFolded();
        if (pageNames[l].contains(key))
          error(page.place, QStringLiteral("the %1 page name '%2' is also used at %3")
                                .arg(languageKey(l), page.name[l], pageNames[l][key].toString()));
        else
          pageNames[l].insert(key, page.place);
      }
    }
  }
  // Headings stand in the page-name tables beside the pages, and pages and chapters are looked
  // up there by name: a heading named like a page would be found in the page's place, and a
  // chapter name given twice would always find the first chapter.
  for (int l = 0; l < kLanguageCount; ++l) {
    QHash<QString, SourcePlace> chapterNames;
    for (const SourceChapter& chapter : dictionary.chapters) {
      const QString key = chapter.name[l].toCaseFolded();
      if (chapterNames.contains(key))
        error(chapter.place,
              QStringLiteral("the %1 chapter name '%2' is also used at %3")
                  .arg(languageKey(l), chapter.name[l], chapterNames[key].toString()));
      else
        chapterNames.insert(key, chapter.place);
      for (const PageListRow& row : chapter.rows)
        if (row.heading && pageNames[l].contains(row.text[l].toCaseFolded()))
          error(row.place, QStringLiteral("the %1 heading '%2' has the name of the page at %3")
                               .arg(languageKey(l), row.text[l],
                                    pageNames[l][row.text[l].toCaseFolded()].toString()));
    }
  }
  // A learner goes by the picture: two entries drawn alike teach one of the words wrong, unless
  // one scene truly shows both and a 'shared:' line says so.
  QHash<QString, QList<const SourceEntry*>> pictures;
  for (const SourceChapter& chapter : dictionary.chapters)
    for (const SourcePage& page : chapter.pages)
      for (const SourceEntry& entry : page.entries) {
        QList<const SourceEntry*>& alike = pictures[PictureSource::key(entry.emoji)];
        for (const SourceEntry* other : std::as_const(alike))
          if (other->shared.isEmpty() && entry.shared.isEmpty()) {
            const QString problem =
                QStringLiteral(
                    "%1: the entry '%2' has the same picture '%3' as the entry '%4' at %5; give "
                    "each entry a picture of its own, or one of them a 'shared:' line saying "
                    "why one picture shows both")
                    .arg(entry.place.toString(), entry.text[En].headWord, entry.emoji,
                         other->text[En].headWord, other->place.toString());
            (sharedPicturesAllowed_ ? warnings_ : errors_) << problem;
            break;
          }
        alike << &entry;
      }
  // Every object stands in a place its page's setting has.
  for (const SourceChapter& chapter : dictionary.chapters)
    for (const SourcePage& page : chapter.pages) {
      const Setting* setting = Settings::find(page.scene);
      if (!setting) continue;
      for (const SourceEntry& entry : page.entries) {
        QString problem;
        const auto placement = PlaceTable::place(entry, *setting, dictionary.places, &problem);
        if (!placement)
          error(entry.placeGiven ? entry.placeLine : entry.place, problem);
        else if (placement->origin == EntryPlacement::Origin::Fallback)
          fallbacks_ << QStringLiteral(
                            "%1: '%2' is not in the place table; it stands in the %3 of the %4 "
                            "setting")
                            .arg(entry.place.toString(), PlaceTable::key(entry.emoji),
                                 Settings::zoneName(placement->zone), setting->name);
      }
    }
  return errors_.size() == errorsBefore;
}

std::optional<SourceDictionary> SourceParser::parseFolder(const QString& folder) {
  const int errorsBefore = errors_.size();
  QDir dir(folder + QStringLiteral("/chapters"));
  if (!dir.exists()) {
    errors_ << QStringLiteral("%1: no 'chapters' folder").arg(folder);
    return std::nullopt;
  }
  const QStringList files =
      dir.entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Readable, QDir::Name);
  if (files.isEmpty()) {
    errors_ << QStringLiteral("%1: no chapter files (*.txt)").arg(dir.path());
    return std::nullopt;
  }
  SourceDictionary dictionary;
  // The place table is optional: without it every object stands where its setting puts
  // what it does not know.
  QFile placeFile(folder + QStringLiteral("/places.txt"));
  if (placeFile.exists()) {
    if (!placeFile.open(QIODevice::ReadOnly))
      errors_ << QStringLiteral("%1: cannot be read").arg(placeFile.fileName());
    else
      PlaceTable::parse(QString::fromUtf8(placeFile.readAll()).remove(u'\r'), placeFile.fileName(),
                        &dictionary.places, &errors_);
  }
  for (const QString& name : files) {
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::ReadOnly)) {
      errors_ << QStringLiteral("%1: cannot be read").arg(f.fileName());
      continue;
    }
    const QByteArray bytes = f.readAll();
    QString text = QString::fromUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter) && !bytes.contains("\xEF\xBF\xBD")) {
      errors_ << QStringLiteral("%1: is not UTF-8 text").arg(f.fileName());
      continue;
    }
    text.remove(u'\r');
    if (auto chapter = parseChapter(text, f.fileName())) dictionary.chapters << *chapter;
  }
  std::sort(dictionary.chapters.begin(), dictionary.chapters.end(),
            [](const SourceChapter& a, const SourceChapter& b) { return a.code < b.code; });
  if (errors_.size() != errorsBefore) return std::nullopt;
  if (!validate(dictionary)) return std::nullopt;
  return dictionary;
}

}  // namespace builddict
