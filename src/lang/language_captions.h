#pragma once
// The tables that name the four languages in the four interface languages, and the
// operations that fill, relabel, recognise and select list lines by them. A displayed line is
// linked to the language it names only through these tables: a line must hold one cell of
// its table exactly, spaces included.
// Rows and columns are language numbers; the conversions between the three numberings of the
// languages are the Language type's (schema/language.h).

#include <QString>
#include <QStringList>
#include <array>

#include "schema/language.h"

class QObject;
class TOrvikChapterList;
class TOrvikPanel;

namespace orvik {

// Row r - 1 names language number r; column c - 1 is written in interface language number c.
using CaptionTable = std::array<std::array<QString, 4>, 4>;

// Language names ("English", "Anglais", "Английский", "Inglés", ...).
const CaptionTable& languageNameTable();
// Lines of the "Say in" pop-up ("  English          Shift+E", ...).
const CaptionTable& shiftCaptionTable();
// Lines of the find-language chooser ("English     Ctrl+E", ...).
const CaptionTable& ctrlCaptionTable();
// Lines of the page-list-language chooser ("English     Alt+E", ...).
const CaptionTable& altCaptionTable();
// Builds the four tables (they are also built at their first use).
void buildLanguageTables();

// The column-1 (English) cells of the languages of a four-place slot list, in order;
// places holding -1 (or any value that is not a slot) add nothing.
QStringList languageItems(const std::array<int, 4>& slotList, const CaptionTable& table);
// Clears the list (radio group or list control) and fills it as above.
void fillLanguageItems(QObject* list, const std::array<int, 4>& slotList,
                       const CaptionTable& table);

// For each of the first n lines: where it equals a cell of row r, it becomes row r's cell in
// `column` (1 to 4). Lines matching no cell stay; a column outside 1 to 4 changes nothing.
void RelabelLanguageItems(QStringList& lines, int n, const CaptionTable& table, int column);
void RelabelLanguageItems(QObject* list, int n, const CaptionTable& table, int column);

// The language number (row) of the first cell equal to the line, scanning row by row; -1
// when none matches.
int LanguageOfItem(const QString& line, const CaptionTable& table);
// The same for line `index` of a list (-1 for an index outside it).
int LanguageOfItem(const QObject* list, int index, const CaptionTable& table);

// Selects the first of the first n items whose text is any cell of `languageNumber`'s row of
// the language-name table; the selection stays when none matches. Returns the index
// selected or -1.
int SelectLanguageItem(QObject* radioGroup, int n, int languageNumber);

// The main window's "Say in" pop-up: fills `list` from the sound-language slots with the
// Shift caption table, sizes panel and list by the number of sound languages (panel 40, 60,
// 80 or 100 high, list 38, 58, 78 or 100, for 1 to 4) and draws the pop-up's two bottom lines
// in (140,125,67) on the panel's picture (widened to the panel first when it is smaller).
void setUpSayInList(TOrvikPanel* panel, TOrvikChapterList* list,
                    const std::array<int, 4>& soundSlots);
// Draws the "Say in" pop-up's two bottom lines on its picture at its present size (the picture
// grown to it first when smaller).
void drawSayInEdge(TOrvikPanel* panel);

}  // namespace orvik
