#include "pagelist/entry_list_windows.h"

#include <QApplication>
#include <QTimer>

#include "app/data_module.h"
#include "browse/entry_panes.h"
#include "browse/main_window.h"
#include "controls/orvik_btn98.h"
#include "pagelist/page_entry_lists.h"
#include "platform/modal_watch.h"

EntryListWindows::EntryListWindows(TForm1* mainWindow, TDMOrvik* data,
                                   const std::array<TLangList*, 4>& windows)
    : main_(mainWindow), data_(data), windows_(windows), modalWatch_(new orvik::ModalWatch(this)) {
  for (TLangList* list : windows_)
    if (list) list->setMainWindow(main_, data_);
  connect(modalWatch_, &orvik::ModalWatch::modalStarted, this, &EntryListWindows::stepAside);
  connect(modalWatch_, &orvik::ModalWatch::modalsEnded, this, &EntryListWindows::comeBack);
}

TLangList* EntryListWindows::window(int language) const {
  return language >= 1 && language <= 4 ? windows_[language - 1] : nullptr;
}

void EntryListWindows::openEntryList(orvik::Language chosen) {
  const int language = chosen.number();
  TLangList* list = window(language);
  if (!list || !data_ || !data_->settings().installed(chosen)) return;
  if (main_ && main_->handOver().sound) main_->handOver().sound->playClickSound();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  list->openOrRefresh();
  if (main_) main_->showListButton(chosen, false);
  QApplication::restoreOverrideCursor();
}

bool EntryListWindows::entryListOpen(orvik::Language language) const {
  const TLangList* list = window(language.number());
  return list && (list->isVisible() || steppedAside(language.number()));
}

bool EntryListWindows::steppedAside(int language) const {
  return language >= 1 && language <= 4 && steppedAside_[language - 1];
}

void EntryListWindows::stepAside() {
  for (int language = 1; language <= 4; ++language) {
    TLangList* list = window(language);
    if (!list || !list->isVisible()) continue;
    // Marked first: the hiding reports the list closed, which a list out of the way is not.
    steppedAside_[language - 1] = true;
    places_[language - 1] = list->pos();
    list->hide();
  }
}

void EntryListWindows::comeBack() {
  for (orvik::Language own : orvik::Language::all()) {
    const int language = own.number();
    if (!steppedAside(language)) continue;
    steppedAside_[language - 1] = false;
    TLangList* list = window(language);
    // Not after the program was closed, nor for a page view that was left meanwhile.
    const bool stillWanted = main_ && data_ && main_->isVisible() &&
                             main_->view() == TForm1::View::Page && data_->settings().shown(own);
    if (!list || !stillWanted) {
      listClosed(language);
      continue;
    }
    // Where it stood. A window manager that takes a hidden window back from its frame may
    // leave it reported at the screen's corner, so the place is the one it had.
    const QPoint place = places_[language - 1];
    list->move(place);
    list->show();
    // Such a window manager's late word on the frame can also leave the window reported at the
    // corner while it stands in its place (seen with openbox): a drag or the next step aside
    // would then start from the corner. Once it is settled, the place is set again.
    QTimer::singleShot(kSettleMs, list, [list, place] {
      if (list->isVisible() && list->pos() != place) list->move(place);
    });
    if (list->pageCode() != main_->currentPageCode()) list->fillForCurrentPage();
    list->selectCurrentEntry();
    main_->showListButton(own, false);
  }
}

void EntryListWindows::followCurrentEntry() {
  if (!main_) return;
  for (TLangList* list : windows_) {
    if (!list || !list->isVisible()) continue;
    if (list->pageCode() != main_->currentPageCode()) list->fillForCurrentPage();
    list->selectCurrentEntry();
  }
}

void EntryListWindows::clearLists() {
  for (TLangList* list : windows_)
    if (list) list->clearList();
}

void EntryListWindows::clearSelections() {
  for (TLangList* list : windows_)
    if (list) list->clearSelection();
}

void EntryListWindows::hideAll() {
  steppedAside_.fill(false);
  for (TLangList* list : windows_)
    if (list) list->hide();
}

void EntryListWindows::hideUnshown() {
  if (!data_) return;
  for (orvik::Language language : orvik::Language::all())
    if (TLangList* list = window(language.number()); list && !data_->settings().shown(language)) {
      steppedAside_[language.number() - 1] = false;
      list->hide();
    }
}

void EntryListWindows::listClosed(int language) {
  // A list out of the way of a modal window is still open.
  if (steppedAside(language)) return;
  if (main_) main_->showPaneControls();
}
