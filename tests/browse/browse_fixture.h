#pragma once
// The main window on a fresh copy of the small test installation, started as the program starts
// it, shown on the offscreen screen, with a recording hand-over to the other subsystems and
// helpers that drive it with real mouse events.
//
// The small dictionary: chapter 1 "Home" (page 101 "The hall" with one entry before the heading
// "Rooms", page 102 "The bedroom" with six entries), chapter 4 "Food" (heading, page 401 "The
// market" with twenty entries, page 402 with three) and chapter 12 "Travel" (pages 1204 and
// 12105). Page order across the dictionary: 101, 102, 401, 402, 1204, 12105.
//
// With ORVIK_BROWSE_SHOTS set to a folder, shot() also writes the grabbed window there as PNG.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTest>
#include <functional>

#include "app/data_module.h"
#include "app/startup.h"
#include "browse/main_window.h"
#include "browse/seams.h"
#include "controls/new_list_box.h"
#include "controls/orvik_btn_nav.h"
#include "controls/orvik_zakladka.h"
#include "platform/application.h"
#include "platform/database.h"
#include "platform/message_boxes.h"
#include "platform/optical_discs.h"
#include "platform/table.h"
#include "platform/table_writer.h"
#include "schema/installation_keys.h"
#include "test_installation.h"

// Counts what browsing asked of the other subsystems.
class RecordingSeams : public BrowseSeams {
 public:
  void playClickSound() override { ++clicks; }
  void playPageTurnSound() override { ++pageTurns; }
  void pronounceEntry(int languageNumber) override { pronounced << languageNumber; }
  void openSayIn(QPoint point) override {
    sayInAt = point;
    sayIn = true;
  }
  bool sayInShowing() const override { return sayIn; }
  void hideSayIn() override { sayIn = false; }
  bool autoPlayRunning() const override { return autoPlay; }
  void closeChoosers() override { ++chooserCloses; }

  int clicks = 0;
  int pageTurns = 0;
  int chooserCloses = 0;
  QList<int> pronounced;
  QPoint sayInAt;
  bool sayIn = false;
  bool autoPlay = false;
};

class BrowseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    orvik::Application::reset();
    ASSERT_TRUE(dir.valid());
  }
  void TearDown() override {
    program.reset();
    orvik::Application::reset();
  }

  // Starts the program; `prepare` may change the copied installation first.
  void start(const std::function<void(TestInstallation&)>& prepare = {}) {
    if (prepare) prepare(dir);
    StartupEnvironment e;
    e.currentDir = dir.path();
    e.discs = &discs;
    e.messages = &messages;
    e.splashMs = 20;
    e.waitMs = 10;
    program = std::make_unique<OrvikProgram>(std::move(e));
    ASSERT_TRUE(program->start());
    w = program->mainWindow();
    ASSERT_NE(w, nullptr);
    auto recording = std::make_unique<RecordingSeams>();
    seams = recording.get();
    w->setSeams(std::move(recording));
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
  }

  TDMOrvik* data() const { return program->dataModule(); }

  // A mouse movement delivered to a control as the window system delivers it.
  static void moveTo(QWidget* widget, QPoint pos, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), widget->mapToGlobal(QPointF(pos)),
                     Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
  }
  static void click(QWidget* widget, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(widget, button, Qt::NoModifier, pos);
  }

  // Opens a chapter's page list through its tab.
  void clickTab(int chapter) { click(w->Zakladki, QPoint(7, (chapter - 1) * 32 + 16)); }
  // Hovers and clicks page-list row `row` (0-based, counted from the top row in view).
  void clickRow(int row) {
    const QPoint p(30, row * TForm1::kPageRowHeight + 8);
    moveTo(w->NewListBoxPages, p);
    click(w->NewListBoxPages, p);
  }
  // Opens page 102 "The bedroom" (chapter 1, row 2 of its page list).
  void openBedroom() {
    clickTab(1);
    clickRow(2);
    ASSERT_EQ(w->currentPageCode(), 102);
  }

  // A point of the picture whose hit-map cell names `entry` on the current page, read
  // straight from the hit-map table; (-1, -1) when the map has none.
  QPoint spotOf(int entry) {
    orvik::Table* info = data()->tblPctInfo;
    info->setIndexName(QStringLiteral("IndInfo"));
    if (!info->findKey({w->currentPageCode(), 1})) return {-1, -1};
    for (int band = 0; band < 98; ++band) {
      if (info->intValue(QStringLiteral("PageCode")) != w->currentPageCode()) break;
      for (int col = 1; col <= 65; ++col)
        if (info->intValue(QString::number(col)) == entry) return {(col - 1) * 5 + 2, band * 5 + 2};
      if (info->moveBy(1) != 1) break;
    }
    return {-1, -1};
  }

  int currentOrder() const {
    return program->dataModule()->tblWrdPicture->intValue(QStringLiteral("Order"));
  }

  QImage shot(const QString& name) {
    const QImage img = w->grab().toImage();
    const QString folder = qEnvironmentVariable("ORVIK_BROWSE_SHOTS");
    if (!folder.isEmpty()) {
      QDir().mkpath(folder);
      img.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
    return img;
  }

 public:
  // Rewrites a data-folder table of the copied installation row by row: `edit` may change a
  // row's values and returns false to drop the row.
  static void rewriteTable(TestInstallation& inst, const QString& file,
                           const std::function<bool(QVariantList&)>& edit) {
    expandTable(inst, file, [&](QVariantList row, const QStringList&) {
      return edit(row) ? QList<QVariantList>{row} : QList<QVariantList>{};
    });
  }
  // The same, each row becoming the rows `expand` returns (given the field names).
  static void expandTable(
      TestInstallation& inst, const QString& file,
      const std::function<QList<QVariantList>(QVariantList, const QStringList&)>& expand) {
    const QString path = inst.filePath(QStringLiteral("ODataBase/") + file);
    orvik::Database db;
    for (auto pw : orvik::keys::kDataPasswords)
      db.addPassword(QString::fromLatin1(pw.data(), int(pw.size())));
    QList<orvik::FieldDef> fields;
    QList<orvik::IndexDef> indexes;
    QList<QVariantList> rows;
    {
      orvik::Table t(&db);
      t.setTableName(path);
      t.open();
      for (int i = 0; i < t.fieldCount(); ++i) fields.append({t.fieldNames()[i], t.fieldType(i)});
      for (const QString& name : t.indexNames()) indexes.append({name, t.indexFields(name)});
      t.first();
      while (!t.isEmpty()) {
        QVariantList row;
        for (int i = 0; i < t.fieldCount(); ++i) row << t.value(i);
        rows << expand(row, t.fieldNames());
        if (t.moveBy(1) != 1) break;
      }
    }
    inst.makeWritable(QStringLiteral("ODataBase/") + file);
    QFile::remove(path);
    const std::string_view pw = orvik::keys::dataPasswordFor(file.toStdString());
    orvik::TableWriter writer(path, QString::fromLatin1(pw.data(), int(pw.size())), fields,
                              indexes);
    for (const QVariantList& row : rows) writer.append(row);
    writer.finish();
  }

 protected:
  TestInstallation dir{QStringLiteral(ORVIK_FIXTURE_SMALL)};
  orvik::RecordingMessageBoxes messages;
  orvik::FixedDiscs discs;
  std::unique_ptr<OrvikProgram> program;
  TForm1* w = nullptr;
  RecordingSeams* seams = nullptr;
};
