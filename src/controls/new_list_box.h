#pragma once
// TCustomNewListBox and TNewListBox: the skinned list box of the main window's page list. It
// leaves the look of the selection entirely to its owner (a selected item is drawn with the
// list's own colours unless the owner's OnDrawItem marks it) and reports every vertical
// scroll it carries out through OnScroll, so the owner can keep its scroll bar in step. A
// line-down request with the last item already in view is dropped unreported. A re-creation
// keeps the items and the top index but comes back with no selection.

#include "controls/list_box_base.h"

// The Items of a TCustomNewListBox.
using TNewListBoxStrings = ListBoxStrings;

class TCustomNewListBox : public SkinnedListBox {
  Q_OBJECT
 public:
  // Vertical scroll requests, numbered as the platform's scroll codes.
  enum ScrollCode {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
  };

  explicit TCustomNewListBox(QWidget* parent = nullptr) : SkinnedListBox(parent) {}

  // A vertical scroll request (code, thumb position for the thumb codes): carried out and
  // reported through Scroll(), unless it is a line down with the last item in view.
  void WMVScroll(int code, int pos);

 signals:
  void OnScroll(QObject* sender, int scrollCode, int pos);

 protected:
  // Fires OnScroll; derived lists may add to it.
  virtual void Scroll(int scrollCode, int pos);
  bool drawsSelection() const override { return false; }
  bool keepsSelection() const override { return false; }
  void scrollLines(int lines) override;
};

class TNewListBox : public TCustomNewListBox {
  Q_OBJECT
 public:
  explicit TNewListBox(QWidget* parent = nullptr) : TCustomNewListBox(parent) {}
};
