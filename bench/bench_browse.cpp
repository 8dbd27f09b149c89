// Browsing speed (run with --benchmark_repetitions=N for medians) on the demo dictionary: a mouse
// movement onto another entry of the page (highlight, panes reloaded, window repainted), a page
// turn, and the hit-map lookup alone. The installation is the one named by
// ORVIK_BENCH_INSTALLATION, else the demo in build/dist, else the small test installation; it is
// copied (without its sounds) into a temporary folder, since the program writes its settings file
// there.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDirIterator>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "app/data_module.h"
#include "app/dictionary_model.h"
#include "bench_support.h"
#include "browse/main_window.h"
#include "browse/picture_box.h"
#include "controls/orvik_btn_nav.h"
#include "controls/orvik_zakladka.h"
#include "platform/application.h"
#include "platform/message_boxes.h"
#include "platform/optical_discs.h"
#include "platform/table.h"
#include "program/startup.h"
#include "schema/schema.h"

namespace {

// The program started once for all benchmarks, showing the page with the most entries.
struct Browser {
  QTemporaryDir dir;
  orvik::RecordingMessageBoxes messages;
  orvik::FixedDiscs discs;
  std::unique_ptr<OrvikProgram> program;
  TForm1* w = nullptr;
  QPoint spotA{-1, -1}, spotB{-1, -1};
  bool ok = false;

  Browser() {
    const QString source = sourceInstallation();
    copyWithoutSounds(source, dir.path());
    w = startShown(program, benchEnvironment(dir.path(), &discs, &messages));
    if (!w) return;
    TDMOrvik* dm = program->dataModule();
    // With ORVIK_BENCH_SHOTS set to a folder, the three views on this installation go there as
    // pictures, for looking at.
    const QString shots = qEnvironmentVariable("ORVIK_BENCH_SHOTS");
    const auto shot = [&](const char* name) {
      if (shots.isEmpty()) return;
      QDir().mkpath(shots);
      QApplication::processEvents();
      w->grab().save(shots + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
    };
    shot("demo-chapters");
    w->Zakladki->setSelectedTab(5);
    w->ZakladkiClick();
    shot("demo-pagelist");
    // The page with the most entries.
    const int bestPage = busiestPageCode(dm);
    // Enter it as the page list does.
    w->showPage(bestPage);
    // Two points on different entries.
    for (int y = 2; y < TForm1::kPictureHeight && spotB.x() < 0; y += 5)
      for (int x = 2; x < TForm1::kPictureWidth; x += 5) {
        const int e = w->data()->dictionary().entryAt(w->currentPageCode(), QPoint(x, y)).order;
        if (e == 0) continue;
        if (spotA.x() < 0) {
          spotA = {x, y};
        } else if (e != w->data()->dictionary().entryAt(w->currentPageCode(), spotA).order) {
          spotB = {x, y};
          break;
        }
      }
    QApplication::processEvents();
    shot("demo-page");
    ok = spotB.x() >= 0;
  }
};

std::unique_ptr<Browser> theBrowser;

Browser& browser() {
  if (!theBrowser) theBrowser = std::make_unique<Browser>();
  return *theBrowser;
}

void moveMouse(QWidget* widget, QPoint pos) {
  QMouseEvent move(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

void BM_MouseMoveToAnotherEntry(benchmark::State& state) {
  Browser& b = browser();
  if (!b.ok) {
    state.SkipWithError("no page with two entries");
    return;
  }
  bool toA = false;
  for (auto _ : state) {
    moveMouse(b.w->ImgPages, toA ? b.spotA : b.spotB);
    QApplication::processEvents();  // the repaint of the picture and the panes
    toA = !toA;
  }
  state.counters["page"] = b.w->currentPageCode();
  state.counters["entry"] = b.w->lastEntryUnderMouse();
  state.SetLabel(sourceInstallation().toStdString());
}
BENCHMARK(BM_MouseMoveToAnotherEntry)->Unit(benchmark::kMillisecond);

void BM_PageTurn(benchmark::State& state) {
  Browser& b = browser();
  if (!b.ok) {
    state.SkipWithError("the page did not open");
    return;
  }
  for (auto _ : state) {
    // Forward where there is a next page, else back: every turn changes the page.
    if (!b.w->btnNextPage->isHidden())
      b.w->btnNextPageClick();
    else
      b.w->btnPrevPageClick();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_PageTurn)->Unit(benchmark::kMillisecond);

void BM_HitMapLookup(benchmark::State& state) {
  Browser& b = browser();
  if (!b.ok) {
    state.SkipWithError("the page did not open");
    return;
  }
  int x = 0, y = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        b.w->data()->dictionary().entryAt(b.w->currentPageCode(), QPoint(x, y)).order);
    x = (x + 37) % TForm1::kPictureWidth;
    y = (y + 53) % TForm1::kPictureHeight;
  }
}
BENCHMARK(BM_HitMapLookup)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return runBenchmarks(argc, argv, [] { theBrowser.reset(); });
}
