// The main window's exit commands and help button: the exit confirmation (No leaves all as it
// was, Yes silences the sounds, writes the settings and ends the program), nothing while
// auto-play runs, and the help menu with its about line, in the interface language.
#include <QtTest/qtestspontaneevent.h>

#include <QFile>
#include <QTimer>

#include "browse/entry_panes.h"
#include "browse_fixture.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "lang/about_box.h"
#include "lang/exit_dialog.h"
#include "lang/font_sets.h"
#include "lang/help_menu.h"
#include "lang/help_window.h"
#include "lang/multi_lang.h"
#include "sound/main_window_sound.h"

namespace {

class ExitHelpTest : public BrowseTest {
 protected:
  // The bedroom's first English entry lasts long enough to be playing when the program ends.
  void startProgram() {
    start([](TestInstallation& inst) {
      writeTestWave(inst.filePath(QStringLiteral("Sound/En/1/A0201.wav")), 60000);
    });
    exitDialog = qobject_cast<TfrmExit*>(topLevelWindow("frmExit"));
    helpMenu = qobject_cast<TfrmOptForHelp*>(topLevelWindow("frmOptForHelp"));
    about = qobject_cast<TfrmAbout*>(topLevelWindow("frmAbout"));
    ASSERT_NE(exitDialog, nullptr);
    ASSERT_NE(helpMenu, nullptr);
    ASSERT_NE(about, nullptr);
  }
  void TearDown() override {
    BrowseTest::TearDown();
    SetInterfaceLanguage(0);
  }

  // Answers the exit confirmation when it shows (Yes or No) and records that it showed
  // modally, centred on the main window.
  void answerExit(bool yes) {
    shown = false;
    QTimer::singleShot(30, exitDialog, [this, yes] {
      shown = exitDialog->isVisible() && exitDialog->isShowingModal();
      centred = exitDialog->pos() == QPoint(w->x() + w->width() / 2 - exitDialog->width() / 2,
                                            w->y() + w->height() / 2 - exitDialog->height() / 2);
      if (exitDialog->isVisible())
        QTest::mouseClick(yes ? exitDialog->btnYes : exitDialog->btnNo, Qt::LeftButton, {},
                          QPoint(10, 10));
    });
  }
  char savedFontSize() {
    QFile f(dir.filePath("Settings.orv"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return f.readAll().at(13);
  }

  bool entrySoundPlaying() const {
    const orvik::WaveDevice* player = program->parts().sound->entryPlayer();
    return player->mode() == orvik::WaveMode::Playing;
  }
  TfrmExit* exitDialog = nullptr;
  TfrmOptForHelp* helpMenu = nullptr;
  TfrmAbout* about = nullptr;
  bool shown = false;
  bool centred = false;
};

TEST_F(ExitHelpTest, NoLeavesEverythingYesSilencesWritesTheSettingsAndEnds) {
  startProgram();
  openBedroom();
  const char before = savedFontSize();
  data()->settings().setValue(Settings::FontSize, before == 6 ? 7 : 6);
  // Saving copies the settings dialog's controls first: the slider must carry the new size.
  data()->settings().controls()->copySettingsToControls();
  const int clicks = this->clicks();
  click(w->entryPanes()->soundButton(1), QPoint(5, 5));
  ASSERT_TRUE(entrySoundPlaying());

  answerExit(false);
  click(testControls(w).btnExitNew, QPoint(10, 10));
  EXPECT_TRUE(shown);
  EXPECT_TRUE(centred);
  EXPECT_TRUE(w->isVisible());
  EXPECT_FALSE(orvik::Application::terminated());
  EXPECT_TRUE(entrySoundPlaying()) << "No leaves the sound playing";
  EXPECT_EQ(savedFontSize(), before) << "No writes nothing";
  EXPECT_EQ(w->currentPageCode(), 102);
  EXPECT_EQ(this->clicks(), clicks + 1) << "the click sound";

  // The frame's close button asks the same question.
  answerExit(true);
  click(testControls(w).btnClose, QPoint(7, 7));
  EXPECT_TRUE(shown);
  EXPECT_FALSE(entrySoundPlaying()) << "Yes silences the sounds";
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(savedFontSize(), before == 6 ? 7 : 6) << "the close handler wrote the settings";
  EXPECT_TRUE(orvik::Application::terminated());
  EXPECT_EQ(orvik::Application::exitCode(), 0);
}

TEST_F(ExitHelpTest, AltF4AsksUnlessAutoPlayRuns) {
  startProgram();
  w->setAutoPlayRunning(true);
  answerExit(false);
  QTest::keyClick(w, Qt::Key_F4, Qt::AltModifier);
  click(testControls(w).btnExitNew, QPoint(10, 10));
  QTest::qWait(60);  // past the answer's timer: it finds no dialog
  EXPECT_FALSE(shown) << "nothing while auto-play runs";
  EXPECT_TRUE(w->isVisible());

  w->setAutoPlayRunning(false);
  answerExit(false);
  QTest::keyClick(w, Qt::Key_F4, Qt::AltModifier);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(w->isVisible()) << "No after Alt+F4 keeps the program";
  EXPECT_FALSE(orvik::Application::terminated());

  answerExit(true);
  QTest::keyClick(w, Qt::Key_F4, Qt::AltModifier);
  EXPECT_TRUE(orvik::Application::terminated());
}

// As every desktop confirmation: Esc is No and Enter is Yes, and a focused button keeps Enter
// for itself (Tab to No, Enter: No).
TEST_F(ExitHelpTest, EscAnswersNoAndEnterAnswersYes) {
  startProgram();
  const auto answerByKey = [this](const QList<Qt::Key>& keys) {
    shown = false;
    QTimer::singleShot(30, exitDialog, [this, keys = keys] {
      shown = exitDialog->isVisible() && exitDialog->isShowingModal();
      for (Qt::Key key : keys)
        if (exitDialog->isVisible())
          QTest::keyClick(exitDialog->focusWidget() ? exitDialog->focusWidget()
                                                    : static_cast<QWidget*>(exitDialog),
                          key);
    });
  };
  answerByKey({Qt::Key_Escape});
  click(testControls(w).btnExitNew, QPoint(10, 10));
  EXPECT_TRUE(shown);
  EXPECT_FALSE(exitDialog->isVisible());
  EXPECT_TRUE(w->isVisible()) << "Esc is No";
  EXPECT_FALSE(orvik::Application::terminated());

  answerByKey({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return});
  click(testControls(w).btnExitNew, QPoint(10, 10));
  EXPECT_TRUE(shown);
  EXPECT_TRUE(w->isVisible()) << "Enter on the focused No button is No";
  EXPECT_FALSE(orvik::Application::terminated());

  answerByKey({Qt::Key_Return});
  click(testControls(w).btnExitNew, QPoint(10, 10));
  EXPECT_TRUE(shown);
  EXPECT_FALSE(w->isVisible()) << "Enter is Yes";
  EXPECT_TRUE(orvik::Application::terminated());
}

TEST_F(ExitHelpTest, WindowSystemCloseGoesThroughTheConfirmation) {
  startProgram();
  QCloseEvent byWindowSystem;
  QSpontaneKeyEvent::setSpontaneous(&byWindowSystem);
  answerExit(false);
  // Delivered as the window system delivers it (sendEvent would clear the spontaneous mark).
  qApp->notify(w, &byWindowSystem);
  EXPECT_FALSE(byWindowSystem.isAccepted());
  QTRY_VERIFY(shown);
  EXPECT_TRUE(w->isVisible());
  EXPECT_FALSE(orvik::Application::terminated());
}

TEST_F(ExitHelpTest, HelpMenuInSpanishOpensTheAboutBox) {
  startProgram();
  const int clicks = this->clicks();
  click(testControls(w).btnHelp, QPoint(10, 10));
  EXPECT_EQ(this->clicks(), clicks + 1);
  ASSERT_TRUE(helpMenu->isVisible());
  EXPECT_EQ(helpMenu->pos(),
            QPoint(w->x() + testControls(w).btnHelp->x() - 25, w->y() + w->height() - 73));
  EXPECT_EQ(helpMenu->HelpList->Lines(), QStringList({"Help", "About..."}));

  data()->settings().setValue(Settings::InterfaceLanguage, 4);
  w->ReloadLanguageNames(orvik::Language::Spanish);
  EXPECT_EQ(helpMenu->HelpList->Lines(), QStringList({"Ayuda", "Acerca de..."}));
  EXPECT_EQ(helpMenu->HelpList->x(), 30);
  EXPECT_EQ(about->Label1->text(), "Diccionario Orvik") << "the about box speaks Spanish";

  // "Acerca de...": the click sound, auto-play stopped, the menu closed, the about box.
  bool aboutShown = false;
  QTimer::singleShot(30, about, [&] {
    aboutShown = about->isVisible() && about->isShowingModal() && !helpMenu->isVisible();
    QTest::mouseClick(about->OrvikBtn981, Qt::LeftButton, {}, QPoint(10, 10));
  });
  w->setAutoPlayRunning(true);
  const QPoint line2(10, 26);
  moveTo(helpMenu->HelpList, line2);
  ASSERT_EQ(helpMenu->HelpList->selectedNumber(), 2);
  click(helpMenu->HelpList, line2);
  EXPECT_TRUE(aboutShown);
  EXPECT_FALSE(about->isVisible());
  EXPECT_EQ(this->clicks(), clicks + 2);
  EXPECT_FALSE(w->autoPlayRunning()) << "auto-play stopped";
  EXPECT_TRUE(w->isVisible());
}

// After "About...", a pointer that jumps straight onto "Help" and presses brings no move over
// the list: the press still opens the help, not the about box again.
TEST_F(ExitHelpTest, APressOnHelpRightAfterAboutOpensTheHelp) {
  startProgram();
  auto* help = qobject_cast<HelpWindow*>(topLevelWindow("frmHelp"));
  ASSERT_NE(help, nullptr);
  int abouts = 0;
  int helps = 0;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (about->isShowingModal()) {
      ++abouts;
      QTest::mouseClick(about->OrvikBtn981, Qt::LeftButton, {}, QPoint(10, 10));
    } else if (help->isShowingModal()) {
      ++helps;
      QTest::mouseClick(help->btnOK, Qt::LeftButton, {}, QPoint(10, 10));
    }
  });
  poll.start(10);

  click(testControls(w).btnHelp, QPoint(10, 10));
  const QPoint aboutLine(10, 26);
  moveTo(helpMenu->HelpList, aboutLine);
  click(helpMenu->HelpList, aboutLine);
  ASSERT_EQ(abouts, 1);

  click(testControls(w).btnHelp, QPoint(10, 10));
  ASSERT_TRUE(helpMenu->isVisible());
  click(helpMenu->HelpList, QPoint(10, 6));
  EXPECT_EQ(helps, 1) << "the help opened";
  EXPECT_EQ(abouts, 1) << "not the about box";
  EXPECT_FALSE(helpMenu->isVisible());
}

TEST_F(ExitHelpTest, TheHelpMenuClosesWhenThePointerMovesOverTheWindow) {
  startProgram();
  click(testControls(w).btnHelp, QPoint(10, 10));
  ASSERT_TRUE(helpMenu->isVisible());
  moveTo(w, QPoint(400, 12));
  EXPECT_FALSE(helpMenu->isVisible()) << "over the title strip";

  click(testControls(w).btnHelp, QPoint(10, 10));
  ASSERT_TRUE(helpMenu->isVisible());
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5),
                    QPointF(testControls(w).btnFind->mapToGlobal(QPoint(5, 5))));
  QApplication::sendEvent(testControls(w).btnFind, &enter);
  EXPECT_FALSE(helpMenu->isVisible()) << "entering the find button";
}

}  // namespace
