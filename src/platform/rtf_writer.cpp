#include "platform/rtf_writer.h"

#include <QColor>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/code_pages.h"

namespace {

constexpr double kTwipsPerPixel = 1440.0 / 96.0;

// The character formatting RTF can say, as the writer compares it between runs.
struct RunFormat {
  int font = 0;
  int halfPoints = 24;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  int color = 0;
  int highlight = 0;
  int vertical = 0;
  bool operator==(const RunFormat&) const = default;
};

struct Run {
  QString text;
  QTextCharFormat format;
};

// One paragraph of the range: its format, the format of an empty paragraph's mark, its runs,
// and whether its paragraph mark lies inside the range.
struct Paragraph {
  QTextBlockFormat blockFormat;
  QTextCharFormat markFormat;
  std::vector<Run> runs;
  bool ended = false;
};

class Writer {
 public:
  explicit Writer(const QTextDocument& document) : document_(document) {}

  QByteArray write(int from, int to) {
    collect(from, to);
    chooseCodePage();
    for (const Paragraph& p : paragraphs_) {
      addFormatTables(p.markFormat);
      for (const Run& r : p.runs) addFormatTables(r.format);
    }
    out_.reserve(256 + 2 * (to - from));
    out_ += "{\\rtf1\\ansi\\ansicpg";
    out_ += QByteArray::number(codePage_);
    out_ += "\\deff0{\\fonttbl";
    const int charset = codePage_ == 1251 ? 204 : 0;
    for (int i = 0; i < int(fonts_.size()); ++i) {
      out_ +=
          "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset" + QByteArray::number(charset) + ' ';
      needDelimiter_ = false;
      text(fonts_[size_t(i)]);
      out_ += ";}";
    }
    out_ += "}\n";
    if (!colors_.empty()) {
      out_ += "{\\colortbl ;";
      for (const QColor& c : colors_) {
        out_ += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) +
                "\\blue" + QByteArray::number(c.blue()) + ';';
      }
      out_ += "}\n";
    }
    out_ += "\\viewkind4\\uc1";
    needDelimiter_ = true;
    for (const Paragraph& p : paragraphs_) {
      paragraphFormat(p.blockFormat);
      if (p.runs.empty()) runFormat(p.markFormat);
      for (const Run& r : p.runs) {
        runFormat(r.format);
        text(r.text);
      }
      if (p.ended) {
        out_ += "\\par\n";
        needDelimiter_ = false;
      }
    }
    // The reader takes a final \par as the end of the text, so an empty last paragraph needs
    // a mark of its own to survive.
    if (paragraphs_.size() > 1 && paragraphs_.back().runs.empty() && !paragraphs_.back().ended)
      out_ += "\\par\n";
    out_ += "}\n";
    return out_;
  }

 private:
  void collect(int from, int to) {
    // A range reaching the end of the text takes the last paragraph even when it is empty.
    const int textEnd = document_.characterCount() - 1;
    QTextBlock block = document_.findBlock(from);
    for (; block.isValid() && (block.position() < to || (to == textEnd && block.position() == to));
         block = block.next()) {
      Paragraph p;
      p.blockFormat = block.blockFormat();
      p.markFormat = block.charFormat();
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int start = std::max(from, fragment.position());
        const int end = std::min(to, fragment.position() + fragment.length());
        if (start >= end) continue;
        p.runs.push_back(Run{fragment.text().mid(start - fragment.position(), end - start),
                             fragment.charFormat()});
      }
      const int mark = block.position() + block.length() - 1;
      p.ended = mark >= from && mark < to;
      paragraphs_.push_back(std::move(p));
    }
  }

  // Cyrillic text keeps its Cyrillic code page so that readers without \u still show it.
  void chooseCodePage() {
    int western = 0;
    int cyrillic = 0;
    for (const Paragraph& p : paragraphs_) {
      for (const Run& r : p.runs) {
        for (QChar c : r.text) {
          if (c.unicode() < 0x80) continue;
          if (orvik::codepages::encode(1252, c.unicode()) >= 0) ++western;
          if (orvik::codepages::encode(1251, c.unicode()) >= 0) ++cyrillic;
        }
      }
    }
    codePage_ = cyrillic > western ? 1251 : 1252;
  }

  QString familyOf(const QTextCharFormat& format) const {
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty()) return families.first();
    return document_.defaultFont().family();
  }

  void addFormatTables(const QTextCharFormat& format) {
    const QString family = familyOf(format);
    if (std::find(fonts_.begin(), fonts_.end(), family) == fonts_.end()) fonts_.push_back(family);
    addColor(format, QTextFormat::ForegroundBrush);
    addColor(format, QTextFormat::BackgroundBrush);
  }

  static QColor colorOf(const QTextCharFormat& format, QTextFormat::Property property) {
    if (!format.hasProperty(property)) return QColor();
    const QBrush brush = format.brushProperty(property);
    return brush.style() == Qt::NoBrush ? QColor() : brush.color();
  }

  void addColor(const QTextCharFormat& format, QTextFormat::Property property) {
    const QColor c = colorOf(format, property);
    if (c.isValid() && std::find(colors_.begin(), colors_.end(), c) == colors_.end())
      colors_.push_back(c);
  }

  int colorIndex(const QColor& c) const {
    if (!c.isValid()) return 0;
    return int(std::find(colors_.begin(), colors_.end(), c) - colors_.begin()) + 1;
  }

  RunFormat runFormatOf(const QTextCharFormat& format) const {
    RunFormat f;
    f.font = int(std::find(fonts_.begin(), fonts_.end(), familyOf(format)) - fonts_.begin());
    double points = format.hasProperty(QTextFormat::FontPointSize)
                        ? format.fontPointSize()
                        : document_.defaultFont().pointSizeF();
    if (points <= 0) points = 12;
    f.halfPoints = std::clamp(int(std::lround(points * 2)), 2, 3276);
    f.bold = format.fontWeight() >= QFont::DemiBold;
    f.italic = format.fontItalic();
    f.underline = format.fontUnderline();
    f.strike = format.fontStrikeOut();
    f.color = colorIndex(colorOf(format, QTextFormat::ForegroundBrush));
    f.highlight = colorIndex(colorOf(format, QTextFormat::BackgroundBrush));
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript) f.vertical = 1;
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript) f.vertical = -1;
    return f;
  }

  void word(const char* w, int param) {
    out_ += w;
    out_ += QByteArray::number(param);
    needDelimiter_ = true;
  }

  void word(const char* w) {
    out_ += w;
    needDelimiter_ = true;
  }

  void paragraphFormat(const QTextBlockFormat& format) {
    word("\\pard");
    const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
    if (align & Qt::AlignHCenter) word("\\qc");
    if (align & Qt::AlignRight) word("\\qr");
    if (align & Qt::AlignJustify) word("\\qj");
    const auto twips = [](double px) { return int(std::lround(px * kTwipsPerPixel)); };
    if (int v = twips(format.leftMargin())) word("\\li", v);
    if (int v = twips(format.rightMargin())) word("\\ri", v);
    if (int v = twips(format.textIndent())) word("\\fi", v);
    if (int v = twips(format.topMargin())) word("\\sb", v);
    if (int v = twips(format.bottomMargin())) word("\\sa", v);
  }

  void runFormat(const QTextCharFormat& format) {
    const RunFormat f = runFormatOf(format);
    if (haveLast_ && f == last_) return;
    last_ = f;
    haveLast_ = true;
    word("\\plain\\f", f.font);
    word("\\fs", f.halfPoints);
    if (f.bold) word("\\b");
    if (f.italic) word("\\i");
    if (f.underline) word("\\ul");
    if (f.strike) word("\\strike");
    if (f.color) word("\\cf", f.color);
    if (f.highlight) word("\\highlight", f.highlight);
    if (f.vertical > 0) word("\\super");
    if (f.vertical < 0) word("\\sub");
  }

  void text(const QString& s) {
    for (QChar qc : s) {
      const char16_t c = qc.unicode();
      switch (c) {
        case u'\\':
        case u'{':
        case u'}':
          out_ += '\\';
          out_ += char(c);
          needDelimiter_ = false;
          continue;
        case u'\t':
          word("\\tab");
          continue;
        case QChar::LineSeparator:
          word("\\line");
          continue;
        case QChar::ParagraphSeparator:
          word("\\par");
          continue;
        case QChar::Nbsp:
          out_ += "\\~";
          needDelimiter_ = false;
          continue;
        default:
          break;
      }
      if (c < 0x20) continue;
      if (c < 0x80) {
        if (needDelimiter_) out_ += ' ';
        needDelimiter_ = false;
        out_ += char(c);
        continue;
      }
      word("\\u", c > 0x7FFF ? int(c) - 0x10000 : int(c));
      const int byte = orvik::codepages::encode(codePage_, c);
      if (byte < 0) {
        out_ += needDelimiter_ ? " ?" : "?";
      } else {
        static const char kHex[] = "0123456789abcdef";
        out_ += "\\'";
        out_ += kHex[byte >> 4];
        out_ += kHex[byte & 15];
      }
      needDelimiter_ = false;
    }
  }

  const QTextDocument& document_;
  std::vector<Paragraph> paragraphs_;
  std::vector<QString> fonts_;
  std::vector<QColor> colors_;
  int codePage_ = 1252;
  QByteArray out_;
  bool needDelimiter_ = false;
  RunFormat last_;
  bool haveLast_ = false;
};

}  // namespace

QByteArray RtfWriter::write(const QTextDocument& document, int from, int to) {
  const int textEnd = std::max(0, document.characterCount() - 1);
  if (to < 0 || to > textEnd) to = textEnd;
  from = std::clamp(from, 0, to);
  return Writer(document).write(from, to);
}
