#include "hit_map.h"

#include <algorithm>

namespace builddict {

HitMap::HitMap(QSize pictureSize)
    : columns_((pictureSize.width() + kCell - 1) / kCell),
      bands_((pictureSize.height() + kCell - 1) / kCell),
      cells_(size_t(columns_) * bands_, 0) {}

HitMap HitMap::fromObjects(QSize pictureSize, const QList<QImage>& objects,
                           const QList<QPoint>& positions) {
  HitMap map(pictureSize);
  const int cellCount = map.columns_ * map.bands_;
  // Coverage of every cell by every object, counted object by object.
  std::vector<int> best(size_t(cellCount), 0);
  std::vector<int> coverage(static_cast<size_t>(cellCount));
  for (int i = 0; i < objects.size(); ++i) {
    const QImage alpha = objects[i].convertToFormat(QImage::Format_ARGB32);
    std::fill(coverage.begin(), coverage.end(), 0);
    const QPoint at = positions[i];
    for (int y = 0; y < alpha.height(); ++y) {
      const int py = at.y() + y;
      if (py < 0 || py >= pictureSize.height()) continue;
      const QRgb* line = reinterpret_cast<const QRgb*>(alpha.constScanLine(y));
      for (int x = 0; x < alpha.width(); ++x) {
        const int px = at.x() + x;
        if (px < 0 || px >= pictureSize.width() || qAlpha(line[x]) < 128) continue;
        ++coverage[size_t(py / kCell) * map.columns_ + px / kCell];
      }
    }
    for (int c = 0; c < cellCount; ++c)
      if (coverage[c] > best[c]) best[c] = coverage[c], map.cells_[c] = i + 1;
  }
  return map;
}

std::vector<int> HitMap::cellCounts(int maxOrder) const {
  std::vector<int> counts(size_t(maxOrder) + 1, 0);
  for (int v : cells_)
    if (v >= 0 && v <= maxOrder) ++counts[v];
  return counts;
}

}  // namespace builddict
