#pragma once
// SettingsBinding: ties the settings bytes to the settings dialog's controls and the dialog's
// OK to the main window. Installed once at start; from then on every save of the settings
// copies the dialog's controls first.
//
// It promises: the controls and bytes 1, 2, 6, 7 (language boxes; 3 to 5 always 0), 8 to 10
// (radio groups, by the language their selected item names; unchanged for none), 11 (pause), 12
// (sound effects), 13 (font size; both track-bar positions as far as the bars reach), 30 and
// 31 (single-language boxes) map both ways; the installation bytes are never written.

#include <functional>
#include <optional>
#include <vector>

#include "app/settings_file.h"
#include "lang/settings_dialog.h"
#include "platform/failure.h"

class TForm1;
class SoundRole;
namespace orvik {
class FontSetWindow;
}

class SettingsBinding : public SettingsControls, public TfrmNumbLang::Owner {
 public:
  // Sets the dialog up from the installation lists, shows the settings in it and hooks its
  // OK, closing and click sound to the settings and the main window (which may be null). A save
  // that fails is told in `messages` (once a session).
  SettingsBinding(Settings& settings, TfrmNumbLang* dialog, TForm1* mainWindow, QString folder,
                  orvik::MessageBoxes* messages);
  // Detaches from the settings, which then save their bytes as they are.
  ~SettingsBinding() override;

  void copyControlsToSettings() override;
  void copySettingsToControls() override;

  // The frame picture of the installed languages ("Lng<count>.ori") could not be read while the
  // dialog was set up: the picture failure that ends the start.
  const std::optional<orvik::Failure>& frameFailure() const { return frameFailure_; }

  // The windows a change of the interface language gives their fonts (none until set).
  void setFontSetWindows(std::function<std::vector<orvik::FontSetWindow*>()> windows) {
    fontSetWindows_ = std::move(windows);
  }

  // The click sound of the dialog's buttons (not owned; null: silent).
  void setSound(SoundRole* sound) { sound_ = sound; }

  // What the dialog asks.
  void clickSound() override;
  void store() override;
  void rebuildShownLanguages() override;
  void switchInterface(int languageNumber) override;
  void relayoutPanes() override;
  void setPaneFontSize(int pointSize) override;
  void refreshEntryViews() override;

 private:
  Settings& settings_;
  TfrmNumbLang* dialog_;
  TForm1* window_;
  orvik::MessageBoxes* messages_;
  SoundRole* sound_ = nullptr;
  std::function<std::vector<orvik::FontSetWindow*>()> fontSetWindows_;
  std::optional<orvik::Failure> frameFailure_;
};
