// The main window's life cycle and layout: the controls of the three views at their places,
// creation in its fixed order of steps, showing (cursors), closing (settings) and destruction.

#include "browse/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QSet>

#include "app/data_module.h"
#include "app/scrambled_picture.h"
#include "browse/button_hints.h"
#include "browse/chapter_view.h"
#include "browse/data_image.h"
#include "browse/entry_panes.h"
#include "browse/hand_over.h"
#include "browse/name_label.h"
#include "browse/orvik_word.h"
#include "browse/page_list_view.h"
#include "browse/page_picture.h"
#include "browse/picture_box.h"
#include "browse/window_frame.h"
#include "controls/cursors.h"
#include "controls/hint_windows.h"
#include "controls/new_list_box.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_btn_nav.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_panel.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/orvik_zakladka.h"
#include "controls/skin.h"
#include "controls/tab_skin.h"
#include "lang/font_sets.h"
#include "lang/language_captions.h"
#include "lang/multi_lang.h"
#include "platform/application.h"
#include "platform/db_error.h"
#include "platform/failure.h"
#include "platform/message_boxes.h"
#include "platform/pop_ups.h"
#include "platform/widget_helpers.h"
#include "schema/schema.h"

namespace {

// The left of the page-list panel, and where the list and the small picture stand inside it
// (the list's top row lines up with the small picture's top at 2).
constexpr int kLittlePanelLeft = 22;
constexpr int kLittlePanelTop = 30;
constexpr int kLittleLeft = 3;
constexpr int kLittleSize[2] = {66, 100};
constexpr int kListLeft = kLittleLeft + 66 + 4;

// A picture of w by h logical pixels at the skin's device pixel ratio.
QImage skinImage(int w, int h, QImage::Format format) {
  const qreal ratio = orvik::skinRatio();
  QImage img(qRound(w * ratio), qRound(h * ratio), format);
  img.setDevicePixelRatio(ratio);
  return img;
}

// The title strip: a band of the shadow colours with the window's emblem in its corner (the
// system menu opens there).
QImage titleStripPicture() {
  QImage img = skinImage(748, 20, QImage::Format_RGB32);
  QPainter p(&img);
  QLinearGradient g(0, 0, 0, 20);
  g.setColorAt(0, QColor(214, 204, 172));
  g.setColorAt(1, orvik::colors::kShadow);
  p.fillRect(QRect(0, 0, 748, 20), g);
  p.fillRect(QRect(0, 19, 748, 1), orvik::colors::kDeepShadow);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(orvik::colors::kHeadingText);
  p.setPen(QPen(orvik::colors::kLightFace, 1.2));
  p.drawRoundedRect(QRectF(4.5, 3.5, 13, 13), 3, 3);
  p.setPen(QPen(orvik::colors::kLightFace, 1.6));
  p.drawLine(QPointF(8, 7), QPointF(14, 7));
  p.drawLine(QPointF(8, 10), QPointF(14, 10));
  p.drawLine(QPointF(8, 13), QPointF(12, 13));
  return img;
}

// The hidden picture of Alt+Z: a closed eye.
QImage closedEyePicture() {
  QImage img = skinImage(44, 27, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(orvik::colors::kButtonText, 2));
  p.drawArc(QRectF(4, -4, 36, 24), 200 * 16, 140 * 16);
  for (int x : {12, 22, 32}) p.drawLine(QPointF(x, 19), QPointF(x + (x - 22) / 4.0, 24));
  return img;
}

}  // namespace

TForm1::TForm1(TDMOrvik* data, QWidget* parent) : orvik::BorderlessForm(parent), data_(data) {
  setObjectName(QStringLiteral("Form1"));
  createControls();
  bindHandlers();
  FormCreate();
}

TForm1::~TForm1() {
  FormDestroy();
  // QWidget's destructor, which runs after this one, closes the window; the hover then moves to
  // the button under the pointer, whose signals must not reach this half-destroyed window.
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

bool TForm1::guard(const std::function<void()>& op) {
  if (data_) return data_->guarded(op);
  try {
    op();
    return true;
  } catch (const orvik::DbError&) {
    orvik::Application::terminate(7);
    return false;
  }
}

// ---------------------------------------------------------------------------------------------
// Controls

void TForm1::createControls() {
  using orvik::ButtonGlyph;
  Image1 = orvik::named<PictureBox>(this, "Image1");
  Image1->setGeometry(5, 5, 748, 20);
  Image1->setPicture(titleStripPicture());
  // Presses on the strip are the window's own: they drag it.
  Image1->setAttribute(Qt::WA_TransparentForMouseEvents);
  lblMainCap = orvik::named<QLabel>(this, "lblMainCap");
  lblMainCap->setText(QStringLiteral("Orvik Dictionary"));
  lblMainCap->setGeometry(27, 7, 300, 16);
  orvik::applyFont(lblMainCap, orvik::timesBoldSpec(13, orvik::kWesternCharset));
  lblMainCap->setAttribute(Qt::WA_TransparentForMouseEvents);
  const auto windowButton = [this](const char* name, ButtonGlyph glyph, int left) {
    auto* b = orvik::named<TOrvikBtn98>(this, name);
    b->setPictures(orvik::buttonPictures(glyph, QSize(15, 15)));
    b->setGeometry(left, 7, 15, 15);
    return b;
  };
  btnMinimize = windowButton("btnMinimize", ButtonGlyph::Minimize, 702);
  btnRestore = windowButton("btnRestore", ButtonGlyph::Restore, 718);
  btnMaximize = windowButton("btnMaximize", ButtonGlyph::Maximize, 718);
  btnClose = windowButton("btnClose", ButtonGlyph::Close, 734);
  btnRestore->hide();

  pnlMain = orvik::named<QWidget>(this, "pnlMain");
  pnlMain->setGeometry(5, 25, 748, 535);
  // Movements over the window's own background, its frame and the title strip, and over
  // pnlMain where no tracking control lies (the disabled chapter picture passes its movements
  // on), reach FormMouseMove.
  setMouseTracking(true);
  pnlMain->setMouseTracking(true);
  PhonChapters = orvik::named<QLabel>(pnlMain, "PhonChapters");
  Phon = orvik::named<QLabel>(pnlMain, "Phon");
  // The backgrounds see the mouse so that moving over them closes the choosers.
  PhonChapters->setMouseTracking(true);
  Phon->setMouseTracking(true);
  PhonChapters->installEventFilter(this);
  Phon->installEventFilter(this);

  // Chapter view.
  ListBoxChapter = orvik::named<TOrvikChapterList>(pnlMain, "ListBoxChapter");
  ListBoxChapter->setGeometry(30, 10, 307, 481);
  Zakladki = orvik::named<TOrvikZakladka>(pnlMain, "Zakladki");
  Zakladki->setPictures(orvik::tabStripPictures());
  Zakladki->setGeometry(365, 10, 15, 481);
  // Both reachable by Tab and worked with the arrows and Enter; a click leaves the focus where
  // it was.
  ListBoxChapter->setFocusPolicy(Qt::TabFocus);
  Zakladki->setFocusPolicy(Qt::TabFocus);
  ImgChapter = orvik::named<PictureBox>(pnlMain, "ImgChapter");

  // Page-list view.
  PanelChapName = orvik::named<TOrvikPanel>(pnlMain, "PanelChapName");
  PanelChapName->setGeometry(kLittlePanelLeft, 1, 332, 27);
  PanelChapName->setBevelOuter(TOrvikPanel::bvNone);
  lblChapterName = orvik::named<NameLabel>(PanelChapName, "lblChapterName");
  lblChapterName->setGeometry(34, 1, 294, 25);
  lblPageName = orvik::named<NameLabel>(pnlMain, "lblPageName");
  lblPageName->setGeometry(55, 31, 290, 22);
  PanelForImgLittle = orvik::named<TOrvikPanel>(pnlMain, "PanelForImgLittle");
  PanelForImgLittle->setBevelOuter(TOrvikPanel::bvNone);
  ImgLittle = orvik::named<PictureBox>(PanelForImgLittle, "ImgLittle");
  ImgLittle->setGeometry(kLittleLeft, 2, kLittleSize[0], kLittleSize[1]);
  NewListBoxPages = orvik::named<TNewListBox>(PanelForImgLittle, "NewListBoxPages");
  NewListBoxPages->setStyle(SkinnedListBox::ListStyle::OwnerDrawFixed);
  NewListBoxPages->setMouseTracking(true);
  OSBarPages = orvik::named<TOrvikScrollBar>(PanelForImgLittle, "OSBarPages");
  OSBarPages->setPictures(orvik::scrollBarPictures(orvik::ScrollSkin::Standard, false));
  DBImageLittle = orvik::named<DataImage>(PanelForImgLittle, "DBImageLittle");
  DBImageLittle->setDataField(orvik::schema::kLittlePagePicture);

  // Page view.
  PanelForImg = orvik::named<QWidget>(pnlMain, "PanelForImg");
  ImgSound = orvik::named<PictureBox>(PanelForImg, "ImgSound");
  ImgTimer = orvik::named<PictureBox>(PanelForImg, "ImgTimer");
  ImgPages = orvik::named<PictureBox>(PanelForImg, "ImgPages");
  DBImgPages = orvik::named<DataImage>(pnlMain, "DBImgPages");
  DBImgPages->setDataField(orvik::schema::kPagePicture);
  DBImgPage16 = orvik::named<DataImage>(pnlMain, "DBImgPage16");
  DBImgPage16->setDataField(orvik::schema::kWordPicture);
  if (data_) {
    DBImgPages->setDataSource(data_->ActiveSrcPage);
    DBImgPage16->setDataSource(data_->ActiveSrcWord);
    DBImageLittle->setDataSource(data_->srcPctLittle);
    // ImgChapter follows the chapter-picture table wherever it is moved from.
    connect(data_->srcChptPct, &orvik::DataSource::dataChanged, this,
            [this] { applyChapterPicture(!Phon->isHidden()); });
  }
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(kBlinkMs);
  chapters_ = std::make_unique<ChapterView>(
      data_, ChapterView::Controls{ListBoxChapter, Zakladki, ImgChapter});
  pageList_ = std::make_unique<PageListView>(
      data_, PageListView::Controls{NewListBoxPages, OSBarPages, ImgLittle, PanelForImgLittle,
                                    orvik::colors::kList, orvik::colors::kHeadingText});
  picture_ = std::make_unique<PagePicture>(
      data_, PagePicture::Controls{ImgPages, ImgTimer, ImgSound, DBImgPages, DBImgPage16,
                                   PanelForImg, Timer1});

  createButtons();

  // The "Say in" pop-up of the picture (opened by the picture's right button).
  PopUpPct = orvik::named<TOrvikPanel>(pnlMain, "PopUpPct");
  PopUpPct->setGeometry(0, 0, 140, 100);
  PopUpPct->setPicture(orvik::panelPicture(QSize(140, 100)));
  lblPopUpPct = orvik::named<QLabel>(PopUpPct, "lblPopUpPct");
  lblPopUpPct->setGeometry(8, 4, 128, 18);
  lblPopUpPct->setText(QStringLiteral("Say in"));
  PopUpPctList = orvik::named<TOrvikChapterList>(PopUpPct, "PopUpPctList");
  PopUpPctList->setGeometry(8, 24, 128, 76);
  PopUpPctList->setItemHeight(18);
  PopUpPct->hide();
  imgEyeClosed = orvik::named<PictureBox>(pnlMain, "imgEyeClosed");
  imgEyeClosed->setGeometry(255, 195, 44, 27);
  imgEyeClosed->setPicture(closedEyePicture());
  imgEyeClosed->hide();

  MultiLang1 = new TMultiLang(this);
  MultiLang1->setObjectName(QStringLiteral("MultiLang1"));
  MultiLang1->setLanguages(4);
}

void TForm1::createButtons() {
  using orvik::ButtonGlyph;
  const auto button = [this](const char* name, ButtonGlyph glyph, QRect r) {
    auto* b = orvik::named<TOrvikBtn98>(pnlMain, name);
    b->setPictures(orvik::buttonPictures(glyph, r.size()));
    b->setGeometry(r);
    return b;
  };
  const auto navButton = [this](const char* name, ButtonGlyph glyph, QRect r) {
    auto* b = orvik::named<TOrvikBtnNav>(pnlMain, name);
    b->setPictures(orvik::buttonPictures(glyph, r.size()));
    b->setGeometry(r);
    return b;
  };
  constexpr int kRow = 506;
  btnBackToChapters = button("btnBackToChapters", ButtonGlyph::Back, QRect(52, kRow, 50, 20));
  btnBackToPages = button("btnBackToPages", ButtonGlyph::Back, QRect(52, kRow, 50, 20));
  btnNumberLang = button("btnNumberLang", ButtonGlyph::Settings, QRect(100, kRow, 50, 20));
  btnPageList = button("btnPageList", ButtonGlyph::PageList, QRect(150, kRow, 50, 20));
  btnFind = button("btnFind", ButtonGlyph::Find, QRect(200, kRow, 50, 20));
  btnHelp = button("btnHelp", ButtonGlyph::Help, QRect(250, kRow, 50, 20));
  btnExitNew = button("btnExitNew", ButtonGlyph::None, QRect(300, kRow, 50, 20));
  btnExitNew->setCaption(QStringLiteral("Exit"));
  btnVerify = button("btnVerify", ButtonGlyph::None, QRect(350, kRow, 50, 20));
  btnVerify->setCaption(QStringLiteral("RecNu"));
  btnPrintPct = button("btnPrintPct", ButtonGlyph::Print, QRect(405, kRow, 50, 20));
  btnRegime = button("btnRegime", ButtonGlyph::Lock, QRect(452, kRow, 50, 20));
  btnRegime->setAllowDown(true);
  btnRegime->setHintName(QStringLiteral("Block Mouse"));
  btnPrevWord = button("btnPrevWord", ButtonGlyph::PrevEntry, QRect(506, kRow, 50, 20));
  btnNextWord = button("btnNextWord", ButtonGlyph::NextEntry, QRect(556, kRow, 50, 20));
  btnAutoPlayPanel = button("btnAutoPlayPanel", ButtonGlyph::Play, QRect(608, kRow, 80, 20));
  btnPrevPage = navButton("btnPrevPage", ButtonGlyph::PrevPage, QRect(24, 502, 33, 26));
  btnNextPage = navButton("btnNextPage", ButtonGlyph::NextPage, QRect(694, 502, 33, 26));
  btnSoundPage = button("btnSoundPage", ButtonGlyph::Sound, QRect(30, 32, 20, 20));
  btnSoundChapter = button("btnSoundChapter", ButtonGlyph::Sound, QRect(30, 5, 20, 20));
}

void TForm1::bindHandlers() {
  connect(ListBoxChapter, &TOrvikChapterList::mousePressed, this, &TForm1::ListBoxChapterMouseDown);
  connect(ListBoxChapter, &TOrvikChapterList::OnNoSelectedChange, this,
          &TForm1::ListBoxChapterNoSelectedChange);
  connect(ListBoxChapter, &TOrvikChapterList::mouseMoved, this, &TForm1::ListBoxChapterMouseMove);
  connect(Zakladki, &TOrvikZakladka::clicked, this, &TForm1::ZakladkiClick);
  connect(Zakladki, &TOrvikZakladka::OnSelectedChange, this, &TForm1::ZakladkiSelectedChange);
  connect(Zakladki, &TOrvikZakladka::OnHighlightedChange, this, &TForm1::ZakladkiHighlightedChange);
  connect(NewListBoxPages, &SkinnedListBox::mouseMoved, this, &TForm1::NewListBoxPagesMouseMove);
  connect(NewListBoxPages, &SkinnedListBox::clicked, this, &TForm1::NewListBoxPagesClick);
  connect(NewListBoxPages, &SkinnedListBox::OnDrawItem, this, &TForm1::NewListBoxPagesDrawItem);
  connect(OSBarPages, &TOrvikScrollBar::scrolled, this, &TForm1::OSBarPagesScroll);
  connect(btnBackToChapters, &TOrvikBtn98::clicked, this, &TForm1::btnBackToChaptersClick);
  connect(btnBackToPages, &TOrvikBtn98::clicked, this, &TForm1::btnBackToPagesClick);
  connect(btnNextPage, &TOrvikBtn98::clicked, this, &TForm1::btnNextPageClick);
  connect(btnPrevPage, &TOrvikBtn98::clicked, this, &TForm1::btnPrevPageClick);
  connect(btnNextWord, &TOrvikBtn98::clicked, this, &TForm1::btnNextWordClick);
  connect(btnPrevWord, &TOrvikBtn98::clicked, this, &TForm1::btnPrevWordClick);
  connect(ImgPages, &PictureBox::mouseMoved, this, &TForm1::ImgPagesMouseMove);
  connect(ImgPages, &PictureBox::mousePressed, this, &TForm1::ImgPagesMouseDown);
  connect(btnRegime, &TOrvikBtn98::clicked, this, &TForm1::btnRegimeClick);
  connect(btnPrintPct, &TOrvikBtn98::clicked, this, &TForm1::btnPrintPctClick);
  connect(btnExitNew, &TOrvikBtn98::clicked, this, &TForm1::btnExitNewClick);
  connect(btnClose, &TOrvikBtn98::clicked, this, &TForm1::btnExitNewClick);
  connect(btnHelp, &TOrvikBtn98::clicked, this, &TForm1::btnHelpClick);
  connect(btnNumberLang, &TOrvikBtn98::clicked, this, [this] {
    sound()->playClickSound();
    dialogs()->openSettings();
  });
  connect(btnSoundPage, &TOrvikBtn98::clicked, this, &TForm1::btnSoundPageClick);
  connect(btnFind, &TOrvikBtn98::clicked, this, &TForm1::btnFindClick);
  // The pointer entering a button that opens a chooser closes the choosers that are open.
  for (TOrvikBtn98* b : {btnNumberLang, btnHelp, btnPageList, btnFind})
    connect(b, &TOrvikBtn98::mouseEntered, this, &TForm1::pointerMovedOverWindow);
  connect(btnPageList, &TOrvikBtn98::clicked, this, &TForm1::btnPageListClick);
  connect(btnAutoPlayPanel, &TOrvikBtn98::clicked, this, &TForm1::btnAutoPlayPanelClick);
  connect(btnVerify, &TOrvikBtn98::clicked, this, &TForm1::btnVerifyClick);
  connect(PopUpPctList, &TOrvikChapterList::mousePressed, this, &TForm1::PopUpPctListMouseDown);
  qApp->installEventFilter(this);
  connect(btnSoundChapter, &TOrvikBtn98::clicked, this, &TForm1::btnSoundChapterClick);
  connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
  connect(MultiLang1, &TBaseMultiLang::AfterLanguageChanged, this,
          &TForm1::MultiLang1AfterLanguageChanged);
}

// ---------------------------------------------------------------------------------------------
// Creation, showing, closing

void TForm1::FormCreate() {
  // The diagnostic button stays hidden; the hourglass while the window is built.
  btnVerify->hide();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  setWindowTitle(QStringLiteral("Orvik Dictionary"));
  closePopUpsWhenInactive();
  loadBackgrounds();
  // Browsing state.
  lastEntry_ = -1;
  pageList_->clear();
  paneLayoutCount_ = 4;
  applyPalette();
  // Fixed geometry: the client area, centred, in the normal state.
  setClientSize(kClientWidth, kClientHeight);
  centreOnScreen();
  frame_ = new WindowFrame(this);
  layOutPictureArea();
  layOutPageList();
  layOutEntryArea();
  startInChapterView();
  applyInterfaceLanguage();
  // Pane fonts and sizes, then every installed pane loaded again at that size.
  reloadPanes();
  QApplication::restoreOverrideCursor();
}

// The program losing the focus closes the pop-ups and gives the lock back to btnRegime; the
// "Say in" pop-up also closes on a press anywhere but the picture area.
void TForm1::closePopUpsWhenInactive() {
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState st) {
    if (st == Qt::ApplicationActive) return;
    if (panes_) panes_->popUp()->hide();
    PopUpPct->hide();
    hideSayIn();
    mouseLock_ = btnRegime->latched();
  });

  // The "Say in" pop-up closes on a press anywhere but the picture area (with a margin to the
  // right and below); then the lock goes back to the lock button's state.
  orvik::PopUps::add(
      PopUpPct,
      [this] {
        // Strictly inside the area reaching 10 pixels right and 20 below the picture, measured
        // from the window's own corner (not the central panel's), so the bottom row lies
        // outside it.
        const QPoint topLeft = geometry().topLeft() + PanelForImg->pos();
        return QRect(topLeft + QPoint(1, 1),
                     QSize(PanelForImg->width() + 9, PanelForImg->height() + 19));
      },
      [this] { mouseLock_ = btnRegime->latched(); });
}

// The two backgrounds from their scrambled files; the chapter view's shows.
void TForm1::loadBackgrounds() {
  if (!loadBackground(Phon, QStringLiteral("fbsh.ori")) ||
      !loadBackground(PhonChapters, QStringLiteral("fchpt.ori"))) {
    // the message is shown; the program ends at the loop's next turn
  }
  Phon->hide();
  PhonChapters->show();
}

// The palette every window uses: the skin's colours, slot by slot; the window in the main
// background and the bitmap buttons' text colour.
void TForm1::applyPalette() {
  namespace colors = orvik::colors;
  palette_ = {colors::kMainBackground, colors::kButtonText,     colors::kShadow,
              colors::kDarkFace,       colors::kHeadingText,    colors::kLightFace,
              colors::kScrollBar,      colors::kList,           colors::kDeepShadow,
              colors::kPopUpLabel,     colors::kDialogScrollBar};
  const QPalette pal = paletteColourSet();
  setPalette(pal);
  setAutoFillBackground(true);
  pnlMain->setPalette(pal);
  pnlMain->setAutoFillBackground(true);
  for (TOrvikBtn98* b :
       {btnNumberLang, btnFind, btnBackToChapters, btnBackToPages, btnHelp, btnRegime, btnExitNew})
    b->setFontColor(palette_[ButtonText]);
}

// The picture area and the pictures shown in it.
void TForm1::layOutPictureArea() {
  const QPalette pal = paletteColourSet();
  PanelForImg->setGeometry(396, 12, kPictureWidth, kPictureHeight);
  PanelForImg->setPalette(pal);
  PanelForImg->setAutoFillBackground(true);
  PanelForImg->hide();
  for (PictureBox* img : {ImgPages, ImgTimer, ImgSound}) {
    img->setGeometry(0, 0, kPictureWidth, kPictureHeight);
    img->hide();
  }
  ImgChapter->setGeometry(402, 12, 319, 513);
  ImgChapter->setEnabled(false);
}

// The page list: 24 rows of 16 pixels, 245 wide, its top row level with the small picture's top.
void TForm1::layOutPageList() {
  PanelForImgLittle->setGeometry(kLittlePanelLeft, kLittlePanelTop, 332, 476);
  PanelForImgLittle->setColor(palette_[ListColour]);
  NewListBoxPages->setBorderStyle(SkinnedListBox::Border::None);
  NewListBoxPages->setItemHeight(kPageRowHeight);
  NewListBoxPages->setGeometry(kListLeft, 2, 245, kPageListRows * kPageRowHeight);
  NewListBoxPages->setColor(palette_[ListColour]);
  NewListBoxPages->hide();
  OSBarPages->setGeometry(kListLeft + 245 + 1, 2, 15, kPageListRows * kPageRowHeight);
  OSBarPages->setColor(palette_[ScrollBars]);
  OSBarPages->hide();
  PanelChapName->setColor(palette_[MainBackground]);
  lblChapterName->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
}

// The entry area, the per-language buttons and the chapter list.
void TForm1::layOutEntryArea() {
  createPanes();
  lblPopUpPct->setStyleSheet(QStringLiteral("color: %1").arg(palette_[PicturePopUpLabel].name()));
  ListBoxChapter->setItemHeight(32);
  DBImgPages->hide();
  DBImgPage16->hide();
  ImgLittle->move(kLittleLeft, 2);
  DBImageLittle->hide();
}

// The window starts in the chapter view.
void TForm1::startInChapterView() {
  showChapterView();
  lblPageName->hide();
  if (panes_) panes_->setPageViewVisible(false, Phon);
  hidePageView();
  btnBackToChapters->hide();
}

// The "Say in" list from the languages with sounds, the shown languages, the fonts, texts and
// names of the interface language and the panes of the shown languages.
void TForm1::applyInterfaceLanguage() {
  if (data_) {
    orvik::buildLanguageTables();
    orvik::setUpSayInList(PopUpPct, PopUpPctList, data_->settings().soundList);
    const int column = data_->settings().interfaceLanguage().number();
    orvik::RelabelLanguageItems(PopUpPctList, PopUpPctList->Lines().size(),
                                orvik::shiftCaptionTable(), column);
    fitSayIn();
    data_->settings().deriveShownLanguages();
  }

  // The fonts of the interface language.
  const orvik::Language language = interfaceLanguage();
  applyFontSet(language);

  // Texts and names in the interface language; the panes of the shown languages.
  ReloadLanguageNames(language);
  ApplyShownLanguages();
}

void TForm1::applyFontSet(orvik::Language interfaceLanguage) {
  const int charset = orvik::charsetOf(interfaceLanguage);
  orvik::applyWindowPass(this, charset, lblMainCap);
  const orvik::FontSpec t16 = orvik::timesBoldSpec(16, charset);
  orvik::applyFont(NewListBoxPages, t16);
  orvik::applyFont(PopUpPctList, t16);
  if (panes_) orvik::applyFont(panes_->popUpList(), t16);
  const orvik::FontSpec t18 = orvik::timesBoldSpec(18, charset);
  orvik::applyFont(ListBoxChapter, t18);
  orvik::applyFont(lblPageName, t18);
  orvik::applyFont(lblChapterName, orvik::timesBoldSpec(22, charset));
  const orvik::FontSpec a14 = orvik::arialSpec(14, charset);
  orvik::applyFont(Zakladki->hintWindow(), a14);
  const QList<TOrvikBtn98*> buttons = findChildren<TOrvikBtn98*>();
  for (TOrvikBtn98* b : buttons)
    if (b->hintWindow()) orvik::applyFont(b->hintWindow(), a14);
}

void TForm1::applyButtonHints(orvik::Language interfaceLanguage) {
  using orvik::HintedButton;
  const std::pair<TOrvikBtn98*, HintedButton> buttons[] = {
      {btnSoundChapter, HintedButton::SoundChapter},
      {btnSoundPage, HintedButton::SoundPage},
      {btnBackToPages, HintedButton::BackToPages},
      {btnBackToChapters, HintedButton::BackToChapters},
      {btnPageList, HintedButton::PageList},
      {btnNumberLang, HintedButton::Settings},
      {btnFind, HintedButton::Find},
      {btnHelp, HintedButton::Help},
      {btnNextPage, HintedButton::NextPage},
      {btnPrevPage, HintedButton::PrevPage},
      {btnPrintPct, HintedButton::PrintPicture},
      {btnRegime, HintedButton::Regime},
      {btnNextWord, HintedButton::NextWord},
      {btnPrevWord, HintedButton::PrevWord},
      {btnAutoPlayPanel, HintedButton::AutoPlayPanel},
      {btnExitNew, HintedButton::Exit},
      {btnMinimize, HintedButton::Minimize},
      {btnMaximize, HintedButton::Maximize},
      {btnRestore, HintedButton::Restore},
      {btnClose, HintedButton::Close},
  };
  for (const auto& [button, hint] : buttons)
    button->setHintName(orvik::buttonHint(hint, interfaceLanguage));
  if (!panes_) return;
  for (int language = 1; language <= 4; ++language) {
    panes_->soundButton(language)->setHintName(
        orvik::buttonHint(HintedButton::SoundWord, interfaceLanguage));
    panes_->listButton(language)->setHintName(
        orvik::buttonHint(HintedButton::List, interfaceLanguage));
    panes_->printButton(language)->setHintName(
        orvik::buttonHint(HintedButton::Print, interfaceLanguage));
  }
}

bool TForm1::loadBackground(QLabel* target, const QString& file) {
  const QString folder = data_ ? data_->environment().currentDir : QString();
  const QImage picture = orvik::loadInstallationPicture(folder, file);
  if (picture.isNull()) {
    if (data_ && data_->environment().messages)
      data_->environment().messages->show(orvik::MessageKind::Warning,
                                          QStringLiteral("Could not open file ") + file);
    orvik::Application::terminate(8);
    return false;
  }
  target->setPixmap(QPixmap::fromImage(picture));
  target->setGeometry(0, 0, picture.width(), picture.height());
  return true;
}

void TForm1::FormShow() {
  using namespace orvik;
  for (int n : {O_HANDPOINTER, O_FOREFINGER, O_NAVIGATORL, O_FIXPAGE}) {
    if (cursorPixmap(n).isNull()) {
      if (data_ && data_->environment().messages)
        data_->environment().messages->show(MessageKind::Warning,
                                            QStringLiteral("Cannot Load cursor resource"));
      return;
    }
  }
  ImgPages->setCursor(orvikCursor(btnRegime->latched() ? O_FIXPAGE : O_HANDPOINTER));
  QList<QWidget*> fingers = {btnSoundPage, btnSoundChapter,  btnBackToPages, btnBackToChapters,
                             btnNextWord,  btnPrevWord,      btnFind,        btnNumberLang,
                             btnExitNew,   btnHelp,          btnRegime,      btnPrintPct,
                             btnPageList,  btnAutoPlayPanel, ListBoxChapter, NewListBoxPages};
  if (panes_)
    for (int lang = 1; lang <= 4; ++lang)
      fingers << panes_->soundButton(lang) << panes_->listButton(lang) << panes_->printButton(lang);
  for (QWidget* w : fingers)
    if (w) w->setCursor(orvikCursor(O_FOREFINGER));
  btnPrevPage->setCursor(orvikCursor(O_NAVIGATORL));
  btnNextPage->setCursor(orvikCursor(O_NAVIGATORL));
}

void TForm1::FormClose() {
  // A save that fails is told (once a session); the program ends all the same.
  if (!data_) return;
  if (const orvik::Result saved = data_->settings().save(); !saved)
    orvik::report(saved.failure(), data_->environment().messages);
}

void TForm1::FormDestroy() {
  Timer1->stop();
  pageList_->clear();
}

void TForm1::closeEvent(QCloseEvent* event) {
  // A close the window system asks for (its own Alt+F4, a task bar's close) goes through the
  // exit confirmation like the window's own exit commands; the window's own close() after Yes
  // (or the program's) closes at once.
  if (event->spontaneous()) {
    event->ignore();
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (!autoPlayRunning_) ExitConfirm();
        },
        Qt::QueuedConnection);
    return;
  }
  FormClose();
  event->accept();
  orvik::Application::terminate(orvik::Application::exitCode());
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  // Keys of the window itself (no control has the focus); those of its controls come through
  // the key preview in eventFilter(). Alt+F4 ends here either way, so "No" leaves the program
  // running.
  if (FormKeyDown(event)) {
    event->accept();
    return;
  }
  orvik::BorderlessForm::keyPressEvent(event);
}

void TForm1::btnExitNewClick() {
  sound()->playClickSound();
  if (!autoPlayRunning_) ExitConfirm();
}

void TForm1::ExitConfirm() {
  if (!dialogs()->confirmExit()) return;
  sound()->stopAllSounds();
  close();
}

void TForm1::btnHelpClick() {
  sound()->playClickSound();
  dialogs()->openHelpMenu();
}

void TForm1::HelpLinePressed(int) {
  sound()->playClickSound();
  autoPlay()->stopAutoPlay();
  autoPlay()->setIdle();
}

QPalette TForm1::paletteColourSet() const {
  QPalette pal = palette();
  pal.setColor(QPalette::Window, palette_[MainBackground]);
  return pal;
}

void TForm1::paintEvent(QPaintEvent* event) {
  orvik::BorderlessForm::paintEvent(event);
  QPainter painter(this);
  frame_->paint(painter);
}

void TForm1::mousePressEvent(QMouseEvent* event) {
  if ((event->button() == Qt::LeftButton || event->button() == Qt::RightButton) &&
      frame_->press(event->position().toPoint()))
    return;
  orvik::BorderlessForm::mousePressEvent(event);
}

void TForm1::showEvent(QShowEvent* event) {
  orvik::BorderlessForm::showEvent(event);
  FormShow();
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
  emit pointerMovedOverWindow();  // FormMouseMove
  orvik::BorderlessForm::mouseMoveEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  // Key preview: a key pressed in any control of the window reaches the key map first.
  if (event->type() == QEvent::KeyPress && watched != this && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key != lastPreviewedKey_ || key->timestamp() != lastPreviewedTime_) {
      lastPreviewedKey_ = key;
      lastPreviewedTime_ = key->timestamp();
      if (FormKeyDown(key)) return true;
    }
  }
  // PhonMouseMove and PhonChaptersMouseMove.
  if (event->type() == QEvent::MouseMove && (watched == Phon || watched == PhonChapters))
    emit pointerMovedOverWindow();
  return orvik::BorderlessForm::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Views

void TForm1::applyChapterPicture(bool pagePicture) {
  guard([&] { chapters_->showPicture(pagePicture); });
}

void TForm1::showChapterView() {
  NewListBoxPages->hide();
  OSBarPages->hide();
  PanelForImgLittle->hide();
  PanelChapName->hide();
  Phon->hide();
  PhonChapters->show();
  ListBoxChapter->show();
  ImgChapter->show();
  applyChapterPicture(false);
  // The chapter's sound button belongs to the page-list and page views only.
  btnSoundChapter->hide();
  Zakladki->sticky = true;
}

void TForm1::showPageListView() {
  PhonChapters->hide();
  ListBoxChapter->hide();
  Phon->show();
  PanelChapName->show();
  PanelForImgLittle->show();
  NewListBoxPages->show();
  OSBarPages->setVisible(NewListBoxPages->Items().Count() > kPageListRows);
  ImgChapter->show();
  applyChapterPicture(true);
  btnBackToChapters->show();
  lblPageName->hide();
  btnSoundChapter->setVisible(data_ && data_->settings().hasSounds(interfaceLanguage()));
  Zakladki->sticky = false;
}

void TForm1::hidePageView() {
  Timer1->stop();
  ImgPages->hide();
  PanelForImg->hide();
  if (panes_) panes_->setPageViewVisible(false, Phon);
  emit pageViewLeft();
  for (QWidget* w : std::initializer_list<QWidget*>{
           btnBackToPages, btnPrevPage, btnNextPage, btnPrevWord, btnNextWord, btnRegime,
           btnPrintPct, btnAutoPlayPanel, btnSoundPage, btnSoundChapter, lblPageName})
    w->hide();
}

void TForm1::setVisibleRowCount() {
  pageList_->countVisibleRows();
}

TForm1::View TForm1::view() const {
  if (!ListBoxChapter->isHidden()) return View::Chapters;
  if (!PanelForImg->isHidden()) return View::Page;
  return View::PageList;
}

// ---------------------------------------------------------------------------------------------
// The entry panes

void TForm1::createPanes() {
  EntryPanes::Colours colours;
  colours.mainBackground = palette_[MainBackground];
  colours.shadow = palette_[Shadow];
  colours.list = palette_[ListColour];
  colours.heading = palette_[ListHeading];
  panes_ = new EntryPanes(pnlMain, data_, colours);
  panes_->setParent(this);
  panes_->bindInstalled();
  connect(panes_, &EntryPanes::soundClicked, this, [this](int lang) {
    if (const auto language = orvik::Language::fromNumber(lang)) PronounceEntry(*language);
  });
  connect(panes_, &EntryPanes::listClicked, this, [this](int lang) {
    if (const auto language = orvik::Language::fromNumber(lang))
      entryLists()->openEntryList(*language);
  });
  connect(panes_, &EntryPanes::printClicked, this, [this](int lang) {
    if (const auto language = orvik::Language::fromNumber(lang)) print()->printEntries(*language);
  });
  connect(panes_, &EntryPanes::printEntryRequested, this, [this](int lang) {
    if (const auto language = orvik::Language::fromNumber(lang)) print()->printEntry(*language);
  });
  connect(panes_, &EntryPanes::paneMouseMoved, this, [this] { emit pointerMovedOverWindow(); });
  // The picture area and the page buttons stand in front of the panes' controls.
  PanelForImg->raise();
  PopUpPct->raise();
}

void TForm1::layoutPanes() {
  if (panes_) paneLayoutCount_ = panes_->applyLayout();
}

void TForm1::showPanes(bool show) {
  if (panes_) panes_->setPageViewVisible(show, Phon);
}

void TForm1::reloadPanes() {
  if (!panes_) return;
  panes_->setPaneFonts();
  panes_->reloadInstalled();
}

void TForm1::ClearEntryPanes() {
  if (panes_) panes_->clearAll();
  emit panesCleared();
}

void TForm1::SyncEntryPanes() {
  if (!panes_ || !data_) return;
  guard([&] {
    orvik::Table* words = data_->tblWrdPicture;
    if (!words->active() || words->isEmpty()) return;
    panes_->syncAllToEntry(words->intValue(orvik::schema::kPageCode),
                           words->intValue(orvik::schema::kOrder));
  });
}

void TForm1::showListButton(orvik::Language language, bool shown) {
  if (!panes_) return;
  if (TOrvikBtn98* button = panes_->listButton(language.number())) button->setVisible(shown);
}

void TForm1::showPaneControls() {
  if (panes_ && view() == View::Page) panes_->showControls();
}

bool TForm1::paneShown(orvik::Language language) const {
  return panes_ && panes_->isShown(language.number());
}

void TForm1::setPaneFontSize(int size) {
  if (panes_) panes_->setFontSize(size);
}

int TForm1::markInArticle(orvik::Language language, const QStringList& forms,
                          const QColor& colour) {
  TOrvikWord* pane = panes_ ? panes_->pane(language.number()) : nullptr;
  if (!pane) return 0;
  pane->settleLayout();
  int marked = 0;
  QSet<int> starts;
  for (const QString& form : forms)
    for (int at : pane->findAllWholeWords(form)) {
      if (starts.contains(at)) continue;
      starts.insert(at);
      pane->markRange(at, at + int(form.size()), colour);
      ++marked;
    }
  return marked;
}
