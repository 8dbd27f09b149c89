// The translation component: the walk over the Words groups, its rules for each kind of
// control, its events and the process-wide switch.
#include "lang/multi_lang.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <stdexcept>

#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/radio_group.h"
#include "platform/message_boxes.h"

namespace {

// A control whose caption setter fails, to show that a failure ends the walk quietly.
class FailingControl : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
 public:
  using QWidget::QWidget;
  QString Caption() const { return {}; }
  void setCaption(const QString&) { throw std::runtime_error("broken control"); }
};

// Four texts per group, in translation-index order: English, Russian, French, Spanish.
QStringList group(const QString& key, const QString& en, const QString& ru, const QString& fr,
                  const QString& sp) {
  return {key, en, ru, fr, sp};
}

struct MultiLangFixture : ::testing::Test {
  orvik::RecordingMessageBoxes messages;
  QWidget window;
  QLabel* label = nullptr;
  QCheckBox* check = nullptr;
  TRadioGroup* radio = nullptr;
  QListWidget* list = nullptr;
  QComboBox* combo = nullptr;
  QLineEdit* edit = nullptr;
  TOrvikBtn98* button = nullptr;
  TOrvikChapterList* chapters = nullptr;
  TMultiLang* lang = nullptr;

  void SetUp() override {
    TBaseMultiLang::setMessageBoxes(&messages);
    window.setObjectName("frmTest");
    label = new QLabel("label", &window);
    label->setObjectName("lblTitle");
    check = new QCheckBox("check", &window);
    check->setObjectName("chBoxSound");
    radio = new TRadioGroup(&window);
    radio->setObjectName("RadioGroup1");
    radio->setItems({"a", "b", "c"});
    list = new QListWidget(&window);
    list->setObjectName("lstWords");
    combo = new QComboBox(&window);
    combo->setObjectName("cmbPick");
    edit = new QLineEdit(&window);
    edit->setObjectName("edtWord");
    button = new TOrvikBtn98(&window);
    button->setObjectName("btnOk");
    chapters = new TOrvikChapterList(&window);
    chapters->setObjectName("ListBoxChapter");
    chapters->setLines({"one", "two"});
    lang = new TMultiLang(&window);
    lang->setLanguages(4);
  }
  void TearDown() override { TBaseMultiLang::setMessageBoxes(nullptr); }
};

TEST_F(MultiLangFixture, AppliesTheActiveLanguageByCaseInsensitiveName) {
  lang->setWords(group("LBLTITLE", "Title", "Заголовок", "Titre", "Título") +
                 group("chboxsound", "Sound", "Звук", "Son", "Sonido") +
                 group("edtWord", "word", "слово", "mot", "palabra") +
                 group("btnOk", "OK", "Да", "Oui", "Sí") +
                 group("%Form%", "Settings", "Настройки", "Réglages", "Ajustes"));
  lang->setActiveLanguage(2);
  EXPECT_EQ(label->text(), "Titre");
  EXPECT_EQ(check->text(), "Son");
  EXPECT_EQ(edit->text(), "mot");
  EXPECT_EQ(button->Caption(), "Oui");
  EXPECT_EQ(window.windowTitle(), "Réglages");
  lang->setActiveLanguage(1);
  EXPECT_EQ(label->text(), "Заголовок");
  EXPECT_EQ(button->Caption(), "Да");
}

TEST_F(MultiLangFixture, EmptyTextsBlankOrFallBackToTheDefaultLanguage) {
  window.setWindowTitle("old");
  lang->setWords(group("%Form%", "", "", "", "") +
                 group("lblTitle", "Title", "", "Titre", "Título"));
  lang->setActiveLanguage(1);
  EXPECT_EQ(window.windowTitle(), "");
  EXPECT_EQ(label->text(), "");
  lang->setDefaultEnabled(true);  // re-applies
  EXPECT_EQ(label->text(), "Title");
  lang->setDefaultLanguage(2);
  EXPECT_EQ(label->text(), "Titre");
  EXPECT_EQ(window.windowTitle(), "");
}

TEST_F(MultiLangFixture, RadioGroupTakesCaptionThenItemsAndEmptiesTheRest) {
  lang->setWords(group("RadioGroup1", "", "", "", "") +
                 group("\"", "English", "Английский", "Anglais", "Inglés") +
                 group("\"", "French", "Французский", "Français", "Francés") +
                 group("lblTitle", "Title", "Заголовок", "Titre", "Título"));
  radio->setCaption("before");
  lang->setActiveLanguage(2);
  EXPECT_EQ(radio->Caption(), "");
  EXPECT_EQ(radio->Items(), (QStringList{"Anglais", "Français", ""}));
  EXPECT_EQ(label->text(), "Titre");
}

TEST_F(MultiLangFixture, ListsKeepTheirLineCount) {
  list->addItems({"x", "y", "z"});
  lang->setWords(group("lstWords", "one", "один", "un", "uno") +
                 group("\"", "two", "два", "deux", "dos") +
                 group("\"", "three", "три", "trois", "tres") +
                 group("\"", "four", "четыре", "quatre", "cuatro") +
                 group("lblTitle", "Title", "Заголовок", "Titre", "Título"));
  lang->setActiveLanguage(3);
  ASSERT_EQ(list->count(), 3);  // the surplus group is skipped
  EXPECT_EQ(list->item(0)->text(), "uno");
  EXPECT_EQ(list->item(2)->text(), "tres");
  EXPECT_EQ(label->text(), "Título");

  list->clear();
  list->addItems({"x", "y", "z"});
  lang->setWords(group("lstWords", "one", "один", "un", "uno") +
                 group("lblTitle", "Title", "Заголовок", "Titre", "Título"));
  lang->setActiveLanguage(0);
  EXPECT_EQ(list->item(0)->text(), "one");
  EXPECT_EQ(list->item(1)->text(), "");
  EXPECT_EQ(list->item(2)->text(), "");
}

TEST_F(MultiLangFixture, EmptyListTakesNoGroupForItems) {
  lang->setWords(group("lstWords", "one", "один", "un", "uno") +
                 group("\"", "two", "два", "deux", "dos") +
                 group("lblTitle", "Title", "Заголовок", "Titre", "Título"));
  lang->setActiveLanguage(0);
  EXPECT_EQ(list->count(), 0);
  EXPECT_EQ(label->text(), "Title");
}

TEST_F(MultiLangFixture, ListsWithNoGroupLeftKeepTheirLines) {
  // The radio group's own group is the last one: it takes the caption, and with no group left
  // for the items they stay as they were.
  lang->setWords(group("lblTitle", "Title", "Заголовок", "Titre", "Título") +
                 group("RadioGroup1", "Language", "Язык", "Langue", "Idioma"));
  lang->setActiveLanguage(2);
  EXPECT_EQ(radio->Caption(), "Langue");
  EXPECT_EQ(radio->Items(), (QStringList{"a", "b", "c"}));

  // A list keyed by a short final group (no text for the active language) keeps its lines.
  list->addItems({"x", "y"});
  lang->setWords(group("lblTitle", "Title", "Заголовок", "Titre", "Título") +
                 QStringList{"lstWords", "one"});
  lang->setActiveLanguage(3);
  EXPECT_EQ(label->text(), "Título");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), "x");
  EXPECT_EQ(list->item(1)->text(), "y");
}

TEST_F(MultiLangFixture, ComboKeepsItsSelection) {
  combo->addItems({"a", "b"});
  combo->setCurrentIndex(1);
  lang->setWords(group("cmbPick", "Small", "Мелкий", "Petit", "Pequeño") +
                 group("\"", "Large", "Крупный", "Grand", "Grande"));
  lang->setActiveLanguage(2);
  EXPECT_EQ(combo->itemText(0), "Petit");
  EXPECT_EQ(combo->itemText(1), "Grand");
  EXPECT_EQ(combo->currentIndex(), 1);
}

TEST_F(MultiLangFixture, HintGroupsSetNonEmptyHints) {
  lang->setWords(group("btnOk", "OK", "Да", "Oui", "Sí") +
                 group("\".hint", "Confirm", "", "Confirmer", "Confirmar") +
                 group("ListBoxChapter", "", "", "", "") +
                 group("\".Hint", "Chapters", "Главы", "Chapitres", "Capítulos"));
  lang->setActiveLanguage(2);
  EXPECT_EQ(orvik::hintOf(button), "Confirmer");
  EXPECT_EQ(orvik::hintOf(chapters), "Chapitres");
  // Owner-drawn lines are the window's business: the group only marks the control.
  EXPECT_EQ(chapters->Lines(), (QStringList{"one", "two"}));
  lang->setActiveLanguage(1);
  EXPECT_EQ(orvik::hintOf(button), "Confirmer");  // an empty hint text changes nothing
  EXPECT_EQ(orvik::hintOf(chapters), "Главы");
}

TEST_F(MultiLangFixture, UnknownKeysAndShortFinalGroupsAreSafe) {
  QStringList words = group("lblWordGe", "x", "x", "x", "x") +
                      group("lblTitle", "Title", "Заголовок", "Titre", "Título");
  words << "chBoxSound"
        << "Sound";  // a final group cut short
  lang->setWords(words);
  lang->setActiveLanguage(0);
  EXPECT_EQ(label->text(), "Title");
  EXPECT_EQ(check->text(), "Sound");
  lang->setActiveLanguage(3);
  EXPECT_EQ(label->text(), "Título");
  EXPECT_EQ(check->text(), "Sound");  // no Spanish line: nothing taken
}

TEST_F(MultiLangFixture, EveryAssignmentReappliesAndFiresBothEvents) {
  lang->setWords(group("lblTitle", "Title", "Заголовок", "Titre", "Título"));
  QSignalSpy before(lang, &TBaseMultiLang::BeforeLanguageChange);
  QSignalSpy after(lang, &TBaseMultiLang::AfterLanguageChanged);
  lang->setActiveLanguage(2);
  label->setText("changed meanwhile");
  lang->setActiveLanguage(2);
  EXPECT_EQ(label->text(), "Titre");
  EXPECT_EQ(before.count(), 2);
  ASSERT_EQ(after.count(), 2);
  EXPECT_EQ(after.last().at(1).toInt(), 2);
}

TEST_F(MultiLangFixture, RefusedChangeLeavesEverything) {
  lang->setWords(group("lblTitle", "Title", "Заголовок", "Titre", "Título"));
  lang->setActiveLanguage(0);
  QObject::connect(lang, &TBaseMultiLang::BeforeLanguageChange,
                   [](TBaseMultiLang*, quint8 n, bool& allowIt) { allowIt = n != 1; });
  QSignalSpy after(lang, &TBaseMultiLang::AfterLanguageChanged);
  lang->setActiveLanguage(1);
  EXPECT_EQ(lang->ActiveLanguage(), 0);
  EXPECT_EQ(label->text(), "Title");
  EXPECT_EQ(after.count(), 0);
  lang->setActiveLanguage(3);
  EXPECT_EQ(label->text(), "Título");
}

TEST_F(MultiLangFixture, OutOfRangeValuesShowTheMessageAndChangeNothing) {
  lang->setWords(group("lblTitle", "Title", "Заголовок", "Titre", "Título"));
  lang->setActiveLanguage(2);
  QSignalSpy before(lang, &TBaseMultiLang::BeforeLanguageChange);
  lang->setActiveLanguage(4);
  lang->setDefaultLanguage(7);
  EXPECT_EQ(lang->ActiveLanguage(), 2);
  EXPECT_EQ(lang->DefaultLanguage(), 0);
  EXPECT_EQ(before.count(), 0);
  ASSERT_EQ(messages.messages.size(), 2);
  EXPECT_EQ(messages.messages[0].kind, orvik::MessageKind::Information);
  EXPECT_EQ(messages.messages[0].text,
            "Value must not be higher than\rnumber of available languages.");
}

TEST_F(MultiLangFixture, AFailingControlEndsTheWalkButNotTheEvents) {
  auto* broken = new FailingControl(&window);
  broken->setObjectName("pnlBroken");
  lang->setWords(group("lblTitle", "Title", "Заголовок", "Titre", "Título") +
                 group("pnlBroken", "x", "x", "x", "x") +
                 group("chBoxSound", "Sound", "Звук", "Son", "Sonido"));
  QSignalSpy after(lang, &TBaseMultiLang::AfterLanguageChanged);
  lang->setActiveLanguage(2);
  EXPECT_EQ(label->text(), "Titre");
  EXPECT_EQ(check->text(), "check");
  EXPECT_EQ(after.count(), 1);
}

TEST(MultiLangRegistry, SwitchWalksComponentsInOrderAndSkipsNarrowOnes) {
  orvik::RecordingMessageBoxes messages;
  TBaseMultiLang::setMessageBoxes(&messages);
  QWidget first, second, third;
  auto* a = new TMultiLang(&first);
  auto* b = new TMultiLang(&second);
  auto* c = new TMultiLang(&third);
  a->setLanguages(4);
  b->setLanguages(2);  // a component with two languages only
  c->setLanguages(4);
  const QList<TBaseMultiLang*>& reg = TBaseMultiLang::registry();
  ASSERT_GE(reg.size(), 3);
  EXPECT_EQ(reg.mid(reg.size() - 3), (QList<TBaseMultiLang*>{a, b, c}));

  QStringList order;
  quint8 indexSeenInHandler = 99;
  QObject::connect(a, &TBaseMultiLang::AfterLanguageChanged, [&] {
    order << "a";
    indexSeenInHandler = TBaseMultiLang::currentTranslationIndex();
  });
  QObject::connect(b, &TBaseMultiLang::AfterLanguageChanged, [&] { order << "b"; });
  QObject::connect(c, &TBaseMultiLang::AfterLanguageChanged, [&] { order << "c"; });
  SetInterfaceLanguage(3);
  EXPECT_EQ(order, (QStringList{"a", "c"}));
  EXPECT_EQ(indexSeenInHandler, 0);  // recorded only after every window changed
  EXPECT_EQ(TBaseMultiLang::currentTranslationIndex(), 3);
  EXPECT_EQ(b->ActiveLanguage(), 0);
  EXPECT_TRUE(messages.messages.isEmpty());

  // A window made after the switch comes up in the current language.
  QWidget late;
  auto* label = new QLabel(&late);
  label->setObjectName("lblLate");
  auto* d = new TMultiLang(&late);
  d->setLanguages(4);
  d->setWords({"lblLate", "Late", "Поздно", "Tard", "Tarde"});
  d->Loaded();
  EXPECT_EQ(label->text(), "Tarde");

  delete b;
  EXPECT_FALSE(TBaseMultiLang::registry().contains(b));
  SetInterfaceLanguage(0);
  EXPECT_EQ(label->text(), "Late");
  TBaseMultiLang::setMessageBoxes(nullptr);
}

}  // namespace

#include "multi_lang_test.moc"
