#pragma once
// The search subsystem as the program sees it: the find windows (one per language), the
// search-base message, the language chooser, and FindWindows, the
// find role the main window hands its Find button and its Ctrl+E/F/R/S keys to.

#include <QObject>
#include <array>

#include "browse/hand_over.h"
#include "search/find_chooser.h"
#include "search/find_message.h"
#include "search/find_window.h"

class TDMOrvik;
class TForm1;

// FindWindows: opens the find windows for the main window. It promises:
//  - the chooser shows beside the Find button, listing the installed languages; a line opens
//    its language's window as Ctrl+letter does;
//  - a language that is not installed opens nothing, and a find window already open is not
//    opened again;
//  - a window closed without a Go leaves the main window on the page it showed (the search
//    moves none of its tables).
class FindWindows final : public QObject, public FindRole {
  Q_OBJECT

 public:
  // windows: by language number - 1. Gives every window the program's parts.
  FindWindows(TDMOrvik* data, TForm1* mainWindow, const std::array<TFrmFind*, 4>& windows,
              TfrmLangForFind* chooser, TMsgFind* message);

  void openFindChooser() override;
  void openFind(orvik::Language language) override;

  TFrmFind* window(int language) const;
  TfrmLangForFind* chooser() const { return chooser_; }

 private:
  void chosen(orvik::Language language);

  TDMOrvik* data_;
  TForm1* main_;
  std::array<TFrmFind*, 4> windows_;
  TfrmLangForFind* chooser_;
};
