#pragma once
// The wave-audio device entry sounds play through, as a media player sees it: open a wave file,
// its length and position in milliseconds, play from a position, pause, resume, stop, and the
// device's mode. The device keeps its own clock: the position is the start position plus the
// time played since, so everything driven by lengths and positions (progress strips, the pause
// between auto-played entries) behaves the same whether or not anything is heard.
//
// Two devices promise that clock: SilentWaveDevice (tests, which give it a ManualWaveClock) and
// AudioWaveDevice, which also sends the samples to the system's audio output when there is one.
// The output is looked for before each sound until one is found, so a sound server started
// after the program is used from its next sound on; until then the sounds are silent.

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <memory>
#include <optional>

class QAudioSink;
class QBuffer;

namespace orvik {

// A millisecond clock for the wave devices.
class WaveClock {
 public:
  virtual ~WaveClock() = default;
  virtual qint64 nowMs() const = 0;
};

// Real time, from a monotonic timer.
class SteadyWaveClock final : public WaveClock {
 public:
  SteadyWaveClock() { timer_.start(); }
  qint64 nowMs() const override { return timer_.elapsed(); }

 private:
  QElapsedTimer timer_;
};

// Time that moves only when told to; for tests.
class ManualWaveClock final : public WaveClock {
 public:
  qint64 nowMs() const override { return now_; }
  void advance(qint64 ms) { now_ += ms; }

 private:
  qint64 now_ = 0;
};

// A decoded wave file: its shape and, when asked for, its samples as interleaved 16-bit PCM.
struct WaveData {
  int sampleRate = 0;
  int channels = 0;
  qint64 frames = 0;
  QByteArray pcm16;
  qint64 lengthMs() const { return sampleRate > 0 ? frames * 1000 / sampleRate : 0; }
};

// Reads a sound file through libsndfile (any format it knows); nullopt when the file is missing
// or not a sound file. withSamples=false reads the header only.
std::optional<WaveData> readWave(const QString& path, bool withSamples);

// The modes a media player reports.
enum class WaveMode { NotReady, Stopped, Playing, Recording, Seeking, Paused, Open };

class WaveDevice {
 public:
  // clock: not owned, must outlive the device; null uses real time.
  explicit WaveDevice(const WaveClock* clock = nullptr);
  virtual ~WaveDevice();
  WaveDevice(const WaveDevice&) = delete;
  WaveDevice& operator=(const WaveDevice&) = delete;

  // Opens a wave file, closing any previous one; the position is 0 and the mode Stopped.
  // Returns false (and leaves the device closed) when the file cannot be read.
  bool open(const QString& file);
  void close();
  bool isOpen() const { return open_; }
  QString fileName() const { return file_; }

  // Length of the open file in milliseconds (0 when none).
  qint64 length() const { return open_ ? length_ : 0; }
  // Position in milliseconds, 0..length(); 0 when none is open.
  qint64 position() const;
  // NotReady when no file is open; Playing until the clock reaches the end, then Stopped.
  WaveMode mode() const;

  // Plays from a position (clamped to 0..length()); false when no file is open.
  bool play(qint64 fromMs = 0);
  // Pause keeps the position; resume plays on from it. Each does nothing in other modes.
  void pause();
  void resume();
  // Stops where the sound is; the position stays.
  void stop();

 protected:
  // The output behind the clock. Each is called after the clock has changed state.
  virtual bool openOutput(const QString& file) = 0;
  virtual void closeOutput() = 0;
  virtual void startOutput(qint64 fromMs) = 0;
  virtual void pauseOutput() = 0;
  virtual void resumeOutput() = 0;
  virtual void stopOutput() = 0;

 private:
  // Turns Playing into Stopped once the clock has passed the end.
  void settle() const;

  const WaveClock* clock_;
  std::unique_ptr<SteadyWaveClock> ownClock_;
  QString file_;
  bool open_ = false;
  qint64 length_ = 0;
  mutable WaveMode mode_ = WaveMode::NotReady;
  mutable qint64 basePos_ = 0;  // position when playing last started, or where it rests
  qint64 startedAt_ = 0;        // clock time when playing last started
};

// Keeps the clock and plays nothing.
class SilentWaveDevice final : public WaveDevice {
 public:
  using WaveDevice::WaveDevice;
  ~SilentWaveDevice() override;

 protected:
  bool openOutput(const QString& file) override;
  void closeOutput() override {}
  void startOutput(qint64) override {}
  void pauseOutput() override {}
  void resumeOutput() override {}
  void stopOutput() override {}
};

// Whether the system has an audio output now. Qt's sound-server connection is made once, at
// its first use, and never retried; so Qt is asked only once a sound server answers on its
// socket (PULSE_SERVER, else $XDG_RUNTIME_DIR/pulse/native, which PipeWire serves too), a
// check of a few microseconds that is repeated until a server is there.
bool audioOutputAvailable();
// Whether a sound server answers on its socket now (nothing of Qt is touched).
bool soundServerAnswers();

// Keeps the clock and plays the samples on the default audio output; silent while there is
// none.
class AudioWaveDevice final : public WaveDevice {
 public:
  using WaveDevice::WaveDevice;
  ~AudioWaveDevice() override;

  // Whether the last sound started went to an audio output.
  bool audible() const { return sink_ != nullptr; }

 protected:
  bool openOutput(const QString& file) override;
  void closeOutput() override;
  void startOutput(qint64 fromMs) override;
  void pauseOutput() override;
  void resumeOutput() override;
  void stopOutput() override;

 private:
  WaveData data_;
  std::unique_ptr<QAudioSink> sink_;
  std::unique_ptr<QBuffer> buffer_;
};

// The program's device: an AudioWaveDevice, which plays where there is an output and keeps the
// clock silently where there is none.
std::unique_ptr<WaveDevice> createWaveDevice(const WaveClock* clock = nullptr);

}  // namespace orvik
