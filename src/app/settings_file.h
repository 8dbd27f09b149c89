#pragma once
// The user settings and installation facts, kept in memory as 31 bytes numbered 1 to 31 and in
// the file "Settings.orv" (32 bytes; byte n of the file is setting n, byte 0 unused). Every
// window reads the settings from here; only this class reads or writes the file. It shows no
// message and never ends the program: each step returns a Result, and the start-up (or the
// window whose action saved) reports a failure.
//
// It promises:
//  - every byte read is brought into the range the program accepts (pause 1 to 10, font size 1
//    to 15, shown, interface and sound languages among the installed ones), so a damaged file
//    never reaches a window and is never written back;
//  - a file that names no installed language is refused (a failure that ends the program,
//    saying how to install the languages) and nothing is written;
//  - only a regular file is read: a link, pipe, device or folder named "Settings.orv" is refused
//    with a failure naming its path, never opened, and nothing is written there;
//  - the file is replaced whole through a temporary file beside it renamed over it, so a failed
//    or interrupted write leaves the previous file as it was, a read-only file in a writable
//    folder is saved all the same (keeping its permission bits), and a link put there later is
//    refused, never written through; temporary files an interrupted save left are removed at
//    the next start;
//  - a write that fails (disk full, no permission) gives a failure saying why, with the path,
//    once per session; the settings stay in memory and the program goes on;
//  - an installation command line is checked whole before anything is written: a refused one
//    (or one without sounds) leaves the file as it was;
//  - when the installation folder cannot be written, or is a shared installation (it holds the
//    file kSharedInstallationMarker, as the packaged installation does), the file lives in the
//    user's configuration folder (configFolder()) and nothing is ever written into the
//    installation folder, whoever runs the program.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "platform/failure.h"
#include "schema/language.h"

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
  // A file of this name in the installation folder marks an installation shared by its users
  // (installed by a package): each user's settings, the superuser's too, stay in the user's
  // configuration folder.
  static constexpr const char* kSharedInstallationMarker = "SharedInstallation";
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

  // The installation command line, parsed: a plain start (no arguments), an installation of
  // the languages in the two lists (language slots, -1 for an empty place), or a refusal.
  struct CommandLine {
    bool installation = false;
    std::array<int, 4> installed{-1, -1, -1, -1};
    std::array<int, 4> sounds{-1, -1, -1, -1};
    // Why the arguments are refused (a malformed argument, a language named twice, no sounds).
    std::optional<orvik::Failure> refusal;
  };

  // folder: the installation folder (the current directory of the program). "Settings.orv"
  // lives there when it can be written and is not shared, otherwise in configFolder().
  explicit Settings(QString folder);

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
  // True when the program may write into the installation folder: folderWritable() and not
  // marked as a shared installation.
  static bool installationWritable(const QString& folder);

  // Setting n (1..31); out-of-range numbers read 0 and ignore writes.
  int value(int n) const;
  void setValue(int n, int v);
  bool flag(int n) const { return value(n) == 1; }

  // Fills the bytes from the file, creating it with defaults when it is missing (in a relocated
  // installation, from the installation's own file when it has one), then brings them into
  // range. A byte beyond the end of a short file keeps its value. Fails, ending the program, on
  // a file that cannot be read, is not a regular file or names no installed language; fails
  // without ending it when the new file cannot be written (the settings stay in memory).
  orvik::Result read();
  // Sets the defaults and creates the file from them.
  orvik::Result writeDefaults();
  // Copies the settings dialog's controls into the bytes (when a dialog is attached), then
  // writes all 31 bytes to the file. A failure is returned once per session; the settings stay
  // in memory.
  orvik::Result save();
  // Checks the installation command line whole: each argument a language digit (0 English,
  // 1 French, 5 Russian, 6 Spanish) with nothing after it but an optional "s" (its sounds), no
  // language twice, at least one language with sounds. Reads and writes nothing.
  static CommandLine parseCommandLine(const QStringList& arguments);
  // The installation start: an installation rewrites the installation bytes of the file; a
  // plain start reads the file. Builds the installed-language and sound-language lists either
  // way. A refused command line is returned as it is, and nothing is read or written.
  orvik::Result applyCommandLine(const CommandLine& commandLine);
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
  // Shown-language flags.
  bool shown(orvik::Language language) const;
  // Installed-language and sound flags, from the bytes.
  bool installed(orvik::Language language) const;
  bool hasSounds(orvik::Language language) const;
  // Whether a click on the picture, and auto-play, pronounce the entry: with one sound language
  // the settings dialog's two check boxes say so (OnClickFlag, AutoFlag); otherwise they do.
  bool pronouncesOnClick() const { return soundCount() != 1 || flag(OnClickFlag); }
  bool autoPlayPronounces() const { return soundCount() != 1 || flag(AutoFlag); }
  // The interface language. Reading the file brings its byte among the installed languages;
  // before that (or after a write of a number outside the numbering) it is English.
  orvik::Language interfaceLanguage() const;
  // The languages a click on the picture and auto-play pronounce in: installed languages with
  // sounds once the file is read; none when no language has sounds.
  std::optional<orvik::Language> pronunciationLanguage() const;
  std::optional<orvik::Language> autoPlayLanguage() const;

  // The message for a file that names no installed language, in an interface language.
  static QString noLanguageMessage(orvik::Language interfaceLanguage, const QString& filePath);

 private:
  // Reads up to 32 bytes of the regular file at path into the settings.
  orvik::Result readFrom(const QString& path);
  // A failure unless the file read from path installs a language.
  orvik::Result checkInstalledLanguages(const QString& path);
  void bringIntoRange();
  // Writes bytes 1 to 31 over the file's (a fresh file: 32 bytes, byte 0 zero), keeping its
  // other bytes, through a temporary file renamed over it.
  orvik::Result writeFile(bool fresh);
  // A failed write: why, in the interface language, with the path.
  orvik::Result writeFailure(const QString& path, int error, bool notRegular = false) const;
  // A failed write is told once in a session: after that the user knows already, and later
  // failed writes return success (the settings stay in memory all the same).
  orvik::Result tellOnce(orvik::Result result);
  // Removes the temporary files an interrupted save left beside the file.
  void removeLeftoverTemporaryFiles() const;
  // The installation's own file.
  QString installationFilePath() const;

  QString folder_;
  QString fileFolder_;
  bool relocated_ = false;
  // The installation folder holds the shared-installation mark.
  bool shared_ = false;
  // Cleared when the configuration folder cannot be made or written: the settings then live in
  // memory for this run.
  bool canWrite_ = true;
  bool writeFailureTold_ = false;
  std::array<int, kCount + 1> bytes_{};
  std::array<bool, 5> shownFlags_{};
  SettingsControls* controls_ = nullptr;
};
