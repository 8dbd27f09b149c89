#include "browse/name_label.h"

#include <QPainter>
#include <QStyle>

QString NameLabel::fittedText(const QString& text, const QFontMetrics& metrics, int width) {
  if (metrics.horizontalAdvance(text) <= width) return text;
  const QString ellipsis = QStringLiteral("…");
  // Drop whole words from the end until the rest and the ellipsis fit.
  QString shown = text;
  while (true) {
    const int space = shown.lastIndexOf(QLatin1Char(' '));
    if (space <= 0) break;
    shown = shown.left(space);
    while (shown.endsWith(QLatin1Char(' ')) || shown.endsWith(QLatin1Char(','))) shown.chop(1);
    if (metrics.horizontalAdvance(shown + ellipsis) <= width) return shown + ellipsis;
  }
  return metrics.elidedText(text, Qt::ElideRight, width);
}

QFont NameLabel::fittedFont(const QString& text, const QFont& font, int width) {
  if (QFontMetrics(font).horizontalAdvance(text) <= width) return font;
  const bool pixels = font.pixelSize() > 0;
  const qreal size = pixels ? font.pixelSize() : font.pointSizeF();
  QFont smaller = font;
  for (int step = 1; step <= 8; ++step) {
    const qreal tried = size * (1.0 - step * 0.025);
    if (pixels)
      smaller.setPixelSize(qMax(1, qRound(tried)));
    else
      smaller.setPointSizeF(tried);
    if (QFontMetrics(smaller).horizontalAdvance(text) <= width) break;
  }
  return smaller;
}

QFont NameLabel::shownFont() const {
  return fittedFont(text(), font(), contentsRect().width());
}

QString NameLabel::shownText() const {
  return fittedText(text(), QFontMetrics(shownFont()), contentsRect().width());
}

void NameLabel::paintEvent(QPaintEvent* event) {
  const QString whole = text();
  const QFont face = shownFont();
  const QString shown = shownText();
  const QString hint = shown == whole ? QString() : whole;
  if (toolTip() != hint) setToolTip(hint);
  if (shown == whole && face == font()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  painter.setFont(face);
  painter.drawText(contentsRect(), int(alignment()), shown);
}
