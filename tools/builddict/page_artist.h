#pragma once
// Draws a page of the dictionary: a 325 by 490 scene (a backdrop chosen by the page's scene and
// tinted by its chapter's colour) with every entry's object laid out on it, large enough to
// point at and never overlapping another; for every entry a highlight picture that marks its
// object with a warm glow, and the page's hit map derived from the objects' own pixels.
// Deterministic: the same page always gives the same pixels.

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

#include "emoji_painter.h"
#include "hit_map.h"
#include "source_dictionary.h"

namespace builddict {

struct PageArt {
  QImage picture;             // 325 x 490, opaque
  QList<QImage> highlights;   // per entry, opaque, lying wholly inside the picture
  QList<QPoint> highlightAt;  // top-left of each highlight within the picture
  QList<QRect> objectRects;   // where each entry's object stands
  HitMap hitMap;
};

class PageArtist {
 public:
  static constexpr int kWidth = 325;
  static constexpr int kHeight = 490;

  explicit PageArtist(EmojiPainter* emoji) : emoji_(emoji) {}

  // Draws a page of `entries` objects; an entry whose emoji draws nothing gets a plain disc.
  PageArt draw(const SourcePage& page, const QColor& chapterColour);

  // The boxes the objects of a page of n entries are fitted into: disjoint, inside the
  // picture, row by row from the top; `seed` varies them a little from page to page.
  static QList<QRect> layout(int n, quint32 seed);

  // Paints the backdrop of a scene over the whole of `target`'s rectangle.
  static void paintBackdrop(QImage& target, const QString& scene, const QColor& colour,
                            quint32 seed);

 private:
  EmojiPainter* emoji_;
};

}  // namespace builddict
