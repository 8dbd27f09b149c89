#pragma once
// TOrvikTrackBar: the skinned slider of the settings dialog and the auto-play panel. A thumb
// (TOSBButton) slides over a groove and snaps to ticks, one per position; the ticks are spread
// over the bar's width so that every gap is the same or one pixel wider (tick()).
//
// It promises: a press on the groove steps one line towards the pointer at once and then every
// 200 ms until the thumb reaches the pointer or the press ends; dragging the thumb with the
// left button snaps it to the nearest tick to the left of the pointer; Page Up/Down step by
// PageSize, the arrow keys by LineSize; changed() fires on every pointer movement over the
// bar, whether or not anything moved.

#include <QColor>
#include <QPixmap>
#include <QVector>
#include <QWidget>

class QTimer;
class TOSBButton;

class TOrvikTrackBar : public QWidget {
  Q_OBJECT
 public:
  // 200 by 27, positions 1 to 10, first tick at x 5, with the skin's thumb.
  explicit TOrvikTrackBar(QWidget* parent = nullptr);

  // Thumb pictures; the thumb takes the size of Begunok.
  QPixmap Begunok() const { return thumbPicture_; }
  void setBegunok(const QPixmap& picture);
  QPixmap BegunokDown() const { return thumbDownPicture_; }
  void setBegunokDown(const QPixmap& picture);

  // Background and tick colours; setting repaints.
  QColor Color() const { return color_; }
  void setColor(const QColor& color);
  QColor ColorTicks() const { return colorTicks_; }
  void setColorTicks(const QColor& color);

  // Range (MinPos never below 1); setting either rebuilds the ticks and repaints.
  int MinPos() const { return minPos_; }
  void setMinPos(int minPos);
  int MaxPos() const { return maxPos_; }
  void setMaxPos(int maxPos);
  // Stores the position and moves the thumb to its tick. Callers pass a position within
  // [MinPos, MaxPos]; one outside is kept but the thumb goes to the nearest end.
  int Position() const { return position_; }
  void setPosition(int position);
  int PageSize() const { return pageSize_; }
  void setPageSize(int size) { pageSize_ = size; }
  int LineSize() const { return lineSize_; }
  void setLineSize(int size) { lineSize_ = size; }
  // The x of the first tick; the thumb's left is a tick's x minus this.
  int FirstBarPos() const { return firstBarPos_; }
  void setFirstBarPos(int x);

  // The x of the tick of a position in [MinPos, MaxPos], from the table built for the
  // current width and thumb.
  int tick(int position) const;
  TOSBButton* thumb() const { return thumb_; }
  bool dragAllowed() const { return dragAllowed_; }
  // The 200 ms repeat timer of a press on the groove, and what its tick does.
  QTimer* repeatTimer() const { return timer_; }
  void repeatTick();

 signals:
  // OnChange: every pointer movement over the bar.
  void changed();
  void clicked();
  void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void rebuildTicks();
  void placeThumb();
  void stepUp(int n);
  void stepDown(int n);
  void pointerMoved(Qt::MouseButtons buttons, int x);
  void released();

  QPixmap thumbPicture_, thumbDownPicture_;
  QColor color_{238, 230, 201};
  QColor colorTicks_{66, 61, 48};
  int minPos_ = 1;
  int maxPos_ = 10;
  int position_ = 1;
  int pageSize_ = 1;
  int lineSize_ = 1;
  int firstBarPos_ = 5;
  QVector<int> ticks_;  // ticks_[i - MinPos] is the x of position i's tick
  TOSBButton* thumb_ = nullptr;
  QTimer* timer_ = nullptr;
  bool dragAllowed_ = false;
  bool steppingUp_ = false;
  int pressX_ = 0;
  bool leftHeld_ = false;
};
