#include "app/startup.h"

#include <QApplication>

#include "app/program_seams.h"
#include "app/settings_binding.h"
#include "app/splash_form.h"
#include "browse/main_window.h"
#include "lang/about_box.h"
#include "lang/exit_dialog.h"
#include "lang/help_menu.h"
#include "lang/locate_dialog.h"
#include "lang/page_entry_lists.h"
#include "lang/settings_dialog.h"
#include "pagelist/page_list_windows.h"
#include "platform/application.h"
#include "platform/optical_discs.h"
#include "print/print_message.h"
#include "search/find_windows.h"
#include "sound/auto_play_panel.h"

OrvikProgram::OrvikProgram(StartupEnvironment env) : env_(std::move(env)) {
  if (!env_.showSplash) {
    const QString folder = env_.currentDir;
    orvik::MessageBoxes* messages = env_.messages;
    env_.showSplash = [folder, messages](int ms) { TSplashForm::showSplash(ms, folder, messages); };
  }
  if (!env_.locate) {
    const orvik::OpticalDiscs* discs = env_.discs;
    env_.locate = [discs](const std::function<bool()>& dataFound) {
      TfrmLocate dialog(dataFound, discs ? discs->mountPoints() : QStringList{});
      return dialog.execute();
    };
  }
}

OrvikProgram::~OrvikProgram() {
  // The binding first: the settings must not reach the dialog while it goes.
  settingsBinding_.reset();
  // Windows first: they read the data module while they go.
  for (int i = windows_.size() - 1; i >= 0; --i) delete windows_[i].data();
  windows_.clear();
  if (TSplashForm* splash = TSplashForm::current()) delete splash;
}

bool OrvikProgram::start() {
  // Whatever escapes the data module's creation ends the program before any window exists.
  try {
    data_ = std::make_unique<TDMOrvik>(env_);
    if (!data_->create() || orvik::Application::terminated()) return false;
  } catch (...) {
    orvik::Application::terminate(9);
    return false;
  }

  const auto add = [this](QWidget* w) { windows_.append(w); };
  add(new TForm1(data_.get()));
  if (orvik::Application::terminated()) return false;
  mainWindow()->setSeams(std::make_unique<ProgramSeams>(data_.get(), mainWindow()));
  add(new TLangList);
  auto* settingsDialog = new TfrmNumbLang;
  add(settingsDialog);
  settingsBinding_ = std::make_unique<SettingsBinding>(data_->settings(), settingsDialog,
                                                       mainWindow(), env_.currentDir);
  add(new TFormEn);
  add(new TFormRu);
  add(new TFormSp);
  add(new TFormFr);
  add(new TFrmFind);
  add(new TfrmFindEn);
  add(new TfrmFindRu);
  add(new TfrmFindFr);
  add(new TfrmFindSp);
  add(new TfrmPageList);
  add(new TfrmPageListEn);
  add(new TfrmPageListRu);
  add(new TfrmPageListSp);
  add(new TfrmPageListFr);
  add(new TMsgFind);
  add(new TMsgPrint);
  add(new TMsgChecked);
  add(new TfrmLangForFind);
  add(new TfrmLangForPageList);
  add(new TfrmOptForHelp);
  add(new TfrmTrackAutoPlay);
  add(new TfrmAbout);
  add(new TfrmExit);
  return !orvik::Application::terminated();
}

int OrvikProgram::run() {
  if (!start()) return orvik::Application::exitCode() ? orvik::Application::exitCode() : 1;
  mainWindow()->show();
  return orvik::Application::exec();
}

TForm1* OrvikProgram::mainWindow() const {
  return windows_.isEmpty() ? nullptr : qobject_cast<TForm1*>(windows_.first().data());
}

QList<QWidget*> OrvikProgram::windows() const {
  QList<QWidget*> list;
  for (const auto& w : windows_) list << w.data();
  return list;
}
