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
  m_thumb = new TOSBButton(this);
  m_thumb->setGeometry(0, 0, 11, 24);
  m_thumb->setMouseTracking(true);
  m_timer = new QTimer(this);
  m_timer->setInterval(kRepeatMs);
  connect(m_timer, &QTimer::timeout, this, &TOrvikTrackBar::repeatTick);
  connect(m_thumb, &TOSBButton::mousePressed, this,
          [this](Qt::MouseButton, Qt::MouseButtons, QPoint) { m_dragAllowed = true; });
  connect(m_thumb, &TOSBButton::mouseMoved, this, [this](Qt::MouseButtons b, QPoint pos) {
    pointerMoved(b, m_thumb->mapTo(this, pos).x());
  });
  connect(m_thumb, &TOSBButton::mouseReleased, this, &TOrvikTrackBar::released);
  resize(200, 27);
  const orvik::TrackBarPictures pictures = orvik::trackBarPictures();
  setBegunok(pictures.thumb);
  setBegunokDown(pictures.thumbDown);
}

void TOrvikTrackBar::setBegunok(const QPixmap& picture) {
  m_thumbPicture = picture;
  m_thumb->setBtnUp(picture);
  rebuildTicks();
  placeThumb();
}

void TOrvikTrackBar::setBegunokDown(const QPixmap& picture) {
  m_thumbDownPicture = picture;
  m_thumb->setBtnDown(picture);
}

void TOrvikTrackBar::setColor(const QColor& color) {
  m_color = color;
  update();
}

void TOrvikTrackBar::setColorTicks(const QColor& color) {
  m_colorTicks = color;
  update();
}

void TOrvikTrackBar::setMinPos(int minPos) {
  m_minPos = std::max(1, minPos);
  rebuildTicks();
  update();
}

void TOrvikTrackBar::setMaxPos(int maxPos) {
  m_maxPos = maxPos;
  rebuildTicks();
  update();
}

void TOrvikTrackBar::setPosition(int position) {
  if (position < m_minPos || position > m_maxPos)
    qWarning("TOrvikTrackBar::setPosition: %d outside %d..%d", position, m_minPos, m_maxPos);
  m_position = position;
  placeThumb();
}

void TOrvikTrackBar::setFirstBarPos(int x) {
  m_firstBarPos = x;
  rebuildTicks();
  placeThumb();
  update();
}

int TOrvikTrackBar::tick(int position) const {
  if (m_ticks.isEmpty()) return m_firstBarPos;
  const int i = std::clamp(position - m_minPos, 0, static_cast<int>(m_ticks.size()) - 1);
  return m_ticks[i];
}

void TOrvikTrackBar::rebuildTicks() {
  const int n = m_maxPos - m_minPos + 1;
  const int f = m_firstBarPos;
  if (n < 1) {
    m_ticks = {f};
    return;
  }
  m_ticks = QVector<int>(n, f);
  if (n == 1) return;
  const int travel = width() - m_thumb->width();
  const int s = travel / (n - 1);
  auto at = [&](int position) -> int& { return m_ticks[position - m_minPos]; };
  if (s <= 1) {
    // Too many positions for two pixels each: spread them evenly over the travel.
    for (int i = 0; i < n; ++i) m_ticks[i] = f + static_cast<int>((qint64(i) * travel) / (n - 1));
    return;
  }
  at(m_minPos) = f;
  at(m_maxPos) = travel + f;
  for (int i = m_minPos + 1; i < m_maxPos; ++i) at(i) = (i - m_minPos) * s + f;
  // The division leaves an excess before the last tick; widen every q-th gap by one pixel.
  int excess = at(m_maxPos) - at(m_maxPos - 1) - s;
  if (excess <= 0) return;
  const int interior = n - 2;
  const int q = interior / excess;
  const int rr = interior % excess;
  if (q <= 0) return;
  for (int j = m_minPos + 1 + rr / 2; j <= m_maxPos - 2; ++j) {
    if (excess > 0 && (j - m_minPos) % q == 0) {
      --excess;
      // The extra pixel that would use up the excess is left out: that gap stays s wide.
      at(j + 1) = at(j) + s + (excess > 0 ? 1 : 0);
    } else {
      at(j + 1) = at(j) + s;
    }
  }
}

void TOrvikTrackBar::placeThumb() {
  m_thumb->move(tick(m_position) - m_firstBarPos, 0);
}

void TOrvikTrackBar::resizeEvent(QResizeEvent*) {
  rebuildTicks();
  placeThumb();
}

void TOrvikTrackBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width();
  p.fillRect(rect(), m_color);
  p.fillRect(QRect(QPoint(0, 8), QPoint(w - 1, 12)), QColor(161, 154, 123));
  orvik::gdiPolyline(p, QColor(255, 255, 255), {{0, 13}, {0, 8}, {w, 8}});
  orvik::gdiPolyline(p, QColor(66, 61, 48), {{0, 13}, {w - 1, 13}, {w - 1, 7}});
  for (int i = m_minPos; i <= m_maxPos; ++i)
    orvik::gdiPolyline(p, m_colorTicks, {{tick(i), 22}, {tick(i), 27}});
}

void TOrvikTrackBar::stepUp(int n) {
  m_position = std::min(m_maxPos, m_position + n);
  placeThumb();
}

void TOrvikTrackBar::stepDown(int n) {
  m_position = std::max(m_minPos, m_position - n);
  placeThumb();
}

void TOrvikTrackBar::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageUp:
      stepUp(m_pageSize);
      break;
    case Qt::Key_PageDown:
      stepDown(m_pageSize);
      break;
    case Qt::Key_Left:
    case Qt::Key_Down:
      stepDown(m_lineSize);
      break;
    case Qt::Key_Up:
    case Qt::Key_Right:
      stepUp(m_lineSize);
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
  if (event->button() == Qt::LeftButton) m_leftHeld = true;
  setFocus(Qt::MouseFocusReason);
  m_dragAllowed = false;
  m_timer->start();
  m_pressX = event->position().toPoint().x();
  m_steppingUp = m_pressX >= m_thumb->x() + m_thumb->width();
  if (m_steppingUp)
    stepUp(m_lineSize);
  else
    stepDown(m_lineSize);
}

void TOrvikTrackBar::repeatTick() {
  if (m_steppingUp) {
    if (m_thumb->x() + m_thumb->width() < m_pressX)
      stepUp(m_lineSize);
    else
      m_timer->stop();
  } else {
    if (m_pressX < m_thumb->x() + m_firstBarPos)
      stepDown(m_lineSize);
    else
      m_timer->stop();
  }
}

void TOrvikTrackBar::mouseMoveEvent(QMouseEvent* event) {
  pointerMoved(event->buttons(), event->position().toPoint().x());
}

void TOrvikTrackBar::pointerMoved(Qt::MouseButtons buttons, int x) {
  if (buttons == Qt::LeftButton && m_dragAllowed && m_maxPos > m_minPos) {
    const int f = m_firstBarPos;
    for (int i = m_minPos; i < m_maxPos; ++i) {
      if (tick(i) <= x && x < tick(i + 1) - f) {
        m_thumb->move(tick(i) - f, 0);
        m_position = i;
        break;
      }
      if (tick(i + 1) - f <= x && x <= tick(i + 1)) {
        m_thumb->move(tick(i + 1) - f, 0);
        m_position = i + 1;
        break;
      }
    }
    if (x < tick(m_minPos)) {
      m_thumb->move(0, 0);
      m_position = m_minPos;
    }
    if (x >= tick(m_maxPos)) {
      m_thumb->move(width() - m_thumb->width(), 0);
      m_position = m_maxPos;
    }
  }
  emit changed();
}

void TOrvikTrackBar::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasHeld = m_leftHeld;
  if (event->button() == Qt::LeftButton) m_leftHeld = false;
  QPointer<TOrvikTrackBar> self(this);
  released();
  emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
  if (self && event->button() == Qt::LeftButton && wasHeld &&
      rect().contains(event->position().toPoint()))
    emit clicked();
}

void TOrvikTrackBar::released() {
  m_timer->stop();
  m_dragAllowed = true;
  m_thumb->setPressed(false);
  m_thumb->repaint();
}
