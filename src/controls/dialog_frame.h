#pragma once
// The five-ring bevel that the small borderless windows paint around their client area, and
// the line primitive it is made of.

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <initializer_list>

namespace orvik {

// Draws the polyline through `points` with a one-pixel pen the way the classic canvas does:
// each segment covers its start but not its end, so the last point stays unpainted.
// Segments must be horizontal or vertical.
void gdiPolyline(QPainter& painter, const QColor& color, std::initializer_list<QPoint> points);

// Paints the dialog frame on a canvas of height h and width w: five rings of light and dark
// lines, raised outside and sunken inside.
void paintDialogFrame(QPainter& painter, int h, int w);

}  // namespace orvik
