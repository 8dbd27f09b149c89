#pragma once
// One open table file: a cursor over its rows in the order of the selected index, with the
// current row's fields readable by name (case-insensitively) or by position.
//
// Orders. With no index selected the rows are in primary order, the order they were written
// in. A named index orders the rows by its fields and then by primary order, so rows with equal
// keys keep their written order. Integers compare by value; text compares exactly, case- and
// accent-sensitively, in Unicode code-point order (the bytewise order of UTF-8); an empty
// value comes before every integer and every text. Each index's row order is read from the
// file once, when the index is first selected, and every later movement happens in memory;
// field values are read by row id when asked for (the current row's plain fields once per row,
// graphic and memo fields on every request).
//
// Positioning follows the classic data-set rules: first() sets bof(), last() sets eof();
// next() on the last row stays there and sets eof(); prior() on the first row stays there and
// sets bof(); any movement that lands on a row clears both; an empty table is at bof() and
// eof() at once. Switching the index keeps the current row.
//
// Every failure throws DbError: a missing, corrupt or truncated file, no password of the list
// opening it, a foreign format version, an unknown field or index name, a read with no current
// row, any operation other than open() on a closed table.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <memory>

#include "platform/table_writer.h"

namespace orvik {

class Database;

class Table : public QObject {
  Q_OBJECT
 public:
  // `db` gives the folder for relative names and the passwords; it may be null for a table
  // opened by full path with its own password list (setPasswords). `db` must outlive the table.
  explicit Table(Database* db, QObject* parent = nullptr);
  ~Table() override;

  Database* database() const { return db_; }

  // The table's file. A relative name resolves against the database's path when the table is
  // opened. Changing it on an open table throws DbError.
  void setTableName(const QString& path);
  QString tableName() const { return tableName_; }
  // Raw keys (derivePasswordKey) tried instead of the database's list, for tables opened
  // without a database.
  void setPasswords(const QList<QByteArray>& rawKeys);
  // The keys given by setPasswords (empty when none were).
  QList<QByteArray> passwords() const { return ownKeys_; }

  // Opens the file, trying each raw key of the list in turn (with an empty list, the file must
  // be unencrypted), checks the format version and reads the field and index definitions. The
  // table ends on the first row of primary order with no index selected. Opening an open table
  // does nothing. Throws DbError when no key opens the file or the file is unusable.
  void open();
  // Closes the file; closing a closed table does nothing.
  void close();
  bool active() const;

  // Index by name, case-insensitively; empty selects primary order. Keeps the current row.
  // Throws DbError on an unknown name.
  void setIndexName(const QString& name);
  QString indexName() const;
  QStringList indexNames() const;
  // The fields of an index (as defined), or an empty list for primary order. Throws DbError on
  // an unknown name.
  QStringList indexFields(const QString& name) const;

  void first();
  void next();
  void prior();
  void last();
  // Moves up to `n` rows forward (negative: backward) and returns the signed number of rows
  // actually moved; running off either end sets eof() or bof().
  int moveBy(int n);
  bool eof() const;
  bool bof() const;
  bool isEmpty() const;
  // 1-based position of the current row in the current order; 0 on an empty table.
  int recNo() const;
  int recordCount() const;

  // The current row's id; 0 on an empty table. gotoBookmark() moves to the row with that id
  // and throws DbError when the table has no such row.
  qint64 bookmark() const;
  void gotoBookmark(qint64 rowId);

  // Exact match of the first values.size() fields (1 to 3, at most the index's field count) of
  // the current index. Found: moves to the first matching row in index order and returns true.
  // Not found: returns false and stays. Throws DbError with no index selected, a wrong value
  // count, or a value that does not convert to its field's type.
  bool findKey(const QVariantList& values);
  // Moves to the first row whose leading fields are greater than or equal to `values`, or to
  // the last row when there is none. Same preconditions as findKey().
  void findNearest(const QVariantList& values);

  int fieldCount() const;
  QStringList fieldNames() const;
  FieldType fieldType(int position) const;
  // Position of a field by name, case-insensitively; -1 when there is none.
  int fieldIndex(const QString& name) const;

  // The current row's value: Integer as qlonglong, Text as QString, Memo as QByteArray,
  // Graphic as QImage; a null QVariant for an empty value. Throws DbError on an unknown field
  // or when there is no current row.
  QVariant value(const QString& name) const;
  QVariant value(int position) const;
  // Conveniences over value(): an empty value gives 0 / an empty string.
  int intValue(const QString& name) const;
  int intValue(int position) const;
  QString textValue(const QString& name) const;
  QString textValue(int position) const;
  // A graphic field as a picture; a null image for an empty value.
  QImage image(const QString& field) const;
  // A memo field's bytes; empty for an empty value.
  QByteArray memo(const QString& field) const;

 signals:
  // The current row became another row (movement, find, open).
  void recordChanged();
  // The table was opened or closed.
  void stateChanged();

 private:
  // Throws DbError unless the table is open.
  void requireOpen() const;

  struct Impl;
  Database* db_;
  QString tableName_;
  QList<QByteArray> ownKeys_;
  bool ownKeysSet_ = false;
  std::unique_ptr<Impl> d;
};

}  // namespace orvik
