#pragma once
// PrintLayout: the frame every printout has and the sheets of a printed document. The first
// sheet carries the dictionary's logo at three times its size, centred at the top; every sheet
// a yellow band with the page name (under the logo on the first sheet, at the very top of the
// others) and a footer "chapter:  page (Page n of m)" above the bottom edge. A document's rich
// text runs in a rectangle given in twips: from 500 twips at the left to the right edge, from
// 1800 twips (1.25 inches) on the first sheet and 500 on the others, down to 400 twips above
// the bottom.
//
// The frame's figures (logo, band, footer, picture) are printer units of a 600 dpi printer,
// scaled to the printer in use, so every printer gives the same printout in inches; the text
// rectangles are twips and need no scaling.
//
// It promises: the sheet count in the footers is the count of sheets printed, since both come
// from the one measurement of where each sheet's text starts.

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

class QPainter;
class QTextDocument;

namespace orvik {
class Printer;
}

class PrintLayout {
 public:
  // The resolution the frame's figures are given for.
  static constexpr int kReferenceDpi = 600;
  // The logo's size when the installation has none (nothing is drawn then, the band stays).
  static constexpr int kLogoWidth = 451;
  static constexpr int kLogoHeight = 66;

  // `charset` picks the band and footer fonts (204 Cyrillic, 162 Western).
  PrintLayout(orvik::Printer& printer, const QImage& logo, int charset);

  // A figure of the 600 dpi printout in this printer's units.
  int units(int figure) const;

  // Where the logo goes on sheet 1, and the band's top on a sheet (1-based).
  QRect logoRect() const;
  int bandTop(int sheet) const;
  // The text rectangles in twips.
  QRect firstTextTwips() const;
  QRect furtherTextTwips() const;
  // Where the page picture goes.
  QRect pictureRect() const;

  // "chapter:  page (Page n of m)".
  static QString footerText(const QString& chapterName, const QString& pageName, int sheet,
                            int sheets);

  // The character position each sheet's text starts at (the first is `document`'s start); the
  // count of sheets is its size, at least 1.
  QList<int> sheetStarts(const QTextDocument& document);

  // Prints `document` with the frame in one job. False when the job could not be begun or sent
  // (nothing is printed then, or what was sent is all there is).
  bool printDocument(const QTextDocument& document, const QString& pageName,
                     const QString& chapterName);
  // Prints one sheet: the frame and `picture` stretched into pictureRect().
  bool printPicture(const QImage& picture, const QString& pageName, const QString& chapterName);

 private:
  void drawLogo(QPainter& painter);
  void drawBand(QPainter& painter, int y, const QString& pageName);
  void drawFooter(QPainter& painter, const QString& text);

  orvik::Printer& printer_;
  QImage logo_;
  int charset_;
};
