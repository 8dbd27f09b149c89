#pragma once
// The dictionary read by value. An entry is named by its page code and its order on the page
// (orvik::EntryRef); the model answers what a window needs to know of it (its page, article,
// head word, sound, spot on the picture) and of pages and chapters, without moving any table
// the browsing state lives on. It reads through table objects of its own over the data module's
// files (opened when first asked, with the installation's passwords), so the current page and
// entry of the main window, the panes' articles and every other window's rows stay where they
// are.
//
// What it promises:
//  - every answer is read from the dictionary as installed; an entry, page or chapter the
//    dictionary lacks gives an empty answer (an empty string or list, a null picture, order 0),
//    never a failure;
//  - a language that is not installed gives empty texts;
//  - a table-engine failure (a damaged file) throws orvik::DbError, as the tables do; callers
//    route it to the data module's failure routine (TDMOrvik::guarded).
// Pages are read once and kept (their entries, places and hit map), so asking again is cheap.

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <compare>
#include <memory>
#include <optional>

#include "schema/language.h"

class TDMOrvik;

namespace orvik {

class Table;

// An entry of the dictionary by value: its page code and its 1-based order on the page.
struct EntryRef {
  int pageCode = 0;
  int order = 0;

  constexpr bool isValid() const { return pageCode > 0 && order > 0; }
  friend constexpr auto operator<=>(const EntryRef&, const EntryRef&) = default;
};

inline size_t qHash(const EntryRef& entry, size_t seed = 0) {
  return ::qHash(qint64(entry.pageCode) << 16 | entry.order, seed);
}

// Where an entry stands on its page's picture.
struct EntrySpot {
  // The top-left corner of the highlight picture on the page picture.
  QPoint start;
  // The entry's object drawn highlighted (its size is the object's box).
  QImage highlight;
  // The 5 by 5 cells of the hit map that name the entry, as rectangles of the picture.
  QList<QRect> cells;

  QRect box() const { return QRect(start, highlight.size()); }
};

class DictionaryModel {
 public:
  // The hit map's geometry: 325 by 490 pixels in cells of 5 by 5.
  static constexpr int kPictureWidth = 325;
  static constexpr int kPictureHeight = 490;
  static constexpr int kCell = 5;

  // data: the data module whose database (folder and passwords) and installed languages the
  // model reads. Not owned; it must outlive the model. Nothing is opened until first asked.
  explicit DictionaryModel(TDMOrvik* data);
  ~DictionaryModel();
  DictionaryModel(const DictionaryModel&) = delete;
  DictionaryModel& operator=(const DictionaryModel&) = delete;

  // Whether a language's articles are installed.
  bool hasLanguage(Language language) const;

  // --- Chapters and pages ---
  // Every page of the dictionary in its order (chapter, heading, page code).
  QList<int> allPages() const;
  // The pages of a chapter in that order; empty for a chapter the dictionary lacks.
  QList<int> pagesOfChapter(int chapterCode) const;
  // The chapter a page belongs to; 0 for a page the dictionary lacks.
  int chapterOfPage(int pageCode) const;
  QString pageName(int pageCode, Language language) const;
  QString chapterName(int chapterCode, Language language) const;
  // The page's picture without highlight; a null image for a page without one.
  QImage pagePicture(int pageCode) const;
  // The page's small picture, as the page lists and the find results show it; a null image for
  // a page without one.
  QImage littlePagePicture(int pageCode) const;

  // --- Entries ---
  // The entries of a page in their order; empty for a page the dictionary lacks.
  QList<EntryRef> entriesOfPage(int pageCode) const;
  int entryCount(int pageCode) const;
  bool contains(EntryRef entry) const;
  // The head word (as the entry lists show it) and the article (rich text) in a language.
  QString headWord(EntryRef entry, Language language) const;
  QByteArray article(EntryRef entry, Language language) const;
  // The recording of an entry, relative to a language's sound folder ("3/C0507.wav", named as
  // schema/sound_names.h says); empty for an entry the dictionary lacks.
  QString soundFile(EntryRef entry) const;
  // The entry's spot on its page; an empty spot (null highlight, no cells) when it has none.
  EntrySpot spot(EntryRef entry) const;
  // The entry the hit map names at a point of a page's picture; an invalid EntryRef for none,
  // for a point outside the picture and for a map value past the page's entries.
  EntryRef entryAt(int pageCode, QPoint pointOnPicture) const;

 private:
  struct Page;
  struct Tables;
  const Page* page(int pageCode) const;
  Tables& tables() const;
  // The tables with the dictionary's page order read.
  Tables& pageTables() const;
  Table* languageTable(const std::unique_ptr<Table> (&tables)[4], Language language) const;

  TDMOrvik* data_;
  mutable std::unique_ptr<Tables> tables_;
  mutable QHash<int, std::shared_ptr<const Page>> pages_;
};

}  // namespace orvik
