#pragma once
// The link between a table and the views bound to it (data-aware images, rich-text panes):
// a view connects to a DataSource and repaints when it says the record or the state changed.
// The data source follows one table at a time and forgets it when the table is destroyed.

#include <QObject>
#include <QPointer>

namespace orvik {

class Table;

class DataSource : public QObject {
  Q_OBJECT
 public:
  explicit DataSource(QObject* parent = nullptr);

  // Follows `table` (null follows none) and announces both changes at once, so bound views
  // show the new table's current record.
  void setDataSet(Table* table);
  Table* dataSet() const { return table_; }

 signals:
  // The current record of the table changed (or the table itself was exchanged).
  void dataChanged();
  // The table was opened or closed (or exchanged).
  void stateChanged();

 private:
  QPointer<Table> table_;
};

}  // namespace orvik
