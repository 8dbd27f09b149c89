#include "browse/entry_panes.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QWidget>
#include <cmath>

#include "app/data_module.h"
#include "app/settings_file.h"
#include "browse/orvik_word.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_panel.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/skin.h"
#include "lang/font_sets.h"
#include "lang/language_captions.h"
#include "platform/pop_ups.h"
#include "schema/schema.h"

namespace {

constexpr int kSoundSize = 20;
// The list button stands 2 pixels lower than its neighbours; one pixel less keeps it clear of
// the frame line above the pane.
constexpr int kListHeight = 19;
constexpr int kMenuLineHeight = 18;
constexpr int kMenuListLeft = 5;
constexpr int kHeadingWidth = 230;
constexpr int kHeadingHeight = 20;

// The menu's lines, in the interface languages English, French, Russian, Spanish.
const char* const kMenu[4][3] = {
    {"Copy                   Ctrl+C", "Select All          Ctrl+A", "Print Entry       Ctrl+P"},
    {"Copier                     Ctrl+C", "Sélectionner tout  Ctrl+A", "Imprimer l'entrée Ctrl+P"},
    {"Копировать       Ctrl+C", "Выделить всё  Ctrl+A", "Печать статьи  Ctrl+P"},
    {"Copiar                     Ctrl+C", "Resaltar todo         Ctrl+A",
     "Imprimir entrada  Ctrl+P"},
};

// Pane tops and heights of a stack of one to four panes.
constexpr int kStack[4][4][2] = {
    {{75, 405}},
    {{75, 185}, {295, 185}},
    {{75, 109}, {219, 109}, {363, 109}},
    {{75, 75}, {185, 75}, {295, 75}, {405, 75}},
};

// The language number of a slot of the shown-language order, 0 for an empty place.
int languageOfSlot(int slot) {
  const auto language = orvik::Language::fromSlot(slot);
  return language ? language->number() : 0;
}

void fill(QWidget* widget, const QColor& colour) {
  QPalette pal = widget->palette();
  pal.setColor(QPalette::Window, colour);
  pal.setColor(QPalette::Base, colour);
  widget->setPalette(pal);
  widget->setAutoFillBackground(true);
}

}  // namespace

struct EntryPanes::Set {
  TOrvikWord* pane = nullptr;
  TOrvikPanel* scrollPanel = nullptr;
  TOrvikScrollBar* scrollBar = nullptr;
  QLabel* heading = nullptr;
  TOrvikBtn98* sound = nullptr;
  TOrvikBtn98* list = nullptr;
  TOrvikBtn98* print = nullptr;
  int fitting = 0;
  // Set while the bar scrolls the pane, so the pane's own scrolling does not move the bar back.
  bool scrollingFromBar = false;
};

EntryPanes::EntryPanes(QWidget* parent, TDMOrvik* data, const Colours& colours)
    : QObject(parent), parent_(parent), data_(data), colours_(colours) {
  Q_ASSERT(parent);
  // The shadows lie under the panes: built first, they stay below them.
  for (int i = 0; i < 4; ++i) {
    auto* shadow = new QWidget(parent);
    shadow->setObjectName(QStringLiteral("Shadow%1").arg(i + 1));
    fill(shadow, colours_.shadow);
    shadow->setGeometry(kShadowLeft, 83 + 110 * i, kShadowWidth, 75);
    shadow->hide();
    shadows_[i] = shadow;
  }
  for (int language = 1; language <= 4; ++language) build(language);

  popUp_ = new TOrvikPanel(parent);
  popUp_->setObjectName(QStringLiteral("PopUpRTF"));
  popUp_->resize(kMenuWidth, kMenuHeight);
  popUp_->setPicture(orvik::panelPicture(QSize(kMenuWidth, kMenuHeight)));
  popUpList_ = new TOrvikChapterList(popUp_);
  popUpList_->setObjectName(QStringLiteral("PopUpRTFList"));
  popUpList_->setItemHeight(kMenuLineHeight);
  popUpList_->setGeometry(kMenuListLeft, 5, kMenuWidth - kMenuListLeft - 2,
                          kMenuLineHeight * 3 + 2);
  orvik::applyFont(popUpList_, orvik::timesBoldSpec(16, orvik::kWesternCharset));
  popUpList_->setLines(menuLines(1));
  connect(popUpList_, &TOrvikChapterList::mousePressed, this,
          [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint pos) {
            const int line = popUpList_->lineAt(pos.y());
            const bool onLine = line >= 1 && line <= popUpList_->Lines().size();
            runMenuLine(onLine ? line : popUpList_->selectedNumber());
          });
  popUp_->hide();
  popUp_->raise();
  // Any press outside the menu closes it.
  orvik::PopUps::add(popUp_);
}

EntryPanes::~EntryPanes() {
  for (Set* s : sets_) delete s;
}

void EntryPanes::build(int language) {
  auto* s = new Set;
  sets_[language - 1] = s;
  const QString code = languageCode(language);
  const auto [top, height] = paneGeometry(4, language);

  s->pane = new TOrvikWord(parent_);
  s->pane->setObjectName(QStringLiteral("RTF_") + code);
  fill(s->pane, colours_.list);
  fill(s->pane->viewport(), colours_.list);
  s->pane->viewport()->setMouseTracking(true);
  s->pane->setGeometry(kPaneLeft, top, kPaneWidth, height);
  s->pane->hide();

  s->scrollPanel = new TOrvikPanel(s->pane->parentWidget());
  s->scrollPanel->setObjectName(QStringLiteral("PnlScrollRTF_") + code);
  s->scrollPanel->setBevelOuter(TOrvikPanel::bvNone);
  s->scrollPanel->setBevelInner(TOrvikPanel::bvNone);
  s->scrollPanel->setColor(colours_.list);
  s->scrollPanel->hide();

  s->scrollBar = new TOrvikScrollBar(s->scrollPanel);
  s->scrollBar->setObjectName(QStringLiteral("ScrollRTF_") + code);
  s->scrollBar->setPictures(orvik::scrollBarPictures(orvik::ScrollSkin::Pane, false));
  s->scrollBar->setColor(colours_.list);
  s->scrollBar->setSmallChange(1);
  fitScrollPanel(language);

  s->heading = new QLabel(parent_);
  s->heading->setObjectName(QStringLiteral("lblWord") + code);
  s->heading->setAttribute(Qt::WA_TranslucentBackground);
  s->heading->setAutoFillBackground(false);
  QPalette pal = s->heading->palette();
  pal.setColor(QPalette::WindowText, colours_.heading);
  s->heading->setPalette(pal);
  orvik::applyFont(s->heading, orvik::timesBoldSpec(16, orvik::kWesternCharset));
  s->heading->setText(orvik::languageNameTable()[language - 1][0]);
  // Wide enough for the longest name in any interface language ("Французский"), whoever sets
  // the caption; the label is transparent, so its spare width hides nothing.
  s->heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  s->heading->setGeometry(kHeadingLeft, top - 20, kHeadingWidth, kHeadingHeight);
  s->heading->hide();

  auto makeButton = [&](const QString& name, orvik::ButtonGlyph glyph, QSize size, int left,
                        int buttonTop) {
    auto* button = new TOrvikBtn98(parent_);
    button->setObjectName(name + code);
    button->setPictures(orvik::buttonPictures(glyph, size));
    button->setGeometry(left, buttonTop, size.width(), size.height());
    button->hide();
    return button;
  };
  s->sound = makeButton(QStringLiteral("btnSoundWrd"), orvik::ButtonGlyph::Sound,
                        QSize(kSoundSize, kSoundSize), kSoundLeft, top - 22);
  s->print = makeButton(QStringLiteral("btnPrint"), orvik::ButtonGlyph::Print,
                        QSize(kSoundSize, kSoundSize), kPrintLeft, top - 22);
  s->list = makeButton(QStringLiteral("btnList"), orvik::ButtonGlyph::List,
                       QSize(kSoundSize, kListHeight), kListLeft, top - 20);
  connect(s->sound, &TOrvikBtn98::clicked, this, [this, language] { emit soundClicked(language); });
  connect(s->list, &TOrvikBtn98::clicked, this, [this, language] { emit listClicked(language); });
  connect(s->print, &TOrvikBtn98::clicked, this, [this, language] { emit printClicked(language); });

  TOrvikWord* pane = s->pane;
  connect(pane, &TOrvikWord::contentReplaced, this,
          [this, language] { coupleScrollBar(language); });
  connect(pane, &TOrvikWord::keyActivity, this, [this, language] { followPane(language); });
  connect(pane, &QTextEdit::selectionChanged, this, [this, language] { followPane(language); });
  connect(pane, &RichTextPane::scrolled, this, [this, language] {
    if (!set(language).scrollingFromBar) followPane(language);
  });
  connect(pane, &TOrvikWord::rightPressed, this,
          [this, language](QPoint pos) { openMenu(language, pos); });
  connect(pane, &TOrvikWord::mouseMovedOver, this,
          [this, language] { emit paneMouseMoved(language); });
  connect(pane, &TOrvikWord::databaseFailed, this, &EntryPanes::databaseFailure);
  connect(s->scrollBar, &TOrvikScrollBar::scrolled, this,
          [this, language](int code, int& position) { barScrolled(language, code, position); });
}

EntryPanes::Set& EntryPanes::set(int language) const {
  Q_ASSERT(language >= 1 && language <= 4);
  return *sets_[language - 1];
}

TOrvikWord* EntryPanes::pane(int language) const {
  return language >= 1 && language <= 4 ? set(language).pane : nullptr;
}
TOrvikPanel* EntryPanes::scrollPanel(int language) const {
  return language >= 1 && language <= 4 ? set(language).scrollPanel : nullptr;
}
TOrvikScrollBar* EntryPanes::scrollBar(int language) const {
  return language >= 1 && language <= 4 ? set(language).scrollBar : nullptr;
}
QLabel* EntryPanes::heading(int language) const {
  return language >= 1 && language <= 4 ? set(language).heading : nullptr;
}
TOrvikBtn98* EntryPanes::soundButton(int language) const {
  return language >= 1 && language <= 4 ? set(language).sound : nullptr;
}
TOrvikBtn98* EntryPanes::listButton(int language) const {
  return language >= 1 && language <= 4 ? set(language).list : nullptr;
}
TOrvikBtn98* EntryPanes::printButton(int language) const {
  return language >= 1 && language <= 4 ? set(language).print : nullptr;
}
QWidget* EntryPanes::shadow(int number) const {
  return number >= 1 && number <= 4 ? shadows_[number - 1] : nullptr;
}

QString EntryPanes::languageCode(int language) {
  return orvik::codeOfNumber(language).toString();
}

std::pair<int, int> EntryPanes::paneGeometry(int n, int k) {
  if (n < 1 || n > 4 || k < 1 || k > n) return {0, 0};
  return {kStack[n - 1][k - 1][0], kStack[n - 1][k - 1][1]};
}

// --- Binding and layout ---

void EntryPanes::bindInstalled() {
  if (!data_) return;
  for (orvik::Language language : orvik::Language::all()) {
    if (!data_->settings().installed(language)) continue;
    TOrvikWord* p = set(language.number()).pane;
    p->setDataField(orvik::schema::kWordMemo);
    p->setDataSource(data_->srcWordName(language));
  }
}

int EntryPanes::applyLayout() {
  if (!data_) return applyLayout({-1, -1, -1, 0});
  return applyLayout(data_->settings().shownList);
}

int EntryPanes::applyLayout(const std::array<int, 4>& shownOrder) {
  int n = 0;
  for (int slot : shownOrder)
    if (languageOfSlot(slot) != 0) ++n;
  shown_ = {};
  int k = 1;
  for (int slot : shownOrder) {
    const int language = languageOfSlot(slot);
    if (language == 0) continue;
    shown_[language - 1] = true;
    placeLanguage(language, n, k);
    if (n >= 2) ++k;
  }
  shownCount_ = n;
  for (int language = 1; language <= 4; ++language) {
    fitScrollPanel(language);
    // The bar's range depends on the pane's height, which may just have changed; the text
    // stays where it was scrolled, so the bar goes back to the line the pane shows.
    if (shown_[language - 1]) {
      coupleScrollBar(language);
      followPane(language);
    }
  }
  return n;
}

bool EntryPanes::isShown(int language) const {
  return language >= 1 && language <= 4 && shown_[language - 1];
}

void EntryPanes::placeLanguage(int language, int n, int k) {
  Set& s = set(language);
  const auto [top, height] = paneGeometry(n, k);
  s.pane->setGeometry(kPaneLeft, top, kPaneWidth, height);
  s.heading->move(kHeadingLeft, top - 20);
  s.list->move(kListLeft, top - 20);
  s.sound->move(kSoundLeft, top - 22);
  s.print->move(kPrintLeft, n == 4 && k == 4 ? top - 21 : top - 22);
  shadows_[k - 1]->setGeometry(kShadowLeft, top + 8, kShadowWidth, height);
  const auto bound = orvik::Language::fromNumber(language);
  if (data_ && bound && data_->srcWordName(*bound)) {
    s.pane->setDataField(orvik::schema::kWordMemo);
    s.pane->setDataSource(data_->srcWordName(*bound));
  }
}

void EntryPanes::fitScrollPanel(int language) {
  Set& s = set(language);
  const QRect pane = s.pane->geometry();
  s.scrollPanel->setGeometry(pane.left() + pane.width(), pane.top(), kScrollPanelWidth,
                             pane.height());
  s.scrollBar->setGeometry(1, 1, 10, pane.height() - 2);
}

// --- Frames and visibility ---

void EntryPanes::clearFrames(QLabel* background) {
  for (QWidget* shadow : shadows_) shadow->hide();
  if (!background) return;
  QPixmap picture = background->pixmap();
  if (picture.isNull()) return;
  {
    QPainter painter(&picture);
    painter.fillRect(QRect(QPoint(kFrameAreaLeft, kFrameAreaTop),
                           QPoint(kFrameAreaRight - 1, kFrameAreaBottom - 1)),
                     colours_.mainBackground);
  }
  background->setPixmap(picture);
}

void EntryPanes::drawFrames(QLabel* background) {
  clearFrames(background);
  if (background && !background->pixmap().isNull()) {
    QPixmap picture = background->pixmap();
    {
      QPainter painter(&picture);
      painter.setPen(QPen(colours_.shadow, 0));
      for (int k = 1; k <= shownCount_; ++k) {
        const auto [top, height] = paneGeometry(shownCount_, k);
        // Lines from a point to a point, the end point not drawn.
        painter.drawLine(kFrameAreaLeft, top - 1, kFrameAreaLeft, top - 2 + height);
        painter.drawLine(kFrameAreaLeft, top - 1, kFrameAreaRight - 2, top - 1);
      }
    }
    background->setPixmap(picture);
  }
  for (int k = 0; k < shownCount_; ++k) shadows_[k]->show();
}

void EntryPanes::showControls() {
  for (int language = 1; language <= 4; ++language) {
    Set& s = set(language);
    // A language no longer shown must not leave its controls over another's place.
    const bool shown = shown_[language - 1];
    s.heading->setVisible(shown);
    s.print->setVisible(shown);
    const orvik::Language own = *orvik::Language::fromNumber(language);
    s.sound->setVisible(shown && (!data_ || data_->settings().hasSounds(own)));
    s.list->setVisible(shown && (!entryLists_ || !entryLists_->entryListOpen(own)));
  }
}

void EntryPanes::showPanes() {
  for (int language = 1; language <= 4; ++language) {
    Set& s = set(language);
    const bool shown = shown_[language - 1];
    s.pane->setVisible(shown);
    s.scrollPanel->setVisible(shown);
    if (shown) {
      s.pane->update();
      s.scrollPanel->update();
    }
  }
}

void EntryPanes::hideAll() {
  for (Set* s : sets_) {
    for (QWidget* w : std::initializer_list<QWidget*>{s->pane, s->scrollPanel, s->heading, s->sound,
                                                      s->list, s->print})
      w->hide();
  }
  for (QWidget* shadow : shadows_) shadow->hide();
  popUp_->hide();
}

void EntryPanes::setPageViewVisible(bool visible, QLabel* background) {
  if (visible) {
    drawFrames(background);
    showControls();
    showPanes();
  } else {
    hideAll();
    clearFrames(background);
  }
}

void EntryPanes::setEntryLists(const EntryListsRole* lists) {
  entryLists_ = lists;
}

// --- Content ---

void EntryPanes::clearAll() {
  for (Set* s : sets_) s->pane->clearText();
}

bool EntryPanes::syncToEntry(int language, int pageCode, int order) {
  const auto article = orvik::Language::fromNumber(language);
  if (!data_ || !article) return false;
  orvik::Table* table = data_->tblWordName(*article);
  if (!table || !table->active()) return false;
  TOrvikWord* p = set(language).pane;
  p->clearText();
  bool found = false;
  const bool ok = data_->guarded([&] {
    table->setIndexName(orvik::schema::WordName::kIndPageOrder);
    found = table->findKey({pageCode, order});
  });
  // Finding the row the table already stood on moves nothing, so the binding hears nothing.
  if (ok && found && !p->loaded() && p->DataSource() && p->DataSource()->dataSet() == table)
    p->DataChange();
  return ok && found;
}

void EntryPanes::syncAllToEntry(int pageCode, int order) {
  for (int language = 1; language <= 4; ++language) syncToEntry(language, pageCode, order);
}

void EntryPanes::setPaneFonts() {
  for (int language = 1; language <= 4; ++language) {
    const int charset = orvik::charsetOfLanguageNumber(language);
    orvik::applyFont(set(language).pane, orvik::arialSpec(10, charset));
    if (data_) set(language).pane->setFontSize(data_->settings().value(Settings::FontSize) + 5);
  }
}

void EntryPanes::setFontSize(int size) {
  for (Set* s : sets_) s->pane->changeFontSize(size);
}

void EntryPanes::reloadInstalled() {
  for (orvik::Language language : orvik::Language::all()) {
    if (data_ && !data_->settings().installed(language)) continue;
    set(language.number()).pane->reload();
  }
}

void EntryPanes::reloadAll() {
  for (Set* s : sets_) s->pane->reload();
}

void EntryPanes::setInterfaceLanguage(int languageNumber) {
  if (languageNumber < 1 || languageNumber > 4) return;
  for (int language = 1; language <= 4; ++language) {
    QLabel* label = set(language).heading;
    label->setText(orvik::languageNameTable()[language - 1][languageNumber - 1]);
    // A screen reader names the pane by its language, as the heading above it reads.
    set(language).pane->setAccessibleName(label->text());
  }
  popUpList_->setLines(menuLines(languageNumber));
}

QStringList EntryPanes::menuLines(int languageNumber) {
  if (languageNumber < 1 || languageNumber > 4) return {};
  QStringList lines;
  for (const char* line : kMenu[languageNumber - 1]) lines << QString::fromUtf8(line);
  return lines;
}

int EntryPanes::focusedLanguage() const {
  for (int language = 1; language <= 4; ++language) {
    TOrvikWord* p = set(language).pane;
    // The window's own focus widget: the pane keeps it while the menu, which takes no focus,
    // is clicked, and while another program is active.
    if (p->isVisible() && p->window()->focusWidget() == p) return language;
  }
  return 0;
}

// --- Scroll-bar coupling ---

int EntryPanes::fittingLines(int language) const {
  return language >= 1 && language <= 4 ? set(language).fitting : 0;
}

int EntryPanes::lineHeight(int fontSize, int dpiY) {
  int k;
  if (fontSize == 6)
    k = 4;
  else if (fontSize == 7)
    k = 5;
  else if (fontSize >= 8 && fontSize <= 11)
    k = 6;
  else if (fontSize >= 12 && fontSize <= 13)
    k = 7;
  else if (fontSize >= 14 && fontSize <= 16)
    k = 8;
  else if (fontSize >= 17 && fontSize <= 19)
    k = 9;
  else if (fontSize == 20)
    k = 12;
  else
    return std::max(1, fontSize);
  return fontSize + int(std::lround(k * dpiY / 96.0));
}

void EntryPanes::coupleScrollBar(int language) {
  Set& s = set(language);
  TOrvikScrollBar* bar = s.scrollBar;
  s.pane->settleLayout();
  const int lines = s.pane->lineCount();
  const int fitting = s.pane->height() / lineHeight(s.pane->FontSize(), s.pane->logicalDpiY());
  if (fitting < lines) {
    bar->setMax(lines);
    bar->setLargeChange(fitting - 1);
  } else {
    bar->setMax(lines - 1);
    bar->setLargeChange(lines);
  }
  bar->setPosition(bar->Min());
  s.fitting = fitting;
}

void EntryPanes::followPane(int language) {
  Set& s = set(language);
  TOrvikScrollBar* bar = s.scrollBar;
  const int first = s.pane->firstVisibleLine();
  if (first != bar->Position() && first <= bar->Max()) bar->setPosition(first);
  if (first != bar->Position() && first > bar->Max()) bar->setPosition(bar->Max());
}

void EntryPanes::barScrolled(int language, int code, int& position) {
  Set& s = set(language);
  const int first = s.pane->firstVisibleLine();
  int lines = 0;
  switch (code) {
    case TOrvikScrollBar::scLineUp:
      lines = -1;
      break;
    case TOrvikScrollBar::scLineDown:
      lines = 1;
      break;
    case TOrvikScrollBar::scPageUp:
      lines = 1 - s.fitting;
      break;
    case TOrvikScrollBar::scPageDown:
      lines = s.fitting - 1;
      break;
    case TOrvikScrollBar::scTrack:
      lines = position - first;
      break;
    default:
      return;
  }
  s.scrollingFromBar = true;
  s.pane->scrollLines(lines);
  s.scrollingFromBar = false;
  // The thumb stops with the text: at its end the pane no longer moves, and neither does it.
  position = std::clamp(s.pane->firstVisibleLine(), s.scrollBar->Min(), s.scrollBar->Max());
}

// --- The article menu ---

void EntryPanes::openMenu(int language, QPoint pos) {
  TOrvikWord* p = pane(language);
  if (!p) return;
  const int x = p->x() + pos.x();
  const int y = p->y() + pos.y();
  fitMenu();
  const int width = popUp_->width();
  const int left = pos.x() < width / 3 + p->width() / 2 ? x : x - width;
  const int top = pos.y() < p->height() / 2 + kMenuHeight / 2 ? y : y - kMenuHeight;
  popUp_->move(left, top);
  popUp_->raise();
  popUp_->show();
}

void EntryPanes::fitMenu() {
  // The English lines fit 150 pixels in the font sets' Times bold; the other languages' lines
  // are wider, and the menu grows for them rather than cut them off or touch its border.
  int widest = 0;
  for (const QString& line : popUpList_->Lines())
    widest = std::max(widest, popUpList_->fontMetrics().horizontalAdvance(line));
  // The lines keep the same room from the right border as from the left.
  const int width = std::max(kMenuWidth, kMenuListLeft + widest + kMenuListLeft);
  if (width == popUp_->width()) return;
  popUp_->resize(width, kMenuHeight);
  popUp_->setPicture(orvik::panelPicture(QSize(width, kMenuHeight)));
  popUpList_->resize(width - kMenuListLeft - 2, popUpList_->height());
}

void EntryPanes::runMenuLine(int line) {
  popUp_->hide();
  const int language = focusedLanguage();
  if (language == 0) return;
  TOrvikWord* p = set(language).pane;
  switch (line) {
    case 1:
      p->copy();
      break;
    case 2:
      p->selectAll();
      break;
    case 3:
      emit printEntryRequested(language);
      break;
    default:
      break;
  }
}

void EntryPanes::databaseFailure() {
  if (data_) data_->databaseFailure();
}
