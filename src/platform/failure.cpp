#include "platform/failure.h"

#include <cstdio>

#include "platform/application.h"

namespace orvik {

void report(const Failure& failure, MessageBoxes* messages) {
  if (failure.endsProgram())
    std::fprintf(
        stderr, "orvik: %s\n",
        qPrintable(messageLines(failure.text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
  if (messages) messages->show(failure.kind, failure.text);
  if (failure.endsProgram()) Application::terminate(int(failure.status));
}

QString quotedArgument(const QString& argument) {
  constexpr int kLongest = 40;
  QString shown = argument.left(kLongest);
  for (QChar& c : shown)
    if (!c.isPrint()) c = QLatin1Char('?');
  if (argument.size() > kLongest) shown += QChar(0x2026);
  return QLatin1Char('"') + shown + QLatin1Char('"');
}

}  // namespace orvik
