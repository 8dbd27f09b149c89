#pragma once
// BrowseSeams: where the main window hands work to the subsystems that sound, auto-play, the
// entry-list windows, the "Say in" pop-up and printing provide. Each operation is named after
// what the browsing code asks for at that moment; the base class does nothing, so browsing runs
// the same whether or not those subsystems are present. A subsystem (or a test) installs its own
// implementation with TForm1::setSeams().

#include <QPoint>

class BrowseSeams {
 public:
  virtual ~BrowseSeams() = default;

  // Sounds: the click of nearly every button, the page turn of the page buttons (both silent
  // while sound effects are off); stopping a playing entry sound, or every sound.
  virtual void playClickSound() {}
  virtual void playPageTurnSound() {}
  virtual void stopEntrySound() {}
  virtual void stopAllSounds() {}
  // Pronounces the current entry in a language (number 1..4), as that language's entry sound
  // button does.
  virtual void pronounceEntry(int languageNumber) {}

  // Auto-play: whether it runs, stopping it, the panel's idle state, and the panel following
  // the current entry (its entry count and position).
  virtual bool autoPlayRunning() const { return false; }
  virtual void stopAutoPlay() {}
  virtual void setAutoPlayIdle() {}
  virtual void updateAutoPlayPosition() {}

  // The entry-list windows of the four languages: emptied with the panes, their selection
  // cleared on an empty spot, brought to the current entry, and those of languages no longer
  // shown hidden.
  virtual void clearEntryLists() {}
  virtual void clearEntryListSelection() {}
  virtual void bringEntryListsToEntry() {}
  virtual void hideEntryListsOfHiddenLanguages() {}
  virtual void hideAllEntryLists() {}
  // A language's list button: fill and show its entry-list window.
  virtual void openEntryList(int languageNumber) {}

  // The "Say in" pop-up of the page picture, opened at a point of the picture.
  virtual void openSayIn(QPoint pointOnPicture) {}
  // Whether the "Say in" pop-up shows; hiding it.
  virtual bool sayInShowing() const { return false; }
  virtual void hideSayIn() {}

  // Whether the settings dialog's single-language pronunciation check box is unchecked and
  // visible (a left click on the picture then pronounces nothing).
  virtual bool clickPronunciationOff() const { return false; }

  // Printing: the page picture (btnPrintPct), a language's entries of the page (its print
  // button), the entry of a language's pane (the pane menu's print line).
  virtual void printPicture() {}
  virtual void printEntries(int languageNumber) {}
  virtual void printEntry(int languageNumber) {}

  // Closing the three small chooser windows when the mouse moves over the window.
  virtual void closeChoosers() {}
};
