#include "controls/orvik_chapter_list.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "controls/accessibility.h"

TOrvikChapterList::TOrvikChapterList(QWidget* parent) : QWidget(parent) {
  resize(100, 100);
  setMouseTracking(true);
  // Painted on the parent's surface: no background of its own.
  setAutoFillBackground(false);
  setAttribute(Qt::WA_NoSystemBackground, true);
}

void TOrvikChapterList::setLines(const QStringList& lines) {
  lines_ = lines;
  update();
}

void TOrvikChapterList::clear() {
  lines_.clear();
  update();
}

void TOrvikChapterList::highlight(int line) {
  if (line < 0 || line >= lines_.size()) return;
  const bool changed = highlighted_ != line + 1;
  highlighted_ = line + 1;
  update();
  // The list is named by its red line.
  if (changed) orvik::notifyNameChanged(this);
}

int TOrvikChapterList::fontHeight() const {
  // Fonts of this program are made from a cell height; the hit test wants the character
  // height (negative), which is the font's pixel size. A font given in points converts
  // through the screen's resolution.
  const QFont& f = font();
  double pixels = f.pixelSize();
  if (pixels <= 0) pixels = f.pointSizeF() * logicalDpiY() / 72.0;
  return -static_cast<int>(std::lround(pixels));
}

int TOrvikChapterList::lineAt(int y) const {
  if (itemHeight_ <= 0) return 0;
  // C++ division truncates toward zero, as the hit test requires.
  return (fontHeight() + y + itemHeight_ / 2) / itemHeight_ + 1;
}

void TOrvikChapterList::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setFont(font());
  const int w = width();
  for (int i = 0; i < lines_.size(); ++i) {
    p.setPen(i + 1 == highlighted_ ? QColor(255, 0, 0) : QColor(0, 0, 0));
    const QRect r(0, i * itemHeight_, w, itemHeight_);
    p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, lines_[i]);
  }
}

void TOrvikChapterList::pointAt(int n) {
  if (n < 1 || n > lines_.size()) return;
  selected_ = n;
  if (n == highlighted_) return;
  highlight(n - 1);
  emit OnNoSelectedChange();
}

void TOrvikChapterList::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  emit mouseMoved(event->buttons(), event->modifiers(), pos);
  pointAt(lineAt(pos.y()));
}

void TOrvikChapterList::keyPressEvent(QKeyEvent* event) {
  const int count = int(lines_.size());
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (count == 0 || !plain) {
    QWidget::keyPressEvent(event);
    return;
  }
  // From the red line, which the owner may have moved (the tab strip moves the chapter list's).
  const int from = qBound(1, highlighted_, count);
  switch (event->key()) {
    case Qt::Key_Up:
      pointAt(qMax(1, from - 1));
      break;
    case Qt::Key_Down:
      pointAt(qMin(count, from + 1));
      break;
    case Qt::Key_Home:
      pointAt(1);
      break;
    case Qt::Key_End:
      pointAt(count);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: {
      if (event->isAutoRepeat()) break;
      selected_ = from;
      // A left press in the middle of the line, as the mouse gives it.
      const int middle = (from - 1) * itemHeight_ + itemHeight_ / 2;
      emit mousePressed(Qt::LeftButton, Qt::NoModifier, QPoint(2, middle));
      break;
    }
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void TOrvikChapterList::focusInEvent(QFocusEvent* event) {
  // A window being activated gives its first control the focus when none had it; the list
  // gives it back, so the keys go on reaching the window as before.
  if (event->reason() == Qt::ActiveWindowFocusReason && !focusChosen_) {
    clearFocus();
    return;
  }
  focusChosen_ = true;
  QWidget::focusInEvent(event);
}

void TOrvikChapterList::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
    focusChosen_ = false;
  QWidget::focusOutEvent(event);
}

void TOrvikChapterList::mousePressEvent(QMouseEvent* event) {
  emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void TOrvikChapterList::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) update();
  QWidget::changeEvent(event);
}
