// The settings file byte by byte and the installation command line.

#include "app/settings_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/application.h"
#include "platform/message_boxes.h"

namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    orvik::Application::reset();
    ASSERT_TRUE(dir.isValid());
  }
  void TearDown() override { orvik::Application::reset(); }

  QByteArray fileBytes() const {
    QFile f(dir.filePath("Settings.orv"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void writeFile(const QByteArray& bytes) {
    QFile f(dir.filePath("Settings.orv"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }
  Settings make() { return Settings(dir.path(), &messages); }

  QTemporaryDir dir;
  orvik::RecordingMessageBoxes messages;
};

TEST_F(SettingsFileTest, MissingFileIsCreatedWithTheDefaults) {
  Settings s = make();
  ASSERT_TRUE(s.read());
  const QByteArray bytes = fileBytes();
  ASSERT_EQ(bytes.size(), 32);
  EXPECT_EQ(bytes[0], 0);
  const int expected[32] = {0, 1, 0, 0, 0, 0, 1, 0, 1, 1, 1, 1, 0, 4, 2, 1,
                            0, 1, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1};
  for (int n = 0; n < 32; ++n) EXPECT_EQ(static_cast<int>(bytes[n]), expected[n]) << "byte " << n;
  for (int n = 1; n <= 31; ++n) EXPECT_EQ(s.value(n), expected[n]) << "setting " << n;
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(SettingsFileTest, ShortFileLeavesTheLaterSettingsAsTheyWere) {
  Settings s = make();
  for (int n = 1; n <= 31; ++n) s.setValue(n, 100 + n);
  QByteArray twenty(20, '\0');
  for (int n = 1; n < 20; ++n) twenty[n] = static_cast<char>(n);
  writeFile(twenty);
  ASSERT_TRUE(s.read());
  for (int n = 1; n < 20; ++n) EXPECT_EQ(s.value(n), n);
  for (int n = 20; n <= 31; ++n) EXPECT_EQ(s.value(n), 100 + n) << "setting " << n;
  EXPECT_EQ(fileBytes(), twenty) << "reading never writes";
}

TEST_F(SettingsFileTest, LongFileIsReadUpToByte31) {
  QByteArray forty(40, '\x07');
  forty[31] = 9;
  forty[32] = 42;
  writeFile(forty);
  Settings s = make();
  ASSERT_TRUE(s.read());
  EXPECT_EQ(s.value(31), 9);
  EXPECT_EQ(s.value(32), 0);
}

TEST_F(SettingsFileTest, SaveCopiesTheControlsFirstAndKeepsByteZero) {
  struct Controls : SettingsControls {
    Settings* s = nullptr;
    void copyControlsToSettings() override { s->setValue(Settings::FontSize, 9); }
    void copySettingsToControls() override {}
  } controls;
  QByteArray bytes(32, '\0');
  bytes[0] = 77;
  writeFile(bytes);
  Settings s = make();
  controls.s = &s;
  s.setControls(&controls);
  ASSERT_TRUE(s.read());
  ASSERT_TRUE(s.save());
  EXPECT_EQ(fileBytes()[13], 9);
  EXPECT_EQ(fileBytes()[0], 77);
}

TEST_F(SettingsFileTest, FrenchAndSpanishWithSoundsInstallation) {
  Settings s = make();
  ASSERT_TRUE(s.applyCommandLine({"1s", "6s"}));
  EXPECT_FALSE(orvik::Application::terminated());
  const QByteArray b = fileBytes();
  ASSERT_EQ(b.size(), 32);
  EXPECT_EQ(b[1], 0);
  EXPECT_EQ(b[2], 1);
  EXPECT_EQ(b[6], 0);
  EXPECT_EQ(b[7], 1);
  EXPECT_EQ(b[8], 2) << "interface language French";
  EXPECT_EQ(b[9], 2);
  EXPECT_EQ(b[10], 2);
  EXPECT_EQ(b[14], 2);
  EXPECT_EQ(b[15], 0);
  EXPECT_EQ(b[16], 1);
  EXPECT_EQ(b[17], 0);
  EXPECT_EQ(b[18], 1);
  EXPECT_EQ(b[22], 2);
  EXPECT_EQ(b[24], 1);
  EXPECT_EQ(b[26], 1);
  EXPECT_EQ(b[30], 1);
  EXPECT_EQ(b[31], 1);
  // A new file takes the defaults for the user's bytes: pause 1, no effects, font size 4.
  EXPECT_EQ(b[11], 1);
  EXPECT_EQ(b[12], 0);
  EXPECT_EQ(b[13], 4);
  EXPECT_EQ(s.installedList, (std::array<int, 4>{1, 6, -1, -1}));
  EXPECT_EQ(s.soundList, (std::array<int, 4>{1, 6, -1, -1}));
  EXPECT_FALSE(s.installed(1));
  EXPECT_TRUE(s.installed(2));
  EXPECT_TRUE(s.installed(4));
}

TEST_F(SettingsFileTest, InstallationKeepsTheUserBytes) {
  QByteArray bytes(32, '\0');
  bytes[11] = 7;
  bytes[12] = 1;
  bytes[13] = 3;
  bytes[3] = 1;  // a stray byte in an unused language place is cleared
  writeFile(bytes);
  Settings s = make();
  ASSERT_TRUE(s.applyCommandLine({"5", "0s"}));
  const QByteArray b = fileBytes();
  EXPECT_EQ(b[11], 7);
  EXPECT_EQ(b[12], 1);
  EXPECT_EQ(b[13], 3);
  EXPECT_EQ(b[3], 0);
  EXPECT_EQ(b[8], 3) << "the first installed place is Russian";
  EXPECT_EQ(b[9], 1) << "the first sound place is English";
  EXPECT_EQ(b[22], 1);
  EXPECT_EQ(b[23], 1);
  EXPECT_EQ(b[25], 0);
}

TEST_F(SettingsFileTest, NoSoundsIsSilenceAndEndsTheProgram) {
  Settings s = make();
  EXPECT_FALSE(s.applyCommandLine({"0", "5"}));
  ASSERT_EQ(messages.messages.size(), 1);
  EXPECT_EQ(messages.messages[0].text, QString("The rest is silence."));
  EXPECT_EQ(messages.messages[0].kind, orvik::MessageKind::Information);
  EXPECT_TRUE(orvik::Application::terminated());
  EXPECT_NE(orvik::Application::exitCode(), 0);
  // The installation bytes are still written.
  EXPECT_EQ(fileBytes()[14], 2);
  EXPECT_EQ(fileBytes()[22], 0);
}

TEST_F(SettingsFileTest, ArgumentNotStartingWithADigitLeavesTheFileUntouched) {
  QByteArray bytes(32, '\x01');
  writeFile(bytes);
  Settings s = make();
  EXPECT_FALSE(s.applyCommandLine({"0s", "-x"}));
  EXPECT_TRUE(orvik::Application::terminated());
  EXPECT_NE(orvik::Application::exitCode(), 0);
  ASSERT_EQ(messages.messages.size(), 1);
  EXPECT_TRUE(messages.messages[0].text.contains("-x"));
  EXPECT_EQ(fileBytes(), bytes);
}

TEST_F(SettingsFileTest, DigitNamingNoLanguageOrALanguageTwiceIsRefusedBeforeTheFile) {
  // "2s" named no language and gave an installation without chapters; "0s 0s" showed English
  // twice. Both are refused like a malformed argument, the file left as it was.
  QByteArray bytes(32, '\x01');
  writeFile(bytes);
  const QList<QStringList> refused{{"2s"}, {"0s", "3"}, {"0s", "0s"}, {"5", "1s", "5s"}};
  for (const QStringList& args : refused) {
    orvik::Application::reset();
    messages.messages.clear();
    Settings s = make();
    EXPECT_FALSE(s.applyCommandLine(args)) << args.join(' ').toStdString();
    EXPECT_TRUE(orvik::Application::terminated());
    EXPECT_NE(orvik::Application::exitCode(), 0);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].kind, orvik::MessageKind::Warning);
    // The message names the argument at fault and what it did wrong.
    const QString text = messages.messages[0].text;
    EXPECT_TRUE(text.contains(args.last())) << text.toStdString();
    EXPECT_TRUE(
        text.contains(args.size() == 1 || args[1] == "3" ? "names no language" : "second time"))
        << text.toStdString();
    EXPECT_EQ(fileBytes(), bytes);
  }
  // The four languages once each, in any order, are accepted.
  orvik::Application::reset();
  Settings s = make();
  ASSERT_TRUE(s.applyCommandLine({"6", "5s", "1", "0s"}));
  EXPECT_EQ(s.value(Settings::InstalledCount), 4);
  EXPECT_EQ(s.value(Settings::InterfaceLanguage), 4);
}

TEST_F(SettingsFileTest, ShownLanguagesAreSortedSlotsWithEmptyPlacesFirst) {
  Settings s = make();
  ASSERT_TRUE(s.read());
  s.deriveShownLanguages();
  EXPECT_EQ(s.shownList, (std::array<int, 4>{-1, -1, 0, 5}));
  EXPECT_TRUE(s.shown(1));
  EXPECT_FALSE(s.shown(2));
  EXPECT_TRUE(s.shown(3));
  s.setValue(Settings::ShownSp, 1);
  s.setValue(Settings::ShownFr, 1);
  s.deriveShownLanguages();
  EXPECT_EQ(s.shownList, (std::array<int, 4>{0, 1, 5, 6}));
}

TEST_F(SettingsFileTest, WithoutArgumentsTheListsComeFromTheFile) {
  Settings s = make();
  ASSERT_TRUE(s.applyCommandLine({}));
  EXPECT_EQ(s.installedList, (std::array<int, 4>{0, 5, -1, -1}));
  EXPECT_EQ(s.soundList, (std::array<int, 4>{0, -1, -1, -1}));
}

TEST(LanguageNumbering, FixedTablesBetweenSlotsNumbersAndCodes) {
  EXPECT_EQ(orvik::lang::numberOfSlot(5), 3);
  EXPECT_EQ(orvik::lang::numberOfSlot(6), 4);
  EXPECT_EQ(orvik::lang::numberOfSlot(2), 255);
  EXPECT_EQ(orvik::lang::slotOfNumber(2), 1);
  EXPECT_EQ(orvik::lang::codeOfNumber(4), QString("Sp"));
}

}  // namespace
