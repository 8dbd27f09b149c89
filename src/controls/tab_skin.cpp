#include "controls/tab_skin.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <memory>

#include "controls/skin.h"

namespace orvik {
namespace {

// Digits 0 to 9, 4 pixels wide and 7 high, one string of rows per digit.
constexpr const char* kDigits[10][7] = {
    {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."},
    {"..#.", ".##.", "..#.", "..#.", "..#.", "..#.", ".###"},
    {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"},
    {"###.", "...#", "...#", ".##.", "...#", "...#", "###."},
    {"#..#", "#..#", "#..#", "####", "...#", "...#", "...#"},
    {"####", "#...", "###.", "...#", "...#", "#..#", ".##."},
    {".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."},
    {"####", "...#", "..#.", "..#.", ".#..", ".#..", ".#.."},
    {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."},
    {".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."},
};

// Draws the number n centred horizontally in [0, width) with its top at y. Each dot of the
// font is one logical pixel: a square of device pixels, as sharp as the font is.
void drawNumber(QImage& image, int n, int width, int y, QRgb color) {
  const QString text = QString::number(n);
  const int textWidth = int(text.size()) * 5 - 1;
  const QSize logical = image.deviceIndependentSize().toSize();
  QPainter p(&image);
  int x = (width - textWidth) / 2;
  for (QChar c : text) {
    const int d = c.digitValue();
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 4; ++col)
        if (kDigits[d][row][col] == '#') {
          const int px = x + col, py = y + row;
          if (px >= 0 && py >= 0 && px < logical.width() && py < logical.height())
            p.fillRect(px, py, 1, 1, QColor::fromRgb(color));
        }
    x += 5;
  }
}

// One tab: a bookmark standing out to the right with a rounded outer edge.
// Its lines are filled rows and columns of whole logical pixels, so that at any device pixel
// ratio they cover exactly the device pixels of their logical pixels.
void drawTab(QPainter& p, const QRect& body, const QColor& fill, const QColor& edge,
             const QColor& light) {
  const auto line = [&p](int x1, int y1, int x2, int y2, const QColor& color) {
    p.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), color);
  };
  p.fillRect(body.adjusted(0, 1, -1, -1), fill);
  // Top and bottom edges stop one pixel short of the right edge: a rounded corner.
  line(body.left(), body.top(), body.right() - 1, body.top(), edge);
  line(body.left(), body.bottom(), body.right() - 1, body.bottom(), edge);
  line(body.right(), body.top() + 1, body.right(), body.bottom() - 1, edge);
  line(body.left(), body.top() + 1, body.right() - 1, body.top() + 1, light);
}

QImage newImage(int w, int h, const QColor& fill, qreal ratio) {
  QImage image(qRound(w * ratio), qRound(h * ratio), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(fill);
  return image;
}

TabStripPictures build(qreal ratio) {
  namespace c = colors;
  const QColor restFill(222, 212, 176);
  const QColor restEdge = c::kDarkFace;
  const QColor hoverFill = c::kScrollBar;
  const QColor selFill = c::kList;
  const QColor white(255, 255, 255);

  TabStripPictures pictures;

  // Background: the strip's ground in the shadow colour, fifteen resting tabs on it.
  QImage main = newImage(15, 488, c::kShadow, ratio);
  {
    QPainter p(&main);
    for (int i = 0; i < kTabCount; ++i)
      drawTab(p, QRect(0, i * kTabPitch + 1, 13, 30), restFill, restEdge, c::kLightFace);
    p.end();
    for (int i = 0; i < kTabCount; ++i)
      drawNumber(main, i + 1, 13, i * kTabPitch + 12, c::kButtonText.rgb());
  }
  pictures.main = QPixmap::fromImage(main);

  for (int i = 0; i < kTabCount; ++i) {
    // Hover: the tab lit, its number in the heading colour.
    QImage hover = newImage(13, kTabPitch, c::kShadow, ratio);
    {
      QPainter p(&hover);
      drawTab(p, QRect(0, 1, 13, 30), hoverFill, c::kButtonText, white);
    }
    drawNumber(hover, i + 1, 13, 12, c::kHeadingText.rgb());
    pictures.chap[i] = QPixmap::fromImage(hover);

    // Selected: the tab pulled out to the full width, with a three-pixel shadow falling on
    // the band below.
    QImage sel = newImage(15, kTabSelectedHeight, c::kShadow, ratio);
    {
      QPainter p(&sel);
      p.fillRect(QRect(0, 32, 15, 3), c::kDeepShadow);
      p.fillRect(QRect(0, 32, 15, 1), c::kDarkFace);
      drawTab(p, QRect(0, 0, 15, 32), selFill, c::kHeadingText, white);
    }
    drawNumber(sel, i + 1, 15, 12, c::kHeadingText.rgb());
    pictures.chapSel[i] = QPixmap::fromImage(sel);
  }
  return pictures;
}

}  // namespace

const TabStripPictures& tabStripPictures(qreal ratio) {
  static QHash<int, std::shared_ptr<const TabStripPictures>> cache;
  if (ratio <= 0) ratio = skinRatio();
  ratio = std::clamp(ratio, 1.0, 16.0);
  // Ratios are told apart to a hundredth.
  const int key = qRound(ratio * 100);
  auto it = cache.constFind(key);
  if (it == cache.constEnd())
    it = cache.insert(key, std::make_shared<const TabStripPictures>(build(ratio)));
  return **it;
}

}  // namespace orvik
