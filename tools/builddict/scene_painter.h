#pragma once
// Paints the backdrop of a page: its setting (a farm, a harbour, a kitchen...) drawn to the
// frame the composer laid out (where the horizon, the shore, the shelves and the table are),
// with soft gradients and outlines like the emoji standing on it. Ornaments of the setting (a
// window, a picture, a barn) are left out where an object would stand in front of them, so that
// no object looks framed by them. Deterministic.

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>

#include "page_composer.h"
#include "scene_setting.h"

namespace builddict {

class ScenePainter {
 public:
  // Paints over the whole of `target`; `objects` are the boxes of the page's objects.
  static void paint(QImage& target, const Setting& setting, const SceneFrame& frame,
                    const QList<QRect>& objects, const QColor& chapterColour, quint32 seed);
};

}  // namespace builddict
