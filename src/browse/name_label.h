#pragma once
// NameLabel: a one-line label for chapter and page names. A name wider than the label is drawn
// in a face up to a fifth smaller, so that the whole name shows; only a name too long even then
// is shortened at a word boundary with an ellipsis ("Les sciences, la technologie et…") instead
// of being cut in the middle of a word, and the whole name becomes the label's hint. text()
// always gives the whole name.

#include <QLabel>

class NameLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

  // The text as drawn at `width` pixels with `metrics`: the whole text when it fits, else the
  // longest run of whole words that fits with "…" after it (a single word too long for the
  // width is cut where it must be).
  static QString fittedText(const QString& text, const QFontMetrics& metrics, int width);

  // The face the name is drawn in: the label's own, or a smaller one (down to four fifths of
  // its size) in which the whole name fits `width`; the smallest when none does.
  static QFont fittedFont(const QString& text, const QFont& font, int width);
  // The face and the text as drawn now.
  QFont shownFont() const;
  QString shownText() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
