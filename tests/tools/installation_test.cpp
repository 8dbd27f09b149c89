#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

#include "app/installation_keys.h"
#include "installation_builder.h"
#include "installation_checker.h"
#include "platform/database.h"
#include "platform/table.h"
#include "platform/table_writer.h"
#include "source_parser.h"

using namespace builddict;

namespace {

const QString kFixture = QStringLiteral(ORVIK_FIXTURE_SMALL);

QString password(const char* file) {
  const auto p = orvik::keys::dataPasswordFor(file);
  return QString::fromLatin1(p.data(), qsizetype(p.size()));
}

std::unique_ptr<orvik::Table> openTable(const QString& path, const QString& pass) {
  auto t = std::make_unique<orvik::Table>(nullptr);
  t->setTableName(path);
  t->setPasswords({orvik::derivePasswordKey(pass)});
  t->open();
  return t;
}

bool copyTree(const QString& from, const QString& to) {
  QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString f = it.next();
    const QString target = to + f.mid(from.size());
    QDir().mkpath(QFileInfo(target).absolutePath());
    // The "user" permissions describe the running user; setting them would grant the owner
    // what root is allowed anyway, so only the owner, group and other bits are copied.
    const auto bits =
        QFile::permissions(f) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    if (!QFile::copy(f, target) || !QFile::setPermissions(target, bits)) return false;
  }
  return true;
}

// Writes a data-folder table again with every row passed through `change` (which may alter it).
void rewriteTable(const QString& folder, const char* file,
                  const std::function<void(QVariantList&)>& change) {
  const QString path = folder + QStringLiteral("/ODataBase/") + QLatin1String(file);
  QList<QVariantList> rows;
  QList<orvik::FieldDef> fields;
  QList<orvik::IndexDef> indexes;
  {
    auto t = openTable(path, password(file));
    for (int i = 0; i < t->fieldCount(); ++i)
      fields << orvik::FieldDef{t->fieldNames()[i], t->fieldType(i)};
    for (const QString& name : t->indexNames())
      indexes << orvik::IndexDef{name, t->indexFields(name)};
    for (t->first(); !t->eof(); t->next()) {
      QVariantList row;
      for (int i = 0; i < t->fieldCount(); ++i) row << t->value(i);
      change(row);
      rows << row;
    }
  }
  orvik::TableWriter writer(path, password(file), fields, indexes);
  for (const QVariantList& row : rows) writer.append(row);
  writer.finish();
}

// A hash of every file of an installation. Table files are encrypted with fresh random
// initialisation vectors each time they are written, so a table is hashed by its content: its
// fields and every value of every row in primary order.
QMap<QString, QByteArray> contentHashes(const QString& folder) {
  QList<QByteArray> keys;
  for (std::string_view p : orvik::keys::kDataPasswords)
    keys << orvik::derivePasswordKey(QString::fromLatin1(p.data(), qsizetype(p.size())));
  for (std::string_view p :
       {orvik::keys::kChapterPicturePassword, orvik::keys::kLittlePagesPassword})
    keys << orvik::derivePasswordKey(QString::fromLatin1(p.data(), qsizetype(p.size())));
  QMap<QString, QByteArray> hashes;
  QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (path.endsWith(QStringLiteral(".ort"))) {
      orvik::Table t(nullptr);
      t.setTableName(path);
      t.setPasswords(keys);
      t.open();
      hash.addData(t.fieldNames().join(u',').toUtf8());
      for (t.first(); !t.eof(); t.next())
        for (int i = 0; i < t.fieldCount(); ++i) {
          const QVariant v = t.value(i);
          if (t.fieldType(i) == orvik::FieldType::Graphic) {
            const QImage img = v.value<QImage>().convertToFormat(QImage::Format_ARGB32);
            hash.addData(
                QByteArrayView(reinterpret_cast<const char*>(img.constBits()), img.sizeInBytes()));
          } else {
            hash.addData(v.toByteArray());
          }
        }
    } else {
      QFile f(path);
      EXPECT_TRUE(f.open(QIODevice::ReadOnly));
      hash.addData(f.readAll());
    }
    hashes.insert(path.mid(folder.size()), hash.result());
  }
  return hashes;
}

}  // namespace

TEST(Installation, TheFixturePassesTheCheck) {
  InstallationChecker checker;
  EXPECT_TRUE(checker.check(kFixture, false)) << checker.problems().join(u'\n').toStdString();
  EXPECT_EQ(checker.summary().chapters, 3);
  EXPECT_EQ(checker.summary().pages, 6);
  EXPECT_EQ(checker.summary().entries, 36);
  EXPECT_FALSE(checker.summary().sounds);
  // It is no demo: the demo rules fail on it.
  EXPECT_FALSE(checker.check(kFixture, true));
  EXPECT_TRUE(checker.problems().join(u'\n').contains(QStringLiteral("15")));
}

TEST(Installation, TablesHoldWhatTheProgramReads) {
  const QString db = kFixture + QStringLiteral("/ODataBase/");
  // Page list of chapter 12 in Russian: heading, page, heading, page, in list order.
  auto pages = openTable(db + "PgeNmRu.ort", password("PgeNmRu.ort"));
  pages->setIndexName(QStringLiteral("IndChptCode"));
  ASSERT_TRUE(pages->findKey({12}));
  QStringList rows;
  for (; !pages->eof() && pages->intValue(0) == 12; pages->next())
    rows << QStringLiteral("%1:%2:%3")
                .arg(pages->intValue(QStringLiteral("Subchapter")))
                .arg(pages->intValue(QStringLiteral("PageCode")))
                .arg(pages->textValue(2));
  EXPECT_EQ(rows,
            (QStringList{"1:0:На поезде", "1:1204:Вокзал", "2:0:На самолёте", "2:12105:Аэропорт"}));

  // The entry of a 5-digit page: its article and sound name.
  auto words = openTable(db + "WrdNmFr.ort", password("WrdNmFr.ort"));
  words->setIndexName(QStringLiteral("IndPageOrder"));
  ASSERT_TRUE(words->findKey({12105, 2}));
  EXPECT_EQ(words->textValue(QStringLiteral("WordName")),
            QStringLiteral("le contrôle des passeports"));
  EXPECT_EQ(words->textValue(QStringLiteral("WordSound")), QStringLiteral("LA502"));
  EXPECT_EQ(words->intValue(QStringLiteral("ChapterCode")), 12);
  EXPECT_TRUE(
      words->memo(QStringLiteral("WordMemo")).contains("{\\b le contr\\'f4le des passeports}"));

  // Search rows: "terre" leads to the potato, the whole head word too.
  auto find = openTable(db + "WrdFindFr.ort", password("WrdFindFr.ort"));
  find->setIndexName(QStringLiteral("IndFindWord"));
  ASSERT_TRUE(find->findKey({QStringLiteral("pomme de terre")}));
  EXPECT_EQ(find->intValue(QStringLiteral("PageCode")), 401);
  EXPECT_EQ(find->intValue(QStringLiteral("Order")), 13);
  ASSERT_TRUE(find->findKey({QStringLiteral("pomme")}));
  QList<int> orders;
  for (; !find->eof() && find->textValue(0) == u"pomme"; find->next())
    orders << find->intValue(QStringLiteral("Order"));
  EXPECT_EQ(orders, (QList<int>{1, 13}));  // the apple, then the potato
  EXPECT_FALSE(find->findKey({QStringLiteral("la")}));
  auto findRu = openTable(db + "WrdFindRu.ort", password("WrdFindRu.ort"));
  findRu->setIndexName(QStringLiteral("IndWordReal"));
  ASSERT_TRUE(findRu->findKey({12105, 2, QStringLiteral("контроль")}));

  // The page with one entry: every non-empty cell names entry 1, and its hit map has 98 bands.
  auto info = openTable(db + "PctInfo.ort", password("PctInfo.ort"));
  info->setIndexName(QStringLiteral("IndInfo"));
  ASSERT_TRUE(info->findKey({101, 1}));
  EXPECT_EQ(info->fieldNames().mid(2, 3), (QStringList{"1", "2", "3"}));
  EXPECT_EQ(info->moveBy(97), 97);
  EXPECT_EQ(info->intValue(QStringLiteral("Band")), 98);
  EXPECT_EQ(info->intValue(QStringLiteral("PageCode")), 101);

  // Pages in next-page order across chapters.
  auto pictures = openTable(db + "PgePct.ort", password("PgePct.ort"));
  pictures->setIndexName(QStringLiteral("IndexPgePct"));
  QList<int> order;
  for (pictures->first(); !pictures->eof(); pictures->next()) order << pictures->intValue(2);
  EXPECT_EQ(order, (QList<int>{101, 102, 401, 402, 1204, 12105}));
  ASSERT_TRUE(pictures->findKey({12, 2, 12105}));
}

TEST(Installation, CheckCatchesBrokenInstallations) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString copy = tmp.path() + QStringLiteral("/inst");
  ASSERT_TRUE(copyTree(kFixture, copy));
  InstallationChecker checker;
  ASSERT_TRUE(checker.check(copy, false)) << checker.problems().join(u'\n').toStdString();

  // A highlight pushed past the right edge of its page.
  rewriteTable(copy, "WrdPct.ort", [](QVariantList& row) {
    if (row[0].toInt() == 102 && row[1].toInt() == 3) row[3] = 300;
  });
  EXPECT_FALSE(checker.check(copy, false));
  EXPECT_TRUE(
      checker.problems().join(u'\n').contains(QStringLiteral("page 102 entry 3: highlight")));
  rewriteTable(copy, "WrdPct.ort", [](QVariantList& row) {
    if (row[0].toInt() == 102 && row[1].toInt() == 3) row[3] = 0;
  });

  // A hit map that no longer names entry 2 of page 402.
  rewriteTable(copy, "PctInfo.ort", [](QVariantList& row) {
    if (row[0].toInt() == 402)
      for (int i = 2; i < row.size(); ++i)
        if (row[i].toInt() == 2) row[i] = 0;
  });
  EXPECT_FALSE(checker.check(copy, false));
  EXPECT_TRUE(
      checker.problems().contains(QStringLiteral("page 402: the hit map never names entry 2")))
      << checker.problems().join(u'\n').toStdString();

  // A missing table, and a scrambled picture of the wrong size.
  ASSERT_TRUE(copyTree(kFixture, tmp.path() + QStringLiteral("/inst2")));
  const QString copy2 = tmp.path() + QStringLiteral("/inst2");
  QFile::remove(copy2 + QStringLiteral("/ODataBase/WrdFindSp.ort"));
  QFile f(copy2 + QStringLiteral("/fbsh.ori"));
  f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
  ASSERT_TRUE(f.open(QIODevice::Append));
  f.write("x");
  f.close();
  EXPECT_FALSE(checker.check(copy2, false));
  const QString all = checker.problems().join(u'\n');
  EXPECT_TRUE(all.contains(QStringLiteral("WrdFindSp.ort: does not open"))) << all.toStdString();
  EXPECT_TRUE(all.contains(QStringLiteral("fbsh.ori: 403399 bytes"))) << all.toStdString();

  // Sounds are expected once the no-sounds marker is gone.
  ASSERT_TRUE(copyTree(kFixture, tmp.path() + QStringLiteral("/inst3")));
  const QString copy3 = tmp.path() + QStringLiteral("/inst3");
  QFile::remove(copy3 + u'/' + QLatin1String(kNoSoundsMarker));
  EXPECT_FALSE(checker.check(copy3, false));
  EXPECT_TRUE(checker.problems().join(u'\n').contains(QStringLiteral("Sound/Sp/12/LA503.wav")));
}

TEST(Installation, TheToolBuildsReproduciblyAndReportsBadSources) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString a = tmp.path() + QStringLiteral("/a"), b = tmp.path() + QStringLiteral("/b");
  for (const QString& target : {a, b}) {
    QProcess p;
    p.start(QStringLiteral(ORVIK_BUILDDICT),
            {QStringLiteral("build"), QStringLiteral(ORVIK_FIXTURE_SOURCE), target,
             QStringLiteral("--no-sounds")});
    ASSERT_TRUE(p.waitForFinished(120000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  }
  const auto ha = contentHashes(a), hb = contentHashes(b);
  EXPECT_GT(ha.size(), 25);
  for (auto i = ha.cbegin(); i != ha.cend(); ++i)
    EXPECT_EQ(i.value(), hb.value(i.key())) << i.key().toStdString();
  EXPECT_EQ(ha.keys(), hb.keys());

  QProcess check;
  check.start(QStringLiteral(ORVIK_BUILDDICT), {QStringLiteral("check"), a});
  ASSERT_TRUE(check.waitForFinished(60000));
  EXPECT_EQ(check.exitCode(), 0);
  EXPECT_TRUE(check.readAllStandardOutput().contains("check passed"));

  // A source with a broken line: the file and line are named and nothing is built.
  const QString bad = tmp.path() + QStringLiteral("/bad");
  QDir().mkpath(bad + QStringLiteral("/chapters"));
  QFile f(bad + QStringLiteral("/chapters/04.txt"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("chapter 4\nen: Food\nfr: F\nru: Е\nsp: C\nicon: x\n\npage 4011\nen: a\n");
  f.close();
  QProcess build;
  build.start(QStringLiteral(ORVIK_BUILDDICT),
              {QStringLiteral("build"), bad, tmp.path() + QStringLiteral("/out")});
  ASSERT_TRUE(build.waitForFinished(60000));
  EXPECT_NE(build.exitCode(), 0);
  const QString errors = QString::fromUtf8(build.readAllStandardError());
  EXPECT_TRUE(errors.contains(QStringLiteral("04.txt:8: a page code of chapter 4 has 3 digits")))
      << errors.toStdString();
  EXPECT_FALSE(QDir(tmp.path() + QStringLiteral("/out")).exists());
}
