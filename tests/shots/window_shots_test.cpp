// Every window of the running program in every interface language: each is reached as a user
// reaches it where it can be (the settings button, the exit button, the help menu), grabbed into
// <window>_<language>.png in the shots folder, and its texts measured against their controls.
// The texts of the settings dialog and its message, the exit dialog, the help menu and the
// about box must fit; what the measuring finds in the other windows is written to
// text_faults.txt beside the pictures for their owners.

#include <QDir>
#include <QTextStream>

#include "browse/entry_panes.h"
#include "browse/name_label.h"
#include "lang/locate_dialog.h"
#include "program/splash_form.h"
#include "search/find_window.h"
#include "search/find_windows.h"
#include "search/new_string_grid.h"
#include "shots_fixture.h"
#include "sound/auto_play_panel.h"
#include "text_fit.h"

// The folder the pictures go to (the shots program's first argument).
extern QString gShotsFolder;

namespace {

const QStringList kLanguageCodes{QString(), "en", "fr", "ru", "sp"};
const QStringList kKeptFitting{"frmNumbLang", "MsgChecked", "frmExit",          "frmOptForHelp",
                               "frmAbout",    "frmLocate",  "frmTrackAutoPlay", "frmPractice"};
// Controls of the other windows whose texts must fit too: the chapter and page names of the
// main window, its article menu, and the find window's result grid.
const QStringList kKeptControls{"lblChapterName", "lblPageName", "PopUpRTFList", "NewStringGrid1"};

// The longest chapter name of the demo dictionary in each interface language (English,
// French, Russian, Spanish): the page view must show it whole.
const QStringList kLongestChapterNames{
    QString(), "Music, art and hobbies", "Les sciences, la technologie et l'espace",
    "Музыка, искусство и хобби", "La ciencia, la tecnología y el espacio"};

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
      const QString control = f.control.section(QLatin1Char('['), 0, 0);
      if (kKeptFitting.contains(window->objectName()) || kKeptControls.contains(control))
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
    bool ran = false;

    // The main window in its three views.
    backToChapters();
    shoot(w, "main_chapters", code);
    clickTab(1);
    shoot(w, "main_pages", code);
    clickRow(2);
    ASSERT_EQ(w->currentPageCode(), 102);
    shoot(w, "main_page", code);

    // The page view under the language's longest chapter name, with the article menu open.
    const QString chapterName = testControls(w).lblChapterName->text();
    testControls(w).lblChapterName->setText(kLongestChapterNames[language]);
    EXPECT_EQ(testControls(w).lblChapterName->shownText(), kLongestChapterNames[language]);
    w->entryPanes()->openMenu(1, QPoint(20, 20));
    ASSERT_TRUE(w->findChild<QWidget*>("PopUpRTF")->isVisible());
    shoot(w, "main_page_menu", code);
    w->findChild<QWidget*>("PopUpRTF")->hide();
    testControls(w).lblChapterName->setText(chapterName);

    // The auto-play panel over the page, its button hidden while it is open.
    TfrmTrackAutoPlay* autoPlay = program->parts().autoPlayPanel;
    pointAndClick(testControls(w).btnAutoPlayPanel, QPoint(5, 5));
    ASSERT_TRUE(autoPlay->isVisible());
    EXPECT_FALSE(testControls(w).btnAutoPlayPanel->isVisible());
    shoot(autoPlay, autoPlay->objectName(), code);
    pointAndClick(autoPlay->btnClose, QPoint(5, 5));
    EXPECT_FALSE(autoPlay->isVisible());

    // The English find window with its results, as Ctrl+E opens it.
    auto* finds = dynamic_cast<FindWindows*>(w->handOver().find);
    ASSERT_NE(finds, nullptr);
    TFrmFind* find = finds->window(1);
    bool found = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      // Once the window runs modally, its word list built.
      if (!find->isShowingModal()) return;
      poll.stop();
      find->Edit1->selectAll();
      QTest::keyClicks(find->Edit1, QStringLiteral("pear"));
      pointAndClick(find->btnFind);
      found = find->mode() == TFrmFind::Mode::Results;
      shoot(find, "find_results", code);
      find->btnCancelClick();
    });
    poll.start(5);
    finds->openFind(orvik::Language::English);
    EXPECT_TRUE(found);

    // The settings dialog as its button opens it, and the message of its last language.
    throughSettings([&] { shoot(settings, "settings", code); }, false);
    auto* message = qobject_cast<TMsgChecked*>(topLevelWindow("MsgChecked"));
    ASSERT_NE(message, nullptr);
    message->prepare(settings->MultiLang1->ActiveLanguage(), w);
    message->show();
    shoot(message, "settings_message", code);
    message->hide();

    // The exit confirmation from the exit button, answered No.
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
      // Its lines stand well inside the frame: the first ran up against it on the right.
      for (QLabel* line : {locate.Label1, locate.Label2}) {
        const int ink = line->fontMetrics().horizontalAdvance(line->text().trimmed());
        EXPECT_GE(locate.width() - (line->x() + ink), 20) << line->text().toStdString();
        EXPECT_GE(line->x(), 20) << line->text().toStdString();
      }
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
    for (const char* name : {"main_chapters", "main_pages", "main_page", "main_page_menu",
                             "frmTrackAutoPlay", "find_results", "settings", "settings_message",
                             "exit", "help", "about", "locate", "splash"})
      EXPECT_TRUE(pictures.contains(QString::fromLatin1(name) + "_" + language + ".png"))
          << name << "_" << language.toStdString();
}

}  // namespace
