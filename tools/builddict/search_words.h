#pragma once
// The searchable words of an entry's head word in one language: the whole head word without its
// leading article, and each of its words of two letters or more, elided articles ("l'") and
// articles removed. Word is what the find window offers, WordReal the form as the article
// writes it; both keep case, accents and Cyrillic as written.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "source_dictionary.h"

namespace builddict {

struct SearchWord {
  QString word;
  QString wordReal;
  bool operator==(const SearchWord&) const = default;
};

// The head word without a leading article of the language ("la pomme" -> "pomme",
// "l'eau" -> "eau", "the moon" -> "moon").
QString withoutArticle(const QString& headWord, int language);

// Rows for one head word, the whole head word first, without repeats.
QList<SearchWord> searchWords(const QString& headWord, int language);

// The place of every distinct word in the order a language's search table lists its words:
// alphabetical in the language's own collation ("ёлка" before "ель" before "яблоко"), letter
// case and accents only breaking ties ("American football", "apple", "Apple", "CD"), so that the
// English and Russian word lists, which show the table's order, read like a dictionary. Words
// that collate alike but differ in any character get places of their own, so identical words
// always stand together. Deterministic for a given collation library.
QHash<QString, int> searchWordRanks(const QStringList& words, int language);

}  // namespace builddict
