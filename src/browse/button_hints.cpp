#include "browse/button_hints.h"

namespace orvik {
namespace {

struct ButtonHint {
  HintedButton button;
  const char* text[4];  // by language number: English, French, Russian, Spanish
};

const ButtonHint kHints[] = {
    {HintedButton::SoundChapter,
     {"Pronounce Chapter Name", "Prononcer le nom du chapitre", "Произнести название главы",
      "Pronunciar el nombre del capítulo"}},
    {HintedButton::SoundPage,
     {"Pronounce Page Name", "Prononcer le nom de la page", "Произнести название страницы",
      "Pronunciar el nombre de la página"}},
    {HintedButton::SoundWord,
     {"Pronounce Word Entry", "Prononcer l'entrée du dictionnaire", "Произнести словарную статью",
      "Pronunciar entrada de diccionario"}},
    {HintedButton::List,
     {"Show Head Entries for Page", "Afficher la liste des entrées",
      "Показать список слов для страницы", "Mostrar lista de entradas de la página"}},
    {HintedButton::Print,
     {"Print Entries for Page", "Imprimer les entrées", "Печать словарных статей",
      "Imprimir entradas"}},
    {HintedButton::BackToPages,
     {"List of Pages", "Liste des pages", "Список страниц", "Indice de páginas"}},
    {HintedButton::BackToChapters,
     {"List of Chapters", "Liste des chapitres", "Список глав", "Indice de capítulos"}},
    {HintedButton::PageList,
     {"Browse Pages", "Affichage des pages", "Просмотр страниц по алфавиту",
      "Ver paginas por alfabeto"}},
    {HintedButton::Settings, {"Settings", "Options", "Настройки", "Opciones"}},
    {HintedButton::Find,
     {"Find in Selected Language", "Recherche en langue choisie", "Поиск на выбранном языке",
      "Buscar en idioma seleccionado"}},
    {HintedButton::Help,
     {"Learn more about Orvik Dictionary", "Plus d'informations sur le dictionnaire Orvik",
      "Узнайте больше о «Словаре Орвик»", "Conozca mejor el diccionario Orvik"}},
    {HintedButton::NextPage,
     {"NextPage", "Page suivante", "Следущая страница", "Página siguiente"}},
    {HintedButton::PrevPage,
     {"Previous Page", "Page précédente", "Предыдущая страница", "Página anterior"}},
    {HintedButton::PrintPicture,
     {"Print Picture", "Imprimer l'image", "Печать картинки", "Imprimir cuadros"}},
    {HintedButton::Regime,
     {"Activate Pointer Cursor", "Bloquer la souris", "Активировать курсор-указку",
      "Bloquear el ratón"}},
    {HintedButton::NextWord,
     {"Next Entry", "Entrée suivante", "Следующее слово", "Entrada siguiente"}},
    {HintedButton::PrevWord,
     {"Previous Entry", "Entrée précédente", "Предыдущее слово", "Entrada anterior"}},
    {HintedButton::AutoPlayPanel,
     {"Autoplay Control Panel", "Control de la lecture automatique", "Панель Автопроигрывания",
      "Control del autoplay"}},
    {HintedButton::Exit,
     {"Close Application", "Fermer l'application", "Закончить приложение", "Salir del programa"}},
    // The window buttons of the title strip, named as the desktops of each language name them.
    {HintedButton::Minimize, {"Minimize", "Réduire", "Свернуть", "Minimizar"}},
    {HintedButton::Maximize, {"Maximize", "Agrandir", "Развернуть", "Maximizar"}},
    {HintedButton::Restore, {"Restore", "Restaurer", "Восстановить", "Restaurar"}},
    {HintedButton::Close, {"Close", "Fermer", "Закрыть", "Cerrar"}},
};

}  // namespace

QString buttonHint(HintedButton button, Language interfaceLanguage) {
  for (const ButtonHint& hint : kHints)
    if (hint.button == button) return QString::fromUtf8(hint.text[interfaceLanguage.number() - 1]);
  return {};
}

}  // namespace orvik
