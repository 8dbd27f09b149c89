#include "search/find_chooser.h"

#include "controls/cursors.h"
#include "controls/orvik_chapter_list.h"
#include "lang/font_sets.h"
#include "lang/language_captions.h"
#include "lang/multi_lang.h"
#include "platform/pop_ups.h"

TfrmLangForFind::TfrmLangForFind(QWidget* parent)
    : orvik::BorderlessForm(parent, Kind::StayOnTopTool) {
  setObjectName(QStringLiteral("frmLangForFind"));
  setClientSize(kWidth, heightFor(4));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(238, 230, 201));
  setPalette(pal);

  // An empty picture over the window: the list stands on the window's plain colour.
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, kWidth, heightFor(4));

  SevenLangList = new TOrvikChapterList(this);
  SevenLangList->setObjectName(QStringLiteral("SevenLangList"));
  SevenLangList->setItemHeight(20);
  SevenLangList->setGeometry(20, 4, kWidth - 20, 4 * 20 + 4);
  SevenLangList->setCursor(orvik::orvikCursor(orvik::O_FOREFINGER));
  connect(SevenLangList, &TOrvikChapterList::mousePressed, this,
          [this](Qt::MouseButton, Qt::KeyboardModifiers, QPoint) { SevenLangListMouseDown(); });

  MultiLang1 = new TMultiLang(this);
  MultiLang1->setObjectName(QStringLiteral("MultiLang1"));
  MultiLang1->setLanguages(4);
  connect(MultiLang1, &TBaseMultiLang::AfterLanguageChanged, this,
          &TfrmLangForFind::MultiLang1AfterLanguageChanged);
  hide();
  MultiLang1->Loaded();
}

int TfrmLangForFind::heightFor(int languages) {
  switch (languages) {
    case 1:
      return 27;
    case 2:
      return 48;
    case 3:
      return 69;
    default:
      return 88;
  }
}

void TfrmLangForFind::applyFontSet(orvik::Language interfaceLanguage) {
  const int charset = orvik::charsetOf(interfaceLanguage);
  orvik::applyWindowPass(this, charset);
  orvik::applyFont(SevenLangList, orvik::timesBoldSpec(16, charset));
}

void TfrmLangForFind::setUp(const std::array<int, 4>& installedSlots, QWidget* mainWindow,
                            const QWidget* panel, const QWidget* findButton) {
  mainWindow_ = mainWindow;
  panel_ = panel;
  button_ = findButton;
  const QStringList lines = orvik::languageItems(installedSlots, orvik::ctrlCaptionTable());
  lineCount_ = int(lines.size());
  setClientSize(kWidth, heightFor(qMax(1, lineCount_)));
  Image1->resize(kWidth, height());
  SevenLangList->setLines(lines);
  relabel(TBaseMultiLang::interfaceLanguage());
}

void TfrmLangForFind::relabel(orvik::Language interface) {
  QStringList lines = SevenLangList->Lines();
  orvik::RelabelLanguageItems(lines, int(lines.size()), orvik::ctrlCaptionTable(),
                              interface.number());
  SevenLangList->setGeometry(interface.isCyrillic() ? 8 : 20, SevenLangList->y(),
                             kWidth - (interface.isCyrillic() ? 8 : 20), SevenLangList->height());
  SevenLangList->setLines(lines);
  orvik::applyFont(SevenLangList, orvik::timesBoldSpec(16, orvik::charsetOf(interface)));
  // 140 wide, wider only when a line would not fit in the list's font (the Russian lines).
  const QFontMetrics metrics(SevenLangList->font());
  int widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  const int width = std::max(kWidth, SevenLangList->x() + widest + 8);
  SevenLangList->resize(width - SevenLangList->x(), SevenLangList->height());
  if (width != this->width()) {
    setClientSize(width, height());
    Image1->resize(width, height());
  }
}

QPoint TfrmLangForFind::popUpPosition() const {
  if (!mainWindow_) return pos();
  return orvik::popUpAboveButton(mainWindow_, panel_, button_, height(), 15, 25);
}

void TfrmLangForFind::popUp() {
  move(popUpPosition());
  show();
  raise();
}

void TfrmLangForFind::SevenLangListMouseDown() {
  const int line = SevenLangList->selectedNumber();
  hide();
  if (line < 1 || line > SevenLangList->Lines().size()) return;
  const auto language = orvik::Language::fromNumber(
      orvik::LanguageOfItem(SevenLangList->Lines().at(line - 1), orvik::ctrlCaptionTable()));
  if (language) emit languageChosen(*language);
}

void TfrmLangForFind::MultiLang1AfterLanguageChanged(TBaseMultiLang*, quint8 newLanguage) {
  if (const auto interface = orvik::Language::fromTranslationIndex(newLanguage))
    relabel(*interface);
}
