#pragma once
// TNewStringGrid: the find window's result grid. Text cells addressed by column and row, row 0
// holding the headings (painted in the heading colour, never scrolled); a settable row count
// with a fixed row height; column widths the user may drag at the heading's column borders; no
// scroll bars of its own (the window pairs it with a skinned bar through TopRow). It paints
// every cell in the cell colour and draws no selection or focus of its own: the one row the
// owner marks (MarkedRow) is painted in the mark colour instead, so the mark is the only
// selection the user sees and survives repainting and scrolling.

#include <QColor>
#include <QList>
#include <QStringList>
#include <QWidget>

class TNewStringGrid : public QWidget {
  Q_OBJECT

 public:
  explicit TNewStringGrid(QWidget* parent = nullptr);

  int ColCount() const { return int(colWidths_.size()); }
  void setColCount(int count);
  // Rows including the heading row; at least 1. Cells of rows beyond the count are kept.
  int RowCount() const { return rowCount_; }
  void setRowCount(int count);
  int DefaultRowHeight() const { return rowHeight_; }
  void setDefaultRowHeight(int height);
  int ColWidths(int col) const;
  void setColWidths(int col, int width);

  QString Cells(int col, int row) const;
  void setCells(int col, int row, const QString& text);
  // Replaces the data rows 1.. with `rows` (each up to ColCount texts) and sets RowCount.
  void setDataRows(const QList<QStringList>& rows);

  // The first data row in view (1 at least) and the first column in view.
  int TopRow() const { return topRow_; }
  void setTopRow(int row);
  int LeftCol() const { return leftCol_; }
  void setLeftCol(int col);
  // Data rows that fit wholly below the heading row.
  int VisibleRowCount() const;

  // The rectangle of a cell in widget coordinates (row 0 is the heading; data rows out of view
  // give an empty rectangle).
  QRect CellRect(int col, int row) const;
  // The cell under a point: {col, row}, row 0 for the heading; {-1, -1} outside the cells.
  QPoint MouseToCell(QPoint pos) const;

  // The strip at the grid's right that another control (the window's scroll bar) covers, in
  // pixels from the right edge; cells end where it begins.
  int CoveredRight() const { return coveredRight_; }
  void setCoveredRight(int pixels);
  // A cell's text as drawn: whole when it fits the cell's visible width, else cut with "…"
  // (the whole text is then the hint of the cell under the pointer).
  QString ShownText(int col, int row) const;

  // The row painted in the mark colour; 0 for none.
  int MarkedRow() const { return markedRow_; }
  void setMarkedRow(int row);

  QColor Color() const { return cellColor_; }
  void setColor(const QColor& color);
  QColor FixedColor() const { return fixedColor_; }
  void setFixedColor(const QColor& color);
  QColor MarkColor() const { return markColor_; }
  void setMarkColor(const QColor& color);

 signals:
  void clicked(QPoint pos);
  void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
  // A key went down; a handler may set key to 0 to consume it.
  void keyDown(int& key, Qt::KeyboardModifiers modifiers);
  // Before the cells of the rows `first` to `last` (data rows) are painted.
  void rowsAboutToPaint(int first, int last);
  // After the grid painted its cells.
  void cellsDrawn();
  void topLeftChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int columnLeft(int col) const;
  // The right end (exclusive) of what the cells may show.
  int cellsRight() const;
  // The column whose right border lies within 2 pixels of x in the heading row, or -1.
  int borderAt(int x) const;

  QList<int> colWidths_;
  QList<QStringList> cells_;  // by row
  int rowCount_ = 1;
  int rowHeight_ = 18;
  int topRow_ = 1;
  int leftCol_ = 0;
  int markedRow_ = 0;
  int coveredRight_ = 0;
  QColor cellColor_{255, 255, 255};
  QColor fixedColor_{238, 230, 201};
  QColor markColor_{180, 169, 135};
  int resizing_ = -1;
  int resizeStartX_ = 0;
  int resizeStartWidth_ = 0;
  bool pressedOnCell_ = false;
};
