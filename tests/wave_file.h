#pragma once
// Writes small PCM wave files for the sound tests: 8000 Hz, mono, 16 bits, a quiet tone.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <cmath>

inline bool writeTestWave(const QString& path, int ms) {
  const int rate = 8000;
  const int frames = rate * ms / 1000;
  QByteArray pcm(frames * 2, '\0');
  for (int i = 0; i < frames; ++i)
    qToLittleEndian<qint16>(qint16(2000 * std::sin(i * 0.3)), pcm.data() + 2 * i);
  QByteArray h;
  const auto u32 = [&h](quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    h.append(b, 4);
  };
  const auto u16 = [&h](quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    h.append(b, 2);
  };
  h.append("RIFF");
  u32(36 + pcm.size());
  h.append("WAVEfmt ");
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  h.append("data");
  u32(pcm.size());
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  return f.write(h + pcm) == h.size() + pcm.size();
}
