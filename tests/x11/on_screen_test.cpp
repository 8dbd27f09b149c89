// What reaches a real X server's screen, read back from the screen itself: the messages are
// painted (text and progress) while the work they announce runs, the page entry lists never
// cover a find or page-list window, and the floating windows go and come back with the main
// window. Run by run_under_x.sh on a private Xvfb, with and without a
// window manager.

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "browse/entry_panes.h"
#include "find_fixture.h"
#include "pagelist/page_entry_lists.h"
#include "print/print_message.h"
#include "print_fixture.h"
#include "search/find_message.h"

namespace {

// The part of the screen a window covers, as the X server holds it.
QImage onScreen(const QWidget* window) {
  const QRect r = window->frameGeometry();
  return QGuiApplication::primaryScreen()
      ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

bool near(QRgb a, QColor b, int tolerance = 6) {
  return std::abs(qRed(a) - b.red()) <= tolerance && std::abs(qGreen(a) - b.green()) <= tolerance &&
         std::abs(qBlue(a) - b.blue()) <= tolerance;
}

int countNear(const QImage& image, QColor colour, QRect area = {}) {
  if (area.isNull()) area = image.rect();
  area &= image.rect();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += near(image.pixel(x, y), colour);
  return n;
}

// The share of pixels where the screen shows what `window` paints itself.
double shareShowing(const QWidget* window) {
  const QImage screen = onScreen(window);
  const QImage own =
      const_cast<QWidget*>(window)->grab().toImage().convertToFormat(QImage::Format_RGB32);
  if (screen.size() != own.size()) return 0;
  int same = 0;
  for (int y = 0; y < own.height(); ++y)
    for (int x = 0; x < own.width(); ++x) same += near(screen.pixel(x, y), own.pixel(x, y), 12);
  return double(same) / (own.width() * own.height());
}

const QColor kMessageBackground(230, 222, 191);
const QColor kMessageText(82, 91, 27);
const QColor kProgressSquare(181, 171, 132);

class OnScreenTest : public FindTest {
 protected:
  void SetUp() override {
    FindTest::SetUp();
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
      GTEST_SKIP() << "needs an X server (run_under_x.sh)";
  }

  // Every time events are processed while `message` shows, what the screen shows of it.
  void watchScreen(QWidget* message, QList<QImage>* shots) {
    watch_.setInterval(0);
    QObject::connect(&watch_, &QTimer::timeout, message, [message, shots] {
      // Once the window system shows it: before that nothing of it is on the screen.
      const bool shown =
          message->isVisible() && message->windowHandle() && message->windowHandle()->isExposed();
      if (shown && shots->size() < 200) shots->append(onScreen(message));
    });
    watch_.start();
  }

  QTimer watch_;
};

// The search-base message comes at the first opening of a find window and goes when the word
// list is made: from its first moment it shows its text on its background, and its bar fills
// while the list is read.
TEST_F(OnScreenTest, TheSearchBaseMessageIsPaintedAndFillsWhileTheListIsMade) {
  startAll();
  auto* message = qobject_cast<TMsgFind*>(topLevelWindow(QStringLiteral("MsgFind")));
  ASSERT_NE(message, nullptr);
  QList<QImage> shots;
  watchScreen(message, &shots);
  inFind(1, [](TFrmFind*) {});
  watch_.stop();
  ASSERT_GE(shots.size(), 2) << "the message showed while the list was made";
  const QImage& first = shots.first();
  const int area = first.width() * first.height();
  EXPECT_GT(countNear(first, kMessageBackground), area / 2) << "painted, not a black box";
  EXPECT_GT(countNear(first, kMessageText, QRect(0, 10, first.width(), 42)), 40)
      << "its two lines of text";
  // The bar (16, 56; 207 by 15) has squares at the end that it had not at the start.
  const QRect bar(16, 56, 207, 15);
  const int before = countNear(first, kProgressSquare, bar);
  const int after = countNear(shots.last(), kProgressSquare, bar);
  EXPECT_GT(after, before + 50) << "the squares reached the screen as they were drawn";
}

class OnScreenPrintTest : public PrintTest {
 protected:
  void SetUp() override {
    PrintTest::SetUp();
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
      GTEST_SKIP() << "needs an X server (run_under_x.sh)";
  }
};

// "Now printing page" shows its text while the entries are gathered and printed.
TEST_F(OnScreenPrintTest, ThePrintingMessageIsPaintedWhilePrinting) {
  startPrinting();
  openBedroom();
  QList<QImage> shots;
  QTimer watch;
  watch.setInterval(0);
  QObject::connect(&watch, &QTimer::timeout, message, [&] {
    const bool shown =
        message->isVisible() && message->windowHandle() && message->windowHandle()->isExposed();
    if (shown && shots.size() < 200) shots.append(onScreen(message));
  });
  watch.start();
  clickPrint(1);
  watch.stop();
  ASSERT_EQ(writtenFiles().size(), 1);
  ASSERT_FALSE(shots.isEmpty()) << "the message showed while printing";
  for (const QImage& shot : shots) {
    const int area = shot.width() * shot.height();
    EXPECT_GT(countNear(shot, kMessageBackground), area / 2) << "painted, not a black box";
    EXPECT_GT(countNear(shot, kMessageText), 40) << "its text";
  }
}

// An open entry list stands on top of every window; a find window or a page-list window that
// opens over it must not lie under it, and the list comes back where it was when it closes.
TEST_F(OnScreenTest, AnEntryListNeverCoversTheFindOrPageListWindow) {
  startAll();
  openBedroom();
  click(w->entryPanes()->listButton(1), QPoint(5, 5));
  auto* list = qobject_cast<TLangList*>(topLevelWindow(QStringLiteral("FormEn")));
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(list->isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
  // Over the middle of the main window, where both windows open.
  list->move(w->frameGeometry().center() - QPoint(60, 120));
  QTest::qWait(100);
  const QPoint listPlace = list->pos();

  // Opens `modal` by `key`; once it shows on the screen, checks that it shows whole and
  // closes it with Esc.
  const auto openAndCheck = [&](QWidget* modal, Qt::KeyboardModifier modifier, const char* what) {
    bool checked = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, modal, [&] {
      if (checked || !modal->isVisible() || !QApplication::activeModalWidget()) return;
      if (!modal->windowHandle() || !modal->windowHandle()->isExposed()) return;
      checked = true;
      QTest::qWait(150);  // the window manager's and the server's last word
      EXPECT_FALSE(list->isVisible()) << what << ": the list stepped out of the way";
      EXPECT_TRUE(w->entryPanes()->listButton(1)->isHidden())
          << what << ": the list is still open: its button stays hidden";
      EXPECT_GT(shareShowing(modal), 0.97) << what << " shows whole on the screen";
      // As the user presses it: to the control that has the focus.
      QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Escape);
    });
    poll.start(10);
    QTest::keyClick(w, Qt::Key_E, modifier);
    EXPECT_TRUE(checked) << what << " did not show";
    EXPECT_FALSE(modal->isVisible());
  };

  openAndCheck(findWindow(1), Qt::ControlModifier, "the find window");
  ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
  EXPECT_TRUE(QTest::qWaitFor([&] { return list->pos() == listPlace; }))
      << "back where it stood, not at " << list->x() << ", " << list->y();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
  QTest::qWait(150);
  EXPECT_GT(shareShowing(list), 0.97) << "the list is on the screen again";
  EXPECT_EQ(list->pageCode(), w->currentPageCode());

  QWidget* pageList = topLevelWindow(QStringLiteral("frmPageListEn"));
  ASSERT_NE(pageList, nullptr);
  openAndCheck(pageList, Qt::AltModifier, "the page-list window");
  ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
  EXPECT_TRUE(QTest::qWaitFor([&] { return list->pos() == listPlace; }))
      << "back where it stood, not at " << list->x() << ", " << list->y();
  QTest::qWait(150);
  EXPECT_GT(shareShowing(list), 0.97) << "the list is on the screen again";
}

// Under a window manager the open entry list and the auto-play panel are minimised with the
// main window (they stood alone on an empty desktop) and come back with it.
TEST_F(OnScreenTest, FloatingWindowsAreMinimisedAndRestoredWithTheMainWindow) {
  startAll();
  openBedroom();
  click(w->entryPanes()->listButton(1), QPoint(5, 5));
  click(testControls(w).btnAutoPlayPanel, QPoint(5, 5));
  QWidget* list = topLevelWindow(QStringLiteral("FormEn"));
  QWidget* panel = topLevelWindow(QStringLiteral("frmTrackAutoPlay"));
  ASSERT_NE(list, nullptr);
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(panel));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w));

  w->showMinimized();
  if (!QTest::qWaitFor([&] { return !w->windowHandle()->isExposed(); }, 3000))
    GTEST_SKIP() << "no window manager: nothing is minimised";
  EXPECT_TRUE(QTest::qWaitFor([&] { return !list->windowHandle()->isExposed(); }, 3000))
      << "the entry list went with the main window";
  EXPECT_TRUE(QTest::qWaitFor([&] { return !panel->windowHandle()->isExposed(); }, 3000))
      << "the auto-play panel went with the main window";

  w->showNormal();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
  EXPECT_TRUE(QTest::qWaitForWindowExposed(list)) << "the entry list came back";
  EXPECT_TRUE(QTest::qWaitForWindowExposed(panel)) << "the auto-play panel came back";
}

}  // namespace
