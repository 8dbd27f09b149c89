#include "page_composer.h"

#include <QRandomGenerator>
#include <algorithm>
#include <array>
#include <cmath>

namespace builddict {

namespace {

constexpr int W = PageComposer::kWidth;
constexpr int H = PageComposer::kHeight;
constexpr int kMargin = PageComposer::kMargin;
constexpr int kGap = PageComposer::kGap;
constexpr int kPlank = 7;
constexpr int kShadowRoom = 4;         // below the front row, for its shadows
constexpr double kGroundDepth = 0.92;  // each row further back is drawn this much smaller
constexpr double kTableDepth = 0.95;

// Objects whose sizes are kept in proportion to one another.
enum Set { MainSet, SkySet, ShelfSet, TableSet, kSetCount };

Set setOf(Zone z) {
  switch (z) {
    case Zone::Sky:
      return SkySet;
    case Zone::Shelf:
      return ShelfSet;
    case Zone::Table:
      return TableSet;
    default:
      return MainSet;
  }
}

// The side of an object of the class, relative to a tiny one, with the differences between
// classes softened by `spread` (1 keeps them, less brings them closer, always in their order).
double relative(SizeClass size, double spread) {
  return std::pow(Settings::relativeSize(size), spread);
}

struct Params {
  double spread = 1;
  double unit = 1;  // pixels per relative size
  std::array<double, kSetCount> scale = {1, 1, 1, 1};
  int horizon = 0;
};

class Layout {
 public:
  Layout(const Setting& setting, const QList<ComposerItem>& items, quint32 seed)
      : setting_(setting), items_(items), seed_(seed) {}

  // Lays the page out; false when a rule had to be broken (only allowed when forced).
  bool run(const Params& p, bool force) {
    p_ = p;
    force_ = force;
    ok_ = true;
    out_ = Composition();
    out_.boxes.resize(items_.size());
    out_.zones.resize(items_.size());
    out_.rows.resize(items_.size());
    for (int i = 0; i < items_.size(); ++i) out_.zones[i] = items_[i].zone;
    out_.frame.horizon = p.horizon;
    rng_ = QRandomGenerator(seed_);

    // The ground and the floor, then the water behind them, from the front row backwards.
    const int base = H - kMargin - kShadowRoom;
    int top = base;  // the highest point the objects laid so far reach
    int row = 0;
    const QList<int> ground = itemsIn({Zone::Ground, Zone::Floor}, true);
    const QList<int> water = itemsIn({Zone::Water}, true);
    int lastGroundBase = -1;
    if (!ground.isEmpty())
      top = stackUp(ground, base, &row, kGroundDepth, p.horizon + 6, &lastGroundBase);
    if (setting_.has(Zone::Water))
      out_.frame.shore = lastGroundBase >= 0
                             ? lastGroundBase - 10
                             : p.horizon + int((H - p.horizon) * (water.isEmpty() ? 0.5 : 0.8));
    out_.frame.water = !water.isEmpty();
    if (!water.isEmpty()) {
      int waterBase = -1;
      const int from = std::min(ground.isEmpty() ? base : top - kGap, out_.frame.shore - 4);
      top = stackUp(water, from, &row, kGroundDepth, p.horizon + 8, &waterBase);
    }
    bottomTop_ = top;
    int limit = top;

    // The table or counter stands behind the floor's objects.
    const QList<int> table = itemsIn({Zone::Table}, true);
    if (!table.isEmpty()) {
      const int front = std::min(limit - kGap - 8, H - kMargin - 34);
      int tableRow = 0, back = -1;
      limit = stackUp(table, front, &tableRow, kTableDepth, kMargin, &back);
      out_.frame.tableFront = front + 7;
      out_.frame.tableBack = back - 12;
      hasTable_ = true;
    }

    // The sky, the wall and the shelves, in rows from the top.
    int t = kMargin;
    t = stackDown(itemsIn({Zone::Sky}, false), t, p.horizon - 4, false);
    t = stackDown(itemsIn({Zone::Wall}, false), t, p.horizon - 4, false);
    t = stackDown(itemsIn({Zone::Shelf}, false), t, p.horizon - 2, true);
    if (t > limit) {
      fail();
    }
    topEnd_ = t - kGap;
    bottomLimit_ = limit;
    return ok_;
  }

  // Spreads the rows over the room the page leaves, keeping every rule.
  void spread() {
    // Without a table, rows of the ground move back towards the horizon, the back row most, so
    // that the depth of the ground shows.
    const int n = int(bottomRows_.size());
    if (!hasTable_ && n > 1) {
      const int room = std::min(bottomTop_ - kGap - topEnd_, bottomBases_.last() - p_.horizon - 8);
      if (room > 0)
        for (int r = 1; r < n; ++r) {
          const int shift = int(room * 0.7 * r / (n - 1));
          for (int i : bottomRows_[r]) out_.boxes[i].translate(0, -shift);
        }
      for (const QList<int>& r : std::as_const(bottomRows_))
        for (int i : r) bottomLimit_ = std::min(bottomLimit_, out_.boxes[i].top());
      if (out_.frame.shore >= 0 && room > 0) {
        // The shore follows the back row of the ground.
        int back = -1;
        for (int r = 0; r < n; ++r)
          if (items_[bottomRows_[r][0]].zone != Zone::Water)
            back = out_.boxes[bottomRows_[r][0]].bottom();
        if (back >= 0 && out_.frame.shore >= 0) out_.frame.shore = back - 10;
      }
    }
    // Rows from the top move down, evenly, towards the stack below them.
    const int room = std::max(0, std::min(bottomLimit_ - kGap - topEnd_, p_.horizon - 6 - topEnd_));
    if (!topRows_.isEmpty() && room > 0) {
      const int n = int(topRows_.size());
      for (int r = 0; r < n; ++r) {
        const int shift = int(room * 0.8 * (r + 1) / (n + 1));
        for (int i : topRows_[r]) out_.boxes[i].translate(0, shift);
        if (r < shelfPlanks_.size() && shelfPlanks_[r] >= 0)
          out_.frame.shelves[shelfPlanks_[r]].translate(0, shift);
      }
    }
  }

  Composition result() {
    // The faults a forced layout leaves.
    const QRect page(0, 0, W, H);
    for (int i = 0; i < out_.boxes.size(); ++i) {
      if (!page.contains(out_.boxes[i])) out_.cut << i;
      for (int j = i + 1; j < out_.boxes.size(); ++j)
        if (out_.boxes[i].intersects(out_.boxes[j])) out_.overlaps << std::make_pair(i, j);
    }
    out_.outOfZone = outOfZone_;
    out_.frame.bank = out_.frame.shore;
    for (const QList<int>& row : std::as_const(bottomRows_))
      if (!row.isEmpty() && items_[row[0]].zone != Zone::Water) {
        int top = H;
        for (int i : row) top = std::min(top, out_.boxes[i].top());
        if (out_.frame.shore >= 0) out_.frame.bank = std::min(out_.frame.shore, top - 2);
      }
    if (out_.frame.tableFront >= 0) {
      int left = W, right = 0;
      for (int i = 0; i < out_.boxes.size(); ++i)
        if (items_[i].zone == Zone::Table)
          left = std::min(left, out_.boxes[i].left()),
          right = std::max(right, out_.boxes[i].right());
      left -= 18, right += 18;
      if (right - left < 150) left = (left + right) / 2 - 75, right = left + 150;
      out_.frame.tableLeft = std::max(-2, left);
      out_.frame.tableRight = std::min(W + 2, right);
    }
    for (int i = 0; i < out_.boxes.size(); ++i)
      if (items_[i].zone == Zone::Wall)
        out_.frame.wallTop = out_.frame.wallTop < 0
                                 ? out_.boxes[i].top()
                                 : std::min(out_.frame.wallTop, out_.boxes[i].top());
    return out_;
  }

 private:
  void fail() { ok_ = false; }

  double side(int i, double depth) const {
    return p_.unit * p_.scale[setOf(items_[i].zone)] * relative(items_[i].size, p_.spread) * depth;
  }
  QSize sizeOf(int i, double depth) const {
    const double s = side(i, depth);
    const QSize sprite =
        items_[i].sprite.isValid() && !items_[i].sprite.isEmpty() ? items_[i].sprite : QSize(1, 1);
    const double k = s / std::max(sprite.width(), sprite.height());
    return QSize(std::max(1, int(std::lround(sprite.width() * k))),
                 std::max(1, int(std::lround(sprite.height() * k))));
  }

  // The items of the zones, the smaller first when they stand in depth (the large ones then
  // stand at the back), otherwise in their page order.
  QList<int> itemsIn(std::initializer_list<Zone> zones, bool smallFirst) const {
    QList<int> list;
    for (int i = 0; i < items_.size(); ++i)
      if (std::find(zones.begin(), zones.end(), items_[i].zone) != zones.end()) list << i;
    if (smallFirst)
      std::stable_sort(list.begin(), list.end(),
                       [&](int a, int b) { return items_[a].size < items_[b].size; });
    return list;
  }

  // Splits items into rows no wider than the page, as even in count as the fewest rows allow.
  QList<QList<int>> rowsOf(const QList<int>& items, int firstRow, double depth) {
    const int avail = W - 2 * kMargin;
    auto pack = [&](int maxCount) {
      QList<QList<int>> rows;
      int used = 0;
      for (int i : items) {
        int r = int(rows.size()) - 1;
        bool fits = false;
        if (r >= 0 && rows[r].size() < maxCount) {
          const int w = sizeOf(i, std::pow(depth, firstRow + r)).width();
          fits = used + kGap + w <= avail;
          if (fits) used += kGap + w;
        }
        if (!fits) {
          rows.append(QList<int>());
          ++r;
          used = sizeOf(i, std::pow(depth, firstRow + r)).width();
          if (used > avail) fail();
        }
        rows[r] << i;
      }
      return rows;
    };
    const QList<QList<int>> greedy = pack(int(items.size()));
    if (greedy.size() <= 1) return greedy;
    const int even = int((items.size() + greedy.size() - 1) / greedy.size());
    const QList<QList<int>> balanced = pack(even);
    return balanced.size() == greedy.size() ? balanced : greedy;
  }

  // Places a row's boxes side by side over the page's width, a little irregularly.
  void placeRow(const QList<int>& row, const QList<QSize>& sizes, int baseline, int rowTop,
                int rowHeight, bool standing, bool floating) {
    const int avail = W - 2 * kMargin;
    int total = 0;
    for (const QSize& s : sizes) total += s.width();
    const double free = std::max(0, avail - total - kGap * int(row.size() - 1));
    const double part = free / (row.size() + 1);
    double x = kMargin + part;
    for (int k = 0; k < row.size(); ++k) {
      const double jitter = (rng_.generateDouble() - 0.5) * 0.7 * std::min(part, 20.0);
      const int left = int(x + jitter);
      int top;
      if (standing)
        top = baseline - sizes[k].height();
      else if (floating)
        top = rowTop + int(rng_.generateDouble() * (rowHeight - sizes[k].height()));
      else
        top = rowTop + (rowHeight - sizes[k].height()) / 2;
      out_.boxes[row[k]] = QRect(QPoint(left, top), sizes[k]);
      x += sizes[k].width() + kGap + part;
    }
  }

  // Stacks rows upwards from `base` (the front row's baseline), each further row smaller by
  // `depth`; every baseline must lie at or below `lowestBase`. Returns the top of the stack.
  int stackUp(const QList<int>& items, int base, int* row, double depth, int lowestBase,
              int* lastBase) {
    if (items.isEmpty()) return base;
    const QList<QList<int>> rows = rowsOf(items, *row, depth);
    int y = base;
    for (int r = 0; r < rows.size(); ++r, ++*row) {
      QList<QSize> sizes;
      int height = 0;
      for (int i : rows[r]) {
        sizes << sizeOf(i, std::pow(depth, *row));
        height = std::max(height, sizes.last().height());
        out_.rows[i] = r;
      }
      if (y < lowestBase) {
        fail();
        if (force_)
          for (int i : rows[r]) outOfZone_ << i;
      }
      placeRow(rows[r], sizes, y, y - height, height, true, false);
      if (depth == kGroundDepth) bottomRows_ << rows[r], bottomBases_ << y;
      *lastBase = y;
      y = y - height - kGap;
    }
    return y + kGap;
  }

  // Stacks rows downwards from `top`; every row must end above `lowest`. Shelves get a board
  // under each row. Returns where the next row would start.
  int stackDown(const QList<int>& items, int top, int lowest, bool shelf) {
    if (items.isEmpty()) return top;
    const QList<QList<int>> rows = rowsOf(items, 0, 1.0);
    int y = top;
    for (int r = 0; r < rows.size(); ++r) {
      QList<QSize> sizes;
      int height = 0;
      for (int i : rows[r]) {
        sizes << sizeOf(i, 1.0);
        height = std::max(height, sizes.last().height());
        out_.rows[i] = r;
      }
      const bool floating = !shelf && items_[rows[r][0]].zone == Zone::Sky;
      placeRow(rows[r], sizes, y + height, y, height, shelf, floating);
      int bottom = y + height;
      shelfPlanks_ << -1;
      if (shelf) {
        int left = W, right = 0;
        for (int i : rows[r])
          left = std::min(left, out_.boxes[i].left()),
          right = std::max(right, out_.boxes[i].right());
        out_.frame.shelves << QRect(std::max(0, left - 14), bottom, 0, kPlank);
        out_.frame.shelves.last().setRight(std::min(W - 1, right + 14));
        shelfPlanks_.last() = int(out_.frame.shelves.size() - 1);
        bottom += kPlank;
      }
      if (bottom > lowest) {
        fail();
        if (force_)
          for (int i : rows[r]) outOfZone_ << i;
      }
      topRows_ << rows[r];
      y = bottom + kGap;
    }
    return y;
  }

  const Setting& setting_;
  const QList<ComposerItem>& items_;
  quint32 seed_;
  Params p_;
  bool force_ = false;
  bool ok_ = true;
  Composition out_;
  QRandomGenerator rng_;
  QList<QList<int>> topRows_;
  QList<int> shelfPlanks_;
  QList<int> outOfZone_;
  int bottomTop_ = H;
  bool hasTable_ = false;
  QList<QList<int>> bottomRows_;  // the rows of the ground, floor and water, front first
  QList<int> bottomBases_;
  int topEnd_ = 0;
  int bottomLimit_ = H;
};

}  // namespace

Composition PageComposer::compose(const Setting& setting, const QList<ComposerItem>& items,
                                  quint32 seed) {
  if (items.isEmpty()) {
    Composition c;
    c.frame.horizon = int(H * (setting.horizonLo + setting.horizonHi) / 2);
    return c;
  }
  auto feasible = [&](const Params& p) {
    Layout layout(setting, items, seed);
    return layout.run(p, false);
  };
  // The horizon is laid where the objects come out largest; then the page is as large as fits.
  // A page whose smallest object could not be pointed at beside its largest ones brings the
  // sizes closer together, step by step, keeping their order.
  Params best;
  bool found = false;
  for (double spread : {1.0, 0.85, 0.7, 0.55}) {
    double smallest = 1e9, largest = 0;
    for (const ComposerItem& item : items) {
      smallest = std::min(smallest, relative(item.size, spread));
      largest = std::max(largest, relative(item.size, spread));
    }
    const double unitMin = kMinSide / smallest;
    const double unitMax = std::max(unitMin, kMaxSide / largest);
    for (int step = 0; step <= 4; ++step) {
      Params p;
      p.spread = spread;
      p.horizon = int(H * (setting.horizonLo + (setting.horizonHi - setting.horizonLo) * step / 4));
      p.unit = unitMin;
      if (!feasible(p)) continue;
      double lo = unitMin, hi = unitMax;
      for (int k = 0; k < 18; ++k) {
        p.unit = (lo + hi) / 2;
        (feasible(p) ? lo : hi) = p.unit;
      }
      p.unit = lo;
      if (!found || p.unit > best.unit + 1e-6) best = p, found = true;
    }
    if (found) break;
    best.horizon = int(H * (setting.horizonLo + setting.horizonHi) / 2);
    best.unit = unitMin;
    best.spread = spread;
  }
  if (found) {
    // The sky, the shelves and the table are sets of their own: they may grow into the room left.
    for (Set set : {SkySet, ShelfSet, TableSet}) {
      double largestInSet = 0;
      for (const ComposerItem& item : items)
        if (setOf(item.zone) == set)
          largestInSet = std::max(largestInSet, relative(item.size, best.spread));
      if (largestInSet == 0) continue;
      // Beside objects of the main set, a set of its own is drawn only a little closer, so
      // that a bottle on a table never looks as big as the mother beside it.
      bool mainSet = false;
      for (const ComposerItem& item : items) mainSet = mainSet || setOf(item.zone) == MainSet;
      const double top = std::min(mainSet ? 1.3 : 2.5, kMaxSide / (best.unit * largestInSet));
      double lo = 1, hi = std::max(1.0, top);
      Params p = best;
      for (int k = 0; k < 14; ++k) {
        p.scale[set] = (lo + hi) / 2;
        (feasible(p) ? lo : hi) = p.scale[set];
      }
      best.scale[set] = lo;
    }
  }
  Layout layout(setting, items, seed);
  layout.run(best, !found);
  if (found) layout.spread();
  return layout.result();
}

}  // namespace builddict
