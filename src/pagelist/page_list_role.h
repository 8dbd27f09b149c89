#pragma once
// PageListWindows: the main window's page-list role over the four page list windows and their
// language chooser. It keeps the page-list language (0 English, 1 French, 2 Russian, 3 Spanish),
// set at every opening.
//
// It promises: a language that is not installed opens nothing; a window already showing is not
// opened a second time; the chooser's line stops the sounds and the auto-play, plays the click
// and opens the chosen language's window modally.

#include <QObject>
#include <array>

#include "browse/hand_over.h"

class TDMOrvik;
class TForm1;
class TfrmPageList;
class TfrmLangForPageList;

// A QObject so that the connections made for it end with it.
class PageListWindows final : public QObject, public PageListRole {
  Q_OBJECT

 public:
  // `windows` by language number - 1. Fills each installed language's window and the chooser's
  // lines, and puts the chooser by the main window's page-list button.
  PageListWindows(TForm1* mainWindow, TDMOrvik* data, const std::array<TfrmPageList*, 4>& windows,
                  TfrmLangForPageList* chooser);

  void openPageListChooser() override;
  void openPageList(orvik::Language language) override;

  // The chooser's line for a language: sounds stopped, auto-play idle, click, the window.
  void chooserLineChosen(orvik::Language language);
  // The page-list language of the last opening (0..3), -1 before the first.
  int pageListLanguage() const { return pageListLanguage_; }

 private:
  TForm1* main_;
  TDMOrvik* data_;
  std::array<TfrmPageList*, 4> windows_;
  TfrmLangForPageList* chooser_;
  int pageListLanguage_ = -1;
};
