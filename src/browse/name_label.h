#pragma once
// NameLabel: a one-line label for chapter and page names. A name wider than the label is shown
// shortened at a word boundary with an ellipsis ("Les sciences, la technologie et…") instead of
// being cut in the middle of a word, and the whole name becomes the label's hint. text() always
// gives the whole name.

#include <QLabel>

class NameLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

  // The text as drawn at `width` pixels with `metrics`: the whole text when it fits, else the
  // longest run of whole words that fits with "…" after it (a single word too long for the
  // width is cut where it must be).
  static QString fittedText(const QString& text, const QFontMetrics& metrics, int width);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
