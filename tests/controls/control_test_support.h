#pragma once
// Shared helpers of the skinned-control tests: solid pictures that tell the states apart, a
// shown host window, and pixel reading.

#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>

namespace controls_test {

inline QPixmap solid(QSize size, const QColor& color) {
  QPixmap p(size);
  p.fill(color);
  return p;
}

inline QColor pixelAt(QWidget* w, QPoint at) {
  return w->grab().toImage().pixelColor(at);
}

// A shown top-level window with a plain background for controls under test.
class Host : public QWidget {
 public:
  Host() {
    resize(400, 300);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(10, 20, 30));
    setPalette(pal);
    setAutoFillBackground(true);
  }
  void showAndWait() {
    show();
    (void)QTest::qWaitForWindowExposed(this);
  }
};

}  // namespace controls_test
