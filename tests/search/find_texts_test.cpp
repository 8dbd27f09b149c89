// The result count texts in the four interface languages and the Russian number forms, and the
// search-base message lines.
#include "search/find_texts.h"

#include <gtest/gtest.h>

namespace {

QString u(const char* text) {
  return QString::fromUtf8(text);
}

TEST(FindTexts, OneMatchOnOnePageInEveryInterfaceLanguage) {
  EXPECT_EQ(findtexts::resultText(1, 1, 1), u("Search Results:  1 match found in 1 page"));
  EXPECT_EQ(findtexts::resultText(2, 1, 1),
            u("Résultat de recherche:  1 référence trouvée en 1 page"));
  EXPECT_EQ(findtexts::resultText(4, 1, 1),
            u("Resultado de busca:  1 elemento encontrado en 1 página"));
  EXPECT_EQ(findtexts::resultText(3, 1, 1),
            u("Результаты поиска:  1 ссылка найдена на 1 странице"));
  EXPECT_EQ(findtexts::resultText(1, 12, 2), u("Search Results:  12 matches found in 2 pages"));
  EXPECT_EQ(findtexts::resultText(2, 3, 2),
            u("Résultat de recherche:  3 références trouvées en 2 pages"));
  EXPECT_EQ(findtexts::resultText(4, 3, 2),
            u("Resultado de busca:  3 elementos encontrados en 2 páginas"));
  EXPECT_EQ(findtexts::resultText(3, 12, 2),
            u("Результаты поиска:  12 ссылок найдено на 2 страницах"));
  EXPECT_EQ(findtexts::resultText(3, 21, 11),
            u("Результаты поиска:  21 ссылка найдена на 11 странице"));
  EXPECT_TRUE(findtexts::resultText(7, 1, 1).isEmpty());
}

TEST(FindTexts, RussianCountWordFollowsTheLastTwoDigitsAtAnyLength) {
  const QString one = u("ссылка найдена"), few = u("ссылки найдены"), many = u("ссылок найдено");
  const std::pair<int, QString> cases[] = {
      {1, one},    {2, few},    {3, few},     {4, few},    {5, many},    {9, many},
      {10, many},  {11, many},  {12, many},   {14, many},  {21, one},    {22, few},
      {25, many},  {111, many}, {112, many},  {121, one},  {122, few},   {1000, many},
      {1001, one}, {1002, few}, {1011, many}, {1021, one}, {2114, many}, {10001, one}};
  for (const auto& [n, word] : cases) EXPECT_EQ(findtexts::russianMatchWord(n), word) << n;
  const QString at = u("странице"), atMany = u("страницах");
  for (int p : {1, 11, 21, 101}) EXPECT_EQ(findtexts::russianPageWord(p), at) << p;
  for (int p : {2, 5, 12, 100}) EXPECT_EQ(findtexts::russianPageWord(p), atMany) << p;
}

TEST(FindTexts, SearchBaseMessageByInterfaceAndTable) {
  auto m = findtexts::searchBaseMessage(1, 2);
  EXPECT_EQ(m.line1, u("Creating Orvik Dictionary"));
  EXPECT_EQ(m.line2, u(" French Search Database..."));
  EXPECT_EQ(m.left1, 48);
  EXPECT_EQ(m.left2, 54);
  m = findtexts::searchBaseMessage(3, 3);
  EXPECT_EQ(m.line1, u("Создание русской поисковой"));
  EXPECT_EQ(m.left1, 40);
  EXPECT_EQ(m.line2, u("базы словаря Орвик..."));
  m = findtexts::searchBaseMessage(2, 4);
  EXPECT_EQ(m.line1, u("Création base de recherche espagnol"));
  EXPECT_EQ(m.left2, 62);
  m = findtexts::searchBaseMessage(4, 1);
  EXPECT_EQ(m.line2, u("Orvik en inglés..."));
  EXPECT_TRUE(findtexts::searchBaseMessage(0, 1).line1.isEmpty());
}

}  // namespace
