#include "platform/wave_device.h"

#include <sndfile.h>

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
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
  if (m != WaveMode::Playing && m != WaveMode::Paused) return;
  basePos_ = position();
  mode_ = WaveMode::Stopped;
  stopOutput();
}

SilentWaveDevice::~SilentWaveDevice() = default;

bool SilentWaveDevice::openOutput(const QString&) {
  return true;
}

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

std::unique_ptr<WaveDevice> createWaveDevice(const WaveClock* clock) {
  if (QMediaDevices::audioOutputs().isEmpty()) return std::make_unique<SilentWaveDevice>(clock);
  return std::make_unique<AudioWaveDevice>(clock);
}

}  // namespace orvik
