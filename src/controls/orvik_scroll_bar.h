#pragma once
// TOrvikScrollBar: the skinned scroll bar of lists, panes and find windows. Two arrow buttons
// and a thumb (TOSBButton children) on a coloured track. The thumb's size comes from its
// picture, never from the page size; positions map onto the thumb's travel so that every
// position has its own pixel when there is room and neighbouring positions share pixels when
// there is not (positionToPixel, pixelToPosition).
//
// It promises: a press on an arrow steps one line at once, again after 300 ms and then every
// 50 ms until released or at the end of the range, where it stops without reporting; a press
// on the track pages towards the pointer the same way, darkening the track being paged over,
// and stops when the thumb reaches the pointer; dragging the thumb with the left button
// tracks the pointer. After each change scrolled() reports the scroll code and a reference
// to the bar's own position, which a handler may change (the thumb stays where it is).
//
// Scroll codes: 0 line up, 1 line down, 2 page up, 3 page down, 5 thumb track.

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include "controls/skin.h"

class QTimer;
class TOSBButton;

enum TOScrollBarKind { osbVertical, osbHorizontal };

class TOrvikScrollBar : public QWidget {
  Q_OBJECT
 public:
  enum ScrollCode { scLineUp = 0, scLineDown = 1, scPageUp = 2, scPageDown = 3, scTrack = 5 };
  // The scroll action in progress or last taken.
  enum Action { NoAction = 0, LineUp = 1, LineDown = 2, Drag = 3, PageUp = 4, PageDown = 5 };

  // 15 wide by 250 high, vertical, with the standard skin's pictures.
  explicit TOrvikScrollBar(QWidget* parent = nullptr);

  // Orientation; setting it only stores it (give the matching pictures too).
  TOScrollBarKind Kind() const { return kind_; }
  void setKind(TOScrollBarKind kind) { kind_ = kind; }

  // The six pictures. Each assignment copies the picture and hands it to its child, which
  // takes the picture's size.
  QPixmap btnLineUp() const { return lineUp_; }
  void setBtnLineUp(const QPixmap& picture);
  QPixmap btnLineUp_Down() const { return lineUpDown_; }
  void setBtnLineUp_Down(const QPixmap& picture);
  QPixmap btnLineDown() const { return lineDown_; }
  void setBtnLineDown(const QPixmap& picture);
  QPixmap btnLineDown_Down() const { return lineDownDown_; }
  void setBtnLineDown_Down(const QPixmap& picture);
  QPixmap Begunok() const { return thumb_; }
  void setBegunok(const QPixmap& picture);
  QPixmap BegunokDown() const { return thumbDown_; }
  void setBegunokDown(const QPixmap& picture);
  // All six from the skin; also places the children again.
  void setPictures(const orvik::ScrollBarPictures& pictures);

  // Track colour and the colour of the part being paged over; setting only stores.
  QColor Color() const { return color_; }
  void setColor(const QColor& color) { color_ = color; }
  QColor DarkColor() const { return darkColor_; }
  void setDarkColor(const QColor& color) { darkColor_ = color; }

  // Range. Setting Min or Max clamps Position into the new range without moving the thumb or
  // repainting: owners set Max, then Position.
  int Min() const { return min_; }
  void setMin(int min);
  int Max() const { return max_; }
  void setMax(int max);
  // Setting Position clamps it to [Min, Max] and moves the thumb.
  int Position() const { return position_; }
  void setPosition(int position);
  // Line and page steps, 1..32767 (other values are brought into that range).
  int SmallChange() const { return smallChange_; }
  void setSmallChange(int step);
  int LargeChange() const { return largeChange_; }
  void setLargeChange(int step);

  // The thumb's top (or left) for a position, and the position for a thumb top (or left)
  // strictly inside the travel.
  int positionToPixel(int position) const;
  int pixelToPosition(int pixel) const;

  // Children and internal state, for the owning window's layout and for tests.
  TOSBButton* upButton() const { return up_; }
  TOSBButton* downButton() const { return down_; }
  TOSBButton* thumb() const { return thumbButton_; }
  int scrollAction() const { return action_; }
  bool dragAllowed() const { return dragAllowed_; }
  // The repeat timer (300 ms at first, 50 ms while repeating) and what its tick does.
  QTimer* repeatTimer() const { return timer_; }
  void repeatTick();

 signals:
  void scrolled(int scrollCode, int& scrollPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Extent along the bar of a widget or of the bar itself.
  int along(const QWidget* w) const;
  int alongCoord(QPoint p) const;
  void placeArrows();
  void moveThumbTo(int pixel);
  void fire(int code);
  void stopTimer();
  void armTimer();
  // One step of each repeating action; false when the action has ended.
  bool lineStep(bool up);
  bool pageUpStep();
  bool pageDownStep();
  void arrowPressed(bool up, Qt::MouseButton button);
  void thumbPressed(QPoint posInThumb);
  void dragTo(Qt::MouseButtons buttons, QPoint posInBar);
  void releasedOverBar();
  void trackRepaint();
  void pagingRepaint();

  TOScrollBarKind kind_ = osbVertical;
  QPixmap lineUp_, lineUpDown_, lineDown_, lineDownDown_, thumb_, thumbDown_;
  QColor color_{238, 230, 201};
  QColor darkColor_{148, 139, 110};
  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 2;
  TOSBButton* up_ = nullptr;
  TOSBButton* down_ = nullptr;
  TOSBButton* thumbButton_ = nullptr;
  QTimer* timer_ = nullptr;
  int action_ = NoAction;
  bool dragAllowed_ = false;
  bool paging_ = false;  // the paged-over part is darkened
  int pressCoord_ = 0;
  int grabOffset_ = 0;
};
