#pragma once
// TfrmPractice, the practice panel: a small borderless window, always on top, that chooses and
// runs practice rounds on the page picture and plays the main window's practice role.
//
// A round asks up to its length of questions of one kind over the current page, the current
// chapter or the words due on every page:
//  - listen and find: the entry's word is said; the learner clicks its spot;
//  - read and find: the head word is shown; the learner clicks its spot;
//  - name it: the spot blinks; the learner types the word, or in the beginners' setting picks it
//    from four words of the page (of the chapter when the page has fewer).
// While a question stands the main window's picture gives nothing away. Right: the spot shows in
// the "right" colour, the word is said and the panes fill. Wrong: the clicked spot's own word is
// said and shown, then the right spot blinks, and the question comes back later in the round.
// The first answer of each question moves that entry's schedule in the progress store. Esc or
// Stop leaves the round at any moment; the summary says how many were right at the first try and
// how long the round took.
//
// It reads the dictionary only through the dictionary model and shows entries only through the
// main window's operations; it writes no other window's controls. The progress file is opened on
// first use (never at start), so a learner who does not practise gets no file and no message.

#include <QColor>
#include <QLabel>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

#include "browse/hand_over.h"
#include "platform/borderless_form.h"
#include "practice/practice_round.h"
#include "practice/progress_store.h"

class QCheckBox;
class QLineEdit;
class TDMOrvik;
class TForm1;
class TOrvikBtn98;
class TMultiLang;
class TBaseMultiLang;
class SoundPlayback;
class TfrmPracticeProgress;

class TfrmPractice : public orvik::BorderlessForm, public PracticeRole {
  Q_OBJECT

 public:
  static constexpr int kWidth = 360;
  static constexpr int kHeight = 206;
  inline static const QColor kBackground{145, 139, 113};
  // The marks on the picture: the right spot, a wrong click, the spot a "name it" question asks.
  inline static const QColor kRight{0, 170, 60};
  inline static const QColor kWrong{215, 40, 30};
  inline static const QColor kAsked{235, 140, 0};

  enum class State { Idle, Asking, Answered };

  explicit TfrmPractice(QWidget* parent = nullptr);
  ~TfrmPractice() override;

  // What the panel works with (not owned; all outlive it).
  void setMainWindow(TForm1* mainWindow);
  void setData(TDMOrvik* data) { data_ = data; }
  void setSound(SoundPlayback* sound) { sound_ = sound; }
  // The progress file; opened on first use. A problem found then is shown to the user.
  void setStorePath(const QString& path) { storePath_ = path; }

  // --- PracticeRole ---
  void openPractice() override;
  void stopPractice() override;
  void spotChosen(orvik::EntryRef entry) override;
  void leaveRound() override;
  KnownWords knownWords(int chapterCode) const override;

  // --- The next round's choices (the panel's buttons set them) ---
  void setKind(orvik::practice::QuestionKind kind);
  orvik::practice::QuestionKind kind() const { return kind_; }
  void setScope(orvik::practice::Scope scope);
  orvik::practice::Scope scope() const { return scope_; }
  void setLanguage(orvik::Language language);
  orvik::Language language() const { return language_; }
  void setRoundLength(int questions);
  int roundLength() const { return length_; }
  void setBeginners(bool fourWords);

  // --- Running a round ---
  // btnStart: a new round with the choices above; false (a word why in the status line) when
  // there is nothing to ask.
  bool startRound();
  // "Name it": a typed answer (btnAnswer, Enter in the answer box) or one of the four words.
  void answerTyped(const QString& text);
  void answerChoice(int index);
  // The next question, or the summary after the last (the pause after an answer ends here).
  void advance();
  // The pauses after a right and a wrong answer and before the right spot blinks after a wrong
  // click, in milliseconds.
  void setPauses(int rightMs, int wrongMs, int blinkDelayMs);
  void setRandomSeed(quint32 seed) { random_.seed(seed); }

  // --- State, for the main window's role and tests ---
  State state() const { return state_; }
  bool roundRunning() const { return state_ != State::Idle; }
  const orvik::practice::PracticeRound& round() const { return round_; }
  // The standing question's entry and language (invalid entry when none stands).
  orvik::practice::Question question() const;
  // The four words offered in the beginners' setting.
  const QList<orvik::EntryRef>& choices() const { return choices_; }
  orvik::practice::ProgressStore& store();
  TfrmPracticeProgress* progressWindow() const { return progress_; }

  // --- Controls ---
  QLabel *lblTitle, *lblQuestion, *lblFeedback, *lblStatus;
  TOrvikBtn98* btnClose;
  std::array<TOrvikBtn98*, 3> btnKind;   // listen, read, name
  std::array<TOrvikBtn98*, 3> btnScope;  // page, chapter, due
  TOrvikBtn98 *btnLanguage, *btnLength, *btnStart, *btnProgress;
  QCheckBox* chkBeginners;
  QLineEdit* edtAnswer;
  TOrvikBtn98 *btnAnswer, *btnRepeat, *btnStop;
  std::array<TOrvikBtn98*, 4> btnChoice;
  TMultiLang* MultiLang1;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void createControls();
  void retranslate();
  void showSetup(bool setup);
  void ask();
  void answered(bool right, orvik::EntryRef clicked);
  void finishRound(bool showSummary);
  void say(orvik::EntryRef entry, orvik::Language language);
  void updateStatus();
  void updateChoiceButtons();
  // Opens the progress file on first use; with `tell`, shows once what went wrong at opening.
  bool ensureStore(bool tell) const;
  QString headWord(orvik::EntryRef entry, orvik::Language language) const;
  QString text(int id) const;
  int translationIndex() const;
  QList<orvik::Language> installedLanguages() const;
  bool hasSounds(orvik::Language language) const;

  TForm1* mainWindow_ = nullptr;
  TDMOrvik* data_ = nullptr;
  SoundPlayback* sound_ = nullptr;
  QString storePath_;
  mutable std::unique_ptr<orvik::practice::ProgressStore> store_;
  mutable bool storeTried_ = false;
  mutable bool told_ = false;
  // The known words of each page and the entries of each chapter, read once per change.
  mutable QHash<int, int> knownPerPage_;
  mutable QHash<int, int> chapterTotals_;
  mutable bool knownRead_ = false;
  mutable bool hasProgress_ = false;
  TfrmPracticeProgress* progress_ = nullptr;

  orvik::practice::QuestionKind kind_ = orvik::practice::QuestionKind::ListenAndFind;
  orvik::practice::Scope scope_ = orvik::practice::Scope::Page;
  orvik::Language language_ = orvik::Language::English;
  bool languageChosen_ = false;
  int length_ = orvik::practice::PracticeRound::kDefaultLength;
  bool beginners_ = false;

  State state_ = State::Idle;
  orvik::practice::PracticeRound round_;
  QList<orvik::EntryRef> choices_;
  qint64 roundStartedMs_ = 0;
  // The status line of the set-up (a round's summary, or why no round began).
  std::function<QString()> summary_;
  QRandomGenerator random_{QRandomGenerator::securelySeeded()};
  QTimer* pause_;
  QTimer* blink_;
  int rightPauseMs_ = 1800, wrongPauseMs_ = 4200, blinkDelayMs_ = 800;
  orvik::EntryRef blinkEntry_;
  int translationIndex_ = -1;  // the interface language's translation index, once told
};
