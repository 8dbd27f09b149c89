#pragma once
// The find windows' own texts in the four interface languages: window titles, result headings,
// the result count with its number forms, the search-base message and the edit menu. Interface
// languages and dictionary languages are both given as language numbers (1 English, 2 French,
// 3 Russian, 4 Spanish); numbers outside 1..4 give empty texts.

#include <QString>
#include <QStringList>

namespace findtexts {

// The title of the find window of dictionary language `language` in interface language
// `interface`.
QString title(int language, int interface);

// The three headings of the result grid (entry, page, chapter) of a dictionary language.
QStringList headings(int language);

// The result label before any search: "Search Results:" in the interface language.
QString resultCaption(int interface);

// The result label for `matches` results on `pages` pages, in the interface language; the
// numbers in decimal without separators.
QString resultText(int interface, int matches, int pages);

// The Russian words after a count of results ("ссылка найдена", "ссылки найдены", "ссылок
// найдено"), chosen by the last two digits whatever the count's length, and after a count of
// pages ("странице", "страницах").
QString russianMatchWord(int matches);
QString russianPageWord(int pages);

// The two lines of the search-base message with their left positions, for building the word
// list of `language` in interface language `interface`.
struct MessageLines {
  QString line1;
  int left1 = 0;
  QString line2;
  int left2 = 0;
};
MessageLines searchBaseMessage(int interface, int language);

// The six lines of the edit menu (undo, cut, copy, paste, delete, select all).
QStringList editMenuLines(int interface);

// The system menu's one line ("     Close             Alt+F4").
QString systemMenuLine();

}  // namespace findtexts
