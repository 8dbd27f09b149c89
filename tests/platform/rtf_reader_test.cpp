#include "platform/rtf_reader.h"

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <random>

namespace {

struct Read {
  bool complete = false;
  QString text;
};

Read read(QTextDocument& doc, QByteArrayView rtf) {
  Read r;
  r.complete = RtfReader::read(rtf, &doc);
  r.text = doc.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return r;
}

QString textOf(QByteArrayView rtf) {
  QTextDocument doc;
  return read(doc, rtf).text;
}

// The format of the character at `position`.
QTextCharFormat formatAt(QTextDocument& doc, int position) {
  QTextCursor cursor(&doc);
  cursor.setPosition(position + 1);
  return cursor.charFormat();
}

QStringList blockTexts(const QTextDocument& doc) {
  QStringList out;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) out << b.text();
  return out;
}

// An article as the dictionary stores it: font and colour tables, standard size \fs18.
const QByteArray kArticle =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
    "{\\f1\\froman\\fcharset0 Times New Roman;}}\r\n"
    "{\\colortbl ;\\red128\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
    "\\viewkind4\\uc1\\pard\\cf1\\b\\f0\\fs18 apple\\cf0\\b0 , n.\\par\r\n"
    "\\i a round \\f1\\fs24 fruit\\i0\\par\r\n}\r\n";

TEST(RtfReaderTest, ReadsArticleWithFontsColoursAndSizes) {
  QTextDocument doc;
  const Read r = read(doc, kArticle);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.text, QStringLiteral("apple, n.\na round fruit"));

  const QTextCharFormat apple = formatAt(doc, 0);
  EXPECT_EQ(apple.fontWeight(), QFont::Bold);
  EXPECT_EQ(apple.foreground().color(), QColor(128, 0, 0));
  EXPECT_DOUBLE_EQ(apple.fontPointSize(), 9.0);
  EXPECT_EQ(apple.fontFamilies().toStringList().value(0), QStringLiteral("Arial"));

  const QTextCharFormat comma = formatAt(doc, 5);
  EXPECT_EQ(comma.fontWeight(), QFont::Normal);
  EXPECT_FALSE(comma.hasProperty(QTextFormat::ForegroundBrush));

  const int fruit = int(r.text.indexOf(QStringLiteral("fruit")));
  const QTextCharFormat f = formatAt(doc, fruit);
  EXPECT_TRUE(f.fontItalic());
  EXPECT_DOUBLE_EQ(f.fontPointSize(), 12.0);
  EXPECT_EQ(f.fontFamilies().toStringList().value(0), QStringLiteral("Times New Roman"));
  EXPECT_FALSE(formatAt(doc, fruit - 3).fontFamilies().toStringList().contains("Times New Roman"));
}

TEST(RtfReaderTest, DecodesEightBitCharactersInTheRightCodePage) {
  // The document's code page.
  EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1251 \\'ff\\'e1\\'eb\\'EE\\'ea\\'ee}"),
            QStringLiteral("яблоко"));
  EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\'e0 la cr\\'e8me, ni\\'f1o, \\'fc}"),
            QStringLiteral("café à la crème, niño, ü"));
  // A font's character set wins over the document's code page, per font.
  EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"
                   "{\\f1\\fnil\\fcharset204 Arial;}}\\f1\\'e4\\'e0 \\f0\\'e9}"),
            QStringLiteral("да é"));
  // Character set 162 is the Turkish code page; the French and Spanish letters are the same.
  EXPECT_EQ(textOf("{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil\\fcharset162 Arial;}}\\f0 \\'fd\\'e9\\'f1}"),
            QStringLiteral("ıéñ"));
  // Without \ansicpg the code page is Windows-1252; an unknown one keeps it.
  EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg99999 \\'80}"), QStringLiteral("€"));
  // Raw 8-bit bytes are read the same way as escaped ones.
  EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1251 \xe4\xe0}"), QStringLiteral("да"));
  // Font names in a Cyrillic font are Cyrillic too.
  QTextDocument doc;
  read(doc, "{\\rtf1{\\fonttbl{\\f0\\fcharset204 \\'c0\\'f0\\'e8\\'e0\\'eb;}}\\f0 x}");
  EXPECT_EQ(formatAt(doc, 0).fontFamilies().toStringList().value(0), QStringLiteral("Ариал"));
}

TEST(RtfReaderTest, UnicodeEscapesSkipTheirFallbacks) {
  EXPECT_EQ(textOf("{\\rtf1\\uc1\\u1103?\\u1073?}"), QStringLiteral("яб"));
  EXPECT_EQ(textOf("{\\rtf1\\uc0\\u1103 x}"), QStringLiteral("яx"));
  EXPECT_EQ(textOf("{\\rtf1\\uc2\\u1103\\'ff\\'ffb}"), QStringLiteral("яb"));
  EXPECT_EQ(textOf("{\\rtf1\\uc2\\u1103 ??b}"), QStringLiteral("яb"));
  // The default fallback count is 1.
  EXPECT_EQ(textOf("{\\rtf1 \\u233\\'e9t\\u233 e}"), QStringLiteral("été"));
  // Negative values stand for code points above 32767.
  EXPECT_EQ(textOf("{\\rtf1\\u-3913?}"), QString(QChar(0xF0B7)));
  EXPECT_EQ(textOf("{\\rtf1\\u-10179?\\u-8704?}"), QString::fromUtf8("😀"));
  // A lone surrogate is not left in the text.
  EXPECT_EQ(textOf("{\\rtf1\\u-10179?x}"), QString(QChar::ReplacementCharacter) + "x");
  // \uc belongs to its group, and a group's end ends the skipping.
  EXPECT_EQ(textOf("{\\rtf1{\\uc2 \\u1103 ab}\\u1103 ?c}"), QStringLiteral("яяc"));
  EXPECT_EQ(textOf("{\\rtf1{\\uc3\\u1103 a}b}"), QStringLiteral("яb"));
  // A control word counts as one fallback character.
  EXPECT_EQ(textOf("{\\rtf1\\uc1\\u8212\\emdash x}"), QStringLiteral("—x"));
}

TEST(RtfReaderTest, GroupsRestoreCharacterFormatting) {
  QTextDocument doc;
  const Read r = read(doc, "{\\rtf1 a{\\b b{\\i c}d}e{\\ul f\\ul0 g\\ul h\\ulnone i}}");
  ASSERT_EQ(r.text, QStringLiteral("abcdefghi"));
  const auto bold = [&](int i) { return formatAt(doc, i).fontWeight() == QFont::Bold; };
  const auto italic = [&](int i) { return formatAt(doc, i).fontItalic(); };
  const auto ul = [&](int i) { return formatAt(doc, i).fontUnderline(); };
  EXPECT_FALSE(bold(0));
  EXPECT_TRUE(bold(1) && bold(2) && bold(3));
  EXPECT_FALSE(bold(4));
  EXPECT_TRUE(italic(2));
  EXPECT_FALSE(italic(1) || italic(3) || italic(4));
  EXPECT_TRUE(ul(5));
  EXPECT_FALSE(ul(6));
  EXPECT_TRUE(ul(7));
  EXPECT_FALSE(ul(8));
}

TEST(RtfReaderTest, PlainAndPardResetTheirState) {
  QTextDocument doc;
  read(doc,
       "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\deff0"
       "\\qc\\f1\\b\\i\\fs40 A\\plain B\\par C\\pard\\par D\\qr\\li1440\\fi-720 E}");
  EXPECT_EQ(blockTexts(doc), (QStringList{"AB", "C", "DE"}));
  const QTextCharFormat b = formatAt(doc, 1);
  EXPECT_EQ(b.fontWeight(), QFont::Normal);
  EXPECT_FALSE(b.fontItalic());
  EXPECT_DOUBLE_EQ(b.fontPointSize(), 12.0);
  EXPECT_EQ(b.fontFamilies().toStringList().value(0), QStringLiteral("Arial"));
  EXPECT_DOUBLE_EQ(formatAt(doc, 0).fontPointSize(), 20.0);
  // Paragraph properties apply to the paragraph their \par ends.
  EXPECT_EQ(doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(doc.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  const QTextBlockFormat last = doc.lastBlock().blockFormat();
  EXPECT_EQ(last.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  EXPECT_DOUBLE_EQ(last.leftMargin(), 96.0);
  EXPECT_DOUBLE_EQ(last.textIndent(), -48.0);
}

TEST(RtfReaderTest, ParagraphsLinesTabsAndSymbols) {
  QTextDocument doc;
  read(doc, "{\\rtf1 a\\line b\\tab c\\par d\\par }");
  EXPECT_EQ(blockTexts(doc), (QStringList{QStringLiteral("a\u2028b\tc"), "d"}));
  read(doc, "{\\rtf1 a\\par\\par }");
  EXPECT_EQ(blockTexts(doc), (QStringList{"a", ""}));
  EXPECT_EQ(textOf("{\\rtf1 \\{x\\}\\\\y\\~z\\-w\\_v}"), QStringLiteral("{x}\\y\u00A0zw\u2011v"));
  EXPECT_EQ(textOf("{\\rtf1 \\lquote a\\rquote \\ldblquote b\\rdblquote \\bullet\\endash}"),
            QStringLiteral("‘a’“b”•–"));
  // Line ends in the source are not text.
  EXPECT_EQ(textOf("{\\rtf1 ab\r\ncd\n}"), QStringLiteral("abcd"));
}

TEST(RtfReaderTest, SkipsDestinationsItDoesNotShow) {
  EXPECT_EQ(
      textOf("{\\rtf1{\\*\\unknowndest hidden {nested} text}"
             "{\\stylesheet{\\s0 Normal;}{\\s1 heading 1;}}{\\info{\\title T}{\\author A}}"
             "{\\pict\\wmetafile8\\picw10 0102ff}{\\*\\generator Riched20 10.0;}"
             "{\\header Head}{\\footer Foot}{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}"
             "visible}"),
      QStringLiteral("linkvisible"));
  // Binary data is skipped by its length, braces and backslashes in it included.
  EXPECT_EQ(textOf("{\\rtf1 x{\\*\\blip\\bin4 {}\\}}y}"), QStringLiteral("xy"));
  EXPECT_EQ(textOf("{\\rtf1 x\\bin3 }}}y}"), QStringLiteral("xy"));
  // Unknown control words are ignored, and their text shows.
  EXPECT_EQ(textOf("{\\rtf1\\lang1049\\noproof\\expndtw-3 word}"), QStringLiteral("word"));
}

TEST(RtfReaderTest, FontAndColourTablesInTheirVariousForms) {
  QTextDocument doc;
  read(doc,
       "{\\rtf1\\ansi{\\fonttbl\\f0\\fswiss Arial;\\f1\\fnil\\fcharset204{\\*\\panose 0}Tahoma;}"
       "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
       "\\f1\\cf2 \\'c4\\cf0 a\\cf9 b\\cf1 c}");
  EXPECT_EQ(doc.toRawText(), QStringLiteral("Дabc"));
  EXPECT_EQ(formatAt(doc, 0).fontFamilies().toStringList().value(0), QStringLiteral("Tahoma"));
  EXPECT_EQ(formatAt(doc, 0).foreground().color(), QColor(0, 0, 255));
  EXPECT_FALSE(formatAt(doc, 1).hasProperty(QTextFormat::ForegroundBrush));
  EXPECT_FALSE(formatAt(doc, 2).hasProperty(QTextFormat::ForegroundBrush));  // no such colour
  EXPECT_EQ(formatAt(doc, 3).foreground().color(), QColor(255, 0, 0));
  read(doc, "{\\rtf1\\fs21 x}");
  EXPECT_DOUBLE_EQ(formatAt(doc, 0).fontPointSize(), 10.5);
}

TEST(RtfReaderTest, InsertsAtACursorAsPastingDoes) {
  QTextDocument doc;
  doc.setPlainText(QStringLiteral("x"));
  QTextCursor cursor(&doc);
  cursor.movePosition(QTextCursor::End);
  EXPECT_TRUE(RtfReader::insert("{\\rtf1 a\\par {\\b b}\\par }", cursor));
  EXPECT_EQ(blockTexts(doc), (QStringList{"xa", "b"}));
  EXPECT_EQ(cursor.position(), doc.characterCount() - 1);
  EXPECT_EQ(formatAt(doc, 3).fontWeight(), QFont::Bold);
}

TEST(RtfReaderTest, MalformedInputShowsWhatCanBeRead) {
  QTextDocument doc;
  Read r = read(doc, "{\\rtf1 abc");
  EXPECT_FALSE(r.complete);
  EXPECT_EQ(r.text, "abc");
  r = read(doc, "}}{\\rtf1 a}");
  EXPECT_FALSE(r.complete);
  EXPECT_EQ(r.text, "a");
  r = read(doc, "{\\rtf1 a}}}trailing");
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.text, "a");
  EXPECT_EQ(read(doc, "{\\rtf1 ab\\'").text, "ab");
  EXPECT_EQ(read(doc, "{\\rtf1 ab\\'4").text, "ab");
  EXPECT_EQ(read(doc, "{\\rtf1 ab\\").text, "ab");
  r = read(doc, "{\\rtf1 a\\'zzb}");
  EXPECT_FALSE(r.complete);
  EXPECT_EQ(r.text, "azzb");
  r = read(doc, "plain words");
  EXPECT_FALSE(r.complete);
  EXPECT_EQ(r.text, "plain words");
  EXPECT_EQ(read(doc, "").text, "");
  EXPECT_EQ(read(doc, QByteArray("{\\rtf1 a\0b}", 11)).text, "ab");
  // A control word too long to be one is read through and ignored.
  EXPECT_EQ(read(doc, "{\\rtf1 \\" + QByteArray(5000, 'b') + " x}").text, "x");
}

TEST(RtfReaderTest, HugeNumbersAreClamped) {
  QTextDocument doc;
  const Read r = read(doc,
                      "{\\rtf1\\fs99999999999999999999 a\\u99999999999 ?\\uc-5\\u65 b"
                      "\\li-99999999999\\cf99999999999 c\\ansicpg-1\\f-99999999999 d"
                      "\\bin99999999999}");
  EXPECT_EQ(r.text, QString("a") + QChar(0xFFFD) + "Abcd");
  EXPECT_DOUBLE_EQ(formatAt(doc, 0).fontPointSize(), 1638.0);
  EXPECT_FALSE(r.complete);  // \bin ran past the end
  // Just past the range of int: must saturate, not wrap round to a negative size.
  read(doc, "{\\rtf1\\fs2147483650 a}");
  EXPECT_DOUBLE_EQ(formatAt(doc, 0).fontPointSize(), 1638.0);
}

TEST(RtfReaderTest, DeepNestingIsBoundedAndBalanced) {
  constexpr int kDepth = 100000;
  QByteArray rtf = "{\\rtf1 a";
  rtf += QByteArray(kDepth, '{');
  rtf += "\\b x";
  rtf += QByteArray(kDepth, '}');
  rtf += "y}z";
  QTextDocument doc;
  const Read r = read(doc, rtf);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.text, "axy");
  EXPECT_EQ(formatAt(doc, 1).fontWeight(), QFont::Bold);
  // Within the kept depth the state is restored exactly.
  QByteArray kept = "{\\rtf1 ";
  kept += QByteArray(RtfReader::kMaxDepth - 2, '{');
  kept += "\\b x";
  kept += QByteArray(RtfReader::kMaxDepth - 2, '}');
  kept += "y}";
  read(doc, kept);
  EXPECT_EQ(formatAt(doc, 0).fontWeight(), QFont::Bold);
  EXPECT_EQ(formatAt(doc, 1).fontWeight(), QFont::Normal);
}

TEST(RtfReaderTest, RandomDocumentsNeverBreakTheReader) {
  static const char kAlphabet[] = "{}\\\\\\'abcfiu0123456789-; \xe9\xff";
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<int> pick(0, int(sizeof(kAlphabet)) - 2);
  std::uniform_int_distribution<int> length(0, 400);
  QTextDocument doc;
  for (int round = 0; round < 2000; ++round) {
    QByteArray input = round % 2 ? "{\\rtf1" : "";
    const int n = length(rng);
    for (int i = 0; i < n; ++i) input += kAlphabet[pick(rng)];
    RtfReader::read(input, &doc);
    // The document stays consistent: every position can be reached and read.
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    ASSERT_EQ(cursor.position(), doc.characterCount() - 1) << input.toStdString();
  }
}

}  // namespace
