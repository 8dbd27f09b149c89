#include "program/settings_binding.h"

#include <QCheckBox>
#include <algorithm>

#include "app/scrambled_picture.h"
#include "browse/entry_panes.h"
#include "browse/hand_over.h"
#include "browse/main_window.h"
#include "controls/orvik_track_bar.h"
#include "controls/radio_group.h"
#include "lang/font_sets.h"
#include "lang/settings_dialog.h"

namespace {
constexpr std::array<int, 4> kShownBytes{Settings::ShownEn, Settings::ShownFr, Settings::ShownRu,
                                         Settings::ShownSp};
}  // namespace

SettingsBinding::SettingsBinding(Settings& settings, TfrmNumbLang* dialog, TForm1* mainWindow,
                                 QString folder, orvik::MessageBoxes* messages)
    : settings_(settings), dialog_(dialog), window_(mainWindow), messages_(messages) {
  TfrmNumbLang::Installation installation;
  installation.installed = settings.installedList;
  installation.sounds = settings.soundList;
  installation.interfaceLanguage = settings.interfaceLanguage().number();
  installation.framePicture = [this, folder](int count) {
    const QString file = QStringLiteral("Lng%1.ori").arg(count);
    QImage picture = orvik::loadInstallationPicture(folder, file);
    // A damaged frame is refused like the program's other pictures.
    if (picture.isNull() && !frameFailure_)
      frameFailure_ = orvik::Failure{orvik::ExitStatus::Picture, orvik::MessageKind::Warning,
                                     QStringLiteral("Could not open file ") + file};
    return picture;
  };
  dialog_->setUp(installation);
  copySettingsToControls();

  dialog_->setOwner(this);
  settings_.setControls(this);
}

SettingsBinding::~SettingsBinding() {
  if (settings_.controls() == this) settings_.setControls(nullptr);
  dialog_->setOwner(nullptr);
}

void SettingsBinding::store() {
  if (const orvik::Result saved = settings_.save(); !saved)
    orvik::report(saved.failure(), messages_);
}

void SettingsBinding::clickSound() {
  // The box may have been checked just now; the click sound goes by the byte.
  settings_.setValue(Settings::SoundEffects, 1);
  if (sound_) sound_->playClickSound();
}

void SettingsBinding::rebuildShownLanguages() {
  const std::array<QCheckBox*, 4> boxes = dialog_->languageBoxes();
  for (int i = 0; i < 4; ++i) settings_.setValue(kShownBytes[i], boxes[i]->isChecked() ? 1 : 0);
  settings_.deriveShownLanguages();
}

void SettingsBinding::switchInterface(int number) {
  settings_.setValue(Settings::InterfaceLanguage, number);
  const auto language = orvik::Language::fromNumber(number);
  if (!language) return;
  if (fontSetWindows_)
    for (orvik::FontSetWindow* window : fontSetWindows_()) window->applyFontSet(*language);
  if (window_) window_->ReloadLanguageNames(*language);
}

void SettingsBinding::relayoutPanes() {
  if (window_) window_->ApplyShownLanguages();
}

void SettingsBinding::setPaneFontSize(int size) {
  if (window_) window_->setPaneFontSize(size);
}

void SettingsBinding::refreshEntryViews() {
  if (window_) window_->announceCurrentEntry();
}

void SettingsBinding::copyControlsToSettings() {
  const std::array<QCheckBox*, 4> boxes = dialog_->languageBoxes();
  for (int i = 0; i < 4; ++i) settings_.setValue(kShownBytes[i], boxes[i]->isChecked() ? 1 : 0);
  for (int n = 3; n <= 5; ++n) settings_.setValue(n, 0);
  // A group without a language selected keeps the byte; the settings bring every byte into
  // range before they are written, so nothing the program would refuse is stored.
  const auto language = [this](const TRadioGroup* group, int byte) {
    const int number = TfrmNumbLang::selectedLanguage(group);
    settings_.setValue(byte, number >= 1 && number <= 4 ? number : settings_.value(byte));
  };
  language(dialog_->RadioGroup1, Settings::InterfaceLanguage);
  language(dialog_->RadioGroup2, Settings::PronunciationLanguage);
  language(dialog_->RadioGroup3, Settings::AutoPlayLanguage);
  const auto position = [](const TOrvikTrackBar* bar) {
    return std::clamp(bar->Position(), bar->MinPos(), bar->MaxPos());
  };
  settings_.setValue(Settings::AutoPlayPause, position(dialog_->TrackBarPause));
  settings_.setValue(Settings::SoundEffects, dialog_->chBoxSound->isChecked() ? 1 : 0);
  settings_.setValue(Settings::FontSize, position(dialog_->TrackBarFonts));
  settings_.setValue(Settings::OnClickFlag, dialog_->chBoxOnClick->isChecked() ? 1 : 0);
  settings_.setValue(Settings::AutoFlag, dialog_->chBoxAuto->isChecked() ? 1 : 0);
}

void SettingsBinding::copySettingsToControls() {
  const std::array<QCheckBox*, 4> boxes = dialog_->languageBoxes();
  for (int i = 0; i < 4; ++i)
    dialog_->setLanguageBox(boxes[i], settings_.value(kShownBytes[i]) != 0);
  dialog_->selectInterfaceLanguage(settings_.value(Settings::InterfaceLanguage));
  dialog_->selectSoundLanguage(dialog_->RadioGroup2,
                               settings_.value(Settings::PronunciationLanguage));
  dialog_->selectSoundLanguage(dialog_->RadioGroup3, settings_.value(Settings::AutoPlayLanguage));
  dialog_->TrackBarPause->setPosition(settings_.value(Settings::AutoPlayPause));
  dialog_->chBoxSound->setChecked(settings_.flag(Settings::SoundEffects));
  dialog_->TrackBarFonts->setPosition(settings_.value(Settings::FontSize));
  dialog_->chBoxOnClick->setChecked(settings_.flag(Settings::OnClickFlag));
  dialog_->chBoxAuto->setChecked(settings_.flag(Settings::AutoFlag));
}
