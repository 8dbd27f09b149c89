#pragma once
// FindJump: takes the main window to an entry chosen in a find window and marks the searched
// word in that entry's article. It reads the dictionary by value and asks the main window to
// show the page and the entry, so the page, its spot, the panes, the chapter tab and the
// followers of the current entry (entry lists, auto-play counter) come along exactly as when
// the user browses there.
//
// The find window calls the steps in this order, closing itself after the first: jump(),
// showPage(), a one-millisecond event pump, markWord().
//
// Every table failure goes to the database failure routine; a page or entry that cannot be
// found is no failure (the main window then turns to page view on the page it had).

#include <QColor>
#include <QString>

#include "schema/language.h"

class TDMOrvik;
class TForm1;
namespace orvik {
class MessageBoxes;
}

class FindJump {
 public:
  FindJump(TDMOrvik* data, TForm1* mainWindow);

  // The mark's colour over the article's background.
  static QColor markColour();

  // Step 1: looks up page `pageCode` and the spot of its entry `order`. The result row names the
  // entry by its codes rather than by its page and entry names, so two pages or entries of the
  // same name never send the user to the wrong one. Returns false when the page is not found.
  // A found page whose spot is missing still jumps to the page; "Picture For Word is not
  // found" is said then.
  bool jump(int pageCode, int order);
  // Step 2: the main window turns to page view on the page (the page it had when none was
  // found), shows the jumped-to entry highlighted and blinking with the panes on it and its
  // followers told (entry lists, auto-play counter), puts the pointer over its Find button
  // and takes the focus.
  void showPage();
  // Step 4: marks every whole-word, case-insensitive occurrence of the written forms of `word`
  // for the current entry in language `language`'s article pane, one rectangle per line.
  // Returns the number of occurrences marked.
  int markWord(orvik::Language language, const QString& word);

  // What the last jump found (for the caller and tests).
  int pageCode() const { return pageCode_; }
  int order() const { return order_; }

 private:
  TDMOrvik* data_;
  TForm1* main_;
  int pageCode_ = 0;
  int order_ = 0;  // 0 when the entry or its spot is missing
};
