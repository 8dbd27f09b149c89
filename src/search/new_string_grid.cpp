#include "search/new_string_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/cursors.h"

namespace {
// The grid's frame and the lines between cells.
constexpr int kBorder = 2;
constexpr int kLine = 1;
const QColor kLineColor(192, 192, 192);
}  // namespace

TNewStringGrid::TNewStringGrid(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("NewStringGrid1"));
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setColCount(5);
}

void TNewStringGrid::setColCount(int count) {
  count = qMax(1, count);
  while (colWidths_.size() < count) colWidths_.append(64);
  while (colWidths_.size() > count) colWidths_.removeLast();
  update();
}

void TNewStringGrid::setRowCount(int count) {
  rowCount_ = qMax(1, count);
  if (topRow_ > qMax(1, rowCount_ - 1)) topRow_ = qMax(1, rowCount_ - 1);
  if (markedRow_ >= rowCount_) markedRow_ = 0;
  update();
}

void TNewStringGrid::setDefaultRowHeight(int height) {
  rowHeight_ = qMax(1, height);
  update();
}

int TNewStringGrid::ColWidths(int col) const {
  return col >= 0 && col < colWidths_.size() ? colWidths_[col] : 0;
}

void TNewStringGrid::setColWidths(int col, int width) {
  if (col < 0 || col >= colWidths_.size()) return;
  colWidths_[col] = qMax(0, width);
  update();
}

QString TNewStringGrid::Cells(int col, int row) const {
  if (row < 0 || row >= cells_.size()) return {};
  return cells_[row].value(col);
}

void TNewStringGrid::setCells(int col, int row, const QString& text) {
  if (col < 0 || row < 0) return;
  while (cells_.size() <= row) cells_.append(QStringList());
  QStringList& r = cells_[row];
  while (r.size() <= col) r.append(QString());
  r[col] = text;
  update();
}

void TNewStringGrid::setDataRows(const QList<QStringList>& rows) {
  const QStringList headings = cells_.value(0);
  cells_.clear();
  cells_.reserve(rows.size() + 1);
  cells_.append(headings);
  cells_.append(rows);
  setRowCount(int(rows.size()) + 1);
}

int TNewStringGrid::VisibleRowCount() const {
  // Each row's height holds its bottom grid line.
  const int dataHeight = height() - 2 * kBorder - rowHeight_;
  return qMax(0, dataHeight / rowHeight_);
}

void TNewStringGrid::setTopRow(int row) {
  const int maxTop = qMax(1, rowCount_ - VisibleRowCount());
  row = qBound(1, row, maxTop);
  if (row == topRow_) return;
  topRow_ = row;
  update();
  emit topLeftChanged();
}

void TNewStringGrid::setLeftCol(int col) {
  col = qBound(0, col, ColCount() - 1);
  if (col == leftCol_) return;
  leftCol_ = col;
  update();
  emit topLeftChanged();
}

void TNewStringGrid::setMarkedRow(int row) {
  if (row == markedRow_) return;
  const int old = markedRow_;
  markedRow_ = row;
  for (int r : {old, row}) {
    const QRect cell = CellRect(0, r);
    if (!cell.isEmpty()) update(QRect(0, cell.top(), width(), cell.height()));
  }
}

void TNewStringGrid::setColor(const QColor& color) {
  cellColor_ = color;
  update();
}
void TNewStringGrid::setFixedColor(const QColor& color) {
  fixedColor_ = color;
  update();
}
void TNewStringGrid::setMarkColor(const QColor& color) {
  markColor_ = color;
  update();
}

int TNewStringGrid::columnLeft(int col) const {
  int x = kBorder;
  for (int c = leftCol_; c < col && c < colWidths_.size(); ++c) x += colWidths_[c] + kLine;
  return x;
}

QRect TNewStringGrid::CellRect(int col, int row) const {
  if (col < leftCol_ || col >= ColCount() || row < 0 || row >= rowCount_) return {};
  int top = kBorder;
  if (row > 0) {
    if (row < topRow_ || row > topRow_ + VisibleRowCount()) return {};
    top += rowHeight_ * (row - topRow_ + 1);
  }
  return QRect(columnLeft(col), top, colWidths_[col], rowHeight_ - kLine);
}

void TNewStringGrid::setCoveredRight(int pixels) {
  pixels = qMax(0, pixels);
  if (pixels == coveredRight_) return;
  coveredRight_ = pixels;
  update();
}

int TNewStringGrid::cellsRight() const {
  return width() - qMax(kBorder, coveredRight_);
}

QString TNewStringGrid::ShownText(int col, int row) const {
  const QString text = Cells(col, row);
  if (col < leftCol_ || col >= ColCount()) return text;
  const int left = columnLeft(col);
  const int right = qMin(left + colWidths_[col], cellsRight());
  // The text stands 2 pixels in from either side of its cell.
  const int room = right - left - 4;
  const QFontMetrics metrics = fontMetrics();
  if (metrics.horizontalAdvance(text) <= room) return text;
  return room > 0 ? metrics.elidedText(text, Qt::ElideRight, room) : QString();
}

QPoint TNewStringGrid::MouseToCell(QPoint pos) const {
  if (pos.y() < kBorder || pos.x() < kBorder || pos.x() >= cellsRight()) return {-1, -1};
  const int band = (pos.y() - kBorder) / rowHeight_;
  const int row = band == 0 ? 0 : topRow_ + band - 1;
  if (row >= rowCount_) return {-1, -1};
  int x = kBorder;
  for (int c = leftCol_; c < ColCount(); ++c) {
    if (pos.x() < x + colWidths_[c] + kLine) return {c, row};
    x += colWidths_[c] + kLine;
  }
  return {-1, -1};
}

int TNewStringGrid::borderAt(int x) const {
  int right = kBorder;
  for (int c = leftCol_; c < ColCount(); ++c) {
    right += colWidths_[c];
    if (qAbs(x - right) <= 2) return c;
    right += kLine;
  }
  return -1;
}

void TNewStringGrid::paintEvent(QPaintEvent*) {
  const int visible = VisibleRowCount();
  const int last = qMin(rowCount_ - 1, topRow_ + visible);
  if (rowCount_ > 1) emit rowsAboutToPaint(topRow_, last);
  QPainter p(this);
  p.fillRect(rect(), cellColor_);
  p.setPen(QColor(123, 115, 92));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.setPen(QColor(252, 248, 232));
  p.drawLine(1, height() - 2, width() - 2, height() - 2);
  p.drawLine(width() - 2, 1, width() - 2, height() - 2);
  p.setFont(font());
  const auto paintRow = [&](int row, int top) {
    const QColor fill = row == 0 ? fixedColor_ : (row == markedRow_ ? markColor_ : cellColor_);
    int x = kBorder;
    for (int c = leftCol_; c < ColCount(); ++c) {
      const QRect cell(x, top, colWidths_[c], rowHeight_ - kLine);
      p.fillRect(cell, fill);
      p.setPen(Qt::black);
      const QRect shown(cell.left(), top, qMin(cell.right() + 1, cellsRight()) - cell.left(),
                        cell.height());
      p.drawText(shown.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                 ShownText(c, row));
      p.fillRect(QRect(cell.right() + 1, top, kLine, rowHeight_), kLineColor);
      x += colWidths_[c] + kLine;
    }
    p.fillRect(QRect(kBorder, top + rowHeight_ - kLine, x - kBorder, kLine), kLineColor);
  };
  p.setClipRect(rect().adjusted(kBorder, kBorder, -kBorder, -kBorder));
  paintRow(0, kBorder);
  int top = kBorder + rowHeight_;
  for (int row = topRow_; row <= last && row >= 1; ++row) {
    paintRow(row, top);
    top += rowHeight_;
  }
  emit cellsDrawn();
}

void TNewStringGrid::mousePressEvent(QMouseEvent* event) {
  setFocus();
  const QPoint pos = event->position().toPoint();
  pressedOnCell_ = false;
  if (event->button() != Qt::LeftButton) return;
  const QPoint cell = MouseToCell(pos);
  if (cell.y() == 0) {
    resizing_ = borderAt(pos.x());
    resizeStartX_ = pos.x();
    resizeStartWidth_ = ColWidths(resizing_);
    return;
  }
  pressedOnCell_ = cell.y() > 0;
}

void TNewStringGrid::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (resizing_ >= 0 && (event->buttons() & Qt::LeftButton)) {
    setColWidths(resizing_, qMax(8, resizeStartWidth_ + pos.x() - resizeStartX_));
    return;
  }
  const QPoint cell = MouseToCell(pos);
  const bool onBorder = cell.y() == 0 && borderAt(pos.x()) >= 0;
  setCursor(onBorder ? QCursor(Qt::SplitHCursor) : orvik::orvikCursor(orvik::O_FOREFINGER));
  // A cut text shows whole as the hint of its cell.
  QString hint;
  if (cell.x() >= 0 && ShownText(cell.x(), cell.y()) != Cells(cell.x(), cell.y()))
    hint = Cells(cell.x(), cell.y());
  if (toolTip() != hint) setToolTip(hint);
  emit mouseMoved(event->buttons(), event->modifiers(), pos);
}

void TNewStringGrid::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasResizing = resizing_ >= 0;
  resizing_ = -1;
  if (wasResizing || event->button() != Qt::LeftButton || !pressedOnCell_) return;
  pressedOnCell_ = false;
  if (rect().contains(event->position().toPoint())) emit clicked(event->position().toPoint());
}

void TNewStringGrid::keyPressEvent(QKeyEvent* event) {
  int key = event->key();
  emit keyDown(key, event->modifiers());
  if (key == 0) return;
  QWidget::keyPressEvent(event);
}
