#include "search/find_windows.h"

#include "app/data_module.h"
#include "browse/main_window.h"
#include "controls/orvik_btn98.h"
#include "platform/event_pump.h"

FindWindows::FindWindows(TDMOrvik* data, TForm1* mainWindow,
                         const std::array<TFrmFind*, 4>& windows, TfrmLangForFind* chooser,
                         TMsgFind* message)
    : data_(data), main_(mainWindow), windows_(windows), chooser_(chooser) {
  for (TFrmFind* w : windows_)
    if (w) w->setProgram(data, mainWindow, message);
  if (chooser_) {
    chooser_->setUp(data ? data->settings().installedList : std::array<int, 4>{0, 1, 5, 6},
                    mainWindow, mainWindow ? mainWindow->clientArea() : nullptr,
                    mainWindow ? mainWindow->buttonWidget(TForm1::Button::Find) : nullptr);
    connect(chooser_, &TfrmLangForFind::languageChosen, this, &FindWindows::chosen);
  }
}

TFrmFind* FindWindows::window(int language) const {
  return language >= 1 && language <= 4 ? windows_[size_t(language - 1)] : nullptr;
}

void FindWindows::openFindChooser() {
  if (chooser_) chooser_->popUp();
}

void FindWindows::chosen(orvik::Language language) {
  if (main_) {
    if (SoundRole* sound = main_->handOver().sound) sound->stopAllSounds();
    if (AutoPlayRole* autoPlay = main_->handOver().autoPlay) autoPlay->setIdle();
  }
  orvik::Delay(1);
  if (main_)
    if (SoundRole* sound = main_->handOver().sound) sound->playClickSound();
  openFind(language);
}

void FindWindows::openFind(orvik::Language chosen) {
  const int language = chosen.number();
  TFrmFind* w = window(language);
  if (!w || !data_ || !data_->settings().installed(chosen)) return;
  for (TFrmFind* other : windows_)
    if (other && other->isShowingModal()) return;
  if (chooser_) chooser_->hide();
  // The search reads through the dictionary model and moves none of the main window's tables,
  // so a window closed without a Go leaves the main window's page where it was.
  w->execute();
}
