#pragma once
// The program on the small test installation with all four languages installed (sounds in
// every one), and the ways a user reaches its windows: the settings dialog with its interface
// language choice, the exit confirmation and the help menu.

#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QTimer>

#include "app/settings_file.h"
#include "browse/browse_fixture.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/radio_group.h"
#include "lang/about_box.h"
#include "lang/exit_dialog.h"
#include "lang/font_sets.h"
#include "lang/help_menu.h"
#include "lang/language_captions.h"
#include "lang/multi_lang.h"
#include "lang/settings_dialog.h"

class ProgramWindowsTest : public BrowseTest {
 protected:
  // A settings file that installs and shows the four languages, all with sounds.
  static void writeFourLanguageSettings(TestInstallation& inst) {
    QByteArray bytes(32, '\0');
    for (int b : {int(Settings::ShownEn), int(Settings::ShownFr), int(Settings::ShownRu),
                  int(Settings::ShownSp)})
      bytes[b] = 1;
    bytes[Settings::InterfaceLanguage] = 1;
    bytes[Settings::PronunciationLanguage] = 1;
    bytes[Settings::AutoPlayLanguage] = 1;
    bytes[Settings::AutoPlayPause] = 2;
    bytes[Settings::FontSize] = 4;
    bytes[Settings::InstalledCount] = 4;
    bytes[Settings::SoundCount] = 4;
    for (int b = Settings::InstalledEn; b <= Settings::InstalledSp; ++b) bytes[b] = 1;
    for (int b = Settings::SoundEn; b <= Settings::SoundSp; ++b) bytes[b] = 1;
    bytes[Settings::OnClickFlag] = 1;
    bytes[Settings::AutoFlag] = 1;
    QFile file(inst.filePath(QStringLiteral("Settings.orv")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }

  void startFourLanguages() {
    start(writeFourLanguageSettings);
    settings = qobject_cast<TfrmNumbLang*>(topLevelWindow(QStringLiteral("frmNumbLang")));
    exitDialog = qobject_cast<TfrmExit*>(topLevelWindow(QStringLiteral("frmExit")));
    helpMenu = qobject_cast<TfrmOptForHelp*>(topLevelWindow(QStringLiteral("frmOptForHelp")));
    about = qobject_cast<TfrmAbout*>(topLevelWindow(QStringLiteral("frmAbout")));
    ASSERT_NE(settings, nullptr);
    ASSERT_NE(exitDialog, nullptr);
    ASSERT_NE(helpMenu, nullptr);
    ASSERT_NE(about, nullptr);
  }

  void TearDown() override {
    BrowseTest::TearDown();
    SetInterfaceLanguage(0);
  }

  // Runs `action` once `window` shows, while whatever opened it waits for it to close.
  static void whenShown(QWidget* window, std::function<void()> action, bool* ran) {
    *ran = false;
    auto* timer = new QTimer(window);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, window, [window, timer, action, ran] {
      if (!window->isVisible()) return;
      timer->stop();
      timer->deleteLater();
      *ran = true;
      action();
    });
    timer->start();
  }

  // Points at a control and clicks it, as a user does: the pointer moves there first.
  static void pointAndClick(QWidget* control, QPoint at = QPoint(10, 10)) {
    QTest::mouseMove(control, at);
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
  }

  // Moves onto a line of the help menu (1 or 2) and presses it.
  void pointAtHelpLine(int line) {
    const QPoint at(20, (line - 1) * 16 + 8);
    QTest::mouseMove(helpMenu->HelpList, at);
    moveTo(helpMenu->HelpList, at);
    ASSERT_EQ(helpMenu->HelpList->selectedNumber(), line);
    click(helpMenu->HelpList, at);
  }

  // Opens the settings dialog with the settings button, lets `inDialog` work in it, and closes
  // it with OK (or Cancel).
  void throughSettings(const std::function<void()>& inDialog, bool ok = true) {
    bool ran = false;
    whenShown(
        settings,
        [this, inDialog, ok] {
          if (inDialog) inDialog();
          pointAndClick(ok ? settings->btnOK : settings->btnCancel);
        },
        &ran);
    pointAndClick(testControls(w).btnNumberLang);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(settings->isVisible());
  }

  // Switches the interface as the user does: the language's item in the settings dialog's
  // interface-language group, then OK.
  void switchInterface(int languageNumber) {
    throughSettings([this, languageNumber] {
      TRadioGroup* group = settings->RadioGroup1;
      for (int i = 0; i < group->count(); ++i)
        if (orvik::LanguageOfItem(group->item(i), orvik::languageNameTable()) == languageNumber)
          pointAndClick(group->button(i), QPoint(5, 5));
      EXPECT_EQ(TfrmNumbLang::selectedLanguage(group), languageNumber);
    });
    const int index[5] = {0, 0, 2, 1, 3};
    ASSERT_EQ(TBaseMultiLang::currentTranslationIndex(), index[languageNumber]);
  }

  TfrmNumbLang* settings = nullptr;
  TfrmExit* exitDialog = nullptr;
  TfrmOptForHelp* helpMenu = nullptr;
  TfrmAbout* about = nullptr;
};
