#include "app/scrambled_picture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include "app/settings_file.h"
#include "schema/installation_keys.h"

namespace orvik {

QByteArray bitmapHeader(int headerKind) {
  QByteArray header(16, '\0');
  header[0] = 'B';
  header[1] = 'M';
  qToLittleEndian<quint32>(keys::headerFileSize(headerKind), header.data() + 2);
  qToLittleEndian<quint32>(keys::headerPixelOffset(headerKind), header.data() + 10);
  header[14] = 0x28;
  header[15] = 0x00;
  return header;
}

void xorBytes(QByteArray& data, std::uint8_t key, int first, int last) {
  for (int i = std::max(first, 0); i <= last && i < data.size(); ++i)
    data[i] = static_cast<char>(static_cast<std::uint8_t>(data[i]) ^ key);
}

namespace {
// Rewrites the first sixteen bytes of the file, clearing the read-only bits only while it
// writes and setting them again afterwards, also after a failure.
bool writeScrambledHeader(const QString& path, const QByteArray& scrambledHeader) {
  const QFile::Permissions before = QFile::permissions(path);
  QFile::setPermissions(path, before | QFile::WriteOwner | QFile::WriteUser);
  QFile file(path);
  bool ok = file.open(QIODevice::ReadWrite) && file.seek(0) &&
            file.write(scrambledHeader) == scrambledHeader.size() && file.flush();
  file.close();
  QFile::setPermissions(path, (before & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup |
                                          QFile::WriteOther)));
  return ok;
}
}  // namespace

QImage loadScrambledPicture(const QString& path, std::uint8_t key, int headerKind) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QByteArray data = file.readAll();
  file.close();
  if (data.size() < 16) return {};
  xorBytes(data, key, 0, 15);
  if (data[0] != 'B') {
    data.replace(0, 16, bitmapHeader(headerKind));
    QByteArray scrambled = data.left(16);
    xorBytes(scrambled, key, 0, 15);
    // A read-only installation still starts, and is never written.
    if (Settings::folderWritable(QFileInfo(path).absolutePath()))
      writeScrambledHeader(path, scrambled);
  }
  // A file cut short would load as half a picture: shorter than its header says, it cannot be
  // loaded.
  if (data.size() < qint64(qFromLittleEndian<quint32>(data.constData() + 2))) return {};
  QImage image;
  if (!image.loadFromData(data, "BMP")) return {};
  return image;
}

QImage loadInstallationPicture(const QString& folder, const QString& fileName) {
  for (const keys::ScrambledFile& f : keys::kScrambledFiles) {
    if (fileName == QLatin1String(f.name.data(), static_cast<int>(f.name.size())))
      return loadScrambledPicture(QDir(folder).filePath(fileName), f.key, f.headerKind);
  }
  return {};
}

}  // namespace orvik
