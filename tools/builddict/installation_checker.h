#pragma once
// Verifies an installation folder the way the program will use it: every table present and
// opening with the program's passwords, with its fields and indexes; every page's entries
// complete, its highlights inside the picture and its hit map naming each entry; page names
// unique per language, sound names unique, every sound file present (unless the installation
// was built without sounds); the scrambled pictures restorable; with the demo rules, the size
// of a full dictionary.

#include <QString>
#include <QStringList>
#include <functional>

namespace builddict {

struct CheckSummary {
  int chapters = 0;
  int pages = 0;
  int entries = 0;
  int soundFiles = 0;
  int searchRows = 0;
  bool sounds = false;
};

class InstallationChecker {
 public:
  // Runs every check; false when any fails. Problems are in problems(), one line each.
  bool check(const QString& folder, bool demoRules);

  const QStringList& problems() const { return problems_; }
  const CheckSummary& summary() const { return summary_; }

 private:
  void problem(const QString& text);
  void checkTables(const QString& folder, bool demoRules);
  void checkFiles(const QString& folder);

  QStringList problems_;
  CheckSummary summary_;
};

}  // namespace builddict
