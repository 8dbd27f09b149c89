#pragma once

#include <QByteArrayView>

class QTextCursor;
class QTextDocument;

// Reads rich text in the Rich Text Format into a QTextDocument. It understands what the
// dictionary's articles and the clipboard of other programs carry: groups, the font table
// (with each font's character set) and the colour table, \fs, \b, \i, \ul, \strike, colours,
// \plain, paragraph alignment and indents, \pard, \par, \line, \tab, 8-bit characters (\'hh) in
// the code page of the current font or of the document, \uN with \ucN fallback skipping, and
// the usual special characters. Destinations it does not show (\*, the font and colour tables,
// the style sheet, document information, pictures, objects, headers, footers, fields'
// instructions...) are skipped.
//
// It promises never to crash or hang on malformed input: unbalanced braces, truncated escapes,
// huge numbers and deep nesting are all read as far as they make sense, in time linear in the
// input, with a bounded group stack. Reading stops at the brace that closes the outermost group.
class RtfReader {
 public:
  // Groups nested deeper than this share the state of the deepest kept group.
  static constexpr int kMaxDepth = 200;

  // Replaces the content of `document` with `rtf`. Returns true when the input was complete,
  // well-formed rich text (starts with "{\rtf", every group closed); false when something had
  // to be guessed, in which case the document holds whatever could be read.
  static bool read(QByteArrayView rtf, QTextDocument* document);

  // Inserts `rtf` at `cursor` (which ends after the inserted text), as when pasting. The final
  // paragraph mark of the input ends the inserted text rather than adding an empty line.
  // Returns as read().
  static bool insert(QByteArrayView rtf, QTextCursor& cursor);
};
