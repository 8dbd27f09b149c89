#pragma once
// SoundPlayback: finds and plays the dictionary's recordings and the two interface sounds.
//
// Recordings lie under a folder "Sound" with one folder per language ("En", "Fr", "Ru", "Sp"):
// entry sounds in the folder of their chapter code ("Sound/En/3/C0507.wav"), page-name and
// chapter-name sounds in "Chpg" ("Sound/En/Chpg/C0500.wav", "Sound/En/Chpg/C00.wav"). A file is
// looked for under the current directory first, then on each optical disc in mount order;
// folder and file names match in any letter case, since discs show their names either way.
//
// It promises:
//  - entry sounds go through the media player (a WaveDevice the auto-play panel follows) and
//    tell the panel through PanelHooks; names and interface sounds go through the play-a-wave
//    call, asynchronously for names and synchronously for the click and page-turn sounds;
//  - a missing recording shows the disc message (English or Russian interface, and only when
//    the dictionary's data folder is installed under the current directory) and is reported
//    as a failure; the interface sounds play only while sound effects are on, and a missing
//    interface sound beeps without a message;
//  - a table-engine failure goes to the data module's failure routine.

#include <QString>
#include <functional>

class TDMOrvik;

namespace orvik {
class OpticalDiscs;
class Table;
class WaveDevice;
class WavePlayer;
}  // namespace orvik

class SoundPlayback {
 public:
  // What the auto-play panel does around an entry sound; unset hooks do nothing.
  struct PanelHooks {
    std::function<void()> clearProgress;    // clear the progress strip
    std::function<void()> startTracking;    // start the track timer
    std::function<void()> stopTracking;     // stop the track timer
    std::function<void()> setIdle;          // the idle button set
    std::function<void()> stopAutoPlaying;  // clear the auto-play-running flag
  };

  // data: the data module (settings, tables, current directory, discs, message boxes).
  // entryPlayer: the media player of entry sounds; wavePlayer: the play-a-wave call. None owned.
  SoundPlayback(TDMOrvik* data, orvik::WaveDevice* entryPlayer, orvik::WavePlayer* wavePlayer);

  void setPanelHooks(PanelHooks hooks) { hooks_ = std::move(hooks); }

  // --- Names ---
  // "A" for chapter 1 to "O" for chapter 15 (the letter 64 + code).
  static QString chapterLetter(int chapterCode);
  // The page name part of a page code: 305 -> "C05", 1204 -> "L04", 10105 -> "JA5".
  static QString pageNamePart(int pageCode);
  // The entry name: the page name part and the order in at least two digits.
  static QString entryName(int pageCode, int order);
  static QString pageSoundName(int pageCode) { return pageNamePart(pageCode) + "00"; }
  static QString chapterSoundName(int chapterCode) { return chapterLetter(chapterCode) + "00"; }
  // The sound folder of a language number 1..4 ("En", "Fr", "Ru", "Sp"); empty for others.
  static QString languageFolder(int language);

  // The first existing file "<base>/Sound/<languageFolder>/<rest>" for base the current
  // directory, then each disc's mount point; empty when none exists. rest uses '/'.
  static QString findSoundFile(const QString& currentDir, const orvik::OpticalDiscs* discs,
                               const QString& languageFolder, const QString& rest);

  // --- Playing ---
  // The entry sound of the current row of an article table (PageCode, Order, ChapterCode).
  // Returns false when the file is missing (the panel is made idle, auto-play stops advancing
  // and the disc message is shown) or the table failed.
  bool playEntrySound(orvik::Table* wordNames, const QString& languageFolder);
  // The same for a language number 1..4 with that language's article table; false, and
  // nothing shown, for a language that is not installed.
  bool playEntrySound(int language);
  // The name of the current page of the interface language's page-name table.
  bool playPageNameSound();
  // The name of the chapter called `chapterCaption` (blanks around it ignored) in the interface
  // language's chapter table; nothing happens (true) when no chapter has that name.
  bool playChapterNameSound(const QString& chapterCaption);
  // Stops the entry sound if the media player holds one, stops tracking, clears the strip.
  void stopSound();
  // Cuts off a page-name or chapter-name sound.
  void silence();
  // "1.wav" and "2.wav" of the current directory, synchronously, while sound effects are on.
  void playClickSound();
  void playPageTurnSound();

  // The disc message of an interface language number ("\r" between lines); empty for French
  // and Spanish.
  static QString discMessage(int interfaceLanguage);

 private:
  QString findFile(const QString& languageFolder, const QString& rest) const;
  bool playName(const QString& languageFolder, const QString& name);
  void soundMissing();
  void playInterfaceSound(const QString& file);
  static void call(const std::function<void()>& hook) {
    if (hook) hook();
  }

  TDMOrvik* data_;
  orvik::WaveDevice* entryPlayer_;
  orvik::WavePlayer* wavePlayer_;
  PanelHooks hooks_;
};
