#pragma once
// Lays out the objects of a page in its setting. Every object stands in its zone at a size
// given by its size class: in the sky, on the wall and on shelves in rows from the top; on a
// table or counter; on the ground, the floor or the water in rows from the front, each row
// further back standing higher and drawn smaller. Within a zone sizes keep their proportions;
// the sky, the shelves and the table are sets of their own that may be drawn larger. No two
// objects overlap and none is cut by the page's edge; a page too full for that is laid out
// anyway and its faults reported, for the builder to refuse it. Deterministic.

#include <QList>
#include <QRect>
#include <QSize>

#include "scene_setting.h"

namespace builddict {

struct ComposerItem {
  Zone zone = Zone::Floor;
  SizeClass size = SizeClass::Medium;
  QSize sprite;  // the object's drawn size at any scale: only its shape counts
};

// Where the setting's own parts go, so that the backdrop matches the objects on it.
struct SceneFrame {
  int horizon = 0;       // where the sky meets the ground, or the wall meets the floor
  int shore = -1;        // where the water meets the ground, in settings with water
  bool water = false;    // some object of the page is in the water
  int bank = -1;         // where a lake behind the ground's objects ends: above the back row
  QList<QRect> shelves;  // the boards the objects on shelves stand on
  int tableBack = -1;    // the table or counter top, from its back edge ...
  int tableFront = -1;   // ... to its front edge; -1 when the page has none
  int tableLeft = 0;     // and from its left to its right end
  int tableRight = 0;
  int wallTop = -1;  // the top of the highest object on a wall; -1 when none is
};

struct Composition {
  QList<QRect> boxes;  // where each object is drawn, at the size it is drawn
  QList<Zone> zones;
  QList<int> rows;  // the object's row in its zone, 0 the front (or top) row
  SceneFrame frame;
  // Faults of a page too full to lay out: pairs of overlapping objects, objects the page's edge
  // cuts, objects pushed out of their zone (0-based entry indices).
  QList<std::pair<int, int>> overlaps;
  QList<int> cut;
  QList<int> outOfZone;
  bool sound() const { return overlaps.isEmpty() && cut.isEmpty() && outOfZone.isEmpty(); }
};

class PageComposer {
 public:
  static constexpr int kWidth = 325;
  static constexpr int kHeight = 490;
  static constexpr int kMargin = 10;   // kept free along the page's edges
  static constexpr int kGap = 8;       // at least between two objects (more than a hit-map cell)
  static constexpr int kMinSide = 26;  // the smallest object still easy to point at
  static constexpr int kMaxSide = 165;

  static Composition compose(const Setting& setting, const QList<ComposerItem>& items,
                             quint32 seed);
};

}  // namespace builddict
