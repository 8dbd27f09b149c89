#include "pagelist/page_list_role.h"

#include "app/data_module.h"
#include "browse/main_window.h"
#include "controls/orvik_btn98.h"
#include "pagelist/page_list_chooser.h"
#include "pagelist/page_list_windows.h"

PageListWindows::PageListWindows(TForm1* mainWindow, TDMOrvik* data,
                                 const std::array<TfrmPageList*, 4>& windows,
                                 TfrmLangForPageList* chooser)
    : main_(mainWindow), data_(data), windows_(windows), chooser_(chooser) {
  for (TfrmPageList* window : windows_)
    if (window) window->setUp(main_, data_);
  if (chooser_) {
    if (data_) chooser_->setLanguages(data_->settings().installedList);
    if (main_)
      chooser_->setAnchors(main_, main_->clientArea(),
                           main_->buttonWidget(TForm1::Button::PageList));
  }
}

void PageListWindows::openPageListChooser() {
  if (chooser_) chooser_->popUp();
}

void PageListWindows::openPageList(orvik::Language chosen) {
  const int language = chosen.number();
  if (!windows_[language - 1]) return;
  if (!data_ || !data_->settings().installed(chosen)) return;
  TfrmPageList* window = windows_[language - 1];
  if (window->isShowingModal()) return;
  pageListLanguage_ = language - 1;
  window->execute();
}

void PageListWindows::chooserLineChosen(orvik::Language language) {
  if (main_) {
    const HandOver& roles = main_->handOver();
    if (roles.sound) roles.sound->stopAllSounds();
    if (roles.autoPlay) roles.autoPlay->setIdle();
    if (roles.sound) roles.sound->playClickSound();
  }
  openPageList(language);
}
