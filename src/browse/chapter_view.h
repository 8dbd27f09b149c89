#pragma once
// ChapterView: the chapter list and the chapter tab strip as the main window's views use them.
// It fills the list with the chapter names of a chapter table and remembers each row's chapter
// code (a dictionary may lack chapters, so rows and codes can differ), keeps the list and the
// strip on the same chapter while the mouse moves over either, names chapters by code, and
// positions and shows the chapter's pictures. Opening a chapter stays with the main window.
//
// Every method that reads a table may throw orvik::DbError; the main window routes it to the
// database failure routine.

#include <QList>
#include <QString>

class PictureBox;
class TDMOrvik;
class TOrvikChapterList;
class TOrvikZakladka;
namespace orvik {
class Table;
}

class ChapterView {
 public:
  struct Controls {
    TOrvikChapterList* list;
    TOrvikZakladka* tabs;
    PictureBox* picture;
  };

  ChapterView(TDMOrvik* data, const Controls& controls);

  // The names of `chapters` (when it holds chapter 1) in code order, with their codes.
  void fill(orvik::Table* chapters);
  // The chapter code of a 1-based list row and the row of a chapter code (0 when the
  // dictionary lacks that chapter); the identity in a full dictionary.
  int chapterOfRow(int row) const;
  int rowOfChapter(int chapterCode) const;
  // The chapter's name in `chapters` (index IndChptCode); empty when it is not there.
  static QString nameOfCode(orvik::Table* chapters, int chapterCode);

  // Positions tblChptPct on a chapter.
  void positionPictures(int chapterCode);
  // The chapter picture (chapter view) or the page-list picture of the positioned chapter.
  void showPicture(bool pagePicture);

  // The mouse over the list: the strip highlights the row's chapter.
  void listHighlightChanged();
  // The mouse over the strip in the chapter view: the list highlights the tab's chapter.
  void tabsPointerChanged();

 private:
  TDMOrvik* data_;
  Controls c_;
  QList<int> codes_;  // the chapter code of each list row
  int lastPointedTab_ = 0;
};
