// Loads one of the installation's scrambled pictures from a file of any content: the input's
// first byte chooses the file (its name, key byte and header kind), the rest is the file.
// Findings: a crash or sanitizer report; a load that changes the file other than by writing a
// repaired header (sixteen bytes, scrambled); a second load of a complete file that gives
// another picture than the first. (A bitmap whose pixel rows stop short of what its information
// header says loads with rows of whatever memory held, different each time: that is the
// truncated-picture fault, checked by the fault table, so the comparison is left to files that
// hold all their rows.)
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>

#include "app/scrambled_picture.h"
#include "schema/installation_keys.h"

namespace {

QTemporaryDir* gFolder = nullptr;

[[noreturn]] void finding(const char* what) {
  std::fprintf(stderr, "finding: %s\n", what);
  std::abort();
}

// Whether an uncompressed bitmap holds every pixel row its headers promise. file is scrambled;
// a lost header is taken as the kind's header, as the loader takes it.
bool holdsAllRows(QByteArray file, const orvik::keys::ScrambledFile& kind) {
  if (file.size() < 54) return false;
  orvik::xorBytes(file, kind.key, 0, 15);
  if (file[0] != 'B') file.replace(0, 16, orvik::bitmapHeader(kind.headerKind));
  const auto* d = reinterpret_cast<const uchar*>(file.constData());
  const qint64 offset = qFromLittleEndian<quint32>(d + 10);
  const qint64 infoSize = qFromLittleEndian<quint32>(d + 14);
  const qint64 width = qFromLittleEndian<qint32>(d + 18);
  const qint64 height = qFromLittleEndian<qint32>(d + 22);
  const qint64 bits = qFromLittleEndian<quint16>(d + 28);
  const quint32 compression = qFromLittleEndian<quint32>(d + 30);
  if (infoSize < 40 || (compression != 0 && compression != 3)) return false;
  if (width > 65536 || qAbs(height) > 65536) return false;  // keeps the sums below in range
  const qint64 stride = (width * bits + 31) / 32 * 4;
  return width > 0 && stride > 0 && offset + stride * qAbs(height) <= file.size();
}

QByteArray contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  gFolder = new QTemporaryDir;
  if (!gFolder->isValid()) finding("no temporary folder");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const orvik::keys::ScrambledFile& chosen =
      orvik::keys::kScrambledFiles[data[0] % orvik::keys::kScrambledFiles.size()];
  const QString name = QString::fromLatin1(chosen.name.data(), qsizetype(chosen.name.size()));
  const QByteArray file(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
  const QString path = QDir(gFolder->path()).filePath(name);
  // A repair leaves the file read-only; the next input replaces it.
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
  QFile::remove(path);
  {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
      finding("cannot write the input file");
  }

  const QImage first = orvik::loadInstallationPicture(gFolder->path(), name);
  if (!first.isNull() && (first.width() <= 0 || first.height() <= 0))
    finding("a picture without pixels");
  const QByteArray after = contents(path);
  if (after.size() != file.size()) finding("loading changed the file's length");
  if (after.mid(16) != file.mid(16)) finding("loading changed the file past its header");
  if (after.left(16) != file.left(16)) {
    // Only a lost header is written back, as the header of the file's kind, scrambled.
    QByteArray header = after.left(16);
    orvik::xorBytes(header, chosen.key, 0, 15);
    if (header != orvik::bitmapHeader(chosen.headerKind))
      finding("the written header is not the kind's header");
  }

  const QImage second = orvik::loadInstallationPicture(gFolder->path(), name);
  // Compared as colours: QImage's own comparison of two identical indexed pictures fails when a
  // pixel indexes past the colour table, which a damaged file may do.
  if (holdsAllRows(file, chosen) &&
      second.convertToFormat(QImage::Format_ARGB32) != first.convertToFormat(QImage::Format_ARGB32))
    finding("a second load gives another picture");
  return 0;
}
