// The wave device's clock (length from the file, position advancing while playing, pause,
// resume, stop, play from a position, the end) on the silent device with a hand-moved clock,
// and the play-a-wave call cutting the previous sound. Through the test run's private sound
// server: the program's device plays a stream the server lists, its samples reach the null
// sink's monitor, and a server that appears after the first sound is used from the next one.

#include "platform/wave_device.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "platform/wave_player.h"
#include "sound/sound_server.h"
#include "wave_file.h"

using orvik::ManualWaveClock;
using orvik::SilentWaveDevice;
using orvik::WaveMode;
using orvik::WavePlayer;

class WaveDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(writeTestWave(dir.filePath("a.wav"), 1500));
    ASSERT_TRUE(writeTestWave(dir.filePath("b.wav"), 250));
  }
  QTemporaryDir dir;
  ManualWaveClock clock;
  SilentWaveDevice device{&clock};
};

TEST_F(WaveDeviceTest, LengthComesFromTheFileAndNothingIsReadyBeforeOpening) {
  EXPECT_EQ(device.mode(), WaveMode::NotReady);
  EXPECT_EQ(device.length(), 0);
  EXPECT_FALSE(device.play(0));
  EXPECT_FALSE(device.open(dir.filePath("missing.wav")));
  EXPECT_FALSE(device.isOpen());

  QFile junk(dir.filePath("junk.wav"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("RIFF this is not a wave file at all");
  junk.close();
  EXPECT_FALSE(device.open(junk.fileName()));

  ASSERT_TRUE(device.open(dir.filePath("a.wav")));
  EXPECT_EQ(device.length(), 1500);
  EXPECT_EQ(device.position(), 0);
  EXPECT_EQ(device.mode(), WaveMode::Stopped);
  ASSERT_TRUE(device.open(dir.filePath("b.wav")));
  EXPECT_EQ(device.length(), 250);
  EXPECT_EQ(device.fileName(), dir.filePath("b.wav"));
}

TEST_F(WaveDeviceTest, PositionFollowsTheClockThroughPauseResumeAndStop) {
  ASSERT_TRUE(device.open(dir.filePath("a.wav")));
  ASSERT_TRUE(device.play(0));
  EXPECT_EQ(device.mode(), WaveMode::Playing);
  clock.advance(400);
  EXPECT_EQ(device.position(), 400);

  device.pause();
  EXPECT_EQ(device.mode(), WaveMode::Paused);
  clock.advance(5000);  // a paused sound does not move, nor end
  EXPECT_EQ(device.position(), 400);
  EXPECT_EQ(device.mode(), WaveMode::Paused);

  device.resume();
  clock.advance(100);
  EXPECT_EQ(device.position(), 500);
  EXPECT_EQ(device.mode(), WaveMode::Playing);

  device.stop();
  clock.advance(300);
  EXPECT_EQ(device.mode(), WaveMode::Stopped);
  EXPECT_EQ(device.position(), 500);
  device.resume();  // only a paused sound resumes
  EXPECT_EQ(device.mode(), WaveMode::Stopped);
}

TEST_F(WaveDeviceTest, PlaysFromAPositionAndStopsAtTheEnd) {
  ASSERT_TRUE(device.open(dir.filePath("a.wav")));
  ASSERT_TRUE(device.play(1200));
  EXPECT_EQ(device.position(), 1200);
  clock.advance(299);
  EXPECT_EQ(device.mode(), WaveMode::Playing);
  EXPECT_EQ(device.position(), 1499);
  clock.advance(1);
  EXPECT_EQ(device.mode(), WaveMode::Stopped);
  EXPECT_EQ(device.position(), 1500);
  clock.advance(1000);
  EXPECT_EQ(device.position(), 1500);

  // Start positions outside the sound are held to it.
  ASSERT_TRUE(device.play(-50));
  EXPECT_EQ(device.position(), 0);
  ASSERT_TRUE(device.play(99999));
  EXPECT_EQ(device.mode(), WaveMode::Stopped);
  EXPECT_EQ(device.position(), 1500);

  device.close();
  EXPECT_EQ(device.mode(), WaveMode::NotReady);
  EXPECT_EQ(device.position(), 0);
}

TEST_F(WaveDeviceTest, SilentDeviceRunsOnRealTimeWithoutAClock) {
  SilentWaveDevice real;
  ASSERT_TRUE(real.open(dir.filePath("b.wav")));
  QElapsedTimer t;
  t.start();
  ASSERT_TRUE(real.play(0));
  while (real.mode() == WaveMode::Playing && t.elapsed() < 3000) QThread::msleep(5);
  EXPECT_EQ(real.mode(), WaveMode::Stopped);
  EXPECT_GE(t.elapsed(), 240);
  EXPECT_LT(t.elapsed(), 2000);
}

TEST_F(WaveDeviceTest, ANewCallCutsThePreviousSoundAndNoFileSilences) {
  auto owned = std::make_unique<SilentWaveDevice>(&clock);
  WavePlayer player(std::move(owned));
  ASSERT_TRUE(player.playWave(dir.filePath("a.wav"), WavePlayer::Mode::Asynchronous));
  EXPECT_EQ(player.playing(), dir.filePath("a.wav"));
  clock.advance(100);
  ASSERT_TRUE(player.playWave(dir.filePath("b.wav"), WavePlayer::Mode::Asynchronous));
  EXPECT_EQ(player.playing(), dir.filePath("b.wav"));
  EXPECT_EQ(player.device()->position(), 0);

  ASSERT_TRUE(player.playWave(QString(), WavePlayer::Mode::Asynchronous));
  EXPECT_TRUE(player.playing().isEmpty());

  // A missing file cuts the previous sound too, and says it failed.
  ASSERT_TRUE(player.playWave(dir.filePath("a.wav"), WavePlayer::Mode::Asynchronous));
  EXPECT_FALSE(player.playWave(dir.filePath("missing.wav"), WavePlayer::Mode::Asynchronous));
  EXPECT_TRUE(player.playing().isEmpty());
}

TEST_F(WaveDeviceTest, ASynchronousCallReturnsWhenTheSoundHasEnded) {
  WavePlayer player(std::make_unique<SilentWaveDevice>());
  QElapsedTimer t;
  t.start();
  ASSERT_TRUE(player.playWave(dir.filePath("b.wav"), WavePlayer::Mode::Synchronous));
  EXPECT_GE(t.elapsed(), 240);
  EXPECT_LT(t.elapsed(), 1200);
  EXPECT_TRUE(player.playing().isEmpty());

  // A clock that stands still cannot keep the call waiting for ever.
  WavePlayer stuck(std::make_unique<SilentWaveDevice>(&clock));
  t.restart();
  ASSERT_TRUE(stuck.playWave(dir.filePath("b.wav"), WavePlayer::Mode::Synchronous));
  EXPECT_LT(t.elapsed(), 3000);
}

TEST_F(WaveDeviceTest, TheProgramsDeviceKeepsTheSameClockWithOrWithoutAnOutput) {
  std::unique_ptr<orvik::WaveDevice> made = orvik::createWaveDevice(&clock);
  ASSERT_NE(dynamic_cast<orvik::AudioWaveDevice*>(made.get()), nullptr);

  ASSERT_TRUE(made->open(dir.filePath("a.wav")));
  ASSERT_TRUE(made->play(100));
  clock.advance(200);
  EXPECT_EQ(made->position(), 300);
  made->pause();
  clock.advance(200);
  made->resume();
  clock.advance(50);
  EXPECT_EQ(made->position(), 350);
  made->stop();
  EXPECT_EQ(made->mode(), WaveMode::Stopped);
  made->close();
  EXPECT_EQ(made->mode(), WaveMode::NotReady);
}

// ---------------------------------------------------------------------------------------------
// Through the sound server

class WaveDeviceServerTest : public WaveDeviceTest {
 protected:
  void SetUp() override {
    WaveDeviceTest::SetUp();
    if (!soundserver::reachable()) GTEST_SKIP() << soundserver::kSkipReason;
  }
};

TEST_F(WaveDeviceServerTest, ASoundReachesTheServerAndThePositionFollowsIt) {
  soundserver::MonitorRecorder monitor;
  ASSERT_TRUE(monitor.running());
  std::unique_ptr<orvik::WaveDevice> made = orvik::createWaveDevice();
  auto* audio = dynamic_cast<orvik::AudioWaveDevice*>(made.get());
  ASSERT_NE(audio, nullptr);
  ASSERT_TRUE(made->open(dir.filePath("a.wav")));
  EXPECT_EQ(made->length(), 1500) << "the length of the file's 12000 frames at 8000 Hz";
  monitor.reset();
  ASSERT_TRUE(made->play(0));
  EXPECT_TRUE(audio->audible());
  EXPECT_TRUE(QTest::qWaitFor([] { return !soundserver::sinkInputs().isEmpty(); }, 5000))
      << "the server lists the stream while it plays";
  EXPECT_TRUE(QTest::qWaitFor([&] { return monitor.heardSound(); }, 5000))
      << "samples reach the null sink";
  EXPECT_TRUE(QTest::qWaitFor([&] { return made->position() >= 300; }, 3000));
  // Pause, resume and stop act on a playing sound: start it again for them.
  ASSERT_TRUE(made->play(0));
  EXPECT_EQ(made->mode(), WaveMode::Playing);
  made->pause();
  const qint64 held = made->position();
  EXPECT_EQ(made->mode(), WaveMode::Paused);
  made->resume();
  EXPECT_GE(made->position(), held);
  made->stop();
  EXPECT_TRUE(QTest::qWaitFor([] { return soundserver::sinkInputs().isEmpty(); }, 5000))
      << "a stopped sound leaves the server";
  // Played to its end, the sound stops by itself at its length.
  ASSERT_TRUE(made->play(1300));
  EXPECT_TRUE(QTest::qWaitFor([&] { return made->mode() == WaveMode::Stopped; }, 3000));
  EXPECT_EQ(made->position(), 1500);
}

// Run in a child process whose runtime folder holds no server at first (see below): Qt's
// connection to the server is made once per process.
TEST_F(WaveDeviceTest, ChildUsesTheServerOnceItAppears) {
  const QByteArray later = qgetenv("ORVIK_SERVER_RUNTIME");
  if (later.isEmpty()) GTEST_SKIP() << "runs only as the child of OutputAppearingLaterIsUsed";
  std::unique_ptr<orvik::WaveDevice> made = orvik::createWaveDevice();
  auto* audio = dynamic_cast<orvik::AudioWaveDevice*>(made.get());
  ASSERT_NE(audio, nullptr);
  ASSERT_TRUE(made->open(qEnvironmentVariable("ORVIK_CHILD_WAVE")));
  // No server yet: the sound is silent, its clock runs.
  ASSERT_TRUE(made->play(0));
  EXPECT_FALSE(audio->audible());
  EXPECT_EQ(made->mode(), WaveMode::Playing);
  made->stop();
  // The server appears; the next sound goes to it.
  qputenv("XDG_RUNTIME_DIR", later);
  ASSERT_TRUE(made->play(0));
  EXPECT_TRUE(audio->audible());
  EXPECT_TRUE(QTest::qWaitFor([] { return !soundserver::sinkInputs().isEmpty(); }, 5000));
  made->stop();
}

TEST_F(WaveDeviceServerTest, OutputAppearingLaterIsUsed) {
  QTemporaryDir empty;
  ASSERT_TRUE(empty.isValid());
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("ORVIK_SERVER_RUNTIME", env.value("XDG_RUNTIME_DIR"));
  env.insert("XDG_RUNTIME_DIR", empty.path());
  env.insert("ORVIK_CHILD_WAVE", dir.filePath("a.wav"));
  env.remove("PULSE_SERVER");
  QProcess child;
  child.setProcessEnvironment(env);
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_filter=WaveDeviceTest.ChildUsesTheServerOnceItAppears"});
  ASSERT_TRUE(child.waitForFinished(30000));
  const QString out = QString::fromUtf8(child.readAllStandardOutput());
  EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
  EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
  EXPECT_FALSE(out.contains("SKIPPED")) << out.toStdString();
}
