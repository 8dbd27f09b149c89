#pragma once
// One way to read and write the lines of every list-like control the interface texts reach:
// radio groups (their items), the hover-highlight lists (Lines), the skinned list boxes
// (Items), the framework's list widgets, combo boxes, tab bars and tab widgets, and memos (one
// line per line of text). The translation component and the language-name operations work
// through it, so they need not know each kind.

#include <QString>
#include <QStringList>

class QObject;

namespace orvik {

// Whether the object is one of the kinds above.
bool hasItemLines(const QObject* object);
// Number of lines; 0 for other objects.
int itemLineCount(const QObject* object);
// Line `index`; empty outside the lines.
QString itemLine(const QObject* object, int index);
// Replaces line `index` (ignored outside the lines); the number of lines never changes.
void setItemLine(QObject* object, int index, const QString& text);
// Replaces all lines.
void setItemLines(QObject* object, const QStringList& lines);
// The selected line (radio group, list box, combo box, tab), -1 for none or for lists without
// one. For a hover-highlight list, the highlighted line (0-based).
int selectedItemLine(const QObject* object);
// Selects line `index` where the kind has a selection.
void selectItemLine(QObject* object, int index);

}  // namespace orvik
