// Opening every table of an installation the way the program starts: the data module's opening
// sequence without its splash and wait, on the small test installation and on a large generated
// dictionary (200 pages, 2,400 entries), which is built on first use, and on the demo.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include "app/data_module.h"
#include "platform/application.h"
#include "platform/message_boxes.h"
#include "platform/optical_discs.h"

namespace {

QString largeInstallation() {
  const QString root = QStringLiteral(ORVIK_BENCH_DIR) + QStringLiteral("/large");
  if (QFile::exists(root + QStringLiteral("/ODataBase/PctInfo.ort"))) return root;
  const QString source = root + QStringLiteral("-source");
  QDir(source).removeRecursively();
  QProcess::execute(QStringLiteral(ORVIK_BUILDDICT),
                    {"generate-large", source, "--pages", "200", "--entries", "2400"});
  QProcess::execute(QStringLiteral(ORVIK_BUILDDICT), {"build", source, root, "--no-sounds"});
  return root;
}

void openAll(benchmark::State& state, const QString& folder) {
  orvik::RecordingMessageBoxes messages;
  orvik::FixedDiscs discs;
  for (auto _ : state) {
    orvik::Application::reset();
    StartupEnvironment env;
    env.currentDir = folder;
    env.discs = &discs;
    env.messages = &messages;
    env.splashMs = 0;
    env.waitMs = 0;
    TDMOrvik dm(env);
    if (!dm.create()) {
      state.SkipWithError("the installation did not open");
      break;
    }
    benchmark::DoNotOptimize(dm.tblPctInfo->recordCount());
  }
}

void BM_OpenTablesSmallInstallation(benchmark::State& state) {
  openAll(state, QStringLiteral(ORVIK_FIXTURE_SMALL));
}
BENCHMARK(BM_OpenTablesSmallInstallation)->Unit(benchmark::kMillisecond);

void BM_OpenTablesLargeInstallation(benchmark::State& state) {
  static const QString folder = largeInstallation();
  openAll(state, folder);
}
BENCHMARK(BM_OpenTablesLargeInstallation)->Unit(benchmark::kMillisecond);

void BM_OpenTablesDemo(benchmark::State& state) {
  const QString folder = QStringLiteral(ORVIK_DIST_DIR);
  if (!QFile::exists(folder + QStringLiteral("/ODataBase/PctInfo.ort"))) {
    state.SkipWithError("the demo is not built");
    return;
  }
  openAll(state, folder);
}
BENCHMARK(BM_OpenTablesDemo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
