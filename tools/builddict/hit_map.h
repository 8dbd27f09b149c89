#pragma once
// The hit map of a page picture: for every 5 by 5 pixel cell, the order of the entry whose
// object covers most of the cell, 0 where no object is. It is derived from the objects' own
// opaque pixels, so a spot follows the drawn shape, not its bounding box.

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <vector>

namespace builddict {

class HitMap {
 public:
  static constexpr int kCell = 5;

  HitMap() = default;
  // An empty map (all cells 0) for a picture of the given size.
  explicit HitMap(QSize pictureSize);

  // Derives the map from objects drawn at `positions`; object i (0-based) is entry i + 1. A
  // pixel belongs to an object when its alpha is at least half; a cell goes to the object with
  // the most such pixels in it, the lower order on a tie.
  static HitMap fromObjects(QSize pictureSize, const QList<QImage>& objects,
                            const QList<QPoint>& positions);

  int columns() const { return columns_; }
  int bands() const { return bands_; }
  // The entry at column c, band b (both 0-based).
  int at(int column, int band) const { return cells_[size_t(band) * columns_ + column]; }
  void set(int column, int band, int order) { cells_[size_t(band) * columns_ + column] = order; }
  // The entry under a pixel of the picture.
  int entryAt(QPoint pixel) const { return at(pixel.x() / kCell, pixel.y() / kCell); }
  // How many cells name each order 1..maxOrder (index 0 counts the empty cells).
  std::vector<int> cellCounts(int maxOrder) const;

 private:
  int columns_ = 0;
  int bands_ = 0;
  std::vector<int> cells_;
};

}  // namespace builddict
