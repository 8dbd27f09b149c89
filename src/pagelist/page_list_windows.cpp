#include "pagelist/page_list_windows.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>

#include "app/data_module.h"
#include "browse/hand_over.h"
#include "browse/main_window.h"
#include "browse/picture_box.h"
#include "controls/button_fit.h"
#include "controls/cursors.h"
#include "controls/list_with_bar.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_list_box.h"
#include "controls/orvik_panel.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/orvik_zakladka.h"
#include "controls/skin.h"
#include "lang/font_sets.h"
#include "lang/language_captions.h"
#include "lang/multi_lang.h"
#include "platform/event_pump.h"
#include "platform/pop_ups.h"
#include "platform/table.h"
#include "platform/widget_helpers.h"
#include "schema/schema.h"

namespace {

namespace schema = orvik::schema;

const QColor kWindowColour(180, 169, 135);
const QColor kListColour(250, 244, 211);
const QColor kScrollColour(201, 194, 164);

// The texts of the shared design, translation order English, Russian, French, Spanish.
const char* const kGo[4] = {"Go", "Показать", "Afficher", "Señalar"};
const char* const kCancel[4] = {"Cancel", "Отменить", "Annuler", "Anular"};

QStringList group(const char* key, const char* const (&texts)[4]) {
  QStringList lines{QString::fromUtf8(key)};
  for (const char* text : texts) lines << QString::fromUtf8(text);
  return lines;
}

// Go and Cancel are 60 wide; a caption that would not fit in the button's font (the Russian
// ones in Times bold 16) widens it to the right, into the free space beside the list.

}  // namespace

namespace {

// Each window's own title, by language number - 1, each in translation order (English,
// Russian, French, Spanish interface).
const char* const kTitles[4][4] = {
    {"Browse by Pages in English", "Просмотр страниц по-английски",
     "Affichage des pages en anglais", "Ver por páginas en inglés"},
    {"Browse by Pages in French", "Просмотр страниц по-французски",
     "Affichage des pages en français", "Ver por páginas en francés"},
    {"Browse By Pages in Russian", "Просмотр страниц по-русски", "Affichage des pages en russe",
     "Ver por páginas en ruso"},
    {"Browse By Pages in Spanish", "Просмотр страниц по-испански",
     "Affichage des pages en espagnol", "Ver por páginas en español"},
};

}  // namespace

TfrmPageList::TfrmPageList(orvik::Language language, QWidget* parent)
    : orvik::BorderlessForm(parent), language_(language) {
  setObjectName(QStringLiteral("frmPageList") + language.code().toString());
  build();
  MultiLang1->Loaded();
  orvik::applyFont(ListAllPages, orvik::timesBoldSpec(16, orvik::charsetOf(language)));
  // The window's own component: its title in the window caption and in Label1.
  const auto& titles = kTitles[language.number() - 1];
  MultiLang2_ = new TMultiLang(this);
  MultiLang2_->setObjectName(QStringLiteral("MultiLang2"));
  MultiLang2_->setLanguages(4);
  MultiLang2_->setWords(group("%Form%", titles) + group("Label1", titles));
  MultiLang2_->Loaded();
}

void TfrmPageList::applyFontSet(orvik::Language interfaceLanguage) {
  orvik::applyWindowPass(this, orvik::charsetOf(interfaceLanguage));
}

void TfrmPageList::build() {
  setClientSize(kWidth, kHeight);
  // The strip drags the window, except its left corner, which opens the system menu.
  setCaptionStrip(kStripHeight, kSysMenuCorner + 1);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kWindowColour);
  setPalette(pal);

  Image2 = orvik::named<QLabel>(this, "Image2");
  Image2->setGeometry(0, 0, kWidth, kStripHeight);
  Image1 = orvik::named<QLabel>(this, "Image1");
  Image1->setGeometry(0, 20, kWidth, 300);

  Label1 = orvik::named<QLabel>(this, "Label1");
  Label1->setGeometry(22, 3, 355, 17);
  Label1->setAttribute(Qt::WA_TransparentForMouseEvents);

  OrvikBtn981 = orvik::named<TOrvikBtn98>(this, "OrvikBtn981");
  OrvikBtn981->setGeometry(380, 3, 15, 15);
  OrvikBtn981->setPictures(orvik::buttonPictures(orvik::ButtonGlyph::Close, QSize(15, 15)));
  OrvikBtn981->setHintName(QStringLiteral("Close"));

  imgPageList = orvik::named<PictureBox>(this, "imgPageList");
  imgPageList->setGeometry(22, 108, 66, 100);

  const auto plainButton = [this](const char* name, QRect place) {
    TOrvikBtn98* b = orvik::named<TOrvikBtn98>(this, name);
    b->setGeometry(place);
    b->setPictures(orvik::plainButtonPictures(place.size()));
    b->setFontColor(QColor(110, 92, 34));
    b->setCursor(orvik::orvikCursor(orvik::O_FOREFINGER));
    return b;
  };
  btnGo = plainButton("btnGo", QRect(24, 38, 60, 20));
  btnCancel = plainButton("btnCancel", QRect(24, 285, 60, 20));
  btnGo->setCaption(QString::fromUtf8(kGo[0]));
  btnCancel->setCaption(QString::fromUtf8(kCancel[0]));

  ListAllPages = orvik::named<TOrvikListBox>(this, "ListAllPages");
  orvik::setUpOwnerDrawnList(ListAllPages, QRect(126, 26, 266, 288), kListColour, kItemHeight);
  ListAllPages->installEventFilter(this);

  OrvikScrollBar1 = orvik::named<TOrvikScrollBar>(this, "OrvikScrollBar1");
  orvik::setUpListBar(OrvikScrollBar1, QRect(380, 26, 15, 287), kScrollColour, 17);
  OrvikScrollBar1->setMax(0);
  OrvikScrollBar1->hide();

  SysMenu = orvik::named<TOrvikPanel>(this, "SysMenu");
  SysMenu->setGeometry(2, 20, 140, 21);
  SysMenu->setPicture(orvik::panelPicture(QSize(140, 21)));
  SysMenuList = orvik::named<TOrvikChapterList>(SysMenu, "SysMenuList");
  SysMenuList->setGeometry(2, 2, 136, 17);
  SysMenuList->setItemHeight(16);
  SysMenuList->setLines({QStringLiteral("     Close             Alt+F4")});
  orvik::applyFont(SysMenuList, orvik::timesBoldSpec(13, orvik::kWesternCharset));
  SysMenu->hide();
  SysMenu->raise();
  orvik::PopUps::add(SysMenu);

  connect(btnGo, &TOrvikBtn98::clicked, this, &TfrmPageList::btnGoClick);
  connect(btnCancel, &TOrvikBtn98::clicked, this, &TfrmPageList::btnCancelClick);
  connect(OrvikBtn981, &TOrvikBtn98::clicked, this, &TfrmPageList::btnCancelClick);
  connect(ListAllPages, &SkinnedListBox::clicked, this, &TfrmPageList::ListAllPagesClick);
  connect(ListAllPages, &SkinnedListBox::doubleClicked, this, &TfrmPageList::ListAllPagesDblClick);
  // The bar follows the list whatever moved its top line (keys, wheel, the list's own keys).
  connect(ListAllPages, &SkinnedListBox::topIndexChanged, this, &TfrmPageList::followTop);
  orvik::scrollListByBar(OrvikScrollBar1, ListAllPages);
  connect(SysMenuList, &TOrvikChapterList::mousePressed, this, &TfrmPageList::SysMenuListMouseDown);

  // Labels and bitmap buttons take the interface language's Times bold 16.
  applyFontSet(TBaseMultiLang::interfaceLanguage());

  MultiLang1 = new TMultiLang(this);
  MultiLang1->setObjectName(QStringLiteral("MultiLang1"));
  MultiLang1->setLanguages(4);
  MultiLang1->setWords(group("btnGo", kGo) + group("btnCancel", kCancel));
  connect(MultiLang1, &TBaseMultiLang::AfterLanguageChanged, this, [this] {
    orvik::fitPlainButtonToCaption(btnGo, 60, 8);
    orvik::fitPlainButtonToCaption(btnCancel, 60, 8);
  });
  hide();
}

orvik::Table* TfrmPageList::pageNames() const {
  return data_ ? data_->tblPageName(language_) : nullptr;
}

void TfrmPageList::setUp(TForm1* mainWindow, TDMOrvik* data) {
  main_ = mainWindow;
  data_ = data;
  if (!data_ || !data_->settings().installed(language_)) return;
  fill();
}

void TfrmPageList::fill() {
  orvik::Table* names = pageNames();
  if (!names || !names->active()) return;
  QStringList lines;
  QList<PageRef> pages;
  data_->guarded([&] {
    names->setIndexName(schema::PageName::kIndPgNm);
    names->first();
    while (!names->eof() && !names->isEmpty()) {
      // Headings (page code 0) name a group of pages, not a page: they cannot be opened.
      const int code = names->intValue(schema::kPageCode);
      if (code != 0) {
        lines << names->textValue(schema::kPageName);
        pages << PageRef{names->intValue(schema::kChapterCode),
                         names->intValue(schema::kSubchapter), code};
      }
      names->next();
    }
  });
  pages_ = pages;
  ListAllPages->setItems(lines);
  const int extra = int(lines.size()) - kPageLines;
  OrvikScrollBar1->setMax(std::max(0, extra));
  OrvikScrollBar1->setVisible(extra >= 1);
  selectLine(0);
}

int TfrmPageList::pageCodeOfLine(int line) const {
  return line >= 0 && line < pages_.size() ? pages_[line].pageCode : 0;
}

int TfrmPageList::selectedPageCode() const {
  return pageCodeOfLine(ListAllPages->ItemIndex());
}

void TfrmPageList::execute() {
  SysMenu->hide();
  if (main_) centreOn(main_);
  ListAllPages->setFocus();
  showModal();
}

void TfrmPageList::selectLine(int line) {
  if (ListAllPages->Items().Count() == 0) return;
  ListAllPages->setItemIndex(line);
  showThumbnail();
  followTop();
}

void TfrmPageList::followTop() {
  OrvikScrollBar1->setPosition(ListAllPages->TopIndex());
}

void TfrmPageList::showThumbnail() {
  const int code = selectedPageCode();
  if (!code || !data_) return;
  // A page without a small picture leaves the last one shown.
  data_->guarded([&] {
    const QImage picture = data_->dictionary().littlePagePicture(code);
    if (!picture.isNull()) imgPageList->setPicture(picture);
  });
}

// ---------------------------------------------------------------------------------------------
// Handlers

void TfrmPageList::ListAllPagesClick() {
  showThumbnail();
}

void TfrmPageList::ListAllPagesDblClick() {
  if (ListAllPages->ItemIndex() >= 0) btnGoClick();
}

bool TfrmPageList::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  const int count = ListAllPages->Items().Count();
  const int sel = ListAllPages->ItemIndex();
  const int last = count - 1;
  switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down: {
      if (count == 0) return true;
      int target = sel;
      if (key == Qt::Key_PageUp)
        target = std::max(0, sel - kPageLines + 1);
      else if (key == Qt::Key_PageDown)
        target = sel >= count - kPageLines + 1 ? last : sel + kPageLines - 1;
      else if (key == Qt::Key_Up)
        target = std::max(0, sel - 1);
      else
        target = std::min(last, sel + 1);
      selectLine(std::clamp(target, 0, last));
      return true;
    }
    case Qt::Key_Escape:
      btnCancelClick();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      btnGoClick();
      return true;
    case Qt::Key_F4:
      // The system menu's own shortcut.
      if (modifiers == Qt::AltModifier) {
        btnCancelClick();
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TfrmPageList::keyPressEvent(QKeyEvent* event) {
  if (FormKeyDown(event->key(), event->modifiers())) {
    event->accept();
    return;
  }
  orvik::BorderlessForm::keyPressEvent(event);
}

bool TfrmPageList::eventFilter(QObject* watched, QEvent* event) {
  // Key preview: the window sees the list's keys first.
  if (watched == ListAllPages && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (FormKeyDown(key->key(), key->modifiers())) return true;
  }
  return orvik::BorderlessForm::eventFilter(watched, event);
}

void TfrmPageList::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (pos.x() >= 0 && pos.x() < kSysMenuCorner && pos.y() >= 0 && pos.y() < kSysMenuCorner) {
    SysMenu->show();
    SysMenu->raise();
    return;
  }
  orvik::BorderlessForm::mousePressEvent(event);
}

void TfrmPageList::SysMenuListMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
  SysMenu->hide();
  if (SysMenuList->selectedNumber() == 1) btnCancelClick();
}

void TfrmPageList::btnCancelClick() {
  SysMenu->hide();
  close();
}

void TfrmPageList::btnGoClick() {
  if (!main_ || !data_) return;
  const int line = ListAllPages->ItemIndex();
  if (line < 0 || line >= pages_.size()) return;
  if (SoundRole* sound = main_->handOver().sound) sound->playClickSound();
  orvik::BusyCursor busy;
  const PageRef page = pages_[line];
  close();
  // The page view of that page: names, chapter tab, picture, entry 1, the panes and whoever
  // follows the current entry (entry lists, auto-play counter).
  if (!main_->showPage(page.pageCode)) return;
  main_->show();
  main_->raise();
  main_->activateWindow();
  main_->setMouseLock(false);
  // The pointer rests on the page-name sound button.
  main_->pointAtButton(TForm1::Button::SoundPage, QPoint(3, 5));
  orvik::Delay(1);
}
