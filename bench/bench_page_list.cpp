// Page list speed on a large generated dictionary of 1,485 pages (built on first use into the
// build's bench-data folder; ORVIK_BENCH_INSTALLATION names another installation): filling the
// English page list window with every page name, opening it with all its names (shown and
// painted, then closed), and moving its selection by one line with the small picture of the new
// page and the repaint.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/data_module.h"
#include "bench_support.h"
#include "browse/main_window.h"
#include "controls/orvik_list_box.h"
#include "pagelist/page_list_windows.h"
#include "platform/application.h"
#include "platform/message_boxes.h"
#include "platform/optical_discs.h"
#include "program/startup.h"

namespace {

constexpr int kPages = 1485;

QString largeInstallation() {
  const QString chosen = qEnvironmentVariable("ORVIK_BENCH_INSTALLATION");
  if (!chosen.isEmpty()) return chosen;
  const QString root = QStringLiteral(ORVIK_BENCH_DIR) + QStringLiteral("/pages1485");
  if (QFile::exists(root + QStringLiteral("/ODataBase/PctInfo.ort"))) return root;
  const QString source = root + QStringLiteral("-source");
  QDir(source).removeRecursively();
  QProcess::execute(QStringLiteral(ORVIK_BUILDDICT),
                    {"generate-large", source, "--pages", QString::number(kPages), "--entries",
                     QString::number(kPages)});
  QProcess::execute(QStringLiteral(ORVIK_BUILDDICT), {"build", source, root, "--no-sounds"});
  return root;
}

// The program started once for all benchmarks on a copy of the installation.
struct Program {
  QTemporaryDir dir;
  orvik::RecordingMessageBoxes messages;
  orvik::FixedDiscs discs;
  std::unique_ptr<OrvikProgram> program;
  TForm1* w = nullptr;
  TfrmPageList* list = nullptr;
  bool ok = false;

  Program() {
    copyWithoutSounds(largeInstallation(), dir.path());
    w = startShown(program, benchEnvironment(dir.path(), &discs, &messages));
    if (!w) return;
    for (QWidget* window : program->windows())
      if (auto* l = qobject_cast<TfrmPageList*>(window);
          l && l->language() == orvik::Language::English)
        list = l;
    ok = list && list->ListAllPages->Items().Count() > 0;
  }
};

// Ends before the application does.
std::unique_ptr<Program> theProgram;

Program& program() {
  if (!theProgram) theProgram = std::make_unique<Program>();
  return *theProgram;
}

void BM_FillPageList(benchmark::State& state) {
  Program& p = program();
  if (!p.ok) return state.SkipWithError("the program did not start");
  for (auto _ : state) p.list->setUp(p.w, p.program->dataModule());
  state.counters["names"] = p.list->ListAllPages->Items().Count();
}
BENCHMARK(BM_FillPageList)->Unit(benchmark::kMillisecond);

void BM_OpenPageList(benchmark::State& state) {
  Program& p = program();
  if (!p.ok) return state.SkipWithError("the program did not start");
  for (auto _ : state) {
    // Inside the window's own modal loop: paint it with all its names, then close.
    QMetaObject::invokeMethod(
        p.list,
        [&p] {
          p.list->repaint();
          p.list->close();
        },
        Qt::QueuedConnection);
    p.list->execute();
  }
  state.counters["names"] = p.list->ListAllPages->Items().Count();
}
BENCHMARK(BM_OpenPageList)->Unit(benchmark::kMillisecond);

void BM_MoveSelectionOneLine(benchmark::State& state) {
  Program& p = program();
  if (!p.ok) return state.SkipWithError("the program did not start");
  p.list->show();
  TOrvikListBox* box = p.list->ListAllPages;
  box->setItemIndex(kPages / 2);
  bool down = true;
  for (auto _ : state) {
    QTest::keyClick(box, down ? Qt::Key_Down : Qt::Key_Up);
    p.list->repaint();
    down = !down;
  }
  p.list->hide();
}
BENCHMARK(BM_MoveSelectionOneLine)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  return runBenchmarks(argc, argv, [] { theProgram.reset(); });
}
