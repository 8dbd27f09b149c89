#include "controls/list_box_base.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <stdexcept>

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
  m_strings = new ListBoxStrings(this);
  resize(121, 97);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent, true);
}

SkinnedListBox::~SkinnedListBox() {
  delete m_strings;
}

int SkinnedListBox::compareItems(const QString& a, const QString& b) {
  return QString::compare(a, b, Qt::CaseInsensitive);
}

void SkinnedListBox::setItems(const QStringList& lines) {
  m_strings->Assign(lines);
}

// ---- Geometry ----

QRect SkinnedListBox::clientArea() const {
  int inset = 0;
  if (m_border == Border::Single) inset = m_ctl3d ? 2 : 1;
  return rect().adjusted(inset, inset, -inset, -inset);
}

int SkinnedListBox::visibleRows() const {
  if (m_itemHeight <= 0) return 0;
  return std::max(0, clientArea().height() / m_itemHeight);
}

int SkinnedListBox::maxTop() const {
  return std::max(0, int(m_items.size()) - std::max(1, visibleRows()));
}

void SkinnedListBox::applyTop(int top) {
  top = std::clamp(top, 0, maxTop());
  if (top == m_top) return;
  m_top = top;
  update();
  emit topIndexChanged(m_top);
}

void SkinnedListBox::setTopIndex(int index) {
  applyTop(index);
}

void SkinnedListBox::ensureVisible(int index) {
  if (index < 0 || index >= m_items.size()) return;
  const int rows = std::max(1, visibleRows());
  if (index < m_top)
    applyTop(index);
  else if (index >= m_top + rows)
    applyTop(index - rows + 1);
}

QRect SkinnedListBox::itemRect(int index) const {
  if (index < 0 || index >= m_items.size()) return QRect();
  const QRect c = clientArea();
  return QRect(c.left(), c.top() + (index - m_top) * m_itemHeight, c.width(), m_itemHeight);
}

int SkinnedListBox::itemAtPos(const QPoint& pos, bool existing) const {
  const QRect c = clientArea();
  if (m_itemHeight <= 0) return existing ? -1 : int(m_items.size());
  const int dy = pos.y() - c.top();
  int index = m_top + (dy >= 0 ? dy / m_itemHeight : -1);
  if (dy < 0 || index >= m_items.size() || !c.contains(pos)) {
    if (existing) return -1;
    if (index >= m_items.size() || dy >= 0) index = m_items.size();
  }
  return index;
}

// ---- Search ----

int SkinnedListBox::findString(int startAfter, const QString& prefix) const {
  const int n = m_items.size();
  if (n == 0) return -1;
  int start = (startAfter < -1 || startAfter >= n) ? -1 : startAfter;
  for (int step = 1; step <= n; ++step) {
    const int i = (start + step) % n;
    if (m_items[i].text.startsWith(prefix, Qt::CaseInsensitive)) return i;
  }
  return -1;
}

int SkinnedListBox::findStringExact(int startAfter, const QString& text) const {
  const int n = m_items.size();
  if (n == 0) return -1;
  int start = (startAfter < -1 || startAfter >= n) ? -1 : startAfter;
  for (int step = 1; step <= n; ++step) {
    const int i = (start + step) % n;
    if (compareItems(m_items[i].text, text) == 0) return i;
  }
  return -1;
}

// ---- Selection ----

int SkinnedListBox::ItemIndex() const {
  return m_itemIndex;
}

void SkinnedListBox::setItemIndex(int index) {
  if (index < 0 || index >= m_items.size()) index = -1;
  if (m_multiSelect) {
    // In a multiple-selection list the index is the caret; it also selects the item.
    for (auto& item : m_items) item.selected = false;
    if (index >= 0) m_items[index].selected = true;
  }
  m_itemIndex = index;
  m_anchor = index;
  ensureVisible(index);
  update();
}

bool SkinnedListBox::Selected(int index) const {
  if (index < 0 || index >= m_items.size()) return false;
  return m_multiSelect ? m_items[index].selected : index == m_itemIndex;
}

void SkinnedListBox::setSelected(int index, bool selected) {
  if (index < 0 || index >= m_items.size()) return;
  if (m_multiSelect) {
    m_items[index].selected = selected;
  } else if (selected) {
    m_itemIndex = index;
  } else if (index == m_itemIndex) {
    m_itemIndex = -1;
  }
  update();
}

int SkinnedListBox::SelCount() const {
  if (!m_multiSelect) return -1;  // as the platform answers for single selection
  return int(
      std::count_if(m_items.begin(), m_items.end(), [](const Item& i) { return i.selected; }));
}

void SkinnedListBox::selectByUser(int index, Qt::KeyboardModifiers modifiers) {
  if (index < 0 || index >= m_items.size()) return;
  if (!m_multiSelect) {
    m_itemIndex = index;
  } else if (!m_extendedSelect) {
    m_items[index].selected = !m_items[index].selected;
    m_itemIndex = index;
  } else if ((modifiers & Qt::ShiftModifier) && m_anchor >= 0) {
    if (!(modifiers & Qt::ControlModifier))
      for (auto& item : m_items) item.selected = false;
    const int lo = std::min(m_anchor, index), hi = std::max(m_anchor, index);
    for (int i = lo; i <= hi; ++i) m_items[i].selected = true;
    m_itemIndex = index;
  } else if (modifiers & Qt::ControlModifier) {
    m_items[index].selected = !m_items[index].selected;
    m_itemIndex = m_anchor = index;
  } else {
    for (auto& item : m_items) item.selected = false;
    m_items[index].selected = true;
    m_itemIndex = m_anchor = index;
  }
  ensureVisible(index);
  update();
}

// ---- Items ----

int SkinnedListBox::sortedPosition(const QString& text) const {
  // After the items that compare equal, so equal texts keep their order of arrival.
  auto it = std::upper_bound(
      m_items.begin(), m_items.end(), text,
      [](const QString& t, const Item& item) { return compareItems(t, item.text) < 0; });
  return int(it - m_items.begin());
}

QString SkinnedListBox::itemText(int index) const {
  return m_items.at(index).text.left(kMaxItemText);
}

void SkinnedListBox::setItemText(int index, const QString& text) {
  m_items[index].text = text;
  if (!m_updating) update();
}

qintptr SkinnedListBox::itemObject(int index) const {
  return m_items.at(index).object;
}

void SkinnedListBox::setItemObject(int index, qintptr value) {
  m_items[index].object = value;
}

int SkinnedListBox::addItem(const QString& text, qintptr value) {
  const int index = m_sorted ? sortedPosition(text) : int(m_items.size());
  insertItem(index, text, value);
  return index;
}

void SkinnedListBox::insertItem(int index, const QString& text, qintptr value) {
  m_items.insert(index, Item{text, value, false});
  if (m_itemIndex >= index) ++m_itemIndex;
  if (m_anchor >= index) ++m_anchor;
  if (!m_updating) update();
}

void SkinnedListBox::deleteItem(int index) {
  m_items.removeAt(index);
  if (m_itemIndex == index)
    m_itemIndex = -1;
  else if (m_itemIndex > index)
    --m_itemIndex;
  if (m_anchor >= index) m_anchor = -1;
  if (m_top > maxTop()) {
    m_top = maxTop();
    emit topIndexChanged(m_top);
  }
  if (!m_updating) update();
}

void SkinnedListBox::clearItems() {
  m_items.clear();
  m_itemIndex = -1;
  m_anchor = -1;
  if (m_top != 0) {
    m_top = 0;
    emit topIndexChanged(0);
  }
  if (!m_updating) update();
}

void SkinnedListBox::setUpdating(bool updating) {
  m_updating = updating;
  if (!updating) update();
}

// ---- Properties ----

void SkinnedListBox::recreateWnd() {
  // The list window goes and comes back: items and top index are kept, re-sorted when the
  // list is sorted; the selection only when the wrapper keeps it.
  const QList<Item> saved = m_items;
  const int top = m_top;
  const int index = m_itemIndex;
  m_items.clear();
  m_itemIndex = -1;
  m_anchor = -1;
  for (const Item& item : saved) {
    const int at = m_sorted ? sortedPosition(item.text) : int(m_items.size());
    m_items.insert(at, Item{item.text, item.object, false});
  }
  m_top = 0;
  applyTop(top);
  if (keepsSelection() && index >= 0 && index < m_items.size()) {
    m_itemIndex = index;
    m_anchor = index;
    if (m_multiSelect) m_items[index].selected = true;
  }
  ++m_recreations;
  update();
}

void SkinnedListBox::setBorderStyle(Border border) {
  if (border == m_border) return;
  m_border = border;
  recreateWnd();
}

void SkinnedListBox::setCtl3D(bool on) {
  if (on == m_ctl3d) return;
  m_ctl3d = on;
  recreateWnd();
}

void SkinnedListBox::setColor(const QColor& color) {
  m_color = color;
  update();
}

void SkinnedListBox::setFontColor(const QColor& color) {
  m_fontColor = color;
  update();
}

void SkinnedListBox::setColumns(int columns) {
  if (columns == m_columns) return;
  m_columns = columns;
  recreateWnd();
}

void SkinnedListBox::setExtendedSelect(bool on) {
  if (on == m_extendedSelect) return;
  m_extendedSelect = on;
  recreateWnd();
}

void SkinnedListBox::setIntegralHeight(bool on) {
  if (on == m_integralHeight) return;
  m_integralHeight = on;
  recreateWnd();
}

void SkinnedListBox::setItemHeight(int height) {
  if (height <= 0 || height == m_itemHeight) return;
  m_itemHeight = height;
  applyTop(m_top);
  update();
}

void SkinnedListBox::setMultiSelect(bool on) {
  if (on == m_multiSelect) return;
  m_multiSelect = on;
  recreateWnd();
}

void SkinnedListBox::setSorted(bool on) {
  if (on == m_sorted) return;
  m_sorted = on;
  recreateWnd();
}

void SkinnedListBox::setStyle(ListStyle style) {
  if (style == m_style) return;
  m_style = style;
  recreateWnd();
}

void SkinnedListBox::setTabStop(bool on) {
  m_tabStop = on;
  setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void SkinnedListBox::setTabWidth(int width) {
  if (width == m_tabWidth) return;
  m_tabWidth = width;
  recreateWnd();
}

// ---- Painting ----

void SkinnedListBox::drawItem(QPainter& painter, int index, const QRect& rect, int state) {
  m_canvas.painter = &painter;
  m_canvas.font = font();
  m_canvas.brushColor = m_color;
  m_canvas.fontColor = m_fontColor;
  const bool valid = index >= 0 && index < m_items.size();
  if (valid && (state & odSelected) && drawsSelection()) {
    if (m_style == ListStyle::Standard) {
      m_canvas.brushColor = palette().color(QPalette::Active, QPalette::Highlight);
      m_canvas.fontColor = palette().color(QPalette::Active, QPalette::HighlightedText);
    } else {
      m_canvas.brushColor = QColor(180, 164, 135);
      m_canvas.fontColor = QColor(255, 255, 255);
    }
  }
  static const QMetaMethod drawSignal = QMetaMethod::fromSignal(&SkinnedListBox::OnDrawItem);
  if (valid) {
    if (m_style != ListStyle::Standard && isSignalConnected(drawSignal)) {
      emit OnDrawItem(this, index, rect, state);
    } else {
      m_canvas.fillRect(rect);
      m_canvas.textOut(rect.left() + 2, rect.top(), itemText(index));
    }
  } else {
    m_canvas.fillRect(rect);
  }
  m_canvas.painter = nullptr;
}

void SkinnedListBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect c = clientArea();
  p.fillRect(c, m_color);
  // The border: a sunken client edge with the 3-D look, else a single black line.
  if (m_border == Border::Single) {
    const QRect r = rect();
    if (m_ctl3d) {
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
  if (m_items.isEmpty() || m_itemHeight <= 0) return;
  // With integral height only whole rows are drawn; otherwise a partial last row too.
  int rows = visibleRows();
  if (!m_integralHeight && rows * m_itemHeight < c.height()) ++rows;
  for (int r = 0; r < rows; ++r) {
    const int index = m_top + r;
    if (index >= m_items.size()) break;
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
  m_pressedOnItem = index >= 0;
  if (m_pressedOnItem) selectByUser(index, event->modifiers());
}

void SkinnedListBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  emit mouseMoved(event->buttons(), event->modifiers(), pos);
  // While the left button is held on a single-selection list the selection follows it.
  if (m_pressedOnItem && (event->buttons() & Qt::LeftButton) && !m_multiSelect) {
    const int index = itemAtPos(pos, true);
    if (index >= 0 && index != m_itemIndex) selectByUser(index, event->modifiers());
  }
}

void SkinnedListBox::mouseReleaseEvent(QMouseEvent* event) {
  emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
  if (event->button() == Qt::LeftButton && m_pressedOnItem) {
    m_pressedOnItem = false;
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
  if (key == 0 || m_items.isEmpty()) return;
  const int rows = std::max(1, visibleRows());
  const int last = int(m_items.size()) - 1;
  const int cur = m_itemIndex;
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
  applyTop(m_top + lines);
}

void SkinnedListBox::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / 120;
  if (notches != 0) scrollLines(-3 * notches);
  event->accept();
}

// ---- The collection ----

void ListBoxStrings::check(int index) const {
  if (index < 0 || index >= m_list->itemCount())
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
}

QString ListBoxStrings::Get(int index) const {
  check(index);
  return m_list->itemText(index);
}

void ListBoxStrings::Put(int index, const QString& text) {
  check(index);
  m_list->setItemText(index, text);
}

qintptr ListBoxStrings::Objects(int index) const {
  check(index);
  return m_list->itemObject(index);
}

void ListBoxStrings::PutObject(int index, qintptr value) {
  check(index);
  m_list->setItemObject(index, value);
}

int ListBoxStrings::Add(const QString& text) {
  return m_list->addItem(text);
}

int ListBoxStrings::AddObject(const QString& text, qintptr value) {
  return m_list->addItem(text, value);
}

void ListBoxStrings::Insert(int index, const QString& text) {
  if (index != m_list->itemCount()) check(index);
  m_list->insertItem(index, text);
}

void ListBoxStrings::Delete(int index) {
  check(index);
  m_list->deleteItem(index);
}

void ListBoxStrings::Clear() {
  m_list->clearItems();
}

int ListBoxStrings::IndexOf(const QString& text) const {
  return m_list->findStringExact(-1, text);
}

void ListBoxStrings::BeginUpdate() {
  if (m_updateCount++ == 0) m_list->setUpdating(true);
}

void ListBoxStrings::EndUpdate() {
  if (m_updateCount > 0 && --m_updateCount == 0) m_list->setUpdating(false);
}

QStringList ListBoxStrings::toStringList() const {
  QStringList lines;
  for (int i = 0; i < Count(); ++i) lines << m_list->itemText(i);
  return lines;
}

void ListBoxStrings::Assign(const QStringList& lines) {
  BeginUpdate();
  Clear();
  for (const QString& line : lines) Add(line);
  EndUpdate();
}
