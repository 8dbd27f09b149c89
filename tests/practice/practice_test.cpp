// Practice on the page picture through the real program: rounds driven with mouse and keys on
// the main window and the practice panel, the words heard on the recording audio device, the
// progress file on disk (its schedule under a moved clock, damaged files, two programs at once).

#include <sqlcipher/sqlite3.h>

#include <QLineEdit>
#include <QProcess>

#include "browse/browse_fixture.h"
#include "browse/entry_panes.h"
#include "browse/picture_box.h"
#include "controls/orvik_btn98.h"
#include "practice/answer_check.h"
#include "practice/practice_panel.h"
#include "practice/progress_store.h"
#include "practice/schedule.h"

namespace {

using orvik::EntryRef;
using orvik::Language;
using orvik::practice::ProgressStore;
using orvik::practice::QuestionKind;
using orvik::practice::Scope;
constexpr qint64 kDay = orvik::practice::kDayMs;

// How far a colour leans to green (the "right" mark) over red.
int greenLean(QColor c) {
  return c.green() - c.red();
}

class PracticeTest : public BrowseTest {
 protected:
  void TearDown() override {
    orvik::practice::setClockForTests({});
    BrowseTest::TearDown();
  }

  TfrmPractice* panel() const {
    for (QWidget* window : program->windows())
      if (auto* p = qobject_cast<TfrmPractice*>(window)) return p;
    return nullptr;
  }
  // Opens the panel with the key and sets the next round; the pauses are long, so that the
  // test moves on itself (advance()).
  TfrmPractice* openPanel(QuestionKind kind, Scope scope, Language language, int length = 10) {
    QTest::keyClick(w, Qt::Key_L, Qt::ControlModifier);
    TfrmPractice* p = panel();
    EXPECT_TRUE(p && p->isVisible());
    p->setPauses(60000, 60000, 0);
    p->setRandomSeed(7);
    p->setKind(kind);
    p->setScope(scope);
    p->setLanguage(language);
    p->setRoundLength(length);
    return p;
  }
  QString soundOf(EntryRef entry, const QString& folder) const {
    return QStringLiteral("/Sound/%1/").arg(folder) + data()->dictionary().soundFile(entry);
  }
  QPoint centreOf(EntryRef entry) const {
    const orvik::EntrySpot spot = data()->dictionary().spot(entry);
    return spot.cells.isEmpty() ? QPoint(-1, -1) : spot.cells[spot.cells.size() / 2].center();
  }
  QString progressPath() const { return dir.filePath(QStringLiteral("Progress.db")); }
};

TEST_F(PracticeTest, ListenAndFindRoundOnTheBedroom) {
  start();
  openBedroom();
  TfrmPractice* p = openPanel(QuestionKind::ListenAndFind, Scope::Page, Language::English);
  heard.clear();
  click(p->btnStart, {10, 10});
  ASSERT_EQ(p->state(), TfrmPractice::State::Asking);
  EXPECT_TRUE(w->pictureQuestion());
  EXPECT_EQ(p->round().count(), 6);  // the bedroom's six entries
  const EntryRef asked = p->question().entry;
  // The word heard is the entry asked.
  ASSERT_FALSE(heard.isEmpty());
  EXPECT_TRUE(heard.last().endsWith(soundOf(asked, "En"))) << heard.last().toStdString();

  // Hovering gives nothing away: the picture, the panes and the current entry stay as they are.
  const QImage before = testControls(w).ImgPages->picture();
  const orvik::EntryRef entryBefore = w->currentEntry();
  for (int order = 1; order <= 6; ++order) moveTo(testControls(w).ImgPages, centreOf({102, order}));
  EXPECT_EQ(testControls(w).ImgPages->picture(), before);
  EXPECT_FALSE(w->paneHasText(orvik::Language::English));
  EXPECT_EQ(w->currentEntry(), entryBefore);
  EXPECT_FALSE(testControls(w).Timer1->isActive());

  // A click on the right spot counts right: the spot in the "right" colour, the word said again,
  // the panes filled as in browsing.
  const QPoint right = centreOf(asked);
  click(testControls(w).ImgPages, right);
  EXPECT_EQ(p->state(), TfrmPractice::State::Answered);
  EXPECT_EQ(p->round().rightFirstTry(), 1);
  EXPECT_GT(greenLean(testControls(w).ImgPages->picture().pixelColor(right)),
            greenLean(before.pixelColor(right)));
  EXPECT_TRUE(heard.last().endsWith(soundOf(asked, "En")));
  EXPECT_TRUE(w->paneHasText(orvik::Language::English));
  EXPECT_EQ(w->currentEntry(), asked);
  const auto schedule = p->store().progress(asked, Language::English);
  ASSERT_TRUE(schedule);
  EXPECT_EQ(schedule->box, 1);

  // The next question, answered on a wrong spot: the clicked entry is said and named, the right
  // spot blinks, and the question comes back later in the round.
  p->advance();
  const EntryRef second = p->question().entry;
  ASSERT_NE(second, asked);
  EXPECT_FALSE(w->paneHasText(orvik::Language::English));
  const EntryRef wrong = second.order == 1 ? EntryRef{102, 2} : EntryRef{102, 1};
  click(testControls(w).ImgPages, centreOf(wrong));
  EXPECT_TRUE(heard.last().endsWith(soundOf(wrong, "En"))) << heard.last().toStdString();
  EXPECT_TRUE(
      p->lblFeedback->text().contains(data()->dictionary().headWord(wrong, Language::English)));
  QTRY_VERIFY(testControls(w).Timer1->isActive());
  // The blink alternates a picture with the right spot marked and one without.
  const QPoint spot = centreOf(second);
  EXPECT_GT(greenLean(testControls(w).ImgTimer->picture().pixelColor(spot)),
            greenLean(testControls(w).ImgSound->picture().pixelColor(spot)));
  EXPECT_EQ(p->round().count(), 7);
  EXPECT_EQ(p->store().progress(second, Language::English)->wrong, 1);

  // Esc leaves the round at once with its summary; the picture browses again.
  QTest::keyClick(w, Qt::Key_Escape);
  EXPECT_EQ(p->state(), TfrmPractice::State::Idle);
  EXPECT_FALSE(w->pictureQuestion());
  EXPECT_TRUE(p->lblStatus->text().startsWith(QStringLiteral("Right at first try: 1 of 2")))
      << p->lblStatus->text().toStdString();
  moveTo(testControls(w).ImgPages, centreOf({102, 3}));
  EXPECT_EQ(w->currentEntry(), (EntryRef{102, 3}));

  // The chapter view's bar: nothing is known yet (box 1), but the chapter has its total.
  EXPECT_EQ(p->knownWords(1).total, 7);
  EXPECT_EQ(p->knownWords(1).known, 0);

  // Two days on, both answered entries are due; the wrong one (due at once) comes first.
  const qint64 now = orvik::practice::nowMs();
  orvik::practice::setClockForTests([now] { return now + 2 * kDay; });
  p->setScope(Scope::Due);
  click(p->btnStart, {10, 10});
  ASSERT_EQ(p->state(), TfrmPractice::State::Asking);
  EXPECT_EQ(p->round().count(), 2);
  EXPECT_EQ(p->question().entry, second);
}

TEST_F(PracticeTest, ARoundEndsAfterTheQuestionsThatCameBack) {
  start();
  openBedroom();
  TfrmPractice* p = openPanel(QuestionKind::ReadAndFind, Scope::Page, Language::English, 3);
  click(p->btnStart, {10, 10});
  ASSERT_EQ(p->state(), TfrmPractice::State::Asking);
  // The first answered wrong, everything else right: four questions, the last one a repeat.
  const EntryRef first = p->question().entry;
  click(testControls(w).ImgPages, centreOf(first.order == 1 ? EntryRef{102, 2} : EntryRef{102, 1}));
  int asked = 1;
  while (p->roundRunning()) {
    p->advance();
    if (!p->roundRunning()) break;
    ++asked;
    click(testControls(w).ImgPages, centreOf(p->question().entry));
    ASSERT_EQ(p->state(), TfrmPractice::State::Answered);
  }
  EXPECT_EQ(asked, 4);
  EXPECT_FALSE(w->pictureQuestion());
  EXPECT_TRUE(p->lblStatus->text().startsWith(QStringLiteral("Right at first try: 2 of 3")))
      << p->lblStatus->text().toStdString();
  // The window browses again: back to the chapters, whose bar counts nothing known yet.
  EXPECT_TRUE(testControls(w).btnBackToPages->isEnabled());
  click(testControls(w).btnBackToPages, {10, 10});
  click(testControls(w).btnBackToChapters, {10, 10});
  ASSERT_EQ(w->view(), TForm1::View::Chapters);
  EXPECT_EQ(p->knownWords(1).known, 0);

  // The panel follows a change of the interface language at once.
  w->ReloadLanguageNames(orvik::Language::Spanish);
  EXPECT_EQ(p->btnStart->Caption(), QStringLiteral("Empezar"));
  EXPECT_TRUE(p->lblStatus->text().isEmpty() || p->lblStatus->text().startsWith(u"Acertadas"));
  w->ReloadLanguageNames(orvik::Language::English);
  EXPECT_EQ(p->btnStart->Caption(), QStringLiteral("Start"));
}

TEST_F(PracticeTest, NameItComparesAsTheFindWindowDoes) {
  // The comparison itself, over the words a learner types.
  using orvik::practice::answerMatches;
  for (const char* typed : {"pomme", "Pomme", "la pomme", "  LA   Pomme "})
    EXPECT_TRUE(answerMatches(QString::fromUtf8(typed), QStringLiteral("la pomme"))) << typed;
  EXPECT_TRUE(answerMatches(QString::fromUtf8("елка"), QString::fromUtf8("ёлка")));
  EXPECT_TRUE(answerMatches(QStringLiteral("nino"), QString::fromUtf8("el niño")));
  EXPECT_TRUE(answerMatches(QStringLiteral("l'arbre"), QString::fromUtf8("l’arbre")));
  for (const char* typed : {"le pomme", "pom", "poire", "", "la"})
    EXPECT_FALSE(answerMatches(QString::fromUtf8(typed), QStringLiteral("la pomme"))) << typed;

  // Through the program: the market page in French, the apple answered "Pomme", another
  // entry answered wrong; then the airport in Russian, "самолёт" answered "самолет".
  start(writeThreeLanguageSettings);
  clickTab(4);
  clickRow(1);
  ASSERT_EQ(w->currentPageCode(), 401);
  TfrmPractice* p = openPanel(QuestionKind::NameIt, Scope::Page, Language::French, 20);
  click(p->btnStart, {10, 10});
  ASSERT_EQ(p->state(), TfrmPractice::State::Asking);
  ASSERT_TRUE(p->edtAnswer->isVisible());
  // The asked spot blinks; the panes stay empty until the answer.
  EXPECT_TRUE(testControls(w).Timer1->isActive());
  EXPECT_FALSE(w->paneHasText(orvik::Language::English));
  bool sawApple = false, sawWrong = false;
  while (p->roundRunning() && !(sawApple && sawWrong)) {
    const EntryRef asked = p->question().entry;
    const bool apple = data()->dictionary().headWord(asked, Language::French) == u"la pomme";
    if (!apple && sawWrong) {
      p->advance();
      continue;
    }
    p->edtAnswer->setText(apple ? QStringLiteral("Pomme") : QStringLiteral("pomme de pin"));
    QTest::keyClick(p->edtAnswer, Qt::Key_Return);
    EXPECT_EQ(p->round().rightFirstTry(), apple ? 1 : int(sawApple));
    EXPECT_TRUE(
        w->paneHasText(orvik::Language::English));  // the answer shows in the panes either way
    (apple ? sawApple : sawWrong) = true;
    p->advance();
  }
  EXPECT_TRUE(sawApple && sawWrong);
  QTest::keyClick(p, Qt::Key_Escape);
  EXPECT_FALSE(w->pictureQuestion());

  // "самолёт" on the airport page, typed without its ё; the beginners' four words hold it.
  ASSERT_TRUE(w->showPage(12105));
  p->setLanguage(Language::Russian);
  p->setBeginners(true);
  click(p->btnStart, {10, 10});
  ASSERT_EQ(p->state(), TfrmPractice::State::Asking);
  // The page has three entries: the four words come from its chapter.
  ASSERT_EQ(p->choices().size(), 4);
  EXPECT_TRUE(p->choices().contains(p->question().entry));
  EXPECT_TRUE(std::any_of(p->choices().begin(), p->choices().end(),
                          [](const EntryRef& e) { return e.pageCode == 1204; }));
  EXPECT_TRUE(orvik::practice::answerMatches(
      QString::fromUtf8("самолет"), data()->dictionary().headWord({12105, 1}, Language::Russian)));
}

TEST_F(PracticeTest, ScheduleUnderAMovedClock) {
  QTemporaryDir folder;
  ProgressStore store;
  ASSERT_TRUE(store.open(folder.filePath(QStringLiteral("Progress.db"))));
  const EntryRef apple{401, 1};
  const qint64 day0 = QDateTime(QDate(2026, 3, 1), QTime(10, 0)).toMSecsSinceEpoch();
  const QList<Language> all{Language::English, Language::French, Language::Russian,
                            Language::Spanish};
  // Right three times, each when due: box 3, not due tomorrow nor the day after.
  store.record(apple, Language::French, true, day0);
  EXPECT_TRUE(store.due(day0 + kDay / 2, all, 10).isEmpty());
  EXPECT_EQ(store.due(day0 + kDay, all, 10).size(), 1);
  store.record(apple, Language::French, true, day0 + kDay);
  const auto third = store.record(apple, Language::French, true, day0 + 3 * kDay);
  ASSERT_TRUE(third);
  EXPECT_EQ(third->box, 3);
  EXPECT_TRUE(store.due(day0 + 4 * kDay, all, 10).isEmpty());
  EXPECT_EQ(store.knownPerPage().value(401), 1);
  // Known in French is not known in English: that language has its own schedule.
  EXPECT_FALSE(store.progress(apple, Language::English));
  // A wrong answer brings it back at once.
  store.record(apple, Language::French, false, day0 + 4 * kDay);
  const auto due = store.due(day0 + 4 * kDay, all, 10);
  ASSERT_EQ(due.size(), 1);
  EXPECT_EQ(due[0].entry, apple);
  EXPECT_EQ(due[0].language, Language::French);
  EXPECT_EQ(due[0].progress.box, 1);
  // Only the asked languages count; the chart saw the day it was learnt.
  EXPECT_TRUE(store.due(day0 + 4 * kDay, {Language::English}, 10).isEmpty());
  const QDate learnt = QDateTime::fromMSecsSinceEpoch(day0 + 3 * kDay).date();
  const auto days = store.days(learnt.addDays(-1), learnt);
  ASSERT_EQ(days.size(), 2);
  EXPECT_EQ(days[1].learnt, 1);
  EXPECT_EQ(days[0].learnt, 0);
  // It was due when answered on that day.
  EXPECT_EQ(days[1].due, 1);
}

TEST_F(PracticeTest, DamagedProgressFileIsKeptAsideAndPracticeStartsAfresh) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("Progress.db"));
  // A truncated file, a newer version's file and a file that is no database at all.
  const auto makeTruncated = [&] {
    {
      ProgressStore store;
      ASSERT_TRUE(store.open(path));
      for (int i = 1; i <= 400; ++i) store.record({401, i % 20 + 1}, Language::English, true, i);
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.resize(f.size() / 2);
  };
  const auto makeNewer = [&] {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_exec(db, "CREATE TABLE progress(x); PRAGMA user_version = 99;", nullptr, nullptr,
                 nullptr);
    sqlite3_close(db);
  };
  const auto makeGarbage = [&] {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("these are not the progress you are looking for").repeated(100));
  };
  int n = 0;
  for (const auto& make : {std::function<void()>(makeTruncated), std::function<void()>(makeNewer),
                           std::function<void()>(makeGarbage)}) {
    SCOPED_TRACE(++n);
    QFile::remove(path);
    for (const char* suffix : {"-wal", "-shm", "-journal"}) QFile::remove(path + suffix);
    make();
    const QByteArray damaged = [&] {
      QFile f(path);
      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ProgressStore store;
    ASSERT_TRUE(store.open(path));
    EXPECT_FALSE(store.problem(1).isEmpty());
    ASSERT_FALSE(store.setAsidePath().isEmpty());
    QFile aside(store.setAsidePath());
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), damaged);
    EXPECT_FALSE(store.hasProgress());
    EXPECT_TRUE(store.record({401, 1}, Language::English, true, 1000));
  }

  // Through the program: the message names both files, the panel works on a fresh file.
  start([](TestInstallation& inst) {
    QFile f(inst.filePath(QStringLiteral("Progress.db")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(5000, 'x'));
  });
  EXPECT_TRUE(messages.messages.isEmpty());  // nothing is said before practice is used
  openBedroom();
  TfrmPractice* p = openPanel(QuestionKind::ReadAndFind, Scope::Page, Language::English);
  ASSERT_EQ(messages.messages.size(), 1);
  EXPECT_TRUE(messages.messages[0].text.contains(progressPath() + QStringLiteral(".damaged")));
  click(p->btnStart, {10, 10});
  ASSERT_EQ(p->state(), TfrmPractice::State::Asking);
  EXPECT_TRUE(p->lblQuestion->text().contains(
      data()->dictionary().headWord(p->question().entry, Language::English)));
  click(testControls(w).ImgPages, centreOf(p->question().entry));
  EXPECT_EQ(p->round().rightFirstTry(), 1);
  EXPECT_TRUE(p->store().hasProgress());

  // The keyboard answers too: the arrows move the ring from spot to spot, Enter answers with it.
  p->advance();
  const QImage clean = testControls(w).ImgPages->picture();
  QTest::keyClick(w, Qt::Key_Down);
  const EntryRef ringed = w->focusedSpot();
  ASSERT_TRUE(ringed.isValid());
  EXPECT_NE(testControls(w).ImgPages->picture(), clean);
  bool moved = false;
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up}) {
    QTest::keyClick(w, key);
    if ((moved = w->focusedSpot() != ringed)) break;
  }
  EXPECT_TRUE(moved);
  const EntryRef chosen = w->focusedSpot();
  QTest::keyClick(w, Qt::Key_Return);
  EXPECT_EQ(p->state(), TfrmPractice::State::Answered);
  EXPECT_EQ(p->round().rightFirstTry(), chosen == p->question().entry ? 2 : 1);
}

TEST_F(PracticeTest, TwoProgramsAnsweringAtOnce) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("Progress.db"));
  constexpr int kAnswers = 150;
  // Two other processes and this one answer the same entries at the same time.
  QList<QProcess*> writers;
  for (int i = 0; i < 2; ++i) {
    auto* writer = new QProcess;
    writer->start(QStringLiteral(ORVIK_PRACTICE_WRITER),
                  {path, QString::number(kAnswers), QString::number(i + 1)});
    writers << writer;
  }
  for (QProcess* writer : writers) ASSERT_TRUE(writer->waitForStarted());
  {
    ProgressStore store;
    ASSERT_TRUE(store.open(path));
    for (int i = 0; i < kAnswers; ++i)
      ASSERT_TRUE(store.record({401, 1 + i % 5}, Language::English, i % 2 == 0, 1000 + i));
  }
  for (QProcess* writer : writers) {
    ASSERT_TRUE(writer->waitForFinished(60000));
    EXPECT_EQ(writer->exitCode(), 0) << writer->readAllStandardError().toStdString();
    delete writer;
  }
  ProgressStore store;
  ASSERT_TRUE(store.open(path));
  EXPECT_TRUE(store.setAsidePath().isEmpty());
  // Every answer of the three counted: none lost, none doubled.
  int answers = 0;
  for (int order = 1; order <= 5; ++order) {
    const auto progress = store.progress({401, order}, Language::English);
    ASSERT_TRUE(progress);
    answers += progress->right + progress->wrong;
  }
  EXPECT_EQ(answers, 3 * kAnswers);
}

}  // namespace
