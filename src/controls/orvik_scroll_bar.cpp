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
  m_up = new TOSBButton(this);
  m_down = new TOSBButton(this);
  m_thumbButton = new TOSBButton(this);
  m_timer = new QTimer(this);
  m_timer->setInterval(kFirstRepeatMs);
  connect(m_timer, &QTimer::timeout, this, &TOrvikScrollBar::repeatTick);

  connect(m_up, &TOSBButton::mousePressed, this,
          [this](Qt::MouseButton b, Qt::MouseButtons, QPoint) { arrowPressed(true, b); });
  connect(m_down, &TOSBButton::mousePressed, this,
          [this](Qt::MouseButton b, Qt::MouseButtons, QPoint) { arrowPressed(false, b); });
  connect(m_up, &TOSBButton::mouseReleased, this, &TOrvikScrollBar::stopTimer);
  connect(m_down, &TOSBButton::mouseReleased, this, &TOrvikScrollBar::stopTimer);
  // The bar takes over the mouse once the thumb is pressed: the thumb's moves and release
  // are the bar's.
  connect(m_thumbButton, &TOSBButton::mousePressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons, QPoint pos) { thumbPressed(pos); });
  connect(m_thumbButton, &TOSBButton::mouseMoved, this,
          [this](Qt::MouseButtons b, QPoint pos) { dragTo(b, m_thumbButton->mapTo(this, pos)); });
  connect(m_thumbButton, &TOSBButton::mouseReleased, this, &TOrvikScrollBar::releasedOverBar);

  resize(15, 250);
  setPictures(orvik::scrollBarPictures(orvik::ScrollSkin::Standard, false));
}

void TOrvikScrollBar::setBtnLineUp(const QPixmap& picture) {
  m_lineUp = picture;
  m_up->setBtnUp(picture);
  placeArrows();
}
void TOrvikScrollBar::setBtnLineUp_Down(const QPixmap& picture) {
  m_lineUpDown = picture;
  m_up->setBtnDown(picture);
}
void TOrvikScrollBar::setBtnLineDown(const QPixmap& picture) {
  m_lineDown = picture;
  m_down->setBtnUp(picture);
  placeArrows();
}
void TOrvikScrollBar::setBtnLineDown_Down(const QPixmap& picture) {
  m_lineDownDown = picture;
  m_down->setBtnDown(picture);
}
void TOrvikScrollBar::setBegunok(const QPixmap& picture) {
  m_thumb = picture;
  m_thumbButton->setBtnUp(picture);
}
void TOrvikScrollBar::setBegunokDown(const QPixmap& picture) {
  m_thumbDown = picture;
  m_thumbButton->setBtnDown(picture);
}

void TOrvikScrollBar::setPictures(const orvik::ScrollBarPictures& pictures) {
  setBtnLineUp(pictures.lineUp);
  setBtnLineUp_Down(pictures.lineUpDown);
  setBtnLineDown(pictures.lineDown);
  setBtnLineDown_Down(pictures.lineDownDown);
  setBegunok(pictures.thumb);
  setBegunokDown(pictures.thumbDown);
  moveThumbTo(positionToPixel(m_position));
  update();
}

void TOrvikScrollBar::setMin(int min) {
  m_min = min;
  m_position = std::clamp(m_position, m_min, std::max(m_min, m_max));
}

void TOrvikScrollBar::setMax(int max) {
  m_max = max;
  m_position = std::clamp(m_position, std::min(m_min, m_max), m_max);
}

void TOrvikScrollBar::setPosition(int position) {
  m_position = std::clamp(position, m_min, std::max(m_min, m_max));
  moveThumbTo(positionToPixel(m_position));
}

void TOrvikScrollBar::setSmallChange(int step) {
  m_smallChange = std::clamp(step, 1, 32767);
}
void TOrvikScrollBar::setLargeChange(int step) {
  m_largeChange = std::clamp(step, 1, 32767);
}

int TOrvikScrollBar::along(const QWidget* w) const {
  return m_kind == osbVertical ? w->height() : w->width();
}

int TOrvikScrollBar::alongCoord(QPoint p) const {
  return m_kind == osbVertical ? p.y() : p.x();
}

int TOrvikScrollBar::positionToPixel(int v) const {
  const int u = along(m_up);
  const int d = along(m_down);
  const int t = along(m_thumbButton);
  const int length = along(this);
  const int travel = length - u - d - t;
  const int end = length - d - t;
  if (v <= m_min) return u;
  if (v >= m_max) return end;
  // A bar too short for its thumb has no travel: everything sits at the start.
  if (travel <= 0) return u;
  const int n = m_max - m_min + 1;
  const int range = m_max - m_min;
  const int i = v - m_min;
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
  const int u = along(m_up);
  const int d = along(m_down);
  const int t = along(m_thumbButton);
  const int length = along(this);
  const int travel = length - u - d - t;
  if (travel <= 0 || m_max <= m_min) return m_min;
  const int n = m_max - m_min + 1;
  const int range = m_max - m_min;
  const int j = x - u;
  int v;
  if (n == 1 || travel < n) {
    const int q = n / travel;
    const int r = n % travel;
    v = j <= r ? m_min + j * (q + 1) : m_min + r * (q + 1) + (j - r) * q;
  } else {
    const int s = travel / range;
    const int e = travel % range;
    if (e == 0)
      v = m_min + j / s;
    else if (j <= (s + 1) * e)
      v = m_min + j / (s + 1);
    else
      v = m_min + e + (j - (s + 1) * e) / s;
  }
  return std::clamp(v, m_min, m_max);
}

void TOrvikScrollBar::placeArrows() {
  m_up->move(0, 0);
  if (m_kind == osbVertical)
    m_down->move(0, height() - m_down->height());
  else
    m_down->move(width() - m_down->width(), 0);
}

void TOrvikScrollBar::moveThumbTo(int pixel) {
  if (m_kind == osbVertical)
    m_thumbButton->move(0, pixel);
  else
    m_thumbButton->move(pixel, 0);
}

void TOrvikScrollBar::resizeEvent(QResizeEvent*) {
  placeArrows();
  moveThumbTo(positionToPixel(m_position));
}

void TOrvikScrollBar::paintEvent(QPaintEvent*) {
  placeArrows();
  // Until the user first scrolls, the thumb follows the position at every paint; afterwards
  // only the scrolling actions and setPosition move it.
  if (m_action == NoAction) moveThumbTo(positionToPixel(m_position));
  QPainter p(this);
  p.fillRect(rect(), m_color);
  if (!m_paging) return;
  const int start = along(m_up);
  const int thumbStart = alongCoord(m_thumbButton->pos());
  const int thumbEnd = thumbStart + along(m_thumbButton);
  const int end = along(this) - along(m_down);
  const QColor before = m_action == PageUp ? m_darkColor : m_color;
  const QColor after = m_action == PageDown ? m_darkColor : m_color;
  if (m_kind == osbVertical) {
    p.fillRect(QRect(0, start, width(), thumbStart - start), before);
    p.fillRect(QRect(0, thumbEnd, width(), end - thumbEnd), after);
  } else {
    p.fillRect(QRect(start, 0, thumbStart - start, height()), before);
    p.fillRect(QRect(thumbEnd, 0, end - thumbEnd, height()), after);
  }
}

void TOrvikScrollBar::trackRepaint() {
  m_paging = false;
  update();
}

void TOrvikScrollBar::pagingRepaint() {
  m_paging = true;
  update();
}

void TOrvikScrollBar::fire(int code) {
  emit scrolled(code, m_position);
}

void TOrvikScrollBar::stopTimer() {
  m_timer->stop();
  m_timer->setInterval(kFirstRepeatMs);
}

void TOrvikScrollBar::armTimer() {
  m_timer->setInterval(kFirstRepeatMs);
  m_timer->start();
}

bool TOrvikScrollBar::lineStep(bool up) {
  m_action = up ? LineUp : LineDown;
  if (m_position == (up ? m_min : m_max)) {
    stopTimer();
    return false;
  }
  m_position = up ? std::max(m_min, m_position - m_smallChange)
                  : std::min(m_max, m_position + m_smallChange);
  moveThumbTo(positionToPixel(m_position));
  fire(up ? scLineUp : scLineDown);
  return true;
}

bool TOrvikScrollBar::pageUpStep() {
  m_action = PageUp;
  if (m_position == m_min) {
    stopTimer();
    fire(scPageUp);
    trackRepaint();
    return false;
  }
  m_timer->setInterval(kNextRepeatMs);
  m_position = std::max(m_min, m_position - m_largeChange);
  moveThumbTo(positionToPixel(m_position));
  if (alongCoord(m_thumbButton->pos()) > m_pressCoord) {
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
  m_action = PageDown;
  if (m_position == m_max) {
    stopTimer();
    trackRepaint();
    return false;
  }
  m_timer->setInterval(kNextRepeatMs);
  m_position = std::min(m_max, m_position + m_largeChange);
  moveThumbTo(positionToPixel(m_position));
  if (alongCoord(m_thumbButton->pos()) < m_pressCoord) {
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
  switch (m_action) {
    case LineUp:
    case LineDown:
      if (m_position != (m_action == LineUp ? m_min : m_max)) m_timer->setInterval(kNextRepeatMs);
      lineStep(m_action == LineUp);
      break;
    case PageUp:
      pageUpStep();
      break;
    case PageDown:
      pageDownStep();
      break;
    default:
      m_timer->stop();
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
  const int thumbStart = alongCoord(m_thumbButton->pos());
  const int thumbEnd = thumbStart + along(m_thumbButton);
  m_dragAllowed = false;
  m_pressCoord = coord;
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
  m_grabOffset = alongCoord(posInThumb);
  m_dragAllowed = true;
}

void TOrvikScrollBar::mouseMoveEvent(QMouseEvent* event) {
  dragTo(event->buttons(), event->position().toPoint());
}

void TOrvikScrollBar::dragTo(Qt::MouseButtons buttons, QPoint posInBar) {
  if (!m_dragAllowed || buttons != Qt::LeftButton) return;
  m_action = Drag;
  const int g = alongCoord(posInBar) - m_grabOffset;
  const int first = positionToPixel(m_min);
  const int last = positionToPixel(m_max);
  if (first < g && g < last) {
    moveThumbTo(g);
    m_position = pixelToPosition(g);
  } else if (g >= last) {
    m_position = m_max;
    moveThumbTo(last);
  } else {
    m_position = m_min;
    moveThumbTo(first);
  }
  fire(scTrack);
}

void TOrvikScrollBar::mouseReleaseEvent(QMouseEvent*) {
  releasedOverBar();
}

void TOrvikScrollBar::releasedOverBar() {
  trackRepaint();
  m_timer->stop();
  m_dragAllowed = true;
  // The thumb keeps its pressed look until it next sees a release of its own.
  m_thumbButton->setPressed(true);
  m_thumbButton->repaint();
}
