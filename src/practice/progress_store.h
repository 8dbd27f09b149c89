#pragma once
// ProgressStore: the learner's practice progress, one small SQLite file ("Progress.db") beside
// the settings file. For every entry and language it keeps the schedule (box, when due, how often
// right and wrong); every first answer of a question is also logged, for the progress chart.
//
// It promises:
//  - every answer is written in one transaction, so a file is never left half written; two
//    copies of the program writing at once wait for each other (busy timeout) instead of failing
//    or losing an answer;
//  - a file that is not a database, is truncated or damaged, or was made by a newer version of
//    the program is never written to: it is renamed aside (its name gets ".damaged", numbered
//    when that name is taken), problem() says so in words for the user, and a fresh file takes
//    its place; nothing else is touched;
//  - rows of entries the dictionary no longer has stay in the file; callers skip them;
//  - a store that could not open (a folder that cannot be written) answers as if empty and
//    records nothing: practice still works, its progress is not kept.

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "app/dictionary_model.h"
#include "schema/language.h"

struct sqlite3;

namespace orvik::practice {

// One entry's schedule in one language.
struct EntryProgress {
  int box = 0;     // 0 never answered; 1..5 the Leitner boxes
  qint64 due = 0;  // milliseconds since the epoch; due when now >= due
  int right = 0;   // first answers that were right
  int wrong = 0;   // first answers that were wrong
};

// A row of the schedule.
struct ProgressRow {
  EntryRef entry;
  Language language = Language::English;
  EntryProgress progress;
};

class ProgressStore {
 public:
  static constexpr const char* kFileName = "Progress.db";
  // The format this program writes; a file with a higher number was made by a newer one.
  static constexpr int kVersion = 1;

  ProgressStore() = default;
  ~ProgressStore();
  ProgressStore(const ProgressStore&) = delete;
  ProgressStore& operator=(const ProgressStore&) = delete;

  // Opens (or creates) the file at `path`. A damaged, foreign or newer file is set aside and a
  // fresh one made (problem() then tells what happened). False when no usable file could be
  // opened at all (the store then answers empty and keeps nothing).
  bool open(const QString& path);
  void close();
  bool isOpen() const { return db_ != nullptr; }
  QString path() const { return path_; }
  // What went wrong at the last open, in the interface language `interfaceLanguage` (a language
  // number); empty when nothing did.
  QString problem(int interfaceLanguage) const;
  // Where a damaged file was kept; empty when none was.
  QString setAsidePath() const { return setAside_; }

  // The schedule of an entry in a language; nullopt when it was never answered.
  std::optional<EntryProgress> progress(EntryRef entry, Language language) const;
  // Records a first answer at `nowMs`: the schedule moves (schedule.h) and the answer is logged,
  // in one transaction. Returns the new schedule; nullopt when it could not be written.
  std::optional<EntryProgress> record(EntryRef entry, Language language, bool right, qint64 nowMs);
  // The rows due at `nowMs` in the given languages, nearest due first, read until `accept`
  // (may be empty: all) has taken `count` of them; rows `accept` refuses are skipped.
  QList<ProgressRow> due(qint64 nowMs, const QList<Language>& languages, int count,
                         const std::function<bool(const ProgressRow&)>& accept = {}) const;
  // Whether any answer was ever recorded.
  bool hasProgress() const;
  // The number of known entries (box 3 or higher in some language) of each page.
  QHash<int, int> knownPerPage() const;
  // Per day from `first` to `last`: entries that reached box 3 (learnt) that day, and words due
  // that day (answered then while due, or due since then and still waiting at the practice
  // clock's now).
  struct Day {
    QDate date;
    int learnt = 0;
    int due = 0;
  };
  QList<Day> days(QDate first, QDate last) const;

 private:
  enum class Check { Usable, Damaged, Newer, Failed };
  Check openAndCheck(const QString& path);
  bool createSchema();
  bool exec(const char* sql) const;

  sqlite3* db_ = nullptr;
  QString path_;
  QString setAside_;
  Check problem_ = Check::Usable;
};

}  // namespace orvik::practice
