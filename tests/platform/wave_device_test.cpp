// The wave device's clock (length from the file, position advancing while playing, pause,
// resume, stop, play from a position, the end) on the silent device with a hand-moved clock,
// and the play-a-wave call cutting the previous sound.

#include "platform/wave_device.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QThread>

#include "platform/wave_player.h"
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

TEST_F(WaveDeviceTest, TheMachineGetsTheDeviceItsOutputAllowsWithTheSameClock) {
  std::unique_ptr<orvik::WaveDevice> made = orvik::createWaveDevice(&clock);
  const bool hasOutput = !QMediaDevices::audioOutputs().isEmpty();
  EXPECT_EQ(dynamic_cast<SilentWaveDevice*>(made.get()) != nullptr, !hasOutput);
  EXPECT_EQ(dynamic_cast<orvik::AudioWaveDevice*>(made.get()) != nullptr, hasOutput);

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
