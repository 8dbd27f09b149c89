#pragma once
// DataImage: a data-aware picture bound to a graphic field of a data source's current record
// (the main window's hidden DBImgPages, DBImgPage16 and DBImageLittle). It reads the field only
// when its picture is asked for and keeps the last picture read per record, so moving a table
// over many rows costs no picture decoding until someone looks. A table failure while reading
// passes on as orvik::DbError to the caller, whose handler routes it to the database failure
// routine.

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/data_source.h"
#include "platform/table.h"

class DataImage : public QWidget {
  Q_OBJECT

 public:
  explicit DataImage(QWidget* parent = nullptr);

  // Binds to `source` and `field`; either may change at any time.
  void setDataSource(orvik::DataSource* source);
  orvik::DataSource* dataSource() const { return source_; }
  void setDataField(const QString& field);
  QString dataField() const { return field_; }

  // The field's picture in the current record; a null image when nothing is bound, the table
  // is closed or has no current row, or the field is empty.
  QImage picture();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void invalidate() { valid_ = false; }

  QPointer<orvik::DataSource> source_;
  QString field_;
  QImage picture_;
  qint64 row_ = -1;
  bool valid_ = false;
};
