// Reading tables back: orders, finds, movement, positions, bookmarks and field values.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "platform/database.h"
#include "platform/db_error.h"
#include "platform/table.h"
#include "platform/table_writer.h"

using namespace orvik;

namespace {

struct Row {
  int chapter, page, order;
  QString name;
};

// Written in this order on purpose: neither pages nor names are sorted, and names and keys
// repeat so that ties are broken by the written order.
const QList<Row> kRows = {
    {2, 20, 2, QStringLiteral("zebra")},        // row 1
    {1, 10, 1, QStringLiteral("apple")},        // row 2
    {2, 20, 1, QStringLiteral("Apple")},        // row 3
    {1, 10, 2, QStringLiteral("\u00C4pfel")},   // row 4
    {1, 11, 1, QStringLiteral("apple")},        // row 5
    {3, 30, 1, QStringLiteral("\U0001D49C")},   // row 6: outside the basic plane
    {1, 10, 2, QStringLiteral("\uFF5A")},       // row 7: same key as row 4
    {2, 20, 3, QStringLiteral("\u00E9clair")},  // row 8
    {1, 10, 3, QStringLiteral("apple")},        // row 9
};

class TableReadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    path = dir.filePath(QStringLiteral("words.ort"));
    TableWriter writer(path, QStringLiteral("secret1"),
                       {{QStringLiteral("ChapterCode"), FieldType::Integer},
                        {QStringLiteral("PageCode"), FieldType::Integer},
                        {QStringLiteral("Order"), FieldType::Integer},
                        {QStringLiteral("WordName"), FieldType::Text},
                        {QStringLiteral("WordMemo"), FieldType::Memo}},
                       {{QStringLiteral("IndPageOrder"), {"PageCode", "Order"}},
                        {QStringLiteral("IndName"), {"WordName"}},
                        {QStringLiteral("IndAll"), {"ChapterCode", "PageCode", "Order"}}});
    for (const Row& row : kRows)
      writer.append(
          {row.chapter, row.page, row.order, row.name, QByteArray("memo of ") + row.name.toUtf8()});
    writer.finish();
    table.setTableName(path);
    table.setPasswords({derivePasswordKey(QStringLiteral("secret1"))});
    table.open();
  }

  // Walks the current order from the first row and returns the row ids (bookmarks) met.
  QList<qint64> walk() {
    QList<qint64> ids;
    for (table.first(); !table.eof(); table.next()) ids << table.bookmark();
    return ids;
  }

  QTemporaryDir dir;
  QString path;
  Table table{nullptr};
};

TEST_F(TableReadTest, PrimaryOrderIsTheWrittenOrder) {
  EXPECT_EQ(table.indexName(), QString());
  EXPECT_EQ(table.recordCount(), kRows.size());
  EXPECT_TRUE(table.bof());
  EXPECT_EQ(table.recNo(), 1);
  int expected = 0;
  for (table.first(); !table.eof(); table.next()) {
    ASSERT_LT(expected, kRows.size());
    EXPECT_EQ(table.recNo(), expected + 1);
    EXPECT_EQ(table.textValue(QStringLiteral("WordName")), kRows[expected].name);
    ++expected;
  }
  EXPECT_EQ(expected, kRows.size());
}

TEST_F(TableReadTest, IndexesOrderByFieldsThenWrittenOrder) {
  table.setIndexName(QStringLiteral("indpageorder"));  // names are case-insensitive
  EXPECT_EQ(table.indexName(), QStringLiteral("IndPageOrder"));
  EXPECT_EQ(walk(), (QList<qint64>{2, 4, 7, 9, 5, 3, 1, 8, 6}));

  // Text compares by code point: capitals before small letters, Latin-1 letters after ASCII,
  // U+FF5A before U+1D49C (a UTF-16 comparison would put the surrogate pair first).
  table.setIndexName(QStringLiteral("IndName"));
  EXPECT_EQ(walk(), (QList<qint64>{3, 2, 5, 9, 1, 4, 8, 7, 6}));

  table.setIndexName(QString());
  EXPECT_EQ(walk(), (QList<qint64>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_THROW(table.setIndexName(QStringLiteral("NoSuchIndex")), DbError);
  EXPECT_EQ(table.indexNames(), (QStringList{"IndPageOrder", "IndName", "IndAll"}));
  EXPECT_EQ(table.indexFields(QStringLiteral("indall")),
            (QStringList{"ChapterCode", "PageCode", "Order"}));
}

TEST_F(TableReadTest, FindKeyOnOneTwoAndThreeFields) {
  table.setIndexName(QStringLiteral("IndAll"));
  // Order of IndAll: 2 (1,10,1), 4 (1,10,2), 7 (1,10,2), 9 (1,10,3), 5 (1,11,1), 3, 1, 8, 6.
  EXPECT_TRUE(table.findKey({2}));
  EXPECT_EQ(table.bookmark(), 3);
  EXPECT_EQ(table.recNo(), 6);
  EXPECT_TRUE(table.findKey({1, 10}));
  EXPECT_EQ(table.bookmark(), 2);
  EXPECT_TRUE(table.findKey({1, 10, 2}));  // the first of two equal keys
  EXPECT_EQ(table.bookmark(), 4);
  EXPECT_EQ(table.recNo(), 2);
  EXPECT_TRUE(table.findKey({QStringLiteral("3"), 30, 1}));  // converted to the field's type
  EXPECT_EQ(table.bookmark(), 6);

  table.findKey({1, 11});
  const int recNo = table.recNo();
  QSignalSpy changes(&table, &Table::recordChanged);
  EXPECT_FALSE(table.findKey({1, 10, 4}));
  EXPECT_FALSE(table.findKey({4}));
  EXPECT_FALSE(table.findKey({0}));
  EXPECT_EQ(table.recNo(), recNo);
  EXPECT_EQ(table.bookmark(), 5);
  EXPECT_EQ(changes.count(), 0);

  EXPECT_THROW(table.findKey({}), DbError);
  EXPECT_THROW(table.findKey({1, 2, 3, 4}), DbError);
  EXPECT_THROW(table.findKey({QStringLiteral("not a number")}), DbError);
  table.setIndexName(QString());
  EXPECT_THROW(table.findKey({1}), DbError);
}

TEST_F(TableReadTest, FindKeyOnTextIsExact) {
  table.setIndexName(QStringLiteral("IndName"));
  EXPECT_TRUE(table.findKey({QStringLiteral("apple")}));
  EXPECT_EQ(table.bookmark(), 2);
  EXPECT_TRUE(table.findKey({QStringLiteral("\U0001D49C")}));
  EXPECT_EQ(table.bookmark(), 6);
  EXPECT_FALSE(table.findKey({QStringLiteral("APPLE")}));
  EXPECT_FALSE(table.findKey({QStringLiteral("appl")}));
  EXPECT_FALSE(table.findKey({QStringLiteral("Apfel")}));
}

TEST_F(TableReadTest, FindNearest) {
  table.setIndexName(QStringLiteral("IndPageOrder"));
  table.findNearest({10, 2});
  EXPECT_EQ(table.bookmark(), 4);
  table.findNearest({10, 4});  // between pages 10 and 11
  EXPECT_EQ(table.bookmark(), 5);
  table.findNearest({15});
  EXPECT_EQ(table.bookmark(), 3);
  table.findNearest({99});  // past every key: the last row
  EXPECT_EQ(table.bookmark(), 6);
  EXPECT_EQ(table.recNo(), table.recordCount());
  EXPECT_FALSE(table.eof());
  table.setIndexName(QStringLiteral("IndName"));
  table.findNearest({QStringLiteral("b")});
  EXPECT_EQ(table.textValue(QStringLiteral("WordName")), QStringLiteral("zebra"));
}

TEST_F(TableReadTest, MovementAcrossTheEnds) {
  table.setIndexName(QStringLiteral("IndPageOrder"));
  const int n = table.recordCount();
  table.first();
  EXPECT_TRUE(table.bof());
  EXPECT_FALSE(table.eof());
  EXPECT_EQ(table.moveBy(-1), 0);
  EXPECT_TRUE(table.bof());
  EXPECT_EQ(table.moveBy(3), 3);
  EXPECT_FALSE(table.bof());
  EXPECT_EQ(table.recNo(), 4);
  EXPECT_EQ(table.moveBy(n + 5), n - 4);
  EXPECT_TRUE(table.eof());
  EXPECT_EQ(table.recNo(), n);
  EXPECT_EQ(table.bookmark(), 6);
  EXPECT_EQ(table.moveBy(-(n + 5)), -(n - 1));
  EXPECT_TRUE(table.bof());
  EXPECT_FALSE(table.eof());
  EXPECT_EQ(table.recNo(), 1);

  // Moving exactly onto the last row is not yet the end.
  EXPECT_EQ(table.moveBy(n - 1), n - 1);
  EXPECT_FALSE(table.eof());
  table.next();
  EXPECT_TRUE(table.eof());
  EXPECT_EQ(table.recNo(), n);
  table.prior();
  EXPECT_FALSE(table.eof());
  EXPECT_EQ(table.recNo(), n - 1);

  table.last();
  EXPECT_TRUE(table.eof());
  EXPECT_EQ(table.recNo(), n);
  QList<qint64> backwards;
  for (table.last(); !table.bof(); table.prior()) backwards.prepend(table.bookmark());
  EXPECT_EQ(backwards, walk());
}

TEST_F(TableReadTest, SwitchingIndexKeepsTheRowAndRenumbersIt) {
  table.setIndexName(QStringLiteral("IndName"));
  ASSERT_TRUE(table.findKey({QStringLiteral("zebra")}));
  EXPECT_EQ(table.recNo(), 5);
  QSignalSpy changes(&table, &Table::recordChanged);
  table.setIndexName(QStringLiteral("IndPageOrder"));
  EXPECT_EQ(table.bookmark(), 1);
  EXPECT_EQ(table.recNo(), 7);
  table.next();
  EXPECT_EQ(table.bookmark(), 8);
  table.setIndexName(QString());
  EXPECT_EQ(table.recNo(), 8);
  EXPECT_EQ(changes.count(), 1);  // only the move
}

TEST_F(TableReadTest, Bookmarks) {
  table.setIndexName(QStringLiteral("IndPageOrder"));
  table.first();
  table.moveBy(4);
  const qint64 mark = table.bookmark();
  const QString name = table.textValue(QStringLiteral("WordName"));
  table.last();
  table.gotoBookmark(mark);
  EXPECT_EQ(table.textValue(QStringLiteral("WordName")), name);
  EXPECT_EQ(table.recNo(), 5);
  table.setIndexName(QStringLiteral("IndName"));
  table.first();
  table.gotoBookmark(mark);
  EXPECT_EQ(table.bookmark(), mark);
  EXPECT_EQ(table.recNo(), 3);
  EXPECT_THROW(table.gotoBookmark(0), DbError);
  EXPECT_THROW(table.gotoBookmark(kRows.size() + 1), DbError);
  EXPECT_EQ(table.bookmark(), mark);
}

TEST_F(TableReadTest, FieldsByNameAndPosition) {
  EXPECT_EQ(table.fieldCount(), 5);
  EXPECT_EQ(table.fieldNames(),
            (QStringList{"ChapterCode", "PageCode", "Order", "WordName", "WordMemo"}));
  EXPECT_EQ(table.fieldIndex(QStringLiteral("wordname")), 3);
  EXPECT_EQ(table.fieldIndex(QStringLiteral("ORDER")), 2);
  EXPECT_EQ(table.fieldIndex(QStringLiteral("Word")), -1);
  EXPECT_EQ(table.fieldType(4), FieldType::Memo);

  table.gotoBookmark(8);
  EXPECT_EQ(table.intValue(QStringLiteral("pagecode")), 20);
  EXPECT_EQ(table.intValue(2), 3);
  EXPECT_EQ(table.textValue(3), QStringLiteral("\u00E9clair"));
  EXPECT_EQ(table.value(QStringLiteral("ORDER")).toInt(), 3);
  EXPECT_EQ(table.memo(QStringLiteral("wordmemo")), QByteArray("memo of \xC3\xA9"
                                                               "clair"));
  table.prior();
  EXPECT_EQ(table.textValue(QStringLiteral("WordName")), QStringLiteral("\uFF5A"));
  EXPECT_THROW(table.value(QStringLiteral("Word")), DbError);
  EXPECT_THROW(table.value(5), DbError);
  EXPECT_THROW(table.value(-1), DbError);
}

TEST_F(TableReadTest, SignalsOnlyWhenTheRowChanges) {
  QSignalSpy changes(&table, &Table::recordChanged);
  table.first();  // already there
  EXPECT_EQ(changes.count(), 0);
  table.next();
  table.moveBy(2);
  EXPECT_EQ(changes.count(), 2);
  table.last();
  table.next();  // blocked
  EXPECT_EQ(changes.count(), 3);
  QSignalSpy states(&table, &Table::stateChanged);
  table.close();
  EXPECT_EQ(states.count(), 1);
  EXPECT_FALSE(table.active());
}

TEST_F(TableReadTest, ClosedTableRefusesEverything) {
  table.close();
  EXPECT_THROW(table.first(), DbError);
  EXPECT_THROW(table.value(0), DbError);
  EXPECT_THROW(table.recordCount(), DbError);
  EXPECT_THROW(table.findKey({1}), DbError);
  EXPECT_THROW(table.setIndexName(QString()), DbError);
  table.open();
  EXPECT_TRUE(table.active());
  EXPECT_EQ(table.indexName(), QString());
  EXPECT_EQ(table.recNo(), 1);
}

TEST(TableValuesTest, EmptyTable) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("empty.ort"));
  TableWriter writer(path, QString(), {{QStringLiteral("A"), FieldType::Integer}},
                     {{QStringLiteral("IndA"), {"A"}}});
  writer.finish();
  Table table(nullptr);
  table.setTableName(path);
  table.open();
  EXPECT_TRUE(table.bof());
  EXPECT_TRUE(table.eof());
  EXPECT_EQ(table.recNo(), 0);
  EXPECT_EQ(table.recordCount(), 0);
  EXPECT_EQ(table.moveBy(1), 0);
  table.setIndexName(QStringLiteral("IndA"));
  EXPECT_FALSE(table.findKey({1}));
  table.findNearest({1});
  table.last();
  EXPECT_TRUE(table.bof() && table.eof());
  EXPECT_THROW(table.value(0), DbError);
}

QImage testPicture(QImage::Format format) {
  QImage image(37, 23, format);  // odd sizes: no line padding to hide behind
  image.fill(Qt::transparent);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixelColor(x, y, QColor(x * 7, y * 11, (x * y) % 256, (x + y * 3) % 256));
  return image;
}

TEST(TableValuesTest, GraphicAndMemoRoundTrip) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("pictures.ort"));
  QImage indexed(5, 4, QImage::Format_Indexed8);
  indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 0, 255)});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) indexed.setPixel(x, y, (x + y) % 2);
  const QList<QImage> pictures = {testPicture(QImage::Format_ARGB32),
                                  testPicture(QImage::Format_RGB32),
                                  testPicture(QImage::Format_RGB888), indexed, QImage()};
  QByteArray big(1 << 20, '\0');
  for (int i = 0; i < big.size(); ++i) big[i] = char((i * 31) ^ (i >> 8));
  const QList<QByteArray> memos = {QByteArray("{\\rtf1 a\0b}", 11), big, QByteArray()};
  {
    TableWriter writer(path, QStringLiteral("pw"),
                       {{QStringLiteral("N"), FieldType::Integer},
                        {QStringLiteral("Picture"), FieldType::Graphic},
                        {QStringLiteral("Memo"), FieldType::Memo}},
                       {});
    for (int i = 0; i < pictures.size(); ++i) writer.append({i, pictures[i], memos.value(i)});
    writer.finish();
  }
  Table table(nullptr);
  table.setTableName(path);
  table.setPasswords({derivePasswordKey(QStringLiteral("pw"))});
  table.open();
  for (int i = 0; i < pictures.size(); ++i, table.next()) {
    SCOPED_TRACE(i);
    const QImage read = table.image(QStringLiteral("picture"));
    ASSERT_EQ(read.isNull(), pictures[i].isNull());
    ASSERT_EQ(read.size(), pictures[i].size());
    for (int y = 0; y < read.height(); ++y)
      for (int x = 0; x < read.width(); ++x)
        ASSERT_EQ(read.pixel(x, y), pictures[i].pixel(x, y)) << x << "," << y;
    EXPECT_EQ(table.memo(QStringLiteral("MEMO")), memos.value(i));
  }
  table.first();
  EXPECT_THROW(table.image(QStringLiteral("Memo")), DbError);
  EXPECT_THROW(table.memo(QStringLiteral("N")), DbError);
}

// A hit map: a page code, a band number and 65 integer columns named "1".."65".
TEST(TableValuesTest, NumberedColumnsOfAHitMap) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("PctInfo.ort"));
  QList<FieldDef> fields = {{QStringLiteral("PageCode"), FieldType::Integer},
                            {QStringLiteral("Band"), FieldType::Integer}};
  for (int column = 1; column <= 65; ++column)
    fields.append({QString::number(column), FieldType::Integer});
  {
    TableWriter writer(path, QStringLiteral("pw"), fields,
                       {{QStringLiteral("IndInfo"), {"PageCode", "Band"}}});
    for (int page : {7, 3})  // pages written out of order
      for (int band = 1; band <= 98; ++band) {
        QVariantList row = {page, band};
        for (int column = 1; column <= 65; ++column) row << page * 10000 + band * 100 + column;
        writer.append(row);
      }
    writer.finish();
  }
  Table table(nullptr);
  table.setTableName(path);
  table.setPasswords({derivePasswordKey(QStringLiteral("pw"))});
  table.open();
  EXPECT_EQ(table.fieldCount(), 67);
  EXPECT_EQ(table.fieldIndex(QStringLiteral("65")), 66);
  table.setIndexName(QStringLiteral("IndInfo"));
  ASSERT_TRUE(table.findKey({3, 1}));
  EXPECT_EQ(table.intValue(QStringLiteral("1")), 30101);
  EXPECT_EQ(table.moveBy(97), 97);
  EXPECT_EQ(table.intValue(QStringLiteral("65")), 39865);
  EXPECT_EQ(table.intValue(QStringLiteral("Band")), 98);
  table.next();
  EXPECT_EQ(table.intValue(QStringLiteral("PageCode")), 7);
  EXPECT_EQ(table.intValue(QStringLiteral("Band")), 1);
}

TEST(TableWriterTest, OddFieldNamesAndBadValues) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("odd.ort"));
  const QList<FieldDef> fields = {{QStringLiteral("select"), FieldType::Integer},
                                  {QStringLiteral("a\"b"), FieldType::Text},
                                  {QStringLiteral("Pic"), FieldType::Graphic},
                                  {QStringLiteral("%1"), FieldType::Integer}};
  {
    TableWriter writer(
        path, QString(), fields,
        {{QStringLiteral("Ind"), {"A\"B", "SELECT"}}, {QStringLiteral("Pct"), {"%1"}}});
    EXPECT_THROW(writer.append({1, QStringLiteral("x"), QVariant()}), DbError);
    EXPECT_THROW(writer.append({QStringLiteral("one"), QStringLiteral("x"), QVariant(), 0}),
                 DbError);
    EXPECT_THROW(writer.append({1, QStringLiteral("x"), QByteArray("not a picture"), 0}), DbError);
    writer.append({2, QStringLiteral("y"), QVariant(), 5});
    writer.append({1, QStringLiteral("y"), QVariant(), 4});
    EXPECT_EQ(writer.rowCount(), 2);
    writer.finish();
    EXPECT_THROW(writer.append({3, QStringLiteral("z"), QVariant(), 0}), DbError);
  }
  Table table(nullptr);
  table.setTableName(path);
  table.open();
  table.setIndexName(QStringLiteral("ind"));
  table.first();
  EXPECT_EQ(table.intValue(QStringLiteral("SELECT")), 1);
  EXPECT_EQ(table.textValue(QStringLiteral("A\"b")), QStringLiteral("y"));
  EXPECT_TRUE(table.image(QStringLiteral("pic")).isNull());
  table.setIndexName(QStringLiteral("pct"));
  ASSERT_TRUE(table.findKey({5}));
  EXPECT_EQ(table.recNo(), 2);
  EXPECT_EQ(table.intValue(QStringLiteral("%1")), 5);

  const auto write = [&](QList<FieldDef> f, QList<IndexDef> i) {
    TableWriter(dir.filePath(QStringLiteral("bad.ort")), QString(), f, i);
  };
  EXPECT_THROW(write({}, {}), DbError);
  EXPECT_THROW(write({{"A", FieldType::Integer}, {"a", FieldType::Text}}, {}), DbError);
  EXPECT_THROW(write({{"A", FieldType::Integer}}, {{"I", {"B"}}}), DbError);
  EXPECT_THROW(write({{"A", FieldType::Memo}}, {{"I", {"A"}}}), DbError);
  EXPECT_THROW(write({{"A", FieldType::Integer}}, {{"I", {"A"}}, {"i", {"A"}}}), DbError);
}

TEST(TableWriterTest, ReplacesOnlyWhenFinished) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("t.ort"));
  const QList<FieldDef> fields = {{QStringLiteral("A"), FieldType::Integer}};
  const auto countRows = [&] {
    Table table(nullptr);
    table.setTableName(path);
    table.open();
    return table.recordCount();
  };
  {
    TableWriter writer(path, QString(), fields, {});
    writer.append({1});
    writer.finish();
  }
  {
    TableWriter abandoned(path, QString(), fields, {});
    abandoned.append({1});
    abandoned.append({2});
  }
  EXPECT_EQ(countRows(), 1);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"t.ort"});
  {
    TableWriter writer(path, QString(), fields, {});
    for (int i = 0; i < 3; ++i) writer.append({i});
    writer.finish();
  }
  EXPECT_EQ(countRows(), 3);
}

}  // namespace
