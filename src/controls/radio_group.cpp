#include "controls/radio_group.h"

#include <QFontMetrics>
#include <QRadioButton>

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent) {}

QStringList TRadioGroup::Items() const {
  QStringList items;
  for (const QRadioButton* b : buttons_) items << b->text();
  return items;
}

void TRadioGroup::setItems(const QStringList& items) {
  const int keep = itemIndex_;
  while (buttons_.size() > items.size()) delete buttons_.takeLast();
  for (int i = 0; i < items.size(); ++i) {
    if (i < buttons_.size())
      buttons_[i]->setText(items[i]);
    else
      addItem(items[i]);
  }
  setItemIndex(keep < count() ? keep : -1);
  layoutButtons();
}

QString TRadioGroup::item(int index) const {
  return index >= 0 && index < count() ? buttons_[index]->text() : QString();
}

void TRadioGroup::setItem(int index, const QString& text) {
  if (index >= 0 && index < count()) buttons_[index]->setText(text);
}

void TRadioGroup::addItem(const QString& text) {
  auto* b = new QRadioButton(text, this);
  b->setAutoExclusive(false);  // the group keeps the one checked item itself
  const int index = count();
  buttons_ << b;
  connect(b, &QRadioButton::clicked, this, [this, index] {
    setItemIndex(index);
    emit clicked();
  });
  b->show();
  layoutButtons();
}

void TRadioGroup::clearItems() {
  qDeleteAll(buttons_);
  buttons_.clear();
  itemIndex_ = -1;
}

void TRadioGroup::setItemIndex(int index) {
  if (index < -1 || index >= count()) index = -1;
  itemIndex_ = index;
  for (int i = 0; i < count(); ++i) buttons_[i]->setChecked(i == index);
}

void TRadioGroup::setColumns(int columns) {
  columns_ = std::max(1, columns);
  layoutButtons();
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  layoutButtons();
}

void TRadioGroup::layoutButtons() {
  if (buttons_.isEmpty()) return;
  // Items run down the first column, then the next, as many per column as needed.
  const int top = QFontMetrics(font()).height();
  const int rows = (count() + columns_ - 1) / columns_;
  const int columnWidth = (width() - 8) / columns_;
  const int rowHeight = std::max(1, (height() - top - 4) / std::max(1, rows));
  for (int i = 0; i < count(); ++i) {
    const int c = i / rows, r = i % rows;
    buttons_[i]->setGeometry(4 + c * columnWidth, top + r * rowHeight, columnWidth, rowHeight);
  }
}
