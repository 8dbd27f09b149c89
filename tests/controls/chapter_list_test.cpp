// The hover-highlight list: which line answers for the pointer, when the change is reported,
// and what is painted in red.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "controls/orvik_chapter_list.h"

namespace {

struct ChapterListFixture : ::testing::Test {
  QWidget parent;
  TOrvikChapterList* list = nullptr;
  void SetUp() override {
    parent.resize(200, 200);
    QPalette pal;
    pal.setColor(QPalette::Window, QColor(238, 230, 201));
    parent.setPalette(pal);
    parent.setAutoFillBackground(true);
    list = new TOrvikChapterList(&parent);
    parent.show();
    QTest::mouseMove(&parent, QPoint(190, 190));
  }
  void moveTo(int y) { QTest::mouseMove(list, QPoint(5, y)); }
};

TEST_F(ChapterListFixture, StartsWithLineOneAndHundredSquare) {
  EXPECT_EQ(list->size(), QSize(100, 100));
  EXPECT_EQ(list->ItemHeight(), 32);
  EXPECT_EQ(list->selectedNumber(), 1);
  EXPECT_EQ(list->highlightedNumber(), 1);
}

TEST_F(ChapterListFixture, CharacterHeightFontPlacesLineBoundaries) {
  // Item height 16 with a 13-pixel character height: line 1 answers for y 0 to 20, line 2
  // for 21 to 36, and so on in steps of 16.
  QFont f("Arial");
  f.setPixelSize(13);
  list->setFont(f);
  list->setItemHeight(16);
  list->setLines({"a", "b", "c", "d", "e"});
  EXPECT_EQ(list->fontHeight(), -13);
  EXPECT_EQ(list->lineAt(0), 1);
  EXPECT_EQ(list->lineAt(20), 1);
  EXPECT_EQ(list->lineAt(21), 2);
  EXPECT_EQ(list->lineAt(36), 2);
  EXPECT_EQ(list->lineAt(37), 3);
  EXPECT_EQ(list->lineAt(52), 3);
  EXPECT_EQ(list->lineAt(53), 4);
}

TEST_F(ChapterListFixture, FourLinesReportOneToFourAndNeverOutside) {
  QFont f("Times New Roman");
  f.setPixelSize(14);
  f.setBold(true);
  list->setFont(f);
  list->setItemHeight(20);
  list->setLines({"English", "French", "Russian", "Spanish"});
  QSignalSpy spy(list, &TOrvikChapterList::OnNoSelectedChange);
  QList<int> seen;
  QObject::connect(list, &TOrvikChapterList::OnNoSelectedChange,
                   [&] { seen << list->selectedNumber(); });
  for (int y = 0; y < 100; ++y) moveTo(y);
  EXPECT_EQ(seen, (QList<int>{2, 3, 4}));  // line 1 was selected from the start
  for (int y = 99; y >= 0; --y) moveTo(y);
  EXPECT_EQ(seen, (QList<int>{2, 3, 4, 3, 2, 1}));
  for (int n : seen) {
    EXPECT_GE(n, 1);
    EXPECT_LE(n, 4);
  }
}

TEST_F(ChapterListFixture, MovingWithinOneLineReportsOnce) {
  QFont f("Arial");
  f.setPixelSize(13);
  list->setFont(f);
  list->setItemHeight(16);
  list->setLines({"one", "two", "three"});
  QSignalSpy spy(list, &TOrvikChapterList::OnNoSelectedChange);
  for (int y = 21; y <= 36; ++y) moveTo(y);
  EXPECT_EQ(spy.count(), 1);
  EXPECT_EQ(list->selectedNumber(), 2);
  EXPECT_EQ(list->highlightedNumber(), 2);
  // Leaving keeps the highlight.
  QTest::mouseMove(&parent, QPoint(150, 150));
  EXPECT_EQ(list->highlightedNumber(), 2);
}

TEST_F(ChapterListFixture, HighlightOutsideRangeIsIgnored) {
  list->setLines({"one", "two"});
  list->highlight(1);
  EXPECT_EQ(list->highlightedNumber(), 2);
  list->highlight(2);
  list->highlight(-1);
  EXPECT_EQ(list->highlightedNumber(), 2);
  // The selected number only follows the mouse.
  EXPECT_EQ(list->selectedNumber(), 1);
}

TEST_F(ChapterListFixture, HighlightedLineIsRedOthersBlackGroundShowsThrough) {
  QFont f("Arial");
  f.setPixelSize(13);
  list->setFont(f);
  list->setItemHeight(16);
  list->setLines({"WWWW", "WWWW", "WWWW"});
  list->highlight(1);
  const QImage img = parent.grab().toImage();
  auto countColour = [&](int top, auto pred) {
    int n = 0;
    for (int y = top; y < top + 16; ++y)
      for (int x = 0; x < 60; ++x)
        if (pred(QColor(img.pixel(x, y)))) ++n;
    return n;
  };
  auto reddish = [](QColor c) { return c.red() > 150 && c.green() < 100 && c.blue() < 100; };
  auto dark = [](QColor c) { return c.red() < 60 && c.green() < 60 && c.blue() < 60; };
  EXPECT_GT(countColour(16, reddish), 10);
  EXPECT_EQ(countColour(0, reddish), 0);
  EXPECT_GT(countColour(0, dark), 10);
  // Between letters the parent's parchment shows.
  EXPECT_EQ(QColor(img.pixel(95, 2)), QColor(238, 230, 201));
}

TEST_F(ChapterListFixture, ClearEmptiesAndIgnoresMoves) {
  list->setLines({"one", "two"});
  list->clear();
  QSignalSpy spy(list, &TOrvikChapterList::OnNoSelectedChange);
  for (int y = 0; y < 100; y += 5) moveTo(y);
  EXPECT_EQ(spy.count(), 0);
  EXPECT_TRUE(list->Lines().isEmpty());
}

}  // namespace
