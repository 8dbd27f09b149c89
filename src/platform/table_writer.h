#pragma once
// Writes one fresh table file: fields in the given order, the rows in insertion order (which
// is the table's primary order), the named indexes, and the metadata Table checks on open
// (format version, field types, index definitions). The file is encrypted with the password's
// raw key (derivePasswordKey); an empty password writes an unencrypted file. The rows go to a
// temporary file beside `path` that replaces any existing file at `path` only when finish()
// succeeds, so a failed build never leaves a half-written table behind.

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>

namespace orvik {

enum class FieldType { Integer, Text, Graphic, Memo };

struct FieldDef {
  QString name;  // any text, "1".."65" included; unique case-insensitively
  FieldType type;
};

struct IndexDef {
  QString name;        // unique case-insensitively
  QStringList fields;  // names of existing fields, leading field first
};

class TableWriter {
 public:
  // Creates the temporary file and its layout. Throws DbError on an empty field list,
  // duplicate or unknown names, or when the file cannot be created.
  TableWriter(QString path, QString password, QList<FieldDef> fields, QList<IndexDef> indexes);
  // Without finish() the temporary file is removed and `path` is left as it was.
  ~TableWriter();
  TableWriter(const TableWriter&) = delete;
  TableWriter& operator=(const TableWriter&) = delete;

  // Appends one row; `values` holds one value per field, in field order. Integer: anything
  // QVariant converts to an integer; Text: anything it converts to a string; Graphic: a QImage
  // (stored losslessly); Memo: a QByteArray (a QString is stored as its UTF-8 bytes). A null
  // QVariant (or a null QImage) stores an empty value. Throws DbError on a wrong value count,
  // a value of the wrong kind, or a write failure.
  void append(const QVariantList& values);

  // Builds the indexes, commits and moves the file into place. Throws DbError on failure.
  // No append() is allowed afterwards.
  void finish();

  int rowCount() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> d;
};

}  // namespace orvik
