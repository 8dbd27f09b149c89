#pragma once
// TOrvikList and TOrvikListBox: the skinned list box of the find window's word list, the list
// of all pages and the language list. It draws a selected item light on dark, white on
// (180,164,135), whether or not it has the focus, and never draws a focus rectangle. A
// re-creation (a change of sorting, style, border and the like) keeps the items, the top
// index and the current selection index.

#include "controls/list_box_base.h"

// The Items of a TOrvikList.
using TOrvikListStrings = ListBoxStrings;

class TOrvikList : public SkinnedListBox {
  Q_OBJECT
 public:
  explicit TOrvikList(QWidget* parent = nullptr) : SkinnedListBox(parent) {}

 protected:
  bool drawsSelection() const override { return true; }
  bool keepsSelection() const override { return true; }
};

// The list as windows place it; it only publishes what TOrvikList has.
class TOrvikListBox : public TOrvikList {
  Q_OBJECT
 public:
  explicit TOrvikListBox(QWidget* parent = nullptr) : TOrvikList(parent) {}
};
