#pragma once
// Draws a page of the dictionary: a 325 by 490 scene of the page's setting with every entry's
// object standing in its place (see PageComposer), a shadow under each object that rests on a
// surface; for every entry a highlight picture that marks its object with a warm glow, and the
// page's hit map derived from the objects' own pixels.
// Deterministic: the same page always gives the same pixels.

#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include "emoji_painter.h"
#include "hit_map.h"
#include "page_composer.h"
#include "source_dictionary.h"

namespace builddict {

struct PageArt {
  QImage picture;             // 325 x 490, opaque
  QList<QImage> highlights;   // per entry, opaque, lying wholly inside the picture
  QList<QPoint> highlightAt;  // top-left of each highlight within the picture
  QList<QRect> objectRects;   // where each entry's object stands
  QList<QImage> objects;      // each entry's object as drawn there
  HitMap hitMap;
  Composition composition;
};

class PageArtist {
 public:
  static constexpr int kWidth = PageComposer::kWidth;
  static constexpr int kHeight = PageComposer::kHeight;

  explicit PageArtist(EmojiPainter* emoji) : emoji_(emoji) {}

  // Draws a page; `places` is the place table. An entry whose emoji draws nothing gets a
  // plain disc.
  PageArt draw(const SourcePage& page, const QColor& chapterColour,
               const QHash<QString, PlaceDefault>& places = {});

  // Lays out the page's objects in its setting; `sprites` receives each object's picture.
  Composition compose(const SourcePage& page, const QHash<QString, PlaceDefault>& places,
                      QList<QImage>* sprites = nullptr);

  // The faults of a page's layout, each "file:line: message" at the entry concerned: objects
  // whose spots overlap, objects the page's edge cuts, objects pushed out of their zone.
  static QStringList problems(const SourcePage& page, const Composition& composition);

 private:
  EmojiPainter* emoji_;
};

}  // namespace builddict
