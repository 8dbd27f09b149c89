#include "controls/orvik_zakladka.h"

#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "controls/hint_windows.h"
#include "controls/tab_skin.h"

TOrvikZakladka::TOrvikZakladka(QWidget* parent) : QWidget(parent), surface_(new QImage()) {
  resize(20, 487);
  setMouseTracking(true);
  setAttribute(Qt::WA_NoSystemBackground, true);
  hint_ = new TOrvikHintWindow(nullptr);
  hint_->setShadowColor(QColor(138, 125, 84));
  Refresh();
}

TOrvikZakladka::~TOrvikZakladka() {
  delete hint_;
  delete surface_;
}

const QImage& TOrvikZakladka::surface() const {
  return *surface_;
}

QPixmap TOrvikZakladka::chap(int i) const {
  return isTab(i) ? chap_[i - 1] : QPixmap();
}

QPixmap TOrvikZakladka::chapSel(int i) const {
  return isTab(i) ? chapSel_[i - 1] : QPixmap();
}

void TOrvikZakladka::setMainPicture(const QPixmap& picture) {
  main_ = picture;
  Refresh();
}

void TOrvikZakladka::setChap(int i, const QPixmap& picture) {
  if (isTab(i)) chap_[i - 1] = picture;
}

void TOrvikZakladka::setChapSel(int i, const QPixmap& picture) {
  if (isTab(i)) chapSel_[i - 1] = picture;
}

void TOrvikZakladka::setPictures(const orvik::TabStripPictures& pictures) {
  for (int i = 0; i < 15; ++i) {
    chap_[i] = pictures.chap[i];
    chapSel_[i] = pictures.chapSel[i];
  }
  setMainPicture(pictures.main);
}

void TOrvikZakladka::setChapterName(const QString& name) {
  if (name == chapterName_) return;
  chapterName_ = name;
  hint_->update();
  emit OnChapterName();
}

// ---- Drawing on the surface ----

void TOrvikZakladka::restoreArea(int tab, int height) {
  if (!isTab(tab) || main_.isNull()) return;
  const QRect area(0, tabTop(tab), main_.deviceIndependentSize().toSize().width(), height);
  // The source of a pixmap is given in its own device pixels.
  const qreal ratio = main_.devicePixelRatio();
  const QRectF source(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio);
  QPainter p(surface_);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(area, Qt::transparent);
  p.drawPixmap(QRectF(area), main_, source);
  update(area);
}

void TOrvikZakladka::drawPicture(int tab, const QPixmap& picture) {
  if (!isTab(tab) || picture.isNull()) return;
  QPainter p(surface_);
  p.drawPixmap(0, tabTop(tab), picture);
  update(QRect(QPoint(0, tabTop(tab)), picture.deviceIndependentSize().toSize()));
}

void TOrvikZakladka::Refresh() {
  // The surface has the strip's logical size at the strip's device pixel ratio, so the tabs'
  // pictures land on it one device pixel to one.
  const QSize size = this->size().expandedTo(QSize(1, 1));
  const qreal ratio = devicePixelRatioF();
  const QSize pixels(qRound(size.width() * ratio), qRound(size.height() * ratio));
  if (surface_->size() != pixels || surface_->devicePixelRatio() != ratio) {
    *surface_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    surface_->setDevicePixelRatio(ratio);
  }
  surface_->fill(Qt::transparent);
  if (!main_.isNull()) {
    QPainter p(surface_);
    p.drawPixmap(0, 0, main_);
  }
  if (isTab(selected_)) selectedStep(selected_);
  update();
}

void TOrvikZakladka::selectedStep(int k) {
  restoreArea(lastSelected_, 35);
  drawPicture(k, chapSel_[k - 1]);
  selected_ = k;
  lastSelected_ = k;
}

void TOrvikZakladka::highlightStep(int k) {
  const int previous = highlighted_;
  if (selected_ != highlighted_ || k == selected_) restoreArea(highlighted_, 32);
  if (k != selected_) drawPicture(k, chap_[k - 1]);
  // The selected picture overlaps the neighbouring bands: draw it again after a neighbour
  // was restored.
  if (isTab(selected_) && std::abs(selected_ - previous) == 1) selectedStep(selected_);
  highlighted_ = k;
}

void TOrvikZakladka::highlightTab(int k) {
  if (isTab(k)) highlightStep(k);
}

void TOrvikZakladka::clearSelection() {
  restoreArea(lastSelected_, 35);
  selected_ = 0;
}

void TOrvikZakladka::clearHighlight() {
  const int previous = highlighted_;
  restoreArea(previous, 32);
  highlighted_ = 0;
  // Restoring the band below the selected tab cut its overhang: put it back.
  if (isTab(selected_) && previous != selected_ && std::abs(selected_ - previous) == 1)
    selectedStep(selected_);
}

void TOrvikZakladka::setSelectedTab(int k) {
  if (isTab(k))
    selectedStep(k);
  else
    selected_ = k;
}

void TOrvikZakladka::paintEvent(QPaintEvent* event) {
  // Moved to a screen of another device pixel ratio: the surface is drawn again at the new one.
  if (surface_->devicePixelRatio() != devicePixelRatioF()) Refresh();
  QPainter p(this);
  p.drawImage(0, 0, *surface_);
}

void TOrvikZakladka::resizeEvent(QResizeEvent*) {
  Refresh();
}

// ---- Pointer ----

void TOrvikZakladka::hintStep() {
  if (!hideTimer_) {
    hideTimer_ = new QTimer(this);
    connect(hideTimer_, &QTimer::timeout, this, &TOrvikZakladka::hideHintNow);
  }
  hideTimer_->setInterval(2000);
  hideTimer_->start();
  if (!hintAllowed) return;
  if (pointer_ == highlighted_ && highlighted_ != selected_) return;
  const QPoint at = mapToGlobal(QPoint(width() + 3, tabTop(pointer_) + 7));
  hint_->activateHint(hint_->hintRect(chapterName_, at), chapterName_);
}

void TOrvikZakladka::hideHintNow() {
  hint_->releaseHint();
  if (hideTimer_) hideTimer_->stop();
}

void TOrvikZakladka::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  emit mouseMoved(event->buttons(), event->modifiers(), pos);
  pointAt(tabAt(pos.y()));
}

void TOrvikZakladka::keyPressEvent(QKeyEvent* event) {
  if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    QWidget::keyPressEvent(event);
    return;
  }
  // From the highlighted tab, else the selected one, else before the first.
  const int from = isTab(highlighted_) ? highlighted_ : (isTab(selected_) ? selected_ : 0);
  switch (event->key()) {
    case Qt::Key_Up:
      pointAt(qMax(1, from - 1));
      break;
    case Qt::Key_Down:
      pointAt(qMin(15, from + 1));
      break;
    case Qt::Key_Home:
      pointAt(1);
      break;
    case Qt::Key_End:
      pointAt(15);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (event->isAutoRepeat() || !isTab(from)) break;
      selectedStep(from);
      emit clicked();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void TOrvikZakladka::focusInEvent(QFocusEvent* event) {
  // A window being activated gives its first control the focus when none had it; the strip
  // gives it back, so the keys go on reaching the window as before.
  if (event->reason() == Qt::ActiveWindowFocusReason && !focusChosen_) {
    clearFocus();
    return;
  }
  focusChosen_ = true;
  QWidget::focusInEvent(event);
}

void TOrvikZakladka::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
    focusChosen_ = false;
    // The keyboard's highlight goes with the focus, as the pointer's goes when it leaves.
    if (!sticky && !underMouse()) {
      if (pointer_ != selected_) clearHighlight();
      highlighted_ = 0;
      hint_->releaseHint();
    }
  }
  QWidget::focusOutEvent(event);
}

void TOrvikZakladka::pointAt(int k) {
  pointer_ = k;
  if (pointer_ == highlighted_) return;
  static const QMetaMethod highlightedSignal =
      QMetaMethod::fromSignal(&TOrvikZakladka::OnHighlightedChange);
  if (isSignalConnected(highlightedSignal)) {
    emit OnHighlightedChange();
    hintStep();
  }
  if (isTab(pointer_)) highlightStep(pointer_);
  emit OnSelectedChange();
}

void TOrvikZakladka::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  emit mousePressed(event->button(), event->modifiers(), pos);
  if (event->button() != Qt::LeftButton) return;
  // Only a press on a tab selects: the few pixels below the fifteenth tab open nothing.
  const int k = tabAt(pos.y());
  pressedOnTab_ = isTab(k) && pos.y() >= 0;
  if (pressedOnTab_) selectedStep(k);
}

void TOrvikZakladka::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool click = pressedOnTab_ && rect().contains(event->position().toPoint());
  pressedOnTab_ = false;
  if (click) emit clicked();
}

void TOrvikZakladka::leaveEvent(QEvent* event) {
  if (sticky) return;
  if (pointer_ != selected_) clearHighlight();
  highlighted_ = 0;
  hint_->releaseHint();
  QWidget::leaveEvent(event);
}
