#pragma once
// SkinnedListBox: what the two skinned list-box wrappers share (TOrvikList and
// TCustomNewListBox). It is the platform list box's contract rebuilt as one widget: items with
// an attached value each, the current selection, a top index, sorting in the list's own
// case-insensitive order, owner-drawn fixed-height rows painted here with the exact row
// rectangles, find by prefix, item rectangles, and no scroll bars of its own (the owners pair
// it with a skinned scroll bar and keep that in step with the top index).
// It promises:
//  - rows are ItemHeight pixels high, row r of the view showing item topIndex() + r;
//  - the top index never passes the point where the last item stands on the last whole row;
//  - changing a property the platform fixes at creation (style, sorting, multiple selection,
//    border, columns, tab stops, integral height) re-creates the list: items and top index
//    survive; whether the selection survives is the wrapper's choice (keepsSelection());
//  - an item's text reads back through a 4096-byte buffer: at most 4095 characters.

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QPainter;
class ListBoxStrings;

// The drawing surface handed to OnDrawItem handlers: the list's painter with a brush colour,
// a font and a font colour, as the list prepared them for the item.
struct ListCanvas {
  QPainter* painter = nullptr;
  QColor brushColor;
  QFont font;
  QColor fontColor;
  // Fills r with the brush colour.
  void fillRect(const QRect& r) const;
  // Draws text with its top-left corner at (x, y), single line, not clipped.
  void textOut(int x, int y, const QString& text) const;
};

class SkinnedListBox : public QWidget {
  Q_OBJECT

 public:
  enum class ListStyle { Standard, OwnerDrawFixed, OwnerDrawVariable };
  enum class Border { None, Single };
  // States handed to OnDrawItem (combinable).
  enum ItemState { odSelected = 1, odFocused = 2, odDisabled = 4 };

  explicit SkinnedListBox(QWidget* parent = nullptr);
  ~SkinnedListBox() override;

  // The item collection (owned); it keeps nothing itself and works on this list.
  ListBoxStrings& Items() const { return *strings_; }
  // Replaces every item with `lines` (attached values cleared).
  void setItems(const QStringList& lines);

  // Current selection: -1 for none. Setting an index outside the items clears the selection;
  // setting a valid one scrolls it into view.
  int ItemIndex() const;
  void setItemIndex(int index);
  // Selected flag of one item (in single selection, true only for ItemIndex()).
  bool Selected(int index) const;
  void setSelected(int index, bool selected);
  int SelCount() const;

  // The first item in view. Setting clamps to 0 .. count - whole rows in view.
  int TopIndex() const { return top_; }
  void setTopIndex(int index);
  // Number of whole rows the client area shows.
  int visibleRows() const;

  // Index of the first item after `startAfter` (wrapping round; -1 searches from the start)
  // whose text begins with `prefix`, ignoring case; -1 when none.
  int findString(int startAfter, const QString& prefix) const;
  // The same for a whole text, ignoring case.
  int findStringExact(int startAfter, const QString& text) const;
  // Item rectangle in widget coordinates (also for items out of view); an invalid index gives
  // an empty rectangle.
  QRect itemRect(int index) const;
  // The item at a point of the widget: with `existing`, -1 past the last item; without, the
  // item count there.
  int itemAtPos(const QPoint& pos, bool existing) const;
  // The client area inside the border.
  QRect clientArea() const;

  // Published properties of the platform's list box.
  Border BorderStyle() const { return border_; }
  void setBorderStyle(Border border);
  bool Ctl3D() const { return ctl3d_; }
  void setCtl3D(bool on);
  QColor Color() const { return color_; }
  void setColor(const QColor& color);
  QColor fontColor() const { return fontColor_; }
  void setFontColor(const QColor& color);
  int Columns() const { return columns_; }
  void setColumns(int columns);
  bool ExtendedSelect() const { return extendedSelect_; }
  void setExtendedSelect(bool on);
  bool IntegralHeight() const { return integralHeight_; }
  void setIntegralHeight(bool on);
  int ItemHeight() const { return itemHeight_; }
  void setItemHeight(int height);
  bool MultiSelect() const { return multiSelect_; }
  void setMultiSelect(bool on);
  bool Sorted() const { return sorted_; }
  void setSorted(bool on);
  ListStyle Style() const { return style_; }
  void setStyle(ListStyle style);
  bool TabStop() const { return tabStop_; }
  void setTabStop(bool on);
  int TabWidth() const { return tabWidth_; }
  void setTabWidth(int width);

  // The canvas of the item being drawn; valid only inside an OnDrawItem handler.
  const ListCanvas& Canvas() const { return canvas_; }
  ListCanvas& Canvas() { return canvas_; }

  // How often the list has been re-created (for owners and tests that care).
  int recreations() const { return recreations_; }

  // Case-insensitive order of a sorted list: negative, zero or positive.
  static int compareItems(const QString& a, const QString& b);

  // --- The collection's primitives (used by ListBoxStrings) ---
  int itemCount() const { return items_.size(); }
  QString itemText(int index) const;
  void setItemText(int index, const QString& text);
  qintptr itemObject(int index) const;
  void setItemObject(int index, qintptr value);
  int addItem(const QString& text, qintptr value = 0);
  void insertItem(int index, const QString& text, qintptr value = 0);
  void deleteItem(int index);
  void clearItems();
  void setUpdating(bool updating);

 signals:
  // The user changed the selection with the mouse or the keyboard (the framework's OnClick).
  void clicked();
  void doubleClicked();
  // Owner drawing: draw item `index` into `rect` on Canvas(). Connected, it replaces the
  // list's own drawing of items.
  void OnDrawItem(SkinnedListBox* control, int index, QRect rect, int state);
  void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  // A key went down; a handler may set key to 0 to keep the list from acting on it.
  void keyDown(int& key, Qt::KeyboardModifiers modifiers);
  // The top index changed, whatever moved it.
  void topIndexChanged(int top);

 protected:
  // Whether the list draws a selected item in the skin's light-on-dark colours.
  virtual bool drawsSelection() const = 0;
  // Whether the current selection survives a re-creation of the list.
  virtual bool keepsSelection() const = 0;
  // A request to scroll by `lines` rows (mouse wheel); the base moves the top index.
  virtual void scrollLines(int lines);

  // Rebuilds the list as the platform does when a creation-time property changes.
  void recreateWnd();
  // Draws one item (index -1: the empty list's area) with the rules of the wrapper.
  virtual void drawItem(QPainter& painter, int index, const QRect& rect, int state);

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

  int maxTop() const;
  void applyTop(int top);
  void ensureVisible(int index);
  void selectByUser(int index, Qt::KeyboardModifiers modifiers);

 private:
  struct Item {
    QString text;
    qintptr object = 0;
    bool selected = false;
  };
  int sortedPosition(const QString& text) const;

  QList<Item> items_;
  ListBoxStrings* strings_ = nullptr;
  ListCanvas canvas_;
  int itemIndex_ = -1;
  int anchor_ = -1;
  int top_ = 0;
  Border border_ = Border::Single;
  bool ctl3d_ = true;
  QColor color_{255, 255, 255};
  QColor fontColor_{0, 0, 0};
  int columns_ = 0;
  bool extendedSelect_ = true;
  bool integralHeight_ = false;
  int itemHeight_ = 16;
  bool multiSelect_ = false;
  bool sorted_ = false;
  ListStyle style_ = ListStyle::Standard;
  bool tabStop_ = true;
  int tabWidth_ = 0;
  bool updating_ = false;
  bool pressedOnItem_ = false;
  int recreations_ = 0;
};

// The Items of a skinned list box: forwards every operation to the list. Reading or writing
// an item outside the list throws std::out_of_range ("List index out of bounds (n)").
class ListBoxStrings {
 public:
  explicit ListBoxStrings(SkinnedListBox* list) : list_(list) {}
  virtual ~ListBoxStrings() = default;

  int Count() const { return list_->itemCount(); }
  QString Get(int index) const;
  QString operator[](int index) const { return Get(index); }
  void Put(int index, const QString& text);
  qintptr Objects(int index) const;
  void PutObject(int index, qintptr value);
  // Adds at the end, or at the sorted place of a sorted list; returns the index.
  int Add(const QString& text);
  int AddObject(const QString& text, qintptr value);
  // Inserts at index (0 .. Count()), also in a sorted list.
  void Insert(int index, const QString& text);
  void Delete(int index);
  void Clear();
  // Case-insensitive whole-text search, -1 when absent.
  int IndexOf(const QString& text) const;
  // Redraw is switched off between the two calls (they nest).
  void BeginUpdate();
  void EndUpdate();
  QStringList toStringList() const;
  // Replaces the items with `lines`.
  void Assign(const QStringList& lines);

 private:
  void check(int index) const;
  SkinnedListBox* list_;
  int updateCount_ = 0;
};
