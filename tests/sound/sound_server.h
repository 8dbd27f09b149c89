#pragma once
// The private sound server of the test run (scripts/test.sh starts PulseAudio with a null sink
// and points XDG_RUNTIME_DIR at it): whether it answers, the streams playing to it, and a
// recorder of its null sink's monitor that tells when sound arrives there.

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <cstdlib>

#include "platform/wave_device.h"

namespace soundserver {

inline constexpr const char* kSkipReason =
    "no sound server is reachable: scripts/test.sh starts a private PulseAudio with a null sink "
    "for these tests";

// Whether the tests can use the server: it answers and pactl and parec are installed.
inline bool reachable() {
  return orvik::soundServerAnswers() && !QStandardPaths::findExecutable("pactl").isEmpty() &&
         !QStandardPaths::findExecutable("parec").isEmpty();
}

// The streams this test process plays to the server ("pactl list sink-inputs", the entries whose
// application.process.id is ours: tests of other processes may play at the same time).
inline QStringList sinkInputs() {
  QProcess pactl;
  pactl.start(QStringLiteral("pactl"), {"list", "sink-inputs"});
  if (!pactl.waitForFinished(5000)) return {};
  const QString ours =
      QStringLiteral("application.process.id = \"%1\"").arg(QCoreApplication::applicationPid());
  QStringList streams;
  const QString text = QString::fromUtf8(pactl.readAllStandardOutput());
  for (const QString& block : text.split(QStringLiteral("Sink Input #"), Qt::SkipEmptyParts))
    if (block.contains(ours)) streams << block.section(QLatin1Char('\n'), 0, 0).trimmed();
  return streams;
}

// Records the null sink's monitor (mono, 16 bits, 8000 Hz) while it lives.
class MonitorRecorder {
 public:
  MonitorRecorder() {
    parec_.start(QStringLiteral("parec"), {"-d", "null.monitor", "--raw", "--format=s16le",
                                           "--rate=8000", "--channels=1", "--latency-msec=10"});
    parec_.waitForStarted(5000);
  }
  ~MonitorRecorder() {
    parec_.terminate();
    if (!parec_.waitForFinished(3000)) parec_.kill();
    parec_.waitForFinished(1000);
  }
  bool running() const { return parec_.state() == QProcess::Running; }
  // Reads what has arrived; true once a sample louder than silence has come.
  bool heardSound() {
    parec_.waitForReadyRead(20);
    data_ += parec_.readAllStandardOutput();
    for (qsizetype i = checked_; i + 1 < data_.size(); i += 2) {
      const qint16 sample = qint16(quint8(data_[i]) | (quint8(data_[i + 1]) << 8));
      if (std::abs(sample) > 200) return true;
    }
    checked_ = data_.size() & ~qsizetype(1);
    return false;
  }
  // Drops what was recorded so far.
  void reset() {
    parec_.waitForReadyRead(20);
    parec_.readAllStandardOutput();
    data_.clear();
    checked_ = 0;
  }

 private:
  QProcess parec_;
  QByteArray data_;
  qsizetype checked_ = 0;
};

}  // namespace soundserver
