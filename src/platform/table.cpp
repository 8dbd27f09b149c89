#include "platform/table.h"

#include <sqlcipher/sqlite3.h>

#include <QDir>
#include <QHash>
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/database.h"
#include "platform/db_error.h"
#include "platform/table_file.h"

namespace orvik {

namespace {

// One value of an index field, ordered as the file's indexes order it: empty values first,
// then integers by value, then text by its UTF-8 bytes (Unicode code-point order).
struct KeyCell {
  enum Kind : quint8 { Null, Int, Text };
  Kind kind = Null;
  qint64 number = 0;
  QByteArray text;
};

int compareCells(const KeyCell& a, const KeyCell& b) {
  if (a.kind != b.kind) return a.kind < b.kind ? -1 : 1;
  if (a.kind == KeyCell::Int) return a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
  if (a.kind == KeyCell::Text) {
    const qsizetype common = std::min(a.text.size(), b.text.size());
    const int byBytes = common ? std::memcmp(a.text.constData(), b.text.constData(), common) : 0;
    if (byBytes != 0) return byBytes;
    return a.text.size() < b.text.size() ? -1 : a.text.size() > b.text.size() ? 1 : 0;
  }
  return 0;
}

KeyCell cellFromColumn(sqlite3_stmt* stmt, int column) {
  KeyCell cell;
  switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
      break;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
      cell.kind = KeyCell::Int;
      cell.number = sqlite3_column_int64(stmt, column);
      break;
    default:
      cell.kind = KeyCell::Text;
      cell.text = QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)),
                             sqlite3_column_bytes(stmt, column));
      break;
  }
  return cell;
}

QVariant variantFromColumn(sqlite3_stmt* stmt, int column) {
  switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
      return {};
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
      return QVariant(qlonglong(sqlite3_column_int64(stmt, column)));
    default: {
      const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
      return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(stmt, column)));
    }
  }
}

// A row order: the primary order (row ids 1..count, nothing stored) or a named index's, read
// from the file when first needed.
struct Order {
  QString name;  // empty: primary order
  QStringList fields;
  int indexNo = -1;
  bool loaded = false;
  std::vector<qint64> rowIds;
  std::vector<KeyCell> keys;  // rowIds.size() * keyWidth, row by row
  int keyWidth = 0;
};

}  // namespace

struct Table::Impl {
  std::unique_ptr<TableFile> file;
  QString path;
  int rowCount = 0;
  QList<FieldDef> fields;
  QHash<QString, int> fieldByName;  // lower-case name -> position
  std::vector<Order> orders;        // [0] is primary order
  int current = 0;                  // into orders
  int pos = -1;                     // into the current order; -1 on an empty table
  bool bof = true;
  bool eof = true;

  // The current row's plain fields, read once per row.
  Statement rowStatement;
  std::vector<int> plainColumn;  // field position -> column of rowStatement, or -1
  qint64 cachedRowId = 0;
  std::vector<QVariant> cachedValues;
  std::vector<Statement> blobStatements;  // per field, prepared on first use

  [[noreturn]] void fail(const QString& why) const {
    throw DbError(QStringLiteral("Table \"%1\": %2").arg(path, why));
  }
  Order& order() { return orders[size_t(current)]; }
  void load(Order& order);
  qint64 rowIdAt(const Order& order, int position) const {
    return order.name.isEmpty() ? position + 1 : order.rowIds[size_t(position)];
  }
  int positionOf(Order& order, qint64 rowId) {
    if (rowId < 1 || rowId > rowCount) return -1;
    if (order.name.isEmpty()) return int(rowId - 1);
    load(order);
    const auto it = std::find(order.rowIds.begin(), order.rowIds.end(), rowId);
    return it == order.rowIds.end() ? -1 : int(it - order.rowIds.begin());
  }
  qint64 currentRowId() const { return pos < 0 ? 0 : rowIdAt(orders[size_t(current)], pos); }
  int orderIndexOf(const QString& name) const;
  std::vector<KeyCell> searchCells(const QVariantList& values);
  int lowerBound(const Order& order, const std::vector<KeyCell>& cells) const;
  int comparePrefix(const Order& order, int position, const std::vector<KeyCell>& cells) const;
  QVariant read(int field);
};

void Table::Impl::load(Order& order) {
  if (order.loaded) return;
  QStringList columns;
  for (const QString& field : order.fields) columns << quoteIdentifier(field);
  Statement query =
      file->prepare(QStringLiteral("SELECT rowid, %1 FROM %2 INDEXED BY orvik_ix_%3 "
                                   "ORDER BY %1, rowid")
                        .arg(columns.join(QLatin1Char(',')), QLatin1String(kRowsTable),
                             QString::number(order.indexNo)));
  order.keyWidth = int(order.fields.size());
  order.rowIds.clear();  // a failed earlier attempt may have left rows behind
  order.keys.clear();
  order.rowIds.reserve(size_t(rowCount));
  order.keys.reserve(size_t(rowCount) * size_t(order.keyWidth));
  while (query.step()) {
    order.rowIds.push_back(sqlite3_column_int64(query.get(), 0));
    for (int k = 0; k < order.keyWidth; ++k)
      order.keys.push_back(cellFromColumn(query.get(), k + 1));
  }
  if (order.rowIds.size() != size_t(rowCount))
    fail(QStringLiteral("index \"%1\" holds %2 rows, the table %3")
             .arg(order.name)
             .arg(order.rowIds.size())
             .arg(rowCount));
  order.loaded = true;
}

int Table::Impl::orderIndexOf(const QString& name) const {
  for (size_t i = 0; i < orders.size(); ++i)
    if (orders[i].name.compare(name, Qt::CaseInsensitive) == 0) return int(i);
  return -1;
}

std::vector<KeyCell> Table::Impl::searchCells(const QVariantList& values) {
  const Order& o = order();
  if (o.name.isEmpty()) fail(QStringLiteral("a find needs an index"));
  if (values.isEmpty() || values.size() > 3 || values.size() > o.fields.size())
    fail(QStringLiteral("a find on index \"%1\" takes 1 to %2 values, not %3")
             .arg(o.name)
             .arg(std::min<qsizetype>(3, o.fields.size()))
             .arg(values.size()));
  std::vector<KeyCell> cells;
  for (int k = 0; k < values.size(); ++k) {
    const QVariant& value = values[k];
    KeyCell cell;
    if (value.isValid() && !value.isNull()) {
      const FieldType type = fields[fieldByName.value(o.fields[k].toLower())].type;
      if (type == FieldType::Integer) {
        bool ok = false;
        cell.number = value.toLongLong(&ok);
        if (!ok)
          fail(QStringLiteral("\"%1\" is not a value of integer field \"%2\"")
                   .arg(value.toString(), o.fields[k]));
        cell.kind = KeyCell::Int;
      } else {
        cell.kind = KeyCell::Text;
        cell.text = value.toString().toUtf8();
      }
    }
    cells.push_back(std::move(cell));
  }
  return cells;
}

int Table::Impl::comparePrefix(const Order& order, int position,
                               const std::vector<KeyCell>& cells) const {
  const KeyCell* row = order.keys.data() + size_t(position) * size_t(order.keyWidth);
  for (size_t k = 0; k < cells.size(); ++k)
    if (const int c = compareCells(row[k], cells[k]); c != 0) return c;
  return 0;
}

int Table::Impl::lowerBound(const Order& order, const std::vector<KeyCell>& cells) const {
  int low = 0, high = int(order.rowIds.size());
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (comparePrefix(order, middle, cells) < 0)
      low = middle + 1;
    else
      high = middle;
  }
  return low;
}

QVariant Table::Impl::read(int field) {
  if (field < 0 || field >= fields.size())
    fail(QStringLiteral("there is no field number %1").arg(field));
  if (pos < 0) fail(QStringLiteral("there is no current row"));
  const qint64 rowId = currentRowId();
  const FieldType type = fields[field].type;
  if (type == FieldType::Graphic || type == FieldType::Memo) {
    Statement& blob = blobStatements[size_t(field)];
    if (!blob)
      blob =
          file->prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                            .arg(quoteIdentifier(fields[field].name), QLatin1String(kRowsTable)));
    sqlite3_bind_int64(blob.get(), 1, rowId);
    if (!blob.step()) {
      blob.reset();
      fail(QStringLiteral("row %1 is missing").arg(rowId));
    }
    QVariant result;
    if (sqlite3_column_type(blob.get(), 0) != SQLITE_NULL) {
      const QByteArray bytes(static_cast<const char*>(sqlite3_column_blob(blob.get(), 0)),
                             sqlite3_column_bytes(blob.get(), 0));
      blob.reset();
      if (type == FieldType::Memo) return QVariant(bytes);
      try {
        const QImage image = decodeImage(bytes);
        return image.isNull() ? QVariant() : QVariant(image);
      } catch (const DbError& error) {
        fail(QStringLiteral("field \"%1\": %2").arg(fields[field].name, error.message()));
      }
    }
    blob.reset();
    return result;
  }
  if (cachedRowId != rowId) {
    sqlite3_bind_int64(rowStatement.get(), 1, rowId);
    if (!rowStatement.step()) {
      rowStatement.reset();
      fail(QStringLiteral("row %1 is missing").arg(rowId));
    }
    for (size_t i = 0; i < plainColumn.size(); ++i)
      if (plainColumn[i] >= 0)
        cachedValues[i] = variantFromColumn(rowStatement.get(), plainColumn[i]);
    rowStatement.reset();
    cachedRowId = rowId;
  }
  return cachedValues[size_t(field)];
}

Table::Table(Database* db, QObject* parent) : QObject(parent), db_(db) {}

Table::~Table() = default;

void Table::setTableName(const QString& path) {
  if (d) throw DbError(QStringLiteral("Cannot rename open table \"%1\"").arg(tableName_));
  tableName_ = path;
}

void Table::setPasswords(const QList<QByteArray>& rawKeys) {
  ownKeys_ = rawKeys;
  ownKeysSet_ = true;
}

void Table::open() {
  if (d) return;
  QString path = tableName_;
  if (path.isEmpty()) throw DbError(QStringLiteral("A table has no file name"));
  if (QDir::isRelativePath(path) && db_ && !db_->path().isEmpty())
    path = QDir(db_->path()).filePath(path);
  const QList<QByteArray> keys = ownKeysSet_ ? ownKeys_
                                 : db_       ? db_->rawKeys()
                                             : QList<QByteArray>();

  auto impl = std::make_unique<Impl>();
  impl->path = path;
  impl->file = TableFile::openForReading(path, keys);
  TableFile& file = *impl->file;
  try {
    int version = -1;
    {
      Statement meta = file.prepare(QStringLiteral("SELECT key, value FROM orvik_meta"));
      while (meta.step()) {
        const QByteArray key(reinterpret_cast<const char*>(sqlite3_column_text(meta.get(), 0)));
        if (key == "format_version") version = sqlite3_column_int(meta.get(), 1);
        if (key == "row_count") impl->rowCount = sqlite3_column_int(meta.get(), 1);
      }
    }
    if (version != kTableFormatVersion)
      impl->fail(QStringLiteral("format version %1, this program reads version %2")
                     .arg(version)
                     .arg(kTableFormatVersion));
    {
      Statement fields =
          file.prepare(QStringLiteral("SELECT name, type FROM orvik_fields ORDER BY position"));
      while (fields.step()) {
        FieldDef field;
        field.name =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(fields.get(), 0)));
        const int type = sqlite3_column_int(fields.get(), 1);
        if (type < int(FieldType::Integer) || type > int(FieldType::Memo))
          impl->fail(QStringLiteral("field \"%1\" has unknown type %2").arg(field.name).arg(type));
        field.type = FieldType(type);
        impl->fieldByName.insert(field.name.toLower(), int(impl->fields.size()));
        impl->fields.append(field);
      }
    }
    if (impl->fields.isEmpty()) impl->fail(QStringLiteral("no fields are defined"));
    impl->orders.emplace_back();
    impl->orders[0].loaded = true;
    {
      Statement parts =
          file.prepare(QStringLiteral("SELECT index_no, index_name, field FROM orvik_index_fields "
                                      "ORDER BY index_no, position"));
      while (parts.step()) {
        const int indexNo = sqlite3_column_int(parts.get(), 0);
        if (impl->orders.back().indexNo != indexNo) {
          Order order;
          order.indexNo = indexNo;
          order.name =
              QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(parts.get(), 1)));
          impl->orders.push_back(std::move(order));
        }
        impl->orders.back().fields << QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(parts.get(), 2)));
      }
    }
    // Rows are numbered 1..row_count; the largest row id is found without a scan.
    {
      Statement last =
          file.prepare(QStringLiteral("SELECT max(rowid) FROM %1").arg(QLatin1String(kRowsTable)));
      const qint64 maxRowId = last.step() ? sqlite3_column_int64(last.get(), 0) : -1;
      if (maxRowId != impl->rowCount)
        impl->fail(QStringLiteral("the row count %1 does not match the rows").arg(impl->rowCount));
    }
    QStringList plain;
    impl->plainColumn.assign(size_t(impl->fields.size()), -1);
    for (int i = 0; i < impl->fields.size(); ++i) {
      const FieldType type = impl->fields[i].type;
      if (type == FieldType::Integer || type == FieldType::Text) {
        impl->plainColumn[size_t(i)] = int(plain.size());
        plain << quoteIdentifier(impl->fields[i].name);
      }
    }
    if (!plain.isEmpty())
      impl->rowStatement =
          file.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                           .arg(plain.join(QLatin1Char(',')), QLatin1String(kRowsTable)));
    impl->cachedValues.resize(size_t(impl->fields.size()));
    impl->blobStatements.resize(size_t(impl->fields.size()));
  } catch (const DbError& error) {
    // A file without our metadata tables is some other program's database.
    if (error.sqliteCode() != SQLITE_ERROR) throw;
    throw DbError(QStringLiteral("Table \"%1\" is not a table of this program: %2")
                      .arg(path, error.message()),
                  error.sqliteCode());
  }
  impl->pos = impl->rowCount > 0 ? 0 : -1;
  impl->bof = true;
  impl->eof = impl->rowCount == 0;
  d = std::move(impl);
  emit stateChanged();
  emit recordChanged();
}

void Table::close() {
  if (!d) return;
  d.reset();
  emit stateChanged();
}

bool Table::active() const {
  return d != nullptr;
}

void Table::requireOpen() const {
  if (!d) throw DbError(QStringLiteral("Table \"%1\" is not open").arg(tableName_));
}

void Table::setIndexName(const QString& name) {
  requireOpen();
  const int index = name.isEmpty() ? 0 : d->orderIndexOf(name);
  if (index < 0) d->fail(QStringLiteral("there is no index \"%1\"").arg(name));
  if (index == d->current) return;
  const qint64 rowId = d->currentRowId();
  Order& order = d->orders[size_t(index)];
  d->load(order);
  d->current = index;
  if (rowId > 0) d->pos = d->positionOf(order, rowId);
}

QString Table::indexName() const {
  requireOpen();
  return d->orders[size_t(d->current)].name;
}

QStringList Table::indexNames() const {
  requireOpen();
  QStringList names;
  for (size_t i = 1; i < d->orders.size(); ++i) names << d->orders[i].name;
  return names;
}

QStringList Table::indexFields(const QString& name) const {
  requireOpen();
  if (name.isEmpty()) return {};
  const int index = d->orderIndexOf(name);
  if (index < 0) d->fail(QStringLiteral("there is no index \"%1\"").arg(name));
  return d->orders[size_t(index)].fields;
}

void Table::first() {
  requireOpen();
  const qint64 before = d->currentRowId();
  d->pos = d->rowCount > 0 ? 0 : -1;
  d->bof = true;
  d->eof = d->rowCount == 0;
  if (d->currentRowId() != before) emit recordChanged();
}

void Table::last() {
  requireOpen();
  const qint64 before = d->currentRowId();
  d->pos = d->rowCount - 1;
  d->eof = true;
  d->bof = d->rowCount == 0;
  if (d->currentRowId() != before) emit recordChanged();
}

void Table::next() {
  moveBy(1);
}

void Table::prior() {
  moveBy(-1);
}

int Table::moveBy(int n) {
  requireOpen();
  if (n == 0) return 0;
  if (d->rowCount == 0) {
    d->bof = d->eof = true;
    return 0;
  }
  const qint64 before = d->currentRowId();
  const qint64 target = qint64(d->pos) + n;
  d->bof = d->eof = false;
  if (target >= d->rowCount) {
    d->eof = n > 0;
  } else if (target < 0) {
    d->bof = n < 0;
  }
  const int moved = int(std::clamp<qint64>(target, 0, d->rowCount - 1) - d->pos);
  d->pos += moved;
  if (d->currentRowId() != before) emit recordChanged();
  return moved;
}

bool Table::eof() const {
  requireOpen();
  return d->eof;
}

bool Table::bof() const {
  requireOpen();
  return d->bof;
}

bool Table::isEmpty() const {
  requireOpen();
  return d->rowCount == 0;
}

int Table::recNo() const {
  requireOpen();
  return d->pos + 1;
}

int Table::recordCount() const {
  requireOpen();
  return d->rowCount;
}

qint64 Table::bookmark() const {
  requireOpen();
  return d->currentRowId();
}

void Table::gotoBookmark(qint64 rowId) {
  requireOpen();
  const int position = d->positionOf(d->order(), rowId);
  if (position < 0) d->fail(QStringLiteral("there is no row %1").arg(rowId));
  const qint64 before = d->currentRowId();
  d->pos = position;
  d->bof = d->eof = false;
  if (d->currentRowId() != before) emit recordChanged();
}

bool Table::findKey(const QVariantList& values) {
  requireOpen();
  const std::vector<KeyCell> cells = d->searchCells(values);
  const Order& order = d->order();
  const int position = d->lowerBound(order, cells);
  if (position >= d->rowCount || d->comparePrefix(order, position, cells) != 0) return false;
  const qint64 before = d->currentRowId();
  d->pos = position;
  d->bof = d->eof = false;
  if (d->currentRowId() != before) emit recordChanged();
  return true;
}

void Table::findNearest(const QVariantList& values) {
  requireOpen();
  const std::vector<KeyCell> cells = d->searchCells(values);
  if (d->rowCount == 0) return;
  const int position = std::min(d->lowerBound(d->order(), cells), d->rowCount - 1);
  const qint64 before = d->currentRowId();
  d->pos = position;
  d->bof = d->eof = false;
  if (d->currentRowId() != before) emit recordChanged();
}

int Table::fieldCount() const {
  requireOpen();
  return int(d->fields.size());
}

QStringList Table::fieldNames() const {
  requireOpen();
  QStringList names;
  for (const FieldDef& field : d->fields) names << field.name;
  return names;
}

FieldType Table::fieldType(int position) const {
  requireOpen();
  if (position < 0 || position >= d->fields.size())
    d->fail(QStringLiteral("there is no field number %1").arg(position));
  return d->fields[position].type;
}

int Table::fieldIndex(const QString& name) const {
  requireOpen();
  return d->fieldByName.value(name.toLower(), -1);
}

QVariant Table::value(int position) const {
  requireOpen();
  return d->read(position);
}

QVariant Table::value(const QString& name) const {
  requireOpen();
  const int position = d->fieldByName.value(name.toLower(), -1);
  if (position < 0) d->fail(QStringLiteral("there is no field \"%1\"").arg(name));
  return d->read(position);
}

int Table::intValue(const QString& name) const {
  return value(name).toInt();
}
int Table::intValue(int position) const {
  return value(position).toInt();
}
QString Table::textValue(const QString& name) const {
  return value(name).toString();
}
QString Table::textValue(int position) const {
  return value(position).toString();
}

QImage Table::image(const QString& field) const {
  const QVariant picture = value(field);
  if (!picture.isValid()) return {};
  if (picture.metaType().id() != QMetaType::QImage)
    d->fail(QStringLiteral("field \"%1\" is not a graphic field").arg(field));
  return picture.value<QImage>();
}

QByteArray Table::memo(const QString& field) const {
  const QVariant bytes = value(field);
  if (!bytes.isValid()) return {};
  if (bytes.metaType().id() != QMetaType::QByteArray)
    d->fail(QStringLiteral("field \"%1\" is not a memo field").arg(field));
  return bytes.toByteArray();
}

}  // namespace orvik
