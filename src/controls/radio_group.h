#pragma once
// TRadioGroup: a captioned box of radio buttons, one per item, laid out down `Columns`
// columns; exactly one item (or none) is checked. The settings dialog's three language
// choices are radio groups; the translation component writes their caption and items, and
// the language-name operations read and select their items.
// It promises: the number of buttons always equals the number of items; ItemIndex is -1 or
// a valid index; setting the items keeps ItemIndex when it is still valid.

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QRadioButton;

class TRadioGroup : public QGroupBox {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
  Q_PROPERTY(QStringList Items READ Items WRITE setItems)
  Q_PROPERTY(int ItemIndex READ ItemIndex WRITE setItemIndex)
  Q_PROPERTY(int Columns READ Columns WRITE setColumns)

 public:
  explicit TRadioGroup(QWidget* parent = nullptr);

  QString Caption() const { return title(); }
  void setCaption(const QString& caption) { setTitle(caption); }

  QStringList Items() const;
  void setItems(const QStringList& items);
  int count() const { return int(buttons_.size()); }
  QString item(int index) const;
  void setItem(int index, const QString& text);
  void addItem(const QString& text);
  void clearItems();

  int ItemIndex() const { return itemIndex_; }
  void setItemIndex(int index);

  int Columns() const { return columns_; }
  void setColumns(int columns);

  QRadioButton* button(int index) const { return buttons_.value(index); }

 signals:
  // The user checked an item.
  void clicked();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void layoutButtons();
  QList<QRadioButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
};
