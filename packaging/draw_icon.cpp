// Draws the program's icon for the desktop's menus: an open picture book, white on the
// program's maroon, with a picture on the left page and lines of text on the right. Written as
// PNGs of the usual hicolor sizes into <folder>/<n>x<n>/apps/orvik.png. Drawn from shapes only
// (no font, no file read), so every build makes the same pixels.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

// The 256 unit drawing, scaled to the size asked for. Below 32 pixels the text lines and the
// picture would only blur, so the pages stay plain.
QImage drawIcon(int size) {
  QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 256.0, size / 256.0);

  // The tile: the maroon of the program's title and borders, lighter at the top.
  QLinearGradient tile(0, 0, 0, 256);
  tile.setColorAt(0, QColor(168, 24, 24));
  tile.setColorAt(1, QColor(110, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(tile);
  p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

  // The two pages, each curving up from the spine.
  const auto page = [](qreal outer, qreal spine) {
    QPainterPath path;
    path.moveTo(spine, 84);
    path.cubicTo((spine * 2 + outer) / 3, 62, (spine + outer * 2) / 3, 62, outer, 70);
    path.lineTo(outer, 196);
    path.cubicTo((spine + outer * 2) / 3, 188, (spine * 2 + outer) / 3, 188, spine, 208);
    path.closeSubpath();
    return path;
  };
  p.setBrush(QColor(255, 250, 240));
  p.setPen(QPen(QColor(70, 0, 0), 4));
  p.drawPath(page(34, 128));
  p.drawPath(page(222, 128));

  if (size >= 32) {
    // The left page's picture: a sun over a hill.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 170, 30));
    p.drawEllipse(QPointF(70, 108), 14, 14);
    QPainterPath hill;
    hill.moveTo(46, 166);
    hill.cubicTo(66, 130, 92, 130, 114, 162);
    hill.lineTo(114, 176);
    hill.cubicTo(92, 172, 66, 172, 46, 178);
    hill.closeSubpath();
    p.setBrush(QColor(60, 140, 70));
    p.drawPath(hill);
    // The right page's lines of text.
    p.setPen(QPen(QColor(120, 110, 100), 7, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
      const qreal y = 100 + i * 22;
      p.drawLine(QPointF(146, y - 2), QPointF(i == 3 ? 178 : 204, y - 5));
    }
  }
  // The spine.
  p.setPen(QPen(QColor(70, 0, 0), 6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(128, 86), QPointF(128, 204));
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: orvik-icon <folder>\n");
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString dir = root.filePath(QStringLiteral("%1x%1/apps").arg(size));
    const QString file = dir + QStringLiteral("/orvik.png");
    if (!QDir().mkpath(dir) || !drawIcon(size).save(file)) {
      std::fprintf(stderr, "orvik-icon: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
