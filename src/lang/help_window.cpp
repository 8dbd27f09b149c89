#include "lang/help_window.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>

#include "controls/dialog_frame.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/skin.h"
#include "lang/font_sets.h"
#include "lang/multi_lang.h"
#include "platform/rich_text_pane.h"

namespace {

constexpr int kPaneLeft = 16;
constexpr int kPaneTop = 34;
constexpr int kPaneWidth = 510;
constexpr int kPaneHeight = 396;
constexpr int kBarWidth = 12;
constexpr int kButtonTop = 440;

// The window's texts by translation index (English, Russian, French, Spanish): its heading and
// the help itself, in which %1 stands for the settings file of this run. The key names stay
// Latin in every language: they are the keys' own letters.
struct HelpTexts {
  const char* heading;
  const char* close;  // the close button's hint, which also names it to screen readers
  const char* body;
};

constexpr HelpTexts kTexts[4] = {
    {"Orvik Dictionary Help", "Close",
     R"(<h3>The three views</h3>
<p>The dictionary has fifteen chapters. Each chapter has pages, and each page is a large picture
whose objects are the entries of the dictionary.</p>
<ul>
<li><b>Chapters</b>: the list of chapter names and, beside it in the middle of the window, the
column of chapter tabs. Click a name or a tab to open that chapter.</li>
<li><b>Pages</b>: the pages of the open chapter, grouped under headings. Click a page to open
it.</li>
<li><b>Page</b>: the page picture and, beside it, the article of the current entry in each
language you chose to show.</li>
</ul>
<h3>Browsing</h3>
<p>Move the pointer over the picture: the object under it is highlighted and its articles
appear beside the picture. Click it to hear the word. Right-click the picture and choose a
language under &ldquo;Say in&rdquo; to hear the word in that language.</p>
<p>The small arrows under the picture go to the previous and the next entry; the large arrows
in the bottom corners turn the pages (hold them down to keep going). &ldquo;Activate Pointer
Cursor&rdquo; holds the highlight on the current entry while the pointer moves. &ldquo;List of
Pages&rdquo; and &ldquo;List of Chapters&rdquo; take you back.</p>
<p>Beside each article are buttons to pronounce the entry, to list the page's head words in
that language and to print the page's entries. Right-click an article to copy it, select it or
print it.</p>
<h3>Finding a word</h3>
<p>Click &ldquo;Find in Selected Language&rdquo;, choose the language and type the word. The list
shows every entry in which the word occurs, with its page and chapter; choose one to go there.
The word is then marked in the entry's article.</p>
<h3>Listing pages</h3>
<p>&ldquo;Browse Pages&rdquo; lists every page of the dictionary in alphabetical order, in the
language you choose, with a small picture of the selected page. Choose a page to open it.</p>
<h3>Auto-play</h3>
<p>On a page, &ldquo;Autoplay Control Panel&rdquo; opens the auto-play panel. Its Autoplay button
shows and pronounces the entries of the page one after another, up to the last one, with the
pause chosen in the settings; pause and stop it with the buttons beside. The other buttons play
the current entry, wind it back and forth, or go to the first or the last entry. While
auto-play runs, the main window's commands wait.</p>
<h3>Printing</h3>
<p>&ldquo;Print Picture&rdquo; prints the page picture. The print button beside an article prints
the page's entries in that language. Ctrl+P prints the entry whose article you clicked
last.</p>
<h3>Settings</h3>
<p>&ldquo;Settings&rdquo; chooses the languages shown side by side, the language of the program's
own texts, the language a click pronounces, the auto-play language and pause, the sound effects
and the size of the articles' text.</p>
<h3>Keys</h3>
<p class="key"><b>Shift+E, F, R, S</b> &ndash; pronounce the current entry in English, French, Russian
or Spanish (on a page, when that language has sounds)</p>
<p class="key"><b>Ctrl+E, F, R, S</b> &ndash; find a word in English, French, Russian or Spanish</p>
<p class="key"><b>Alt+E, F, R, S</b> &ndash; list all pages in English, French, Russian or
Spanish</p>
<p class="key"><b>Ctrl+P</b> &ndash; print the entry of the article that has the focus</p>
<p class="key"><b>Ctrl+C, Ctrl+A</b> &ndash; copy the selected text of that article; select all of
it</p>
<p class="key"><b>Up, Down, Page&nbsp;Up, Page&nbsp;Down</b> &ndash; scroll that article</p>
<p class="key"><b>Esc</b> &ndash; close the &ldquo;Say in&rdquo; list</p>
<p class="key"><b>Tab, Shift+Tab</b> &ndash; move the focus to the next or the previous button, list
or article</p>
<p class="key"><b>Space, Enter</b> &ndash; press the button that has the focus</p>
<p class="key"><b>Up, Down, Enter</b> &ndash; in the chapter list or the chapter tabs (reached with
Tab): choose a chapter; open it</p>
<p class="key"><b>Alt+F4</b> &ndash; quit, after you confirm (not during auto-play)</p>
<h3>Where your settings are kept</h3>
<p>The settings are kept in the file Settings.orv in the program's folder. When that folder
cannot be written, for example when the program is installed for every user of the computer,
the file is kept in your own configuration folder instead: ~/.config/orvik/ (or orvik/ in the
folder named by XDG_CONFIG_HOME, when that is set).</p>
<p>This copy of the program uses: <b>%1</b></p>)"},
    {"Справка «Словаря Орвик»", "Закрыть",
     R"(<h3>Три вида окна</h3>
<p>Словарь состоит из пятнадцати глав. В каждой главе есть страницы, и каждая страница —
это большая картинка, предметы на которой и есть словарные статьи.</p>
<ul>
<li><b>Главы</b>: список названий глав и рядом с ним, посередине окна, столбец закладок глав.
Щёлкните название или закладку, чтобы открыть главу.</li>
<li><b>Страницы</b>: страницы открытой главы, сгруппированные по разделам. Щёлкните страницу,
чтобы открыть её.</li>
<li><b>Страница</b>: картинка страницы, а рядом с ней — статья текущего слова на каждом из
выбранных вами языков.</li>
</ul>
<h3>Просмотр</h3>
<p>Ведите указатель по картинке: предмет под ним выделяется, а рядом с картинкой появляются
его статьи. Щёлкните предмет, чтобы услышать слово. Щёлкните картинку правой кнопкой и
выберите язык в списке «Произнести на», чтобы услышать слово на этом языке.</p>
<p>Маленькие стрелки под картинкой ведут к предыдущему и следующему слову, большие стрелки в
нижних углах перелистывают страницы (если их удерживать, листание продолжается). Кнопка
«Активировать курсор-указку» закрепляет выделение на текущем слове, пока указатель движется.
Кнопки «Список страниц» и «Список глав» возвращают назад.</p>
<p>Рядом с каждой статьёй есть кнопки: произнести слово, показать список слов страницы на
этом языке и напечатать статьи страницы. Щёлкните статью правой кнопкой, чтобы скопировать,
выделить или напечатать её.</p>
<h3>Поиск слова</h3>
<p>Нажмите «Поиск на выбранном языке», выберите язык и введите слово. В списке появятся все
статьи, где встречается это слово, с названиями страницы и главы; выберите одну из них, чтобы
перейти к ней. Слово будет отмечено в тексте статьи.</p>
<h3>Список страниц</h3>
<p>Кнопка «Просмотр страниц по алфавиту» показывает все страницы словаря в алфавитном
порядке на выбранном языке, с маленькой картинкой выделенной страницы. Выберите страницу,
чтобы открыть её.</p>
<h3>Автопроигрывание</h3>
<p>На странице кнопка «Панель Автопроигрывания» открывает панель автопроигрывания. Её кнопка
автопроигрывания показывает и произносит слова страницы одно за другим, до последнего, с
паузой, заданной в настройках; кнопки рядом приостанавливают и останавливают его. Остальные
кнопки воспроизводят текущее слово, перематывают его назад и вперёд или переходят к первому
и последнему слову. Пока идёт автопроигрывание, команды главного окна ждут.</p>
<h3>Печать</h3>
<p>«Печать картинки» печатает картинку страницы. Кнопка печати рядом со статьёй печатает
статьи страницы на этом языке. Ctrl+P печатает статью, по которой вы щёлкнули последней.</p>
<h3>Настройки</h3>
<p>В окне «Настройки» выбираются языки, показываемые рядом, язык самой программы, язык
произношения по щелчку, язык и пауза автопроигрывания, звуковые эффекты и размер шрифта
статей.</p>
<h3>Клавиши</h3>
<p class="key"><b>Shift+E, F, R, S</b> &ndash; произнести текущее слово по-английски, по-французски,
по-русски или по-испански (на странице, если для языка установлен звук)</p>
<p class="key"><b>Ctrl+E, F, R, S</b> &ndash; поиск слова на английском, французском, русском или
испанском</p>
<p class="key"><b>Alt+E, F, R, S</b> &ndash; список всех страниц на английском, французском, русском
или испанском</p>
<p class="key"><b>Ctrl+P</b> &ndash; напечатать статью, в которой находится фокус</p>
<p class="key"><b>Ctrl+C, Ctrl+A</b> &ndash; скопировать выделенный текст этой статьи; выделить её
целиком</p>
<p class="key"><b>Вверх, Вниз, Page&nbsp;Up, Page&nbsp;Down</b> &ndash; прокрутить эту статью</p>
<p class="key"><b>Esc</b> &ndash; закрыть список «Произнести на»</p>
<p class="key"><b>Tab, Shift+Tab</b> &ndash; перевести фокус на следующую или предыдущую кнопку,
список или статью</p>
<p class="key"><b>Пробел, Enter</b> &ndash; нажать кнопку, на которой находится фокус</p>
<p class="key"><b>Вверх, Вниз, Enter</b> &ndash; в списке глав или на закладках глав (к ним ведёт
Tab): выбрать главу; открыть её</p>
<p class="key"><b>Alt+F4</b> &ndash; выйти из программы после подтверждения (кроме времени
автопроигрывания)</p>
<h3>Где хранятся настройки</h3>
<p>Настройки хранятся в файле Settings.orv в папке программы. Если в эту папку нельзя
записывать, например когда программа установлена для всех пользователей компьютера, файл
хранится в вашей личной папке настроек: ~/.config/orvik/ (или в папке orvik внутри папки,
на которую указывает переменная XDG_CONFIG_HOME, если она задана).</p>
<p>Эта копия программы использует: <b>%1</b></p>)"},
    {"Aide du Dictionnaire Orvik", "Fermer",
     R"(<h3>Les trois vues</h3>
<p>Le dictionnaire compte quinze chapitres. Chaque chapitre contient des pages, et chaque page
est une grande image dont les objets sont les entrées du dictionnaire.</p>
<ul>
<li><b>Chapitres</b>&nbsp;: la liste des noms de chapitres et, à côté, au milieu de la fenêtre,
la colonne des onglets des chapitres. Cliquez sur un nom ou sur un onglet pour ouvrir le
chapitre.</li>
<li><b>Pages</b>&nbsp;: les pages du chapitre ouvert, regroupées sous des rubriques. Cliquez
sur une page pour l'ouvrir.</li>
<li><b>Page</b>&nbsp;: l'image de la page et, à côté, l'article de l'entrée courante dans
chacune des langues que vous avez choisi d'afficher.</li>
</ul>
<h3>Parcourir le dictionnaire</h3>
<p>Déplacez le pointeur sur l'image&nbsp;: l'objet qui se trouve dessous est mis en évidence et
ses articles s'affichent à côté de l'image. Cliquez dessus pour entendre le mot. Cliquez sur
l'image avec le bouton droit et choisissez une langue sous «&nbsp;Prononcer en&nbsp;» pour
entendre le mot dans cette langue.</p>
<p>Les petites flèches sous l'image mènent à l'entrée précédente et à l'entrée suivante&nbsp;;
les grandes flèches des coins inférieurs tournent les pages (maintenez-les enfoncées pour
continuer). «&nbsp;Bloquer la souris&nbsp;» garde la mise en évidence sur l'entrée courante
pendant que le pointeur se déplace. «&nbsp;Liste des pages&nbsp;» et «&nbsp;Liste des
chapitres&nbsp;» vous ramènent en arrière.</p>
<p>À côté de chaque article, des boutons permettent de prononcer l'entrée, d'afficher la liste
des entrées de la page dans cette langue et d'imprimer les entrées de la page. Cliquez sur un
article avec le bouton droit pour le copier, le sélectionner ou l'imprimer.</p>
<h3>Chercher un mot</h3>
<p>Cliquez sur «&nbsp;Recherche en langue choisie&nbsp;», choisissez la langue et tapez le mot.
La liste montre toutes les entrées où le mot apparaît, avec leur page et leur chapitre&nbsp;;
choisissez-en une pour vous y rendre. Le mot est alors marqué dans l'article de l'entrée.</p>
<h3>Liste des pages</h3>
<p>«&nbsp;Affichage des pages&nbsp;» présente toutes les pages du dictionnaire par ordre
alphabétique, dans la langue de votre choix, avec une petite image de la page sélectionnée.
Choisissez une page pour l'ouvrir.</p>
<h3>Lecture automatique</h3>
<p>Sur une page, «&nbsp;Control de la lecture automatique&nbsp;» ouvre le panneau de lecture
automatique. Son bouton de lecture automatique affiche et prononce les entrées de la page
l'une après l'autre, jusqu'à la dernière, avec la pause choisie dans les options&nbsp;; les
boutons voisins la suspendent et l'arrêtent. Les autres boutons lisent l'entrée courante, la
font reculer ou avancer, ou mènent à la première ou à la dernière entrée. Pendant la lecture
automatique, les commandes de la fenêtre principale attendent.</p>
<h3>Imprimer</h3>
<p>«&nbsp;Imprimer l'image&nbsp;» imprime l'image de la page. Le bouton d'impression placé à
côté d'un article imprime les entrées de la page dans cette langue. Ctrl+P imprime l'entrée
de l'article sur lequel vous avez cliqué en dernier.</p>
<h3>Options</h3>
<p>«&nbsp;Options&nbsp;» permet de choisir les langues affichées côte à côte, la langue du
programme lui-même, la langue prononcée au clic, la langue et la pause de la lecture
automatique, les effets sonores et la taille du texte des articles.</p>
<h3>Raccourcis clavier</h3>
<p class="key"><b>Maj+E, F, R, S</b> &ndash; prononcer l'entrée courante en anglais, en français, en
russe ou en espagnol (sur une page, si la langue a des sons)</p>
<p class="key"><b>Ctrl+E, F, R, S</b> &ndash; chercher un mot en anglais, en français, en russe ou en
espagnol</p>
<p class="key"><b>Alt+E, F, R, S</b> &ndash; lister toutes les pages en anglais, en français, en russe
ou en espagnol</p>
<p class="key"><b>Ctrl+P</b> &ndash; imprimer l'entrée de l'article qui a le focus</p>
<p class="key"><b>Ctrl+C, Ctrl+A</b> &ndash; copier le texte sélectionné de cet article&nbsp;; le
sélectionner en entier</p>
<p class="key"><b>Haut, Bas, Page&nbsp;préc., Page&nbsp;suiv.</b> &ndash; faire défiler cet
article</p>
<p class="key"><b>Échap</b> &ndash; fermer la liste «&nbsp;Prononcer en&nbsp;»</p>
<p class="key"><b>Tab, Maj+Tab</b> &ndash; passer au bouton, à la liste ou à l'article suivant ou
précédent</p>
<p class="key"><b>Espace, Entrée</b> &ndash; appuyer sur le bouton qui a le focus</p>
<p class="key"><b>Haut, Bas, Entrée</b> &ndash; dans la liste ou les onglets des chapitres
(atteints avec Tab)&nbsp;: choisir un chapitre&nbsp;; l'ouvrir</p>
<p class="key"><b>Alt+F4</b> &ndash; quitter, après confirmation (pas pendant la lecture
automatique)</p>
<h3>Où sont conservées vos options</h3>
<p>Les options sont conservées dans le fichier Settings.orv, dans le dossier du programme.
Lorsque ce dossier n'est pas accessible en écriture, par exemple quand le programme est
installé pour tous les utilisateurs de l'ordinateur, le fichier est conservé dans votre
propre dossier de configuration&nbsp;: ~/.config/orvik/ (ou orvik/ dans le dossier désigné par
XDG_CONFIG_HOME, si cette variable est définie).</p>
<p>Cet exemplaire du programme utilise&nbsp;: <b>%1</b></p>)"},
    {"Ayuda del Diccionario Orvik", "Cerrar",
     R"(<h3>Las tres vistas</h3>
<p>El diccionario tiene quince capítulos. Cada capítulo tiene páginas, y cada página es una
gran imagen cuyos objetos son las entradas del diccionario.</p>
<ul>
<li><b>Capítulos</b>: la lista de nombres de capítulos y, a su lado, en el centro de la ventana,
la columna de pestañas de los capítulos. Haga clic en un nombre o en una pestaña para abrir el
capítulo.</li>
<li><b>Páginas</b>: las páginas del capítulo abierto, agrupadas bajo encabezados. Haga clic en
una página para abrirla.</li>
<li><b>Página</b>: la imagen de la página y, a su lado, el artículo de la entrada actual en
cada uno de los idiomas que eligió mostrar.</li>
</ul>
<h3>Recorrer el diccionario</h3>
<p>Mueva el puntero sobre la imagen: el objeto que queda debajo se resalta y sus artículos
aparecen junto a la imagen. Haga clic en él para oír la palabra. Haga clic con el botón
derecho en la imagen y elija un idioma en «Pronunciar en» para oír la palabra en ese
idioma.</p>
<p>Las flechas pequeñas bajo la imagen llevan a la entrada anterior y a la siguiente; las
flechas grandes de las esquinas inferiores pasan las páginas (manténgalas pulsadas para
seguir). «Bloquear el ratón» mantiene resaltada la entrada actual mientras el puntero se
mueve. «Indice de páginas» e «Indice de capítulos» le llevan de vuelta.</p>
<p>Junto a cada artículo hay botones para pronunciar la entrada, mostrar la lista de entradas
de la página en ese idioma e imprimir las entradas de la página. Haga clic con el botón
derecho en un artículo para copiarlo, seleccionarlo o imprimirlo.</p>
<h3>Buscar una palabra</h3>
<p>Haga clic en «Buscar en idioma seleccionado», elija el idioma y escriba la palabra. La lista
muestra todas las entradas en las que aparece la palabra, con su página y su capítulo; elija
una para ir a ella. La palabra queda marcada en el artículo de la entrada.</p>
<h3>Lista de páginas</h3>
<p>«Ver paginas por alfabeto» muestra todas las páginas del diccionario por orden alfabético,
en el idioma que elija, con una pequeña imagen de la página seleccionada. Elija una página para
abrirla.</p>
<h3>Reproducción automática</h3>
<p>En una página, «Control del autoplay» abre el panel de reproducción automática. Su botón de
reproducción automática muestra y pronuncia las entradas de la página una tras otra, hasta la
última, con la pausa elegida en las opciones; los botones de al lado la interrumpen y la
detienen. Los demás botones reproducen la entrada actual, la hacen retroceder o avanzar, o
llevan a la primera o a la última entrada. Mientras dura la reproducción automática, las
órdenes de la ventana principal esperan.</p>
<h3>Imprimir</h3>
<p>«Imprimir cuadros» imprime la imagen de la página. El botón de impresión junto a un artículo
imprime las entradas de la página en ese idioma. Ctrl+P imprime la entrada del artículo en el
que hizo clic por última vez.</p>
<h3>Opciones</h3>
<p>En «Opciones» se eligen los idiomas que se muestran uno al lado del otro, el idioma del
propio programa, el idioma que se pronuncia al hacer clic, el idioma y la pausa de la
reproducción automática, los efectos de sonido y el tamaño del texto de los artículos.</p>
<h3>Teclas</h3>
<p class="key"><b>Mayús+E, F, R, S</b> &ndash; pronunciar la entrada actual en inglés, francés, ruso o
español (en una página, si el idioma tiene sonidos)</p>
<p class="key"><b>Ctrl+E, F, R, S</b> &ndash; buscar una palabra en inglés, francés, ruso o
español</p>
<p class="key"><b>Alt+E, F, R, S</b> &ndash; ver todas las páginas en inglés, francés, ruso o
español</p>
<p class="key"><b>Ctrl+P</b> &ndash; imprimir la entrada del artículo que tiene el foco</p>
<p class="key"><b>Ctrl+C, Ctrl+A</b> &ndash; copiar el texto seleccionado de ese artículo;
seleccionarlo entero</p>
<p class="key"><b>Arriba, Abajo, Re&nbsp;Pág, Av&nbsp;Pág</b> &ndash; desplazar ese artículo</p>
<p class="key"><b>Esc</b> &ndash; cerrar la lista «Pronunciar en»</p>
<p class="key"><b>Tab, Mayús+Tab</b> &ndash; pasar el foco al botón, la lista o el artículo siguiente
o anterior</p>
<p class="key"><b>Espacio, Intro</b> &ndash; pulsar el botón que tiene el foco</p>
<p class="key"><b>Arriba, Abajo, Intro</b> &ndash; en la lista o las pestañas de los capítulos (se
llega con Tab): elegir un capítulo; abrirlo</p>
<p class="key"><b>Alt+F4</b> &ndash; salir, tras confirmarlo (no durante la reproducción
automática)</p>
<h3>Dónde se guardan sus opciones</h3>
<p>Las opciones se guardan en el archivo Settings.orv, en la carpeta del programa. Si no se
puede escribir en esa carpeta, por ejemplo cuando el programa está instalado para todos los
usuarios del equipo, el archivo se guarda en su propia carpeta de configuración:
~/.config/orvik/ (o orvik/ dentro de la carpeta que indica XDG_CONFIG_HOME, si está
definida).</p>
<p>Esta copia del programa usa: <b>%1</b></p>)"},
};

// The title strip: a band of the shadow colours, like the about box's.
QPixmap titlePicture(int width) {
  QPixmap picture(width, 20);
  QPainter p(&picture);
  QLinearGradient g(0, 0, 0, 20);
  g.setColorAt(0, QColor(214, 204, 172));
  g.setColorAt(1, orvik::colors::kShadow);
  p.fillRect(picture.rect(), g);
  p.setPen(orvik::colors::kDeepShadow);
  p.drawLine(0, 19, width - 1, 19);
  return picture;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("frmHelp"));
  setClientSize(kWidth, kHeight);
  setCaptionStrip(25, 25);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, orvik::colors::kMainBackground);
  setPalette(pal);
  setAutoFillBackground(true);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(titlePicture(kWidth - 10));
  Image1->setGeometry(5, 5, kWidth - 10, 20);
  // Presses on the strip are the window's own: it drags the window.
  Image1->setAttribute(Qt::WA_TransparentForMouseEvents);

  lblTitle = new QLabel(this);
  lblTitle->setObjectName(QStringLiteral("lblTitle"));
  QPalette titlePalette = lblTitle->palette();
  titlePalette.setColor(QPalette::WindowText, orvik::colors::kHeadingText);
  lblTitle->setPalette(titlePalette);
  lblTitle->setGeometry(32, 7, kWidth - 32 - 30, 18);
  lblTitle->setAttribute(Qt::WA_TransparentForMouseEvents);

  // The text stands on the lists' parchment inside a one-pixel sunken edge.
  auto* edge = new QWidget(this);
  edge->setObjectName(QStringLiteral("PnlHelp"));
  edge->setGeometry(kPaneLeft - 1, kPaneTop - 1, kPaneWidth + kBarWidth + 2, kPaneHeight + 2);
  QPalette edgePalette = edge->palette();
  edgePalette.setColor(QPalette::Window, orvik::colors::kDeepShadow);
  edge->setPalette(edgePalette);
  edge->setAutoFillBackground(true);

  txtHelp = new RichTextPane(this);
  txtHelp->setObjectName(QStringLiteral("txtHelp"));
  txtHelp->setGeometry(kPaneLeft, kPaneTop, kPaneWidth, kPaneHeight);
  QPalette textPalette = txtHelp->palette();
  textPalette.setColor(QPalette::Base, orvik::colors::kList);
  textPalette.setColor(QPalette::Text, Qt::black);
  txtHelp->setPalette(textPalette);
  txtHelp->document()->setDocumentMargin(8);
  // The key map's lines hang: the keys stand out at the left, the wrapped text indented.
  txtHelp->document()->setDefaultStyleSheet(
      QStringLiteral("p.key { margin-left: 16px; text-indent: -16px; }"));

  ScrollHelp = new TOrvikScrollBar(this);
  ScrollHelp->setObjectName(QStringLiteral("ScrollHelp"));
  ScrollHelp->setPictures(orvik::scrollBarPictures(orvik::ScrollSkin::Pane, false));
  ScrollHelp->setColor(orvik::colors::kList);
  ScrollHelp->setGeometry(kPaneLeft + kPaneWidth + 1, kPaneTop, kBarWidth - 2, kPaneHeight);
  ScrollHelp->setSmallChange(1);
  connect(ScrollHelp, &TOrvikScrollBar::scrolled, this, &HelpWindow::barScrolled);
  connect(txtHelp, &RichTextPane::scrolled, this, [this](int first) {
    if (first != ScrollHelp->Position()) ScrollHelp->setPosition(first);
  });

  btnOK = new TOrvikBtn98(this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setPictures(orvik::plainButtonPictures(QSize(50, 20)));
  btnOK->setGeometry((kWidth - 50) / 2, kButtonTop, 50, 20);
  btnOK->setCaption(QStringLiteral("OK"));
  btnClose = new TOrvikBtn98(this);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  btnClose->setPictures(orvik::buttonPictures(orvik::ButtonGlyph::Close, QSize(15, 15)));
  btnClose->setGeometry(kWidth - 21, 7, 15, 15);
  connect(btnOK, &TOrvikBtn98::clicked, this, &HelpWindow::closeWindow);
  connect(btnClose, &TOrvikBtn98::clicked, this, &HelpWindow::closeWindow);

  hide();
  setLanguage(0);
}

QString HelpWindow::heading(int translationIndex) {
  if (translationIndex < 0 || translationIndex > 3) return {};
  return QString::fromUtf8(kTexts[translationIndex].heading);
}

QString HelpWindow::helpHtml(int translationIndex, const QString& settingsFile) {
  if (translationIndex < 0 || translationIndex > 3) return {};
  // The source wraps its lines for reading; the text flows them again.
  QString body = QString::fromUtf8(kTexts[translationIndex].body);
  body.replace(QLatin1Char('\n'), QLatin1Char(' '));
  const QString file = settingsFile.isEmpty() ? QStringLiteral("Settings.orv") : settingsFile;
  return body.arg(file.toHtmlEscaped());
}

void HelpWindow::setSettingsFile(const QString& path) {
  settingsFile_ = path;
  if (language_ >= 0) {
    const int language = language_;
    language_ = -1;
    setLanguage(language);
  }
}

void HelpWindow::setLanguage(int translationIndex) {
  if (translationIndex < 0 || translationIndex > 3) return;
  language_ = translationIndex;
  const int charset = translationIndex == 1 ? orvik::kCyrillicCharset : orvik::kWesternCharset;
  orvik::applyFont(lblTitle, orvik::timesBoldSpec(16, charset));
  orvik::applyFont(btnOK, orvik::timesBoldSpec(16, charset));
  orvik::applyFont(txtHelp, orvik::arialSpec(16, charset));
  txtHelp->document()->setDefaultFont(txtHelp->font());
  lblTitle->setText(heading(translationIndex));
  btnClose->setHintName(QString::fromUtf8(kTexts[translationIndex].close));
  txtHelp->setHtml(helpHtml(translationIndex, settingsFile_));
  txtHelp->setAccessibleName(lblTitle->text());
  fitScrollBar();
}

void HelpWindow::fitScrollBar() {
  txtHelp->document()->setTextWidth(txtHelp->viewport()->width());
  // The bar's range is the lines the top of the view can stand on: from the first to the one
  // at the top when the view shows the end of the text (headings are taller than the other
  // lines, so counting lines that fit would fall short).
  QScrollBar* view = txtHelp->verticalScrollBar();
  view->setValue(view->maximum());
  const int last = txtHelp->firstVisibleLine();
  view->setValue(0);
  const int fitting = std::max(1, txtHelp->visibleLineCount());
  ScrollHelp->setMax(std::max(0, last));
  ScrollHelp->setLargeChange(std::max(1, fitting - 1));
  ScrollHelp->setPosition(0);
}

void HelpWindow::barScrolled(int code, int& position) {
  const int first = txtHelp->firstVisibleLine();
  const int fitting = std::max(1, txtHelp->visibleLineCount());
  int target = first;
  switch (code) {
    case TOrvikScrollBar::scLineUp:
      target = first - 1;
      break;
    case TOrvikScrollBar::scLineDown:
      target = first + 1;
      break;
    case TOrvikScrollBar::scPageUp:
      target = first + 1 - fitting;
      break;
    case TOrvikScrollBar::scPageDown:
      target = first + fitting - 1;
      break;
    case TOrvikScrollBar::scTrack:
      target = position;
      break;
    default:
      return;
  }
  scrollToLine(target);
  position = std::clamp(txtHelp->firstVisibleLine(), ScrollHelp->Min(), ScrollHelp->Max());
}

void HelpWindow::scrollToLine(int line) {
  line = std::clamp(line, 0, ScrollHelp->Max());
  QScrollBar* view = txtHelp->verticalScrollBar();
  // At the bar's end the view shows the end of the text, its last line whole.
  if (line >= ScrollHelp->Max()) {
    view->setValue(view->maximum());
    return;
  }
  // Lines standing side by side in one band (a list's mark and its text) share a top: step on
  // until the view has really moved.
  for (int step = line - txtHelp->firstVisibleLine(), tries = 0; step != 0 && tries < 4; ++tries) {
    txtHelp->scrollLines(step);
    const int now = txtHelp->firstVisibleLine();
    if ((step > 0 && now >= line) || (step < 0 && now <= line)) break;
    step += step > 0 ? 1 : -1;
  }
}

void HelpWindow::execute(const QWidget* mainWindow) {
  setLanguage(TBaseMultiLang::currentTranslationIndex());
  if (mainWindow) centreOn(mainWindow);
  txtHelp->setFocus(Qt::OtherFocusReason);
  showModal();
}

void HelpWindow::closeWindow() {
  setModalResult(mrOk);
  hide();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->accept();
    closeWindow();
    return;
  }
  orvik::BorderlessForm::keyPressEvent(event);
}

void HelpWindow::paintEvent(QPaintEvent* event) {
  orvik::BorderlessForm::paintEvent(event);
  QPainter painter(this);
  orvik::paintDialogFrame(painter, height(), width());
}
