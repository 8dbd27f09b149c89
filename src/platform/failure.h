#pragma once
// Why the program ends, or why a step of it could not be done: one value for every failure the
// user is told about. A step that can fail returns a Result; the code that runs the step (the
// start-up, or the window the user acted in) reports the failure. Reporting shows the message,
// and for a failure that ends the program also writes it to standard error (a message box may
// not show at all when the display is the trouble) and asks the program to end with the
// failure's exit status.

#include <QString>
#include <optional>

#include "platform/message_boxes.h"

namespace orvik {

// The program's exit statuses, one per reason it ends early.
enum class ExitStatus : int {
  Normal = 0,
  Display = 1,       // the screen is too small or has too few colours
  SettingsFile = 3,  // the settings file cannot be read or is not a regular file
  BadArgument = 4,   // an installation argument is refused
  Silence = 5,       // an installation without any sounds
  NoData = 6,        // no dictionary found and the user gave up looking
  Database = 7,      // a dictionary table cannot be read
  Picture = 8,       // a picture of the installation cannot be read
  StartFailed = 9,   // the start failed for a reason nothing above names
  NoLanguage = 10,   // the settings file names no installed language
};

struct Failure {
  // Normal: the program goes on after the message (a save that failed, a printout).
  ExitStatus status = ExitStatus::Normal;
  MessageKind kind = MessageKind::Warning;
  QString text;

  bool endsProgram() const { return status != ExitStatus::Normal; }
};

// What a step came to: done, or the failure to report.
class [[nodiscard]] Result {
 public:
  Result() = default;
  Result(Failure failure) : failure_(std::move(failure)) {}  // NOLINT: a failure is a result

  bool ok() const { return !failure_; }
  explicit operator bool() const { return ok(); }
  // Only when !ok().
  const Failure& failure() const { return *failure_; }

 private:
  std::optional<Failure> failure_;
};

// Shows the failure's message (when `messages` is set) and, when the failure ends the program,
// writes it to standard error and asks the program to end with its status.
void report(const Failure& failure, MessageBoxes* messages);

// An argument as a message quotes it: control characters as "?" and at most 40 characters,
// so that a long or strange argument cannot fill the screen.
QString quotedArgument(const QString& argument);

}  // namespace orvik
