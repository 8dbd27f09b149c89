#include "program/display_check.h"

#include <QString>

#include "platform/application.h"
#include "platform/failure.h"
#include "platform/message_boxes.h"
#include "platform/screen_metrics.h"

namespace orvik {

namespace {

QString depthMessage(int width) {
  return width < 800 ? QStringLiteral(
                           "This programme will not run with screen resolution\rless than 800 "
                           "x 600 with 16-bit colour mode.\rPlease adjust your monitor "
                           "settings to 16-bit colour mode\rwith 800 x 600 resolution.")
                     : QStringLiteral(
                           "This programme is designed to run in 16-bit colour mode or "
                           "higher.\rPlease adjust your monitor settings to 16-bit colour "
                           "mode.");
}

const QString kWidthMessage = QStringLiteral(
    "This programme will not run with screen resolution\rless than 800 x 600. Please adjust "
    "your monitor settings\rto 800 x 600 screen resolution.");

void refuse(MessageBoxes& messages, const QString& text) {
  report({ExitStatus::Display, MessageKind::Warning, text}, &messages);
}

}  // namespace

bool displayCheck(const ScreenMetrics& screen, MessageBoxes& messages) {
  const int depth = screen.colourDepth();
  const int width = screen.workAreaWidth();
  if (depth < 16) {
    refuse(messages, depthMessage(width));
    return false;
  }
  if (width < 800) {
    refuse(messages, kWidthMessage);
    return false;
  }
  return true;
}

bool displayChanged(const ScreenMetrics& screen, MessageBoxes& messages) {
  const auto ask = [&](const QString& text) {
    if (messages.warnAbortRetry(text)) return displayCheck(screen, messages);
    Application::terminate(int(ExitStatus::Display));
    return false;
  };
  if (screen.colourDepth() < 16 && !ask(depthMessage(screen.workAreaWidth()))) return false;
  if (screen.workAreaWidth() < 800 && !ask(kWidthMessage)) return false;
  return true;
}

}  // namespace orvik
