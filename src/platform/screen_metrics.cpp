#include "platform/screen_metrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace orvik {

int QtScreenMetrics::colourDepth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->depth() : 0;
}

int QtScreenMetrics::workAreaWidth() const {
  // QScreen's geometry is in device-independent pixels already, whatever the ratio.
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry().width() : 0;
}

}  // namespace orvik
