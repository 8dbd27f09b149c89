// orvik-gallery <out-dir> [--check]: renders every skinned control in each of its states into
// PNG files in <out-dir>. With --check it then reads every PNG back and fails when one is
// missing, unreadable or of a single colour.

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTextStream>
#include <cstdio>

#include "gallery.h"

namespace gallery {

void save(const QDir& dir, const QString& name, const QImage& image) {
  if (!image.save(dir.filePath(name + QStringLiteral(".png"))))
    std::fprintf(stderr, "cannot write %s.png\n", qPrintable(name));
  const QImage big = image.scaled(image.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  big.save(dir.filePath(name + QStringLiteral("@3x.png")));
}

}  // namespace gallery

namespace {

// True when the image has at least two different colours.
bool hasContent(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb first = argb.pixel(0, 0);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x)
      if (line[x] != first) return true;
  }
  return false;
}

int check(const QDir& dir) {
  const QStringList files = dir.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
  int failures = 0;
  if (files.isEmpty()) {
    std::fprintf(stderr, "no pictures were written\n");
    return 1;
  }
  for (const QString& f : files) {
    const QImage image(dir.filePath(f));
    if (image.isNull()) {
      std::fprintf(stderr, "%s: unreadable\n", qPrintable(f));
      ++failures;
    } else if (!hasContent(image)) {
      std::fprintf(stderr, "%s: blank\n", qPrintable(f));
      ++failures;
    }
  }
  std::printf("%lld pictures checked, %d bad\n", static_cast<long long>(files.size()), failures);
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: orvik-gallery <out-dir> [--check]\n");
    return 2;
  }
  QDir dir(args.at(1));
  if (!dir.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(args.at(1)));
    return 2;
  }
  renderButtonGallery(dir);
  renderListGallery(dir);
  if (args.contains(QStringLiteral("--check"))) {
    const QStringList required = {
        QStringLiteral("buttons.png"),        QStringLiteral("caption_buttons.png"),
        QStringLiteral("hint_window.png"),    QStringLiteral("scroll_bars.png"),
        QStringLiteral("track_bars.png"),     QStringLiteral("progress_bar.png"),
        QStringLiteral("panels.png"),         QStringLiteral("dialog_frame.png"),
        QStringLiteral("cursors.png"),        QStringLiteral("command_row.png"),
        QStringLiteral("auto_play_panel.png")};
    int missing = 0;
    for (const QString& f : required) {
      if (!dir.exists(f)) {
        std::fprintf(stderr, "%s: missing\n", qPrintable(f));
        ++missing;
      }
    }
    return check(dir) | (missing ? 1 : 0);
  }
  return 0;
}
