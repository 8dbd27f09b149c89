#include "app/program_seams.h"

#include <QLabel>

#include "browse/entry_panes.h"
#include "browse/main_window.h"
#include "browse/orvik_word.h"
#include "controls/orvik_btn98.h"
#include "platform/wave_device.h"
#include "platform/wave_player.h"
#include "sound/sound_playback.h"

ProgramSeams::ProgramSeams(TDMOrvik* data, TForm1* window,
                           std::unique_ptr<orvik::WaveDevice> entryPlayer,
                           std::unique_ptr<orvik::WaveDevice> nameOutput)
    : data_(data),
      window_(window),
      entryPlayer_(entryPlayer ? std::move(entryPlayer) : orvik::createWaveDevice()),
      wavePlayer_(std::make_unique<orvik::WavePlayer>(nameOutput ? std::move(nameOutput)
                                                                 : orvik::createWaveDevice())),
      sound_(std::make_unique<SoundPlayback>(data, entryPlayer_.get(), wavePlayer_.get())),
      context_(std::make_unique<QObject>()) {
  if (!window_) return;
  QObject::connect(window_->btnSoundPage, &TOrvikBtn98::clicked, context_.get(),
                   [this] { btnSoundPageClick(); });
  QObject::connect(window_->btnSoundChapter, &TOrvikBtn98::clicked, context_.get(),
                   [this] { btnSoundChapterClick(); });
}

ProgramSeams::~ProgramSeams() = default;

void ProgramSeams::playClickSound() {
  if (data_) sound_->playClickSound();
}

void ProgramSeams::playPageTurnSound() {
  if (data_) sound_->playPageTurnSound();
}

void ProgramSeams::stopEntrySound() {
  sound_->stopSound();
}

void ProgramSeams::stopAllSounds() {
  sound_->stopSound();
  sound_->silence();
}

void ProgramSeams::pronounceEntry(int languageNumber) {
  if (!data_ || !window_ || autoPlayRunning()) return;
  EntryPanes* panes = window_->entryPanes();
  TOrvikWord* pane = panes ? panes->pane(languageNumber) : nullptr;
  if (!pane || pane->isEmpty()) return;
  sound_->playEntrySound(languageNumber);
}

void ProgramSeams::btnSoundPageClick() {
  if (data_) sound_->playPageNameSound();
}

void ProgramSeams::btnSoundChapterClick() {
  if (data_ && window_) sound_->playChapterNameSound(window_->lblChapterName->text());
}
