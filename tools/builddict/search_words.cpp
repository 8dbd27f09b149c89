#include "search_words.h"

#include <QCollator>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace builddict {

namespace {

const QStringList& articles(int language) {
  static const QStringList en = {"the", "a", "an"};
  static const QStringList fr = {"le", "la", "les", "un", "une", "des"};
  static const QStringList ru = {};
  static const QStringList sp = {"el", "la", "los", "las", "un", "una", "unos", "unas"};
  switch (language) {
    case En:
      return en;
    case Fr:
      return fr;
    case Ru:
      return ru;
    default:
      return sp;
  }
}

bool isApostrophe(QChar c) {
  return c == u'\'' || c == QChar(0x2019);
}

// "l'", "d'", "qu'" and the like in front of a French word.
int elisionLength(const QString& word, int language) {
  if (language != Fr) return 0;
  static const QStringList elisions = {"l", "d", "qu", "j", "n", "s", "c", "m", "t"};
  for (const QString& e : elisions)
    if (word.size() > e.size() + 1 && isApostrophe(word[e.size()]) &&
        word.left(e.size()).compare(e, Qt::CaseInsensitive) == 0)
      return e.size() + 1;
  return 0;
}

int letterCount(const QString& s) {
  int n = 0;
  for (QChar c : s)
    if (c.isLetter()) ++n;
  return n;
}

// Strips punctuation around a word, keeping inner hyphens and apostrophes.
QString trimPunctuation(const QString& s) {
  int b = 0, e = s.size();
  while (b < e && !s[b].isLetterOrNumber()) ++b;
  while (e > b && !s[e - 1].isLetterOrNumber()) --e;
  return s.mid(b, e - b);
}

}  // namespace

QString withoutArticle(const QString& headWord, int language) {
  const QString h = headWord.simplified();
  const int elided = elisionLength(h, language);
  if (elided > 0) return h.mid(elided);
  const int space = h.indexOf(u' ');
  if (space > 0) {
    const QString first = h.left(space);
    for (const QString& a : articles(language))
      if (first.compare(a, Qt::CaseInsensitive) == 0) return h.mid(space + 1);
  }
  return h;
}

QList<SearchWord> searchWords(const QString& headWord, int language) {
  QList<SearchWord> rows;
  auto add = [&rows](const QString& w) {
    const SearchWord row{w, w};
    if (!w.isEmpty() && !rows.contains(row)) rows << row;
  };
  const QString whole = withoutArticle(headWord, language);
  add(whole);
  static const QRegularExpression separators(QStringLiteral("[\\s\\-\\x{2010}\\x{2011}/]+"));
  for (QString part : whole.split(separators, Qt::SkipEmptyParts)) {
    part = trimPunctuation(part);
    part = part.mid(elisionLength(part, language));
    if (letterCount(part) < 2) continue;
    if (articles(language).contains(part, Qt::CaseInsensitive)) continue;
    add(part);
  }
  return rows;
}

QHash<QString, int> searchWordRanks(const QStringList& words, int language) {
  const QLocale locale(language == En   ? QLocale::English
                       : language == Fr ? QLocale::French
                       : language == Ru ? QLocale::Russian
                                        : QLocale::Spanish);
  QCollator letters(locale);
  letters.setCaseSensitivity(Qt::CaseInsensitive);
  QCollator cased(locale);
  cased.setCaseSensitivity(Qt::CaseSensitive);
  QStringList distinct = QSet<QString>(words.cbegin(), words.cend()).values();
  // Sort keys are computed once per word, not once per comparison.
  struct Keyed {
    QString word;
    QCollatorSortKey letters, cased;
  };
  std::vector<Keyed> keyed;
  keyed.reserve(size_t(distinct.size()));
  for (const QString& w : distinct) keyed.push_back({w, letters.sortKey(w), cased.sortKey(w)});
  std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
    if (const int c = a.letters.compare(b.letters); c != 0) return c < 0;
    if (const int c = a.cased.compare(b.cased); c != 0) return c < 0;
    return a.word < b.word;
  });
  QHash<QString, int> ranks;
  ranks.reserve(qsizetype(keyed.size()));
  for (size_t i = 0; i < keyed.size(); ++i) ranks.insert(keyed[i].word, int(i));
  return ranks;
}

}  // namespace builddict
