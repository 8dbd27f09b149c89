#include "browse/button_hints.h"

#include "controls/orvik_btn98.h"

namespace orvik {
namespace {

const ButtonHint kHints[] = {
    {"btnSoundChapter",
     false,
     {"Pronounce Chapter Name", "Prononcer le nom du chapitre", "Произнести название главы",
      "Pronunciar el nombre del capítulo"}},
    {"btnSoundPage",
     false,
     {"Pronounce Page Name", "Prononcer le nom de la page", "Произнести название страницы",
      "Pronunciar el nombre de la página"}},
    {"btnSoundWrd",
     true,
     {"Pronounce Word Entry", "Prononcer l'entrée du dictionnaire", "Произнести словарную статью",
      "Pronunciar entrada de diccionario"}},
    {"btnList",
     true,
     {"Show Head Entries for Page", "Afficher la liste des entrées",
      "Показать список слов для страницы", "Mostrar lista de entradas de la página"}},
    {"btnPrint",
     true,
     {"Print Entries for Page", "Imprimer les entrées", "Печать словарных статей",
      "Imprimir entradas"}},
    {"btnBackToPages",
     false,
     {"List of Pages", "Liste des pages", "Список страниц", "Indice de páginas"}},
    {"btnBackToChapters",
     false,
     {"List of Chapters", "Liste des chapitres", "Список глав", "Indice de capítulos"}},
    {"btnPageList",
     false,
     {"Browse Pages", "Affichage des pages", "Просмотр страниц по алфавиту",
      "Ver paginas por alfabeto"}},
    {"btnNumberLang", false, {"Settings", "Options", "Настройки", "Opciones"}},
    {"btnFind",
     false,
     {"Find in Selected Language", "Recherche en langue choisie", "Поиск на выбранном языке",
      "Buscar en idioma seleccionado"}},
    {"btnHelp",
     false,
     {"Learn more about Orvik Dictionary", "Plus d'informations sur le dictionnaire Orvik",
      "Узнайте больше о «Словаре Орвик»", "Conozca mejor el diccionario Orvik"}},
    {"btnNextPage", false, {"NextPage", "Page suivante", "Следущая страница", "Página siguiente"}},
    {"btnPrevPage",
     false,
     {"Previous Page", "Page précédente", "Предыдущая страница", "Página anterior"}},
    {"btnPrintPct",
     false,
     {"Print Picture", "Imprimer l'image", "Печать картинки", "Imprimir cuadros"}},
    {"btnRegime",
     false,
     {"Activate Pointer Cursor", "Bloquer la souris", "Активировать курсор-указку",
      "Bloquear el ratón"}},
    {"btnNextWord",
     false,
     {"Next Entry", "Entrée suivante", "Следующее слово", "Entrada siguiente"}},
    {"btnPrevWord",
     false,
     {"Previous Entry", "Entrée précédente", "Предыдущее слово", "Entrada anterior"}},
    {"btnAutoPlayPanel",
     false,
     {"Autoplay Control Panel", "Control de la lecture automatique", "Панель Автопроигрывания",
      "Control del autoplay"}},
    {"btnExitNew",
     false,
     {"Close Application", "Fermer l'application", "Закончить приложение", "Salir del programa"}},
    // The window buttons of the title strip, named as the desktops of each language name them.
    {"btnMinimize", false, {"Minimize", "Réduire", "Свернуть", "Minimizar"}},
    {"btnMaximize", false, {"Maximize", "Agrandir", "Развернуть", "Maximizar"}},
    {"btnRestore", false, {"Restore", "Restaurer", "Восстановить", "Restaurar"}},
    {"btnClose", false, {"Close", "Fermer", "Закрыть", "Cerrar"}},
};

}  // namespace

const ButtonHint* buttonHints(int* count) {
  *count = int(std::size(kHints));
  return kHints;
}

void applyButtonHints(QWidget* window, int languageNumber) {
  if (!window || languageNumber < 1 || languageNumber > 4) return;
  static const char* const kCodes[4] = {"En", "Fr", "Ru", "Sp"};
  for (const ButtonHint& hint : kHints) {
    const QString text = QString::fromUtf8(hint.text[languageNumber - 1]);
    const QString name = QString::fromLatin1(hint.name);
    if (!hint.perLanguage) {
      if (auto* b = window->findChild<TOrvikBtn98*>(name)) b->setHintName(text);
      continue;
    }
    for (const char* code : kCodes)
      if (auto* b = window->findChild<TOrvikBtn98*>(name + QLatin1String(code)))
        b->setHintName(text);
  }
}

}  // namespace orvik
