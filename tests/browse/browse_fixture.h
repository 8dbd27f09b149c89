#pragma once
// The main window on a fresh copy of the small test installation, started as the program starts
// it with the program's real hand-over to the other subsystems, shown on the offscreen screen,
// and helpers that drive it with real mouse events. The program's two audio devices are silent
// ones that write down every sound they open (`heard`), on clocks that let synchronous sounds
// end at once; the bedroom page has entry recordings in every language.
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
#include <QFileInfo>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "app/data_module.h"
#include "app/settings_file.h"
#include "browse/hand_over.h"
#include "browse/main_window.h"
#include "browse/name_label.h"
#include "controls/new_list_box.h"
#include "controls/orvik_btn_nav.h"
#include "controls/orvik_panel.h"
#include "controls/orvik_zakladka.h"
#include "platform/application.h"
#include "platform/database.h"
#include "platform/message_boxes.h"
#include "platform/optical_discs.h"
#include "platform/table.h"
#include "platform/table_writer.h"
#include "platform/wave_device.h"
#include "program/startup.h"
#include "schema/installation_keys.h"
#include "test_installation.h"
#include "top_level_window.h"
#include "wave_file.h"

// A silent audio device that writes down the sounds it opens, on a clock that moves on a little
// every time it is read (so synchronous sounds end at once).
class HeardWaveDevice final : public orvik::WaveDevice {
 public:
  explicit HeardWaveDevice(QStringList* heard) : orvik::WaveDevice(&clock_), heard_(heard) {}

 protected:
  bool openOutput(const QString& file) override {
    heard_->append(QFileInfo(file).absoluteFilePath());
    return true;
  }
  void closeOutput() override {}
  void startOutput(qint64) override {}
  void pauseOutput() override {}
  void resumeOutput() override {}
  void stopOutput() override {}

 private:
  class TickingClock final : public orvik::WaveClock {
   public:
    qint64 nowMs() const override { return now_ += 25; }

   private:
    mutable qint64 now_ = 0;
  };
  TickingClock clock_;
  QStringList* heard_;
};

// A settings file of an installation of English, French and Russian (sounds in English and
// Russian) that shows English and Russian.
inline void writeThreeLanguageSettings(TestInstallation& inst) {
  QByteArray bytes(32, '\0');
  bytes[Settings::ShownEn] = 1;
  bytes[Settings::ShownRu] = 1;
  bytes[Settings::InterfaceLanguage] = 1;
  bytes[Settings::PronunciationLanguage] = 1;
  bytes[Settings::AutoPlayLanguage] = 1;
  bytes[Settings::AutoPlayPause] = 2;
  bytes[Settings::FontSize] = 4;
  bytes[Settings::InstalledCount] = 3;
  bytes[Settings::InstalledEn] = 1;
  bytes[Settings::InstalledFr] = 1;
  bytes[Settings::InstalledRu] = 1;
  bytes[Settings::SoundCount] = 2;
  bytes[Settings::SoundEn] = 1;
  bytes[Settings::SoundRu] = 1;
  bytes[Settings::OnClickFlag] = 1;
  bytes[Settings::AutoFlag] = 1;
  QFile file(inst.filePath(QStringLiteral("Settings.orv")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

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
    for (const char* language : {"En", "Fr", "Ru", "Sp"})
      QDir().mkpath(dir.filePath(QStringLiteral("Sound/%1/1").arg(QLatin1String(language))));
    if (prepare) prepare(dir);
    for (const char* language : {"En", "Fr", "Ru", "Sp"})
      for (int order = 1; order <= 6; ++order) {
        const QString file = dir.filePath(QStringLiteral("Sound/%1/1/A02%2.wav")
                                              .arg(QLatin1String(language))
                                              .arg(order, 2, 10, QLatin1Char('0')));
        if (!QFile::exists(file)) writeTestWave(file, 40);
      }
    StartupEnvironment e = testEnvironment();
    if (waveDevices) e.makeWaveDevice = waveDevices;
    program = std::make_unique<OrvikProgram>(std::move(e));
    ASSERT_TRUE(program->start());
    w = program->mainWindow();
    ASSERT_NE(w, nullptr);
    // Interface sounds on, so that the clicks and page turns can be heard.
    data()->settings().setValue(Settings::SoundEffects, 1);
    pointerMoves = std::make_unique<QSignalSpy>(w, &TForm1::pointerMovedOverWindow);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
  }

  TDMOrvik* data() const { return program->dataModule(); }

  // How many times the program played a sound file of the installation's root ("1.wav").
  int heardCount(const QString& rootFile) const {
    return int(heard.count(QFileInfo(dir.filePath(rootFile)).absoluteFilePath()));
  }
  int clicks() const { return heardCount(QStringLiteral("1.wav")); }
  int pageTurns() const { return heardCount(QStringLiteral("2.wav")); }
  // The languages (1..4) whose entry recordings were played, in order.
  QList<int> pronounced() const {
    QList<int> languages;
    const QStringList folders{"/Sound/En/", "/Sound/Fr/", "/Sound/Ru/", "/Sound/Sp/"};
    for (const QString& file : heard)
      for (int i = 0; i < 4; ++i)
        if (file.contains(folders[i]) && !file.contains(QStringLiteral("/Chpg/")))
          languages << i + 1;
    return languages;
  }
  bool sayInShowing() const { return testControls(w).PopUpPct->isVisible(); }

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
  void clickTab(int chapter) {
    click(testControls(w).Zakladki, QPoint(7, (chapter - 1) * 32 + 16));
  }
  // Hovers and clicks page-list row `row` (0-based, counted from the top row in view).
  void clickRow(int row) {
    const QPoint p(30, row * TForm1::kPageRowHeight + 8);
    moveTo(testControls(w).NewListBoxPages, p);
    click(testControls(w).NewListBoxPages, p);
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
  // The same, each row becoming the rows `expand` returns (given the field names); written with
  // `password` when one is given, else with the table's own.
  static void expandTable(
      TestInstallation& inst, const QString& file,
      const std::function<QList<QVariantList>(QVariantList, const QStringList&)>& expand,
      const QString& password = {}) {
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
    const std::string_view own = orvik::keys::dataPasswordFor(file.toStdString());
    orvik::TableWriter writer(
        path, password.isEmpty() ? QString::fromLatin1(own.data(), int(own.size())) : password,
        fields, indexes);
    for (const QVariantList& row : rows) writer.append(row);
    writer.finish();
  }

 protected:
  // The start-up environment of the tests: the copied installation, the fixed discs, the
  // recording message boxes, short splash and waits, and silent devices that record what is
  // heard.
  StartupEnvironment testEnvironment() {
    StartupEnvironment e;
    e.currentDir = dir.path();
    e.discs = &discs;
    e.messages = &messages;
    e.splashMs = 20;
    e.waitMs = 10;
    e.makeWaveDevice = [this]() -> std::unique_ptr<orvik::WaveDevice> {
      return std::make_unique<HeardWaveDevice>(&heard);
    };
    return e;
  }

  TestInstallation dir{QStringLiteral(ORVIK_FIXTURE_SMALL)};
  orvik::RecordingMessageBoxes messages;
  orvik::FixedDiscs discs;
  std::unique_ptr<OrvikProgram> program;
  TForm1* w = nullptr;
  // Makes the program's audio devices when set before start(): first the media player of entry
  // sounds, then the output of names and interface sounds.
  std::function<std::unique_ptr<orvik::WaveDevice>()> waveDevices;
  // Every sound file the program opened, absolute paths, in order.
  QStringList heard;
  // The main window's announcements that the pointer moved over it (the choosers close).
  std::unique_ptr<QSignalSpy> pointerMoves;
};
