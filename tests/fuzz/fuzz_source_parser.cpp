// Reads chapter files of any content with the dictionary builder's source parser and checks the
// whole as the builder does: the input is split at form feeds into up to four chapter files
// ("01.txt", "02.txt", ...), each read as the builder reads a file (UTF-8, carriage returns
// dropped). Findings: a crash, hang or sanitizer report; a chapter refused without a message or
// accepted with one; an accepted chapter that breaks the format's rules (chapter code 1 to 15,
// every page with an entry, every name in four languages); a message without its file and line.
#include <QCoreApplication>
#include <QList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "sound_names.h"
#include "source_parser.h"

namespace {

[[noreturn]] void finding(const char* what) {
  std::fprintf(stderr, "finding: %s\n", what);
  std::abort();
}

void checkChapter(const builddict::SourceChapter& chapter) {
  if (chapter.code < 1 || chapter.code > 15) finding("an accepted chapter code out of range");
  for (int l = 0; l < builddict::kLanguageCount; ++l)
    if (chapter.name[l].isEmpty()) finding("an accepted chapter without a name");
  for (const builddict::SourcePage& page : chapter.pages) {
    if (page.entries.isEmpty()) finding("an accepted page without an entry");
    for (int l = 0; l < builddict::kLanguageCount; ++l)
      if (page.name[l].isEmpty()) finding("an accepted page without a name");
    builddict::pageSoundName(page.code);
  }
  for (const builddict::PageListRow& row : chapter.rows)
    if (!row.heading && (row.page < 0 || row.page >= chapter.pages.size()))
      finding("a page-list row names no page");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
  const QList<QByteArray> files = input.split('\f').mid(0, 4);
  builddict::SourceParser parser;
  builddict::SourceDictionary dictionary;
  for (qsizetype i = 0; i < files.size(); ++i) {
    QString text = QString::fromUtf8(files[i]);
    text.remove(u'\r');
    const QString fileName = QStringLiteral("%1.txt").arg(i + 1, 2, 10, QLatin1Char('0'));
    const qsizetype errorsBefore = parser.errors().size();
    const auto chapter = parser.parseChapter(text, fileName);
    if (chapter.has_value() != (parser.errors().size() == errorsBefore))
      finding("a chapter's verdict disagrees with its messages");
    for (qsizetype e = errorsBefore; e < parser.errors().size(); ++e)
      if (!parser.errors()[e].startsWith(fileName + QLatin1Char(':')))
        finding("a message does not name its file");
    if (chapter) {
      checkChapter(*chapter);
      dictionary.chapters << *chapter;
    }
  }
  std::sort(dictionary.chapters.begin(), dictionary.chapters.end(),
            [](const auto& a, const auto& b) { return a.code < b.code; });
  const qsizetype errorsBefore = parser.errors().size();
  if (parser.validate(dictionary) != (parser.errors().size() == errorsBefore))
    finding("the dictionary's verdict disagrees with its messages");
  dictionary.pageCount();
  dictionary.entryCount();
  return 0;
}
