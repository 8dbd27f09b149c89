#pragma once
// What screen readers learn of the skinned controls. The controls draw themselves from
// pictures, so the platform's accessibility bridge sees nothing in them unless we say what each
// one is: installAccessibility() registers, once per process, an accessible interface for every
// skinned control that reports its role, its name, its value and its state, read from the
// control at the moment it is asked, so a name is never stale:
//  - a bitmap button is named by its hint text (the words the user reads in its hint, in the
//    interface language), else by its caption; a latching button is a checkable one;
//  - a list is named by its current line (the selected item, or the red line of a hover list);
//  - the chapter tab strip by the chapter name of its hint, bars by their purpose and value;
//  - a control given an accessible name explicitly (QWidget::setAccessibleName) keeps it.
// The controls announce changes of name through notifyNameChanged().
// The same call installs the focus frame (focus_frame.h) that shows which control has the
// keyboard focus.

#include <QString>
#include <functional>

class QObject;

namespace orvik {

// Registers the interfaces and the focus frame; later calls only replace the language source.
// `translationIndex` answers the interface language (0 English, 1 Russian, 2 French,
// 3 Spanish) for the few words the controls have of their own (the arrows and thumbs of the
// bars); without one they are English.
void installAccessibility(std::function<int()> translationIndex = {});

// The words of the bars' parts in the current interface language.
enum class PartWord { LineUp, LineDown, Position, Progress, ChapterTabs };
QString partWord(PartWord word);

// Tells a listening screen reader that the control's name changed.
void notifyNameChanged(QObject* control);

}  // namespace orvik
