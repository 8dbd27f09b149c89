#pragma once
// Whether the texts of a window fit: every label, check box, radio button, radio-group caption,
// bitmap-button caption and hover-list line is measured with its own font and compared with the
// room its control gives it, and the texts of one window are checked for running into each
// other or past the window's edge.

#include <QList>
#include <QRect>
#include <QString>

class QWidget;

struct TextFault {
  QString window;   // the window's object name
  QString control;  // the control's object name (and line, for lists)
  QString text;
  QString what;    // "clipped", "beyond the window" or "overlaps <control>"
  int needed = 0;  // pixels the text needs
  int room = 0;    // pixels the control gives it
  QString describe() const;
};

// The faults of the visible controls of `window` as it stands now.
QList<TextFault> textFaults(QWidget* window);
