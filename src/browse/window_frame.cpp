#include "browse/window_frame.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "browse/main_window.h"
#include "browse/picture_box.h"
#include "controls/dialog_frame.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_panel.h"
#include "controls/skin.h"
#include "lang/font_sets.h"
#include "platform/pop_ups.h"

namespace {
constexpr int kSysMenuCorner = 30;  // the strip's corner that opens the system menu
constexpr int kDragMargin = 25;     // the strip drags right of its first pixels
}  // namespace

WindowFrame::WindowFrame(TForm1* window) : QObject(window), w_(window) {
  SysMenu = new TOrvikPanel(window);
  SysMenu->setObjectName(QStringLiteral("SysMenu"));
  SysMenu->setGeometry(-3, 1, 140, 39);
  SysMenu->setPicture(orvik::panelPicture(QSize(140, 39)));
  SysMenuList = new TOrvikChapterList(SysMenu);
  SysMenuList->setObjectName(QStringLiteral("SysMenuList"));
  SysMenuList->setItemHeight(16);
  SysMenuList->setGeometry(6, 3, 132, 34);
  orvik::applyFont(SysMenuList, orvik::timesBoldSpec(13, orvik::kWesternCharset));
  // The two lines are not translated.
  SysMenuList->setLines(
      {QStringLiteral("      Minimize"), QStringLiteral("      Close             Alt+F4")});
  SysMenu->hide();
  orvik::PopUps::add(SysMenu);
  connect(SysMenuList, &TOrvikChapterList::mousePressed, this, [this] { SysMenuListMouseDown(); });

  connect(w_->btnMinimize, &TOrvikBtn98::clicked, this, &WindowFrame::minimize);
  connect(w_->btnMaximize, &TOrvikBtn98::clicked, this, &WindowFrame::maximize);
  connect(w_->btnRestore, &TOrvikBtn98::clicked, this, &WindowFrame::restore);
  w_->setCaptionStrip(kDragMargin, kDragMargin);
}

QRect WindowFrame::frameRect() const {
  if (!maximized_) return w_->rect();
  const QPoint panel = w_->pnlMain->pos();
  return {panel - QPoint(5, 25), QSize(TForm1::kClientWidth, TForm1::kClientHeight)};
}

void WindowFrame::paint(QPainter& painter) const {
  const QRect r = frameRect();
  painter.save();
  painter.translate(r.topLeft());
  orvik::paintDialogFrame(painter, r.height(), r.width());
  painter.restore();
}

bool WindowFrame::press(QPoint pos) {
  const QRect strip = w_->Image1->geometry();
  const QRect corner(strip.topLeft(), QSize(kSysMenuCorner, kSysMenuCorner));
  if (!corner.contains(pos) || !strip.contains(pos)) return false;
  if (w_->autoPlayRunning()) return true;
  SysMenu->move(strip.topLeft() + QPoint(-8, -4));
  SysMenu->show();
  SysMenu->raise();
  return true;
}

void WindowFrame::SysMenuListMouseDown() {
  const int line = SysMenuList->selectedNumber();
  SysMenu->hide();
  if (line == 1)
    minimize();
  else if (line == 2)
    w_->ExitConfirm();
}

void WindowFrame::minimize() {
  w_->showMinimized();
}

void WindowFrame::maximize() {
  if (maximized_) return;
  normalGeometry_ = w_->geometry();
  const QScreen* screen = w_->screen() ? w_->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen->geometry();
  maximized_ = true;
  // The fixed size gives way to the whole screen; the panel stands centred on black.
  w_->setMinimumSize(0, 0);
  w_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  w_->setGeometry(area);
  w_->setWindowState(w_->windowState() | Qt::WindowMaximized);
  QWidget* panel = w_->pnlMain;
  panel->move(area.width() / 2 - panel->width() / 2, area.height() / 2 - panel->height() / 2);
  QPalette pal = w_->palette();
  pal.setColor(QPalette::Window, Qt::black);
  w_->setPalette(pal);
  w_->pnlMain->setPalette(w_->paletteColourSet());
  w_->btnMaximize->hide();
  w_->btnRestore->show();
  w_->setCaptionStrip(0);
  placeStrip();
  w_->update();
}

void WindowFrame::restore() {
  if (!maximized_) return;
  maximized_ = false;
  w_->setPalette(w_->paletteColourSet());
  w_->setWindowState(w_->windowState() & ~Qt::WindowMaximized);
  w_->setClientSize(TForm1::kClientWidth, TForm1::kClientHeight);
  if (normalGeometry_.isValid()) w_->move(normalGeometry_.topLeft());
  w_->pnlMain->move(5, 25);
  w_->btnMaximize->show();
  w_->btnRestore->hide();
  w_->setCaptionStrip(kDragMargin, kDragMargin);
  placeStrip();
  w_->update();
}

void WindowFrame::placeStrip() {
  const QPoint panel = w_->pnlMain->pos();
  const QPoint strip(panel.x(), panel.y() - 20);
  w_->Image1->move(strip);
  w_->lblMainCap->move(strip + QPoint(22, 2));
  w_->btnMinimize->move(strip + QPoint(697, 2));
  w_->btnMaximize->move(strip + QPoint(713, 2));
  w_->btnRestore->move(strip + QPoint(713, 2));
  // The close button keeps the place it has at creation (the strip's left + 729), so it does
  // not shift by two pixels between the states.
  w_->btnClose->move(strip + QPoint(729, 2));
}
