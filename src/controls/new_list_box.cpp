#include "controls/new_list_box.h"

#include <algorithm>
#include <cstdlib>

void TCustomNewListBox::WMVScroll(int code, int pos) {
  const int rows = ItemHeight() > 0 ? height() / ItemHeight() : 0;
  if (code == SB_LINEDOWN && TopIndex() + rows >= itemCount()) return;
  switch (code) {
    case SB_LINEUP:
      setTopIndex(TopIndex() - 1);
      break;
    case SB_LINEDOWN:
      setTopIndex(TopIndex() + 1);
      break;
    case SB_PAGEUP:
      setTopIndex(TopIndex() - std::max(1, visibleRows()));
      break;
    case SB_PAGEDOWN:
      setTopIndex(TopIndex() + std::max(1, visibleRows()));
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
      setTopIndex(pos);
      break;
    case SB_TOP:
      setTopIndex(0);
      break;
    case SB_BOTTOM:
      setTopIndex(itemCount());
      break;
    default:
      break;
  }
  Scroll(code, pos);
}

void TCustomNewListBox::Scroll(int scrollCode, int pos) {
  emit OnScroll(this, scrollCode, pos);
}

void TCustomNewListBox::scrollLines(int lines) {
  for (int i = 0; i < std::abs(lines); ++i) WMVScroll(lines > 0 ? SB_LINEDOWN : SB_LINEUP, 0);
}
