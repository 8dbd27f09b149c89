#include "page_artist.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "place_table.h"
#include "scene_painter.h"

namespace builddict {

namespace {
// The natural size sprites are drawn at before the composer scales them.
constexpr int kSpriteSide = 160;
}  // namespace

Composition PageArtist::compose(const SourcePage& page, const QHash<QString, PlaceDefault>& places,
                                QList<QImage>* sprites) {
  const Setting* setting = Settings::find(page.scene);
  if (!setting) setting = Settings::find(QString());
  QList<ComposerItem> items;
  for (const SourceEntry& entry : page.entries) {
    QString problem;
    const auto placement = PlaceTable::place(entry, *setting, places, &problem);
    ComposerItem item;
    // An entry the setting has no place for (refused by the builder, drawn by the previews)
    // stands where the setting puts what it does not know.
    item.zone = placement ? placement->zone : setting->fallback;
    item.size = placement ? placement->size : SizeClass::Medium;
    const QImage sprite = emoji_->sprite(entry.emoji);
    item.sprite = sprite.isNull() ? QSize(kSpriteSide, kSpriteSide) : sprite.size();
    items << item;
    if (sprites) *sprites << sprite;
  }
  return PageComposer::compose(*setting, items, quint32(page.code) * 2654435761u);
}

QStringList PageArtist::problems(const SourcePage& page, const Composition& c) {
  QStringList list;
  auto word = [&](int i) { return page.entries[i].text[En].headWord; };
  auto at = [&](int i) { return page.entries[i].place.toString(); };
  for (const auto& [a, b] : c.overlaps)
    list << QStringLiteral(
                "%1: the spots of '%2' and '%3' (%4) overlap: page %5 holds more "
                "than its setting has room for")
                .arg(at(b), word(b), word(a), at(a))
                .arg(page.code);
  for (int i : c.cut)
    list << QStringLiteral("%1: the object of '%2' is cut by the edge of page %3")
                .arg(at(i), word(i))
                .arg(page.code);
  for (int i : c.outOfZone)
    list << QStringLiteral("%1: '%2' does not fit in the %3 of page %4")
                .arg(at(i), word(i), Settings::zoneName(c.zones[i]))
                .arg(page.code);
  return list;
}

PageArt PageArtist::draw(const SourcePage& page, const QColor& chapterColour,
                         const QHash<QString, PlaceDefault>& places) {
  PageArt art;
  const quint32 seed = quint32(page.code) * 2654435761u;
  QList<QImage> natural;
  art.composition = compose(page, places, &natural);
  const Composition& c = art.composition;
  const Setting* setting = Settings::find(page.scene);
  if (!setting) setting = Settings::find(QString());

  QList<QImage> sprites;
  QList<QPoint> positions;
  for (int i = 0; i < page.entries.size(); ++i) {
    const QRect box = c.boxes[i];
    QImage s = natural[i].isNull()
                   ? QImage()
                   : natural[i].scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (s.isNull()) {
      s = QImage(box.size(), QImage::Format_ARGB32_Premultiplied);
      s.fill(Qt::transparent);
      QPainter p(&s);
      p.setRenderHint(QPainter::Antialiasing);
      p.setBrush(chapterColour.darker(130));
      p.setPen(Qt::NoPen);
      p.drawEllipse(s.rect().adjusted(2, 2, -2, -2));
    }
    sprites << s;
    positions << box.topLeft();
    art.objectRects << box;
  }
  art.picture = QImage(kWidth, kHeight, QImage::Format_RGB32);
  ScenePainter::paint(art.picture, *setting, c.frame, art.objectRects, chapterColour, seed);
  {
    QPainter p(&art.picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < sprites.size(); ++i) {
      const QRect o = art.objectRects[i];
      // A shadow only where the object rests on something: the ground, a floor, a table.
      if (Settings::isSurface(c.zones[i])) {
        QRadialGradient g(QPointF(o.center().x(), o.bottom() - 1), o.width() * 0.42);
        g.setColorAt(0, QColor(0, 0, 0, 70));
        g.setColorAt(1, QColor(0, 0, 0, 0));
        p.setBrush(g);
        p.save();
        p.translate(o.center().x(), o.bottom() - 1);
        p.scale(1.0, std::max(3.0, o.width() * 0.07) / (o.width() * 0.42));
        p.drawEllipse(QPointF(0, 0), o.width() * 0.42, o.width() * 0.42);
        p.restore();
      }
      p.drawImage(positions[i], sprites[i]);
    }
  }
  art.hitMap = HitMap::fromObjects(art.picture.size(), sprites, positions);
  art.objects = sprites;

  // Highlights: the object's box and a margin, taken from the finished picture, washed in a
  // warm tint, with a golden glow around the object and the object on top.
  const QRect pageRect = art.picture.rect();
  for (int i = 0; i < sprites.size(); ++i) {
    const QRect box = art.objectRects[i].adjusted(-6, -6, 6, 6).intersected(pageRect);
    QImage h = art.picture.copy(box);
    QPainter p(&h);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(h.rect(), QColor(255, 226, 120, 120));
    QImage glow(sprites[i].size(), QImage::Format_ARGB32_Premultiplied);
    glow.fill(Qt::transparent);
    {
      QPainter g(&glow);
      g.drawImage(0, 0, sprites[i]);
      g.setCompositionMode(QPainter::CompositionMode_SourceIn);
      g.fillRect(glow.rect(), QColor(255, 140, 0));
    }
    const QPoint local = positions[i] - box.topLeft();
    p.setOpacity(0.35);
    for (int dy = -4; dy <= 4; dy += 2)
      for (int dx = -4; dx <= 4; dx += 2)
        if (dx * dx + dy * dy <= 16) p.drawImage(local + QPoint(dx, dy), glow);
    p.setOpacity(1.0);
    p.drawImage(local, sprites[i]);
    p.setPen(QPen(QColor(230, 110, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(h.rect()).adjusted(1, 1, -1, -1), 6, 6);
    p.end();
    art.highlights << h;
    art.highlightAt << box.topLeft();
  }
  return art;
}

}  // namespace builddict
