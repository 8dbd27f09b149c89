#pragma once
// The fonts of the interface language. The font maker turns a logical description (face, cell
// height, weight, italic, character set) into a QFont whose ascent plus descent fill the cell;
// the character set (162 Western, 204 Cyrillic) stays in the description, which every control
// given a font here keeps in its "fontSpec" property.
// The Western and Cyrillic font sets: each window that takes them is a FontSetWindow and gives
// its own controls their fonts, in order: the window pass (Times bold 16 on its labels, check
// boxes, radio groups and bitmap buttons), its named controls, and (the main window) its hint
// windows (Arial 14). The program knows its windows and tells each one when the interface
// language changes.

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

// The window pass: every label (but `except`), check box, radio group and bitmap button of the
// window takes Times bold 16 of the character set.
void applyWindowPass(QWidget* window, int charset, const QWidget* except = nullptr);

// A window that takes the font set of the interface language.
class FontSetWindow {
 public:
  virtual ~FontSetWindow() = default;
  // Gives the window's own controls the fonts of the language's character set.
  virtual void applyFontSet(Language interfaceLanguage) = 0;
};

// The character set of an interface language number: 204 for 3 (Russian), 162 for 1, 2 and
// 4, 0 for any other number (no font set).
int charsetOfLanguageNumber(int languageNumber);
// The character set a language is written in.
constexpr int charsetOf(Language language) {
  return language.isCyrillic() ? kCyrillicCharset : kWesternCharset;
}

}  // namespace orvik

Q_DECLARE_METATYPE(orvik::FontSpec)
