// The language-name and caption tables, the numbering conversions and the operations that
// fill, relabel, recognise and select language lines.
#include "lang/language_captions.h"

#include <gtest/gtest.h>

#include "controls/orvik_chapter_list.h"
#include "controls/radio_group.h"

namespace {

using namespace orvik;

TEST(LanguageTables, CellsAreExactSpacesIncluded) {
  EXPECT_EQ(languageNameTable()[2][2], QString::fromUtf8("Русский"));
  EXPECT_EQ(languageNameTable()[3][3], QString::fromUtf8("Español"));
  EXPECT_EQ(shiftCaptionTable()[0][0], "  English          Shift+E");
  EXPECT_EQ(shiftCaptionTable()[2][2], QString::fromUtf8("русском            Shift+R"));
  EXPECT_EQ(ctrlCaptionTable()[2][0], "Russian    Ctrl+R");
  EXPECT_EQ(ctrlCaptionTable()[1][2], QString::fromUtf8("Французский  Ctrl+F"));
  EXPECT_EQ(altCaptionTable()[3][1], "Espagnol     Alt+S");
  EXPECT_EQ(altCaptionTable()[0][3], QString::fromUtf8("Inglés         Alt+E"));
  // Every cell of a table is distinct, so a line names one language only.
  for (const CaptionTable* t :
       {&languageNameTable(), &shiftCaptionTable(), &ctrlCaptionTable(), &altCaptionTable()})
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) EXPECT_EQ(LanguageOfItem((*t)[r][c], *t), r + 1);
}

TEST(LanguageTables, NumberingsConvertByTable) {
  EXPECT_EQ(languageNumberOfIndex(0), 1);
  EXPECT_EQ(languageNumberOfIndex(1), 3);
  EXPECT_EQ(languageNumberOfIndex(2), 2);
  EXPECT_EQ(languageNumberOfIndex(3), 4);
  EXPECT_EQ(languageNumberOfIndex(4), -1);
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(languageNumberOfIndex(translationIndexOfNumber(n)), n);
    EXPECT_EQ(numberOfSlot(slotOfNumber(n)), n);
  }
  EXPECT_EQ(slotOfNumber(3), 5);
  EXPECT_EQ(slotOfNumber(4), 6);
  EXPECT_EQ(numberOfSlot(2), -1);
  EXPECT_EQ(translationIndexOfNumber(0), -1);
}

TEST(LanguageItems, FillTakesEnglishCellsOfFilledSlots) {
  TRadioGroup group;
  group.setItems({"old"});
  fillLanguageItems(&group, {-1, 0, 5, 6}, languageNameTable());
  EXPECT_EQ(group.Items(), (QStringList{"English", "Russian", "Spanish"}));
  TOrvikChapterList say;
  fillLanguageItems(&say, {0, 1, -1, -1}, shiftCaptionTable());
  EXPECT_EQ(say.Lines(), (QStringList{"  English          Shift+E", "  French           Shift+F"}));
}

TEST(LanguageItems, RelabelOnlyKnownLinesWithinN) {
  QStringList lines{"Russe", "something else", QString::fromUtf8("Español"), "French"};
  RelabelLanguageItems(lines, 3, languageNameTable(), 1);
  EXPECT_EQ(lines, (QStringList{"Russian", "something else", "Spanish", "French"}));
  RelabelLanguageItems(lines, 4, languageNameTable(), 3);
  EXPECT_EQ(lines[0], QString::fromUtf8("Русский"));
  EXPECT_EQ(lines[3], QString::fromUtf8("Французский"));
  RelabelLanguageItems(lines, 4, languageNameTable(), 5);  // no such column
  EXPECT_EQ(lines[0], QString::fromUtf8("Русский"));

  TOrvikChapterList chooser;
  chooser.setLines({"English     Ctrl+E", "Spanish    Ctrl+S"});
  RelabelLanguageItems(&chooser, 2, ctrlCaptionTable(), 2);
  EXPECT_EQ(chooser.Lines(), (QStringList{"Anglais       Ctrl+E", "Espagnol     Ctrl+S"}));
}

TEST(LanguageItems, LanguageOfItemRecognisesWholeCellsOnly) {
  EXPECT_EQ(LanguageOfItem(QString::fromUtf8("Español"), languageNameTable()), 4);
  EXPECT_EQ(LanguageOfItem("Ruso           Ctrl+R", ctrlCaptionTable()), 3);
  EXPECT_EQ(LanguageOfItem("", languageNameTable()), -1);
  EXPECT_EQ(LanguageOfItem("Ruso", ctrlCaptionTable()), -1);
  EXPECT_EQ(LanguageOfItem("  English          Shift+E ", shiftCaptionTable()), -1);
  TRadioGroup group;
  group.setItems({"Anglais", "Russe"});
  EXPECT_EQ(LanguageOfItem(&group, 1, languageNameTable()), 3);
  EXPECT_EQ(LanguageOfItem(&group, 2, languageNameTable()), -1);
}

TEST(LanguageItems, SelectLanguageItemByAnyCellOfItsRow) {
  TRadioGroup group;
  group.setItems({"English", QString::fromUtf8("Французский"), "Spanish"});
  group.setItemIndex(0);
  EXPECT_EQ(SelectLanguageItem(&group, 3, 2), 1);
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_EQ(SelectLanguageItem(&group, 2, 4), -1);  // Spanish lies beyond the first two
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_EQ(SelectLanguageItem(&group, 3, 3), -1);  // Russian is not offered
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_EQ(SelectLanguageItem(&group, 3, 4), 2);
}

}  // namespace

#include "controls/orvik_panel.h"

namespace {

TEST(SayInList, FilledSizedAndUnderlinedBySoundLanguages) {
  QWidget window;
  auto* panel = new TOrvikPanel(&window);
  panel->resize(150, 30);
  auto* list = new TOrvikChapterList(panel);
  list->resize(140, 20);
  orvik::setUpSayInList(panel, list, {0, -1, 5, -1});
  EXPECT_EQ(list->Lines(),
            (QStringList{"  English          Shift+E", "  Russian         Shift+R"}));
  EXPECT_EQ(panel->height(), 60);
  EXPECT_EQ(list->height(), 58);
  const QImage picture = panel->Picture().toImage();
  ASSERT_GE(picture.height(), 60);
  const QColor line(140, 125, 67);
  EXPECT_EQ(QColor(picture.pixel(1, 58)), line);
  EXPECT_NE(QColor(picture.pixel(0, 58)), line);
  EXPECT_EQ(QColor(picture.pixel(0, 59)), line);
  EXPECT_EQ(QColor(picture.pixel(148, 59)), line);
  EXPECT_NE(QColor(picture.pixel(5, 57)), line);
  orvik::setUpSayInList(panel, list, {0, 1, 5, 6});
  EXPECT_EQ(panel->height(), 100);
  EXPECT_EQ(list->height(), 100);
}

}  // namespace
