#include "platform/rtf_reader.h"

#include <QColor>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/code_pages.h"

namespace {

// Where the text of the current group goes.
enum class Dest : quint8 { Text, Skip, FontTable, ColorTable };

enum class Kw : quint8 {
  Unknown,
  SkipDest,  // a destination whose content is never shown
  FontTable,
  ColorTable,
  Ansi,
  AnsiCpg,
  Deff,
  Uc,
  U,
  Bin,
  Plain,
  F,
  Fs,
  B,
  I,
  Ul,
  UlNone,
  Strike,
  Cf,
  Highlight,
  Super,
  Sub,
  NoSuperSub,
  Pard,
  Par,
  Line,
  Tab,
  Ql,
  Qc,
  Qr,
  Qj,
  Li,
  Ri,
  Fi,
  Sb,
  Sa,
  FCharset,
  Cpg,
  Red,
  Green,
  Blue,
  LQuote,
  RQuote,
  LDblQuote,
  RDblQuote,
  Bullet,
  EmDash,
  EnDash,
  EmSpace,
  EnSpace,
  Cell,
};

struct KeywordDef {
  std::string_view name;
  Kw id;
};

// Sorted by name for binary search (checked at compile time below).
constexpr KeywordDef kKeywords[] = {
    {"annotation", Kw::SkipDest},
    {"ansi", Kw::Ansi},
    {"ansicpg", Kw::AnsiCpg},
    {"atnauthor", Kw::SkipDest},
    {"atnid", Kw::SkipDest},
    {"author", Kw::SkipDest},
    {"b", Kw::B},
    {"bin", Kw::Bin},
    {"bkmkend", Kw::SkipDest},
    {"bkmkstart", Kw::SkipDest},
    {"blue", Kw::Blue},
    {"bullet", Kw::Bullet},
    {"buptim", Kw::SkipDest},
    {"cb", Kw::Highlight},
    {"cell", Kw::Cell},
    {"cf", Kw::Cf},
    {"colorschememapping", Kw::SkipDest},
    {"colortbl", Kw::ColorTable},
    {"comment", Kw::SkipDest},
    {"company", Kw::SkipDest},
    {"cpg", Kw::Cpg},
    {"creatim", Kw::SkipDest},
    {"datastore", Kw::SkipDest},
    {"deff", Kw::Deff},
    {"do", Kw::SkipDest},
    {"doccomm", Kw::SkipDest},
    {"docvar", Kw::SkipDest},
    {"emdash", Kw::EmDash},
    {"emspace", Kw::EmSpace},
    {"endash", Kw::EnDash},
    {"enspace", Kw::EnSpace},
    {"f", Kw::F},
    {"falt", Kw::SkipDest},
    {"fcharset", Kw::FCharset},
    {"fi", Kw::Fi},
    {"filetbl", Kw::SkipDest},
    {"fldinst", Kw::SkipDest},
    {"fonttbl", Kw::FontTable},
    {"footer", Kw::SkipDest},
    {"footerf", Kw::SkipDest},
    {"footerl", Kw::SkipDest},
    {"footerr", Kw::SkipDest},
    {"footnote", Kw::SkipDest},
    {"fs", Kw::Fs},
    {"ftncn", Kw::SkipDest},
    {"ftnsep", Kw::SkipDest},
    {"ftnsepc", Kw::SkipDest},
    {"generator", Kw::SkipDest},
    {"green", Kw::Green},
    {"header", Kw::SkipDest},
    {"headerf", Kw::SkipDest},
    {"headerl", Kw::SkipDest},
    {"headerr", Kw::SkipDest},
    {"highlight", Kw::Highlight},
    {"i", Kw::I},
    {"info", Kw::SkipDest},
    {"keywords", Kw::SkipDest},
    {"latentstyles", Kw::SkipDest},
    {"ldblquote", Kw::LDblQuote},
    {"li", Kw::Li},
    {"line", Kw::Line},
    {"listoverridetable", Kw::SkipDest},
    {"listtable", Kw::SkipDest},
    {"lquote", Kw::LQuote},
    {"mac", Kw::Ansi},
    {"nestcell", Kw::Cell},
    {"nonshppict", Kw::SkipDest},
    {"nosupersub", Kw::NoSuperSub},
    {"objdata", Kw::SkipDest},
    {"object", Kw::SkipDest},
    {"operator", Kw::SkipDest},
    {"page", Kw::Par},
    {"panose", Kw::SkipDest},
    {"par", Kw::Par},
    {"pard", Kw::Pard},
    {"pc", Kw::Ansi},
    {"pca", Kw::Ansi},
    {"pgdsctbl", Kw::SkipDest},
    {"pict", Kw::SkipDest},
    {"plain", Kw::Plain},
    {"pn", Kw::SkipDest},
    {"printim", Kw::SkipDest},
    {"private", Kw::SkipDest},
    {"qc", Kw::Qc},
    {"qj", Kw::Qj},
    {"ql", Kw::Ql},
    {"qr", Kw::Qr},
    {"rdblquote", Kw::RDblQuote},
    {"red", Kw::Red},
    {"revtbl", Kw::SkipDest},
    {"revtim", Kw::SkipDest},
    {"ri", Kw::Ri},
    {"row", Kw::Par},
    {"rquote", Kw::RQuote},
    {"rsidtbl", Kw::SkipDest},
    {"rxe", Kw::SkipDest},
    {"sa", Kw::Sa},
    {"sb", Kw::Sb},
    {"sect", Kw::Par},
    {"shppict", Kw::SkipDest},
    {"strike", Kw::Strike},
    {"striked", Kw::Strike},
    {"stylesheet", Kw::SkipDest},
    {"sub", Kw::Sub},
    {"subject", Kw::SkipDest},
    {"super", Kw::Super},
    {"tab", Kw::Tab},
    {"tc", Kw::SkipDest},
    {"template", Kw::SkipDest},
    {"themedata", Kw::SkipDest},
    {"title", Kw::SkipDest},
    {"txe", Kw::SkipDest},
    {"u", Kw::U},
    {"uc", Kw::Uc},
    {"ul", Kw::Ul},
    {"uld", Kw::Ul},
    {"uldash", Kw::Ul},
    {"uldashd", Kw::Ul},
    {"uldashdd", Kw::Ul},
    {"uldb", Kw::Ul},
    {"ulhwave", Kw::Ul},
    {"ulldash", Kw::Ul},
    {"ulnone", Kw::UlNone},
    {"ulth", Kw::Ul},
    {"ulthd", Kw::Ul},
    {"ulthdash", Kw::Ul},
    {"ulthdashd", Kw::Ul},
    {"ulthdashdd", Kw::Ul},
    {"ulthldash", Kw::Ul},
    {"ululdbwave", Kw::Ul},
    {"ulw", Kw::Ul},
    {"ulwave", Kw::Ul},
    {"userprops", Kw::SkipDest},
    {"xe", Kw::SkipDest},
    {"xmlnstbl", Kw::SkipDest},
};

static_assert(std::is_sorted(std::begin(kKeywords), std::end(kKeywords),
                             [](const KeywordDef& a, const KeywordDef& b) {
                               return a.name < b.name;
                             }),
              "keyword table must be sorted");

Kw lookup(std::string_view word) {
  const auto* it =
      std::lower_bound(std::begin(kKeywords), std::end(kKeywords), word,
                       [](const KeywordDef& def, std::string_view w) { return def.name < w; });
  if (it != std::end(kKeywords) && it->name == word) return it->id;
  return Kw::Unknown;
}

// Longest control word kept; longer words are read through and ignored.
constexpr int kMaxWordLength = 32;
// Numeric parameters saturate here, so huge numbers cannot overflow.
constexpr int kMaxParam = 1'000'000'000;
// Font sizes in half-points are kept to what a word processor accepts (1 to 1638 points).
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;
// Indents and spacing in twips are kept within 22 inches.
constexpr int kMaxTwips = 31680;
// One twip in the document's pixels (96 per inch).
constexpr double kPixelsPerTwip = 96.0 / 1440.0;

struct CharState {
  int font = -1;
  int halfPoints = 24;
  int color = 0;  // colour-table index; 0 or an empty entry is the automatic colour
  int highlight = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  qint8 vertical = 0;  // 1 superscript, -1 subscript
  bool operator==(const CharState&) const = default;
};

struct ParaState {
  Qt::Alignment align = Qt::AlignLeft;
  int leftTwips = 0;
  int rightTwips = 0;
  int firstTwips = 0;
  int beforeTwips = 0;
  int afterTwips = 0;
};

struct Group {
  CharState ch;
  ParaState para;
  int uc = 1;
  Dest dest = Dest::Text;
};

struct FontEntry {
  int index = 0;
  int codePage = 0;  // 0: the document's code page
  bool explicitCodePage = false;
  QString name;
};

bool isHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c) {
  if (c <= '9') return c - '0';
  return (c | 0x20) - 'a' + 10;
}

class Parser {
 public:
  Parser(QByteArrayView input, QTextCursor& cursor)
      : p_(input.data()), end_(input.data() + input.size()), cursor_(cursor) {
    stack_.reserve(64);
    ownsBlock_ = cursor_.block().length() <= 1;
    blockHasText_ = !ownsBlock_;
  }

  bool run() {
    constexpr std::string_view kMagic = "{\\rtf";
    if (size_t(end_ - p_) < kMagic.size() || std::string_view(p_, kMagic.size()) != kMagic)
      malformed_ = true;
    while (p_ < end_ && !finished_) {
      if (cur_.dest == Dest::Skip) skipPlainBytes();
      if (p_ >= end_) break;
      const char c = *p_++;
      switch (c) {
        case '{':
          openGroup();
          break;
        case '}':
          closeGroup();
          break;
        case '\\':
          controlSequence();
          break;
        case '\r':
        case '\n':
          break;
        default:
          literal(uchar(c));
          break;
      }
    }
    if (!finished_) {
      malformed_ = true;
      finishText();
    }
    return !malformed_;
  }

 private:
  // Inside a skipped destination only braces and backslashes matter.
  void skipPlainBytes() {
    while (p_ < end_ && *p_ != '{' && *p_ != '}' && *p_ != '\\') ++p_;
  }

  void openGroup() {
    ucSkip_ = 0;
    if (int(stack_.size()) >= RtfReader::kMaxDepth) {
      ++overflow_;
      return;
    }
    stack_.push_back(cur_);
  }

  void closeGroup() {
    ucSkip_ = 0;
    if (overflow_ > 0) {
      --overflow_;
      return;
    }
    if (stack_.empty()) {
      malformed_ = true;  // a stray closing brace
      return;
    }
    if (cur_.dest == Dest::FontTable) commitFont();
    if (stack_.size() == 1) finishText();  // the last paragraph takes the text's final state
    cur_ = stack_.back();
    stack_.pop_back();
    if (stack_.empty()) finished_ = true;
  }

  void controlSequence() {
    if (p_ >= end_) {
      malformed_ = true;
      return;
    }
    const char c = *p_;
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      controlWord();
      return;
    }
    ++p_;
    if (c == '\'') {
      int value = 0;
      int digits = 0;
      while (digits < 2 && p_ < end_ && isHex(*p_)) {
        value = value * 16 + hexValue(*p_++);
        ++digits;
      }
      if (ucSkip_ > 0) {
        --ucSkip_;
        return;
      }
      if (digits < 2) {
        malformed_ = true;
        return;
      }
      byteChar(uchar(value));
      return;
    }
    if (ucSkip_ > 0) {
      --ucSkip_;
      return;
    }
    switch (c) {
      case '\\':
      case '{':
      case '}':
        byteChar(uchar(c));
        break;
      case '~':
        putChar(0x00A0);
        break;
      case '_':
        putChar(0x2011);
        break;
      case '*':
        cur_.dest = Dest::Skip;
        break;
      case '\r':
      case '\n':
        if (cur_.dest == Dest::Text) paragraph();
        break;
      default:
        break;  // \- (optional hyphen), \| , \: and unknown symbols show nothing
    }
  }

  void controlWord() {
    const char* start = p_;
    while (p_ < end_ && ((*p_ >= 'a' && *p_ <= 'z') || (*p_ >= 'A' && *p_ <= 'Z'))) ++p_;
    const std::string_view word(start, size_t(p_ - start));
    bool hasParam = false;
    bool negative = false;
    int param = 0;
    if (p_ < end_ && *p_ == '-' && p_ + 1 < end_ && p_[1] >= '0' && p_[1] <= '9') {
      negative = true;
      ++p_;
    }
    while (p_ < end_ && *p_ >= '0' && *p_ <= '9') {
      hasParam = true;
      param = int(std::min<qint64>(qint64(param) * 10 + (*p_ - '0'), kMaxParam));
      ++p_;
    }
    if (negative) param = -param;
    if (p_ < end_ && *p_ == ' ') ++p_;
    const Kw kw = word.size() <= size_t(kMaxWordLength) ? lookup(word) : Kw::Unknown;
    if (kw == Kw::Bin) {
      const qsizetype count = std::clamp<qsizetype>(hasParam ? param : 0, 0, end_ - p_);
      p_ += count;
      if (ucSkip_ > 0) --ucSkip_;
      return;
    }
    if (ucSkip_ > 0) {
      --ucSkip_;
      return;
    }
    if (cur_.dest == Dest::Skip) return;
    handleWord(kw, hasParam, param);
  }

  void handleWord(Kw kw, bool hasParam, int param) {
    const bool on = !hasParam || param != 0;
    switch (kw) {
      case Kw::Unknown:
        return;
      case Kw::SkipDest:
        cur_.dest = Dest::Skip;
        return;
      case Kw::FontTable:
        cur_.dest = Dest::FontTable;
        return;
      case Kw::ColorTable:
        cur_.dest = Dest::ColorTable;
        colors_.clear();
        resetColorComponents();
        return;
      case Kw::Ansi:
        ansiCodePage_ = 1252;
        return;
      case Kw::AnsiCpg:
        if (orvik::codepages::isKnown(param)) ansiCodePage_ = param;
        return;
      case Kw::Deff:
        if (hasParam) {
          defaultFont_ = param;
          if (cur_.ch.font < 0) cur_.ch.font = param;
        }
        return;
      case Kw::Uc:
        cur_.uc = std::clamp(param, 0, 0xFFFF);
        return;
      case Kw::U: {
        int code = std::clamp(param, -32768, 65535);
        if (code < 0) code += 65536;
        putChar(char16_t(code));
        ucSkip_ = cur_.uc;
        return;
      }
      default:
        break;
    }
    switch (cur_.dest) {
      case Dest::FontTable:
        fontTableWord(kw, hasParam, param);
        return;
      case Dest::ColorTable:
        colorTableWord(kw, param);
        return;
      case Dest::Skip:
        return;
      case Dest::Text:
        break;
    }
    CharState& ch = cur_.ch;
    ParaState& para = cur_.para;
    switch (kw) {
      case Kw::Plain:
        ch = CharState{};
        ch.font = defaultFont_;
        break;
      case Kw::F:
        if (hasParam) ch.font = param;
        break;
      case Kw::Fs:
        if (hasParam && param > 0)
          ch.halfPoints = std::clamp(param, kMinHalfPoints, kMaxHalfPoints);
        break;
      case Kw::B:
        ch.bold = on;
        break;
      case Kw::I:
        ch.italic = on;
        break;
      case Kw::Ul:
        ch.underline = on;
        break;
      case Kw::UlNone:
        ch.underline = false;
        break;
      case Kw::Strike:
        ch.strike = on;
        break;
      case Kw::Cf:
        ch.color = std::max(param, 0);
        break;
      case Kw::Highlight:
        ch.highlight = std::max(param, 0);
        break;
      case Kw::Super:
        ch.vertical = on ? 1 : 0;
        break;
      case Kw::Sub:
        ch.vertical = on ? -1 : 0;
        break;
      case Kw::NoSuperSub:
        ch.vertical = 0;
        break;
      case Kw::Pard:
        para = ParaState{};
        break;
      case Kw::Par:
        paragraph();
        break;
      case Kw::Line:
        putChar(QChar::LineSeparator);
        break;
      case Kw::Tab:
      case Kw::Cell:
        putChar(u'\t');
        break;
      case Kw::Ql:
        para.align = Qt::AlignLeft;
        break;
      case Kw::Qc:
        para.align = Qt::AlignHCenter;
        break;
      case Kw::Qr:
        para.align = Qt::AlignRight;
        break;
      case Kw::Qj:
        para.align = Qt::AlignJustify;
        break;
      case Kw::Li:
        para.leftTwips = std::clamp(param, -kMaxTwips, kMaxTwips);
        break;
      case Kw::Ri:
        para.rightTwips = std::clamp(param, -kMaxTwips, kMaxTwips);
        break;
      case Kw::Fi:
        para.firstTwips = std::clamp(param, -kMaxTwips, kMaxTwips);
        break;
      case Kw::Sb:
        para.beforeTwips = std::clamp(param, 0, kMaxTwips);
        break;
      case Kw::Sa:
        para.afterTwips = std::clamp(param, 0, kMaxTwips);
        break;
      case Kw::LQuote:
        putChar(0x2018);
        break;
      case Kw::RQuote:
        putChar(0x2019);
        break;
      case Kw::LDblQuote:
        putChar(0x201C);
        break;
      case Kw::RDblQuote:
        putChar(0x201D);
        break;
      case Kw::Bullet:
        putChar(0x2022);
        break;
      case Kw::EmDash:
        putChar(0x2014);
        break;
      case Kw::EnDash:
        putChar(0x2013);
        break;
      case Kw::EmSpace:
        putChar(0x2003);
        break;
      case Kw::EnSpace:
        putChar(0x2002);
        break;
      default:
        break;
    }
  }

  void fontTableWord(Kw kw, bool hasParam, int param) {
    switch (kw) {
      case Kw::F:
        commitFont();
        fontOpen_ = true;
        font_ = FontEntry{};
        font_.index = hasParam ? param : 0;
        break;
      case Kw::FCharset:
        if (fontOpen_ && !font_.explicitCodePage)
          font_.codePage = orvik::codepages::codePageForCharset(param);
        break;
      case Kw::Cpg:
        if (fontOpen_ && orvik::codepages::isKnown(param)) {
          font_.codePage = param;
          font_.explicitCodePage = true;
        }
        break;
      default:
        break;
    }
  }

  void colorTableWord(Kw kw, int param) {
    const int value = std::clamp(param, 0, 255);
    switch (kw) {
      case Kw::Red:
        red_ = value;
        colorSet_ = true;
        break;
      case Kw::Green:
        green_ = value;
        colorSet_ = true;
        break;
      case Kw::Blue:
        blue_ = value;
        colorSet_ = true;
        break;
      default:
        break;
    }
  }

  void resetColorComponents() {
    red_ = green_ = blue_ = 0;
    colorSet_ = false;
  }

  void commitFont() {
    if (!fontOpen_) return;
    fontOpen_ = false;
    font_.name = font_.name.trimmed();
    for (FontEntry& f : fonts_) {
      if (f.index == font_.index) {
        f = font_;
        formatCacheValid_ = false;
        return;
      }
    }
    fonts_.push_back(font_);
    formatCacheValid_ = false;
  }

  const FontEntry* findFont(int index) const {
    for (const FontEntry& f : fonts_)
      if (f.index == index) return &f;
    return nullptr;
  }

  int textCodePage() const {
    const FontEntry* f = findFont(cur_.ch.font);
    return f && f->codePage ? f->codePage : ansiCodePage_;
  }

  // An unescaped byte of the input.
  void literal(uchar b) {
    if (ucSkip_ > 0) {
      --ucSkip_;
      return;
    }
    byteChar(b);
  }

  // A byte of text, literal or written \'hh, in the code page that applies where it stands.
  void byteChar(uchar b) {
    switch (cur_.dest) {
      case Dest::Skip:
        return;
      case Dest::ColorTable:
        if (b == ';') {
          colors_.push_back(colorSet_ ? QColor(red_, green_, blue_) : QColor());
          resetColorComponents();
          formatCacheValid_ = false;
        }
        return;
      case Dest::FontTable:
        if (b == ';') {
          commitFont();
        } else if (fontOpen_) {
          const int cp = font_.codePage ? font_.codePage : ansiCodePage_;
          font_.name.append(QChar(orvik::codepages::decode(cp, b)));
        }
        return;
      case Dest::Text:
        putText(b < 0x80 ? char16_t(b) : orvik::codepages::decode(textCodePage(), b));
        return;
    }
  }

  // A character given by its code: \u, symbols and special characters.
  void putChar(char16_t c) {
    switch (cur_.dest) {
      case Dest::Text:
        putText(c);
        return;
      case Dest::FontTable:
        if (fontOpen_) font_.name.append(QChar(c));
        return;
      default:
        return;
    }
  }

  void putText(char16_t c) {
    if (c < 0x20 && c != u'\t') return;  // line ends and control codes are not text in RTF
    if (c == QChar::ParagraphSeparator) {
      paragraph();
      return;
    }
    // Codes the text engine reserves for its own structure never enter the document.
    if (c == 0xFDD0 || c == 0xFDD1 || c == QChar::ObjectReplacementCharacter || c >= 0xFFFE)
      c = QChar::ReplacementCharacter;
    if (pendingBlock_) openBlock();
    if (!run_.isEmpty() && !(runState_ == cur_.ch)) flushRun();
    if (run_.isEmpty()) runState_ = cur_.ch;
    run_.append(QChar(c));
  }

  void finishText() {
    flushRun();
    if (!pendingBlock_) applyBlockFormat();
  }

  void paragraph() {
    if (pendingBlock_) openBlock();
    flushRun();
    applyBlockFormat();
    pendingBlock_ = true;
  }

  void openBlock() {
    flushRun();
    cursor_.insertBlock(QTextBlockFormat(), charFormat(cur_.ch));
    pendingBlock_ = false;
    ownsBlock_ = true;
    blockHasText_ = false;
  }

  void applyBlockFormat() {
    if (!ownsBlock_) return;
    const ParaState& para = cur_.para;
    QTextBlockFormat format;
    format.setAlignment(para.align);
    if (para.leftTwips) format.setLeftMargin(para.leftTwips * kPixelsPerTwip);
    if (para.rightTwips) format.setRightMargin(para.rightTwips * kPixelsPerTwip);
    if (para.firstTwips) format.setTextIndent(para.firstTwips * kPixelsPerTwip);
    if (para.beforeTwips) format.setTopMargin(para.beforeTwips * kPixelsPerTwip);
    if (para.afterTwips) format.setBottomMargin(para.afterTwips * kPixelsPerTwip);
    cursor_.setBlockFormat(format);
    if (!blockHasText_) cursor_.setBlockCharFormat(charFormat(cur_.ch));
  }

  void flushRun() {
    if (run_.isEmpty()) return;
    // A surrogate without its partner would leave the text unreadable; show a replacement.
    for (qsizetype i = 0; i < run_.size(); ++i) {
      const QChar c = run_.at(i);
      if (c.isHighSurrogate() && i + 1 < run_.size() && run_.at(i + 1).isLowSurrogate()) {
        ++i;
      } else if (c.isSurrogate()) {
        run_[i] = QChar::ReplacementCharacter;
      }
    }
    cursor_.insertText(run_, charFormat(runState_));
    run_.clear();
    blockHasText_ = true;
  }

  QColor colorAt(int index) const {
    if (index <= 0 || index >= int(colors_.size())) return QColor();
    return colors_[size_t(index)];
  }

  const QTextCharFormat& charFormat(const CharState& s) {
    if (formatCacheValid_ && cachedState_ == s) return cachedFormat_;
    QTextCharFormat f;
    if (const FontEntry* font = findFont(s.font); font && !font->name.isEmpty())
      f.setFontFamilies(QStringList{font->name});
    f.setFontPointSize(s.halfPoints / 2.0);
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    f.setFontStrikeOut(s.strike);
    if (const QColor c = colorAt(s.color); c.isValid()) f.setForeground(c);
    if (const QColor c = colorAt(s.highlight); c.isValid()) f.setBackground(c);
    if (s.vertical > 0) f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (s.vertical < 0) f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    cachedState_ = s;
    cachedFormat_ = f;
    formatCacheValid_ = true;
    return cachedFormat_;
  }

  const char* p_;
  const char* end_;
  QTextCursor& cursor_;

  Group cur_;
  std::vector<Group> stack_;
  int overflow_ = 0;
  bool finished_ = false;
  bool malformed_ = false;
  int ucSkip_ = 0;

  int ansiCodePage_ = 1252;
  int defaultFont_ = -1;
  std::vector<FontEntry> fonts_;
  FontEntry font_;
  bool fontOpen_ = false;
  std::vector<QColor> colors_;
  int red_ = 0, green_ = 0, blue_ = 0;
  bool colorSet_ = false;

  QString run_;
  CharState runState_;
  bool pendingBlock_ = false;
  bool ownsBlock_ = false;
  bool blockHasText_ = false;

  CharState cachedState_;
  QTextCharFormat cachedFormat_;
  bool formatCacheValid_ = false;
};

}  // namespace

bool RtfReader::read(QByteArrayView rtf, QTextDocument* document) {
  Q_ASSERT(document);
  if (!document) return false;
  const bool undo = document->isUndoRedoEnabled();
  document->setUndoRedoEnabled(false);
  document->clear();
  QTextCursor cursor(document);
  const bool complete = insert(rtf, cursor);
  document->setUndoRedoEnabled(undo);
  return complete;
}

bool RtfReader::insert(QByteArrayView rtf, QTextCursor& cursor) {
  cursor.beginEditBlock();
  Parser parser(rtf, cursor);
  const bool complete = parser.run();
  cursor.endEditBlock();
  return complete;
}
