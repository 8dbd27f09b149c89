// The auto-play panel in the running program on the small installation (English sounds): opened
// through the main window's hand-over, driven with real clicks on its buttons. The media player
// is a silent device on a clock the tests move; the panel's timers are ticked by hand where a
// test is about what a tick does, and their intervals are read, so nothing waits on real time.

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTimer>

#include "app/settings_file.h"
#include "browse/browse_fixture.h"
#include "browse/entry_panes.h"
#include "browse/picture_box.h"
#include "browse/window_frame.h"
#include "controls/cursors.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_btn_nav.h"
#include "controls/orvik_track_bar.h"
#include "controls/radio_group.h"
#include "lang/exit_dialog.h"
#include "lang/multi_lang.h"
#include "lang/settings_dialog.h"
#include "platform/wave_device.h"
#include "sound/auto_play_panel.h"
#include "sound/main_window_sound.h"
#include "sound/sound_server.h"

namespace {

class TickingClock final : public orvik::WaveClock {
 public:
  qint64 nowMs() const override { return now_ += 25; }

 private:
  mutable qint64 now_ = 0;
};

// Keeps only the first `count` entries of a page in the entry-place table.
void cutPage(TestInstallation& inst, int pageCode, int count) {
  BrowseTest::expandTable(
      inst, QStringLiteral("WrdPct.ort"),
      [&](QVariantList row, const QStringList& names) -> QList<QVariantList> {
        const auto field = [&](const char* name) {
          return int(names.indexOf(QString::fromLatin1(name), 0));
        };
        const int page = field("PageCode"), order = field("Order"), number = field("NumberWord");
        if (page < 0 || order < 0 || number < 0 || row[page].toInt() != pageCode) return {row};
        if (row[order].toInt() > count) return {};
        row[number] = count;
        return {row};
      });
}

}  // namespace

class AutoPlayTest : public BrowseTest {
 protected:
  void startWithPanel(const std::function<void(TestInstallation&)>& prepare = {}) {
    int made = 0;
    waveDevices = [this, made]() mutable -> std::unique_ptr<orvik::WaveDevice> {
      const bool entry = made++ == 0;
      auto device = std::make_unique<orvik::SilentWaveDevice>(
          entry ? static_cast<orvik::WaveClock*>(&entryClock) : &namesClock);
      if (entry) player = device.get();
      return device;
    };
    start(prepare);
    panel = program->parts().autoPlayPanel;
    settings = program->parts().settingsDialog;
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(settings, nullptr);
    data()->settings().setValue(Settings::AutoPlayPause, 1);
  }
  void TearDown() override {
    if (w && TBaseMultiLang::currentTranslationIndex() != 0) {
      data()->settings().setValue(Settings::InterfaceLanguage, 1);
      w->ReloadLanguageNames(orvik::Language::English);
    }
    BrowseTest::TearDown();
  }
  void openPanel() {
    w->handOver().autoPlay->showPanel();
    ASSERT_TRUE(panel->isVisible());
  }
  void press(TOrvikBtn98* button) { click(button, QPoint(10, 10)); }
  QString entrySound(int order) const {
    return dir.filePath(QStringLiteral("Sound/En/1/A02%1.wav").arg(order, 2, 10, QLatin1Char('0')));
  }
  // Lets the playing sound run to its end and the track timer see it.
  void finishSound() {
    entryClock.advance(player->length() - player->position());
    panel->TrackTimerTimer();
  }
  // Title and status, "Autoplay Language" and the language name: side by side, not overlapping,
  // within the panel and clear of the close button.
  void expectTextsFit() {
    const auto width = [](QLabel* l) { return l->fontMetrics().horizontalAdvance(l->text()); };
    for (auto [first, second] :
         {std::pair{panel->Label1, panel->Label2}, std::pair{panel->Label3, panel->Label4}}) {
      EXPECT_LE(first->x() + width(first), second->x())
          << first->text().toStdString() << " | " << second->text().toStdString();
      EXPECT_LE(second->x() + width(second), second == panel->Label2 ? 330 : 350 - 4)
          << second->text().toStdString();
    }
  }
  bool commandsLocked() const {
    return !testControls(w).btnNextWord->isEnabled() && !testControls(w).btnFind->isEnabled() &&
           testControls(w).btnAutoPlayPanel->isEnabled();
  }

  orvik::ManualWaveClock entryClock;
  TickingClock namesClock;
  orvik::WaveDevice* player = nullptr;
  TfrmTrackAutoPlay* panel = nullptr;
  TfrmNumbLang* settings = nullptr;
};

TEST_F(AutoPlayTest, PanelOpensOverThePictureAndFollowsTheEntry) {
  startWithPanel();
  openBedroom();
  EXPECT_FALSE(panel->isVisible());
  openPanel();
  EXPECT_EQ(panel->size(), QSize(350, 115));
  EXPECT_TRUE(panel->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(testControls(w).btnAutoPlayPanel->isVisible());
  const QRect frame = w->frameGeometry();
  EXPECT_EQ(panel->pos(), QPoint(frame.left() + testControls(w).PanelForImg->x() - 5,
                                 frame.top() + frame.height() - 115 - 33));
  EXPECT_EQ(panel->btnClose->geometry(), QRect(330, 7, 15, 15));
  EXPECT_EQ(panel->TrackBarAutoPlay->MaxPos(), 6);
  EXPECT_EQ(panel->TrackBarAutoPlay->Position(), 1);
  EXPECT_EQ(panel->Label1->text(), "Autoplay Control Panel");
  EXPECT_EQ(panel->Label2->text(), "Autoplay Stopped");
  EXPECT_EQ(panel->Label4->text(), "English");
  expectTextsFit();
  // Idle: play and auto-play only.
  EXPECT_TRUE(panel->btnPlay->isEnabled());
  EXPECT_TRUE(panel->btnAutoPlay->isEnabled());
  for (TOrvikBtn98* b : {static_cast<TOrvikBtn98*>(panel->btnRew), panel->btnStopAutoPlay,
                         panel->btnPauseAutoPlay, static_cast<TOrvikBtn98*>(panel->btnFwd)})
    EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();

  // The pointer on another spot moves the track bar with the panes.
  const QPoint spot = spotOf(4);
  ASSERT_GE(spot.x(), 0);
  moveTo(testControls(w).ImgPages, spot);
  EXPECT_EQ(panel->TrackBarAutoPlay->Position(), 4);
  w->btnNextWordClick();
  EXPECT_EQ(panel->TrackBarAutoPlay->Position(), 5);

  // A press on the panel's background drags it.
  const QPoint before = panel->pos();
  QTest::mousePress(panel, Qt::LeftButton, Qt::NoModifier, QPoint(300, 100));
  moveTo(panel, QPoint(320, 105), Qt::LeftButton);
  QTest::mouseRelease(panel, Qt::LeftButton, Qt::NoModifier, QPoint(320, 105));
  EXPECT_EQ(panel->pos(), before + QPoint(20, 5));

  // Close hides it and brings the main window's button back.
  press(panel->btnClose);
  EXPECT_FALSE(panel->isVisible());
  EXPECT_TRUE(testControls(w).btnAutoPlayPanel->isVisible());
}

TEST_F(AutoPlayTest, FromEntryTwoOfFiveItPronouncesThreeFourFiveAndStops) {
  startWithPanel([](TestInstallation& inst) { cutPage(inst, 102, 5); });
  openBedroom();
  openPanel();
  EXPECT_EQ(panel->TrackBarAutoPlay->MaxPos(), 5);
  w->btnNextWordClick();
  ASSERT_EQ(currentOrder(), 2);

  press(panel->btnAutoPlay);
  EXPECT_TRUE(w->autoPlayRunning());
  EXPECT_EQ(panel->Label2->text(), "AutoPlay ...");
  EXPECT_EQ(panel->Label2->palette().color(QPalette::WindowText), QColor(0, 255, 0));
  EXPECT_TRUE(commandsLocked());
  EXPECT_TRUE(testControls(w).btnRegime->latched());
  EXPECT_TRUE(panel->AutoPlayTimer->isActive());
  EXPECT_EQ(panel->AutoPlayTimer->interval(), 100);
  EXPECT_TRUE(panel->btnStopAutoPlay->isEnabled());
  EXPECT_FALSE(panel->btnPlay->isEnabled());

  for (int order = 3; order <= 5; ++order) {
    panel->AutoPlayTimerTimer();
    ASSERT_EQ(currentOrder(), order);
    EXPECT_EQ(panel->TrackBarAutoPlay->Position(), order);
    EXPECT_EQ(player->fileName(), entrySound(order));
    EXPECT_EQ(player->mode(), orvik::WaveMode::Playing);
    // The step waits for the pause plus the sound; the sound's end restarts the pause.
    EXPECT_EQ(panel->AutoPlayTimer->interval(), 1000 + player->length());
    EXPECT_TRUE(commandsLocked()) << "entry " << order;
    finishSound();
    EXPECT_FALSE(panel->TrackTimer->isActive());
    EXPECT_TRUE(panel->AutoPlayTimer->isActive());
    EXPECT_EQ(panel->AutoPlayTimer->interval(), 1000);
  }
  panel->AutoPlayTimerTimer();  // past the last entry
  EXPECT_EQ(currentOrder(), 5);
  EXPECT_TRUE(testControls(w).Timer1->isActive()) << "entry 5 blinks";
  EXPECT_FALSE(w->autoPlayRunning());
  EXPECT_FALSE(panel->AutoPlayTimer->isActive());
  EXPECT_EQ(panel->Label2->text(), "Autoplay Stopped");
  EXPECT_EQ(panel->Label2->palette().color(QPalette::WindowText), QColor(255, 255, 0));
  EXPECT_TRUE(testControls(w).btnFind->isEnabled());
  EXPECT_TRUE(testControls(w).btnPrevWord->isEnabled());
  EXPECT_FALSE(testControls(w).btnNextWord->isEnabled()) << "the last entry has no next";
  EXPECT_FALSE(testControls(w).btnRegime->latched());
  EXPECT_TRUE(panel->btnAutoPlay->isEnabled());
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(AutoPlayTest, WithoutPronunciationEntriesAdvanceEveryPauseLength) {
  startWithPanel();
  openBedroom();
  openPanel();
  // One sound language: the check box in place of the language group decides, as the settings
  // dialog's OK stores it.
  ASSERT_TRUE(settings->RadioGroup3->isHidden());
  data()->settings().setValue(Settings::AutoFlag, 0);
  data()->settings().setValue(Settings::AutoPlayPause, 3);
  press(panel->btnAutoPlay);
  panel->AutoPlayTimerTimer();
  EXPECT_EQ(currentOrder(), 2);
  EXPECT_FALSE(player->isOpen()) << "nothing is pronounced";
  EXPECT_EQ(panel->AutoPlayTimer->interval(), 3000);
  panel->AutoPlayTimerTimer();
  EXPECT_EQ(currentOrder(), 3);
  EXPECT_EQ(panel->AutoPlayTimer->interval(), 3000);

  // Pausing with no sound ever opened pauses the pacing; there is nothing to wind.
  QTest::mousePress(panel->btnPauseAutoPlay, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::mouseRelease(panel->btnPauseAutoPlay, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_TRUE(panel->btnPauseAutoPlay->latched());
  EXPECT_EQ(panel->Label2->text(), "Autoplay Paused");
  EXPECT_FALSE(panel->AutoPlayTimer->isActive());
  EXPECT_EQ(panel->savedPosition(), -1);
  EXPECT_TRUE(panel->btnFwd->isEnabled());
  press(panel->btnFwd);
  EXPECT_EQ(panel->savedPosition(), -1);
  EXPECT_FALSE(player->isOpen());
  // Resuming starts the pacing again where it was.
  QTest::mousePress(panel->btnPauseAutoPlay, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::mouseRelease(panel->btnPauseAutoPlay, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_FALSE(panel->btnPauseAutoPlay->latched());
  EXPECT_EQ(panel->Label2->text(), "AutoPlay ...");
  EXPECT_TRUE(panel->AutoPlayTimer->isActive());
  EXPECT_EQ(panel->AutoPlayTimer->interval(), 3000);
  EXPECT_FALSE(panel->btnFwd->isEnabled());
}

TEST_F(AutoPlayTest, PauseThreeForwardsAndResumeGoOnThreeHundredMillisecondsLater) {
  startWithPanel([](TestInstallation& inst) {
    QDir().mkpath(inst.filePath("Sound/En/1"));
    ASSERT_TRUE(writeTestWave(inst.filePath("Sound/En/1/A0202.wav"), 1000));
  });
  openBedroom();
  openPanel();
  press(panel->btnAutoPlay);
  panel->AutoPlayTimerTimer();
  ASSERT_EQ(player->fileName(), entrySound(2));
  ASSERT_EQ(player->length(), 1000);
  entryClock.advance(200);
  panel->TrackTimerTimer();
  // The strip shows a fifth of the sound played.
  EXPECT_EQ(panel->strip().pixelColor(20, 3), TfrmTrackAutoPlay::kStripDone);
  EXPECT_EQ(panel->strip().pixelColor(100, 3), TfrmTrackAutoPlay::kStripEmpty);

  QTest::mousePress(panel->btnPauseAutoPlay, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::mouseRelease(panel->btnPauseAutoPlay, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(panel->savedPosition(), 200);
  EXPECT_NE(player->mode(), orvik::WaveMode::Playing);
  EXPECT_FALSE(panel->TrackTimer->isActive());
  EXPECT_FALSE(panel->AutoPlayTimer->isActive());
  entryClock.advance(5000);  // nothing moves while paused
  for (int i = 0; i < 3; ++i) press(panel->btnFwd);
  EXPECT_EQ(panel->savedPosition(), 500);
  EXPECT_EQ(panel->strip().pixelColor(85, 3), TfrmTrackAutoPlay::kStripDone);
  press(panel->btnRew);
  press(panel->btnFwd);
  EXPECT_EQ(panel->savedPosition(), 500);

  QTest::mousePress(panel->btnPauseAutoPlay, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  QTest::mouseRelease(panel->btnPauseAutoPlay, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(player->mode(), orvik::WaveMode::Playing);
  EXPECT_EQ(player->position(), 500);
  EXPECT_TRUE(panel->TrackTimer->isActive());
  entryClock.advance(100);
  EXPECT_EQ(player->position(), 600);
  // Winding stops at the ends of the sound.
  finishSound();
  EXPECT_EQ(panel->AutoPlayTimer->interval(), 1000);
  EXPECT_EQ(currentOrder(), 2);
}

TEST_F(AutoPlayTest, LastAndFirstJumpOnATwelveEntryPage) {
  startWithPanel([](TestInstallation& inst) { cutPage(inst, 401, 12); });
  clickTab(4);
  clickRow(1);
  ASSERT_EQ(w->currentPageCode(), 401);
  openPanel();
  EXPECT_EQ(panel->TrackBarAutoPlay->MaxPos(), 12);
  const QImage before = testControls(w).ImgPages->picture();
  press(panel->btnLast);
  EXPECT_EQ(currentOrder(), 12);
  EXPECT_EQ(panel->TrackBarAutoPlay->Position(), 12);
  EXPECT_EQ(w->lastEntryUnderMouse(), 12);
  EXPECT_NE(testControls(w).ImgPages->picture(), before) << "entry 12 is highlighted";
  EXPECT_TRUE(testControls(w).Timer1->isActive());
  EXPECT_FALSE(testControls(w).btnNextWord->isEnabled());
  EXPECT_TRUE(panel->btnPlay->isEnabled());
  press(panel->btnFirst);
  EXPECT_EQ(currentOrder(), 1);
  EXPECT_EQ(panel->TrackBarAutoPlay->Position(), 1);
  // The track bar's release shows the entry at its position.
  panel->TrackBarAutoPlay->setPosition(7);
  panel->TrackBarAutoPlayMouseUp();
  EXPECT_EQ(currentOrder(), 7);
}

TEST_F(AutoPlayTest, StopRestoresTheMouseLockButtonAsItWas) {
  startWithPanel();
  openBedroom();
  openPanel();
  // Up before: down while playing, up after.
  press(panel->btnAutoPlay);
  EXPECT_TRUE(testControls(w).btnRegime->latched());
  EXPECT_TRUE(w->mouseLocked());
  EXPECT_EQ(testControls(w).ImgPages->cursor().shape(),
            orvik::orvikCursor(orvik::O_FIXPAGE).shape());
  press(panel->btnStopAutoPlay);
  EXPECT_FALSE(testControls(w).btnRegime->latched());
  EXPECT_FALSE(w->mouseLocked());
  EXPECT_FALSE(w->autoPlayRunning());
  EXPECT_TRUE(testControls(w).btnFind->isEnabled());
  EXPECT_FALSE(panel->AutoPlayTimer->isActive());

  // Down before: down after.
  press(testControls(w).btnRegime);
  ASSERT_TRUE(testControls(w).btnRegime->latched());
  press(panel->btnAutoPlay);
  panel->AutoPlayTimerTimer();
  press(panel->btnStopAutoPlay);
  EXPECT_TRUE(testControls(w).btnRegime->latched());
  EXPECT_TRUE(w->mouseLocked());
  EXPECT_EQ(player->mode(), orvik::WaveMode::Stopped);
  EXPECT_FALSE(panel->TrackTimer->isActive());
}

TEST_F(AutoPlayTest, AFrenchInterfaceChangesTheTextsAndHints) {
  startWithPanel();
  openBedroom();
  openPanel();
  data()->settings().setValue(Settings::InterfaceLanguage, 2);
  w->ReloadLanguageNames(orvik::Language::French);
  EXPECT_EQ(panel->Label1->text(), "Control de lecture automatique");
  EXPECT_EQ(panel->Label3->text(), "Langue de lecture automatique:");
  EXPECT_EQ(panel->Label2->text(), "arrêtée");
  EXPECT_GE(panel->Label2->x(), 188);
  EXPECT_GE(panel->Label4->x(), 232);
  EXPECT_EQ(panel->btnFirst->HintName(), "Première entrée");
  press(panel->btnAutoPlay);
  EXPECT_EQ(panel->Label2->text(), "lecture ...");
  QTest::mousePress(panel->btnPauseAutoPlay, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_EQ(panel->Label2->text(), "suspendue");
  press(panel->btnStopAutoPlay);
  EXPECT_EQ(panel->Label2->text(), "arrêtée");
  expectTextsFit();

  data()->settings().setValue(Settings::InterfaceLanguage, 4);
  w->ReloadLanguageNames(orvik::Language::Spanish);
  EXPECT_EQ(panel->Label2->text(), "stop");
  EXPECT_EQ(panel->btnAutoPlay->HintName(), "Reproducción automática");
  data()->settings().setValue(Settings::InterfaceLanguage, 3);
  w->ReloadLanguageNames(orvik::Language::Russian);
  EXPECT_EQ(panel->Label2->text(), "остановлено");
  EXPECT_EQ(panel->btnPlay->HintName(), "Воспроизвести статью");
  EXPECT_GE(panel->Label2->x(), 174);
  expectTextsFit();
  press(panel->btnAutoPlay);
  EXPECT_EQ(panel->Label2->text(), "автопроигрывание ...");
  expectTextsFit();
  press(panel->btnStopAutoPlay);
}

TEST_F(AutoPlayTest, AMissingRecordingEndsAutoPlayAndTheNextTickGivesTheWindowBack) {
  startWithPanel([](TestInstallation& inst) {
    QDir().mkpath(inst.filePath("Sound/En/1"));
    // Entry 3 is not a wave file; entry 4 has no recording at all.
    QFile bad(inst.filePath("Sound/En/1/A0203.wav"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("RIFF this is no wave");
    bad.close();
    ASSERT_TRUE(writeTestWave(inst.filePath("Sound/En/1/A0204.wav"), 40));
  });
  QFile::remove(dir.filePath("Sound/En/1/A0204.wav"));
  openBedroom();
  QFile::remove(dir.filePath("Sound/En/1/A0204.wav"));
  openPanel();
  press(panel->btnAutoPlay);
  panel->AutoPlayTimerTimer();
  finishSound();  // entry 2
  panel->AutoPlayTimerTimer();
  // Entry 3 cannot be decoded: no message, the next entry comes one pause later.
  EXPECT_EQ(currentOrder(), 3);
  EXPECT_TRUE(w->autoPlayRunning());
  EXPECT_TRUE(messages.messages.isEmpty());
  EXPECT_TRUE(panel->AutoPlayTimer->isActive());
  EXPECT_EQ(panel->AutoPlayTimer->interval(), 1000);
  panel->AutoPlayTimerTimer();
  // Entry 4 is missing: the disc message, and auto-play ends.
  EXPECT_EQ(currentOrder(), 4);
  ASSERT_EQ(messages.messages.size(), 1);
  EXPECT_FALSE(w->autoPlayRunning());
  EXPECT_TRUE(panel->btnAutoPlay->isEnabled());
  panel->AutoPlayTimerTimer();
  EXPECT_EQ(currentOrder(), 4);
  EXPECT_FALSE(panel->AutoPlayTimer->isActive());
  EXPECT_TRUE(testControls(w).btnFind->isEnabled());
  EXPECT_FALSE(testControls(w).btnRegime->latched());
  EXPECT_EQ(panel->Label2->text(), "Autoplay Stopped");
}

TEST_F(AutoPlayTest, AnotherChapterStopsAutoPlay) {
  startWithPanel();
  openBedroom();
  openPanel();
  press(panel->btnAutoPlay);
  panel->AutoPlayTimerTimer();
  ASSERT_TRUE(w->autoPlayRunning());
  clickTab(4);
  EXPECT_FALSE(w->autoPlayRunning());
  EXPECT_FALSE(panel->AutoPlayTimer->isActive());
  EXPECT_EQ(panel->Label2->text(), "Autoplay Stopped");
  EXPECT_NE(player->mode(), orvik::WaveMode::Playing);
}

// The panel belongs to the page view: it made way over the page list and the chapters,
// covering the chapter picture, and its button showed beside it when a page came back.
TEST_F(AutoPlayTest, ThePanelStepsAsideOutsideThePageViewAndComesBackWhereItStood) {
  startWithPanel();
  openBedroom();
  openPanel();
  panel->move(panel->pos() + QPoint(30, -20));  // the user dragged it
  const QPoint placed = panel->pos();
  press(panel->btnAutoPlay);
  panel->AutoPlayTimerTimer();
  ASSERT_TRUE(w->autoPlayRunning());

  // To the page list, by the chapter's tab (auto-play locks the bottom row's buttons).
  clickTab(1);
  ASSERT_EQ(w->view(), TForm1::View::PageList);
  EXPECT_FALSE(panel->isVisible()) << "the panel would cover the chapter picture";
  EXPECT_FALSE(w->autoPlayRunning());
  EXPECT_FALSE(testControls(w).btnAutoPlayPanel->isVisible());
  const QRect picture(testControls(w).ImgChapter->mapToGlobal(QPoint(0, 0)),
                      testControls(w).ImgChapter->size());
  EXPECT_TRUE(testControls(w).ImgChapter->isVisible());
  EXPECT_FALSE(picture.intersects(panel->frameGeometry()) && panel->isVisible());

  // Back on a page: the panel is open again where the user left it, its button hidden.
  clickRow(2);
  ASSERT_EQ(w->view(), TForm1::View::Page);
  EXPECT_TRUE(panel->isVisible());
  EXPECT_EQ(panel->pos(), placed);
  EXPECT_FALSE(testControls(w).btnAutoPlayPanel->isVisible());
  EXPECT_EQ(panel->Label2->text(), "Autoplay Stopped");

  // Closed by the user, it stays closed through the next visit; the button is back.
  press(panel->btnClose);
  click(testControls(w).btnBackToPages, QPoint(10, 10));
  ASSERT_EQ(w->view(), TForm1::View::PageList);
  clickRow(2);
  EXPECT_FALSE(panel->isVisible());
  EXPECT_TRUE(testControls(w).btnAutoPlayPanel->isVisible());
}

// After maximise and restore the panel stood 10 pixels above the picture's bottom place, and
// the settings dialog opened too high.
TEST_F(AutoPlayTest, MaximiseAndRestorePlaceThePanelAndTheSettingsDialogAsTheFrameStands) {
  startWithPanel();
  openBedroom();
  openPanel();
  const QPoint normal = panel->pos();
  const auto maximisedPlace = [&] {
    const QPoint main = testControls(w).pnlMain->mapToGlobal(QPoint(0, 0));
    return QPoint(main.x() + testControls(w).PanelForImg->x() - 5,
                  main.y() + testControls(w).pnlMain->height() - 115 - 29);
  };
  click(testControls(w).btnMaximize, QPoint(7, 7));
  ASSERT_TRUE(w->frame()->isMaximized());
  EXPECT_TRUE(QTest::qWaitFor([&] { return panel->pos() == maximisedPlace(); }, 2000))
      << "the panel stays at " << panel->pos().x() << "," << panel->pos().y();
  click(testControls(w).btnRestore, QPoint(7, 7));
  ASSERT_FALSE(w->frame()->isMaximized());
  EXPECT_TRUE(QTest::qWaitFor([&] { return panel->pos() == normal; }, 2000))
      << "the panel stays at " << panel->pos().x() << "," << panel->pos().y();

  // The settings dialog opens at its place over the restored window.
  bool placed = false;
  QTimer::singleShot(0, settings, [&] {
    const QRect main = w->frameGeometry();
    EXPECT_EQ(settings->pos(), QPoint(main.left() + 31, main.top() + 564 - 300 - 34));
    placed = settings->isVisible();
    settings->btnCancel->click();
  });
  click(testControls(w).btnNumberLang, QPoint(10, 10));
  EXPECT_TRUE(placed);
}

TEST_F(AutoPlayTest, KeysInThePanelGoToTheMainWindow) {
  startWithPanel();
  openBedroom();
  openPanel();
  TfrmExit* exitDialog = program->parts().exitDialog;
  ASSERT_NE(exitDialog, nullptr);
  int asked = 0;
  auto* watch = new QTimer(panel);
  watch->setInterval(5);
  QObject::connect(watch, &QTimer::timeout, panel, [&] {
    if (!exitDialog->isVisible()) return;
    ++asked;
    exitDialog->setModalResult(orvik::BorderlessForm::mrCancel);
    exitDialog->hide();
  });
  watch->start();
  // Alt+F4 on the panel during auto-play does nothing, not even close the panel.
  press(panel->btnAutoPlay);
  QTest::keyClick(panel, Qt::Key_F4, Qt::AltModifier);
  EXPECT_EQ(asked, 0);
  panel->close();
  EXPECT_TRUE(panel->isVisible());
  press(panel->btnStopAutoPlay);
  // Afterwards it reaches the main window's exit confirmation.
  QTest::keyClick(panel, Qt::Key_F4, Qt::AltModifier);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(w->isVisible());
  watch->stop();
}

TEST_F(AutoPlayTest, EveryEntrySoundOfTheMainWindowShowsOnTheStrip) {
  startWithPanel();
  openBedroom();
  openPanel();
  click(w->entryPanes()->soundButton(1), QPoint(5, 5));
  EXPECT_TRUE(panel->btnPauseAutoPlay->isEnabled());
  EXPECT_FALSE(panel->btnAutoPlay->isEnabled());
  EXPECT_TRUE(panel->TrackTimer->isActive());
  // Half the sound played fills half the strip.
  entryClock.advance(player->length() / 2);
  panel->TrackTimerTimer();
  EXPECT_EQ(panel->strip().pixelColor(40, 3), TfrmTrackAutoPlay::kStripDone);
  EXPECT_EQ(panel->strip().pixelColor(120, 3), TfrmTrackAutoPlay::kStripEmpty);
  finishSound();
  EXPECT_FALSE(panel->TrackTimer->isActive());
  EXPECT_TRUE(panel->btnPlay->isEnabled()) << "the end of a single sound makes the panel idle";
  EXPECT_EQ(panel->strip().pixelColor(40, 3), TfrmTrackAutoPlay::kStripEmpty);

  // The panel's own play button pronounces in the auto-play language.
  press(panel->btnPlay);
  EXPECT_EQ(player->fileName(), entrySound(1));
  EXPECT_EQ(player->mode(), orvik::WaveMode::Playing);
  EXPECT_FALSE(panel->btnPlay->isEnabled());
}

TEST_F(AutoPlayTest, TheClickPronunciationBoxGatesTheLeftClick) {
  startWithPanel();
  openBedroom();
  ASSERT_FALSE(settings->chBoxOnClick->isHidden()) << "one sound language shows the box";
  const QPoint spot = spotOf(2);
  moveTo(testControls(w).ImgPages, spot);
  data()->settings().setValue(Settings::OnClickFlag, 0);
  click(testControls(w).ImgPages, spot);
  EXPECT_FALSE(player->isOpen());
  data()->settings().setValue(Settings::OnClickFlag, 1);
  click(testControls(w).ImgPages, spot);
  EXPECT_EQ(player->fileName(), entrySound(2));
}

// ---------------------------------------------------------------------------------------------
// Through the test run's private sound server, with the program's own devices on real time.

class AutoPlayServerTest : public AutoPlayTest {
 protected:
  void SetUp() override {
    AutoPlayTest::SetUp();
    if (!soundserver::reachable()) GTEST_SKIP() << soundserver::kSkipReason;
  }
  void startOnTheServer() {
    waveDevices = [this]() -> std::unique_ptr<orvik::WaveDevice> {
      auto device = orvik::createWaveDevice();
      if (!player) player = device.get();
      return device;
    };
    start();
    panel = program->parts().autoPlayPanel;
    settings = program->parts().settingsDialog;
    data()->settings().setValue(Settings::AutoPlayPause, 1);
    // Interface sounds would only make the test wait.
    data()->settings().setValue(Settings::SoundEffects, 0);
  }
};

TEST_F(AutoPlayServerTest, AnEntrySoundAndAutoPlayAreHeardAtTheServer) {
  startOnTheServer();
  soundserver::MonitorRecorder monitor;
  ASSERT_TRUE(monitor.running());
  openBedroom();
  openPanel();
  monitor.reset();
  click(w->entryPanes()->soundButton(1), QPoint(5, 5));
  ASSERT_EQ(player->fileName(), entrySound(1));
  const std::optional<orvik::WaveData> file = orvik::readWave(entrySound(1), false);
  ASSERT_TRUE(file.has_value());
  EXPECT_EQ(player->length(), file->lengthMs());
  // While it plays: the server lists its stream, its samples reach the null sink, and the
  // panel's track timer draws the real position on the strip.
  bool listed = false, heard = false, drawn = false;
  (void)QTest::qWaitFor(
      [&] {
        listed = listed || !soundserver::sinkInputs().isEmpty();
        heard = heard || monitor.heardSound();
        drawn = drawn || panel->strip().pixelColor(2, 3) == TfrmTrackAutoPlay::kStripDone;
        return listed && heard && drawn;
      },
      5000);
  EXPECT_TRUE(listed);
  EXPECT_TRUE(heard);
  EXPECT_TRUE(drawn);
  // At its end the panel goes idle.
  EXPECT_TRUE(QTest::qWaitFor([&] { return panel->btnPlay->isEnabled(); }, 5000));
  EXPECT_EQ(player->position(), player->length());

  // Auto-play from entry 5 of 6: entry 6 is heard, then it stops.
  w->btnNextWordClick();
  w->btnNextWordClick();
  w->btnNextWordClick();
  w->btnNextWordClick();
  ASSERT_EQ(currentOrder(), 5);
  monitor.reset();
  press(panel->btnAutoPlay);
  EXPECT_TRUE(QTest::qWaitFor([&] { return player->fileName() == entrySound(6); }, 5000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return monitor.heardSound(); }, 5000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !w->autoPlayRunning(); }, 10000));
  EXPECT_EQ(currentOrder(), 6);
  EXPECT_EQ(panel->Label2->text(), "Autoplay Stopped");
  EXPECT_TRUE(QTest::qWaitFor([] { return soundserver::sinkInputs().isEmpty(); }, 5000))
      << "no stream is left at the server";
}
