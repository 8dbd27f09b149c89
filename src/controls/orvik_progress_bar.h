#pragma once
// TOrvikProgressBar: a sunken box in which the owner draws squares as work proceeds, square k
// at x = 12k - 10, eleven pixels square. Seventeen squares fill a bar 207 wide. The squares
// drawn stay drawn until clearSquares().

#include <QWidget>

class TOrvikProgressBar : public QWidget {
  Q_OBJECT
 public:
  explicit TOrvikProgressBar(QWidget* parent = nullptr);  // 50 by 15

  // The number of squares the owner intends to draw; only stored.
  int NKvadr() const { return squareCount_; }
  void setNKvadr(int count) { squareCount_ = count; }
  // Only stored.
  int Position() const { return position_; }
  void setPosition(int position) { position_ = position; }

  // Draws square k (1-based); squares are drawn as asked, in any order.
  void drawSquare(int k);
  // How many squares are drawn.
  int drawnCount() const { return int(drawn_.size()); }
  // Removes the drawn squares.
  void clearSquares();
  // The rectangle square k covers.
  static QRect squareRect(int k);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int squareCount_ = 0;
  int position_ = 0;
  QList<int> drawn_;
};
