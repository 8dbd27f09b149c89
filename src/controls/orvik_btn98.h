#pragma once
// TOrvikBtn98: the skinned button every window is built from. It draws one of four pictures
// at its top-left corner without stretching (normal, hover, pressed, disabled), with an
// optional caption centred over the hover picture's rectangle; a disabled caption is engraved
// (white one pixel down-right under grey). It promises:
//  - mouseEntered() and mouseLeft() fire once per crossing of the border, not for every
//    enter or leave the system reports;
//  - with AllowDown the button latches: a press toggles the latch, and while latched it shows
//    the pressed picture and ignores hovering;
//  - a disabled button shows its disabled picture and ignores hover, press and hint;
//  - it takes the keyboard focus by Tab only (a mouse press leaves the focus where it is), and
//    Space or Enter clicks it while it has the focus; a window coming up does not hand its
//    focus to a button the user never went to, so its keys stay the window's own;
//  - a non-empty HintName pops up in the button's own hint window 500 ms after the pointer
//    arrives, 5 pixels below the button, and disappears after 2 s, on leaving or on a press;
//  - the hover picture follows the pointer even where the system reports no crossing: after a
//    click whose handler brought up a modal window, when the button's window is activated or
//    deactivated, shown or hidden, the button looks at where the pointer is and shows the
//    hover picture only while the pointer is over it and no other window covers or blocks it.
// A picture not given is not drawn (the parent shows through); a button given no picture at
// all wears the skin's plain plate of its size, so captioned buttons look right by default.

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "controls/skin.h"

class QTimer;
class TOBtnHintWindow;

class TOrvikBtn98 : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
  Q_PROPERTY(QString HintName READ HintName WRITE setHintName)
  Q_PROPERTY(bool AllowDown READ AllowDown WRITE setAllowDown)
  Q_PROPERTY(QColor Color READ Color WRITE setColor)
  Q_PROPERTY(QColor fontColor READ fontColor WRITE setFontColor)

 public:
  // Visual states.
  enum State { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

  explicit TOrvikBtn98(QWidget* parent = nullptr);
  ~TOrvikBtn98() override;

  // The four pictures; each assignment copies the picture and repaints.
  QPixmap btnNormal() const { return pictures_[Normal]; }
  void setBtnNormal(const QPixmap& picture);
  QPixmap btnUp() const { return pictures_[Hover]; }
  void setBtnUp(const QPixmap& picture);
  QPixmap btnDown() const { return pictures_[Pressed]; }
  void setBtnDown(const QPixmap& picture);
  QPixmap btnDeasble() const { return pictures_[Disabled]; }
  void setBtnDeasble(const QPixmap& picture);
  // All four at once, from the skin (see controls/skin.h).
  void setPictures(const orvik::ButtonPictures& pictures);

  // Latching (toggle) mode; off by default.
  bool AllowDown() const { return allowDown_; }
  void setAllowDown(bool allow) { allowDown_ = allow; }

  // Text of the button's own hint; empty means no hint. A change of text repaints a showing
  // hint window.
  QString HintName() const { return hintName_; }
  void setHintName(const QString& hint);

  // Caption drawn over the picture, a single line centred in the hover picture's rectangle.
  // The caption's font is the widget's font (setFont); a change of either repaints.
  QString Caption() const { return caption_; }
  void setCaption(const QString& caption);

  // Colour of the caption in the normal, hover and pressed states; (110,92,34) by default.
  QColor fontColor() const { return fontColor_; }
  void setFontColor(const QColor& color);

  // The brush colour while drawing; kept for the windows' designs, it paints nothing itself.
  QColor Color() const { return color_; }
  void setColor(const QColor& color) { color_ = color; }

  // Visual state (State). setState changes it without repainting.
  int state() const { return state_; }
  void setState(int state);

  // Latched flag. setLatched(true) gives the pressed state, false the normal one, and
  // repaints.
  bool latched() const { return latched_; }
  void setLatched(bool latched);

  // The hint window (owned, created with the button) and its timers. The show timer waits
  // the 500 ms after entry; the hide timer (2000 ms) exists from the first hint on and is
  // null before. Tests tick them through showHintNow() and hideHintNow().
  TOBtnHintWindow* hintWindow() const { return hintWindow_; }
  QTimer* hintShowTimer() const { return showTimer_; }
  QTimer* hintHideTimer() const { return hideTimer_; }
  // What the show timer's tick does: show the hint now (nothing when HintName is empty).
  void showHintNow();
  // What the hide timer's tick does: hide the hint window and stop the hide timer.
  void hideHintNow();

  // What a left press and release inside the button do, without the mouse: toggles the latch
  // of a latching button and fires clicked(). Nothing for a disabled button.
  void click();

  // True when the pointer is over the button and reaches it: the button is shown and enabled,
  // the window under the pointer is the button's own, and no modal window blocks that window.
  bool pointerOver() const;
  // Brings the hover state in line with pointerOver(), firing mouseEntered() or mouseLeft()
  // when that counts as a crossing. A disabled or latched button is left as it is.
  void followPointer();

 signals:
  // A left press and release inside the button (not while disabled).
  void clicked();
  void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  // Fired once when the pointer crosses into the button, once when it crosses out.
  void mouseEntered();
  void mouseLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

  // True between a left press and its release: the button holds the mouse.
  bool holdsMouse() const { return leftHeld_; }

 private:
  void setPicture(State which, const QPixmap& picture);
  void startHint();
  void cancelHint();
  void enterHover();
  void leaveHover();

  QPixmap pictures_[4];
  bool allowDown_ = false;
  QString hintName_;
  QString caption_;
  QColor fontColor_{110, 92, 34};
  QColor color_{238, 230, 201};
  int state_ = Normal;
  bool latched_ = false;
  bool entered_ = false;
  bool left_ = true;
  bool leftHeld_ = false;
  bool focusChosen_ = false;  // the focus came here by the keyboard or the program
  TOBtnHintWindow* hintWindow_ = nullptr;
  QTimer* showTimer_ = nullptr;
  QTimer* hideTimer_ = nullptr;
};
