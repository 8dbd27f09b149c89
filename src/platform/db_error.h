#pragma once
// The one error type of the table engine. Every failure of Database, Table, TableWriter and
// DataSource operations on table files throws it: a missing, unreadable, truncated or corrupt
// file, a wrong password, a file of a foreign or stale format version, an unknown field or
// index name, a read with no current row, an operation on a closed table. Callers catch it
// around their table operations and route it to the database failure routine.

#include <QString>
#include <stdexcept>

namespace orvik {

class DbError : public std::runtime_error {
 public:
  // `sqliteCode` is the storage engine's result code when the failure came from it
  // (26 for a wrong password or a file that is not a table), 0 otherwise.
  explicit DbError(const QString& message, int sqliteCode = 0);

  QString message() const { return message_; }
  int sqliteCode() const { return sqliteCode_; }

 private:
  QString message_;
  int sqliteCode_;
};

}  // namespace orvik
