#include "practice/practice_round.h"

#include <QSet>
#include <algorithm>

#include "practice/progress_store.h"

namespace orvik::practice {

namespace {

template <typename T>
void shuffle(QList<T>& list, QRandomGenerator& random) {
  for (qsizetype i = list.size() - 1; i > 0; --i)
    list.swapItemsAt(i, qsizetype(random.bounded(quint32(i + 1))));
}

QList<EntryRef> entriesOfChapter(const DictionaryModel& model, int chapterCode) {
  QList<EntryRef> entries;
  for (int page : model.pagesOfChapter(chapterCode)) entries += model.entriesOfPage(page);
  return entries;
}

}  // namespace

PracticeRound::PracticeRound(QList<Question> questions, QuestionKind kind, qint64 startMs)
    : questions_(std::move(questions)),
      kind_(kind),
      distinct_(int(questions_.size())),
      startMs_(startMs) {}

bool PracticeRound::answer(bool right) {
  if (finished()) return false;
  const Question asked = questions_[at_];
  if (!right) {
    Question again = asked;
    again.again = true;
    questions_.insert(std::min(at_ + 1 + kComeBackAfter, questions_.size()), again);
  }
  if (asked.again) return false;
  ++firstAnswers_;
  if (right) ++rightFirstTry_;
  return true;
}

QList<Question> chooseQuestions(const DictionaryModel& model, const ProgressStore* store,
                                Scope scope, int pageCode, int chapterCode, Language language,
                                const QList<Language>& languages, int count, qint64 nowMs,
                                QRandomGenerator& random) {
  QList<Question> questions;
  if (count <= 0) return questions;
  if (scope == Scope::Due) {
    if (!store) return questions;
    const auto known = [&](const ProgressRow& row) {
      return model.contains(row.entry) && model.hasLanguage(row.language);
    };
    for (const ProgressRow& row : store->due(nowMs, languages, count, known))
      questions.append({row.entry, row.language});
    return questions;
  }
  QList<EntryRef> entries =
      scope == Scope::Page ? model.entriesOfPage(pageCode) : entriesOfChapter(model, chapterCode);
  shuffle(entries, random);
  for (const EntryRef& entry : entries) {
    if (questions.size() >= count) break;
    questions.append({entry, language});
  }
  return questions;
}

QList<EntryRef> choicesFor(const DictionaryModel& model, EntryRef entry, Language language,
                           QRandomGenerator& random) {
  QList<EntryRef> pool = model.entriesOfPage(entry.pageCode);
  if (pool.size() < 4) pool = entriesOfChapter(model, model.chapterOfPage(entry.pageCode));
  pool.removeAll(entry);
  shuffle(pool, random);
  QList<EntryRef> choices{entry};
  QSet<QString> words{model.headWord(entry, language).toCaseFolded()};
  for (const EntryRef& other : pool) {
    if (choices.size() >= 4) break;
    const QString word = model.headWord(other, language).toCaseFolded();
    if (word.isEmpty() || words.contains(word)) continue;
    words.insert(word);
    choices.append(other);
  }
  shuffle(choices, random);
  return choices;
}

}  // namespace orvik::practice
