#include "platform/wave_player.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace orvik {

WavePlayer::WavePlayer(std::unique_ptr<WaveDevice> device) : device_(std::move(device)) {}

WavePlayer::~WavePlayer() = default;

bool WavePlayer::playWave(const QString& file, Mode mode) {
  device_->stop();
  device_->close();
  if (file.isEmpty()) return true;
  if (!device_->open(file) || !device_->play(0)) return false;
  if (mode == Mode::Asynchronous) return true;

  QElapsedTimer real;
  real.start();
  const qint64 limit = device_->length() + 1000;
  QEventLoop loop;
  QTimer poll;
  poll.setInterval(2);
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (device_->mode() != WaveMode::Playing || real.elapsed() > limit) loop.quit();
  });
  poll.start();
  if (device_->mode() == WaveMode::Playing) loop.exec(QEventLoop::ExcludeUserInputEvents);
  return true;
}

QString WavePlayer::playing() const {
  return device_->mode() == WaveMode::Playing ? device_->fileName() : QString();
}

}  // namespace orvik
