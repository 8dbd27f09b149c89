// The article pane: what it shows for the record, the field and the state of its table, the
// standard-size rewrite, the loaded flag, and its behaviour when its source goes away or the
// article is damaged.

#include "browse/orvik_word.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

#include "platform/data_source.h"
#include "platform/table.h"
#include "platform/table_writer.h"

namespace {

QByteArray article(const QByteArray& body) {
  return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
         "\\pard\\plain\\f0\\fs18 " +
         body + "}";
}

// An article table of its own in a temporary folder: PageCode, Order, WordName, WordMemo,
// indexed on page and order, with a data source following it.
class ArticleTable {
 public:
  explicit ArticleTable(const QList<QByteArray>& memos) {
    const QString path = dir_.filePath(QStringLiteral("WrdNmEn.ort"));
    {
      orvik::TableWriter writer(path, QString(),
                                {{"PageCode", orvik::FieldType::Integer},
                                 {"Order", orvik::FieldType::Integer},
                                 {"WordName", orvik::FieldType::Text},
                                 {"WordMemo", orvik::FieldType::Memo}},
                                {{"IndPageOrder", {"PageCode", "Order"}}});
      int order = 1;
      for (const QByteArray& memo : memos) {
        writer.append({101, order, QStringLiteral("word %1").arg(order), memo});
        ++order;
      }
      writer.finish();
    }
    table = std::make_unique<orvik::Table>(nullptr);
    table->setTableName(path);
    table->setPasswords({});
    table->open();
    source = std::make_unique<orvik::DataSource>();
    source->setDataSet(table.get());
  }

  std::unique_ptr<orvik::Table> table;
  std::unique_ptr<orvik::DataSource> source;

 private:
  QTemporaryDir dir_;
};

// Point size of the character at `position` of the pane's text.
qreal pointSizeAt(const TOrvikWord& pane, int position) {
  QTextCursor cursor(pane.document());
  cursor.setPosition(position + 1);
  return cursor.charFormat().fontPointSize();
}

}  // namespace

TEST(OrvikWord, FollowsTheRecordOfItsSourceAndReplacesTheTextOnce) {
  ArticleTable t({article("{\\b key}  a tool\\par opens locks"), article("{\\b bed} furniture")});
  TOrvikWord pane;
  QSignalSpy replaced(&pane, &TOrvikWord::contentReplaced);
  pane.setDataField(QStringLiteral("WordMemo"));
  EXPECT_TRUE(pane.isEmpty()) << "no source: nothing shown";
  pane.setDataSource(t.source.get());
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("key  a tool\nopens locks"));
  EXPECT_TRUE(pane.loaded());

  replaced.clear();
  t.table->next();
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("bed furniture"));
  EXPECT_EQ(replaced.count(), 1) << "one notice per load, not one per inserted piece";

  // Binding the same source again loads nothing.
  replaced.clear();
  pane.setDataSource(t.source.get());
  EXPECT_EQ(replaced.count(), 0);

  // Closing the table leaves no field: the pane empties.
  t.table->close();
  EXPECT_TRUE(pane.isEmpty());
  EXPECT_FALSE(pane.loaded());
  // Opening it again shows its first record, loaded once.
  replaced.clear();
  t.table->open();
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("key  a tool\nopens locks"));
  EXPECT_EQ(replaced.count(), 1);
}

TEST(OrvikWord, FieldNamesAreCaseInsensitiveAndAnUnknownOrPlainFieldIsHandled) {
  ArticleTable t({article("one")});
  TOrvikWord pane;
  pane.setDataSource(t.source.get());
  pane.setDataField(QStringLiteral("wordmemo"));
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("one"));

  pane.setDataField(QStringLiteral("NoSuchField"));
  EXPECT_TRUE(pane.isEmpty());
  EXPECT_FALSE(pane.loaded());

  // A field that is not a memo shows its text as it is and counts as loaded.
  pane.setDataField(QStringLiteral("WordName"));
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("word 1"));
  EXPECT_TRUE(pane.loaded());
}

TEST(OrvikWord, WithoutAutoDisplayARecordChangeEmptiesUntilItIsTurnedOn) {
  ArticleTable t({article("first"), article("second"), article("third")});
  TOrvikWord pane;
  pane.setAutoDisplay(false);
  pane.setDataField(QStringLiteral("WordMemo"));
  pane.setDataSource(t.source.get());
  EXPECT_TRUE(pane.isEmpty());
  EXPECT_FALSE(pane.loaded());

  t.table->next();
  EXPECT_TRUE(pane.isEmpty()) << "no automatic load";

  pane.setAutoDisplay(true);
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("second"));

  // With the memo loaded, a record change loads the next one even without AutoDisplay.
  pane.setAutoDisplay(false);
  t.table->next();
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("third"));
  // ...but only while something is loaded.
  pane.clearText();
  t.table->first();
  EXPECT_TRUE(pane.isEmpty());
}

TEST(OrvikWord, StandardSizeBecomesFontSizeAndNothingElseChanges) {
  ArticleTable t({article("normal {\\fs28 big} \\fs180 odd\\par \\\\fs18 kept")});
  TOrvikWord pane;
  pane.setDataField(QStringLiteral("WordMemo"));
  pane.setFontSize(12);
  pane.setDataSource(t.source.get());
  const QString text = pane.toPlainText();
  ASSERT_EQ(text, QStringLiteral("normal big odd\n\\fs18 kept"));
  EXPECT_EQ(pointSizeAt(pane, text.indexOf("normal")), 12.0);
  EXPECT_EQ(pointSizeAt(pane, text.indexOf("big")), 14.0) << "\\fs28 is not the standard size";
  EXPECT_EQ(pointSizeAt(pane, text.indexOf("odd")), 90.0) << "\\fs180 is not \\fs18";
  EXPECT_EQ(pointSizeAt(pane, text.indexOf("kept")), 90.0);

  // At 9 points the article loads as stored.
  pane.setFontSize(9);
  pane.reload();
  EXPECT_EQ(pointSizeAt(pane, pane.toPlainText().indexOf("normal")), 9.0);

  // A size whose double has three digits is written whole, not cut to two.
  pane.setFontSize(50);
  pane.reload();
  EXPECT_EQ(pointSizeAt(pane, pane.toPlainText().indexOf("normal")), 50.0);
}

TEST(OrvikWord, FontSizeChangeReloadsOnlyAVisiblePaneThatHoldsText) {
  ArticleTable t({article("word")});
  TOrvikWord pane;
  pane.setDataField(QStringLiteral("WordMemo"));
  pane.setDataSource(t.source.get());
  ASSERT_EQ(pointSizeAt(pane, 0), 9.0);

  pane.changeFontSize(14);  // hidden: stored for the next load only
  EXPECT_EQ(pane.FontSize(), 14);
  EXPECT_EQ(pointSizeAt(pane, 0), 9.0);

  pane.show();
  pane.changeFontSize(16);
  EXPECT_EQ(pointSizeAt(pane, 0), 16.0);

  pane.clearText();
  pane.changeFontSize(10);  // empty: stays empty
  EXPECT_TRUE(pane.isEmpty());
}

TEST(OrvikWord, TheSourceBeingDestroyedLeavesThePaneEmptyAndUnbound) {
  ArticleTable t({article("first"), article("second")});
  TOrvikWord pane;
  pane.setDataField(QStringLiteral("WordMemo"));
  pane.setDataSource(t.source.get());
  ASSERT_FALSE(pane.isEmpty());

  t.source.reset();
  EXPECT_EQ(pane.DataSource(), nullptr);
  EXPECT_TRUE(pane.isEmpty());
  t.table->next();  // nothing follows the table any more
  EXPECT_TRUE(pane.isEmpty());
  pane.reload();
  EXPECT_TRUE(pane.isEmpty());
}

TEST(OrvikWord, DamagedArticlesShowWhatCanBeReadAndNeverCrash) {
  const QByteArray binary = [] {
    QByteArray b;
    quint32 x = 12345;
    for (int i = 0; i < 4000; ++i) {
      x = x * 1103515245u + 12345u;
      b += char(x >> 24);
    }
    return b;
  }();
  ArticleTable t({QByteArray("just plain words"), article("cut {\\b off"), binary,
                  QByteArray("{\\rtf1 {\\fonttbl"), QByteArray(), QByteArray("{\\rtf1 \\fs18")});
  TOrvikWord pane;
  pane.setDataField(QStringLiteral("WordMemo"));
  pane.setFontSize(12);
  pane.setDataSource(t.source.get());
  EXPECT_TRUE(pane.toPlainText().contains(QStringLiteral("just plain words")));
  t.table->next();
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("cut off"));
  for (int i = 0; i < 4; ++i) {
    t.table->next();
    EXPECT_TRUE(pane.loaded());
    EXPECT_GE(pane.lineCount(), 1);
  }
}

TEST(OrvikWord, AFailingReadLeavesThePaneEmptyAndIsReportedOnce) {
  QByteArray big;
  for (int i = 0; i < 2000; ++i) big += "filler text ";
  ArticleTable t({article("first"), article(big), article(big)});
  TOrvikWord pane;
  pane.setDataField(QStringLiteral("WordMemo"));
  pane.setDataSource(t.source.get());
  ASSERT_EQ(pane.toPlainText(), QStringLiteral("first"));
  QSignalSpy failed(&pane, &TOrvikWord::databaseFailed);
  // The file loses its second half under the open table.
  {
    QFile file(t.table->tableName());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() / 2));
  }
  t.table->last();
  EXPECT_EQ(failed.count(), 1);
  EXPECT_TRUE(pane.isEmpty());
  EXPECT_FALSE(pane.loaded());
}
