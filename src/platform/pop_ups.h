#pragma once
// PopUps: the program-wide mouse filter's list of pop-ups. Every mouse press anywhere in the
// program (a client area or a window frame) first passes the filter, which hides each registered
// pop-up that shows unless the press lies inside the pop-up itself or inside the area the pop-up
// names as its own (the "Say in" pop-up keeps the page picture, say). A window registers each of
// its pop-ups, menus and system-menu panels once, at creation; nobody else needs to know them.
//
// It promises: pop-ups are hidden in the order they registered; the press then goes on to its
// target unchanged; a pop-up that is deleted drops out of the list by itself.

#include <QRect>
#include <QWidget>
#include <functional>

namespace orvik {

class PopUps {
 public:
  // keepArea: a rectangle in global coordinates where a press keeps the pop-up open (besides the
  // pop-up itself); onHidden: runs after the filter hid the pop-up. Both may be empty.
  static void add(QWidget* popUp, std::function<QRect()> keepArea = {},
                  std::function<void()> onHidden = {});
  static void remove(QWidget* popUp);
  // Hides what a press at a global point would hide (the filter calls this on every press).
  static void pressAt(QPoint globalPos);
  // Installs the filter on the application; further calls do nothing.
  static void install();
};

// Where a pop-up `height` pixels high opens above a button of a window's bottom row: its left
// edge `shift` pixels left of the button's, its bottom 33 pixels above the window's frame; in a
// maximised window, measured from the window's central panel instead (`maximisedShift` left of
// the button, bottom 29 pixels above the panel's). Null window: the null point.
QPoint popUpAboveButton(const QWidget* window, const QWidget* panel, const QWidget* button,
                        int height, int shift, int maximisedShift);

}  // namespace orvik
