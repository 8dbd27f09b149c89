#pragma once
// TOrvikChapterList: a light-weight list of text lines painted straight onto its parent's
// surface (the widget paints no background, so the skinned panel or picture behind it shows
// between and behind the lines). The line under the mouse is drawn in red and its 1-based
// number is what the owner acts on in its mouse-press handler. It serves as the main window's
// chapter list and as the item list of every small pop-up (system menus, edit menus, language
// choosers, picture and article menus, the help menu).
// It promises:
//  - the selected number follows the mouse only over existing lines; positions outside the
//    lines and highlight requests outside the range change nothing;
//  - OnNoSelectedChange fires once per move onto a different line, never for moves within
//    one line; the highlight stays when the mouse leaves the control;
//  - setting ItemHeight stores the value only; setting Lines or the font repaints;
//  - given a focus policy by its owner (the chapter list), it answers the keyboard: Up, Down,
//    Home and End move the red line as the mouse would (OnNoSelectedChange fires), and Enter,
//    Return or Space press the red line as a left click on it would.

#include <QStringList>
#include <QWidget>

class TOrvikChapterList : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QStringList Lines READ Lines WRITE setLines)
  Q_PROPERTY(int ItemHeight READ ItemHeight WRITE setItemHeight)

 public:
  explicit TOrvikChapterList(QWidget* parent = nullptr);

  // The lines, one per item. Setting copies them and repaints.
  const QStringList& Lines() const { return lines_; }
  void setLines(const QStringList& lines);
  // Empties the lines and repaints.
  void clear();

  // Height of one line in pixels (32 unless set); setting stores the value only.
  int ItemHeight() const { return itemHeight_; }
  void setItemHeight(int height) { itemHeight_ = height; }

  // The line under the mouse at the last move (1-based; 1 at creation).
  int selectedNumber() const { return selected_; }
  // The line drawn in red (1-based; 1 at creation).
  int highlightedNumber() const { return highlighted_; }

  // Draws line `line` (0-based) in red and the previously highlighted line in black, and
  // makes `line + 1` the highlighted number. Lines outside 0 .. count-1 are ignored.
  void highlight(int line);

  // The font's height in the sense of a logical font description: negative, the character
  // height in pixels. It places the line boundaries of the mouse hit test.
  int fontHeight() const;

  // The 1-based line a pointer at y (pixels from the control's top) answers for, before the
  // range check (it may be below 1 or past the last line).
  int lineAt(int y) const;

 signals:
  // The mouse moved onto a different line (the new number is selectedNumber()).
  void OnNoSelectedChange();
  void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // Makes line n (1-based) the selected and red line, as a mouse move onto it does.
  void pointAt(int n);

  bool focusChosen_ = false;
  QStringList lines_;
  int itemHeight_ = 32;
  int selected_ = 1;
  int highlighted_ = 1;
};
