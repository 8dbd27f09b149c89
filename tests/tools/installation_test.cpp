#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

#include "installation_builder.h"
#include "installation_checker.h"
#include "platform/database.h"
#include "platform/table.h"
#include "platform/table_writer.h"
#include "schema/installation_keys.h"
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

// Writes a data-folder table again with every row passed through `change` (which may alter it),
// then the rows in the order `reorder` leaves them in.
void rewriteTable(const QString& folder, const char* file,
                  const std::function<void(QVariantList&)>& change,
                  const std::function<void(QList<QVariantList>&)>& reorder = {}) {
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
  if (reorder) reorder(rows);
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
  int startX = -1;
  rewriteTable(copy, "WrdPct.ort", [&startX](QVariantList& row) {
    if (row[0].toInt() == 102 && row[1].toInt() == 3) startX = row[3].toInt(), row[3] = 300;
  });
  EXPECT_FALSE(checker.check(copy, false));
  EXPECT_TRUE(
      checker.problems().join(u'\n').contains(QStringLiteral("page 102 entry 3: highlight")));
  // A highlight moved away from its spot: pointing at the spot would light up another place.
  rewriteTable(copy, "WrdPct.ort", [startX](QVariantList& row) {
    if (row[0].toInt() == 102 && row[1].toInt() == 3) row[3] = startX > 100 ? 0 : 200;
  });
  EXPECT_FALSE(checker.check(copy, false));
  EXPECT_TRUE(checker.problems().join(u'\n').contains(
      QRegularExpression(QStringLiteral("page 102 band \\d+ column \\d+: entry 3 lies outside"))))
      << checker.problems().join(u'\n').toStdString();
  rewriteTable(copy, "WrdPct.ort", [startX](QVariantList& row) {
    if (row[0].toInt() == 102 && row[1].toInt() == 3) row[3] = startX;
  });
  ASSERT_TRUE(checker.check(copy, false)) << checker.problems().join(u'\n').toStdString();

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

  ASSERT_TRUE(copyTree(kFixture, tmp.path() + QStringLiteral("/inst4")));
  const QString copy4 = tmp.path() + QStringLiteral("/inst4");
  // Search rows: a written form the article does not hold, and the words out of order.
  rewriteTable(
      copy4, "WrdFindEn.ort",
      [](QVariantList& row) {
        if (row[0].toString() == u"apple") row[1] = QStringLiteral("apples");
      },
      [](QList<QVariantList>& rows) { std::reverse(rows.begin(), rows.end()); });
  // The potato's "pomme" row before the apple's.
  rewriteTable(
      copy4, "WrdFindFr.ort", [](QVariantList&) {},
      [](QList<QVariantList>& rows) {
        QList<qsizetype> at;
        for (qsizetype i = 0; i < rows.size(); ++i)
          if (rows[i][0].toString() == u"pomme") at << i;
        ASSERT_EQ(at.size(), 2);
        std::swap(rows[at[0]], rows[at[1]]);
      });
  // The first page of chapter 1 moved behind the second in the next-page order.
  rewriteTable(copy4, "PgePct.ort", [](QVariantList& row) {
    if (row[2].toInt() == 101) row[1] = 5;
  });
  // A heading that bears a page's name, which the lookup by name would find first.
  rewriteTable(copy4, "PgeNmEn.ort", [](QVariantList& row) {
    if (row[2].toString() == u"Rooms") row[2] = QStringLiteral("The hall");
  });
  EXPECT_FALSE(checker.check(copy4, false));
  {
    const QString all = checker.problems().join(u'\n');
    EXPECT_TRUE(all.contains(
        QStringLiteral("WrdFindEn: \"apples\" is not written in the article of entry 401/1")))
        << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("out of alphabetical order"))) << all.toStdString();
    EXPECT_TRUE(
        all.contains(QStringLiteral("WrdFindFr: the entries of \"pomme\" are not in "
                                    "page order")))
        << all.toStdString();
    for (const char* code : {"En", "Fr", "Ru", "Sp"})
      EXPECT_TRUE(all.contains(QStringLiteral("PgeNm%1: the page lists and IndexPgePct order "
                                              "the pages differently")
                                   .arg(QLatin1String(code))))
          << all.toStdString();
    EXPECT_TRUE(
        all.contains(QStringLiteral("PgeNmEn: heading \"the hall\" has the name of page 101")))
        << all.toStdString();
  }

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

TEST(Installation, SearchTablesListTheirWordsAlphabetically) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString source =
      "chapter 4\nen: Food\nfr: La nourriture\nru: Еда\nsp: La comida\nicon: 🍎\n"
      "page 401\nen: Market\nfr: Le marché\nru: Рынок\nsp: El mercado\n"
      "entry 🍎\n"
      "en: apple | noun | A fruit. | I eat an apple.\n"
      "fr: la pomme | nom | Un fruit. | Je mange une pomme.\n"
      "ru: яблоко | сущ. | Плод. | Я ем яблоко.\n"
      "sp: la manzana | sust. | Una fruta. | Como una manzana.\n"
      "entry 🌙\n"
      "en: the Moon | noun | It shines at night. | The Moon is full.\n"
      "fr: la lune | nom | Elle brille la nuit. | La lune est pleine.\n"
      "ru: Луна | сущ. | Светит ночью. | Луна полная.\n"
      "sp: la luna | sust. | Brilla de noche. | La luna está llena.\n"
      "entry 🎄\n"
      "en: Christmas tree | noun | A decorated tree. | We decorate the Christmas tree.\n"
      "fr: le sapin | nom | Un arbre. | Le sapin brille.\n"
      "ru: ёлка | сущ. | Дерево. | Мы наряжаем ёлку.\n"
      "sp: el árbol | sust. | Un árbol. | El árbol brilla.\n"
      "entry 🌲\n"
      "en: zebra fir | noun | A tree. | A zebra fir grows here.\n"
      "fr: l'épicéa | nom | Un arbre. | L'épicéa pousse ici.\n"
      "ru: ель | сущ. | Дерево. | Ель растёт здесь.\n"
      "sp: el abeto | sust. | Un árbol. | El abeto crece aquí.\n";
  QDir().mkpath(tmp.path() + QStringLiteral("/src/chapters"));
  QFile f(tmp.path() + QStringLiteral("/src/chapters/04.txt"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(source.toUtf8());
  f.close();
  SourceParser parser;
  const auto dictionary = parser.parseFolder(tmp.path() + QStringLiteral("/src"));
  ASSERT_TRUE(dictionary) << parser.errors().join(u'\n').toStdString();
  InstallationBuilder builder;
  QString error;
  const QString out = tmp.path() + QStringLiteral("/out");
  ASSERT_TRUE(builder.build(*dictionary, out, BuildOptions{false, 0}, &error))
      << error.toStdString();
  InstallationChecker checker;
  EXPECT_TRUE(checker.check(out, false)) << checker.problems().join(u'\n').toStdString();

  // The English and Russian word lists show the table's own order.
  auto wordsOf = [&](const char* file) {
    auto t = openTable(out + QStringLiteral("/ODataBase/") + QLatin1String(file), password(file));
    QStringList words;
    for (t->first(); !t->eof(); t->next())
      if (words.value(words.size() - 1) != t->textValue(0)) words << t->textValue(0);
    return words;
  };
  EXPECT_EQ(wordsOf("WrdFindEn.ort"), (QStringList{"apple", "Christmas", "Christmas tree", "fir",
                                                   "Moon", "tree", "zebra", "zebra fir"}));
  EXPECT_EQ(wordsOf("WrdFindRu.ort"), (QStringList{"ёлка", "ель", "Луна", "яблоко"}));
  EXPECT_EQ(wordsOf("WrdFindFr.ort"), (QStringList{"épicéa", "lune", "pomme", "sapin"}));
}
