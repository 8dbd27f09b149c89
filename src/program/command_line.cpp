#include "program/command_line.h"

namespace orvik {

ProgramOption programOption(const QStringList& arguments) {
  if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h")))
    return ProgramOption::Help;
  if (arguments.contains(QStringLiteral("--version"))) return ProgramOption::Version;
  return ProgramOption::None;
}

QString helpText() {
  return QStringLiteral(
      "Usage: orvik [LANGUAGE[s]]...\n"
      "       orvik --help | --version\n"
      "\n"
      "Orvik Dictionary, a four-language illustrated picture dictionary. It runs in the folder\n"
      "of its dictionary, and needs a display of at least 800 x 600 pixels in 16-bit colour.\n"
      "\n"
      "Without arguments it starts with the languages its settings file names.\n"
      "With arguments it is an installation start: it installs the languages named, one\n"
      "argument per language, then starts. A language is its digit: 0 English, 1 French,\n"
      "5 Russian, 6 Spanish, followed by \"s\" when its sounds are installed; each language at\n"
      "most once, at least one with sounds. For example, English with sounds and Russian\n"
      "without:  orvik 0s 5\n"
      "\n"
      "The settings file Settings.orv is kept in the dictionary's folder when it can be\n"
      "written, otherwise (and always for a packaged installation) in\n"
      "$XDG_CONFIG_HOME/orvik/ or ~/.config/orvik/.\n"
      "\n"
      "Options (answered here; nothing is started):\n"
      "  -h, --help     show this help\n"
      "  --version      show the program's version\n");
}

QString versionText() {
  return QStringLiteral("Orvik Dictionary " ORVIK_VERSION "\n");
}

}  // namespace orvik
