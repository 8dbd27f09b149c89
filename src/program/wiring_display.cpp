// New display settings while the program runs: the display check again, with Abort and Retry.

#include <QGuiApplication>
#include <QScreen>

#include "app/data_module.h"
#include "browse/main_window.h"
#include "program/display_check.h"
#include "program/wiring.h"

void wireDisplay(ProgramParts& parts) {
  const StartupEnvironment* env = parts.env;
  if (!env || !env->screen || !env->messages) return;
  const auto changed = [env] { orvik::displayChanged(*env->screen, *env->messages); };
  // The notification comes with a new primary screen or a new size of the present one.
  const auto watch = [&parts, changed](QScreen* screen) {
    if (!screen) return;
    QObject::connect(screen, &QScreen::geometryChanged, parts.mainWindow, changed);
  };
  watch(QGuiApplication::primaryScreen());
  QObject::connect(qApp, &QGuiApplication::primaryScreenChanged, parts.mainWindow,
                   [watch, changed](QScreen* screen) {
                     watch(screen);
                     changed();
                   });
}
