// Wiring of the page-list windows and their language chooser to the main window: the page-list
// role, the chooser's lines, and the chooser closing when the pointer moves over the window.

#include "browse/main_window.h"
#include "pagelist/page_list_chooser.h"
#include "pagelist/page_list_role.h"
#include "pagelist/page_list_windows.h"
#include "program/wiring.h"

void wirePageLists(ProgramParts& parts) {
  TForm1* main = parts.mainWindow;
  auto* role = parts.own<PageListWindows>(main, parts.data, parts.pageLists, parts.pageListChooser);
  parts.handOver.pageList = role;
  QObject::connect(parts.pageListChooser, &TfrmLangForPageList::languageChosen, role,
                   [role](orvik::Language language) { role->chooserLineChosen(language); });
  QObject::connect(main, &TForm1::pointerMovedOverWindow, parts.pageListChooser, &QWidget::hide);
}
