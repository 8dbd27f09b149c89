#include "practice/answer_check.h"

#include <QRegularExpression>
#include <QStringList>

#include "search/search_word_list.h"

namespace orvik::practice {

namespace {

// A text folded as the find window folds it, its words joined by single blanks.
QString folded(const QString& text) {
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  return SearchWordList::fold(text).split(blanks, Qt::SkipEmptyParts).join(QLatin1Char(' '));
}

// A folded text split into its leading article (empty for none) and the rest.
struct Parts {
  QString article, word;
};
Parts split(const QString& text) {
  // The articles of English, French and Spanish; Russian has none.
  static const QStringList articles{"the", "a",  "an",  "le",  "la",  "les", "un",   "une",
                                    "des", "el", "los", "las", "uno", "una", "unos", "unas"};
  for (const QString& elided : {QStringLiteral("l'"), QStringLiteral("l\u2019")})
    if (text.startsWith(elided) && text.size() > elided.size())
      return {QStringLiteral("l'"), text.mid(elided.size()).trimmed()};
  const qsizetype blank = text.indexOf(QLatin1Char(' '));
  if (blank > 0 && articles.contains(text.left(blank)))
    return {text.left(blank), text.mid(blank + 1)};
  return {{}, text};
}

}  // namespace

bool answerMatches(const QString& typed, const QString& headWord) {
  const QString t = folded(typed);
  const QString h = folded(headWord);
  if (t.isEmpty() || h.isEmpty()) return false;
  if (t == h) return true;
  const Parts typedParts = split(t);
  const Parts headParts = split(h);
  if (typedParts.word != headParts.word) return false;
  return typedParts.article.isEmpty() || headParts.article.isEmpty() ||
         typedParts.article == headParts.article;
}

}  // namespace orvik::practice
