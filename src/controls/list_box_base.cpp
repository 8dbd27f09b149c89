#include "controls/list_box_base.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <stdexcept>

#include "controls/accessibility.h"

namespace {
// The platform reads an item's text back through a 4096-byte buffer.
constexpr int kMaxItemText = 4095;
}  // namespace

void ListCanvas::fillRect(const QRect& r) const {
  if (painter) painter->fillRect(r, brushColor);
}

void ListCanvas::textOut(int x, int y, const QString& text) const {
  if (!painter) return;
  painter->setFont(font);
  painter->setPen(fontColor);
  painter->drawText(QRect(x, y, 0, 0),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
}

SkinnedListBox::SkinnedListBox(QWidget* parent) : QWidget(parent) {
  strings_ = new ListBoxStrings(this);
  resize(121, 97);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent, true);
}

SkinnedListBox::~SkinnedListBox() {
  delete strings_;
}

int SkinnedListBox::compareItems(const QString& a, const QString& b) {
  return QString::compare(a, b, Qt::CaseInsensitive);
}

void SkinnedListBox::setItems(const QStringList& lines) {
  strings_->Assign(lines);
}

// ---- Geometry ----

QRect SkinnedListBox::clientArea() const {
  int inset = 0;
  if (border_ == Border::Single) inset = ctl3d_ ? 2 : 1;
  return rect().adjusted(inset, inset, -inset, -inset);
}

int SkinnedListBox::visibleRows() const {
  if (itemHeight_ <= 0) return 0;
  return std::max(0, clientArea().height() / itemHeight_);
}

int SkinnedListBox::maxTop() const {
  return std::max(0, int(items_.size()) - std::max(1, visibleRows()));
}

void SkinnedListBox::applyTop(int top) {
  top = std::clamp(top, 0, maxTop());
  if (top == top_) return;
  top_ = top;
  update();
  emit topIndexChanged(top_);
}

void SkinnedListBox::setTopIndex(int index) {
  applyTop(index);
}

void SkinnedListBox::ensureVisible(int index) {
  if (index < 0 || index >= items_.size()) return;
  const int rows = std::max(1, visibleRows());
  if (index < top_)
    applyTop(index);
  else if (index >= top_ + rows)
    applyTop(index - rows + 1);
}

QRect SkinnedListBox::itemRect(int index) const {
  if (index < 0 || index >= items_.size()) return QRect();
  const QRect c = clientArea();
  return QRect(c.left(), c.top() + (index - top_) * itemHeight_, c.width(), itemHeight_);
}

int SkinnedListBox::itemAtPos(const QPoint& pos, bool existing) const {
  const QRect c = clientArea();
  if (itemHeight_ <= 0) return existing ? -1 : int(items_.size());
  const int dy = pos.y() - c.top();
  int index = top_ + (dy >= 0 ? dy / itemHeight_ : -1);
  if (dy < 0 || index >= items_.size() || !c.contains(pos)) {
    if (existing) return -1;
    if (index >= items_.size() || dy >= 0) index = items_.size();
  }
  return index;
}

// ---- Search ----

int SkinnedListBox::findString(int startAfter, const QString& prefix) const {
  const int n = items_.size();
  if (n == 0) return -1;
  int start = (startAfter < -1 || startAfter >= n) ? -1 : startAfter;
  for (int step = 1; step <= n; ++step) {
    const int i = (start + step) % n;
    if (items_[i].text.startsWith(prefix, Qt::CaseInsensitive)) return i;
  }
  return -1;
}

int SkinnedListBox::findStringExact(int startAfter, const QString& text) const {
  const int n = items_.size();
  if (n == 0) return -1;
  int start = (startAfter < -1 || startAfter >= n) ? -1 : startAfter;
  for (int step = 1; step <= n; ++step) {
    const int i = (start + step) % n;
    if (compareItems(items_[i].text, text) == 0) return i;
  }
  return -1;
}

// ---- Selection ----

int SkinnedListBox::ItemIndex() const {
  return itemIndex_;
}

void SkinnedListBox::setItemIndex(int index) {
  if (index < 0 || index >= items_.size()) index = -1;
  if (multiSelect_) {
    // In a multiple-selection list the index is the caret; it also selects the item.
    for (auto& item : items_) item.selected = false;
    if (index >= 0) items_[index].selected = true;
  }
  const bool changed = itemIndex_ != index;
  itemIndex_ = index;
  anchor_ = index;
  ensureVisible(index);
  update();
  // The list is named by its current line.
  if (changed) orvik::notifyNameChanged(this);
}

bool SkinnedListBox::Selected(int index) const {
  if (index < 0 || index >= items_.size()) return false;
  return multiSelect_ ? items_[index].selected : index == itemIndex_;
}

void SkinnedListBox::setSelected(int index, bool selected) {
  if (index < 0 || index >= items_.size()) return;
  if (multiSelect_) {
    items_[index].selected = selected;
  } else if (selected) {
    itemIndex_ = index;
  } else if (index == itemIndex_) {
    itemIndex_ = -1;
  }
  update();
}

int SkinnedListBox::SelCount() const {
  if (!multiSelect_) return -1;  // as the platform answers for single selection
  return int(std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.selected; }));
}

void SkinnedListBox::selectByUser(int index, Qt::KeyboardModifiers modifiers) {
  if (index < 0 || index >= items_.size()) return;
  if (!multiSelect_) {
    itemIndex_ = index;
  } else if (!extendedSelect_) {
    items_[index].selected = !items_[index].selected;
    itemIndex_ = index;
  } else if ((modifiers & Qt::ShiftModifier) && anchor_ >= 0) {
    if (!(modifiers & Qt::ControlModifier))
      for (auto& item : items_) item.selected = false;
    const int lo = std::min(anchor_, index), hi = std::max(anchor_, index);
    for (int i = lo; i <= hi; ++i) items_[i].selected = true;
    itemIndex_ = index;
  } else if (modifiers & Qt::ControlModifier) {
    items_[index].selected = !items_[index].selected;
    itemIndex_ = anchor_ = index;
  } else {
    for (auto& item : items_) item.selected = false;
    items_[index].selected = true;
    itemIndex_ = anchor_ = index;
  }
  ensureVisible(index);
  update();
  orvik::notifyNameChanged(this);
}

// ---- Items ----

int SkinnedListBox::sortedPosition(const QString& text) const {
  // After the items that compare equal, so equal texts keep their order of arrival.
  auto it = std::upper_bound(
      items_.begin(), items_.end(), text,
      [](const QString& t, const Item& item) { return compareItems(t, item.text) < 0; });
  return int(it - items_.begin());
}

QString SkinnedListBox::itemText(int index) const {
  return items_.at(index).text.left(kMaxItemText);
}

void SkinnedListBox::setItemText(int index, const QString& text) {
  items_[index].text = text;
  if (!updating_) update();
}

qintptr SkinnedListBox::itemObject(int index) const {
  return items_.at(index).object;
}

void SkinnedListBox::setItemObject(int index, qintptr value) {
  items_[index].object = value;
}

int SkinnedListBox::addItem(const QString& text, qintptr value) {
  const int index = sorted_ ? sortedPosition(text) : int(items_.size());
  insertItem(index, text, value);
  return index;
}

void SkinnedListBox::insertItem(int index, const QString& text, qintptr value) {
  items_.insert(index, Item{text, value, false});
  if (itemIndex_ >= index) ++itemIndex_;
  if (anchor_ >= index) ++anchor_;
  if (!updating_) update();
}

void SkinnedListBox::deleteItem(int index) {
  items_.removeAt(index);
  if (itemIndex_ == index)
    itemIndex_ = -1;
  else if (itemIndex_ > index)
    --itemIndex_;
  if (anchor_ >= index) anchor_ = -1;
  if (top_ > maxTop()) {
    top_ = maxTop();
    emit topIndexChanged(top_);
  }
  if (!updating_) update();
}

void SkinnedListBox::clearItems() {
  items_.clear();
  itemIndex_ = -1;
  anchor_ = -1;
  if (top_ != 0) {
    top_ = 0;
    emit topIndexChanged(0);
  }
  if (!updating_) update();
}

void SkinnedListBox::setUpdating(bool updating) {
  updating_ = updating;
  if (!updating) update();
}

// ---- Properties ----

void SkinnedListBox::recreateWnd() {
  // The list window goes and comes back: items and top index are kept, re-sorted when the
  // list is sorted; the selection only when the wrapper keeps it.
  const QList<Item> saved = items_;
  const int top = top_;
  const int index = itemIndex_;
  items_.clear();
  itemIndex_ = -1;
  anchor_ = -1;
  for (const Item& item : saved) {
    const int at = sorted_ ? sortedPosition(item.text) : int(items_.size());
    items_.insert(at, Item{item.text, item.object, false});
  }
  top_ = 0;
  applyTop(top);
  if (keepsSelection() && index >= 0 && index < items_.size()) {
    itemIndex_ = index;
    anchor_ = index;
    if (multiSelect_) items_[index].selected = true;
  }
  ++recreations_;
  update();
}

void SkinnedListBox::setBorderStyle(Border border) {
  if (border == border_) return;
  border_ = border;
  recreateWnd();
}

void SkinnedListBox::setCtl3D(bool on) {
  if (on == ctl3d_) return;
  ctl3d_ = on;
  recreateWnd();
}

void SkinnedListBox::setColor(const QColor& color) {
  color_ = color;
  update();
}

void SkinnedListBox::setFontColor(const QColor& color) {
  fontColor_ = color;
  update();
}

void SkinnedListBox::setColumns(int columns) {
  if (columns == columns_) return;
  columns_ = columns;
  recreateWnd();
}

void SkinnedListBox::setExtendedSelect(bool on) {
  if (on == extendedSelect_) return;
  extendedSelect_ = on;
  recreateWnd();
}

void SkinnedListBox::setIntegralHeight(bool on) {
  if (on == integralHeight_) return;
  integralHeight_ = on;
  recreateWnd();
}

void SkinnedListBox::setItemHeight(int height) {
  if (height <= 0 || height == itemHeight_) return;
  itemHeight_ = height;
  applyTop(top_);
  update();
}

void SkinnedListBox::setMultiSelect(bool on) {
  if (on == multiSelect_) return;
  multiSelect_ = on;
  recreateWnd();
}

void SkinnedListBox::setSorted(bool on) {
  if (on == sorted_) return;
  sorted_ = on;
  recreateWnd();
}

void SkinnedListBox::setStyle(ListStyle style) {
  if (style == style_) return;
  style_ = style;
  recreateWnd();
}

void SkinnedListBox::setTabStop(bool on) {
  tabStop_ = on;
  setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void SkinnedListBox::setTabWidth(int width) {
  if (width == tabWidth_) return;
  tabWidth_ = width;
  recreateWnd();
}

// ---- Painting ----

void SkinnedListBox::drawItem(QPainter& painter, int index, const QRect& rect, int state) {
  canvas_.painter = &painter;
  canvas_.font = font();
  canvas_.brushColor = color_;
  canvas_.fontColor = fontColor_;
  const bool valid = index >= 0 && index < items_.size();
  if (valid && (state & odSelected) && drawsSelection()) {
    if (style_ == ListStyle::Standard) {
      canvas_.brushColor = palette().color(QPalette::Active, QPalette::Highlight);
      canvas_.fontColor = palette().color(QPalette::Active, QPalette::HighlightedText);
    } else {
      canvas_.brushColor = QColor(180, 164, 135);
      canvas_.fontColor = QColor(255, 255, 255);
    }
  }
  static const QMetaMethod drawSignal = QMetaMethod::fromSignal(&SkinnedListBox::OnDrawItem);
  if (valid) {
    if (style_ != ListStyle::Standard && isSignalConnected(drawSignal)) {
      emit OnDrawItem(this, index, rect, state);
    } else {
      canvas_.fillRect(rect);
      canvas_.textOut(rect.left() + 2, rect.top(), itemText(index));
    }
  } else {
    canvas_.fillRect(rect);
  }
  canvas_.painter = nullptr;
}

void SkinnedListBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect c = clientArea();
  p.fillRect(c, color_);
  // The border: a sunken client edge with the 3-D look, else a single black line.
  if (border_ == Border::Single) {
    const QRect r = rect();
    if (ctl3d_) {
      p.setPen(QColor(160, 160, 160));
      p.drawLine(r.left(), r.bottom(), r.left(), r.top());
      p.drawLine(r.left(), r.top(), r.right(), r.top());
      p.setPen(QColor(255, 255, 255));
      p.drawLine(r.right(), r.top(), r.right(), r.bottom());
      p.drawLine(r.right(), r.bottom(), r.left(), r.bottom());
      p.setPen(QColor(105, 105, 105));
      p.drawLine(r.left() + 1, r.bottom() - 1, r.left() + 1, r.top() + 1);
      p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
      p.setPen(QColor(227, 227, 227));
      p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
      p.drawLine(r.right() - 1, r.bottom() - 1, r.left() + 1, r.bottom() - 1);
    } else {
      p.setPen(Qt::black);
      p.drawRect(r.adjusted(0, 0, -1, -1));
    }
  }
  p.setClipRect(c);
  if (items_.isEmpty() || itemHeight_ <= 0) return;
  // With integral height only whole rows are drawn; otherwise a partial last row too.
  int rows = visibleRows();
  if (!integralHeight_ && rows * itemHeight_ < c.height()) ++rows;
  for (int r = 0; r < rows; ++r) {
    const int index = top_ + r;
    if (index >= items_.size()) break;
    int state = 0;
    if (Selected(index)) state |= odSelected;
    if (!isEnabled()) state |= odDisabled;
    drawItem(p, index, itemRect(index), state);
  }
}

// ---- Input ----

void SkinnedListBox::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  emit mousePressed(event->button(), event->modifiers(), pos);
  if (event->button() != Qt::LeftButton) return;
  const int index = itemAtPos(pos, true);
  pressedOnItem_ = index >= 0;
  if (pressedOnItem_) selectByUser(index, event->modifiers());
}

void SkinnedListBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  emit mouseMoved(event->buttons(), event->modifiers(), pos);
  // While the left button is held on a single-selection list the selection follows it.
  if (pressedOnItem_ && (event->buttons() & Qt::LeftButton) && !multiSelect_) {
    const int index = itemAtPos(pos, true);
    if (index >= 0 && index != itemIndex_) selectByUser(index, event->modifiers());
  }
}

void SkinnedListBox::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
  if (event->button() == Qt::LeftButton && pressedOnItem_) {
    pressedOnItem_ = false;
    emit clicked();
  }
}

void SkinnedListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  mousePressEvent(event);
  if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void SkinnedListBox::keyPressEvent(QKeyEvent* event) {
  int key = event->key();
  emit keyDown(key, event->modifiers());
  if (key == 0 || items_.isEmpty()) return;
  const int rows = std::max(1, visibleRows());
  const int last = int(items_.size()) - 1;
  const int cur = itemIndex_;
  int target = -1;
  switch (key) {
    case Qt::Key_Up:
      target = std::max(0, cur - 1);
      break;
    case Qt::Key_Down:
      target = std::min(last, cur + 1);
      break;
    case Qt::Key_PageUp:
      target = std::max(0, cur - (rows - 1));
      break;
    case Qt::Key_PageDown:
      target = std::min(last, std::max(0, cur) + rows - 1);
      break;
    case Qt::Key_Home:
      target = 0;
      break;
    case Qt::Key_End:
      target = last;
      break;
    default: {
      const QString text = event->text();
      if (!text.isEmpty() && text.at(0).isPrint()) target = findString(cur, text.left(1));
    }
  }
  if (target < 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (target != cur) {
    selectByUser(target, event->modifiers());
    emit clicked();
  }
}

void SkinnedListBox::scrollLines(int lines) {
  applyTop(top_ + lines);
}

void SkinnedListBox::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / 120;
  if (notches != 0) scrollLines(-3 * notches);
  event->accept();
}

// ---- The collection ----

void ListBoxStrings::check(int index) const {
  if (index < 0 || index >= list_->itemCount())
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

QString ListBoxStrings::Get(int index) const {
  check(index);
  return list_->itemText(index);
}

void ListBoxStrings::Put(int index, const QString& text) {
  check(index);
  list_->setItemText(index, text);
}

qintptr ListBoxStrings::Objects(int index) const {
  check(index);
  return list_->itemObject(index);
}

void ListBoxStrings::PutObject(int index, qintptr value) {
  check(index);
  list_->setItemObject(index, value);
}

int ListBoxStrings::Add(const QString& text) {
  return list_->addItem(text);
}

int ListBoxStrings::AddObject(const QString& text, qintptr value) {
  return list_->addItem(text, value);
}

void ListBoxStrings::Insert(int index, const QString& text) {
  if (index != list_->itemCount()) check(index);
  list_->insertItem(index, text);
}

void ListBoxStrings::Delete(int index) {
  check(index);
  list_->deleteItem(index);
}

void ListBoxStrings::Clear() {
  list_->clearItems();
}

int ListBoxStrings::IndexOf(const QString& text) const {
  return list_->findStringExact(-1, text);
}

void ListBoxStrings::BeginUpdate() {
  if (updateCount_++ == 0) list_->setUpdating(true);
}

void ListBoxStrings::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) list_->setUpdating(false);
}

QStringList ListBoxStrings::toStringList() const {
  QStringList lines;
  for (int i = 0; i < Count(); ++i) lines << list_->itemText(i);
  return lines;
}

void ListBoxStrings::Assign(const QStringList& lines) {
  BeginUpdate();
  Clear();
  for (const QString& line : lines) Add(line);
  EndUpdate();
}
