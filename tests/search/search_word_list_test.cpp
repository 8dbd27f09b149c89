// Which item typing selects: the exact item stays, the longest matching prefix wins with letter
// case ignored and item 0 reached last, and accents count only when nothing else matches.
#include "search/search_word_list.h"

#include <gtest/gtest.h>

namespace {

QString u(const char* text) {
  return QString::fromUtf8(text);
}

TEST(SearchWordList, LongestPrefixIgnoringCaseSearchingAfterItemZero) {
  SearchWordList list;
  list.setItems({"apple", "apricot", "Apple pie", "banana", "band"});
  EXPECT_EQ(list.match("a", -1), 1);      // item 0 is reached last
  EXPECT_EQ(list.match("APPLE", -1), 2);  // "Apple pie" comes before item 0
  EXPECT_EQ(list.match("apr", -1), 1);
  EXPECT_EQ(list.match("aprxyz", -1), 1);   // letters no item continues keep the prefix
  EXPECT_EQ(list.match("bandana", -1), 4);  // "band" is the longest matching prefix
  EXPECT_EQ(list.match("zebra", 3), 3);     // nothing new
  EXPECT_EQ(list.match("  banana  ", -1), 3);
  EXPECT_EQ(list.match("apple", 0), 0);  // the selected item equals the text: it stays
  EXPECT_EQ(list.match("", 4), 4);
  SearchWordList empty;
  EXPECT_EQ(empty.match("a", -1), -1);
}

TEST(SearchWordList, AccentsCountOnlyWhenNothingBeginsWithTheWholeText) {
  SearchWordList list;
  list.setItems({u("cabane"), u("café"), u("cafetière"), u("niño"), u("nina"), u("ёлка"), u("ель"),
                 u("Ñandú")});
  EXPECT_EQ(list.match("cafe", -1), 2);  // "cafetière" begins with it: no folding
  EXPECT_EQ(list.match(u("café"), -1), 1);
  EXPECT_EQ(list.match("cafes", -1), 2);  // longest prefix "cafe"
  EXPECT_EQ(list.match("nino", -1), 3);   // "nin" prefix, then the tilde set aside
  EXPECT_EQ(list.match("nina", -1), 4);   // the plain word itself
  EXPECT_EQ(list.match(u("елка"), -1), 5);
  EXPECT_EQ(list.match(u("ЕЛКА"), -1), 5);
  EXPECT_EQ(list.match("nandu", -1), 7);
  EXPECT_EQ(SearchWordList::fold(u("Ёлка Niño Crème")), u("елка nino creme"));
}

}  // namespace
