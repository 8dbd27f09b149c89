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
  TOScrollBarKind Kind() const { return m_kind; }
  void setKind(TOScrollBarKind kind) { m_kind = kind; }

  // The six pictures. Each assignment copies the picture and hands it to its child, which
  // takes the picture's size.
  QPixmap btnLineUp() const { return m_lineUp; }
  void setBtnLineUp(const QPixmap& picture);
  QPixmap btnLineUp_Down() const { return m_lineUpDown; }
  void setBtnLineUp_Down(const QPixmap& picture);
  QPixmap btnLineDown() const { return m_lineDown; }
  void setBtnLineDown(const QPixmap& picture);
  QPixmap btnLineDown_Down() const { return m_lineDownDown; }
  void setBtnLineDown_Down(const QPixmap& picture);
  QPixmap Begunok() const { return m_thumb; }
  void setBegunok(const QPixmap& picture);
  QPixmap BegunokDown() const { return m_thumbDown; }
  void setBegunokDown(const QPixmap& picture);
  // All six from the skin; also places the children again.
  void setPictures(const orvik::ScrollBarPictures& pictures);

  // Track colour and the colour of the part being paged over; setting only stores.
  QColor Color() const { return m_color; }
  void setColor(const QColor& color) { m_color = color; }
  QColor DarkColor() const { return m_darkColor; }
  void setDarkColor(const QColor& color) { m_darkColor = color; }

  // Range. Setting Min or Max clamps Position into the new range without moving the thumb or
  // repainting: owners set Max, then Position.
  int Min() const { return m_min; }
  void setMin(int min);
  int Max() const { return m_max; }
  void setMax(int max);
  // Setting Position clamps it to [Min, Max] and moves the thumb.
  int Position() const { return m_position; }
  void setPosition(int position);
  // Line and page steps, 1..32767 (other values are brought into that range).
  int SmallChange() const { return m_smallChange; }
  void setSmallChange(int step);
  int LargeChange() const { return m_largeChange; }
  void setLargeChange(int step);

  // The thumb's top (or left) for a position, and the position for a thumb top (or left)
  // strictly inside the travel.
  int positionToPixel(int position) const;
  int pixelToPosition(int pixel) const;

  // Children and internal state, for the owning window's layout and for tests.
  TOSBButton* upButton() const { return m_up; }
  TOSBButton* downButton() const { return m_down; }
  TOSBButton* thumb() const { return m_thumbButton; }
  int scrollAction() const { return m_action; }
  bool dragAllowed() const { return m_dragAllowed; }
  // The repeat timer (300 ms at first, 50 ms while repeating) and what its tick does.
  QTimer* repeatTimer() const { return m_timer; }
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

  TOScrollBarKind m_kind = osbVertical;
  QPixmap m_lineUp, m_lineUpDown, m_lineDown, m_lineDownDown, m_thumb, m_thumbDown;
  QColor m_color{238, 230, 201};
  QColor m_darkColor{148, 139, 110};
  int m_min = 0;
  int m_max = 10;
  int m_position = 0;
  int m_smallChange = 1;
  int m_largeChange = 2;
  TOSBButton* m_up = nullptr;
  TOSBButton* m_down = nullptr;
  TOSBButton* m_thumbButton = nullptr;
  QTimer* m_timer = nullptr;
  int m_action = NoAction;
  bool m_dragAllowed = false;
  bool m_paging = false;  // the paged-over part is darkened
  int m_pressCoord = 0;
  int m_grabOffset = 0;
};
