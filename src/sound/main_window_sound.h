#pragma once
// MainWindowSound: the sounds the main window asks for, played by the sound playback over the
// program's two audio devices: the media player of entry sounds (which the auto-play panel
// follows) and the output of the play-a-wave call (names and interface sounds).
//
// It promises: clicks and page turns sound only while sound effects are on; stopping all sounds
// cuts the entry sound and any name sound; a left click on the picture pronounces only while the
// settings dialog's single-language pronunciation box, when it shows, is checked.

#include <memory>

#include "browse/hand_over.h"

class TDMOrvik;
class TfrmNumbLang;
class SoundPlayback;
namespace orvik {
class WaveDevice;
class WavePlayer;
}  // namespace orvik

class MainWindowSound final : public SoundRole {
 public:
  MainWindowSound(TDMOrvik* data, std::unique_ptr<orvik::WaveDevice> entryPlayer,
                  std::unique_ptr<orvik::WaveDevice> nameOutput);
  ~MainWindowSound() override;

  void playClickSound() override;
  void playPageTurnSound() override;
  void stopEntrySound() override;
  void stopAllSounds() override;
  void pronounceEntry(orvik::Language language) override;
  void pronouncePageName() override;
  void pronounceChapterName(const QString& chapterName) override;
  bool clickPronunciationOn() const override;

  // The sound side, for the auto-play panel and tests.
  SoundPlayback* playback() const { return sound_.get(); }
  orvik::WaveDevice* entryPlayer() const { return entryPlayer_.get(); }
  orvik::WavePlayer* wavePlayer() const { return wavePlayer_.get(); }

 private:
  TDMOrvik* data_;
  std::unique_ptr<orvik::WaveDevice> entryPlayer_;
  std::unique_ptr<orvik::WavePlayer> wavePlayer_;
  std::unique_ptr<SoundPlayback> sound_;
};
