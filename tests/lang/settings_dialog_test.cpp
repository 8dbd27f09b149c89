// The settings dialog and its message: the language rows of the installed languages, the
// language groups and their captions, the rule that one language stays shown, OK, Cancel and
// the message's texts and place.
#include "lang/settings_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "controls/orvik_btn98.h"
#include "controls/orvik_track_bar.h"
#include "controls/radio_group.h"
#include "lang/font_sets.h"
#include "lang/multi_lang.h"

namespace {

struct EnglishAfterwards {
  ~EnglishAfterwards() { SetInterfaceLanguage(0); }
};

// Runs `action` once `form` shows; the test continues when the form's modal showing ends.
void whenShown(orvik::BorderlessForm* form, std::function<void()> action) {
  auto* timer = new QTimer(form);
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, form, [form, timer, action] {
    if (!form->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    action();
  });
  timer->start();
}

void clickButton(QWidget* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
}

// Writes down what the dialog asks of the program, in order.
struct RecordingOwner final : TfrmNumbLang::Owner {
  explicit RecordingOwner(QStringList& calls) : calls(calls) {}
  void clickSound() override { calls << "click"; }
  void store() override { calls << "store"; }
  void rebuildShownLanguages() override { calls << "shown"; }
  void switchInterface(int n) override { calls << QString("interface %1").arg(n); }
  void relayoutPanes() override { calls << "panes"; }
  void setPaneFontSize(int n) override { calls << QString("font %1").arg(n); }
  void refreshEntryViews() override { calls << "refresh"; }
  QStringList& calls;
};

struct DialogTest : ::testing::Test {
  EnglishAfterwards english;
  QWidget main;
  TMsgChecked message;
  TfrmNumbLang dialog;
  QList<int> frameCounts;
  QStringList calls;
  RecordingOwner owner{calls};

  DialogTest() {
    dialog.setCheckedMessage(&message);
    main.setGeometry(100, 50, 757, 564);
    main.setObjectName("Form1");
  }

  void setUp(std::array<int, 4> installed, std::array<int, 4> sounds, int interfaceLanguage = 1) {
    TfrmNumbLang::Installation inst;
    inst.installed = installed;
    inst.sounds = sounds;
    inst.interfaceLanguage = interfaceLanguage;
    inst.framePicture = [this](int n) {
      frameCounts << n;
      QImage img(92, 101, QImage::Format_RGB32);
      img.fill(Qt::blue);
      return img;
    };
    dialog.setUp(inst);
    dialog.setOwner(&owner);
  }

  // Shows the dialog, runs `action` in it and then presses `closer` (when given).
  void showAnd(const std::function<void()>& action, QWidget* closer) {
    whenShown(&dialog, [action, closer] {
      action();
      if (closer) clickButton(closer);
    });
    dialog.execute(&main, nullptr);
  }
};

TEST_F(DialogTest, OnlyInstalledLanguagesGetRowsInSlotOrder) {
  setUp({0, 5, -1, -1}, {0, -1, -1, -1});
  EXPECT_FALSE(dialog.chBoxEn->isHidden());
  EXPECT_FALSE(dialog.chBoxRu->isHidden());
  EXPECT_TRUE(dialog.chBoxFr->isHidden());
  EXPECT_TRUE(dialog.chBoxSp->isHidden());
  EXPECT_TRUE(dialog.lblFr->isHidden());
  EXPECT_EQ(dialog.chBoxEn->pos(), QPoint(22, 54));
  EXPECT_EQ(dialog.lblEn->pos(), QPoint(48, 52));
  EXPECT_EQ(dialog.chBoxRu->pos(), QPoint(22, 92));
  EXPECT_EQ(dialog.lblRu->pos(), QPoint(48, 90));
  EXPECT_EQ(frameCounts, QList<int>{2});
  EXPECT_EQ(dialog.imgNumbLangs->size(), QSize(92, 101));
  EXPECT_EQ(dialog.childAt(dialog.lblRu->geometry().center()), dialog.lblRu)
      << "the frame picture stands behind the names";
  EXPECT_EQ(dialog.RadioGroup1->Items(), (QStringList{"English", "Russian"}));
  EXPECT_EQ(dialog.size(), QSize(497, 300));
}

TEST_F(DialogTest, FourLanguagesStandInTheirRowsWhateverTheListOrder) {
  setUp({6, 5, 1, 0}, {6, 0, -1, -1});
  const std::array<int, 4> boxTops{34, 60, 84, 110};
  const std::array<int, 4> labelTops{32, 58, 84, 110};
  const auto boxes = dialog.languageBoxes();
  const std::array<QLabel*, 4> names{dialog.lblEn, dialog.lblFr, dialog.lblRu, dialog.lblSp};
  for (int i = 0; i < 4; ++i) {
    EXPECT_FALSE(boxes[i]->isHidden()) << i;
    EXPECT_EQ(boxes[i]->y(), boxTops[i]) << i;
    EXPECT_EQ(names[i]->y(), labelTops[i]) << i;
  }
  EXPECT_EQ(dialog.RadioGroup1->Items(), (QStringList{"English", "French", "Russian", "Spanish"}));
  EXPECT_EQ(dialog.RadioGroup2->Items(), (QStringList{"Spanish", "English"}));
  EXPECT_FALSE(dialog.RadioGroup2->isHidden());
  EXPECT_TRUE(dialog.chBoxOnClick->isHidden());
}

TEST_F(DialogTest, EveryTextFitsItsPlaceInEveryInterfaceLanguage) {
  // In Russian, "Французский" ran into the next radio column, the pause scale's "10" was cut
  // at the window's edge and "Отменить" was clipped by its button.
  setUp({0, 1, 5, 6}, {0, 1, 5, 6});
  const auto width = [](const QWidget* w, const QString& text) {
    return QFontMetrics(w->font()).horizontalAdvance(text);
  };
  for (quint8 index : {quint8(1), quint8(0), quint8(2), quint8(3)}) {
    orvik::applyWindowPass(&dialog, index == 1 ? orvik::kCyrillicCharset : orvik::kWesternCharset);
    SetInterfaceLanguage(index);
    for (TRadioGroup* g : {dialog.RadioGroup1, dialog.RadioGroup2, dialog.RadioGroup3})
      for (int i = 0; i < g->count(); ++i)
        EXPECT_LE(g->button(i)->sizeHint().width(), g->button(i)->width())
            << int(index) << " " << g->item(i).toStdString();
    for (TOrvikBtn98* b : {dialog.btnOK, dialog.btnCancel}) {
      EXPECT_LE(width(b, b->Caption()), b->width()) << int(index);
      EXPECT_LE(b->geometry().right(), TfrmNumbLang::kWidth - 6);
    }
    EXPECT_EQ(dialog.btnOK->pos(), QPoint(312, 272));
    EXPECT_GE(dialog.btnCancel->x(), dialog.btnOK->geometry().right() + 14);
    EXPECT_LE(width(dialog.lblPauseNumbers, dialog.lblPauseNumbers->text()),
              dialog.TrackBarPause->width());
    EXPECT_LE(width(dialog.lblFontSizeNumbers, dialog.lblFontSizeNumbers->text()),
              dialog.TrackBarFonts->width());
    for (QLabel* l : {dialog.lblEn, dialog.lblFr, dialog.lblRu, dialog.lblSp})
      EXPECT_LE(l->x() + width(l, l->text()), 43 + 92 - 11) << l->text().toStdString();
    for (QLabel* l : {dialog.Label1, dialog.Label2, dialog.Label7})
      EXPECT_LE(l->x() + width(l, l->text()), 268) << l->text().toStdString();
    for (QLabel* l : {dialog.Label3, dialog.Label4, dialog.Label5, dialog.Label6})
      EXPECT_LE(l->x() + width(l, l->text()), TfrmNumbLang::kWidth - 6) << l->text().toStdString();
    // Shrinking keeps the character set of the font set.
    EXPECT_EQ(orvik::fontSpecOf(dialog.RadioGroup1).charset,
              index == 1 ? orvik::kCyrillicCharset : orvik::kWesternCharset);
  }
  // Where the design's room suffices (English), the design stands: the font set's size and
  // the design's button widths.
  EXPECT_EQ(orvik::fontSpecOf(dialog.Label1), orvik::timesBoldSpec(16, orvik::kWesternCharset));
  EXPECT_EQ(dialog.btnOK->width(), 50);
}

TEST_F(DialogTest, OneSoundLanguageGivesCheckBoxesNamedInTheInterfaceLanguage) {
  setUp({0, 5, -1, -1}, {5, -1, -1, -1}, 3);
  EXPECT_TRUE(dialog.RadioGroup2->isHidden());
  EXPECT_TRUE(dialog.RadioGroup3->isHidden());
  EXPECT_FALSE(dialog.chBoxOnClick->isHidden());
  EXPECT_FALSE(dialog.chBoxAuto->isHidden());
  EXPECT_EQ(dialog.chBoxOnClick->text(), QString::fromUtf8("Русский"));
  EXPECT_EQ(dialog.RadioGroup1->item(0), QString::fromUtf8("Английский"));
  EXPECT_EQ(orvik::fontSpecOf(dialog.Label1).charset, orvik::kCyrillicCharset);

  SetInterfaceLanguage(2);  // French
  EXPECT_EQ(dialog.chBoxAuto->text(), QString::fromUtf8("Russe"));
  EXPECT_EQ(dialog.RadioGroup1->Items(), (QStringList{"Anglais", "Russe"}));
  EXPECT_EQ(dialog.Label1->text(), QString::fromUtf8("Langues du dictionnaire"));
  EXPECT_EQ(dialog.btnCancel->Caption(), "Annuler");
  // The interface language is a sound language only when its item is among the sound items.
  dialog.selectInterfaceLanguage(3);
  EXPECT_TRUE(dialog.InterfaceLanguageHasSound());
  dialog.selectInterfaceLanguage(1);
  EXPECT_FALSE(dialog.InterfaceLanguageHasSound());
}

TEST_F(DialogTest, UncheckingTheLastLanguageBringsTheMessageAndChecksItAgain) {
  setUp({0, 5, -1, -1}, {0, -1, -1, -1});
  dialog.setLanguageBox(dialog.chBoxRu, true);
  dialog.setLanguageBox(dialog.chBoxEn, false);
  EXPECT_EQ(dialog.lastBox(), dialog.chBoxRu);
  SetInterfaceLanguage(3);  // Spanish, so the message speaks Spanish

  QString shownText;
  QPoint shownAt;
  bool stillChecked = false;
  showAnd(
      [&] {
        whenShown(&message, [&] {
          shownText = message.Label1->text();
          shownAt = message.pos();
          clickButton(message.btnOk);
        });
        QTest::mouseClick(dialog.chBoxRu, Qt::LeftButton, {}, QPoint(6, 6));
        stillChecked = dialog.chBoxRu->isChecked();
      },
      dialog.btnCancel);
  EXPECT_EQ(shownText, "Elija, por favor,");
  EXPECT_EQ(shownAt, QPoint(100 + 757 / 2 - 210 / 2, 50 + 564 / 2 - 103 / 2 - 20));
  EXPECT_TRUE(stillChecked);
  EXPECT_TRUE(dialog.chBoxRu->isChecked());
  EXPECT_FALSE(dialog.chBoxEn->isChecked());
}

TEST_F(DialogTest, MessageTextsFontsAndPlacesFollowTheTranslationIndex) {
  message.prepare(1, nullptr);
  EXPECT_EQ(message.Label1->text(), QString::fromUtf8("Выберите, пожалуйста,"));
  EXPECT_EQ(message.Label2->text(), QString::fromUtf8("хотя бы один язык"));
  EXPECT_EQ(message.Label1->x(), 66);
  EXPECT_EQ(message.Label2->x(), 78);
  EXPECT_EQ(orvik::fontSpecOf(message.Label1).charset, orvik::kCyrillicCharset);
  message.prepare(2, nullptr);
  EXPECT_EQ(message.Label1->text(), QString::fromUtf8("Sélectionnez, s'il vous plaît,"));
  EXPECT_EQ(message.Label2->text(), "au moins une langue");
  // The French first line, placed at 54, ran into the picture: it stands right of it, and
  // every line ends inside the frame.
  EXPECT_GE(message.Label1->x(), message.Image1->geometry().right() + 1);
  EXPECT_EQ(orvik::fontSpecOf(message.Label2).charset, orvik::kWesternCharset);
  for (int index : {0, 1, 2, 3}) {
    message.prepare(index, nullptr);
    for (QLabel* l : {message.Label1, message.Label2}) {
      EXPECT_GT(l->x(), message.Image1->geometry().right()) << index;
      EXPECT_LE(l->x() + QFontMetrics(l->font()).horizontalAdvance(l->text()),
                TMsgChecked::kWidth - 6)
          << index;
    }
  }
  EXPECT_EQ(message.size(), QSize(210, 103));
  EXPECT_EQ(message.grab().toImage().pixelColor(100, 95), QColor(230, 222, 191));
}

TEST_F(DialogTest, OkWithoutChangeOnlyClicksAndStores) {
  setUp({0, 5, -1, -1}, {0, 5, -1, -1});
  dialog.setLanguageBox(dialog.chBoxEn, true);
  dialog.chBoxSound->setChecked(true);
  showAnd([] {}, dialog.btnOK);
  EXPECT_EQ(calls, (QStringList{"click", "store"}));

  calls.clear();
  dialog.chBoxSound->setChecked(false);
  showAnd([] {}, dialog.btnOK);
  EXPECT_EQ(calls, QStringList{"store"}) << "no click sound while sound effects are off";
}

TEST_F(DialogTest, OkWithChangesHandsThemOnInOrder) {
  setUp({0, 1, 5, -1}, {0, 5, -1, -1});
  dialog.setLanguageBox(dialog.chBoxEn, true);
  dialog.selectInterfaceLanguage(1);
  dialog.TrackBarFonts->setPosition(4);
  showAnd(
      [&] {
        QTest::mouseClick(dialog.chBoxFr, Qt::LeftButton, {}, QPoint(6, 6));
        dialog.selectInterfaceLanguage(3);
        dialog.TrackBarFonts->setPosition(15);
      },
      dialog.btnOK);
  EXPECT_EQ(calls,
            (QStringList{"shown", "interface 3", "store", "panes", "store", "font 20", "refresh"}));
  EXPECT_TRUE(dialog.chBoxFr->isChecked());
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(DialogTest, CancelRestoresWhatTheDialogShowedWhenOpened) {
  setUp({0, 1, 5, 6}, {0, 1, 5, -1});
  dialog.setLanguageBox(dialog.chBoxRu, true);
  dialog.setLanguageBox(dialog.chBoxEn, false);
  dialog.selectInterfaceLanguage(3);
  dialog.selectSoundLanguage(dialog.RadioGroup2, 2);
  dialog.selectSoundLanguage(dialog.RadioGroup3, 1);
  dialog.TrackBarFonts->setPosition(7);
  dialog.TrackBarPause->setPosition(3);
  showAnd(
      [&] {
        dialog.setLanguageBox(dialog.chBoxEn, true);
        dialog.setLanguageBox(dialog.chBoxRu, false);
        dialog.selectInterfaceLanguage(4);
        dialog.selectSoundLanguage(dialog.RadioGroup2, 3);
        dialog.TrackBarFonts->setPosition(1);
        dialog.TrackBarPause->setPosition(10);
        dialog.chBoxSound->setChecked(true);
      },
      dialog.btnCancel);
  EXPECT_FALSE(dialog.chBoxEn->isChecked());
  EXPECT_TRUE(dialog.chBoxRu->isChecked());
  EXPECT_EQ(TfrmNumbLang::selectedLanguage(dialog.RadioGroup1), 3);
  EXPECT_EQ(TfrmNumbLang::selectedLanguage(dialog.RadioGroup2), 2);
  EXPECT_EQ(TfrmNumbLang::selectedLanguage(dialog.RadioGroup3), 1);
  EXPECT_EQ(dialog.TrackBarFonts->Position(), 7);
  EXPECT_EQ(dialog.TrackBarPause->Position(), 3);
  EXPECT_FALSE(dialog.chBoxSound->isChecked());
  EXPECT_EQ(calls, QStringList{"store"});
}

TEST_F(DialogTest, ShowingPlacesTheDialogByTheMainWindow) {
  setUp({0, 5, -1, -1}, {0, -1, -1, -1});
  dialog.setLanguageBox(dialog.chBoxEn, true);
  QPoint at;
  showAnd([&] { at = dialog.pos(); }, dialog.btnCancel);
  EXPECT_EQ(at, QPoint(100 + 31, 50 + 564 - 300 - 34));
}

}  // namespace
