// Starting the program on a fresh copy of a test installation: the windows, the tables of the
// installed languages, the fatal messages and the settings written at the end.

#include "program/startup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "browse/main_window.h"
#include "controls/orvik_btn98.h"
#include "lang/font_sets.h"
#include "lang/locate_dialog.h"
#include "pagelist/page_entry_lists.h"
#include "pagelist/page_list_windows.h"
#include "platform/application.h"
#include "platform/message_boxes.h"
#include "platform/optical_discs.h"
#include "platform/table_writer.h"
#include "program/splash_form.h"
#include "search/find_window.h"
#include "test_installation.h"
#include "top_level_window.h"

namespace {

const char* const kEnglishDbError =
    "An error occurred while addressing Orvik DataBase.\rPlease make sure that Orvik Dictionary "
    "disc is inserted in your CD-drive.\rIf the problem persists, you may have to reinstall the "
    "program.";

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    orvik::Application::reset();
    ASSERT_TRUE(dir.valid());
  }
  void TearDown() override {
    program.reset();
    orvik::Application::reset();
  }

  StartupEnvironment env(QStringList args = {}) {
    StartupEnvironment e;
    e.currentDir = dir.path();
    e.arguments = std::move(args);
    e.discs = &discs;
    e.messages = &messages;
    e.splashMs = 60;
    e.waitMs = 30;
    return e;
  }
  bool start(StartupEnvironment e) {
    program = std::make_unique<OrvikProgram>(std::move(e));
    return program->start();
  }
  QStringList messageTexts() const {
    QStringList texts;
    for (const auto& m : messages.messages) texts << m.text;
    return texts;
  }
  void replaceFile(const QString& relative, const QByteArray& bytes) {
    QFile::setPermissions(dir.filePath(relative), QFile::ReadOwner | QFile::WriteOwner);
    QFile f(dir.filePath(relative));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }

  TestInstallation dir{QStringLiteral(ORVIK_FIXTURE_SMALL)};
  orvik::RecordingMessageBoxes messages;
  orvik::FixedDiscs discs;
  std::unique_ptr<OrvikProgram> program;
};

TEST_F(StartupTest, EveryWindowOnceInOrderAndTheMainWindowAsGiven) {
  ASSERT_TRUE(start(env())) << messageTexts().join(" | ").toStdString();
  EXPECT_TRUE(messages.messages.isEmpty());
  QStringList names;
  for (QWidget* w : program->windows()) names << w->objectName();
  EXPECT_EQ(names, (QStringList{"Form1",
                                "frmNumbLang",
                                "FormEn",
                                "FormRu",
                                "FormSp",
                                "FormFr",
                                "frmFindEn",
                                "frmFindRu",
                                "frmFindFr",
                                "frmFindSp",
                                "frmPageListEn",
                                "frmPageListRu",
                                "frmPageListSp",
                                "frmPageListFr",
                                "MsgFind",
                                "MsgPrint",
                                "MsgChecked",
                                "frmLangForFind",
                                "frmLangForPageList",
                                "frmOptForHelp",
                                "frmTrackAutoPlay",
                                "frmAbout",
                                "frmExit",
                                "frmPractice"}));
  // Each language's three windows are named for the language they work in.
  for (const orvik::Language language : orvik::Language::all()) {
    const QString code = language.code().toString();
    auto* entries = qobject_cast<TLangList*>(topLevelWindow("Form" + code));
    auto* find = qobject_cast<TFrmFind*>(topLevelWindow("frmFind" + code));
    auto* pages = qobject_cast<TfrmPageList*>(topLevelWindow("frmPageList" + code));
    ASSERT_TRUE(entries && find && pages) << code.toStdString();
    EXPECT_EQ(entries->language(), language);
    EXPECT_EQ(find->language(), language);
    EXPECT_EQ(pages->language(), language);
  }

  TForm1* main = program->mainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->windowTitle(), QString("Orvik Dictionary"));
  EXPECT_EQ(main->size(), QSize(757, 564));
  EXPECT_TRUE(main->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(testControls(main).Phon->isVisibleTo(main));
  EXPECT_TRUE(testControls(main).PhonChapters->isVisibleTo(main));
  EXPECT_FALSE(testControls(main).PhonChapters->pixmap().isNull());
  EXPECT_FALSE(testControls(main).Phon->pixmap().isNull());
}

TEST_F(StartupTest, TablesOfTheInstalledLanguagesOnly) {
  ASSERT_TRUE(start(env()));
  TDMOrvik* dm = program->dataModule();
  EXPECT_TRUE(dm->tblPgePicture->active());
  EXPECT_TRUE(dm->tblWrdPicture->active());
  EXPECT_TRUE(dm->tblPctInfo->active());
  EXPECT_TRUE(dm->tblChptPct->active());
  EXPECT_TRUE(dm->tblPctLittle->active());
  using L = orvik::Language;
  for (L language : {L::English, L::Russian}) {
    EXPECT_TRUE(dm->tblChapter(language)->active());
    EXPECT_TRUE(dm->tblPageName(language)->active());
    EXPECT_TRUE(dm->tblWordName(language)->active());
    EXPECT_TRUE(dm->tblWordFind(language)->active());
  }
  for (L language : {L::French, L::Spanish}) EXPECT_FALSE(dm->tblChapter(language)->active());
  EXPECT_TRUE(dm->Database.connected());
  EXPECT_EQ(dm->dataFolder(), dir.filePath("ODataBase") + "/");
}

TEST_F(StartupTest, FrenchAndSpanishInstallationOpensNoEnglishOrRussianTable) {
  ASSERT_TRUE(start(env({"1s", "6s"})));
  TDMOrvik* dm = program->dataModule();
  using L = orvik::Language;
  for (L language : {L::English, L::Russian}) {
    EXPECT_FALSE(dm->tblChapter(language)->active());
    EXPECT_FALSE(dm->tblPageName(language)->active());
    EXPECT_FALSE(dm->tblWordName(language)->active());
    EXPECT_FALSE(dm->tblWordFind(language)->active());
  }
  for (L language : {L::French, L::Spanish}) EXPECT_TRUE(dm->tblWordFind(language)->active());
  EXPECT_TRUE(dm->tblPgePicture->active());
  EXPECT_EQ(dm->settings().interfaceLanguage(), orvik::Language::French);
}

TEST_F(StartupTest, DiscShowingItsNamesInSmallLettersOpensEveryTable) {
  // A plain disc file system shows every name in small letters.
  QTemporaryDir disc;
  const QString data = disc.filePath("program files/orvikdictionary/odatabase");
  ASSERT_TRUE(QDir().mkpath(data));
  QDir source(dir.filePath("ODataBase"));
  for (const QString& name : source.entryList(QDir::Files))
    ASSERT_TRUE(QFile::rename(source.filePath(name), QDir(data).filePath(name.toLower())));
  ASSERT_TRUE(source.removeRecursively());
  orvik::FixedDiscs withDisc({disc.path()});
  StartupEnvironment e = env();
  e.discs = &withDisc;
  e.locate = [](const std::function<bool()>&) {
    ADD_FAILURE() << "the data is on the disc";
    return false;
  };
  ASSERT_TRUE(start(std::move(e))) << messageTexts().join(" | ").toStdString();
  TDMOrvik* dm = program->dataModule();
  EXPECT_EQ(dm->dataFolder(), data + "/");
  EXPECT_TRUE(dm->tblPgePicture->active());
  EXPECT_TRUE(dm->tblPctInfo->active());
  EXPECT_TRUE(dm->tblWordName(orvik::Language::Russian)->active());
  EXPECT_TRUE(dm->tblChptPct->active());
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(StartupTest, MissingPagePictureTableIsADatabaseFailure) {
  QFile::setPermissions(dir.filePath("ODataBase/PgePct.ort"), QFile::ReadOwner | QFile::WriteOwner);
  ASSERT_TRUE(QFile::remove(dir.filePath("ODataBase/PgePct.ort")));
  EXPECT_FALSE(start(env()));
  EXPECT_EQ(messageTexts(), QStringList{kEnglishDbError});
  EXPECT_TRUE(orvik::Application::terminated());
  EXPECT_NE(orvik::Application::exitCode(), 0);
  EXPECT_TRUE(program->windows().isEmpty()) << "no window is built on a failed start";
}

TEST_F(StartupTest, TableKeyedWithAnUnknownPasswordIsADatabaseFailure) {
  {
    orvik::TableWriter writer(
        dir.filePath("ODataBase/ChptNmEn.ort.new"), "notOurPassword",
        {{"ChapterCode", orvik::FieldType::Integer}, {"ChapterName", orvik::FieldType::Text}},
        {{"IndChptCode", {"ChapterCode"}}});
    writer.append({1, QString("People")});
    writer.finish();
  }
  QFile::setPermissions(dir.filePath("ODataBase/ChptNmEn.ort"),
                        QFile::ReadOwner | QFile::WriteOwner);
  QFile::remove(dir.filePath("ODataBase/ChptNmEn.ort"));
  ASSERT_TRUE(QFile::rename(dir.filePath("ODataBase/ChptNmEn.ort.new"),
                            dir.filePath("ODataBase/ChptNmEn.ort")));
  EXPECT_FALSE(start(env()));
  EXPECT_EQ(messageTexts(), QStringList{kEnglishDbError});
  EXPECT_NE(orvik::Application::exitCode(), 0);
}

TEST_F(StartupTest, TruncatedTableInTheRussianInterfaceGivesTheRussianMessage) {
  QFile f(dir.filePath("ODataBase/WrdPct.ort"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray head = f.read(3000);
  f.close();
  replaceFile("ODataBase/WrdPct.ort", head);
  QByteArray settings(32, '\0');
  settings[8] = 3;
  settings[15] = settings[17] = 1;
  settings[14] = 2;
  QFile s(dir.filePath("Settings.orv"));
  ASSERT_TRUE(s.open(QIODevice::WriteOnly));
  s.write(settings);
  s.close();
  EXPECT_FALSE(start(env()));
  ASSERT_EQ(messages.messages.size(), 1);
  EXPECT_TRUE(messages.messages[0].text.startsWith(
      QString::fromUtf8("Произошла ошибка при обращении к базе данных словаря.\r")));
}

TEST_F(StartupTest, FailureEscapingTheDataModuleEndsTheStartBeforeAnyWindow) {
  StartupEnvironment e = env();
  e.showSplash = [](int) { throw std::runtime_error("the splash could not be made"); };
  bool started = true;
  EXPECT_NO_THROW(started = start(std::move(e)));
  EXPECT_FALSE(started);
  EXPECT_TRUE(program->windows().isEmpty());
  EXPECT_EQ(program->mainWindow(), nullptr);
  EXPECT_TRUE(orvik::Application::terminated());
  EXPECT_NE(orvik::Application::exitCode(), 0);
  EXPECT_NE(orvik::Application::exec(), 0) << "the event loop does not run after it";
}

TEST_F(StartupTest, ClosingTheMainWindowWritesTheSettings) {
  ASSERT_TRUE(start(env()));
  program->dataModule()->settings().setValue(Settings::FontSize, 6);
  // Saving copies the settings dialog's controls first: the slider must carry the new size.
  program->dataModule()->settings().controls()->copySettingsToControls();
  program->mainWindow()->show();
  program->mainWindow()->close();
  QFile f(dir.filePath("Settings.orv"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll()[13], 6);
}

TEST_F(StartupTest, MissingBackgroundPictureEndsTheStart) {
  QFile::setPermissions(dir.filePath("fbsh.ori"), QFile::ReadOwner | QFile::WriteOwner);
  ASSERT_TRUE(QFile::remove(dir.filePath("fbsh.ori")));
  EXPECT_FALSE(start(env()));
  EXPECT_EQ(messageTexts(), QStringList{"Could not open file fbsh.ori"});
  EXPECT_NE(orvik::Application::exitCode(), 0);
}

TEST_F(StartupTest, SplashShowsFirstTablesOpenAfterTheWaitSplashClosesOnTime) {
  StartupEnvironment e = env();
  e.splashMs = 400;
  e.waitMs = 150;
  QElapsedTimer clock;
  qint64 shownAt = -1;
  e.showSplash = [&](int ms) {
    shownAt = clock.elapsed();
    TSplashForm::showSplash(ms, dir.path(), &messages);
  };
  clock.start();
  program = std::make_unique<OrvikProgram>(std::move(e));
  ASSERT_TRUE(program->start());
  const qint64 openedBy = clock.elapsed();
  ASSERT_GE(shownAt, 0);
  EXPECT_GE(openedBy - shownAt, 150) << "the tables open only after the wait";
  TSplashForm* splash = TSplashForm::current();
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(splash->SplashTimer->interval(), 400);
  EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(splash->SplashImage->pixmap().isNull());
  ASSERT_TRUE(QTest::qWaitFor([] { return TSplashForm::current() == nullptr; }, 5000));
  EXPECT_GE(clock.elapsed() - shownAt, 400);
}

TEST_F(StartupTest, SplashWithoutDurationClosesOnTheFirstKey) {
  EXPECT_FALSE(TSplashForm::showSplash(0, dir.path(), &messages));
  EXPECT_TRUE(TSplashForm::showSplash(0, dir.path(), &messages)) << "one splash at a time";
  TSplashForm* splash = TSplashForm::current();
  ASSERT_NE(splash, nullptr);
  QTest::keyClick(splash, Qt::Key_Space);
  ASSERT_TRUE(QTest::qWaitFor([] { return TSplashForm::current() == nullptr; }, 2000));
}

TEST_F(StartupTest, SplashTimerTickClosesTheSplashAndEndsItsShowing) {
  ASSERT_FALSE(TSplashForm::showSplash(5000, dir.path(), &messages));
  TSplashForm* first = TSplashForm::current();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->size(), first->SplashImage->pixmap().size());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_LE((first->geometry().center() - screen.center()).manhattanLength(), 2)
      << "centred on the screen";
  EXPECT_TRUE(first->windowFlags() & Qt::FramelessWindowHint);
  ASSERT_TRUE(QMetaObject::invokeMethod(first->SplashTimer, "timeout"));
  EXPECT_FALSE(first->isVisible());
  EXPECT_EQ(TSplashForm::current(), nullptr) << "no splash is showing after the tick";
  EXPECT_FALSE(TSplashForm::showSplash(5000, dir.path(), &messages)) << "a new splash shows";
  TSplashForm* second = TSplashForm::current();
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_TRUE(second->isVisible());
  EXPECT_TRUE(messages.messages.isEmpty());
  delete second;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(StartupTest, SplashWithoutDurationClosesOnARightPressButNotAMiddleOne) {
  ASSERT_FALSE(TSplashForm::showSplash(0, dir.path(), &messages));
  TSplashForm* splash = TSplashForm::current();
  ASSERT_NE(splash, nullptr);
  EXPECT_FALSE(splash->SplashTimer->isActive());
  QTest::mouseClick(splash, Qt::MiddleButton, {}, QPoint(5, 5));
  EXPECT_EQ(TSplashForm::current(), splash);
  EXPECT_TRUE(splash->isVisible());
  QTest::mouseClick(splash, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(TSplashForm::current(), nullptr);
  EXPECT_FALSE(splash->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(StartupTest, MissingSplashPicture) {
  QFile::setPermissions(dir.filePath("fsls.ori"), QFile::ReadOwner | QFile::WriteOwner);
  QFile::remove(dir.filePath("fsls.ori"));
  EXPECT_FALSE(TSplashForm::showSplash(100, dir.path(), &messages));
  EXPECT_EQ(messageTexts(), QStringList{"Could not open file fsls.ori"});
  EXPECT_TRUE(orvik::Application::terminated());
}

// The locate dialog on its own: its look, its buttons and its title strip.
TEST(LocateDialog, LooksAsDrawnAndItsButtonsGiveUpOrCheckAgain) {
  int checks = 0;
  bool found = false;
  TfrmLocate dialog([&] { return ++checks, found; }, {"/media/cdrom0", "/media/cdrom1"});
  EXPECT_FALSE(dialog.isVisible()) << "created hidden";
  EXPECT_EQ(dialog.size(), QSize(261, 131));
  EXPECT_EQ(dialog.DriveComboBox1->geometry(), QRect(56, 72, 145, 19));
  EXPECT_EQ(dialog.DriveComboBox1->count(), 2);
  EXPECT_EQ(dialog.btnOk->geometry(), QRect(46, 100, 72, 20));
  EXPECT_EQ(dialog.btnCancel->geometry(), QRect(138, 100, 72, 20));
  EXPECT_EQ(dialog.OrvikBtn981->geometry(), QRect(238, 7, 15, 15));
  EXPECT_EQ(dialog.Image1->geometry(), QRect(5, 5, 251, 20));
  EXPECT_EQ(dialog.Label3->pos(), QPoint(32, 6));
  EXPECT_EQ(dialog.Label2->pos(), QPoint(72, 48));
  EXPECT_EQ(dialog.Label3->text(), QString::fromUtf8("Поиск диска"));
  EXPECT_EQ(dialog.Label2->text(), QString::fromUtf8("\"Словарь Орвик\""));
  EXPECT_EQ(dialog.btnCancel->Caption(), QString::fromUtf8("Отменить"));
  EXPECT_EQ(orvik::fontSpecOf(dialog.Label3).face, QString("Times New Roman"));
  EXPECT_EQ(orvik::fontSpecOf(dialog.btnCancel).charset, 204);

  const QImage picture = dialog.grab().toImage();
  EXPECT_EQ(picture.pixelColor(20, 60), QColor(238, 230, 201)) << "background";
  EXPECT_EQ(picture.pixelColor(0, 60), QColor(255, 255, 255)) << "outer ring of the frame";
  EXPECT_EQ(picture.pixelColor(260, 60), QColor(86, 80, 50));

  // OK without the data: checked, still open; Cancel: given up.
  QTimer::singleShot(20, &dialog, [&] {
    QTest::mouseClick(dialog.btnOk, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(dialog.isVisible());
    QTest::mouseClick(dialog.btnCancel, Qt::LeftButton, {}, QPoint(10, 10));
  });
  EXPECT_FALSE(dialog.execute());
  EXPECT_EQ(checks, 1);
  EXPECT_FALSE(dialog.isVisible());

  // The close button gives up too.
  QTimer::singleShot(20, &dialog, [&] {
    QTest::mouseClick(dialog.OrvikBtn981, Qt::LeftButton, {}, QPoint(7, 7));
  });
  EXPECT_FALSE(dialog.execute());

  // OK once the data is there.
  found = true;
  QTimer::singleShot(20, &dialog,
                     [&] { QTest::mouseClick(dialog.btnOk, Qt::LeftButton, {}, QPoint(10, 10)); });
  EXPECT_TRUE(dialog.execute());
  EXPECT_EQ(checks, 2);
}

TEST(LocateDialog, TitleStripRightOfTheCornerDragsTheDialog) {
  TfrmLocate dialog([] { return false; }, {});
  dialog.move(200, 150);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const auto drag = [&](QPoint from, QPoint to) {
    QTest::mousePress(&dialog, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), dialog.mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(&dialog, &move);
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, to);
  };
  const QPoint start = dialog.pos();
  drag({100, 12}, {130, 42});
  EXPECT_EQ(dialog.pos(), start + QPoint(30, 30));
  const QPoint moved = dialog.pos();
  drag({10, 12}, {60, 60});    // the top-left corner
  drag({100, 40}, {150, 90});  // below the strip
  EXPECT_EQ(dialog.pos(), moved);
}

class LocateTest : public StartupTest {
 protected:
  void SetUp() override {
    StartupTest::SetUp();
    // The data is moved away: neither beside the program nor on a disc.
    ASSERT_TRUE(QDir(dir.path()).rename("ODataBase", "elsewhere"));
  }
};

TEST_F(LocateTest, CancellingTheLocateDialogEndsTheProgram) {
  StartupEnvironment e = env();
  int asked = 0;
  e.locate = [&](const std::function<bool()>& found) {
    ++asked;
    EXPECT_FALSE(found());
    return false;
  };
  EXPECT_FALSE(start(std::move(e)));
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(orvik::Application::terminated());
  EXPECT_NE(orvik::Application::exitCode(), 0);
}

TEST_F(LocateTest, OkWithoutTheDiscChangesNothingOkWithItGoesOn) {
  bool firstOkSeen = false;
  QTimer::singleShot(50, [&] {
    auto* dialog = qobject_cast<TfrmLocate*>(QApplication::activeModalWidget());
    if (!dialog) {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<TfrmLocate*>(w); d && d->isVisible()) dialog = d;
    }
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->size(), QSize(261, 131));
    EXPECT_EQ(dialog->Label1->text(), QString::fromUtf8("Укажите путь к компакт-диску "));
    EXPECT_EQ(orvik::fontSpecOf(dialog->Label1).charset, 204);
    EXPECT_EQ(orvik::fontSpecOf(dialog->btnOk).cellHeight, 16);
    QTest::mouseClick(dialog->btnOk, Qt::LeftButton, {}, QPoint(10, 10));
    firstOkSeen = dialog->isVisible();
    // The disc arrives: the same check now finds the data.
    QDir(dir.path()).rename("elsewhere", "ODataBase");
    QTest::mouseClick(dialog->btnOk, Qt::LeftButton, {}, QPoint(10, 10));
  });
  EXPECT_TRUE(start(env()));
  EXPECT_TRUE(firstOkSeen) << "OK without the data leaves the dialog open";
  EXPECT_TRUE(program->dataModule()->tblPctInfo->active());
}

}  // namespace
