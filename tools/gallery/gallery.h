#pragma once
// The review gallery: each part renders its controls, in every state, into PNG files in a
// folder, so the skin can be looked over at a glance.

#include <QDir>
#include <QImage>
#include <QString>

// Bitmap buttons, hint windows, panels, dialog frame, scroll bars, track bars, progress bar
// and cursors.
void renderButtonGallery(const QDir& dir);
// Chapter tab strip and list controls.
void renderListGallery(const QDir& dir);

namespace gallery {

// Writes `image` as `name`.png into `dir` and also a copy enlarged three times
// (`name`@3x.png) for close review; warns when a file cannot be written.
void save(const QDir& dir, const QString& name, const QImage& image);

}  // namespace gallery
