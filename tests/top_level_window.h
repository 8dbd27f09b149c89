#pragma once
// A top-level window of the running program by its object name, compared without regard to
// case; null when there is none. For tests that reach a window the program made.

#include <QApplication>
#include <QString>
#include <QWidget>

inline QWidget* topLevelWindow(const QString& name) {
  const QList<QWidget*> windows = QApplication::topLevelWidgets();
  for (QWidget* w : windows)
    if (w->objectName().compare(name, Qt::CaseInsensitive) == 0) return w;
  return nullptr;
}
