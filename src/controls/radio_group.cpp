#include "controls/radio_group.h"

#include <QFontMetrics>
#include <QRadioButton>

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent) {}

QStringList TRadioGroup::Items() const {
  QStringList items;
  for (const QRadioButton* b : m_buttons) items << b->text();
  return items;
}

void TRadioGroup::setItems(const QStringList& items) {
  const int keep = m_itemIndex;
  while (m_buttons.size() > items.size()) delete m_buttons.takeLast();
  for (int i = 0; i < items.size(); ++i) {
    if (i < m_buttons.size())
      m_buttons[i]->setText(items[i]);
    else
      addItem(items[i]);
  }
  setItemIndex(keep < count() ? keep : -1);
  layoutButtons();
}

QString TRadioGroup::item(int index) const {
  return index >= 0 && index < count() ? m_buttons[index]->text() : QString();
}

void TRadioGroup::setItem(int index, const QString& text) {
  if (index >= 0 && index < count()) m_buttons[index]->setText(text);
}

void TRadioGroup::addItem(const QString& text) {
  auto* b = new QRadioButton(text, this);
  b->setAutoExclusive(false);  // the group keeps the one checked item itself
  const int index = count();
  m_buttons << b;
  connect(b, &QRadioButton::clicked, this, [this, index] {
    setItemIndex(index);
    emit clicked();
  });
  b->show();
  layoutButtons();
}

void TRadioGroup::clearItems() {
  qDeleteAll(m_buttons);
  m_buttons.clear();
  m_itemIndex = -1;
}

void TRadioGroup::setItemIndex(int index) {
  if (index < -1 || index >= count()) index = -1;
  m_itemIndex = index;
  for (int i = 0; i < count(); ++i) m_buttons[i]->setChecked(i == index);
}

void TRadioGroup::setColumns(int columns) {
  m_columns = std::max(1, columns);
  layoutButtons();
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  layoutButtons();
}

void TRadioGroup::layoutButtons() {
  if (m_buttons.isEmpty()) return;
  // Items run down the first column, then the next, as many per column as needed.
  const int top = QFontMetrics(font()).height();
  const int rows = (count() + m_columns - 1) / m_columns;
  const int columnWidth = (width() - 8) / m_columns;
  const int rowHeight = std::max(1, (height() - top - 4) / std::max(1, rows));
  for (int i = 0; i < count(); ++i) {
    const int c = i / rows, r = i % rows;
    m_buttons[i]->setGeometry(4 + c * columnWidth, top + r * rowHeight, columnWidth, rowHeight);
  }
}
