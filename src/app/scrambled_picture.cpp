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
// Whether the file holds every pixel row its information header promises. Qt's reader fills the
// rows a file lacks with whatever memory held, so a file cut short (its size field too) would
// show a different damaged picture on every load. Compressed pixels have no fixed length and
// are left to the reader, which stops at the end of their data.
bool pixelsComplete(const QByteArray& data) {
  if (data.size() < 14 + 40) return true;  // too short for an information header: Qt refuses it
  const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
  const quint32 infoSize = qFromLittleEndian<quint32>(bytes + 14);
  if (infoSize < 40) return true;
  const qint64 width = qFromLittleEndian<qint32>(bytes + 18);
  const qint64 height = qFromLittleEndian<qint32>(bytes + 22);
  const quint16 bitCount = qFromLittleEndian<quint16>(bytes + 28);
  const quint32 compression = qFromLittleEndian<quint32>(bytes + 30);
  constexpr quint32 kUncompressed = 0, kBitFields = 3;
  if (compression != kUncompressed && compression != kBitFields) return true;
  if (width <= 0 || bitCount == 0) return false;
  const qint64 rowBytes = (width * bitCount + 31) / 32 * 4;
  const qint64 pixelOffset = qFromLittleEndian<quint32>(bytes + 10);
  return pixelOffset + rowBytes * (height < 0 ? -height : height) <= data.size();
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
    // A read-only or shared installation still starts, and is never written.
    if (Settings::installationWritable(QFileInfo(path).absolutePath()))
      writeScrambledHeader(path, scrambled);
  }
  // A file cut short would load as half a picture: shorter than its header says, it cannot be
  // loaded.
  if (data.size() < qint64(qFromLittleEndian<quint32>(data.constData() + 2))) return {};
  if (!pixelsComplete(data)) return {};
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
