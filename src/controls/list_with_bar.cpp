#include "controls/list_with_bar.h"

#include "controls/cursors.h"
#include "controls/orvik_list_box.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/skin.h"

namespace orvik {

void setUpOwnerDrawnList(TOrvikListBox* list, QRect geometry, const QColor& colour,
                         int itemHeight) {
  list->setGeometry(geometry);
  list->setBorderStyle(SkinnedListBox::Border::None);
  list->setStyle(SkinnedListBox::ListStyle::OwnerDrawFixed);
  list->setItemHeight(itemHeight);
  list->setIntegralHeight(true);
  list->setColor(colour);
  list->setFontColor(Qt::black);
  list->setCursor(orvikCursor(O_FOREFINGER));
  list->setFocusPolicy(Qt::StrongFocus);
}

void setUpListBar(TOrvikScrollBar* bar, QRect geometry, const QColor& colour, int largeChange) {
  bar->setPictures(scrollBarPictures(ScrollSkin::Standard, false));
  bar->setGeometry(geometry);
  bar->setColor(colour);
  bar->setSmallChange(1);
  bar->setLargeChange(largeChange);
}

void scrollListByBar(TOrvikScrollBar* bar, SkinnedListBox* list) {
  QObject::connect(bar, &TOrvikScrollBar::scrolled, list, [list](int scrollCode, int& position) {
    switch (scrollCode) {
      case TOrvikScrollBar::scLineUp:
      case TOrvikScrollBar::scLineDown:
      case TOrvikScrollBar::scPageUp:
      case TOrvikScrollBar::scPageDown:
      case TOrvikScrollBar::scTrack:
        list->setTopIndex(position);
        break;
      default:
        break;
    }
  });
}

}  // namespace orvik
