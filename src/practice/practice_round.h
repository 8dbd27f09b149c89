#pragma once
// A practice round: the questions, which one stands, what was answered. It knows nothing of
// windows; the practice panel asks and answers through it.
//
// It promises:
//  - a wrong answer brings the question back later in the round (a few questions on, or at the
//    end), as often as it is answered wrong; only the first answer of a question counts as
//    "right at first try" and for the schedule;
//  - the questions are chosen by value from the dictionary model and the progress store, never
//    by moving the dictionary's tables.

#include <QList>
#include <QRandomGenerator>

#include "app/dictionary_model.h"
#include "schema/language.h"

namespace orvik::practice {

class ProgressStore;

enum class QuestionKind { ListenAndFind, ReadAndFind, NameIt };
// What a round draws from: the current page, the current chapter, the words due on every page.
enum class Scope { Page, Chapter, Due };

struct Question {
  EntryRef entry;
  Language language = Language::English;
  // The question came back after a wrong answer.
  bool again = false;
};

class PracticeRound {
 public:
  static constexpr int kDefaultLength = 10;
  // A question answered wrong comes back this many questions later (or at the end).
  static constexpr int kComeBackAfter = 3;

  PracticeRound() = default;
  PracticeRound(QList<Question> questions, QuestionKind kind, qint64 startMs);

  QuestionKind kind() const { return kind_; }
  bool finished() const { return at_ >= questions_.size(); }
  // The standing question; requires !finished().
  const Question& current() const { return questions_[at_]; }
  // 1-based number of the standing question and how many the round now holds.
  int number() const { return int(at_) + 1; }
  int count() const { return int(questions_.size()); }
  // How many different questions the round began with, and how many of them were right at
  // the first answer.
  int distinct() const { return distinct_; }
  // How many questions had their first answer, and how many of those were right.
  int firstAnswers() const { return firstAnswers_; }
  int rightFirstTry() const { return rightFirstTry_; }
  qint64 startMs() const { return startMs_; }

  // Answers the standing question. Returns true when this was its first answer (the one the
  // schedule counts). A wrong answer puts the question back later in the round.
  bool answer(bool right);
  // Moves on to the next question.
  void next() { ++at_; }

 private:
  QList<Question> questions_;
  QuestionKind kind_ = QuestionKind::ListenAndFind;
  qsizetype at_ = 0;
  int distinct_ = 0;
  int firstAnswers_ = 0;
  int rightFirstTry_ = 0;
  qint64 startMs_ = 0;
};

// The questions of a new round, at most `count`:
//  - Page: the page's entries in random order, in `language`;
//  - Chapter: the entries of every page of the chapter in random order, in `language`;
//  - Due: the schedule rows due at `nowMs` in `languages`, nearest due first, each in its own
//    language; rows of entries the dictionary lacks are skipped.
QList<Question> chooseQuestions(const DictionaryModel& model, const ProgressStore* store,
                                Scope scope, int pageCode, int chapterCode, Language language,
                                const QList<Language>& languages, int count, qint64 nowMs,
                                QRandomGenerator& random);

// Four entries to choose from (fewer when the chapter has fewer), one of them `entry`, in random
// order: others of its page, or of its chapter when the page has fewer than four; entries with
// the same head word as another choice are left out.
QList<EntryRef> choicesFor(const DictionaryModel& model, EntryRef entry, Language language,
                           QRandomGenerator& random);

}  // namespace orvik::practice
