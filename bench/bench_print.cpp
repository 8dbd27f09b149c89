// Printing speed (run with --benchmark_repetitions=N for medians) on the demo dictionary: the
// entries of the page with the most entries, in English, prepared and rendered into a PDF file
// through the print role as a pane's print button does it (the dialog replaced by printing to
// PDF), and the two halves alone: gathering the entries, and rendering what was gathered. The
// installation is the one named by ORVIK_BENCH_INSTALLATION, else the demo in build/dist, else
// the small test installation; it is copied (without its sounds) into a temporary folder.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

#include "app/data_module.h"
#include "bench_support.h"
#include "browse/main_window.h"
#include "platform/application.h"
#include "platform/message_boxes.h"
#include "platform/optical_discs.h"
#include "platform/printer.h"
#include "platform/table.h"
#include "print/printing.h"
#include "program/startup.h"
#include "schema/schema.h"

namespace {

// The program started once for all benchmarks, showing the page with the most entries.
struct Printout {
  QTemporaryDir dir;
  QTemporaryDir out;
  orvik::RecordingMessageBoxes messages;
  orvik::FixedDiscs discs;
  std::unique_ptr<OrvikProgram> program;
  orvik::PdfPrintService* pdf = nullptr;
  Printing* printing = nullptr;
  TForm1* w = nullptr;
  int entries = 0;
  bool ok = false;

  Printout() {
    copyWithoutSounds(sourceInstallation(), dir.path());
    StartupEnvironment env = benchEnvironment(dir.path(), &discs, &messages);
    env.makePrintService = [this]() -> std::unique_ptr<orvik::PrintService> {
      auto service = std::make_unique<orvik::PdfPrintService>(out.path());
      pdf = service.get();
      return service;
    };
    program = std::make_unique<OrvikProgram>(std::move(env));
    if (!program->start()) return;
    w = program->mainWindow();
    printing = dynamic_cast<Printing*>(w->handOver().print);
    if (!printing) return;
    w->show();
    if (!QTest::qWaitForWindowExposed(w)) return;
    TDMOrvik* dm = program->dataModule();
    const int bestPage = busiestPageCode(dm, &entries);
    w->showPage(bestPage);
    QApplication::processEvents();
    ok = w->currentPageCode() == bestPage;
  }
};

std::unique_ptr<Printout> thePrintout;

Printout& printout() {
  if (!thePrintout) thePrintout = std::make_unique<Printout>();
  return *thePrintout;
}

// The print button of the English pane: click sound, print message, gathering, the frame and
// the text of every sheet into a PDF file.
void BM_PrintPageEntries(benchmark::State& state) {
  Printout& p = printout();
  if (!p.ok) {
    state.SkipWithError("the page did not open");
    return;
  }
  for (auto _ : state) {
    p.printing->printEntries(orvik::Language::English);
    QApplication::processEvents();
  }
  if (p.pdf->files().isEmpty() || !QFile::exists(p.pdf->files().last()))
    state.SkipWithError("nothing was printed");
  state.counters["entries"] = p.entries;
  state.SetLabel(sourceInstallation().toStdString());
}
BENCHMARK(BM_PrintPageEntries)->Unit(benchmark::kMillisecond);

// Gathering alone: the page's articles into the hidden print document.
void BM_GatherPageEntries(benchmark::State& state) {
  Printout& p = printout();
  if (!p.ok) {
    state.SkipWithError("the page did not open");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(p.printing->gatherPageEntries(1));
  state.counters["entries"] = p.entries;
}
BENCHMARK(BM_GatherPageEntries)->Unit(benchmark::kMillisecond);

// Rendering alone: what was gathered, with its frame, into a PDF file.
void BM_RenderGathered(benchmark::State& state) {
  Printout& p = printout();
  if (!p.ok || !p.printing->gatherPageEntries(1)) {
    state.SkipWithError("nothing to render");
    return;
  }
  const QString chapter = p.printing->chapterName(1);
  for (auto _ : state) {
    std::unique_ptr<orvik::Printer> printer = p.pdf->choosePrinter(nullptr);
    benchmark::DoNotOptimize(p.printing->printGathered(*printer, 1, chapter));
  }
}
BENCHMARK(BM_RenderGathered)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return runBenchmarks(argc, argv, [] { thePrintout.reset(); });
}
