#pragma once
// The fonts of the interface language. The font maker turns a logical description (face, cell
// height, weight, italic, character set) into a QFont whose ascent plus descent fill the cell;
// the character set (162 Western, 204 Cyrillic) stays in the description, which every control
// given a font here keeps in its "fontSpec" property. The Western and Cyrillic font sets
// give the program's windows and controls their fonts in three passes: the window pass (Times
// bold 16 on labels, check boxes, radio groups and bitmap buttons of the listed windows), the
// named controls, and the hint windows (Arial 14).
// Windows are found by objectName among the application's top-level widgets (without regard
// to case); a window that does not exist is passed over.

#include <QFont>
#include <QMetaType>
#include <QString>

#include "schema/language.h"

class QWidget;

namespace orvik {

inline constexpr int kWesternCharset = 162;
inline constexpr int kCyrillicCharset = 204;

struct FontSpec {
  QString face;
  int cellHeight = 0;  // the whole character cell, in pixels
  int weight = 400;    // 400 regular, 700 bold
  bool italic = false;
  int charset = kWesternCharset;
  int pitchAndFamily = 34;  // variable pitch; 34 sans-serif, 18 serif
  bool operator==(const FontSpec&) const = default;
};

// The font maker: a font whose ascent plus descent equal the cell height.
QFont makeFont(const FontSpec& desc);
// The fixed variants.
FontSpec arialSpec(int cellHeight, int charset);
FontSpec arialItalicSpec(int cellHeight, int charset);
FontSpec timesBoldSpec(int cellHeight, int charset);
// The general form: the height argument plus 6 as the cell height, pitch and family 34.
FontSpec generalFontSpec(const QString& face, int height, int weight, bool italic, int charset);

// Gives the widget the font and records its description.
void applyFont(QWidget* widget, const FontSpec& desc);
// The description a widget was last given here (cell height 0 when none).
FontSpec fontSpecOf(const QWidget* widget);

// A top-level window by objectName, without regard to case; null when there is none.
QWidget* findWindow(const QString& name);

// Step 1 for one window: every label except lblMainCap, every check box, every radio group
// and every bitmap button takes Times bold 16 of the character set.
void applyWindowPass(QWidget* window, int charset);
// Steps 1 to 3 over all windows of the program that exist.
void applyFontSet(int charset);
// Steps 1 to 3 for the main window's controls only (at start).
void applyMainWindowFontSet(QWidget* mainWindow, int charset);
// The character set of an interface language number: 204 for 3 (Russian), 162 for 1, 2 and
// 4, 0 for any other number (no font set).
int charsetOfLanguageNumber(int languageNumber);
// The character set a language is written in.
constexpr int charsetOf(Language language) {
  return language.isCyrillic() ? kCyrillicCharset : kWesternCharset;
}

}  // namespace orvik

Q_DECLARE_METATYPE(orvik::FontSpec)
