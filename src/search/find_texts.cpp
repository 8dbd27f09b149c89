#include "search/find_texts.h"

#include "schema/language.h"

namespace findtexts {

namespace {

bool valid(int number) {
  return number >= 1 && number <= 4;
}

// Rows by dictionary language, columns by interface language number (English, French, Russian,
// Spanish).
const char* const kTitles[4][4] = {
    {"Search for a Word in English", "Recherche d'un mot en anglais", "Поиск слова по-английски",
     "Busca de palabra en inglés"},
    {"Search for a Word in French", "Recherche d'un mot en français", "Поиск слова по-французски",
     "Busca de palabra en francés"},
    {"Search For a Word in Russian", "Recherche d'un mot en russe", "Поиск слова по-русски",
     "Busca de palabra en ruso"},
    {"Search for a word in Spanish", "Recherche d'un mot en espagnol", "Поиск слова по-испански",
     "Busca de palabra en español"},
};

const char* const kHeadings[4][3] = {
    {"Word Entry", "Page", "Chapter"},
    {"Mot", "Page", "Chapitre"},
    {"Слово", "Страница", "Глава"},
    {"Entrada", "Página", "Capítulo"},
};

QString utf8(const char* text) {
  return QString::fromUtf8(text);
}

}  // namespace

QString title(int language, int interface) {
  if (!valid(language) || !valid(interface)) return {};
  return utf8(kTitles[language - 1][interface - 1]);
}

QStringList headings(int language) {
  if (!valid(language)) return {QString(), QString(), QString()};
  const auto& h = kHeadings[language - 1];
  return {utf8(h[0]), utf8(h[1]), utf8(h[2])};
}

QString resultCaption(int interface) {
  switch (interface) {
    case 1:
      return QStringLiteral("Search Results:");
    case 2:
      return utf8("Résultat de recherche:");
    case 3:
      return utf8("Результаты поиска:");
    case 4:
      return QStringLiteral("Resultado de busca:");
    default:
      return {};
  }
}

QString russianMatchWord(int matches) {
  const int lastTwo = matches % 100;
  const int last = matches % 10;
  if ((lastTwo >= 10 && lastTwo <= 19) || last == 0 || last >= 5) return utf8("ссылок найдено");
  if (last == 1) return utf8("ссылка найдена");
  return utf8("ссылки найдены");
}

QString russianPageWord(int pages) {
  return pages % 10 == 1 ? utf8("странице") : utf8("страницах");
}

QString resultText(int interface, int matches, int pages) {
  const QString n = QString::number(matches);
  const QString p = QString::number(pages);
  switch (interface) {
    case 1:
      return QStringLiteral("Search Results:  %1 %2 found in %3 %4")
          .arg(n, matches == 1 ? QStringLiteral("match") : QStringLiteral("matches"), p,
               pages == 1 ? QStringLiteral("page") : QStringLiteral("pages"));
    case 2:
      return utf8("Résultat de recherche:  %1 %2%3 %4")
          .arg(n, matches == 1 ? utf8("référence trouvée en ") : utf8("références trouvées en "), p,
               pages == 1 ? QStringLiteral("page") : QStringLiteral("pages"));
    case 3:
      return utf8("Результаты поиска:  %1 %2 на %3 %4")
          .arg(n, russianMatchWord(matches), p, russianPageWord(pages));
    case 4:
      return QStringLiteral("Resultado de busca:  %1 %2%3 %4")
          .arg(n,
               matches == 1 ? QStringLiteral("elemento encontrado en ")
                            : QStringLiteral("elementos encontrados en "),
               p, pages == 1 ? utf8("página") : utf8("páginas"));
    default:
      return {};
  }
}

MessageLines searchBaseMessage(int interface, int language) {
  if (!valid(interface) || !valid(language)) return {};
  const int l = language - 1;
  switch (interface) {
    case 1: {
      static const char* const second[4] = {
          "English Search Database...", " French Search Database...", "Russian Search Database...",
          "Spanish Search Database..."};
      return {QStringLiteral("Creating Orvik Dictionary"), 48, utf8(second[l]), 54};
    }
    case 2: {
      static const char* const first[4] = {
          "Création base de recherche anglais", "Création base de recherche français",
          "Création base de recherche russe", "Création base de recherche espagnol"};
      static const int left[4] = {26, 13, 26, 26};
      return {utf8(first[l]), left[l], QStringLiteral("pour dictionnaire Orvik..."),
              orvik::writtenInCyrillic(l) ? 62 : 54};
    }
    case 3: {
      static const char* const first[4] = {
          "Создание английской поисковой", "Создание французской поисковой",
          "Создание русской поисковой", "Создание испанской поисковой"};
      static const int left[4] = {27, 25, 40, 27};
      return {utf8(first[l]), left[l], utf8("базы словаря Орвик..."), 65};
    }
    default: {
      static const char* const second[4] = {"Orvik en inglés...", "Orvik en francés...",
                                            "Orvik en ruso...", "Orvik en español..."};
      return {QStringLiteral("Creando base de busca del diccionario"), 13, utf8(second[l]), 78};
    }
  }
}

QStringList editMenuLines(int interface) {
  switch (interface) {
    case 2:
      return {"Annuler", "Couper", "Copier", "Coller", "Supprimer", utf8("Tout sélectionner")};
    case 3:
      return {utf8("Отменить"), utf8("Вырезать"), utf8("Копировать"),
              utf8("Вставить"), utf8("Удалить"),  utf8("Выделить всё")};
    case 4:
      return {"Deshacer", "Cortar", "Copiar", "Pegar", "Eliminar", "Seleccionar todo"};
    default:
      return {"Undo", "Cut", "Copy", "Paste", "Delete", "Select All"};
  }
}

QString systemMenuLine() {
  return QStringLiteral("     Close             Alt+F4");
}

}  // namespace findtexts
