#include "search/find_jump.h"

#include <QColor>
#include <QCursor>
#include <QSet>

#include "app/data_module.h"
#include "app/dictionary_model.h"
#include "browse/entry_panes.h"
#include "browse/main_window.h"
#include "browse/orvik_word.h"
#include "platform/message_boxes.h"
#include "platform/table.h"
#include "schema/schema.h"

namespace schema = orvik::schema;

FindJump::FindJump(TDMOrvik* data, TForm1* mainWindow) : data_(data), main_(mainWindow) {}

QColor FindJump::markColour() {
  return QColor(180, 169, 135);
}

bool FindJump::jump(int pageCode, int order) {
  pageCode_ = 0;
  order_ = 0;
  if (!data_) return false;
  bool spotMissing = false;
  const bool ok = data_->guarded([&] {
    orvik::DictionaryModel& dictionary = data_->dictionary();
    if (pageCode <= 0 || dictionary.chapterOfPage(pageCode) <= 0) return;
    pageCode_ = pageCode;
    // The spot is looked up here so that a missing one is said before the page turns.
    if (dictionary.contains({pageCode, order}))
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
  // The page is entered again even when it is on screen, as a click on its row would.
  if (pageCode_ == 0 || !main_->showPage(pageCode_)) main_->EnterPageView();
  if (order_ > 0) main_->showEntry({pageCode_, order_});
  main_->pointAtButton(TForm1::Button::Find, QPoint(20, 10));
  main_->show();
  main_->raise();
  main_->activateWindow();
  main_->setMouseLock(false);
}

int FindJump::markWord(orvik::Language language, const QString& word) {
  if (!data_ || !main_ || order_ <= 0) return 0;
  orvik::Table* search = data_->tblWordFind(language);
  const QString w = word.trimmed();
  if (!search || w.isEmpty()) return 0;
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
  return main_->markInArticle(language, forms, markColour());
}
