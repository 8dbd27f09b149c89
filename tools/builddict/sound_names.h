#pragma once
// The names of the sound files, built from the chapter code, the page code and the entry order
// exactly as the program builds them when it looks a recording up: chapter letters "A".."O",
// page name parts such as "C05" or "JA5", entry names such as "C0507".

#include <QString>

namespace builddict {

// "A" for chapter 1 up to "O" for chapter 15.
QString chapterLetter(int chapterCode);
// The page name part of a page code of three, four or five digits ("C05", "L04", "JA5"); empty
// for a code of any other length.
QString pageNamePart(int pageCode);
// Page name part followed by the order in two digits below 10, plainly from 10 on.
QString entrySoundName(int pageCode, int order);
// Page name part followed by "00".
QString pageSoundName(int pageCode);
// Chapter letter followed by "00".
QString chapterSoundName(int chapterCode);

}  // namespace builddict
