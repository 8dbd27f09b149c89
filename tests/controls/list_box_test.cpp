// The skinned list boxes: the collection, find by prefix, top index, item rectangles, the
// list's own sorting order, re-creation, selection drawing and the page list's scroll report.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <stdexcept>

#include "controls/new_list_box.h"
#include "controls/orvik_list_box.h"

namespace {

QStringList numbered(int n) {
  QStringList lines;
  for (int i = 0; i < n; ++i) lines << QString("item %1").arg(i, 2, 10, QChar('0'));
  return lines;
}

struct OrvikListBoxFixture : ::testing::Test {
  QWidget window;
  TOrvikListBox* list = nullptr;
  void SetUp() override {
    window.resize(300, 300);
    list = new TOrvikListBox(&window);
    list->setStyle(SkinnedListBox::ListStyle::OwnerDrawFixed);
    list->setBorderStyle(SkinnedListBox::Border::None);
    list->setIntegralHeight(true);
    list->setGeometry(0, 0, 148, 160);  // ten rows of 16
    list->setColor(QColor(250, 244, 211));
    window.show();
  }
};

TEST_F(OrvikListBoxFixture, DefaultsOfAFreshList) {
  TOrvikListBox fresh;
  EXPECT_EQ(fresh.size(), QSize(121, 97));
  EXPECT_EQ(fresh.ItemHeight(), 16);
  EXPECT_EQ(fresh.BorderStyle(), SkinnedListBox::Border::Single);
  EXPECT_TRUE(fresh.ExtendedSelect());
  EXPECT_FALSE(fresh.IntegralHeight());
  EXPECT_FALSE(fresh.MultiSelect());
  EXPECT_FALSE(fresh.Sorted());
  EXPECT_EQ(fresh.ItemIndex(), -1);
}

TEST_F(OrvikListBoxFixture, CollectionForwardsAndGuardsIndexes) {
  TOrvikListStrings& items = list->Items();
  EXPECT_EQ(items.Add("alpha"), 0);
  EXPECT_EQ(items.AddObject("beta", 42), 1);
  items.Insert(0, "zero");
  EXPECT_EQ(items.Count(), 3);
  EXPECT_EQ(items[0], "zero");
  EXPECT_EQ(items.Objects(2), 42);
  items.Put(1, "ALPHA");
  EXPECT_EQ(items.IndexOf("alpha"), 1);  // whole text, case ignored
  EXPECT_EQ(items.IndexOf("alp"), -1);
  EXPECT_THROW(items.Get(3), std::out_of_range);
  EXPECT_THROW(items.Get(-1), std::out_of_range);
  EXPECT_THROW(items.Put(5, "x"), std::out_of_range);
  items.Delete(0);
  EXPECT_EQ(items.toStringList(), (QStringList{"ALPHA", "beta"}));
  items.Clear();
  EXPECT_EQ(items.Count(), 0);
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(OrvikListBoxFixture, ItemTextReadsBackThroughA4096ByteBuffer) {
  list->Items().Add(QString(5000, QChar('x')));
  EXPECT_EQ(list->Items().Get(0).size(), 4095);
}

TEST_F(OrvikListBoxFixture, FindStringByPrefixWrapsAndIgnoresCase) {
  list->setItems({"apple", "Banana", "blueberry", "cherry", "BLACKBERRY"});
  EXPECT_EQ(list->findString(-1, "b"), 1);
  EXPECT_EQ(list->findString(1, "b"), 2);
  EXPECT_EQ(list->findString(2, "b"), 4);
  EXPECT_EQ(list->findString(4, "B"), 1);  // wraps round to the start
  EXPECT_EQ(list->findString(-1, "bl"), 2);
  EXPECT_EQ(list->findString(-1, "CH"), 3);
  EXPECT_EQ(list->findString(-1, "durian"), -1);
  EXPECT_EQ(list->findStringExact(-1, "BANANA"), 1);
  EXPECT_EQ(list->findStringExact(-1, "Ban"), -1);
}

TEST_F(OrvikListBoxFixture, TopIndexClampsToLastWholePage) {
  list->setItems(numbered(25));
  EXPECT_EQ(list->visibleRows(), 10);
  list->setTopIndex(7);
  EXPECT_EQ(list->TopIndex(), 7);
  list->setTopIndex(24);
  EXPECT_EQ(list->TopIndex(), 15);
  list->setTopIndex(-3);
  EXPECT_EQ(list->TopIndex(), 0);
  // Selecting an item out of view brings it in at the bottom.
  list->setItemIndex(20);
  EXPECT_EQ(list->TopIndex(), 11);
  list->setItemIndex(3);
  EXPECT_EQ(list->TopIndex(), 3);
}

TEST_F(OrvikListBoxFixture, ItemRectanglesFollowTopIndexAndBorder) {
  list->setItems(numbered(25));
  list->setTopIndex(5);
  EXPECT_EQ(list->itemRect(5), QRect(0, 0, 148, 16));
  EXPECT_EQ(list->itemRect(7), QRect(0, 32, 148, 16));
  EXPECT_EQ(list->itemRect(2), QRect(0, -48, 148, 16));
  EXPECT_TRUE(list->itemRect(25).isNull());
  EXPECT_EQ(list->itemAtPos(QPoint(10, 33), true), 7);
  list->setBorderStyle(SkinnedListBox::Border::Single);  // sunken 2-pixel edge
  EXPECT_EQ(list->itemRect(5), QRect(2, 2, 144, 16));
  EXPECT_EQ(list->TopIndex(), 5);
}

TEST_F(OrvikListBoxFixture, ItemAtPosPastTheEnd) {
  list->setItems(numbered(3));
  EXPECT_EQ(list->itemAtPos(QPoint(5, 70), true), -1);
  EXPECT_EQ(list->itemAtPos(QPoint(5, 70), false), 3);
}

TEST_F(OrvikListBoxFixture, SortedListUsesItsCaseInsensitiveOrder) {
  list->setSorted(true);
  for (const char* s : {"pear", "Apple", "banana", "apple", "Cherry", "APRICOT"})
    list->Items().Add(s);
  EXPECT_EQ(list->Items().toStringList(),
            (QStringList{"Apple", "apple", "APRICOT", "banana", "Cherry", "pear"}));
  EXPECT_EQ(list->Items().Add("Banana"), 4);  // after the equal item already there
}

TEST_F(OrvikListBoxFixture, SwitchingSortedOnRecreatesAndKeepsSelectionIndex) {
  list->setItems({"delta", "Alpha", "charlie", "bravo"});
  list->setItemIndex(2);
  const int before = list->recreations();
  list->setSorted(true);
  EXPECT_EQ(list->recreations(), before + 1);
  EXPECT_EQ(list->Items().toStringList(), (QStringList{"Alpha", "bravo", "charlie", "delta"}));
  EXPECT_EQ(list->ItemIndex(), 2);
}

TEST_F(OrvikListBoxFixture, SelectedItemIsWhiteOnSkinColourWithoutFocus) {
  list->setItems({"WWWWWW", "WWWWWW", "WWWWWW"});
  list->setItemIndex(1);
  ASSERT_FALSE(list->hasFocus());
  const QImage img = list->grab().toImage();
  const QColor sel(180, 164, 135);
  // The row's ground right of the text, the text itself in white, and the other rows.
  EXPECT_EQ(QColor(img.pixel(140, 16)), sel);
  EXPECT_EQ(QColor(img.pixel(140, 31)), sel);
  EXPECT_EQ(QColor(img.pixel(140, 8)), QColor(250, 244, 211));
  EXPECT_EQ(QColor(img.pixel(140, 40)), QColor(250, 244, 211));
  int white = 0;
  for (int x = 2; x < 60; ++x)
    for (int y = 16; y < 32; ++y)
      if (qGray(img.pixel(x, y)) > 225) ++white;
  EXPECT_GT(white, 20);
  // No focus rectangle, even with the focus: the row's edge pixels keep the brush colour.
  list->setFocus();
  const QImage focused = list->grab().toImage();
  for (int x = 0; x < 148; ++x) {
    EXPECT_EQ(QColor(focused.pixel(x, 16)), sel) << x;
    EXPECT_EQ(QColor(focused.pixel(x, 31)).rgb() == sel.rgb() ||
                  QColor(focused.pixel(x, 31)) == QColor(255, 255, 255),
              true);
  }
}

TEST_F(OrvikListBoxFixture, OwnerDrawHandlerGetsPreparedCanvas) {
  list->setItems({"one", "two", "three"});
  list->setItemIndex(2);
  QList<int> drawn;
  QList<QColor> brushes;
  QObject::connect(list, &SkinnedListBox::OnDrawItem,
                   [&](SkinnedListBox* c, int index, QRect rect, int state) {
                     drawn << index;
                     brushes << c->Canvas().brushColor;
                     c->Canvas().fillRect(rect);
                     EXPECT_EQ(rect, c->itemRect(index));
                     EXPECT_EQ(bool(state & SkinnedListBox::odSelected), index == 2);
                   });
  list->grab();
  EXPECT_EQ(drawn, (QList<int>{0, 1, 2}));
  EXPECT_EQ(brushes[0], QColor(250, 244, 211));
  EXPECT_EQ(brushes[2], QColor(180, 164, 135));
}

TEST_F(OrvikListBoxFixture, ClickSelectsAndReportsKeysMove) {
  list->setItems(numbered(25));
  QSignalSpy clicks(list, &SkinnedListBox::clicked);
  QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(10, 40));
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_EQ(clicks.count(), 1);
  QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(10, 159));
  EXPECT_EQ(list->ItemIndex(), 9);
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->ItemIndex(), 10);
  EXPECT_EQ(list->TopIndex(), 1);
  QTest::keyClick(list, Qt::Key_End);
  EXPECT_EQ(list->ItemIndex(), 24);
  EXPECT_EQ(list->TopIndex(), 15);
  EXPECT_EQ(clicks.count(), 4);
}

TEST_F(OrvikListBoxFixture, DeletingShiftsTheSelection) {
  list->setItems(numbered(5));
  list->setItemIndex(3);
  list->Items().Delete(1);
  EXPECT_EQ(list->ItemIndex(), 2);
  list->Items().Delete(2);
  EXPECT_EQ(list->ItemIndex(), -1);
}

struct NewListBoxFixture : ::testing::Test {
  QWidget window;
  TNewListBox* list = nullptr;
  void SetUp() override {
    window.resize(300, 400);
    list = new TNewListBox(&window);
    list->setStyle(SkinnedListBox::ListStyle::OwnerDrawFixed);
    list->setBorderStyle(SkinnedListBox::Border::None);
    list->setIntegralHeight(true);
    list->setGeometry(0, 0, 200, 384);  // 24 rows
    list->setItems(numbered(30));
    window.show();
  }
};

TEST_F(NewListBoxFixture, LineDownAtLastPageIsDroppedUnreported) {
  QSignalSpy scrolls(list, &TCustomNewListBox::OnScroll);
  for (int i = 0; i < 6; ++i) list->WMVScroll(TCustomNewListBox::SB_LINEDOWN, 0);
  EXPECT_EQ(list->TopIndex(), 6);
  EXPECT_EQ(scrolls.count(), 6);
  list->WMVScroll(TCustomNewListBox::SB_LINEDOWN, 0);
  EXPECT_EQ(list->TopIndex(), 6);
  EXPECT_EQ(scrolls.count(), 6);
  // Other requests pass and are reported with their code and position.
  list->WMVScroll(TCustomNewListBox::SB_THUMBPOSITION, 2);
  EXPECT_EQ(list->TopIndex(), 2);
  ASSERT_EQ(scrolls.count(), 7);
  EXPECT_EQ(scrolls.last().at(1).toInt(), int(TCustomNewListBox::SB_THUMBPOSITION));
  EXPECT_EQ(scrolls.last().at(2).toInt(), 2);
  list->WMVScroll(TCustomNewListBox::SB_LINEUP, 0);
  EXPECT_EQ(list->TopIndex(), 1);
  list->WMVScroll(TCustomNewListBox::SB_ENDSCROLL, 0);
  EXPECT_EQ(scrolls.count(), 9);
}

TEST_F(NewListBoxFixture, WheelScrollsThroughTheReportedPath) {
  QSignalSpy scrolls(list, &TCustomNewListBox::OnScroll);
  QWheelEvent down(QPointF(10, 10), list->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(list, &down);
  EXPECT_EQ(list->TopIndex(), 3);
  EXPECT_EQ(scrolls.count(), 3);
  QApplication::sendEvent(list, &down);
  QApplication::sendEvent(list, &down);
  EXPECT_EQ(list->TopIndex(), 6);  // the last page: further lines dropped
  EXPECT_EQ(scrolls.count(), 6);
}

TEST_F(NewListBoxFixture, SelectionIsTheOwnersToDrawAndLostOnRecreation) {
  list->setItemIndex(1);
  const QImage img = list->grab().toImage();
  EXPECT_EQ(QColor(img.pixel(190, 20)), QColor(255, 255, 255));  // the list's own brush
  list->setTopIndex(3);
  list->setSorted(true);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->TopIndex(), 3);
  EXPECT_EQ(list->Items().Count(), 30);
}

}  // namespace
