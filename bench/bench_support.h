#pragma once
// What the benchmarks share: the installation they start the program on (the demo in build/dist
// when it is built, or the one ORVIK_BENCH_INSTALLATION names, else the small test
// installation), a copy of it without its sound folder so each benchmark works on files nobody
// else touches, the page with the most entries, and the main() that runs them on Qt.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTest>
#include <memory>

#include "app/data_module.h"
#include "app/settings_file.h"
#include "browse/main_window.h"
#include "platform/table.h"
#include "program/startup.h"
#include "schema/schema.h"

#if defined(ORVIK_DIST_DIR) && defined(ORVIK_FIXTURE_SMALL)
inline QString sourceInstallation() {
  const QString chosen = qEnvironmentVariable("ORVIK_BENCH_INSTALLATION");
  if (!chosen.isEmpty()) return chosen;
  const QString dist = QStringLiteral(ORVIK_DIST_DIR);
  if (QFile::exists(dist + QStringLiteral("/ODataBase/PctInfo.ort"))) return dist;
  return QStringLiteral(ORVIK_FIXTURE_SMALL);
}
#endif

inline void copyWithoutSounds(const QString& from, const QString& to) {
  QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    const QString rel = path.mid(from.size());
    if (rel.startsWith(QStringLiteral("/Sound"))) continue;
    if (it.fileInfo().isDir())
      QDir().mkpath(to + rel);
    else
      QFile::copy(path, to + rel);
  }
}

// The code of the page with the most entries (their number in `entries`); 0 for none.
inline int busiestPageCode(TDMOrvik* dm, int* entries = nullptr) {
  orvik::Table* words = dm->tblWrdPicture;
  words->setIndexName(orvik::schema::WrdPicture::kIndPageOrder);
  words->first();
  int bestPage = 0, bestCount = 0;
  for (int i = 0; i < words->recordCount(); ++i) {
    if (words->intValue(orvik::schema::kNumberWord) > bestCount) {
      bestCount = words->intValue(orvik::schema::kNumberWord);
      bestPage = words->intValue(orvik::schema::kPageCode);
    }
    words->next();
  }
  if (entries) *entries = bestCount;
  return bestPage;
}

// The benchmarks' start-up environment: the copied installation, no splash, no waits.
inline StartupEnvironment benchEnvironment(const QString& folder, const orvik::OpticalDiscs* discs,
                                           orvik::MessageBoxes* messages) {
  StartupEnvironment env;
  env.currentDir = folder;
  env.discs = discs;
  env.messages = messages;
  env.splashMs = 0;
  env.waitMs = 0;
  return env;
}

#if defined(ORVIK_BENCH_DIR) && defined(ORVIK_BUILDDICT)
// The large generated dictionary (1,485 pages, 29,700 entries, four languages, no sounds), built
// once into the benchmarks' data folder and kept there.
inline QString largeDictionary() {
  const QString root = QStringLiteral(ORVIK_BENCH_DIR) + QStringLiteral("/large-find");
  if (QFile::exists(root + QStringLiteral("/ODataBase/PctInfo.ort"))) return root;
  const QString source = root + QStringLiteral("-source");
  QDir(source).removeRecursively();
  QProcess::execute(QStringLiteral(ORVIK_BUILDDICT),
                    {"generate-large", source, "--pages", "1485", "--entries", "29700"});
  QProcess::execute(QStringLiteral(ORVIK_BUILDDICT), {"build", source, root, "--no-sounds"});
  return root;
}
#endif

// A settings file of all four languages installed and shown, English interface, in `folder`.
inline void writeAllLanguagesSettings(const QString& folder) {
  QByteArray bytes(32, '\0');
  for (int b :
       {Settings::ShownEn, Settings::ShownFr, Settings::ShownRu, Settings::ShownSp,
        Settings::InstalledEn, Settings::InstalledFr, Settings::InstalledRu, Settings::InstalledSp,
        Settings::InterfaceLanguage, Settings::PronunciationLanguage, Settings::AutoPlayLanguage})
    bytes[b] = 1;
  bytes[Settings::InstalledCount] = 4;
  bytes[Settings::AutoPlayPause] = 2;
  bytes[Settings::FontSize] = 4;
  QFile settings(QDir(folder).filePath(QStringLiteral("Settings.orv")));
  if (settings.open(QIODevice::WriteOnly)) settings.write(bytes);
}

// Starts the program on `env` and shows its main window; null when it did not start or show.
inline TForm1* startShown(std::unique_ptr<OrvikProgram>& program, StartupEnvironment env) {
  program = std::make_unique<OrvikProgram>(std::move(env));
  if (!program->start()) return nullptr;
  TForm1* w = program->mainWindow();
  w->show();
  return QTest::qWaitForWindowExposed(w) ? w : nullptr;
}

// Runs the registered benchmarks on the offscreen platform (unless another is chosen), then
// `release` (what the benchmarks built, ended while the application still stands).
template <typename Release>
int runBenchmarks(int argc, char** argv, Release release) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  release();
  benchmark::Shutdown();
  return 0;
}
