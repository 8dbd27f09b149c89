#pragma once
// The main window's hand-over to the other subsystems, in one shape:
//  - what happens in the main window that others follow is a Qt signal of TForm1 (the current
//    entry changed, the panes cleared, the entry deselected, the page view left, the shown
//    languages changed, the pointer moved over the window);
//  - what the main window asks others to do or tell is one of the small role interfaces below,
//    each implemented by the subsystem that does the work and installed by the program's wiring
//    (src/program) with TForm1::setHandOver();
//  - state that belongs to the main window (the auto-play-running flag, the "Say in" pop-up)
//    stays in it and is not asked for.
// A role the wiring has not installed does nothing, so the window can be built on its own; the
// running program installs every role (HandOver::complete()).

#include <QString>

#include "app/dictionary_model.h"
#include "schema/language.h"

// Sounds the main window asks for.
class SoundRole {
 public:
  virtual ~SoundRole() = default;
  // The click of nearly every button and the page turn of the page buttons; both silent while
  // sound effects are off.
  virtual void playClickSound() = 0;
  virtual void playPageTurnSound() = 0;
  // Cuts a playing entry sound; cuts every sound (entry and names).
  virtual void stopEntrySound() = 0;
  virtual void stopAllSounds() = 0;
  // Pronounces the current entry in a language, as that language's entry sound button does;
  // nothing when its pane is empty or auto-play runs.
  virtual void pronounceEntry(orvik::Language language) = 0;
  // The page name of the current page and a chapter name, in the interface language.
  virtual void pronouncePageName() = 0;
  virtual void pronounceChapterName(const QString& chapterName) = 0;
  // Whether a left click on the page picture pronounces the entry (the settings' single-language
  // pronunciation box may turn it off).
  virtual bool clickPronunciationOn() const = 0;
};

// The auto-play panel, as the main window drives it. Whether auto-play runs is the main window's
// own flag (TForm1::autoPlayRunning()); the panel follows the current entry through
// TForm1::currentEntryChanged.
class AutoPlayRole {
 public:
  virtual ~AutoPlayRole() = default;
  // Stops a running auto-play (the flag clears, the commands unlock); nothing when idle.
  virtual void stopAutoPlay() = 0;
  // The panel's idle button set and texts.
  virtual void setIdle() = 0;
  // btnAutoPlayPanel: shows the panel.
  virtual void showPanel() = 0;
};

// The page entry-list windows of the four languages. They follow the main window through its
// signals (entry changed, panes cleared, entry deselected, page view left, languages changed).
class EntryListsRole {
 public:
  virtual ~EntryListsRole() = default;
  // A pane's list button: fills and shows that language's entry-list window.
  virtual void openEntryList(orvik::Language language) = 0;
  // Whether that language's window shows (its pane's list button hides meanwhile).
  virtual bool entryListOpen(orvik::Language language) const = 0;
};

// Printing.
class PrintRole {
 public:
  virtual ~PrintRole() = default;
  // btnPrintPct and Ctrl+P on the picture: the page picture.
  virtual void printPicture() = 0;
  // A pane's print button: the page's entries in that language.
  virtual void printEntries(orvik::Language language) = 0;
  // The pane menu's print line: the entry of that pane.
  virtual void printEntry(orvik::Language language) = 0;
};

// The find windows.
class FindRole {
 public:
  virtual ~FindRole() = default;
  // btnFind: the language chooser of the find windows, anchored to the button.
  virtual void openFindChooser() = 0;
  // Ctrl+E/F/R/S: that language's find window directly.
  virtual void openFind(orvik::Language language) = 0;
};

// The page-list windows.
class PageListRole {
 public:
  virtual ~PageListRole() = default;
  // btnPageList: the language chooser of the page lists, anchored to the button.
  virtual void openPageListChooser() = 0;
  // Alt+E/F/R/S: that language's page list directly.
  virtual void openPageList(orvik::Language language) = 0;
};

// The small dialogs the main window opens.
class DialogsRole {
 public:
  virtual ~DialogsRole() = default;
  // The exit confirmation, modal; true on Yes.
  virtual bool confirmExit() = 0;
  // btnHelp: the help menu above the button. Its lines come back as TForm1::HelpLinePressed.
  virtual void openHelpMenu() = 0;
  // btnNumberLang: the settings dialog, modal.
  virtual void openSettings() = 0;
};

// Practice on the page picture. While a round runs, the main window asks a picture question
// (TForm1::beginPictureQuestion): the pointer gives nothing away and the chosen spots come here.
class PracticeRole {
 public:
  virtual ~PracticeRole() = default;
  // btnPractice and Ctrl+L: the practice panel.
  virtual void openPractice() = 0;
  // Leaves a running round at once (auto-play started, the window closes); nothing when idle.
  virtual void stopPractice() = 0;
  // While a picture question stands: the spot the learner chose with a click or with Enter on
  // the focus ring; an invalid EntryRef for a point where the hit map names no entry.
  virtual void spotChosen(orvik::EntryRef entry) = 0;
  // Esc while a picture question stands: the round ends (its summary shows).
  virtual void leaveRound() = 0;
  // The chapter view's bar: how many entries of a chapter the learner knows, out of how many;
  // total 0 (no bar) while the learner has never practised.
  struct KnownWords {
    int known = 0;
    int total = 0;
  };
  virtual KnownWords knownWords(int chapterCode) const = 0;
};

// Every role of the main window; a null role does nothing.
struct HandOver {
  SoundRole* sound = nullptr;
  AutoPlayRole* autoPlay = nullptr;
  EntryListsRole* entryLists = nullptr;
  PrintRole* print = nullptr;
  FindRole* find = nullptr;
  PageListRole* pageList = nullptr;
  DialogsRole* dialogs = nullptr;
  PracticeRole* practice = nullptr;

  bool complete() const {
    return sound && autoPlay && entryLists && print && find && pageList && dialogs && practice;
  }
};
