#pragma once
// SearchWordList: a language's search word list as the find window types into it. It reads the
// distinct words of a search table (trimmed; a run of equal words gives one item, so the table's
// primary order decides), and answers which item a typed text selects:
//  - the item already selected stays when it equals the typed text exactly;
//  - otherwise the item of the longest typed prefix that some item begins with, letter case
//    ignored, searching from item 1 onwards and reaching item 0 last;
//  - and when no item begins with the whole typed text, the first item (in the same order) that
//    begins with it once accents, the Spanish tilde and the Russian ё are set aside ("cafe"
//    reaches "café", "елка" reaches "ёлка").
// The list never changes after it is set, so the folded forms of the items are made once.

#include <QString>
#include <QStringList>
#include <functional>

namespace orvik {
class Table;
}

class SearchWordList {
 public:
  // The distinct trimmed words of `table` in its primary order (no index), adjacent repeats
  // and empty words left out. `progress` (may be empty) hears (rows read, rows in all) now and
  // then. Throws orvik::DbError when the table cannot be read.
  static QStringList readWords(orvik::Table* table,
                               const std::function<void(int, int)>& progress = {});

  // The items as the list control holds them (after its own sorting, if any).
  void setItems(const QStringList& items);
  const QStringList& items() const { return items_; }
  int count() const { return int(items_.size()); }

  // The item a typed text selects (see the class comment), given the present selection
  // `current` (-1 for none); `typed` is trimmed first. Returns `current` when nothing is found.
  int match(const QString& typed, int current) const;

  // A text with letter case, accents and the marks of ñ, ё and й set aside.
  static QString fold(const QString& text);

 private:
  // The first item in search order (1, 2, ..., count - 1, 0) from search position `from` whose
  // key begins with `prefix`; returns the search position or -1.
  int firstFrom(const QStringList& keys, int from, QStringView prefix) const;
  int itemAt(int searchPosition) const;

  QStringList items_;
  QStringList caseFolded_;
  QStringList accentFolded_;
};
