#include "sound/main_window_sound.h"

#include <QCheckBox>

#include "app/data_module.h"
#include "platform/wave_device.h"
#include "platform/wave_player.h"
#include "sound/sound_playback.h"

MainWindowSound::MainWindowSound(TDMOrvik* data, std::unique_ptr<orvik::WaveDevice> entryPlayer,
                                 std::unique_ptr<orvik::WaveDevice> nameOutput)
    : data_(data),
      entryPlayer_(entryPlayer ? std::move(entryPlayer) : orvik::createWaveDevice()),
      wavePlayer_(std::make_unique<orvik::WavePlayer>(nameOutput ? std::move(nameOutput)
                                                                 : orvik::createWaveDevice())),
      sound_(std::make_unique<SoundPlayback>(data, entryPlayer_.get(), wavePlayer_.get())) {}

MainWindowSound::~MainWindowSound() = default;

void MainWindowSound::playClickSound() {
  if (data_) sound_->playClickSound();
}

void MainWindowSound::playPageTurnSound() {
  if (data_) sound_->playPageTurnSound();
}

void MainWindowSound::stopEntrySound() {
  sound_->stopSound();
}

void MainWindowSound::stopAllSounds() {
  sound_->stopSound();
  sound_->silence();
}

void MainWindowSound::pronounceEntry(orvik::Language language) {
  if (!data_) return;
  // The auto-play panel shows the sound button's entry as playing, with its progress.
  if (SoundPlayback::Follower* follower = sound_->follower()) follower->setPlaying();
  // The user asked for this recording: one that is damaged says so.
  sound_->playEntrySound(language, true);
}

void MainWindowSound::pronouncePageName() {
  if (data_) sound_->playPageNameSound();
}

void MainWindowSound::pronounceChapterName(const QString& chapterName) {
  if (data_) sound_->playChapterNameSound(chapterName);
}

bool MainWindowSound::clickPronunciationOn() const {
  // With one sound language the dialog shows a check box instead of the pronunciation group;
  // unchecked, a click on the picture says nothing.
  return !data_ || data_->settings().pronouncesOnClick();
}
