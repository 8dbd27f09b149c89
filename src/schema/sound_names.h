#pragma once
// The names recordings are filed under, shared by the program (which looks a recording up) and
// the dictionary builder (which writes it): "A" for chapter 1 to "O" for chapter 15; the page
// name part of a page code (305 -> "C05", 1204 -> "L04", 10105 -> "JA5"); an entry's name, the
// page name part and the order in at least two digits ("C0507"); a page's and a chapter's name,
// their part followed by "00".

#include <QString>

namespace orvik::sounds {

// Page codes of unexpected shape may give codes past the alphabet: they name no file (empty).
inline QString chapterLetter(int chapterCode) {
  if (chapterCode < 1 || chapterCode > 26) return {};
  return QString(QChar(64 + chapterCode));
}

// Empty for a code of other than three, four or five digits.
inline QString pageNamePart(int pageCode) {
  const QString s = QString::number(pageCode);
  switch (s.size()) {
    case 3:
      return chapterLetter(pageCode / 100) + s.mid(1, 2);
    case 4:
      return chapterLetter(pageCode / 100) + s.mid(2, 2);
    case 5: {
      const QString letter = chapterLetter(pageCode / 1000);
      if (s[3] == QLatin1Char('0')) return letter + QLatin1Char('A') + s[4];
      if (s[3] == QLatin1Char('1')) return letter + QLatin1Char('B') + s[4];
      return letter;
    }
    default:
      return {};
  }
}

inline QString entryName(int pageCode, int order) {
  const QString number = QString::number(order);
  return pageNamePart(pageCode) + (order < 10 ? QLatin1Char('0') + number : number);
}

inline QString pageName(int pageCode) {
  return pageNamePart(pageCode) + QStringLiteral("00");
}

inline QString chapterName(int chapterCode) {
  return chapterLetter(chapterCode) + QStringLiteral("00");
}

}  // namespace orvik::sounds
