#pragma once
// ProgramSeams: the running program's answer to what the main window hands over to the
// subsystems. It owns the sound side for now: the media player of entry sounds (a wave device
// the auto-play panel will follow), the play-a-wave call and the sound playback over both, and it
// binds the page-name and chapter-name sound buttons of the main window to them.
//
// It promises: an entry is pronounced only when its language's pane holds text and auto-play is
// not running; clicks and page turns sound only while sound effects are on; stopping all sounds
// cuts the entry sound and any name sound.

#include <QObject>
#include <memory>

#include "browse/seams.h"
#include "platform/wave_device.h"

class TDMOrvik;
class TForm1;
class SoundPlayback;
namespace orvik {
class WavePlayer;
}  // namespace orvik

class ProgramSeams : public BrowseSeams {
 public:
  // window: the main window the seams are installed in (it owns them). The devices default to
  // the ones this machine supports; tests pass silent ones.
  ProgramSeams(TDMOrvik* data, TForm1* window, std::unique_ptr<orvik::WaveDevice> entryPlayer = {},
               std::unique_ptr<orvik::WaveDevice> nameOutput = {});
  ~ProgramSeams() override;

  void playClickSound() override;
  void playPageTurnSound() override;
  void stopEntrySound() override;
  void stopAllSounds() override;
  void pronounceEntry(int languageNumber) override;

  // The sound side (for the auto-play panel and tests).
  SoundPlayback* sound() const { return sound_.get(); }
  orvik::WaveDevice* entryPlayer() const { return entryPlayer_.get(); }
  orvik::WavePlayer* wavePlayer() const { return wavePlayer_.get(); }

  // The button handlers bound to the main window.
  void btnSoundPageClick();
  void btnSoundChapterClick();

 private:
  TDMOrvik* data_;
  TForm1* window_;
  std::unique_ptr<orvik::WaveDevice> entryPlayer_;
  std::unique_ptr<orvik::WavePlayer> wavePlayer_;
  std::unique_ptr<SoundPlayback> sound_;
  // Ends the button connections when the seams are replaced.
  std::unique_ptr<QObject> context_;
};
