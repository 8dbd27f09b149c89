// The skin's pictures, the cursors, the panel and the dialog frame.

#include "controls/skin.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "control_test_support.h"
#include "controls/cursors.h"
#include "controls/dialog_frame.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_panel.h"

using controls_test::Host;
using controls_test::pixelAt;
using controls_test::solid;

namespace {

using orvik::ButtonGlyph;

QImage img(const QPixmap& p) {
  return p.toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(SkinTest, ButtonPicturesComeInTheRequestedSizeAndDifferPerState) {
  const QVector<std::pair<ButtonGlyph, QSize>> uses = {
      {ButtonGlyph::Close, {15, 15}},     {ButtonGlyph::NextPage, {33, 26}},
      {ButtonGlyph::NextEntry, {50, 20}}, {ButtonGlyph::Pause, {20, 20}},
      {ButtonGlyph::Sound, {20, 20}},     {ButtonGlyph::None, {72, 20}}};
  for (const auto& [glyph, size] : uses) {
    const orvik::ButtonPictures p = orvik::buttonPictures(glyph, size);
    const QImage states[] = {img(p.normal), img(p.up), img(p.down), img(p.disabled)};
    for (const QImage& s : states) EXPECT_EQ(s.size(), size);
    for (int a = 0; a < 4; ++a)
      for (int b = a + 1; b < 4; ++b) EXPECT_NE(states[a], states[b]) << a << " " << b;
    // Rounded corners let the window show through; the middle is opaque.
    EXPECT_LT(qAlpha(states[0].pixel(0, 0)), 128);
    EXPECT_EQ(qAlpha(states[0].pixel(size.width() / 2, 2)), 255);
  }
}

TEST(SkinTest, PicturesAreReproducibleAndCached) {
  const orvik::ButtonPictures a = orvik::buttonPictures(ButtonGlyph::Find, QSize(50, 20));
  const orvik::ButtonPictures b = orvik::buttonPictures(ButtonGlyph::Find, QSize(50, 20));
  EXPECT_EQ(a.normal.cacheKey(), b.normal.cacheKey());
  EXPECT_EQ(img(orvik::panelPicture(QSize(40, 30))), img(orvik::panelPicture(QSize(40, 30))));
  // Signs differ from each other and from the plain plate.
  EXPECT_NE(img(a.normal), img(orvik::buttonPictures(ButtonGlyph::Help, QSize(50, 20)).normal));
  EXPECT_NE(img(a.normal), img(orvik::plainButtonPictures(QSize(50, 20)).normal));
}

TEST(SkinTest, ScrollAndTrackPicturesHaveTheSkinSizes) {
  const orvik::ScrollBarPictures standard =
      orvik::scrollBarPictures(orvik::ScrollSkin::Standard, false);
  EXPECT_EQ(standard.lineUp.size(), QSize(15, 15));
  EXPECT_EQ(standard.lineDownDown.size(), QSize(15, 15));
  EXPECT_EQ(standard.thumb.size(), QSize(15, 28));
  EXPECT_NE(img(standard.lineUp), img(standard.lineDown));
  EXPECT_NE(img(standard.lineUp), img(standard.lineUpDown));
  EXPECT_NE(img(standard.thumb), img(standard.thumbDown));
  const orvik::ScrollBarPictures across =
      orvik::scrollBarPictures(orvik::ScrollSkin::Standard, true);
  EXPECT_EQ(across.thumb.size(), QSize(28, 15));
  const orvik::ScrollBarPictures pane = orvik::scrollBarPictures(orvik::ScrollSkin::Pane, false);
  EXPECT_EQ(pane.lineUp.size(), QSize(10, 13));
  EXPECT_EQ(pane.thumb.size(), QSize(10, 14));
  const orvik::TrackBarPictures track = orvik::trackBarPictures();
  EXPECT_EQ(track.thumb.size(), QSize(11, 24));
  EXPECT_NE(img(track.thumb), img(track.thumbDown));
}

TEST(SkinTest, FourDistinctCursorsWithHotSpotsOnTheirPictures) {
  QVector<QImage> seen;
  for (int n = orvik::O_HANDPOINTER; n <= orvik::O_FIXPAGE; ++n) {
    const QPixmap p = orvik::cursorPixmap(n);
    ASSERT_FALSE(p.isNull()) << n;
    EXPECT_EQ(p.size(), QSize(32, 32));
    const QImage image = img(p);
    // The hot spot lies on or right beside a drawn pixel.
    const QPoint hot = orvik::cursorHotSpot(n);
    int near = 0;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const QPoint q = hot + QPoint(dx, dy);
        if (image.rect().contains(q) && qAlpha(image.pixel(q)) > 0) ++near;
      }
    EXPECT_GT(near, 0) << n;
    for (const QImage& other : seen) EXPECT_NE(image, other) << n;
    seen.append(image);
    const QCursor c = orvik::orvikCursor(n);
    EXPECT_EQ(c.shape(), Qt::BitmapCursor);
    EXPECT_EQ(c.hotSpot(), hot);
  }
  EXPECT_EQ(orvik::orvikCursor(99).shape(), Qt::ArrowCursor);
  EXPECT_TRUE(orvik::cursorPixmap(9).isNull());
}

TEST(DialogFrameTest, PaintsFiveRingsLineByLine) {
  const int w = 40, h = 30;
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(QColor(1, 1, 1));
  QPainter p(&image);
  orvik::paintDialogFrame(p, h, w);
  p.end();
  const QColor white(255, 255, 255), darkest(86, 80, 50), light(157, 148, 116), dark(117, 109, 70),
      pale(254, 253, 225);
  auto at = [&](int x, int y) { return image.pixelColor(x, y); };
  EXPECT_EQ(at(0, 0), white);
  EXPECT_EQ(at(0, h - 2), white);
  EXPECT_EQ(at(w - 2, 0), white);
  EXPECT_EQ(at(w - 1, 0), darkest);
  EXPECT_EQ(at(w - 1, h - 1), darkest);
  EXPECT_EQ(at(0, h - 1), white);  // each line covers its start, not its end
  EXPECT_EQ(at(1, h - 1), darkest);
  EXPECT_EQ(at(1, 1), light);
  EXPECT_EQ(at(w - 2, 1), dark);
  EXPECT_EQ(at(1, h - 2), light);
  EXPECT_EQ(at(2, h - 2), dark);
  EXPECT_EQ(at(2, 2), dark);
  EXPECT_EQ(at(w - 3, 2), light);
  EXPECT_EQ(at(2, h - 3), dark);
  EXPECT_EQ(at(3, h - 3), light);
  EXPECT_EQ(at(3, 3), darkest);
  EXPECT_EQ(at(w - 4, 3), darkest);
  EXPECT_EQ(at(w - 3, 3), light);  // ring 4's top line stops short of it
  EXPECT_EQ(at(w - 4, 4), white);
  EXPECT_EQ(at(3, h - 4), darkest);
  EXPECT_EQ(at(w - 4, h - 4), white);
  EXPECT_EQ(at(4, 4), pale);
  EXPECT_EQ(at(4, h - 5), pale);
  EXPECT_EQ(at(w - 5, 4), pale);
  EXPECT_EQ(at(5, 5), QColor(1, 1, 1));
  EXPECT_EQ(at(4, h - 4), white);
}

TEST(PanelTest, BevelsUseTheirOwnColoursAndThePictureSitsInside) {
  TOrvikPanel panel;
  panel.resize(60, 40);
  EXPECT_EQ(panel.Color(), QColor(238, 230, 201));
  EXPECT_EQ(panel.clShadow(), QColor(123, 115, 92));
  EXPECT_EQ(panel.clHighlight(), QColor(252, 248, 232));
  QImage image = panel.grab().toImage();
  EXPECT_EQ(image.pixelColor(0, 0), QColor(252, 248, 232));
  EXPECT_EQ(image.pixelColor(0, 20), QColor(252, 248, 232));
  EXPECT_EQ(image.pixelColor(59, 20), QColor(123, 115, 92));
  EXPECT_EQ(image.pixelColor(30, 39), QColor(123, 115, 92));
  EXPECT_EQ(image.pixelColor(30, 20), QColor(238, 230, 201));

  panel.setBevelOuter(TOrvikPanel::bvLowered);
  panel.setBevelWidth(2);
  panel.setBorderWidth(1);
  panel.setPicture(solid(QSize(5, 5), QColor(0, 0, 250)));
  image = panel.grab().toImage();
  EXPECT_EQ(image.pixelColor(1, 1), QColor(123, 115, 92));
  EXPECT_EQ(image.pixelColor(58, 20), QColor(252, 248, 232));
  EXPECT_EQ(image.pixelColor(2, 2), QColor(238, 230, 201));  // the border ring
  EXPECT_EQ(image.pixelColor(3, 3), QColor(0, 0, 250));      // picture at the inner corner
  EXPECT_EQ(image.pixelColor(7, 7), QColor(0, 0, 250));
  EXPECT_EQ(image.pixelColor(8, 8), QColor(238, 230, 201));

  // Setting a bevel colour only stores it; it shows at the next repaint.
  panel.setClShadow(QColor(9, 9, 9));
  EXPECT_EQ(panel.grab().toImage().pixelColor(1, 1), QColor(9, 9, 9));
}

TEST(PanelTest, CaptionIsCentredVerticallyAndAlignedAcross) {
  TOrvikPanel panel;
  panel.resize(120, 40);
  panel.setBevelOuter(TOrvikPanel::bvNone);
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(14);
  panel.setFont(f);
  panel.setFontColor(QColor(0, 0, 0));
  panel.setCaption(QStringLiteral("WWW"));
  auto inkColumns = [&]() {
    const QImage image = panel.grab().toImage();
    int left = 1000, right = -1, top = 1000, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y).lightness() < 100) {
          left = std::min(left, x);
          right = std::max(right, x);
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
    return QRect(QPoint(left, top), QPoint(right, bottom));
  };
  const QRect centred = inkColumns();
  EXPECT_NEAR(centred.center().x(), 60, 3);
  EXPECT_NEAR(centred.center().y(), 20, 4);
  panel.setAlignment(Qt::AlignLeft);
  EXPECT_LE(inkColumns().left(), 2);
  panel.setAlignment(Qt::AlignRight);
  EXPECT_GE(inkColumns().right(), 116);
}

TEST(PanelTest, CaptionLineIsAsHighAsTheFontsTextHeight) {
  // The caption's line box is the font's ascent plus descent, centred in the inner area: its
  // top is (top + bottom - text height) div 2 and the baseline an ascent lower. Fonts whose
  // "W" ink is taller than that line must not shift it.
  for (int pixels : {12, 14, 16, 20}) {
    for (int height : {39, 40, 41, 42}) {
      TOrvikPanel panel;
      panel.resize(120, height);
      panel.setBevelOuter(TOrvikPanel::bvNone);
      QFont f(QStringLiteral("Arial"));
      f.setPixelSize(pixels);
      panel.setFont(f);
      panel.setFontColor(QColor(0, 0, 0));
      panel.setAlignment(Qt::AlignLeft);
      panel.setCaption(QStringLiteral("Wg"));
      const QImage shown = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);

      const QFontMetrics fm(f);
      const int top = (height - fm.height()) / 2;
      QImage expected(shown.size(), QImage::Format_RGB32);
      expected.fill(panel.Color());
      QPainter p(&expected);
      p.setFont(f);
      p.setPen(QColor(0, 0, 0));
      p.drawText(QPoint(0, top + fm.ascent()), QStringLiteral("Wg"));
      p.end();
      EXPECT_EQ(shown, expected) << pixels << " px font, panel " << height << " high";
    }
  }
}

TEST(SkinTest, ButtonsDrawnFromTheSkinShowThroughAtTheCorners) {
  Host host;
  host.showAndWait();
  auto* b = new TOrvikBtn98(&host);
  b->setGeometry(10, 10, 50, 20);
  b->setPictures(orvik::plainButtonPictures(QSize(50, 20)));
  b->show();
  // The corner pixel is only partly covered: the window's dark ground shows through it, while
  // the edge beside it is the plate's opaque outline.
  const QColor ground = pixelAt(&host, QPoint(5, 5));
  const QColor corner = pixelAt(&host, QPoint(10, 10));
  const QColor edge = pixelAt(&host, QPoint(35, 10));
  EXPECT_GT(corner.red(), ground.red());
  EXPECT_LT(corner.red(), edge.red());
}

}  // namespace
