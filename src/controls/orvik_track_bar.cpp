#include "controls/orvik_track_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "controls/dialog_frame.h"
#include "controls/osb_button.h"
#include "controls/skin.h"

namespace {
constexpr int kRepeatMs = 200;
}  // namespace

TOrvikTrackBar::TOrvikTrackBar(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  thumb_ = new TOSBButton(this);
  thumb_->setGeometry(0, 0, 11, 24);
  thumb_->setMouseTracking(true);
  timer_ = new QTimer(this);
  timer_->setInterval(kRepeatMs);
  connect(timer_, &QTimer::timeout, this, &TOrvikTrackBar::repeatTick);
  connect(thumb_, &TOSBButton::mousePressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons, QPoint) { dragAllowed_ = true; });
  connect(thumb_, &TOSBButton::mouseMoved, this, [this](Qt::MouseButtons b, QPoint pos) {
    pointerMoved(b, thumb_->mapTo(this, pos).x());
  });
  connect(thumb_, &TOSBButton::mouseReleased, this, &TOrvikTrackBar::released);
  resize(200, 27);
  const orvik::TrackBarPictures pictures = orvik::trackBarPictures();
  setBegunok(pictures.thumb);
  setBegunokDown(pictures.thumbDown);
}

void TOrvikTrackBar::setBegunok(const QPixmap& picture) {
  thumbPicture_ = picture;
  thumb_->setBtnUp(picture);
  rebuildTicks();
  placeThumb();
}

void TOrvikTrackBar::setBegunokDown(const QPixmap& picture) {
  thumbDownPicture_ = picture;
  thumb_->setBtnDown(picture);
}

void TOrvikTrackBar::setColor(const QColor& color) {
  color_ = color;
  update();
}

void TOrvikTrackBar::setColorTicks(const QColor& color) {
  colorTicks_ = color;
  update();
}

void TOrvikTrackBar::setMinPos(int minPos) {
  minPos_ = std::max(1, minPos);
  rebuildTicks();
  update();
}

void TOrvikTrackBar::setMaxPos(int maxPos) {
  maxPos_ = maxPos;
  rebuildTicks();
  update();
}

void TOrvikTrackBar::setPosition(int position) {
  if (position < minPos_ || position > maxPos_)
    qWarning("TOrvikTrackBar::setPosition: %d outside %d..%d", position, minPos_, maxPos_);
  position_ = position;
  placeThumb();
}

void TOrvikTrackBar::setFirstBarPos(int x) {
  firstBarPos_ = x;
  rebuildTicks();
  placeThumb();
  update();
}

int TOrvikTrackBar::tick(int position) const {
  if (ticks_.isEmpty()) return firstBarPos_;
  const int i = std::clamp(position - minPos_, 0, static_cast<int>(ticks_.size()) - 1);
  return ticks_[i];
}

void TOrvikTrackBar::rebuildTicks() {
  const int n = maxPos_ - minPos_ + 1;
  const int f = firstBarPos_;
  if (n < 1) {
    ticks_ = {f};
    return;
  }
  ticks_ = QVector<int>(n, f);
  if (n == 1) return;
  const int travel = width() - thumb_->width();
  const int s = travel / (n - 1);
  auto at = [&](int position) -> int& { return ticks_[position - minPos_]; };
  if (s <= 1) {
    // Too many positions for two pixels each: spread them evenly over the travel.
    for (int i = 0; i < n; ++i) ticks_[i] = f + static_cast<int>((qint64(i) * travel) / (n - 1));
    return;
  }
  at(minPos_) = f;
  at(maxPos_) = travel + f;
  for (int i = minPos_ + 1; i < maxPos_; ++i) at(i) = (i - minPos_) * s + f;
  // The division leaves an excess before the last tick; widen every q-th gap by one pixel.
  int excess = at(maxPos_) - at(maxPos_ - 1) - s;
  if (excess <= 0) return;
  const int interior = n - 2;
  const int q = interior / excess;
  const int rr = interior % excess;
  if (q <= 0) return;
  for (int j = minPos_ + 1 + rr / 2; j <= maxPos_ - 2; ++j) {
    if (excess > 0 && (j - minPos_) % q == 0) {
      --excess;
      // The extra pixel that would use up the excess is left out: that gap stays s wide.
      at(j + 1) = at(j) + s + (excess > 0 ? 1 : 0);
    } else {
      at(j + 1) = at(j) + s;
    }
  }
}

void TOrvikTrackBar::placeThumb() {
  thumb_->move(tick(position_) - firstBarPos_, 0);
}

void TOrvikTrackBar::resizeEvent(QResizeEvent*) {
  rebuildTicks();
  placeThumb();
}

void TOrvikTrackBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width();
  p.fillRect(rect(), color_);
  p.fillRect(QRect(QPoint(0, 8), QPoint(w - 1, 12)), QColor(161, 154, 123));
  orvik::gdiPolyline(p, QColor(255, 255, 255), {{0, 13}, {0, 8}, {w, 8}});
  orvik::gdiPolyline(p, QColor(66, 61, 48), {{0, 13}, {w - 1, 13}, {w - 1, 7}});
  for (int i = minPos_; i <= maxPos_; ++i)
    orvik::gdiPolyline(p, colorTicks_, {{tick(i), 22}, {tick(i), 27}});
}

void TOrvikTrackBar::stepUp(int n) {
  position_ = std::min(maxPos_, position_ + n);
  placeThumb();
}

void TOrvikTrackBar::stepDown(int n) {
  position_ = std::max(minPos_, position_ - n);
  placeThumb();
}

void TOrvikTrackBar::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageUp:
      stepUp(pageSize_);
      break;
    case Qt::Key_PageDown:
      stepDown(pageSize_);
      break;
    case Qt::Key_Left:
    case Qt::Key_Down:
      stepDown(lineSize_);
      break;
    case Qt::Key_Up:
    case Qt::Key_Right:
      stepUp(lineSize_);
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void TOrvikTrackBar::mousePressEvent(QMouseEvent* event) {
  QPointer<TOrvikTrackBar> self(this);
  emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
  if (!self) return;
  if (event->button() == Qt::LeftButton) leftHeld_ = true;
  setFocus(Qt::MouseFocusReason);
  dragAllowed_ = false;
  timer_->start();
  pressX_ = event->position().toPoint().x();
  steppingUp_ = pressX_ >= thumb_->x() + thumb_->width();
  if (steppingUp_)
    stepUp(lineSize_);
  else
    stepDown(lineSize_);
}

void TOrvikTrackBar::repeatTick() {
  if (steppingUp_) {
    if (thumb_->x() + thumb_->width() < pressX_)
      stepUp(lineSize_);
    else
      timer_->stop();
  } else {
    if (pressX_ < thumb_->x() + firstBarPos_)
      stepDown(lineSize_);
    else
      timer_->stop();
  }
}

void TOrvikTrackBar::mouseMoveEvent(QMouseEvent* event) {
  pointerMoved(event->buttons(), event->position().toPoint().x());
}

void TOrvikTrackBar::pointerMoved(Qt::MouseButtons buttons, int x) {
  if (buttons == Qt::LeftButton && dragAllowed_ && maxPos_ > minPos_) {
    const int f = firstBarPos_;
    for (int i = minPos_; i < maxPos_; ++i) {
      if (tick(i) <= x && x < tick(i + 1) - f) {
        thumb_->move(tick(i) - f, 0);
        position_ = i;
        break;
      }
      if (tick(i + 1) - f <= x && x <= tick(i + 1)) {
        thumb_->move(tick(i + 1) - f, 0);
        position_ = i + 1;
        break;
      }
    }
    if (x < tick(minPos_)) {
      thumb_->move(0, 0);
      position_ = minPos_;
    }
    if (x >= tick(maxPos_)) {
      thumb_->move(width() - thumb_->width(), 0);
      position_ = maxPos_;
    }
  }
  emit changed();
}

void TOrvikTrackBar::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasHeld = leftHeld_;
  if (event->button() == Qt::LeftButton) leftHeld_ = false;
  QPointer<TOrvikTrackBar> self(this);
  released();
  emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
  if (self && event->button() == Qt::LeftButton && wasHeld &&
      rect().contains(event->position().toPoint()))
    emit clicked();
}

void TOrvikTrackBar::released() {
  timer_->stop();
  dragAllowed_ = true;
  thumb_->setPressed(false);
  thumb_->repaint();
}
