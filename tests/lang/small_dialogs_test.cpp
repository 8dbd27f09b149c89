// The exit confirmation, the help menu and the about box: their look, their buttons, their
// texts in the interface languages and where they stand relative to the main window.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "lang/about_box.h"
#include "lang/exit_dialog.h"
#include "lang/font_sets.h"
#include "lang/help_menu.h"
#include "lang/multi_lang.h"

namespace {

// Puts the interface back into English whatever a test switched to.
struct EnglishAfterwards {
  ~EnglishAfterwards() { SetInterfaceLanguage(0); }
};

// A stand-in for the main window: its panel at (5, 25) with the help button at 250, 506.
struct MainStandIn {
  QWidget window;
  QWidget* panel;
  QWidget* help;
  MainStandIn() {
    window.setObjectName("Form1");
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.setGeometry(100, 50, 757, 564);
    panel = new QWidget(&window);
    panel->setObjectName("pnlMain");
    panel->setGeometry(5, 25, 748, 535);
    help = new QWidget(panel);
    help->setObjectName("btnHelp");
    help->setGeometry(250, 506, 50, 20);
  }
};

void expectDialogFrame(const QImage& img) {
  const int w = img.width(), h = img.height();
  EXPECT_EQ(img.pixelColor(0, h / 2), QColor(255, 255, 255)) << "ring 1, left";
  EXPECT_EQ(img.pixelColor(w - 1, h / 2), QColor(86, 80, 50)) << "ring 1, right";
  EXPECT_EQ(img.pixelColor(w / 2, h - 1), QColor(86, 80, 50)) << "ring 1, bottom";
  EXPECT_EQ(img.pixelColor(1, h / 2), QColor(157, 148, 116)) << "ring 2, left";
  EXPECT_EQ(img.pixelColor(w - 2, h / 2), QColor(117, 109, 70)) << "ring 2, right";
  EXPECT_EQ(img.pixelColor(2, h / 2), QColor(117, 109, 70)) << "ring 3, left";
  EXPECT_EQ(img.pixelColor(3, h / 2), QColor(86, 80, 50)) << "ring 4, left";
  EXPECT_EQ(img.pixelColor(w - 4, h / 2), QColor(255, 255, 255)) << "ring 4, right";
  EXPECT_EQ(img.pixelColor(4, h / 2), QColor(254, 253, 225)) << "ring 5, left";
}

void moveOver(QWidget* widget, QPoint pos) {
  QMouseEvent move(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

// Presses line `line` (1 or 2) of the help list as the mouse does: a move onto it, a press.
void pressLine(TOrvikChapterList* list, int line) {
  int y = 0;
  while (y < list->height() && list->lineAt(y) != line) ++y;
  ASSERT_EQ(list->lineAt(y), line);
  moveOver(list, QPoint(10, y));
  ASSERT_EQ(list->selectedNumber(), line);
  QTest::mousePress(list, Qt::LeftButton, {}, QPoint(10, y));
  QTest::mouseRelease(list, Qt::LeftButton, {}, QPoint(10, y));
}

TEST(ExitDialog, LooksAsDrawnCentredOnTheMainWindow) {
  TfrmExit dialog;
  EXPECT_FALSE(dialog.isVisible()) << "created hidden";
  EXPECT_EQ(dialog.objectName(), "frmExit");
  EXPECT_EQ(dialog.size(), QSize(225, 112));
  EXPECT_EQ(dialog.Label1->text(), "Do you really want to quit");
  EXPECT_EQ(dialog.Label2->text(), "Orvik Dictionary?");
  EXPECT_EQ(dialog.Label1->pos(), QPoint(40, 16));
  EXPECT_EQ(dialog.Label2->pos(), QPoint(56, 40));
  EXPECT_EQ(dialog.Label1->palette().color(QPalette::WindowText), QColor(82, 91, 27));
  EXPECT_EQ(dialog.btnYes->geometry(), QRect(48, 72, 50, 20));
  EXPECT_EQ(dialog.btnNo->geometry(), QRect(112, 72, 50, 20));
  EXPECT_EQ(dialog.btnYes->Caption(), "Yes");
  EXPECT_EQ(dialog.btnNo->Caption(), "No");
  // The window pass of the English interface: Times bold 16, Western.
  EXPECT_EQ(orvik::fontSpecOf(dialog.Label2), orvik::timesBoldSpec(16, orvik::kWesternCharset));
  EXPECT_EQ(orvik::fontSpecOf(dialog.btnNo), orvik::timesBoldSpec(16, orvik::kWesternCharset));

  const QImage img = dialog.grab().toImage();
  EXPECT_EQ(img.pixelColor(20, 100), QColor(230, 222, 191)) << "background";
  expectDialogFrame(img);

  MainStandIn main;
  QTimer::singleShot(20, &dialog, [&] {
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.pos(), QPoint(100 + 757 / 2 - 225 / 2, 50 + 564 / 2 - 112 / 2));
    QTest::mouseClick(dialog.btnNo, Qt::LeftButton, {}, QPoint(10, 10));
  });
  EXPECT_FALSE(dialog.execute(&main.window)) << "No";
  EXPECT_FALSE(dialog.isVisible());
  QTimer::singleShot(20, &dialog,
                     [&] { QTest::mouseClick(dialog.btnYes, Qt::LeftButton, {}, QPoint(10, 10)); });
  EXPECT_TRUE(dialog.execute(&main.window)) << "Yes";
  EXPECT_FALSE(dialog.isVisible());
  QTimer::singleShot(20, &dialog, [&] { dialog.close(); });
  EXPECT_FALSE(dialog.execute(nullptr)) << "closed otherwise: as No";
}

TEST(ExitDialog, TextsStayFontsFollowTheInterfaceLanguage) {
  EnglishAfterwards english;
  SetInterfaceLanguage(1);  // Russian
  TfrmExit dialog;
  EXPECT_EQ(dialog.Label1->text(), "Do you really want to quit");
  EXPECT_EQ(dialog.btnYes->Caption(), "Yes");
  EXPECT_EQ(orvik::fontSpecOf(dialog.Label1).charset, orvik::kCyrillicCharset);
  EXPECT_EQ(orvik::fontSpecOf(dialog.btnYes).charset, orvik::kCyrillicCharset);
}

TEST(HelpMenu, DrawnEdgesAndTheLinesOfEachLanguage) {
  EnglishAfterwards english;
  TfrmOptForHelp menu;
  EXPECT_FALSE(menu.isVisible());
  EXPECT_EQ(menu.objectName(), "frmOptForHelp");
  EXPECT_EQ(menu.size(), QSize(115, 40));
  EXPECT_TRUE(menu.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(menu.Image1->geometry(), QRect(0, 0, 115, 40));
  EXPECT_EQ(menu.HelpList->ItemHeight(), 16);
  EXPECT_EQ(menu.HelpList->y(), 4);
  EXPECT_EQ(menu.HelpList->cursor().shape(), Qt::BitmapCursor) << "the pointing hand";
  EXPECT_EQ(orvik::fontSpecOf(menu.HelpList), orvik::timesBoldSpec(16, orvik::kWesternCharset));

  const QImage img = menu.Image1->pixmap().toImage();
  EXPECT_EQ(img.pixelColor(0, 39), QColor(Qt::white)) << "left edge";
  EXPECT_EQ(img.pixelColor(0, 0), QColor(Qt::white));
  EXPECT_EQ(img.pixelColor(114, 0), QColor(Qt::white)) << "top edge";
  EXPECT_EQ(img.pixelColor(114, 1), QColor(140, 125, 67)) << "right edge";
  EXPECT_EQ(img.pixelColor(114, 39), QColor(140, 125, 67));
  EXPECT_EQ(img.pixelColor(1, 39), QColor(140, 125, 67)) << "bottom edge";
  EXPECT_NE(img.pixelColor(50, 20), QColor(Qt::white)) << "parchment inside";

  struct Expected {
    int index, left;
    const char *help, *about;
  };
  const Expected rows[] = {{3, 30, "Ayuda", "Acerca de..."},
                           {1, 15, "Помощь", "О программе..."},
                           {2, 8, "Aide", "Sur programme..."},
                           {0, 33, "Help", "About..."}};
  EXPECT_EQ(menu.HelpList->x(), 33);
  EXPECT_EQ(menu.HelpList->Lines(), QStringList({"Help", "About..."}));
  for (const Expected& e : rows) {
    SetInterfaceLanguage(quint8(e.index));
    EXPECT_EQ(menu.HelpList->x(), e.left) << e.index;
    EXPECT_EQ(menu.HelpList->Lines(),
              QStringList({QString::fromUtf8(e.help), QString::fromUtf8(e.about)}))
        << e.index;
    EXPECT_LE(menu.HelpList->geometry().right(), 114) << "the list stays inside the menu";
  }
}

TEST(HelpMenu, StandsAboveTheHelpButton) {
  MainStandIn main;
  main.window.show();
  TfrmOptForHelp menu;
  menu.setAnchors(&main.window, main.panel, main.help, nullptr);
  EXPECT_EQ(menu.pos(), QPoint(100 + 250 - (115 - 50) / 2, 50 + 564 - 40 - 30));
  menu.popUp();
  EXPECT_TRUE(menu.isVisible());
  EXPECT_EQ(menu.pos(), QPoint(100 + 250 - 25, 50 + 564 - 40 - 33));
  main.window.move(200, 80);
  menu.popUp();
  EXPECT_EQ(menu.pos(), QPoint(200 + 250 - 25, 80 + 564 - 40 - 33));
}

TEST(HelpMenu, FirstLineOnlyClosesSecondOpensTheAboutBox) {
  MainStandIn main;
  TfrmOptForHelp menu;
  TfrmAbout about;
  menu.setAnchors(&main.window, main.panel, main.help, &about);
  QSignalSpy pressed(&menu, &TfrmOptForHelp::linePressed);

  menu.popUp();
  pressLine(menu.HelpList, 1);
  EXPECT_FALSE(menu.isVisible());
  EXPECT_FALSE(about.isVisible());
  ASSERT_EQ(pressed.size(), 1);
  EXPECT_EQ(pressed[0][0].toInt(), 1);

  menu.popUp();
  bool aboutWasModal = false;
  QPoint aboutPos;
  QTimer::singleShot(20, &about, [&] {
    aboutWasModal = about.isVisible() && about.isShowingModal();
    aboutPos = about.pos();
    EXPECT_FALSE(menu.isVisible()) << "the menu closed before the about box";
    QTest::mouseClick(about.OrvikBtn981, Qt::LeftButton, {}, QPoint(10, 10));
  });
  pressLine(menu.HelpList, 2);
  EXPECT_TRUE(aboutWasModal);
  EXPECT_EQ(aboutPos, QPoint(100 + 757 / 2 - 411 / 2, 50 + 564 / 2 - 375 / 2));
  EXPECT_FALSE(about.isVisible()) << "OK closed it";
  ASSERT_EQ(pressed.size(), 2);
  EXPECT_EQ(pressed[1][0].toInt(), 2);
}

TEST(AboutBox, LooksAsDrawnInEnglish) {
  TfrmAbout about;
  EXPECT_FALSE(about.isVisible());
  EXPECT_EQ(about.objectName(), "frmAbout");
  EXPECT_EQ(about.size(), QSize(411, 375));
  EXPECT_EQ(about.Image2->geometry(), QRect(5, 5, 403, 20));
  EXPECT_EQ(about.Image1->pos(), QPoint(8, 32));
  EXPECT_FALSE(about.Image1->pixmap().isNull());
  EXPECT_EQ(about.Image1->size(), about.Image1->pixmap().size()) << "sizes itself";
  EXPECT_EQ(about.Label5->pos(), QPoint(32, 8));
  EXPECT_EQ(about.Label1->pos(), QPoint(104, 48));
  EXPECT_EQ(about.Label2->pos(), QPoint(120, 68));
  EXPECT_EQ(about.OrvikBtn981->geometry(), QRect(168, 348, 50, 20));
  EXPECT_EQ(about.OrvikBtn982->geometry(), QRect(390, 7, 15, 15));
  EXPECT_TRUE(about.OrvikBtn982->Caption().isEmpty());
  EXPECT_EQ(about.Label5->palette().color(QPalette::WindowText), QColor(128, 0, 0));
  EXPECT_EQ(about.Label5->text(), "About Orvik Dictionary");
  EXPECT_EQ(about.Label1->text(), "Orvik Dictionary");
  EXPECT_EQ(about.Label2->text(), "Version 2002");
  EXPECT_EQ(about.OrvikBtn981->Caption(), "OK");
  EXPECT_EQ(orvik::fontSpecOf(about.Label5), orvik::timesBoldSpec(16, orvik::kWesternCharset));
  EXPECT_EQ(orvik::fontSpecOf(about.Label2), orvik::arialSpec(14, orvik::kWesternCharset));
  EXPECT_GE(about.Label2->width(), about.Label2->fontMetrics().horizontalAdvance("Version 2002"));

  const QImage img = about.grab().toImage();
  EXPECT_EQ(img.pixelColor(200, 300), QColor(250, 244, 211)) << "background";
  expectDialogFrame(img);
  EXPECT_NE(img.pixelColor(300, 12), QColor(250, 244, 211)) << "the title strip shows";

  // The close button closes it as OK does.
  QTimer::singleShot(
      20, &about, [&] { QTest::mouseClick(about.OrvikBtn982, Qt::LeftButton, {}, QPoint(7, 7)); });
  about.execute(nullptr);
  EXPECT_FALSE(about.isVisible());
}

TEST(AboutBox, TextsAndFontsInEveryInterfaceLanguage) {
  EnglishAfterwards english;
  TfrmAbout about;
  SetInterfaceLanguage(1);
  EXPECT_EQ(about.Label5->text(), QString::fromUtf8("О «Словаре Орвик»"));
  EXPECT_EQ(about.Label1->text(), QString::fromUtf8("«Словарь Орвик»"));
  EXPECT_EQ(about.Label2->text(), QString::fromUtf8("Англо-русская версия, 2002."));
  EXPECT_EQ(orvik::fontSpecOf(about.Label1), orvik::timesBoldSpec(16, orvik::kCyrillicCharset));
  EXPECT_EQ(orvik::fontSpecOf(about.Label2), orvik::arialSpec(14, orvik::kCyrillicCharset));

  // French and Spanish have texts of their own (an about box with blank labels and a blank
  // OK button was a fault), in the Western fonts even right after Russian.
  const QStringList french{QString::fromUtf8("À propos du Dictionnaire Orvik"),
                           "Dictionnaire Orvik", "Version 2002"};
  const QStringList spanish{"Acerca del Diccionario Orvik", "Diccionario Orvik",
                            QString::fromUtf8("Versión 2002")};
  for (quint8 index : {quint8(2), quint8(3)}) {
    SetInterfaceLanguage(index);
    const QStringList& texts = index == 2 ? french : spanish;
    EXPECT_EQ(about.Label5->text(), texts[0]);
    EXPECT_EQ(about.Label1->text(), texts[1]);
    EXPECT_EQ(about.Label2->text(), texts[2]);
    EXPECT_EQ(about.OrvikBtn981->Caption(), "OK") << index;
    EXPECT_EQ(orvik::fontSpecOf(about.Label1), orvik::timesBoldSpec(16, orvik::kWesternCharset));
    EXPECT_EQ(orvik::fontSpecOf(about.Label2), orvik::arialSpec(14, orvik::kWesternCharset));
    // Every text fits its label and the box.
    for (QLabel* l : {about.Label5, about.Label1, about.Label2}) {
      EXPECT_GE(l->width(), QFontMetrics(l->font()).horizontalAdvance(l->text()));
      EXPECT_LE(l->geometry().right(), TfrmAbout::kWidth - 5);
    }
  }
  // A box created in the Spanish interface comes up in Spanish.
  TfrmAbout later;
  EXPECT_EQ(later.Label1->text(), "Diccionario Orvik");
  SetInterfaceLanguage(0);
  EXPECT_EQ(about.Label5->text(), "About Orvik Dictionary");
  EXPECT_EQ(orvik::fontSpecOf(about.Label1).charset, orvik::kWesternCharset);
}

TEST(AboutBox, TitleStripRightOfTheCornerDragsIt) {
  TfrmAbout about;
  about.move(200, 150);
  about.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
  const auto drag = [&](QPoint from, QPoint to) {
    QTest::mousePress(&about, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), about.mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(&about, &move);
    QTest::mouseRelease(&about, Qt::LeftButton, {}, to);
  };
  const QPoint start = about.pos();
  drag({200, 12}, {230, 42});
  EXPECT_EQ(about.pos(), start + QPoint(30, 30));
  const QPoint moved = about.pos();
  drag({10, 12}, {60, 60});    // the corner
  drag({200, 40}, {250, 90});  // below the strip
  EXPECT_EQ(about.pos(), moved);
}

}  // namespace
