// The fault table: the program started on a fresh copy of the small installation damaged in one
// way per row. Each row checks the message the user is shown, the exit status, and that no file
// of the installation (nor of the user's configuration folder) changed, except the files the
// row names as written on purpose.

#include <sys/resource.h>

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <csignal>
#include <optional>

#include "browse/entry_panes.h"
#include "browse/orvik_word.h"
#include "browse_fixture.h"
#include "controls/orvik_track_bar.h"
#include "lang/settings_dialog.h"

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

// Every file under a folder by relative path, with the checksum of its content.
QMap<QString, QByteArray> checksums(const QString& folder) {
  QMap<QString, QByteArray> sums;
  QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile f(it.next());
    sums[f.fileName().mid(folder.size() + 1)] =
        f.open(QIODevice::ReadOnly)
            ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
            : QByteArray("unreadable");
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
  int launch(const std::function<void(FaultTable&)>& act) {
    StartupEnvironment e = testEnvironment();
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

  // A data table written again with a password the program does not know.
  void rewriteWithWrongPassword(const QString& file) {
    expandTable(
        dir, file, [](QVariantList row, const QStringList&) { return QList<QVariantList>{row}; },
        QStringLiteral("not the password"));
  }

  QTemporaryDir config;

 private:
  std::optional<rlimit> savedLimit_;
};

TEST_P(FaultTable, MessageExitStatusAndFiles) {
  const FaultRow& row = GetParam();
  if (row.prepare) row.prepare(*this);
  if (HasFatalFailure()) return;
  QMap<QString, QByteArray> before = checksums(dir.path());
  QMap<QString, QByteArray> configBefore = checksums(config.path());

  const int status = launch(row.act);
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
  EXPECT_EQ(after.keys(), before.keys());
  for (auto it = before.begin(); it != before.end(); ++it)
    EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString() << " changed";
  EXPECT_EQ(configAfter, configBefore);
  if (row.after) row.after(*this);
}

QByteArray randomBytes(int size, quint32 seed) {
  QRandomGenerator random(seed);
  QByteArray bytes(size, '\0');
  for (char& c : bytes) c = char(random.bounded(256));
  return bytes;
}

const QString kNoLanguage = QStringLiteral("The settings file\r");

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
           EXPECT_FALSE(t.data()->settings().shown(4));
           EXPECT_EQ(t.data()->settings().interfaceLanguage(), 1);
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
    // Nor can the configuration folder: the settings message, and the program goes on with
    // the installation's settings in memory, writing nothing anywhere.
    {.name = "UnwritableFolderAndConfiguration",
     .prepare =
         [](FaultTable& t) {
           ASSERT_TRUE(QDir().mkpath(t.configOrvik()));
           const auto readOnly = QFile::ReadOwner | QFile::ExeOwner;
           ASSERT_TRUE(QFile::setPermissions(t.configOrvik(), readOnly));
           ASSERT_TRUE(QFile::setPermissions(t.dir.path(), readOnly));
         },
     .message = kSettingsError,
     .started = true,
     .success = true,
     .act = [](FaultTable& t) { EXPECT_TRUE(t.data()->settings().installed(2)); }},
    // The close's save can write only 16 bytes: the settings message, and the old file stays.
    {.name = "SaveFailingHalfway",
     .message = kSettingsError,
     .started = true,
     .act =
         [](FaultTable& t) {
           t.program->parts().settingsDialog->TrackBarFonts->setPosition(9);
           t.limitFileSize(16);
         }},
};

INSTANTIATE_TEST_SUITE_P(Faults, FaultTable, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<FaultRow>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
