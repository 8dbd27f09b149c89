#include "interface_artist.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace builddict {

namespace {

const QColor kMainBackground(238, 230, 201);
const QColor kShadow(180, 169, 135);
const QColor kButtonText(110, 92, 34);
const QColor kList(250, 244, 211);
const QColor kMaroon(128, 0, 0);

QColor mix(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t),
                          float(a.greenF() * (1 - t) + b.greenF() * t),
                          float(a.blueF() * (1 - t) + b.blueF() * t));
}

QFont serif(int pixelSize, bool bold = true) {
  QFont f(QStringLiteral("Times New Roman"));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return f;
}

// A font no larger than `pixelSize` in which `text` fits `width`.
QFont fitted(const QString& text, int pixelSize, int width) {
  QFont f = serif(pixelSize);
  while (pixelSize > 8 && QFontMetrics(f).horizontalAdvance(text) > width) f = serif(--pixelSize);
  return f;
}

// The emoji of the first entries of a chapter's pages, one a page.
QStringList chapterObjects(const SourceChapter& chapter) {
  QStringList objects;
  for (const SourcePage& p : chapter.pages)
    if (!p.entries.isEmpty()) objects << p.entries.first().emoji;
  return objects;
}

void paperBackground(QPainter& p, const QRect& r, const QColor& colour) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, mix(colour, Qt::white, 0.55));
  g.setColorAt(1, mix(colour, Qt::white, 0.15));
  p.fillRect(r, g);
}

}  // namespace

QImage InterfaceArtist::chapterPicture(const SourceChapter& chapter) {
  QImage img(kChapterPicture, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRect r = img.rect();
  paperBackground(p, r, chapter.colour);
  // A ring of the chapter's objects around the big icon.
  const QStringList objects = chapterObjects(chapter);
  const QPointF centre(r.width() / 2.0, 170);
  for (int i = 0; i < objects.size() && i < 10; ++i) {
    const double a = -M_PI / 2 + 2 * M_PI * i / std::min<qsizetype>(objects.size(), 10);
    const QImage s = emoji_->sprite(objects[i], 46);
    if (s.isNull()) continue;
    const QPointF at = centre + QPointF(std::cos(a) * 122, std::sin(a) * 122);
    p.drawImage(at - QPointF(s.width() / 2.0, s.height() / 2.0), s);
  }
  QRadialGradient halo(centre, 95);
  halo.setColorAt(0, QColor(255, 255, 255, 230));
  halo.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(halo);
  p.drawEllipse(centre, 95, 95);
  const QImage icon = emoji_->sprite(chapter.icon, 140);
  if (!icon.isNull()) p.drawImage(centre - QPointF(icon.width() / 2.0, icon.height() / 2.0), icon);
  // The chapter's names, one language a line, on a paper band.
  const QRect band(14, 318, r.width() - 28, 180);
  p.setBrush(QColor(255, 253, 244, 220));
  p.setPen(QPen(mix(chapter.colour, Qt::black, 0.35), 2));
  p.drawRoundedRect(band, 10, 10);
  for (int l = 0; l < kLanguageCount; ++l) {
    const QRect line(band.left() + 8, band.top() + 10 + l * 41, band.width() - 16, 38);
    p.setFont(fitted(chapter.name[l], 26, line.width()));
    p.setPen(l == 0 ? kMaroon : kButtonText);
    p.drawText(line, Qt::AlignCenter, chapter.name[l]);
  }
  p.setFont(serif(18));
  p.setPen(mix(chapter.colour, Qt::black, 0.5));
  p.drawText(QRect(0, 0, r.width() - 12, 34), Qt::AlignRight | Qt::AlignVCenter,
             QString::number(chapter.code));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(mix(chapter.colour, Qt::black, 0.3), 3));
  p.drawRect(QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5));
  return img;
}

QImage InterfaceArtist::chapterPagesPicture(const SourceChapter& chapter) {
  QImage img(kChapterPicture, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRect r = img.rect();
  paperBackground(p, r, mix(chapter.colour, kMainBackground, 0.3));
  const QImage icon = emoji_->sprite(chapter.icon, 96);
  if (!icon.isNull()) p.drawImage(QPointF((r.width() - icon.width()) / 2.0, 22), icon);
  // Every page's first object on a tile, three a row.
  const QStringList objects = chapterObjects(chapter);
  const int cols = 3, tile = 84, gap = 12;
  const int left = (r.width() - cols * tile - (cols - 1) * gap) / 2;
  const int maxTiles = 12;
  for (int i = 0; i < objects.size() && i < maxTiles; ++i) {
    const QRect t(left + (i % cols) * (tile + gap), 138 + (i / cols) * (tile + gap), tile, tile);
    p.setPen(QPen(mix(chapter.colour, Qt::black, 0.3), 1.5));
    p.setBrush(QColor(255, 253, 244));
    p.drawRoundedRect(t, 12, 12);
    const QImage s = emoji_->sprite(objects[i], 62);
    if (!s.isNull())
      p.drawImage(
          QPointF(t.center().x() + 0.5 - s.width() / 2.0, t.center().y() + 0.5 - s.height() / 2.0),
          s);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(mix(chapter.colour, Qt::black, 0.3), 3));
  p.drawRect(QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5));
  return img;
}

QImage InterfaceArtist::splash(const SourceDictionary& dictionary) {
  QImage img(kSplash, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRect r = img.rect();
  QLinearGradient g(r.topLeft(), r.bottomRight());
  g.setColorAt(0, QColor(250, 244, 211));
  g.setColorAt(1, QColor(222, 208, 160));
  p.fillRect(r, g);
  // The chapters' icons in a centred row along the top, as large as the row allows.
  const int n = int(dictionary.chapters.size());
  const int gap = 4;
  const int side = n > 0 ? std::min(34, (r.width() - 28 - (n - 1) * gap) / n) : 0;
  int x = (r.width() - n * side - (n - 1) * gap) / 2;
  for (const SourceChapter& c : dictionary.chapters) {
    const QImage s = emoji_->sprite(c.icon, side);
    if (!s.isNull()) p.drawImage(x + (side - s.width()) / 2, 18 + (side - s.height()) / 2, s);
    x += side + gap;
  }
  p.setPen(kMaroon);
  p.setFont(serif(48));
  p.drawText(QRect(0, 70, r.width(), 70), Qt::AlignCenter, QStringLiteral("Orvik"));
  p.setPen(kButtonText);
  p.setFont(serif(28));
  p.drawText(QRect(0, 134, r.width(), 40), Qt::AlignCenter, QStringLiteral("Dictionary"));
  p.setFont(serif(17, false));
  p.drawText(QRect(0, 188, r.width(), 28), Qt::AlignCenter,
             QString::fromUtf8("English \u00b7 Fran\u00e7ais \u00b7 "
                               "\u0420\u0443\u0441\u0441\u043a\u0438\u0439 \u00b7 Espa\u00f1ol"));
  p.setPen(QPen(kMaroon, 3));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(r).adjusted(4, 4, -4, -4), 14, 14);
  p.setPen(QPen(kShadow, 1));
  p.drawRoundedRect(QRectF(r).adjusted(10, 10, -10, -10), 10, 10);
  return img;
}

QImage InterfaceArtist::background(bool chapterView) {
  QImage img(kBackground, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRect r = img.rect();
  p.fillRect(r, kMainBackground);
  // A faint paper grain of dots, brighter towards the top.
  for (int y = 0; y < r.height(); y += 6)
    for (int x = (y / 6) % 2 * 3; x < r.width(); x += 6)
      img.setPixelColor(x, y,
                        mix(kMainBackground, Qt::white, 0.25 * (1.0 - double(y) / r.height())));
  // A title strip at the top, then panels behind the list and the picture area.
  QLinearGradient strip(0, 0, 0, 28);
  strip.setColorAt(0, mix(kShadow, Qt::white, 0.2));
  strip.setColorAt(1, kShadow);
  p.fillRect(QRect(0, 0, r.width(), 8), strip);
  p.setPen(QPen(kShadow, 2));
  p.setBrush(Qt::NoBrush);
  if (chapterView) {
    p.drawRoundedRect(QRectF(24, 4, 319, 493).adjusted(0, 0, 0, 0), 8, 8);
    p.drawRoundedRect(QRectF(396, 6, 331, 525 - 6), 8, 8);
  } else {
    p.drawRoundedRect(QRectF(20, 22, 335, 492), 8, 8);
    p.drawRoundedRect(QRectF(390, 6, 337, 502), 8, 8);
  }
  // The lower edge fades into the window's own background.
  QLinearGradient fade(0, r.height() - 24, 0, r.height());
  fade.setColorAt(0, QColor(238, 230, 201, 0));
  fade.setColorAt(1, kMainBackground);
  p.fillRect(QRect(0, r.height() - 24, r.width(), 24), fade);
  return img;
}

QImage InterfaceArtist::languageFrame(int languages) {
  // Label tops of the language rows for one to four languages, relative to the picture.
  static const int tops[4][4] = {{42, 0, 0, 0}, {22, 60, 0, 0}, {8, 42, 74, 0}, {2, 28, 54, 80}};
  QImage img(kLanguageFrame, QImage::Format_Indexed8);
  img.setColorTable(
      {kMainBackground.rgb(), kShadow.rgb(), kList.rgb(), kButtonText.rgb(), kMaroon.rgb()});
  img.fill(0);
  auto rect = [&img](int x0, int y0, int x1, int y1, int colour) {
    for (int y = std::max(0, y0); y <= std::min(img.height() - 1, y1); ++y)
      for (int x = std::max(0, x0); x <= std::min(img.width() - 1, x1); ++x)
        img.setPixel(x, y, colour);
  };
  const int n = std::clamp(languages, 1, 4);
  // Outer frame, then one recessed slot a row.
  rect(0, 0, 91, 100, 1);
  rect(2, 2, 89, 98, 0);
  for (int i = 0; i < n; ++i) {
    const int y = tops[n - 1][i];
    rect(3, y, 88, y + 17, 3);
    rect(4, y + 1, 88, y + 17, 1);
    rect(4, y + 1, 87, y + 16, 2);
    rect(84, y + 7, 85, y + 10, 4);
  }
  return img;
}

QImage InterfaceArtist::logo() {
  QImage img(kLogo, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.fillRect(img.rect(), Qt::white);
  const QImage book = emoji_->sprite(QString::fromUtf8("\U0001F4D6"), 52);
  if (!book.isNull()) p.drawImage(8, (66 - book.height()) / 2, book);
  p.setPen(kMaroon);
  p.setFont(serif(40));
  p.drawText(QRect(70, 0, 180, 66), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Orvik"));
  p.setPen(kButtonText);
  p.setFont(serif(24, false));
  p.drawText(QRect(190, 0, 255, 40), Qt::AlignLeft | Qt::AlignBottom,
             QStringLiteral("Picture Dictionary"));
  p.setFont(serif(12, false));
  p.drawText(QRect(192, 42, 255, 20), Qt::AlignLeft | Qt::AlignTop,
             QString::fromUtf8("English \u00b7 Fran\u00e7ais \u00b7 "
                               "\u0420\u0443\u0441\u0441\u043a\u0438\u0439 \u00b7 Espa\u00f1ol"));
  p.setPen(QPen(kMaroon, 2));
  p.drawLine(70, 62, 444, 62);
  return img;
}

}  // namespace builddict
