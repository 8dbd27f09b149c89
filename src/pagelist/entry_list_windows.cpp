#include "pagelist/entry_list_windows.h"

#include <QApplication>

#include "app/data_module.h"
#include "browse/entry_panes.h"
#include "browse/main_window.h"
#include "controls/orvik_btn98.h"
#include "pagelist/page_entry_lists.h"

EntryListWindows::EntryListWindows(TForm1* mainWindow, TDMOrvik* data,
                                   const std::array<TLangList*, 4>& windows)
    : main_(mainWindow), data_(data), windows_(windows) {
  for (TLangList* list : windows_)
    if (list) list->setMainWindow(main_, data_);
}

TLangList* EntryListWindows::window(int language) const {
  return language >= 1 && language <= 4 ? windows_[language - 1] : nullptr;
}

void EntryListWindows::openEntryList(orvik::Language chosen) {
  const int language = chosen.number();
  TLangList* list = window(language);
  if (!list || !data_ || !data_->settings().installed(language)) return;
  if (main_ && main_->handOver().sound) main_->handOver().sound->playClickSound();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  list->openOrRefresh();
  if (main_) main_->showListButton(chosen, false);
  QApplication::restoreOverrideCursor();
}

bool EntryListWindows::entryListOpen(orvik::Language language) const {
  const TLangList* list = window(language.number());
  return list && list->isVisible();
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
  for (TLangList* list : windows_)
    if (list) list->hide();
}

void EntryListWindows::hideUnshown() {
  if (!data_) return;
  for (int language = 1; language <= 4; ++language)
    if (TLangList* list = window(language); list && !data_->settings().shown(language))
      list->hide();
}

void EntryListWindows::listClosed(int) {
  if (main_) main_->showPaneControls();
}
