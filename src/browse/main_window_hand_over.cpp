// TForm1's hand-over to the other subsystems: the roles (a do-nothing role stands in for one the
// wiring has not installed), the auto-play flag, the operations the roles read, the entry and
// name sound buttons, and the "Say in" pop-up the window owns.

#include <QCursor>
#include <QPainter>

#include "browse/entry_panes.h"
#include "browse/main_window.h"
#include "browse/name_label.h"
#include "browse/orvik_word.h"
#include "browse/page_list_view.h"
#include "browse/page_picture.h"
#include "browse/picture_box.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_panel.h"
#include "controls/skin.h"
#include "lang/language_captions.h"

namespace {

class NoSound final : public SoundRole {
 public:
  void playClickSound() override {}
  void playPageTurnSound() override {}
  void stopEntrySound() override {}
  void stopAllSounds() override {}
  void pronounceEntry(orvik::Language) override {}
  void pronouncePageName() override {}
  void pronounceChapterName(const QString&) override {}
  bool clickPronunciationOn() const override { return true; }
};
class NoAutoPlay final : public AutoPlayRole {
 public:
  void stopAutoPlay() override {}
  void setIdle() override {}
  void showPanel() override {}
};
class NoEntryLists final : public EntryListsRole {
 public:
  void openEntryList(orvik::Language) override {}
  bool entryListOpen(orvik::Language) const override { return false; }
};
class NoPrint final : public PrintRole {
 public:
  void printPicture() override {}
  void printEntries(orvik::Language) override {}
  void printEntry(orvik::Language) override {}
};
class NoFind final : public FindRole {
 public:
  void openFindChooser() override {}
  void openFind(orvik::Language) override {}
};
class NoPageList final : public PageListRole {
 public:
  void openPageListChooser() override {}
  void openPageList(orvik::Language) override {}
};
class NoDialogs final : public DialogsRole {
 public:
  bool confirmExit() override { return false; }
  void openHelpMenu() override {}
  void openSettings() override {}
};

template <typename Role, typename Null>
Role* orNull(Role* role) {
  static Null null;
  return role ? role : &null;
}

}  // namespace

void TForm1::setHandOver(const HandOver& handOver) {
  handOver_ = handOver;
  // The panes ask the entry lists whether a list is open, so that its button hides.
  if (panes_) panes_->setEntryLists(handOver.entryLists);
  if (handOver_.practice) createPracticeControls();
}

SoundRole* TForm1::sound() const {
  return orNull<SoundRole, NoSound>(handOver_.sound);
}
AutoPlayRole* TForm1::autoPlay() const {
  return orNull<AutoPlayRole, NoAutoPlay>(handOver_.autoPlay);
}
EntryListsRole* TForm1::entryLists() const {
  return orNull<EntryListsRole, NoEntryLists>(handOver_.entryLists);
}
PrintRole* TForm1::print() const {
  return orNull<PrintRole, NoPrint>(handOver_.print);
}
FindRole* TForm1::find() const {
  return orNull<FindRole, NoFind>(handOver_.find);
}
PageListRole* TForm1::pageList() const {
  return orNull<PageListRole, NoPageList>(handOver_.pageList);
}
DialogsRole* TForm1::dialogs() const {
  return orNull<DialogsRole, NoDialogs>(handOver_.dialogs);
}

void TForm1::setAutoPlayRunning(bool running) {
  autoPlayRunning_ = running;
  // Practice and auto-play exclude each other: auto-play starting ends a round.
  if (running && handOver_.practice) handOver_.practice->stopPractice();
}

void TForm1::announceCurrentEntry() {
  emit currentEntryChanged();
}

int TForm1::hotRow() const {
  return pageList_->hotRow();
}

int TForm1::visibleRowCount() const {
  return pageList_->visibleRowCount();
}

int TForm1::blinkPhase() const {
  return picture_->blinkPhase();
}

QString TForm1::shownPageName() const {
  return lblPageName->text();
}

QString TForm1::shownChapterName() const {
  return lblChapterName->text();
}

QImage TForm1::cleanPagePicture() const {
  return ImgSound->picture();
}

bool TForm1::paneHasText(orvik::Language language) const {
  const TOrvikWord* pane = panes_ ? panes_->pane(language.number()) : nullptr;
  return pane && !pane->isEmpty();
}

void TForm1::PronounceEntry(orvik::Language language) {
  // An entry sounds only from a pane that holds its article, and never over auto-play.
  if (autoPlayRunning_ || !paneHasText(language)) return;
  sound()->pronounceEntry(language);
}

void TForm1::btnSoundPageClick() {
  sound()->pronouncePageName();
}

void TForm1::btnSoundChapterClick() {
  sound()->pronounceChapterName(lblChapterName->text());
}

bool TForm1::sayInShowing() const {
  return PopUpPct->isVisible();
}

void TForm1::hideSayIn() {
  PopUpPct->hide();
}

void TForm1::fitSayIn() {
  // 140 wide, wider when a line ("Английском   Shift+E") or the title would not fit in its
  // font; the bottom lines are drawn again at the new width.
  const QFontMetrics lineMetrics(PopUpPctList->font());
  int widest = QFontMetrics(lblPopUpPct->font()).horizontalAdvance(lblPopUpPct->text());
  for (const QString& line : PopUpPctList->Lines())
    widest = std::max(widest, lineMetrics.horizontalAdvance(line) + 6);
  const int width = std::max(140, 8 + widest + 6);
  if (width == PopUpPct->width()) return;
  const int height = PopUpPct->height();
  PopUpPct->resize(width, height);
  PopUpPctList->resize(width - 12, PopUpPctList->height());
  lblPopUpPct->resize(width - 12, lblPopUpPct->height());
  PopUpPct->setPicture(orvik::panelPicture(QSize(width, height)));
  orvik::drawSayInEdge(PopUpPct);
}

void TForm1::openSayIn(QPoint pos) {
  // One corner at the clicked point; the pop-up opens to the left of points right of the
  // picture's middle and upwards from points below it, so it stays over the picture.
  sayInReturn_ = QCursor::pos();
  const int width = PopUpPct->width();
  const int height = PopUpPct->height();
  const QPoint corner = PanelForImg->pos() + pos;
  const int left = pos.x() < width / 3 + kPictureWidth / 2 ? corner.x() : corner.x() - width;
  const int top = pos.y() < kPictureHeight / 2 + height / 2 ? corner.y() : corner.y() - height;
  PopUpPct->move(left, top);
  PopUpPct->show();
  PopUpPct->raise();
}
