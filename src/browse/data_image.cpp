#include "browse/data_image.h"

#include <QPainter>

#include "platform/data_source.h"
#include "platform/table.h"

DataImage::DataImage(QWidget* parent) : QWidget(parent) {}

void DataImage::setDataSource(orvik::DataSource* source) {
  if (source_ == source) return;
  if (source_) disconnect(source_, nullptr, this, nullptr);
  source_ = source;
  if (source_) {
    connect(source_, &orvik::DataSource::dataChanged, this, &DataImage::invalidate);
    connect(source_, &orvik::DataSource::stateChanged, this, &DataImage::invalidate);
  }
  invalidate();
  row_ = -1;
}

void DataImage::setDataField(const QString& field) {
  field_ = field;
  invalidate();
  row_ = -1;
}

QImage DataImage::picture() {
  if (valid_) return picture_;
  orvik::Table* table = source_ ? source_->dataSet() : nullptr;
  if (!table || !table->active() || table->isEmpty() || field_.isEmpty()) {
    picture_ = QImage();
    row_ = -1;
    valid_ = true;
    return picture_;
  }
  // The same row again (a find that landed where the table was): keep the decoded picture.
  const qint64 row = table->bookmark();
  if (row != row_) {
    picture_ = table->image(field_);
    row_ = row;
  }
  valid_ = true;
  if (isVisible()) update();
  return picture_;
}

void DataImage::paintEvent(QPaintEvent*) {
  const QImage shown = valid_ ? picture_ : QImage();
  if (shown.isNull()) return;
  QPainter p(this);
  // On a HiDPI screen the picture is scaled smoothly, like the page picture.
  p.setRenderHint(QPainter::SmoothPixmapTransform,
                  shown.devicePixelRatio() != p.device()->devicePixelRatioF());
  p.drawImage(0, 0, shown);
}
