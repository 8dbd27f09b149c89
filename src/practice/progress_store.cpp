#include "practice/progress_store.h"

#include <sqlcipher/sqlite3.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "practice/schedule.h"

namespace orvik::practice {

namespace {

// A prepared statement that finalises itself.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) {
    if (db && sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) stmt_ = nullptr;
  }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool ok() const { return stmt_ != nullptr; }
  void bind(int at, qint64 value) { sqlite3_bind_int64(stmt_, at, value); }
  int step() { return stmt_ ? sqlite3_step(stmt_) : SQLITE_ERROR; }
  qint64 integer(int column) const { return sqlite3_column_int64(stmt_, column); }
  QString text(int column) const {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return t ? QString::fromUtf8(t) : QString();
  }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

bool isDamage(int rc) {
  rc &= 0xff;
  return rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT || rc == SQLITE_FORMAT;
}

// A name beside `path` that no file has yet: "<path>.damaged", then "<path>.damaged-2", ...
QString asideName(const QString& path) {
  QString name = path + QStringLiteral(".damaged");
  for (int n = 2; QFileInfo::exists(name); ++n) name = path + QStringLiteral(".damaged-%1").arg(n);
  return name;
}

const char* const kSchema =
    "CREATE TABLE IF NOT EXISTS progress(page INTEGER NOT NULL, entry INTEGER NOT NULL,"
    " language INTEGER NOT NULL, box INTEGER NOT NULL, due INTEGER NOT NULL,"
    " nright INTEGER NOT NULL, nwrong INTEGER NOT NULL, PRIMARY KEY(page, entry, language));"
    "CREATE INDEX IF NOT EXISTS progress_due ON progress(due);"
    "CREATE TABLE IF NOT EXISTS answers(at INTEGER NOT NULL, page INTEGER NOT NULL,"
    " entry INTEGER NOT NULL, language INTEGER NOT NULL, right_answer INTEGER NOT NULL,"
    " box INTEGER NOT NULL, was_due INTEGER NOT NULL);"
    "CREATE INDEX IF NOT EXISTS answers_at ON answers(at);";

}  // namespace

ProgressStore::~ProgressStore() {
  close();
}

void ProgressStore::close() {
  if (db_) sqlite3_close(db_);
  db_ = nullptr;
}

bool ProgressStore::exec(const char* sql) const {
  return db_ && sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

ProgressStore::Check ProgressStore::openAndCheck(const QString& path) {
  close();
  const QByteArray name = QFile::encodeName(path);
  if (sqlite3_open_v2(name.constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                      nullptr) != SQLITE_OK) {
    close();
    return Check::Failed;
  }
  // Another copy of the program may be writing: wait for it rather than fail.
  sqlite3_busy_timeout(db_, 10000);
  {
    Statement check(db_, "PRAGMA quick_check");
    if (!check.ok()) return isDamage(sqlite3_errcode(db_)) ? Check::Damaged : Check::Failed;
    const int rc = check.step();
    if (rc != SQLITE_ROW) return isDamage(rc) ? Check::Damaged : Check::Failed;
    if (check.text(0) != u"ok") return Check::Damaged;
  }
  Statement version(db_, "PRAGMA user_version");
  if (version.step() != SQLITE_ROW) return Check::Failed;
  const qint64 v = version.integer(0);
  if (v > kVersion) return Check::Newer;
  Statement tables(db_,
                   "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name NOT IN "
                   "('progress', 'answers')");
  if (tables.step() != SQLITE_ROW) return Check::Failed;
  // Another program's database is no progress file.
  if (tables.integer(0) > 0) return Check::Damaged;
  return Check::Usable;
}

bool ProgressStore::createSchema() {
  if (!exec("BEGIN IMMEDIATE")) return false;
  const bool made = exec(kSchema) && exec("PRAGMA user_version = 1");
  if (!made || !exec("COMMIT")) {
    exec("ROLLBACK");
    return false;
  }
  // Readers never wait for a writer; a commit is atomic and survives a crash of the program.
  exec("PRAGMA journal_mode = WAL");
  exec("PRAGMA synchronous = NORMAL");
  return true;
}

bool ProgressStore::open(const QString& path) {
  path_ = path;
  setAside_.clear();
  problem_ = openAndCheck(path);
  if (problem_ == Check::Damaged || problem_ == Check::Newer) {
    close();
    setAside_ = asideName(path);
    // The file and what SQLite keeps beside it go aside together, so that the fresh file never
    // meets a journal of the old one.
    QFile::rename(path, setAside_);
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
      const QString companion = path + QLatin1String(suffix);
      if (QFileInfo::exists(companion)) QFile::rename(companion, setAside_ + QLatin1String(suffix));
    }
    if (openAndCheck(path) != Check::Usable) {
      close();
      problem_ = Check::Failed;
      return false;
    }
  } else if (problem_ == Check::Failed) {
    close();
    return false;
  }
  if (!createSchema()) {
    close();
    problem_ = Check::Failed;
    return false;
  }
  return true;
}

QString ProgressStore::problem(int interfaceLanguage) const {
  const QString file = QFileInfo(path_).absoluteFilePath();
  const QString aside = QFileInfo(setAside_).absoluteFilePath();
  const int i = interfaceLanguage >= 1 && interfaceLanguage <= 4 ? interfaceLanguage - 1 : 0;
  switch (problem_) {
    case Check::Usable:
      return {};
    case Check::Damaged: {
      const char* const texts[4] = {
          "The practice progress file\r%1\ris damaged or is not a progress file. It was kept "
          "as\r%2\rand practice starts afresh.",
          "Le fichier de progression\r%1\rest endommagé ou n'est pas un fichier de progression. "
          "Il a été conservé sous le nom\r%2\ret l'entraînement repart de zéro.",
          "Файл прогресса упражнений\r%1\rповреждён или не является файлом прогресса. Он "
          "сохранён как\r%2\r, упражнения начинаются заново.",
          "El archivo de progreso\r%1\restá dañado o no es un archivo de progreso. Se guardó "
          "como\r%2\ry la práctica empieza de nuevo."};
      return QString::fromUtf8(texts[i]).arg(file, aside);
    }
    case Check::Newer: {
      const char* const texts[4] = {
          "The practice progress file\r%1\rwas written by a newer version of the program. It "
          "was kept as\r%2\rand practice starts afresh.",
          "Le fichier de progression\r%1\ra été écrit par une version plus récente du "
          "programme. Il a été conservé sous le nom\r%2\ret l'entraînement repart de zéro.",
          "Файл прогресса упражнений\r%1\rзаписан более новой версией программы. Он сохранён "
          "как\r%2\r, упражнения начинаются заново.",
          "El archivo de progreso\r%1\rfue escrito por una versión más reciente del programa. "
          "Se guardó como\r%2\ry la práctica empieza de nuevo."};
      return QString::fromUtf8(texts[i]).arg(file, aside);
    }
    case Check::Failed: {
      const char* const texts[4] = {
          "The practice progress file\r%1\rcannot be opened. Practice works, but its progress "
          "is not kept.",
          "Le fichier de progression\r%1\rne peut pas être ouvert. L'entraînement fonctionne, "
          "mais sa progression n'est pas conservée.",
          "Файл прогресса упражнений\r%1\rне удаётся открыть. Упражнения работают, но "
          "прогресс не сохраняется.",
          "El archivo de progreso\r%1\rno se puede abrir. La práctica funciona, pero su "
          "progreso no se guarda."};
      return QString::fromUtf8(texts[i]).arg(file);
    }
  }
  return {};
}

std::optional<EntryProgress> ProgressStore::progress(EntryRef entry, Language language) const {
  Statement row(db_,
                "SELECT box, due, nright, nwrong FROM progress WHERE page = ?1 AND entry = ?2 "
                "AND language = ?3");
  if (!row.ok()) return std::nullopt;
  row.bind(1, entry.pageCode);
  row.bind(2, entry.order);
  row.bind(3, language.number());
  if (row.step() != SQLITE_ROW) return std::nullopt;
  return EntryProgress{int(row.integer(0)), row.integer(1), int(row.integer(2)),
                       int(row.integer(3))};
}

std::optional<EntryProgress> ProgressStore::record(EntryRef entry, Language language, bool right,
                                                   qint64 now) {
  if (!db_ || !entry.isValid() || !exec("BEGIN IMMEDIATE")) return std::nullopt;
  const EntryProgress before = progress(entry, language).value_or(EntryProgress{});
  const EntryProgress after = answered(before, right, now);
  bool written = false;
  {
    Statement put(db_, "INSERT OR REPLACE INTO progress VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    put.bind(1, entry.pageCode);
    put.bind(2, entry.order);
    put.bind(3, language.number());
    put.bind(4, after.box);
    put.bind(5, after.due);
    put.bind(6, after.right);
    put.bind(7, after.wrong);
    Statement log(db_, "INSERT INTO answers VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    log.bind(1, now);
    log.bind(2, entry.pageCode);
    log.bind(3, entry.order);
    log.bind(4, language.number());
    log.bind(5, right ? 1 : 0);
    log.bind(6, after.box);
    log.bind(7, isDue(before, now) ? 1 : 0);
    written = put.step() == SQLITE_DONE && log.step() == SQLITE_DONE;
  }
  if (!written || !exec("COMMIT")) {
    exec("ROLLBACK");
    return std::nullopt;
  }
  return after;
}

QList<ProgressRow> ProgressStore::due(qint64 now, const QList<Language>& languages, int count,
                                      const std::function<bool(const ProgressRow&)>& accept) const {
  QList<ProgressRow> rows;
  Statement due(db_,
                "SELECT page, entry, language, box, due, nright, nwrong FROM progress "
                "WHERE due <= ?1 AND box > 0 ORDER BY due");
  if (!due.ok()) return rows;
  due.bind(1, now);
  bool wanted[5] = {};
  for (Language language : languages) wanted[language.number()] = true;
  while (rows.size() < count && due.step() == SQLITE_ROW) {
    const auto language = Language::fromNumber(int(due.integer(2)));
    if (!language || !wanted[language->number()]) continue;
    ProgressRow row{
        {int(due.integer(0)), int(due.integer(1))},
        *language,
        {int(due.integer(3)), due.integer(4), int(due.integer(5)), int(due.integer(6))}};
    if (!accept || accept(row)) rows.append(row);
  }
  return rows;
}

bool ProgressStore::hasProgress() const {
  Statement any(db_, "SELECT 1 FROM progress LIMIT 1");
  return any.step() == SQLITE_ROW;
}

QHash<int, int> ProgressStore::knownPerPage() const {
  QHash<int, int> known;
  Statement rows(db_,
                 "SELECT page, count(DISTINCT entry) FROM progress WHERE box >= ?1 GROUP BY page");
  if (!rows.ok()) return known;
  rows.bind(1, kKnownBox);
  while (rows.step() == SQLITE_ROW) known.insert(int(rows.integer(0)), int(rows.integer(1)));
  return known;
}

QList<ProgressStore::Day> ProgressStore::days(QDate first, QDate last) const {
  QList<Day> days;
  for (QDate d = first; d <= last; d = d.addDays(1)) days.append({d, 0, 0});
  if (days.isEmpty()) return days;
  const qint64 from = first.startOfDay().toMSecsSinceEpoch();
  const qint64 to = last.addDays(1).startOfDay().toMSecsSinceEpoch();
  const auto dayOf = [&](qint64 ms) -> Day* {
    const qint64 i = QDateTime::fromMSecsSinceEpoch(ms).date().toJulianDay() - first.toJulianDay();
    return i >= 0 && i < days.size() ? &days[i] : nullptr;
  };
  Statement learnt(db_,
                   "SELECT at FROM answers WHERE right_answer = 1 AND box = ?1 AND at >= ?2 "
                   "AND at < ?3");
  if (learnt.ok()) {
    learnt.bind(1, kKnownBox);
    learnt.bind(2, from);
    learnt.bind(3, to);
    while (learnt.step() == SQLITE_ROW)
      if (Day* d = dayOf(learnt.integer(0))) ++d->learnt;
  }
  // The words that were due on a day: those answered then while due, and those still waiting
  // since the day they fell due.
  Statement answeredDue(db_, "SELECT at FROM answers WHERE was_due = 1 AND at >= ?1 AND at < ?2");
  if (answeredDue.ok()) {
    answeredDue.bind(1, from);
    answeredDue.bind(2, to);
    while (answeredDue.step() == SQLITE_ROW)
      if (Day* d = dayOf(answeredDue.integer(0))) ++d->due;
  }
  Statement waiting(db_,
                    "SELECT due FROM progress WHERE box > 0 AND due >= ?1 AND due < ?2 AND due "
                    "<= ?3");
  if (waiting.ok()) {
    waiting.bind(1, from);
    waiting.bind(2, to);
    waiting.bind(3, nowMs());
    while (waiting.step() == SQLITE_ROW)
      if (Day* d = dayOf(waiting.integer(0))) ++d->due;
  }
  return days;
}

}  // namespace orvik::practice
