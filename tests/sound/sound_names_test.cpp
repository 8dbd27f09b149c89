// How recordings are named and where they are looked for.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/optical_discs.h"
#include "sound/sound_playback.h"

TEST(SoundNames, EntryPageAndChapterNames) {
  EXPECT_EQ(SoundPlayback::chapterLetter(1), "A");
  EXPECT_EQ(SoundPlayback::chapterLetter(3), "C");
  EXPECT_EQ(SoundPlayback::chapterLetter(15), "O");

  EXPECT_EQ(SoundPlayback::entryName(305, 7), "C0507");
  EXPECT_EQ(SoundPlayback::entryName(1204, 12), "L0412");
  EXPECT_EQ(SoundPlayback::entryName(305, 9), "C0509");
  EXPECT_EQ(SoundPlayback::entryName(305, 10), "C0510");
  EXPECT_EQ(SoundPlayback::pageNamePart(10105), "JA5");
  EXPECT_EQ(SoundPlayback::pageNamePart(12113), "LB3");
  EXPECT_EQ(SoundPlayback::entryName(10105, 3), "JA503");
  // A fourth digit other than 0 or 1 leaves the chapter letter alone.
  EXPECT_EQ(SoundPlayback::pageNamePart(10125), "J");
  // Four digits take the third and fourth, three the second and third.
  EXPECT_EQ(SoundPlayback::pageNamePart(1517), "O17");
  EXPECT_EQ(SoundPlayback::pageNamePart(999), "I99");

  EXPECT_EQ(SoundPlayback::pageSoundName(305), "C0500");
  EXPECT_EQ(SoundPlayback::chapterSoundName(3), "C00");
  EXPECT_EQ(SoundPlayback::chapterSoundName(12), "L00");

  // Codes of no known shape name nothing rather than a wrong file.
  EXPECT_EQ(SoundPlayback::pageNamePart(42), "");
  EXPECT_EQ(SoundPlayback::pageNamePart(123456), "");
  EXPECT_EQ(SoundPlayback::chapterLetter(0), "");

  EXPECT_EQ(SoundPlayback::languageFolder(orvik::Language::English), "En");
  EXPECT_EQ(SoundPlayback::languageFolder(orvik::Language::French), "Fr");
  EXPECT_EQ(SoundPlayback::languageFolder(orvik::Language::Russian), "Ru");
  EXPECT_EQ(SoundPlayback::languageFolder(orvik::Language::Spanish), "Sp");
}

class SoundSearch : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(here.isValid() && disc1.isValid() && disc2.isValid()); }
  static void put(const QTemporaryDir& base, const QString& relative) {
    const QString path = base.filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  QString find() const {
    return SoundPlayback::findSoundFile(here.path(), &discs, "En", "3/C0507.wav");
  }
  QTemporaryDir here, disc1, disc2;
  orvik::FixedDiscs discs{{disc1.path(), disc2.path()}};
};

TEST_F(SoundSearch, CurrentDirectoryFirstThenEachDiscInOrder) {
  EXPECT_EQ(find(), "");
  put(disc2, "Sound/En/3/C0507.wav");
  EXPECT_EQ(find(), disc2.filePath("Sound/En/3/C0507.wav"));
  put(disc1, "Sound/En/3/C0507.wav");
  EXPECT_EQ(find(), disc1.filePath("Sound/En/3/C0507.wav"));
  put(here, "Sound/En/3/C0507.wav");
  EXPECT_EQ(find(), here.filePath("Sound/En/3/C0507.wav"));
  // Another language's folder is not looked into.
  EXPECT_EQ(SoundPlayback::findSoundFile(here.path(), &discs, "Fr", "3/C0507.wav"), "");
  EXPECT_EQ(SoundPlayback::findSoundFile(here.path(), nullptr, "En", "3/C0507.wav"),
            here.filePath("Sound/En/3/C0507.wav"));
}

TEST_F(SoundSearch, NamesMatchInAnyLetterCase) {
  put(disc1, "SOUND/en/3/c0507.WAV");
  EXPECT_EQ(find(), disc1.filePath("SOUND/en/3/c0507.WAV"));
  // A folder where the file should be is no file.
  QDir().mkpath(here.filePath("Sound/En/3/C0507.wav"));
  EXPECT_EQ(find(), disc1.filePath("SOUND/en/3/c0507.WAV"));
}
