// The page picture: the hit map read cell by cell, the highlight and its blink, the panes
// following the entry under the mouse, the mouse lock, the picture's buttons, and pages whose
// data is incomplete.

#include "browse/entry_panes.h"
#include "browse/orvik_word.h"
#include "browse/picture_box.h"
#include "browse_fixture.h"
#include "controls/cursors.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_panel.h"
#include "schema/schema.h"

namespace {

using Test = BrowseTest;

// Rewrites cells of page 102's hit map: {band, column, value}.
struct Cell {
  int band, column, value;
};
std::function<void(TestInstallation&)> withCells(QList<Cell> cells) {
  return [cells](TestInstallation& inst) {
    BrowseTest::rewriteTable(inst, orvik::schema::PctInfo::kFile, [&](QVariantList& row) {
      if (row[0].toInt() != 102) return true;
      for (const Cell& c : cells)
        if (row[1].toInt() == c.band) row[c.column + 1] = c.value;
      return true;
    });
  };
}

QImage whereDiffers(const QImage& a, const QImage& b, QRect* box) {
  *box = QRect();
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) *box |= QRect(x, y, 1, 1);
  return a;
}

TEST_F(Test, TheHitMapLayoutIsPageCodeBandThenColumnsOneToSixtyFive) {
  start();
  orvik::Table* info = data()->tblPctInfo;
  const QStringList fields = info->fieldNames();
  ASSERT_EQ(fields.size(), 67);
  EXPECT_EQ(fields[2], QStringLiteral("1"));
  EXPECT_EQ(fields[66], QStringLiteral("65"));
}

TEST_F(Test, TheCornersReadBandOneFieldOneAndBandNinetyEightFieldSixtyFive) {
  start(withCells({{1, 1, 2}, {98, 65, 3}, {1, 2, 0}, {98, 64, 0}}));
  openBedroom();
  moveTo(testControls(w).ImgPages, QPoint(0, 0));
  EXPECT_EQ(w->lastEntryUnderMouse(), 2);
  EXPECT_EQ(currentOrder(), 2);
  moveTo(testControls(w).ImgPages, QPoint(324, 489));
  EXPECT_EQ(w->lastEntryUnderMouse(), 3);
  EXPECT_EQ(currentOrder(), 3);
  // One cell further in: the neighbouring cells were emptied.
  moveTo(testControls(w).ImgPages, QPoint(319, 489));
  EXPECT_EQ(w->lastEntryUnderMouse(), 0);
  moveTo(testControls(w).ImgPages, QPoint(5, 4));
  EXPECT_EQ(w->lastEntryUnderMouse(), 0);
  moveTo(testControls(w).ImgPages, QPoint(4, 4));
  EXPECT_EQ(w->lastEntryUnderMouse(), 2);
}

TEST_F(Test, MovingOntoASpotHighlightsItAtItsStartPointAndThePanesFollow) {
  start();
  openBedroom();
  const QPoint four = spotOf(4);
  ASSERT_GE(four.x(), 0);
  moveTo(testControls(w).ImgPages, four);
  EXPECT_EQ(currentOrder(), 4);
  EXPECT_TRUE(testControls(w).btnPrevWord->isEnabled());
  // The highlight lies within the entry's highlight picture at its start point.
  orvik::Table* words = data()->tblWrdPicture;
  const QRect spot(words->intValue(orvik::schema::kStartPointX),
                   words->intValue(orvik::schema::kStartPointY),
                   words->image(orvik::schema::kWordPicture).width(),
                   words->image(orvik::schema::kWordPicture).height());
  QRect changed;
  whereDiffers(testControls(w).ImgPages->picture(), testControls(w).ImgSound->picture(), &changed);
  ASSERT_FALSE(changed.isEmpty());
  EXPECT_TRUE(spot.contains(changed)) << "highlight outside the entry's place";
  // The English and Russian article tables stand on the entry.
  for (orvik::Table* t : {data()->tblWordNameEn, data()->tblWordNameRu}) {
    EXPECT_EQ(t->intValue(orvik::schema::kPageCode), 102);
    EXPECT_EQ(t->intValue(orvik::schema::kOrder), 4);
  }
  EXPECT_EQ(data()->tblWordNameEn->textValue(orvik::schema::kWordName), QStringLiteral("door"));
  EXPECT_TRUE(w->entryPanes()->pane(1)->toPlainText().contains(QStringLiteral("door")));
  shot(QStringLiteral("page-door"));
}

TEST_F(Test, TheHighlightBlinksEveryTick) {
  start();
  openBedroom();
  const QImage highlighted = testControls(w).ImgPages->picture();
  const QImage clean = testControls(w).ImgSound->picture();
  ASSERT_NE(highlighted, clean);
  EXPECT_EQ(testControls(w).Timer1->interval(), 400);
  EXPECT_EQ(w->blinkPhase(), 1);
  w->Timer1Timer();
  EXPECT_EQ(testControls(w).ImgPages->picture(), clean);
  EXPECT_EQ(w->blinkPhase(), 0);
  w->Timer1Timer();
  EXPECT_EQ(testControls(w).ImgPages->picture(), highlighted);
  // The window shows what the picture holds.
  const QImage shown =
      w->grab(testControls(w).PanelForImg->geometry().translated(testControls(w).pnlMain->pos()))
          .toImage()
          .convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown, highlighted.convertToFormat(QImage::Format_RGB32));
  // A movement restarts the blink with the highlight on.
  w->Timer1Timer();
  moveTo(testControls(w).ImgPages, spotOf(1));
  EXPECT_EQ(testControls(w).ImgPages->picture(), highlighted);
  EXPECT_TRUE(testControls(w).Timer1->isActive());
}

TEST_F(Test, AnEmptySpotEmptiesThePanesButKeepsTheArticleTables) {
  start();
  openBedroom();
  moveTo(testControls(w).ImgPages, spotOf(5));
  ASSERT_EQ(currentOrder(), 5);
  const QPoint empty = spotOf(0);
  moveTo(testControls(w).ImgPages, empty);
  EXPECT_EQ(w->lastEntryUnderMouse(), 0);
  EXPECT_FALSE(w->entrySelected());
  EXPECT_EQ(currentOrder(), 1) << "the entry table goes back to entry 1";
  EXPECT_EQ(data()->tblWordNameEn->intValue(orvik::schema::kOrder), 5);
  EXPECT_TRUE(w->entryPanes()->pane(1)->toPlainText().isEmpty());
  EXPECT_EQ(testControls(w).ImgPages->picture(), testControls(w).ImgSound->picture())
      << "nothing highlighted";
  EXPECT_FALSE(testControls(w).btnPrevWord->isEnabled());
  EXPECT_TRUE(testControls(w).btnNextWord->isEnabled());
  // A left click there runs the pronunciation language's sound button, which says nothing for
  // an empty pane; back on a spot the click is heard.
  click(testControls(w).ImgPages, empty);
  EXPECT_TRUE(pronounced().isEmpty());
  moveTo(testControls(w).ImgPages, spotOf(5));
  click(testControls(w).ImgPages, spotOf(5));
  EXPECT_EQ(pronounced(), QList<int>{1});
}

TEST_F(Test, TheLockButtonAndTheRightButtonFreezeTheHighlight) {
  start();
  openBedroom();
  moveTo(testControls(w).ImgPages, spotOf(2));
  ASSERT_EQ(currentOrder(), 2);
  click(testControls(w).btnRegime, QPoint(10, 10));
  EXPECT_TRUE(testControls(w).btnRegime->latched());
  EXPECT_TRUE(w->mouseLocked());
  moveTo(testControls(w).ImgPages, spotOf(3));
  EXPECT_EQ(currentOrder(), 2);
  EXPECT_EQ(testControls(w).ImgPages->cursor().pixmap().toImage(),
            orvik::orvikCursor(orvik::O_FIXPAGE).pixmap().toImage());
  click(testControls(w).btnRegime, QPoint(10, 10));
  EXPECT_FALSE(w->mouseLocked());
  moveTo(testControls(w).ImgPages, spotOf(3));
  EXPECT_EQ(currentOrder(), 3);
  EXPECT_EQ(testControls(w).ImgPages->cursor().pixmap().toImage(),
            orvik::orvikCursor(orvik::O_HANDPOINTER).pixmap().toImage());

  // The right button locks and opens the "Say in" list at the point.
  click(testControls(w).ImgPages, QPoint(100, 120), Qt::RightButton);
  EXPECT_TRUE(w->mouseLocked());
  EXPECT_TRUE(sayInShowing());
  EXPECT_EQ(testControls(w).PopUpPct->pos(), testControls(w).PanelForImg->pos() + QPoint(100, 120));
  moveTo(testControls(w).ImgPages, spotOf(4));
  EXPECT_EQ(currentOrder(), 3);
  // A press while it shows closes it and gives the lock back to the button's state.
  click(testControls(w).ImgPages, QPoint(100, 120));
  EXPECT_FALSE(sayInShowing());
  EXPECT_FALSE(w->mouseLocked());
  EXPECT_TRUE(pronounced().isEmpty()) << "that press only closed the list";
  // A page change clears the lock.
  w->setMouseLock(true);
  click(testControls(w).btnNextPage, QPoint(10, 10));
  EXPECT_FALSE(w->mouseLocked());
}

TEST_F(Test, DuringAutoPlayThePictureButtonsDoNothing) {
  start();
  openBedroom();
  w->setAutoPlayRunning(true);
  click(testControls(w).ImgPages, spotOf(2));
  click(testControls(w).ImgPages, spotOf(2), Qt::RightButton);
  EXPECT_TRUE(pronounced().isEmpty());
  EXPECT_FALSE(sayInShowing());
  w->setAutoPlayRunning(false);
  data()->settings().setValue(Settings::PronunciationLanguage, 3);
  click(testControls(w).ImgPages, spotOf(2));
  EXPECT_EQ(pronounced(), QList<int>{3});
}

TEST_F(Test, AMapValuePastThePagesEntriesHighlightsNothing) {
  start(withCells({{1, 1, 99}}));
  openBedroom();
  moveTo(testControls(w).ImgPages, spotOf(2));
  moveTo(testControls(w).ImgPages, QPoint(2, 2));
  EXPECT_EQ(w->lastEntryUnderMouse(), 0);
  EXPECT_EQ(currentOrder(), 1);
  EXPECT_EQ(testControls(w).ImgPages->picture(), testControls(w).ImgSound->picture());
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(Test, APageWithoutHitMapShowsItsPictureAndIgnoresTheMouse) {
  start([](TestInstallation& inst) {
    rewriteTable(inst, orvik::schema::PctInfo::kFile,
                 [](QVariantList& row) { return row[0].toInt() != 102; });
  });
  openBedroom();
  EXPECT_EQ(w->view(), TForm1::View::Page);
  EXPECT_FALSE(testControls(w).ImgPages->picture().isNull());
  EXPECT_EQ(testControls(w).ImgPages->picture(), testControls(w).ImgSound->picture())
      << "no highlight";
  EXPECT_FALSE(testControls(w).Timer1->isActive());
  moveTo(testControls(w).ImgPages, QPoint(150, 200));
  EXPECT_EQ(testControls(w).ImgPages->picture(), testControls(w).ImgSound->picture());
  EXPECT_FALSE(testControls(w).Timer1->isActive());
  EXPECT_TRUE(messages.messages.isEmpty());
  // Its neighbours are unharmed.
  click(testControls(w).btnNextPage, QPoint(10, 10));
  EXPECT_EQ(w->currentPageCode(), 401);
  EXPECT_NE(testControls(w).ImgPages->picture(), testControls(w).ImgSound->picture());
}

TEST_F(Test, APageWithoutEntryOneShowsItsPictureAndCannotStep) {
  start([](TestInstallation& inst) {
    rewriteTable(inst, orvik::schema::WrdPicture::kFile,
                 [](QVariantList& row) { return !(row[0].toInt() == 101 && row[1].toInt() == 1); });
  });
  clickTab(1);
  clickRow(0);
  ASSERT_EQ(w->currentPageCode(), 101);
  EXPECT_EQ(testControls(w).ImgPages->picture(), testControls(w).ImgSound->picture());
  EXPECT_FALSE(testControls(w).btnPrevWord->isEnabled());
  EXPECT_FALSE(testControls(w).btnNextWord->isEnabled());
  moveTo(testControls(w).ImgPages, QPoint(150, 200));
  EXPECT_EQ(testControls(w).ImgPages->picture(), testControls(w).ImgSound->picture());
  w->btnNextWordClick();
  EXPECT_EQ(w->currentPageCode(), 101);
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(Test, LosingTheFocusHidesThePopUpsAndGivesTheLockBackToTheButton) {
  start();
  openBedroom();
  testControls(w).PopUpPct->show();
  w->entryPanes()->popUp()->show();
  w->setMouseLock(true);
  // What the window system announces when another program is activated.
  emit qApp->applicationStateChanged(Qt::ApplicationInactive);
  EXPECT_TRUE(testControls(w).PopUpPct->isHidden());
  EXPECT_TRUE(w->entryPanes()->popUp()->isHidden());
  EXPECT_FALSE(w->mouseLocked()) << "btnRegime is up";
}

// A page picture smaller than the picture area leaves the rest in the window's background.
TEST_F(Test, ThePictureAreaAroundASmallPictureIsTheMainBackground) {
  start([](TestInstallation& inst) {
    expandTable(inst, orvik::schema::PgePicture::kFile, [](QVariantList row, const QStringList& f) {
      if (row[f.indexOf(orvik::schema::kPageCode.view())].toInt() == 102) {
        QImage small(200, 300, QImage::Format_RGB32);
        small.fill(Qt::blue);
        row[f.indexOf(orvik::schema::kPagePicture.view())] = small;
      }
      return QList<QVariantList>{row};
    });
  });
  openBedroom();
  w->Timer1Timer();  // the clean phase of the blink
  const QImage img = w->grab().toImage();
  const QPoint area = testControls(w).PanelForImg->mapTo(w, QPoint(0, 0));
  EXPECT_EQ(img.pixelColor(area + QPoint(100, 100)), QColor(Qt::blue));
  EXPECT_EQ(img.pixelColor(area + QPoint(300, 450)), QColor(238, 230, 201));
}

TEST_F(Test, ATableFailureGoesToTheDatabaseFailureRoutine) {
  start();
  openBedroom();
  const QPoint two = spotOf(2);
  data()->tblPctInfo->close();
  moveTo(testControls(w).ImgPages, two);
  ASSERT_EQ(messages.messages.size(), 1);
  EXPECT_TRUE(messages.messages[0].text.startsWith(
      QStringLiteral("An error occurred while addressing Orvik DataBase.")));
  EXPECT_TRUE(orvik::Application::terminated());
}

}  // namespace
