#include "sound_builder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>
#include <QThread>
#include <cmath>
#include <memory>
#include <vector>

namespace builddict {

namespace {
const char kSpeaker[] = "espeak-ng";
constexpr int kRate = 22050;

void put16(QByteArray& b, quint16 v) {
  b += char(v & 0xFF);
  b += char(v >> 8);
}
void put32(QByteArray& b, quint32 v) {
  put16(b, quint16(v & 0xFFFF));
  put16(b, quint16(v >> 16));
}
}  // namespace

bool SoundBuilder::speakerAvailable() {
  return !QStandardPaths::findExecutable(QString::fromLatin1(kSpeaker)).isEmpty();
}

bool SoundBuilder::speak(const QList<SpeechJob>& jobs, int parallel, QString* error,
                         const std::function<void(int, int)>& progress) {
  const QString program = QStandardPaths::findExecutable(QString::fromLatin1(kSpeaker));
  if (program.isEmpty()) {
    if (error) *error = QStringLiteral("espeak-ng is not installed (build with --no-sounds)");
    return false;
  }
  // A speaker spends much of its short life starting up, so two a core keep the cores busy.
  if (parallel <= 0) parallel = 2 * std::max(1, QThread::idealThreadCount());
  // Each speaker is a short-lived process; a few run side by side and each is waited for in
  // turn, oldest first, so the order of the work never depends on timing.
  std::vector<std::unique_ptr<QProcess>> running;
  int next = 0, done = 0;
  auto start = [&](const SpeechJob& job) {
    QDir().mkpath(QFileInfo(job.path).absolutePath());
    auto proc = std::make_unique<QProcess>();
    proc->setProgram(program);
    proc->setArguments({QStringLiteral("-v"), job.voice, QStringLiteral("-w"), job.path,
                        QStringLiteral("--stdin")});
    proc->setProperty("job", job.path);
    proc->start();
    proc->write(job.text.toUtf8() + '\n');
    proc->closeWriteChannel();
    return proc;
  };
  while (done < jobs.size()) {
    while (next < jobs.size() && int(running.size()) < parallel)
      running.push_back(start(jobs[next++]));
    QProcess& oldest = *running.front();
    const bool finished = oldest.waitForFinished(60000);
    const QString path = oldest.property("job").toString();
    if (!finished || oldest.exitStatus() != QProcess::NormalExit || oldest.exitCode() != 0 ||
        QFileInfo(path).size() <= 44) {
      if (error)
        *error = QStringLiteral("%1: espeak-ng failed: %2")
                     .arg(path, QString::fromLocal8Bit(oldest.readAllStandardError()).trimmed());
      for (auto& p : running) p->kill(), p->waitForFinished(1000);
      return false;
    }
    running.erase(running.begin());
    ++done;
    if (progress) progress(done, int(jobs.size()));
  }
  return true;
}

namespace {
const char kManifest[] = "spoken.txt";

QString manifestLine(const QString& folder, const SpeechJob& job) {
  QString text = job.text;
  text.replace(u'\t', u' ').replace(u'\n', u' ');
  return QDir(folder).relativeFilePath(job.path) + u'\t' + job.voice + u'\t' + text;
}
}  // namespace

QList<SpeechJob> SoundBuilder::takeSpokenFolder(const QString& folder,
                                                const QList<SpeechJob>& jobs) {
  QSet<QString> recorded;
  QFile manifest(folder + u'/' + QLatin1String(kManifest));
  if (manifest.open(QIODevice::ReadOnly)) {
    for (const QByteArray& line : manifest.readAll().split('\n'))
      if (!line.isEmpty()) recorded.insert(QString::fromUtf8(line));
    manifest.close();
  }
  manifest.remove();
  QList<SpeechJob> todo;
  QSet<QString> wanted;
  for (const SpeechJob& job : jobs) {
    wanted.insert(QFileInfo(job.path).absoluteFilePath());
    if (!recorded.contains(manifestLine(folder, job)) || QFileInfo(job.path).size() <= 44)
      todo << job;
  }
  QDirIterator it(folder, {QStringLiteral("*.wav")}, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString f = QFileInfo(it.next()).absoluteFilePath();
    if (!wanted.contains(f)) QFile::remove(f);
  }
  return todo;
}

bool SoundBuilder::recordSpokenFolder(const QString& folder, const QList<SpeechJob>& jobs,
                                      QString* error) {
  QStringList lines;
  for (const SpeechJob& job : jobs) lines << manifestLine(folder, job);
  QFile manifest(folder + u'/' + QLatin1String(kManifest));
  if (!manifest.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      manifest.write((lines.join(u'\n') + u'\n').toUtf8()) < 0) {
    if (error) *error = QStringLiteral("%1: cannot be written").arg(manifest.fileName());
    return false;
  }
  return true;
}

QByteArray SoundBuilder::waveFile(const QList<qint16>& samples, int sampleRate) {
  QByteArray b;
  const quint32 dataBytes = quint32(samples.size()) * 2;
  b += "RIFF";
  put32(b, 36 + dataBytes);
  b += "WAVEfmt ";
  put32(b, 16);
  put16(b, 1);  // PCM
  put16(b, 1);  // mono
  put32(b, quint32(sampleRate));
  put32(b, quint32(sampleRate) * 2);
  put16(b, 2);
  put16(b, 16);
  b += "data";
  put32(b, dataBytes);
  for (qint16 s : samples) put16(b, quint16(s));
  return b;
}

QByteArray SoundBuilder::clickSound() {
  QList<qint16> s;
  const int n = kRate * 25 / 1000;
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / kRate;
    const double env = std::exp(-t * 260.0);
    const double v =
        env * (0.6 * std::sin(2 * M_PI * 1900 * t) + 0.4 * std::sin(2 * M_PI * 3100 * t));
    s << qint16(std::lround(v * 14000));
  }
  return waveFile(s, kRate);
}

QByteArray SoundBuilder::pageTurnSound() {
  QList<qint16> s;
  const int n = kRate * 350 / 1000;
  QRandomGenerator rng(20240517u);
  double low = 0, band = 0;
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / n;
    // Rises quickly, falls slowly; the noise brightens as the page sweeps over.
    const double env = std::sin(M_PI * std::pow(t, 0.6)) * (1.0 - 0.3 * t);
    const double white = rng.generateDouble() * 2 - 1;
    const double cutoff = 0.08 + 0.25 * t;
    low += cutoff * (white - low);
    band += 0.5 * (low - band);
    s << qint16(std::lround(std::clamp((low - band) * env * 3.2, -1.0, 1.0) * 20000));
  }
  return waveFile(s, kRate);
}

}  // namespace builddict
