// Practice speed (run with --benchmark_repetitions=N for medians) on the demo dictionary and on a
// generated one of 1,485 pages and 29,700 entries, all four languages installed, with a progress
// file holding a schedule row for every entry in every language: the next question ready on the
// picture (in a chapter round, where questions change pages, and in a page round), choosing a
// "words due" round over every entry and language, and saving one answer.

#include <sqlcipher/sqlite3.h>

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>

#include "app/data_module.h"
#include "bench_support.h"
#include "browse/main_window.h"
#include "platform/application.h"
#include "platform/message_boxes.h"
#include "platform/optical_discs.h"
#include "practice/practice_panel.h"
#include "practice/practice_round.h"
#include "practice/progress_store.h"
#include "practice/schedule.h"
#include "program/startup.h"

namespace {

using orvik::Language;

// The program started on a copy of an installation of all four languages, with a progress file
// that has every entry in every language on its schedule, due over the last days.
struct Practiser {
  QTemporaryDir dir;
  orvik::RecordingMessageBoxes messages;
  orvik::FixedDiscs discs;
  std::unique_ptr<OrvikProgram> program;
  TfrmPractice* panel = nullptr;
  int rows = 0;
  int busiestPage = 0;
  bool ok = false;

  explicit Practiser(const QString& source) {
    copyWithoutSounds(source, dir.path());
    writeAllLanguagesSettings(dir.path());
    orvik::Application::reset();
    TForm1* w = startShown(program, benchEnvironment(dir.path(), &discs, &messages));
    if (!w) return;
    for (QWidget* window : program->windows())
      if (auto* p = qobject_cast<TfrmPractice*>(window)) panel = p;
    if (!panel) return;
    fillProgress();
    busiestPage = busiestPageCode(program->dataModule());
    ok = w->showPage(busiestPage);
  }
  ~Practiser() {
    program.reset();
    orvik::Application::reset();
  }

  // A schedule row for every entry and language, due at different times of the last ten days,
  // written in one transaction.
  void fillProgress() {
    const QString path = dir.filePath(QStringLiteral("Progress.db"));
    {
      orvik::practice::ProgressStore create;
      create.open(path);
    }
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* put = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO progress VALUES(?, ?, ?, 1, ?, 1, 0)", -1, &put, nullptr);
    const qint64 now = orvik::practice::nowMs();
    const orvik::DictionaryModel& model = program->dataModule()->dictionary();
    for (int page : model.allPages())
      for (const orvik::EntryRef& entry : model.entriesOfPage(page))
        for (Language language : Language::all()) {
          sqlite3_bind_int(put, 1, entry.pageCode);
          sqlite3_bind_int(put, 2, entry.order);
          sqlite3_bind_int(put, 3, language.number());
          sqlite3_bind_int64(put, 4, now - (rows * 7919LL) % (10 * orvik::practice::kDayMs));
          sqlite3_step(put);
          sqlite3_reset(put);
          ++rows;
        }
    sqlite3_finalize(put);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
};

// The started programs, ended in main() while the application still stands.
std::map<QString, std::unique_ptr<Practiser>>& practisers() {
  static std::map<QString, std::unique_ptr<Practiser>> all;
  return all;
}

Practiser& practiser(const QString& which) {
  auto& p = practisers()[which];
  if (!p)
    p = std::make_unique<Practiser>(
        which == QStringLiteral("large") ? largeDictionary() : QStringLiteral(ORVIK_DIST_DIR));
  return *p;
}

// The next question of a chapter round (mostly on another page) or of a page round.
void nextQuestion(benchmark::State& state, const QString& which, orvik::practice::Scope scope) {
  Practiser& f = practiser(which);
  if (!f.ok) return state.SkipWithError("the program did not start");
  TfrmPractice* p = f.panel;
  p->openPractice();
  p->setPauses(60000, 60000, 60000);
  p->setRandomSeed(11);
  p->setKind(orvik::practice::QuestionKind::ReadAndFind);
  p->setScope(scope);
  p->setLanguage(Language::French);
  p->setRoundLength(100);
  if (!p->startRound()) return state.SkipWithError("no round");
  for (auto _ : state) {
    if (p->round().number() >= p->round().count()) p->startRound();
    p->advance();
    QApplication::processEvents();
  }
  p->leaveRound();
}

void chooseDueRound(benchmark::State& state, const QString& which) {
  Practiser& f = practiser(which);
  if (!f.ok) return state.SkipWithError("the program did not start");
  const QList<Language> all{Language::English, Language::French, Language::Russian,
                            Language::Spanish};
  QRandomGenerator random(3);
  const orvik::DictionaryModel& model = f.program->dataModule()->dictionary();
  int chosen = 0;
  for (auto _ : state) {
    const auto questions = orvik::practice::chooseQuestions(
        model, &f.panel->store(), orvik::practice::Scope::Due, 0, 0, Language::English, all,
        orvik::practice::PracticeRound::kDefaultLength, orvik::practice::nowMs(), random);
    chosen = int(questions.size());
  }
  state.counters["rows"] = f.rows;
  state.counters["chosen"] = chosen;
}

void saveAnswer(benchmark::State& state, const QString& which) {
  Practiser& f = practiser(which);
  if (!f.ok) return state.SkipWithError("the program did not start");
  orvik::practice::ProgressStore& store = f.panel->store();
  const orvik::EntryRef entry{f.busiestPage, 1};
  bool right = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        store.record(entry, Language::Spanish, right, orvik::practice::nowMs()));
    right = !right;
  }
  state.counters["rows"] = f.rows;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  for (const char* which : {"demo", "large"}) {
    const QString w = QString::fromLatin1(which);
    const std::string suffix = std::string("/") + which;
    benchmark::RegisterBenchmark(("NextQuestionOtherPage" + suffix).c_str(), nextQuestion, w,
                                 orvik::practice::Scope::Chapter)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("NextQuestionSamePage" + suffix).c_str(), nextQuestion, w,
                                 orvik::practice::Scope::Page)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("ChooseDueRound" + suffix).c_str(), chooseDueRound, w)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("SaveAnswer" + suffix).c_str(), saveAnswer, w)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  practisers().clear();
  benchmark::Shutdown();
  return 0;
}
