#pragma once
// TOrvikBtnNav: a bitmap button that repeats its click while held, for stepping through
// pages and entries. Held with the left button it clicks 400 ms after the press, then every
// 100 ms, and once more at the release (the ordinary click). Disabling the button, or a
// release, stops the repetition.

#include "controls/orvik_btn98.h"

class TOrvikBtnNav : public TOrvikBtn98 {
  Q_OBJECT
 public:
  explicit TOrvikBtnNav(QWidget* parent = nullptr);

  // The repeat timer: null until the first press. Tests tick it through repeatTick().
  QTimer* repeatTimer() const { return repeatTimer_; }
  // What a tick of the repeat timer does: switch to the 100 ms rhythm and, while the button
  // is pressed and holds the mouse, click. An exception from a click handler stops the timer
  // and passes on.
  void repeatTick();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QTimer* repeatTimer_ = nullptr;
};
