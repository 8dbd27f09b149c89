// How fast articles are read from RTF, shown in a pane and written back. A demo article is
// about 300 bytes; reading one must take microseconds, since every move of the mouse over the
// page picture loads up to four of them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextDocument>

#include "platform/rich_text_pane.h"
#include "platform/rtf_reader.h"
#include "platform/rtf_writer.h"

namespace {

// Shaped like the demo's articles: tables, a bold head word, a part of speech, a definition.
const QByteArray kWesternArticle =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset162 "
    "Arial;}}\r\n"
    "{\\colortbl ;\\red128\\green0\\blue0;}\r\n"
    "\\viewkind4\\uc1\\pard\\cf1\\b\\f0\\fs18 pomme\\cf0\\b0  \\i n.f.\\i0\\par\r\n"
    "Fruit du pommier, de forme ronde, \\'e0 la peau verte, jaune ou rouge, "
    "\\'e0 chair ferme et sucr\\'e9e.\\par\r\n}\r\n";

const QByteArray kCyrillicArticle =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}}"
    "\r\n{\\colortbl ;\\red128\\green0\\blue0;}\r\n"
    "\\viewkind4\\uc1\\pard\\cf1\\b\\f0\\fs18 \\'ff\\'e1\\'eb\\'ee\\'ea\\'ee\\cf0\\b0  \\i "
    "\\'f1\\'f0.\\i0\\par\r\n\\'cf\\'eb\\'ee\\'e4 \\'FF\\'e1\\'eb\\'ee\\'ed\\'e8, "
    "\\'ea\\'f0\\'f3\\'e3\\'eb\\'fb\\'e9 \\'e8 \\'f1\\'eb\\'e0\\'e4\\'ea\\'e8\\'e9.\\par\r\n}\r\n";

void BM_ReadWesternArticle(benchmark::State& state) {
  QTextDocument doc;
  for (auto _ : state) {
    RtfReader::read(kWesternArticle, &doc);
    benchmark::DoNotOptimize(doc.characterCount());
  }
  state.SetBytesProcessed(state.iterations() * kWesternArticle.size());
}
BENCHMARK(BM_ReadWesternArticle);

void BM_ReadCyrillicArticle(benchmark::State& state) {
  QTextDocument doc;
  for (auto _ : state) {
    RtfReader::read(kCyrillicArticle, &doc);
    benchmark::DoNotOptimize(doc.characterCount());
  }
  state.SetBytesProcessed(state.iterations() * kCyrillicArticle.size());
}
BENCHMARK(BM_ReadCyrillicArticle);

void BM_ReadIntoNewDocument(benchmark::State& state) {
  for (auto _ : state) {
    QTextDocument doc;
    RtfReader::read(kWesternArticle, &doc);
    benchmark::DoNotOptimize(doc.characterCount());
  }
}
BENCHMARK(BM_ReadIntoNewDocument);

// What a pane does when the entry changes: rewrite the size, read, lay out and count lines.
void BM_LoadPaneAndCountLines(benchmark::State& state) {
  RichTextPane pane;
  pane.resize(312, 185);
  for (auto _ : state) {
    pane.loadRtf(RichTextPane::rewriteStandardSize(kWesternArticle, 12));
    benchmark::DoNotOptimize(pane.lineCount());
  }
}
BENCHMARK(BM_LoadPaneAndCountLines);

void BM_WriteArticle(benchmark::State& state) {
  QTextDocument doc;
  RtfReader::read(kCyrillicArticle, &doc);
  for (auto _ : state) benchmark::DoNotOptimize(RtfWriter::write(doc));
}
BENCHMARK(BM_WriteArticle);

void BM_ReadLargeDocument(benchmark::State& state) {
  QByteArray big = kWesternArticle.left(kWesternArticle.lastIndexOf('}'));
  const QByteArray body = "\\b word\\b0  and \\i more\\i0  text with caf\\'e9\\par\r\n";
  for (int i = 0; i < state.range(0); ++i) big += body;
  big += "}";
  QTextDocument doc;
  for (auto _ : state) {
    RtfReader::read(big, &doc);
    benchmark::DoNotOptimize(doc.characterCount());
  }
  state.SetBytesProcessed(state.iterations() * big.size());
}
BENCHMARK(BM_ReadLargeDocument)->Arg(100)->Arg(1000);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
