#pragma once
// EntryListWindows: the main window's entry-lists role over the four page entry list windows,
// and what they do when the main window moves: they follow its current entry, empty themselves
// when its panes are emptied, lose their selection when no entry is selected, hide when the
// page view is left or their language is no longer shown. While a language's window shows, its
// pane's list button is hidden; when the window closes in the page view, the panes lay their
// buttons out again and the button shows.
//
// It promises that an open list never shows another page than the main window's: a list left
// behind by a page change is filled again for the page on screen before it selects anything, and
// it selects nothing rather than a line of another entry.
//
// The lists stand on top of every other window. While a modal window shows (a find or page-list
// window, a dialog, the print dialog) they step out of its way: it would otherwise lie under
// them and leave them neither draggable nor closable. They stay open (their buttons stay hidden)
// and come back where they stood when the last modal window is gone, for the page then on screen,
// unless the page view was left or their language is no longer shown meanwhile.

#include <QObject>
#include <QPoint>
#include <array>

#include "browse/hand_over.h"

class TDMOrvik;
class TForm1;
class TLangList;

namespace orvik {
class ModalWatch;
}

// A QObject so that the connections made for it end with it.
class EntryListWindows final : public QObject, public EntryListsRole {
  Q_OBJECT

 public:
  // `windows` by language number - 1.
  EntryListWindows(TForm1* mainWindow, TDMOrvik* data, const std::array<TLangList*, 4>& windows);

  void openEntryList(orvik::Language language) override;
  bool entryListOpen(orvik::Language language) const override;

  // --- Following the main window ---
  // The current entry changed: each open list shows the current page and selects the entry.
  void followCurrentEntry();
  // The panes were emptied: each list empties.
  void clearLists();
  // No entry is selected: no line is either.
  void clearSelections();
  // The page view was left.
  void hideAll();
  // The shown languages changed: the lists of languages no longer shown hide.
  void hideUnshown();
  // A list closed: in the page view its list button shows again.
  void listClosed(int language);

  // Whether `language`'s list is out of the way of a modal window, to come back after it.
  bool steppedAside(int language) const;

 private:
  TLangList* window(int language) const;
  void stepAside();
  void comeBack();

  TForm1* main_;
  TDMOrvik* data_;
  std::array<TLangList*, 4> windows_;
  std::array<bool, 4> steppedAside_{};
  std::array<QPoint, 4> places_;  // where the lists out of the way stood
  static constexpr int kSettleMs = 250;
  orvik::ModalWatch* modalWatch_;
};
