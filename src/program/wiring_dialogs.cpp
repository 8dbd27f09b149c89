// The small dialogs of the main window: the exit confirmation, the help menu with its help
// window and about box, and the settings dialog with its message.

#include "app/data_module.h"
#include "browse/main_window.h"
#include "controls/orvik_btn98.h"
#include "lang/about_box.h"
#include "lang/exit_dialog.h"
#include "lang/help_menu.h"
#include "lang/help_window.h"
#include "lang/settings_dialog.h"
#include "program/wiring.h"

namespace {

class ProgramDialogs final : public DialogsRole {
 public:
  explicit ProgramDialogs(const ProgramParts& parts) : parts_(parts) {}

  bool confirmExit() override {
    TfrmExit* dialog = parts_.exitDialog;
    // A second request while the confirmation shows (Alt+F4 pressed again) adds nothing.
    return dialog && !dialog->isShowingModal() && dialog->execute(parts_.mainWindow);
  }
  void openHelpMenu() override {
    if (parts_.helpMenu) parts_.helpMenu->popUp();
  }
  void openSettings() override {
    if (parts_.settingsDialog)
      parts_.settingsDialog->execute(parts_.mainWindow, parts_.mainWindow->clientArea());
  }

 private:
  const ProgramParts& parts_;
};

}  // namespace

void wireDialogs(ProgramParts& parts) {
  TForm1* main = parts.mainWindow;
  parts.handOver.dialogs = parts.own<ProgramDialogs>(parts);
  parts.settingsDialog->setCheckedMessage(parts.checkedMessage);
  parts.helpMenu->setAnchors(main, main->clientArea(), main->buttonWidget(TForm1::Button::Help),
                             parts.about);
  // The help window is ours, not one of the windows the start-up makes in its fixed order: it
  // lives as long as the wiring.
  parts.helpWindow = parts.own<HelpWindow>();
  parts.helpMenu->setHelpWindow(parts.helpWindow);
  parts.helpWindow->setSettingsFile(parts.data->settings().filePath());
  QObject::connect(parts.helpMenu, &TfrmOptForHelp::linePressed, main, &TForm1::HelpLinePressed);
  QObject::connect(main, &TForm1::pointerMovedOverWindow, parts.helpMenu, &QWidget::hide);
}
