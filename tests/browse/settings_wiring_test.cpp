// The settings dialog in the running program: the settings button opens it, its controls and
// the settings bytes map both ways, OK hands the shown languages and the interface language to
// the main window, and only the installed languages are offered.
#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QTimer>

#include "app/settings_file.h"
#include "browse/browse_fixture.h"
#include "browse/entry_panes.h"
#include "browse/orvik_word.h"
#include "controls/hint_windows.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_track_bar.h"
#include "controls/radio_group.h"
#include "lang/font_sets.h"
#include "lang/multi_lang.h"
#include "lang/settings_dialog.h"

namespace {

QByteArray fileBytes(const TestInstallation& inst) {
  QFile file(inst.filePath(QStringLiteral("Settings.orv")));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SettingsWiringTest : public BrowseTest {
 protected:
  TfrmNumbLang* dialog() const {
    return qobject_cast<TfrmNumbLang*>(topLevelWindow(QStringLiteral("frmNumbLang")));
  }
  // Presses the settings button and runs `action` once the dialog shows.
  void openSettingsAnd(const std::function<void(TfrmNumbLang*)>& action) {
    TfrmNumbLang* d = dialog();
    ASSERT_NE(d, nullptr);
    bool ran = false;
    auto* timer = new QTimer(d);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, d, [&, d, timer] {
      if (!d->isVisible()) return;
      timer->stop();
      timer->deleteLater();
      ran = true;
      action(d);
    });
    timer->start();
    click(testControls(w).btnNumberLang, QPoint(10, 10));
    EXPECT_TRUE(ran);
    EXPECT_FALSE(d->isVisible());
  }
  void tearDownLanguage() {
    if (w && TBaseMultiLang::currentTranslationIndex() != 0) {
      data()->settings().setValue(Settings::InterfaceLanguage, 1);
      w->ReloadLanguageNames(orvik::Language::English);
    }
  }
  QStringList controlsNotIn(int charset) const;
  void TearDown() override {
    tearDownLanguage();
    BrowseTest::TearDown();
  }
};

TEST_F(SettingsWiringTest, OnlyInstalledLanguagesAreOffered) {
  start();  // English and Russian installed, English sounds only
  TfrmNumbLang* d = dialog();
  ASSERT_NE(d, nullptr);
  EXPECT_FALSE(d->chBoxEn->isHidden());
  EXPECT_FALSE(d->chBoxRu->isHidden());
  EXPECT_TRUE(d->chBoxFr->isHidden());
  EXPECT_TRUE(d->chBoxSp->isHidden());
  EXPECT_EQ(d->chBoxRu->pos(), QPoint(22, 92));
  EXPECT_EQ(d->RadioGroup1->Items(), (QStringList{"English", "Russian"}));
  EXPECT_FALSE(d->imgNumbLangs->pixmap().isNull()) << "Lng2.ori frames the two rows";
  // One sound language: the two single-language boxes stand in for the groups.
  EXPECT_TRUE(d->RadioGroup2->isHidden());
  EXPECT_FALSE(d->chBoxOnClick->isHidden());
  EXPECT_EQ(d->chBoxOnClick->text(), "English");
}

TEST_F(SettingsWiringTest, ControlsAndSettingsBytesMapBothWays) {
  start(writeThreeLanguageSettings);
  TfrmNumbLang* d = dialog();
  ASSERT_NE(d, nullptr);
  Settings& settings = data()->settings();
  // What the file held is what the controls show.
  EXPECT_TRUE(d->chBoxEn->isChecked());
  EXPECT_FALSE(d->chBoxFr->isChecked());
  EXPECT_TRUE(d->chBoxRu->isChecked());
  EXPECT_EQ(d->TrackBarPause->Position(), 2);
  EXPECT_EQ(d->TrackBarFonts->Position(), 4);
  EXPECT_EQ(TfrmNumbLang::selectedLanguage(d->RadioGroup1), 1);

  // Every edited byte follows its control.
  d->setLanguageBox(d->chBoxEn, false);
  d->setLanguageBox(d->chBoxFr, true);
  d->selectInterfaceLanguage(2);
  d->selectSoundLanguage(d->RadioGroup2, 3);
  d->selectSoundLanguage(d->RadioGroup3, 3);
  d->TrackBarPause->setPosition(9);
  d->chBoxSound->setChecked(true);
  d->TrackBarFonts->setPosition(15);
  d->chBoxOnClick->setChecked(false);
  d->chBoxAuto->setChecked(false);
  settings.setValue(3, 1);  // an unused language place is always written 0
  ASSERT_TRUE(settings.save());
  const QByteArray bytes = fileBytes(dir);
  ASSERT_EQ(bytes.size(), 32);
  const QList<int> expected{0, 1, 0, 0, 0, 1, 0, 2, 3, 3, 9, 1, 15, 3, 1, 1,
                            1, 0, 0, 0, 0, 2, 1, 0, 1, 0, 0, 0, 0,  0, 0};
  for (int n = 1; n <= 31; ++n) EXPECT_EQ(int(quint8(bytes[n])), expected[n - 1]) << "byte " << n;

  // And back: bytes put into the controls come out unchanged.
  settings.setValue(Settings::ShownEn, 1);
  settings.setValue(Settings::ShownFr, 0);
  settings.setValue(Settings::AutoPlayPause, 5);
  settings.setValue(Settings::PronunciationLanguage, 1);
  settings.setValue(Settings::OnClickFlag, 1);
  settings.controls()->copySettingsToControls();
  settings.controls()->copyControlsToSettings();
  EXPECT_EQ(settings.value(Settings::ShownEn), 1);
  EXPECT_EQ(settings.value(Settings::ShownFr), 0);
  EXPECT_EQ(settings.value(Settings::ShownRu), 1);
  EXPECT_EQ(settings.value(Settings::InterfaceLanguage), 2);
  EXPECT_EQ(settings.value(Settings::PronunciationLanguage), 1);
  EXPECT_EQ(settings.value(Settings::AutoPlayLanguage), 3);
  EXPECT_EQ(settings.value(Settings::AutoPlayPause), 5);
  EXPECT_EQ(settings.value(Settings::FontSize), 15);
  EXPECT_EQ(settings.value(Settings::OnClickFlag), 1);
  EXPECT_EQ(settings.value(Settings::AutoFlag), 0);
}

TEST_F(SettingsWiringTest, OkWithFrenchAddedShowsThreePanes) {
  start(writeThreeLanguageSettings);
  openBedroom();
  ASSERT_EQ(w->entryPanes()->shownCount(), 2);
  const int clicksBefore = clicks();
  openSettingsAnd([](TfrmNumbLang* d) {
    QTest::mouseClick(d->chBoxFr, Qt::LeftButton, {}, QPoint(6, 6));
    d->TrackBarFonts->setPosition(15);
    QTest::mouseClick(d->btnOK, Qt::LeftButton, {}, QPoint(10, 10));
  });
  EXPECT_EQ(clicks(), clicksBefore + 1) << "the settings button's click";
  EXPECT_EQ(w->entryPanes()->shownCount(), 3);
  EXPECT_TRUE(w->entryPanes()->isShown(2));
  for (int language : {1, 2, 3}) EXPECT_TRUE(w->entryPanes()->pane(language)->isVisible());
  EXPECT_EQ(data()->settings().shownList, (std::array<int, 4>{-1, 0, 1, 5}));
  EXPECT_EQ(fileBytes(dir)[Settings::ShownFr], 1) << "OK writes the settings file";
  EXPECT_EQ(fileBytes(dir)[Settings::FontSize], 15);
}

TEST_F(SettingsWiringTest, SwitchingTheInterfaceToRussianRelabelsTheChapterList) {
  start(writeThreeLanguageSettings);
  openSettingsAnd([](TfrmNumbLang* d) {
    const int russian = d->RadioGroup1->Items().indexOf(QStringLiteral("Russian"));
    ASSERT_GE(russian, 0);
    QTest::mouseClick(d->RadioGroup1->button(russian), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(d->btnOK, Qt::LeftButton, {}, QPoint(10, 10));
  });
  EXPECT_EQ(testControls(w).ListBoxChapter->Lines().first(), QString::fromUtf8("Дом"));
  EXPECT_EQ(TBaseMultiLang::currentTranslationIndex(), 1);
  EXPECT_EQ(data()->settings().interfaceLanguage(), orvik::Language::Russian);
  EXPECT_EQ(orvik::fontSpecOf(testControls(w).btnNumberLang).charset, orvik::kCyrillicCharset);
  TfrmNumbLang* d = dialog();
  EXPECT_EQ(d->Label1->text(), QString::fromUtf8("Рабочие языки"));
  EXPECT_EQ(d->RadioGroup1->item(0), QString::fromUtf8("Английский"));
  EXPECT_EQ(fileBytes(dir)[Settings::InterfaceLanguage], 3);
}

// The windows of the program that take the font set, with the text controls that carry a font
// description (but the title strips' captions and system menus, whose Times bold 13 is fixed):
// each such control whose character set is not `charset`, and each window with none.
QStringList SettingsWiringTest::controlsNotIn(int charset) const {
  QStringList wrong;
  for (QWidget* window : program->windows()) {
    if (!dynamic_cast<orvik::FontSetWindow*>(window)) continue;
    int seen = 0;
    for (QWidget* c : window->findChildren<QWidget*>()) {
      const bool text = qobject_cast<QLabel*>(c) || qobject_cast<QCheckBox*>(c) ||
                        qobject_cast<TRadioGroup*>(c) || qobject_cast<TOrvikBtn98*>(c) ||
                        qobject_cast<TOrvikChapterList*>(c);
      const orvik::FontSpec font = orvik::fontSpecOf(c);
      if (!text || font.cellHeight == 0 || font == orvik::timesBoldSpec(13, orvik::kWesternCharset))
        continue;
      ++seen;
      if (font.charset != charset) wrong << window->objectName() + "/" + c->objectName();
    }
    if (seen == 0) wrong << window->objectName() + " has no text control";
  }
  return wrong;
}

TEST_F(SettingsWiringTest, EveryWindowTakesTheFontsOfTheInterfaceLanguage) {
  start(writeThreeLanguageSettings);
  EXPECT_EQ(controlsNotIn(orvik::kWesternCharset), QStringList());
  const auto choose = [this](const char* language) {
    openSettingsAnd([language](TfrmNumbLang* d) {
      const int item = d->RadioGroup1->Items().indexOf(QString::fromUtf8(language));
      ASSERT_GE(item, 0);
      QTest::mouseClick(d->RadioGroup1->button(item), Qt::LeftButton, {}, QPoint(5, 5));
      QTest::mouseClick(d->btnOK, Qt::LeftButton, {}, QPoint(10, 10));
    });
  };
  choose("Russian");
  EXPECT_EQ(controlsNotIn(orvik::kCyrillicCharset), QStringList());
  // The main window's lists, names and hint windows keep their own sizes.
  const MainWindowControls& c = testControls(w);
  EXPECT_EQ(orvik::fontSpecOf(c.lblChapterName), orvik::timesBoldSpec(22, 204));
  EXPECT_EQ(orvik::fontSpecOf(c.lblPageName), orvik::timesBoldSpec(18, 204));
  EXPECT_EQ(orvik::fontSpecOf(c.ListBoxChapter), orvik::timesBoldSpec(18, 204));
  EXPECT_EQ(orvik::fontSpecOf(c.NewListBoxPages), orvik::timesBoldSpec(16, 204));
  EXPECT_EQ(orvik::fontSpecOf(c.Zakladki->hintWindow()), orvik::arialSpec(14, 204));
  EXPECT_EQ(orvik::fontSpecOf(c.btnFind->hintWindow()), orvik::arialSpec(14, 204));
  EXPECT_EQ(orvik::fontSpecOf(w->entryPanes()->popUpList()), orvik::timesBoldSpec(16, 204));
  EXPECT_EQ(orvik::fontSpecOf(c.lblMainCap), orvik::timesBoldSpec(13, 162));
  EXPECT_EQ(c.btnFind->HintName(), QString::fromUtf8("Поиск на выбранном языке"));
  EXPECT_EQ(w->entryPanes()->listButton(2)->HintName(),
            QString::fromUtf8("Показать список слов для страницы"));

  choose("Английский");
  EXPECT_EQ(controlsNotIn(orvik::kWesternCharset), QStringList());
  EXPECT_EQ(orvik::fontSpecOf(c.lblChapterName), orvik::timesBoldSpec(22, 162));
  EXPECT_EQ(c.btnFind->HintName(), "Find in Selected Language");
}

TEST_F(SettingsWiringTest, ClosingTheMainWindowSavesTheDialogsControls) {
  start(writeThreeLanguageSettings);
  dialog()->TrackBarPause->setPosition(7);
  w->close();
  EXPECT_EQ(fileBytes(dir)[Settings::AutoPlayPause], 7);
}

}  // namespace
