#include "platform/application.h"

#include <QCoreApplication>

namespace orvik {

namespace {
bool gTerminated = false;
int gExitCode = 0;
bool gLoopRunning = false;
}  // namespace

void Application::terminate(int exitCode) {
  if (gExitCode == 0) gExitCode = exitCode;
  gTerminated = true;
  // Only the program's own loop is asked to end; nested loops of dialogs end with it.
  if (gLoopRunning) QCoreApplication::exit(gExitCode);
}

bool Application::terminated() {
  return gTerminated;
}
int Application::exitCode() {
  return gExitCode;
}

int Application::exec() {
  if (gTerminated) return gExitCode;
  gLoopRunning = true;
  const int status = QCoreApplication::exec();
  gLoopRunning = false;
  return gExitCode != 0 ? gExitCode : status;
}

void Application::reset() {
  gTerminated = false;
  gExitCode = 0;
}

}  // namespace orvik
