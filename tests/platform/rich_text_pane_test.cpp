#include "platform/rich_text_pane.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "platform/rtf_reader.h"

namespace {

const QColor kPaneBackground(250, 244, 211);
const QColor kMark(180, 169, 135);

// An article of `count` one-line paragraphs "line 0", "line 1", ...
QByteArray linesArticle(int count) {
  QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\\f0\\fs20 ";
  for (int i = 0; i < count; ++i) rtf += "line " + QByteArray::number(i) + "\\par ";
  return rtf + "}";
}

QByteArray textArticle(const QByteArray& text) {
  return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\\f0\\fs20 " + text + "}";
}

class RichTextPaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QPalette palette = pane.palette();
    palette.setColor(QPalette::Base, kPaneBackground);
    pane.setPalette(palette);
    pane.setFont(QFont(QStringLiteral("Arial"), 10));
    pane.resize(300, 100);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
  }

  int countPixels(const QImage& image, const QRect& area, const QColor& color) const {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        if (image.pixelColor(x, y) == color) ++n;
    return n;
  }

  RichTextPane pane;
};

TEST(RichTextPaneStandardSize, RewritesOnlyTheStandardSizeControlWord) {
  const QByteArray article = "{\\rtf1\\f0\\fs18 a\\b\\fs18\\i b\\fs180 c\\\\fs18 d\\fs24 e\\fs18}";
  EXPECT_EQ(RichTextPane::rewriteStandardSize(article, 12),
            "{\\rtf1\\f0\\fs24 a\\b\\fs24\\i b\\fs180 c\\\\fs18 d\\fs24 e\\fs24}");
  EXPECT_EQ(RichTextPane::rewriteStandardSize(article, 10),
            "{\\rtf1\\f0\\fs20 a\\b\\fs20\\i b\\fs180 c\\\\fs18 d\\fs24 e\\fs20}");
  EXPECT_EQ(RichTextPane::rewriteStandardSize(article, 9), article);
  for (int size = 5; size <= 49; ++size)
    EXPECT_EQ(RichTextPane::rewriteStandardSize(article, size).size(), article.size()) << size;
  // Sizes whose double has other than two digits get all their digits rather than two of them.
  EXPECT_EQ(RichTextPane::rewriteStandardSize("\\fs18 x", 50), "\\fs100 x");
  EXPECT_EQ(RichTextPane::rewriteStandardSize("\\fs18 x", 4), "\\fs8 x");
  EXPECT_EQ(RichTextPane::rewriteStandardSize("\\fs18 x", 0), "\\fs18 x");
  EXPECT_EQ(RichTextPane::rewriteStandardSize("\\fs1", 12), "\\fs1");
  // A rewritten article shows at the new size.
  QTextDocument doc;
  RtfReader::read(RichTextPane::rewriteStandardSize("{\\rtf1\\fs18 x}", 12), &doc);
  QTextCursor cursor(&doc);
  cursor.setPosition(1);
  EXPECT_DOUBLE_EQ(cursor.charFormat().fontPointSize(), 12.0);
}

TEST_F(RichTextPaneTest, CountsLaidOutLines) {
  EXPECT_TRUE(pane.loadRtf(linesArticle(3)));
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("line 0\nline 1\nline 2"));
  EXPECT_EQ(pane.lineCount(), 3);
  EXPECT_TRUE(pane.isReadOnly());

  const QByteArray words = QByteArray("word ").repeated(60);
  pane.loadRtf(textArticle(words));
  const int wide = pane.lineCount();
  EXPECT_GT(wide, 3);
  pane.resize(150, 100);
  EXPECT_GT(pane.lineCount(), wide);

  pane.loadRtf("");
  EXPECT_TRUE(pane.isEmpty());
  EXPECT_EQ(pane.lineCount(), 1);
}

TEST_F(RichTextPaneTest, ScrollsByLines) {
  pane.loadRtf(linesArticle(30));
  ASSERT_EQ(pane.lineCount(), 30);
  QSignalSpy spy(&pane, &RichTextPane::scrolled);
  EXPECT_EQ(pane.firstVisibleLine(), 0);

  pane.scrollLines(3);
  EXPECT_EQ(pane.firstVisibleLine(), 3);
  ASSERT_EQ(spy.size(), 1);
  EXPECT_EQ(spy.last().at(0).toInt(), 3);
  // Line 3 now stands at the top of the pane.
  EXPECT_LE(std::abs(pane.positionOfChar(pane.lineStart(3)).y()), 1);

  pane.scrollLines(-1);
  EXPECT_EQ(pane.firstVisibleLine(), 2);
  pane.scrollLines(-10);
  EXPECT_EQ(pane.firstVisibleLine(), 0);

  pane.scrollLines(1000);
  const int last = pane.firstVisibleLine();
  EXPECT_GT(last, 20);
  EXPECT_LT(last, 30);
  EXPECT_LT(pane.positionOfChar(pane.textLength()).y(), pane.viewport()->height());
  // The last line shows whole, however the pane's height divides into lines.
  for (int height : {107, 113, 100}) {
    pane.resize(pane.width(), height);
    pane.scrollLines(-1000);
    pane.scrollLines(1000);
    QTextCursor end(pane.document());
    end.movePosition(QTextCursor::End);
    EXPECT_LT(pane.cursorRect(end).bottom(), pane.viewport()->height()) << height;
    EXPECT_EQ(pane.verticalScrollBar()->value(), pane.verticalScrollBar()->maximum()) << height;
  }
  spy.clear();
  pane.scrollLines(1);
  EXPECT_EQ(pane.firstVisibleLine(), last);
  EXPECT_TRUE(spy.isEmpty());

  // Loading new text returns to the top.
  pane.loadRtf(linesArticle(30));
  EXPECT_EQ(pane.firstVisibleLine(), 0);
}

TEST_F(RichTextPaneTest, ReportsLinesAndCharacterPositions) {
  pane.loadRtf(textArticle("alpha\\par beta gamma\\par delta"));
  EXPECT_EQ(pane.lineCount(), 3);
  EXPECT_EQ(pane.lineStart(0), 0);
  EXPECT_EQ(pane.lineStart(1), 6);
  EXPECT_EQ(pane.lineStart(2), 17);
  EXPECT_EQ(pane.lineStart(3), -1);
  EXPECT_EQ(pane.lineLength(1), 10);
  EXPECT_EQ(pane.lineLength(7), 0);
  EXPECT_EQ(pane.lineFromChar(0), 0);
  EXPECT_EQ(pane.lineFromChar(7), 1);
  EXPECT_EQ(pane.lineFromChar(1000), 2);
  EXPECT_GT(pane.positionOfChar(1).x(), pane.positionOfChar(0).x());
  EXPECT_GT(pane.positionOfChar(6).y(), pane.positionOfChar(0).y());
  EXPECT_EQ(pane.positionOfChar(6).x(), pane.positionOfChar(0).x());
}

TEST_F(RichTextPaneTest, SelectAllAndCopyGiveRichTextThatReadsBack) {
  pane.loadRtf(
      "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fnil\\fcharset204 Arial;}}\\f0\\fs18 "
      "{\\b \\'ff\\'e1\\'eb\\'ee\\'ea\\'ee} apple\\par caf\\u233 ?\\par }");
  pane.setFocus();
  QTest::keyClick(&pane, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(pane.selectionStart(), 0);
  EXPECT_EQ(pane.selectionEnd(), pane.textLength());

  QApplication::clipboard()->clear();
  QTest::keyClick(&pane, Qt::Key_C, Qt::ControlModifier);
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  ASSERT_TRUE(data->hasFormat("text/rtf"));
  ASSERT_TRUE(data->hasFormat("application/rtf"));
  EXPECT_EQ(data->data("text/rtf"), data->data("application/rtf"));
  EXPECT_EQ(data->text(), QStringLiteral("яблоко apple\ncafé"));

  QTextDocument copy;
  EXPECT_TRUE(RtfReader::read(data->data("text/rtf"), &copy));
  EXPECT_EQ(copy.toPlainText(), pane.toPlainText());
  QTextCursor cursor(&copy);
  cursor.setPosition(1);
  EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);

  // A part of the text copies only that part.
  pane.selectRange(7, 12);
  pane.copy();
  RtfReader::read(QApplication::clipboard()->mimeData()->data("text/rtf"), &copy);
  EXPECT_EQ(copy.toPlainText(), QStringLiteral("apple"));
}

TEST_F(RichTextPaneTest, AppendsPastedRichTextAtTheEnd) {
  RichTextPane source;
  source.loadRtf(textArticle("{\\b head} word\\par meaning\\par "));
  source.selectAll();
  source.copy();

  pane.loadRtf(textArticle("x"));
  pane.appendFromClipboard();
  pane.appendEmptyLine();
  source.loadRtf(textArticle("second"));
  source.selectAll();
  source.copy();
  pane.appendFromClipboard();
  EXPECT_EQ(pane.toPlainText(), QStringLiteral("xhead word\nmeaning\nsecond"));
  QTextCursor cursor(pane.document());
  cursor.setPosition(2);
  EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);

  // Without rich text on offer, plain text is taken.
  QMimeData plain;
  plain.setText(QStringLiteral("!"));
  EXPECT_TRUE(pane.appendFromMimeData(&plain));
  EXPECT_TRUE(pane.toPlainText().endsWith(QStringLiteral("second!")));
  QMimeData nothing;
  EXPECT_FALSE(pane.appendFromMimeData(&nothing));
  EXPECT_FALSE(pane.appendFromMimeData(nullptr));
}

TEST_F(RichTextPaneTest, FindsWholeWordsWhateverTheirCase) {
  pane.loadRtf(textArticle("Apple pineapple apple. APPLE's applesauce\\par apple"));
  EXPECT_EQ(pane.findAllWholeWords(QStringLiteral("apple")), (QList<int>{0, 16, 23, 42}));
  EXPECT_EQ(pane.findWholeWord(QStringLiteral("apple"), 1), 16);
  EXPECT_EQ(pane.findWholeWord(QStringLiteral("pine")), -1);
  EXPECT_EQ(pane.findWholeWord(QString()), -1);
  EXPECT_EQ(pane.findWholeWord(QStringLiteral("apple"), 43), -1);

  pane.loadRtf(
      "{\\rtf1\\ansi\\ansicpg1251 \\'c4\\'ee\\'ec \\'e4\\'ee\\'ec\\'e8\\'ea \\'e4\\'ee\\'ec}");
  ASSERT_EQ(pane.toPlainText(), QStringLiteral("Дом домик дом"));
  EXPECT_EQ(pane.findAllWholeWords(QStringLiteral("дом")), (QList<int>{0, 10}));
  // A written form of two words is found as one.
  pane.loadRtf(textArticle("a fire engine, the fire engineer"));
  EXPECT_EQ(pane.findAllWholeWords(QStringLiteral("Fire Engine")), (QList<int>{2}));
}

TEST_F(RichTextPaneTest, MarksPaintUnderTheTextUntilTheViewMoves) {
  pane.loadRtf(linesArticle(30));
  const int second = pane.lineStart(1);
  pane.markRange(second, second + 4, kMark);  // "line" of "line 1"
  ASSERT_EQ(pane.marks().size(), 1);
  const QRect mark = pane.marks().first();
  EXPECT_EQ(mark.left(), pane.positionOfChar(second).x());
  EXPECT_EQ(mark.top(), pane.positionOfChar(second).y());

  QImage image = pane.viewport()->grab().toImage();
  // The background under the marked word takes the mark colour; its letters stay drawn.
  EXPECT_GT(countPixels(image, mark, kMark), mark.width() * mark.height() / 3);
  EXPECT_GT(mark.width() * mark.height() - countPixels(image, mark, kMark), 5);
  // Nowhere else is marked.
  EXPECT_EQ(countPixels(image, image.rect(), kMark), countPixels(image, mark, kMark));
  EXPECT_EQ(image.pixelColor(mark.right() + 40, mark.center().y()), kPaneBackground);

  // A range over a line break gives one rectangle per line.
  pane.clearMarks();
  pane.markRange(pane.lineStart(2) + 2, pane.lineStart(4) + 3, kMark);
  EXPECT_EQ(pane.marks().size(), 3);

  pane.scrollLines(2);
  EXPECT_TRUE(pane.marks().isEmpty());
  image = pane.viewport()->grab().toImage();
  EXPECT_EQ(countPixels(image, image.rect(), kMark), 0);
}

TEST_F(RichTextPaneTest, MarksGoWithTheTextTheyMarked) {
  // Emptied the way a pane is emptied when the mouse leaves every entry.
  pane.loadRtf(linesArticle(3));
  pane.markRange(0, 4, kMark);
  ASSERT_EQ(pane.marks().size(), 1);
  pane.setPlainText(QString());
  EXPECT_TRUE(pane.marks().isEmpty());
  QImage image = pane.viewport()->grab().toImage();
  EXPECT_EQ(countPixels(image, image.rect(), kMark), 0);

  // Text appended under a mark ends it too; a selection does not.
  pane.loadRtf(linesArticle(3));
  pane.markRange(0, 4, kMark);
  pane.selectRange(0, 6);
  pane.selectRange(0, 0);
  EXPECT_EQ(pane.marks().size(), 1);
  pane.appendRtf(textArticle("more"));
  EXPECT_TRUE(pane.marks().isEmpty());
}

TEST_F(RichTextPaneTest, RendersARangeIntoARectangle) {
  pane.loadRtf(linesArticle(5));
  QImage image(400, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  const QRect target(20, 30, 300, 200);
  {
    QPainter painter(&image);
    EXPECT_EQ(pane.renderRange(&painter, target, 0), pane.textLength());
  }
  const int inside = image.width() * image.height() - [&] {
    int white = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == QColor(Qt::white)) ++white;
    return white;
  }();
  EXPECT_GT(inside, 100);
  // Nothing is drawn outside the rectangle.
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!target.contains(x, y)) {
        ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
      }
    }
  }
}

TEST_F(RichTextPaneTest, RenderingStopsAtTheFirstLineThatDoesNotFit) {
  pane.loadRtf(linesArticle(7));
  QImage image(400, 400, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  // One line of 10-point Arial is about 16 pixels high: 40 pixels hold two lines.
  const QRectF page(0, 0, 300, 40);
  int position = 0;
  QList<int> starts;
  while (position < pane.textLength()) {
    starts.append(position);
    const int next = pane.renderRange(&painter, page, position);
    ASSERT_GT(next, position);
    EXPECT_EQ(pane.measureRange(&image, page, position), next);
    position = next;
  }
  EXPECT_EQ(starts, (QList<int>{0, pane.lineStart(2), pane.lineStart(4), pane.lineStart(6)}));
  EXPECT_EQ(pane.renderRange(&painter, page, 0, pane.lineStart(1)), pane.lineStart(1));
  EXPECT_EQ(pane.renderRange(&painter, QRectF(0, 0, 300, 0), 3), 3);
  EXPECT_EQ(pane.renderRange(&painter, page, 5, 5), 5);
  // Even a rectangle lower than one line takes a line, so a page loop always ends.
  EXPECT_EQ(pane.renderRange(&painter, QRectF(0, 0, 300, 3), 0), pane.lineStart(1));
}

TEST_F(RichTextPaneTest, RenderingScalesWithTheDeviceResolution) {
  pane.loadRtf(linesArticle(7));
  QImage screen(400, 400, QImage::Format_RGB32);
  QImage printer(1250, 1250, QImage::Format_RGB32);
  printer.setDotsPerMeterX(11811);  // 300 dpi
  printer.setDotsPerMeterY(11811);
  printer.fill(Qt::white);
  const qreal scale = printer.logicalDpiY() / 96.0;
  ASSERT_GT(scale, 3.0);
  const QRectF page(0, 0, 300, 40);
  const QRectF scaled(0, 0, 300 * scale, 40 * scale);
  EXPECT_EQ(pane.measureRange(&printer, scaled, 0), pane.measureRange(&screen, page, 0));
  QPainter painter(&printer);
  pane.renderRange(&painter, scaled, 0);
  painter.end();
  // The text is drawn large: ink reaches well below the first 40 pixels.
  bool inkLow = false;
  for (int y = 60; y < 120 && !inkLow; ++y)
    for (int x = 0; x < 600 && !inkLow; ++x) inkLow = printer.pixelColor(x, y) != QColor(Qt::white);
  EXPECT_TRUE(inkLow);
}

TEST_F(RichTextPaneTest, PrintsIntoAPdfAtItsPointSizes) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
  pane.loadRtf(
      "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset204 Arial;}}"
      "\\f0\\fs24 apple\\par\\f1 \\'ff\\'e1\\'eb\\'ee\\'ea\\'ee\\par }");
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString file = dir.filePath(QStringLiteral("entry.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setFullPage(true);
  const qreal perTwip = printer.logicalDpiY() / 1440.0;
  QPainter painter(&printer);
  const QRectF rect(500 * perTwip, 1800 * perTwip, 8000 * perTwip, 4000 * perTwip);
  EXPECT_EQ(pane.renderRange(&painter, rect, 0), pane.textLength());
  painter.end();

  QProcess process;
  process.start(pdftotext, {QStringLiteral("-bbox"), file, QStringLiteral("-")});
  ASSERT_TRUE(process.waitForFinished(30000));
  const QString html = QString::fromUtf8(process.readAllStandardOutput());
  ASSERT_TRUE(html.contains(QStringLiteral("яблоко"))) << html.toStdString();
  // 12-point text stands about 12 to 14 points high on the page, 1.25 inches from its top.
  const QRegularExpression word(
      QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">apple<"));
  const QRegularExpressionMatch m = word.match(html);
  ASSERT_TRUE(m.hasMatch()) << html.toStdString();
  const double top = m.captured(1).toDouble();
  const double height = m.captured(2).toDouble() - top;
  EXPECT_GT(height, 9.0);
  EXPECT_LT(height, 18.0);
  EXPECT_NEAR(top, 1800 / 20.0, 6.0);
}

}  // namespace
