#pragma once
// The chapter tab strip's 31 pictures, drawn in code in the interface palette and cached, so
// every request returns the same pixels: the background with all fifteen tabs at rest (15 by
// 488), a hover picture per tab (13 by 32) and a selected picture per tab (15 by 35, three
// pixels taller than the tab pitch, so it overlaps the band below). Each tab carries its
// chapter number, 1 to 15, in a small built-in pixel font that needs no installed face.
// Sizes are logical pixels; the pictures are drawn at a device pixel ratio and carry it (see
// skin.h), one cached set per ratio.

#include <QPixmap>

namespace orvik {

struct TabStripPictures {
  QPixmap main;         // MainPicture
  QPixmap chap[15];     // chap1 .. chap15: hover looks
  QPixmap chapSel[15];  // chapSel1 .. chapSel15: selected looks
};

// The cached pictures at `ratio` (built at the first call; needs a GUI application). The
// default is the skin's ratio, the highest of the screens'.
const TabStripPictures& tabStripPictures(qreal ratio = 0);

// Geometry of the strip's artwork.
inline constexpr int kTabPitch = 32;
inline constexpr int kTabSelectedHeight = 35;
inline constexpr int kTabCount = 15;

}  // namespace orvik
