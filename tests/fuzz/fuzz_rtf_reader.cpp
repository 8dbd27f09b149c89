// Feeds arbitrary bytes to the RTF reader, then checks that what it read survives a trip
// through the writer and back unchanged, and that pasting it between two paragraphs keeps them. Any
// crash, hang, sanitizer report or changed text is a finding.
#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>
#include <cstdlib>

#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
  QTextDocument doc;
  RtfReader::read(input, &doc);
  QTextCursor end(&doc);
  end.movePosition(QTextCursor::End);
  if (end.position() != doc.characterCount() - 1) std::abort();

  const QByteArray written = RtfWriter::write(doc);
  QTextDocument again;
  if (!RtfReader::read(written, &again)) {
    std::fprintf(stderr, "writer output is not well-formed:\n%s\n", written.constData());
    std::abort();
  }
  if (again.toRawText() != doc.toRawText()) {
    std::fprintf(stderr, "round trip changed the text:\n%s\n%s\n%s\n",
                 doc.toRawText().toUtf8().constData(), again.toRawText().toUtf8().constData(),
                 written.constData());
    std::abort();
  }

  // Pasting the same input between two paragraphs leaves them in place around it.
  QTextDocument host;
  host.setPlainText(QStringLiteral("x\ny"));
  QTextCursor at(&host);
  at.setPosition(1);
  RtfReader::insert(input, at);
  const QString hostText = host.toRawText();
  if (!hostText.startsWith(QLatin1Char('x')) ||
      !hostText.endsWith(QString(QChar::ParagraphSeparator) + QLatin1Char('y'))) {
    std::fprintf(stderr, "insertion disturbed its surroundings:\n%s\n",
                 hostText.toUtf8().constData());
    std::abort();
  }
  return 0;
}
