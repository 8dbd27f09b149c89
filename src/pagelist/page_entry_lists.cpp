#include "pagelist/page_entry_lists.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>

#include "app/data_module.h"
#include "app/dictionary_model.h"
#include "app/table_positions.h"
#include "browse/hand_over.h"
#include "browse/main_window.h"
#include "controls/cursors.h"
#include "controls/dialog_frame.h"
#include "controls/list_with_bar.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_list_box.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/skin.h"
#include "lang/font_sets.h"
#include "lang/language_captions.h"
#include "lang/multi_lang.h"
#include "platform/table.h"
#include "platform/widget_helpers.h"
#include "schema/schema.h"

namespace {

namespace schema = orvik::schema;

const QColor kPaneColour(250, 244, 211);
const QColor kBarColour(201, 194, 164);
const QColor kSelectedColour(180, 169, 135);
const QColor kTitleColour(128, 0, 0);

}  // namespace

namespace {

// What the four windows do not share, by language number - 1: where each first stands beside
// the main window, so that they open in a cascade, and whether its lines are sorted.
struct EntryListPlace {
  QPoint offset;
  bool sorted;
};
constexpr EntryListPlace kPlaces[4] = {
    {QPoint(200, 160), true},   // English
    {QPoint(216, 192), false},  // French
    {QPoint(235, 225), false},  // Russian
    {QPoint(254, 257), false},  // Spanish
};

}  // namespace

TLangList::TLangList(orvik::Language language, QWidget* parent)
    : orvik::BorderlessForm(parent, Kind::StayOnTopTool),
      language_(language),
      offset_(kPlaces[language.number() - 1].offset) {
  setObjectName(QStringLiteral("Form") + language.code().toString());
  build();
  orvik::applyFont(ListBox1, orvik::arialSpec(16, orvik::charsetOf(language)));
  ListBox1->setSorted(kPlaces[language.number() - 1].sorted);
  // The window's caption and title: the language's name in the interface language, groups in
  // translation order (English, Russian, French, Spanish interface).
  QStringList words;
  for (const char* key : {"%Form%", "Label1"}) {
    words << QString::fromLatin1(key);
    for (int index = 0; index < 4; ++index)
      words << orvik::languageNameTable()[language_.number() - 1]
                                         [orvik::languageNumberOfIndex(index) - 1];
  }
  MultiLang1_ = new TMultiLang(this);
  MultiLang1_->setObjectName(QStringLiteral("MultiLang1"));
  MultiLang1_->setLanguages(4);
  MultiLang1_->setWords(words);
  MultiLang1_->Loaded();
}

void TLangList::build() {
  setClientSize(kWidth, kHeight);
  // A press anywhere on the window's own surface drags it; the controls take their own presses.
  setCaptionStrip(kHeight, 0);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kPaneColour);
  setPalette(pal);

  Image1 = orvik::named<QLabel>(this, "Image1");
  Image1->setGeometry(5, 5, 166, 25);
  Image1->setPixmap(orvik::panelPicture(QSize(166, 25)));

  Label1 = orvik::named<QLabel>(this, "Label1");
  Label1->setGeometry(14, 7, 140, 20);
  QPalette labelPalette = Label1->palette();
  labelPalette.setColor(QPalette::WindowText, kTitleColour);
  Label1->setPalette(labelPalette);

  OrvikButton1 = orvik::named<TOrvikBtn98>(this, "OrvikButton1");
  OrvikButton1->setGeometry(156, 8, 15, 15);
  OrvikButton1->setPictures(orvik::buttonPictures(orvik::ButtonGlyph::Close, QSize(15, 15)));
  OrvikButton1->setCursor(orvik::orvikCursor(orvik::O_FOREFINGER));

  ListBox1 = orvik::named<TOrvikListBox>(this, "ListBox1");
  orvik::setUpOwnerDrawnList(ListBox1, QRect(6, 36, 148, 272), kPaneColour, kItemHeight);
  ListBox1->installEventFilter(this);

  OrvikScrollBar1 = orvik::named<TOrvikScrollBar>(this, "OrvikScrollBar1");
  orvik::setUpListBar(OrvikScrollBar1, QRect(156, 32, 15, 281), kBarColour, 10);
  OrvikScrollBar1->setMax(1);

  OrvikScrollBar2 = orvik::named<TOrvikScrollBar>(this, "OrvikScrollBar2");
  OrvikScrollBar2->setKind(osbHorizontal);
  OrvikScrollBar2->setPictures(orvik::scrollBarPictures(orvik::ScrollSkin::Standard, true));
  OrvikScrollBar2->setGeometry(6, 314, 151, 15);
  OrvikScrollBar2->setColor(kBarColour);
  OrvikScrollBar2->setMin(0);
  OrvikScrollBar2->setMax(kHorizontalExtent);
  OrvikScrollBar2->setSmallChange(30);
  OrvikScrollBar2->setLargeChange(50);

  connect(OrvikButton1, &TOrvikBtn98::clicked, this, &TLangList::OrvikButton1Click);
  connect(ListBox1, &SkinnedListBox::clicked, this, &TLangList::ListBox1Click);
  connect(ListBox1, &SkinnedListBox::OnDrawItem, this, &TLangList::ListBox1DrawItem);
  connect(ListBox1, &SkinnedListBox::topIndexChanged, this,
          [this](int top) { OrvikScrollBar1->setPosition(top); });
  orvik::scrollListByBar(OrvikScrollBar1, ListBox1);
  connect(OrvikScrollBar2, &TOrvikScrollBar::scrolled, this, &TLangList::OrvikScrollBar2Scroll);

  // The title and the button take the interface language's Times bold 16.
  applyFontSet(TBaseMultiLang::interfaceLanguage());
  hide();
}

void TLangList::applyFontSet(orvik::Language interfaceLanguage) {
  orvik::applyWindowPass(this, orvik::charsetOf(interfaceLanguage));
}

void TLangList::setMainWindow(TForm1* mainWindow, TDMOrvik* data) {
  main_ = mainWindow;
  data_ = data;
}

int TLangList::orderOfLine(int line) const {
  if (line < 0 || line >= ListBox1->Items().Count()) return 0;
  return int(ListBox1->Items().Objects(line));
}

void TLangList::fitVerticalBar() {
  const int count = ListBox1->Items().Count();
  OrvikScrollBar1->setMax(count > kVisibleLines ? count - kVisibleLines : 1);
  OrvikScrollBar1->setPosition(ListBox1->TopIndex());
}

void TLangList::fillForCurrentPage() {
  ListBox1->Items().Clear();
  pageCode_ = main_ ? main_->currentPageCode() : 0;
  if (data_ && pageCode_ > 0) {
    QStringList lines;
    QList<int> orders;
    // Read by value: the panes' rows stay where they are.
    data_->guarded([&] {
      orvik::DictionaryModel& dictionary = data_->dictionary();
      if (!dictionary.hasLanguage(language_)) return;
      for (const orvik::EntryRef& entry : dictionary.entriesOfPage(pageCode_)) {
        const QString word = dictionary.headWord(entry, language_);
        if (word.isEmpty()) continue;
        lines << word;
        orders << entry.order;
      }
    });
    ListBox1->Items().BeginUpdate();
    for (int i = 0; i < lines.size(); ++i) ListBox1->Items().AddObject(lines[i], orders[i]);
    ListBox1->Items().EndUpdate();
  }
  ListBox1->setTopIndex(0);
  fitVerticalBar();
}

void TLangList::selectCurrentEntry() {
  int order = 0;
  if (main_ && data_ && pageCode_ > 0 && pageCode_ == main_->currentPageCode() &&
      main_->entrySelected()) {
    const orvik::EntryRef current = main_->currentEntry();
    if (current.pageCode == pageCode_) order = current.order;
  }
  int line = -1;
  for (int i = 0; order > 0 && i < ListBox1->Items().Count(); ++i)
    if (orderOfLine(i) == order) {
      line = i;
      break;
    }
  ListBox1->setItemIndex(line);
  OrvikScrollBar1->setPosition(ListBox1->TopIndex());
}

void TLangList::clearList() {
  ListBox1->Items().Clear();
  pageCode_ = 0;
  fitVerticalBar();
}

void TLangList::clearSelection() {
  ListBox1->setItemIndex(-1);
}

void TLangList::openOrRefresh() {
  fillForCurrentPage();
  if (!isVisible()) {
    // The first opening stands beside the main window; later ones where the user left it.
    if (!placed_ && main_) {
      move(main_->frameGeometry().topLeft() + offset_);
      placed_ = true;
    }
    show();
    raise();
  }
  selectCurrentEntry();
}

// ---------------------------------------------------------------------------------------------
// Handlers

void TLangList::ListBox1Click() {
  goToSelectedEntry();
}

void TLangList::goToSelectedEntry() {
  const int order = orderOfLine(ListBox1->ItemIndex());
  if (order <= 0 || !main_ || !data_) return;
  if (pageCode_ != main_->currentPageCode()) {
    // The list no longer shows the page on screen: show that page's entries instead of moving
    // the main window onto a page it has left.
    fillForCurrentPage();
    selectCurrentEntry();
    return;
  }
  main_->stopBlinking();
  // The entry on the picture and in the panes; every open list and the auto-play counter
  // follow it.
  if (!main_->showEntry({pageCode_, order})) {
    selectCurrentEntry();
    return;
  }
  const HandOver& roles = main_->handOver();
  if (roles.sound) roles.sound->stopEntrySound();
  if (!main_->autoPlayRunning() && roles.autoPlay) roles.autoPlay->setIdle();
}

void TLangList::ListBox1DrawItem(SkinnedListBox* control, int index, QRect rect, int state) {
  ListCanvas& canvas = control->Canvas();
  const bool selected = state & SkinnedListBox::odSelected;
  canvas.brushColor = selected ? kSelectedColour : control->Color();
  canvas.fontColor = selected ? QColor(Qt::white) : control->fontColor();
  canvas.fillRect(rect);
  canvas.textOut(rect.left() + 2 - horizontal_, rect.top(), control->itemText(index));
}

void TLangList::OrvikScrollBar2Scroll(int scrollCode, int& scrollPos) {
  switch (scrollCode) {
    case TOrvikScrollBar::scLineUp:
    case TOrvikScrollBar::scLineDown:
    case TOrvikScrollBar::scPageUp:
    case TOrvikScrollBar::scPageDown:
      horizontal_ = std::clamp(scrollPos, 0, kHorizontalExtent);
      break;
    case TOrvikScrollBar::scTrack:
      // A drag repaints only once it has moved half a step since the last repaint.
      if (std::abs(scrollPos - lastRepaintPos_) <= OrvikScrollBar2->SmallChange() / 2) return;
      horizontal_ = std::clamp(scrollPos, 0, kHorizontalExtent);
      break;
    default:
      return;
  }
  lastRepaintPos_ = horizontal_;
  ListBox1->update();
}

void TLangList::OrvikButton1Click() {
  close();
}

void TLangList::paintEvent(QPaintEvent* event) {
  orvik::BorderlessForm::paintEvent(event);
  QPainter p(this);
  orvik::paintDialogFrame(p, height(), width());
}

void TLangList::showEvent(QShowEvent* event) {
  orvik::BorderlessForm::showEvent(event);
  fitVerticalBar();
  OrvikScrollBar2->setPosition(0);
  horizontal_ = 0;
  lastRepaintPos_ = 0;
}

void TLangList::hideEvent(QHideEvent* event) {
  orvik::BorderlessForm::hideEvent(event);
  emit closed(language_.number());
}

void TLangList::forwardKey(QKeyEvent* event) {
  if (!main_) return;
  QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(),
                 event->isAutoRepeat(), ushort(event->count()));
  QCoreApplication::sendEvent(main_, &copy);
}

void TLangList::keyPressEvent(QKeyEvent* event) {
  // Keys the window gets itself belong to the main window's key handler.
  forwardKey(event);
  event->accept();
}

bool TLangList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const int line = ListBox1->ItemIndex();
    const int last = ListBox1->Items().Count() - 1;
    if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
      // Up and Down move through the lines and go to the entry (the list's click does that);
      // on the first or last line they do nothing.
      if (key->key() == Qt::Key_Up) return line == 0 || last < 0;
      if (key->key() == Qt::Key_Down) return line >= last;
    }
    // Anything else does nothing in the list: typed letters do not search it, and the main
    // window's keys (Alt+letter, Ctrl+letter and the rest) still work from here.
    forwardKey(key);
    return true;
  }
  return orvik::BorderlessForm::eventFilter(watched, event);
}
