#include "platform/borderless_form.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

namespace orvik {

BorderlessForm::BorderlessForm(QWidget* parent, Kind kind) : QWidget(parent) {
  Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint;
  if (kind == Kind::StayOnTopTool) flags |= Qt::Tool | Qt::WindowStaysOnTopHint;
  setWindowFlags(flags);
}

void BorderlessForm::setClientSize(int width, int height) {
  setFixedSize(width, height);
}

void BorderlessForm::setCaptionStrip(int height, int leftMargin) {
  captionHeight_ = height;
  captionLeft_ = leftMargin;
}

void BorderlessForm::centreOnScreen() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  move(area.left() + area.width() / 2 - width() / 2, area.top() + area.height() / 2 - height() / 2);
}

void BorderlessForm::centreOn(const QWidget* other) {
  if (!other) return;
  const QRect g = other->frameGeometry();
  move(g.left() + g.width() / 2 - width() / 2, g.top() + g.height() / 2 - height() / 2);
}

int BorderlessForm::showModal() {
  if (loop_) return modalResult_;  // already showing modally
  modalResult_ = mrNone;
  setWindowModality(Qt::ApplicationModal);
  show();
  raise();
  activateWindow();
  QEventLoop loop;
  loop_ = &loop;
  if (isVisible()) loop.exec();
  loop_ = nullptr;
  hide();
  setWindowModality(Qt::NonModal);
  return modalResult_;
}

void BorderlessForm::setModalResult(int result) {
  modalResult_ = result;
  if (result != mrNone && loop_) loop_->quit();
}

void BorderlessForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (loop_) {
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    loop_->quit();
  }
}

bool BorderlessForm::inCaptionStrip(const QPoint& pos) const {
  return captionHeight_ > 0 && pos.y() >= 0 && pos.y() < captionHeight_ && pos.x() >= captionLeft_;
}

void BorderlessForm::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && inCaptionStrip(event->position().toPoint())) {
    // The window system moves the window where it can; elsewhere (no window manager) we do.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    return;
  }
  QWidget::mousePressEvent(event);
}

void BorderlessForm::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) {
    move(event->globalPosition().toPoint() - dragOffset_);
    return;
  }
  QWidget::mouseMoveEvent(event);
}

void BorderlessForm::mouseReleaseEvent(QMouseEvent* event) {
  if (dragging_ && event->button() == Qt::LeftButton) {
    dragging_ = false;
    return;
  }
  QWidget::mouseReleaseEvent(event);
}

}  // namespace orvik
