#include "platform/data_source.h"

#include "platform/table.h"

namespace orvik {

DataSource::DataSource(QObject* parent) : QObject(parent) {}

void DataSource::setDataSet(Table* table) {
  if (table_ == table) return;
  if (table_) disconnect(table_, nullptr, this, nullptr);
  table_ = table;
  if (table_) {
    connect(table_, &Table::recordChanged, this, &DataSource::dataChanged);
    connect(table_, &Table::stateChanged, this, &DataSource::stateChanged);
  }
  emit stateChanged();
  emit dataChanged();
}

}  // namespace orvik
