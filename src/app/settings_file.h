#pragma once
// The user settings and installation facts, kept in memory as 31 bytes numbered 1 to 31 and in
// the file "Settings.orv" (32 bytes; byte n of the file is setting n, byte 0 unused). Every
// window reads the settings from here; only this class reads or writes the file.

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

  // folder: where "Settings.orv" lives (the current directory of the program).
  Settings(QString folder, orvik::MessageBoxes* messages);

  QString filePath() const;

  // Setting n (1..31); out-of-range numbers read 0 and ignore writes.
  int value(int n) const;
  void setValue(int n, int v);
  bool flag(int n) const { return value(n) == 1; }

  // Fills the bytes from the file, creating it with defaults when it is missing. A byte beyond
  // the end of a short file keeps its value. Returns false after a file failure (message shown,
  // program asked to end).
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

 private:
  bool fail();
  bool writeBytes(const QList<int>& numbers, bool truncate);

  QString folder_;
  orvik::MessageBoxes* messages_;
  std::array<int, kCount + 1> bytes_{};
  std::array<bool, 5> shownFlags_{};
  SettingsControls* controls_ = nullptr;
};

// Conversions between the program's three language numberings (fixed tables, not arithmetic).
namespace orvik::lang {
// Language number 1..4 of a slot (0, 1, 5, 6); 255 for anything else.
int numberOfSlot(int slot);
// Slot of a language number 1..4; -1 for anything else.
int slotOfNumber(int number);
// Two-letter code "En", "Fr", "Ru", "Sp" of a language number; empty for anything else.
QString codeOfNumber(int number);
}  // namespace orvik::lang
