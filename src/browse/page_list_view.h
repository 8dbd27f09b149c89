#pragma once
// PageListView: the page-list view's rows. It fills the list with a chapter's headings and pages
// (pages indented by two blanks) and their small pictures, draws the rows (headings in the
// heading colour, the row under the mouse in red, names too long shortened at a word), follows
// the mouse over the visible rows with the small picture beside the row, and scrolls the list
// with its scroll bar. Which chapter it shows and what a click opens stay with the main window.
//
// fillRows() reads tables and may throw orvik::DbError; the main window routes it to the
// database failure routine.

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

class PictureBox;
class SkinnedListBox;
class TDMOrvik;
class TNewListBox;
class TOrvikScrollBar;
namespace orvik {
class Table;
}

class PageListView {
 public:
  static constexpr int kRows = 24;      // rows of 16 pixels that fit
  static constexpr int kMaxRows = 126;  // the most rows a chapter has pictures for

  struct Controls {
    TNewListBox* list;
    TOrvikScrollBar* scrollBar;
    PictureBox* littlePicture;
    QWidget* littlePanel;
    QColor listColour;
    QColor headingColour;
  };

  PageListView(TDMOrvik* data, const Controls& controls);

  // Empties the rows and their pictures.
  void clear();
  // Fills the rows from the current row of `pageNames` (index IndChptCode, on the chapter's first
  // row) while the chapter lasts, with the small pictures of tblPctLittle.
  void fillRows(orvik::Table* pageNames, int chapterCode);
  // Shows the scroll bar when the rows do not fit, at `top` (or hides it).
  void fitScrollBar(int top, bool visible);

  bool isPageRow(int row) const;
  QImage rowPicture(int row) const;
  // The page a row names; 0 for a heading or a row outside the list.
  int pageCodeOfRow(int row) const;
  int hotRow() const { return hotRow_; }
  int visibleRowCount() const { return visibleRows_; }
  void countVisibleRows();

  // No row under the mouse; the small picture back at the top, showing the first row's.
  void resetHover();
  // The mouse over the list: the row under it turns red and its picture moves beside it.
  void mouseMove(QPoint pos);
  void drawItem(SkinnedListBox* control, int index, QRect rect);
  void scroll(int scrollCode, int& scrollPos);

 private:
  void moveLittleToHotRow();

  TDMOrvik* data_;
  Controls c_;
  int hotRow_ = -1;
  int prevHotRow_ = -1;
  int visibleRows_ = 0;
  QList<QImage> rowPictures_;
  QList<int> rowPages_;  // each row's page code, 0 for a heading
};
