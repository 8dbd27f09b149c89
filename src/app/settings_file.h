#pragma once
// The user settings and installation facts, kept in memory as 31 bytes numbered 1 to 31 and in
// the file "Settings.orv" (32 bytes; byte n of the file is setting n, byte 0 unused). Every
// window reads the settings from here; only this class reads or writes the file.
//
// It promises:
//  - every byte read is brought into the range the program accepts (pause 1 to 10, font size 1
//    to 15, shown, interface and sound languages among the installed ones), so a damaged file
//    never reaches a window and is never written back;
//  - a file that names no installed language is refused with a message saying how to install
//    the languages, the program is asked to end and nothing is written;
//  - the file is replaced whole through a temporary file renamed over it, so a failed or
//    interrupted write leaves the previous file as it was;
//  - when the installation folder cannot be written, the file lives in the user's configuration
//    folder (configFolder()) and nothing is ever written into the installation folder.

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace orvik {
class MessageBoxes;
}

// What the settings dialog contributes: the two directions between its controls and the bytes.
class SettingsControls {
 public:
  virtual ~SettingsControls() = default;
  virtual void copyControlsToSettings() = 0;
  virtual void copySettingsToControls() = 0;
};

class Settings {
 public:
  static constexpr int kCount = 31;
  static constexpr const char* kFileName = "Settings.orv";
  // The ranges of the two track bars' positions.
  static constexpr int kMinPause = 1, kMaxPause = 10;
  static constexpr int kMinFontSize = 1, kMaxFontSize = 15;

  // Byte numbers of the settings.
  enum Byte : int {
    ShownEn = 1,
    ShownFr = 2,
    ShownRu = 6,
    ShownSp = 7,
    InterfaceLanguage = 8,
    PronunciationLanguage = 9,
    AutoPlayLanguage = 10,
    AutoPlayPause = 11,
    SoundEffects = 12,
    FontSize = 13,
    InstalledCount = 14,
    InstalledEn = 15,
    InstalledFr = 16,
    InstalledRu = 17,
    InstalledSp = 18,
    SoundCount = 22,
    SoundEn = 23,
    SoundFr = 24,
    SoundRu = 25,
    SoundSp = 26,
    OnClickFlag = 30,
    AutoFlag = 31,
  };

  // folder: the installation folder (the current directory of the program). "Settings.orv"
  // lives there when it can be written, otherwise in configFolder().
  Settings(QString folder, orvik::MessageBoxes* messages);

  // The file the settings are read from and written to.
  QString filePath() const;
  // True when the installation folder cannot be written and the file lives in configFolder().
  bool relocated() const { return relocated_; }
  // "$XDG_CONFIG_HOME/orvik", else "~/.config/orvik".
  static QString configFolder();
  // True when the program may write into the folder: the system grants it (a read-only mount or
  // another owner refuses) and its mode has a write bit. The mode is asked too because the
  // superuser is granted every folder: a folder made read-only (chmod a-w) counts as read-only
  // for everybody, as its owner meant.
  static bool folderWritable(const QString& folder);

  // Setting n (1..31); out-of-range numbers read 0 and ignore writes.
  int value(int n) const;
  void setValue(int n, int v);
  bool flag(int n) const { return value(n) == 1; }

  // Fills the bytes from the file, creating it with defaults when it is missing (in a relocated
  // installation, from the installation's own file when it has one), then brings them into
  // range. A byte beyond the end of a short file keeps its value. Returns false after a file
  // failure or a file naming no installed language (message shown, program asked to end).
  bool read();
  // Sets the defaults and creates the file from them.
  bool writeDefaults();
  // Copies the settings dialog's controls into the bytes (when a dialog is attached), then
  // writes all 31 bytes to the file.
  bool save();
  // The installation start: with arguments, rewrites the installation bytes of the file; without,
  // reads the file. Builds the installed-language and sound-language lists either way. Returns
  // false when the program must end (bad argument, silent installation, file failure).
  bool applyCommandLine(const QStringList& arguments);
  // Builds the shown-language list and flags from bytes 1 to 7.
  void deriveShownLanguages();

  void setControls(SettingsControls* controls) { controls_ = controls; }
  SettingsControls* controls() const { return controls_; }

  // Derived lists: four places holding language slots (0 En, 1 Fr, 5 Ru, 6 Sp), -1 for empty.
  std::array<int, 4> installedList{-1, -1, -1, -1};
  std::array<int, 4> soundList{-1, -1, -1, -1};
  std::array<int, 4> shownList{-1, -1, -1, -1};
  int installedCount() const;
  int soundCount() const;
  // Shown-language flags by language number 1..4.
  bool shown(int languageNumber) const;
  // Installed-language and sound flags by language number, from the bytes.
  bool installed(int languageNumber) const;
  bool hasSounds(int languageNumber) const;
  int interfaceLanguage() const { return value(InterfaceLanguage); }

  // The message for a file that names no installed language, in an interface language number
  // (English for any other value).
  static QString noLanguageMessage(int interfaceLanguage, const QString& filePath);

 private:
  bool fail();
  // Reads up to 32 bytes of a file into the settings; false after a failure (message shown).
  bool readFrom(const QString& path, QByteArray* data);
  // Ends the start when the file read from path installs no language; true when it does.
  bool checkInstalledLanguages(const QString& path);
  void bringIntoRange();
  // Writes bytes 1 to 31 over the file's (a fresh file: 32 bytes, byte 0 zero), keeping its
  // other bytes, through a temporary file renamed over it.
  bool writeFile(bool fresh);

  QString folder_;
  QString fileFolder_;
  bool relocated_ = false;
  // Cleared when the configuration folder cannot be made or written: the settings then live in
  // memory for this run.
  bool canWrite_ = true;
  orvik::MessageBoxes* messages_;
  std::array<int, kCount + 1> bytes_{};
  std::array<bool, 5> shownFlags_{};
  SettingsControls* controls_ = nullptr;
};
