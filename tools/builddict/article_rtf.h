#pragma once
// The rich-text article of an entry in one language, as the entry panes load it: an RTF document
// in the language's code page (1252, or 1251 for Russian), the head word in bold at the standard
// size \fs18 (the panes rewrite that size to the user's choice), the word class in italics, then
// the definition and the example each on a line of their own.

#include <QByteArray>

#include "source_dictionary.h"

namespace builddict {

// The RTF text of the article; plain 7-bit ASCII, other characters as \'hh in the code page or
// \uN where the code page has no such character.
QByteArray articleRtf(const EntryText& text, int language);

// Escapes text for an RTF body in code page 1251 (Russian) or 1252.
QByteArray rtfEscape(const QString& text, int codePage);

// The byte of a character in code page 1251 or 1252, or -1 when it has none.
int codePageByte(char32_t c, int codePage);

}  // namespace builddict
