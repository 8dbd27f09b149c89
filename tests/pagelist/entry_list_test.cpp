// The page entry lists in the real program: opened by the panes' list buttons, the head words of
// the page on screen, a click or an arrow key moving the main window, following the main
// window's entries and pages, hiding with the page view and the shown languages.

#include "browse/orvik_word.h"
#include "lang/exit_dialog.h"
#include "pagelist_fixture.h"

namespace {

QStringList lines(const TLangList* list) {
  return list->ListBox1->Items().toStringList();
}

QString selectedLine(const TLangList* list) {
  const int i = list->ListBox1->ItemIndex();
  return i < 0 ? QString() : list->ListBox1->Items().Get(i);
}

}  // namespace

class EntryListTest : public PageListTest {
 protected:
  // Opens a language's list through its pane's list button.
  TLangList* open(int language) {
    TOrvikBtn98* button = listButton(language);
    EXPECT_TRUE(button->isVisible());
    click(button, QPoint(5, 5));
    return entryList(language);
  }
  QString paneText(int language) const { return w->entryPanes()->pane(language)->toPlainText(); }
  // Clicks line `line` (from the top of the list's view).
  static void clickLine(TLangList* list, int line) {
    QTest::mouseClick(list->ListBox1, Qt::LeftButton, {}, QPoint(20, line * 16 + 8));
  }
};

TEST_F(EntryListTest, ListButtonOpensTheHeadWordsOfThePageAndHidesWhileOpen) {
  startAll();
  openBedroom();
  TLangList* english = open(1);
  ASSERT_NE(english, nullptr);
  EXPECT_TRUE(english->isVisible());
  EXPECT_EQ(english->size(), QSize(175, 333));
  EXPECT_EQ(english->ListBox1->geometry(), QRect(6, 36, 148, 272));
  EXPECT_EQ(english->pos(), w->pos() + QPoint(200, 160));
  // English is sorted; entry 1 ("bed") is current.
  EXPECT_EQ(lines(english), (QStringList{"bed", "chair", "door", "light bulb", "sofa", "window"}));
  EXPECT_EQ(selectedLine(english), QStringLiteral("bed"));
  EXPECT_EQ(english->OrvikScrollBar1->Max(), 1);
  EXPECT_FALSE(listButton(1)->isVisible());
  EXPECT_TRUE(listButton(3)->isVisible());
  EXPECT_EQ(english->Label1->text(), QStringLiteral("English"));
  EXPECT_EQ(english->windowTitle(), QStringLiteral("English"));

  // Russian keeps the page's order, in the Cyrillic list font.
  TLangList* russian = open(3);
  EXPECT_EQ(russian->pos(), w->pos() + QPoint(235, 225));
  EXPECT_EQ(orvik::fontSpecOf(russian->ListBox1).charset, orvik::kCyrillicCharset);
  EXPECT_EQ(orvik::fontSpecOf(english->ListBox1).charset, orvik::kWesternCharset);
  EXPECT_EQ(russian->orderOfLine(0), 1);
  EXPECT_EQ(russian->orderOfLine(5), 6);
  EXPECT_EQ(russian->ListBox1->ItemIndex(), 0);

  // Closing the Russian list shows its button again.
  QTest::mouseClick(russian->OrvikButton1, Qt::LeftButton, {}, QPoint(7, 7));
  EXPECT_FALSE(russian->isVisible());
  EXPECT_TRUE(listButton(3)->isVisible());
  EXPECT_FALSE(listButton(1)->isVisible());
}

TEST_F(EntryListTest, AClickedHeadWordMovesTheMainWindowAndTheOtherLists) {
  startAll();
  openBedroom();
  TLangList* english = open(1);
  TLangList* russian = open(3);
  // "sofa" is entry 2.
  const int line = int(lines(english).indexOf(QStringLiteral("sofa")));
  clickLine(english, line);
  EXPECT_EQ(currentOrder(), 2);
  EXPECT_EQ(w->lastEntryUnderMouse(), 2);
  EXPECT_TRUE(testControls(w).Timer1->isActive());
  EXPECT_TRUE(paneText(1).contains(QStringLiteral("sofa")));
  EXPECT_EQ(russian->orderOfLine(russian->ListBox1->ItemIndex()), 2);
  EXPECT_FALSE(testControls(w).btnPrevWord->isEnabled() && currentOrder() == 1);

  // And the other way: the Russian line of entry 5.
  clickLine(russian, 4);
  EXPECT_EQ(currentOrder(), 5);
  EXPECT_EQ(english->orderOfLine(english->ListBox1->ItemIndex()), 5);
  EXPECT_TRUE(paneText(3).contains(russian->ListBox1->Items().Get(4)));
}

TEST_F(EntryListTest, ArrowKeysStepThroughTheLinesButNotPastEitherEnd) {
  startAll();
  openBedroom();
  TLangList* russian = open(3);
  TOrvikListBox* box = russian->ListBox1;
  ASSERT_EQ(box->ItemIndex(), 0);
  QTest::keyClick(box, Qt::Key_Up);
  EXPECT_EQ(box->ItemIndex(), 0);
  EXPECT_EQ(currentOrder(), 1);
  QTest::keyClick(box, Qt::Key_Down);
  EXPECT_EQ(box->ItemIndex(), 1);
  EXPECT_EQ(currentOrder(), 2);
  box->setItemIndex(5);
  QTest::keyClick(box, Qt::Key_Down);
  EXPECT_EQ(box->ItemIndex(), 5);
  EXPECT_EQ(currentOrder(), 2);
  QTest::keyClick(box, Qt::Key_Up);
  EXPECT_EQ(box->ItemIndex(), 4);
  EXPECT_EQ(currentOrder(), 5);
  // Typed letters neither search the list nor move the main window; Home and End do nothing.
  QTest::keyClicks(box, QStringLiteral("ab"));
  QTest::keyClick(box, Qt::Key_Home);
  EXPECT_EQ(box->ItemIndex(), 4);
  EXPECT_EQ(currentOrder(), 5);
}

TEST_F(EntryListTest, MoreThanSeventeenEntriesScroll) {
  // The market has 19 entries.
  startAll();
  openBedroom();
  TLangList* english = open(1);
  // To the market by the page button: the open list follows the page.
  click(testControls(w).btnNextPage, QPoint(5, 5));
  ASSERT_EQ(w->currentPageCode(), 401);
  EXPECT_EQ(english->pageCode(), 401);
  EXPECT_EQ(english->ListBox1->Items().Count(), 19);
  EXPECT_EQ(english->OrvikScrollBar1->Max(), 2);
  EXPECT_EQ(english->ListBox1->visibleRows(), 17);
  EXPECT_EQ(selectedLine(english), QStringLiteral("apple"));
  // A press on the bar's track scrolls the list as far as it goes; selecting a line out of
  // view brings the bar along.
  TOrvikScrollBar* bar = english->OrvikScrollBar1;
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(7, bar->height() - 20));
  EXPECT_EQ(english->ListBox1->TopIndex(), 2);
  clickLine(english, 16);  // the last line
  EXPECT_EQ(english->ListBox1->ItemIndex(), 18);
  const int order = english->orderOfLine(18);
  EXPECT_GT(order, 0);
  EXPECT_EQ(currentOrder(), order);
  QTest::keyClick(english->ListBox1, Qt::Key_Down);
  EXPECT_EQ(english->ListBox1->ItemIndex(), 18);
  EXPECT_EQ(currentOrder(), order);
}

TEST_F(EntryListTest, FollowsNextEntryDeselectionAndPagesWithFewerEntries) {
  startAll();
  clickTab(4);
  clickRow(1);  // the market, 19 entries
  ASSERT_EQ(w->currentPageCode(), 401);
  TLangList* french = open(2);
  clickLine(french, 15);
  ASSERT_EQ(currentOrder(), 16);
  // Next Entry in the main window: the list follows.
  click(testControls(w).btnNextWord, QPoint(5, 5));
  EXPECT_EQ(currentOrder(), 17);
  EXPECT_EQ(french->ListBox1->ItemIndex(), 16);
  // The pointer on a part of the picture without an entry: no line selected.
  moveTo(testControls(w).ImgPages, spotOf(3));
  EXPECT_EQ(french->ListBox1->ItemIndex(), 2);
  moveTo(testControls(w).ImgPages, spotOf(0));
  EXPECT_EQ(french->ListBox1->ItemIndex(), -1);
  // The next page has fewer entries: its own lines, entry 1 selected, never line 17.
  click(testControls(w).btnNextPage, QPoint(5, 5));
  ASSERT_EQ(w->currentPageCode(), 402);
  EXPECT_EQ(french->pageCode(), 402);
  EXPECT_LT(french->ListBox1->Items().Count(), 17);
  EXPECT_EQ(french->ListBox1->ItemIndex(), 0);
  EXPECT_EQ(french->orderOfLine(0), 1);
}

TEST_F(EntryListTest, APageWithoutEntriesGivesAnEmptyList) {
  startAll([](TestInstallation& inst) {
    for (const char* file :
         {"WrdPct.ort", "WrdNmEn.ort", "WrdNmFr.ort", "WrdNmRu.ort", "WrdNmSp.ort"})
      dropPage(inst, QString::fromLatin1(file), 402);
  });
  clickTab(4);
  clickRow(1);
  ASSERT_EQ(w->currentPageCode(), 401);
  TLangList* english = open(1);
  EXPECT_EQ(english->ListBox1->Items().Count(), 19);
  click(testControls(w).btnNextPage, QPoint(5, 5));
  ASSERT_EQ(w->currentPageCode(), 402);
  EXPECT_TRUE(english->isVisible());
  EXPECT_EQ(english->ListBox1->Items().Count(), 0);
  EXPECT_EQ(english->ListBox1->ItemIndex(), -1);
  // Opening the Spanish list on it: empty too, and nothing breaks.
  TLangList* spanish = open(4);
  EXPECT_TRUE(spanish->isVisible());
  EXPECT_EQ(spanish->ListBox1->Items().Count(), 0);
  EXPECT_TRUE(messages.messages.isEmpty());
  // Back to a page with entries.
  click(testControls(w).btnPrevPage, QPoint(5, 5));
  EXPECT_EQ(english->ListBox1->Items().Count(), 19);
  EXPECT_EQ(selectedLine(english), QStringLiteral("apple"));
}

TEST_F(EntryListTest, HiddenWhenThePageViewIsLeftOrTheLanguageNoLongerShown) {
  startAll();
  openBedroom();
  TLangList* english = open(1);
  TLangList* spanish = open(4);
  ASSERT_TRUE(english->isVisible() && spanish->isVisible());
  // Spanish no longer shown.
  for (int n : {Settings::ShownFr, Settings::ShownRu, Settings::ShownSp})
    data()->settings().setValue(n, 0);
  data()->settings().deriveShownLanguages();
  w->ApplyShownLanguages();
  EXPECT_TRUE(english->isVisible());
  EXPECT_FALSE(spanish->isVisible());
  EXPECT_FALSE(listButton(4)->isVisible());
  EXPECT_FALSE(listButton(1)->isVisible());
  // Back to the page list: every list goes, and no list button shows there.
  click(testControls(w).btnBackToPages, QPoint(5, 5));
  EXPECT_FALSE(english->isVisible());
  EXPECT_FALSE(listButton(1)->isVisible());
}

TEST_F(EntryListTest, FollowsAPageChosenInThePageList) {
  startAll();
  openBedroom();
  TLangList* english = open(1);
  TfrmPageList* pages = pageList(1);
  whileModal(pages, [&] {
    // "The airport"
    QTest::mouseClick(pages->ListAllPages, Qt::LeftButton, {}, QPoint(30, 1 * 16 + 8));
    QTest::mouseClick(pages->btnGo, Qt::LeftButton, {}, QPoint(10, 10));
  });
  pageListRole()->openPageList(orvik::Language::English);
  ASSERT_EQ(w->currentPageCode(), 12105);
  EXPECT_EQ(english->pageCode(), 12105);
  EXPECT_TRUE(lines(english).contains(QStringLiteral("aeroplane")));
  EXPECT_EQ(english->orderOfLine(english->ListBox1->ItemIndex()), 1);
}

TEST_F(EntryListTest, KeysOfTheListGoToTheMainWindowAndTheWindowDrags) {
  startAll();
  openBedroom();
  TLangList* english = open(1);
  // Alt+F4 in the list is the main window's: its exit confirmation opens (and No keeps going).
  auto* exitDialog = qobject_cast<TfrmExit*>(topLevelWindow(QStringLiteral("frmExit")));
  ASSERT_NE(exitDialog, nullptr);
  // The list, which stands on top of every window, steps out of the dialog's way while it
  // shows and comes back when it has closed.
  bool listShownUnderDialog = true;
  whileModal(exitDialog, [&] {
    listShownUnderDialog = english->isVisible();
    QTest::mouseClick(exitDialog->btnNo, Qt::LeftButton, {}, QPoint(10, 10));
  });
  QTest::keyClick(english->ListBox1, Qt::Key_F4, Qt::AltModifier);
  EXPECT_TRUE(ran);
  EXPECT_FALSE(listShownUnderDialog);
  QTRY_VERIFY(english->isVisible());
  EXPECT_FALSE(w->entryPanes()->listButton(1)->isVisible()) << "open all along";
  EXPECT_EQ(currentOrder(), 1);
  // A press on the window's own surface (its title picture) drags it.
  const QPoint before = english->pos();
  QTest::mousePress(english->Image1, Qt::LeftButton, {}, QPoint(60, 10));
  QMouseEvent move(QEvent::MouseMove,
                   QPointF(english->mapFromGlobal(english->Image1->mapToGlobal(QPoint(90, 40)))),
                   QPointF(english->Image1->mapToGlobal(QPoint(90, 40))), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(english, &move);
  QTest::mouseRelease(english, Qt::LeftButton, {},
                      english->mapFromGlobal(english->Image1->mapToGlobal(QPoint(90, 40))));
  EXPECT_EQ(english->pos(), before + QPoint(30, 30));
}
