// Scrambled pictures cut short, and lost headers in a folder that cannot be written.

#include "app/scrambled_picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

// A 40 by 30 bitmap scrambled with key, its header lost when asked.
QByteArray scrambled(std::uint8_t key, bool loseHeader) {
  QImage image(40, 30, QImage::Format_RGB888);
  image.fill(QColor(200, 10, 30));
  QByteArray bmp;
  QBuffer buffer(&bmp);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  if (loseHeader) bmp.replace(0, 16, QByteArray(16, '\0'));
  orvik::xorBytes(bmp, key, 0, 15);
  return bmp;
}

void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

TEST(ScrambledPictureFaults, AFileShorterThanItsHeaderSaysCannotBeLoaded) {
  QTemporaryDir dir;
  const QString path = dir.filePath("fbsh.ori");
  const QByteArray whole = scrambled(0x5A, false);
  write(path, whole);
  EXPECT_FALSE(orvik::loadScrambledPicture(path, 0x5A, 3).isNull());
  // One byte short, and cut to half: Qt would load either as a damaged picture.
  for (qsizetype size : {whole.size() - 1, whole.size() / 2}) {
    write(path, whole.left(size));
    EXPECT_TRUE(orvik::loadScrambledPicture(path, 0x5A, 3).isNull()) << size;
  }
  // Cut short with its size field cut to match: the rows it lacks make it unloadable too.
  QByteArray cut = whole.left(whole.size() - 40 * 3);
  orvik::xorBytes(cut, 0x5A, 0, 15);
  qToLittleEndian<quint32>(quint32(cut.size()), cut.data() + 2);
  orvik::xorBytes(cut, 0x5A, 0, 15);
  write(path, cut);
  EXPECT_TRUE(orvik::loadScrambledPicture(path, 0x5A, 3).isNull());
  // Longer than its header says is still the picture.
  write(path, whole + QByteArray(10, 'x'));
  EXPECT_FALSE(orvik::loadScrambledPicture(path, 0x5A, 3).isNull());
}

TEST(ScrambledPictureFaults, ALostHeaderInAReadOnlyFolderIsNotWritten) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Lng1.ori");
  const QByteArray lost = scrambled(0xC9, true);
  write(path, lost);
  ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
  orvik::loadScrambledPicture(path, 0xC9, 4);
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), lost) << "a folder without write bits is not written, also by root";
  f.close();
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  // Writable, the header of its kind is written back, scrambled.
  orvik::loadScrambledPicture(path, 0xC9, 4);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QByteArray head = f.read(16);
  orvik::xorBytes(head, 0xC9, 0, 15);
  EXPECT_EQ(head, orvik::bitmapHeader(4));
}

}  // namespace
