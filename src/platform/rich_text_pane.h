#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QColor>
#include <QList>
#include <QRect>
#include <QTextEdit>

class QMimeData;
class QPaintDevice;
class QPainter;

// A read-only rich-text control in the manner of a classic rich edit: it shows an article read
// from RTF, counts and scrolls its text in lines, reports character positions and line
// geometry, selects and copies (as RTF, HTML and plain text), appends pasted rich text, finds
// whole words regardless of letter case, marks ranges by painting over its background, and
// renders any character range into a rectangle on any paint device.
//
// Positions are document character positions: every character counts one, and so does each
// paragraph end. Lines are the lines as laid out at the pane's width, numbered from 0. The pane
// shows no scroll bars of its own; its owner drives scrolling through scrollLines() and hears
// scrolled(). Its own context menu is suppressed, since the owner shows its own.
class RichTextPane : public QTextEdit {
  Q_OBJECT

 public:
  explicit RichTextPane(QWidget* parent = nullptr);
  ~RichTextPane() override;

  // Replaces the text with the rich text `rtf`, scrolled to the top with nothing selected.
  // Returns false when the input was not complete, well-formed RTF; the pane then shows what
  // could be read.
  bool loadRtf(QByteArrayView rtf);

  // The article's standard size "\fs18" (9 points) rewritten to `pointSize`: every control word
  // \fs18 gets the two digits of 2 x pointSize in place of its own, so the length is kept for
  // sizes 5 to 49. A size of 9 or below 1 leaves the text unchanged; other sizes outside 5 to 49
  // are written with as many digits as they need. Escaped backslashes and longer numbers such
  // as \fs180 are not the control word and stay as they are.
  static QByteArray rewriteStandardSize(QByteArray rtf, int pointSize);

  // True when the pane holds no text.
  bool isEmpty() const;
  // Number of characters, paragraph ends between paragraphs included.
  int textLength() const;

  // Lines as laid out at the pane's current width (at least 1, as an empty pane has one line).
  int lineCount() const;
  // Whole lines that fit in the pane's height at the first visible line (at least 1).
  int visibleLineCount() const;
  // The topmost line that is at least partly visible.
  int firstVisibleLine() const;
  // Scrolls by `lines` (negative: upwards) so that a line's top meets the pane's top, within
  // the range the text allows: a line in the last screenful takes the view to the end of the
  // text, where the last line shows whole. Emits scrolled() when the view moves.
  void scrollLines(int lines);
  // The line holding character `position` (positions past the end give the last line).
  int lineFromChar(int position) const;
  // The position of the first character of `line`, or -1 when there is no such line.
  int lineStart(int line) const;
  // The number of characters on `line` (a paragraph end not counted), 0 when there is none.
  int lineLength(int line) const;
  // The top-left corner of character `position` in the pane's viewport coordinates.
  QPoint positionOfChar(int position) const;

  // Selects the characters from `from` up to, not including, `to`; clamped to the text.
  void selectRange(int from, int to);
  int selectionStart() const;
  int selectionEnd() const;

  // Appends rich text at the end of the text, as pasting would. Returns as loadRtf().
  bool appendRtf(QByteArrayView rtf);
  // Appends clipboard-style data at the end: RTF when offered, else HTML, else plain text.
  // Returns false when `data` offered none of them.
  bool appendFromMimeData(const QMimeData* data);
  // appendFromMimeData() with the system clipboard's content.
  bool appendFromClipboard();
  // Ends the text with an empty paragraph.
  void appendEmptyLine();
  // The whole text, or a range of it, as RTF.
  QByteArray toRtf(int from = 0, int to = -1) const;

  // The position of the next occurrence of `word` at or after `from` that stands as a whole
  // word (no letter or digit touching either end), without regard to letter case; -1 when none
  // or when `word` is empty.
  int findWholeWord(const QString& word, int from = 0) const;
  // Every such occurrence, in text order.
  QList<int> findAllWholeWords(const QString& word) const;

  // Paints `color` under the text in `rect` (viewport coordinates), in place of the
  // background. The text itself is not changed; marks vanish when the pane scrolls, resizes or
  // its text changes (loaded, emptied, appended to), or on clearMarks().
  void markRect(const QRect& rect, const QColor& color);
  // Marks the characters from `from` to `to` line by line, one rectangle per line.
  void markRange(int from, int to, const QColor& color);
  void clearMarks();
  QList<QRect> marks() const;

  // Lays out characters from `from` (up to `to`, -1 for the end) at the width of `rect` and
  // draws as many whole lines as fit in its height with `painter` (rect in the painter's
  // coordinates, which must be the paint device's pixels). Returns the position of the first
  // character not drawn, `to` (or the text's end) when all were drawn. At least one line is
  // drawn when the rectangle has any height, so a caller that loops until the end always
  // finishes. Fonts keep their point sizes on the device's resolution.
  int renderRange(QPainter* painter, const QRectF& rect, int from, int to = -1) const;
  // Like renderRange() but only measures, for `device`'s resolution.
  int measureRange(const QPaintDevice* device, const QRectF& rect, int from, int to = -1) const;
  // The same for any document; `painter` may be null to measure only.
  static int formatRange(const QTextDocument& document, const QPaintDevice* device,
                         QPainter* painter, const QRectF& rect, int from, int to = -1);

 signals:
  // The view moved; carries the new first visible line.
  void scrolled(int firstVisibleLine);

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // The keys and the wheel move the view by whole lines, so a line's top always meets the
  // pane's top.
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  struct Line {
    int start = 0;
    int length = 0;
    qreal top = 0;  // document coordinates
    qreal height = 0;
    qreal right = 0;
  };
  QList<Line> lines() const;

  struct Mark {
    QRect rect;
    QColor color;
  };
  QList<Mark> marks_;
};
