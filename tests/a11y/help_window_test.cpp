// The help window as a user reaches it: the help button, then the help menu's first line, in
// each of the four interface languages. It must speak the interface language, name the
// settings file of this run, fit its texts, let every line be scrolled into view and close
// with OK, the close button or Esc. With ORVIK_BROWSE_SHOTS set, its pictures go there.

#include "lang/help_window.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QDir>
#include <QScrollBar>
#include <QWheelEvent>

#include "controls/orvik_scroll_bar.h"
#include "controls/osb_button.h"
#include "platform/rich_text_pane.h"
#include "shots_fixture.h"
#include "text_fit.h"

namespace {

class HelpWindowTest : public ProgramWindowsTest {
 protected:
  HelpWindow* helpWindow() const {
    return qobject_cast<HelpWindow*>(topLevelWindow(QStringLiteral("frmHelp")));
  }
  // Opens the help window from the help button and the menu's first line; `inWindow` runs
  // while it shows, and must close it.
  void throughHelp(const std::function<void(HelpWindow*)>& inWindow) {
    HelpWindow* help = helpWindow();
    ASSERT_NE(help, nullptr);
    bool ran = false;
    whenShown(
        help, [help, inWindow] { inWindow(help); }, &ran);
    pointAndClick(testControls(w).btnHelp, QPoint(5, 5));
    ASSERT_TRUE(helpMenu->isVisible());
    pointAtHelpLine(1);
    EXPECT_TRUE(ran);
    EXPECT_FALSE(help->isVisible());
    EXPECT_FALSE(helpMenu->isVisible());
  }
};

TEST_F(HelpWindowTest, OpensFromTheHelpMenuInEachInterfaceLanguageAndFits) {
  startFourLanguages();
  const QString settingsFile = data()->settings().filePath();
  // Words only the right language's text has, and the key map's keys every text has.
  const QStringList ownWords{"", "Keys", "Raccourcis clavier", "Клавиши", "Teclas"};
  const QStringList codes{"", "en", "fr", "ru", "sp"};
  const int indexOf[5] = {0, 0, 2, 1, 3};
  for (int language : {1, 2, 3, 4}) {
    if (language != 1) switchInterface(language);
    const int index = indexOf[language];
    // The interface sounds are on until the settings dialog's OK writes its own choice.
    const int clicksBefore = language == 1 ? clicks() : -1;
    throughHelp([&](HelpWindow* help) {
      EXPECT_TRUE(help->isShowingModal());
      EXPECT_EQ(help->language(), index);
      EXPECT_EQ(help->lblTitle->text(), HelpWindow::heading(index));
      const QString text = help->txtHelp->toPlainText();
      EXPECT_TRUE(text.contains(ownWords[language])) << language;
      for (const char* key : {"Ctrl+P", "Ctrl+E, F, R, S", "Alt+E, F, R, S", "Alt+F4"})
        EXPECT_TRUE(text.contains(QLatin1String(key))) << key << " " << language;
      EXPECT_TRUE(text.contains(settingsFile)) << language;
      EXPECT_TRUE(text.contains(QStringLiteral("~/.config/orvik/"))) << language;
      for (int other = 1; other <= 4; ++other)
        if (other != language) {
          EXPECT_FALSE(text.contains(ownWords[other])) << language;
        }

      // No text is cut: the labels and buttons fit, and the text wraps within the pane.
      for (const TextFault& f : textFaults(help)) ADD_FAILURE() << f.describe().toStdString();
      EXPECT_LE(help->txtHelp->document()->idealWidth(), help->txtHelp->viewport()->width() + 0.5);
      EXPECT_EQ(help->txtHelp->horizontalScrollBar()->maximum(), 0);

      // The bar reaches the last line, and a screen reader reads the whole text.
      TOrvikScrollBar* bar = help->ScrollHelp;
      ASSERT_GT(bar->Max(), 0);
      for (int i = 0; i <= 2 * bar->Max() && bar->Position() < bar->Max(); ++i)
        QTest::mouseClick(bar->downButton(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
      EXPECT_EQ(bar->Position(), bar->Max());
      QScrollBar* view = help->txtHelp->verticalScrollBar();
      EXPECT_EQ(view->value(), view->maximum());
      // So does the wheel, from the top: to the end of the text, the bar with it.
      QTest::keyClick(help->txtHelp, Qt::Key_Home, Qt::ControlModifier);
      ASSERT_EQ(view->value(), 0);
      for (int i = 0, last = -1; i < 200 && view->value() != last; ++i) {
        last = view->value();
        QWheelEvent wheel(QPointF(20, 20), help->txtHelp->viewport()->mapToGlobal(QPointF(20, 20)),
                          QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(help->txtHelp->viewport(), &wheel);
      }
      EXPECT_EQ(view->value(), view->maximum()) << "the wheel, language " << language;
      EXPECT_EQ(bar->Position(), bar->Max()) << "the wheel, language " << language;
      QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(help->txtHelp);
      ASSERT_NE(pane, nullptr);
      EXPECT_EQ(pane->text(QAccessible::Name), HelpWindow::heading(index));
      ASSERT_NE(pane->textInterface(), nullptr);
      EXPECT_EQ(pane->textInterface()->characterCount(), text.size());
      const QStringList closeNames{"", "Close", "Fermer", "Закрыть", "Cerrar"};
      EXPECT_EQ(QAccessible::queryAccessibleInterface(help->btnClose)->text(QAccessible::Name),
                closeNames[language]);

      const QString folder = qEnvironmentVariable("ORVIK_BROWSE_SHOTS");
      if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        help->grab().save(folder + QStringLiteral("/help_window_") + codes[language] + ".png");
      }
      // Each way out: OK, Esc, the close button.
      if (language == 2) {
        QTest::keyClick(help->txtHelp, Qt::Key_Escape);
      } else if (language == 3) {
        pointAndClick(help->btnClose, QPoint(5, 5));
      } else {
        pointAndClick(help->btnOK);
      }
    });
    if (language == 1) {
      EXPECT_GT(clicks(), clicksBefore);
    }
  }
  // Opened again it starts at the top.
  throughHelp([](HelpWindow* help) {
    EXPECT_EQ(help->txtHelp->firstVisibleLine(), 0);
    EXPECT_EQ(help->ScrollHelp->Position(), 0);
    pointAndClick(help->btnOK);
  });
}

}  // namespace
