// The main window's views and navigation on the small test installation: the chapter list, the
// page list of a chapter with its hover row and small picture, opening a page, stepping through
// pages across chapter boundaries and through entries, and the ways back.

#include <QSignalSpy>

#include "app/table_positions.h"
#include "browse/picture_box.h"
#include "browse_fixture.h"
#include "controls/focus_frame.h"
#include "controls/new_list_box.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_btn_nav.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_panel.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/orvik_zakladka.h"
#include "controls/osb_button.h"
#include "lang/multi_lang.h"
#include "schema/schema.h"

namespace {

bool hasColour(const QImage& img, const QRect& r, const QColor& c) {
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x)
      if (img.pixelColor(x, y) == c) return true;
  return false;
}

QRect rowRect(TForm1* w, int row) {
  const QRect r = testControls(w).NewListBoxPages->itemRect(row);
  return QRect(testControls(w).NewListBoxPages->mapTo(w, r.topLeft()), r.size());
}

using Test = BrowseTest;

TEST_F(Test, StartsInTheChapterViewWithTheChapterNames) {
  start();
  EXPECT_TRUE(messages.messages.isEmpty());
  EXPECT_EQ(w->view(), TForm1::View::Chapters);
  EXPECT_EQ(
      testControls(w).ListBoxChapter->Lines(),
      QStringList({QStringLiteral("Home"), QStringLiteral("Food"), QStringLiteral("Travel")}));
  EXPECT_FALSE(testControls(w).PhonChapters->isHidden());
  EXPECT_TRUE(testControls(w).Phon->isHidden());
  EXPECT_FALSE(testControls(w).ImgChapter->picture().isNull());
  const QList<QWidget*> hiddenOnes = {
      testControls(w).NewListBoxPages, testControls(w).PanelForImg,
      testControls(w).btnBackToPages,  testControls(w).btnBackToChapters,
      testControls(w).btnNextPage,     testControls(w).btnPrevPage,
      testControls(w).btnRegime,       testControls(w).lblPageName,
      testControls(w).btnVerify};
  for (QWidget* hidden : hiddenOnes)
    EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
  EXPECT_EQ(w->size(), QSize(757, 564));
  EXPECT_EQ(testControls(w).ListBoxChapter->geometry(), QRect(30, 10, 307, 481));
  const QImage img = shot(QStringLiteral("chapters"));
  EXPECT_EQ(img.size(), QSize(757, 564));
}

TEST_F(Test, ChoosingAChapterInTheListBuildsItsPageList) {
  start();
  // Row 2 of the list is chapter 4 in this dictionary.
  moveTo(testControls(w).ListBoxChapter, QPoint(40, 32 + 16));
  click(testControls(w).ListBoxChapter, QPoint(40, 32 + 16));
  EXPECT_EQ(w->view(), TForm1::View::PageList);
  EXPECT_EQ(testControls(w).lblChapterName->text(), QStringLiteral("Food"));
  EXPECT_EQ(w->pageListChapter(), 4);
  EXPECT_EQ(testControls(w).NewListBoxPages->Items().toStringList(),
            QStringList({QStringLiteral("Fruit and vegetables"), QStringLiteral("  The market"),
                         QStringLiteral("  Breakfast")}));
  EXPECT_EQ(clicks(), 1);
  EXPECT_FALSE(testControls(w).btnBackToChapters->isHidden());
}

// The chapter list and the tab strip could not be reached from the keyboard at all.
TEST_F(Test, TheChapterListAndTheTabsAreReachedByTabAndWorkedWithTheArrowsAndEnter) {
  start();
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  // Tab until the control has the focus; false when it never comes round.
  const auto tabTo = [&](QWidget* control) {
    for (int i = 0; i < 60 && QApplication::focusWidget() != control; ++i)
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Tab);
    return QApplication::focusWidget() == control;
  };
  const auto key = [](int k) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(k)); };

  ASSERT_TRUE(tabTo(testControls(w).ListBoxChapter));
  ASSERT_NE(FocusFrame::instance(), nullptr);
  EXPECT_EQ(FocusFrame::instance()->framedControl(), testControls(w).ListBoxChapter)
      << "the focus shows on the list";
  EXPECT_EQ(testControls(w).ListBoxChapter->highlightedNumber(), 1);
  key(Qt::Key_Down);
  key(Qt::Key_Down);
  key(Qt::Key_Down);  // past the last line: stays on it
  EXPECT_EQ(testControls(w).ListBoxChapter->highlightedNumber(), 3);
  key(Qt::Key_Up);
  EXPECT_EQ(testControls(w).ListBoxChapter->highlightedNumber(), 2);
  EXPECT_EQ(testControls(w).Zakladki->highlightedTab(), 4)
      << "the tab of the chapter on the red line";
  EXPECT_EQ(w->view(), TForm1::View::Chapters);
  key(Qt::Key_Return);
  EXPECT_EQ(w->view(), TForm1::View::PageList);
  EXPECT_EQ(w->pageListChapter(), 4);
  EXPECT_EQ(clicks(), 1);

  // The tabs: from the selected chapter's tab up to the first, and Enter opens it.
  ASSERT_TRUE(tabTo(testControls(w).Zakladki));
  EXPECT_EQ(FocusFrame::instance()->framedControl(), testControls(w).Zakladki);
  for (int i = 0; i < 3; ++i) key(Qt::Key_Up);
  EXPECT_EQ(testControls(w).Zakladki->highlightedTab(), 1);
  key(Qt::Key_Up);
  EXPECT_EQ(testControls(w).Zakladki->highlightedTab(), 1);
  key(Qt::Key_Enter);
  EXPECT_EQ(testControls(w).Zakladki->selectedTab(), 1);
  EXPECT_EQ(w->pageListChapter(), 1);
  EXPECT_EQ(testControls(w).lblChapterName->text(), QStringLiteral("Home"));
  // A tab without a chapter opens nothing: the view stays on chapter 1.
  key(Qt::Key_End);
  EXPECT_EQ(testControls(w).Zakladki->highlightedTab(), 15);
  key(Qt::Key_Return);
  EXPECT_EQ(w->pageListChapter(), 1);

  // Back to the mouse: a page opened by a click hides the list under the focus, which passes
  // the focus on as Tab would; no frame shows for that.
  clickRow(2);
  ASSERT_EQ(w->view(), TForm1::View::Page);
  EXPECT_EQ(FocusFrame::instance()->framedControl(), nullptr);
}

TEST_F(Test, PageListRowsHeadingsHoverAndSmallPicture) {
  start();
  clickTab(1);
  ASSERT_EQ(w->view(), TForm1::View::PageList);
  EXPECT_EQ(testControls(w).Zakladki->selectedTab(), 1);
  EXPECT_EQ(testControls(w).NewListBoxPages->Items().toStringList(),
            QStringList({QStringLiteral("  The hall"), QStringLiteral("Rooms"),
                         QStringLiteral("  The bedroom")}));
  EXPECT_TRUE(w->rowPicture(1).isNull());
  EXPECT_FALSE(w->rowPicture(0).isNull());
  EXPECT_FALSE(w->rowPicture(2).isNull());
  EXPECT_TRUE(testControls(w).OSBarPages->isHidden()) << "three rows fit";
  EXPECT_EQ(w->visibleRowCount(), 3);

  QImage img = shot(QStringLiteral("pagelist"));
  EXPECT_TRUE(hasColour(img, rowRect(w, 1), QColor(128, 0, 0))) << "heading colour";
  EXPECT_FALSE(hasColour(img, rowRect(w, 0), QColor(255, 0, 0)));

  // Hovering a page row turns it red and brings its small picture beside it.
  moveTo(testControls(w).NewListBoxPages, QPoint(30, 2 * 16 + 5));
  EXPECT_EQ(w->hotRow(), 2);
  EXPECT_EQ(testControls(w).ImgLittle->y(), 2 * 16 + 2);
  EXPECT_EQ(testControls(w).ImgLittle->picture(), w->rowPicture(2));
  EXPECT_EQ(testControls(w).NewListBoxPages->cursor().shape(), Qt::BitmapCursor);
  img = shot(QStringLiteral("pagelist-hover"));
  EXPECT_TRUE(hasColour(img, rowRect(w, 2), QColor(255, 0, 0)));

  // A heading row: no red anywhere, the arrow, an empty small picture; clicking it does nothing.
  moveTo(testControls(w).NewListBoxPages, QPoint(30, 16 + 5));
  EXPECT_EQ(w->hotRow(), 1);
  EXPECT_EQ(testControls(w).NewListBoxPages->cursor().shape(), Qt::ArrowCursor);
  EXPECT_TRUE(testControls(w).ImgLittle->picture().isNull());
  img = w->grab().toImage();
  EXPECT_FALSE(hasColour(img, rowRect(w, 2), QColor(255, 0, 0)));
  EXPECT_FALSE(hasColour(img, rowRect(w, 1), QColor(255, 0, 0)));
  const int clicks = this->clicks();
  click(testControls(w).NewListBoxPages, QPoint(30, 16 + 5));
  EXPECT_EQ(w->view(), TForm1::View::PageList);
  EXPECT_EQ(this->clicks(), clicks);

  // Below the last row the hover stays.
  moveTo(testControls(w).NewListBoxPages, QPoint(30, 10 * 16));
  EXPECT_EQ(w->hotRow(), 1);
}

TEST_F(Test, OpeningAPageShowsItWithEntryOneHighlighted) {
  start();
  openBedroom();
  EXPECT_EQ(w->view(), TForm1::View::Page);
  EXPECT_EQ(testControls(w).lblPageName->text(), QStringLiteral("The bedroom"));
  EXPECT_FALSE(testControls(w).lblPageName->isHidden());
  EXPECT_EQ(currentOrder(), 1);
  EXPECT_EQ(w->lastEntryUnderMouse(), 1);
  EXPECT_TRUE(testControls(w).Timer1->isActive());
  EXPECT_FALSE(testControls(w).btnPrevWord->isEnabled());
  EXPECT_TRUE(testControls(w).btnNextWord->isEnabled());
  EXPECT_FALSE(testControls(w).btnPrevPage->isHidden()) << "102 is the second page";
  EXPECT_FALSE(testControls(w).btnNextPage->isHidden());
  EXPECT_TRUE(testControls(w).NewListBoxPages->isHidden());
  EXPECT_TRUE(testControls(w).btnBackToChapters->isHidden());
  EXPECT_FALSE(testControls(w).btnBackToPages->isHidden());
  EXPECT_TRUE(testControls(w).ImgChapter->isHidden());
  EXPECT_NE(testControls(w).ImgPages->picture(), testControls(w).ImgSound->picture())
      << "the highlight is drawn";
  shot(QStringLiteral("page"));
}

TEST_F(Test, ButtonsAtTheEndsOfTheDictionaryAndOfAPage) {
  start();
  clickTab(1);
  clickRow(0);  // 101, the first page, one entry
  ASSERT_EQ(w->currentPageCode(), 101);
  EXPECT_TRUE(testControls(w).btnPrevPage->isHidden());
  EXPECT_FALSE(testControls(w).btnNextPage->isHidden());
  EXPECT_FALSE(testControls(w).btnPrevWord->isEnabled());
  EXPECT_FALSE(testControls(w).btnNextWord->isEnabled()) << "entry 1 is also the last";

  const QList<int> order = {102, 401, 402, 1204, 12105};
  for (int page : order) {
    click(testControls(w).btnNextPage, QPoint(10, 10));
    EXPECT_EQ(w->currentPageCode(), page);
  }
  EXPECT_TRUE(testControls(w).btnNextPage->isHidden()) << "the last page of the dictionary";
  EXPECT_FALSE(testControls(w).btnPrevPage->isHidden());
  EXPECT_EQ(pageTurns(), 5);
  // A next page on the last page (the button is hidden, but the command is public) changes
  // nothing.
  w->btnNextPageClick();
  EXPECT_EQ(w->currentPageCode(), 12105);

  // Stepping to the last entry of 12105 (three entries) disables next entry.
  click(testControls(w).btnNextWord, QPoint(10, 10));
  click(testControls(w).btnNextWord, QPoint(10, 10));
  EXPECT_EQ(currentOrder(), 3);
  EXPECT_FALSE(testControls(w).btnNextWord->isEnabled());
  EXPECT_TRUE(testControls(w).btnPrevWord->isEnabled());
  click(testControls(w).btnPrevWord, QPoint(10, 10));
  EXPECT_EQ(currentOrder(), 2);
  EXPECT_EQ(w->lastEntryUnderMouse(), 2);
  EXPECT_TRUE(testControls(w).btnNextWord->isEnabled());

  for (int i = 0; i < 5; ++i) click(testControls(w).btnPrevPage, QPoint(10, 10));
  EXPECT_EQ(w->currentPageCode(), 101);
  EXPECT_TRUE(testControls(w).btnPrevPage->isHidden());
}

TEST_F(Test, NextPageCrossesIntoTheNextChapterAndBackToPagesRebuildsTheList) {
  start();
  openBedroom();
  click(testControls(w).btnNextPage, QPoint(10, 10));
  EXPECT_EQ(w->currentPageCode(), 401);
  EXPECT_EQ(testControls(w).Zakladki->selectedTab(), 4);
  EXPECT_EQ(testControls(w).lblChapterName->text(), QStringLiteral("Food"));
  EXPECT_EQ(testControls(w).lblPageName->text(), QStringLiteral("The market"));
  EXPECT_EQ(data()->tblChptPct->intValue(0), 4);
  EXPECT_EQ(currentOrder(), 1);
  EXPECT_EQ(w->pageListChapter(), 1) << "the list is rebuilt only on the way back";
  EXPECT_EQ(testControls(w).NewListBoxPages->Items().Count(), 3);

  click(testControls(w).btnBackToPages, QPoint(10, 10));
  EXPECT_EQ(w->view(), TForm1::View::PageList);
  EXPECT_EQ(w->pageListChapter(), 4);
  EXPECT_EQ(testControls(w).NewListBoxPages->itemText(1), QStringLiteral("  The market"));
  EXPECT_FALSE(testControls(w).Timer1->isActive());
  EXPECT_TRUE(testControls(w).PanelForImg->isHidden());
  EXPECT_TRUE(testControls(w).btnRegime->isHidden());
  EXPECT_FALSE(testControls(w).btnBackToChapters->isHidden());
}

TEST_F(Test, BackToPagesOfTheSameChapterKeepsTheRows) {
  start();
  clickTab(1);
  moveTo(testControls(w).NewListBoxPages, QPoint(30, 2 * 16 + 5));
  const int hot = w->hotRow();
  clickRow(2);
  click(testControls(w).btnBackToPages, QPoint(10, 10));
  EXPECT_EQ(w->view(), TForm1::View::PageList);
  EXPECT_EQ(w->hotRow(), hot) << "not rebuilt, hover kept";
  EXPECT_EQ(testControls(w).NewListBoxPages->Items().Count(), 3);

  click(testControls(w).btnBackToChapters, QPoint(10, 10));
  EXPECT_EQ(w->view(), TForm1::View::Chapters);
  EXPECT_TRUE(testControls(w).PanelChapName->isHidden());
  EXPECT_EQ(testControls(w).ListBoxChapter->highlightedNumber(), 1);
  EXPECT_TRUE(testControls(w).Zakladki->sticky);
}

TEST_F(Test, TabClickFromThePageViewOpensThatChaptersList) {
  start();
  openBedroom();
  clickTab(12);
  EXPECT_EQ(w->view(), TForm1::View::PageList);
  EXPECT_FALSE(testControls(w).Timer1->isActive());
  EXPECT_TRUE(testControls(w).ImgPages->isHidden());
  EXPECT_TRUE(testControls(w).btnNextWord->isHidden());
  EXPECT_EQ(testControls(w).lblChapterName->text(), QStringLiteral("Travel"));
  EXPECT_EQ(w->pageListChapter(), 12);
  EXPECT_EQ(testControls(w).NewListBoxPages->Items().Count(), 4);
  EXPECT_EQ(data()->tblChptPct->intValue(0), 12);
  // A tab with no chapter behind it changes nothing.
  clickTab(7);
  EXPECT_EQ(w->pageListChapter(), 12);
}

TEST_F(Test, NextEntryAfterAnEmptySpotHighlightsEntryOne) {
  start();
  openBedroom();
  const QPoint three = spotOf(3);
  ASSERT_GE(three.x(), 0);
  moveTo(testControls(w).ImgPages, three);
  ASSERT_EQ(currentOrder(), 3);
  const QPoint empty = spotOf(0);
  ASSERT_GE(empty.x(), 0);
  moveTo(testControls(w).ImgPages, empty);
  EXPECT_FALSE(w->entrySelected());
  EXPECT_FALSE(testControls(w).btnPrevWord->isEnabled());
  EXPECT_TRUE(testControls(w).btnNextWord->isEnabled());
  click(testControls(w).btnNextWord, QPoint(10, 10));
  EXPECT_EQ(currentOrder(), 1);
  EXPECT_EQ(w->lastEntryUnderMouse(), 1);
  EXPECT_TRUE(w->entrySelected());
  click(testControls(w).btnNextWord, QPoint(10, 10));
  EXPECT_EQ(currentOrder(), 2);
}

TEST_F(Test, NextEntryAfterAnEmptySpotOnTheFirstPageOfTheTable) {
  start();
  clickTab(1);
  clickRow(0);  // 101: its entry is the first row of the entry table
  moveTo(testControls(w).ImgPages, spotOf(0));
  ASSERT_FALSE(w->entrySelected());
  w->btnNextWordClick();
  EXPECT_EQ(currentOrder(), 1);
  EXPECT_EQ(w->currentPageCode(), 101);
  EXPECT_NE(testControls(w).ImgPages->picture(), testControls(w).ImgSound->picture())
      << "entry 1 highlighted";
}

TEST_F(Test, SwitchingTheInterfaceLanguageRebuildsTheLists) {
  start();  // English and Russian installed
  clickTab(1);
  moveTo(testControls(w).NewListBoxPages, QPoint(30, 2 * 16 + 5));
  data()->settings().setValue(Settings::InterfaceLanguage, 3);
  w->ReloadLanguageNames(orvik::Language::Russian);
  EXPECT_EQ(testControls(w).ListBoxChapter->Lines().first(), QString::fromUtf8("Дом"));
  EXPECT_EQ(testControls(w).NewListBoxPages->Items().toStringList(),
            QStringList({QString::fromUtf8("  Прихожая"), QString::fromUtf8("Комнаты"),
                         QString::fromUtf8("  Спальня")}));
  EXPECT_EQ(w->hotRow(), -1) << "the hover starts again";
  EXPECT_EQ(testControls(w).lblChapterName->text(), QString::fromUtf8("Дом"));
  EXPECT_EQ(testControls(w).btnNextPage->HintName(), QString::fromUtf8("Следущая страница"));
  EXPECT_EQ(TBaseMultiLang::currentTranslationIndex(), 1);
  clickRow(2);
  EXPECT_EQ(testControls(w).lblPageName->text(), QString::fromUtf8("Спальня"));
  shot(QStringLiteral("page-russian"));
  data()->settings().setValue(Settings::InterfaceLanguage, 1);
  w->ReloadLanguageNames(orvik::Language::English);
  EXPECT_EQ(testControls(w).lblPageName->text(), QStringLiteral("The bedroom"));
  EXPECT_EQ(testControls(w).lblChapterName->text(), QStringLiteral("Home"));
  EXPECT_EQ(testControls(w).btnNextPage->HintName(), QStringLiteral("NextPage"));
}

TEST_F(Test, ALongPageListScrollsWithItsBarAndTheSmallPictureFollows) {
  // Chapter 1 gets thirty more headings after its pages: 33 rows, 24 in view.
  start([](TestInstallation& inst) {
    expandTable(inst, orvik::schema::PageName::file(1), [](QVariantList row, const QStringList& f) {
      QList<QVariantList> rows{row};
      if (row[f.indexOf(orvik::schema::kPageCode.view())].toInt() == 102)
        for (int i = 1; i <= 30; ++i) {
          QVariantList extra = row;
          extra[f.indexOf(orvik::schema::kPageCode.view())] = 0;
          extra[f.indexOf(orvik::schema::kPageName.view())] = QStringLiteral("Extra %1").arg(i);
          rows << extra;
        }
      return rows;
    });
  });
  clickTab(1);
  ASSERT_EQ(testControls(w).NewListBoxPages->Items().Count(), 33);
  EXPECT_FALSE(testControls(w).OSBarPages->isHidden());
  EXPECT_EQ(testControls(w).OSBarPages->Max(), 9);
  EXPECT_EQ(testControls(w).OSBarPages->Position(), 0);
  EXPECT_EQ(w->visibleRowCount(), 24);
  moveTo(testControls(w).NewListBoxPages, QPoint(30, 2 * 16 + 5));
  ASSERT_EQ(w->hotRow(), 2);

  // A line down on the bar's arrow scrolls the list by one row; the small picture keeps to its
  // row.
  click(testControls(w).OSBarPages->downButton(), QPoint(5, 5));
  EXPECT_EQ(testControls(w).NewListBoxPages->TopIndex(), 1);
  EXPECT_EQ(testControls(w).ImgLittle->y(), (2 - 1) * 16 + 2);
  int pos = 7;
  w->OSBarPagesScroll(TOrvikScrollBar::scTrack, pos);
  EXPECT_EQ(testControls(w).NewListBoxPages->TopIndex(), 7);
  moveTo(testControls(w).NewListBoxPages, QPoint(30, 5));
  EXPECT_EQ(w->hotRow(), 7);
  EXPECT_EQ(testControls(w).NewListBoxPages->itemText(7), QStringLiteral("Extra 5"));
  shot(QStringLiteral("pagelist-long"));

  // Another chapter whose rows fit hides the bar.
  clickTab(4);
  EXPECT_TRUE(testControls(w).OSBarPages->isHidden());
  EXPECT_EQ(testControls(w).NewListBoxPages->TopIndex(), 0);
}

TEST_F(Test, TheTabStripFollowsTheChapterListAndNamesChaptersOutsideIt) {
  start();
  moveTo(testControls(w).ListBoxChapter, QPoint(40, 32 + 16));
  moveTo(testControls(w).ListBoxChapter, QPoint(40, 5));
  EXPECT_EQ(testControls(w).Zakladki->highlightedTab(), 1);
  EXPECT_EQ(data()->tblChptPct->intValue(0), 1);
  moveTo(testControls(w).Zakladki, QPoint(7, 3 * 32 + 10));  // tab 4 over the chapter list
  EXPECT_FALSE(testControls(w).Zakladki->hintAllowed);
  clickTab(1);
  moveTo(testControls(w).Zakladki, QPoint(7, 11 * 32 + 10));
  moveTo(testControls(w).Zakladki, QPoint(7, 3 * 32 + 10));
  EXPECT_TRUE(testControls(w).Zakladki->hintAllowed);
  EXPECT_EQ(testControls(w).Zakladki->ChapterName(), QStringLiteral("Food"));
  EXPECT_FALSE(testControls(w).Zakladki->sticky);
}

TEST_F(Test, AnotherWindowOpensAPageAndAnEntryThroughTheTables) {
  start();
  // As the find window does: position the tables, then call the window's operations.
  orvik::Table* pages = data()->tblPgePicture;
  pages->setIndexName(orvik::schema::PgePicture::kIndexPgePct);
  pages->first();
  while (pages->intValue(orvik::schema::kPageCode) != 401) ASSERT_EQ(pages->moveBy(1), 1);
  w->EnterPageView();
  EXPECT_EQ(w->view(), TForm1::View::Page);
  EXPECT_EQ(w->currentPageCode(), 401);
  EXPECT_EQ(testControls(w).lblPageName->text(), QStringLiteral("The market"));
  EXPECT_EQ(testControls(w).lblChapterName->text(), QStringLiteral("Food"));
  EXPECT_EQ(testControls(w).Zakladki->selectedTab(), 4);
  EXPECT_EQ(currentOrder(), 1);

  orvik::Table* words = data()->tblWrdPicture;
  ASSERT_TRUE(orvik::positionOnEntry(words, 401, 5));
  w->ShowCurrentEntryOnPicture();
  EXPECT_EQ(w->lastEntryUnderMouse(), 5);
  EXPECT_EQ(data()->tblWordNameEn->textValue(orvik::schema::kWordName),
            QStringLiteral("strawberry"));
  EXPECT_TRUE(testControls(w).Timer1->isActive());
  EXPECT_TRUE(testControls(w).btnPrevWord->isEnabled());
  EXPECT_NE(testControls(w).ImgPages->picture(), testControls(w).ImgSound->picture());
}

// This dictionary lacks most chapters: its list rows 1, 2, 3 are chapters 1, 4, 12, and the
// strip, the chapter pictures and the list must agree on the chapter, not on the row number.
TEST_F(Test, ChapterListRowsFollowTheirChapterCodesInADictionaryWithoutSomeChapters) {
  start();
  orvik::Table* pictures = data()->tblChptPct;
  moveTo(testControls(w).ListBoxChapter, QPoint(40, 2 * 32 + 16));  // "Travel"
  moveTo(testControls(w).ListBoxChapter, QPoint(40, 32 + 16));      // "Food"
  EXPECT_EQ(testControls(w).Zakladki->highlightedTab(), 4);
  EXPECT_EQ(pictures->intValue(orvik::schema::ChptPct::kChapterCodePosition), 4);
  EXPECT_EQ(testControls(w).ImgChapter->picture(), pictures->image(orvik::schema::kChapterPicture));
  click(testControls(w).ListBoxChapter, QPoint(40, 32 + 16));
  ASSERT_EQ(w->view(), TForm1::View::PageList);
  EXPECT_EQ(testControls(w).Zakladki->selectedTab(), 4);
  EXPECT_EQ(pictures->intValue(orvik::schema::ChptPct::kChapterCodePosition), 4);
  EXPECT_EQ(testControls(w).ImgChapter->picture(), pictures->image(orvik::schema::kPagePicture));

  click(testControls(w).btnBackToChapters, QPoint(10, 10));
  EXPECT_EQ(testControls(w).ListBoxChapter->highlightedNumber(), 2) << "Food's row, not row 4";
  EXPECT_EQ(testControls(w).Zakladki->highlightedTab(), 4);
  // Over the strip in the chapter view, tab 12 marks Travel's row.
  moveTo(testControls(w).Zakladki, QPoint(7, 11 * 32 + 10));
  EXPECT_EQ(testControls(w).ListBoxChapter->highlightedNumber(), 3);
  EXPECT_EQ(pictures->intValue(orvik::schema::ChptPct::kChapterCodePosition), 12);
}

TEST_F(Test, ATabWithoutChapterLeavesTheViewAsItWas) {
  start();
  clickTab(12);
  const QStringList rows = testControls(w).NewListBoxPages->Items().toStringList();
  ASSERT_EQ(rows.size(), 4);
  const int clicks = this->clicks();
  clickTab(7);
  EXPECT_EQ(w->view(), TForm1::View::PageList);
  EXPECT_EQ(testControls(w).NewListBoxPages->Items().toStringList(), rows);
  EXPECT_EQ(testControls(w).lblChapterName->text(), QStringLiteral("Travel"));
  EXPECT_EQ(testControls(w).Zakladki->selectedTab(), 12);
  EXPECT_EQ(this->clicks(), clicks);

  openBedroom();
  clickTab(7);
  EXPECT_EQ(w->view(), TForm1::View::Page);
  EXPECT_EQ(w->currentPageCode(), 102);
  EXPECT_TRUE(testControls(w).Timer1->isActive());
  EXPECT_EQ(testControls(w).Zakladki->selectedTab(), 1);
}

TEST_F(Test, TheChapterSoundButtonShowsOnlyOutsideTheChapterView) {
  start();
  data()->settings().setValue(Settings::SoundEn, 1);
  clickTab(1);
  EXPECT_FALSE(testControls(w).btnSoundChapter->isHidden());
  clickRow(2);
  EXPECT_FALSE(testControls(w).btnSoundChapter->isHidden());
  EXPECT_FALSE(testControls(w).btnSoundPage->isHidden());
  click(testControls(w).btnBackToPages, QPoint(10, 10));
  EXPECT_FALSE(testControls(w).btnSoundChapter->isHidden());
  EXPECT_TRUE(testControls(w).btnSoundPage->isHidden());
  click(testControls(w).btnBackToChapters, QPoint(10, 10));
  EXPECT_TRUE(testControls(w).btnSoundChapter->isHidden());
  EXPECT_TRUE(testControls(w).btnSoundPage->isHidden());
}

// Movements delivered by the window system (not sent to a control) over the title strip, the
// frame and the disabled chapter picture close the small chooser windows.
TEST_F(Test, MovingOverTheWindowClosesTheChoosers) {
  start();
  const QPoint overPicture = testControls(w).ImgChapter->mapTo(w, QPoint(100, 100));
  for (const QPoint p : {QPoint(400, 12), QPoint(2, 300), overPicture}) {
    const int before = int(pointerMoves->count());
    QTest::mouseMove(w, p);
    EXPECT_GT(int(pointerMoves->count()), before) << p.x() << "," << p.y();
    QTest::mouseMove(w, p + QPoint(1, 1));
  }
}

TEST_F(Test, LockAndUnlockCommands) {
  start();
  openBedroom();
  w->LockCommands();
  EXPECT_FALSE(testControls(w).btnNextPage->isEnabled());
  EXPECT_FALSE(testControls(w).btnFind->isEnabled());
  EXPECT_FALSE(testControls(w).btnRegime->isEnabled());
  EXPECT_TRUE(testControls(w).btnAutoPlayPanel->isEnabled());
  auto* list = w->findChild<TOrvikBtn98*>(QStringLiteral("btnListEn"));
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->isEnabled());
  w->UnlockCommands();
  EXPECT_TRUE(testControls(w).btnNextPage->isEnabled());
  EXPECT_TRUE(testControls(w).btnPrevWord->isEnabled());
}

}  // namespace
