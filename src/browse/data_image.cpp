#include "browse/data_image.h"

#include <QPainter>

#include "platform/data_source.h"
#include "platform/table.h"

DataImage::DataImage(QWidget* parent) : QWidget(parent) {}

void DataImage::setDataSource(orvik::DataSource* source) {
  if (m_source == source) return;
  if (m_source) disconnect(m_source, nullptr, this, nullptr);
  m_source = source;
  if (m_source) {
    connect(m_source, &orvik::DataSource::dataChanged, this, &DataImage::invalidate);
    connect(m_source, &orvik::DataSource::stateChanged, this, &DataImage::invalidate);
  }
  invalidate();
  m_row = -1;
}

void DataImage::setDataField(const QString& field) {
  m_field = field;
  invalidate();
  m_row = -1;
}

QImage DataImage::picture() {
  if (m_valid) return m_picture;
  orvik::Table* table = m_source ? m_source->dataSet() : nullptr;
  if (!table || !table->active() || table->isEmpty() || m_field.isEmpty()) {
    m_picture = QImage();
    m_row = -1;
    m_valid = true;
    return m_picture;
  }
  // The same row again (a find that landed where the table was): keep the decoded picture.
  const qint64 row = table->bookmark();
  if (row != m_row) {
    m_picture = table->image(m_field);
    m_row = row;
  }
  m_valid = true;
  if (isVisible()) update();
  return m_picture;
}

void DataImage::paintEvent(QPaintEvent*) {
  const QImage shown = m_valid ? m_picture : QImage();
  if (shown.isNull()) return;
  QPainter p(this);
  p.drawImage(0, 0, shown);
}
