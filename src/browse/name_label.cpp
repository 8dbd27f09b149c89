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

void NameLabel::paintEvent(QPaintEvent* event) {
  const QRect area = contentsRect();
  const QString whole = text();
  const QString shown = fittedText(whole, fontMetrics(), area.width());
  const QString hint = shown == whole ? QString() : whole;
  if (toolTip() != hint) setToolTip(hint);
  if (shown == whole) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  painter.setFont(font());
  painter.drawText(area, int(alignment()), shown);
}
