#pragma once
// The small yellow hint windows of the skinned controls. A bitmap button owns a
// TOBtnHintWindow, the chapter tab strip a TOrvikHintWindow; they look and behave the same.
// The window is a borderless pop-up that never takes the focus nor the mouse: it shows a
// text in black at (4, 1) on a pale yellow ground, with a white rim at the top and left and
// a three-pixel shadow at the right and bottom.

#include <QColor>
#include <QString>
#include <QWidget>

class TOBtnHintWindow : public QWidget {
  Q_OBJECT
 public:
  explicit TOBtnHintWindow(QWidget* parent = nullptr);

  // The text shown; changing it repaints.
  QString text() const { return text_; }
  void setText(const QString& text);

  // Colour of the right-hand shadow, (138,125,84) unless the owner sets another.
  QColor shadowColor() const { return shadowColor_; }
  void setShadowColor(const QColor& color);

  // The window rectangle that shows `text` with the window's font with its top-left
  // corner at `topLeft` (screen coordinates): the text's extent, measured without word
  // wrapping, plus 8 pixels across and 4 down.
  QRect hintRect(const QString& text, const QPoint& topLeft) const;

  // Shows the window at `rect` (screen coordinates) with `text`, without activating it.
  void activateHint(const QRect& rect, const QString& text);
  // Hides the window; harmless when it is hidden.
  void releaseHint();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor shadowColor_{138, 125, 84};
};

// The chapter tab strip's hint window: the same window under the strip's own name.
class TOrvikHintWindow : public TOBtnHintWindow {
  Q_OBJECT
 public:
  explicit TOrvikHintWindow(QWidget* parent = nullptr) : TOBtnHintWindow(parent) {}
};
