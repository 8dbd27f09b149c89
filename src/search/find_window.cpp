#include "search/find_window.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

#include "app/data_module.h"
#include "app/dictionary_model.h"
#include "app/table_positions.h"
#include "browse/main_window.h"
#include "controls/button_fit.h"
#include "controls/cursors.h"
#include "controls/list_with_bar.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_list_box.h"
#include "controls/orvik_panel.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/radio_group.h"
#include "controls/skin.h"
#include "lang/font_sets.h"
#include "lang/language_captions.h"
#include "lang/multi_lang.h"
#include "platform/event_pump.h"
#include "platform/pop_ups.h"
#include "platform/table.h"
#include "platform/widget_helpers.h"
#include "schema/schema.h"
#include "search/find_jump.h"
#include "search/find_message.h"
#include "search/find_texts.h"
#include "search/new_string_grid.h"

namespace schema = orvik::schema;

namespace {

const QColor kBackground(238, 230, 201);
const QColor kLabelText(82, 91, 27);
const QColor kMark(180, 169, 135);

QLabel* makeLabel(QWidget* parent, const char* name, QPoint at) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->move(at);
  label->setAttribute(Qt::WA_TranslucentBackground);
  return label;
}

TOrvikBtn98* makeButton(QWidget* parent, const char* name, QRect geometry,
                        const orvik::ButtonPictures& pictures) {
  auto* button = new TOrvikBtn98(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  button->setPictures(pictures);
  button->setCursor(orvik::orvikCursor(orvik::O_FOREFINGER));
  return button;
}

// The title strip: a darker band with the system-menu corner.
QPixmap titleStrip() {
  QPixmap strip = orvik::panelPicture(QSize(TFrmFind::kWidth, 20), orvik::colors::kShadow);
  QPainter p(&strip);
  p.fillRect(QRect(3, 3, 14, 14), orvik::colors::kMainBackground);
  p.setPen(orvik::colors::kDeepShadow);
  p.drawRect(QRect(3, 3, 13, 13));
  p.drawLine(6, 10, 13, 10);
  p.setPen(QColor(140, 125, 67));
  p.drawLine(0, 19, TFrmFind::kWidth, 19);
  return strip;
}

// Words of the shared design's translation component, in translation order (English,
// Russian, French, Spanish).
QStringList designWords() {
  const auto group = [](const char* key, const char* en, const char* ru, const char* fr,
                        const char* sp) {
    return QStringList{QString::fromUtf8(key), QString::fromUtf8(en), QString::fromUtf8(ru),
                       QString::fromUtf8(fr), QString::fromUtf8(sp)};
  };
  QStringList words;
  words << group("btnFind", "Find", "Поиск", "Trouver ", "Buscar");
  words << group("btnCancel", "Cancel", "Отменить", "Annuler", "Anular");
  words << group("btnGo", "Go", "Показать", "Afficher", "Señalar");
  words << group("RadioGroup1", "", "", "", "");
  words << group("\"", "one match per page", "одна ссылка на страницу", "une référence par page",
                 "una referencia por página");
  words << group("\"", "all matches", "все ссылки", "toutes références", "todas las referencias");
  return words;
}

// The window's own title component: the group "Label1" with the title of the window's
// language in translation order (English, Russian, French, Spanish).
TMultiLang* titleComponent(TFrmFind* window, int language) {
  auto* component = new TMultiLang(window);
  component->setObjectName(QStringLiteral("MultiLang1"));
  component->setLanguages(4);
  component->setWords({QStringLiteral("Label1"), findtexts::title(language, 1),
                       findtexts::title(language, 3), findtexts::title(language, 2),
                       findtexts::title(language, 4)});
  QObject::connect(component, &TBaseMultiLang::AfterLanguageChanged, window,
                   [window] { window->Label1->adjustSize(); });
  component->Loaded();
  return component;
}

}  // namespace

TFrmFind::TFrmFind(orvik::Language language, QWidget* parent)
    : orvik::BorderlessForm(parent), language_(language) {
  setClientSize(kWidth, kHeight);
  setCaptionStrip(20, 20);
  createControls();
  bindHandlers();
  MLFind = new TMultiLang(this);
  MLFind->setObjectName(QStringLiteral("MLFind"));
  MLFind->setLanguages(4);
  MLFind->setWords(designWords());
  connect(MLFind, &TBaseMultiLang::AfterLanguageChanged, this,
          &TFrmFind::MLFindAfterLanguageChanged);
  applyInterfaceFonts(interfaceLanguage());
  hide();
  MLFind->Loaded();
  setObjectName(QStringLiteral("frmFind") + language.code().toString());
  MultiLang1 = titleComponent(this, language_.number());
}

TFrmFind::~TFrmFind() = default;

void TFrmFind::applyFontSet(orvik::Language interfaceLanguage) {
  const int charset = orvik::charsetOf(interfaceLanguage);
  orvik::applyWindowPass(this, charset);
  orvik::applyFont(PopUpFindList, orvik::timesBoldSpec(16, charset));
}

void TFrmFind::createControls() {
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kBackground);
  setPalette(pal);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 20, kWidth, kHeight);
  Image1->setPixmap(orvik::panelPicture(QSize(kWidth, kHeight)));
  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(0, 0, kWidth, 20);
  Image2->setPixmap(titleStrip());
  Label1 = makeLabel(this, "Label1", QPoint(24, 3));
  OrvikBtn981 = makeButton(this, "OrvikBtn981", QRect(557, 2, 15, 15),
                           orvik::buttonPictures(orvik::ButtonGlyph::Close, QSize(15, 15)));
  OrvikBtn981->setHintName(QStringLiteral("Close"));

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setGeometry(126, 28, 448, 41);
  Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  const orvik::ButtonPictures plate = orvik::plainButtonPictures(QSize(60, 20));
  btnFind = makeButton(this, "btnFind", QRect(22, 36, 60, 20), plate);
  btnGo = makeButton(this, "btnGo", QRect(22, 36, 60, 20), plate);
  btnGo->hide();
  btnCancel = makeButton(this, "btnCancel", QRect(22, 276, 60, 20), plate);

  imgFind = new QLabel(this);
  imgFind->setObjectName(QStringLiteral("imgFind"));
  imgFind->setGeometry(20, 88, 66, 100);
  imgFind->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(130, 33, 441, 24);
  // Its own menu never pops up: the window's edit menu stands in for it.
  Edit1->setContextMenuPolicy(Qt::NoContextMenu);

  ListBoxFind = new TOrvikListBox(this);
  ListBoxFind->setObjectName(QStringLiteral("ListBoxFind"));
  ListBoxFind->setStyle(SkinnedListBox::ListStyle::OwnerDrawFixed);
  ListBoxFind->setItemHeight(kItemHeight);
  ListBoxFind->setIntegralHeight(true);
  ListBoxFind->setGeometry(130, 62, 439, 212);
  ListBoxFind->setCursor(orvik::orvikCursor(orvik::O_FOREFINGER));
  ScrollListBox = orvik::named<TOrvikScrollBar>(this, "ScrollListBox");
  orvik::setUpListBar(ScrollListBox,
                      QRect(552, ListBoxFind->y() + 2, 15, ListBoxFind->height() - 4),
                      orvik::colors::kDialogScrollBar, 12);
  ScrollListBox->setMax(0);

  NewStringGrid1 = new TNewStringGrid(this);
  NewStringGrid1->setObjectName(QStringLiteral("NewStringGrid1"));
  NewStringGrid1->setGeometry(130, 60, 439, 10 * kRowHeight + 4);
  NewStringGrid1->setColCount(3);
  NewStringGrid1->setColWidths(0, 154);
  NewStringGrid1->setColWidths(1, 157);
  NewStringGrid1->setColWidths(2, 337);
  NewStringGrid1->setDefaultRowHeight(kRowHeight);
  NewStringGrid1->setRowCount(2);
  NewStringGrid1->setFixedColor(kBackground);
  NewStringGrid1->setColor(Qt::white);
  NewStringGrid1->setMarkColor(kMark);
  NewStringGrid1->setCursor(orvik::orvikCursor(orvik::O_FOREFINGER));
  NewStringGrid1->hide();
  ScrollStringGrid = orvik::named<TOrvikScrollBar>(this, "ScrollStringGrid");
  orvik::setUpListBar(ScrollStringGrid, QRect(552, 80, 15, 162), orvik::colors::kDialogScrollBar,
                      8);
  ScrollStringGrid->setMin(1);
  ScrollStringGrid->hide();

  lblResults = makeLabel(this, "lblResults", QPoint(138, 252));
  lblResults->setText(QStringLiteral("Search Results:"));
  // The word list, while it shows, covers the result label below it.
  ListBoxFind->raise();
  ScrollListBox->raise();

  RadioGroup1 = new TRadioGroup(this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  RadioGroup1->setGeometry(130, 274, 439, 34);
  RadioGroup1->setColumns(2);
  RadioGroup1->setItems({QStringLiteral("one match per page"), QStringLiteral("all matches")});
  RadioGroup1->setItemIndex(0);
  for (QWidget* w : std::initializer_list<QWidget*>{lblResults, RadioGroup1}) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, kLabelText);
    p.setColor(QPalette::Window, kBackground);
    w->setPalette(p);
  }

  SysMenu = new TOrvikPanel(this);
  SysMenu->setObjectName(QStringLiteral("SysMenu"));
  SysMenu->setGeometry(2, 20, 140, 21);
  SysMenu->setPicture(orvik::panelPicture(QSize(140, 21)));
  SysMenuList = new TOrvikChapterList(SysMenu);
  SysMenuList->setObjectName(QStringLiteral("SysMenuList"));
  SysMenuList->setItemHeight(16);
  SysMenuList->setGeometry(1, 2, 138, 18);
  SysMenuList->setLines({findtexts::systemMenuLine()});
  SysMenuList->setCursor(orvik::orvikCursor(orvik::O_FOREFINGER));
  SysMenu->hide();

  PopUpFind = new TOrvikPanel(this);
  PopUpFind->setObjectName(QStringLiteral("PopUpFind"));
  PopUpFind->resize(kEditMenuWidth, 110);
  PopUpFind->setPicture(orvik::panelPicture(QSize(kEditMenuWidth, 110)));
  PopUpFindList = new TOrvikChapterList(PopUpFind);
  PopUpFindList->setObjectName(QStringLiteral("PopUpFindList"));
  PopUpFindList->setItemHeight(18);
  PopUpFindList->setGeometry(6, 1, 92, 108);
  PopUpFindList->setLines(findtexts::editMenuLines(1));
  PopUpFindList->setCursor(orvik::orvikCursor(orvik::O_FOREFINGER));
  PopUpFind->hide();
  // A press anywhere else hides the two menus.
  orvik::PopUps::add(SysMenu);
  orvik::PopUps::add(PopUpFind);

  const orvik::FontSpec search = orvik::arialSpec(16, orvik::charsetOf(language_));
  orvik::applyFont(Edit1, search);
  orvik::applyFont(ListBoxFind, search);
  orvik::applyFont(NewStringGrid1, search);
  NewStringGrid1->setDataRows({});
  const QStringList headings = findtexts::headings(language_.number());
  for (int c = 0; c < 3; ++c) NewStringGrid1->setCells(c, 0, headings[c]);
}

void TFrmFind::bindHandlers() {
  connect(Edit1, &QLineEdit::textChanged, this, &TFrmFind::Edit1Change);
  connect(ListBoxFind, &SkinnedListBox::clicked, this, &TFrmFind::ListBoxFindClick);
  connect(ListBoxFind, &SkinnedListBox::doubleClicked, this, &TFrmFind::btnFindClick);
  connect(ListBoxFind, &SkinnedListBox::topIndexChanged, this, [this](int top) {
    if (ScrollListBox->Position() != top && top <= ScrollListBox->Max())
      ScrollListBox->setPosition(top);
  });
  connect(btnFind, &TOrvikBtn98::clicked, this, &TFrmFind::btnFindClick);
  connect(btnGo, &TOrvikBtn98::clicked, this, &TFrmFind::btnGoClick);
  connect(btnCancel, &TOrvikBtn98::clicked, this, &TFrmFind::btnCancelClick);
  connect(OrvikBtn981, &TOrvikBtn98::clicked, this, &TFrmFind::btnCancelClick);
  connect(RadioGroup1, &TRadioGroup::clicked, this, &TFrmFind::RadioGroup1Click);
  orvik::scrollListByBar(ScrollListBox, ListBoxFind);
  connect(ScrollStringGrid, &TOrvikScrollBar::scrolled, this, &TFrmFind::ScrollStringGridScroll);
  connect(NewStringGrid1, &TNewStringGrid::mouseMoved, this, &TFrmFind::NewStringGrid1MouseMove);
  connect(NewStringGrid1, &TNewStringGrid::clicked, this, &TFrmFind::NewStringGrid1Click);
  connect(NewStringGrid1, &TNewStringGrid::rowsAboutToPaint, this, &TFrmFind::loadPictures);
  connect(NewStringGrid1, &TNewStringGrid::topLeftChanged, this, [this] {
    // The grid never scrolls sideways.
    if (NewStringGrid1->LeftCol() > 0) NewStringGrid1->setLeftCol(0);
  });
  connect(PopUpFindList, &TOrvikChapterList::mousePressed, this,
          [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { PopUpFindListMouseDown(); });
  connect(SysMenuList, &TOrvikChapterList::mousePressed, this,
          [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { SysMenuListMouseDown(); });
  // The window sees every key first, and the edit box's right button opens the edit menu.
  const QList<QWidget*> children = findChildren<QWidget*>();
  for (QWidget* child : children) child->installEventFilter(this);
}

void TFrmFind::setProgram(TDMOrvik* data, TForm1* mainWindow, TMsgFind* message) {
  data_ = data;
  main_ = mainWindow;
  message_ = message;
  jump_ = std::make_unique<FindJump>(data, mainWindow);
}

int TFrmFind::execute() {
  return showModal();
}

int TFrmFind::interfaceLanguage() const {
  return TBaseMultiLang::interfaceLanguage().number();
}

void TFrmFind::applyInterfaceFonts(int languageNumber) {
  const int charset = orvik::charsetOfLanguageNumber(languageNumber);
  if (!charset) return;
  orvik::applyWindowPass(this, charset);
  orvik::applyFont(PopUpFindList, orvik::timesBoldSpec(16, charset));
  orvik::applyFont(SysMenuList, orvik::timesBoldSpec(16, charset));
  for (QRadioButton* b : RadioGroup1->findChildren<QRadioButton*>())
    orvik::applyFont(b, orvik::timesBoldSpec(16, charset));
  Label1->adjustSize();
  lblResults->adjustSize();
}

// ---------------------------------------------------------------------------------------------
// Showing and the word list

void TFrmFind::showEvent(QShowEvent* event) {
  orvik::BorderlessForm::showEvent(event);
  FormShow();
}

void TFrmFind::FormShow() {
  if (!built_) buildWordList();
  if (main_) centreOn(main_);
  Edit1->setFocus();
  Edit1->selectAll();
  orvik::applyFont(Edit1, orvik::arialSpec(16, orvik::charsetOf(language_)));
  if (mode_ == Mode::Results && currentRow_ >= 1 && currentRow_ <= resultCount())
    markRow(currentRow_);
}

void TFrmFind::buildWordList() {
  if (!data_) return;
  orvik::Table* table = data_->tblWordFind(language_);
  if (!table) return;
  if (message_) {
    message_->showFor(language_.number(), interfaceLanguage(), main_);
    orvik::Delay(1);
  }
  orvik::BusyCursor wait;
  ListBoxFind->Items().Clear();
  ListBoxFind->show();
  QStringList items;
  const bool ok = data_->guarded([&] {
    ++reads_;
    items = SearchWordList::readWords(table, [this](int done, int total) {
      if (message_) message_->setProgress(done, total);
    });
  });
  if (message_) message_->hide();
  if (!ok) {
    closeWindow(mrCancel);
    return;
  }
  // French and Spanish stand in the list control's own case-insensitive order. They are put in
  // that order before the list takes them, so the list's sorting finds them in place.
  const bool sorted = language_ == orvik::Language::French || language_ == orvik::Language::Spanish;
  if (sorted)
    std::stable_sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
      return SkinnedListBox::compareItems(a, b) < 0;
    });
  ListBoxFind->Items().BeginUpdate();
  ListBoxFind->Items().Assign(items);
  if (sorted) ListBoxFind->setSorted(true);
  ListBoxFind->Items().EndUpdate();
  words_.setItems(ListBoxFind->Items().toStringList());
  const int rows = ListBoxFind->height() / ListBoxFind->ItemHeight();
  ScrollListBox->setMax(qMax(0, words_.count() - rows));
  ScrollListBox->setPosition(0);
  setEditText(words_.count() > 0 ? words_.items().first() : QString());
  built_ = true;
}

void TFrmFind::setEditText(const QString& text) {
  if (Edit1->text() != text) Edit1->setText(text);
}

// ---------------------------------------------------------------------------------------------
// Typing and the word list

void TFrmFind::Edit1Change() {
  if (mode_ == Mode::Results) enterWordListMode();
  const int current = ListBoxFind->ItemIndex();
  const int s = words_.match(Edit1->text(), current);
  if (s != current && s >= 0) {
    ListBoxFind->setItemIndex(s);
    ScrollListBox->setPosition(ListBoxFind->TopIndex());
  }
}

void TFrmFind::selectItem(int index) {
  if (index < 0 || index >= ListBoxFind->Items().Count()) return;
  ListBoxFind->setItemIndex(index);
  ListBoxFindClick();
}

void TFrmFind::ListBoxFindClick() {
  const int index = ListBoxFind->ItemIndex();
  if (index < 0) return;
  // A single space first, so the change handler runs even when the text was the item's.
  Edit1->setText(QStringLiteral(" "));
  Edit1->setText(ListBoxFind->Items().Get(index));
}

bool TFrmFind::listKey(int key, Qt::KeyboardModifiers mods) {
  const int count = ListBoxFind->Items().Count();
  const int page = ListBoxFind->height() / ListBoxFind->ItemHeight();
  const int sel = ListBoxFind->ItemIndex();
  const bool ctrlOnly = mods == Qt::ControlModifier;
  int target = -2;
  bool atEnd = false;
  switch (key) {
    case Qt::Key_PageUp:
      if (sel <= 0) return true;
      target = qMax(0, sel + 1 - page);
      break;
    case Qt::Key_PageDown:
      if (sel >= count - (page - 1)) {
        target = count - 1;
        atEnd = true;
      } else {
        target = sel + page - 1;
      }
      break;
    case Qt::Key_Home:
      if (!ctrlOnly) return false;
      target = 0;
      break;
    case Qt::Key_End:
      if (!ctrlOnly) return false;
      target = count - 1;
      atEnd = true;
      break;
    case Qt::Key_Up:
      if (sel <= 0) return true;
      target = sel - 1;
      break;
    case Qt::Key_Down:
      target = qMin(sel + 1, count - 1);
      break;
    default:
      return false;
  }
  if (count == 0 || target < 0) return true;
  selectItem(target);
  if (target == 0)
    ScrollListBox->setPosition(ScrollListBox->Min());
  else if (atEnd || target == count - 1)
    ScrollListBox->setPosition(ScrollListBox->Max());
  else
    ScrollListBox->setPosition(ListBoxFind->TopIndex());
  return true;
}

// ---------------------------------------------------------------------------------------------
// Modes

void TFrmFind::enterWordListMode() {
  mode_ = Mode::WordList;
  btnFind->show();
  ListBoxFind->show();
  ScrollListBox->show();
  btnGo->hide();
  NewStringGrid1->hide();
  ScrollStringGrid->hide();
  showSlot(0);
}

bool TFrmFind::gridBarShown() const {
  return !ScrollStringGrid->isHidden();
}

void TFrmFind::regridAfterSearch() {
  NewStringGrid1->setTopRow(1);
  const int visible = NewStringGrid1->VisibleRowCount();
  const int n = resultCount();
  if (visible < n) {
    ScrollStringGrid->setMax(NewStringGrid1->RowCount() - visible + 1);
    ScrollStringGrid->setPosition(1);
    ScrollStringGrid->show();
    // The bar stands over the grid's right edge: the cells end where it begins.
    NewStringGrid1->setCoveredRight(NewStringGrid1->geometry().right() + 1 - ScrollStringGrid->x());
  } else {
    ScrollStringGrid->hide();
    NewStringGrid1->setCoveredRight(0);
  }
  currentRow_ = 1;
  pointedRow_ = 1;
  if (n >= 1)
    markRow(1);
  else
    NewStringGrid1->setMarkedRow(0);
}

void TFrmFind::enterResultsMode() {
  mode_ = Mode::Results;
  regridAfterSearch();
  imgFind->show();
  btnGo->show();
  Edit1->setFocus();
  Edit1->selectAll();
  NewStringGrid1->show();
  btnFind->hide();
  ListBoxFind->hide();
  ScrollListBox->hide();
}

// ---------------------------------------------------------------------------------------------
// Find and the results

void TFrmFind::btnFindClick() {
  if (main_ && main_->handOver().sound) main_->handOver().sound->playClickSound();
  const int index = ListBoxFind->ItemIndex();
  // The search always looks for a word of the list; with none selected (an empty list) there
  // is nothing to look for.
  if (index < 0 || !data_) return;
  orvik::BusyCursor wait;
  setEditText(ListBoxFind->Items().Get(index));
  const QStringList headings = findtexts::headings(language_.number());
  for (int c = 0; c < 3; ++c) NewStringGrid1->setCells(c, 0, headings[c]);
  search();
  lastWord_ = Edit1->text().trimmed();
  searched_ = true;
  writeResultText(interfaceLanguage());
  showSlot(0);
  enterResultsMode();
}

void TFrmFind::search() {
  results_.clear();
  pageNames_.clear();
  chapterNames_.clear();
  const QString w = Edit1->text().trimmed();
  orvik::Table* find = data_->tblWordFind(language_);
  const bool onePerPage = RadioGroup1->ItemIndex() == 0;
  data_->guarded([&] {
    // The search table is the find windows' own; entries, pages and chapters are read by value.
    orvik::DictionaryModel& dictionary = data_->dictionary();
    if (!find || !dictionary.hasLanguage(language_) || w.isEmpty()) return;
    find->setIndexName(schema::WordFind::kIndFindWord);
    if (find->isEmpty()) return;
    find->findNearest({w});
    // The nearest row may be a word that differs only in case, or the same word with spaces
    // after it; a row that no longer begins with the word ends the search.
    bool found = false;
    while (!find->eof()) {
      const QString word = find->textValue(schema::kWord);
      if (word.trimmed() == w) {
        found = true;
        break;
      }
      if (!word.startsWith(w) && word > w) break;
      if (find->moveBy(1) != 1) break;
    }
    if (!found) {
      // A word stored with spaces before it sorts away from its trimmed form: only such a
      // table costs a walk through the whole index.
      find->first();
      while (!find->eof() && find->textValue(schema::kWord).trimmed() != w)
        if (find->moveBy(1) != 1) break;
      found = !find->eof() && find->textValue(schema::kWord).trimmed() == w;
    }
    if (!found) return;
    int previousOrder = 0, previousPage = -1;
    while (!find->eof() && find->textValue(schema::kWord).trimmed() == w) {
      const int pageCode = find->intValue(schema::kPageCode);
      const int order = find->intValue(schema::kOrder);
      const bool sameEntry = pageCode == previousPage && order == previousOrder;
      previousPage = pageCode;
      previousOrder = order;
      // A word written twice in one entry, and in "one match per page" the further entries of
      // the page just listed, add no row.
      const bool merged = onePerPage && !results_.isEmpty() && results_.last().pageCode == pageCode;
      if (!sameEntry && !merged) {
        Result r;
        r.pageCode = pageCode;
        r.order = order;
        auto page = pageNames_.constFind(pageCode);
        if (page == pageNames_.constEnd())
          page = pageNames_.insert(pageCode, dictionary.pageName(pageCode, language_));
        r.page = *page;
        r.entry = r.page.isEmpty() ? QString() : dictionary.headWord({pageCode, order}, language_);
        // A row whose entry or page is gone is left out, rather than shown blank.
        if (!r.entry.isEmpty()) {
          const int chapterCode = find->intValue(schema::kChapterCode);
          auto chapter = chapterNames_.constFind(chapterCode);
          if (chapter == chapterNames_.constEnd())
            chapter =
                chapterNames_.insert(chapterCode, dictionary.chapterName(chapterCode, language_));
          r.chapter = *chapter;
          results_.append(r);
        }
      }
      if (find->moveBy(1) != 1) break;
    }
  });
  QList<QStringList> rows;
  rows.reserve(results_.size());
  for (const Result& r : results_) rows.append({r.entry, r.page, r.chapter});
  NewStringGrid1->setDataRows(rows);
}

void TFrmFind::writeResultText(int interface) {
  if (!searched_) {
    const QString caption = findtexts::resultCaption(interface);
    if (!caption.isEmpty()) lblResults->setText(caption);
  } else {
    const int n = resultCount();
    int pages = 0;
    for (int i = 0; i < n; ++i)
      if (i == 0 || results_[i].pageCode != results_[i - 1].pageCode) ++pages;
    const QString text = findtexts::resultText(interface, n, pages);
    if (!text.isEmpty()) lblResults->setText(text);
  }
  lblResults->adjustSize();
}

QImage TFrmFind::slot(int row) {
  if (row < 1 || row > resultCount() || !data_) return {};
  const int pageCode = results_[row - 1].pageCode;
  auto it = pictureOfPage_.constFind(pageCode);
  if (it != pictureOfPage_.constEnd()) return *it;
  QImage picture;
  data_->guarded([&] { picture = data_->dictionary().littlePagePicture(pageCode); });
  ++picturesRead_;
  pictureOfPage_.insert(pageCode, picture);
  return picture;
}

void TFrmFind::loadPictures(int first, int last) {
  if (mode_ != Mode::Results) return;
  for (int row = qMax(1, first); row <= qMin(last, resultCount()); ++row) slot(row);
}

void TFrmFind::showSlot(int row) {
  const QImage picture = slot(row);
  if (picture.isNull())
    imgFind->clear();
  else
    imgFind->setPixmap(orvik::pictureAtRatio(picture));
}

void TFrmFind::markRow(int row) {
  if (row < 1 || row > resultCount()) return;
  currentRow_ = row;
  NewStringGrid1->setMarkedRow(row);
  showSlot(row);
}

// ---------------------------------------------------------------------------------------------
// Result rows with the mouse and keys

void TFrmFind::NewStringGrid1MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint pos) {
  if (PopUpFind->isVisible() || pos.y() <= kRowHeight) return;
  const int r = NewStringGrid1->MouseToCell(pos).y();
  if (r == pointedRow_ || r < 1 || r > resultCount()) return;
  markRow(r);
  pointedRow_ = r;
}

void TFrmFind::NewStringGrid1Click(QPoint pos) {
  const int r = NewStringGrid1->MouseToCell(pos).y();
  if (r < 1 || r > resultCount()) return;
  if (r != currentRow_) {
    markRow(r);
    pointedRow_ = r;
  }
  btnGoClick();
}

void TFrmFind::gridKey(int key, Qt::KeyboardModifiers mods) {
  const int n = resultCount();
  if (n == 0) return;
  const int r = currentRow_;
  int t = NewStringGrid1->TopRow();
  const int v = NewStringGrid1->VisibleRowCount();
  const bool inView = r >= t && r <= t + v - 1;
  const bool bar = gridBarShown();
  int target = r;
  const auto outOfViewUp = [&] { target = qMin(t + v - 1, n); };
  const auto downAtEnd = [&] {
    if (bar) {
      t = ScrollStringGrid->Max();
      ScrollStringGrid->setPosition(t);
    }
  };
  switch (key) {
    case Qt::Key_Up:
      if (!inView)
        outOfViewUp();
      else if (r >= 2) {
        if (r == t) --t;
        target = r - 1;
      }
      break;
    case Qt::Key_Down:
      if (r == n)
        downAtEnd();
      else if (!inView)
        target = t;
      else {
        if (t + v == r + 1 && t != ScrollStringGrid->Max()) ++t;
        target = r + 1;
      }
      break;
    case Qt::Key_PageUp:
      if (!inView)
        outOfViewUp();
      else if (r >= 2) {
        target = qMax(1, r - 8);
        if (bar) t = target;
      }
      break;
    case Qt::Key_PageDown:
      if (r == n)
        downAtEnd();
      else if (!inView)
        target = t;
      else {
        target = qMin(n, r + 8);
        if (bar) t = target - 8;
      }
      break;
    case Qt::Key_End:
      if (mods != Qt::ControlModifier) return;
      target = n;
      if (bar) t = NewStringGrid1->RowCount() - 8;
      break;
    case Qt::Key_Home:
      if (mods != Qt::ControlModifier) return;
      target = 1;
      if (bar) t = 1;
      break;
    default:
      return;
  }
  NewStringGrid1->setTopRow(t);
  markRow(target);
  pointedRow_ = currentRow_;
  ScrollStringGrid->setPosition(NewStringGrid1->TopRow());
}

void TFrmFind::ScrollStringGridScroll(int scrollCode, int& scrollPos) {
  const int t = NewStringGrid1->TopRow();
  switch (scrollCode) {
    case TOrvikScrollBar::scLineUp:
    case TOrvikScrollBar::scPageUp:
      NewStringGrid1->setTopRow(t < 2 ? 1 : scrollPos);
      break;
    case TOrvikScrollBar::scLineDown:
    case TOrvikScrollBar::scPageDown:
      if (t < ScrollStringGrid->Max()) NewStringGrid1->setTopRow(scrollPos);
      break;
    case TOrvikScrollBar::scTrack:
      NewStringGrid1->setTopRow(scrollPos);
      break;
    default:
      break;
  }
}

// ---------------------------------------------------------------------------------------------
// The mode of the search

void TFrmFind::RadioGroup1Click() {
  if (mode_ != Mode::Results) return;
  {
    orvik::BusyCursor wait;
    showSlot(0);
    setEditText(lastWord_);
    search();
    writeResultText(interfaceLanguage());
  }
  // The shared part: the list starts again at its first row.
  regridAfterSearch();
  pointedRow_ = 1;
}

// ---------------------------------------------------------------------------------------------
// Keys, Go and closing

bool TFrmFind::FormKeyDown(int key, Qt::KeyboardModifiers mods) {
  const bool menuShown = PopUpFind->isVisible();
  if (key == Qt::Key_Escape) {
    if (menuShown)
      PopUpFind->hide();
    else
      btnCancelClick();
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    if (menuShown) return true;
    if (mode_ == Mode::WordList)
      btnFindClick();
    else
      btnGoClick();
    return true;
  }
  if (menuShown) return false;
  if ((key == Qt::Key_Left || key == Qt::Key_Right) && !Edit1->hasFocus()) {
    RadioGroup1->setItemIndex(1 - RadioGroup1->ItemIndex());
    if (QRadioButton* b = RadioGroup1->button(RadioGroup1->ItemIndex())) b->setFocus();
    RadioGroup1Click();
    return true;
  }
  const bool navigation =
      key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
      key == Qt::Key_PageDown ||
      ((key == Qt::Key_Home || key == Qt::Key_End) && mods == Qt::ControlModifier);
  if (!navigation) return false;
  if (mode_ == Mode::WordList) return listKey(key, mods);
  gridKey(key, mods);
  return true;
}

void TFrmFind::btnGoClick() {
  if (mode_ != Mode::Results || currentRow_ < 1 || currentRow_ > resultCount() || !jump_) return;
  orvik::BusyCursor wait;
  const Result r = results_[currentRow_ - 1];
  jump_->jump(r.pageCode, r.order);
  closeWindow(mrOk);
  jump_->showPage();
  orvik::Delay(1);
  lastMarked_ = jump_->markWord(language_, lastWord_);
}

void TFrmFind::btnCancelClick() {
  if (main_ && main_->handOver().sound) main_->handOver().sound->playClickSound();
  closeWindow(mrCancel);
}

void TFrmFind::closeWindow(int result) {
  PopUpFind->hide();
  SysMenu->hide();
  if (isShowingModal())
    setModalResult(result);
  else
    hide();
}

// ---------------------------------------------------------------------------------------------
// Menus and frame

void TFrmFind::fitEditMenu() {
  // The menu is 100 wide; lines that need more in their font ("Tout sélectionner") widen it.
  const QFontMetrics metrics(PopUpFindList->font());
  int widest = 0;
  for (const QString& line : PopUpFindList->Lines())
    widest = std::max(widest, metrics.horizontalAdvance(line));
  const int width = std::max(kEditMenuWidth, PopUpFindList->x() + widest + 8);
  if (width == PopUpFind->width()) return;
  PopUpFind->resize(width, PopUpFind->height());
  PopUpFind->setPicture(orvik::panelPicture(PopUpFind->size()));
  PopUpFindList->resize(width - PopUpFindList->x() - 2, PopUpFindList->height());
}

void TFrmFind::Edit1MouseDown(Qt::MouseButton button, QPoint pos) {
  if (button != Qt::RightButton) return;
  const int w = PopUpFind->width();
  const int left = pos.x() > Edit1->width() - w ? Edit1->x() + pos.x() - w : Edit1->x() + pos.x();
  PopUpFind->move(left, Edit1->y() + pos.y());
  PopUpFind->show();
  PopUpFind->raise();
}

void TFrmFind::PopUpFindListMouseDown() {
  const int line = PopUpFindList->selectedNumber();
  PopUpFind->hide();
  Edit1->setFocus();
  switch (line) {
    case 1:
      Edit1->undo();
      break;
    case 2:
      Edit1->cut();
      break;
    case 3:
      Edit1->copy();
      break;
    case 4:
      Edit1->paste();
      break;
    case 5:
      Edit1->del();
      break;
    case 6:
      Edit1->selectAll();
      break;
    default:
      break;
  }
}

void TFrmFind::SysMenuListMouseDown() {
  const int line = SysMenuList->selectedNumber();
  SysMenu->hide();
  if (line == 1) btnCancelClick();
}

void TFrmFind::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (pos.x() < 20 && pos.y() < 20 && pos.x() >= 0 && pos.y() >= 0) {
    SysMenu->show();
    SysMenu->raise();
    return;
  }
  orvik::BorderlessForm::mousePressEvent(event);
}

bool TFrmFind::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && isVisible()) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (FormKeyDown(key->key(), key->modifiers())) return true;
  } else if (event->type() == QEvent::MouseButtonPress && watched == Edit1) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
      Edit1MouseDown(mouse->button(), mouse->position().toPoint());
      return true;
    }
  }
  return orvik::BorderlessForm::eventFilter(watched, event);
}

void TFrmFind::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kBackground);
}

void TFrmFind::MLFindAfterLanguageChanged(TBaseMultiLang*, quint8 newLanguage) {
  const int number = orvik::languageNumberOfIndex(newLanguage);
  if (number < 1) return;
  writeResultText(number);
  PopUpFindList->setLines(findtexts::editMenuLines(number));
  applyInterfaceFonts(number);
  fitEditMenu();
  // The buttons are 60 wide; a caption that would not fit in its font (the Russian "Отменить")
  // widens its button about the same centre.
  for (TOrvikBtn98* button : {btnFind, btnGo, btnCancel}) {
    if (!orvik::fitPlainButtonToCaption(button, 60, 8)) continue;
    const int centre = 22 + 30;
    button->move(centre - button->width() / 2, button->y());
  }
}
