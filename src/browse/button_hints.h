#pragma once
// The hover hints of the main window's buttons in the four interface languages: one row per
// button (or per kind of pane button, whose names end in the two-letter language code), the
// texts by language number (English, French, Russian, Spanish).

#include <QWidget>

namespace orvik {

struct ButtonHint {
  const char* name;  // a button's object name, or the start of the four pane buttons' names
  bool perLanguage;  // true: "<name>En", "<name>Fr", "<name>Ru", "<name>Sp"
  const char* text[4];
};

// Every row of the table.
const ButtonHint* buttonHints(int* count);

// Sets the hint of every button of `window` the table names, in language number 1..4.
void applyButtonHints(QWidget* window, int languageNumber);

}  // namespace orvik
