// The program at a device pixel ratio of 2: the main window keeps its layout in logical pixels
// while its text and skin are drawn at device resolution, the page picture is scaled smoothly,
// the hit map answers at the same logical points as at ratio 1, and the display check measures
// the screen in logical pixels.
//
// Sharpness is measured against the same window painted at ratio 1 and scaled up smoothly (what
// a 1x program shows on this screen): within each logical pixel a grab drawn at device
// resolution has detail the scaled-up one lacks, and a 1x bitmap scaled up by repeating its
// pixels has none at all.

#include "browse/browse_fixture.h"
#include "browse/picture_box.h"
#include "controls/cursors.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/skin.h"
#include "controls/tab_skin.h"
#include "lang/about_box.h"
#include "lang/settings_dialog.h"
#include "platform/screen_metrics.h"
#include "program/display_check.h"
#include "program/splash_form.h"
#include "search/find_window.h"
#include "search/find_windows.h"
#include "sound/auto_play_panel.h"

namespace {

using HidpiTest = BrowseTest;

int level(QRgb c) {
  return qRed(c) + qGreen(c) + qBlue(c);
}

// Detail finer than a logical pixel in `image` (a picture at ratio 2) over the logical
// rectangle `logical`: how far the four device pixels of each logical pixel stray from their
// mean, in levels (0 to 765) per logical pixel.
double subPixelDetail(const QImage& image, QRect logical) {
  double total = 0;
  for (int y = logical.top(); y <= logical.bottom(); ++y)
    for (int x = logical.left(); x <= logical.right(); ++x) {
      const int l[4] = {level(image.pixel(2 * x, 2 * y)), level(image.pixel(2 * x + 1, 2 * y)),
                        level(image.pixel(2 * x, 2 * y + 1)),
                        level(image.pixel(2 * x + 1, 2 * y + 1))};
      const double mean = (l[0] + l[1] + l[2] + l[3]) / 4.0;
      for (int v : l) total += std::abs(v - mean);
    }
  return total / (logical.width() * logical.height());
}

// Sharp edges in `image` over the logical rectangle `logical`: device pixels whose right or
// lower neighbour differs by at least a fifth of the whole range.
int sharpEdges(const QImage& image, QRect logical) {
  const QRect device(logical.topLeft() * 2, logical.size() * 2);
  int edges = 0;
  for (int y = device.top(); y < device.bottom(); ++y)
    for (int x = device.left(); x < device.right(); ++x) {
      const int here = level(image.pixel(x, y));
      if (std::abs(here - level(image.pixel(x + 1, y))) >= 153) ++edges;
      if (std::abs(here - level(image.pixel(x, y + 1))) >= 153) ++edges;
    }
  return edges;
}

// The logical rectangle of `control` in `window`'s coordinates.
QRect placeIn(const QWidget* window, const QWidget* control) {
  return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

// Mean difference in levels between logical pixel (x, y) of `picture` and the mean of the
// device pixels (2x + dx .. 2x + dx + 1, 2y .. 2y + 1) of `grab`.
double meanDifference(const QImage& grab, const QImage& picture, int dx) {
  double total = 0;
  int count = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 2; x < picture.width() - 2; ++x) {
      const int gx = 2 * (x + dx);
      const double mean =
          (level(grab.pixel(gx, 2 * y)) + level(grab.pixel(gx + 1, 2 * y)) +
           level(grab.pixel(gx, 2 * y + 1)) + level(grab.pixel(gx + 1, 2 * y + 1))) /
          4.0;
      total += std::abs(mean - level(picture.pixel(x, y)));
      ++count;
    }
  return total / count;
}

TEST_F(HidpiTest, TheMainWindowKeepsItsLayoutAndDrawsTextAndSkinAtDeviceResolution) {
  start();
  ASSERT_EQ(w->devicePixelRatioF(), 2.0);
  EXPECT_EQ(w->size(), QSize(757, 564));
  const QPixmap grab = w->grab();
  EXPECT_EQ(grab.size(), QSize(1514, 1128));
  EXPECT_EQ(grab.devicePixelRatio(), 2.0);
  const QImage sharp = grab.toImage().convertToFormat(QImage::Format_RGB32);

  // The same window painted at ratio 1 and scaled up to the screen's pixels, smoothly and by
  // repeating pixels.
  QPixmap oneX(w->size());
  oneX.setDevicePixelRatio(1);
  w->render(&oneX);
  const auto scaledUp = [&](Qt::TransformationMode mode) {
    return oneX.toImage()
        .scaled(sharp.size(), Qt::IgnoreAspectRatio, mode)
        .convertToFormat(QImage::Format_RGB32);
  };
  const QImage smooth = scaledUp(Qt::SmoothTransformation);
  const QImage blocky = scaledUp(Qt::FastTransformation);

  const QRect chapterNames = placeIn(w, testControls(w).ListBoxChapter).adjusted(0, 0, 0, -380);
  const QRect signButtons =
      placeIn(w, testControls(w).btnNumberLang) | placeIn(w, testControls(w).btnHelp);
  const QRect windowButtons =
      placeIn(w, testControls(w).btnMinimize) | placeIn(w, testControls(w).btnClose);
  const QRect emblem = QRect(5, 5, 20, 20);
  ASSERT_TRUE(testControls(w).btnNumberLang->isVisible());
  ASSERT_TRUE(testControls(w).btnHelp->isVisible());
  ASSERT_TRUE(testControls(w).btnClose->isVisible());
  const std::pair<const char*, QRect> regions[] = {
      {"chapter names", chapterNames},
      {"title", placeIn(w, testControls(w).lblMainCap)},
      {"title strip emblem", emblem},
      {"command row signs", signButtons},
      {"window buttons", windowButtons}};
  for (const auto& [what, region] : regions) {
    // Sharper than the smooth scaling: more steep steps between neighbouring device pixels.
    const int edges = sharpEdges(sharp, region);
    const int smoothEdges = sharpEdges(smooth, region);
    EXPECT_GT(edges, 1.3 * smoothEdges) << what << ": " << edges << " against " << smoothEdges;
    // Finer than the scaling by repeating pixels: detail inside the logical pixels.
    const double fine = subPixelDetail(sharp, region);
    const double repeated = subPixelDetail(blocky, region);
    EXPECT_GT(fine, repeated + 5.0) << what << ": " << fine << " against " << repeated;
  }

  // The skin's pictures carry the ratio and keep their logical sizes; the plain plate's edges
  // stand where they stand at ratio 1.
  const orvik::ButtonPictures find = orvik::buttonPictures(orvik::ButtonGlyph::Find, {50, 20});
  EXPECT_EQ(find.normal.devicePixelRatio(), 2.0);
  EXPECT_EQ(find.normal.size(), QSize(100, 40));
  EXPECT_EQ(orvik::tabStripPictures().main.deviceIndependentSize(), QSizeF(15, 488));
  EXPECT_EQ(testControls(w).Zakladki->surface().devicePixelRatio(), 2.0);
  const QImage plate2 = orvik::plainButtonPictures({50, 20}, 2).normal.toImage();
  const QImage plate1 = orvik::plainButtonPictures({50, 20}, 1)
                            .normal.toImage()
                            .scaled(100, 40, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  int worst = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 100; ++x) {
      const QRgb a = plate2.pixel(x, y), b = plate1.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                        std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
    }
  EXPECT_LE(worst, 4);
}

// The pictures of the dialogs were drawn at 1x and scaled up by repeating pixels: the about
// box's title and logo, the settings dialog's language frame, the auto-play strip, the splash
// and the find window's page picture.
TEST_F(HidpiTest, TheDialogsPicturesAreDrawnAtTheScreensRatio) {
  start();
  // Each picture carries the ratio and keeps its logical size on screen.
  const auto atRatio = [](const QLabel* label, QSize logical, const char* what) {
    const QPixmap shown = label->pixmap();
    ASSERT_FALSE(shown.isNull()) << what;
    EXPECT_EQ(shown.devicePixelRatio(), 2.0) << what;
    EXPECT_EQ(shown.deviceIndependentSize().toSize(), logical) << what;
    EXPECT_EQ(label->size(), logical) << what;
  };
  auto* about = program->parts().about;
  ASSERT_NE(about, nullptr);
  atRatio(about->Image2, QSize(403, 20), "about box title");
  atRatio(about->Image1, QSize(88, 88), "about box logo");
  TfrmNumbLang* settings = program->parts().settingsDialog;
  atRatio(settings->imgNumbLangs, settings->imgNumbLangs->pixmap().deviceIndependentSize().toSize(),
          "language frame");
  TfrmTrackAutoPlay* panel = program->parts().autoPlayPanel;
  EXPECT_EQ(panel->strip().devicePixelRatio(), 2.0);
  atRatio(panel->Image2, QSize(180, 7), "auto-play strip");
  TSplashForm::showSplash(0, dir.path(), &messages);
  ASSERT_NE(TSplashForm::current(), nullptr);
  const QSize splash = TSplashForm::current()->size();
  atRatio(TSplashForm::current()->SplashImage, splash, "splash");
  delete TSplashForm::current();

  // The logo is drawn at device resolution: sharper than its 1x drawing scaled smoothly, and
  // with detail inside the logical pixels that pixels repeated lack.
  about->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
  const QImage sharp = about->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QPixmap oneX(about->size());
  oneX.setDevicePixelRatio(1);
  about->render(&oneX);
  const QImage smooth = oneX.toImage()
                            .scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_RGB32);
  const QImage blocky = oneX.toImage()
                            .scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                            .convertToFormat(QImage::Format_RGB32);
  const QRect logo = placeIn(about, about->Image1);
  EXPECT_GT(sharpEdges(sharp, logo), 1.3 * sharpEdges(smooth, logo));
  EXPECT_GT(subPixelDetail(sharp, logo), subPixelDetail(blocky, logo) + 5.0);
  about->hide();

  // The find window's page picture, shown with the first result.
  auto* finds = dynamic_cast<FindWindows*>(w->handOver().find);
  ASSERT_NE(finds, nullptr);
  TFrmFind* find = finds->window(1);
  bool shown = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!find->isShowingModal()) return;
    poll.stop();
    find->Edit1->selectAll();
    QTest::keyClicks(find->Edit1, QStringLiteral("pear"));
    QTest::mouseClick(find->btnFind, Qt::LeftButton, {}, QPoint(10, 10));
    shown = find->mode() == TFrmFind::Mode::Results && !find->imgFind->pixmap().isNull();
    if (shown) {
      EXPECT_EQ(find->imgFind->pixmap().devicePixelRatio(), 2.0);
      // Scaled smoothly, not by repeating pixels.
      const QImage picture =
          find->imgFind->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
      const QSize logical = find->imgFind->pixmap().deviceIndependentSize().toSize();
      EXPECT_GT(subPixelDetail(picture, QRect(QPoint(0, 0), logical)), 0.5);
    }
    find->btnCancelClick();
  });
  poll.start(5);
  finds->openFind(orvik::Language::English);
  EXPECT_TRUE(shown);
}

TEST_F(HidpiTest, TheHitMapAndThePagePictureStayInLogicalPixels) {
  start();
  openBedroom();
  for (int entry = 1; entry <= 6; ++entry) {
    const QPoint spot = spotOf(entry);
    ASSERT_GE(spot.x(), 0) << entry;
    moveTo(testControls(w).ImgPages, spot);
    EXPECT_EQ(w->lastEntryUnderMouse(), entry);
    EXPECT_EQ(currentOrder(), entry);
    EXPECT_EQ(w->data()->dictionary().entryAt(w->currentPageCode(), spot).order, entry);
  }
  // The picture on screen, highlight included, is the 1x picture scaled to the device pixels:
  // averaged back to logical pixels it matches where it stands, and not two pixels aside.
  w->stopBlinking();
  const QImage picture = testControls(w).ImgPages->picture().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(picture.size(), QSize(325, 490));
  const QImage onScreen =
      testControls(w).ImgPages->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(onScreen.size(), QSize(650, 980));
  const double inPlace = meanDifference(onScreen, picture, 0);
  EXPECT_LT(inPlace, 12.0);
  EXPECT_LT(2 * inPlace, meanDifference(onScreen, picture, 2));
  // Scaled smoothly: pixels are not merely repeated.
  EXPECT_GT(subPixelDetail(onScreen, QRect(0, 0, 325, 490)), 0.5);

  // The cursor over the picture is drawn at the screen's ratio too.
  const QPixmap hand = orvik::cursorPixmap(orvik::O_HANDPOINTER);
  EXPECT_EQ(hand.devicePixelRatio(), 2.0);
  EXPECT_EQ(hand.size(), QSize(64, 64));
  EXPECT_EQ(testControls(w).ImgPages->cursor().pixmap().devicePixelRatio(), 2.0);
  EXPECT_EQ(testControls(w).ImgPages->cursor().hotSpot(),
            orvik::cursorHotSpot(orvik::O_HANDPOINTER));
}

TEST_F(HidpiTest, TheDisplayCheckMeasuresTheScreenInLogicalPixels) {
  // The screen is 3072 device pixels wide at ratio 2.
  const orvik::QtScreenMetrics screen;
  EXPECT_EQ(screen.workAreaWidth(), 1536);
  EXPECT_GE(screen.colourDepth(), 16);
  orvik::RecordingMessageBoxes shown;
  EXPECT_TRUE(orvik::displayCheck(screen, shown));
  EXPECT_TRUE(shown.messages.isEmpty());
}

}  // namespace
