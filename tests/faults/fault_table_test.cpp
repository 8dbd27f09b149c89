// The fault table: the program started on a fresh copy of the small installation damaged in one
// way per row. Each row checks the message the user is shown, the exit status, and that no file
// of the installation, of the user's configuration folder or of a folder outside both (where
// links point and printouts go) changed, except the files the row names as written on purpose.

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <csignal>
#include <optional>

#include "browse/entry_panes.h"
#include "browse/orvik_word.h"
#include "browse_fixture.h"
#include "controls/orvik_track_bar.h"
#include "lang/settings_dialog.h"
#include "platform/printer.h"
#include "program/settings_binding.h"

namespace {

const QString kSettingsError = QStringLiteral(
    "An error occurred while trying to access file Settings.orv.\rPlease reinstall the program "
    "or contact your vendor.");
const QString kDbError = QStringLiteral(
    "An error occurred while addressing Orvik DataBase.\rPlease make sure that Orvik Dictionary "
    "disc is inserted in your CD-drive.\rIf the problem persists, you may have to reinstall the "
    "program.");

// A valid settings file: English, French and Russian installed, sounds in English and Russian.
QByteArray goodSettings() {
  QByteArray b(32, '\0');
  for (int n : {1, 6, 8, 9, 10, 15, 16, 17, 23, 25, 30, 31}) b[n] = 1;
  b[Settings::AutoPlayPause] = 2;
  b[Settings::FontSize] = 4;
  b[Settings::InstalledCount] = 3;
  b[Settings::SoundCount] = 2;
  return b;
}

// Every file under a folder by relative path, with the checksum of its content; a link by its
// target, a pipe or device by its kind (never opened: a pipe would wait for a writer).
QMap<QString, QByteArray> checksums(const QString& folder) {
  QMap<QString, QByteArray> sums;
  QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    const QString name = path.mid(folder.size() + 1);
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
      sums[name] = "gone";
    } else if (S_ISLNK(st.st_mode)) {
      sums[name] = "link to " + QFile::encodeName(QFile::symLinkTarget(path));
    } else if (!S_ISREG(st.st_mode)) {
      sums[name] = "special file";
    } else {
      QFile f(path);
      sums[name] = f.open(QIODevice::ReadOnly)
                       ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                       : QByteArray("unreadable");
    }
  }
  return sums;
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  f.write(bytes);
}

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Cuts a file of the installation to half its length.
void halve(TestInstallation& inst, const QString& relative) {
  inst.makeWritable(relative);
  ASSERT_TRUE(
      QFile::resize(inst.filePath(relative), QFileInfo(inst.filePath(relative)).size() / 2));
}

class FaultTable;

struct FaultRow {
  const char* name;
  // Damages the copied installation before the checksums are taken.
  std::function<void(FaultTable&)> prepare = {};
  // The one message expected (empty: none); checked as a prefix when `prefixOnly`.
  QString message = {};
  bool prefixOnly = false;
  bool started = false;  // the main window came up
  bool success = false;  // exit status 0
  // Files written on purpose, relative to the installation, or "config:" + relative to the
  // configuration folder.
  QStringList written = {};
  // Files of the installation removed on purpose.
  QStringList removed = {};
  // The installation command line.
  QStringList arguments = {};
  // Drives the running program before it is closed (rows that start).
  std::function<void(FaultTable&)> act = {};
  // Checks what the program left, after it ended.
  std::function<void(FaultTable&)> after = {};
};

// Rows are named by their name in test listings.
void PrintTo(const FaultRow& row, std::ostream* os) {
  *os << row.name;
}

class FaultTable : public BrowseTest, public ::testing::WithParamInterface<FaultRow> {
 public:
  using BrowseTest::click;
  using BrowseTest::data;
  using BrowseTest::dir;
  using BrowseTest::messages;
  using BrowseTest::openBedroom;
  using BrowseTest::program;
  using BrowseTest::w;

  void SetUp() override {
    BrowseTest::SetUp();
    ASSERT_TRUE(config.isValid());
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    for (const char* language : {"En", "Fr", "Ru", "Sp"})
      for (int order = 1; order <= 6; ++order) {
        const QString file = dir.filePath(QStringLiteral("Sound/%1/1/A02%2.wav")
                                              .arg(QLatin1String(language))
                                              .arg(order, 2, 10, QLatin1Char('0')));
        QDir().mkpath(QFileInfo(file).path());
        ASSERT_TRUE(writeTestWave(file, 40));
      }
    writeFile(settingsPath(), goodSettings());
  }
  void TearDown() override {
    restoreFileSizeLimit();
    if (mounted_) ::umount2(QFile::encodeName(configOrvik()).constData(), MNT_DETACH);
    // The folders are made writable again so that they can be removed.
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QFile::setPermissions(dir.path(), all);
    QFile::setPermissions(configOrvik(), all);
    BrowseTest::TearDown();
    qunsetenv("XDG_CONFIG_HOME");
  }

  QString settingsPath() const { return dir.filePath(QStringLiteral("Settings.orv")); }
  QString configOrvik() const { return config.filePath(QStringLiteral("orvik")); }

  // Starts the program as its main() does and, when the main window comes up, runs `act` and
  // closes the window as the exit dialog's Yes does. Returns the exit status.
  int launch(const std::function<void(FaultTable&)>& act, const QStringList& arguments) {
    StartupEnvironment e = testEnvironment();
    e.arguments = arguments;
    e.makePrintService = [this]() -> std::unique_ptr<orvik::PrintService> {
      return std::make_unique<orvik::PdfPrintService>(outside.path());
    };
    program = std::make_unique<OrvikProgram>(std::move(e));
    if (!program->start())
      return orvik::Application::exitCode() ? orvik::Application::exitCode() : 1;
    w = program->mainWindow();
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
    if (act) act(*this);
    w->close();
    restoreFileSizeLimit();
    return orvik::Application::exitCode();
  }

  // Files this process writes stop growing at `bytes` (a full disk, as far as a write can
  // tell) until restoreFileSizeLimit().
  void limitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of ending the process
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    savedLimit_ = limit;
    limit.rlim_cur = bytes;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
  }
  void restoreFileSizeLimit() {
    if (!savedLimit_) return;
    setrlimit(RLIMIT_FSIZE, &*savedLimit_);
    std::signal(SIGXFSZ, SIG_DFL);
    savedLimit_.reset();
  }

  // "Settings.orv" at `path` made a link to a file outside.
  void linkSettings(const QString& path) {
    QFile::remove(path);
    const QString target = outside.filePath(QStringLiteral("system-file"));
    writeFile(target, "a file the settings must never write");
    ASSERT_TRUE(QFile::link(target, path));
  }
  // The one message names the path (and says it is not an ordinary file).
  void expectNamed(const QString& path) const {
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].text.contains(QStringLiteral("\r") + path + "\r"))
        << messages.messages[0].text.toStdString();
    EXPECT_TRUE(messages.messages[0].text.contains("not an ordinary file"));
  }
  // The one message gives this reason.
  void expectReason(const char* reason) const {
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].text.contains(QLatin1String(reason)))
        << messages.messages[0].text.toStdString();
  }

  // A file system of `kilobytes` at the configuration folder, filled up to its last byte but
  // for the settings file; false where none can be mounted (not the superuser).
  bool mountFullConfiguration(int kilobytes) {
    if (!QDir().mkpath(configOrvik())) return false;
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    if (::mount("tmpfs", QFile::encodeName(configOrvik()).constData(), "tmpfs", 0,
                options.constData()) != 0)
      return false;
    mounted_ = true;
    writeFile(configOrvik() + QStringLiteral("/Settings.orv"), goodSettings());
    QFile filler(configOrvik() + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size()) {
    }
    for (char c = 'x'; filler.write(&c, 1) == 1;) {
    }
    return true;
  }

  // A data table written again with a password the program does not know.
  void rewriteWithWrongPassword(const QString& file) {
    expandTable(
        dir, file, [](QVariantList row, const QStringList&) { return QList<QVariantList>{row}; },
        QStringLiteral("not the password"));
  }

  QTemporaryDir config;
  // Outside the installation and the configuration: link targets, printouts.
  QTemporaryDir outside;

 private:
  std::optional<rlimit> savedLimit_;
  bool mounted_ = false;
};

TEST_P(FaultTable, MessageExitStatusAndFiles) {
  const FaultRow& row = GetParam();
  if (row.prepare) row.prepare(*this);
  if (HasFatalFailure() || IsSkipped()) return;
  QMap<QString, QByteArray> before = checksums(dir.path());
  QMap<QString, QByteArray> configBefore = checksums(config.path());
  const QMap<QString, QByteArray> outsideBefore = checksums(outside.path());

  const int status = launch(row.act, row.arguments);
  const bool started = w != nullptr;
  program.reset();
  w = nullptr;

  EXPECT_EQ(started, row.started);
  if (row.success)
    EXPECT_EQ(status, 0);
  else
    EXPECT_NE(status, 0);
  QStringList shown;
  for (const auto& m : messages.messages) shown << m.text;
  if (row.message.isEmpty()) {
    EXPECT_TRUE(shown.isEmpty()) << shown.join("\n---\n").toStdString();
  } else {
    ASSERT_EQ(shown.size(), 1) << shown.join("\n---\n").toStdString();
    if (row.prefixOnly)
      EXPECT_TRUE(shown[0].startsWith(row.message)) << shown[0].toStdString();
    else
      EXPECT_EQ(shown[0], row.message);
  }

  // Nothing else changed, appeared or went; the files the row writes on purpose did change.
  QMap<QString, QByteArray> after = checksums(dir.path());
  QMap<QString, QByteArray> configAfter = checksums(config.path());
  for (const QString& written : row.written) {
    const bool inConfig = written.startsWith(QStringLiteral("config:"));
    const QString name = inConfig ? QStringLiteral("orvik/") + written.mid(7) : written;
    auto& b = inConfig ? configAfter : after;
    auto& a = inConfig ? configBefore : before;
    EXPECT_TRUE(b.contains(name)) << name.toStdString();
    EXPECT_NE(a.value(name), b.value(name)) << name.toStdString() << " was to be written";
    b.remove(name);
    a.remove(name);
  }
  for (const QString& removed : row.removed) {
    EXPECT_FALSE(after.contains(removed)) << removed.toStdString() << " was to be removed";
    before.remove(removed);
  }
  EXPECT_EQ(after.keys(), before.keys());
  for (auto it = before.begin(); it != before.end(); ++it)
    EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString() << " changed";
  EXPECT_EQ(configAfter, configBefore);
  EXPECT_EQ(checksums(outside.path()), outsideBefore) << "a link's target or a printout changed";
  if (row.after) row.after(*this);
}

QByteArray randomBytes(int size, quint32 seed) {
  QRandomGenerator random(seed);
  QByteArray bytes(size, '\0');
  for (char& c : bytes) c = char(random.bounded(256));
  return bytes;
}

const QString kNoLanguage = QStringLiteral("The settings file\r");
const QString kNotOrdinary = QStringLiteral("The settings file\r");
const QString kNotSaved = QStringLiteral("Your settings could not be saved in\r");
const QString kInvalidArgument = QStringLiteral("Invalid installation argument \"");

const FaultRow kRows[] = {
    {.name = "TruncatedTable",
     .prepare = [](FaultTable& t) { halve(t.dir, QStringLiteral("ODataBase/PgePct.ort")); },
     .message = kDbError},
    {.name = "RandomTable",
     .prepare =
         [](FaultTable& t) {
           const QString path = t.dir.filePath(QStringLiteral("ODataBase/PctInfo.ort"));
           writeFile(path, randomBytes(int(QFileInfo(path).size()), 8));
         },
     .message = kDbError},
    {.name = "DeletedTable",
     .prepare =
         [](FaultTable& t) {
           t.dir.makeWritable(QStringLiteral("ODataBase/WrdPct.ort"));
           ASSERT_TRUE(QFile::remove(t.dir.filePath(QStringLiteral("ODataBase/WrdPct.ort"))));
         },
     .message = kDbError},
    {.name = "WrongPassword",
     .prepare = [](FaultTable& t) { t.rewriteWithWrongPassword(QStringLiteral("PgeNmFr.ort")); },
     .message = kDbError},
    // The user clicks the sound button of an entry whose recording is noise.
    {.name = "GarbageSound",
     .prepare =
         [](FaultTable& t) {
           writeFile(t.dir.filePath(QStringLiteral("Sound/En/1/A0201.wav")),
                     randomBytes(3000, 11).prepend("RIFF"));
         },
     .message = QStringLiteral("The recording\r"),
     .prefixOnly = true,
     .started = true,
     .success = true,
     .act =
         [](FaultTable& t) {
           t.openBedroom();
           FaultTable::click(t.w->entryPanes()->soundButton(1), QPoint(5, 5));
         }},
    {.name = "TruncatedBackground",
     .prepare = [](FaultTable& t) { halve(t.dir, QStringLiteral("fbsh.ori")); },
     .message = QStringLiteral("Could not open file fbsh.ori")},
    {.name = "TruncatedChapterBackground",
     .prepare = [](FaultTable& t) { halve(t.dir, QStringLiteral("fchpt.ori")); },
     .message = QStringLiteral("Could not open file fchpt.ori")},
    {.name = "TruncatedSplash",
     .prepare = [](FaultTable& t) { halve(t.dir, QStringLiteral("fsls.ori")); },
     .message = QStringLiteral("Could not open file fsls.ori")},
    {.name = "SettingsOfNoBytes",
     .prepare = [](FaultTable& t) { writeFile(t.settingsPath(), {}); },
     .message = kNoLanguage,
     .prefixOnly = true},
    {.name = "SettingsOfFiveBytes",
     .prepare = [](FaultTable& t) { writeFile(t.settingsPath(), goodSettings().left(5)); },
     .message = kNoLanguage,
     .prefixOnly = true},
    // Byte 31 is missing: the start goes on, and the close writes the whole file.
    {.name = "SettingsOfThirtyOneBytes",
     .prepare = [](FaultTable& t) { writeFile(t.settingsPath(), goodSettings().left(31)); },
     .started = true,
     .success = true,
     .written = {QStringLiteral("Settings.orv")},
     .after =
         [](FaultTable& t) {
           const QByteArray b = fileBytes(t.settingsPath());
           ASSERT_EQ(b.size(), 32);
           EXPECT_EQ(b.left(31), goodSettings().left(31));
         }},
    {.name = "SettingsOfThirtyTwoBytes", .started = true, .success = true},
    // Bytes past the 32nd are read past and kept.
    {.name = "SettingsOfAHundredBytes",
     .prepare =
         [](FaultTable& t) { writeFile(t.settingsPath(), goodSettings() + randomBytes(68, 3)); },
     .started = true,
     .success = true},
    {.name = "SettingsOfRandomBytes",
     .prepare =
         [](FaultTable& t) {
           const QByteArray bytes = randomBytes(32, 5);
           for (int n = Settings::InstalledEn; n <= Settings::InstalledSp; ++n)
             ASSERT_NE(bytes[n], 1) << "the seed gives an installed language";
           const int language = bytes[Settings::InterfaceLanguage];
           ASSERT_TRUE(language < 1 || language > 4) << "the message would not be English";
           writeFile(t.settingsPath(), bytes);
         },
     .message = kNoLanguage,
     .prefixOnly = true},
    // A font size of 200, a pause of 0, an interface language of 9, a pronunciation language
    // without sounds and a pane shown for a language not installed: all brought into range, and
    // the close writes the file in range.
    {.name = "OutOfRangeSettings",
     .prepare =
         [](FaultTable& t) {
           QByteArray b = goodSettings();
           b[Settings::FontSize] = char(200);
           b[Settings::AutoPlayPause] = 0;
           b[Settings::InterfaceLanguage] = 9;
           b[Settings::PronunciationLanguage] = 2;
           b[Settings::ShownSp] = 1;
           writeFile(t.settingsPath(), b);
         },
     .started = true,
     .success = true,
     .written = {QStringLiteral("Settings.orv")},
     .act =
         [](FaultTable& t) {
           TfrmNumbLang* dialog = t.program->parts().settingsDialog;
           EXPECT_EQ(dialog->TrackBarFonts->Position(), 15);
           EXPECT_EQ(dialog->TrackBarPause->Position(), 1);
           EXPECT_EQ(t.w->entryPanes()->pane(1)->FontSize(), 20);
           EXPECT_FALSE(t.data()->settings().shown(orvik::Language::Spanish));
           EXPECT_EQ(t.data()->settings().interfaceLanguage(), orvik::Language::English);
         },
     .after =
         [](FaultTable& t) {
           QByteArray expected = goodSettings();
           expected[Settings::FontSize] = 15;
           expected[Settings::AutoPlayPause] = 1;
           EXPECT_EQ(fileBytes(t.settingsPath()), expected);
         }},
    // The installation folder cannot be written: the settings go to the configuration folder,
    // started from the installation's file, and the installation is left as it was.
    {.name = "UnwritableFolder",
     .prepare =
         [](FaultTable& t) {
           ASSERT_TRUE(QFile::setPermissions(t.dir.path(), QFile::ReadOwner | QFile::ExeOwner));
         },
     .started = true,
     .success = true,
     .written = {QStringLiteral("config:Settings.orv")},
     .act =
         [](FaultTable& t) {
           EXPECT_TRUE(t.data()->settings().relocated());
           EXPECT_EQ(fileBytes(t.data()->settings().filePath()), goodSettings());
         },
     .after =
         [](FaultTable& t) {
           EXPECT_EQ(fileBytes(t.configOrvik() + QStringLiteral("/Settings.orv")), goodSettings());
         }},
    // Nor can the configuration folder: the message says why, once, and the program goes on
    // with the installation's settings in memory, writing nothing anywhere.
    {.name = "UnwritableFolderAndConfiguration",
     .prepare =
         [](FaultTable& t) {
           ASSERT_TRUE(QDir().mkpath(t.configOrvik()));
           const auto readOnly = QFile::ReadOwner | QFile::ExeOwner;
           ASSERT_TRUE(QFile::setPermissions(t.configOrvik(), readOnly));
           ASSERT_TRUE(QFile::setPermissions(t.dir.path(), readOnly));
         },
     .message = kNotSaved,
     .prefixOnly = true,
     .started = true,
     .success = true,
     .act =
         [](FaultTable& t) {
           EXPECT_TRUE(t.data()->settings().installed(orvik::Language::French));
         },
     .after = [](FaultTable& t) { t.expectReason("You have no permission to write there."); }},
    // The close's save can write only 16 bytes (a full disk as the write sees it): the message
    // names the file and the full disk, the old file stays and the program ends normally.
    {.name = "SaveFailingHalfway",
     .message = kNotSaved,
     .prefixOnly = true,
     .started = true,
     .success = true,
     .act =
         [](FaultTable& t) {
           t.program->parts().settingsDialog->TrackBarFonts->setPosition(9);
           t.limitFileSize(16);
         },
     .after = [](FaultTable& t) { t.expectReason("The disk is full."); }},
    // A file system that is full: the settings dialog's OK and the close both fail to save;
    // one message, the old file stays and the program goes on.
    {.name = "SaveOnAFullDisk",
     .prepare =
         [](FaultTable& t) {
           if (!t.mountFullConfiguration(64)) GTEST_SKIP() << "no file system can be mounted here";
           ASSERT_TRUE(QFile::setPermissions(t.dir.path(), QFile::ReadOwner | QFile::ExeOwner));
         },
     .message = kNotSaved,
     .prefixOnly = true,
     .started = true,
     .success = true,
     .act =
         [](FaultTable& t) {
           TfrmNumbLang* dialog = t.program->parts().settingsDialog;
           dialog->TrackBarFonts->setPosition(9);
           t.program->parts().settingsBinding->store();
           EXPECT_EQ(t.messages.messages.size(), 1) << "the message comes at once";
           EXPECT_EQ(t.data()->settings().value(Settings::FontSize), 9) << "kept in memory";
         },
     .after =
         [](FaultTable& t) {
           t.expectReason("The disk is full.");
           EXPECT_TRUE(t.messages.messages[0].text.contains(t.configOrvik() + "/Settings.orv"));
           EXPECT_EQ(QDir(t.configOrvik()).entryList(QDir::Files, QDir::Name),
                     (QStringList{"Settings.orv", "filler"}))
               << "no temporary file is left";
         }},
    // A read-only settings file in a writable folder is replaced, not written into: the change
    // is kept, and the file stays read-only.
    {.name = "ReadOnlySettingsFile",
     .prepare =
         [](FaultTable& t) {
           ASSERT_TRUE(QFile::setPermissions(
               t.settingsPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
         },
     .started = true,
     .success = true,
     .written = {QStringLiteral("Settings.orv")},
     .act = [](FaultTable& t) { t.program->parts().settingsDialog->TrackBarFonts->setPosition(9); },
     .after =
         [](FaultTable& t) {
           EXPECT_EQ(fileBytes(t.settingsPath())[Settings::FontSize], 9);
           EXPECT_EQ(QFileInfo(t.settingsPath()).permissions() &
                         (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther),
                     0)
               << "still read-only";
         }},
    // "Settings.orv" is a link to a file outside: refused with a message naming it, and neither
    // the link nor its target is written (the checksums of the folder outside are compared).
    {.name = "SettingsLinkToAFileOutside",
     .prepare = [](FaultTable& t) { t.linkSettings(t.settingsPath()); },
     .message = kNotOrdinary,
     .prefixOnly = true,
     .after = [](FaultTable& t) { t.expectNamed(t.settingsPath()); }},
    {.name = "ConfigurationSettingsLinkToAFileOutside",
     .prepare =
         [](FaultTable& t) {
           ASSERT_TRUE(QDir().mkpath(t.configOrvik()));
           t.linkSettings(t.configOrvik() + QStringLiteral("/Settings.orv"));
           ASSERT_TRUE(QFile::setPermissions(t.dir.path(), QFile::ReadOwner | QFile::ExeOwner));
         },
     .message = kNotOrdinary,
     .prefixOnly = true,
     .after =
         [](FaultTable& t) { t.expectNamed(t.configOrvik() + QStringLiteral("/Settings.orv")); }},
    // An installation start through a link is refused the same way, before anything is written.
    {.name = "InstallationThroughALink",
     .prepare = [](FaultTable& t) { t.linkSettings(t.settingsPath()); },
     .message = kNotOrdinary,
     .prefixOnly = true,
     .arguments = {"0s", "5"}},
    // A pipe named "Settings.orv" is not waited on.
    {.name = "SettingsFifo",
     .prepare =
         [](FaultTable& t) {
           ASSERT_TRUE(QFile::remove(t.settingsPath()));
           ASSERT_EQ(::mkfifo(QFile::encodeName(t.settingsPath()).constData(), 0644), 0);
         },
     .message = kNotOrdinary,
     .prefixOnly = true,
     .after = [](FaultTable& t) { t.expectNamed(t.settingsPath()); }},
    {.name = "SettingsFolder",
     .prepare =
         [](FaultTable& t) {
           ASSERT_TRUE(QFile::remove(t.settingsPath()));
           ASSERT_TRUE(QDir().mkpath(t.settingsPath() + QStringLiteral("/inside")));
           writeFile(t.settingsPath() + QStringLiteral("/inside/file"), "kept");
         },
     .message = kNotOrdinary,
     .prefixOnly = true},
    // Installation command lines refused whole, the file left as it was.
    {.name = "InstallationArgumentWithAnX",
     .message = kInvalidArgument,
     .prefixOnly = true,
     .arguments = {"0x"}},
    {.name = "InstallationWithoutSounds",
     .message = QStringLiteral("The rest is silence."),
     .arguments = {"0", "5"}},
    {.name = "InstallationArgumentWithLongJunk",
     .message = kInvalidArgument,
     .prefixOnly = true,
     .arguments = {QStringLiteral("0s") + QString(100000, QLatin1Char('j'))},
     .after =
         [](FaultTable& t) {
           EXPECT_LT(t.messages.messages[0].text.size(), 300) << "quoted short";
         }},
    {.name = "InstallationWithTrailingJunk",
     .message = kInvalidArgument,
     .prefixOnly = true,
     .arguments = {"0s", "5", "--junk"}},
    {.name = "InstallationMixedTwiceAndJunk",
     .message = QStringLiteral("Installation argument \"0s\" names a language a second time."),
     .prefixOnly = true,
     .arguments = {"5", "0s", "0s", "x"}},
    // A PDF printout on a disk that fills up: the print failure message, and no file is left.
    {.name = "PdfOnAFullDisk",
     .message = QStringLiteral("The printer could not print this page."),
     .started = true,
     .success = true,
     .act =
         [](FaultTable& t) {
           t.openBedroom();
           t.limitFileSize(4096);
           FaultTable::click(t.w->entryPanes()->printButton(1), QPoint(5, 5));
           t.restoreFileSizeLimit();
         },
     .after =
         [](FaultTable& t) {
           EXPECT_TRUE(QDir(t.outside.path()).entryList(QDir::Files).isEmpty());
         }},
    // A save killed before its rename left its temporary file: the next start removes it.
    {.name = "LeftoverTemporaryFile",
     .prepare =
         [](FaultTable& t) { writeFile(t.settingsPath() + QStringLiteral(".a1B2c3"), "partial"); },
     .started = true,
     .success = true,
     .removed = {QStringLiteral("Settings.orv.a1B2c3")}},
    // The settings dialog's frame for three languages is damaged: its picture message.
    {.name = "DamagedLanguageFrame",
     .prepare = [](FaultTable& t) { halve(t.dir, QStringLiteral("Lng3.ori")); },
     .message = QStringLiteral("Could not open file Lng3.ori")},
    // A shared installation (as packaged) that its user (here the superuser, maybe) could
    // write: the settings go to the configuration folder all the same.
    {.name = "SharedInstallation",
     .prepare =
         [](FaultTable& t) {
           writeFile(t.dir.filePath(QLatin1String(Settings::kSharedInstallationMarker)), "shared");
           ASSERT_TRUE(QFile::remove(t.settingsPath()));
         },
     .started = true,
     .success = true,
     .written = {QStringLiteral("config:Settings.orv")},
     .arguments = {"0s", "1s", "5s", "6s"},
     .after =
         [](FaultTable& t) {
           EXPECT_FALSE(QFile::exists(t.settingsPath()));
           EXPECT_EQ(fileBytes(t.configOrvik() + QStringLiteral("/Settings.orv"))
                         .mid(Settings::InstalledEn, 4),
                     QByteArray(4, '\1'));
         }},
};

INSTANTIATE_TEST_SUITE_P(Faults, FaultTable, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<FaultRow>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
