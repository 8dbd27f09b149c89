#include "pagelist/page_list_chooser.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include "controls/cursors.h"
#include "controls/dialog_frame.h"
#include "controls/orvik_chapter_list.h"
#include "controls/skin.h"
#include "lang/font_sets.h"
#include "lang/language_captions.h"
#include "lang/multi_lang.h"
#include "platform/pop_ups.h"

namespace {

// The list's left edge for a Russian interface and for the others.
constexpr int kRussianLeft = 8;
constexpr int kWesternLeft = 20;

int currentLanguageNumber() {
  return TBaseMultiLang::interfaceLanguage().number();
}

}  // namespace

TfrmLangForPageList::TfrmLangForPageList(QWidget* parent)
    : orvik::BorderlessForm(parent, Kind::StayOnTopTool) {
  setObjectName(QStringLiteral("frmLangForPageList"));
  setClientSize(kWidth, heightFor(4));

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, kWidth, 129);

  SevenLangList = new TOrvikChapterList(this);
  SevenLangList->setObjectName(QStringLiteral("SevenLangList"));
  SevenLangList->setItemHeight(kItemHeight);
  SevenLangList->setCursor(orvik::orvikCursor(orvik::O_FOREFINGER));
  const int number = currentLanguageNumber();
  const int charset = orvik::charsetOfLanguageNumber(number);
  orvik::applyFont(SevenLangList,
                   orvik::timesBoldSpec(16, charset ? charset : orvik::kWesternCharset));
  SevenLangList->setGeometry(orvik::writtenInCyrillic(number) ? kRussianLeft : kWesternLeft, 4,
                             kWidth - kWesternLeft, 4 * kItemHeight);
  connect(SevenLangList, &TOrvikChapterList::mousePressed, this,
          &TfrmLangForPageList::SevenLangListMouseDown);

  MultiLang1 = new TMultiLang(this);
  MultiLang1->setObjectName(QStringLiteral("MultiLang1"));
  MultiLang1->setLanguages(4);
  connect(MultiLang1, &TBaseMultiLang::AfterLanguageChanged, this,
          &TfrmLangForPageList::MultiLang1AfterLanguageChanged);
  drawPicture();
  hide();
  MultiLang1->Loaded();
}

void TfrmLangForPageList::applyFontSet(orvik::Language interfaceLanguage) {
  orvik::applyFont(SevenLangList, orvik::timesBoldSpec(16, orvik::charsetOf(interfaceLanguage)));
}

int TfrmLangForPageList::heightFor(int languages) {
  static constexpr int kHeights[5] = {27, 27, 48, 69, 88};
  return kHeights[std::clamp(languages, 0, 4)];
}

void TfrmLangForPageList::setLanguages(const std::array<int, 4>& installedSlots) {
  const QStringList lines = orvik::languageItems(installedSlots, orvik::altCaptionTable());
  setClientSize(kWidth, heightFor(int(lines.size())));
  SevenLangList->setLines(lines);
  SevenLangList->resize(SevenLangList->width(), int(lines.size()) * kItemHeight);
  const int number = currentLanguageNumber();
  if (number >= 1)
    orvik::RelabelLanguageItems(SevenLangList, int(lines.size()), orvik::altCaptionTable(), number);
  drawPicture();
  fitWidth();
}

void TfrmLangForPageList::fitWidth() {
  // 140 wide, wider only when a line of the interface language would not fit in the list's font
  // (the Russian lines in Times bold 16).
  const QFontMetrics metrics(SevenLangList->font());
  int widest = 0;
  for (const QString& line : SevenLangList->Lines())
    widest = std::max(widest, metrics.horizontalAdvance(line));
  const int width = std::max(kWidth, SevenLangList->x() + widest + 6);
  SevenLangList->resize(width - SevenLangList->x(), SevenLangList->height());
  if (width == this->width()) return;
  setClientSize(width, height());
  Image1->resize(width, Image1->height());
  drawPicture();
}

void TfrmLangForPageList::drawPicture() {
  // Parchment with a one-pixel raised edge round the part the window shows.
  const int w = width();
  const int h = height();
  QPixmap picture = orvik::panelPicture(QSize(w, 129));
  QPainter p(&picture);
  orvik::gdiPolyline(p, Qt::white, {{0, h - 1}, {0, 0}, {w, 0}});
  orvik::gdiPolyline(p, QColor(140, 125, 67), {{w - 1, 1}, {w - 1, h - 1}, {0, h - 1}});
  p.end();
  Image1->setPixmap(picture);
}

void TfrmLangForPageList::setAnchors(QWidget* mainWindow, const QWidget* panel,
                                     const QWidget* button) {
  mainWindow_ = mainWindow;
  panel_ = panel;
  button_ = button;
}

QPoint TfrmLangForPageList::popUpPosition() const {
  if (!mainWindow_) return pos();
  return orvik::popUpAboveButton(mainWindow_, panel_, button_, height(), 15, 25);
}

void TfrmLangForPageList::popUp() {
  move(popUpPosition());
  show();
  raise();
}

void TfrmLangForPageList::SevenLangListMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
  const int line = SevenLangList->selectedNumber() - 1;
  const QStringList& lines = SevenLangList->Lines();
  emit linePressed();
  hide();
  if (line < 0 || line >= lines.size()) return;
  const auto language =
      orvik::Language::fromNumber(orvik::LanguageOfItem(lines.at(line), orvik::altCaptionTable()));
  if (language) emit languageChosen(*language);
}

void TfrmLangForPageList::MultiLang1AfterLanguageChanged(TBaseMultiLang*, quint8 newLanguage) {
  const int number = orvik::languageNumberOfIndex(newLanguage);
  if (number < 1) return;
  const int left = orvik::writtenInCyrillic(number) ? kRussianLeft : kWesternLeft;
  SevenLangList->setGeometry(left, SevenLangList->y(), kWidth - left, SevenLangList->height());
  orvik::RelabelLanguageItems(SevenLangList, int(SevenLangList->Lines().size()),
                              orvik::altCaptionTable(), number);
  fitWidth();
}
