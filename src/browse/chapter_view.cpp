#include "browse/chapter_view.h"

#include <QStringList>

#include "app/data_module.h"
#include "browse/picture_box.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_zakladka.h"
#include "platform/table.h"
#include "schema/schema.h"

namespace schema = orvik::schema;

ChapterView::ChapterView(TDMOrvik* data, const Controls& controls) : data_(data), c_(controls) {}

void ChapterView::fill(orvik::Table* chapters) {
  chapters->setIndexName(schema::Chapter::kIndChptCode);
  if (!chapters->findKey({1})) return;
  QStringList lines;
  QList<int> codes;
  chapters->first();
  const int count = chapters->recordCount();
  for (int i = 0; i < count; ++i) {
    lines << chapters->textValue(schema::Chapter::kChapterNamePosition);
    codes << chapters->intValue(schema::Chapter::kChapterCodePosition);
    chapters->next();
  }
  codes_ = codes;
  c_.list->setLines(lines);
}

int ChapterView::chapterOfRow(int row) const {
  return row >= 1 && row <= codes_.size() ? codes_[row - 1] : row;
}

int ChapterView::rowOfChapter(int chapterCode) const {
  if (codes_.isEmpty()) return chapterCode;
  return int(codes_.indexOf(chapterCode)) + 1;
}

QString ChapterView::nameOfCode(orvik::Table* chapters, int chapterCode) {
  if (!chapters || !chapters->active()) return {};
  chapters->setIndexName(schema::Chapter::kIndChptCode);
  if (!chapters->findKey({chapterCode})) return {};
  return chapters->textValue(schema::Chapter::kChapterNamePosition);
}

void ChapterView::positionPictures(int chapterCode) {
  if (!data_ || !data_->tblChptPct->active()) return;
  data_->tblChptPct->setIndexName(schema::ChptPct::kIndChapterCode);
  data_->tblChptPct->findKey({chapterCode});
}

void ChapterView::showPicture(bool pagePicture) {
  if (!data_ || !data_->tblChptPct->active()) return;
  orvik::Table* t = data_->tblChptPct;
  c_.picture->setPicture(
      t->isEmpty() ? QImage()
                   : t->image(pagePicture ? schema::kPagePicture : schema::kChapterPicture));
}

void ChapterView::listHighlightChanged() {
  const int chapter = chapterOfRow(c_.list->selectedNumber());
  c_.tabs->highlightTab(chapter);
  positionPictures(chapter);
}

void ChapterView::tabsPointerChanged() {
  if (c_.list->isHidden()) return;
  const int n = c_.tabs->pointerTab();
  if (n == lastPointedTab_ || n < 1 || n > 15) return;
  lastPointedTab_ = n;
  c_.list->highlight(rowOfChapter(n) - 1);
  positionPictures(n);
}
