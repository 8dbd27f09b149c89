#include "scene_painter.h"

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

QColor rgb(int hex) {
  return QColor((hex >> 16) & 0xff, (hex >> 8) & 0xff, hex & 0xff);
}

class Painter {
 public:
  Painter(QImage& target, const SceneFrame& frame, const QList<QRect>& objects, const QColor& tint,
          quint32 seed)
      : p(&target),
        w(target.width()),
        h(target.height()),
        f(frame),
        objects_(objects),
        tint_(tint),
        rng(seed) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
  }

  // True when an ornament drawn in `r` would stand behind no object.
  bool free(const QRectF& r) const {
    const QRect grown = r.toAlignedRect().adjusted(-6, -6, 6, 6);
    for (const QRect& o : objects_)
      if (o.intersects(grown)) return false;
    return true;
  }

  QColor t(const QColor& c, double k = 0.08) const { return mix(c, tint_, k); }

  void vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
  }

  void sky(int bottom, const QColor& top, const QColor& low) {
    vertical(QRectF(0, 0, w, bottom + 2), t(top), t(low));
  }

  void cloud(QPointF c, double s) {
    QRadialGradient g(c + QPointF(0, -8 * s), 40 * s);
    g.setColorAt(0, QColor(255, 255, 255, 240));
    g.setColorAt(1, QColor(232, 240, 250, 230));
    p.setBrush(g);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addEllipse(c, 28 * s, 13 * s);
    path.addEllipse(c + QPointF(-18 * s, 2 * s), 17 * s, 10 * s);
    path.addEllipse(c + QPointF(16 * s, -6 * s), 17 * s, 14 * s);
    path.addEllipse(c + QPointF(-4 * s, -10 * s), 14 * s, 12 * s);
    p.drawPath(path.simplified());
  }

  // Clouds where no object floats in front of them.
  void clouds(int count, int bottom, double scale = 1.0) {
    for (int i = 0; i < count * 3 && count > 0; ++i) {
      const QPointF c(20 + rng.bounded(w - 40), 24 + rng.bounded(std::max(1, bottom - 50)));
      const double s = scale * (0.6 + rng.bounded(0.6));
      if (!free(QRectF(c.x() - 46 * s, c.y() - 24 * s, 92 * s, 40 * s))) continue;
      cloud(c, s);
      --count;
    }
  }

  // A rolling line of hills standing on the horizon.
  void hills(int base, double height, const QColor& c, double phase) {
    QPainterPath path;
    path.moveTo(0, base + 2);
    for (int x = 0; x <= w; x += 5)
      path.lineTo(x, base - height * (0.55 + 0.45 * std::sin(x / 53.0 + phase) *
                                                 std::cos(x / 97.0 + phase * 1.7)));
    path.lineTo(w, base + 2);
    path.closeSubpath();
    QLinearGradient g(0, base - height, 0, base);
    g.setColorAt(0, c.lighter(108));
    g.setColorAt(1, c.darker(108));
    p.setBrush(g);
    p.drawPath(path);
  }

  // Ground from the horizon down, lighter and hazier far away, with tufts that grow and part
  // towards the front.
  void ground(int top, int bottom, const QColor& far, const QColor& near, const QColor& tuft) {
    vertical(QRectF(0, top, w, bottom - top), t(far), t(near));
    QColor soft = tuft;
    soft.setAlpha(tuft.alpha() * 2 / 3);
    p.setPen(QPen(soft, 1.1, Qt::SolidLine, Qt::RoundCap));
    for (double y = top + 6, step = 6; y < bottom; y += step, step *= 1.16) {
      const double depth = (y - top) / std::max(1, bottom - top);
      const double len = 2 + depth * 6;
      for (double x = rng.bounded(20.0); x < w; x += 16 + rng.bounded(30.0) * (1.2 - depth)) {
        p.drawLine(QPointF(x, y), QPointF(x - len * 0.35, y - len));
        p.drawLine(QPointF(x + 1, y), QPointF(x + 1, y - len * 1.1));
        p.drawLine(QPointF(x + 2, y), QPointF(x + 2 + len * 0.3, y - len * 0.85));
      }
    }
    p.setPen(Qt::NoPen);
  }

  // Lines on the ground that meet at a point on the horizon: furrows, boards, a road's edges.
  void converging(int top, int bottom, int count, const QPen& pen, double spread = 2.2) {
    p.setPen(pen);
    const QPointF vanish(w / 2.0, top - (bottom - top) * 0.25);
    for (int i = 0; i <= count; ++i) {
      const double x = w / 2.0 + (i - count / 2.0) * (w * spread / count);
      const QPointF front(x, bottom);
      const double k = (top - vanish.y()) / (bottom - vanish.y());
      p.drawLine(QPointF(vanish.x() + (front.x() - vanish.x()) * k, top), front);
    }
    p.setPen(Qt::NoPen);
  }

  // Across lines closer together towards the horizon.
  void across(int top, int bottom, double first, const QPen& pen) {
    p.setPen(pen);
    for (double y = top + first, step = first; y < bottom; step *= 1.25, y += step)
      p.drawLine(QPointF(0, y), QPointF(w, y));
    p.setPen(Qt::NoPen);
  }

  void sun(QPointF c, double r) {
    QRadialGradient glow(c, r * 2.4);
    glow.setColorAt(0, QColor(255, 245, 200, 170));
    glow.setColorAt(1, QColor(255, 245, 200, 0));
    p.setBrush(glow);
    p.drawEllipse(c, r * 2.4, r * 2.4);
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.2);
    g.setColorAt(0, QColor(255, 250, 190));
    g.setColorAt(1, QColor(255, 205, 70));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
  }

  void stars(int count, int bottom) {
    for (int i = 0; i < count; ++i) {
      const QPointF c(rng.bounded(w), rng.bounded(std::max(1, bottom)));
      const double s = 0.5 + rng.bounded(1.3);
      p.setBrush(QColor(255, 255, 235, 110 + rng.bounded(140)));
      p.drawEllipse(c, s, s);
    }
  }

  void tree(QPointF foot, double s, const QColor& leaf) {
    p.setBrush(QColor(120, 85, 55));
    p.drawRoundedRect(QRectF(foot.x() - 3 * s, foot.y() - 16 * s, 6 * s, 16 * s), 2, 2);
    QRadialGradient g(foot + QPointF(-5 * s, -30 * s), 22 * s);
    g.setColorAt(0, leaf.lighter(125));
    g.setColorAt(1, leaf.darker(110));
    p.setBrush(g);
    p.drawEllipse(foot + QPointF(0, -26 * s), 14 * s, 14 * s);
    p.drawEllipse(foot + QPointF(-8 * s, -20 * s), 9 * s, 8 * s);
    p.drawEllipse(foot + QPointF(8 * s, -20 * s), 9 * s, 8 * s);
  }

  void fir(QPointF foot, double s, const QColor& leaf) {
    p.setBrush(QColor(110, 75, 50));
    p.drawRect(QRectF(foot.x() - 2 * s, foot.y() - 6 * s, 4 * s, 6 * s));
    for (int k = 0; k < 3; ++k) {
      QLinearGradient g(foot.x() - 12 * s, 0, foot.x() + 12 * s, 0);
      g.setColorAt(0, leaf.lighter(115));
      g.setColorAt(1, leaf.darker(120));
      p.setBrush(g);
      QPolygonF tri;
      const double y = foot.y() - 5 * s - k * 9 * s;
      const double half = (13 - k * 3) * s;
      tri << QPointF(foot.x() - half, y) << QPointF(foot.x(), y - 16 * s)
          << QPointF(foot.x() + half, y);
      p.drawPolygon(tri);
    }
  }

  // A row of ornaments (trees, houses) standing on the horizon where no object is in front.
  template <typename Draw>
  void along(int base, double from, double step, double height, Draw draw) {
    for (double x = from; x < w + 20; x += step * (0.8 + rng.bounded(0.5)))
      if (free(QRectF(x - step / 2, base - height, step, height))) draw(QPointF(x, base));
  }

  void wall(int bottom, const QColor& c) {
    vertical(QRectF(0, 0, w, bottom), t(c.lighter(104)), t(c.darker(104)));
  }

  void stripes(int bottom, const QColor& c, int every, int width) {
    p.setBrush(c);
    for (int x = every / 2; x < w; x += every) p.drawRect(QRectF(x, 0, width, bottom));
  }

  void tiles(int top, int bottom, int size, const QColor& grout) {
    p.setPen(QPen(grout, 1.2));
    for (int y = bottom; y > top; y -= size) p.drawLine(QPointF(0, y), QPointF(w, y));
    for (int y = bottom, row = 0; y > top; y -= size, ++row)
      for (int x = (row % 2) * size / 2; x < w; x += size)
        p.drawLine(QPointF(x, std::max(top, y - size)), QPointF(x, y));
    p.setPen(Qt::NoPen);
  }

  void skirting(int y, const QColor& c) {
    p.setBrush(c);
    p.drawRect(QRectF(0, y - 9, w, 10));
    p.setBrush(c.darker(115));
    p.drawRect(QRectF(0, y - 1, w, 2));
  }

  void floorBoards(int top, const QColor& c) {
    vertical(QRectF(0, top, w, h - top), t(c.darker(112)), t(c.lighter(106)));
    converging(top, h, 12, QPen(c.darker(130), 1.2), 2.6);
    across(top, h, 9, QPen(QColor(0, 0, 0, 22), 1));
  }

  void floorTiles(int top, const QColor& a, const QColor& b) {
    vertical(QRectF(0, top, w, h - top), t(a.darker(106)), t(a));
    // Every other tile of the checkered floor, each row nearer drawn larger.
    p.setBrush(t(b));
    const QPointF vanish(w / 2.0, top - (h - top) * 0.6);
    double y0 = top;
    for (int row = 0; y0 < h; ++row) {
      const double y1 = y0 + 8 + row * row * 1.5 + row * 4;
      const int n = 10;
      for (int i = -n; i < n; ++i) {
        if ((i + row) % 2 == 0) continue;
        auto at = [&](double x, double y) {
          const double k = (y - vanish.y()) / (h - vanish.y());
          return QPointF(vanish.x() + (x - vanish.x()) * k, y);
        };
        const double xa = w / 2.0 + i * 44.0, xb = xa + 44;
        QPolygonF q;
        q << at(xa, y0) << at(xb, y0) << at(xb, y1) << at(xa, y1);
        p.drawPolygon(q);
      }
      y0 = y1;
    }
  }

  void carpet(int top, const QColor& c) {
    vertical(QRectF(0, top, w, h - top), t(c.darker(110)), t(c.lighter(105)));
    p.setBrush(QColor(255, 255, 255, 18));
    for (int i = 0; i < 260; ++i)
      p.drawEllipse(QPointF(rng.bounded(w), top + rng.bounded(h - top)), 1.2, 1.2);
  }

  // A window onto the sky, where no object hangs in front of it.
  bool window(const QRectF& r, const QColor& frame) {
    if (!free(r)) return false;
    p.setBrush(frame);
    p.drawRoundedRect(r, 3, 3);
    const QRectF pane = r.adjusted(6, 6, -6, -6);
    vertical(pane, QColor(130, 190, 240), QColor(215, 236, 250));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(pane.center() + QPointF(-pane.width() / 5, -pane.height() / 6), pane.width() / 6,
                  pane.height() / 10);
    p.setBrush(frame);
    p.drawRect(QRectF(pane.center().x() - 2, pane.top(), 4, pane.height()));
    p.drawRect(QRectF(pane.left(), pane.center().y() - 2, pane.width(), 4));
    p.setBrush(frame.darker(115));
    p.drawRect(QRectF(r.left() - 4, r.bottom() - 2, r.width() + 8, 6));
    return true;
  }

  bool picture(const QRectF& r, const QColor& frame, const QColor& inside) {
    if (!free(r)) return false;
    p.setBrush(frame);
    p.drawRect(r);
    vertical(r.adjusted(4, 4, -4, -4), inside.lighter(115), inside);
    p.setBrush(inside.darker(130));
    QPolygonF m;
    const QRectF in = r.adjusted(4, 4, -4, -4);
    m << in.bottomLeft() << QPointF(in.left() + in.width() * 0.35, in.top() + in.height() * 0.4)
      << QPointF(in.left() + in.width() * 0.6, in.bottom() - in.height() * 0.3)
      << QPointF(in.left() + in.width() * 0.8, in.top() + in.height() * 0.5) << in.bottomRight();
    p.drawPolygon(m);
    return true;
  }

  // The first of some places on the wall where an ornament can hang free of every object.
  template <typename Draw>
  void somewhere(const QList<QRectF>& places, Draw draw) {
    for (const QRectF& r : places)
      if (free(r)) {
        draw(r);
        return;
      }
  }

  void shelves(const QColor& wood) {
    for (const QRect& s : f.shelves) {
      p.setBrush(QColor(0, 0, 0, 40));
      p.drawRect(QRectF(s.left() + 2, s.bottom() + 1, s.width() - 4, 5));
      QLinearGradient g(0, s.top(), 0, s.bottom());
      g.setColorAt(0, wood.lighter(118));
      g.setColorAt(1, wood.darker(112));
      p.setBrush(g);
      p.drawRoundedRect(QRectF(s), 2, 2);
      p.setBrush(wood.darker(135));
      for (double x : {s.left() + 16.0, s.right() - 20.0})
        p.drawRect(QRectF(x, s.bottom() + 1, 4, 9));
    }
  }

  // The table or counter: its top in perspective from back to front edge, then its front.
  enum class TableKind { Counter, Table, Cloth };

  // The table or counter: its top in perspective from the back to the front edge, as wide as
  // what stands on it, then its front down to the floor.
  void table(const QColor& top, const QColor& front, TableKind kind) {
    if (f.tableFront < 0) return;
    const double back = f.tableBack, edge = f.tableFront;
    const double left = f.tableLeft, right = f.tableRight;
    const double inset = std::min(16.0, (edge - back) * 0.12);
    const double foot = std::min(double(h), std::max(edge + 44, f.horizon + 30.0));
    // Its shadow on the floor.
    p.setBrush(QColor(0, 0, 0, 34));
    p.drawRect(QRectF(left + 6, foot - 4, right - left - 12, 8));
    if (kind == TableKind::Table) {
      p.setBrush(front.darker(120));
      for (double x : {left + 8, right - 16, left + 26, right - 34})
        p.drawRect(
            QRectF(x, edge + 8, 8, foot - edge - 8 - (x > left + 20 && x < right - 20 ? 10 : 0)));
    }
    QPolygonF surface;
    surface << QPointF(left + inset, back) << QPointF(right - inset, back) << QPointF(right, edge)
            << QPointF(left, edge);
    QLinearGradient g(0, back, 0, edge);
    g.setColorAt(0, top.darker(108));
    g.setColorAt(1, top.lighter(106));
    p.setBrush(g);
    p.drawPolygon(surface);
    if (kind == TableKind::Cloth) {
      const double apron = std::min(46.0, h - edge);
      p.setBrush(front);
      p.drawRect(QRectF(left, edge, right - left, apron));
      p.setBrush(QColor(255, 255, 255, 90));
      for (double x = left + 8; x + 10 < right; x += 28) p.drawRect(QRectF(x, edge, 10, apron));
      p.setBrush(front.darker(130));
      p.drawRect(QRectF(left, edge, right - left, 3));
    } else if (kind == TableKind::Table) {
      p.setBrush(front);
      p.drawRect(QRectF(left, edge, right - left, 10));
      p.setBrush(top.darker(125));
      p.drawRect(QRectF(left, edge, right - left, 2));
    } else {
      QLinearGradient fg(0, edge, 0, foot);
      fg.setColorAt(0, front.lighter(105));
      fg.setColorAt(1, front.darker(115));
      p.setBrush(fg);
      p.drawRect(QRectF(left, edge, right - left, foot - edge));
      p.setBrush(top.darker(125));
      p.drawRect(QRectF(left, edge, right - left, 4));
      // Cabinet doors with handles.
      p.setPen(QPen(front.darker(125), 1.2));
      const int doors = std::max(1, int((right - left) / 62));
      const double dw = (right - left - 8) / doors;
      for (int i = 0; i < doors; ++i) {
        const QRectF door(left + 4 + i * dw + 2, edge + 9, dw - 4, foot - edge - 14);
        if (door.height() < 10) break;
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(door, 3, 3);
        p.setBrush(front.darker(140));
        p.drawEllipse(QPointF(door.center().x() + dw * 0.3, door.top() + 10), 2, 2);
      }
      p.setPen(Qt::NoPen);
    }
  }

  QPainter p;
  const int w, h;
  const SceneFrame& f;
  const QList<QRect>& objects_;
  QColor tint_;
  QRandomGenerator rng;
};

// ---- The settings ---------------------------------------------------------------------------

void outdoorDay(Painter& d, const QColor& hill) {
  d.sky(d.f.horizon, rgb(0x6fb2ea), rgb(0xd4ecfa));
  d.clouds(3, d.f.horizon - 20);
  d.hills(d.f.horizon, 26, d.t(hill, 0.05), d.rng.bounded(6.0));
}

// A lake or pond between the horizon and the shore, where the page has objects in the water.
void lake(Painter& d) {
  if (!d.f.water || d.f.bank < 0) return;
  const int hz = d.f.horizon, shore = std::max(d.f.bank, hz + 12);
  QPainterPath bank;
  bank.moveTo(-4, hz + 4);
  bank.cubicTo(d.w * 0.3, hz - 2, d.w * 0.7, hz + 6, d.w + 4, hz + 2);
  bank.lineTo(d.w + 4, shore);
  bank.cubicTo(d.w * 0.7, shore + 8, d.w * 0.3, shore - 6, -4, shore + 2);
  bank.closeSubpath();
  QLinearGradient g(0, hz, 0, shore);
  g.setColorAt(0, d.t(rgb(0x8cc8e8)));
  g.setColorAt(1, d.t(rgb(0x4a98c8)));
  d.p.setBrush(QColor(120, 100, 70, 120));
  d.p.drawPath(bank.translated(0, 3));
  d.p.setBrush(g);
  d.p.drawPath(bank);
  d.p.setPen(QPen(QColor(255, 255, 255, 110), 1.4));
  d.p.setBrush(Qt::NoBrush);
  for (double y = hz + 10, step = 6; y < shore - 4; y += step, step *= 1.2)
    for (double x = d.rng.bounded(30.0); x < d.w; x += 40 + d.rng.bounded(30.0))
      d.p.drawArc(QRectF(x, y, 14 + (y - hz) * 0.1, 5), 20 * 16, 140 * 16);
  d.p.setPen(Qt::NoPen);
}

void farm(Painter& d) {
  outdoorDay(d, rgb(0x9cc27a));
  const int hz = d.f.horizon;
  // A barn and a fence far away, where nothing stands before them.
  d.somewhere({QRectF(d.w * 0.66, hz - 40, 54, 42), QRectF(16, hz - 40, 54, 42),
               QRectF(d.w * 0.4, hz - 40, 54, 42)},
              [&](const QRectF& r) {
                d.p.setBrush(rgb(0xb8413a));
                d.p.drawRect(r.adjusted(4, 14, -4, 0));
                QPolygonF roof;
                roof << QPointF(r.left(), r.top() + 16) << QPointF(r.center().x(), r.top())
                     << QPointF(r.right(), r.top() + 16);
                d.p.setBrush(rgb(0x7a2a26));
                d.p.drawPolygon(roof);
                d.p.setBrush(rgb(0xf2e6d0));
                d.p.drawRect(QRectF(r.center().x() - 7, r.bottom() - 16, 14, 16));
              });
  d.ground(hz, d.h, rgb(0xbcd58a), rgb(0x8cbc5a), QColor(90, 140, 60, 120));
  d.converging(hz + 30, d.h, 14, QPen(QColor(150, 120, 70, 60), 3), 3.4);
  lake(d);
  d.p.setBrush(rgb(0xe9dcc0));
  for (double x = 4; x < d.w; x += 22) d.p.drawRect(QRectF(x, hz + 2, 3, 12));
  d.p.drawRect(QRectF(0, hz + 5, d.w, 2));
  d.p.drawRect(QRectF(0, hz + 10, d.w, 2));
}

void nightsky(Painter& d) {
  d.vertical(QRectF(0, 0, d.w, d.f.horizon + 2), rgb(0x0b1034), rgb(0x2a3f78));
  d.stars(140, d.f.horizon);
  // The glow of the Milky Way across the sky.
  QLinearGradient band(0, d.f.horizon * 0.2, d.w, d.f.horizon * 0.8);
  band.setColorAt(0, QColor(180, 190, 255, 0));
  band.setColorAt(0.5, QColor(180, 190, 255, 34));
  band.setColorAt(1, QColor(180, 190, 255, 0));
  d.p.setBrush(band);
  d.p.drawRect(QRectF(0, 0, d.w, d.f.horizon));
  d.hills(d.f.horizon, 22, rgb(0x1c2a3e), 1.3);
  d.vertical(QRectF(0, d.f.horizon, d.w, d.h - d.f.horizon), rgb(0x1f3326), rgb(0x132019));
  d.p.setBrush(QColor(255, 220, 120));
  for (double x = 30; x < d.w; x += 70 + d.rng.bounded(40.0))
    if (d.free(QRectF(x - 8, d.f.horizon - 10, 16, 12)))
      d.p.drawRect(QRectF(x, d.f.horizon - 6, 3, 3));
}

void water(Painter& d, int top, int bottom, const QColor& far, const QColor& near) {
  d.vertical(QRectF(0, top, d.w, bottom - top), d.t(far), d.t(near));
  d.p.setPen(QPen(QColor(255, 255, 255, 110), 1.4));
  d.p.setBrush(Qt::NoBrush);
  for (double y = top + 5, step = 5; y < bottom; y += step, step *= 1.18) {
    const double size = 6 + (y - top) * 0.12;
    for (double x = d.rng.bounded(30.0); x < d.w; x += size * 3.5 + d.rng.bounded(20.0))
      d.p.drawArc(QRectF(x, y, size * 2, size * 0.7), 20 * 16, 140 * 16);
  }
  d.p.setPen(Qt::NoPen);
}

void harbour(Painter& d) {
  const int hz = d.f.horizon, shore = std::max(d.f.shore, hz + 20);
  d.sky(hz, rgb(0x78b6e8), rgb(0xe2f0f8));
  d.clouds(3, hz - 20);
  // The far coast with a lighthouse.
  d.hills(hz, 14, rgb(0x8aa98a), 2.0);
  d.somewhere({QRectF(d.w - 50, hz - 52, 20, 52), QRectF(24, hz - 52, 20, 52)},
              [&](const QRectF& r) {
                d.p.setBrush(Qt::white);
                QPolygonF tower;
                tower << QPointF(r.left() + 4, r.bottom()) << QPointF(r.left() + 7, r.top() + 10)
                      << QPointF(r.right() - 7, r.top() + 10) << QPointF(r.right() - 4, r.bottom());
                d.p.drawPolygon(tower);
                d.p.setBrush(rgb(0xd0483a));
                d.p.drawRect(QRectF(r.left() + 5, r.top() + 24, r.width() - 10, 6));
                d.p.drawRect(QRectF(r.left() + 5, r.top() + 38, r.width() - 10, 6));
                d.p.setBrush(rgb(0xffe070));
                d.p.drawEllipse(QRectF(r.left() + 6, r.top() + 2, r.width() - 12, 10));
              });
  water(d, hz, shore, rgb(0x5a9fd0), rgb(0x2f6fa8));
  // The quay: stone slabs with an edge and bollards.
  d.vertical(QRectF(0, shore, d.w, d.h - shore), rgb(0xbdb6aa), rgb(0x9c948a));
  d.p.setBrush(rgb(0x857c72));
  d.p.drawRect(QRectF(0, shore, d.w, 6));
  d.across(shore + 6, d.h, 14, QPen(QColor(0, 0, 0, 30), 1));
  d.converging(shore + 6, d.h, 10, QPen(QColor(0, 0, 0, 26), 1), 2.0);
  d.p.setBrush(rgb(0x4a4a52));
  for (double x : {24.0, d.w - 34.0})
    if (d.free(QRectF(x - 2, shore - 8, 14, 16)))
      d.p.drawRoundedRect(QRectF(x, shore - 6, 10, 12), 3, 3);
}

void beach(Painter& d) {
  const int hz = d.f.horizon, shore = std::max(d.f.shore, hz + 24);
  d.sky(hz, rgb(0x5fb0ef), rgb(0xe6f4fb));
  d.sun(QPointF(d.w - 50, 40), 16);
  d.clouds(2, hz - 30);
  water(d, hz, shore, rgb(0x49b3d6), rgb(0x35a0c6));
  // Foam where the waves run onto the sand.
  QPainterPath foam;
  foam.moveTo(0, shore - 2);
  for (int x = 0; x <= d.w; x += 10) foam.lineTo(x, shore - 2 + 3 * std::sin(x / 17.0));
  foam.lineTo(d.w, shore + 6);
  foam.lineTo(0, shore + 6);
  d.vertical(QRectF(0, shore, d.w, d.h - shore), rgb(0xf0dca8), rgb(0xe2c286));
  d.p.setBrush(QColor(255, 255, 255, 200));
  d.p.drawPath(foam);
  d.p.setBrush(QColor(200, 160, 100, 90));
  for (int i = 0; i < 160; ++i)
    d.p.drawEllipse(
        QPointF(d.rng.bounded(d.w), shore + 8 + d.rng.bounded(std::max(1, d.h - shore - 8))), 1.1,
        1.1);
}

void undersea(Painter& d) {
  const int hz = d.f.horizon, bed = std::max(d.f.shore, hz + 40);
  d.sky(hz, rgb(0x7cc0ee), rgb(0xd8eefa));
  d.vertical(QRectF(0, hz, d.w, bed - hz), rgb(0x2f9fd0), rgb(0x0d4d86));
  // Rays of light from the surface.
  for (int i = 0; i < 5; ++i) {
    QPolygonF ray;
    const double x = 30 + i * 70 + d.rng.bounded(20.0);
    ray << QPointF(x, hz) << QPointF(x + 26, hz) << QPointF(x + 70, bed) << QPointF(x + 20, bed);
    d.p.setBrush(QColor(255, 255, 255, 22));
    d.p.drawPolygon(ray);
  }
  d.p.setBrush(QColor(255, 255, 255, 150));
  d.p.drawRect(QRectF(0, hz, d.w, 2));
  d.vertical(QRectF(0, bed, d.w, d.h - bed), rgb(0xd8c48e), rgb(0xbfa56e));
  d.p.setBrush(QColor(255, 255, 255, 70));
  for (int i = 0; i < 30; ++i) {
    const double s = 1 + d.rng.bounded(3.0);
    d.p.drawEllipse(
        QPointF(d.rng.bounded(d.w), hz + 10 + d.rng.bounded(std::max(1, bed - hz - 20))), s, s);
  }
  // Weed at the sides of the sea bed.
  d.p.setPen(QPen(rgb(0x3f8f5a), 4, Qt::SolidLine, Qt::RoundCap));
  for (double x : {10.0, 22.0, d.w - 14.0, d.w - 28.0}) {
    if (!d.free(QRectF(x - 10, bed - 60, 20, 64))) continue;
    QPainterPath weed;
    weed.moveTo(x, bed + 4);
    weed.cubicTo(x - 10, bed - 20, x + 10, bed - 35, x - 2, bed - 58);
    d.p.setBrush(Qt::NoBrush);
    d.p.drawPath(weed);
  }
  d.p.setPen(Qt::NoPen);
}

void mountains(Painter& d) {
  const int hz = d.f.horizon;
  d.sky(hz, rgb(0x5aa4e6), rgb(0xdcecf8));
  d.clouds(2, hz - 70);
  // Peaks with snow, the far ones paler.
  for (int layer = 0; layer < 2; ++layer) {
    const QColor rock = layer == 0 ? rgb(0xa3b3c8) : rgb(0x7d8ea6);
    const double peakH = layer == 0 ? 120 : 80;
    for (double x = -40 + layer * 50; x < d.w + 40; x += 120 + d.rng.bounded(40.0)) {
      const double top = hz - peakH * (0.7 + d.rng.bounded(0.3));
      QPolygonF m;
      m << QPointF(x - 90, hz + 2) << QPointF(x, top) << QPointF(x + 90, hz + 2);
      d.p.setBrush(d.t(rock, 0.05));
      d.p.drawPolygon(m);
      QPolygonF snow;
      const double k = 0.3;
      snow << QPointF(x - 90 * k, top + (hz - top) * k) << QPointF(x, top)
           << QPointF(x + 90 * k, top + (hz - top) * k) << QPointF(x + 10, top + (hz - top) * 0.22)
           << QPointF(x - 8, top + (hz - top) * 0.26);
      d.p.setBrush(QColor(250, 252, 255));
      d.p.drawPolygon(snow);
    }
  }
  d.ground(hz, d.h, rgb(0xa9cf86), rgb(0x76ad55), QColor(60, 110, 40, 110));
  lake(d);
  d.p.setBrush(QColor(130, 130, 130, 120));
  for (int i = 0; i < 6; ++i) {
    const QPointF c(d.rng.bounded(d.w), hz + 20 + d.rng.bounded(std::max(1, d.h - hz - 30)));
    if (d.free(QRectF(c.x() - 8, c.y() - 5, 16, 10))) d.p.drawEllipse(c, 7, 4);
  }
}

void forest(Painter& d) {
  const int hz = d.f.horizon;
  d.sky(hz, rgb(0x8cc4ea), rgb(0xe4f1f6));
  // Three rows of trees, the far ones paler and smaller.
  const QColor leaves[] = {rgb(0x8fb69a), rgb(0x5f9a6c), rgb(0x3f7d4e)};
  for (int row = 0; row < 3; ++row) {
    const double s = 1.1 + row * 0.35;
    for (double x = -10 + row * 13; x < d.w + 20; x += 22 * s)
      if (row < 2 || d.free(QRectF(x - 14 * s, hz + 4 - 48 * s, 28 * s, 48 * s)))
        d.fir(QPointF(x, hz + 2 + row * 2), s, d.t(leaves[row], 0.04));
  }
  d.ground(hz + 2, d.h, rgb(0x7fa860), rgb(0x5b8a3e), QColor(40, 80, 30, 110));
  // A path winding to the front.
  QPainterPath path;
  path.moveTo(d.w * 0.47, hz + 4);
  path.cubicTo(d.w * 0.30, d.h * 0.62, d.w * 0.80, d.h * 0.78, d.w * 0.38, d.h);
  path.lineTo(d.w * 0.72, d.h);
  path.cubicTo(d.w * 1.05, d.h * 0.78, d.w * 0.42, d.h * 0.62, d.w * 0.53, hz + 4);
  d.p.setBrush(QColor(196, 168, 120, 170));
  d.p.drawPath(path);
  lake(d);
}

void garden(Painter& d) {
  const int hz = d.f.horizon;
  outdoorDay(d, rgb(0x8fbf78));
  d.along(hz, 20, 60, 50, [&](QPointF foot) { d.tree(foot + QPointF(0, -8), 1.2, rgb(0x5ea05a)); });
  // A hedge and a white fence along the back of the lawn.
  d.p.setBrush(d.t(rgb(0x4f8f48), 0.04));
  d.p.drawRoundedRect(QRectF(-10, hz - 14, d.w + 20, 20), 8, 8);
  d.ground(hz + 4, d.h, rgb(0x9fd07a), rgb(0x6cab4c), QColor(50, 110, 40, 120));
  d.p.setBrush(rgb(0xfbf7ee));
  for (double x = 4; x < d.w; x += 16) {
    QPolygonF picket;
    picket << QPointF(x, hz + 8) << QPointF(x, hz - 10) << QPointF(x + 4, hz - 15)
           << QPointF(x + 8, hz - 10) << QPointF(x + 8, hz + 8);
    d.p.drawPolygon(picket);
  }
  d.p.drawRect(QRectF(0, hz - 4, d.w, 3));
  d.table(rgb(0xc8a070), rgb(0x8a6040), Painter::TableKind::Table);
  // Flowers dotted over the lawn.
  const QColor petals[] = {rgb(0xf2d24a), rgb(0xf08ab0), rgb(0xffffff)};
  for (int i = 0; i < 40; ++i) {
    const QPointF c(d.rng.bounded(d.w), hz + 14 + d.rng.bounded(std::max(1, d.h - hz - 20)));
    d.p.setBrush(petals[i % 3]);
    d.p.drawEllipse(c, 1.8, 1.8);
  }
}

void park(Painter& d) {
  const int hz = d.f.horizon;
  outdoorDay(d, rgb(0x8fbf78));
  d.along(hz, 12, 44, 56, [&](QPointF foot) { d.tree(foot, 1.4, rgb(0x4f9450)); });
  d.ground(hz, d.h, rgb(0xa2d07e), rgb(0x6fae50), QColor(50, 110, 40, 110));
  QPainterPath path;
  path.moveTo(d.w * 0.5, hz);
  path.cubicTo(d.w * 0.2, d.h * 0.6, d.w * 0.9, d.h * 0.75, d.w * 0.3, d.h);
  path.lineTo(d.w * 0.7, d.h);
  path.cubicTo(d.w * 1.1, d.h * 0.75, d.w * 0.35, d.h * 0.6, d.w * 0.54, hz);
  d.p.setBrush(QColor(228, 208, 164, 200));
  d.p.drawPath(path);
  lake(d);
}

void street(Painter& d) {
  const int hz = d.f.horizon;
  d.sky(hz, rgb(0x7ab6e6), rgb(0xdcedf8));
  d.clouds(2, hz - 60);
  // Houses along the far side of the street.
  const QColor fronts[] = {rgb(0xe8c9a0), rgb(0xc9d6e0), rgb(0xeab0a0), rgb(0xd8dcb0),
                           rgb(0xb9c4d8)};
  // Where signs hang on the houses, the houses rise above them.
  const double least = d.f.wallTop >= 0 ? hz - d.f.wallTop + 14 : 0;
  for (double x = -6; x < d.w;) {
    const double bw = 44 + d.rng.bounded(30.0),
                 bh = std::max(least + d.rng.bounded(16.0), 50 + d.rng.bounded(70.0));
    const QColor c = d.t(fronts[d.rng.bounded(5)], 0.05);
    d.p.setBrush(c);
    d.p.drawRect(QRectF(x, hz - bh, bw, bh + 2));
    d.p.setBrush(c.darker(125));
    d.p.drawRect(QRectF(x - 2, hz - bh - 4, bw + 4, 5));
    d.p.setBrush(rgb(0x9cc8e8));
    for (double wy = hz - bh + 10; wy < hz - 22; wy += 18)
      for (double wx = x + 7; wx < x + bw - 10; wx += 14)
        if (d.free(QRectF(wx, wy, 7, 10))) d.p.drawRect(QRectF(wx, wy, 7, 10));
    d.p.setBrush(c.darker(150));
    d.p.drawRect(QRectF(x + bw / 2 - 5, hz - 16, 10, 16));
    x += bw + 2;
  }
  // The pavement, then the road coming towards us.
  d.vertical(QRectF(0, hz, d.w, 18), rgb(0xd6d0c6), rgb(0xc4bdb2));
  d.vertical(QRectF(0, hz + 18, d.w, d.h - hz - 18), rgb(0x8a8c94), rgb(0x6a6c74));
  d.p.setBrush(rgb(0xc8c2b8));
  d.p.drawRect(QRectF(0, hz + 16, d.w, 3));
  // Dashes down the middle, nearer ones longer.
  d.p.setBrush(rgb(0xf4f0e0));
  for (double y = hz + 26, len = 6; y < d.h; y += len * 2.2, len *= 1.3) {
    const double k = (y - hz) / (d.h - hz);
    d.p.drawRect(QRectF(d.w / 2.0 - 1 - 2 * k, y, 2 + 4 * k, len));
  }
}

void airport(Painter& d) {
  const int hz = d.f.horizon;
  d.sky(hz, rgb(0x6aaee8), rgb(0xdcecf8));
  d.clouds(3, hz - 80);
  // The terminal: a long glass front, as high as the signs hung on it need.
  const double top = d.f.wallTop >= 0 ? std::min(hz - 60.0, d.f.wallTop - 14.0) : hz - 60.0;
  d.vertical(QRectF(0, top, d.w, hz - top), rgb(0xb8cadc), rgb(0x8aa2b8));
  d.p.setBrush(rgb(0xe8eef2));
  d.p.drawRect(QRectF(0, top - 6, d.w, 8));
  d.p.setBrush(QColor(255, 255, 255, 60));
  for (double x = 6; x < d.w; x += 24) d.p.drawRect(QRectF(x, top + 4, 2, hz - top - 4));
  d.somewhere({QRectF(d.w - 44, top - 70, 26, 70), QRectF(16, top - 70, 26, 70)},
              [&](const QRectF& r) {
                d.p.setBrush(rgb(0xdde4ea));
                d.p.drawRect(QRectF(r.center().x() - 5, r.top() + 18, 10, r.height() - 18));
                d.p.setBrush(rgb(0x5a7890));
                d.p.drawRoundedRect(QRectF(r.left(), r.top(), r.width(), 20), 4, 4);
              });
  // The apron: concrete with yellow guide lines coming towards us.
  d.vertical(QRectF(0, hz, d.w, d.h - hz), rgb(0xa8aaa8), rgb(0x8a8c8a));
  d.converging(hz, d.h, 4, QPen(QColor(240, 200, 40), 3), 1.6);
  d.across(hz, d.h, 18, QPen(QColor(0, 0, 0, 25), 1));
}

void market(Painter& d) {
  street(d);
  // A striped awning over the stalls, where nothing hangs in front of it.
  const QRectF awning(0, 0, d.w, 26);
  if (d.free(awning)) {
    for (int i = 0; i * 26 < d.w; ++i) {
      d.p.setBrush(i % 2 ? rgb(0xffffff) : rgb(0xd8453a));
      QPainterPath s;
      s.moveTo(i * 26, 0);
      s.lineTo(i * 26 + 26, 0);
      s.lineTo(i * 26 + 26, 20);
      s.quadTo(i * 26 + 13, 32, i * 26, 20);
      s.closeSubpath();
      d.p.drawPath(s);
    }
  }
  d.table(rgb(0xc89a60), rgb(0x3f8fd0), Painter::TableKind::Cloth);
}

void sportsground(Painter& d) {
  const int hz = d.f.horizon;
  d.sky(hz, rgb(0x6cb0ea), rgb(0xdcedf8));
  d.clouds(2, hz - 50);
  // Stands full of spectators.
  d.vertical(QRectF(0, hz - 46, d.w, 46), rgb(0x8d96a8), rgb(0x6d7688));
  const QColor crowd[] = {rgb(0xe04a3a), rgb(0xf2c040), rgb(0x3a7ad8), rgb(0xffffff),
                          rgb(0x40a060)};
  for (double y = hz - 42; y < hz - 4; y += 7)
    for (double x = 2 + d.rng.bounded(4.0); x < d.w; x += 6) {
      d.p.setBrush(crowd[d.rng.bounded(5)]);
      d.p.drawEllipse(QPointF(x, y), 2, 2);
    }
  d.p.setBrush(rgb(0xf4f4f4));
  d.p.drawRect(QRectF(0, hz - 3, d.w, 4));
  // The pitch in stripes of mown grass with its white lines.
  d.vertical(QRectF(0, hz, d.w, d.h - hz), rgb(0x5fae4e), rgb(0x3f8f3a));
  d.p.setBrush(QColor(255, 255, 255, 22));
  for (double y = hz, step = 10; y < d.h; y += step * 2, step *= 1.22)
    d.p.drawRect(QRectF(0, y, d.w, step));
  d.p.setPen(QPen(QColor(255, 255, 255, 210), 2));
  d.p.setBrush(Qt::NoBrush);
  const double mid = hz + (d.h - hz) * 0.55;
  d.p.drawLine(QPointF(0, mid), QPointF(d.w, mid));
  d.p.drawEllipse(QPointF(d.w / 2.0, mid), 60, 16);
  d.p.drawLine(QPointF(16, hz + 8), QPointF(-30, d.h));
  d.p.drawLine(QPointF(d.w - 16, hz + 8), QPointF(d.w + 30, d.h));
  d.p.drawLine(QPointF(16, hz + 8), QPointF(d.w - 16, hz + 8));
  d.p.setPen(Qt::NoPen);
}

void skyOnly(Painter& d) {
  const int hz = d.f.horizon;
  d.sky(hz, rgb(0x4f9fe6), rgb(0xd6ecfa));
  d.clouds(5, hz - 10, 1.2);
  d.hills(hz, 18, rgb(0x94bd7a), 0.7);
  d.ground(hz, d.h, rgb(0xaed08a), rgb(0x84b462), QColor(70, 120, 50, 100));
  // A far village.
  d.along(hz, 20, 54, 24, [&](QPointF foot) {
    d.p.setBrush(rgb(0xf0e4d0));
    d.p.drawRect(QRectF(foot.x() - 7, foot.y() - 10, 14, 10));
    d.p.setBrush(rgb(0xc0503a));
    QPolygonF roof;
    roof << QPointF(foot.x() - 9, foot.y() - 9) << QPointF(foot.x(), foot.y() - 17)
         << QPointF(foot.x() + 9, foot.y() - 9);
    d.p.drawPolygon(roof);
  });
}

void space(Painter& d) {
  const int hz = d.f.horizon;
  d.vertical(QRectF(0, 0, d.w, hz + 2), rgb(0x05081e), rgb(0x1a1448));
  QRadialGradient nebula(QPointF(d.w * 0.7, hz * 0.35), d.w * 0.5);
  nebula.setColorAt(0, QColor(160, 90, 200, 60));
  nebula.setColorAt(1, QColor(160, 90, 200, 0));
  d.p.setBrush(nebula);
  d.p.drawRect(QRectF(0, 0, d.w, hz));
  d.stars(170, hz);
  // The grey surface of a moon, with craters.
  QPainterPath surface;
  surface.moveTo(0, hz + 8);
  surface.quadTo(d.w / 2.0, hz - 10, d.w, hz + 8);
  surface.lineTo(d.w, d.h);
  surface.lineTo(0, d.h);
  surface.closeSubpath();
  QLinearGradient g(0, hz, 0, d.h);
  g.setColorAt(0, rgb(0xb8b8c0));
  g.setColorAt(1, rgb(0x7e7e88));
  d.p.setBrush(g);
  d.p.drawPath(surface);
  for (int i = 0; i < 9; ++i) {
    const QPointF c(d.rng.bounded(d.w), hz + 14 + d.rng.bounded(std::max(1, d.h - hz - 20)));
    const double r = 4 + (c.y() - hz) * 0.08;
    d.p.setBrush(QColor(90, 90, 100, 110));
    d.p.drawEllipse(c, r * 1.6, r * 0.6);
    d.p.setBrush(QColor(220, 220, 228, 120));
    d.p.drawEllipse(c + QPointF(0, r * 0.2), r * 1.3, r * 0.4);
  }
}

struct Room {
  QColor wall, floor, floor2, wood;
  enum Floor { Boards, Tiles, Carpet } floorKind;
};

void room(Painter& d, const Room& r) {
  const int hz = d.f.horizon;
  d.wall(hz, r.wall);
  if (r.floorKind == Room::Boards)
    d.floorBoards(hz, r.floor);
  else if (r.floorKind == Room::Tiles)
    d.floorTiles(hz, r.floor, r.floor2);
  else
    d.carpet(hz, r.floor);
  d.skirting(hz, r.wall.darker(125));
}

// The places on the wall an ornament may take, tried in turn.
QList<QRectF> wallSpots(const Painter& d, double ww, double wh) {
  const int hz = d.f.horizon;
  const double y = std::max(14.0, hz * 0.18);
  return {QRectF(d.w - ww - 18, y, ww, wh), QRectF(18, y, ww, wh),
          QRectF((d.w - ww) / 2, y, ww, wh), QRectF(d.w - ww - 18, hz - wh - 30, ww, wh),
          QRectF(18, hz - wh - 30, ww, wh)};
}

void indoor(Painter& d, const QString& name) {
  const int hz = d.f.horizon;
  if (name == u"kitchen") {
    room(d, {rgb(0xf3ecd8), rgb(0xe8e0d0), rgb(0xb8463e), rgb(0xb07a4a), Room::Tiles});
    d.tiles(hz * 0.45, hz - 8, 18, QColor(255, 255, 255, 160));
    d.somewhere(wallSpots(d, 80, 64), [&](const QRectF& r) { d.window(r, rgb(0xffffff)); });
    d.shelves(rgb(0xb07a4a));
    d.table(rgb(0xe8e2d8), rgb(0x7fa8c8), Painter::TableKind::Counter);
  } else if (name == u"shop") {
    room(d, {rgb(0xf6efe0), rgb(0xdcdad4), rgb(0xc8c6c0), rgb(0xa87048), Room::Tiles});
    d.p.setBrush(d.t(rgb(0x3a8a6a), 0.1));
    if (d.free(QRectF(0, 0, d.w, 16))) d.p.drawRect(QRectF(0, 0, d.w, 14));
    d.shelves(rgb(0xa87048));
    d.table(rgb(0xd8b48a), rgb(0x8a5a3a), Painter::TableKind::Counter);
  } else if (name == u"livingroom") {
    room(d, {rgb(0xf2e2c8), rgb(0xb88456), {}, rgb(0x9a6a44), Room::Boards});
    d.stripes(hz, QColor(220, 190, 150, 60), 26, 9);
    d.somewhere(wallSpots(d, 86, 76), [&](const QRectF& r) {
      d.window(r, rgb(0xffffff));
      d.p.setBrush(QColor(190, 70, 70, 220));
      d.p.drawRect(QRectF(r.left() - 14, r.top() - 6, 14, r.height() + 12));
      d.p.drawRect(QRectF(r.right(), r.top() - 6, 14, r.height() + 12));
    });
    d.somewhere(wallSpots(d, 50, 40),
                [&](const QRectF& r) { d.picture(r, rgb(0xc89a4a), rgb(0x88b8d8)); });
    // A rug on the floor.
    d.p.setBrush(QColor(170, 60, 60, 110));
    d.p.drawEllipse(QRectF(d.w * 0.12, hz + (d.h - hz) * 0.35, d.w * 0.76, (d.h - hz) * 0.45));
    d.shelves(rgb(0x9a6a44));
    d.table(rgb(0xb07a4a), rgb(0x8a5a34), Painter::TableKind::Table);
  } else if (name == u"bedroom") {
    room(d, {rgb(0xe6e8f6), rgb(0xc8b6d8), {}, rgb(0xb08a64), Room::Carpet});
    d.p.setBrush(QColor(255, 255, 255, 120));
    for (double y = 12; y < hz - 10; y += 24)
      for (double x = 12 + (int(y) / 24 % 2) * 12; x < d.w; x += 24)
        d.p.drawEllipse(QPointF(x, y), 2.5, 2.5);
    d.somewhere(wallSpots(d, 80, 70), [&](const QRectF& r) { d.window(r, rgb(0xffffff)); });
    d.shelves(rgb(0xb08a64));
    d.table(rgb(0xc8a07a), rgb(0xa88058), Painter::TableKind::Table);
  } else if (name == u"bathroom") {
    room(d, {rgb(0xe2f0f4), rgb(0xf4f6f8), rgb(0x9cc8d8), rgb(0xd0d8dc), Room::Tiles});
    d.tiles(0, hz - 8, 22, QColor(160, 190, 200, 140));
    d.somewhere(wallSpots(d, 54, 64), [&](const QRectF& r) {
      d.p.setBrush(rgb(0xc8d4dc));
      d.p.drawRoundedRect(r, 8, 8);
      d.vertical(r.adjusted(4, 4, -4, -4), rgb(0xe8f6fc), rgb(0xb8dcea));
    });
    d.shelves(rgb(0xd8e2e8));
    d.table(rgb(0xf6f6f6), rgb(0xc8d8e0), Painter::TableKind::Counter);
  } else if (name == u"classroom") {
    room(d, {rgb(0xf4ecd0), rgb(0xc09a6c), {}, rgb(0xa07048), Room::Boards});
    d.somewhere(
        {QRectF(30, 16, d.w - 60, std::min(110.0, hz * 0.5)),
         QRectF(30, hz - std::min(110.0, hz * 0.5) - 20, d.w - 60, std::min(110.0, hz * 0.5))},
        [&](const QRectF& r) {
          d.p.setBrush(rgb(0x9a6a3a));
          d.p.drawRect(r);
          d.vertical(r.adjusted(5, 5, -5, -5), rgb(0x2f5a46), rgb(0x244838));
          d.p.setPen(QPen(QColor(255, 255, 255, 60), 2));
          d.p.drawLine(QPointF(r.left() + 20, r.top() + 30), QPointF(r.left() + 90, r.top() + 26));
          d.p.setPen(Qt::NoPen);
        });
    d.shelves(rgb(0xa07048));
    d.table(rgb(0xd8b480), rgb(0x9a7048), Painter::TableKind::Table);
  } else if (name == u"office") {
    room(d, {rgb(0xe4e8ec), rgb(0x8a96a8), {}, rgb(0x8a7058), Room::Carpet});
    d.somewhere(wallSpots(d, 96, 74), [&](const QRectF& r) {
      d.window(r, rgb(0xf0f0f0));
      d.p.setBrush(rgb(0x8898b0));
      const QRectF pane = r.adjusted(6, 6, -6, -6);
      for (double x = pane.left(); x < pane.right() - 8; x += 14)
        d.p.drawRect(QRectF(x, pane.bottom() - 10 - (int(x) % 3) * 7, 11, 10 + (int(x) % 3) * 7));
    });
    d.shelves(rgb(0x8a7058));
    d.table(rgb(0xc8b090), rgb(0x907050), Painter::TableKind::Table);
  } else if (name == u"hotel") {
    room(d, {rgb(0xf0dcc0), rgb(0xe8e0d4), rgb(0xc8b8a0), rgb(0x8a5a3a), Room::Tiles});
    d.p.setBrush(d.t(rgb(0x8a5a3a), 0.05));
    d.p.drawRect(QRectF(0, hz - 60, d.w, 50));
    d.p.setBrush(rgb(0xa87048));
    d.p.drawRect(QRectF(0, hz - 62, d.w, 4));
    d.somewhere(wallSpots(d, 50, 40),
                [&](const QRectF& r) { d.picture(r, rgb(0xd0a040), rgb(0xd8a878)); });
    d.shelves(rgb(0x8a5a3a));
    d.table(rgb(0x6a3a24), rgb(0x8a5030), Painter::TableKind::Counter);
  } else if (name == u"hospital") {
    room(d, {rgb(0xdcefe8), rgb(0xd8e4e8), rgb(0xbcd0d8), rgb(0xc0ccd0), Room::Tiles});
    d.p.setBrush(rgb(0xa8c8c0));
    d.p.drawRect(QRectF(0, hz - 54, d.w, 5));
    d.somewhere(wallSpots(d, 40, 40), [&](const QRectF& r) {
      d.p.setBrush(Qt::white);
      d.p.drawRoundedRect(r, 5, 5);
      d.p.setBrush(rgb(0xd84040));
      d.p.drawRect(QRectF(r.center().x() - 5, r.top() + 7, 10, r.height() - 14));
      d.p.drawRect(QRectF(r.left() + 7, r.center().y() - 5, r.width() - 14, 10));
    });
    d.shelves(rgb(0xe8eef0));
    d.table(rgb(0xf0f4f4), rgb(0xb8ccd4), Painter::TableKind::Counter);
  } else if (name == u"workshop" || name == u"lab") {
    const bool lab = name == u"lab";
    room(d, {lab ? rgb(0xeef2f4) : rgb(0xd8c8a8), lab ? rgb(0xcfd6da) : rgb(0xa8a8a4),
             rgb(0xb8c0c4), lab ? rgb(0xc8d0d4) : rgb(0x9a6a40), lab ? Room::Tiles : Room::Carpet});
    if (lab) {
      d.tiles(0, hz - 8, 20, QColor(170, 190, 200, 120));
    } else {
      // A pegboard.
      d.p.setBrush(QColor(90, 60, 30, 90));
      for (double y = 10; y < hz - 12; y += 12)
        for (double x = 8; x < d.w; x += 12) d.p.drawEllipse(QPointF(x, y), 1.4, 1.4);
    }
    d.shelves(lab ? rgb(0xdde4e8) : rgb(0x9a6a40));
    d.table(lab ? rgb(0x3c4850) : rgb(0xc89a60), lab ? rgb(0xd8e0e4) : rgb(0x8a5a30),
            Painter::TableKind::Counter);
  } else if (name == u"stage") {
    QRadialGradient g(QPointF(d.w / 2.0, hz * 0.6), d.h * 0.7);
    g.setColorAt(0, rgb(0x7a4a5a));
    g.setColorAt(1, rgb(0x2a1420));
    d.p.fillRect(QRectF(0, 0, d.w, hz), g);
    d.floorBoards(hz, rgb(0xb0703c));
    // Spotlights on the boards.
    for (double x : {d.w * 0.3, d.w * 0.7}) {
      QRadialGradient spot(QPointF(x, hz + (d.h - hz) * 0.5), 90);
      spot.setColorAt(0, QColor(255, 240, 200, 80));
      spot.setColorAt(1, QColor(255, 240, 200, 0));
      d.p.setBrush(spot);
      d.p.drawEllipse(QPointF(x, hz + (d.h - hz) * 0.5), 100, 40);
    }
    for (int side = 0; side < 2; ++side) {
      QLinearGradient c(0, 0, 18, 0);
      c.setColorAt(0, rgb(0xb81830));
      c.setColorAt(1, rgb(0x780818));
      c.setSpread(QGradient::ReflectSpread);
      d.p.setBrush(c);
      QPainterPath curtain;
      const double x0 = side == 0 ? -2 : d.w + 2, x1 = side == 0 ? 36 : d.w - 36;
      curtain.moveTo(x0, 0);
      curtain.lineTo(x1, 0);
      curtain.quadTo((x0 + x1) / 2, d.h * 0.4, x1 + (side == 0 ? -22 : 22), hz + 30);
      curtain.lineTo(x0, hz + 30);
      d.p.drawPath(curtain);
    }
    d.p.setBrush(rgb(0xa01028));
    d.p.drawRect(QRectF(0, 0, d.w, 12));
  } else {
    // The plain setting: the chapter's colour, a wall and a floor.
    const QColor light = mix(d.tint_, Qt::white, 0.55);
    d.vertical(QRectF(0, 0, d.w, hz), mix(light, Qt::white, 0.4), light);
    d.vertical(QRectF(0, hz, d.w, d.h - hz), light.darker(110), light.darker(120));
    d.shelves(d.tint_.darker(130));
    d.table(d.tint_.lighter(110), d.tint_.darker(120), Painter::TableKind::Counter);
  }
}

}  // namespace

void ScenePainter::paint(QImage& target, const Setting& setting, const SceneFrame& frame,
                         const QList<QRect>& objects, const QColor& chapterColour, quint32 seed) {
  Painter d(target, frame, objects, chapterColour, seed);
  const QString& n = setting.name;
  if (n == u"farm")
    farm(d);
  else if (n == u"nightsky")
    nightsky(d);
  else if (n == u"harbour")
    harbour(d);
  else if (n == u"beach")
    beach(d);
  else if (n == u"sea")
    undersea(d);
  else if (n == u"mountains")
    mountains(d);
  else if (n == u"forest")
    forest(d);
  else if (n == u"garden")
    garden(d);
  else if (n == u"park")
    park(d);
  else if (n == u"street")
    street(d);
  else if (n == u"airport")
    airport(d);
  else if (n == u"market")
    market(d);
  else if (n == u"sportsground")
    sportsground(d);
  else if (n == u"sky")
    skyOnly(d);
  else if (n == u"space")
    space(d);
  else
    indoor(d, n);
  // A soft frame in the chapter's colour ties the page to its chapter.
  d.p.setBrush(Qt::NoBrush);
  d.p.setPen(QPen(mix(chapterColour, Qt::black, 0.15), 4));
  d.p.drawRect(QRectF(2, 2, d.w - 4, d.h - 4));
}

}  // namespace builddict
