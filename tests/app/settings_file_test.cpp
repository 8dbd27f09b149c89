// The settings file byte by byte and the installation command line.

#include "app/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "platform/application.h"
#include "platform/message_boxes.h"
#include "schema/language.h"

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
  Settings make() { return Settings(dir.path()); }
  static orvik::Result apply(Settings& s, const QStringList& arguments) {
    return s.applyCommandLine(Settings::parseCommandLine(arguments));
  }
  // The file a first start creates: English and Russian installed, sounds in English.
  static QByteArray defaultFile() {
    const int bytes[32] = {0, 1, 0, 0, 0, 0, 1, 0, 1, 1, 1, 1, 0, 4, 2, 1,
                           0, 1, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1};
    QByteArray file(32, '\0');
    for (int n = 0; n < 32; ++n) file[n] = static_cast<char>(bytes[n]);
    return file;
  }

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
  // What an earlier read left in bytes 20 to 31 (sounds in English and French).
  const int earlier[12] = {7, 9, 2, 1, 1, 0, 0, 5, 6, 8, 1, 0};
  for (int n = 20; n <= 31; ++n) s.setValue(n, earlier[n - 20]);
  // Bytes 1 to 19: English and French installed and shown, French interface, pause 3, font 6.
  const int first[20] = {0, 1, 1, 0, 0, 0, 0, 0, 2, 2, 1, 3, 1, 6, 2, 1, 1, 0, 0, 4};
  QByteArray twenty(20, '\0');
  for (int n = 1; n < 20; ++n) twenty[n] = static_cast<char>(first[n]);
  writeFile(twenty);
  ASSERT_TRUE(s.read());
  for (int n = 1; n < 20; ++n) EXPECT_EQ(s.value(n), first[n]) << "setting " << n;
  for (int n = 20; n <= 31; ++n) EXPECT_EQ(s.value(n), earlier[n - 20]) << "setting " << n;
  EXPECT_EQ(fileBytes(), twenty) << "reading never writes";
}

TEST_F(SettingsFileTest, LongFileIsReadUpToByte31) {
  QByteArray forty = defaultFile() + QByteArray(8, '\x07');
  forty[31] = 9;
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
  QByteArray bytes = defaultFile();
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
  ASSERT_TRUE(apply(s, {"1s", "6s"}));
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
  EXPECT_FALSE(s.installed(orvik::Language::English));
  EXPECT_TRUE(s.installed(orvik::Language::French));
  EXPECT_TRUE(s.installed(orvik::Language::Spanish));
}

TEST_F(SettingsFileTest, InstallationKeepsTheUserBytes) {
  QByteArray bytes(32, '\0');
  bytes[11] = 7;
  bytes[12] = 1;
  bytes[13] = 3;
  bytes[3] = 1;  // a stray byte in an unused language place is cleared
  writeFile(bytes);
  Settings s = make();
  ASSERT_TRUE(apply(s, {"5", "0s"}));
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

TEST_F(SettingsFileTest, NoSoundsIsSilenceAndWritesNothing) {
  // The installation would end the program after its message: the file stays as it was (it
  // was rewritten to the silent installation, wiping the installed languages).
  const QByteArray bytes = defaultFile();
  writeFile(bytes);
  Settings s = make();
  const orvik::Result r = apply(s, {"0", "5"});
  ASSERT_FALSE(r);
  EXPECT_EQ(r.failure().text, QString("The rest is silence."));
  EXPECT_EQ(r.failure().kind, orvik::MessageKind::Information);
  EXPECT_EQ(r.failure().status, orvik::ExitStatus::Silence);
  EXPECT_EQ(fileBytes(), bytes);
  EXPECT_FALSE(orvik::Application::terminated())
      << "the start-up ends the program, not the settings";
}

TEST_F(SettingsFileTest, AnyRefusedArgumentLeavesTheFileUntouched) {
  // "2s" named no language and gave an installation without chapters; "0s 0s" showed English
  // twice; "0x", "0ss" and "0s" followed by junk were taken as "0" or "0s", and trailing
  // arguments after four were never looked at. All are refused whole, the file as it was.
  QByteArray bytes(32, '\x01');
  writeFile(bytes);
  struct Case {
    QStringList args;
    const char* fault;
  };
  const QList<Case> refused{
      {{"0s", "-x"}, "Invalid installation argument \"-x\""},
      {{"0x"}, "Invalid installation argument \"0x\""},
      {{"0ss"}, "Invalid installation argument \"0ss\""},
      {{"5", "0s\nmore"}, "Invalid installation argument \"0s?more\""},
      {{"0s", ""}, "Invalid installation argument \"\""},
      {{QString::fromUtf8("\u0663s")}, "Invalid installation argument"},  // an Arabic-Indic 3
      {{"0s", "1", "5", "6", "junk"}, "Invalid installation argument \"junk\""},
      {{"2s"}, "\"2s\" names no language"},
      {{"0s", "3"}, "\"3\" names no language"},
      {{"0s", "0s"}, "\"0s\" names a language a second time"},
      {{"5", "1s", "5s"}, "\"5s\" names a language a second time"},
      {{"0s", "1", "5", "6", "0"}, "\"0\" names a language a second time"},
  };
  for (const Case& c : refused) {
    const Settings::CommandLine line = Settings::parseCommandLine(c.args);
    ASSERT_TRUE(line.refusal) << c.args.join(' ').toStdString();
    EXPECT_EQ(line.refusal->status, orvik::ExitStatus::BadArgument);
    EXPECT_EQ(line.refusal->kind, orvik::MessageKind::Warning);
    EXPECT_TRUE(line.refusal->text.contains(QLatin1String(c.fault)))
        << line.refusal->text.toStdString();
    Settings s = make();
    EXPECT_FALSE(s.applyCommandLine(line));
    EXPECT_EQ(fileBytes(), bytes);
  }
  // A long argument is quoted short: 100 kB of junk after "0s" gives a message that fits.
  const auto longJunk = Settings::parseCommandLine({"0s" + QString(100000, 'j')});
  ASSERT_TRUE(longJunk.refusal);
  EXPECT_LT(longJunk.refusal->text.size(), 300);
  EXPECT_TRUE(messages.messages.isEmpty()) << "the settings show nothing themselves";
  // The four languages once each, in any order, are accepted.
  Settings s = make();
  ASSERT_TRUE(apply(s, {"6", "5s", "1", "0s"}));
  EXPECT_EQ(s.value(Settings::InstalledCount), 4);
  EXPECT_EQ(s.value(Settings::InterfaceLanguage), 4);
}

TEST_F(SettingsFileTest, ShownLanguagesAreSortedSlotsWithEmptyPlacesFirst) {
  Settings s = make();
  ASSERT_TRUE(s.read());
  s.deriveShownLanguages();
  EXPECT_EQ(s.shownList, (std::array<int, 4>{-1, -1, 0, 5}));
  EXPECT_TRUE(s.shown(orvik::Language::English));
  EXPECT_FALSE(s.shown(orvik::Language::French));
  EXPECT_TRUE(s.shown(orvik::Language::Russian));
  s.setValue(Settings::ShownSp, 1);
  s.setValue(Settings::ShownFr, 1);
  s.deriveShownLanguages();
  EXPECT_EQ(s.shownList, (std::array<int, 4>{0, 1, 5, 6}));
}

TEST_F(SettingsFileTest, WithoutArgumentsTheListsComeFromTheFile) {
  Settings s = make();
  ASSERT_TRUE(apply(s, {}));
  EXPECT_EQ(s.installedList, (std::array<int, 4>{0, 5, -1, -1}));
  EXPECT_EQ(s.soundList, (std::array<int, 4>{0, -1, -1, -1}));
}

TEST_F(SettingsFileTest, EveryByteIsReadIntoRangeAndSavedInRange) {
  struct Case {
    QList<std::pair<int, int>> bytes;  // over the default file
    QList<std::pair<int, int>> read;   // what the settings then hold
  };
  const QList<Case> cases = {
      // A font size of 200 and a pause of 200; an interface language of 9.
      {{{13, 200}, {11, 200}, {8, 9}}, {{13, 15}, {11, 10}, {8, 1}}},
      // Both at 0; French chosen but not installed; Russian pronounced but without sounds;
      // auto-play in no language.
      {{{13, 0}, {11, 0}, {8, 2}, {9, 3}, {10, 255}}, {{13, 1}, {11, 1}, {8, 1}, {9, 1}, {10, 1}}},
      // Russian is the interface language and is kept; panes shown for French (not installed)
      // and in the unused places; a Spanish sound flag without Spanish; a count of 9.
      {{{8, 3}, {2, 1}, {4, 1}, {26, 1}, {14, 9}}, {{8, 3}, {2, 0}, {4, 0}, {26, 0}, {14, 2}}},
      // No pane shown (byte 1 is 7, not 1): every installed language is.
      {{{1, 7}, {6, 0}}, {{1, 1}, {6, 1}}},
      // English is no longer installed: Russian takes the interface, nothing is pronounced.
      {{{15, 0}, {14, 1}}, {{8, 3}, {9, 255}, {10, 255}, {1, 0}, {6, 1}, {22, 0}, {23, 0}}},
  };
  for (const Case& c : cases) {
    QByteArray bytes = defaultFile();
    for (auto [n, v] : c.bytes) bytes[n] = static_cast<char>(v);
    writeFile(bytes);
    Settings s = make();
    ASSERT_TRUE(apply(s, {}));
    for (auto [n, v] : c.read) EXPECT_EQ(s.value(n), v) << "byte " << n;
    // The languages as the windows ask for them: the interface's always installed; a sound
    // language with its sounds, or none where the byte says 255.
    EXPECT_TRUE(s.installed(s.interfaceLanguage()));
    EXPECT_EQ(s.interfaceLanguage().number(), s.value(Settings::InterfaceLanguage));
    for (const auto& [language, n] :
         {std::pair{s.pronunciationLanguage(), Settings::PronunciationLanguage},
          std::pair{s.autoPlayLanguage(), Settings::AutoPlayLanguage}}) {
      EXPECT_EQ(language.has_value(), s.value(n) != 255) << "byte " << n;
      EXPECT_TRUE(!language || s.hasSounds(*language)) << "byte " << n;
    }
    // The settings dialog's controls may hold a value outside the bars' range too.
    s.setValue(Settings::FontSize, 99);
    ASSERT_TRUE(s.save());
    const QByteArray saved = fileBytes();
    EXPECT_EQ(int(saved[Settings::FontSize]), 15);
    for (auto [n, v] : c.read) {
      if (n == Settings::FontSize) continue;
      EXPECT_EQ(int(static_cast<unsigned char>(saved[n])), v) << n;
    }
  }
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(SettingsFileTest, FileNamingNoInstalledLanguageEndsTheStartAndWritesNothing) {
  QByteArray random(32, '\0');
  for (int n = 0; n < 32; ++n) random[n] = static_cast<char>((n * 77 + 13) % 256);
  random[Settings::InterfaceLanguage] = 2;  // French: the message is in French
  const QList<QByteArray> files{QByteArray(), defaultFile().left(5), random};
  for (const QByteArray& file : files) {
    orvik::Application::reset();
    messages.messages.clear();
    writeFile(file);
    Settings s = make();
    const orvik::Result r = apply(s, {});
    ASSERT_FALSE(r);
    EXPECT_EQ(r.failure().status, orvik::ExitStatus::NoLanguage);
    const QString text = r.failure().text;
    EXPECT_TRUE(text.contains(s.filePath())) << text.toStdString();
    EXPECT_TRUE(text.contains("\r    orvik 0s 5")) << "an example of the installation command";
    EXPECT_TRUE(text.startsWith(file == random ? "Le fichier de réglages" : "The settings file"))
        << text.toStdString();
    EXPECT_EQ(fileBytes(), file) << "nothing is written";
  }
}

TEST_F(SettingsFileTest, ReadOnlyInstallationKeepsItsSettingsInTheConfigurationFolder) {
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  const QString userFile = config.filePath("orvik/Settings.orv");
  QByteArray installed = defaultFile();
  installed[Settings::FontSize] = 7;
  writeFile(installed);
  const auto readOnly = QFile::ReadOwner | QFile::ExeOwner;
  const auto writable = readOnly | QFile::WriteOwner;
  ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnly));
  {
    // The first start begins from the installation's file.
    Settings s = make();
    EXPECT_TRUE(s.relocated()) << "a folder without write bits is read-only, also for root";
    EXPECT_EQ(s.filePath(), userFile);
    ASSERT_TRUE(apply(s, {}));
    EXPECT_EQ(s.value(Settings::FontSize), 7);
    QFile f(userFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), installed);
    s.setValue(Settings::FontSize, 9);
    ASSERT_TRUE(s.save());
  }
  {
    // A later start reads the user's file; the installation command line writes there too.
    Settings s = make();
    ASSERT_TRUE(apply(s, {}));
    EXPECT_EQ(s.value(Settings::FontSize), 9);
    ASSERT_TRUE(apply(s, {"1s", "6"}));
    EXPECT_TRUE(s.installed(orvik::Language::French));
    EXPECT_TRUE(s.installed(orvik::Language::Spanish));
    EXPECT_EQ(s.value(Settings::FontSize), 9);
  }
  EXPECT_EQ(fileBytes(), installed) << "the installation is never written";
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Settings.orv"});
  EXPECT_TRUE(messages.messages.isEmpty());

  // A configuration folder that cannot be written: one failure that lets the program go on
  // (saying why, with the path), then the settings in memory, writing nothing.
  ASSERT_TRUE(QFile::remove(userFile));
  ASSERT_TRUE(QFile::setPermissions(config.filePath("orvik"), readOnly));
  {
    Settings s = make();
    const orvik::Result first = apply(s, {});
    ASSERT_FALSE(first);
    EXPECT_FALSE(first.failure().endsProgram());
    EXPECT_TRUE(first.failure().text.contains(userFile));
    EXPECT_TRUE(first.failure().text.contains("You have no permission to write there."));
    EXPECT_EQ(s.value(Settings::FontSize), 7);
    ASSERT_TRUE(s.read());
    ASSERT_TRUE(s.save()) << "told once";
  }
  EXPECT_FALSE(QFile::exists(userFile));
  QFile::setPermissions(config.filePath("orvik"), writable);
  QFile::setPermissions(dir.path(), writable);
  // A writable installation keeps its file where it is.
  EXPECT_FALSE(make().relocated());
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(Settings::configFolder(), QDir::homePath() + "/.config/orvik");
}

TEST_F(SettingsFileTest, ReadOnlyFileInAWritableFolderIsReplacedAndStaysReadOnly) {
  // The superuser may write any file, so the save runs in a child as an ordinary user, who
  // could not save a read-only file by writing into it.
  writeFile(defaultFile());
  const QByteArray file = QFile::encodeName(dir.filePath("Settings.orv"));
  ASSERT_EQ(::chmod(file.constData(), 0444), 0);
  const bool root = ::getuid() == 0;
  constexpr uid_t kNobody = 65534;
  if (root) {
    ASSERT_EQ(::chown(QFile::encodeName(dir.path()).constData(), kNobody, kNobody), 0);
    ASSERT_EQ(::chown(file.constData(), kNobody, kNobody), 0);
  }
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (root && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(2);
    Settings s(dir.path());
    if (!s.read()) ::_exit(3);
    s.setValue(Settings::FontSize, 9);
    ::_exit(s.save() ? 0 : 4);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "2: no ordinary user, 3: read, 4: save failed";
  EXPECT_EQ(fileBytes()[Settings::FontSize], 9);
  struct stat st {};
  ASSERT_EQ(::stat(file.constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Settings.orv"});
}

TEST_F(SettingsFileTest, AFailedSaveSaysWhyInTheInterfaceLanguageOnce) {
  // The file's folder is taken away after the start: the save cannot write beside the file.
  const char* const starts[4] = {
      "Your settings could not be saved in\r", "Vos réglages n'ont pas pu être enregistrés dans\r",
      "Не удалось сохранить настройки в\r", "No se pudo guardar la configuración en\r"};
  for (int language = 1; language <= 4; ++language) {
    QDir gone(dir.filePath("gone"));
    ASSERT_TRUE(gone.mkpath("."));
    Settings s(gone.path());
    ASSERT_TRUE(s.read());
    for (int n = Settings::InstalledEn; n <= Settings::InstalledSp; ++n) s.setValue(n, 1);
    s.setValue(Settings::InterfaceLanguage, language);
    ASSERT_TRUE(gone.removeRecursively());
    const orvik::Result first = s.save();
    ASSERT_FALSE(first);
    EXPECT_FALSE(first.failure().endsProgram());
    const QString text = first.failure().text;
    EXPECT_TRUE(text.startsWith(QString::fromUtf8(starts[language - 1]) +
                                gone.filePath("Settings.orv") + "\r\r"))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromLocal8Bit(std::strerror(ENOENT)))) << text.toStdString();
    EXPECT_FALSE(text.contains('%')) << text.toStdString();
    EXPECT_TRUE(s.save()) << "told once a session";
  }
}

TEST(LanguageNumbering, FixedTablesBetweenSlotsNumbersAndCodes) {
  EXPECT_EQ(orvik::Language::fromSlot(5)->number(), 3);
  EXPECT_EQ(orvik::Language::fromSlot(6)->number(), 4);
  EXPECT_FALSE(orvik::Language::fromSlot(2).has_value());
  EXPECT_EQ(orvik::Language::fromNumber(2)->slot(), 1);
  EXPECT_EQ(orvik::Language::fromNumber(4)->code(), QStringView(u"Sp"));
  EXPECT_EQ(orvik::Language::fromTranslationIndex(1), orvik::Language(orvik::Language::Russian));
  EXPECT_EQ(orvik::translationIndexOfNumber(2), 2);
  EXPECT_EQ(orvik::languageNumberOfIndex(4), -1);
}

}  // namespace
