// The program's entry: the program's own options (answered without a display), the display
// check, then the start, then the event loop until the main window closes.

#include <QApplication>
#include <QDir>
#include <cstdio>

#include "platform/message_boxes.h"
#include "platform/optical_discs.h"
#include "platform/screen_metrics.h"
#include "program/command_line.h"
#include "program/display_check.h"
#include "program/startup.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (const orvik::ProgramOption option = orvik::programOption(arguments);
      option != orvik::ProgramOption::None) {
    const QString text =
        option == orvik::ProgramOption::Help ? orvik::helpText() : orvik::versionText();
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  }
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    std::fprintf(stderr,
                 "orvik: no display available; run it under a virtual X server, e.g. "
                 "xvfb-run -s \"-screen 0 1024x768x24\" ./orvik\n");
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::processEvents();

  orvik::QtScreenMetrics screen;
  orvik::QtMessageBoxes messages;
  if (!orvik::displayCheck(screen, messages)) return 1;
  QApplication::setApplicationName(QStringLiteral("Orvik Dictionary"));

  orvik::MountTableDiscs discs;
  StartupEnvironment env;
  env.currentDir = QDir::currentPath();
  env.arguments = QApplication::arguments().mid(1);
  env.discs = &discs;
  env.screen = &screen;
  env.messages = &messages;
  OrvikProgram program(std::move(env));
  return program.run();
}
