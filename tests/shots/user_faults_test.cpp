// Faults met when the program was first tried as a new user, each through the running program:
// hover pictures left behind by modal dialogs, the about box without French and Spanish texts,
// installation arguments naming no language or one language twice.

#include <QMessageBox>

#include "platform/message_boxes.h"
#include "platform/screen_metrics.h"
#include "program/display_check.h"
#include "shots_fixture.h"
#include "text_fit.h"

namespace {

bool pointerOn(const QWidget* w) {
  return w->rect().contains(w->mapFromGlobal(QCursor::pos()));
}

using UserFaultsTest = ProgramWindowsTest;

// The display messages, shown by the real message box on the screen of the test (800 pixels
// wide): each line of the message stays one line. Qt's box wrapped lines wider than half the
// screen, leaving "settings" alone on a line.
TEST(DisplayMessageTest, EachLineOfTheDisplayMessagesStaysOneLine) {
  struct Screen final : orvik::ScreenMetrics {
    int depth, width;
    Screen(int d, int w) : depth(d), width(w) {}
    int colourDepth() const override { return depth; }
    int workAreaWidth() const override { return width; }
  };
  for (const Screen& screen : {Screen(24, 640), Screen(8, 1024), Screen(8, 640)}) {
    orvik::Application::reset();
    orvik::QtMessageBoxes boxes;
    int lines = 0, shownLines = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(top);
        if (!box || !box->isVisible()) continue;
        poll.stop();
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        lines = int(label->text().split(QLatin1Char('\n')).size());
        // The lines as the label draws them in its width.
        const QFontMetrics metrics(label->font());
        const QRect drawn =
            metrics.boundingRect(QRect(0, 0, label->contentsRect().width(), 0),
                                 label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
        shownLines = drawn.height() / metrics.lineSpacing();
        EXPECT_LE(label->geometry().right(), box->width());
        box->button(QMessageBox::Abort) ? box->button(QMessageBox::Abort)->click()
                                        : box->button(QMessageBox::Ok)->click();
      }
    });
    poll.start(5);
    if (screen.depth < 16)
      orvik::displayChanged(screen, boxes);
    else
      orvik::displayCheck(screen, boxes);
    EXPECT_GE(lines, 2) << screen.depth << " bits, " << screen.width;
    EXPECT_EQ(shownLines, lines) << screen.depth << " bits, " << screen.width;
  }
  orvik::Application::reset();
}

TEST_F(UserFaultsTest, ExitNoLeavesNoHoverPictureBehind) {
  startFourLanguages();
  QTest::mouseMove(w, QPoint(300, 200));
  const QImage normalLook = testControls(w).btnExitNew->grab().toImage();
  QTest::mouseMove(testControls(w).btnExitNew, QPoint(5, 5));
  ASSERT_EQ(testControls(w).btnExitNew->state(), TOrvikBtn98::Hover);
  ASSERT_NE(testControls(w).btnExitNew->grab().toImage(), normalLook);
  bool ran = false;
  // The user moves onto the dialog's No and clicks it.
  whenShown(
      exitDialog, [this] { pointAndClick(exitDialog->btnNo); }, &ran);
  QTest::mouseClick(testControls(w).btnExitNew, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  ASSERT_TRUE(ran);
  ASSERT_FALSE(exitDialog->isVisible());
  ASSERT_FALSE(pointerOn(testControls(w).btnExitNew));
  // The exit button the pointer has left, and the hidden No, both show their normal pictures.
  EXPECT_EQ(testControls(w).btnExitNew->state(), TOrvikBtn98::Normal);
  EXPECT_EQ(testControls(w).btnExitNew->grab().toImage(), normalLook);
  EXPECT_EQ(exitDialog->btnNo->state(), TOrvikBtn98::Normal);
  // Back over the exit button, it hovers again.
  QTest::mouseMove(testControls(w).btnExitNew, QPoint(6, 6));
  QTRY_COMPARE(testControls(w).btnExitNew->state(), int(TOrvikBtn98::Hover));
  // The next showing, with the pointer elsewhere, starts with both buttons normal.
  whenShown(
      exitDialog,
      [this] {
        EXPECT_EQ(exitDialog->btnNo->state(), TOrvikBtn98::Normal);
        EXPECT_EQ(exitDialog->btnYes->state(), TOrvikBtn98::Normal);
        pointAndClick(exitDialog->btnNo);
      },
      &ran);
  QTest::mouseClick(testControls(w).btnExitNew, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_TRUE(ran);
  EXPECT_FALSE(orvik::Application::terminated());
}

TEST_F(UserFaultsTest, SettingsOkAndCancelLeaveNoHoverPictureBehind) {
  startFourLanguages();
  for (bool ok : {true, false}) {
    throughSettings({}, ok);
    TOrvikBtn98* pressed = ok ? settings->btnOK : settings->btnCancel;
    ASSERT_FALSE(pointerOn(testControls(w).btnNumberLang));
    EXPECT_EQ(testControls(w).btnNumberLang->state(), TOrvikBtn98::Normal) << ok;
    EXPECT_EQ(pressed->state(), TOrvikBtn98::Normal) << ok;
  }
  // Reopened with the pointer on the settings button, OK and Cancel show their normal
  // pictures, and the settings button hovers once the dialog has gone.
  bool ran = false;
  whenShown(
      settings,
      [this] {
        EXPECT_EQ(settings->btnOK->state(), TOrvikBtn98::Normal);
        EXPECT_EQ(settings->btnCancel->state(), TOrvikBtn98::Normal);
        settings->btnCancelClick();
      },
      &ran);
  pointAndClick(testControls(w).btnNumberLang);
  ASSERT_TRUE(ran);
  ASSERT_TRUE(pointerOn(testControls(w).btnNumberLang));
  EXPECT_EQ(testControls(w).btnNumberLang->state(), TOrvikBtn98::Hover);
}

TEST_F(UserFaultsTest, AboutBoxSpeaksFrenchAndSpanish) {
  startFourLanguages();
  for (int language : {2, 4}) {
    switchInterface(language);
    bool ran = false;
    QStringList texts;
    QString ok;
    QList<TextFault> faults;
    whenShown(
        about,
        [&] {
          for (QLabel* l : {about->Label5, about->Label1, about->Label2}) texts << l->text();
          ok = about->OrvikBtn981->Caption();
          faults = textFaults(about);
          pointAndClick(about->OrvikBtn981);
        },
        &ran);
    // The help button, then the menu's second line.
    pointAndClick(testControls(w).btnHelp);
    ASSERT_TRUE(helpMenu->isVisible());
    pointAtHelpLine(2);
    ASSERT_TRUE(ran) << language;
    EXPECT_EQ(texts.size(), 3);
    for (const QString& t : texts) EXPECT_FALSE(t.isEmpty()) << language;
    EXPECT_EQ(texts.value(1), language == 2 ? "Dictionnaire Orvik" : "Diccionario Orvik");
    EXPECT_EQ(ok, "OK");
    for (const TextFault& f : faults) ADD_FAILURE() << f.describe().toStdString();
  }
}

TEST_F(UserFaultsTest, InstallationNamingNoLanguageOrOneTwiceIsRefused) {
  QFile original(dir.filePath(QStringLiteral("Settings.orv")));
  writeFourLanguageSettings(dir);
  ASSERT_TRUE(original.open(QIODevice::ReadOnly));
  const QByteArray before = original.readAll();
  original.close();
  for (const QStringList& args : {QStringList{"2s"}, QStringList{"0s", "0s"}}) {
    orvik::Application::reset();
    messages.messages.clear();
    StartupEnvironment e;
    e.currentDir = dir.path();
    e.arguments = args;
    e.discs = &discs;
    e.messages = &messages;
    e.splashMs = 20;
    e.waitMs = 10;
    e.makeWaveDevice = [this]() -> std::unique_ptr<orvik::WaveDevice> {
      return std::make_unique<HeardWaveDevice>(&heard);
    };
    OrvikProgram refused(std::move(e));
    EXPECT_FALSE(refused.start()) << args.join(' ').toStdString();
    EXPECT_EQ(refused.mainWindow(), nullptr);
    EXPECT_TRUE(orvik::Application::terminated());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].text.contains(args.last()));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), before);
    original.close();
  }
}

}  // namespace
