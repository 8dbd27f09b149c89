#pragma once
// A skinned list with its scroll bar beside it: the page lists, the page entry lists and the
// find window's word list are all built this way and scroll the same way.

#include <QColor>
#include <QRect>

class SkinnedListBox;
class TOrvikListBox;
class TOrvikScrollBar;

namespace orvik {

// Makes `list` a borderless list of owner-drawn lines `itemHeight` high showing whole lines
// only, black on `colour`, at `geometry`, with the pointing hand over it and taking the focus
// by click and by tab.
void setUpOwnerDrawnList(TOrvikListBox* list, QRect geometry, const QColor& colour, int itemHeight);

// Makes `bar` a vertical bar of the standard skin at `geometry` on a track of `colour` that
// steps one line at an arrow and `largeChange` lines at a press on the track. Its range is the
// owner's to set.
void setUpListBar(TOrvikScrollBar* bar, QRect geometry, const QColor& colour, int largeChange);

// Whatever moves `bar` (an arrow, the track, the thumb) puts the bar's position at the top of
// `list`. What moves the bar when the list scrolls by itself is the owner's.
void scrollListByBar(TOrvikScrollBar* bar, SkinnedListBox* list);

}  // namespace orvik
