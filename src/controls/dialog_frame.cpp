#include "controls/dialog_frame.h"

#include <QDebug>
#include <algorithm>

namespace orvik {

void gdiPolyline(QPainter& painter, const QColor& color, std::initializer_list<QPoint> points) {
  if (points.size() < 2) return;
  const QPoint* prev = points.begin();
  for (const QPoint* cur = prev + 1; cur != points.end(); prev = cur, ++cur) {
    const QPoint a = *prev;
    const QPoint b = *cur;
    if (a == b) continue;
    if (a.x() != b.x() && a.y() != b.y()) {
      qWarning("gdiPolyline: diagonal segment ignored");
      continue;
    }
    // The covered pixels run from a towards b, leaving b itself out.
    if (a.y() == b.y()) {
      const int x0 = a.x() < b.x() ? a.x() : b.x() + 1;
      const int x1 = a.x() < b.x() ? b.x() - 1 : a.x();
      painter.fillRect(QRect(QPoint(x0, a.y()), QPoint(x1, a.y())), color);
    } else {
      const int y0 = a.y() < b.y() ? a.y() : b.y() + 1;
      const int y1 = a.y() < b.y() ? b.y() - 1 : a.y();
      painter.fillRect(QRect(QPoint(a.x(), y0), QPoint(a.x(), y1)), color);
    }
  }
}

void paintDialogFrame(QPainter& p, int h, int w) {
  const QColor white(255, 255, 255);
  const QColor darkest(86, 80, 50);
  const QColor light(157, 148, 116);
  const QColor dark(117, 109, 70);
  // Ring 1: raised outer edge.
  gdiPolyline(p, white, {{0, h - 1}, {0, 0}, {w - 1, 0}});
  gdiPolyline(p, darkest, {{w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
  // Ring 2.
  gdiPolyline(p, light, {{1, h - 2}, {1, 1}, {w - 2, 1}});
  gdiPolyline(p, dark, {{w - 2, 1}, {w - 2, h - 2}, {1, h - 2}});
  // Ring 3: the groove turns inwards.
  gdiPolyline(p, dark, {{2, h - 3}, {2, 2}, {w - 3, 2}});
  gdiPolyline(p, light, {{w - 3, 2}, {w - 3, h - 3}, {2, h - 3}});
  // Ring 4: sunken inner edge.
  gdiPolyline(p, darkest, {{3, h - 4}, {3, 3}, {w - 3, 3}});
  gdiPolyline(p, white, {{w - 4, 4}, {w - 4, h - 4}, {3, h - 4}});
  // Ring 5.
  gdiPolyline(p, QColor(254, 253, 225), {{4, h - 5}, {4, 4}, {w - 4, 4}});
}

}  // namespace orvik
