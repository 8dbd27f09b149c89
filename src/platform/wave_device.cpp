#include "platform/wave_device.h"

#include <sndfile.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>

namespace orvik {

std::optional<WaveData> readWave(const QString& path, bool withSamples) {
  SF_INFO info{};
  SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
  if (!file) return std::nullopt;
  WaveData data;
  data.sampleRate = info.samplerate;
  data.channels = info.channels;
  data.frames = info.frames;
  if (withSamples && info.frames > 0 && info.channels > 0) {
    data.pcm16.resize(qsizetype(info.frames * info.channels * qint64(sizeof(short))));
    const sf_count_t read =
        sf_readf_short(file, reinterpret_cast<short*>(data.pcm16.data()), info.frames);
    data.pcm16.resize(qsizetype(std::max<sf_count_t>(read, 0) * info.channels * sizeof(short)));
  }
  sf_close(file);
  if (data.sampleRate <= 0 || data.channels <= 0) return std::nullopt;
  return data;
}

WaveDevice::WaveDevice(const WaveClock* clock) : clock_(clock) {
  if (!clock_) {
    ownClock_ = std::make_unique<SteadyWaveClock>();
    clock_ = ownClock_.get();
  }
}

WaveDevice::~WaveDevice() = default;

bool WaveDevice::open(const QString& file) {
  close();
  const std::optional<WaveData> shape = readWave(file, false);
  if (!shape || !openOutput(file)) return false;
  file_ = file;
  length_ = shape->lengthMs();
  open_ = true;
  mode_ = WaveMode::Stopped;
  basePos_ = 0;
  return true;
}

void WaveDevice::close() {
  if (!open_) return;
  closeOutput();
  open_ = false;
  file_.clear();
  length_ = 0;
  basePos_ = 0;
  mode_ = WaveMode::NotReady;
}

void WaveDevice::settle() const {
  if (mode_ != WaveMode::Playing) return;
  if (basePos_ + (clock_->nowMs() - startedAt_) >= length_) {
    basePos_ = length_;
    mode_ = WaveMode::Stopped;
  }
}

qint64 WaveDevice::position() const {
  if (!open_) return 0;
  settle();
  if (mode_ != WaveMode::Playing) return basePos_;
  return std::clamp<qint64>(basePos_ + (clock_->nowMs() - startedAt_), 0, length_);
}

WaveMode WaveDevice::mode() const {
  if (!open_) return WaveMode::NotReady;
  settle();
  return mode_;
}

bool WaveDevice::play(qint64 fromMs) {
  if (!open_) return false;
  if (mode() == WaveMode::Playing || mode_ == WaveMode::Paused) stopOutput();
  basePos_ = std::clamp<qint64>(fromMs, 0, length_);
  startedAt_ = clock_->nowMs();
  mode_ = WaveMode::Playing;
  startOutput(basePos_);
  return true;
}

void WaveDevice::pause() {
  if (mode() != WaveMode::Playing) return;
  basePos_ = position();
  mode_ = WaveMode::Paused;
  pauseOutput();
}

void WaveDevice::resume() {
  if (mode() != WaveMode::Paused) return;
  startedAt_ = clock_->nowMs();
  mode_ = WaveMode::Playing;
  resumeOutput();
}

void WaveDevice::stop() {
  const WaveMode m = mode();
  if (m != WaveMode::Playing && m != WaveMode::Paused) {
    // Ended by the clock: the output may still hold the last samples.
    if (open_) stopOutput();
    return;
  }
  basePos_ = position();
  mode_ = WaveMode::Stopped;
  stopOutput();
}

SilentWaveDevice::~SilentWaveDevice() = default;

bool SilentWaveDevice::openOutput(const QString&) {
  return true;
}

namespace {
constexpr int kReleaseAfterEndMs = 3000;
}  // namespace

AudioWaveDevice::~AudioWaveDevice() {
  closeOutput();
}

bool AudioWaveDevice::openOutput(const QString& file) {
  std::optional<WaveData> data = readWave(file, true);
  if (!data) return false;
  data_ = std::move(*data);
  return true;
}

void AudioWaveDevice::closeOutput() {
  stopOutput();
  data_ = WaveData();
}

void AudioWaveDevice::startOutput(qint64 fromMs) {
  stopOutput();
  QAudioFormat format;
  format.setSampleRate(data_.sampleRate);
  format.setChannelCount(data_.channels);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!audioOutputAvailable()) return;
  const QAudioDevice output = QMediaDevices::defaultAudioOutput();
  // An output that cannot take the format stays silent; the clock still runs.
  if (output.isNull() || !output.isFormatSupported(format)) return;
  const qint64 frameBytes = qint64(data_.channels) * qint64(sizeof(short));
  const qint64 offset =
      std::min<qint64>(fromMs * data_.sampleRate / 1000 * frameBytes, data_.pcm16.size());
  buffer_ = std::make_unique<QBuffer>();
  buffer_->setData(data_.pcm16.mid(qsizetype(offset)));
  buffer_->open(QIODevice::ReadOnly);
  sink_ = std::make_unique<QAudioSink>(output, format);
  // A recording is a few hundred kilobytes at most: the server gets it whole at the start, so a
  // busy user-interface thread (a new entry's panes load as its sound starts) cannot starve it.
  sink_->setBufferSize(int(std::clamp<qint64>(buffer_->size(), 4096, 4 << 20)));
  // Once the samples have all gone out the stream leaves the server, rather than idling there
  // until the next sound. The sink also turns idle on an underrun (the server found it short
  // of samples for a moment): then the file is not at its end and the stream stays. At the end
  // the server may still be playing what it holds, later than the clock says on a busy machine
  // (a stream's start can lag by hundreds of milliseconds), so the stream goes well after.
  QAudioSink* sink = sink_.get();
  QObject::connect(sink, &QAudioSink::stateChanged, sink, [this, sink](QAudio::State state) {
    if (state != QAudio::IdleState || !buffer_ || !buffer_->atEnd()) return;
    const qint64 remaining = std::max<qint64>(0, length() - position());
    QTimer::singleShot(int(remaining) + kReleaseAfterEndMs, sink, [this, sink] {
      if (sink_.get() == sink && buffer_ && buffer_->atEnd()) stopOutput();
    });
  });
  sink_->start(buffer_.get());
}

void AudioWaveDevice::pauseOutput() {
  if (sink_) sink_->suspend();
}

void AudioWaveDevice::resumeOutput() {
  if (sink_) sink_->resume();
}

void AudioWaveDevice::stopOutput() {
  if (sink_) sink_->stop();
  sink_.reset();
  buffer_.reset();
}

namespace {

// Where a PulseAudio client would find the server: a local socket (its path), or a place that
// cannot be checked cheaply (a network server, or no runtime folder, where the client library
// looks in places of its own), which is left to Qt.
struct ServerPlace {
  QByteArray socket;
  bool uncheckable = false;
};

ServerPlace serverPlace() {
  const QByteArray server = qgetenv("PULSE_SERVER");
  if (!server.isEmpty()) {
    if (server.startsWith("unix:")) return {server.mid(5)};
    if (server.startsWith('/')) return {server};
    return {{}, true};
  }
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (runtime.isEmpty()) return {{}, true};
  return {runtime + "/pulse/native"};
}

bool socketAccepts(const QByteArray& path) {
  sockaddr_un address{};
  if (path.isEmpty() || size_t(path.size()) >= sizeof(address.sun_path)) return false;
  address.sun_family = AF_UNIX;
  std::copy(path.begin(), path.end(), address.sun_path);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const bool accepted = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return accepted;
}

// Set once Qt has been asked for the outputs; from then on Qt's own list is the answer.
bool qtAsked = false;

}  // namespace

bool soundServerAnswers() {
  return socketAccepts(serverPlace().socket);
}

bool audioOutputAvailable() {
  if (!qtAsked) {
    const ServerPlace place = serverPlace();
    if (!place.uncheckable && !socketAccepts(place.socket)) return false;
    qtAsked = true;
  }
  return !QMediaDevices::audioOutputs().isEmpty();
}

std::unique_ptr<WaveDevice> createWaveDevice(const WaveClock* clock) {
  return std::make_unique<AudioWaveDevice>(clock);
}

}  // namespace orvik
