#pragma once
// TOSBButton: the two-picture button the scroll bar and the track bar are made of (arrows
// and thumbs). It shows btnDown while pressed and btnUp otherwise, copying the btnUp-sized
// rectangle one to one, and takes the size of btnUp whenever btnUp changes. The owning bar
// may set the pressed flag itself; mouse activity is reported through signals in the
// button's own coordinates.

#include <QPixmap>
#include <QWidget>

class TOSBButton : public QWidget {
  Q_OBJECT
 public:
  explicit TOSBButton(QWidget* parent = nullptr);

  QPixmap btnUp() const { return up_; }
  // Copies the picture; a non-empty one resizes the button to it (same top-left). Repaints.
  void setBtnUp(const QPixmap& picture);
  QPixmap btnDown() const { return down_; }
  void setBtnDown(const QPixmap& picture);

  bool pressed() const { return pressed_; }
  // Sets the pressed flag without repainting; the owner repaints when it wants.
  void setPressed(bool pressed) { pressed_ = pressed; }

 signals:
  void clicked();
  void mousePressed(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint pos);
  void mouseMoved(Qt::MouseButtons buttons, QPoint pos);
  void mouseReleased(Qt::MouseButton button, Qt::MouseButtons buttons, QPoint pos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap up_;
  QPixmap down_;
  bool pressed_ = false;
  bool leftHeld_ = false;
};
