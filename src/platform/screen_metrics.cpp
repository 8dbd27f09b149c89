#include "platform/screen_metrics.h"

#include <QGuiApplication>
#include <QScreen>

namespace orvik {

int QtScreenMetrics::colourDepth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->depth() : 0;
}

int QtScreenMetrics::workAreaWidth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry().width() : 0;
}

}  // namespace orvik
