#include "practice/practice_panel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include "app/data_module.h"
#include "app/settings_file.h"
#include "browse/main_window.h"
#include "controls/cursors.h"
#include "controls/orvik_btn98.h"
#include "controls/skin.h"
#include "lang/multi_lang.h"
#include "platform/message_boxes.h"
#include "practice/answer_check.h"
#include "practice/progress_window.h"
#include "practice/schedule.h"
#include "sound/sound_playback.h"

namespace {

using orvik::Language;
using orvik::practice::QuestionKind;
using orvik::practice::Scope;

enum TextId {
  Title,
  Listen,
  Read,
  Name,
  ThisPage,
  ThisChapter,
  WordsDue,
  Questions,
  Beginners,
  Start,
  ProgressButton,
  Answer,
  SayAgain,
  Stop,
  AskListen,
  AskRead,
  AskName,
  Right,
  ThatIs,
  TheWordIs,
  Status,
  Summary,
  NoneDue,
  NoPage,
  NoWords,
  NoSounds,
  AnswerBox,
  Close,
  TextCount
};

// By translation index: English, Russian, French, Spanish.
const char* const kTexts[TextCount][4] = {
    {"Practice", "Упражнения", "Entraînement", "Práctica"},
    {"Listen, find", "Слушай, найди", "Écouter, trouver", "Oír, buscar"},
    {"Read, find", "Читай, найди", "Lire, trouver", "Leer, buscar"},
    {"Name it", "Назови", "Nommer", "Nombrar"},
    {"This page", "Эта страница", "Cette page", "Esta página"},
    {"This chapter", "Эта глава", "Ce chapitre", "Este capítulo"},
    {"Words due", "К повтору", "À revoir", "Para repasar"},
    {"%1 questions", "Вопросов: %1", "%1 questions", "%1 preguntas"},
    {"Four words", "Четыре слова", "Quatre mots", "Cuatro palabras"},
    {"Start", "Начать", "Commencer", "Empezar"},
    {"Progress", "Прогресс", "Progrès", "Progreso"},
    {"Answer", "Ответить", "Répondre", "Responder"},
    {"Say again", "Ещё раз", "Répéter", "Repetir"},
    {"Stop (Esc)", "Стоп (Esc)", "Arrêter (Échap)", "Parar (Esc)"},
    {"Listen, then click its spot", "Послушай и щёлкни по картинке",
     "Écoute, puis clique sur l'image", "Escucha y haz clic en la imagen"},
    {"Find: %1", "Найди: %1", "Trouve : %1", "Busca: %1"},
    {"What is the blinking thing called? (%1)", "Как это называется? (%1)",
     "Comment s'appelle ce qui clignote ? (%1)", "¿Cómo se llama lo que parpadea? (%1)"},
    {"Right! %1", "Верно! %1", "Bravo ! %1", "¡Correcto! %1"},
    {"That is: %1", "Это: %1", "Ceci est : %1", "Eso es: %1"},
    {"The word is: %1", "Правильно: %1", "Le mot est : %1", "La palabra es: %1"},
    {"Question %1 of %2 · right at first try: %3", "Вопрос %1 из %2 · сразу верно: %3",
     "Question %1 sur %2 · justes du premier coup : %3",
     "Pregunta %1 de %2 · acertadas a la primera: %3"},
    {"Right at first try: %1 of %2 · time %3", "Сразу верно: %1 из %2 · время %3",
     "Justes du premier coup : %1 sur %2 · temps %3",
     "Acertadas a la primera: %1 de %2 · tiempo %3"},
    {"No words are due now.", "Сейчас нечего повторять.", "Aucun mot à revoir pour l'instant.",
     "No hay palabras para repasar ahora."},
    {"Open a page first.", "Сначала откройте страницу.", "Ouvrez d'abord une page.",
     "Abra primero una página."},
    {"No words to practise here.", "Здесь нет слов для упражнения.", "Aucun mot à travailler ici.",
     "No hay palabras para practicar aquí."},
    {"No sounds are installed.", "Звуки не установлены.", "Aucun son n'est installé.",
     "No hay sonidos instalados."},
    {"Your answer", "Ваш ответ", "Votre réponse", "Su respuesta"},
    {"Close", "Закрыть", "Fermer", "Cerrar"},
};

// The languages' own names, on the language button.
QString languageName(Language language) {
  static const char* const kNames[4] = {"English", "Français", "Русский", "Español"};
  return QString::fromUtf8(kNames[language.number() - 1]);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& r, const QColor& colour,
                  int pointSize, bool bold) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, colour);
  l->setPalette(p);
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(pointSize);
  f.setBold(bold);
  l->setFont(f);
  l->setGeometry(r);
  l->setWordWrap(true);
  l->setAttribute(Qt::WA_TransparentForMouseEvents);
  return l;
}

}  // namespace

TfrmPractice::TfrmPractice(QWidget* parent) : orvik::BorderlessForm(parent, Kind::StayOnTopTool) {
  setObjectName(QStringLiteral("frmPractice"));
  setClientSize(kWidth, kHeight);
  setCaptionStrip(24);
  setFocusPolicy(Qt::StrongFocus);
  createControls();
  pause_ = new QTimer(this);
  pause_->setSingleShot(true);
  connect(pause_, &QTimer::timeout, this, &TfrmPractice::advance);
  blink_ = new QTimer(this);
  blink_->setSingleShot(true);
  connect(blink_, &QTimer::timeout, this, [this] {
    if (mainWindow_ && state_ == State::Answered) mainWindow_->markSpot(blinkEntry_, kRight, true);
  });
  MultiLang1 = new TMultiLang(this);
  MultiLang1->setObjectName(QStringLiteral("MultiLang1"));
  MultiLang1->setLanguages(4);
  connect(MultiLang1, &TBaseMultiLang::AfterLanguageChanged, this,
          [this](TBaseMultiLang*, quint8 index) {
            // The walk records the new language only after every window: take it from here.
            translationIndex_ = std::clamp(int(index), 0, 3);
            retranslate();
          });
  hide();
  MultiLang1->Loaded();
  setKind(kind_);
  setScope(scope_);
  showSetup(true);
  retranslate();
}

TfrmPractice::~TfrmPractice() = default;

void TfrmPractice::createControls() {
  const QColor light(255, 249, 207);
  lblTitle =
      makeLabel(this, "lblTitle", QRect(12, 5, 200, 16), orvik::colors::kMainBackground, 13, true);
  btnClose = new TOrvikBtn98(this);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  btnClose->setPictures(orvik::buttonPictures(orvik::ButtonGlyph::Close, QSize(15, 15)));
  btnClose->setGeometry(kWidth - 20, 6, 15, 15);
  connect(btnClose, &TOrvikBtn98::clicked, this, [this] { close(); });

  const auto button = [this](const char* name, const QRect& r) {
    auto* b = new TOrvikBtn98(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setPictures(orvik::plainButtonPictures(r.size()));
    b->setGeometry(r);
    b->setCursor(orvik::orvikCursor(orvik::O_FOREFINGER));
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    f.setBold(true);
    b->setFont(f);
    return b;
  };
  const char* const kindNames[3] = {"btnListen", "btnRead", "btnName"};
  const char* const scopeNames[3] = {"btnPage", "btnChapter", "btnDue"};
  for (int i = 0; i < 3; ++i) {
    btnKind[i] = button(kindNames[i], QRect(12 + i * 112, 30, 108, 20));
    btnKind[i]->setAllowDown(true);
    connect(btnKind[i], &TOrvikBtn98::clicked, this, [this, i] { setKind(QuestionKind(i)); });
    btnScope[i] = button(scopeNames[i], QRect(12 + i * 112, 56, 108, 20));
    btnScope[i]->setAllowDown(true);
    connect(btnScope[i], &TOrvikBtn98::clicked, this, [this, i] { setScope(Scope(i)); });
  }
  btnLanguage = button("btnLanguage", QRect(12, 84, 108, 20));
  connect(btnLanguage, &TOrvikBtn98::clicked, this, [this] {
    // The next installed language (with sounds, for listening).
    const QList<Language> languages = installedLanguages();
    if (languages.isEmpty()) return;
    const qsizetype at = languages.indexOf(language_);
    for (qsizetype step = 1; step <= languages.size(); ++step) {
      const Language next = languages[(at + step) % languages.size()];
      if (kind_ != QuestionKind::ListenAndFind || hasSounds(next)) {
        setLanguage(next);
        return;
      }
    }
  });
  btnLength = button("btnLength", QRect(124, 84, 108, 20));
  connect(btnLength, &TOrvikBtn98::clicked, this,
          [this] { setRoundLength(length_ >= 20 ? 5 : length_ + 5); });
  chkBeginners = new QCheckBox(this);
  chkBeginners->setObjectName(QStringLiteral("chkBeginners"));
  chkBeginners->setGeometry(236, 84, 112, 20);
  QFont small(QStringLiteral("Arial"));
  small.setPixelSize(11);
  chkBeginners->setFont(small);
  QPalette cp = chkBeginners->palette();
  cp.setColor(QPalette::WindowText, light);
  chkBeginners->setPalette(cp);
  connect(chkBeginners, &QCheckBox::toggled, this, [this](bool on) { beginners_ = on; });
  btnStart = button("btnStart", QRect(12, 112, 108, 22));
  connect(btnStart, &TOrvikBtn98::clicked, this, [this] { startRound(); });
  btnProgress = button("btnProgress", QRect(124, 112, 108, 22));
  connect(btnProgress, &TOrvikBtn98::clicked, this, [this] {
    if (!progress_) progress_ = new TfrmPracticeProgress(this);
    ensureStore(true);
    progress_->setStore(store_.get());
    progress_->showBeside(this);
  });

  lblQuestion = makeLabel(this, "lblQuestion", QRect(10, 28, kWidth - 20, 44), light, 16, true);
  edtAnswer = new QLineEdit(this);
  edtAnswer->setObjectName(QStringLiteral("edtAnswer"));
  edtAnswer->setGeometry(12, 78, 230, 22);
  connect(edtAnswer, &QLineEdit::returnPressed, this, [this] { answerTyped(edtAnswer->text()); });
  btnAnswer = button("btnAnswer", QRect(246, 79, 102, 20));
  connect(btnAnswer, &TOrvikBtn98::clicked, this, [this] { answerTyped(edtAnswer->text()); });
  for (int i = 0; i < 4; ++i) {
    btnChoice[i] = button(QByteArray("btnChoice" + QByteArray::number(i + 1)).constData(),
                          QRect(12 + (i % 2) * 170, 78 + (i / 2) * 24, 166, 20));
    connect(btnChoice[i], &TOrvikBtn98::clicked, this, [this, i] { answerChoice(i); });
  }
  lblFeedback = makeLabel(this, "lblFeedback", QRect(10, 128, kWidth - 20, 20), light, 13, true);
  lblStatus = makeLabel(this, "lblStatus", QRect(10, 146, kWidth - 20, 30),
                        orvik::colors::kMainBackground, 11, false);
  btnRepeat = button("btnRepeat", QRect(12, 180, 108, 20));
  connect(btnRepeat, &TOrvikBtn98::clicked, this, [this] {
    const orvik::practice::Question q = question();
    if (q.entry.isValid() && round_.kind() == QuestionKind::ListenAndFind) say(q.entry, q.language);
  });
  btnStop = button("btnStop", QRect(240, 180, 108, 20));
  connect(btnStop, &TOrvikBtn98::clicked, this, &TfrmPractice::leaveRound);
}

int TfrmPractice::translationIndex() const {
  return translationIndex_ >= 0 ? translationIndex_
                                : std::clamp(int(TBaseMultiLang::currentTranslationIndex()), 0, 3);
}

QString TfrmPractice::text(int id) const {
  if (id < 0 || id >= TextCount) return {};
  return QString::fromUtf8(kTexts[id][translationIndex()]);
}

void TfrmPractice::retranslate() {
  lblTitle->setText(text(Title));
  const TextId kinds[3] = {Listen, Read, Name};
  const TextId scopes[3] = {ThisPage, ThisChapter, WordsDue};
  for (int i = 0; i < 3; ++i) {
    btnKind[i]->setCaption(text(kinds[i]));
    btnScope[i]->setCaption(text(scopes[i]));
  }
  btnLanguage->setCaption(languageName(language_));
  btnLength->setCaption(text(Questions).arg(length_));
  chkBeginners->setText(text(Beginners));
  btnStart->setCaption(text(Start));
  btnProgress->setCaption(text(ProgressButton));
  btnAnswer->setCaption(text(Answer));
  btnRepeat->setCaption(text(SayAgain));
  btnStop->setCaption(text(Stop));
  edtAnswer->setAccessibleName(text(AnswerBox));
  btnClose->setAccessibleName(text(Close));
  edtAnswer->setPlaceholderText(text(AnswerBox));
  setWindowTitle(text(Title));
  if (progress_) progress_->update();
  if (roundRunning())
    updateStatus();
  else
    lblStatus->setText(summary_ ? summary_() : QString());
}

void TfrmPractice::setMainWindow(TForm1* mainWindow) {
  mainWindow_ = mainWindow;
}

QList<Language> TfrmPractice::installedLanguages() const {
  QList<Language> languages;
  if (!data_) return languages;
  for (Language language : Language::all())
    if (data_->settings().installed(language)) languages.append(language);
  return languages;
}

bool TfrmPractice::hasSounds(Language language) const {
  return data_ && data_->settings().hasSounds(language);
}

void TfrmPractice::setKind(QuestionKind kind) {
  kind_ = kind;
  for (int i = 0; i < 3; ++i) btnKind[i]->setLatched(i == int(kind));
  // Listening needs the language's recordings.
  if (kind == QuestionKind::ListenAndFind && data_ && !hasSounds(language_))
    for (Language language : installedLanguages())
      if (hasSounds(language)) {
        setLanguage(language);
        break;
      }
}

void TfrmPractice::setScope(Scope scope) {
  scope_ = scope;
  for (int i = 0; i < 3; ++i) btnScope[i]->setLatched(i == int(scope));
}

void TfrmPractice::setLanguage(Language language) {
  language_ = language;
  languageChosen_ = true;
  btnLanguage->setCaption(languageName(language));
}

void TfrmPractice::setRoundLength(int questions) {
  length_ = std::clamp(questions, 1, 100);
  btnLength->setCaption(text(Questions).arg(length_));
}

void TfrmPractice::setBeginners(bool fourWords) {
  chkBeginners->setChecked(fourWords);
  beginners_ = fourWords;
}

void TfrmPractice::setPauses(int rightMs, int wrongMs, int blinkDelayMs) {
  rightPauseMs_ = rightMs;
  wrongPauseMs_ = wrongMs;
  blinkDelayMs_ = blinkDelayMs;
}

bool TfrmPractice::ensureStore(bool tell) const {
  if (!storeTried_ && !storePath_.isEmpty()) {
    storeTried_ = true;
    store_ = std::make_unique<orvik::practice::ProgressStore>();
    store_->open(storePath_);
  }
  // What went wrong at the opening is told once, when the learner turns to practice (never from
  // the chapter view's painting).
  if (tell && !told_ && store_) {
    told_ = true;
    const QString problem = store_->problem(TBaseMultiLang::interfaceLanguage().number());
    if (!problem.isEmpty() && data_ && data_->environment().messages)
      data_->environment().messages->show(orvik::MessageKind::Warning, problem);
  }
  return store_ && store_->isOpen();
}

orvik::practice::ProgressStore& TfrmPractice::store() {
  ensureStore(true);
  if (!store_) store_ = std::make_unique<orvik::practice::ProgressStore>();
  return *store_;
}

PracticeRole::KnownWords TfrmPractice::knownWords(int chapterCode) const {
  // Before any practice there is no file, and no bars.
  if (!store_ && (storePath_.isEmpty() || !QFileInfo::exists(storePath_))) return {};
  if (!ensureStore(false) || !data_) return {};
  KnownWords words;
  data_->guarded([&] {
    const orvik::DictionaryModel& model = data_->dictionary();
    if (!knownRead_) {
      knownRead_ = true;
      hasProgress_ = store_->hasProgress();
      knownPerPage_ = store_->knownPerPage();
    }
    if (!hasProgress_) return;
    if (!chapterTotals_.contains(chapterCode)) {
      int total = 0;
      for (int page : model.pagesOfChapter(chapterCode)) total += model.entryCount(page);
      chapterTotals_.insert(chapterCode, total);
    }
    words.total = chapterTotals_.value(chapterCode);
    for (int page : model.pagesOfChapter(chapterCode)) words.known += knownPerPage_.value(page);
  });
  return words;
}

void TfrmPractice::openPractice() {
  if (!languageChosen_ && data_) {
    // The pronunciation language to begin with.
    if (const auto language = data_->settings().pronunciationLanguage()) setLanguage(*language);
    setKind(kind_);
  }
  ensureStore(true);
  if (mainWindow_ && !isVisible()) {
    // Over the bottom of the panes, beside the picture, which stays in view.
    const QRect frame = mainWindow_->frameGeometry();
    const int pictureCentre =
        mainWindow_->clientArea()->mapTo(mainWindow_, mainWindow_->pictureArea().center()).x();
    const int left =
        pictureCentre > mainWindow_->width() / 2 ? frame.left() + 24 : frame.right() - kWidth - 24;
    move(left, frame.bottom() - kHeight - 44);
  }
  show();
  raise();
  activateWindow();
}

void TfrmPractice::showSetup(bool setup) {
  for (QWidget* w :
       std::initializer_list<QWidget*>{btnLanguage, btnLength, chkBeginners, btnStart, btnProgress})
    w->setVisible(setup);
  for (int i = 0; i < 3; ++i) {
    btnKind[i]->setVisible(setup);
    btnScope[i]->setVisible(setup);
  }
  lblQuestion->setVisible(!setup);
  lblFeedback->setVisible(!setup);
  btnStop->setVisible(!setup);
  btnRepeat->setVisible(!setup && round_.kind() == QuestionKind::ListenAndFind);
  const bool name = !setup && round_.kind() == QuestionKind::NameIt;
  edtAnswer->setVisible(name && !beginners_);
  btnAnswer->setVisible(name && !beginners_);
  for (TOrvikBtn98* b : btnChoice) b->setVisible(name && beginners_);
  lblStatus->move(10, setup ? 140 : 150);
  lblStatus->setText(setup && summary_ ? summary_() : QString());
}

bool TfrmPractice::startRound() {
  if (!data_ || !mainWindow_) return false;
  if (mainWindow_->autoPlayRunning()) return false;
  summary_ = nullptr;
  const orvik::DictionaryModel& model = data_->dictionary();
  const int page = mainWindow_->view() == TForm1::View::Page ? mainWindow_->currentPageCode() : 0;
  int chapter = 0;
  data_->guarded(
      [&] { chapter = page ? model.chapterOfPage(page) : mainWindow_->pageListChapter(); });
  if ((scope_ == Scope::Page && !page) || (scope_ == Scope::Chapter && chapter <= 0)) {
    summary_ = [this] { return text(NoPage); };
    showSetup(true);
    return false;
  }
  Language language = language_;
  if (kind_ == QuestionKind::ListenAndFind && !hasSounds(language)) {
    summary_ = [this] { return text(NoSounds); };
    showSetup(true);
    return false;
  }
  // Words due are asked in every language they are due in (with sounds, for listening).
  QList<Language> languages;
  for (Language l : installedLanguages())
    if (kind_ != QuestionKind::ListenAndFind || hasSounds(l)) languages.append(l);
  ensureStore(true);
  QList<orvik::practice::Question> questions;
  data_->guarded([&] {
    questions =
        orvik::practice::chooseQuestions(model, store_.get(), scope_, page, chapter, language,
                                         languages, length_, orvik::practice::nowMs(), random_);
  });
  if (questions.isEmpty()) {
    const TextId why = scope_ == Scope::Due ? NoneDue : NoWords;
    summary_ = [this, why] { return text(why); };
    showSetup(true);
    return false;
  }
  round_ = orvik::practice::PracticeRound(questions, kind_, orvik::practice::nowMs());
  roundStartedMs_ = QDateTime::currentMSecsSinceEpoch();
  state_ = State::Asking;
  showSetup(false);
  ask();
  return true;
}

orvik::practice::Question TfrmPractice::question() const {
  if (!roundRunning() || round_.finished()) return {};
  return round_.current();
}

QString TfrmPractice::headWord(orvik::EntryRef entry, Language language) const {
  QString word;
  if (data_) data_->guarded([&] { word = data_->dictionary().headWord(entry, language); });
  return word;
}

void TfrmPractice::say(orvik::EntryRef entry, Language language) {
  if (sound_) sound_->playEntry(entry, language, true);
}

void TfrmPractice::ask() {
  pause_->stop();
  blink_->stop();
  const orvik::practice::Question q = round_.current();
  if (mainWindow_->view() != TForm1::View::Page ||
      mainWindow_->currentPageCode() != q.entry.pageCode)
    mainWindow_->showPage(q.entry.pageCode);
  mainWindow_->beginPictureQuestion();
  state_ = State::Asking;
  lblFeedback->clear();
  choices_.clear();
  switch (round_.kind()) {
    case QuestionKind::ListenAndFind:
      lblQuestion->setText(text(AskListen));
      say(q.entry, q.language);
      break;
    case QuestionKind::ReadAndFind:
      lblQuestion->setText(text(AskRead).arg(headWord(q.entry, q.language)));
      break;
    case QuestionKind::NameIt:
      lblQuestion->setText(text(AskName).arg(languageName(q.language)));
      mainWindow_->markSpot(q.entry, kAsked, true);
      if (beginners_) {
        data_->guarded([&] {
          choices_ = orvik::practice::choicesFor(data_->dictionary(), q.entry, q.language, random_);
        });
      }
      break;
  }
  showSetup(false);
  updateChoiceButtons();
  updateStatus();
  if (round_.kind() == QuestionKind::NameIt && !beginners_) {
    edtAnswer->clear();
    activateWindow();
    edtAnswer->setFocus();
  } else {
    // The arrows and Enter answer on the picture.
    mainWindow_->activateWindow();
  }
}

void TfrmPractice::updateChoiceButtons() {
  const orvik::practice::Question q = question();
  for (int i = 0; i < 4; ++i) {
    const bool used = i < choices_.size();
    btnChoice[i]->setCaption(used ? headWord(choices_[i], q.language) : QString());
    btnChoice[i]->setEnabled(used);
  }
}

void TfrmPractice::updateStatus() {
  lblStatus->setText(
      text(Status).arg(round_.number()).arg(round_.count()).arg(round_.rightFirstTry()));
}

void TfrmPractice::spotChosen(orvik::EntryRef entry) {
  if (state_ != State::Asking || round_.kind() == QuestionKind::NameIt) return;
  // A click where no entry is asks again; the question still stands.
  if (!entry.isValid()) return;
  answered(entry == round_.current().entry, entry);
}

void TfrmPractice::answerTyped(const QString& typed) {
  if (state_ != State::Asking || round_.kind() != QuestionKind::NameIt) return;
  if (typed.trimmed().isEmpty()) return;
  const orvik::practice::Question q = round_.current();
  answered(orvik::practice::answerMatches(typed, headWord(q.entry, q.language)), {});
}

void TfrmPractice::answerChoice(int index) {
  if (state_ != State::Asking || index < 0 || index >= choices_.size()) return;
  answered(choices_[index] == round_.current().entry, {});
}

void TfrmPractice::answered(bool right, orvik::EntryRef clicked) {
  const orvik::practice::Question q = round_.current();
  if (round_.answer(right) && ensureStore(true)) {
    store_->record(q.entry, q.language, right, orvik::practice::nowMs());
    knownRead_ = false;
  }
  state_ = State::Answered;
  const QString word = headWord(q.entry, q.language);
  if (right) {
    mainWindow_->showAnswer(q.entry, kRight);
    say(q.entry, q.language);
    lblFeedback->setText(text(Right).arg(word));
    pause_->start(rightPauseMs_);
  } else if (clicked.isValid()) {
    // What was clicked, said and shown; then the right spot blinks.
    mainWindow_->markSpot(clicked, kWrong, false);
    say(clicked, q.language);
    lblFeedback->setText(text(ThatIs).arg(headWord(clicked, q.language)));
    blinkEntry_ = q.entry;
    blink_->start(blinkDelayMs_);
    pause_->start(wrongPauseMs_);
  } else {
    mainWindow_->showAnswer(q.entry, kRight);
    say(q.entry, q.language);
    lblFeedback->setText(text(TheWordIs).arg(word));
    pause_->start(wrongPauseMs_);
  }
  updateStatus();
}

void TfrmPractice::advance() {
  pause_->stop();
  blink_->stop();
  if (!roundRunning()) return;
  round_.next();
  if (round_.finished()) {
    finishRound(true);
    return;
  }
  ask();
}

void TfrmPractice::finishRound(bool showSummary) {
  if (!roundRunning()) return;
  pause_->stop();
  blink_->stop();
  state_ = State::Idle;
  if (mainWindow_) {
    mainWindow_->endPictureQuestion();
    mainWindow_->refreshKnownWords();
  }
  const qint64 seconds = (QDateTime::currentMSecsSinceEpoch() - roundStartedMs_) / 1000;
  const QString time =
      QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
  summary_ = nullptr;
  if (showSummary) {
    // Composed again in each interface language.
    const int right = round_.rightFirstTry(), answered = round_.firstAnswers();
    summary_ = [this, right, answered, time] {
      return text(Summary).arg(right).arg(answered).arg(time);
    };
  }
  lblQuestion->clear();
  lblFeedback->clear();
  choices_.clear();
  showSetup(true);
}

void TfrmPractice::leaveRound() {
  finishRound(true);
}

void TfrmPractice::stopPractice() {
  finishRound(true);
}

void TfrmPractice::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (roundRunning())
      leaveRound();
    else
      close();
    event->accept();
    return;
  }
  // The picture's keys (arrows, Enter) and the main window's commands work from the panel.
  if (mainWindow_ && !edtAnswer->hasFocus()) {
    QCoreApplication::sendEvent(mainWindow_, event);
    return;
  }
  orvik::BorderlessForm::keyPressEvent(event);
}

void TfrmPractice::closeEvent(QCloseEvent* event) {
  finishRound(true);
  if (progress_) progress_->hide();
  orvik::BorderlessForm::closeEvent(event);
}

void TfrmPractice::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawPixmap(0, 0, orvik::panelPicture(size(), kBackground));
  p.setPen(orvik::colors::kDeepShadow);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.setPen(orvik::colors::kMainBackground);
  p.drawLine(8, 24, width() - 8, 24);
  p.end();
  orvik::BorderlessForm::paintEvent(event);
}
