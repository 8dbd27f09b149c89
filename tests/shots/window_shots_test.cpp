// Every window of the running program in every interface language: each is reached as a user
// reaches it where it can be (the settings button, the exit button, the help menu), grabbed into
// <window>_<language>.png in the shots folder, and its texts measured against their controls.
// The texts of the settings dialog and its message, the exit dialog, the help menu and the
// about box must fit; what the measuring finds in the other windows is written to
// text_faults.txt beside the pictures for their owners.

#include <QDir>
#include <QTextStream>

#include "lang/locate_dialog.h"
#include "program/splash_form.h"
#include "shots_fixture.h"
#include "text_fit.h"

// The folder the pictures go to (the shots program's first argument).
extern QString gShotsFolder;

namespace {

const QStringList kLanguageCodes{QString(), "en", "fr", "ru", "sp"};
const QStringList kKeptFitting{"frmNumbLang", "MsgChecked", "frmExit", "frmOptForHelp", "frmAbout"};

class WindowShotsTest : public ProgramWindowsTest {
 protected:
  // Grabs a window into the shots folder and measures its texts.
  void shoot(QWidget* window, const QString& name, const QString& language) {
    QApplication::processEvents();
    const QImage picture = window->grab().toImage();
    ASSERT_FALSE(picture.isNull()) << name.toStdString();
    EXPECT_TRUE(picture.save(QDir(gShotsFolder).filePath(name + "_" + language + ".png")));
    shot << name;
    for (const TextFault& f : textFaults(window)) {
      const QString line = language + "  " + f.describe();
      if (kKeptFitting.contains(window->objectName()))
        ADD_FAILURE() << line.toStdString();
      else
        othersFaults << line;
    }
  }

  void backToChapters() {
    for (TOrvikBtn98* back : {testControls(w).btnBackToPages, testControls(w).btnBackToChapters})
      if (back->isVisible() && back->isEnabled()) pointAndClick(back, QPoint(5, 5));
  }

  QStringList shot;
  QStringList othersFaults;
};

TEST_F(WindowShotsTest, EveryWindowInEveryInterfaceLanguage) {
  ASSERT_TRUE(QDir().mkpath(gShotsFolder));
  startFourLanguages();
  for (int language : {1, 2, 3, 4}) {
    const QString code = kLanguageCodes[language];
    if (language != 1) switchInterface(language);
    shot.clear();

    // The main window in its three views.
    backToChapters();
    shoot(w, "main_chapters", code);
    clickTab(1);
    shoot(w, "main_pages", code);
    clickRow(2);
    ASSERT_EQ(w->currentPageCode(), 102);
    shoot(w, "main_page", code);

    // The settings dialog as its button opens it, and the message of its last language.
    throughSettings([&] { shoot(settings, "settings", code); }, false);
    auto* message = qobject_cast<TMsgChecked*>(orvik::findWindow("MsgChecked"));
    ASSERT_NE(message, nullptr);
    message->prepare(settings->MultiLang1->ActiveLanguage(), w);
    message->show();
    shoot(message, "settings_message", code);
    message->hide();

    // The exit confirmation from the exit button, answered No.
    bool ran = false;
    whenShown(
        exitDialog,
        [&] {
          shoot(exitDialog, "exit", code);
          pointAndClick(exitDialog->btnNo);
        },
        &ran);
    pointAndClick(testControls(w).btnExitNew, QPoint(5, 5));
    EXPECT_TRUE(ran);

    // The help menu from the help button, and the about box from its second line.
    pointAndClick(testControls(w).btnHelp, QPoint(5, 5));
    ASSERT_TRUE(helpMenu->isVisible());
    shoot(helpMenu, "help", code);
    whenShown(
        about,
        [&] {
          shoot(about, "about", code);
          pointAndClick(about->OrvikBtn981);
        },
        &ran);
    pointAtHelpLine(2);
    EXPECT_TRUE(ran);

    // The start-up's windows: the locate dialog and the splash.
    {
      TfrmLocate locate([] { return false; }, {});
      locate.show();
      shoot(&locate, "locate", code);
    }
    TSplashForm::showSplash(0, dir.path(), &messages);
    ASSERT_NE(TSplashForm::current(), nullptr);
    shoot(TSplashForm::current(), "splash", code);
    delete TSplashForm::current();

    // Every other window the program made, shown for the picture where it was hidden.
    for (QWidget* window : program->windows()) {
      if (!window || window == w || shot.contains(window->objectName())) continue;
      if (QList<QWidget*>{settings, exitDialog, helpMenu, about, message}.contains(window))
        continue;
      const bool hidden = !window->isVisible();
      if (hidden) window->show();
      shoot(window, window->objectName(), code);
      if (hidden) window->hide();
    }
  }

  // What was found in the windows this test does not keep, for their owners.
  QFile report(QDir(gShotsFolder).filePath("text_faults.txt"));
  ASSERT_TRUE(report.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text));
  QTextStream(&report) << othersFaults.join('\n') << '\n';
  const QStringList pictures = QDir(gShotsFolder).entryList({"*.png"});
  EXPECT_GE(pictures.size(), 4 * 12);
  for (const QString& language : kLanguageCodes.mid(1))
    for (const char* name : {"main_chapters", "main_pages", "main_page", "settings",
                             "settings_message", "exit", "help", "about", "locate", "splash"})
      EXPECT_TRUE(pictures.contains(QString::fromLatin1(name) + "_" + language + ".png"))
          << name << "_" << language.toStdString();
}

}  // namespace
