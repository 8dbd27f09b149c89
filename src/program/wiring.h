#pragma once
// The program's wiring: every window of the running program, and one function per subsystem
// that connects it to the main window (its role in the hand-over, its signals) and to the
// windows it opens. Only this folder knows every window.
//
// Wiring order: the start-up creates every window in the fixed order, then calls the wiring
// functions; each fills its part of `handOver`, which the start-up then installs in the main
// window. The role objects a wiring function makes are owned by ProgramParts and go before the
// windows do.

#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "browse/hand_over.h"

struct StartupEnvironment;
class TDMOrvik;
class TForm1;
class TfrmNumbLang;
class TMsgChecked;
class TfrmOptForHelp;
class TfrmAbout;
class HelpWindow;
class TfrmExit;
class TLangList;
class TFrmFind;
class TMsgFind;
class TfrmLangForFind;
class TfrmPageList;
class TfrmLangForPageList;
class TMsgPrint;
class TfrmTrackAutoPlay;
class TfrmPractice;
class SettingsBinding;
class MainWindowSound;
namespace orvik {
class FontSetWindow;
}

struct ProgramParts {
  ProgramParts() = default;
  ProgramParts(const ProgramParts&) = delete;
  ProgramParts& operator=(const ProgramParts&) = delete;
  // The role objects go first, while the windows they use still stand.
  ~ProgramParts() { releaseRoles(); }

  TDMOrvik* data = nullptr;
  const StartupEnvironment* env = nullptr;

  // The windows, by language number - 1 where there is one per language.
  TForm1* mainWindow = nullptr;
  TfrmNumbLang* settingsDialog = nullptr;
  TMsgChecked* checkedMessage = nullptr;
  TfrmOptForHelp* helpMenu = nullptr;
  TfrmAbout* about = nullptr;
  HelpWindow* helpWindow = nullptr;  // made by the dialogs' wiring
  TfrmExit* exitDialog = nullptr;
  std::array<TLangList*, 4> entryLists{};
  std::array<TFrmFind*, 4> findWindows{};
  TMsgFind* findMessage = nullptr;
  TfrmLangForFind* findChooser = nullptr;
  std::array<TfrmPageList*, 4> pageLists{};
  TfrmLangForPageList* pageListChooser = nullptr;
  TMsgPrint* printMessage = nullptr;
  TfrmTrackAutoPlay* autoPlayPanel = nullptr;
  TfrmPractice* practicePanel = nullptr;

  // The windows that take the interface language's font set, the main window first.
  std::vector<orvik::FontSetWindow*> fontSetWindows() const;

  // The settings binding (owned by the start-up).
  SettingsBinding* settingsBinding = nullptr;

  // What the wiring installs in the main window, and the role objects other wiring uses.
  HandOver handOver;
  MainWindowSound* sound = nullptr;

  // Makes an object that lives as long as the program's windows (role objects, bindings).
  template <typename T, typename... Args>
  T* own(Args&&... args) {
    auto holder = std::make_unique<Held<T>>(std::forward<Args>(args)...);
    T* object = &holder->value;
    owned_.push_back(std::move(holder));
    return object;
  }
  // Takes the hand-over out of the main window and ends the owned objects, newest first.
  void releaseRoles();

 private:
  struct Holder {
    virtual ~Holder() = default;
  };
  template <typename T>
  struct Held final : Holder {
    template <typename... Args>
    explicit Held(Args&&... args) : value(std::forward<Args>(args)...) {}
    T value;
  };
  std::vector<std::unique_ptr<Holder>> owned_;
};

// One function per subsystem, each in its own file (wiring_<subsystem>.cpp).
void wireDialogs(ProgramParts& parts);     // exit, help menu, about, settings dialog
void wireDisplay(ProgramParts& parts);     // the display check again on new display settings
void wireSound(ProgramParts& parts);       // the sound role over the program's audio devices
void wireAutoPlay(ProgramParts& parts);    // the auto-play panel
void wireEntryLists(ProgramParts& parts);  // the page entry-list windows
void wireFind(ProgramParts& parts);        // the find windows, their chooser and message
void wirePageLists(ProgramParts& parts);   // the page-list windows and their chooser
void wirePrint(ProgramParts& parts);       // printing and its message
void wirePractice(ProgramParts& parts);    // the practice panel and the progress file
