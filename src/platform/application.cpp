#include "platform/application.h"

#include <QCoreApplication>
#include <QTimer>

namespace orvik {

namespace {
bool gTerminated = false;
int gExitCode = 0;
}  // namespace

void Application::terminate(int exitCode) {
  if (gExitCode == 0) gExitCode = exitCode;
  if (gTerminated) return;
  gTerminated = true;
  // A zero timer fires at the loop's first turn even when the loop is not running yet.
  if (QCoreApplication::instance())
    QTimer::singleShot(0, QCoreApplication::instance(),
                       [] { QCoreApplication::exit(gExitCode); });
}

bool Application::terminated() { return gTerminated; }
int Application::exitCode() { return gExitCode; }

void Application::reset() {
  gTerminated = false;
  gExitCode = 0;
}

}  // namespace orvik
