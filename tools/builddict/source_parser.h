#pragma once
// Reads a source dictionary (a folder holding chapters/*.txt) into a SourceDictionary and checks
// the rules of the format: chapter and page codes, complete four-language texts, page names
// unique per language, sound names unique. Every problem is reported as one line
// "file:line: message"; a dictionary with any problem is not returned.

#include <QStringList>
#include <optional>

#include "source_dictionary.h"

namespace builddict {

class SourceParser {
 public:
  // Reads every chapters/*.txt of the folder (in file-name order) and checks the whole.
  std::optional<SourceDictionary> parseFolder(const QString& folder);
  // Reads one chapter file's text; fileName is used in messages only. Returns the chapter when
  // the text holds no error of its own (rules across chapters are checked by validate()).
  std::optional<SourceChapter> parseChapter(const QString& text, const QString& fileName);
  // Checks the rules that span chapters; returns false and records errors when one is broken.
  bool validate(const SourceDictionary& dictionary);

  const QStringList& errors() const { return errors_; }
  // Pictures shared without a 'shared:' note are an error unless allowed (the previews draw
  // them while the pictures are being made); allowed, they are listed here instead.
  void setSharedPicturesAllowed(bool allowed) { sharedPicturesAllowed_ = allowed; }
  const QStringList& warnings() const { return warnings_; }
  // Entries whose base emoji the place table lacks, each "file:line: ..." with where it stood
  // instead; they are no error, but belong in the table.
  const QStringList& fallbacks() const { return fallbacks_; }

  // The settings a page may name with "scene:".
  static const QStringList& sceneNames();
  // Why a page code cannot belong to the chapter, or an empty text when it can.
  static QString pageCodeProblem(int pageCode, int digits, int chapterCode);

 private:
  void error(const SourcePlace& place, const QString& message);
  QStringList errors_;
  QStringList warnings_;
  QStringList fallbacks_;
  bool sharedPicturesAllowed_ = false;
};

}  // namespace builddict
