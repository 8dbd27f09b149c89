// The display check, the scrambled pictures, the search for the data folder and the program's own
// options.

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cstdlib>

#include "app/data_module.h"
#include "app/scrambled_picture.h"
#include "platform/application.h"
#include "platform/message_boxes.h"
#include "platform/optical_discs.h"
#include "platform/screen_metrics.h"
#include "program/command_line.h"
#include "program/display_check.h"
#include "schema/installation_keys.h"

namespace {

struct FakeScreen : orvik::ScreenMetrics {
  FakeScreen(int d, int w) : depth(d), width(w) {}
  int colourDepth() const override { return depth; }
  int workAreaWidth() const override { return width; }
  int depth, width;
};

class DisplayCheckTest : public ::testing::Test {
 protected:
  void SetUp() override { orvik::Application::reset(); }
  void TearDown() override { orvik::Application::reset(); }
  QString check(int depth, int width) {
    orvik::RecordingMessageBoxes messages;
    const bool ok = orvik::displayCheck(FakeScreen(depth, width), messages);
    if (ok) {
      EXPECT_TRUE(messages.messages.isEmpty());
      EXPECT_FALSE(orvik::Application::terminated());
      return {};
    }
    EXPECT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].kind, orvik::MessageKind::Warning);
    EXPECT_TRUE(orvik::Application::terminated());
    EXPECT_NE(orvik::Application::exitCode(), 0);
    return messages.messages.value(0).text;
  }
};

TEST_F(DisplayCheckTest, ColourModeOnlyOnAWideScreen) {
  EXPECT_EQ(check(15, 1024),
            "This programme is designed to run in 16-bit colour mode or higher.\rPlease adjust "
            "your monitor settings to 16-bit colour mode.");
}

TEST_F(DisplayCheckTest, CombinedMessageOnANarrowScreen) {
  EXPECT_EQ(check(15, 640),
            "This programme will not run with screen resolution\rless than 800 x 600 with 16-bit "
            "colour mode.\rPlease adjust your monitor settings to 16-bit colour mode\rwith 800 x "
            "600 resolution.");
}

TEST_F(DisplayCheckTest, WorkAreaNarrowerThan800IsRefusedAtFullColour) {
  EXPECT_EQ(check(24, 790),
            "This programme will not run with screen resolution\rless than 800 x 600. Please "
            "adjust your monitor settings\rto 800 x 600 screen resolution.");
}

TEST_F(DisplayCheckTest, SixteenBitsAt800Runs) {
  EXPECT_EQ(check(16, 800), QString());
  EXPECT_EQ(check(32, 1920), QString());
}

TEST_F(DisplayCheckTest, ADisplayChangeAsksAbortOrRetry) {
  // 256 colours at 1024 wide: the 16-bit message; Abort ends the program.
  {
    FakeScreen screen(8, 1024);
    orvik::RecordingMessageBoxes messages;
    EXPECT_FALSE(orvik::displayChanged(screen, messages));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(
        messages.messages[0].text.startsWith("This programme is designed to run in 16-bit"));
    EXPECT_TRUE(orvik::Application::terminated());
    EXPECT_NE(orvik::Application::exitCode(), 0);
  }
  // Retry after the user set 16 bits: the check passes and the program goes on.
  orvik::Application::reset();
  {
    // Reads 8 bits once, then (the user having fixed the display) 16.
    struct FixedAfterFirstLook : orvik::ScreenMetrics {
      int colourDepth() const override { return looks++ == 0 ? 8 : 16; }
      int workAreaWidth() const override { return 1024; }
      mutable int looks = 0;
    } screen;
    orvik::RecordingMessageBoxes messages;
    messages.retryAnswers = {true};
    EXPECT_TRUE(orvik::displayChanged(screen, messages));
    EXPECT_EQ(messages.messages.size(), 1);
    EXPECT_FALSE(orvik::Application::terminated());
  }
  // Retry with the display unchanged: the check's own message, and the program ends.
  orvik::Application::reset();
  {
    FakeScreen screen(8, 1024);
    orvik::RecordingMessageBoxes messages;
    messages.retryAnswers = {true};
    EXPECT_FALSE(orvik::displayChanged(screen, messages));
    EXPECT_EQ(messages.messages.size(), 2) << "the question, then the check's own message";
    EXPECT_TRUE(orvik::Application::terminated());
  }
  // A narrow screen at full colour: only the width message.
  orvik::Application::reset();
  {
    FakeScreen screen(24, 640);
    orvik::RecordingMessageBoxes messages;
    EXPECT_FALSE(orvik::displayChanged(screen, messages));
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].text.contains("less than 800 x 600. Please adjust"));
  }
  // A display that fits asks nothing.
  orvik::Application::reset();
  {
    FakeScreen screen(24, 1280);
    orvik::RecordingMessageBoxes messages;
    EXPECT_TRUE(orvik::displayChanged(screen, messages));
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_FALSE(orvik::Application::terminated());
  }
}

// A small scrambled bitmap written the way the builder writes them.
QByteArray scrambledBitmap(std::uint8_t key, bool loseHeader) {
  QImage image(4, 3, QImage::Format_RGB888);
  image.fill(QColor(10, 200, 30));
  QByteArray bmp;
  {
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
  }
  if (loseHeader) bmp.replace(0, 16, QByteArray(16, '\xEE'));
  orvik::xorBytes(bmp, key, 0, 15);
  return bmp;
}

TEST(ScrambledPicture, IntactHeaderLoadsAndLeavesTheFileAsItWas) {
  QTemporaryDir dir;
  const QString path = dir.filePath("fbsh.ori");
  const QByteArray original = scrambledBitmap(0x3C, false);
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(original);
  f.close();
  QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

  const QImage image = orvik::loadScrambledPicture(path, 0x3C, 3);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(4, 3));
  EXPECT_EQ(image.pixelColor(1, 1), QColor(10, 200, 30));
  QFile after(path);
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), original);
  EXPECT_FALSE(QFile::permissions(path) & QFile::WriteOwner) << "left read-only";
}

TEST(ScrambledPicture, LostHeaderIsRepairedAndTheFileStaysScrambled) {
  QTemporaryDir dir;
  const QString path = dir.filePath("x.ori");
  // A kind whose header fits this small file: build one that matches kind 4's offset is not
  // needed; the repaired header is checked byte for byte in the file.
  QByteArray data = scrambledBitmap(0xC9, true);
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(data);
  f.close();
  orvik::loadScrambledPicture(path, 0xC9, 4);
  QFile after(path);
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  QByteArray head = after.read(16);
  orvik::xorBytes(head, 0xC9, 0, 15);
  EXPECT_EQ(head, orvik::bitmapHeader(4));
  EXPECT_EQ(head.toHex(), QByteArray("424d3c130000000000004a0000002800"));
  EXPECT_EQ(orvik::bitmapHeader(1).mid(2, 4).toHex(), QByteArray("a8a60100"));
  EXPECT_EQ(orvik::bitmapHeader(2).mid(2, 4).toHex(), QByteArray("c6270600"));
  EXPECT_EQ(orvik::bitmapHeader(3).mid(10, 4).toHex(), QByteArray("36040000"));
}

TEST(ScrambledPicture, RepairedHeaderMakesTheBitmapLoadable) {
  // A bitmap laid out to kind 4's sizes: 74-byte header with a 5-colour palette, 4850 pixel bytes.
  QByteArray bmp = orvik::bitmapHeader(4).left(14);  // its last two bytes start the info header
  QByteArray info(40, '\0');
  qToLittleEndian<quint32>(40, info.data());
  qToLittleEndian<qint32>(97, info.data() + 4);   // width
  qToLittleEndian<qint32>(93, info.data() + 8);   // height: 93 rows of 52 bytes fit
  qToLittleEndian<quint16>(1, info.data() + 12);  // planes
  qToLittleEndian<quint16>(4, info.data() + 14);  // bits per pixel
  qToLittleEndian<quint32>(5, info.data() + 32);  // colours used
  bmp += info;
  bmp += QByteArray::fromHex(
      "0000ff00"
      "00ff0000"
      "ff000000"
      "ffffff00"
      "00000000");
  bmp += QByteArray(4924 - bmp.size(), '\x11');
  ASSERT_EQ(bmp.size(), 4924);
  bmp.replace(0, 16, QByteArray(16, '\0'));  // the header is lost
  orvik::xorBytes(bmp, 0xC9, 0, 15);
  QTemporaryDir dir;
  QFile f(dir.filePath("Lng1.ori"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bmp);
  f.close();
  const QImage image = orvik::loadInstallationPicture(dir.path(), "Lng1.ori");
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 97);
}

TEST(ScrambledPicture, MissingOrGarbageFileGivesNoPicture) {
  QTemporaryDir dir;
  EXPECT_TRUE(orvik::loadScrambledPicture(dir.filePath("none.ori"), 1, 1).isNull());
  QFile f(dir.filePath("bad.ori"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("short");
  f.close();
  EXPECT_TRUE(orvik::loadScrambledPicture(dir.filePath("bad.ori"), 1, 1).isNull());
}

struct CountingDiscs : orvik::OpticalDiscs {
  QStringList mounts;
  mutable int asked = 0;
  QStringList mountPoints() const override {
    ++asked;
    return mounts;
  }
};

void makeHitMap(const QString& folder) {
  ASSERT_TRUE(QDir().mkpath(folder));
  QFile f(QDir(folder).filePath("PctInfo.ort"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("x");
}

TEST(DataFolder, FoundBesideTheProgramWithoutAskingTheDiscs) {
  QTemporaryDir here;
  makeHitMap(here.filePath("ODataBase"));
  CountingDiscs discs;
  EXPECT_EQ(TDMOrvik::findDataFolder(here.path(), &discs), here.filePath("ODataBase") + "/");
  EXPECT_EQ(discs.asked, 0);
}

TEST(DataFolder, TheFirstDiscInMountOrderWins) {
  QTemporaryDir here, discA, discB;
  makeHitMap(discA.filePath("program files/OrvikDictionary/ODataBase"));
  makeHitMap(discB.filePath("PROGRAM FILES/OrvikDictionary/ODatabase"));
  CountingDiscs discs;
  discs.mounts = {discB.path(), discA.path()};
  std::sort(discs.mounts.begin(), discs.mounts.end());
  const QString first = discs.mounts[0] == discA.path()
                            ? discA.filePath("program files/OrvikDictionary/ODataBase")
                            : discB.filePath("PROGRAM FILES/OrvikDictionary/ODatabase");
  EXPECT_EQ(TDMOrvik::findDataFolder(here.path(), &discs), first + "/");
}

TEST(DataFolder, NothingFoundAnywhere) {
  QTemporaryDir here, disc;
  CountingDiscs discs;
  discs.mounts = {disc.path()};
  EXPECT_EQ(TDMOrvik::findDataFolder(here.path(), &discs), QString());
}

TEST(OpticalDiscs, MountTableKeepsOnlyMountedDiscsInMountOrder) {
  const QByteArray table =
      "/dev/sda1 / ext4 rw 0 0\n"
      "/dev/sr1 /media/cdrom1 udf ro 0 0\n"
      "/dev/sr0 /media/my\\040disc iso9660 ro 0 0\n"
      "/dev/sr2 /media/cdrom2 vfat ro 0 0\n"
      "tmpfs /tmp tmpfs rw 0 0\n";
  EXPECT_EQ(orvik::MountTableDiscs::parse(table), (QStringList{"/media/cdrom1", "/media/my disc"}));
}

}  // namespace

namespace {

// The program itself, started without any display: its own options answer on standard output
// and nothing else happens (no window, no settings file, no message on standard error). They
// are never taken for installation arguments, wherever they stand.
TEST(ProgramOptions, HelpAndVersionAnswerWithoutADisplayAndWriteNothing) {
  QTemporaryDir here;
  ASSERT_TRUE(here.isValid());
  struct Case {
    QStringList arguments;
    const char* answer;
  };
  const QList<Case> cases{
      {{"--help"}, "Usage: orvik [LANGUAGE[s]]..."},
      {{"-h"}, "Usage: orvik [LANGUAGE[s]]..."},
      {{"--version"}, "Orvik Dictionary " ORVIK_VERSION "\n"},
      {{"0s", "junk", "--version"}, "Orvik Dictionary " ORVIK_VERSION "\n"},
      {{"--version", "--help"}, "Usage: orvik [LANGUAGE[s]]..."},
  };
  for (const Case& c : cases) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
      env.remove(QLatin1String(name));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(here.path());
    program.start(QStringLiteral(ORVIK_PROGRAM), c.arguments);
    ASSERT_TRUE(program.waitForFinished(10000)) << c.arguments.join(' ').toStdString();
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE(out.startsWith(QLatin1String(c.answer))) << out.toStdString();
    EXPECT_TRUE(program.readAllStandardError().isEmpty()) << c.arguments.join(' ').toStdString();
    EXPECT_TRUE(QDir(here.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
  }
  EXPECT_EQ(orvik::programOption({"0s", "5"}), orvik::ProgramOption::None);
  EXPECT_EQ(orvik::programOption({"--helpful"}), orvik::ProgramOption::None);
}

}  // namespace

namespace {

// On an 8-bit display the toolkit's message box came out black: the colour-mode message is
// drawn by the X server, black text on white, and the program ends with its status after a key.
TEST(LowColourDisplay, TheColourModeMessageIsPaintedAndClosesOnAKey) {
  if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) GTEST_SKIP() << "no Xvfb";
  QProcess xvfb;
  xvfb.start(QStringLiteral("Xvfb"),
             {"-displayfd", "1", "-screen", "0", "1024x768x8", "-nolisten", "tcp"});
  ASSERT_TRUE(xvfb.waitForReadyRead(20000));
  const QByteArray display = ":" + xvfb.readAllStandardOutput().trimmed();
  struct StopServer {
    QProcess& p;
    ~StopServer() {
      p.terminate();
      p.waitForFinished(5000);
    }
  } stopServer{xvfb};

  QTemporaryDir here;
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
  program.setProcessEnvironment(env);
  program.setWorkingDirectory(here.path());
  program.start(QStringLiteral(ORVIK_PROGRAM), {});
  ASSERT_TRUE(program.waitForStarted());

  xcb_connection_t* c = xcb_connect(display.constData(), nullptr);
  ASSERT_FALSE(xcb_connection_has_error(c));
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  ASSERT_EQ(screen->root_depth, 8);
  // The message: a window of class "orvik" straight under the root (there is no window manager).
  xcb_window_t message = 0;
  for (int tries = 0; tries < 200 && !message; ++tries) {
    QTest::qWait(50);
    xcb_query_tree_reply_t* tree =
        xcb_query_tree_reply(c, xcb_query_tree(c, screen->root), nullptr);
    if (!tree) continue;
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree) && !message; ++i) {
      xcb_get_property_reply_t* cls = xcb_get_property_reply(
          c, xcb_get_property(c, 0, children[i], XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 16),
          nullptr);
      if (cls && QByteArray(static_cast<const char*>(xcb_get_property_value(cls)),
                            xcb_get_property_value_length(cls))
                     .startsWith(QByteArray("orvik\0", 6))) {
        xcb_get_window_attributes_reply_t* attributes =
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, children[i]), nullptr);
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE) message = children[i];
        std::free(attributes);
      }
      std::free(cls);
    }
    std::free(tree);
  }
  ASSERT_NE(message, 0u) << "no message window";
  QTest::qWait(300);  // drawn on its first exposure
  xcb_get_geometry_reply_t* geometry =
      xcb_get_geometry_reply(c, xcb_get_geometry(c, message), nullptr);
  ASSERT_NE(geometry, nullptr);
  xcb_get_image_reply_t* image =
      xcb_get_image_reply(c,
                          xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, message, 0, 0,
                                        geometry->width, geometry->height, ~0u),
                          nullptr);
  std::free(geometry);
  ASSERT_NE(image, nullptr);
  const QByteArray pixels(reinterpret_cast<const char*>(xcb_get_image_data(image)),
                          xcb_get_image_data_length(image));
  std::free(image);
  const qsizetype white = pixels.count(char(screen->white_pixel));
  const qsizetype black = pixels.count(char(screen->black_pixel));
  EXPECT_GT(white, pixels.size() / 2) << "a white box";
  EXPECT_GT(black, 200) << "with its text drawn";

  xcb_key_press_event_t key{};
  key.response_type = XCB_KEY_PRESS;
  key.detail = 36;  // Return on the virtual server's keyboard
  key.root = screen->root;
  key.event = message;
  key.same_screen = 1;
  // The key goes to the message until the program ends (a key sent while the server was still
  // busy with the message's first drawing was seen to get lost on a loaded machine). Generous:
  // under the sanitizers on a busy machine the leak check at exit takes seconds.
  bool finished = false;
  for (int tries = 0; tries < 60 && !finished; ++tries) {
    xcb_generic_error_t* error =
        xcb_request_check(c, xcb_send_event_checked(c, 0, message, XCB_EVENT_MASK_KEY_PRESS,
                                                    reinterpret_cast<const char*>(&key)));
    std::free(error);  // BadWindow once the program has closed the message
    finished = program.waitForFinished(1000);
  }
  xcb_disconnect(c);
  ASSERT_TRUE(finished);
  EXPECT_EQ(program.exitCode(), 1);
  EXPECT_TRUE(program.readAllStandardError().contains("16-bit colour mode"));
}

}  // namespace
