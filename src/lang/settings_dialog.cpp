#include "lang/settings_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>

#include "controls/button_fit.h"
#include "controls/dialog_frame.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_track_bar.h"
#include "controls/radio_group.h"
#include "controls/skin.h"
#include "lang/font_sets.h"
#include "lang/language_captions.h"
#include "lang/multi_lang.h"

namespace {
// A track bar keeps a position set outside its range (its thumb stands at the nearest end);
// what the dialog hands on is the position the user sees.
int shownPosition(const TOrvikTrackBar* bar) {
  return std::clamp(bar->Position(), bar->MinPos(), bar->MaxPos());
}

const QColor kHeadingColour{82, 91, 27};
const QColor kTicks{66, 61, 48};

// Check-box top and label top of each row, by the number of installed languages.
struct RowTops {
  int box, label;
};
const std::array<std::array<RowTops, 4>, 4> kRows{{
    {{{74, 72}}},
    {{{54, 52}, {92, 90}}},
    {{{40, 38}, {74, 72}, {106, 104}}},
    {{{34, 32}, {60, 58}, {84, 84}, {110, 110}}},
}};

int countOf(const std::array<int, 4>& places) {
  return int(std::count_if(places.begin(), places.end(), [](int p) { return p != -1; }));
}

QFont designFont() {
  QFont f(QStringLiteral("Times New Roman"));
  f.setBold(true);
  f.setPixelSize(13);
  return f;
}

void setTextColour(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::WindowText, colour);
  p.setColor(QPalette::ButtonText, colour);
  p.setColor(QPalette::Text, colour);
  w->setPalette(p);
}

void setBackground(QWidget* w, const QColor& colour) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, colour);
  p.setColor(QPalette::Button, colour);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

// Slot of each language box, English, French, Russian, Spanish.
constexpr std::array<int, 4> kBoxSlots{0, 1, 5, 6};

// The design's places that fitting starts from: the two buttons' lefts and widths, the right
// edge of the left column (the right one starts at 272) and of the window's inner area.
constexpr int kOkLeft = 312, kOkWidth = 50, kCancelLeft = 376, kCancelWidth = 60;
constexpr int kButtonGap = kCancelLeft - kOkLeft - kOkWidth;
constexpr int kLeftColumnEnd = 268, kInnerRight = TfrmNumbLang::kWidth - 6;
constexpr int kSmallestCell = 11;
constexpr int kFrameMargin = 11;
constexpr int kFontSetCell = 16;

int textWidth(const QWidget* w, const QString& text) {
  return QFontMetrics(w->font()).horizontalAdvance(text);
}

// Starting from the font set's cell (for a control the font set has reached), takes one pixel
// off the widget's font cell, keeping its face, weight and character set, while `tooWide`
// holds and the cell is above the smallest readable one.
void shrinkWhile(QWidget* w, const std::function<bool()>& tooWide) {
  orvik::FontSpec font = orvik::fontSpecOf(w);
  if (font.cellHeight == 0) {
    // Still the design's font: shrink it as it is.
    QFont f = w->font();
    while (tooWide() && f.pixelSize() > kSmallestCell) {
      f.setPixelSize(f.pixelSize() - 1);
      w->setFont(f);
    }
    return;
  }
  if (font.cellHeight != kFontSetCell) {
    font.cellHeight = kFontSetCell;
    orvik::applyFont(w, font);
  }
  while (tooWide() && font.cellHeight > kSmallestCell) {
    --font.cellHeight;
    orvik::applyFont(w, font);
  }
}

// Controls that read as one list take the smallest of the sizes fitting gave them.
void sameSmallestFont(const QList<QWidget*>& controls) {
  int smallest = 0;
  for (const QWidget* w : controls) {
    const int cell = orvik::fontSpecOf(w).cellHeight;
    if (cell > 0 && (smallest == 0 || cell < smallest)) smallest = cell;
  }
  for (QWidget* w : controls) {
    orvik::FontSpec font = orvik::fontSpecOf(w);
    if (font.cellHeight > smallest) {
      font.cellHeight = smallest;
      orvik::applyFont(w, font);
    }
  }
}

}  // namespace

// The dialog's controls, each made in the design's font and placed in the design's place.
namespace {

QLabel* makeLabel(QWidget* parent, const char* name, int x, int y, const QColor& colour) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setFont(designFont());
  setTextColour(l, colour);
  l->move(x, y);
  return l;
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name, QRect rect) {
  auto* c = new QCheckBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setFont(designFont());
  c->setGeometry(rect);
  return c;
}

TOrvikTrackBar* makeTrackBar(QWidget* parent, const char* name, QRect rect, int maxPos) {
  auto* t = new TOrvikTrackBar(parent);
  t->setObjectName(QString::fromLatin1(name));
  t->setGeometry(rect);
  t->setColor(orvik::colors::kMainBackground);
  t->setColorTicks(kTicks);
  t->setFirstBarPos(5);
  t->setMinPos(1);
  t->setMaxPos(maxPos);
  return t;
}

TRadioGroup* makeRadioGroup(QWidget* parent, const char* name, QRect rect) {
  auto* g = new TRadioGroup(parent);
  g->setObjectName(QString::fromLatin1(name));
  g->setFont(designFont());
  g->setColumns(2);
  g->setGeometry(rect);
  setBackground(g, orvik::colors::kMainBackground);
  return g;
}

TOrvikBtn98* makeButton(QWidget* parent, const char* name, QRect rect) {
  auto* b = new TOrvikBtn98(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setPictures(orvik::plainButtonPictures(rect.size()));
  b->setGeometry(rect);
  b->setFont(designFont());
  b->setFontColor(orvik::colors::kButtonText);
  return b;
}

}  // namespace

TfrmNumbLang::TfrmNumbLang(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("frmNumbLang"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setClientSize(kWidth, kHeight);
  buildBackground();
  buildLanguageRows();
  buildFontSize();
  buildSoundChoices();
  buildButtons();
  buildTranslations();
  // The frame picture stands behind the language rows, the background behind everything.
  imgNumbLangs->lower();
  Image1->lower();
  hide();
}

// The background picture fills the client area and carries the dialog frame.
void TfrmNumbLang::buildBackground() {
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  QPixmap back = orvik::panelPicture(QSize(kWidth, kHeight));
  {
    QPainter painter(&back);
    orvik::paintDialogFrame(painter, kHeight, kWidth);
  }
  Image1->setPixmap(back);
  Image1->setGeometry(0, 0, kWidth, kHeight);
}

// The heading, the language frame and a box and a name per language; set-up places the rows.
void TfrmNumbLang::buildLanguageRows() {
  Label1 = makeLabel(this, "Label1", 20, 7, kHeadingColour);
  imgNumbLangs = new QLabel(this);
  imgNumbLangs->setObjectName(QStringLiteral("imgNumbLangs"));
  imgNumbLangs->move(43, 30);

  chBoxEn = makeCheckBox(this, "chBoxEn", QRect(22, 0, 13, 13));
  chBoxFr = makeCheckBox(this, "chBoxFr", QRect(22, 0, 13, 13));
  chBoxRu = makeCheckBox(this, "chBoxRu", QRect(22, 0, 13, 13));
  chBoxSp = makeCheckBox(this, "chBoxSp", QRect(22, 0, 13, 13));
  lblEn = makeLabel(this, "lblEn", 48, 0, orvik::colors::kHeadingText);
  lblFr = makeLabel(this, "lblFr", 48, 0, orvik::colors::kHeadingText);
  lblRu = makeLabel(this, "lblRu", 48, 0, orvik::colors::kHeadingText);
  lblSp = makeLabel(this, "lblSp", 48, 0, orvik::colors::kHeadingText);
  for (QCheckBox* box : languageBoxes())
    connect(box, &QCheckBox::clicked, this, [this, box] { chBoxLanguageClick(box); });
}

// The entry panes' font size scale and its numbers; the interface language's group below it.
void TfrmNumbLang::buildFontSize() {
  Label7 = makeLabel(this, "Label7", 20, 138, kHeadingColour);
  TrackBarFonts = makeTrackBar(this, "TrackBarFonts", QRect(18, 158, 210, 29), 15);
  lblFontSizeNumbers = makeLabel(this, "lblFontSizeNumbers", 20, 192, orvik::colors::kHeadingText);
  lblFontSizeNumbers->setText(
      QStringLiteral("6        8      10     12    14     16     18    20"));
  Label2 = makeLabel(this, "Label2", 20, 216, kHeadingColour);
  RadioGroup1 = makeRadioGroup(this, "RadioGroup1", QRect(16, 236, 217, 57));
}

// The right column: the language pronounced on a click and by auto-play, the pause scale and
// the sound effects.
void TfrmNumbLang::buildSoundChoices() {
  Label3 = makeLabel(this, "Label3", 276, 10, kHeadingColour);
  RadioGroup2 = makeRadioGroup(this, "RadioGroup2", QRect(272, 30, 209, 55));
  chBoxOnClick = makeCheckBox(this, "chBoxOnClick", QRect(350, 53, 97, 17));
  Label4 = makeLabel(this, "Label4", 276, 88, kHeadingColour);
  RadioGroup3 = makeRadioGroup(this, "RadioGroup3", QRect(272, 108, 209, 55));
  chBoxAuto = makeCheckBox(this, "chBoxAuto", QRect(350, 130, 97, 17));
  for (QCheckBox* c : {chBoxOnClick, chBoxAuto}) {
    setBackground(c, orvik::colors::kMainBackground);
    setTextColour(c, orvik::colors::kHeadingText);
    c->hide();
  }

  Label5 = makeLabel(this, "Label5", 276, 168, kHeadingColour);
  TrackBarPause = makeTrackBar(this, "TrackBarPause", QRect(272, 186, 209, 29), 10);
  lblPauseNumbers = makeLabel(this, "lblPauseNumbers", 274, 222, orvik::colors::kHeadingText);
  lblPauseNumbers->setText(
      QStringLiteral("1     2     3     4     5     6     7     8     9    10 "));
  chBoxSound = makeCheckBox(this, "chBoxSound", QRect(276, 242, 13, 13));
  Label6 = makeLabel(this, "Label6", 296, 242, kHeadingColour);
}

void TfrmNumbLang::buildButtons() {
  btnOK = makeButton(this, "btnOK", QRect(kOkLeft, 272, kOkWidth, 20));
  btnCancel = makeButton(this, "btnCancel", QRect(kCancelLeft, 272, kCancelWidth, 20));
  connect(btnOK, &TOrvikBtn98::clicked, this, &TfrmNumbLang::btnOKClick);
  connect(btnCancel, &TOrvikBtn98::clicked, this, &TfrmNumbLang::btnCancelClick);
}

// The dialog's texts in the four interface languages.
void TfrmNumbLang::buildTranslations() {
  MultiLang1 = new TMultiLang(this);
  MultiLang1->setObjectName(QStringLiteral("MultiLang1"));
  MultiLang1->setLanguages(4);
  const auto group4 = [](const char* key, const char* en, const char* ru, const char* fr,
                         const char* sp) {
    return QStringList{QString::fromLatin1(key), QString::fromUtf8(en), QString::fromUtf8(ru),
                       QString::fromUtf8(fr), QString::fromUtf8(sp)};
  };
  QStringList words;
  words << group4("%Form%", "", "", "", "")
        << group4("Label1", "Dictionary Languages", "Рабочие языки", "Langues du dictionnaire",
                  "Idiomas de trabajo")
        << group4("Label2", "Language Environment", "Языковая среда", "Milieu linguistique",
                  "Medio idiomático")
        << group4("Label3", "Pronounce on Click", "Произносить при нажатии",
                  "Prononciation en Click", "Pronunciación en Click")
        << group4("Label4", "Autoplay Language", "Язык автопроигрывания",
                  "Langue de lecture automatique", "Idioma de autoplay")
        << group4("Label5", "Autoplay Pause Length", "Пауза при автопроигрывании",
                  "Pause pour lecture automatique", "Pausa por autoplay")
        << group4("Label6", "Sound Effects", "Звуковые эффекты", "Effets sonores",
                  "Efectos de sonido")
        << group4("lblEn", "English", "Английский", "Anglais", "Inglés")
        << group4("lblFr", "French", "Французский", "Français", "Francés")
        << group4("lblRu", "Russian", "Русский", "Russe", "Ruso")
        << group4("lblSp", "Spanish", "Испанский", "Espagnol", "Español")
        << group4("btnOK", "OK", "ОК", "OK", "OK")
        << group4("btnCancel", "Cancel", "Отменить", "Annuler", "Anular")
        << group4("Label7", "Font Size", "Размер шрифта", "Taille des caractères",
                  "Tamaño de fuente");
  MultiLang1->setWords(words);
  connect(MultiLang1, &TBaseMultiLang::AfterLanguageChanged, this,
          [this](TBaseMultiLang*, quint8 index) { MultiLang1AfterLanguageChanged(index); });
  MultiLang1->Loaded();
}

void TfrmNumbLang::applyFontSet(orvik::Language interfaceLanguage) {
  orvik::applyWindowPass(this, orvik::charsetOf(interfaceLanguage));
}

void TfrmNumbLang::setUp(const Installation& installation) {
  installation_ = installation;
  // Language rows: the installed languages in slot order, at the rows of their count.
  std::sort(installation_.installed.begin(), installation_.installed.end());
  const std::array<QCheckBox*, 4> boxes = languageBoxes();
  const std::array<QLabel*, 4> names{lblEn, lblFr, lblRu, lblSp};
  for (int i = 0; i < 4; ++i) {
    boxes[i]->hide();
    names[i]->hide();
  }
  const int installedCount = countOf(installation_.installed);
  int row = 0;
  for (int slot : installation_.installed) {
    const auto at = std::find(kBoxSlots.begin(), kBoxSlots.end(), slot);
    if (slot == -1 || at == kBoxSlots.end() || row >= installedCount) continue;
    const int i = int(at - kBoxSlots.begin());
    const RowTops tops = kRows[installedCount - 1][row++];
    boxes[i]->move(22, tops.box);
    names[i]->move(48, tops.label);
    boxes[i]->show();
    names[i]->show();
  }
  if (installedCount >= 1 && installation_.framePicture) {
    const QImage frame = installation_.framePicture(installedCount);
    imgNumbLangs->setPixmap(orvik::pictureAtRatio(frame));
    imgNumbLangs->resize(frame.size());
  }

  // The radio groups in the stored interface language.
  const int soundCount = countOf(installation_.sounds);
  orvik::fillLanguageItems(RadioGroup1, installation_.installed, orvik::languageNameTable());
  orvik::fillLanguageItems(RadioGroup2, installation_.sounds, orvik::languageNameTable());
  orvik::fillLanguageItems(RadioGroup3, installation_.sounds, orvik::languageNameTable());
  relabel(installation_.interfaceLanguage);

  // One sound language: two check boxes named after it stand in for the two groups.
  const bool single = soundCount == 1;
  RadioGroup2->setVisible(!single);
  RadioGroup3->setVisible(!single);
  chBoxOnClick->setVisible(single);
  chBoxAuto->setVisible(single);
  if (single) {
    chBoxOnClick->raise();
    chBoxAuto->raise();
  }

  if (const int charset = orvik::charsetOfLanguageNumber(installation_.interfaceLanguage))
    orvik::applyWindowPass(this, charset);
  fitTexts();
}

// The fonts of the interface language arrive first (the font set gives every control the
// same size), then the texts; only then can the room each text needs be known. The Russian
// names and the larger cells of the font set do not all fit the design's room.
void TfrmNumbLang::fitTexts() {
  // OK and Cancel widen to their captions, keeping their order and the gap between them.
  orvik::fitPlainButtonToCaption(btnOK, kOkWidth, 10);
  orvik::fitPlainButtonToCaption(btnCancel, kCancelWidth, 10);
  btnOK->move(kOkLeft, btnOK->y());
  btnCancel->move(std::max(kCancelLeft, kOkLeft + btnOK->width() + kButtonGap), btnCancel->y());

  // The number scales stand under their track bars and are no wider than them.
  for (auto [scale, bar] :
       {std::pair{lblFontSizeNumbers, TrackBarFonts}, std::pair{lblPauseNumbers, TrackBarPause}}) {
    // Copied by name: clang 14 (the fuzz build's compiler) cannot capture a structured binding.
    shrinkWhile(scale, [scale = scale, bar = bar] {
      return textWidth(scale, scale->text()) > bar->width();
    });
  }

  // Headings and language names stay within their column of the window.
  const auto columnEnd = [](const QWidget* w) {
    return w->x() < kLeftColumnEnd ? kLeftColumnEnd : kInnerRight;
  };
  for (QLabel* l : {Label1, Label2, Label3, Label4, Label5, Label6, Label7}) {
    shrinkWhile(l, [&] { return l->x() + textWidth(l, l->text()) > columnEnd(l); });
    l->adjustSize();
  }
  // The language names stand inside the boxes of the frame picture.
  const int frameEnd = imgNumbLangs->pixmap().isNull()
                           ? kLeftColumnEnd
                           : imgNumbLangs->x() + imgNumbLangs->pixmap().width() - kFrameMargin;
  // The names are one list: they share the size the longest one needs.
  const std::array<QLabel*, 4> names{lblEn, lblFr, lblRu, lblSp};
  for (QLabel* l : names)
    shrinkWhile(l, [&] { return l->x() + textWidth(l, l->text()) > frameEnd; });
  sameSmallestFont({names.begin(), names.end()});
  for (QLabel* l : names) l->adjustSize();
  for (QLabel* l : {lblFontSizeNumbers, lblPauseNumbers}) l->adjustSize();

  // Each radio button's text stays within its column of the group; the single-language
  // check boxes within their place.
  for (TRadioGroup* group : {RadioGroup1, RadioGroup2, RadioGroup3}) {
    const auto overflows = [group] {
      for (int i = 0; i < group->count(); ++i) {
        QRadioButton* b = group->button(i);
        if (b->sizeHint().width() > b->width()) return true;
      }
      return false;
    };
    shrinkWhile(group, overflows);
  }
  sameSmallestFont({RadioGroup1, RadioGroup2, RadioGroup3});
  for (QCheckBox* c : {chBoxOnClick, chBoxAuto})
    shrinkWhile(c, [c] { return c->sizeHint().width() > c->width(); });
  sameSmallestFont({chBoxOnClick, chBoxAuto});
}

void TfrmNumbLang::relabel(int languageNumber) {
  if (languageNumber < 1 || languageNumber > 4) return;
  const int soundCount = countOf(installation_.sounds);
  orvik::RelabelLanguageItems(RadioGroup1, countOf(installation_.installed),
                              orvik::languageNameTable(), languageNumber);
  orvik::RelabelLanguageItems(RadioGroup2, soundCount, orvik::languageNameTable(), languageNumber);
  orvik::RelabelLanguageItems(RadioGroup3, soundCount, orvik::languageNameTable(), languageNumber);
  singleLanguageCaptions();
}

void TfrmNumbLang::singleLanguageCaptions() {
  chBoxOnClick->setText(RadioGroup2->item(0));
  chBoxAuto->setText(RadioGroup3->item(0));
}

int TfrmNumbLang::selectedLanguage(const TRadioGroup* group) {
  const int index = group->ItemIndex();
  if (index < 0) return -1;
  return orvik::LanguageOfItem(group->item(index), orvik::languageNameTable());
}

void TfrmNumbLang::selectInterfaceLanguage(int languageNumber) {
  orvik::SelectLanguageItem(RadioGroup1, countOf(installation_.installed), languageNumber);
}

void TfrmNumbLang::selectSoundLanguage(TRadioGroup* group, int languageNumber) {
  orvik::SelectLanguageItem(group, countOf(installation_.sounds), languageNumber);
}

bool TfrmNumbLang::InterfaceLanguageHasSound() const {
  const int index = RadioGroup1->ItemIndex();
  if (index < 0) return false;
  const QString text = RadioGroup1->item(index);
  for (int i = 0; i < RadioGroup2->count(); ++i)
    if (RadioGroup2->item(i) == text) return true;
  return false;
}

void TfrmNumbLang::setLanguageBox(QCheckBox* box, bool checked) {
  box->setChecked(checked);
  chBoxLanguageClick(box);
}

void TfrmNumbLang::chBoxLanguageClick(QCheckBox* box) {
  const std::array<QCheckBox*, 4> boxes = languageBoxes();
  const int checked =
      int(std::count_if(boxes.begin(), boxes.end(), [](QCheckBox* b) { return b->isChecked(); }));
  if (checked == 1) {
    for (QCheckBox* b : boxes)
      if (b->isChecked()) lastBox_ = b;
    return;
  }
  if (checked != 0) return;
  // Only while the user works in the dialog: a set-up from settings that show no language
  // must not stop the program's start with a modal message.
  if (isVisible()) {
    TMsgChecked* message = checkedMessage_;
    if (message && !message->isShowingModal())
      message->execute(MultiLang1->ActiveLanguage(), mainWindow_);
  }
  QCheckBox* last = lastBox_ ? lastBox_ : box;
  setLanguageBox(last, true);
}

TfrmNumbLang::Snapshot TfrmNumbLang::current() const {
  Snapshot s;
  const std::array<QCheckBox*, 4> boxes = languageBoxes();
  for (int i = 0; i < 4; ++i) s.boxes[i] = boxes[i]->isChecked();
  s.languages = {selectedLanguage(RadioGroup1), selectedLanguage(RadioGroup2),
                 selectedLanguage(RadioGroup3)};
  s.fonts = shownPosition(TrackBarFonts);
  s.pause = shownPosition(TrackBarPause);
  s.sound = chBoxSound->isChecked();
  s.onClick = chBoxOnClick->isChecked();
  s.autoPlay = chBoxAuto->isChecked();
  return s;
}

void TfrmNumbLang::execute(QWidget* mainWindow, const QWidget* mainPanel) {
  if (isShowingModal()) return;
  mainWindow_ = mainWindow;
  if (mainWindow) {
    const Qt::WindowStates state = mainWindow->windowState();
    if (state & Qt::WindowMaximized) {
      if (mainPanel) {
        const QPoint panel = mainPanel->mapToGlobal(QPoint(0, 0));
        move(panel.x() + 27, panel.y() + mainPanel->height() - height() - 30);
      }
    } else if (!(state & (Qt::WindowMinimized | Qt::WindowFullScreen))) {
      move(mainWindow->x() + 31, mainWindow->y() + mainWindow->height() - height() - 34);
    }
  }
  snapshot_ = current();
  showModal();
}

void TfrmNumbLang::btnOKClick() {
  if (chBoxSound->isChecked() && owner_) owner_->clickSound();
  if (current() == snapshot_) {
    setModalResult(mrOk);
    hide();
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  if (owner_) owner_->rebuildShownLanguages();
  const int language = selectedLanguage(RadioGroup1);
  if (language >= 1 && language <= 4 && owner_) owner_->switchInterface(language);
  setModalResult(mrOk);
  hide();
  if (owner_) owner_->relayoutPanes();
  QApplication::restoreOverrideCursor();
  if (owner_) owner_->store();
  if (owner_) owner_->setPaneFontSize(shownPosition(TrackBarFonts) + 5);
  if (owner_) owner_->refreshEntryViews();
}

void TfrmNumbLang::btnCancelClick() {
  for (QCheckBox* box : languageBoxes())
    if (!box->isHidden()) {
      box->setFocus();
      break;
    }
  selectInterfaceLanguage(snapshot_.languages[0]);
  selectSoundLanguage(RadioGroup2, snapshot_.languages[1]);
  selectSoundLanguage(RadioGroup3, snapshot_.languages[2]);
  // All boxes checked first, so that the restore never passes through none checked.
  const std::array<QCheckBox*, 4> boxes = languageBoxes();
  for (QCheckBox* box : boxes) setLanguageBox(box, true);
  for (int i = 0; i < 4; ++i) setLanguageBox(boxes[i], snapshot_.boxes[i]);
  TrackBarFonts->setPosition(snapshot_.fonts);
  TrackBarPause->setPosition(snapshot_.pause);
  chBoxSound->setChecked(snapshot_.sound);
  chBoxOnClick->setChecked(snapshot_.onClick);
  chBoxAuto->setChecked(snapshot_.autoPlay);
  setModalResult(mrCancel);
  hide();
}

void TfrmNumbLang::MultiLang1AfterLanguageChanged(quint8 newLanguage) {
  if (newLanguage <= 3)
    relabel(orvik::languageNumberOfIndex(newLanguage));
  else
    singleLanguageCaptions();
  fitTexts();
}

void TfrmNumbLang::hideEvent(QHideEvent* event) {
  orvik::BorderlessForm::hideEvent(event);
  // Every closing writes the settings.
  if (owner_ && !storing_) {
    storing_ = true;
    owner_->store();
    storing_ = false;
  }
}

// --- TMsgChecked ---

namespace {

// The message's picture: a round sign with an exclamation mark in the button-text colour.
QPixmap exclamationPicture() {
  QPixmap picture(48, 48);
  picture.fill(orvik::colors::kMessageBackground);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(orvik::colors::kButtonText, 2));
  painter.setBrush(orvik::colors::kLightFace);
  painter.drawEllipse(QRectF(3, 3, 42, 42));
  painter.setBrush(orvik::colors::kButtonText);
  painter.setPen(Qt::NoPen);
  painter.drawRoundedRect(QRectF(21.5, 10, 5, 20), 2, 2);
  painter.drawEllipse(QRectF(21.5, 33, 5, 5));
  return picture;
}

struct MessageTexts {
  int label1Left, label2Left;
  const char* label1;
  const char* label2;
};
const std::array<MessageTexts, 4> kMessageTexts{{
    {68, 84, "Please Select at least", "One Language"},
    {66, 78, "Выберите, пожалуйста,", "хотя бы один язык"},
    {54, 70, "Sélectionnez, s'il vous plaît,", "au moins une langue"},
    {82, 70, "Elija, por favor,", "aunque sea un idioma"},
}};

}  // namespace

TMsgChecked::TMsgChecked(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("MsgChecked"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setClientSize(kWidth, kHeight);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, orvik::colors::kMessageBackground);
  setPalette(pal);
  setAutoFillBackground(true);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(exclamationPicture());
  Image1->move(14, 14);
  Image1->adjustSize();

  const QFont design = designFont();
  const auto label = [this, &design](const char* name, int x, int y) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(design);
    setTextColour(l, orvik::colors::kButtonText);
    l->move(x, y);
    return l;
  };
  Label1 = label("Label1", 82, 20);
  Label2 = label("Label2", 70, 40);

  btnOk = new TOrvikBtn98(this);
  btnOk->setObjectName(QStringLiteral("btnOk"));
  btnOk->setPictures(orvik::plainButtonPictures(QSize(50, 20)));
  btnOk->setGeometry(96, 68, 50, 20);
  btnOk->setFont(design);
  btnOk->setFontColor(orvik::colors::kButtonText);
  btnOk->setCaption(QStringLiteral("OK"));
  connect(btnOk, &TOrvikBtn98::clicked, this, [this] {
    setModalResult(mrOk);
    hide();
  });
  hide();
}

void TMsgChecked::prepare(int translationIndex, const QWidget* mainWindow) {
  const int index = std::clamp(translationIndex, 0, 3);
  const int charset = index == 1 ? orvik::kCyrillicCharset : orvik::kWesternCharset;
  for (QLabel* l : {Label1, Label2}) orvik::applyFont(l, orvik::timesBoldSpec(16, charset));
  orvik::applyFont(btnOk, orvik::timesBoldSpec(16, charset));
  const MessageTexts& texts = kMessageTexts[index];
  Label1->setText(QString::fromUtf8(texts.label1));
  Label2->setText(QString::fromUtf8(texts.label2));
  // The texts stand right of the picture: the French first line, placed at 54, would run into
  // it. The Russian first line is wider than the room there at the font set's size: it takes
  // a smaller size rather than running past the frame.
  const int pictureEnd = Image1->geometry().right() + 3;
  Label1->move(std::max(texts.label1Left, pictureEnd), Label1->y());
  Label2->move(std::max(texts.label2Left, pictureEnd), Label2->y());
  for (QLabel* l : {Label1, Label2})
    shrinkWhile(l, [l] { return l->x() + textWidth(l, l->text()) > kWidth - 13; });
  sameSmallestFont({Label1, Label2});
  for (QLabel* l : {Label1, Label2}) l->adjustSize();
  if (mainWindow)
    move(mainWindow->x() + mainWindow->width() / 2 - width() / 2,
         mainWindow->y() + mainWindow->height() / 2 - height() / 2 - 20);
}

void TMsgChecked::execute(int translationIndex, const QWidget* mainWindow) {
  prepare(translationIndex, mainWindow);
  showModal();
}

void TMsgChecked::paintEvent(QPaintEvent* event) {
  orvik::BorderlessForm::paintEvent(event);
  QPainter painter(this);
  orvik::paintDialogFrame(painter, height(), width());
}
