// A second program for the practice tests: answers the same entries as the test does, in the same
// progress file, at the same time. Arguments: the file, how many answers, a number of its own.
// Exits 0 when every answer was written.

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "practice/progress_store.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 4) return 2;
  orvik::practice::ProgressStore store;
  if (!store.open(args[1])) {
    std::fprintf(stderr, "cannot open %s\n", qPrintable(args[1]));
    return 1;
  }
  const int answers = args[2].toInt();
  const int own = args[3].toInt();
  for (int i = 0; i < answers; ++i) {
    if (!store.record({401, 1 + (i + own) % 5}, orvik::Language::English, (i + own) % 2 == 0,
                      1000 + i)) {
      std::fprintf(stderr, "answer %d not written\n", i);
      return 1;
    }
  }
  return 0;
}
