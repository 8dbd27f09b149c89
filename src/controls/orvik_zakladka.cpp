#include "controls/orvik_zakladka.h"

#include <QImage>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "controls/hint_windows.h"
#include "controls/tab_skin.h"

TOrvikZakladka::TOrvikZakladka(QWidget* parent) : QWidget(parent), m_surface(new QImage()) {
  resize(20, 487);
  setMouseTracking(true);
  setAttribute(Qt::WA_NoSystemBackground, true);
  m_hint = new TOrvikHintWindow(nullptr);
  m_hint->setShadowColor(QColor(138, 125, 84));
  Refresh();
}

TOrvikZakladka::~TOrvikZakladka() {
  delete m_hint;
  delete m_surface;
}

const QImage& TOrvikZakladka::surface() const {
  return *m_surface;
}

QPixmap TOrvikZakladka::chap(int i) const {
  return isTab(i) ? m_chap[i - 1] : QPixmap();
}

QPixmap TOrvikZakladka::chapSel(int i) const {
  return isTab(i) ? m_chapSel[i - 1] : QPixmap();
}

void TOrvikZakladka::setMainPicture(const QPixmap& picture) {
  m_main = picture;
  Refresh();
}

void TOrvikZakladka::setChap(int i, const QPixmap& picture) {
  if (isTab(i)) m_chap[i - 1] = picture;
}

void TOrvikZakladka::setChapSel(int i, const QPixmap& picture) {
  if (isTab(i)) m_chapSel[i - 1] = picture;
}

void TOrvikZakladka::setPictures(const orvik::TabStripPictures& pictures) {
  for (int i = 0; i < 15; ++i) {
    m_chap[i] = pictures.chap[i];
    m_chapSel[i] = pictures.chapSel[i];
  }
  setMainPicture(pictures.main);
}

void TOrvikZakladka::setChapterName(const QString& name) {
  if (name == m_chapterName) return;
  m_chapterName = name;
  m_hint->update();
  emit OnChapterName();
}

// ---- Drawing on the surface ----

void TOrvikZakladka::restoreArea(int tab, int height) {
  if (!isTab(tab) || m_main.isNull()) return;
  const QRect area(0, tabTop(tab), m_main.width(), height);
  QPainter p(m_surface);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(area, Qt::transparent);
  p.drawPixmap(area.topLeft(), m_main, area);
  update(area);
}

void TOrvikZakladka::drawPicture(int tab, const QPixmap& picture) {
  if (!isTab(tab) || picture.isNull()) return;
  QPainter p(m_surface);
  p.drawPixmap(0, tabTop(tab), picture);
  update(QRect(QPoint(0, tabTop(tab)), picture.size()));
}

void TOrvikZakladka::Refresh() {
  const QSize size = this->size().expandedTo(QSize(1, 1));
  if (m_surface->size() != size) *m_surface = QImage(size, QImage::Format_ARGB32_Premultiplied);
  m_surface->fill(Qt::transparent);
  if (!m_main.isNull()) {
    QPainter p(m_surface);
    p.drawPixmap(0, 0, m_main);
  }
  if (isTab(m_selected)) selectedStep(m_selected);
  update();
}

void TOrvikZakladka::selectedStep(int k) {
  restoreArea(m_lastSelected, 35);
  drawPicture(k, m_chapSel[k - 1]);
  m_selected = k;
  m_lastSelected = k;
}

void TOrvikZakladka::highlightStep(int k) {
  const int previous = m_highlighted;
  if (m_selected != m_highlighted || k == m_selected) restoreArea(m_highlighted, 32);
  if (k != m_selected) drawPicture(k, m_chap[k - 1]);
  // The selected picture overlaps the neighbouring bands: draw it again after a neighbour
  // was restored.
  if (isTab(m_selected) && std::abs(m_selected - previous) == 1) selectedStep(m_selected);
  m_highlighted = k;
}

void TOrvikZakladka::highlightTab(int k) {
  if (isTab(k)) highlightStep(k);
}

void TOrvikZakladka::clearSelection() {
  restoreArea(m_lastSelected, 35);
  m_selected = 0;
}

void TOrvikZakladka::clearHighlight() {
  const int previous = m_highlighted;
  restoreArea(previous, 32);
  m_highlighted = 0;
  // Restoring the band below the selected tab cut its overhang: put it back.
  if (isTab(m_selected) && previous != m_selected && std::abs(m_selected - previous) == 1)
    selectedStep(m_selected);
}

void TOrvikZakladka::setSelectedTab(int k) {
  if (isTab(k))
    selectedStep(k);
  else
    m_selected = k;
}

void TOrvikZakladka::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.drawImage(0, 0, *m_surface);
}

void TOrvikZakladka::resizeEvent(QResizeEvent*) {
  Refresh();
}

// ---- Pointer ----

void TOrvikZakladka::hintStep() {
  if (!m_hideTimer) {
    m_hideTimer = new QTimer(this);
    connect(m_hideTimer, &QTimer::timeout, this, &TOrvikZakladka::hideHintNow);
  }
  m_hideTimer->setInterval(2000);
  m_hideTimer->start();
  if (!hintAllowed) return;
  if (m_pointer == m_highlighted && m_highlighted != m_selected) return;
  const QPoint at = mapToGlobal(QPoint(width() + 3, tabTop(m_pointer) + 7));
  m_hint->activateHint(m_hint->hintRect(m_chapterName, at), m_chapterName);
}

void TOrvikZakladka::hideHintNow() {
  m_hint->releaseHint();
  if (m_hideTimer) m_hideTimer->stop();
}

void TOrvikZakladka::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  emit mouseMoved(event->buttons(), event->modifiers(), pos);
  m_pointer = tabAt(pos.y());
  if (m_pointer == m_highlighted) return;
  static const QMetaMethod highlightedSignal =
      QMetaMethod::fromSignal(&TOrvikZakladka::OnHighlightedChange);
  if (isSignalConnected(highlightedSignal)) {
    emit OnHighlightedChange();
    hintStep();
  }
  if (isTab(m_pointer)) highlightStep(m_pointer);
  emit OnSelectedChange();
}

void TOrvikZakladka::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  emit mousePressed(event->button(), event->modifiers(), pos);
  if (event->button() != Qt::LeftButton) return;
  // Only a press on a tab selects: the few pixels below the fifteenth tab open nothing.
  const int k = tabAt(pos.y());
  m_pressedOnTab = isTab(k) && pos.y() >= 0;
  if (m_pressedOnTab) selectedStep(k);
}

void TOrvikZakladka::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool click = m_pressedOnTab && rect().contains(event->position().toPoint());
  m_pressedOnTab = false;
  if (click) emit clicked();
}

void TOrvikZakladka::leaveEvent(QEvent* event) {
  if (sticky) return;
  if (m_pointer != m_selected) clearHighlight();
  m_highlighted = 0;
  m_hint->releaseHint();
  QWidget::leaveEvent(event);
}
