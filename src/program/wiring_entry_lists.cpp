// Wiring of the page entry-list windows to the main window: the entry-lists role (also asked by
// the panes whether a list is open, so its button hides), and the main window's changes the
// lists follow.

#include "browse/main_window.h"
#include "pagelist/entry_list_windows.h"
#include "pagelist/page_entry_lists.h"
#include "platform/floating_window.h"
#include "program/wiring.h"

void wireEntryLists(ProgramParts& parts) {
  TForm1* main = parts.mainWindow;
  auto* role = parts.own<EntryListWindows>(main, parts.data, parts.entryLists);
  parts.handOver.entryLists = role;
  QObject::connect(main, &TForm1::currentEntryChanged, role,
                   [role] { role->followCurrentEntry(); });
  QObject::connect(main, &TForm1::panesCleared, role, [role] { role->clearLists(); });
  QObject::connect(main, &TForm1::entryDeselected, role, [role] { role->clearSelections(); });
  QObject::connect(main, &TForm1::pageViewLeft, role, [role] { role->hideAll(); });
  QObject::connect(main, &TForm1::shownLanguagesChanged, role, [role] { role->hideUnshown(); });
  for (TLangList* list : parts.entryLists)
    if (list) {
      // Minimised and restored with the main window.
      orvik::belongTo(list, main);
      QObject::connect(list, &TLangList::closed, role,
                       [role](int language) { role->listClosed(language); });
    }
}
