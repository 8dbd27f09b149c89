#include "platform/table_writer.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QImage>
#include <QSet>
#include <filesystem>

#include "platform/database.h"
#include "platform/db_error.h"
#include "platform/table_file.h"

namespace orvik {

namespace {

const char* sqlType(FieldType type) {
  switch (type) {
    case FieldType::Integer:
      return "INTEGER";
    case FieldType::Text:
      return "TEXT";
    case FieldType::Graphic:
    case FieldType::Memo:
      return "BLOB";
  }
  return "BLOB";
}

}  // namespace

struct TableWriter::Impl {
  QString path;
  QString tempPath;
  QList<FieldDef> fields;
  QList<IndexDef> indexes;
  std::unique_ptr<TableFile> file;
  Statement insert;
  int rows = 0;
  bool finished = false;

  [[noreturn]] void refuse(const QString& why) const {
    throw DbError(QStringLiteral("Cannot write table \"%1\": %2").arg(path, why));
  }
  void bindValue(int column, const FieldDef& field, const QVariant& value);
};

TableWriter::TableWriter(QString path, QString password, QList<FieldDef> fields,
                         QList<IndexDef> indexes)
    : d(std::make_unique<Impl>()) {
  d->path = std::move(path);
  d->tempPath = d->path + QStringLiteral(".writing");
  d->fields = std::move(fields);
  d->indexes = std::move(indexes);

  if (d->fields.isEmpty()) d->refuse(QStringLiteral("a table needs at least one field"));
  QHash<QString, int> fieldByName;
  for (int i = 0; i < d->fields.size(); ++i) {
    const QString key = d->fields[i].name.toLower();
    if (d->fields[i].name.isEmpty()) d->refuse(QStringLiteral("a field has no name"));
    if (fieldByName.contains(key))
      d->refuse(QStringLiteral("field \"%1\" is defined twice").arg(d->fields[i].name));
    fieldByName.insert(key, i);
  }
  QSet<QString> indexNames;
  for (const IndexDef& index : d->indexes) {
    if (index.name.isEmpty() || indexNames.contains(index.name.toLower()))
      d->refuse(QStringLiteral("index name \"%1\" is empty or defined twice").arg(index.name));
    indexNames.insert(index.name.toLower());
    if (index.fields.isEmpty())
      d->refuse(QStringLiteral("index \"%1\" has no fields").arg(index.name));
    for (const QString& field : index.fields) {
      const int position = fieldByName.value(field.toLower(), -1);
      if (position < 0)
        d->refuse(QStringLiteral("index \"%1\" names unknown field \"%2\"").arg(index.name, field));
      const FieldType type = d->fields[position].type;
      if (type != FieldType::Integer && type != FieldType::Text)
        d->refuse(QStringLiteral("index \"%1\" orders by graphic or memo field \"%2\"")
                      .arg(index.name, field));
    }
  }

  d->file = TableFile::create(d->tempPath,
                              password.isEmpty() ? QByteArray() : derivePasswordKey(password));
  TableFile& file = *d->file;
  file.exec(QStringLiteral("BEGIN"));
  file.exec(QStringLiteral("CREATE TABLE orvik_meta (key TEXT PRIMARY KEY, value)"));
  file.exec(
      QStringLiteral("CREATE TABLE orvik_fields (position INTEGER PRIMARY KEY, name TEXT, "
                     "type INTEGER)"));
  file.exec(
      QStringLiteral("CREATE TABLE orvik_index_fields (index_no INTEGER, index_name TEXT, "
                     "position INTEGER, field TEXT)"));
  {
    Statement meta = file.prepare(QStringLiteral("INSERT INTO orvik_meta VALUES (?, ?)"));
    sqlite3_bind_text(meta.get(), 1, "format_version", -1, SQLITE_STATIC);
    sqlite3_bind_int(meta.get(), 2, kTableFormatVersion);
    meta.step();
  }
  {
    Statement field = file.prepare(QStringLiteral("INSERT INTO orvik_fields VALUES (?, ?, ?)"));
    for (int i = 0; i < d->fields.size(); ++i) {
      const QByteArray name = d->fields[i].name.toUtf8();
      sqlite3_bind_int(field.get(), 1, i);
      sqlite3_bind_text(field.get(), 2, name.constData(), int(name.size()), SQLITE_TRANSIENT);
      sqlite3_bind_int(field.get(), 3, int(d->fields[i].type));
      field.step();
      field.reset();
    }
  }
  {
    Statement part =
        file.prepare(QStringLiteral("INSERT INTO orvik_index_fields VALUES (?, ?, ?, ?)"));
    for (int i = 0; i < d->indexes.size(); ++i) {
      const QByteArray name = d->indexes[i].name.toUtf8();
      for (int k = 0; k < d->indexes[i].fields.size(); ++k) {
        // The field's own spelling, so that the SQLite index and the field list agree.
        const QByteArray field =
            d->fields[fieldByName.value(d->indexes[i].fields[k].toLower())].name.toUtf8();
        sqlite3_bind_int(part.get(), 1, i);
        sqlite3_bind_text(part.get(), 2, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(part.get(), 3, k);
        sqlite3_bind_text(part.get(), 4, field.constData(), int(field.size()), SQLITE_TRANSIENT);
        part.step();
        part.reset();
      }
    }
  }
  QStringList columns, placeholders;
  for (const FieldDef& field : d->fields) {
    columns << quoteIdentifier(field.name) + QLatin1Char(' ') + QLatin1String(sqlType(field.type));
    placeholders << QStringLiteral("?");
  }
  file.exec(QStringLiteral("CREATE TABLE %1 (%2)")
                .arg(QLatin1String(kRowsTable), columns.join(QStringLiteral(", "))));
  d->insert =
      file.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)")
                       .arg(QLatin1String(kRowsTable), placeholders.join(QLatin1Char(','))));
}

TableWriter::~TableWriter() {
  if (!d->finished) {
    d->insert = Statement();
    d->file.reset();
    QFile::remove(d->tempPath);
  }
}

int TableWriter::rowCount() const {
  return d->rows;
}

void TableWriter::Impl::bindValue(int column, const FieldDef& field, const QVariant& value) {
  sqlite3_stmt* stmt = insert.get();
  if (!value.isValid() || value.isNull()) {
    sqlite3_bind_null(stmt, column);
    return;
  }
  switch (field.type) {
    case FieldType::Integer: {
      bool ok = false;
      const qlonglong number = value.toLongLong(&ok);
      if (!ok)
        refuse(QStringLiteral("row %1: field \"%2\" needs an integer, not \"%3\"")
                   .arg(rows + 1)
                   .arg(field.name, value.toString()));
      sqlite3_bind_int64(stmt, column, number);
      return;
    }
    case FieldType::Text: {
      if (!value.canConvert<QString>())
        refuse(QStringLiteral("row %1: field \"%2\" needs text").arg(rows + 1).arg(field.name));
      const QByteArray text = value.toString().toUtf8();
      sqlite3_bind_text(stmt, column, text.constData(), int(text.size()), SQLITE_TRANSIENT);
      return;
    }
    case FieldType::Graphic: {
      if (value.metaType().id() != QMetaType::QImage)
        refuse(
            QStringLiteral("row %1: field \"%2\" needs a picture").arg(rows + 1).arg(field.name));
      const QByteArray blob = encodeImage(value.value<QImage>());
      if (blob.isEmpty())
        sqlite3_bind_null(stmt, column);
      else
        sqlite3_bind_blob(stmt, column, blob.constData(), int(blob.size()), SQLITE_TRANSIENT);
      return;
    }
    case FieldType::Memo: {
      QByteArray bytes;
      if (value.metaType().id() == QMetaType::QByteArray)
        bytes = value.toByteArray();
      else if (value.metaType().id() == QMetaType::QString)
        bytes = value.toString().toUtf8();
      else
        refuse(QStringLiteral("row %1: field \"%2\" needs bytes").arg(rows + 1).arg(field.name));
      sqlite3_bind_blob(stmt, column, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
      return;
    }
  }
}

void TableWriter::append(const QVariantList& values) {
  if (d->finished) d->refuse(QStringLiteral("the table is already finished"));
  if (values.size() != d->fields.size())
    d->refuse(QStringLiteral("row %1 has %2 values for %3 fields")
                  .arg(d->rows + 1)
                  .arg(values.size())
                  .arg(d->fields.size()));
  for (int i = 0; i < values.size(); ++i) d->bindValue(i + 1, d->fields[i], values[i]);
  d->insert.step();
  d->insert.reset();
  ++d->rows;
}

void TableWriter::finish() {
  if (d->finished) d->refuse(QStringLiteral("the table is already finished"));
  TableFile& file = *d->file;
  for (int i = 0; i < d->indexes.size(); ++i) {
    QStringList columns;
    for (const QString& field : d->indexes[i].fields) {
      for (const FieldDef& def : d->fields)
        if (def.name.compare(field, Qt::CaseInsensitive) == 0) columns << quoteIdentifier(def.name);
    }
    file.exec(QStringLiteral("CREATE INDEX orvik_ix_%1 ON %2 (%3)")
                  .arg(i)
                  .arg(QLatin1String(kRowsTable), columns.join(QLatin1Char(','))));
  }
  {
    Statement meta = file.prepare(QStringLiteral("INSERT INTO orvik_meta VALUES (?, ?)"));
    sqlite3_bind_text(meta.get(), 1, "row_count", -1, SQLITE_STATIC);
    sqlite3_bind_int(meta.get(), 2, d->rows);
    meta.step();
  }
  file.exec(QStringLiteral("COMMIT"));
  d->insert = Statement();
  d->file.reset();

  std::error_code error;
  std::filesystem::rename(QFile::encodeName(d->tempPath).toStdString(),
                          QFile::encodeName(d->path).toStdString(), error);
  if (error) {
    QFile::remove(d->tempPath);
    d->finished = true;
    d->refuse(QString::fromStdString(error.message()));
  }
  d->finished = true;
}

}  // namespace orvik
