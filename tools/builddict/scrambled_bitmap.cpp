#include "scrambled_bitmap.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <vector>

#include "schema/installation_keys.h"

namespace builddict {

namespace {

struct Bucket {
  std::vector<std::array<int, 4>> colours;  // r, g, b, count (5 bits a channel)
};

// The channel with the widest range in a set of colours, and that range.
std::pair<int, int> widestChannel(const std::vector<std::array<int, 4>>& cs) {
  int best = 0, range = -1;
  for (int ch = 0; ch < 3; ++ch) {
    int lo = 255, hi = 0;
    for (const auto& c : cs) lo = std::min(lo, c[ch]), hi = std::max(hi, c[ch]);
    if (hi - lo > range) range = hi - lo, best = ch;
  }
  return {best, range};
}

void putLE(QByteArray& b, int offset, quint32 v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[offset + i] = char((v >> (8 * i)) & 0xFF);
}

}  // namespace

QImage quantize(const QImage& picture, int colours) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  // Histogram of 15-bit colours.
  std::vector<int> histogram(32768, 0);
  for (int y = 0; y < rgb.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x)
      ++histogram[((qRed(line[x]) >> 3) << 10) | ((qGreen(line[x]) >> 3) << 5) |
                  (qBlue(line[x]) >> 3)];
  }
  std::vector<Bucket> buckets(1);
  for (int i = 0; i < 32768; ++i)
    if (histogram[i]) buckets[0].colours.push_back({i >> 10, (i >> 5) & 31, i & 31, histogram[i]});
  // Median cut: split the bucket with the widest channel range at its weighted median.
  while (int(buckets.size()) < colours) {
    int pick = -1, pickRange = 0, channel = 0;
    for (int i = 0; i < int(buckets.size()); ++i) {
      if (buckets[i].colours.size() < 2) continue;
      const auto [ch, range] = widestChannel(buckets[i].colours);
      if (range > pickRange) pick = i, pickRange = range, channel = ch;
    }
    if (pick < 0) break;
    auto& cs = buckets[pick].colours;
    std::sort(cs.begin(), cs.end(), [channel](const auto& a, const auto& b) {
      return a[channel] != b[channel] ? a[channel] < b[channel] : a < b;
    });
    long long total = 0;
    for (const auto& c : cs) total += c[3];
    long long run = 0;
    size_t cut = 1;
    for (size_t i = 0; i + 1 < cs.size(); ++i) {
      run += cs[i][3];
      cut = i + 1;
      if (run * 2 >= total) break;
    }
    Bucket upper;
    upper.colours.assign(cs.begin() + cut, cs.end());
    cs.resize(cut);
    buckets.push_back(std::move(upper));
  }
  QList<QRgb> table;
  for (const Bucket& b : buckets) {
    long long r = 0, g = 0, bl = 0, n = 0;
    for (const auto& c : b.colours)
      r += c[0] * c[3], g += c[1] * c[3], bl += c[2] * c[3], n += c[3];
    if (n == 0) continue;
    auto expand = [](long long v, long long n) { return int((v * 255 + n * 31 / 2) / (n * 31)); };
    table << qRgb(expand(r, n), expand(g, n), expand(bl, n));
  }
  if (table.isEmpty()) table << qRgb(0, 0, 0);

  auto nearest = [&table](int r, int g, int b) {
    int best = 0, bestD = INT_MAX;
    for (int i = 0; i < table.size(); ++i) {
      const int dr = qRed(table[i]) - r, dg = qGreen(table[i]) - g, db = qBlue(table[i]) - b;
      const int d = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
      if (d < bestD) bestD = d, best = i;
    }
    return best;
  };
  std::vector<int> lookup(32768, -1);
  QImage out(rgb.size(), QImage::Format_Indexed8);
  out.setColorTable(table);
  // Floyd-Steinberg diffusion, errors kept in two rows of integers.
  const int w = rgb.width();
  std::vector<std::array<int, 3>> errCur(w + 2), errNext(w + 2);
  for (int y = 0; y < rgb.height(); ++y) {
    std::fill(errNext.begin(), errNext.end(), std::array<int, 3>{0, 0, 0});
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uchar* dst = out.scanLine(y);
    for (int x = 0; x < w; ++x) {
      const int r = std::clamp(qRed(line[x]) + errCur[x + 1][0] / 16, 0, 255);
      const int g = std::clamp(qGreen(line[x]) + errCur[x + 1][1] / 16, 0, 255);
      const int b = std::clamp(qBlue(line[x]) + errCur[x + 1][2] / 16, 0, 255);
      const int key = ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
      int& idx = lookup[key];
      if (idx < 0) idx = nearest(r, g, b);
      dst[x] = uchar(idx);
      const int e[3] = {r - qRed(table[idx]), g - qGreen(table[idx]), b - qBlue(table[idx])};
      for (int c = 0; c < 3; ++c) {
        errCur[x + 2][c] += e[c] * 7;
        errNext[x][c] += e[c] * 3;
        errNext[x + 1][c] += e[c] * 5;
        errNext[x + 2][c] += e[c] * 1;
      }
    }
    std::swap(errCur, errNext);
  }
  return out;
}

QByteArray paletteBmp(const QImage& indexed, int bitsPerPixel, quint32 fileSize) {
  if (indexed.format() != QImage::Format_Indexed8 || (bitsPerPixel != 8 && bitsPerPixel != 4))
    return {};
  const QList<QRgb> table = indexed.colorTable();
  if (bitsPerPixel == 4 && table.size() > 16) return {};
  const int paletteEntries = bitsPerPixel == 8 ? 256 : int(table.size());
  const int offset = 14 + 40 + 4 * paletteEntries;
  const int stride = ((indexed.width() * bitsPerPixel + 31) / 32) * 4;
  const int imageSize = stride * indexed.height();
  QByteArray b(offset + imageSize, '\0');
  b[0] = 'B';
  b[1] = 'M';
  putLE(b, 2, fileSize ? fileSize : quint32(b.size()), 4);
  putLE(b, 10, offset, 4);
  putLE(b, 14, 40, 4);
  putLE(b, 18, indexed.width(), 4);
  putLE(b, 22, indexed.height(), 4);
  putLE(b, 26, 1, 2);
  putLE(b, 28, bitsPerPixel, 2);
  putLE(b, 34, imageSize, 4);
  putLE(b, 38, 2835, 4);  // 72 dots an inch
  putLE(b, 42, 2835, 4);
  putLE(b, 46, bitsPerPixel == 8 ? 256 : paletteEntries, 4);
  putLE(b, 50, 0, 4);
  for (int i = 0; i < paletteEntries; ++i) {
    const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
    b[54 + 4 * i] = char(qBlue(c));
    b[55 + 4 * i] = char(qGreen(c));
    b[56 + 4 * i] = char(qRed(c));
  }
  for (int y = 0; y < indexed.height(); ++y) {
    const uchar* src = indexed.constScanLine(indexed.height() - 1 - y);
    char* dst = b.data() + offset + y * stride;
    for (int x = 0; x < indexed.width(); ++x) {
      if (bitsPerPixel == 8)
        dst[x] = char(src[x]);
      else
        dst[x / 2] = char(uchar(dst[x / 2]) | ((src[x] & 0x0F) << (x % 2 ? 0 : 4)));
    }
  }
  return b;
}

void xorHeader(QByteArray& bytes, std::uint8_t key) {
  for (int i = 0; i < 16 && i < bytes.size(); ++i) bytes[i] = char(uchar(bytes[i]) ^ key);
}

QByteArray scrambledPictureFile(const QImage& picture, int kind, std::uint8_t key, QString* error) {
  const quint32 fileSize = orvik::keys::headerFileSize(kind);
  const quint32 pixelOffset = orvik::keys::headerPixelOffset(kind);
  QImage indexed = picture.format() == QImage::Format_Indexed8 && kind == 4
                       ? picture
                       : quantize(picture, kind == 4 ? 5 : 256);
  if (kind == 4 && indexed.colorTable().size() != 5) {
    // The kind's pixel-data offset fixes a palette of exactly five colours.
    QList<QRgb> table = indexed.colorTable();
    while (table.size() < 5) table << qRgb(0, 0, 0);
    if (table.size() > 5) {
      if (error) *error = QStringLiteral("a language-frame picture has more than 5 colours");
      return {};
    }
    indexed.setColorTable(table);
  }
  QByteArray bytes = paletteBmp(indexed, kind == 4 ? 4 : 8, fileSize);
  if (bytes.isEmpty() || quint32(bytes.size()) > fileSize) {
    if (error)
      *error = QStringLiteral("a %1 by %2 picture does not fit a file of %3 bytes")
                   .arg(picture.width())
                   .arg(picture.height())
                   .arg(fileSize);
    return {};
  }
  if (quint32(uchar(bytes[10]) | uchar(bytes[11]) << 8) != pixelOffset) {
    if (error) *error = QStringLiteral("pixel data not at offset %1").arg(pixelOffset);
    return {};
  }
  bytes.append(QByteArray(int(fileSize) - bytes.size(), '\0'));
  xorHeader(bytes, key);
  return bytes;
}

bool writeReadOnlyFile(const QString& path, const QByteArray& bytes, QString* error) {
  if (QFile::exists(path)) {
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(path);
  }
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
    if (error) *error = QStringLiteral("%1: cannot be written: %2").arg(path, f.errorString());
    return false;
  }
  f.close();
  f.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  return true;
}

}  // namespace builddict
