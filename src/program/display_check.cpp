#include "program/display_check.h"

#include <QString>

#include "platform/application.h"
#include "platform/message_boxes.h"
#include "platform/screen_metrics.h"

namespace orvik {

bool displayCheck(const ScreenMetrics& screen, MessageBoxes& messages) {
  const int depth = screen.colourDepth();
  const int width = screen.workAreaWidth();
  QString text;
  if (depth < 16) {
    text = width < 800
               ? QStringLiteral("This programme will not run with screen resolution\rless than 800 "
                                "x 600 with 16-bit colour mode.\rPlease adjust your monitor "
                                "settings to 16-bit colour mode\rwith 800 x 600 resolution.")
               : QStringLiteral("This programme is designed to run in 16-bit colour mode or "
                                "higher.\rPlease adjust your monitor settings to 16-bit colour "
                                "mode.");
  } else if (width < 800) {
    text = QStringLiteral("This programme will not run with screen resolution\rless than 800 x "
                          "600. Please adjust your monitor settings\rto 800 x 600 screen "
                          "resolution.");
  } else {
    return true;
  }
  messages.show(MessageKind::Warning, text);
  Application::terminate(1);
  return false;
}

}  // namespace orvik
