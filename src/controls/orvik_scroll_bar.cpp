#include "controls/orvik_scroll_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "controls/osb_button.h"

namespace {
constexpr int kFirstRepeatMs = 300;
constexpr int kNextRepeatMs = 50;
}  // namespace

TOrvikScrollBar::TOrvikScrollBar(QWidget* parent) : QWidget(parent) {
  up_ = new TOSBButton(this);
  down_ = new TOSBButton(this);
  thumbButton_ = new TOSBButton(this);
  timer_ = new QTimer(this);
  timer_->setInterval(kFirstRepeatMs);
  connect(timer_, &QTimer::timeout, this, &TOrvikScrollBar::repeatTick);

  connect(up_, &TOSBButton::mousePressed, this,
          [this](Qt::MouseButton b, Qt::MouseButtons, QPoint) { arrowPressed(true, b); });
  connect(down_, &TOSBButton::mousePressed, this,
          [this](Qt::MouseButton b, Qt::MouseButtons, QPoint) { arrowPressed(false, b); });
  connect(up_, &TOSBButton::mouseReleased, this, &TOrvikScrollBar::stopTimer);
  connect(down_, &TOSBButton::mouseReleased, this, &TOrvikScrollBar::stopTimer);
  // The bar takes over the mouse once the thumb is pressed: the thumb's moves and release
  // are the bar's.
  connect(thumbButton_, &TOSBButton::mousePressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons, QPoint pos) { thumbPressed(pos); });
  connect(thumbButton_, &TOSBButton::mouseMoved, this,
          [this](Qt::MouseButtons b, QPoint pos) { dragTo(b, thumbButton_->mapTo(this, pos)); });
  connect(thumbButton_, &TOSBButton::mouseReleased, this, &TOrvikScrollBar::releasedOverBar);

  resize(15, 250);
  setPictures(orvik::scrollBarPictures(orvik::ScrollSkin::Standard, false));
}

void TOrvikScrollBar::setBtnLineUp(const QPixmap& picture) {
  lineUp_ = picture;
  up_->setBtnUp(picture);
  placeArrows();
}
void TOrvikScrollBar::setBtnLineUp_Down(const QPixmap& picture) {
  lineUpDown_ = picture;
  up_->setBtnDown(picture);
}
void TOrvikScrollBar::setBtnLineDown(const QPixmap& picture) {
  lineDown_ = picture;
  down_->setBtnUp(picture);
  placeArrows();
}
void TOrvikScrollBar::setBtnLineDown_Down(const QPixmap& picture) {
  lineDownDown_ = picture;
  down_->setBtnDown(picture);
}
void TOrvikScrollBar::setBegunok(const QPixmap& picture) {
  thumb_ = picture;
  thumbButton_->setBtnUp(picture);
}
void TOrvikScrollBar::setBegunokDown(const QPixmap& picture) {
  thumbDown_ = picture;
  thumbButton_->setBtnDown(picture);
}

void TOrvikScrollBar::setPictures(const orvik::ScrollBarPictures& pictures) {
  setBtnLineUp(pictures.lineUp);
  setBtnLineUp_Down(pictures.lineUpDown);
  setBtnLineDown(pictures.lineDown);
  setBtnLineDown_Down(pictures.lineDownDown);
  setBegunok(pictures.thumb);
  setBegunokDown(pictures.thumbDown);
  moveThumbTo(positionToPixel(position_));
  update();
}

void TOrvikScrollBar::setMin(int min) {
  min_ = min;
  position_ = std::clamp(position_, min_, std::max(min_, max_));
}

void TOrvikScrollBar::setMax(int max) {
  max_ = max;
  position_ = std::clamp(position_, std::min(min_, max_), max_);
}

void TOrvikScrollBar::setPosition(int position) {
  position_ = std::clamp(position, min_, std::max(min_, max_));
  moveThumbTo(positionToPixel(position_));
}

void TOrvikScrollBar::setSmallChange(int step) {
  smallChange_ = std::clamp(step, 1, 32767);
}
void TOrvikScrollBar::setLargeChange(int step) {
  largeChange_ = std::clamp(step, 1, 32767);
}

int TOrvikScrollBar::along(const QWidget* w) const {
  return kind_ == osbVertical ? w->height() : w->width();
}

int TOrvikScrollBar::alongCoord(QPoint p) const {
  return kind_ == osbVertical ? p.y() : p.x();
}

int TOrvikScrollBar::positionToPixel(int v) const {
  const int u = along(up_);
  const int d = along(down_);
  const int t = along(thumbButton_);
  const int length = along(this);
  const int travel = length - u - d - t;
  const int end = length - d - t;
  if (v <= min_) return u;
  if (v >= max_) return end;
  // A bar too short for its thumb has no travel: everything sits at the start.
  if (travel <= 0) return u;
  const int n = max_ - min_ + 1;
  const int range = max_ - min_;
  const int i = v - min_;
  if (n == 1 || travel < n) {
    // More positions than pixels: the first r pixels hold q + 1 positions, the rest q.
    const int q = n / travel;
    const int r = n % travel;
    if (i <= (q + 1) * r) return u + i / (q + 1);
    return u + r + (i - (q + 1) * r) / q;
  }
  // Pixels to spare: the first e steps are one pixel wider than the others.
  const int s = travel / range;
  const int e = travel % range;
  if (e == 0) return u + i * s;
  if (i <= e) return u + i * (s + 1);
  return u + e + i * s;
}

int TOrvikScrollBar::pixelToPosition(int x) const {
  const int u = along(up_);
  const int d = along(down_);
  const int t = along(thumbButton_);
  const int length = along(this);
  const int travel = length - u - d - t;
  if (travel <= 0 || max_ <= min_) return min_;
  const int n = max_ - min_ + 1;
  const int range = max_ - min_;
  const int j = x - u;
  int v;
  if (n == 1 || travel < n) {
    const int q = n / travel;
    const int r = n % travel;
    v = j <= r ? min_ + j * (q + 1) : min_ + r * (q + 1) + (j - r) * q;
  } else {
    const int s = travel / range;
    const int e = travel % range;
    if (e == 0)
      v = min_ + j / s;
    else if (j <= (s + 1) * e)
      v = min_ + j / (s + 1);
    else
      v = min_ + e + (j - (s + 1) * e) / s;
  }
  return std::clamp(v, min_, max_);
}

void TOrvikScrollBar::placeArrows() {
  up_->move(0, 0);
  if (kind_ == osbVertical)
    down_->move(0, height() - down_->height());
  else
    down_->move(width() - down_->width(), 0);
}

void TOrvikScrollBar::moveThumbTo(int pixel) {
  if (kind_ == osbVertical)
    thumbButton_->move(0, pixel);
  else
    thumbButton_->move(pixel, 0);
}

void TOrvikScrollBar::resizeEvent(QResizeEvent*) {
  placeArrows();
  moveThumbTo(positionToPixel(position_));
}

void TOrvikScrollBar::paintEvent(QPaintEvent*) {
  placeArrows();
  // Until the user first scrolls, the thumb follows the position at every paint; afterwards
  // only the scrolling actions and setPosition move it.
  if (action_ == NoAction) moveThumbTo(positionToPixel(position_));
  QPainter p(this);
  p.fillRect(rect(), color_);
  if (!paging_) return;
  const int start = along(up_);
  const int thumbStart = alongCoord(thumbButton_->pos());
  const int thumbEnd = thumbStart + along(thumbButton_);
  const int end = along(this) - along(down_);
  const QColor before = action_ == PageUp ? darkColor_ : color_;
  const QColor after = action_ == PageDown ? darkColor_ : color_;
  if (kind_ == osbVertical) {
    p.fillRect(QRect(0, start, width(), thumbStart - start), before);
    p.fillRect(QRect(0, thumbEnd, width(), end - thumbEnd), after);
  } else {
    p.fillRect(QRect(start, 0, thumbStart - start, height()), before);
    p.fillRect(QRect(thumbEnd, 0, end - thumbEnd, height()), after);
  }
}

void TOrvikScrollBar::trackRepaint() {
  paging_ = false;
  update();
}

void TOrvikScrollBar::pagingRepaint() {
  paging_ = true;
  update();
}

void TOrvikScrollBar::fire(int code) {
  emit scrolled(code, position_);
}

void TOrvikScrollBar::stopTimer() {
  timer_->stop();
  timer_->setInterval(kFirstRepeatMs);
}

void TOrvikScrollBar::armTimer() {
  timer_->setInterval(kFirstRepeatMs);
  timer_->start();
}

bool TOrvikScrollBar::lineStep(bool up) {
  action_ = up ? LineUp : LineDown;
  if (position_ == (up ? min_ : max_)) {
    stopTimer();
    return false;
  }
  position_ =
      up ? std::max(min_, position_ - smallChange_) : std::min(max_, position_ + smallChange_);
  moveThumbTo(positionToPixel(position_));
  fire(up ? scLineUp : scLineDown);
  return true;
}

bool TOrvikScrollBar::pageUpStep() {
  action_ = PageUp;
  if (position_ == min_) {
    stopTimer();
    fire(scPageUp);
    trackRepaint();
    return false;
  }
  timer_->setInterval(kNextRepeatMs);
  position_ = std::max(min_, position_ - largeChange_);
  moveThumbTo(positionToPixel(position_));
  if (alongCoord(thumbButton_->pos()) > pressCoord_) {
    pagingRepaint();
    fire(scPageUp);
    return true;
  }
  stopTimer();
  fire(scPageUp);
  trackRepaint();
  return false;
}

bool TOrvikScrollBar::pageDownStep() {
  action_ = PageDown;
  if (position_ == max_) {
    stopTimer();
    trackRepaint();
    return false;
  }
  timer_->setInterval(kNextRepeatMs);
  position_ = std::min(max_, position_ + largeChange_);
  moveThumbTo(positionToPixel(position_));
  if (alongCoord(thumbButton_->pos()) < pressCoord_) {
    pagingRepaint();
    fire(scPageDown);
    return true;
  }
  stopTimer();
  fire(scPageDown);
  trackRepaint();
  return false;
}

void TOrvikScrollBar::repeatTick() {
  switch (action_) {
    case LineUp:
    case LineDown:
      if (position_ != (action_ == LineUp ? min_ : max_)) timer_->setInterval(kNextRepeatMs);
      lineStep(action_ == LineUp);
      break;
    case PageUp:
      pageUpStep();
      break;
    case PageDown:
      pageDownStep();
      break;
    default:
      timer_->stop();
      break;
  }
}

void TOrvikScrollBar::arrowPressed(bool up, Qt::MouseButton) {
  // The arrow itself shows its pressed picture for the left button only.
  QPointer<TOrvikScrollBar> self(this);
  lineStep(up);
  if (self) armTimer();
}

void TOrvikScrollBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int coord = alongCoord(event->position().toPoint());
  const int thumbStart = alongCoord(thumbButton_->pos());
  const int thumbEnd = thumbStart + along(thumbButton_);
  dragAllowed_ = false;
  pressCoord_ = coord;
  QPointer<TOrvikScrollBar> self(this);
  // The first step happens at once; only when it leaves the thumb short of the pointer does
  // the repetition start, so a held press never pages past the pointer.
  if (coord < thumbStart) {
    if (pageUpStep() && self) armTimer();
  } else if (coord >= thumbEnd) {
    if (pageDownStep() && self) armTimer();
  }
}

void TOrvikScrollBar::thumbPressed(QPoint posInThumb) {
  grabOffset_ = alongCoord(posInThumb);
  dragAllowed_ = true;
}

void TOrvikScrollBar::mouseMoveEvent(QMouseEvent* event) {
  dragTo(event->buttons(), event->position().toPoint());
}

void TOrvikScrollBar::dragTo(Qt::MouseButtons buttons, QPoint posInBar) {
  if (!dragAllowed_ || buttons != Qt::LeftButton) return;
  action_ = Drag;
  const int g = alongCoord(posInBar) - grabOffset_;
  const int first = positionToPixel(min_);
  const int last = positionToPixel(max_);
  if (first < g && g < last) {
    moveThumbTo(g);
    position_ = pixelToPosition(g);
  } else if (g >= last) {
    position_ = max_;
    moveThumbTo(last);
  } else {
    position_ = min_;
    moveThumbTo(first);
  }
  fire(scTrack);
}

void TOrvikScrollBar::mouseReleaseEvent(QMouseEvent*) {
  releasedOverBar();
}

void TOrvikScrollBar::releasedOverBar() {
  trackRepaint();
  timer_->stop();
  dragAllowed_ = true;
  // The thumb keeps its pressed look until it next sees a release of its own.
  thumbButton_->setPressed(true);
  thumbButton_->repaint();
}
