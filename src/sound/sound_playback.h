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
//    tell the panel through its Follower interface; names and interface sounds go through the
//    play-a-wave call, asynchronously for names and synchronously for the click and page-turn
//    sounds;
//  - a missing recording shows the disc message in the interface language (only when the
//    dictionary's data folder is installed under the current directory, since only then are
//    the sounds expected on a disc) and is reported as Missing; a recording that is there but
//    cannot be decoded is reported as Unplayable, and says that it is damaged when the user
//    asked for it (a sound button, a click, a name), while auto-play goes on in silence;
//    the interface sounds play only while sound effects are on, and a missing interface sound
//    beeps without a message;
//  - a table-engine failure goes to the data module's failure routine.

#include <QString>

#include "app/dictionary_model.h"
#include "schema/language.h"

class TDMOrvik;

namespace orvik {
class OpticalDiscs;
class Table;
class WaveDevice;
class WavePlayer;
}  // namespace orvik

class SoundPlayback {
 public:
  // Who follows the entry sounds (the auto-play panel, which shows their progress).
  class Follower {
   public:
    virtual ~Follower() = default;
    // An entry sound is about to start: clear the progress strip; then follow it.
    virtual void clearProgress() = 0;
    virtual void startTracking() = 0;
    // The entry sound was stopped.
    virtual void stopTracking() = 0;
    // A sound button of the main window is about to pronounce an entry.
    virtual void setPlaying() = 0;
    // The recording is missing: the idle button set, and a running auto-play stops advancing.
    virtual void setIdle() = 0;
    virtual void stopAutoPlaying() = 0;
    // The recording is there but cannot be played (not a wave file, damaged): go on as if it
    // had ended at once.
    virtual void soundUnplayable() = 0;
  };

  // How an entry sound went.
  enum class EntrySound {
    Played,      // the media player plays it
    Missing,     // no file: the disc message was shown where it applies
    Unplayable,  // a file that does not decode
    NoTable,     // the language is not installed, or the table failed: nothing said
  };

  // data: the data module (settings, tables, current directory, discs, message boxes).
  // entryPlayer: the media player of entry sounds; wavePlayer: the play-a-wave call. None owned.
  SoundPlayback(TDMOrvik* data, orvik::WaveDevice* entryPlayer, orvik::WavePlayer* wavePlayer);

  // The follower of entry sounds (not owned; null: nobody).
  void setFollower(Follower* follower) { follower_ = follower; }
  Follower* follower() const { return follower_; }

  // --- Names ---
  // "A" for chapter 1 to "O" for chapter 15 (the letter 64 + code).
  static QString chapterLetter(int chapterCode);
  // The page name part of a page code: 305 -> "C05", 1204 -> "L04", 10105 -> "JA5".
  static QString pageNamePart(int pageCode);
  // The entry name: the page name part and the order in at least two digits.
  static QString entryName(int pageCode, int order);
  static QString pageSoundName(int pageCode) { return pageNamePart(pageCode) + "00"; }
  static QString chapterSoundName(int chapterCode) { return chapterLetter(chapterCode) + "00"; }
  // The sound folder of a language ("En", "Fr", "Ru", "Sp").
  static QString languageFolder(orvik::Language language);

  // The first existing file "<base>/Sound/<languageFolder>/<rest>" for base the current
  // directory, then each disc's mount point; empty when none exists. rest uses '/'.
  static QString findSoundFile(const QString& currentDir, const orvik::OpticalDiscs* discs,
                               const QString& languageFolder, const QString& rest);

  // --- Playing ---
  // The recording of an entry in a language, through the media player; nothing of the
  // dictionary moves. A missing file makes the follower idle, stops auto-play advancing and
  // shows the disc message; an unplayable one tells the follower and, with reportDamage, shows
  // the damaged-recording message. NoTable, and nothing shown, for a language that is not
  // installed or an entry the dictionary lacks.
  EntrySound playEntry(orvik::EntryRef entry, orvik::Language language, bool reportDamage = false);
  // The entry of the current row of a language's article table (the entry its pane shows), as
  // playEntry() plays it.
  EntrySound playEntrySound(orvik::Language language, bool reportDamage = false);
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

  // The disc message of an interface language ("\r" between lines).
  static QString discMessage(orvik::Language interfaceLanguage);
  // The message for a recording that is there but cannot be decoded, naming the file, in an
  // interface language.
  static QString damagedMessage(orvik::Language interfaceLanguage, const QString& file);

 private:
  QString findFile(const QString& languageFolder, const QString& rest) const;
  bool playName(const QString& languageFolder, const QString& name);
  void soundMissing();
  // Shows the damaged-recording message when the file does not decode; false when it does.
  bool reportDamaged(const QString& file);
  void playInterfaceSound(const QString& file);

  TDMOrvik* data_;
  orvik::WaveDevice* entryPlayer_;
  orvik::WavePlayer* wavePlayer_;
  Follower* follower_ = nullptr;
  QString unplayable_;  // the file of the last entry sound reported Unplayable
};
