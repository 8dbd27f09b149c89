#include "browse/page_list_view.h"

#include <QCursor>
#include <QFontMetrics>
#include <algorithm>

#include "app/data_module.h"
#include "browse/name_label.h"
#include "browse/picture_box.h"
#include "controls/cursors.h"
#include "controls/new_list_box.h"
#include "controls/orvik_scroll_bar.h"
#include "platform/table.h"
#include "schema/schema.h"

namespace schema = orvik::schema;

PageListView::PageListView(TDMOrvik* data, const Controls& controls) : data_(data), c_(controls) {}

void PageListView::clear() {
  rowPictures_.clear();
  rowPages_.clear();
  c_.list->Items().Clear();
}

void PageListView::fillRows(orvik::Table* pageNames, int chapterCode) {
  orvik::Table* little = data_->tblPctLittle;
  little->setIndexName(schema::PctLittle::kIndChapter);
  bool littleOnChapter = little->active() && little->findKey({chapterCode});
  QStringList rows;
  while (!pageNames->eof() && pageNames->intValue(schema::kChapterCode) == chapterCode) {
    rowPages_ << pageNames->intValue(schema::kPageCode);
    if (pageNames->intValue(schema::kPageCode) == 0) {
      rows << pageNames->textValue(schema::kPageName);
      rowPictures_ << QImage();
    } else {
      rows << QStringLiteral("  ") + pageNames->textValue(schema::PageName::kPageNamePosition);
      // The small pictures follow the chapter's pages one for one; a chapter with more pages
      // than pictures (or past the list's room) gets empty ones.
      if (littleOnChapter && rowPictures_.size() < kMaxRows &&
          little->intValue(schema::PctLittle::kChapterCodePosition) == chapterCode) {
        rowPictures_ << little->image(schema::kLittlePagePicture);
        const int moved = little->moveBy(1);
        if (moved == 0) littleOnChapter = false;
      } else {
        rowPictures_ << QImage();
      }
    }
    if (pageNames->moveBy(1) == 0) break;
  }
  c_.list->setItems(rows);
}

void PageListView::fitScrollBar(int top, bool visible) {
  const int rows = c_.list->Items().Count();
  if (rows > kRows) {
    c_.scrollBar->setMax(rows - kRows);
    c_.scrollBar->setPosition(top);
  }
  c_.scrollBar->setVisible(visible && rows > kRows);
}

bool PageListView::isPageRow(int row) const {
  if (row < 0 || row >= c_.list->Items().Count()) return false;
  return c_.list->itemText(row).startsWith(QLatin1Char(' '));
}

QImage PageListView::rowPicture(int row) const {
  return row >= 0 && row < rowPictures_.size() ? rowPictures_[row] : QImage();
}

int PageListView::pageCodeOfRow(int row) const {
  return isPageRow(row) && row < rowPages_.size() ? rowPages_[row] : 0;
}

void PageListView::countVisibleRows() {
  visibleRows_ = std::min(c_.list->height() / c_.list->ItemHeight(), c_.list->Items().Count());
}

void PageListView::resetHover() {
  hotRow_ = -1;
  if (prevHotRow_ >= 0) c_.list->update(c_.list->itemRect(prevHotRow_));
  prevHotRow_ = -1;
  c_.littlePicture->move(c_.littlePicture->x(), 2);
  c_.littlePicture->setPicture(rowPicture(0));
}

void PageListView::drawItem(SkinnedListBox* control, int index, QRect rect) {
  ListCanvas& canvas = control->Canvas();
  canvas.brushColor = c_.listColour;
  canvas.fillRect(rect);
  if (!isPageRow(index))
    canvas.fontColor = c_.headingColour;
  else
    canvas.fontColor = index == hotRow_ ? QColor(255, 0, 0) : QColor(0, 0, 0);
  // A row too long for the list is shortened at a word with an ellipsis.
  const QString text = c_.list->itemText(index);
  const QFontMetrics metrics(c_.list->font());
  canvas.textOut(rect.left() + 2, rect.top(),
                 NameLabel::fittedText(text, metrics, rect.width() - 4));
}

void PageListView::mouseMove(QPoint pos) {
  TNewListBox* list = c_.list;
  const int rowHeight = list->ItemHeight();
  const int count = list->Items().Count();
  if (count == 0 || pos.y() < 0 || pos.x() < 0) return;
  if (pos.y() >= visibleRows_ * rowHeight || pos.x() >= list->width()) return;
  const int row = std::min(list->TopIndex() + pos.y() / rowHeight, count - 1);
  if (row == prevHotRow_) return;
  hotRow_ = row;
  if (prevHotRow_ >= 0) list->update(list->itemRect(prevHotRow_));
  list->update(list->itemRect(row));
  list->setCursor(isPageRow(row) ? orvik::orvikCursor(orvik::O_FOREFINGER)
                                 : QCursor(Qt::ArrowCursor));
  prevHotRow_ = row;
  moveLittleToHotRow();
}

void PageListView::moveLittleToHotRow() {
  if (hotRow_ < 0) return;
  const int top = (hotRow_ - c_.list->TopIndex()) * c_.list->ItemHeight() + 2;
  c_.littlePicture->move(c_.littlePicture->x(), top);
  c_.littlePicture->setPicture(rowPicture(hotRow_));
}

void PageListView::scroll(int scrollCode, int& scrollPos) {
  TNewListBox* list = c_.list;
  const int top = list->TopIndex();
  switch (scrollCode) {
    case TOrvikScrollBar::scLineUp:
    case TOrvikScrollBar::scPageUp:
      if (top > 0) list->setTopIndex(scrollPos);
      break;
    case TOrvikScrollBar::scTrack:
      list->setTopIndex(scrollPos);
      break;
    case TOrvikScrollBar::scLineDown:
    case TOrvikScrollBar::scPageDown:
      if (c_.scrollBar->Max() >= top) list->setTopIndex(scrollPos);
      break;
    default:
      return;
  }
  moveLittleToHotRow();
}
