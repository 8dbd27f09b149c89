#pragma once
// The program's own options, answered on standard output before any window (or display) is
// needed: "--help" (or "-h") and "--version". They are not installation arguments: whatever
// else the command line holds, an option is answered and nothing is read, written or shown.
// Every other argument goes to the installation command line of the settings.

#include <QString>
#include <QStringList>

namespace orvik {

enum class ProgramOption { None, Help, Version };

// The option the arguments (without the program's name) ask for; Help wins over Version.
ProgramOption programOption(const QStringList& arguments);

// What the option prints, ending with a newline.
QString helpText();
QString versionText();

}  // namespace orvik
