#pragma once

#include <QByteArray>

class QTextDocument;

// Writes a range of a QTextDocument as rich text in the Rich Text Format, the way the
// clipboard of a word processor carries it, so that other programs and RtfReader read back the
// same text with its fonts, sizes, bold, italic, underline, strike-out, colours and paragraph
// alignment and indents. Every character outside ASCII is written as \uN followed by its byte in
// the chosen code page (Windows-1251 when the text is mostly Cyrillic, Windows-1252 otherwise),
// or "?" when that code page lacks it, so old readers still show something sensible.
class RtfWriter {
 public:
  // Writes the characters from `from` up to, not including, `to` (document positions; -1 means
  // the end of the text). Positions outside the document are clamped; an empty range gives a
  // valid empty document.
  static QByteArray write(const QTextDocument& document, int from = 0, int to = -1);
};
