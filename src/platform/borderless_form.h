#pragma once
// The base of every window of the program: a borderless window of fixed client size that draws
// its own title strip. A press in the strip drags the window (through the window system where it
// can, by moving the window itself where it cannot). Modal showing runs the window's own event
// loop until a modal result is set or the window closes. Stay-on-top tool windows serve the
// choosers, pop-ups and panels.

#include <QEventLoop>
#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace orvik {

class BorderlessForm : public QWidget {
  Q_OBJECT

 public:
  enum class Kind { Normal, StayOnTopTool };
  // Results of modal showing.
  static constexpr int mrNone = 0;
  static constexpr int mrOk = 1;
  static constexpr int mrCancel = 2;

  explicit BorderlessForm(QWidget* parent = nullptr, Kind kind = Kind::Normal);

  // Fixes the client area; the window cannot be resized by the user.
  void setClientSize(int width, int height);
  // Height of the strip at the top that drags the window; 0 disables dragging. The strip may
  // start some pixels from the left edge (the corner holds the window's system menu).
  void setCaptionStrip(int height, int leftMargin = 0);

  void centreOnScreen();
  void centreOn(const QWidget* other);

  // Shows the window modally and returns its modal result when it hides or closes.
  int showModal();
  // Sets the result of a modal showing and ends it (when nonzero).
  void setModalResult(int result);
  int modalResult() const { return modalResult_; }
  bool isShowingModal() const { return loop_ != nullptr; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

  bool inCaptionStrip(const QPoint& pos) const;

 private:
  int captionHeight_ = 0;
  int captionLeft_ = 0;
  bool dragging_ = false;
  QPoint dragOffset_;
  int modalResult_ = mrNone;
  QPointer<QEventLoop> loop_;
};

}  // namespace orvik
