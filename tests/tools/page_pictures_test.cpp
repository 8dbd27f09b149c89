#include <gtest/gtest.h>

#include <QPainter>

#include "emoji_painter.h"
#include "hit_map.h"
#include "interface_artist.h"
#include "page_artist.h"

using namespace builddict;

namespace {

QImage square(int w, int h, int alpha = 255) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(qRgba(200, 0, 0, alpha));
  return img;
}

SourcePage pageOf(int entries, int code = 401) {
  static const char* const emoji[] = {"🍎", "🍌", "🍇", "🥕", "🚗", "🐱", "⭐", "🌲"};
  SourcePage page;
  page.code = code;
  page.scene = QStringLiteral("kitchen");
  for (int i = 0; i < entries; ++i) {
    SourceEntry e;
    e.emoji = QString::fromUtf8(emoji[i % 8]);
    page.entries << e;
  }
  return page;
}

}  // namespace

TEST(HitMap, NamesTheObjectCoveringMostOfEachCell) {
  // Object 1: a 10x10 square at (0,0) covers cells (0,0),(1,0),(0,1),(1,1).
  // Object 2: a 7x5 strip at (8,0) covers 2 pixels of cell (1,0) and 5 of cell (2,0); a
  // transparent image at (20,20) covers nothing.
  const HitMap map =
      HitMap::fromObjects(QSize(30, 25), {square(10, 10), square(7, 5), square(5, 5, 60)},
                          {QPoint(0, 0), QPoint(8, 0), QPoint(20, 20)});
  EXPECT_EQ(map.columns(), 6);
  EXPECT_EQ(map.bands(), 5);
  EXPECT_EQ(map.at(0, 0), 1);
  EXPECT_EQ(map.at(1, 0), 1);  // 25 pixels of object 1 against 10 of object 2
  EXPECT_EQ(map.at(2, 0), 2);
  EXPECT_EQ(map.at(1, 1), 1);
  EXPECT_EQ(map.at(2, 1), 0);
  EXPECT_EQ(map.at(4, 4), 0);  // faint pixels are no part of an object
  EXPECT_EQ(map.entryAt(QPoint(12, 3)), 2);
  // A cell with more pixels of the later object goes to it.
  const HitMap shifted =
      HitMap::fromObjects(QSize(10, 5), {square(2, 5), square(8, 5)}, {QPoint(0, 0), QPoint(2, 0)});
  EXPECT_EQ(shifted.at(0, 0), 2);
  EXPECT_EQ(shifted.cellCounts(2), (std::vector<int>{0, 0, 2}));
}

TEST(PageArtist, DrawsPagesWhoseHitMapsAndHighlightsMatchTheObjects) {
  ASSERT_TRUE(EmojiPainter::fontAvailable());
  EmojiPainter emoji;
  PageArtist artist(&emoji);
  for (int n : {1, 6, 20}) {
    SCOPED_TRACE(n);
    // Objects on the wall, on a shelf, on the counter and on the floor.
    QHash<QString, PlaceDefault> places;
    places.insert(QStringLiteral("🍌"), {Zone::Shelf, SizeClass::Small, {}});
    places.insert(QStringLiteral("⭐"), {Zone::Wall, SizeClass::Small, {}});
    places.insert(QStringLiteral("🚗"), {Zone::Floor, SizeClass::Big, {}});
    places.insert(QStringLiteral("🐱"), {Zone::Floor, SizeClass::Medium, {}});
    const PageArt art = artist.draw(pageOf(n), QColor(217, 232, 176), places);
    EXPECT_TRUE(art.composition.sound());
    ASSERT_EQ(art.picture.size(), QSize(325, 490));
    ASSERT_EQ(art.highlights.size(), n);
    const std::vector<int> cells = art.hitMap.cellCounts(n);
    for (int i = 0; i < n; ++i) {
      EXPECT_GT(cells[i + 1], 0) << "entry " << i + 1;
      const QRect h(art.highlightAt[i], art.highlights[i].size());
      EXPECT_TRUE(art.picture.rect().contains(h));
      EXPECT_TRUE(h.contains(art.objectRects[i]));
      EXPECT_FALSE(art.highlights[i].hasAlphaChannel());
      // Every cell naming the entry touches the entry's object.
      bool inside = false;
      for (int band = 0; band < art.hitMap.bands(); ++band)
        for (int col = 0; col < art.hitMap.columns(); ++col)
          if (art.hitMap.at(col, band) == i + 1) {
            const QRect cell(col * 5, band * 5, 5, 5);
            EXPECT_TRUE(cell.intersects(art.objectRects[i]));
            inside = true;
          }
      EXPECT_TRUE(inside);
      // Every drawn pixel of the object can be pointed at: its cell names the entry.
      const QImage object = art.objects[i].convertToFormat(QImage::Format_ARGB32);
      int missed = 0;
      for (int y = 0; y < object.height(); ++y)
        for (int x = 0; x < object.width(); ++x)
          if (qAlpha(object.pixel(x, y)) >= 128 &&
              art.hitMap.entryAt(art.objectRects[i].topLeft() + QPoint(x, y)) != i + 1)
            ++missed;
      EXPECT_EQ(missed, 0);
      // The highlight visibly differs from the page under it.
      const QImage under = art.picture.copy(h);
      EXPECT_NE(under.convertToFormat(QImage::Format_RGB32),
                art.highlights[i].convertToFormat(QImage::Format_RGB32));
    }
    EXPECT_GT(cells[0], 0);  // there is empty backdrop between objects
  }
  // The same page always gives the same pixels.
  const PageArt a = artist.draw(pageOf(6, 203), QColor(200, 200, 240));
  const PageArt b = artist.draw(pageOf(6, 203), QColor(200, 200, 240));
  EXPECT_EQ(a.picture, b.picture);
  EXPECT_EQ(a.highlights, b.highlights);
}

TEST(InterfaceArtist, DrawsEveryPictureAtItsSize) {
  EmojiPainter emoji;
  InterfaceArtist artist(&emoji);
  SourceChapter chapter;
  chapter.code = 4;
  chapter.colour = QColor(217, 232, 176);
  chapter.icon = QStringLiteral("🍎");
  chapter.name = {QStringLiteral("Food"), QStringLiteral("La nourriture"), QStringLiteral("Еда"),
                  QStringLiteral("La comida")};
  chapter.pages << pageOf(3);
  SourceDictionary d;
  d.chapters << chapter;
  EXPECT_EQ(artist.chapterPicture(chapter).size(), QSize(319, 513));
  EXPECT_EQ(artist.chapterPagesPicture(chapter).size(), QSize(319, 513));
  EXPECT_EQ(artist.splash(d).size(), QSize(400, 267));
  EXPECT_EQ(artist.background(true).size(), QSize(757, 529));
  EXPECT_NE(artist.background(true), artist.background(false));
  EXPECT_EQ(artist.logo().size(), QSize(451, 66));
  for (int n = 1; n <= 4; ++n) {
    const QImage frame = artist.languageFrame(n);
    EXPECT_EQ(frame.size(), QSize(92, 101));
    EXPECT_EQ(frame.colorCount(), 5);
  }
  EXPECT_NE(artist.languageFrame(2), artist.languageFrame(3));
}

TEST(EmojiPainter, ComposesPartsWhereTheSourcePlacesThem) {
  ASSERT_TRUE(EmojiPainter::fontAvailable());
  EmojiPainter emoji;
  // A blue square as the base and a red square half its size centred on its bottom-right
  // corner: the picture grows by a quarter, blue at the top left, red at the bottom right.
  const QImage base = emoji.sprite(QStringLiteral("🟦"));
  const QImage composed = emoji.sprite(QStringLiteral("🟦 + 🟥@1,1,0.5"));
  ASSERT_FALSE(base.isNull());
  ASSERT_FALSE(composed.isNull());
  const int side = std::max(base.width(), base.height());
  EXPECT_NEAR(composed.width(), side * 1.25, 3);
  EXPECT_NEAR(composed.height(), side * 1.25, 3);
  auto isBlue = [](QRgb c) { return qBlue(c) > 150 && qRed(c) < 120; };
  auto isRed = [](QRgb c) { return qRed(c) > 150 && qBlue(c) < 120; };
  const int w = composed.width(), h = composed.height();
  EXPECT_TRUE(isBlue(composed.pixel(w / 5, h / 5)));
  EXPECT_TRUE(isRed(composed.pixel(w * 9 / 10, h * 9 / 10)));
  EXPECT_EQ(qAlpha(composed.pixel(w - 3, 3)), 0);  // nothing drawn beside the base's corner
  // A part without a place stands at the bottom right, smaller than the base.
  const QImage placed = emoji.sprite(QStringLiteral("🟦 + 🟥"));
  EXPECT_NEAR(placed.width(), side, 3);
  EXPECT_TRUE(isRed(placed.pixel(placed.width() * 3 / 4, placed.height() * 3 / 4)));
  EXPECT_TRUE(isBlue(placed.pixel(placed.width() / 4, placed.height() * 3 / 4)));
  // `!` mirrors: a hand pointing right drawn mirrored points left.
  const QImage right = emoji.sprite(QStringLiteral("👉"));
  const QImage left = emoji.sprite(QStringLiteral("👉!"));
  ASSERT_EQ(left.size(), right.size());
  EXPECT_EQ(left, right.mirrored(true, false));
  // A part that draws nothing makes the whole picture draw nothing (the build reports it).
  EXPECT_TRUE(emoji.sprite(QStringLiteral("🟦 + \u0378")).isNull());

  // On a page, the hit map covers the whole composition: the part beyond the base too.
  SourcePage page = pageOf(6);
  page.entries[2].emoji = QStringLiteral("🟦 + 🟥@1,1,0.5");
  PageArtist artist(&emoji);
  const PageArt art = artist.draw(page, QColor(217, 232, 176));
  const QRect o = art.objectRects[2];
  EXPECT_NEAR(double(o.width()) / o.height(), 1.0, 0.05);
  EXPECT_EQ(art.hitMap.entryAt(o.topLeft() + QPoint(o.width() / 5, o.height() / 5)), 3);
  EXPECT_EQ(art.hitMap.entryAt(o.topLeft() + QPoint(o.width() * 9 / 10, o.height() * 9 / 10)), 3);
  EXPECT_NE(art.hitMap.entryAt(o.topLeft() + QPoint(o.width() - 3, 3)), 3);
}
