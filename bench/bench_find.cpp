// Find speed (run with --benchmark_repetitions=N for medians) on the demo dictionary and on a
// generated one of 1,485 pages and 29,700 entries whose every 25th entry carries the word
// "zorvik": reading the largest language's search word list into the list, selecting the item
// for one typed key, a Find giving over a thousand results up to the first painted grid with
// its pictures, and the jump to a result with its word marked.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include "app/data_module.h"
#include "bench_support.h"
#include "browse/main_window.h"
#include "controls/orvik_list_box.h"
#include "controls/radio_group.h"
#include "platform/application.h"
#include "platform/message_boxes.h"
#include "platform/optical_discs.h"
#include "platform/table.h"
#include "program/startup.h"
#include "search/find_jump.h"
#include "search/find_windows.h"
#include "search/new_string_grid.h"

namespace {

// The program started on a copy of an installation of all four languages.
struct Finder {
  QTemporaryDir dir;
  orvik::RecordingMessageBoxes messages;
  orvik::FixedDiscs discs;
  std::unique_ptr<OrvikProgram> program;
  FindWindows* role = nullptr;
  orvik::Language language = orvik::Language::English;  // the one with the largest search table
  bool ok = false;

  explicit Finder(const QString& source) {
    copyWithoutSounds(source, dir.path());
    // All four languages installed and shown, English interface.
    writeAllLanguagesSettings(dir.path());
    StartupEnvironment env = benchEnvironment(dir.path(), &discs, &messages);
    orvik::Application::reset();
    program = std::make_unique<OrvikProgram>(std::move(env));
    if (!program->start()) return;
    program->mainWindow()->show();
    role = dynamic_cast<FindWindows*>(program->mainWindow()->handOver().find);
    int most = -1;
    for (orvik::Language l : orvik::Language::all()) {
      const int rows = program->dataModule()->tblWordFind(l)->recordCount();
      if (rows > most) {
        most = rows;
        language = l;
      }
    }
    ok = role != nullptr;
  }
  ~Finder() {
    program.reset();
    orvik::Application::reset();
  }
  TFrmFind* window() const { return role->window(language.number()); }
  // Shows the window (not modally) so that its list is built and its grid paints.
  void showWindow() {
    window()->show();
    QApplication::processEvents();
  }
};

// The programs the benchmarks run on, ended before the application (a window destroyed after it
// would crash the exit).
std::map<QString, std::unique_ptr<Finder>> theFinders;

Finder& finder(const QString& which) {
  auto& f = theFinders[which];
  if (!f)
    f = std::make_unique<Finder>(which == QStringLiteral("large") ? largeDictionary()
                                                                  : QStringLiteral(ORVIK_DIST_DIR));
  return *f;
}

void buildWordList(benchmark::State& state, const QString& which) {
  Finder& f = finder(which);
  if (!f.ok) return state.SkipWithError("the program did not start");
  orvik::Table* table = f.program->dataModule()->tblWordFind(f.language);
  TOrvikListBox list;
  list.resize(439, 212);
  for (auto _ : state) {
    const QStringList words = SearchWordList::readWords(table);
    list.Items().Assign(words);
    SearchWordList matcher;
    matcher.setItems(words);
    benchmark::DoNotOptimize(matcher.count());
  }
  state.counters["words"] = list.Items().Count();
}

void typeOneKey(benchmark::State& state, const QString& which) {
  Finder& f = finder(which);
  if (!f.ok) return state.SkipWithError("the program did not start");
  f.showWindow();
  const SearchWordList& words = f.window()->words();
  if (words.count() == 0) return state.SkipWithError("empty word list");
  // A late word of the list, typed to its last letter: the longest walk.
  const QString word = words.items().at(words.count() * 9 / 10);
  int i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(i = words.match(word, -1));
  state.counters["items"] = words.count();
}

void findThousand(benchmark::State& state, const QString& which) {
  Finder& f = finder(which);
  if (!f.ok) return state.SkipWithError("the program did not start");
  f.showWindow();
  TFrmFind* w = f.window();
  const QString planted =
      f.language.isCyrillic() ? QString::fromUtf8("зорвик") : QStringLiteral("zorvik");
  const int index = w->ListBoxFind->Items().IndexOf(planted);
  if (index < 0) return state.SkipWithError("no planted word in this dictionary");
  w->RadioGroup1->setItemIndex(1);
  for (auto _ : state) {
    w->forgetPictures();
    w->ListBoxFind->setItemIndex(index);
    w->btnFindClick();
    w->NewStringGrid1->repaint();
  }
  state.counters["results"] = w->resultCount();
}

void jumpAndMark(benchmark::State& state, const QString& which) {
  Finder& f = finder(which);
  if (!f.ok) return state.SkipWithError("the program did not start");
  f.showWindow();
  TFrmFind* w = f.window();
  if (w->resultCount() == 0) {
    w->ListBoxFind->setItemIndex(0);
    w->btnFindClick();
  }
  if (w->resultCount() == 0) return state.SkipWithError("no results");
  const TFrmFind::Result r = w->results().at(w->resultCount() / 2);
  FindJump* jump = w->jump();
  int marked = 0;
  for (auto _ : state) {
    jump->jump(r.pageCode, r.order);
    jump->showPage();
    marked = jump->markWord(f.language, w->lastSearchedWord());
  }
  state.counters["marked"] = marked;
}

}  // namespace

int main(int argc, char** argv) {
  for (const char* which : {"demo", "large"}) {
    const QString w = QString::fromLatin1(which);
    const std::string suffix = std::string("/") + which;
    benchmark::RegisterBenchmark(("BuildWordList" + suffix).c_str(), buildWordList, w)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("TypeOneKey" + suffix).c_str(), typeOneKey, w)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("FindThousandResults" + suffix).c_str(), findThousand, w)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("JumpAndMark" + suffix).c_str(), jumpAndMark, w)
        ->Unit(benchmark::kMillisecond);
  }
  return runBenchmarks(argc, argv, [] { theFinders.clear(); });
}
