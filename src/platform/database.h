#pragma once
// The database object of the running program: the folder that relative table names resolve
// against (the "PATH=" parameter) and the list of passwords the engine tries when it opens a
// protected table. Each password is turned into its raw 32-byte key once, when it is added, so
// opening a table never derives keys.

#include <QByteArray>
#include <QList>
#include <QString>

namespace orvik {

// Version of the table file layout that TableWriter writes and Table accepts. A file of any
// other version is refused with DbError instead of being misread.
inline constexpr int kTableFormatVersion = 1;

// The raw 32-byte storage key of a password: SHA-256 over a fixed program salt and the
// password's UTF-8 bytes. The same password always gives the same key; TableWriter keys its
// files with it and Table opens them with it.
QByteArray derivePasswordKey(const QString& password);

class Database {
 public:
  explicit Database(QString name = QStringLiteral("OrvikData"));

  QString name() const { return name_; }

  // The folder of the tables ("PATH="). Relative table names resolve against it; empty means
  // the current directory.
  void setPath(const QString& folder) { path_ = folder; }
  QString path() const { return path_; }

  // Derives the raw key of `password` and appends it to the list; a password already in the
  // list is kept once, in its first place.
  void addPassword(const QString& password);
  // Raw keys in the order their passwords were added.
  QList<QByteArray> rawKeys() const { return rawKeys_; }
  void clearPasswords() { rawKeys_.clear(); }

  // The connected flag of the data module's opening sequence. Tables open whether or not it is
  // set; it only records the state the program asked for.
  void setConnected(bool connected) { connected_ = connected; }
  bool connected() const { return connected_; }

 private:
  QString name_;
  QString path_;
  QList<QByteArray> rawKeys_;
  bool connected_ = false;
};

}  // namespace orvik
