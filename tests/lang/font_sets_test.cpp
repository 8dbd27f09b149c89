// The font maker and the window pass of the Western and Cyrillic font sets.
#include "lang/font_sets.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include "controls/orvik_btn98.h"
#include "controls/radio_group.h"

namespace {

using namespace orvik;

TEST(FontMaker, CellHeightIsAscentPlusDescent) {
  for (int cell : {14, 16, 18, 22}) {
    for (const FontSpec& desc : {arialSpec(cell, 162), timesBoldSpec(cell, 204)}) {
      const QFont f = makeFont(desc);
      const QFontMetrics m(f);
      EXPECT_NEAR(m.ascent() + m.descent(), cell, 1) << desc.face.toStdString() << cell;
      EXPECT_LT(f.pixelSize(), cell);  // the character height is smaller than the cell
    }
  }
  EXPECT_TRUE(makeFont(timesBoldSpec(16, 162)).bold());
  EXPECT_TRUE(makeFont(arialItalicSpec(16, 162)).italic());
  EXPECT_EQ(QFontInfo(makeFont(arialSpec(14, 162))).family(), "Liberation Sans");
  EXPECT_EQ(QFontInfo(makeFont(timesBoldSpec(16, 162))).family(), "Liberation Serif");
  const FontSpec general = generalFontSpec("Arial", 10, 700, false, 204);
  EXPECT_EQ(general.cellHeight, 16);
  EXPECT_EQ(general.pitchAndFamily, 34);
  EXPECT_EQ(timesBoldSpec(16, 162).pitchAndFamily, 18);
}

// The window pass gives a window's text controls Times bold 16 of the character set, passes over
// the one control the window keeps out of it and every other kind of control; a later pass in
// another character set replaces the fonts.
TEST(WindowPass, ReachesTheTextControlsButTheOneLeftOut) {
  QWidget window;
  auto* caption = new QLabel(&window);
  auto* label = new QLabel(&window);
  auto* check = new QCheckBox(&window);
  auto* radio = new TRadioGroup(&window);
  auto* button = new TOrvikBtn98(&window);
  auto* edit = new QLineEdit(&window);
  const QFont editFont = edit->font();
  applyWindowPass(&window, kCyrillicCharset, caption);
  for (QWidget* control : std::initializer_list<QWidget*>{label, check, radio, button})
    EXPECT_EQ(fontSpecOf(control), timesBoldSpec(16, 204));
  EXPECT_EQ(check->font(), makeFont(timesBoldSpec(16, 204)));
  EXPECT_EQ(fontSpecOf(caption).cellHeight, 0);
  EXPECT_EQ(fontSpecOf(edit).cellHeight, 0);
  EXPECT_EQ(edit->font(), editFont);

  applyWindowPass(&window, charsetOfLanguageNumber(2));
  EXPECT_EQ(fontSpecOf(check).charset, 162);
  EXPECT_EQ(fontSpecOf(caption), timesBoldSpec(16, 162));
  EXPECT_EQ(charsetOfLanguageNumber(3), 204);
  EXPECT_EQ(charsetOfLanguageNumber(4), 162);
  EXPECT_EQ(charsetOfLanguageNumber(0), 0);
}

}  // namespace
