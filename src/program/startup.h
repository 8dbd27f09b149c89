#pragma once
// The program's start: the data module, then every window once, in the fixed order, the main
// window first; then the wiring hands the main window's work to each subsystem (wiring.h). The
// windows live until the program ends. Tests start the program through this class without
// running the event loop.

#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "app/data_module.h"
#include "program/wiring.h"

class SettingsBinding;
class TForm1;

class OrvikProgram {
 public:
  explicit OrvikProgram(StartupEnvironment env);
  ~OrvikProgram();

  // Creates the data module and, when it succeeded, every window, and wires them. Returns false
  // when the program must end (the reason has been shown).
  bool start();
  // start(), show the main window and run the event loop; returns the exit status.
  int run();

  TDMOrvik* dataModule() const { return data_.get(); }
  TForm1* mainWindow() const;
  // The windows in the order they were created.
  QList<QWidget*> windows() const;
  // The windows and the role objects of the running program.
  const ProgramParts& parts() const { return parts_; }

 private:
  StartupEnvironment env_;
  std::unique_ptr<TDMOrvik> data_;
  QList<QPointer<QWidget>> windows_;
  // Ties the settings to the settings dialog; released before the windows go.
  std::unique_ptr<SettingsBinding> settingsBinding_;
  ProgramParts parts_;
};
