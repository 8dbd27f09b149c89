#include "print/print_layout.h"

#include <QPainter>
#include <QTextDocument>
#include <cmath>

#include "lang/font_sets.h"
#include "platform/printer.h"

namespace {

constexpr char kJobTitle[] = "Orvik Dictionary";

// The frame's figures on a 600 dpi printer.
constexpr int kLogoScale = 3;
constexpr int kLogoTop = 5;
constexpr int kBandGap = 35;  // from the logo's bottom edge to the band
constexpr int kEdge = 5;      // band and rules stop this far from the sides
constexpr int kBandHeight = 80;
constexpr int kRuleWidth = 5;
constexpr int kBandTextLeft = 100;
constexpr int kBandTextDown = 10;
constexpr int kBandCell = 70;
constexpr int kFooterRuleUp = 50;
constexpr int kFooterTextUp = 40;
constexpr int kFooterCell = 40;
constexpr int kPictureHalfWidth = 650;
constexpr int kPictureHalfHeight = 980;

// The text rectangles, in twips.
constexpr int kTextLeft = 500;
constexpr int kFirstTextTop = 1800;
constexpr int kFurtherTextTop = 500;
constexpr int kTextBottomGap = 400;

const QColor kBandYellow(255, 255, 0);

}  // namespace

PrintLayout::PrintLayout(orvik::Printer& printer, const QImage& logo, int charset)
    : printer_(printer), logo_(logo), charset_(charset) {}

int PrintLayout::units(int figure) const {
  return int(std::lround(double(figure) * printer_.resolution() / kReferenceDpi));
}

QRect PrintLayout::logoRect() const {
  const QSize logo = logo_.isNull() ? QSize(kLogoWidth, kLogoHeight) : logo_.size();
  const int width = units(kLogoScale * logo.width());
  const int height = units(kLogoScale * logo.height());
  const int left = printer_.pageSize().width() / 2 - width / 2;
  return QRect(left, units(kLogoTop), width, height);
}

int PrintLayout::bandTop(int sheet) const {
  if (sheet > 1) return 0;
  const QSize logo = logo_.isNull() ? QSize(kLogoWidth, kLogoHeight) : logo_.size();
  return units(kLogoScale * logo.height() + kBandGap);
}

QRect PrintLayout::firstTextTwips() const {
  const QSize page = printer_.pageSizeTwips();
  return QRect(QPoint(kTextLeft, kFirstTextTop),
               QPoint(page.width() - 1, page.height() - kTextBottomGap - 1));
}

QRect PrintLayout::furtherTextTwips() const {
  const QSize page = printer_.pageSizeTwips();
  return QRect(QPoint(kTextLeft, kFurtherTextTop),
               QPoint(page.width() - 1, page.height() - kTextBottomGap - 1));
}

QRect PrintLayout::pictureRect() const {
  const QSize page = printer_.pageSize();
  const int halfWidth = units(kPictureHalfWidth);
  const int halfHeight = units(kPictureHalfHeight);
  return QRect(page.width() / 2 - halfWidth, page.height() / 2 - halfHeight, 2 * halfWidth,
               2 * halfHeight);
}

QString PrintLayout::footerText(const QString& chapterName, const QString& pageName, int sheet,
                                int sheets) {
  return chapterName + QStringLiteral(":  ") + pageName + QStringLiteral(" (Page ") +
         QString::number(sheet) + QStringLiteral(" of ") + QString::number(sheets) +
         QStringLiteral(")");
}

QList<int> PrintLayout::sheetStarts(const QTextDocument& document) {
  const int end = std::max(0, document.characterCount() - 1);
  QList<int> starts{0};
  int next = printer_.formatRichText(document, firstTextTwips(), 0, false);
  const QRect further = furtherTextTwips();
  // A sheet that places nothing (a page too small for one line) ends the count rather than
  // looping for ever.
  while (next < end && next > starts.last()) {
    starts.append(next);
    next = printer_.formatRichText(document, further, next, false);
  }
  return starts;
}

void PrintLayout::drawLogo(QPainter& painter) {
  if (logo_.isNull()) return;
  painter.drawImage(logoRect(), logo_);
}

void PrintLayout::drawBand(QPainter& painter, int y, const QString& pageName) {
  const int pageWidth = printer_.pageSize().width();
  const int edge = units(kEdge);
  painter.fillRect(QRect(edge, y, pageWidth - 2 * edge, units(kBandHeight)), kBandYellow);
  painter.setPen(QPen(Qt::black, units(kRuleWidth), Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(edge, y, pageWidth - edge, y);
  const QFont font = orvik::makeFont(orvik::timesBoldSpec(units(kBandCell), charset_));
  painter.setFont(font);
  painter.setPen(Qt::black);
  const int cell = painter.fontMetrics().height();
  painter.drawText(QRect(units(kBandTextLeft), y + units(kBandTextDown), pageWidth, cell),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, pageName);
}

void PrintLayout::drawFooter(QPainter& painter, const QString& text) {
  const QSize page = printer_.pageSize();
  const int edge = units(kEdge);
  const int ruleY = page.height() - units(kFooterRuleUp);
  painter.setPen(QPen(Qt::black, units(kRuleWidth), Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(edge, ruleY, page.width() - edge, ruleY);
  painter.setFont(orvik::makeFont(orvik::arialItalicSpec(units(kFooterCell), charset_)));
  const QFontMetrics metrics = painter.fontMetrics();
  const QRect textRect(0, page.height() - units(kFooterTextUp), metrics.horizontalAdvance(text),
                       metrics.height());
  painter.fillRect(textRect, Qt::white);
  painter.setPen(Qt::black);
  painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

bool PrintLayout::printDocument(const QTextDocument& document, const QString& pageName,
                                const QString& chapterName) {
  const QList<int> starts = sheetStarts(document);
  const int sheets = int(starts.size());
  if (!printer_.beginJob(QLatin1String(kJobTitle))) return false;
  const QRect first = firstTextTwips();
  const QRect further = furtherTextTwips();
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    if (sheet > 1 && !printer_.newPage()) break;
    QPainter& painter = *printer_.canvas();
    if (sheet == 1) drawLogo(painter);
    drawBand(painter, bandTop(sheet), pageName);
    drawFooter(painter, footerText(chapterName, pageName, sheet, sheets));
    // Each sheet draws up to where the next one starts; the measurement said it fits.
    printer_.formatRichText(document, sheet == 1 ? first : further, starts[sheet - 1], true);
  }
  return printer_.endJob();
}

bool PrintLayout::printPicture(const QImage& picture, const QString& pageName,
                               const QString& chapterName) {
  if (!printer_.beginJob(QLatin1String(kJobTitle))) return false;
  QPainter& painter = *printer_.canvas();
  drawLogo(painter);
  drawBand(painter, bandTop(1), pageName);
  drawFooter(painter, footerText(chapterName, pageName, 1, 1));
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(pictureRect(), picture);
  return printer_.endJob();
}
