#pragma once
// The simple play-a-wave call: plays one wave file at a time, either returning at once
// (asynchronous) or when the sound has ended (synchronous). A new call cuts off the sound of the
// previous one, and a call with no file only silences. The interface sounds and the page-name
// and chapter-name sounds go through it.

#include <QString>
#include <memory>

#include "platform/wave_device.h"

namespace orvik {

class WavePlayer {
 public:
  enum class Mode { Synchronous, Asynchronous };

  // device: the output the player plays through (owned).
  explicit WavePlayer(std::unique_ptr<WaveDevice> device);
  ~WavePlayer();

  // Cuts any playing sound, then plays `file`. An empty name only silences and returns true.
  // Returns false when the file cannot be played. Synchronous calls wait for the end while
  // timers and other non-input events run, never longer than the sound's length plus a second
  // of real time (a clock that stands still cannot hang the program).
  bool playWave(const QString& file, Mode mode);
  // The sound playing now, empty when none.
  QString playing() const;
  WaveDevice* device() const { return device_.get(); }

 private:
  std::unique_ptr<WaveDevice> device_;
};

}  // namespace orvik
