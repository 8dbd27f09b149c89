#pragma once
// Turns a checked source dictionary into a complete installation folder: the dictionary tables
// of ODataBase/ (names, page lists, articles, search tables, pictures, places, hit maps), the
// two picture tables of Data/, the scrambled pictures, the logo, the interface sounds and, unless
// left out, every spoken sound. The same source always gives the same tables and pictures.
//
// Only what it writes is touched: ODataBase/ and Data/ are replaced as a whole, the other files
// one by one, so a program already in the folder stays. Spoken sounds whose text has not changed
// since the last build are kept, so a rebuild after an edit speaks only what changed.

#include <QString>
#include <functional>

#include "source_dictionary.h"

namespace builddict {

// Name of the marker file an installation built without spoken sounds carries in its root.
inline constexpr char kNoSoundsMarker[] = "NoSounds.txt";
// The logo printed at the top of every printout, a plain 24-bit BMP in the installation root.
inline constexpr char kLogoFile[] = "logo.bmp";

struct BuildOptions {
  bool sounds = true;
  int parallelSpeakers = 0;  // 0: two a processor core
};

class InstallationBuilder {
 public:
  using Log = std::function<void(const QString&)>;
  explicit InstallationBuilder(Log log = {}) : log_(std::move(log)) {}

  // Builds the installation; returns false and sets `error` (one line) on failure. Needs a
  // QGuiApplication for the pictures.
  bool build(const SourceDictionary& dictionary, const QString& folder, const BuildOptions& options,
             QString* error);

 private:
  void say(const QString& line) const {
    if (log_) log_(line);
  }
  Log log_;
};

}  // namespace builddict
