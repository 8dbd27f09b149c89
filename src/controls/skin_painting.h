#pragma once
// The drawing primitives of the skin: bevelled plates, signs, arrows and thumbs. Used by
// skin.cpp, which caches what they draw; windows use skin.h instead.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QSize>

#include "controls/skin.h"

namespace orvik::skin {

enum PlateState { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3 };

// Colours of one state of a plate.
struct PlateStyle {
  QColor border;  // the outline
  QColor top;     // face gradient, top
  QColor bottom;  // face gradient, bottom
  QColor light;   // inner bevel, top and left
  QColor dark;    // inner bevel, bottom and right
  QColor glyph;   // the sign
  bool sunk;      // pressed: the bevel turns inwards
};

PlateStyle plateStyle(int state);
// A transparent picture of `size` logical pixels at device pixel ratio `ratio`: a painter on it
// draws in logical pixels.
QImage newImage(QSize size, qreal ratio = 1);
// The device pixels a picture of `size` logical pixels needs at `ratio`.
QSize devicePixels(QSize size, qreal ratio);
// A rounded, bevelled plate filling the image.
void drawPlate(QPainter& painter, QSize size, const PlateStyle& style);
// The side of the square a sign occupies on a plate of that size.
int glyphSide(QSize size);
// Draws a sign into a square box; `face` is the plate colour under it, for cut-outs.
void paintGlyph(QPainter& painter, ButtonGlyph glyph, const QRectF& box, const QColor& color,
                const QColor& face);

enum class ArrowDirection { Up, Down, Left, Right };
QPixmap arrowPicture(QSize size, ArrowDirection direction, bool pressed, qreal ratio = 1);
QPixmap thumbPicture(QSize size, bool horizontal, bool pressed, qreal ratio = 1);
// The track bar's 11 by 24 pointer-shaped thumb.
QPixmap trackThumbPicture(bool pressed, qreal ratio = 1);

}  // namespace orvik::skin
