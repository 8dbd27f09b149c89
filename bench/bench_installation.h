#pragma once
// What the benchmarks start the program on: the demo in build/dist when it is built (or the
// installation ORVIK_BENCH_INSTALLATION names), else the small test installation; and a copy of
// an installation without its sound folder, so each benchmark works on files nobody else touches.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>

#if defined(ORVIK_DIST_DIR) && defined(ORVIK_FIXTURE_SMALL)
inline QString sourceInstallation() {
  const QString chosen = qEnvironmentVariable("ORVIK_BENCH_INSTALLATION");
  if (!chosen.isEmpty()) return chosen;
  const QString dist = QStringLiteral(ORVIK_DIST_DIR);
  if (QFile::exists(dist + QStringLiteral("/ODataBase/PctInfo.ort"))) return dist;
  return QStringLiteral(ORVIK_FIXTURE_SMALL);
}
#endif

inline void copyWithoutSounds(const QString& from, const QString& to) {
  QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    const QString rel = path.mid(from.size());
    if (rel.startsWith(QStringLiteral("/Sound"))) continue;
    if (it.fileInfo().isDir())
      QDir().mkpath(to + rel);
    else
      QFile::copy(path, to + rel);
  }
}
