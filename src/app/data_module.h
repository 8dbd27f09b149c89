#pragma once
// The data module: owns the settings, the database and every dictionary table with its data
// source; finds the folder that holds the tables (beside the program, then on the optical discs,
// then by asking the user), shows the splash, opens the tables of the installed languages with
// the installation's passwords, and offers the one failure routine every table operation uses.
// Table objects carry the system's names; other windows reach them through this module and never
// open tables of their own.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "app/settings_file.h"
#include "platform/data_source.h"
#include "platform/database.h"
#include "platform/table.h"
#include "schema/language.h"

namespace orvik {
class DictionaryModel;
class MessageBoxes;
class OpticalDiscs;
class PrintService;
class ScreenMetrics;
class WaveDevice;
}  // namespace orvik

// What the start-up runs against: the folder the program was started from, its command line, the
// discs, the message boxes, the splash and wait times, and the locate dialog.
struct StartupEnvironment {
  QString currentDir;
  QStringList arguments;
  const orvik::OpticalDiscs* discs = nullptr;
  // The screen the display check reads, again whenever the display settings change; null: no
  // check after the start.
  const orvik::ScreenMetrics* screen = nullptr;
  orvik::MessageBoxes* messages = nullptr;
  int splashMs = 5000;
  int waitMs = 3000;
  // Asks the user to insert the disc; gets the location check to run on OK. Returns false when
  // the user cancels. Unset: nobody to ask, the start fails as cancelled.
  std::function<bool(const std::function<bool()>& dataFound)> locate;
  // Shows the splash for the given time; unset: no splash.
  std::function<void(int ms)> showSplash;
  // Makes an audio device for the program's sounds; called once for the media player of entry
  // sounds and once for the output of names and interface sounds. Unset: the device this
  // machine supports (a silent one where there is no audio output).
  std::function<std::unique_ptr<orvik::WaveDevice>()> makeWaveDevice;
  // Makes the print service (the print dialog and its printers). Unset: the system's dialog.
  std::function<std::unique_ptr<orvik::PrintService>()> makePrintService;
};

class TDMOrvik : public QObject {
  Q_OBJECT

 public:
  explicit TDMOrvik(StartupEnvironment env, QObject* parent = nullptr);
  ~TDMOrvik() override;

  // The opening sequence. Returns true when every needed table is open; otherwise the failure
  // has been reported and the program asked to end.
  bool create();

  // The data folder of a start: <dir>/ODataBase/ when its hit-map file is there, else the first
  // disc holding "program files/OrvikDictionary/ODataBase/PctInfo.ort"; empty when neither.
  static QString findDataFolder(const QString& currentDir, const orvik::OpticalDiscs* discs);

  // Shows the database error message in the interface language and asks the program to end.
  void databaseFailure();
  // Runs op and routes a table-engine failure to databaseFailure(); returns false after one.
  bool guarded(const std::function<void()>& op);

  // PageName of a page code in a page-name table (index IndPgCd); empty when not found.
  QString pageNameByCode(orvik::Table* pageNames, int pageCode);

  // The dictionary read by value (entries, pages, chapters), over cursors of its own.
  orvik::DictionaryModel& dictionary();

  Settings& settings() { return settings_; }
  const StartupEnvironment& environment() const { return env_; }
  QString dataFolder() const { return dataFolder_; }

  // A language's tables, and the data source of its articles.
  orvik::Table* tblChapter(orvik::Language language) const;
  orvik::Table* tblPageName(orvik::Language language) const;
  orvik::Table* tblWordName(orvik::Language language) const;
  orvik::Table* tblWordFind(orvik::Language language) const;
  orvik::DataSource* srcWordName(orvik::Language language) const;
  // Every table the module holds, open or not.
  QList<orvik::Table*> tables() const;

  orvik::Database Database;
  orvik::Table *tblChapterEn, *tblChapterFr, *tblChapterRu, *tblChapterSp;
  orvik::Table *tblPageNameEn, *tblPageNameFr, *tblPageNameRu, *tblPageNameSp;
  orvik::Table *tblWordNameEn, *tblWordNameFr, *tblWordNameRu, *tblWordNameSp;
  orvik::Table *tblWordFindEn, *tblWordFindFr, *tblWordFindRu, *tblWordFindSp;
  orvik::Table *tblPgePicture, *tblWrdPicture, *tblPctInfo, *tblChptPct, *tblPctLittle;
  orvik::DataSource *srcChapterEn, *srcChapterFr, *srcChapterRu, *srcChapterSp;
  orvik::DataSource *srcPageNameEn, *srcPageNameFr, *srcPageNameRu, *srcPageNameSp;
  orvik::DataSource *srcWordNameEn, *srcWordNameFr, *srcWordNameRu, *srcWordNameSp;
  orvik::DataSource *srcWrdFindEn, *srcWordFindFr, *srcWordFindRu, *srcWordFindSp;
  orvik::DataSource *ActiveSrcPage, *ActiveSrcWord, *SrcPctInfo, *srcChptPct, *srcPctLittle;

 private:
  orvik::Table* makeTable(const char* name, orvik::DataSource** source, const char* sourceName);
  void openTables();

  StartupEnvironment env_;
  Settings settings_;
  std::unique_ptr<orvik::DictionaryModel> dictionary_;
  QString dataFolder_;
  bool failed_ = false;
};
