#include "platform/rich_text_pane.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPaintDevice>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"

namespace {

const char* const kRtfMimeTypes[] = {"text/rtf", "application/rtf", "text/richtext"};

}  // namespace

RichTextPane::RichTextPane(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setAcceptRichText(true);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setContextMenuPolicy(Qt::PreventContextMenu);
  setLineWrapMode(QTextEdit::WidgetWidth);
  document()->setDocumentMargin(1);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
    clearMarks();
    emit scrolled(firstVisibleLine());
  });
  // A mark belongs to the text it was painted over: emptying or changing the text ends it.
  connect(document(), &QTextDocument::contentsChanged, this, &RichTextPane::clearMarks);
}

RichTextPane::~RichTextPane() {
  // The text control outlives this part of the pane while the base class is destroyed; its
  // document must not reach the marks after they are gone.
  disconnect(document(), nullptr, this, nullptr);
}

bool RichTextPane::loadRtf(QByteArrayView rtf) {
  clearMarks();
  const bool complete = RtfReader::read(rtf, document());
  setTextCursor(QTextCursor(document()));
  verticalScrollBar()->setValue(0);
  return complete;
}

QByteArray RichTextPane::rewriteStandardSize(QByteArray rtf, int pointSize) {
  if (pointSize == 9 || pointSize < 1) return rtf;
  const QByteArray digits = QByteArray::number(pointSize * 2);
  static constexpr char kWord[] = "\\fs18";
  constexpr qsizetype kWordLength = sizeof(kWord) - 1;
  qsizetype i = 0;
  while (i < rtf.size()) {
    if (rtf.at(i) != '\\') {
      ++i;
      continue;
    }
    if (i + 1 < rtf.size() && !std::isalpha(uchar(rtf.at(i + 1)))) {
      i += 2;  // a control symbol such as \\ or \{ : what follows is text, not a control word
      continue;
    }
    const bool isWord =
        rtf.mid(i, kWordLength) == kWord &&
        (i + kWordLength == rtf.size() || !std::isdigit(uchar(rtf.at(i + kWordLength))));
    if (!isWord) {
      ++i;
      continue;
    }
    if (digits.size() == 2) {
      rtf[i + 3] = digits.at(0);
      rtf[i + 4] = digits.at(1);
    } else {
      rtf.replace(i + 3, 2, digits);
    }
    i += 3 + digits.size();
  }
  return rtf;
}

bool RichTextPane::isEmpty() const {
  return document()->isEmpty();
}

int RichTextPane::textLength() const {
  return std::max(0, document()->characterCount() - 1);
}

QList<RichTextPane::Line> RichTextPane::lines() const {
  QList<Line> result;
  QAbstractTextDocumentLayout* layout = document()->documentLayout();
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    layout->blockBoundingRect(block);  // lays the block out if it was not yet
    const QTextLayout* textLayout = block.layout();
    if (!textLayout) continue;
    const QPointF origin = textLayout->position();
    const int count = textLayout->lineCount();
    for (int i = 0; i < count; ++i) {
      const QTextLine line = textLayout->lineAt(i);
      result.append(Line{block.position() + line.textStart(), line.textLength(),
                         origin.y() + line.y(), line.height(),
                         origin.x() + line.x() + line.naturalTextWidth()});
    }
  }
  if (result.isEmpty()) result.append(Line{});
  return result;
}

int RichTextPane::lineCount() const {
  return int(lines().size());
}

int RichTextPane::visibleLineCount() const {
  const QList<Line> all = lines();
  const int first = firstVisibleLine();
  const qreal bottom = verticalScrollBar()->value() + viewport()->height();
  int count = 0;
  for (int i = first; i < all.size() && all[i].top + all[i].height <= bottom + 0.5; ++i) ++count;
  return std::max(1, count);
}

int RichTextPane::firstVisibleLine() const {
  const QList<Line> all = lines();
  const qreal top = verticalScrollBar()->value();
  for (int i = 0; i < all.size(); ++i) {
    if (all[i].top + all[i].height > top + 0.5) return i;
  }
  return int(all.size()) - 1;
}

void RichTextPane::scrollLines(int count) {
  if (count == 0) return;
  const QList<Line> all = lines();
  QScrollBar* bar = verticalScrollBar();
  const int target = std::clamp(firstVisibleLine() + count, 0, int(all.size()) - 1);
  const int top = target == 0 ? 0 : int(std::ceil(all[target].top));
  // A line whose top cannot reach the pane's top stands in the last screenful: the view goes
  // to the end of the text, so the last line shows whole (the top line may then be cut).
  bar->setValue(std::clamp(top, bar->minimum(), bar->maximum()));
}

void RichTextPane::keyPressEvent(QKeyEvent* event) {
  const int visible = std::max(1, visibleLineCount());
  int lines = 0;
  if (event->modifiers() == Qt::NoModifier) {
    switch (event->key()) {
      case Qt::Key_Up:
        lines = -1;
        break;
      case Qt::Key_Down:
        lines = 1;
        break;
      case Qt::Key_PageUp:
        lines = -std::max(1, visible - 1);
        break;
      case Qt::Key_PageDown:
        lines = std::max(1, visible - 1);
        break;
      default:
        break;
    }
  } else if (event->modifiers() == Qt::ControlModifier) {
    if (event->key() == Qt::Key_Home) lines = -lineCount();
    if (event->key() == Qt::Key_End) lines = lineCount();
  }
  if (lines == 0) {
    QTextEdit::keyPressEvent(event);
    return;
  }
  scrollLines(lines);
  event->accept();
}

void RichTextPane::wheelEvent(QWheelEvent* event) {
  const int steps = event->angleDelta().y() / 120;
  if (steps != 0) scrollLines(-3 * steps);
  event->accept();
}

int RichTextPane::lineFromChar(int position) const {
  const QList<Line> all = lines();
  for (int i = int(all.size()) - 1; i > 0; --i) {
    if (position >= all[i].start) return i;
  }
  return 0;
}

int RichTextPane::lineStart(int line) const {
  const QList<Line> all = lines();
  if (line < 0 || line >= all.size()) return -1;
  return all[line].start;
}

int RichTextPane::lineLength(int line) const {
  const QList<Line> all = lines();
  if (line < 0 || line >= all.size()) return 0;
  return all[line].length;
}

QPoint RichTextPane::positionOfChar(int position) const {
  QTextCursor cursor(document());
  cursor.setPosition(std::clamp(position, 0, textLength()));
  return cursorRect(cursor).topLeft();
}

void RichTextPane::selectRange(int from, int to) {
  const int end = textLength();
  QTextCursor cursor(document());
  cursor.setPosition(std::clamp(from, 0, end));
  cursor.setPosition(std::clamp(to, 0, end), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

int RichTextPane::selectionStart() const {
  return textCursor().selectionStart();
}

int RichTextPane::selectionEnd() const {
  return textCursor().selectionEnd();
}

bool RichTextPane::appendRtf(QByteArrayView rtf) {
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  return RtfReader::insert(rtf, cursor);
}

bool RichTextPane::appendFromMimeData(const QMimeData* data) {
  if (!data) return false;
  for (const char* type : kRtfMimeTypes) {
    if (data->hasFormat(QLatin1String(type))) {
      appendRtf(data->data(QLatin1String(type)));
      return true;
    }
  }
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  if (data->hasHtml()) {
    cursor.insertHtml(data->html());
    return true;
  }
  if (data->hasText()) {
    cursor.insertText(data->text());
    return true;
  }
  return false;
}

bool RichTextPane::appendFromClipboard() {
  return appendFromMimeData(QGuiApplication::clipboard()->mimeData());
}

void RichTextPane::appendEmptyLine() {
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertBlock();
}

QByteArray RichTextPane::toRtf(int from, int to) const {
  return RtfWriter::write(*document(), from, to);
}

int RichTextPane::findWholeWord(const QString& word, int from) const {
  if (word.isEmpty()) return -1;
  const QTextCursor found =
      document()->find(word, std::clamp(from, 0, textLength()), QTextDocument::FindWholeWords);
  return found.isNull() ? -1 : found.selectionStart();
}

QList<int> RichTextPane::findAllWholeWords(const QString& word) const {
  QList<int> result;
  for (int at = findWholeWord(word, 0); at >= 0; at = findWholeWord(word, at + int(word.size())))
    result.append(at);
  return result;
}

void RichTextPane::markRect(const QRect& rect, const QColor& color) {
  if (rect.isEmpty()) return;
  marks_.append(Mark{rect, color});
  viewport()->update(rect);
}

void RichTextPane::markRange(int from, int to, const QColor& color) {
  from = std::clamp(from, 0, textLength());
  to = std::clamp(to, 0, textLength());
  if (from >= to) return;
  const QList<Line> all = lines();
  const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
  for (const Line& line : all) {
    const int lineEnd = line.start + line.length;
    if (lineEnd <= from || line.start >= to) continue;
    const int left = positionOfChar(std::max(from, line.start)).x();
    const int right =
        to < lineEnd ? positionOfChar(to).x() : int(std::ceil(line.right)) - scroll.x();
    const int top = int(std::floor(line.top)) - scroll.y();
    const int bottom = int(std::ceil(line.top + line.height)) - scroll.y();
    markRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), color);
  }
}

void RichTextPane::clearMarks() {
  if (marks_.isEmpty()) return;
  marks_.clear();
  viewport()->update();
}

QList<QRect> RichTextPane::marks() const {
  QList<QRect> result;
  for (const Mark& m : marks_) result.append(m.rect);
  return result;
}

int RichTextPane::renderRange(QPainter* painter, const QRectF& rect, int from, int to) const {
  Q_ASSERT(painter && painter->device());
  if (!painter || !painter->device()) return from;
  return formatRange(*document(), painter->device(), painter, rect, from, to);
}

int RichTextPane::measureRange(const QPaintDevice* device, const QRectF& rect, int from,
                               int to) const {
  return formatRange(*document(), device, nullptr, rect, from, to);
}

int RichTextPane::formatRange(const QTextDocument& document, const QPaintDevice* device,
                              QPainter* painter, const QRectF& rect, int from, int to) {
  const int end = std::max(0, document.characterCount() - 1);
  if (to < 0 || to > end) to = end;
  from = std::clamp(from, 0, to);
  if (from >= to) return to;
  if (!(rect.width() > 0) || !(rect.height() > 0)) return from;

  // The range is laid out on its own, on the device itself, so fonts take their point sizes
  // at the device's resolution (as printing needs) and the lines break for that device.
  QTextCursor source(const_cast<QTextDocument*>(&document));
  source.setPosition(from);
  source.setPosition(to, QTextCursor::KeepAnchor);
  QTextDocument copy;
  copy.setUndoRedoEnabled(false);
  copy.setDefaultFont(document.defaultFont());
  copy.setUseDesignMetrics(true);
  copy.setDocumentMargin(0);
  if (device) copy.documentLayout()->setPaintDevice(const_cast<QPaintDevice*>(device));
  QTextCursor(&copy).insertFragment(source.selection());
  copy.setTextWidth(rect.width());

  const qreal height = rect.height();
  QAbstractTextDocumentLayout* layout = copy.documentLayout();
  int next = -1;
  qreal used = 0;
  for (QTextBlock block = copy.begin(); block.isValid() && next < 0; block = block.next()) {
    layout->blockBoundingRect(block);
    const QTextLayout* textLayout = block.layout();
    if (!textLayout) continue;
    const qreal origin = textLayout->position().y();
    for (int i = 0; i < textLayout->lineCount(); ++i) {
      const QTextLine line = textLayout->lineAt(i);
      const qreal bottom = origin + line.y() + line.height();
      if (bottom > height && used > 0) {
        next = block.position() + line.textStart();
        break;
      }
      used = bottom;
    }
  }

  if (painter) {
    painter->save();
    painter->translate(rect.topLeft());
    const QRectF clip(0, 0, rect.width(), std::min(used, height));
    painter->setClipRect(clip, Qt::IntersectClip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    context.palette.setColor(QPalette::Text, Qt::black);
    layout->draw(painter, context);
    painter->restore();
  }
  return next < 0 ? to : from + next;
}

QMimeData* RichTextPane::createMimeDataFromSelection() const {
  auto* data = new QMimeData;
  const QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) return data;
  const QTextDocumentFragment fragment = cursor.selection();
  data->setText(fragment.toPlainText());
  data->setHtml(fragment.toHtml());
  const QByteArray rtf =
      RtfWriter::write(*document(), cursor.selectionStart(), cursor.selectionEnd());
  data->setData(QStringLiteral("text/rtf"), rtf);
  data->setData(QStringLiteral("application/rtf"), rtf);
  return data;
}

bool RichTextPane::canInsertFromMimeData(const QMimeData* source) const {
  for (const char* type : kRtfMimeTypes) {
    if (source->hasFormat(QLatin1String(type))) return true;
  }
  return QTextEdit::canInsertFromMimeData(source);
}

void RichTextPane::insertFromMimeData(const QMimeData* source) {
  for (const char* type : kRtfMimeTypes) {
    if (source->hasFormat(QLatin1String(type))) {
      QTextCursor cursor = textCursor();
      RtfReader::insert(source->data(QLatin1String(type)), cursor);
      setTextCursor(cursor);
      return;
    }
  }
  QTextEdit::insertFromMimeData(source);
}

void RichTextPane::paintEvent(QPaintEvent* event) {
  if (!marks_.isEmpty()) {
    QPainter painter(viewport());
    for (const Mark& m : marks_) painter.fillRect(m.rect, m.color);
  }
  QTextEdit::paintEvent(event);
}

void RichTextPane::resizeEvent(QResizeEvent* event) {
  clearMarks();
  QTextEdit::resizeEvent(event);
}
