#include "platform/rtf_writer.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "platform/rtf_reader.h"

namespace {

QString rawText(const QTextDocument& doc) {
  return doc.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

// What the writer keeps of a character's format, for comparing documents.
struct Look {
  QString family;
  double points;
  bool bold, italic, underline, strike;
  QColor color;
  Qt::Alignment align;
  bool operator==(const Look&) const = default;
};

std::vector<Look> looks(const QTextDocument& doc) {
  std::vector<Look> out;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat f = it.fragment().charFormat();
      const Look look{
          f.fontFamilies().toStringList().value(0, doc.defaultFont().family()),
          f.fontPointSize(),
          f.fontWeight() >= QFont::DemiBold,
          f.fontItalic(),
          f.fontUnderline(),
          f.fontStrikeOut(),
          f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor(),
          b.blockFormat().alignment() & Qt::AlignHorizontal_Mask};
      for (int i = 0; i < it.fragment().length(); ++i) out.push_back(look);
    }
  }
  return out;
}

const QByteArray kArticle =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
    "{\\f1\\froman\\fcharset0 Times New Roman;}}"
    "{\\colortbl ;\\red128\\green0\\blue0;}"
    "\\pard\\qc\\cf1\\b\\f0\\fs18 apple\\cf0\\b0 , n.\\par"
    "\\pard\\i a {\\ul round} {\\strike old} \\f1\\fs24 fruit\\i0\\par"
    "caf\\'e9, ni\\'f1o{\\b  \\{braces\\}} back\\\\slash\\tab tab\\line line\\par }";

TEST(RtfWriterTest, WrittenTextReadsBackWithItsFormatting) {
  QTextDocument original;
  ASSERT_TRUE(RtfReader::read(kArticle, &original));
  const QByteArray rtf = RtfWriter::write(original);
  QTextDocument copy;
  EXPECT_TRUE(RtfReader::read(rtf, &copy)) << rtf.toStdString();
  EXPECT_EQ(rawText(copy), rawText(original));
  EXPECT_EQ(copy.blockCount(), original.blockCount());
  EXPECT_TRUE(looks(copy) == looks(original)) << rtf.toStdString();
}

TEST(RtfWriterTest, KeepsEmptyParagraphsAtTheEnd) {
  QTextDocument original;
  RtfReader::read("{\\rtf1 a\\par\\qr r\\par\\par\\par }", &original);
  ASSERT_EQ(original.blockCount(), 4);
  QTextDocument copy;
  EXPECT_TRUE(RtfReader::read(RtfWriter::write(original), &copy));
  EXPECT_EQ(rawText(copy), rawText(original));
  EXPECT_EQ(copy.blockCount(), 4);
}

TEST(RtfWriterTest, CyrillicTextChoosesItsCodePageWithFallbacks) {
  QTextDocument doc;
  doc.setPlainText(QStringLiteral("яблоко – ёж"));
  const QByteArray rtf = RtfWriter::write(doc);
  EXPECT_TRUE(rtf.contains("\\ansicpg1251")) << rtf.toStdString();
  EXPECT_TRUE(rtf.contains("\\fcharset204")) << rtf.toStdString();
  EXPECT_TRUE(rtf.contains("\\u1103\\'ff")) << rtf.toStdString();
  QTextDocument copy;
  RtfReader::read(rtf, &copy);
  EXPECT_EQ(copy.toPlainText(), doc.toPlainText());
  // A reader that knows nothing of \u reads the fallback bytes and still gets the text.
  QString stripped = QString::fromLatin1(rtf);
  stripped.remove(QRegularExpression(QStringLiteral("\\\\u-?[0-9]+ ?")));
  RtfReader::read(stripped.toLatin1(), &copy);
  EXPECT_EQ(copy.toPlainText(), doc.toPlainText());
}

TEST(RtfWriterTest, CharactersNoCodePageHoldsSurviveAsUnicode) {
  QTextDocument doc;
  const QString text = QString::fromUtf8("a😀b ₽ ı é Ж");
  doc.setPlainText(text);
  const QByteArray rtf = RtfWriter::write(doc);
  EXPECT_TRUE(rtf.contains("\\u-10179")) << rtf.toStdString();
  QTextDocument copy;
  RtfReader::read(rtf, &copy);
  EXPECT_EQ(copy.toPlainText(), text);
}

TEST(RtfWriterTest, WritesOnlyTheRange) {
  QTextDocument doc;
  doc.setPlainText(QStringLiteral("first line\nsecond line\nthird"));
  QTextDocument copy;
  RtfReader::read(RtfWriter::write(doc, 6, 17), &copy);
  EXPECT_EQ(rawText(copy), QStringLiteral("line\nsecond"));
  // A range ending on a paragraph end keeps the break but adds no empty paragraph.
  RtfReader::read(RtfWriter::write(doc, 0, 11), &copy);
  EXPECT_EQ(rawText(copy), QStringLiteral("first line"));
  // Empty and out-of-range ranges give valid documents.
  EXPECT_TRUE(RtfReader::read(RtfWriter::write(doc, 5, 5), &copy));
  EXPECT_TRUE(copy.isEmpty());
  EXPECT_TRUE(RtfReader::read(RtfWriter::write(doc, 20, 1000), &copy));
  EXPECT_EQ(rawText(copy), QStringLiteral("ne\nthird"));
  QTextDocument empty;
  EXPECT_TRUE(RtfReader::read(RtfWriter::write(empty), &copy));
  EXPECT_TRUE(copy.isEmpty());
}

}  // namespace
