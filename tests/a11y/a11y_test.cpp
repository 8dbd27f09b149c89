// What a screen reader learns of the running program: the main window's buttons, lists, tab
// strip, bars and entry panes answer through the accessibility interfaces with their role, a
// name in the interface language (a button's hint, a list's current line, a pane's language)
// and their state; the panes give their text; a switch of the interface language renames them
// And what a keyboard user sees: the focus frame on the focused control.

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QAccessibleValueInterface>

#include "browse/orvik_word.h"
#include "controls/focus_frame.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/osb_button.h"
#include "controls/skin.h"
#include "shots_fixture.h"

namespace {

QAccessibleInterface* accessible(QObject* control) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
  EXPECT_NE(iface, nullptr) << control->objectName().toStdString();
  return iface;
}

QString nameOf(QObject* control) {
  QAccessibleInterface* iface = accessible(control);
  return iface ? iface->text(QAccessible::Name) : QString();
}

QAccessible::Role roleOf(QObject* control) {
  QAccessibleInterface* iface = accessible(control);
  return iface ? iface->role() : QAccessible::NoRole;
}

class AccessibilityTest : public ProgramWindowsTest {
 protected:
  TOrvikWord* pane(const char* code) const {
    return w->findChild<TOrvikWord*>(QStringLiteral("RTF_") + QLatin1String(code));
  }
  // The whole text a screen reader reads from a pane.
  static QString spokenText(QObject* pane) {
    QAccessibleInterface* iface = accessible(pane);
    if (!iface || !iface->textInterface()) return {};
    QAccessibleTextInterface* text = iface->textInterface();
    return text->text(0, text->characterCount());
  }
};

TEST_F(AccessibilityTest, MainWindowControlsAnswerInTheInterfaceLanguage) {
  startFourLanguages();

  // The chapter view: buttons named by their hints, the chapter list by its red line, the tab
  // strip by its role.
  EXPECT_EQ(roleOf(testControls(w).btnHelp), QAccessible::Button);
  EXPECT_EQ(nameOf(testControls(w).btnHelp), QStringLiteral("Learn more about Orvik Dictionary"));
  EXPECT_EQ(nameOf(testControls(w).btnFind), QStringLiteral("Find in Selected Language"));
  EXPECT_EQ(nameOf(testControls(w).btnNumberLang), QStringLiteral("Settings"));
  EXPECT_EQ(roleOf(testControls(w).ListBoxChapter), QAccessible::List);
  ASSERT_FALSE(testControls(w).ListBoxChapter->Lines().isEmpty());
  EXPECT_EQ(nameOf(testControls(w).ListBoxChapter),
            testControls(w).ListBoxChapter->Lines().value(
                testControls(w).ListBoxChapter->highlightedNumber() - 1));
  EXPECT_FALSE(nameOf(testControls(w).ListBoxChapter).isEmpty());
  EXPECT_EQ(roleOf(testControls(w).Zakladki), QAccessible::PageTabList);

  // Pressing a button through its interface does what a click does.
  QAccessibleInterface* help = accessible(testControls(w).btnHelp);
  ASSERT_NE(help->actionInterface(), nullptr);
  EXPECT_TRUE(
      help->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  help->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(helpMenu->isVisible());
  helpMenu->hide();

  // The page list names its current line; the page view's panes are named by their language
  // and give their article's text.
  clickTab(1);
  EXPECT_EQ(roleOf(testControls(w).NewListBoxPages), QAccessible::List);
  testControls(w).NewListBoxPages->setItemIndex(1);
  EXPECT_EQ(nameOf(testControls(w).NewListBoxPages),
            testControls(w).NewListBoxPages->Items().Get(1));
  clickRow(2);
  ASSERT_EQ(w->currentPageCode(), 102);
  TOrvikWord* english = pane("En");
  TOrvikWord* russian = pane("Ru");
  ASSERT_NE(english, nullptr);
  ASSERT_NE(russian, nullptr);
  QTRY_VERIFY(!english->toPlainText().trimmed().isEmpty());
  EXPECT_EQ(roleOf(english), QAccessible::EditableText);
  EXPECT_TRUE(accessible(english)->state().readOnly);
  EXPECT_EQ(nameOf(english), QStringLiteral("English"));
  const QString article = english->toPlainText().trimmed();
  EXPECT_TRUE(spokenText(english).contains(article.left(20))) << spokenText(english).toStdString();
  EXPECT_EQ(spokenText(russian).trimmed(), russian->toPlainText().trimmed());

  // A latching button says it is checkable and whether it is down.
  QAccessibleInterface* lock = accessible(testControls(w).btnRegime);
  EXPECT_TRUE(lock->state().checkable);
  EXPECT_FALSE(lock->state().checked);
  pointAndClick(testControls(w).btnRegime, QPoint(5, 5));
  EXPECT_TRUE(lock->state().checked);
  pointAndClick(testControls(w).btnRegime, QPoint(5, 5));
  EXPECT_FALSE(lock->state().checked);
  EXPECT_EQ(nameOf(testControls(w).btnRegime), QStringLiteral("Activate Pointer Cursor"));

  // The pane's scroll bar gives its position and range; its arrows are named.
  auto* bar = w->findChild<TOrvikScrollBar*>(QStringLiteral("ScrollRTF_En"));
  ASSERT_NE(bar, nullptr);
  QAccessibleInterface* barIface = accessible(bar);
  EXPECT_EQ(barIface->role(), QAccessible::ScrollBar);
  ASSERT_NE(barIface->valueInterface(), nullptr);
  EXPECT_EQ(barIface->valueInterface()->currentValue().toInt(), bar->Position());
  EXPECT_EQ(barIface->valueInterface()->maximumValue().toInt(), bar->Max());
  EXPECT_EQ(nameOf(bar->downButton()), QStringLiteral("Next line"));

  // A disabled button says so.
  TOrvikBtn98* previous = testControls(w).btnPrevWord;
  if (!previous->isEnabled()) {
    EXPECT_TRUE(accessible(previous)->state().disabled);
  }

  // The Russian interface renames everything.
  switchInterface(3);
  EXPECT_EQ(nameOf(testControls(w).btnHelp), QStringLiteral("Узнайте больше о «Словаре Орвик»"));
  EXPECT_EQ(nameOf(testControls(w).btnRegime), QStringLiteral("Активировать курсор-указку"));
  EXPECT_EQ(nameOf(english), orvik::languageNameTable()[0][2]);
  EXPECT_NE(nameOf(english), QStringLiteral("English"));
  EXPECT_EQ(nameOf(bar->downButton()), QStringLiteral("Следующая строка"));
  EXPECT_EQ(spokenText(english).trimmed(), english->toPlainText().trimmed());
}

TEST_F(AccessibilityTest, FocusFrameShowsWhereTheKeyboardIs) {
  startFourLanguages();
  ASSERT_NE(FocusFrame::instance(), nullptr);
  // The window coming up hands no button the focus: Space must not press one unasked.
  QTRY_VERIFY(w->isActiveWindow());
  EXPECT_EQ(qobject_cast<TOrvikBtn98*>(QApplication::focusWidget()), nullptr);
  openBedroom();
  TOrvikWord* english = pane("En");
  ASSERT_NE(english, nullptr);
  const QImage plainButton = testControls(w).btnHelp->grab().toImage();

  // A click gives the pane the focus without a frame: the mouse user sees what he saw before.
  click(english, QPoint(40, 20));
  QTRY_VERIFY(english->hasFocus());
  EXPECT_EQ(FocusFrame::instance()->framedControl(), nullptr);
  EXPECT_EQ(english->findChild<QWidget*>(QStringLiteral("focusFrame")), nullptr);

  // A key pressed there shows where the keyboard is.
  QTest::keyClick(english, Qt::Key_Down);
  EXPECT_EQ(FocusFrame::instance()->framedControl(), english);

  // Tab takes the focus on, and the frame with it.
  QTest::keyClick(english, Qt::Key_Tab);
  QWidget* next = QApplication::focusWidget();
  ASSERT_NE(next, english);
  if (FocusFrame::frames(next)) {
    EXPECT_EQ(FocusFrame::instance()->framedControl(), next);
  }
  EXPECT_EQ(english->findChild<QWidget*>(QStringLiteral("focusFrame")), nullptr);

  // A button reached from the keyboard wears the dotted frame in the skin's text colour inside
  // its border, and Space presses it.
  testControls(w).btnHelp->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(testControls(w).btnHelp->hasFocus());
  EXPECT_EQ(FocusFrame::instance()->framedControl(), testControls(w).btnHelp);
  const QImage framed = testControls(w).btnHelp->grab().toImage();
  EXPECT_NE(framed, plainButton);
  int framePixels = 0;
  for (int x = 0; x < framed.width(); ++x)
    if (framed.pixelColor(x, 1) == orvik::colors::kButtonText) ++framePixels;
  EXPECT_GE(framePixels, framed.width() / 3);
  EXPECT_FALSE(helpMenu->isVisible());
  QTest::keyClick(testControls(w).btnHelp, Qt::Key_Space);
  EXPECT_TRUE(helpMenu->isVisible());
  helpMenu->hide();
  w->activateWindow();
  QTRY_VERIFY(w->isActiveWindow());

  // Clicking a button leaves the focus where it was: the pane keeps it for its commands.
  click(english, QPoint(40, 20));
  QTRY_VERIFY(english->hasFocus());
  EXPECT_EQ(FocusFrame::instance()->framedControl(), nullptr);
  EXPECT_EQ(testControls(w).btnHelp->grab().toImage(), plainButton);
  pointAndClick(testControls(w).btnRegime, QPoint(5, 5));
  EXPECT_TRUE(english->hasFocus());
  EXPECT_TRUE(testControls(w).btnRegime->latched());
}

}  // namespace
