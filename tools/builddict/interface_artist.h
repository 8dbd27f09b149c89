#pragma once
// Draws the pictures of an installation that are not pages: the two pictures of every chapter
// (its icon, its names in the four languages and a few of its objects), the splash, the two
// window backgrounds, the four language-frame pictures and the logo printed on every printout.
// Deterministic, like the pages.

#include <QImage>

#include "emoji_painter.h"
#include "source_dictionary.h"

namespace builddict {

class InterfaceArtist {
 public:
  // Sizes of the pictures (the backgrounds are as large as their fixed file size allows at
  // 8 bits a pixel in the 757 pixel wide window).
  static constexpr QSize kChapterPicture{319, 513};
  static constexpr QSize kSplash{400, 267};
  static constexpr QSize kBackground{757, 529};
  static constexpr QSize kLanguageFrame{92, 101};
  static constexpr QSize kLogo{451, 66};
  static constexpr QSize kLittlePage{66, 100};

  explicit InterfaceArtist(EmojiPainter* emoji) : emoji_(emoji) {}

  // The chapter view's picture of a chapter: its icon large, its four names under it.
  QImage chapterPicture(const SourceChapter& chapter);
  // The picture beside the chapter's page list: its icon and the objects of its pages.
  QImage chapterPagesPicture(const SourceChapter& chapter);
  QImage splash(const SourceDictionary& dictionary);
  // The chapter view's background (chapterView) or the page views' background.
  QImage background(bool chapterView);
  // The frame behind n language rows of the settings dialog, five colours, Format_Indexed8.
  QImage languageFrame(int languages);
  QImage logo();

 private:
  EmojiPainter* emoji_;
};

}  // namespace builddict
