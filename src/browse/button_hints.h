#pragma once
// The hover hints of the main window's buttons in the four interface languages. The three kinds
// of pane button (sound, list, print) have one hint for the buttons of every language.

#include <QString>

#include "schema/language.h"

namespace orvik {

enum class HintedButton {
  SoundChapter,
  SoundPage,
  SoundWord,
  List,
  Print,
  BackToPages,
  BackToChapters,
  PageList,
  Settings,
  Find,
  Help,
  NextPage,
  PrevPage,
  PrintPicture,
  Regime,
  NextWord,
  PrevWord,
  AutoPlayPanel,
  Exit,
  Minimize,
  Maximize,
  Restore,
  Close,
};

// The hint of a button in the interface language.
QString buttonHint(HintedButton button, Language interfaceLanguage);

}  // namespace orvik
