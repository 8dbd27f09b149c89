// Sound playback in the running program on the small installation with sounds: the entry sound
// buttons, the page-name and chapter-name buttons, the disc message of a missing recording and
// the interface sounds. The devices are silent ones on clocks the tests move.

#include "sound/sound_playback.h"

#include <QDir>
#include <QFile>

#include "app/settings_file.h"
#include "browse/browse_fixture.h"
#include "browse/entry_panes.h"
#include "browse/picture_box.h"
#include "controls/orvik_btn98.h"
#include "platform/wave_device.h"
#include "platform/wave_player.h"
#include "sound/auto_play_panel.h"
#include "sound/main_window_sound.h"

namespace {

// Moves on a little every time it is read, so synchronous sounds end at once.
class TickingClock final : public orvik::WaveClock {
 public:
  qint64 nowMs() const override { return now_ += 25; }

 private:
  mutable qint64 now_ = 0;
};

const QString kEnglishMessage = QStringLiteral(
    "Please make sure that the Orvik Demo disc is inserted\rin your CD-drive and try again.");
const QString kRussianMessage = QStringLiteral(
    "Пожалуйста убедитесь, что диск \"Orvik Demo\"\rнаходится в приводе CD-ROM, и попробуйте "
    "\rпроиграть звук снова.");

}  // namespace

class SoundPlaybackTest : public BrowseTest {
 protected:
  void startWithSound(const std::function<void(TestInstallation&)>& prepare = {}) {
    int made = 0;
    waveDevices = [this, made]() mutable -> std::unique_ptr<orvik::WaveDevice> {
      auto device = std::make_unique<orvik::SilentWaveDevice>(
          made++ == 0 ? static_cast<orvik::WaveClock*>(&entryClock) : &namesClock);
      (made == 1 ? entryDevice : nameDevice) = device.get();
      return device;
    };
    start(prepare);
    ps = program->parts().sound;
    ASSERT_NE(ps, nullptr);
  }
  QString sound(const QString& relative) const { return dir.filePath(relative); }
  void setInterface(int language) {
    data()->settings().setValue(Settings::InterfaceLanguage, language);
  }

  orvik::ManualWaveClock entryClock;
  TickingClock namesClock;
  orvik::WaveDevice* entryDevice = nullptr;
  orvik::WaveDevice* nameDevice = nullptr;
  MainWindowSound* ps = nullptr;
};

TEST_F(SoundPlaybackTest, TheProgramStartsWithTheSoundHandOver) {
  StartupEnvironment e;
  e.currentDir = dir.path();
  e.discs = &discs;
  e.messages = &messages;
  e.splashMs = 20;
  e.waitMs = 10;
  program = std::make_unique<OrvikProgram>(std::move(e));
  ASSERT_TRUE(program->start());
  EXPECT_NE(dynamic_cast<MainWindowSound*>(program->mainWindow()->handOver().sound), nullptr);
}

TEST_F(SoundPlaybackTest, EntrySoundButtonPlaysTheEntryThroughTheMediaPlayer) {
  startWithSound();
  openBedroom();
  TfrmTrackAutoPlay* panel = program->parts().autoPlayPanel;
  ASSERT_FALSE(panel->TrackTimer->isActive());

  // The auto-play panel follows the sound: playing button set, track timer on.
  click(w->entryPanes()->soundButton(1), QPoint(5, 5));
  EXPECT_EQ(entryDevice->fileName(), sound("Sound/En/1/A0201.wav"));
  EXPECT_EQ(entryDevice->mode(), orvik::WaveMode::Playing);
  EXPECT_GT(entryDevice->length(), 0);
  EXPECT_TRUE(panel->TrackTimer->isActive());
  EXPECT_TRUE(panel->btnStopAutoPlay->isEnabled());
  EXPECT_FALSE(panel->btnPlay->isEnabled());
  entryClock.advance(120);
  EXPECT_EQ(entryDevice->position(), 120);

  // The next entry stops the sound; pronouncing it plays its own recording from the start.
  w->btnNextWordClick();
  EXPECT_EQ(entryDevice->mode(), orvik::WaveMode::Stopped);
  w->PronounceEntry(orvik::Language::English);
  EXPECT_EQ(entryDevice->fileName(), sound("Sound/En/1/A0202.wav"));
  EXPECT_EQ(entryDevice->position(), 0);
  // Another language's button plays that language's recording, cutting the previous one.
  w->PronounceEntry(orvik::Language::Russian);
  EXPECT_EQ(entryDevice->fileName(), sound("Sound/Ru/1/A0202.wav"));
  EXPECT_EQ(entryDevice->mode(), orvik::WaveMode::Playing);
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(SoundPlaybackTest, ALeftClickOnThePicturePronouncesInThePronunciationLanguage) {
  startWithSound();
  data()->settings().setValue(Settings::PronunciationLanguage, 3);
  openBedroom();
  const QPoint spot = spotOf(2);
  ASSERT_GE(spot.x(), 0);
  moveTo(testControls(w).ImgPages, spot);
  click(testControls(w).ImgPages, spot);
  EXPECT_EQ(entryDevice->fileName(), sound("Sound/Ru/1/A0202.wav"));
  EXPECT_EQ(entryDevice->mode(), orvik::WaveMode::Playing);
}

TEST_F(SoundPlaybackTest, NothingIsPronouncedFromAnEmptyPane) {
  startWithSound();
  openBedroom();
  w->ClearEntryPanes();
  w->PronounceEntry(orvik::Language::English);
  click(w->entryPanes()->soundButton(1), QPoint(5, 5));
  EXPECT_FALSE(entryDevice->isOpen());
  w->SyncEntryPanes();
  w->PronounceEntry(orvik::Language::English);
  EXPECT_TRUE(entryDevice->isOpen());
}

TEST_F(SoundPlaybackTest, NothingIsPronouncedWhileAutoPlayRuns) {
  startWithSound();
  openBedroom();  // opening a chapter stops auto-play, so it starts here
  w->setAutoPlayRunning(true);
  click(w->entryPanes()->soundButton(1), QPoint(5, 5));
  w->PronounceEntry(orvik::Language::English);
  EXPECT_FALSE(entryDevice->isOpen());
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(SoundPlaybackTest, PageAndChapterNameButtonsPlayTheNamesOfTheInterfaceLanguage) {
  startWithSound();
  openBedroom();
  click(testControls(w).btnSoundPage, QPoint(5, 5));
  EXPECT_EQ(nameDevice->fileName(), sound("Sound/En/Chpg/A0200.wav"));
  EXPECT_EQ(nameDevice->mode(), orvik::WaveMode::Playing);

  // Blanks around the chapter's caption do not hide the chapter.
  testControls(w).lblChapterName->setText(testControls(w).lblChapterName->text() +
                                          QStringLiteral("   "));
  click(testControls(w).btnSoundChapter, QPoint(5, 5));
  EXPECT_EQ(nameDevice->fileName(), sound("Sound/En/Chpg/A00.wav"));

  // A caption naming no chapter plays nothing and says nothing.
  testControls(w).lblChapterName->setText(QStringLiteral("No such chapter"));
  nameDevice->close();
  click(testControls(w).btnSoundChapter, QPoint(5, 5));
  EXPECT_FALSE(nameDevice->isOpen());
  EXPECT_TRUE(messages.messages.isEmpty());

  // Stopping all sounds cuts the entry sound and the name sound.
  click(testControls(w).btnSoundPage, QPoint(5, 5));
  w->PronounceEntry(orvik::Language::English);
  ps->stopAllSounds();
  EXPECT_EQ(entryDevice->mode(), orvik::WaveMode::Stopped);
  EXPECT_NE(nameDevice->mode(), orvik::WaveMode::Playing);
}

TEST_F(SoundPlaybackTest, AMissingRecordingShowsTheDiscMessageInTheInterfaceLanguage) {
  startWithSound([](TestInstallation& inst) {
    QDir(inst.filePath("Sound/En/1")).removeRecursively();
    QDir(inst.filePath("Sound/Ru/1")).removeRecursively();
    QDir(inst.filePath("Sound/Fr/1")).removeRecursively();
    QDir(inst.filePath("Sound/Fr/Chpg")).removeRecursively();
  });
  openBedroom();
  TfrmTrackAutoPlay* panel = program->parts().autoPlayPanel;
  using Result = SoundPlayback::EntrySound;

  // A sound button puts the panel in its playing set; the missing recording makes it idle and
  // clears the auto-play-running flag.
  w->setAutoPlayRunning(true);
  panel->setPlaying();
  EXPECT_EQ(ps->playback()->playEntrySound(orvik::Language::English), Result::Missing);
  ASSERT_EQ(messages.messages.size(), 1);
  EXPECT_EQ(messages.messages[0].kind, orvik::MessageKind::Information);
  EXPECT_EQ(messages.messages[0].text, kEnglishMessage);
  EXPECT_FALSE(w->autoPlayRunning());
  EXPECT_TRUE(panel->btnPlay->isEnabled());
  EXPECT_FALSE(panel->btnStopAutoPlay->isEnabled());
  EXPECT_FALSE(entryDevice->isOpen());

  setInterface(3);
  EXPECT_EQ(ps->playback()->playEntrySound(orvik::Language::Russian), Result::Missing);
  ASSERT_EQ(messages.messages.size(), 2);
  EXPECT_EQ(messages.messages[1].text, kRussianMessage);

  // French and Spanish interfaces get the message in their own language too.
  setInterface(2);
  w->ReloadLanguageNames(orvik::Language::French);
  EXPECT_EQ(ps->playback()->playEntrySound(orvik::Language::English), Result::Missing);
  ASSERT_EQ(messages.messages.size(), 3);
  EXPECT_EQ(messages.messages[2].text, SoundPlayback::discMessage(orvik::Language::French));
  EXPECT_TRUE(messages.messages[2].text.contains(QStringLiteral("Orvik Demo")));
  EXPECT_TRUE(messages.messages[2].text.contains(QStringLiteral("\rdans votre lecteur")));
  setInterface(4);
  EXPECT_EQ(ps->playback()->playEntrySound(orvik::Language::English), Result::Missing);
  ASSERT_EQ(messages.messages.size(), 4);
  EXPECT_EQ(messages.messages[3].text, SoundPlayback::discMessage(orvik::Language::Spanish));
  EXPECT_TRUE(messages.messages[3].text.contains(QStringLiteral("disco Orvik Demo")));
  for (orvik::Language language : orvik::Language::all())
    EXPECT_EQ(SoundPlayback::discMessage(language).count(QLatin1Char('\r')),
              language == orvik::Language::Russian ? 2 : 1);

  // Without the data folder under the current directory the sounds are not expected on a disc.
  setInterface(1);
  ASSERT_TRUE(QFile::rename(dir.filePath("ODataBase/PctInfo.ort"), dir.filePath("elsewhere.ort")));
  EXPECT_EQ(ps->playback()->playEntrySound(orvik::Language::English), Result::Missing);
  EXPECT_EQ(messages.messages.size(), 4);
}

TEST_F(SoundPlaybackTest, ALanguageWithoutItsTablePronouncesNothingAndReportsNothing) {
  startWithSound();
  openBedroom();
  data()->tblWordNameFr->close();
  data()->tblPageNameEn->close();
  EXPECT_EQ(ps->playback()->playEntrySound(orvik::Language::French),
            SoundPlayback::EntrySound::NoTable);
  EXPECT_FALSE(ps->playback()->playPageNameSound());
  EXPECT_FALSE(entryDevice->isOpen());
  EXPECT_TRUE(messages.messages.isEmpty());
  EXPECT_FALSE(orvik::Application::terminated());
}

TEST_F(SoundPlaybackTest, ARecordingOnADiscIsFoundWhenTheInstallationLacksIt) {
  QTemporaryDir disc;
  ASSERT_TRUE(disc.isValid());
  startWithSound([&](TestInstallation& inst) {
    QDir().mkpath(disc.filePath("SOUND/EN/1"));
    ASSERT_TRUE(
        QFile::copy(inst.filePath("Sound/En/1/A0201.wav"), disc.filePath("SOUND/EN/1/a0201.wav")));
    QDir(inst.filePath("Sound/En/1")).removeRecursively();
  });
  discs = orvik::FixedDiscs({disc.path()});
  openBedroom();
  EXPECT_EQ(ps->playback()->playEntrySound(orvik::Language::English),
            SoundPlayback::EntrySound::Played);
  EXPECT_EQ(entryDevice->fileName(), disc.filePath("SOUND/EN/1/a0201.wav"));
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(SoundPlaybackTest, ClickAndPageTurnSoundOnlyWithSoundEffectsOn) {
  startWithSound();
  data()->settings().setValue(Settings::SoundEffects, 0);
  openBedroom();
  ps->playClickSound();
  ps->playPageTurnSound();
  EXPECT_FALSE(nameDevice->isOpen());

  data()->settings().setValue(Settings::SoundEffects, 1);
  ps->playClickSound();
  EXPECT_EQ(nameDevice->fileName(), sound("1.wav"));
  EXPECT_EQ(nameDevice->mode(), orvik::WaveMode::Stopped);  // synchronous: it has ended
  EXPECT_EQ(nameDevice->position(), nameDevice->length());
  click(testControls(w).btnNextPage, QPoint(5, 5));
  EXPECT_EQ(nameDevice->fileName(), sound("2.wav"));
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(SoundPlaybackTest, ARecordingThatDoesNotDecodeSaysItIsDamagedAndLeavesThePanelIdle) {
  startWithSound([](TestInstallation& inst) {
    // Entry 1 cut off inside its header, entry 2 cut off right after it.
    for (const char* name : {"Sound/En/1/A0201.wav", "Sound/En/1/A0202.wav"}) {
      QDir().mkpath(inst.filePath("Sound/En/1"));
      ASSERT_TRUE(writeTestWave(inst.filePath(name), 500));
    }
    ASSERT_TRUE(QFile::resize(inst.filePath("Sound/En/1/A0201.wav"), 20));
    ASSERT_TRUE(QFile::resize(inst.filePath("Sound/En/1/A0202.wav"), 44));
  });
  openBedroom();
  TfrmTrackAutoPlay* panel = program->parts().autoPlayPanel;
  click(w->entryPanes()->soundButton(1), QPoint(5, 5));
  EXPECT_FALSE(entryDevice->isOpen());
  EXPECT_TRUE(panel->btnPlay->isEnabled()) << "the panel does not wait for a sound";
  EXPECT_FALSE(panel->TrackTimer->isActive());
  // The user asked for it: the recording is damaged, not on a disc to insert.
  ASSERT_EQ(messages.messages.size(), 1);
  EXPECT_EQ(messages.messages[0].text,
            SoundPlayback::damagedMessage(
                orvik::Language::English,
                QDir::toNativeSeparators(dir.filePath("Sound/En/1/A0201.wav"))));
  EXPECT_TRUE(messages.messages[0].text.startsWith("The recording\r"));
  // Auto-play's way of asking goes on in silence.
  w->btnNextWordClick();
  EXPECT_EQ(ps->playback()->playEntrySound(orvik::Language::English),
            SoundPlayback::EntrySound::Unplayable);
  EXPECT_FALSE(entryDevice->isOpen());
  EXPECT_EQ(messages.messages.size(), 1);
}
