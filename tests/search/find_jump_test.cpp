// Go from a find window: the page in page view with the entry's spot blinking, the panes and
// followers on the entry, the chapter tab, and the searched word marked in the article of the
// search language (case-insensitive, whole words only); the mark goes when the pane moves.
#include <QCursor>

#include "browse/entry_panes.h"
#include "browse/orvik_word.h"
#include "controls/orvik_zakladka.h"
#include "find_fixture.h"

namespace {

class FindJumpTest : public FindTest {
 protected:
  // Finds `word` in language `language`'s window and goes to the first result.
  void findAndGo(int language, const QString& word) {
    const int result = inFind(language, [&](TFrmFind* f) {
      find(f, word);
      ASSERT_GE(f->resultCount(), 1);
      QTest::mouseClick(f->btnGo, Qt::LeftButton, {}, QPoint(10, 10));
    });
    EXPECT_EQ(result, orvik::BorderlessForm::mrOk);
  }
  TOrvikWord* pane(int language) const { return w->entryPanes()->pane(language); }
};

TEST_F(FindJumpTest, GoShowsTheAppleAndMarksItTwiceInTheEnglishArticle) {
  startAll();
  openBedroom();
  QSignalSpy entryChanged(w, &TForm1::currentEntryChanged);
  findAndGo(1, QStringLiteral("apple"));
  EXPECT_EQ(w->view(), TForm1::View::Page);
  EXPECT_EQ(w->currentPageCode(), 401);
  EXPECT_EQ(currentOrder(), 1);
  EXPECT_TRUE(testControls(w).Timer1->isActive());
  EXPECT_EQ(testControls(w).Zakladki->selectedTab(), 4);
  EXPECT_FALSE(testControls(w).Zakladki->sticky);
  EXPECT_GE(entryChanged.count(), 1);
  EXPECT_TRUE(pane(1)->toPlainText().contains(QStringLiteral("apple")));
  // "apple" and "an apple": two marks, one per occurrence.
  EXPECT_EQ(findWindow(1)->lastMarked(), 2);
  EXPECT_EQ(pane(1)->marks().size(), 2);
  for (const QRect& r : pane(1)->marks()) EXPECT_GT(r.height(), 5);
  EXPECT_EQ(QCursor::pos(), testControls(w).btnFind->mapToGlobal(QPoint(20, 10)));
  // The mark goes when the article is shown again.
  pane(1)->reload();
  EXPECT_TRUE(pane(1)->marks().isEmpty());
}

TEST_F(FindJumpTest, RussianAndFrenchWordsAreMarkedInTheirOwnArticles) {
  startAll();
  findAndGo(3, QString::fromUtf8("яблоко"));
  EXPECT_EQ(w->currentPageCode(), 401);
  EXPECT_EQ(pane(3)->marks().size(), 2);
  EXPECT_TRUE(pane(1)->marks().isEmpty());
  findAndGo(2, QStringLiteral("pomme"));
  EXPECT_EQ(currentOrder(), 1);
  EXPECT_EQ(pane(2)->marks().size(), 2);
}

TEST_F(FindJumpTest, WholeWordsOnlyAnyCaseAndOneRectanglePerLine) {
  startAll();
  FindJump* jump = findWindow(1)->jump();
  ASSERT_TRUE(jump->jump(401, 10));  // the pineapple
  jump->showPage();
  EXPECT_EQ(currentOrder(), 10);
  EXPECT_EQ(jump->markWord(orvik::Language::English, QStringLiteral("apple")), 0);
  // "pineapple" and "Pineapple".
  EXPECT_EQ(jump->markWord(orvik::Language::English, QStringLiteral("pineapple")), 2);
  // A narrow pane wraps the example sentence: a form over a line break gets a rectangle per
  // line.
  pane(1)->clearMarks();
  pane(1)->markRange(0, pane(1)->textLength(), FindJump::markColour());
  EXPECT_EQ(pane(1)->marks().size(), pane(1)->lineCount());
  // Scrolling removes the marks.
  jump->markWord(orvik::Language::English, QStringLiteral("pineapple"));
  pane(1)->scrollLines(1);
  if (pane(1)->firstVisibleLine() > 0) {
    EXPECT_TRUE(pane(1)->marks().isEmpty());
  }
  // A page that is not there: the main window keeps its page.
  EXPECT_FALSE(jump->jump(9999, 1));
  jump->showPage();
  EXPECT_EQ(w->currentPageCode(), 401);
}

}  // namespace
