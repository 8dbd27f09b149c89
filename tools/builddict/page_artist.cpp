#include "page_artist.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>

namespace builddict {

namespace {

QColor mix(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t),
                          float(a.greenF() * (1 - t) + b.greenF() * t),
                          float(a.blueF() * (1 - t) + b.blueF() * t));
}

void sky(QPainter& p, const QRect& r, const QColor& tint) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, mix(QColor(120, 180, 235), tint, 0.15));
  g.setColorAt(1, mix(QColor(215, 236, 250), tint, 0.2));
  p.fillRect(r, g);
}

void cloud(QPainter& p, QPointF c, double s) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 220));
  p.drawEllipse(c, 26 * s, 14 * s);
  p.drawEllipse(c + QPointF(-20 * s, 5 * s), 18 * s, 11 * s);
  p.drawEllipse(c + QPointF(22 * s, 4 * s), 20 * s, 12 * s);
}

void floorBoards(QPainter& p, const QRect& r, const QColor& wood) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, wood.darker(115));
  g.setColorAt(1, wood);
  p.fillRect(r, g);
  p.setPen(QPen(wood.darker(135), 1));
  for (int y = r.top() + 22; y < r.bottom(); y += 22) p.drawLine(r.left(), y, r.right(), y);
}

void ground(QPainter& p, const QRect& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(r, g);
}

}  // namespace

void PageArtist::paintBackdrop(QImage& target, const QString& scene, const QColor& colour,
                               quint32 seed) {
  QRandomGenerator rng(seed);
  const QRect r = target.rect();
  const int w = r.width(), h = r.height();
  QPainter p(&target);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor light = mix(colour, Qt::white, 0.55);
  const QColor wall = mix(colour, QColor(250, 244, 225), 0.6);
  const int horizon = h * 2 / 5;

  if (scene == u"sky") {
    sky(p, r, colour);
    for (int i = 0; i < 6; ++i)
      cloud(p, QPointF(rng.bounded(w), 30 + rng.bounded(h - 60)), 0.8 + rng.bounded(0.8));
  } else if (scene == u"space") {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(12, 16, 48));
    g.setColorAt(1, mix(QColor(40, 30, 90), colour, 0.2));
    p.fillRect(r, g);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
      p.setBrush(QColor(255, 255, 230, 120 + rng.bounded(135)));
      const double s = 0.6 + rng.bounded(1.4);
      p.drawEllipse(QPointF(rng.bounded(w), rng.bounded(h)), s, s);
    }
  } else if (scene == u"sea") {
    sky(p, QRect(0, 0, w, horizon), colour);
    cloud(p, QPointF(w * 0.3, horizon * 0.35), 1.0);
    QLinearGradient g(0, horizon, 0, h);
    g.setColorAt(0, QColor(40, 120, 190));
    g.setColorAt(1, QColor(20, 70, 140));
    p.fillRect(QRect(0, horizon, w, h - horizon), g);
    p.setPen(QPen(QColor(255, 255, 255, 90), 2));
    for (int y = horizon + 18; y < h; y += 26)
      for (int x = -20 + (y % 40); x < w; x += 46)
        p.drawArc(QRectF(x, y, 26, 10), 20 * 16, 140 * 16);
    p.fillRect(QRect(0, h - 40, w, 40), QColor(236, 214, 160));
  } else if (scene == u"field" || scene == u"park" || scene == u"garden" || scene == u"forest") {
    sky(p, QRect(0, 0, w, horizon), colour);
    cloud(p, QPointF(w * 0.7, horizon * 0.3), 0.9);
    const QColor grass = scene == u"field" ? QColor(170, 200, 90) : QColor(110, 180, 90);
    ground(p, QRect(0, horizon, w, h - horizon), grass, grass.darker(125));
    p.setPen(Qt::NoPen);
    if (scene == u"forest") {
      for (int x = -10; x < w; x += 28) {
        const int th = 50 + rng.bounded(40);
        p.setBrush(QColor(40, 110 + rng.bounded(40), 60));
        QPolygonF tree;
        tree << QPointF(x, horizon + 6) << QPointF(x + 16, horizon - th)
             << QPointF(x + 32, horizon + 6);
        p.drawPolygon(tree);
      }
    } else if (scene == u"park") {
      p.setBrush(QColor(225, 205, 160));
      QPainterPath path;
      path.moveTo(w * 0.45, horizon);
      path.cubicTo(w * 0.2, h * 0.6, w * 0.9, h * 0.75, w * 0.35, h);
      path.lineTo(w * 0.75, h);
      path.cubicTo(w * 1.1, h * 0.75, w * 0.35, h * 0.6, w * 0.55, horizon);
      p.drawPath(path);
      for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(60, 140, 70));
        p.drawEllipse(QPointF(20 + i * 95, horizon - 12), 24, 20);
      }
    } else if (scene == u"garden") {
      p.setBrush(QColor(250, 245, 235));
      for (int x = 4; x < w; x += 18) p.drawRect(QRectF(x, horizon - 26, 10, 30));
      p.drawRect(QRectF(0, horizon - 18, w, 5));
    } else {
      p.setPen(QPen(grass.darker(115), 2));
      for (int i = 0; i < 10; ++i)
        p.drawLine(QPointF(w / 2.0, horizon), QPointF(-w + i * w * 0.33, h));
    }
  } else if (scene == u"street") {
    sky(p, QRect(0, 0, w, horizon), colour);
    p.setPen(Qt::NoPen);
    for (int x = 0; x < w;) {
      const int bw = 40 + rng.bounded(40), bh = 60 + rng.bounded(90);
      p.setBrush(mix(colour, QColor(150, 150, 160), 0.5 + rng.bounded(0.3)));
      p.drawRect(QRect(x, horizon - bh, bw, bh + 2));
      p.setBrush(QColor(255, 240, 170, 200));
      for (int wy = horizon - bh + 8; wy < horizon - 12; wy += 16)
        for (int wx = x + 6; wx < x + bw - 8; wx += 13) p.drawRect(QRect(wx, wy, 6, 8));
      x += bw + 3;
    }
    ground(p, QRect(0, horizon, w, h - horizon), QColor(150, 150, 150), QColor(105, 105, 110));
    p.fillRect(QRect(0, horizon, w, 14), QColor(200, 195, 185));
    p.setBrush(QColor(250, 250, 250));
    for (int x = 10; x < w; x += 60) p.drawRect(QRect(x, h * 7 / 10, 34, 6));
  } else if (scene == u"stage") {
    QRadialGradient g(QPointF(w / 2.0, h * 0.45), h * 0.7);
    g.setColorAt(0, QColor(120, 70, 60));
    g.setColorAt(1, QColor(40, 20, 30));
    p.fillRect(r, g);
    floorBoards(p, QRect(0, h * 3 / 4, w, h - h * 3 / 4), QColor(170, 110, 60));
    p.setPen(Qt::NoPen);
    for (int side = 0; side < 2; ++side) {
      QLinearGradient c(0, 0, 40, 0);
      c.setColorAt(0, QColor(170, 20, 40));
      c.setColorAt(1, QColor(110, 10, 25));
      c.setSpread(QGradient::ReflectSpread);
      p.setBrush(c);
      QPainterPath curtain;
      const double x0 = side == 0 ? 0 : w, x1 = side == 0 ? 58 : w - 58;
      curtain.moveTo(x0, 0);
      curtain.lineTo(x1, 0);
      curtain.quadTo((x0 + x1) / 2, h * 0.5, x1 + (side == 0 ? -30 : 30), h);
      curtain.lineTo(x0, h);
      p.drawPath(curtain);
    }
    p.fillRect(QRect(0, 0, w, 26), QColor(150, 15, 35));
  } else if (scene == u"room" || scene == u"kitchen" || scene == u"shop" || scene == u"office" ||
             scene == u"school" || scene == u"table") {
    const int floorTop = scene == u"table" ? h / 5 : h * 7 / 10;
    p.fillRect(QRect(0, 0, w, floorTop), wall);
    p.setPen(Qt::NoPen);
    if (scene == u"room") {
      p.setBrush(mix(wall, colour, 0.35));
      for (int x = 0; x < w; x += 24) p.drawRect(QRect(x, 0, 8, floorTop));
      p.setBrush(QColor(255, 255, 255));
      p.drawRect(QRect(w / 2 - 60, 30, 120, 90));
      sky(p, QRect(w / 2 - 54, 36, 108, 78), colour);
      p.fillRect(QRect(w / 2 - 2, 30, 4, 90), Qt::white);
    } else if (scene == u"kitchen") {
      p.setPen(QPen(mix(wall, Qt::white, 0.6), 2));
      for (int y = 0; y < floorTop; y += 22) p.drawLine(0, y, w, y);
      for (int x = 0; x < w; x += 22) p.drawLine(x, 0, x, floorTop);
    } else if (scene == u"shop") {
      p.setBrush(QColor(170, 120, 70));
      for (int y = 90; y < floorTop; y += 100) p.drawRect(QRect(0, y, w, 8));
    } else if (scene == u"school") {
      p.setBrush(QColor(150, 110, 60));
      p.drawRect(QRect(20, 20, w - 40, 130));
      p.setBrush(QColor(40, 90, 60));
      p.drawRect(QRect(26, 26, w - 52, 118));
    } else if (scene == u"office") {
      p.setBrush(mix(wall, Qt::black, 0.08));
      p.drawRect(QRect(0, floorTop - 70, w, 70));
    }
    if (scene == u"table") {
      floorBoards(p, QRect(0, floorTop, w, h - floorTop), QColor(200, 150, 95));
      p.setBrush(QColor(255, 255, 255, 70));
      p.drawRect(QRect(30, floorTop + 30, w - 60, h - floorTop - 60));
    } else if (scene == u"kitchen" || scene == u"school" || scene == u"office") {
      ground(p, QRect(0, floorTop, w, h - floorTop), QColor(210, 200, 185), QColor(180, 170, 150));
      p.setPen(QPen(QColor(160, 150, 135), 1));
      for (int x = 0; x < w; x += 40) p.drawLine(x, floorTop, x, h);
    } else {
      floorBoards(p, QRect(0, floorTop, w, h - floorTop), QColor(190, 140, 90));
    }
  } else {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, mix(light, Qt::white, 0.4));
    g.setColorAt(1, light);
    p.fillRect(r, g);
    p.setPen(Qt::NoPen);
    p.setBrush(mix(light, Qt::white, 0.5));
    for (int i = 0; i < 14; ++i) {
      const double s = 10 + rng.bounded(30.0);
      p.drawEllipse(QPointF(rng.bounded(w), rng.bounded(h)), s, s);
    }
  }
  // A soft frame in the chapter's colour ties the page to its chapter.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(mix(colour, Qt::black, 0.15), 4));
  p.drawRect(QRectF(2, 2, w - 4, h - 4));
}

QList<QRect> PageArtist::layout(int n, quint32 seed) {
  QList<QRect> boxes;
  if (n <= 0) return boxes;
  const int margin = 8;
  const int W = kWidth - 2 * margin, H = kHeight - 2 * margin;
  // The grid whose cells hold the largest square objects.
  int bestCols = 1, bestSide = 0;
  for (int cols = 1; cols <= 6; ++cols) {
    const int rows = (n + cols - 1) / cols;
    const int side = std::min(W / cols, H / rows);
    if (side > bestSide) bestSide = side, bestCols = cols;
  }
  const int cols = bestCols, rows = (n + cols - 1) / cols;
  const double cellW = double(W) / cols, cellH = double(H) / rows;
  QRandomGenerator rng(seed);
  for (int i = 0; i < n; ++i) {
    const int row = i / cols, col = i % cols;
    const int inRow = row == rows - 1 ? n - row * cols : cols;
    // A short last row stands centred.
    const double rowOffset = (cols - inRow) * cellW / 2;
    const double limit = std::min(cellW, cellH);
    const int side = int(limit * (0.74 + rng.bounded(0.12)));
    const double slackX = cellW - side, slackY = cellH - side;
    const double x = margin + rowOffset + col * cellW + slackX * (0.2 + rng.bounded(0.6));
    const double y = margin + row * cellH + slackY * (0.2 + rng.bounded(0.6));
    boxes << QRect(int(x), int(y), side, side);
  }
  return boxes;
}

PageArt PageArtist::draw(const SourcePage& page, const QColor& chapterColour) {
  PageArt art;
  const quint32 seed = quint32(page.code) * 2654435761u;
  art.picture = QImage(kWidth, kHeight, QImage::Format_RGB32);
  paintBackdrop(art.picture, page.scene, chapterColour, seed);
  const QList<QRect> boxes = layout(page.entries.size(), seed ^ 0x9E3779B9u);

  QList<QImage> sprites;
  QList<QPoint> positions;
  for (int i = 0; i < page.entries.size(); ++i) {
    const QRect box = boxes[i];
    QImage s = emoji_->sprite(page.entries[i].emoji, box.width());
    if (s.isNull()) {
      s = QImage(box.size(), QImage::Format_ARGB32_Premultiplied);
      s.fill(Qt::transparent);
      QPainter p(&s);
      p.setRenderHint(QPainter::Antialiasing);
      p.setBrush(chapterColour.darker(130));
      p.setPen(Qt::NoPen);
      p.drawEllipse(s.rect().adjusted(2, 2, -2, -2));
    }
    // Centred in its box, standing on the box's bottom edge.
    const QPoint at(box.left() + (box.width() - s.width()) / 2, box.bottom() + 1 - s.height());
    sprites << s;
    positions << at;
    art.objectRects << QRect(at, s.size());
  }
  {
    QPainter p(&art.picture);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < sprites.size(); ++i) {
      const QRect o = art.objectRects[i];
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 0, 0, 40));
      p.drawEllipse(QPointF(o.center().x(), o.bottom() - 1), o.width() * 0.4, 5);
      p.drawImage(positions[i], sprites[i]);
    }
  }
  art.hitMap = HitMap::fromObjects(art.picture.size(), sprites, positions);

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
