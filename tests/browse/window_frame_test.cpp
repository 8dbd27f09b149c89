// The main window's own frame in the running program: the five rings in both states, dragging
// by the title strip in the normal state only, maximise and restore, and the system menu.
#include "browse/window_frame.h"

#include <QScreen>

#include "app/settings_file.h"
#include "browse/browse_fixture.h"
#include "browse/picture_box.h"
#include "controls/hint_windows.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_panel.h"

namespace {

class WindowFrameTest : public BrowseTest {
 protected:
  // Drags the window by a point of the title strip over `by`; returns how far it moved.
  QPoint dragStrip(QPoint at, QPoint by) {
    const QPoint before = w->pos();
    QTest::mousePress(w, Qt::LeftButton, {}, at);
    QMouseEvent move(QEvent::MouseMove, QPointF(at + by), QPointF(w->mapToGlobal(at + by)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QTest::mouseRelease(w, Qt::LeftButton, {}, at + by);
    return w->pos() - before;
  }
};

TEST_F(WindowFrameTest, TheFiveRingsSurroundTheWindow) {
  start();
  const QImage img = w->grab().toImage();
  EXPECT_EQ(img.pixelColor(0, 300), QColor(255, 255, 255)) << "raised outer edge, left";
  EXPECT_EQ(img.pixelColor(1, 300), QColor(157, 148, 116));
  EXPECT_EQ(img.pixelColor(2, 300), QColor(117, 109, 70)) << "the groove";
  EXPECT_NE(img.pixelColor(756, 300), QColor(238, 230, 201)) << "right edge painted";
  EXPECT_NE(img.pixelColor(300, 563), QColor(238, 230, 201)) << "bottom edge painted";
}

TEST_F(WindowFrameTest, TheStripDragsInTheNormalStateButNotItsCornerNorWhenMaximised) {
  start();
  EXPECT_EQ(dragStrip(QPoint(300, 12), QPoint(40, 30)), QPoint(40, 30));
  // The first 25 pixels of the strip do not drag.
  EXPECT_EQ(dragStrip(QPoint(20, 12), QPoint(40, 30)), QPoint(0, 0));
  w->frame()->SysMenu->hide();

  click(testControls(w).btnMaximize, QPoint(7, 7));
  ASSERT_TRUE(w->frame()->isMaximized());
  EXPECT_EQ(dragStrip(testControls(w).Image1->geometry().center(), QPoint(40, 30)), QPoint(0, 0));
}

TEST_F(WindowFrameTest, MaximiseCentresThePanelOnBlackAndRestoreBringsItBack) {
  start();
  const QPoint normalPos = w->pos();
  click(testControls(w).btnMaximize, QPoint(7, 7));
  const QRect screen = w->screen()->geometry();
  EXPECT_EQ(w->size(), screen.size());
  const QPoint panel = testControls(w).pnlMain->pos();
  EXPECT_EQ(panel, QPoint(screen.width() / 2 - 748 / 2, screen.height() / 2 - 535 / 2));
  EXPECT_TRUE(testControls(w).btnMaximize->isHidden());
  EXPECT_FALSE(testControls(w).btnRestore->isHidden());
  EXPECT_EQ(testControls(w).Image1->pos(), panel - QPoint(0, 20));
  EXPECT_EQ(testControls(w).lblMainCap->pos(), panel + QPoint(22, -18));
  EXPECT_EQ(testControls(w).btnRestore->pos(), panel + QPoint(713, -18));
  EXPECT_EQ(testControls(w).btnMinimize->pos(), panel + QPoint(697, -18));
  const QImage img = w->grab().toImage();
  EXPECT_EQ(img.pixelColor(2, 2), QColor(Qt::black)) << "black around the panel";
  // The rings stand around the area the normal window would show.
  EXPECT_EQ(img.pixelColor(panel.x() - 5, panel.y() + 100), QColor(255, 255, 255));

  click(testControls(w).btnRestore, QPoint(7, 7));
  EXPECT_FALSE(w->frame()->isMaximized());
  EXPECT_EQ(w->size(), QSize(757, 564));
  EXPECT_EQ(w->pos(), normalPos);
  EXPECT_EQ(testControls(w).pnlMain->pos(), QPoint(5, 25));
  EXPECT_EQ(testControls(w).Image1->pos(), QPoint(5, 5));
  EXPECT_EQ(testControls(w).btnClose->pos(), QPoint(734, 7));
  EXPECT_FALSE(testControls(w).btnMaximize->isHidden());
  EXPECT_TRUE(testControls(w).btnRestore->isHidden());
  EXPECT_EQ(w->palette().color(QPalette::Window), QColor(238, 230, 201));
}

TEST_F(WindowFrameTest, TheSystemMenuOpensInTheStripCornerAndClosesOnAPressElsewhere) {
  start();
  TOrvikPanel* menu = w->frame()->SysMenu;
  click(w, QPoint(15, 10));
  ASSERT_TRUE(menu->isVisible());
  EXPECT_EQ(w->frame()->SysMenuList->Lines(),
            QStringList({"      Minimize", "      Close             Alt+F4"}));
  click(testControls(w).btnFind, QPoint(10, 10));
  EXPECT_FALSE(menu->isVisible()) << "any press elsewhere closes it";

  // Not while auto-play runs.
  w->setAutoPlayRunning(true);
  click(w, QPoint(15, 10));
  EXPECT_FALSE(menu->isVisible());
  w->setAutoPlayRunning(false);

  // Its first line minimises the window.
  click(w, QPoint(15, 10));
  ASSERT_TRUE(menu->isVisible());
  moveTo(w->frame()->SysMenuList, QPoint(20, 8));
  click(w->frame()->SysMenuList, QPoint(20, 8));
  EXPECT_FALSE(menu->isVisible());
  EXPECT_TRUE(w->windowState() & Qt::WindowMinimized);
}

// The window buttons were named but showed no hint in any language.
TEST_F(WindowFrameTest, TheWindowButtonsShowTheirHintsInEveryInterfaceLanguage) {
  start();
  const std::pair<TOrvikBtn98*, QStringList> buttons[] = {
      {testControls(w).btnMinimize, {"Minimize", "Réduire", "Свернуть", "Minimizar"}},
      {testControls(w).btnMaximize, {"Maximize", "Agrandir", "Развернуть", "Maximizar"}},
      {testControls(w).btnRestore, {"Restore", "Restaurer", "Восстановить", "Restaurar"}},
      {testControls(w).btnClose, {"Close", "Fermer", "Закрыть", "Cerrar"}}};
  for (int language : {1, 2, 3, 4}) {
    data()->settings().setValue(Settings::InterfaceLanguage, language);
    w->ReloadLanguageNames(*orvik::Language::fromNumber(language));
    if (language == 1) {
      // Restore stands in the maximised state only.
      click(testControls(w).btnMaximize, QPoint(7, 7));
      ASSERT_TRUE(testControls(w).btnRestore->isVisible());
    }
    for (const auto& [button, names] : buttons) {
      const QString expected = names[language - 1];
      EXPECT_EQ(button->HintName(), expected);
      if (!button->isVisible()) continue;
      // Pointed at, the button shows its hint below itself.
      const QPointF middle(7, 7);
      QEnterEvent enter(middle, middle, button->mapToGlobal(middle));
      QApplication::sendEvent(button, &enter);
      button->showHintNow();
      ASSERT_TRUE(button->hintWindow()->isVisible()) << expected.toStdString();
      EXPECT_EQ(button->hintWindow()->text(), expected);
      EXPECT_GE(button->hintWindow()->geometry().top(),
                button->mapToGlobal(QPoint(0, button->height())).y());
      QEvent leave(QEvent::Leave);
      QApplication::sendEvent(button, &leave);
      EXPECT_FALSE(button->hintWindow()->isVisible());
    }
    if (language == 1) click(testControls(w).btnRestore, QPoint(7, 7));
  }
  data()->settings().setValue(Settings::InterfaceLanguage, 1);
  w->ReloadLanguageNames(orvik::Language::English);
}

}  // namespace
