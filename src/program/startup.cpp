#include "program/startup.h"

#include <QApplication>

#include "browse/main_window.h"
#include "controls/accessibility.h"
#include "lang/about_box.h"
#include "lang/exit_dialog.h"
#include "lang/help_menu.h"
#include "lang/locate_dialog.h"
#include "lang/multi_lang.h"
#include "lang/settings_dialog.h"
#include "pagelist/page_entry_lists.h"
#include "pagelist/page_list_windows.h"
#include "platform/application.h"
#include "platform/failure.h"
#include "platform/optical_discs.h"
#include "platform/pop_ups.h"
#include "practice/practice_panel.h"
#include "print/print_message.h"
#include "program/settings_binding.h"
#include "program/splash_form.h"
#include "program/wiring.h"
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
  // The roles first (the main window stops asking them), then the binding: the settings must
  // not reach the dialog while it goes.
  parts_.releaseRoles();
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
    orvik::Application::terminate(int(orvik::ExitStatus::StartFailed));
    return false;
  }

  const auto add = [this](auto* w) {
    windows_.append(w);
    return w;
  };
  // Every press passes the pop-up filter first.
  orvik::PopUps::install();
  // Screen readers learn the skinned controls' roles and names in the interface language.
  orvik::installAccessibility([] { return int(TBaseMultiLang::currentTranslationIndex()); });
  ProgramParts& p = parts_;
  p.data = data_.get();
  p.env = &env_;
  p.mainWindow = add(new TForm1(data_.get()));
  if (orvik::Application::terminated()) return false;
  p.settingsDialog = add(new TfrmNumbLang);
  settingsBinding_ = std::make_unique<SettingsBinding>(
      data_->settings(), p.settingsDialog, p.mainWindow, env_.currentDir, env_.messages);
  p.settingsBinding = settingsBinding_.get();
  if (const auto& failure = settingsBinding_->frameFailure()) {
    orvik::report(*failure, env_.messages);
    return false;
  }
  // One window of each kind per language, each kind in its own order; the arrays are indexed
  // by language number - 1.
  using L = orvik::Language;
  for (const L language : {L::English, L::Russian, L::Spanish, L::French})
    p.entryLists[language.number() - 1] = add(new TLangList(language));
  for (const L language : {L::English, L::Russian, L::French, L::Spanish})
    p.findWindows[language.number() - 1] = add(new TFrmFind(language));
  for (const L language : {L::English, L::Russian, L::Spanish, L::French})
    p.pageLists[language.number() - 1] = add(new TfrmPageList(language));
  p.findMessage = add(new TMsgFind);
  p.printMessage = add(new TMsgPrint);
  p.checkedMessage = add(new TMsgChecked);
  p.findChooser = add(new TfrmLangForFind);
  p.pageListChooser = add(new TfrmLangForPageList);
  p.helpMenu = add(new TfrmOptForHelp);
  p.autoPlayPanel = add(new TfrmTrackAutoPlay);
  p.about = add(new TfrmAbout);
  p.exitDialog = add(new TfrmExit);
  p.practicePanel = add(new TfrmPractice);
  if (orvik::Application::terminated()) return false;
  // From now on a change of the interface language gives every window its fonts.
  settingsBinding_->setFontSetWindows([&p] { return p.fontSetWindows(); });

  wireSound(p);
  wireDialogs(p);
  wireDisplay(p);
  wireAutoPlay(p);
  wireEntryLists(p);
  wireFind(p);
  wirePageLists(p);
  wirePrint(p);
  wirePractice(p);
  // Every role the main window uses has its subsystem's implementation in the running program.
  Q_ASSERT(p.handOver.complete());
  if (!p.handOver.complete()) qWarning("A role of the main window was left without its subsystem");
  p.mainWindow->setHandOver(p.handOver);
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

std::vector<orvik::FontSetWindow*> ProgramParts::fontSetWindows() const {
  std::vector<orvik::FontSetWindow*> windows{mainWindow,      settingsDialog, findChooser,
                                             pageListChooser, helpMenu,       autoPlayPanel,
                                             exitDialog};
  windows.insert(windows.end(), pageLists.begin(), pageLists.end());
  windows.insert(windows.end(), findWindows.begin(), findWindows.end());
  windows.insert(windows.end(), entryLists.begin(), entryLists.end());
  std::erase(windows, nullptr);
  return windows;
}

void ProgramParts::releaseRoles() {
  if (mainWindow) mainWindow->setHandOver({});
  handOver = {};
  sound = nullptr;
  while (!owned_.empty()) owned_.pop_back();
  mainWindow = nullptr;
}
