#pragma once
// A floating window of the program (an entry list, the auto-play or practice panel) belongs to
// the main window for the window manager: minimised and restored with it, instead of standing
// alone on an empty desktop. Without a window manager nothing changes.

#include <QWidget>
#include <QWindow>

namespace orvik {

inline void belongTo(QWidget* floating, QWidget* owner) {
  if (!floating || !owner) return;
  floating->winId();
  owner->winId();
  if (floating->windowHandle() && owner->windowHandle())
    floating->windowHandle()->setTransientParent(owner->windowHandle());
}

}  // namespace orvik
