#include "article_rtf.h"

namespace builddict {

namespace {

// Unicode of the bytes 0x80..0xBF of each code page (0 where the byte is unused); the bytes from
// 0xC0 on are Latin-1 in 1252 and the Cyrillic letters U+0410..U+044F in 1251.
constexpr char16_t k1252High[64] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178, 0x00A0,
    0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x00AF, 0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6,
    0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF};
constexpr char16_t k1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0,      0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

}  // namespace

int codePageByte(char32_t c, int codePage) {
  if (c < 0x80) return int(c);
  const char16_t* high = codePage == 1251 ? k1251High : k1252High;
  for (int i = 0; i < 64; ++i)
    if (high[i] == c) return 0x80 + i;
  if (codePage == 1251) {
    if (c >= 0x0410 && c <= 0x044F) return int(c - 0x0410 + 0xC0);
  } else if (c >= 0xC0 && c <= 0xFF) {
    return int(c);
  }
  return -1;
}

QByteArray rtfEscape(const QString& text, int codePage) {
  QByteArray out;
  for (char32_t c : text.toUcs4()) {
    if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += char(c);
    } else if (c == '\t') {
      out += "\\tab ";
    } else if (c >= 0x20 && c < 0x80) {
      out += char(c);
    } else if (const int b = codePageByte(c, codePage); b >= 0x80) {
      out += QByteArray("\\'") + QByteArray::number(b, 16).rightJustified(2, '0');
    } else if (c >= 0x20) {
      // Outside the code page: a Unicode escape with '?' for readers that skip it.
      const QString utf16 = QString::fromUcs4(&c, 1);
      for (QChar u : utf16) out += "\\u" + QByteArray::number(qint16(u.unicode())) + '?';
    }
  }
  return out;
}

QByteArray articleRtf(const EntryText& text, int language) {
  const int codePage = language == Ru ? 1251 : 1252;
  const QByteArray charset = language == Ru ? "204" : "0";
  QByteArray rtf;
  rtf += "{\\rtf1\\ansi\\ansicpg" + QByteArray::number(codePage) + "\\deff0";
  rtf += "{\\fonttbl{\\f0\\fswiss\\fcharset" + charset + " Arial;}}";
  rtf += "{\\colortbl;\\red0\\green0\\blue0;\\red128\\green0\\blue0;}\n";
  rtf += "\\pard\\plain\\f0\\fs18 ";
  rtf += "{\\b " + rtfEscape(text.headWord, codePage) + "}  ";
  rtf += "{\\i\\cf2 " + rtfEscape(text.wordClass, codePage) + "}\\par\n";
  rtf += rtfEscape(text.definition, codePage) + "\\par\n";
  rtf += "{\\i " + rtfEscape(text.example, codePage) + "}\n";
  rtf += "}";
  return rtf;
}

}  // namespace builddict
