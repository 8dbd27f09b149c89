#include "lang/help_menu.h"

#include <QPainter>

#include "controls/cursors.h"
#include "controls/dialog_frame.h"
#include "controls/orvik_chapter_list.h"
#include "controls/skin.h"
#include "lang/about_box.h"
#include "lang/font_sets.h"
#include "lang/help_window.h"
#include "lang/language_captions.h"
#include "lang/multi_lang.h"
#include "platform/pop_ups.h"

namespace {

// The list's left edge and its two lines, by translation index (English, Russian, French,
// Spanish).
struct HelpLines {
  int left;
  const char* help;
  const char* about;
};
constexpr HelpLines kLines[4] = {
    {33, "Help", "About..."},
    {15, "Помощь", "О программе..."},
    {8, "Aide", "Sur programme..."},
    {30, "Ayuda", "Acerca de..."},
};

// The menu's picture: parchment with a raised edge, white above and left, dark below and right.
QPixmap menuPicture() {
  QPixmap picture = orvik::panelPicture(QSize(TfrmOptForHelp::kWidth, TfrmOptForHelp::kHeight));
  QPainter p(&picture);
  orvik::gdiPolyline(p, Qt::white, {{0, 40}, {0, 0}, {115, 0}});
  orvik::gdiPolyline(p, QColor(140, 125, 67), {{114, 1}, {114, 39}, {0, 39}});
  return picture;
}

}  // namespace

TfrmOptForHelp::TfrmOptForHelp(QWidget* parent)
    : orvik::BorderlessForm(parent, Kind::StayOnTopTool) {
  setObjectName(QStringLiteral("frmOptForHelp"));
  setClientSize(kWidth, kHeight);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(0, 0, kWidth, kHeight);
  Image1->setPixmap(menuPicture());

  HelpList = new TOrvikChapterList(this);
  HelpList->setObjectName(QStringLiteral("HelpList"));
  HelpList->setItemHeight(16);
  HelpList->setGeometry(kLines[0].left, 4, kWidth - kLines[0].left, 2 * 16 + 4);
  HelpList->setLines({QString::fromUtf8(kLines[0].help), QString::fromUtf8(kLines[0].about)});
  HelpList->setCursor(orvik::orvikCursor(orvik::O_FOREFINGER));
  const int number = TBaseMultiLang::interfaceLanguage().number();
  if (const int charset = orvik::charsetOfLanguageNumber(number))
    orvik::applyFont(HelpList, orvik::timesBoldSpec(16, charset));
  connect(HelpList, &TOrvikChapterList::mousePressed, this, &TfrmOptForHelp::HelpListMouseDown);

  MultiLang1 = new TMultiLang(this);
  MultiLang1->setObjectName(QStringLiteral("MultiLang1"));
  MultiLang1->setLanguages(4);
  connect(MultiLang1, &TBaseMultiLang::AfterLanguageChanged, this,
          &TfrmOptForHelp::MultiLang1AfterLanguageChanged);
  hide();
  MultiLang1->Loaded();
}

void TfrmOptForHelp::applyFontSet(orvik::Language interfaceLanguage) {
  orvik::applyFont(HelpList, orvik::timesBoldSpec(16, orvik::charsetOf(interfaceLanguage)));
}

void TfrmOptForHelp::setAnchors(QWidget* mainWindow, const QWidget* panel, const QWidget* button,
                                TfrmAbout* about) {
  mainWindow_ = mainWindow;
  panel_ = panel;
  button_ = button;
  about_ = about;
  if (!mainWindow) return;
  const int buttonLeft = button ? button->x() : 0;
  const int buttonWidth = button ? button->width() : 0;
  const QRect g = mainWindow->frameGeometry();
  move(g.left() + buttonLeft - (kWidth - buttonWidth) / 2, g.top() + g.height() - kHeight - 30);
}

QPoint TfrmOptForHelp::popUpPosition() const {
  if (!mainWindow_) return pos();
  return orvik::popUpAboveButton(mainWindow_, panel_, button_, kHeight, 25, 35);
}

void TfrmOptForHelp::setHelpWindow(HelpWindow* help) {
  help_ = help;
}

HelpWindow* TfrmOptForHelp::helpWindow() const {
  return help_;
}

void TfrmOptForHelp::popUp() {
  move(popUpPosition());
  show();
  raise();
}

void TfrmOptForHelp::HelpListMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPoint pos) {
  // The line under the press. The line of the last move is not enough: a pointer that jumps
  // onto "Help" and presses at once may bring no move over the list, and the list still names
  // the line of its last use ("About...").
  int line = HelpList->lineAt(pos.y());
  if (line < 1 || line > HelpList->Lines().size()) line = HelpList->selectedNumber();
  emit linePressed(line);
  hide();
  if (line == 1 && help_) help_->execute(mainWindow_);
  if (line == 2 && about_) about_->execute(mainWindow_);
}

void TfrmOptForHelp::MultiLang1AfterLanguageChanged(TBaseMultiLang*, quint8 newLanguage) {
  if (newLanguage >= 4) return;
  const HelpLines& lines = kLines[newLanguage];
  HelpList->setGeometry(lines.left, HelpList->y(), kWidth - lines.left, HelpList->height());
  HelpList->setLines({QString::fromUtf8(lines.help), QString::fromUtf8(lines.about)});
}
