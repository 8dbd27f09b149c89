#pragma once
// The storage under the table engine, shared by Table and TableWriter and used by nothing
// else: one SQLCipher connection per table file, its prepared statements, the names of the
// tables inside a table file, and the coding of pictures into graphic fields.
//
// A table file holds:
//   orvik_meta(key, value)           "format_version" and "row_count"
//   orvik_fields(position, name, type)  the fields in order; type is FieldType as an integer
//   orvik_index_fields(index_no, index_name, position, field)  the named indexes
//   orvik_rows(...)                  one column per field, rows numbered 1..row_count in
//                                    primary order
//   orvik_ix_<index_no>              an SQLite index per named index, so that an index's row
//                                    order is read without sorting

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace orvik {

inline constexpr char kRowsTable[] = "orvik_rows";
// Every encrypted table file uses this page size; larger pages mean fewer authentication
// codes to check when big pictures are read.
inline constexpr int kCipherPageSize = 4096;

// Wraps a name in double quotes for SQL, doubling any quote inside.
QString quoteIdentifier(const QString& name);

// A prepared statement; finalized when destroyed.
class Statement {
 public:
  Statement() = default;
  Statement(sqlite3_stmt* stmt, QString path) : stmt_(stmt), path_(std::move(path)) {}
  Statement(Statement&& other) noexcept;
  Statement& operator=(Statement&& other) noexcept;
  ~Statement();

  sqlite3_stmt* get() const { return stmt_; }
  explicit operator bool() const { return stmt_ != nullptr; }
  // Steps once: true with a row ready, false when done. Throws DbError on failure.
  bool step();
  // Resets the statement and clears its bindings, ready for the next use.
  void reset();

 private:
  sqlite3_stmt* stmt_ = nullptr;
  QString path_;
};

class TableFile {
 public:
  // Opens an existing file read-only, trying each raw key in turn (none: an unencrypted
  // file). Throws DbError when the file is missing, no key opens it, or it is damaged.
  static std::unique_ptr<TableFile> openForReading(const QString& path,
                                                   const QList<QByteArray>& rawKeys);
  // Creates a new file (any file at `path` is removed first), keyed with `rawKey` (empty: not
  // encrypted). Throws DbError on failure.
  static std::unique_ptr<TableFile> create(const QString& path, const QByteArray& rawKey);

  ~TableFile();
  TableFile(const TableFile&) = delete;
  TableFile& operator=(const TableFile&) = delete;

  sqlite3* handle() const { return db_; }
  const QString& path() const { return path_; }
  void exec(const QString& sql);
  Statement prepare(const QString& sql);
  // Throws DbError naming this file, the action and the connection's last error.
  [[noreturn]] void fail(const QString& action, int rc) const;

 private:
  TableFile(sqlite3* db, QString path) : db_(db), path_(std::move(path)) {}
  sqlite3* db_;
  QString path_;
};

// Which raw key, if any, wrote this first page of an encrypted table file: the index into
// `rawKeys`, or -1. It checks the page's authentication code the way the storage does, without
// opening the file, so that opening a table with a long password list opens it only once with
// the right key. A -1 is only a hint: the caller still tries every key.
int findLikelyKey(const QByteArray& firstPage, const QList<QByteArray>& rawKeys);

// Pictures in graphic fields: a small header and the raw scan lines, zlib-compressed, so that
// reading a picture costs one inflate and one copy. decodeImage() also reads any format
// QImage reads (PNG, BMP); an empty blob gives a null image. A blob it cannot read throws
// DbError.
QByteArray encodeImage(const QImage& image);
QImage decodeImage(const QByteArray& blob);

}  // namespace orvik
