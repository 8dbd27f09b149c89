#pragma once
// The program's scrambled picture files: bitmaps whose first sixteen bytes are XORed with a key
// byte of their own. They are unscrambled in memory only, so that neither a crash, a read-only
// installation folder nor a second running copy can leave a file unscrambled or stop the start.
// The file is written only to repair a lost header, and then stays scrambled; a read-only
// installation folder is never written.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

namespace orvik {

// The sixteen-byte bitmap file header of a header kind (1 to 4): "BM", the file size, zero, the
// pixel-data offset and the low half of the information-header size 40.
QByteArray bitmapHeader(int headerKind);

// XORs bytes first..last (inclusive) of data with key.
void xorBytes(QByteArray& data, std::uint8_t key, int first, int last);

// Loads the scrambled picture at path. When the unscrambled header does not start with "B", the
// header of headerKind is put in its place and written back to the file, scrambled, when its
// folder can be written (a failure to write it back does not stop the load). Returns a null
// image when the file is missing, unreadable, shorter than its header's file size or not a
// picture.
QImage loadScrambledPicture(const QString& path, std::uint8_t key, int headerKind);

// Loads one of the installation's scrambled files by name ("fsls.ori", "Lng1.ori", …) from the
// folder, with its key byte and header kind.
QImage loadInstallationPicture(const QString& folder, const QString& fileName);

}  // namespace orvik
