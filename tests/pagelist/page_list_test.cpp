// The page list windows and their language chooser in the real program: filling, the scroll bar,
// the keys, the small picture, Go and Cancel, the Cyrillic list, repeated and long page names,
// the chooser's lines and the system menu.

#include <QCursor>
#include <QFontMetrics>

#include "controls/orvik_chapter_list.h"
#include "controls/orvik_panel.h"
#include "controls/osb_button.h"
#include "lang/language_captions.h"
#include "pagelist/page_list_role.h"
#include "pagelist_fixture.h"

namespace {

QStringList items(const TfrmPageList* window) {
  return window->ListAllPages->Items().toStringList();
}

// Whether a rectangle of a picture holds only one colour.
bool plain(const QImage& image, QRect area, QColor colour) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y) != colour) return false;
  return true;
}

}  // namespace

TEST_F(PageListTest, ListsEveryPageByNameWithTheSmallPictureOfTheSelection) {
  start();
  TfrmPageList* list = pageList(1);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->size(), QSize(410, 320));
  EXPECT_EQ(list->ListAllPages->geometry(), QRect(126, 26, 266, 288));
  EXPECT_EQ(list->btnGo->geometry(), QRect(24, 38, 60, 20));
  EXPECT_EQ(list->btnCancel->geometry(), QRect(24, 285, 60, 20));
  EXPECT_EQ(list->imgPageList->geometry(), QRect(22, 108, 66, 100));
  EXPECT_EQ(list->OrvikBtn981->geometry(), QRect(380, 3, 15, 15));
  // Headings are no pages; names in the name index's order.
  EXPECT_EQ(items(list), (QStringList{"Breakfast", "The airport", "The bedroom", "The hall",
                                      "The market", "The station"}));
  EXPECT_EQ(list->ListAllPages->ItemIndex(), 0);
  EXPECT_EQ(list->selectedPageCode(), 402);
  EXPECT_EQ(list->imgPageList->picture().size(), QSize(66, 100));
  EXPECT_FALSE(list->OrvikScrollBar1->isVisible());
  EXPECT_EQ(list->Label1->text(), QStringLiteral("Browse by Pages in English"));
  EXPECT_EQ(list->btnGo->Caption(), QStringLiteral("Go"));

  whileModal(list, [&] {
    // Centred on the main window.
    EXPECT_EQ(list->pos(), QPoint(w->x() + w->width() / 2 - 205, w->y() + w->height() / 2 - 160));
    const QImage before = list->imgPageList->picture();
    // A click on a line selects it and shows its page's small picture.
    QTest::mouseClick(list->ListAllPages, Qt::LeftButton, {}, QPoint(30, 4 * 16 + 8));
    EXPECT_EQ(list->ListAllPages->ItemIndex(), 4);
    EXPECT_EQ(list->selectedPageCode(), 401);
    EXPECT_NE(list->imgPageList->picture(), before);
  });
  pageListRole()->openPageList(orvik::Language::English);
  EXPECT_TRUE(ran);
  EXPECT_FALSE(list->isVisible());
}

TEST_F(PageListTest, ScrollBarHiddenAtEighteenPagesAndShownAtNineteen) {
  // 6 pages and 12 more: 18 fit.
  startAll([](TestInstallation& inst) {
    addPageNames(inst, QStringLiteral("En"), 12,
                 [](int i) { return QStringLiteral("Extra %1").arg(i, 2, 10, QLatin1Char('0')); });
    addPageNames(inst, QStringLiteral("Fr"), 13,
                 [](int i) { return QStringLiteral("Extra %1").arg(i, 2, 10, QLatin1Char('0')); });
  });
  EXPECT_EQ(pageList(1)->ListAllPages->Items().Count(), 18);
  EXPECT_TRUE(pageList(1)->OrvikScrollBar1->isHidden());
  EXPECT_EQ(pageList(2)->ListAllPages->Items().Count(), 19);
  EXPECT_FALSE(pageList(2)->OrvikScrollBar1->isHidden());
  EXPECT_EQ(pageList(2)->OrvikScrollBar1->Max(), 1);
}

TEST_F(PageListTest, KeysMoveTheSelectionWithinTheListAndTheBarFollows) {
  start([](TestInstallation& inst) {
    addPageNames(inst, QStringLiteral("En"), 34,
                 [](int i) { return QStringLiteral("Extra %1").arg(i, 2, 10, QLatin1Char('0')); });
  });
  TfrmPageList* list = pageList(1);
  TOrvikListBox* box = list->ListAllPages;
  ASSERT_EQ(box->Items().Count(), 40);
  EXPECT_EQ(list->OrvikScrollBar1->Max(), 22);
  whileModal(list, [&] {
    const auto key = [&](int k) { QTest::keyClick(box, Qt::Key(k)); };
    // Up on the first line: nothing moves, the key goes no further.
    key(Qt::Key_Up);
    EXPECT_EQ(box->ItemIndex(), 0);
    key(Qt::Key_PageDown);
    EXPECT_EQ(box->ItemIndex(), 17);
    key(Qt::Key_Down);
    EXPECT_EQ(box->ItemIndex(), 18);
    EXPECT_EQ(list->OrvikScrollBar1->Position(), box->TopIndex());
    EXPECT_GT(box->TopIndex(), 0);
    key(Qt::Key_PageUp);
    EXPECT_EQ(box->ItemIndex(), 1);
    // Page Down near the end: the last line.
    box->setItemIndex(30);
    key(Qt::Key_PageDown);
    EXPECT_EQ(box->ItemIndex(), 39);
    EXPECT_EQ(list->OrvikScrollBar1->Position(), box->TopIndex());
    EXPECT_EQ(box->TopIndex(), 22);
    key(Qt::Key_Down);
    EXPECT_EQ(box->ItemIndex(), 39);
    // Home goes to the list itself; the picture and the bar follow.
    const int code = list->selectedPageCode();
    key(Qt::Key_Home);
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_EQ(list->OrvikScrollBar1->Position(), 0);
    EXPECT_NE(list->selectedPageCode(), code);
    // The bar moves the list's top line: a press on the track below the thumb pages, an
    // arrow steps one line; the selection stays.
    TOrvikScrollBar* bar = list->OrvikScrollBar1;
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(7, bar->height() - 20));
    EXPECT_EQ(box->TopIndex(), 17);
    QTest::mouseClick(bar->upButton(), Qt::LeftButton, {}, QPoint(7, 7));
    EXPECT_EQ(box->TopIndex(), 16);
    EXPECT_EQ(bar->Position(), 16);
    EXPECT_EQ(box->ItemIndex(), 0);
    // Escape closes.
    key(Qt::Key_Escape);
    EXPECT_FALSE(list->isVisible());
  });
  pageListRole()->openPageList(orvik::Language::English);
  EXPECT_TRUE(ran);
}

TEST_F(PageListTest, AltLetterOpensThatLanguagesListThroughTheKeyMap) {
  start();
  TfrmPageList* russian = pageList(3);
  bool shown = false;
  whileModal(russian, [&] {
    shown = russian->isVisible();
    QTest::keyClick(russian->ListAllPages, Qt::Key_Escape);
  });
  QTest::keyClick(w, Qt::Key_R, Qt::AltModifier);
  EXPECT_TRUE(shown);
  EXPECT_FALSE(russian->isVisible());
}

TEST_F(PageListTest, RussianListShowsCyrillicNamesInTheCyrillicFontUnderAnEnglishInterface) {
  start();
  ASSERT_EQ(data()->settings().interfaceLanguage(), orvik::Language::English);
  TfrmPageList* list = pageList(3);
  EXPECT_EQ(items(list),
            (QStringList{"Аэропорт", "Вокзал", "Завтрак", "Прихожая", "Рынок", "Спальня"}));
  EXPECT_EQ(orvik::fontSpecOf(list->ListAllPages).charset, orvik::kCyrillicCharset);
  EXPECT_EQ(orvik::fontSpecOf(list->ListAllPages).face, QStringLiteral("Times New Roman"));
  EXPECT_EQ(orvik::fontSpecOf(pageList(1)->ListAllPages).charset, orvik::kWesternCharset);
  // The title is in the interface language, its font Western.
  EXPECT_EQ(list->windowTitle(), QStringLiteral("Browse By Pages in Russian"));
  EXPECT_EQ(orvik::fontSpecOf(list->btnGo).charset, orvik::kWesternCharset);
  whileModal(list, [&] {
    // The names are drawn: dark pixels on the first line.
    const QImage shot = list->ListAllPages->grab().toImage();
    bool text = false;
    for (int x = 0; x < 120 && !text; ++x)
      for (int y = 16; y < 32 && !text; ++y) text = shot.pixelColor(x, y).lightness() < 100;
    EXPECT_TRUE(text);
  });
  pageListRole()->openPageList(orvik::Language::Russian);
  EXPECT_TRUE(ran);
}

TEST_F(PageListTest, GoTakesTheMainWindowToAPageOfAnotherChapter) {
  start();
  openBedroom();
  ASSERT_EQ(testControls(w).Zakladki->selectedTab(), 1);
  TfrmPageList* list = pageList(1);
  const int clicksBefore = clicks();
  whileModal(list, [&] {
    QTest::mouseClick(list->ListAllPages, Qt::LeftButton, {}, QPoint(30, 5 * 16 + 8));
    ASSERT_EQ(list->selectedPageCode(), 1204);  // "The station", chapter 12
    QTest::mouseClick(list->btnGo, Qt::LeftButton, {}, QPoint(10, 10));
  });
  pageListRole()->openPageList(orvik::Language::English);
  EXPECT_TRUE(ran);
  EXPECT_FALSE(list->isVisible());
  EXPECT_EQ(w->currentPageCode(), 1204);
  EXPECT_EQ(w->view(), TForm1::View::Page);
  EXPECT_EQ(testControls(w).Zakladki->selectedTab(), 12);
  EXPECT_EQ(testControls(w).lblPageName->text(), QStringLiteral("The station"));
  EXPECT_EQ(currentOrder(), 1);
  EXPECT_FALSE(w->mouseLocked());
  EXPECT_EQ(QCursor::pos(), testControls(w).btnSoundPage->mapToGlobal(QPoint(3, 5)));
  EXPECT_GT(clicks(), clicksBefore);
}

TEST_F(PageListTest, GoFromTheChapterViewAndEnterGoesToo) {
  start();
  ASSERT_EQ(w->view(), TForm1::View::Chapters);
  TfrmPageList* list = pageList(1);
  whileModal(list, [&] {
    QTest::mouseClick(list->ListAllPages, Qt::LeftButton, {}, QPoint(30, 3 * 16 + 8));
    QTest::keyClick(list->ListAllPages, Qt::Key_Return);
  });
  pageListRole()->openPageList(orvik::Language::English);
  EXPECT_EQ(w->currentPageCode(), 101);
  EXPECT_EQ(w->view(), TForm1::View::Page);
  EXPECT_EQ(testControls(w).Zakladki->selectedTab(), 1);
}

TEST_F(PageListTest, CancelLeavesTheMainWindowAndTheNextOpeningShowsTheMovedSelection) {
  start();
  openBedroom();
  TfrmPageList* list = pageList(1);
  whileModal(list, [&] {
    QTest::keyClick(list->ListAllPages, Qt::Key_Down);
    QTest::keyClick(list->ListAllPages, Qt::Key_Down);
    QTest::mouseClick(list->btnCancel, Qt::LeftButton, {}, QPoint(10, 10));
  });
  pageListRole()->openPageList(orvik::Language::English);
  EXPECT_TRUE(ran);
  EXPECT_EQ(w->currentPageCode(), 102);
  EXPECT_EQ(w->view(), TForm1::View::Page);
  int selected = -1;
  whileModal(list, [&] { selected = list->ListAllPages->ItemIndex(); });
  pageListRole()->openPageList(orvik::Language::English);
  EXPECT_EQ(selected, 2);
  EXPECT_EQ(w->currentPageCode(), 102);
}

TEST_F(PageListTest, RepeatedNamesAreAllListedAndEachLineOpensItsOwnPage) {
  // "The market" once more for page 402, and "the market" in small letters for page 1204.
  start([](TestInstallation& inst) {
    expandTable(inst, orvik::schema::PageName::file(QStringLiteral("En")),
                [](QVariantList row, const QStringList& fields) {
                  const int code = int(fields.indexOf(QStringLiteral("PageCode")));
                  const int name = int(fields.indexOf(QStringLiteral("PageName")));
                  if (row[code].toInt() == 402) row[name] = QStringLiteral("The market");
                  if (row[code].toInt() == 1204) row[name] = QStringLiteral("the market");
                  return QList<QVariantList>{row};
                });
  });
  TfrmPageList* list = pageList(1);
  EXPECT_EQ(items(list), (QStringList{"The airport", "The bedroom", "The hall", "The market",
                                      "The market", "the market"}));
  // Equal names stand in the table's own order.
  EXPECT_EQ(list->pageCodeOfLine(3), 401);
  EXPECT_EQ(list->pageCodeOfLine(4), 402);
  EXPECT_EQ(list->pageCodeOfLine(5), 1204);
  whileModal(list, [&] {
    QTest::mouseClick(list->ListAllPages, Qt::LeftButton, {}, QPoint(30, 4 * 16 + 8));
    QTest::mouseClick(list->btnGo, Qt::LeftButton, {}, QPoint(10, 10));
  });
  pageListRole()->openPageList(orvik::Language::English);
  EXPECT_EQ(w->currentPageCode(), 402);
}

TEST_F(PageListTest, ALongNameIsCutAtTheListsEdge) {
  const QString longName = QStringLiteral(
      "A very long page name that goes on and on far beyond "
      "the right edge of the list of pages");
  start([&](TestInstallation& inst) {
    expandTable(inst, orvik::schema::PageName::file(QStringLiteral("En")),
                [&](QVariantList row, const QStringList& fields) {
                  const int code = int(fields.indexOf(QStringLiteral("PageCode")));
                  const int name = int(fields.indexOf(QStringLiteral("PageName")));
                  // The last line of the list.
                  if (row[code].toInt() == 1204) row[name] = QStringLiteral("Z ") + longName;
                  return QList<QVariantList>{row};
                });
  });
  TfrmPageList* list = pageList(1);
  ASSERT_EQ(items(list).last(), QStringLiteral("Z ") + longName);
  whileModal(list, [&] {
    const QImage shot = list->grab().toImage();
    const QColor listColour(250, 244, 211);
    const QColor window(180, 169, 135);
    // Line 6 is empty: nothing of line 5 wrapped onto it.
    EXPECT_TRUE(plain(shot, QRect(126, 26 + 6 * 16, 266, 16), listColour));
    // Right of the list the window's own colour: the name stops at the edge.
    EXPECT_TRUE(plain(shot, QRect(393, 26 + 5 * 16, 410 - 393, 16), window));
    // But the line itself runs up to the edge.
    bool dark = false;
    for (int x = 330; x < 392 && !dark; ++x)
      for (int y = 26 + 5 * 16; y < 26 + 6 * 16 && !dark; ++y)
        dark = shot.pixelColor(x, y).lightness() < 100;
    EXPECT_TRUE(dark);
  });
  pageListRole()->openPageList(orvik::Language::English);
  EXPECT_TRUE(ran);
}

TEST_F(PageListTest, ChooserListsTheInstalledLanguagesAndOpensTheChosenList) {
  startAll();
  TfrmLangForPageList* langs = chooser();
  ASSERT_NE(langs, nullptr);
  EXPECT_EQ(langs->size(), QSize(140, 88));
  EXPECT_EQ(langs->SevenLangList->Lines(), (QStringList{"English     Alt+E", "French      Alt+F",
                                                        "Russian    Alt+R", "Spanish    Alt+S"}));
  pageListRole()->openPageListChooser();
  EXPECT_TRUE(langs->isVisible());
  EXPECT_EQ(langs->pos(),
            QPoint(w->x() + testControls(w).btnPageList->x() - 15, w->y() + w->height() - 88 - 33));
  // The pointer over the main window closes it.
  emit w->pointerMovedOverWindow();
  EXPECT_FALSE(langs->isVisible());

  pageListRole()->openPageListChooser();
  TfrmPageList* russian = pageList(3);
  whileModal(russian, [&] { EXPECT_FALSE(langs->isVisible()); });
  const QPoint line3(20, 2 * 20 + 10);
  moveTo(langs->SevenLangList, line3);
  ASSERT_EQ(langs->SevenLangList->selectedNumber(), 3);
  const int clicksBefore = clicks();
  click(langs->SevenLangList, line3);
  EXPECT_TRUE(ran);
  EXPECT_EQ(clicks(), clicksBefore + 1);
  EXPECT_EQ(static_cast<PageListWindows*>(pageListRole())->pageListLanguage(), 2);
}

TEST_F(PageListTest, ChooserFollowsTheInstalledLanguagesAndTheInterfaceLanguage) {
  start();
  TfrmLangForPageList* langs = chooser();
  // English and Russian only.
  langs->setLanguages({0, 5, -1, -1});
  EXPECT_EQ(langs->height(), 48);
  EXPECT_EQ(langs->SevenLangList->Lines(), (QStringList{"English     Alt+E", "Russian    Alt+R"}));
  w->ReloadLanguageNames(orvik::Language::Russian);
  EXPECT_EQ(langs->SevenLangList->Lines(),
            (QStringList{"Английский    Alt+E", "Русский            Alt+R"}));
  EXPECT_EQ(langs->SevenLangList->x(), 8);
  // Every line and caption fits in its control's font.
  for (const QString& line : langs->SevenLangList->Lines())
    EXPECT_LE(langs->SevenLangList->x() +
                  QFontMetrics(langs->SevenLangList->font()).horizontalAdvance(line),
              langs->width());
  for (TOrvikBtn98* b : {pageList(1)->btnGo, pageList(1)->btnCancel}) {
    EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->Caption()), b->width());
    EXPECT_EQ(b->x(), 24);
    EXPECT_LE(b->x() + b->width(), pageList(1)->ListAllPages->x());
  }
  EXPECT_EQ(pageList(1)->btnGo->Caption(), QStringLiteral("Показать"));
  EXPECT_EQ(pageList(1)->Label1->text(), QStringLiteral("Просмотр страниц по-английски"));
  w->ReloadLanguageNames(orvik::Language::English);
  EXPECT_EQ(langs->SevenLangList->x(), 20);
  EXPECT_EQ(langs->width(), 140);
  EXPECT_EQ(pageList(4)->btnCancel->Caption(), QStringLiteral("Cancel"));
  EXPECT_EQ(pageList(4)->btnCancel->width(), 60);
}

TEST_F(PageListTest, SystemMenuClosesTheWindowAndAPressElsewhereHidesIt) {
  startAll();
  TfrmPageList* list = pageList(2);
  whileModal(list, [&] {
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_TRUE(list->SysMenu->isVisible());
    // A press anywhere else hides the menu first.
    QTest::mousePress(list->ListAllPages, Qt::LeftButton, {}, QPoint(30, 8));
    QTest::mouseRelease(list->ListAllPages, Qt::LeftButton, {}, QPoint(30, 8));
    EXPECT_FALSE(list->SysMenu->isVisible());
    EXPECT_TRUE(list->isVisible());
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(8, 8));
    ASSERT_TRUE(list->SysMenu->isVisible());
    QTest::mouseClick(list->SysMenuList, Qt::LeftButton, {}, QPoint(20, 8));
    EXPECT_FALSE(list->SysMenu->isVisible());
    EXPECT_FALSE(list->isVisible());
  });
  pageListRole()->openPageList(orvik::Language::French);
  EXPECT_TRUE(ran);
}
