#pragma once
// WindowFrame: the main window's own frame, since the window has no system frame. It paints
// the five-ring border (around the whole window in the normal state, around the centred area
// the normal window would show when maximised), lets the title strip drag the window in the
// normal state only (not its first 25 pixels, where the system menu opens), minimises,
// maximises (the central panel centred on black, the strip and its buttons moved with it) and
// restores, and runs the small system menu of the strip's corner.
//
// It promises: the window is in one of two states, changed only through btnMaximize and
// btnRestore; the state is not stored.

#include <QObject>
#include <QPoint>
#include <QRect>

class QPainter;
class TForm1;
class TOrvikPanel;
class TOrvikChapterList;

class WindowFrame : public QObject {
  Q_OBJECT

 public:
  // Builds the system menu in `window` and binds the window buttons.
  explicit WindowFrame(TForm1* window);

  bool isMaximized() const { return maximized_; }
  // The rectangle the frame surrounds, in window coordinates.
  QRect frameRect() const;
  void paint(QPainter& painter) const;

  // A left or right press at a point of the window: a press on the title strip within 30
  // pixels of its left and top edges opens the system menu (not while auto-play runs). True
  // when the press was the system menu's.
  bool press(QPoint pos);

  void minimize();
  void maximize();
  void restore();

  TOrvikPanel* SysMenu;
  TOrvikChapterList* SysMenuList;

 private:
  void SysMenuListMouseDown();
  // Moves the strip, the caption and the window buttons to the central panel's top.
  void placeStrip();

  TForm1* w_;
  bool maximized_ = false;
  QRect normalGeometry_;
};
