#pragma once
// Two small helpers every window's code uses: a control made with its name (the translation
// component and the fonts find a window's controls by that name), and the hourglass for the
// length of a scope (long work shows it and gives the cursor back however it ends).

#include <QApplication>
#include <QString>
#include <QWidget>

namespace orvik {

// A new control of type T, child of `parent`, named `name`.
template <typename T>
T* named(QWidget* parent, const char* name) {
  T* w = new T(parent);
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

// The hourglass from construction to the end of the scope.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace orvik
