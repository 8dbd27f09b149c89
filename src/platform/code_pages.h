#pragma once

#include <QtGlobal>

// The single-byte Windows code pages that rich text written on the old desktop uses for its
// 8-bit characters, and the font character sets that name them. Decoding never fails: a byte a
// code page leaves undefined stands for the code point of the same value, and an unknown code
// page reads as Windows-1252, so a damaged or foreign document still shows its text.
namespace orvik::codepages {

// The code page of a font character set (0 Western, 204 Cyrillic, 162 Turkish, ...);
// 0 when the character set names no single-byte code page (default, symbol, OEM, Asian).
int codePageForCharset(int charset);

// True when `codePage` is one this module can decode and encode.
bool isKnown(int codePage);

// The character that `byte` stands for in `codePage`.
char16_t decode(int codePage, uchar byte);

// The byte for `ch` in `codePage`, or -1 when the code page has no such character.
int encode(int codePage, char16_t ch);

}  // namespace orvik::codepages
