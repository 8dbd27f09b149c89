#pragma once
// The program's scrambled picture files ("fsls.ori", "fchpt.ori", "fbsh.ori", "Lng1.ori" ..):
// palette bitmaps laid out to the fixed file size and pixel-data offset of their header kind,
// padded with trailing zero bytes, with their first sixteen bytes XORed with the file's key
// byte. A file unscrambled by the program is a valid BMP whose header is exactly the one the
// program would write for its kind, so a lost header is repaired byte for byte.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

namespace builddict {

// Reduces a picture to at most `colours` colours (median cut over the picture's own colours,
// Floyd-Steinberg error diffusion) and returns it as Format_Indexed8 with that colour table.
// Deterministic: the same picture always gives the same result.
QImage quantize(const QImage& picture, int colours);

// A bottom-up palette BMP of an indexed picture: 8 bits per pixel with a 256-entry palette
// (pixel data at 1078), or 4 bits per pixel with the picture's own colour table (at most 16
// entries; pixel data at 54 + 4 x entries). The file-size field holds `fileSize` when it is not
// zero (the caller pads the file to it). Returns an empty array when the picture does not fit.
QByteArray paletteBmp(const QImage& indexed, int bitsPerPixel, quint32 fileSize = 0);

// XORs bytes 0 to 15 with `key`, in place: scrambles and unscrambles alike.
void xorHeader(QByteArray& bytes, std::uint8_t key);

// The complete file of a scrambled picture of header kind 1 to 4 (see keys::headerFileSize):
// returns an empty array and sets `error` when the picture does not fit the kind's size.
// Kinds 1 to 3 take up to 256 colours, kind 4 up to 5.
QByteArray scrambledPictureFile(const QImage& picture, int kind, std::uint8_t key, QString* error);

// Writes `bytes` to `path` and leaves the file read-only (0444), replacing a read-only file
// that is already there. Returns false and sets `error` on failure.
bool writeReadOnlyFile(const QString& path, const QByteArray& bytes, QString* error);

}  // namespace builddict
