// The end of an article comes whole into view at the largest font size, however the pane is
// scrolled: the bar's arrow, the wheel, Down and Ctrl+End.

#include <QScrollBar>
#include <QTextCursor>
#include <QWheelEvent>
#include <functional>

#include "browse/entry_panes.h"
#include "browse/orvik_word.h"
#include "browse_fixture.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/osb_button.h"

namespace {

class PaneScrollTest : public BrowseTest {
 protected:
  // All four languages shown at font size 20 (the settings' 15 plus 5): 75-pixel panes, which
  // hold no whole number of lines.
  void startAtLargestFont() {
    start([](TestInstallation& inst) {
      QByteArray bytes(32, '\0');
      for (int b : {Settings::ShownEn, Settings::ShownFr, Settings::ShownRu, Settings::ShownSp,
                    Settings::InstalledEn, Settings::InstalledFr, Settings::InstalledRu,
                    Settings::InstalledSp, Settings::InterfaceLanguage,
                    Settings::PronunciationLanguage, Settings::AutoPlayLanguage})
        bytes[b] = 1;
      bytes[Settings::InstalledCount] = 4;
      bytes[Settings::AutoPlayPause] = 2;
      bytes[Settings::FontSize] = 15;
      QFile file(inst.filePath(QStringLiteral("Settings.orv")));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(bytes);
    });
    openBedroom();
    pane = w->entryPanes()->pane(1);
    ASSERT_EQ(pane->FontSize(), 20);
    ASSERT_FALSE(pane->isEmpty());
    ASSERT_GT(pane->lineCount(), pane->visibleLineCount() + 1) << "the article overflows";
  }

  // The bottom of the article's last line, in the pane's viewport.
  int endBottom() const {
    QTextCursor end(pane->document());
    end.movePosition(QTextCursor::End);
    return pane->cursorRect(end).bottom();
  }
  bool endInView() const { return endBottom() < pane->viewport()->height(); }
  void toTop() {
    pane->setFocus();
    QTest::keyClick(pane, Qt::Key_Home, Qt::ControlModifier);
    ASSERT_EQ(pane->firstVisibleLine(), 0);
    ASSERT_FALSE(endInView());
  }
  // Repeats `step` until the view stops moving (a bound keeps a fault from looping).
  void untilItStops(const std::function<void()>& step) {
    for (int i = 0, last = -1; i < 50; ++i) {
      step();
      const int now = pane->verticalScrollBar()->value();
      if (now == last) break;
      last = now;
    }
  }

  TOrvikWord* pane = nullptr;
};

TEST_F(PaneScrollTest, EveryWayOfScrollingBringsTheWholeLastLineIntoView) {
  startAtLargestFont();
  TOrvikScrollBar* bar = w->entryPanes()->scrollBar(1);

  untilItStops([&] { QTest::mouseClick(bar->downButton(), Qt::LeftButton); });
  EXPECT_TRUE(endInView()) << "the bar's arrow: the last line ends at " << endBottom()
                           << " in a view of " << pane->viewport()->height();
  EXPECT_EQ(bar->Position(), std::min(pane->firstVisibleLine(), bar->Max()))
      << "the bar stays with the text";
  // And back: the arrow up brings the first line's top to the pane's top.
  untilItStops([&] { QTest::mouseClick(bar->upButton(), Qt::LeftButton); });
  EXPECT_EQ(pane->firstVisibleLine(), 0);
  EXPECT_EQ(pane->verticalScrollBar()->value(), 0);

  toTop();
  untilItStops([&] {
    QWheelEvent wheel(QPointF(20, 20), pane->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pane->viewport(), &wheel);
  });
  EXPECT_TRUE(endInView()) << "the wheel";

  toTop();
  untilItStops([&] { QTest::keyClick(pane, Qt::Key_Down); });
  EXPECT_TRUE(endInView()) << "Down";

  toTop();
  QTest::keyClick(pane, Qt::Key_End, Qt::ControlModifier);
  EXPECT_TRUE(endInView()) << "Ctrl+End";
  EXPECT_EQ(bar->Position(), std::min(pane->firstVisibleLine(), bar->Max()));
}

}  // namespace
