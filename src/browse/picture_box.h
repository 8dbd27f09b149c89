#pragma once
// PictureBox: a plain picture control. It shows its picture one to one at its top-left corner
// (never stretched or centred) and reports mouse presses and movements in its own coordinates,
// with mouse tracking on, so the owner sees movements without a button held. Owners draw on the
// picture through canvas() and call update(); a null picture paints nothing, so the parent
// shows through. Positions and the canvas are in logical pixels; a picture that carries a
// device pixel ratio shows at its logical size, and a 1x picture on a HiDPI screen is scaled
// smoothly.

#include <QImage>
#include <QWidget>

class PictureBox : public QWidget {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  const QImage& picture() const { return picture_; }
  // Takes the picture (shared until either side is drawn on) and repaints.
  void setPicture(const QImage& picture);
  // Empties the picture and repaints.
  void clearPicture();
  // The picture to draw on, detached from any other copy; call update() afterwards. A null
  // picture becomes a 32-bit picture of the control's size first.
  QImage& canvas();

 signals:
  void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
};
