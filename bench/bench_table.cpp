// What the table engine costs the program: opening every table of an installation with the
// full password list, the first use of an index, a hit-map lookup under the mouse, reading a
// page picture, and how the picture coding compares with PNG.
//
// The benchmark writes its own installation once per run, shaped like a full dictionary:
// 200 pages, 2,000 entries, a 19,600-row hit map of 67 columns, four languages.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <memory>

#include "platform/database.h"
#include "platform/table.h"
#include "platform/table_writer.h"

using namespace orvik;

namespace {

constexpr int kPages = 200;
constexpr int kEntriesPerPage = 10;
constexpr int kBands = 98;
constexpr int kColumns = 65;
const char* const kLanguages[] = {"En", "Fr", "Ru", "Sp"};

// Fifteen passwords as the program has them: thirteen for the data folder, then one each for
// the chapter pictures and the small page pictures.
QStringList passwords() {
  QStringList list;
  for (int i = 0; i < 15; ++i) list << QStringLiteral("Pw%1xK%2q").arg(i * 7919).arg(i);
  return list;
}

// A picture with the broad shapes and soft gradients of a drawn page.
QImage drawnPicture(int width, int height, QRandomGenerator& random) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient sky(0, 0, 0, height);
  sky.setColorAt(0, QColor::fromHsv(random.bounded(360), 60, 250));
  sky.setColorAt(1, QColor::fromHsv(random.bounded(360), 90, 200));
  painter.fillRect(image.rect(), sky);
  painter.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 14; ++i) {
    painter.setBrush(QColor::fromHsv(random.bounded(360), 150 + random.bounded(100), 220));
    painter.setPen(QPen(Qt::black, 2));
    const QRect r(random.bounded(width), random.bounded(height), 20 + random.bounded(width / 3),
                  20 + random.bounded(height / 4));
    if (i % 2)
      painter.drawEllipse(r);
    else
      painter.drawRoundedRect(r, 6, 6);
  }
  return image;
}

struct Installation {
  QTemporaryDir dir;
  QStringList tableNames;  // in the order the program opens them
  QString dataFolder;

  Installation() {
    QRandomGenerator random(20240601);
    dataFolder = dir.filePath(QStringLiteral("ODataBase"));
    QDir().mkpath(dataFolder);
    QDir().mkpath(dir.filePath(QStringLiteral("Data")));
    const QStringList pw = passwords();
    int tableNo = 0;
    // Every data table is keyed with one of the thirteen, never the first.
    const auto dataPassword = [&] { return pw[1 + (tableNo++ % 12)]; };
    const auto data = [&](const QString& name) { return dataFolder + QLatin1Char('/') + name; };
    const auto I = FieldType::Integer;
    const auto T = FieldType::Text;

    {
      TableWriter w(data(QStringLiteral("WrdPct.ort")), dataPassword(),
                    {{"PageCode", I},
                     {"Order", I},
                     {"NumberWord", I},
                     {"StartPointX", I},
                     {"StartPointY", I},
                     {"WordPicture", FieldType::Graphic}},
                    {{"IndPageOrder", {"PageCode", "Order"}}});
      for (int p = 1; p <= kPages; ++p)
        for (int e = 1; e <= kEntriesPerPage; ++e)
          w.append({p, e, kEntriesPerPage, random.bounded(260), random.bounded(420),
                    drawnPicture(40 + random.bounded(50), 40 + random.bounded(50), random)});
      w.finish();
    }
    {
      TableWriter w(data(QStringLiteral("PgePct.ort")), dataPassword(),
                    {{"ChapterCode", I},
                     {"Subchapter", I},
                     {"PageCode", I},
                     {"PagePicture", FieldType::Graphic}},
                    {{"IndexPgePct", {"ChapterCode", "Subchapter", "PageCode"}}});
      for (int p = 1; p <= kPages; ++p)
        w.append({1 + (p - 1) * 15 / kPages, p / 5, p, drawnPicture(325, 490, random)});
      w.finish();
    }
    {
      QList<FieldDef> fields = {{"PageCode", I}, {"Band", I}};
      for (int c = 1; c <= kColumns; ++c) fields.append({QString::number(c), I});
      TableWriter w(data(QStringLiteral("PctInfo.ort")), dataPassword(), fields,
                    {{"IndInfo", {"PageCode", "Band"}}});
      for (int p = 1; p <= kPages; ++p)
        for (int b = 1; b <= kBands; ++b) {
          QVariantList row = {p, b};
          for (int c = 1; c <= kColumns; ++c) row << (b * 7 + c) / 20 % (kEntriesPerPage + 1);
          w.append(row);
        }
      w.finish();
    }
    tableNames << data("WrdPct.ort") << data("PgePct.ort") << data("PctInfo.ort");

    for (const char* lang : kLanguages) {
      const QString l = QString::fromLatin1(lang);
      {
        const QString name = data(QStringLiteral("ChptNm%1.ort").arg(l));
        TableWriter w(name, dataPassword(), {{"ChapterCode", I}, {"ChapterName", T}},
                      {{"IndChptCode", {"ChapterCode"}}, {"IndChapter", {"ChapterName"}}});
        for (int c = 1; c <= 15; ++c) w.append({c, QStringLiteral("Chapter %1 %2").arg(c).arg(l)});
        w.finish();
        tableNames << name;
      }
      {
        const QString name = data(QStringLiteral("PgeNm%1.ort").arg(l));
        TableWriter w(name, dataPassword(),
                      {{"ChapterCode", I}, {"Subchapter", I}, {"PageName", T}, {"PageCode", I}},
                      {{"IndChptCode", {"ChapterCode"}},
                       {"IndPgCd", {"PageCode"}},
                       {"IndPgNm", {"PageName"}}});
        for (int p = 1; p <= kPages; ++p) {
          if (p % 7 == 1)
            w.append({1 + (p - 1) * 15 / kPages, p / 5, QStringLiteral("Heading %1").arg(p), 0});
          w.append(
              {1 + (p - 1) * 15 / kPages, p / 5, QStringLiteral("Page %1 %2").arg(p).arg(l), p});
        }
        w.finish();
        tableNames << name;
      }
      {
        const QString name = data(QStringLiteral("WrdNm%1.ort").arg(l));
        TableWriter w(
            name, dataPassword(),
            {{"ChapterCode", I},
             {"PageCode", I},
             {"Order", I},
             {"WordName", T},
             {"WordMemo", FieldType::Memo},
             {"WordSound", T}},
            {{"IndPageOrder", {"PageCode", "Order"}}, {"IndexPgWr", {"PageCode", "WordName"}}});
        for (int p = 1; p <= kPages; ++p)
          for (int e = 1; e <= kEntriesPerPage; ++e) {
            const QString word = QStringLiteral("word%1-%2").arg(p).arg(e);
            QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 \\b " +
                             word.toUtf8() + "\\b0\\par " + QByteArray(600, 'a') + "}";
            w.append({1 + (p - 1) * 15 / kPages, p, e, word, rtf, word + QStringLiteral(".wav")});
          }
        w.finish();
        tableNames << name;
      }
      {
        const QString name = data(QStringLiteral("WrdFind%1.ort").arg(l));
        TableWriter w(
            name, dataPassword(),
            {{"Word", T}, {"WordReal", T}, {"PageCode", I}, {"Order", I}, {"ChapterCode", I}},
            {{"IndFindWord", {"Word"}}, {"IndWordReal", {"PageCode", "Order", "Word"}}});
        for (int i = 0; i < 4000; ++i) {
          const int p = 1 + i / 20, e = 1 + (i / 2) % kEntriesPerPage;
          const QString word = QStringLiteral("w%1").arg(i / 2);
          w.append({word, word, p, e, 1 + (p - 1) * 15 / kPages});
        }
        w.finish();
        tableNames << name;
      }
    }
    {
      const QString name = dir.filePath(QStringLiteral("Data/ChptPct.ort"));
      TableWriter w(name, pw[13],
                    {{"ChapterCode", I},
                     {"ChapterPicture", FieldType::Graphic},
                     {"PagePicture", FieldType::Graphic}},
                    {{"IndChapterCode", {"ChapterCode"}}});
      for (int c = 1; c <= 15; ++c)
        w.append({c, drawnPicture(325, 490, random), drawnPicture(200, 300, random)});
      w.finish();
      tableNames << name;
    }
    {
      const QString name = dir.filePath(QStringLiteral("Data/LittlePages.ort"));
      TableWriter w(
          name, pw[14],
          {{"ChapterCode", I}, {"PageCode", I}, {"LittlePagePicture", FieldType::Graphic}},
          {{"IndChapter", {"ChapterCode"}}, {"IndPgCdFind", {"PageCode"}}});
      for (int p = 1; p <= kPages; ++p)
        w.append({1 + (p - 1) * 15 / kPages, p, drawnPicture(108, 163, random)});
      w.finish();
      tableNames << name;
    }
  }
};

Installation& installation() {
  static int argc = 1;
  static char name[] = "bench_table";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);  // QPainter on images needs the GUI types
  static Installation instance;
  return instance;
}

std::unique_ptr<Database> databaseWithPasswords() {
  auto db = std::make_unique<Database>();
  for (const QString& password : passwords()) db->addPassword(password);
  return db;
}

// Opening every table of the installation, as start-up does, and closing them again.
void BM_OpenAllTables(benchmark::State& state) {
  Installation& inst = installation();
  auto db = databaseWithPasswords();
  db->setPath(inst.dataFolder);
  std::vector<std::unique_ptr<Table>> tables;
  for (const QString& name : inst.tableNames) {
    tables.push_back(std::make_unique<Table>(db.get()));
    tables.back()->setTableName(name);
  }
  for (auto _ : state) {
    for (auto& table : tables) table->open();
    state.PauseTiming();
    for (auto& table : tables) table->close();
    state.ResumeTiming();
  }
  state.counters["tables"] = double(tables.size());
}
BENCHMARK(BM_OpenAllTables)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// The same with the right password first in the list: what the wrong keys cost.
void BM_OpenAllTablesRightKeyFirst(benchmark::State& state) {
  Installation& inst = installation();
  const QStringList pw = passwords();
  std::vector<std::unique_ptr<Table>> tables;
  int tableNo = 0;
  for (const QString& name : inst.tableNames) {
    tables.push_back(std::make_unique<Table>(nullptr));
    tables.back()->setTableName(name);
    const int key = name.endsWith(QLatin1String("ChptPct.ort"))       ? 13
                    : name.endsWith(QLatin1String("LittlePages.ort")) ? 14
                                                                      : 1 + (tableNo++ % 12);
    tables.back()->setPasswords({derivePasswordKey(pw[key])});
  }
  for (auto _ : state) {
    for (auto& table : tables) table->open();
    state.PauseTiming();
    for (auto& table : tables) table->close();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenAllTablesRightKeyFirst)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// Deriving the raw keys of the fifteen passwords, once per run of the program.
void BM_DeriveFifteenKeys(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(databaseWithPasswords());
}
BENCHMARK(BM_DeriveFifteenKeys)->Unit(benchmark::kMicrosecond);

// The first selection of the hit map's index reads its 19,600-row order.
void BM_HitMapFirstIndexUse(benchmark::State& state) {
  Installation& inst = installation();
  auto db = databaseWithPasswords();
  Table table(db.get());
  table.setTableName(inst.dataFolder + QStringLiteral("/PctInfo.ort"));
  for (auto _ : state) {
    table.open();
    table.setIndexName(QStringLiteral("IndInfo"));
    state.PauseTiming();
    table.close();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_HitMapFirstIndexUse)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// A mouse move over the page picture: find the page's band 1, move to the band, read a cell.
void BM_HitMapLookup(benchmark::State& state) {
  Installation& inst = installation();
  auto db = databaseWithPasswords();
  Table table(db.get());
  table.setTableName(inst.dataFolder + QStringLiteral("/PctInfo.ort"));
  table.open();
  table.setIndexName(QStringLiteral("IndInfo"));
  QRandomGenerator random(7);
  for (auto _ : state) {
    const int page = 1 + random.bounded(kPages);
    const int y = random.bounded(490), x = random.bounded(325);
    table.findKey({page, 1});
    table.moveBy(y / 5);
    benchmark::DoNotOptimize(table.intValue(QString::number(x / 5 + 1)));
  }
}
BENCHMARK(BM_HitMapLookup)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// Changing page: find the page and read its 325 by 490 picture.
void BM_PagePictureRead(benchmark::State& state) {
  Installation& inst = installation();
  auto db = databaseWithPasswords();
  Table table(db.get());
  table.setTableName(inst.dataFolder + QStringLiteral("/PgePct.ort"));
  table.open();
  table.setIndexName(QStringLiteral("IndexPgePct"));
  QRandomGenerator random(11);
  for (auto _ : state) {
    table.first();
    table.moveBy(random.bounded(kPages));
    benchmark::DoNotOptimize(table.image(QStringLiteral("PagePicture")));
  }
}
BENCHMARK(BM_PagePictureRead)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// The picture coding the engine stores, against PNG and plain scan lines, for a page picture.
QImage& samplePage() {
  installation();
  static QRandomGenerator random(3);
  static QImage page = drawnPicture(325, 490, random);
  return page;
}

void BM_DecodePagePng(benchmark::State& state) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  samplePage().save(&buffer, "PNG");
  for (auto _ : state) benchmark::DoNotOptimize(QImage::fromData(png, "PNG"));
  state.counters["bytes"] = double(png.size());
}
BENCHMARK(BM_DecodePagePng)->Unit(benchmark::kMicrosecond);

void BM_DecodePageZlibLines(benchmark::State& state) {
  const QImage& page = samplePage();
  const QByteArray packed = qCompress(page.constBits(), int(page.sizeInBytes()), 1);
  for (auto _ : state) {
    const QByteArray lines = qUncompress(packed);
    QImage image(page.width(), page.height(), page.format());
    std::memcpy(image.bits(), lines.constData(), size_t(lines.size()));
    benchmark::DoNotOptimize(image);
  }
  state.counters["bytes"] = double(packed.size());
}
BENCHMARK(BM_DecodePageZlibLines)->Unit(benchmark::kMicrosecond);

void BM_DecodePageRawLines(benchmark::State& state) {
  const QImage& page = samplePage();
  const QByteArray raw(reinterpret_cast<const char*>(page.constBits()), page.sizeInBytes());
  for (auto _ : state) {
    QImage image(page.width(), page.height(), page.format());
    std::memcpy(image.bits(), raw.constData(), size_t(raw.size()));
    benchmark::DoNotOptimize(image);
  }
  state.counters["bytes"] = double(raw.size());
}
BENCHMARK(BM_DecodePageRawLines)->Unit(benchmark::kMicrosecond);

}  // namespace
