// Opening tables: passwords, damaged and foreign files, the database's folder, data sources.
#include <gtest/gtest.h>

#define SQLITE_HAS_CODEC 1
#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "platform/data_source.h"
#include "platform/database.h"
#include "platform/db_error.h"
#include "platform/table.h"
#include "platform/table_file.h"
#include "platform/table_writer.h"

using namespace orvik;

namespace {

class TableOpenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    db.setPath(dir.path());
  }

  // Writes a table of `rows` rows keyed with `password` and returns its path.
  QString writeTable(const QString& name, const QString& password, int rows = 50) {
    const QString path = dir.filePath(name);
    TableWriter writer(
        path, password,
        {{QStringLiteral("Code"), FieldType::Integer}, {QStringLiteral("Text"), FieldType::Text}},
        {{QStringLiteral("IndCode"), {"Code"}}});
    for (int i = 0; i < rows; ++i)
      writer.append({rows - i, QStringLiteral("row %1 ").arg(i) + QString(200, QLatin1Char('x'))});
    writer.finish();
    return path;
  }

  // Opens `name` through the database and returns the error code, or -1 when it opened.
  int openError(const QString& name) {
    Table table(&db);
    table.setTableName(name);
    try {
      table.open();
      table.setIndexName(QStringLiteral("IndCode"));
      for (table.first(); !table.eof(); table.next()) table.textValue(1);
    } catch (const DbError& error) {
      EXPECT_FALSE(table.active());
      EXPECT_FALSE(error.message().isEmpty());
      return error.sqliteCode();
    }
    return -1;
  }

  QTemporaryDir dir;
  Database db;
};

TEST_F(TableOpenTest, TriesEveryPasswordOfTheDatabase) {
  writeTable(QStringLiteral("a.ort"), QStringLiteral("third"));
  db.addPassword(QStringLiteral("first"));
  EXPECT_EQ(openError(QStringLiteral("a.ort")), SQLITE_NOTADB);
  db.addPassword(QStringLiteral("second"));
  db.addPassword(QStringLiteral("first"));  // kept once
  db.addPassword(QStringLiteral("third"));
  EXPECT_EQ(db.rawKeys().size(), 3);
  EXPECT_EQ(db.rawKeys()[2], derivePasswordKey(QStringLiteral("third")));
  EXPECT_EQ(derivePasswordKey(QStringLiteral("third")).size(), 32);
  EXPECT_NE(derivePasswordKey(QStringLiteral("third")), derivePasswordKey(QStringLiteral("Third")));
  EXPECT_EQ(openError(QStringLiteral("a.ort")), -1);

  db.clearPasswords();
  EXPECT_EQ(openError(QStringLiteral("a.ort")), SQLITE_NOTADB);
}

// The key that wrote a file is recognised from its first page, so a long password list costs
// one opening instead of one per wrong password.
TEST_F(TableOpenTest, RecognisesTheKeyFromTheFirstPage) {
  const QString path = writeTable(QStringLiteral("k.ort"), QStringLiteral("key three"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray page = file.read(kCipherPageSize);
  const QList<QByteArray> keys = {derivePasswordKey(QStringLiteral("key one")),
                                  derivePasswordKey(QStringLiteral("key two")),
                                  derivePasswordKey(QStringLiteral("key three"))};
  EXPECT_EQ(findLikelyKey(page, keys), 2);
  EXPECT_EQ(findLikelyKey(page, keys.mid(0, 2)), -1);
  QByteArray damaged = page;
  damaged[100] = char(damaged[100] ^ 1);
  EXPECT_EQ(findLikelyKey(damaged, keys), -1);
  EXPECT_EQ(findLikelyKey(page.left(100), keys), -1);
}

TEST_F(TableOpenTest, OwnPasswordsWinOverTheDatabase) {
  const QString path = writeTable(QStringLiteral("Little.ort"), QStringLiteral("own"));
  db.addPassword(QStringLiteral("own"));
  Table table(nullptr);  // by full path, without database
  table.setTableName(path);
  EXPECT_THROW(table.open(), DbError);
  table.setPasswords(
      {derivePasswordKey(QStringLiteral("x")), derivePasswordKey(QStringLiteral("own"))});
  table.open();
  EXPECT_EQ(table.recordCount(), 50);

  Table withDb(&db);
  withDb.setTableName(path);
  withDb.setPasswords({derivePasswordKey(QStringLiteral("x"))});
  EXPECT_THROW(withDb.open(), DbError);
}

TEST_F(TableOpenTest, RelativeNamesResolveAgainstTheDatabasePath) {
  writeTable(QStringLiteral("rel.ort"), QString());
  Table table(&db);
  table.setTableName(QStringLiteral("rel.ort"));
  table.open();
  EXPECT_TRUE(table.active());
  EXPECT_THROW(table.setTableName(QStringLiteral("other.ort")), DbError);
  db.setPath(dir.filePath(QStringLiteral("elsewhere")));
  table.close();
  EXPECT_THROW(table.open(), DbError);
}

TEST_F(TableOpenTest, MissingDamagedAndForeignFilesAreRefused) {
  db.addPassword(QStringLiteral("pw"));
  const QString path = writeTable(QStringLiteral("good.ort"), QStringLiteral("pw"), 400);
  QFile good(path);
  ASSERT_TRUE(good.open(QIODevice::ReadOnly));
  const QByteArray bytes = good.readAll();
  good.close();
  ASSERT_GT(bytes.size(), 8 * 4096);
  const auto writeFile = [&](const QString& name, const QByteArray& content) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
  };
  writeFile(QStringLiteral("half.ort"), bytes.left(bytes.size() / 2));
  writeFile(QStringLiteral("pages.ort"), bytes.left(4096 * 3));
  writeFile(QStringLiteral("odd.ort"), bytes.left(bytes.size() - 100));
  writeFile(QStringLiteral("empty.ort"), QByteArray());
  QByteArray garbage(20000, '\0');
  for (int i = 0; i < garbage.size(); ++i) garbage[i] = char(i * 7919 % 251);
  writeFile(QStringLiteral("garbage.ort"), garbage);
  QByteArray flipped = bytes;
  flipped[5000] = char(flipped[5000] ^ 0x40);  // one bit of the second page
  writeFile(QStringLiteral("flipped.ort"), flipped);

  EXPECT_EQ(openError(QStringLiteral("good.ort")), -1);
  for (const char* name : {"missing.ort", "half.ort", "pages.ort", "odd.ort", "empty.ort",
                           "garbage.ort", "flipped.ort"}) {
    SCOPED_TRACE(name);
    EXPECT_NE(openError(QString::fromLatin1(name)), -1);
  }
  QDir(dir.path()).mkdir(QStringLiteral("folder.ort"));
  EXPECT_NE(openError(QStringLiteral("folder.ort")), -1);
}

TEST_F(TableOpenTest, OtherFormatVersionsAndForeignDatabasesAreRefused) {
  const QString path = writeTable(QStringLiteral("v.ort"), QString());
  const auto exec = [&](const char* sql) {
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &handle), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(handle, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(handle);
  };
  EXPECT_EQ(openError(QStringLiteral("v.ort")), -1);
  exec("UPDATE orvik_meta SET value = value + 1 WHERE key = 'format_version'");
  EXPECT_NE(openError(QStringLiteral("v.ort")), -1);
  exec("UPDATE orvik_meta SET value = value - 1 WHERE key = 'format_version'");
  EXPECT_EQ(openError(QStringLiteral("v.ort")), -1);
  exec("DELETE FROM orvik_rows WHERE rowid = 50");
  EXPECT_NE(openError(QStringLiteral("v.ort")), -1);
  exec("DROP TABLE orvik_meta");
  EXPECT_NE(openError(QStringLiteral("v.ort")), -1);
}

TEST_F(TableOpenTest, DataSourceFollowsItsTable) {
  writeTable(QStringLiteral("ds.ort"), QString(), 3);
  auto* table = new Table(&db);
  table->setTableName(QStringLiteral("ds.ort"));
  Table other(&db);
  other.setTableName(QStringLiteral("ds.ort"));
  other.open();

  DataSource source;
  QSignalSpy data(&source, &DataSource::dataChanged);
  QSignalSpy state(&source, &DataSource::stateChanged);
  source.setDataSet(table);
  EXPECT_EQ(source.dataSet(), table);
  EXPECT_EQ(data.count(), 1);
  EXPECT_EQ(state.count(), 1);
  table->open();
  EXPECT_EQ(state.count(), 2);
  const int afterOpen = data.count();
  table->next();
  table->last();
  table->next();  // blocked: no change
  EXPECT_EQ(data.count(), afterOpen + 2);
  table->close();
  EXPECT_EQ(state.count(), 3);

  source.setDataSet(&other);
  const int beforeMoves = data.count();
  table->open();
  table->next();
  EXPECT_EQ(data.count(), beforeMoves);
  other.next();
  EXPECT_EQ(data.count(), beforeMoves + 1);

  source.setDataSet(table);
  delete table;
  EXPECT_EQ(source.dataSet(), nullptr);
}

}  // namespace
