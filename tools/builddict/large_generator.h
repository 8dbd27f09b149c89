#pragma once
// Writes a synthetic source dictionary of any size for speed and memory measurements: fifteen
// chapters sharing the pages and the entries as evenly as possible, made-up words in each
// language's own letters, objects taken in turn from a fixed list of emoji. The same numbers
// always give the same files.

#include <QString>

namespace builddict {

class LargeGenerator {
 public:
  // Writes <folder>/chapters/01.txt .. 15.txt. `pages` from 15 to 1485, `entries` at least
  // `pages`. Returns false and sets `error` when the numbers are out of range or a file cannot
  // be written.
  static bool generate(const QString& folder, int pages, int entries, QString* error);
  // The word added to the head word of every 25th entry, in language 0 English, 1 French,
  // 2 Russian, 3 Spanish ("zorvik", "зорвик" in Russian).
  static QString plantedWord(int language);
};

}  // namespace builddict
