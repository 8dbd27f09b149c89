#pragma once
// The names of the dictionary's tables, shared by the program, the dictionary builder and its
// checker: the folders the table files live in, every table file, every index and every field,
// and the positions of the fields the program reads by position. A name is declared here once;
// spelling it anywhere else as a literal is how a table stops opening or a field stops being
// found, which only shows at run time as the database failure message.
//
// Fields are named once for all tables: the join keys (ChapterCode, PageCode, Order) are the
// same field wherever they stand. Files and indexes belong to one kind of table, so they live in
// a namespace named after the program's table object (tblPgePicture: PgePicture); the four
// language tables of a kind share one namespace and differ only in the language code of their
// file name.
//
// Names are ASCII held as UTF-16 in static storage: turning one into a QString neither copies
// nor allocates (the same cost as QStringLiteral), and view() gives a QStringView.

#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <array>
#include <cstddef>

#include "schema/language.h"

namespace orvik::schema {

// One name of the schema, a string literal fixed at compile time.
class Name {
 public:
  template <std::size_t N>
  consteval Name(const char16_t (&text)[N]) noexcept : text_(text), size_(qsizetype(N - 1)) {}

  constexpr QStringView view() const noexcept { return {text_, size_}; }
  // A QString over the static text (QString::fromRawData): no copy, no allocation.
  QString toString() const {
    return QString::fromRawData(reinterpret_cast<const QChar*>(text_), size_);
  }
  operator QString() const { return toString(); }

 private:
  const char16_t* text_;
  qsizetype size_;
};

// ---------------------------------------------------------------------------------------------
// Folders

// The dictionary tables: beside the program, or on a disc under "program files/OrvikDictionary".
inline constexpr Name kDataFolder = u"ODataBase";
// The chapter pictures and small page pictures, always in the program's own folder.
inline constexpr Name kPictureFolder = u"Data";

// ---------------------------------------------------------------------------------------------
// Languages: numbered 1 to 4 in the program (English, French, Russian, Spanish, see
// language.h); each language table's file name carries the two-letter code.

inline constexpr int kLanguageCount = 4;

// The two-letter code of language number 1..4; an empty view for any other number.
constexpr QStringView languageCode(int languageNumber) {
  return codeOfNumber(languageNumber);
}

// The file of a language table: prefix, code, ".ort" ("ChptNm" + "Ru" gives "ChptNmRu.ort").
inline QString languageFile(Name prefix, QStringView code) {
  return QString(prefix).append(code).append(QLatin1String(".ort"));
}

// ---------------------------------------------------------------------------------------------
// Fields

// The keys that join the tables.
inline constexpr Name kChapterCode = u"ChapterCode";
inline constexpr Name kPageCode = u"PageCode";
inline constexpr Name kOrder = u"Order";  // an entry's 1-based number within its page

// Chapter and page names.
inline constexpr Name kChapterName = u"ChapterName";
inline constexpr Name kSubchapter = u"Subchapter";
inline constexpr Name kPageName = u"PageName";

// Entry articles.
inline constexpr Name kWordName = u"WordName";
inline constexpr Name kWordMemo = u"WordMemo";
inline constexpr Name kWordSound = u"WordSound";

// Search tables.
inline constexpr Name kWord = u"Word";
inline constexpr Name kWordReal = u"WordReal";

// Pictures and places.
inline constexpr Name kPagePicture = u"PagePicture";
inline constexpr Name kNumberWord = u"NumberWord";  // the page's entry count, on every entry
inline constexpr Name kStartPointX = u"StartPointX";
inline constexpr Name kStartPointY = u"StartPointY";
inline constexpr Name kWordPicture = u"WordPicture";
inline constexpr Name kBand = u"Band";  // hit map: 1-based band of 5 pixel lines
inline constexpr Name kChapterPicture = u"ChapterPicture";
inline constexpr Name kLittlePagePicture = u"LittlePagePicture";

// ---------------------------------------------------------------------------------------------
// Tables

// tblChapterEn..Sp: one row per chapter, its name in one language.
namespace Chapter {
inline constexpr Name kFilePrefix = u"ChptNm";
inline QString file(QStringView code) {
  return languageFile(kFilePrefix, code);
}
inline QString file(int languageNumber) {
  return file(languageCode(languageNumber));
}
inline constexpr Name kIndChptCode = u"IndChptCode";  // ChapterCode
inline constexpr Name kIndChapter = u"IndChapter";    // ChapterName
// Read by position as well as by name.
inline constexpr int kChapterCodePosition = 0;
inline constexpr int kChapterNamePosition = 1;
}  // namespace Chapter

// tblPageNameEn..Sp: one row per row of a chapter's page list, a page or a heading (PageCode 0).
namespace PageName {
inline constexpr Name kFilePrefix = u"PgeNm";
inline QString file(QStringView code) {
  return languageFile(kFilePrefix, code);
}
inline QString file(int languageNumber) {
  return file(languageCode(languageNumber));
}
inline constexpr Name kIndChptCode = u"IndChptCode";  // ChapterCode, then the list's order
inline constexpr Name kIndPgCd = u"IndPgCd";          // PageCode
inline constexpr Name kIndPgNm = u"IndPgNm";          // PageName
inline constexpr int kChapterCodePosition = 0;
inline constexpr int kPageNamePosition = 2;
}  // namespace PageName

// tblWordNameEn..Sp: one row per entry, its head word and article in one language.
namespace WordName {
inline constexpr Name kFilePrefix = u"WrdNm";
inline QString file(QStringView code) {
  return languageFile(kFilePrefix, code);
}
inline QString file(int languageNumber) {
  return file(languageCode(languageNumber));
}
inline constexpr Name kIndPageOrder = u"IndPageOrder";  // PageCode, Order
inline constexpr Name kIndexPgWr = u"IndexPgWr";        // PageCode, WordName
}  // namespace WordName

// tblWordFindEn..Sp: the search table of one language.
namespace WordFind {
inline constexpr Name kFilePrefix = u"WrdFind";
inline QString file(QStringView code) {
  return languageFile(kFilePrefix, code);
}
inline QString file(int languageNumber) {
  return file(languageCode(languageNumber));
}
inline constexpr Name kIndFindWord = u"IndFindWord";  // Word
inline constexpr Name kIndWordReal = u"IndWordReal";  // PageCode, Order, Word
inline constexpr int kWordPosition = 0;
}  // namespace WordFind

// tblPgePicture: one row per page, its picture; IndexPgePct orders the whole dictionary's pages.
namespace PgePicture {
inline constexpr Name kFile = u"PgePct.ort";
inline constexpr Name kIndexPgePct = u"IndexPgePct";  // ChapterCode, Subchapter, PageCode
}  // namespace PgePicture

// tblWrdPicture: one row per entry, its place and highlight picture.
namespace WrdPicture {
inline constexpr Name kFile = u"WrdPct.ort";
// The same name as the articles' entry index, so one lookup serves both (positionOnEntry).
inline constexpr Name kIndPageOrder = WordName::kIndPageOrder;  // PageCode, Order
}  // namespace WrdPicture

// tblPctInfo: the hit maps, one row per band of a page, one field per column of 5 pixels.
namespace PctInfo {
inline constexpr Name kFile = u"PctInfo.ort";
inline constexpr Name kIndInfo = u"IndInfo";  // PageCode, Band
// The field of a 1-based column: its number in decimal ("1", "2", ...).
inline QString columnField(int column) {
  return QString::number(column);
}
}  // namespace PctInfo

// tblChptPct: one row per chapter, its two pictures (in the picture folder).
namespace ChptPct {
inline constexpr Name kFile = u"ChptPct.ort";
inline constexpr Name kIndChapterCode = u"IndChapterCode";  // ChapterCode
inline constexpr int kChapterCodePosition = 0;
}  // namespace ChptPct

// tblPctLittle: one row per page, its small picture (in the picture folder).
namespace PctLittle {
inline constexpr Name kFile = u"LittlePages.ort";
inline constexpr Name kIndChapter = u"IndChapter";    // ChapterCode, then the pages' list order
inline constexpr Name kIndPgCdFind = u"IndPgCdFind";  // PageCode
inline constexpr int kChapterCodePosition = 0;
}  // namespace PctLittle

}  // namespace orvik::schema
