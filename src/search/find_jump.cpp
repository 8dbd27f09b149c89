#include "search/find_jump.h"

#include <QColor>
#include <QCursor>
#include <QSet>

#include "app/data_module.h"
#include "app/table_positions.h"
#include "browse/entry_panes.h"
#include "browse/main_window.h"
#include "browse/orvik_word.h"
#include "controls/orvik_btn98.h"
#include "platform/message_boxes.h"
#include "platform/table.h"
#include "schema/schema.h"

namespace schema = orvik::schema;

FindJump::FindJump(TDMOrvik* data, TForm1* mainWindow) : data_(data), main_(mainWindow) {}

QColor FindJump::markColour() {
  return QColor(180, 169, 135);
}

bool FindJump::jump(int language, int pageCode, int order) {
  pageCode_ = 0;
  order_ = 0;
  if (!data_) return false;
  orvik::Table* pageNames = data_->tblPageName(language);
  if (!pageNames) return false;
  bool spotMissing = false;
  const bool ok = data_->guarded([&] {
    if (pageCode <= 0 || !orvik::positionOnPageName(pageNames, pageCode)) return;
    orvik::Table* pages = data_->tblPgePicture;
    pages->setIndexName(schema::PgePicture::kIndexPgePct);
    if (!pages->findKey({pageNames->intValue(schema::kChapterCode),
                         pageNames->intValue(schema::kSubchapter), pageCode}))
      return;
    pageCode_ = pageCode;
    // The spot is looked up here so that a missing one is said before the page turns; the
    // page view puts the entry table back on it after showing the page's first entry.
    if (orvik::positionOnEntry(data_->tblWrdPicture, pageCode, order))
      order_ = order;
    else
      spotMissing = true;
  });
  if (!ok) return false;
  if (spotMissing) {
    if (orvik::MessageBoxes* boxes = data_->environment().messages)
      boxes->show(orvik::MessageKind::Warning, QStringLiteral("Picture For Word is not found"));
  }
  return pageCode_ != 0;
}

void FindJump::showPage() {
  if (!main_) return;
  main_->EnterPageView();
  if (order_ > 0 && data_) {
    bool onEntry = false;
    data_->guarded(
        [&] { onEntry = orvik::positionOnEntry(data_->tblWrdPicture, pageCode_, order_); });
    if (onEntry) main_->ShowCurrentEntryOnPicture();
  }
  if (main_->btnFind) QCursor::setPos(main_->btnFind->mapToGlobal(QPoint(20, 10)));
  main_->show();
  main_->raise();
  main_->activateWindow();
  main_->setMouseLock(false);
}

void FindJump::follow() {
  if (main_ && order_ > 0) main_->announceCurrentEntry();
}

int FindJump::markWord(int language, const QString& word) {
  if (!data_ || !main_ || order_ <= 0 || !main_->entryPanes()) return 0;
  TOrvikWord* pane = main_->entryPanes()->pane(language);
  orvik::Table* search = data_->tblWordFind(language);
  const QString w = word.trimmed();
  if (!pane || !search || w.isEmpty()) return 0;
  // The written forms of the word in this entry: the rows of (page, order) whose word is w.
  // Only the entry's own rows count, so a word the entry lacks marks nothing.
  QStringList forms;
  const bool ok = data_->guarded([&] {
    search->setIndexName(schema::WordFind::kIndWordReal);
    // From the entry's first row: a stored word with stray spaces sorts anywhere in it.
    search->findNearest({pageCode_, order_});
    while (!search->eof() && !search->isEmpty() &&
           search->intValue(schema::kPageCode) == pageCode_ &&
           search->intValue(schema::kOrder) == order_) {
      if (search->textValue(schema::kWord).trimmed() == w) {
        const QString form = search->textValue(schema::kWordReal).trimmed();
        if (!form.isEmpty() && !forms.contains(form, Qt::CaseInsensitive)) forms << form;
      }
      if (search->moveBy(1) != 1) break;
    }
  });
  if (!ok) return 0;
  pane->settleLayout();
  int marked = 0;
  QSet<int> starts;
  for (const QString& form : forms)
    for (int at : pane->findAllWholeWords(form)) {
      if (starts.contains(at)) continue;
      starts.insert(at);
      pane->markRange(at, at + int(form.size()), markColour());
      ++marked;
    }
  return marked;
}
