#pragma once
// The source dictionary as the builder reads it from its text files: chapters with their page
// lists (headings and pages), pages with their entries, every text in the four languages. It is
// plain data; SourceParser fills it and checks the rules, the writers only read it.

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <array>

#include "scene_setting.h"

namespace builddict {

// The dictionary languages in the order the source files and the tables name them.
enum Language { En = 0, Fr = 1, Ru = 2, Sp = 3 };
inline constexpr int kLanguageCount = 4;

// "En", "Fr", "Ru", "Sp": table-name suffixes and sound folders.
QString languageCode(int language);
// "en", "fr", "ru", "sp": the keys of the source files.
QString languageKey(int language);
// The espeak-ng voice that speaks the language.
QString languageVoice(int language);

using LanguageTexts = std::array<QString, kLanguageCount>;

// Where a piece of source came from, for messages.
struct SourcePlace {
  QString file;
  int line = 0;
  QString toString() const { return QStringLiteral("%1:%2").arg(file).arg(line); }
};

// One language's text of an entry: the four parts of its source line.
struct EntryText {
  QString headWord;
  QString wordClass;
  QString definition;
  QString example;
};

struct SourceEntry {
  QString emoji;   // the object drawn on the page picture: its picture source (PictureSource)
  QString shared;  // why it may share its picture with another entry; empty when it may not
  std::array<EntryText, kLanguageCount> text;
  SourcePlace place;
  // The entry's own 'place:' line, where it gives one; otherwise the place table decides.
  bool placeGiven = false;
  Zone zone = Zone::Floor;
  SizeClass size = SizeClass::Medium;
  SourcePlace placeLine;
};

struct SourcePage {
  int code = 0;
  int subchapter = 0;  // ordinal of the heading the page stands under, 0 before the first
  LanguageTexts name;
  QString scene;  // the setting's name (see Settings); empty for the plain setting
  QList<SourceEntry> entries;
  SourcePlace place;
};

// One row of a chapter's page list: a heading or a page.
struct PageListRow {
  bool heading = false;
  int subchapter = 0;  // a heading's own ordinal (1, 2, ...), or the page's
  LanguageTexts text;  // the heading's text (pages take theirs from the page)
  int page = -1;       // index into SourceChapter::pages for a page row
  SourcePlace place;   // where a heading stands
};

struct SourceChapter {
  int code = 0;
  LanguageTexts name;
  QColor colour;  // theme colour of the chapter's pictures
  QString icon;   // emoji drawn large on the chapter's pictures
  QList<SourcePage> pages;
  QList<PageListRow> rows;
  SourcePlace place;
};

// A row of the place table: where an object stands and how large it is, unless its entry says.
struct PlaceDefault {
  Zone zone = Zone::Floor;
  SizeClass size = SizeClass::Medium;
  SourcePlace place;
};

struct SourceDictionary {
  QList<SourceChapter> chapters;  // ascending chapter code
  // The place table (places.txt), keyed by the base emoji of a picture without U+FE0F.
  QHash<QString, PlaceDefault> places;

  int pageCount() const;
  int entryCount() const;
};

}  // namespace builddict
