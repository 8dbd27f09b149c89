// The font maker and the Western and Cyrillic font sets over the program's windows.
#include "lang/font_sets.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include "controls/hint_windows.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_zakladka.h"
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

struct FontSetFixture : ::testing::Test {
  QWidget form1, settings, other;
  QLabel *caption = nullptr, *label = nullptr, *chapterName = nullptr, *settingsLabel = nullptr;
  QCheckBox* check = nullptr;
  QLineEdit* edit = nullptr;
  TRadioGroup* radio = nullptr;
  TOrvikBtn98* button = nullptr;
  TOrvikChapterList* chapters = nullptr;
  TOrvikZakladka* strip = nullptr;
  QLabel* otherLabel = nullptr;

  void SetUp() override {
    form1.setObjectName("Form1");
    settings.setObjectName("frmNumbLang");
    other.setObjectName("frmSomethingElse");
    caption = new QLabel(&form1);
    caption->setObjectName("lblMainCap");
    label = new QLabel(&form1);
    label->setObjectName("lblPageName");
    chapterName = new QLabel(&form1);
    chapterName->setObjectName("lblChapterName");
    check = new QCheckBox(&form1);
    edit = new QLineEdit(&form1);
    button = new TOrvikBtn98(&form1);
    chapters = new TOrvikChapterList(&form1);
    chapters->setObjectName("ListBoxChapter");
    strip = new TOrvikZakladka(&form1);
    strip->setObjectName("Zakladki");
    radio = new TRadioGroup(&settings);
    settingsLabel = new QLabel(&settings);
    otherLabel = new QLabel(&other);
  }
};

TEST_F(FontSetFixture, CyrillicSetReachesTheListedControls) {
  const QFont editFont = edit->font();
  applyFontSet(kCyrillicCharset);
  EXPECT_EQ(fontSpecOf(check), timesBoldSpec(16, 204));
  EXPECT_EQ(fontSpecOf(radio), timesBoldSpec(16, 204));
  EXPECT_EQ(fontSpecOf(button), timesBoldSpec(16, 204));
  EXPECT_EQ(fontSpecOf(settingsLabel), timesBoldSpec(16, 204));
  EXPECT_EQ(fontSpecOf(label), timesBoldSpec(18, 204));
  EXPECT_EQ(fontSpecOf(chapterName), timesBoldSpec(22, 204));
  EXPECT_EQ(fontSpecOf(chapters), timesBoldSpec(18, 204));
  EXPECT_EQ(fontSpecOf(strip->hintWindow()), arialSpec(14, 204));
  EXPECT_EQ(fontSpecOf(button->hintWindow()), arialSpec(14, 204));
  // Left alone: the main caption, edits, windows not in the list.
  EXPECT_EQ(fontSpecOf(caption).cellHeight, 0);
  EXPECT_EQ(fontSpecOf(edit).cellHeight, 0);
  EXPECT_EQ(edit->font(), editFont);
  EXPECT_EQ(fontSpecOf(otherLabel).cellHeight, 0);
  // The font itself follows the description.
  EXPECT_EQ(check->font(), makeFont(timesBoldSpec(16, 204)));
}

TEST_F(FontSetFixture, SwitchingBackToWesternChangesTheCharacterSet) {
  applyFontSet(kCyrillicCharset);
  applyFontSet(charsetOfLanguageNumber(2));
  EXPECT_EQ(fontSpecOf(check).charset, 162);
  EXPECT_EQ(fontSpecOf(strip->hintWindow()).charset, 162);
  EXPECT_EQ(charsetOfLanguageNumber(3), 204);
  EXPECT_EQ(charsetOfLanguageNumber(4), 162);
  EXPECT_EQ(charsetOfLanguageNumber(0), 0);
}

TEST_F(FontSetFixture, MainWindowOnlyAtStart) {
  applyMainWindowFontSet(&form1, kWesternCharset);
  EXPECT_EQ(fontSpecOf(check), timesBoldSpec(16, 162));
  EXPECT_EQ(fontSpecOf(chapterName), timesBoldSpec(22, 162));
  EXPECT_EQ(fontSpecOf(settingsLabel).cellHeight, 0);
  EXPECT_EQ(findWindow("FORM1"), &form1);
  EXPECT_EQ(findWindow("frmMissing"), nullptr);
}

}  // namespace
