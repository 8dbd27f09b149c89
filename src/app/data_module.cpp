#include "app/data_module.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <array>

#include "app/dictionary_model.h"
#include "app/table_positions.h"
#include "platform/application.h"
#include "platform/db_error.h"
#include "platform/event_pump.h"
#include "platform/failure.h"
#include "platform/file_paths.h"
#include "platform/message_boxes.h"
#include "platform/optical_discs.h"
#include "schema/installation_keys.h"
#include "schema/schema.h"

namespace schema = orvik::schema;

namespace {
QString fromView(std::string_view v) {
  return QString::fromLatin1(v.data(), static_cast<int>(v.size()));
}

// The hit-map file marks a data folder; names are matched in any letter case (existingPath), so
// a disc written in capitals, or a folder spelt "ODatabase", is found too.

// A table file of a folder, by the name the program gives it or, failing that, by the same name
// in other letter case (a disc may show its names in small or capital letters only).
QString fileIn(const QString& folder, const QString& fileName) {
  const QString found = orvik::existingPath(folder, {fileName});
  return found.isEmpty() ? QDir(folder).filePath(fileName) : found;
}

// The one of a language's four objects (English, French, Russian, Spanish) that is its own.
template <typename T>
T* ofLanguage(orvik::Language language, T* en, T* fr, T* ru, T* sp) {
  const std::array<T*, 4> byNumber{en, fr, ru, sp};
  return byNumber[size_t(language.number() - 1)];
}

QString folderHolding(const QString& base, const QStringList& folders) {
  QStringList parts = folders;
  parts << schema::PctInfo::kFile;
  const QString hitMap = orvik::existingPath(base, parts);
  if (hitMap.isEmpty() || !QFileInfo(hitMap).isFile()) return {};
  return QFileInfo(hitMap).path() + QLatin1Char('/');
}

const char* const kDbErrorEnglish =
    "An error occurred while addressing Orvik DataBase.\rPlease make sure that Orvik Dictionary "
    "disc is inserted in your CD-drive.\rIf the problem persists, you may have to reinstall the "
    "program.";
const char* const kDbErrorRussian =
    "Произошла ошибка при обращении к базе данных словаря.\rПожалуйста убедитесь, что компакт-диск "
    "\"Словарь Орвик\" находится в приводе CD-ROM.\rЕсли проблема не будет устранена, то вам "
    "возможно потребуется\rпереустановить программу.";
const char* const kDbErrorFrench =
    "Une erreur s'est produite lors de l'accès à la base de données Orvik.\rVérifiez que le disque "
    "du dictionnaire Orvik est dans votre lecteur de CD.\rSi le problème persiste, il faudra "
    "peut-être réinstaller le programme.";
const char* const kDbErrorSpanish =
    "Se produjo un error al acceder a la base de datos Orvik.\rCompruebe que el disco del "
    "diccionario Orvik está en su unidad de CD.\rSi el problema persiste, quizá deba reinstalar "
    "el programa.";
}  // namespace

TDMOrvik::TDMOrvik(StartupEnvironment env, QObject* parent)
    : QObject(parent), env_(std::move(env)), settings_(env_.currentDir) {
  setObjectName(QStringLiteral("DMOrvik"));
  tblChapterEn = makeTable("tblChapterEn", &srcChapterEn, "srcChapterEn");
  tblChapterFr = makeTable("tblChapterFr", &srcChapterFr, "srcChapterFr");
  tblChapterRu = makeTable("tblChapterRu", &srcChapterRu, "srcChapterRu");
  tblChapterSp = makeTable("tblChapterSp", &srcChapterSp, "srcChapterSp");
  tblPageNameEn = makeTable("tblPageNameEn", &srcPageNameEn, "srcPageNameEn");
  tblPageNameFr = makeTable("tblPageNameFr", &srcPageNameFr, "srcPageNameFr");
  tblPageNameRu = makeTable("tblPageNameRu", &srcPageNameRu, "srcPageNameRu");
  tblPageNameSp = makeTable("tblPageNameSp", &srcPageNameSp, "srcPageNameSp");
  tblWordNameEn = makeTable("tblWordNameEn", &srcWordNameEn, "srcWordNameEn");
  tblWordNameFr = makeTable("tblWordNameFr", &srcWordNameFr, "srcWordNameFr");
  tblWordNameRu = makeTable("tblWordNameRu", &srcWordNameRu, "srcWordNameRu");
  tblWordNameSp = makeTable("tblWordNameSp", &srcWordNameSp, "srcWordNameSp");
  tblWordFindEn = makeTable("tblWordFindEn", &srcWrdFindEn, "srcWrdFindEn");
  tblWordFindFr = makeTable("tblWordFindFr", &srcWordFindFr, "srcWordFindFr");
  tblWordFindRu = makeTable("tblWordFindRu", &srcWordFindRu, "srcWordFindRu");
  tblWordFindSp = makeTable("tblWordFindSp", &srcWordFindSp, "srcWordFindSp");
  tblPgePicture = makeTable("tblPgePicture", &ActiveSrcPage, "ActiveSrcPage");
  tblWrdPicture = makeTable("tblWrdPicture", &ActiveSrcWord, "ActiveSrcWord");
  tblPctInfo = makeTable("tblPctInfo", &SrcPctInfo, "SrcPctInfo");
  tblChptPct = makeTable("tblChptPct", &srcChptPct, "srcChptPct");
  tblPctLittle = makeTable("tblPctLittle", &srcPctLittle, "srcPctLittle");
}

TDMOrvik::~TDMOrvik() = default;

orvik::DictionaryModel& TDMOrvik::dictionary() {
  if (!dictionary_) dictionary_ = std::make_unique<orvik::DictionaryModel>(this);
  return *dictionary_;
}

orvik::Table* TDMOrvik::makeTable(const char* name, orvik::DataSource** source,
                                  const char* sourceName) {
  const bool byPath = qstrcmp(name, "tblChptPct") == 0 || qstrcmp(name, "tblPctLittle") == 0;
  auto* table = new orvik::Table(byPath ? nullptr : &Database, this);
  table->setObjectName(QString::fromLatin1(name));
  *source = new orvik::DataSource(this);
  (*source)->setObjectName(QString::fromLatin1(sourceName));
  (*source)->setDataSet(table);
  return table;
}

QString TDMOrvik::findDataFolder(const QString& currentDir, const orvik::OpticalDiscs* discs) {
  const QString here = folderHolding(currentDir, {schema::kDataFolder});
  if (!here.isEmpty()) return here;
  if (discs) {
    for (const QString& mount : discs->mountPoints()) {
      const QString onDisc =
          folderHolding(mount, {QStringLiteral("program files"), QStringLiteral("OrvikDictionary"),
                                schema::kDataFolder});
      if (!onDisc.isEmpty()) return onDisc;
    }
  }
  return {};
}

bool TDMOrvik::create() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  struct RestoreCursor {
    ~RestoreCursor() { QApplication::restoreOverrideCursor(); }
  } restore;

  // The command line (or the file) fixes which languages are installed. The whole command line
  // is checked before the file is read or written; a failure that lets the program go on (the
  // settings could not be written) is told, and the start goes on with them in memory.
  const orvik::Result settings =
      settings_.applyCommandLine(Settings::parseCommandLine(env_.arguments));
  if (!settings) {
    orvik::report(settings.failure(), env_.messages);
    if (settings.failure().endsProgram()) return false;
  }

  if (findDataFolder(env_.currentDir, env_.discs).isEmpty()) {
    const auto dataFound = [this] {
      return !findDataFolder(env_.currentDir, env_.discs).isEmpty();
    };
    if (!env_.locate || !env_.locate(dataFound)) {
      orvik::Application::terminate(int(orvik::ExitStatus::NoData));
      return false;
    }
  }

  if (env_.showSplash) env_.showSplash(env_.splashMs);
  orvik::Delay(env_.waitMs);

  Database.setConnected(false);
  dataFolder_ = findDataFolder(env_.currentDir, env_.discs);
  if (dataFolder_.isEmpty())
    dataFolder_ = QDir(env_.currentDir).filePath(schema::kDataFolder) + QLatin1Char('/');
  else
    Database.setPath(dataFolder_);

  try {
    openTables();
  } catch (const orvik::DbError&) {
    databaseFailure();
    return false;
  }
  Database.setConnected(true);
  return true;
}

void TDMOrvik::openTables() {
  const auto inData = [this](orvik::Table* t, const QString& file) {
    t->setTableName(fileIn(dataFolder_, file));
  };
  // In the order of the opening sequence.
  using L = orvik::Language;
  for (L language : {L::English, L::French, L::Russian, L::Spanish})
    inData(tblChapter(language), schema::Chapter::file(language.code()));
  for (L language : {L::English, L::Russian, L::Spanish, L::French})
    inData(tblPageName(language), schema::PageName::file(language.code()));
  for (L language : {L::English, L::Russian, L::Spanish, L::French})
    inData(tblWordName(language), schema::WordName::file(language.code()));
  for (L language : {L::English, L::Russian, L::French, L::Spanish})
    inData(tblWordFind(language), schema::WordFind::file(language.code()));
  inData(tblWrdPicture, schema::WrdPicture::kFile);
  inData(tblPgePicture, schema::PgePicture::kFile);
  inData(tblPctInfo, schema::PctInfo::kFile);

  for (std::string_view password : orvik::keys::kDataPasswords)
    Database.addPassword(fromView(password));

  tblWrdPicture->open();
  tblPgePicture->open();
  tblPctInfo->open();
  for (orvik::Language language : orvik::Language::all()) {
    if (!settings_.installed(language)) continue;
    tblChapter(language)->open();
    tblPageName(language)->open();
    tblWordName(language)->open();
    tblWordFind(language)->open();
  }

  // The chapter and small pictures always come from the program's own folder.
  QList<QByteArray> keys = Database.rawKeys();
  keys << orvik::derivePasswordKey(fromView(orvik::keys::kChapterPicturePassword));
  tblChptPct->setPasswords(keys);
  const QString programData = fileIn(env_.currentDir, schema::kPictureFolder);
  tblChptPct->setTableName(fileIn(programData, schema::ChptPct::kFile));
  tblChptPct->open();
  keys << orvik::derivePasswordKey(fromView(orvik::keys::kLittlePagesPassword));
  tblPctLittle->setPasswords(keys);
  tblPctLittle->setTableName(fileIn(programData, schema::PctLittle::kFile));
  tblPctLittle->open();
}

void TDMOrvik::databaseFailure() {
  if (failed_) return;  // one message, however many operations fail after the first
  failed_ = true;
  const char* text = kDbErrorEnglish;
  switch (settings_.interfaceLanguage().number()) {
    case orvik::Language::French:
      text = kDbErrorFrench;
      break;
    case orvik::Language::Russian:
      text = kDbErrorRussian;
      break;
    case orvik::Language::Spanish:
      text = kDbErrorSpanish;
      break;
    default:
      break;
  }
  orvik::report({orvik::ExitStatus::Database, orvik::MessageKind::Warning, QString::fromUtf8(text)},
                env_.messages);
}

bool TDMOrvik::guarded(const std::function<void()>& op) {
  try {
    op();
    return true;
  } catch (const orvik::DbError&) {
    databaseFailure();
    return false;
  }
}

QString TDMOrvik::pageNameByCode(orvik::Table* pageNames, int pageCode) {
  QString name;
  guarded([&] {
    if (orvik::positionOnPageName(pageNames, pageCode))
      name = pageNames->textValue(schema::kPageName);
  });
  return name;
}

orvik::Table* TDMOrvik::tblChapter(orvik::Language language) const {
  return ofLanguage(language, tblChapterEn, tblChapterFr, tblChapterRu, tblChapterSp);
}

orvik::Table* TDMOrvik::tblPageName(orvik::Language language) const {
  return ofLanguage(language, tblPageNameEn, tblPageNameFr, tblPageNameRu, tblPageNameSp);
}

orvik::Table* TDMOrvik::tblWordName(orvik::Language language) const {
  return ofLanguage(language, tblWordNameEn, tblWordNameFr, tblWordNameRu, tblWordNameSp);
}

orvik::Table* TDMOrvik::tblWordFind(orvik::Language language) const {
  return ofLanguage(language, tblWordFindEn, tblWordFindFr, tblWordFindRu, tblWordFindSp);
}

orvik::DataSource* TDMOrvik::srcWordName(orvik::Language language) const {
  return ofLanguage(language, srcWordNameEn, srcWordNameFr, srcWordNameRu, srcWordNameSp);
}

QList<orvik::Table*> TDMOrvik::tables() const {
  return {tblChapterEn,  tblChapterFr,  tblChapterRu,  tblChapterSp,  tblPageNameEn, tblPageNameFr,
          tblPageNameRu, tblPageNameSp, tblWordNameEn, tblWordNameFr, tblWordNameRu, tblWordNameSp,
          tblWordFindEn, tblWordFindFr, tblWordFindRu, tblWordFindSp, tblPgePicture, tblWrdPicture,
          tblPctInfo,    tblChptPct,    tblPctLittle};
}
