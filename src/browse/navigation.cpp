// Chapter, page-list and page navigation of the main window: the chapter list and tab strip,
// building the page list of a chapter, opening a page, stepping through pages across chapter
// boundaries and through the entries of a page, and the way back to the page list and the
// chapters.

#include <QApplication>
#include <optional>

#include "app/data_module.h"
#include "app/table_positions.h"
#include "browse/chapter_view.h"
#include "browse/data_image.h"
#include "browse/entry_panes.h"
#include "browse/hand_over.h"
#include "browse/main_window.h"
#include "browse/name_label.h"
#include "browse/page_list_view.h"
#include "browse/picture_box.h"
#include "controls/cursors.h"
#include "controls/new_list_box.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_btn_nav.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_panel.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/orvik_zakladka.h"
#include "lang/language_captions.h"
#include "lang/multi_lang.h"
#include "platform/event_pump.h"
#include "platform/table.h"
#include "platform/widget_helpers.h"
#include "schema/schema.h"

namespace {

namespace schema = orvik::schema;
using orvik::schema::kChapterCode;
using orvik::schema::kOrder;
using orvik::schema::kPageCode;
using orvik::schema::kPageName;

}  // namespace

orvik::Language TForm1::interfaceLanguage() const {
  return data_ ? data_->settings().interfaceLanguage() : orvik::Language::English;
}

orvik::Table* TForm1::chapterTable() const {
  return data_ ? data_->tblChapter(interfaceLanguage()) : nullptr;
}

orvik::Table* TForm1::pageNameTable() const {
  return data_ ? data_->tblPageName(interfaceLanguage()) : nullptr;
}

// The chapter's name in the interface language; empty when the chapter is not in the table.
// Throws orvik::DbError.
QString TForm1::chapterNameOfCode(int chapterCode) {
  return ChapterView::nameOfCode(chapterTable(), chapterCode);
}

// Throws orvik::DbError.
void TForm1::positionChapterPictures(int chapterCode) {
  chapters_->positionPictures(chapterCode);
}

bool TForm1::isPageRow(int row) const {
  return pageList_->isPageRow(row);
}

int TForm1::chapterOfRow(int row) const {
  return chapters_->chapterOfRow(row);
}

int TForm1::rowOfChapter(int chapterCode) const {
  return chapters_->rowOfChapter(chapterCode);
}

QImage TForm1::rowPicture(int row) const {
  return pageList_->rowPicture(row);
}

// ---------------------------------------------------------------------------------------------
// Operations

void TForm1::FillChapterList(orvik::Table* chapters) {
  if (!chapters || !chapters->active()) return;
  guard([&] { chapters_->fill(chapters); });
}

void TForm1::ShowPageName(orvik::Table* pageNames, int pageCode) {
  if (!pageNames || !pageNames->active()) return;
  guard([&] {
    pageNames->setIndexName(schema::PageName::kIndPgCd);
    if (pageNames->findKey({pageCode})) lblPageName->setText(pageNames->textValue(kPageName));
  });
}

// Appends the rows of a chapter from the page-name table's current row on, with the small
// pictures of its pages from tblPctLittle's current row on. Throws orvik::DbError.
void TForm1::fillPageRows(orvik::Table* pageNames, int chapterCode) {
  pageListChapter_ = chapterCode;
  pageList_->fillRows(pageNames, chapterCode);
}

void TForm1::BuildPageList(orvik::Table* chapters, orvik::Table* pageNames,
                           const QString& chapterName) {
  if (!data_ || !chapters || !pageNames) return;
  guard([&] {
    pageList_->clear();
    chapters->setIndexName(schema::Chapter::kIndChapter);
    if (!chapters->findKey({chapterName})) return;
    const int code = chapters->intValue(kChapterCode);
    pageNames->setIndexName(schema::PageName::kIndChptCode);
    if (!pageNames->findKey({code})) return;
    fillPageRows(pageNames, code);
    pageList_->fitScrollBar(0, true);
  });
}

void TForm1::RebuildPageList(orvik::Table* pageNames) {
  if (!data_ || !pageNames || !pageNames->active()) return;
  guard([&] {
    int code = pageListChapter_;
    orvik::Table* pages = data_->tblPgePicture;
    if (!ImgPages->isHidden() && pages->active() && !pages->isEmpty())
      code = pages->intValue(kChapterCode);
    if (code <= 0) return;
    const qint64 namesRow = pageNames->isEmpty() ? 0 : pageNames->bookmark();
    const qint64 pageRow = pages->active() && !pages->isEmpty() ? pages->bookmark() : 0;
    const int top = NewListBoxPages->TopIndex();
    pageList_->clear();
    pageNames->setIndexName(schema::PageName::kIndChptCode);
    if (pageNames->findKey({code})) fillPageRows(pageNames, code);
    NewListBoxPages->setTopIndex(top);
    pageList_->fitScrollBar(NewListBoxPages->TopIndex(), !PanelForImgLittle->isHidden());
    if (namesRow) pageNames->gotoBookmark(namesRow);
    if (pageRow) pages->gotoBookmark(pageRow);
    pageListChapter_ = code;
  });
}

bool TForm1::showPage(int pageCode) {
  if (!data_) return false;
  bool found = false;
  guard([&] {
    // The current page is the page table's current row: put it there, then turn.
    orvik::Table* pages = data_->tblPgePicture;
    const int chapter = data_->dictionary().chapterOfPage(pageCode);
    pages->setIndexName(schema::PgePicture::kIndexPgePct);
    if (chapter <= 0) return;
    for (pages->findNearest({chapter}); !pages->eof(); pages->next()) {
      if (pages->intValue(kChapterCode) != chapter) return;
      if (pages->intValue(kPageCode) == pageCode) {
        found = true;
        return;
      }
    }
  });
  if (!found) return false;
  EnterPageView();
  Zakladki->update();
  return true;
}

bool TForm1::showEntry(orvik::EntryRef entry) {
  if (!data_) return false;
  bool known = false;
  guard([&] { known = data_->dictionary().contains(entry); });
  if (!known) return false;
  if (view() != View::Page || currentPageCode_ != entry.pageCode) {
    if (!showPage(entry.pageCode)) return false;
  }
  bool onEntry = false;
  guard(
      [&] { onEntry = orvik::positionOnEntry(data_->tblWrdPicture, entry.pageCode, entry.order); });
  if (!onEntry) return false;
  ShowCurrentEntryOnPicture();
  announceCurrentEntry();
  return true;
}

orvik::EntryRef TForm1::currentEntry() const {
  if (!data_ || view() != View::Page) return {};
  orvik::EntryRef entry;
  data_->guarded([&] {
    orvik::Table* words = data_->tblWrdPicture;
    if (words->isEmpty() || words->intValue(kPageCode) != currentPageCode_) return;
    entry = {currentPageCode_, words->intValue(kOrder)};
  });
  return entry;
}

void TForm1::UpdateEntryButtons() {
  btnPrevWord->setEnabled(true);
  btnNextWord->setEnabled(true);
  if (!data_) return;
  guard([&] {
    orvik::Table* words = data_->tblWrdPicture;
    // A page without entries leaves the entry table elsewhere: nothing to step through.
    if (!words->active() || words->isEmpty() || words->intValue(kPageCode) != currentPageCode_) {
      btnPrevWord->setEnabled(false);
      btnNextWord->setEnabled(false);
      return;
    }
    const int order = words->intValue(kOrder);
    if (order == 1) btnPrevWord->setEnabled(false);
    if (order == words->intValue(schema::kNumberWord)) btnNextWord->setEnabled(false);
  });
}

void TForm1::UpdatePageButtons() {
  if (!data_) return;
  guard([&] {
    orvik::Table* pages = data_->tblPgePicture;
    const int recNo = pages->recNo();
    btnNextPage->setVisible(recNo < pages->recordCount());
    btnPrevPage->setVisible(recNo > 1);
  });
}

void TForm1::ResetPageRowHover() {
  pageList_->resetHover();
}

void TForm1::ReloadLanguageNames(orvik::Language language) {
  SetInterfaceLanguage(quint8(language.translationIndex()));
  if (!data_) return;
  orvik::Table* chapters = data_->tblChapter(language);
  orvik::Table* pageNames = data_->tblPageName(language);
  if (!chapters || !pageNames || !chapters->active() || !pageNames->active()) return;
  if (ListBoxChapter->isHidden()) {
    RebuildPageList(pageNames);
    ResetPageRowHover();
  }
  FillChapterList(chapters);
  if (!lblPageName->isHidden()) ShowPageName(pageNames, currentPageCode_);
  updateNameSoundButtons();
  guard([&] {
    chapters->setIndexName(schema::Chapter::kIndChptCode);
    if (pageListChapter_ > 0 && chapters->findKey({pageListChapter_}))
      lblChapterName->setText(chapters->textValue(schema::Chapter::kChapterNamePosition));
  });
}

void TForm1::ApplyShownLanguages() {
  if (panes_) panes_->hideAll();
  layoutPanes();
  const View v = view();
  updateNameSoundButtons();
  if (v == View::Page) {
    lblPageName->show();
    showPanes(true);
    emit shownLanguagesChanged();
  }
}

void TForm1::updateNameSoundButtons() {
  // The page and chapter names sound in the interface language: their buttons show only when
  // that language has recordings, in whichever view they belong to.
  const bool sounds = data_ && data_->settings().hasSounds(interfaceLanguage());
  const View v = view();
  btnSoundChapter->setVisible(sounds && v != View::Chapters);
  btnSoundPage->setVisible(sounds && v == View::Page);
}

void TForm1::LockCommands() {
  // Every button but the auto-play panel's and the list buttons.
  QList<const TOrvikBtn98*> keep{btnAutoPlayPanel};
  if (panes_)
    for (int language = 1; language <= 4; ++language) keep << panes_->listButton(language);
  const QList<TOrvikBtn98*> buttons = findChildren<TOrvikBtn98*>();
  for (TOrvikBtn98* b : buttons)
    if (!keep.contains(b)) b->setEnabled(false);
}

void TForm1::UnlockCommands() {
  const QList<TOrvikBtn98*> buttons = findChildren<TOrvikBtn98*>();
  for (TOrvikBtn98* b : buttons) b->setEnabled(true);
}

void TForm1::EnterPageView() {
  orvik::BusyCursor busy;
  PhonChapters->hide();
  ListBoxChapter->hide();
  Phon->show();
  PanelChapName->show();
  lblPageName->show();
  Zakladki->sticky = false;
  // The page, its names and its chapter's tab, whoever chose the page.
  mouseLock_ = false;
  guard([&] {
    if (data_ && !data_->tblPgePicture->isEmpty())
      currentPageCode_ = data_->tblPgePicture->intValue(kPageCode);
  });
  ShowPageName(pageNameTable(), currentPageCode_);
  guard([&] {
    putCleanPicture();
    if (!data_ || data_->tblPgePicture->isEmpty()) return;
    const int chapter = data_->tblPgePicture->intValue(kChapterCode);
    lblChapterName->setText(chapterNameOfCode(chapter));
    if (chapter != Zakladki->selectedTab()) {
      Zakladki->setSelectedTab(chapter);
      positionChapterPictures(chapter);
    }
  });
  PanelForImg->show();
  ImgPages->show();
  PanelForImg->raise();
  showPanes(true);
  for (QWidget* w :
       std::initializer_list<QWidget*>{btnPrevPage, btnNextPage, btnPrevWord, btnNextWord,
                                       btnRegime, btnPrintPct, btnAutoPlayPanel, btnBackToPages})
    w->show();
  const bool sounds = data_ && data_->settings().hasSounds(interfaceLanguage());
  btnSoundPage->setVisible(sounds);
  btnSoundChapter->setVisible(sounds);
  ClearEntryPanes();
  NewListBoxPages->hide();
  OSBarPages->hide();
  PanelForImgLittle->hide();
  btnBackToChapters->hide();
  ImgChapter->hide();
  UpdatePageButtons();
  if (ShowPageFirstEntry()) {
    SyncEntryPanes();
    emit currentEntryChanged();
  }
  UpdateEntryButtons();
  autoPlay()->setIdle();
  emit pageViewEntered();
}

// ---------------------------------------------------------------------------------------------
// Chapter view and tab strip

void TForm1::ListBoxChapterNoSelectedChange() {
  guard([&] { chapters_->listHighlightChanged(); });
}

void TForm1::ListBoxChapterMouseMove() {
  emit pointerMovedOverWindow();
}

void TForm1::ZakladkiSelectedChange() {
  guard([&] { chapters_->tabsPointerChanged(); });
}

void TForm1::ZakladkiHighlightedChange() {
  if (!ListBoxChapter->isHidden()) {
    Zakladki->hintAllowed = false;
    return;
  }
  Zakladki->hintAllowed = true;
  guard([&] { Zakladki->setChapterName(chapterNameOfCode(Zakladki->pointerTab())); });
}

void TForm1::ListBoxChapterMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint) {
  if (button != Qt::LeftButton) return;
  const int n = ListBoxChapter->selectedNumber();
  if (n < 1 || n > ListBoxChapter->Lines().size()) return;
  const QString name = ListBoxChapter->Lines().at(n - 1);
  sound()->playClickSound();
  orvik::BusyCursor busy;
  NewListBoxPages->Items().Clear();
  Zakladki->setSelectedTab(chapterOfRow(n));
  orvik::Table* chapters = chapterTable();
  BuildPageList(chapters, pageNameTable(), name);
  guard([&] {
    if (!chapters) return;
    chapters->setIndexName(schema::Chapter::kIndChapter);
    if (chapters->findKey({name}))
      lblChapterName->setText(chapters->textValue(schema::Chapter::kChapterNamePosition));
  });
  ResetPageRowHover();
  showPageListView();
  setVisibleRowCount();
}

void TForm1::ZakladkiClick() {
  const int n = Zakladki->selectedTab();
  if (n < 1 || n > 15) return;
  // A tab whose chapter the dictionary lacks opens nothing: the strip goes back to the chapter
  // on screen and the view stays as it was.
  QString name;
  guard([&] { name = chapterNameOfCode(n); });
  if (name.isEmpty()) {
    int shown = pageListChapter_;
    if (data_ && view() == View::Page)
      guard([&] { shown = data_->tblPgePicture->intValue(kChapterCode); });
    if (shown >= 1 && shown <= 15)
      Zakladki->setSelectedTab(shown);
    else
      Zakladki->clearSelection();
    return;
  }
  if (autoPlayRunning_) autoPlay()->stopAutoPlay();
  sound()->stopEntrySound();
  UnlockCommands();
  UpdateEntryButtons();
  autoPlay()->setIdle();
  orvik::BusyCursor busy;
  sound()->playClickSound();
  NewListBoxPages->Items().Clear();
  BuildPageList(chapterTable(), pageNameTable(), name);
  lblChapterName->setText(name);
  NewListBoxPages->setTopIndex(0);
  ResetPageRowHover();
  ListBoxChapter->hide();
  hidePageView();
  guard([&] { positionChapterPictures(n); });
  showPageListView();
  setVisibleRowCount();
}

// ---------------------------------------------------------------------------------------------
// Page-list view

void TForm1::NewListBoxPagesDrawItem(SkinnedListBox* control, int index, QRect rect, int) {
  pageList_->drawItem(control, index, rect);
}

void TForm1::NewListBoxPagesMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint pos) {
  emit pointerMovedOverWindow();
  pageList_->mouseMove(pos);
}

void TForm1::OSBarPagesScroll(int scrollCode, int& scrollPos) {
  pageList_->scroll(scrollCode, scrollPos);
}

void TForm1::NewListBoxPagesClick() {
  const int hot = pageList_->hotRow();
  const int pageCode = pageList_->pageCodeOfRow(hot);
  if (!pageCode) return;
  sound()->playClickSound();
  orvik::BusyCursor busy;
  showPage(pageCode);
}

// ---------------------------------------------------------------------------------------------
// Back to the page list and to the chapters

void TForm1::btnBackToPagesClick() {
  sound()->stopEntrySound();
  autoPlay()->setIdle();
  int pageChapter = 0;
  guard([&] {
    if (data_ && !data_->tblPgePicture->isEmpty())
      pageChapter = data_->tblPgePicture->intValue(kChapterCode);
  });
  std::optional<orvik::BusyCursor> busy;
  if (pageChapter > 0 && pageChapter != pageListChapter_) {
    busy.emplace();
    QString name;
    guard([&] { name = chapterNameOfCode(pageChapter); });
    BuildPageList(chapterTable(), pageNameTable(), name);
    NewListBoxPages->setTopIndex(0);
    OSBarPages->setPosition(OSBarPages->Min());
    ResetPageRowHover();
  }
  sound()->playClickSound();
  hidePageView();
  setVisibleRowCount();
  showPageListView();
}

void TForm1::btnBackToChaptersClick() {
  sound()->stopAllSounds();
  sound()->playClickSound();
  applyChapterPicture(false);
  showChapterView();
  btnBackToChapters->hide();
  orvik::Delay(1);
  int chapter = 0;
  guard([&] {
    if (data_ && data_->tblChptPct->active() && !data_->tblChptPct->isEmpty())
      chapter = data_->tblChptPct->intValue(0);
  });
  if (chapter >= 1) ListBoxChapter->highlight(rowOfChapter(chapter) - 1);
  Zakladki->Refresh();
  if (chapter >= 1) Zakladki->highlightTab(chapter);
}

// ---------------------------------------------------------------------------------------------
// Pages and entries

void TForm1::btnNextPageClick() {
  stepPage(true);
}
void TForm1::btnPrevPageClick() {
  stepPage(false);
}

void TForm1::stepPage(bool forward) {
  sound()->stopEntrySound();
  autoPlay()->setIdle();
  sound()->playPageTurnSound();
  orvik::BusyCursor busy;
  if (!data_) return;
  guard([&] {
    orvik::Table* pages = data_->tblPgePicture;
    const int recNo = pages->recNo();
    if (forward ? recNo >= pages->recordCount() : recNo <= 1) return;
    mouseLock_ = false;
    stopBlinking();
    pages->moveBy(forward ? 1 : -1);
    currentPageCode_ = pages->intValue(kPageCode);
    putCleanPicture();
    ClearEntryPanes();
    ShowPageName(pageNameTable(), currentPageCode_);
    const int chapter = pages->intValue(kChapterCode);
    lblChapterName->setText(chapterNameOfCode(chapter));
    if (chapter != Zakladki->selectedTab()) {
      Zakladki->setSelectedTab(chapter);
      positionChapterPictures(chapter);
    }
    if (ShowPageFirstEntry()) SyncEntryPanes();
    UpdateEntryButtons();
  });
  UpdatePageButtons();
  emit currentEntryChanged();
}

void TForm1::btnNextWordClick() {
  stepEntry(true);
}
void TForm1::btnPrevWordClick() {
  stepEntry(false);
}

void TForm1::stepEntry(bool forward) {
  sound()->stopEntrySound();
  if (!autoPlayRunning_) {
    autoPlay()->setIdle();
    sound()->playClickSound();
  }
  if (!data_) return;
  guard([&] {
    orvik::Table* words = data_->tblWrdPicture;
    if (words->isEmpty()) return;
    if (words->intValue(kPageCode) != currentPageCode_) {
      words->setIndexName(schema::WrdPicture::kIndPageOrder);
      if (!words->findKey({currentPageCode_, 1})) return;
    }
    // With the mouse last on an empty spot the table rests on entry 1 with nothing
    // highlighted: the next entry is entry 1 itself.
    int step = forward ? 1 : -1;
    if (forward && !entrySelected_) {
      step = 0;
      entrySelected_ = true;
    }
    stopBlinking();
    const int moved = words->moveBy(step);
    putCleanPicture();
    if (moved != step || words->eof() || words->intValue(kPageCode) != currentPageCode_) {
      // Off the page: stay on the entry we had.
      if (moved != 0) words->moveBy(-moved);
    }
    highlightCurrentEntry();
    mouseLock_ = false;
    startBlinking();
    SyncEntryPanes();
    emit currentEntryChanged();
    lastEntry_ = words->intValue(kOrder);
  });
  UpdateEntryButtons();
}

// ---------------------------------------------------------------------------------------------
// Interface language

void TForm1::MultiLang1AfterLanguageChanged(TBaseMultiLang*, quint8 newLanguage) {
  const int number = orvik::languageNumberOfIndex(newLanguage);
  if (number < 1) return;
  if (panes_) panes_->setInterfaceLanguage(number);
  orvik::RelabelLanguageItems(PopUpPctList, PopUpPctList->Lines().size(),
                              orvik::shiftCaptionTable(), number);
  static const char* const kSayIn[4] = {"Say in", "Prononcer en", "Произнести на",
                                        "Pronunciar en "};
  lblPopUpPct->setText(QString::fromUtf8(kSayIn[number - 1]));
  fitSayIn();
  if (const auto language = orvik::Language::fromNumber(number)) applyButtonHints(*language);
}
