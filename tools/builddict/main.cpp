// orvik-builddict: builds an installation from a source dictionary, checks an installation,
// writes a large synthetic source dictionary for measurements, or draws previews of the artwork.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QStringList>
#include <cstdio>
#include <memory>

#include "emoji_painter.h"
#include "installation_builder.h"
#include "installation_checker.h"
#include "interface_artist.h"
#include "large_generator.h"
#include "page_artist.h"
#include "source_parser.h"

namespace {

void out(const QString& line) {
  std::fputs(qPrintable(line + u'\n'), stdout);
  std::fflush(stdout);
}
void err(const QString& line) {
  std::fputs(qPrintable(line + u'\n'), stderr);
}

int usage() {
  err(
      QStringLiteral("usage:\n"
                     "  orvik-builddict build <source-folder> <installation-folder> [--no-sounds]\n"
                     "  orvik-builddict check <installation-folder> [--demo]\n"
                     "  orvik-builddict generate-large <source-folder> --pages N --entries M\n"
                     "  orvik-builddict preview <source-folder> <picture-folder> [page-code...]"));
  return 2;
}

int build(const QStringList& args) {
  if (args.size() < 2 || args.size() > 3 || (args.size() == 3 && args[2] != u"--no-sounds"))
    return usage();
  builddict::SourceParser parser;
  out(QStringLiteral("Reading %1").arg(args[0]));
  const auto dictionary = parser.parseFolder(args[0]);
  if (!dictionary) {
    for (const QString& e : parser.errors()) err(e);
    err(QStringLiteral("orvik-builddict: %1 problem(s) in the source; nothing built")
            .arg(parser.errors().size()));
    return 1;
  }
  for (const QString& f : parser.fallbacks()) err(QStringLiteral("note: %1").arg(f));
  builddict::BuildOptions options;
  options.sounds = args.size() < 3;
  builddict::InstallationBuilder builder(out);
  QString error;
  if (!builder.build(*dictionary, args[1], options, &error)) {
    err(QStringLiteral("orvik-builddict: %1").arg(error));
    return 1;
  }
  return 0;
}

int check(const QStringList& args) {
  if (args.isEmpty() || args.size() > 2 || (args.size() == 2 && args[1] != u"--demo"))
    return usage();
  builddict::InstallationChecker checker;
  const bool ok = checker.check(args[0], args.size() == 2);
  const auto& s = checker.summary();
  for (const QString& p : checker.problems().mid(0, 60)) err(p);
  if (checker.problems().size() > 60)
    err(QStringLiteral("... and %1 more").arg(checker.problems().size() - 60));
  out(QStringLiteral("%1: %2 chapters, %3 pages, %4 entries, %5 search rows, %6")
          .arg(args[0])
          .arg(s.chapters)
          .arg(s.pages)
          .arg(s.entries)
          .arg(s.searchRows)
          .arg(s.sounds ? QStringLiteral("%1 sound files").arg(s.soundFiles)
                        : QStringLiteral("built without sounds")));
  out(ok ? QStringLiteral("check passed")
         : QStringLiteral("check FAILED: %1 problem(s)").arg(checker.problems().size()));
  return ok ? 0 : 1;
}

// Writes PNG pictures of pages for reviewing the artwork: each page as drawn, the same page with
// every highlight laid over it, and the chapter pictures.
int preview(const QStringList& args) {
  if (args.size() < 2) return usage();
  builddict::SourceParser parser;
  parser.setSharedPicturesAllowed(true);
  const auto dictionary = parser.parseFolder(args[0]);
  if (!dictionary) {
    for (const QString& e : parser.errors()) err(e);
    return 1;
  }
  for (const QString& w : parser.warnings()) err(QStringLiteral("warning: %1").arg(w));
  for (const QString& f : parser.fallbacks()) err(QStringLiteral("note: %1").arg(f));
  QDir().mkpath(args[1]);
  const QStringList only = args.mid(2);
  builddict::EmojiPainter emoji;
  builddict::PageArtist artist(&emoji);
  builddict::InterfaceArtist interface(&emoji);
  for (const auto& chapter : dictionary->chapters) {
    interface.chapterPicture(chapter).save(
        QStringLiteral("%1/chapter%2.png").arg(args[1]).arg(chapter.code));
    interface.chapterPagesPicture(chapter).save(
        QStringLiteral("%1/chapter%2-pages.png").arg(args[1]).arg(chapter.code));
    for (const auto& page : chapter.pages) {
      if (!only.isEmpty() && !only.contains(QString::number(page.code))) continue;
      const builddict::PageArt art = artist.draw(page, chapter.colour, dictionary->places);
      for (const QString& problem : builddict::PageArtist::problems(page, art.composition))
        err(QStringLiteral("warning: %1").arg(problem));
      art.picture.save(QStringLiteral("%1/page%2.png").arg(args[1]).arg(page.code));
      QImage all = art.picture;
      QPainter p(&all);
      for (int i = 0; i < art.highlights.size(); ++i)
        p.drawImage(art.highlightAt[i], art.highlights[i]);
      p.end();
      all.save(QStringLiteral("%1/page%2-highlights.png").arg(args[1]).arg(page.code));
      // The page twice as large with each object's English word under it, to check at a glance
      // that every picture shows its own word.
      QImage words = art.picture.scaled(art.picture.size() * 2, Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
      QPainter w(&words);
      w.setRenderHint(QPainter::Antialiasing);
      QFont font = w.font();
      font.setPixelSize(15);
      font.setBold(true);
      w.setFont(font);
      for (int i = 0; i < art.objectRects.size(); ++i) {
        const QRect o = art.objectRects[i];
        const QRect label(o.left() * 2 - 40, o.bottom() * 2 - 4, o.width() * 2 + 80, 20);
        w.setPen(Qt::NoPen);
        w.setBrush(QColor(255, 255, 255, 210));
        const QString text = page.entries[i].text[builddict::En].headWord;
        const int tw = w.fontMetrics().horizontalAdvance(text) + 8;
        w.drawRoundedRect(QRect(label.center().x() - tw / 2, label.top(), tw, 20), 4, 4);
        w.setPen(Qt::black);
        w.drawText(label, Qt::AlignCenter, text);
      }
      w.end();
      words.save(QStringLiteral("%1/page%2-words.png").arg(args[1]).arg(page.code));
    }
  }
  interface.splash(*dictionary).save(args[1] + QStringLiteral("/splash.png"));
  interface.background(true).save(args[1] + QStringLiteral("/background-chapters.png"));
  interface.background(false).save(args[1] + QStringLiteral("/background-pages.png"));
  interface.logo().save(args[1] + QStringLiteral("/logo.png"));
  for (int n = 1; n <= 4; ++n)
    interface.languageFrame(n).save(QStringLiteral("%1/lng%2.png").arg(args[1]).arg(n));
  out(QStringLiteral("Wrote previews into %1").arg(args[1]));
  return 0;
}

int generateLarge(const QStringList& args) {
  int pages = -1, entries = -1;
  if (args.size() != 5) return usage();
  for (int i = 1; i + 1 < args.size(); i += 2) {
    bool ok = false;
    const int v = args[i + 1].toInt(&ok);
    if (!ok) return usage();
    if (args[i] == u"--pages")
      pages = v;
    else if (args[i] == u"--entries")
      entries = v;
    else
      return usage();
  }
  QString error;
  if (!builddict::LargeGenerator::generate(args[0], pages, entries, &error)) {
    err(QStringLiteral("orvik-builddict: %1").arg(error));
    return 1;
  }
  out(QStringLiteral("Wrote %1 pages with %2 entries into %3/chapters")
          .arg(pages)
          .arg(entries)
          .arg(args[0]));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Pictures are drawn off screen; fonts need a GUI application but no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    // The GUI application wants a private runtime folder; a build machine often has none.
    const QString runtime = QDir::tempPath() + QStringLiteral("/orvik-builddict-runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
  }
  QStringList args;
  for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  if (args.isEmpty()) return usage();
  const QString command = args.takeFirst();
  if (command == u"generate-large") {
    QCoreApplication app(argc, argv);
    return generateLarge(args);
  }
  QGuiApplication app(argc, argv);
  if (command == u"build") return build(args);
  if (command == u"check") return check(args);
  if (command == u"preview") return preview(args);
  return usage();
}
