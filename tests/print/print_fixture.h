#pragma once
// The real program on a fresh copy of the small test installation (as BrowseTest starts it),
// printing through the real print role into PDF files instead of asking a print dialog, and
// helpers that read those files back with Poppler's command-line tools.

#include <QClipboard>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <memory>

#include "browse/browse_fixture.h"
#include "browse/entry_panes.h"
#include "browse/orvik_word.h"
#include "browse/picture_box.h"
#include "controls/orvik_btn98.h"
#include "lang/font_sets.h"
#include "platform/printer.h"
#include "print/print_message.h"
#include "print/printing.h"

// A word of a PDF page and its box, in points from the sheet's top-left corner.
struct PdfWord {
  QString text;
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

// What Poppler reads from a PDF file.
class PdfReader {
 public:
  explicit PdfReader(QString file) : file_(std::move(file)) {}

  // The text of every sheet, laid out (pdftotext -layout); sheets end with a form feed.
  QStringList sheetTexts() const {
    const QString text = QString::fromUtf8(run("pdftotext", {"-layout", file_, "-"}));
    QStringList sheets = text.split(QLatin1Char('\f'));
    if (!sheets.isEmpty() && sheets.last().trimmed().isEmpty()) sheets.removeLast();
    return sheets;
  }
  // The words of every sheet with their boxes (pdftotext -bbox).
  QList<QList<PdfWord>> sheetWords() const {
    QList<QList<PdfWord>> sheets;
    QXmlStreamReader xml(run("pdftotext", {"-bbox", file_, "-"}));
    while (!xml.atEnd()) {
      if (!xml.readNextStartElement()) continue;
      if (xml.name() == QLatin1String("page")) {
        sheets.append(QList<PdfWord>());
      } else if (xml.name() == QLatin1String("word") && !sheets.isEmpty()) {
        const auto a = xml.attributes();
        PdfWord w;
        w.xMin = a.value(QLatin1String("xMin")).toDouble();
        w.yMin = a.value(QLatin1String("yMin")).toDouble();
        w.xMax = a.value(QLatin1String("xMax")).toDouble();
        w.yMax = a.value(QLatin1String("yMax")).toDouble();
        w.text = xml.readElementText();
        sheets.last().append(w);
      }
    }
    return sheets;
  }
  // A sheet (1-based) as a picture at `dpi` (pdftoppm).
  QImage sheetImage(int sheet, int dpi) const {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("sheet"));
    run("pdftoppm", {"-png", "-r", QString::number(dpi), "-f", QString::number(sheet), "-l",
                     QString::number(sheet), "-singlefile", file_, prefix});
    return QImage(prefix + QStringLiteral(".png"));
  }

 private:
  static QByteArray run(const char* program, const QStringList& args) {
    QProcess p;
    p.start(QString::fromLatin1(program), args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
      ADD_FAILURE() << program << " failed on " << args.join(u' ').toStdString() << ": "
                    << p.readAllStandardError().toStdString();
      return {};
    }
    return p.readAllStandardOutput();
  }
  QString file_;
};

class PrintTest : public BrowseTest {
 protected:
  // Starts the program as BrowseTest::start does, with a print service that prints into PDF
  // files in `out` (reached as `pdf`). The picture's message shows only briefly.
  void startPrinting(const std::function<void(TestInstallation&)>& prepare = {}) {
    for (const char* language : {"En", "Fr", "Ru", "Sp"})
      QDir().mkpath(dir.filePath(QStringLiteral("Sound/%1/1").arg(QLatin1String(language))));
    if (prepare) prepare(dir);
    StartupEnvironment e = testEnvironment();
    e.makePrintService = [this]() -> std::unique_ptr<orvik::PrintService> {
      auto service = std::make_unique<orvik::PdfPrintService>(out.path());
      pdf = service.get();
      return service;
    };
    program = std::make_unique<OrvikProgram>(std::move(e));
    ASSERT_TRUE(program->start());
    w = program->mainWindow();
    ASSERT_NE(w, nullptr);
    ASSERT_NE(pdf, nullptr);
    data()->settings().setValue(Settings::SoundEffects, 1);
    printing = dynamic_cast<Printing*>(w->handOver().print);
    ASSERT_NE(printing, nullptr);
    printing->setPictureWaitMs(20);
    message = findMessage();
    ASSERT_NE(message, nullptr);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
  }

  static TMsgPrint* findMessage() {
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* m = qobject_cast<TMsgPrint*>(top)) return m;
    return nullptr;
  }

  EntryPanes* panes() const { return w->entryPanes(); }
  // A pane's print button, clicked as the user clicks it.
  void clickPrint(int language) { click(panes()->printButton(language), QPoint(5, 5)); }
  // Opens page 101 "The hall" (chapter 1, row 0), whose one entry is short.
  void openHall() {
    clickTab(1);
    clickRow(0);
    ASSERT_EQ(w->currentPageCode(), 101);
  }
  // Opens page 401 "The market" with nineteen entries (chapter 4, row 1 under its heading).
  void openMarket() {
    clickTab(4);
    clickRow(1);
    ASSERT_EQ(w->currentPageCode(), 401);
  }
  // The one file printed so far (the test fails when there is not exactly one).
  QString onlyFile() const {
    const QStringList written = writtenFiles();
    EXPECT_EQ(written.size(), 1) << written.join(u' ').toStdString();
    return written.value(0);
  }
  // The PDF files that exist in the output folder.
  QStringList writtenFiles() const {
    QStringList files;
    for (const QString& name : QDir(out.path()).entryList({"*.pdf"}, QDir::Files, QDir::Name))
      files << QDir(out.path()).filePath(name);
    return files;
  }

  QTemporaryDir out;
  orvik::PdfPrintService* pdf = nullptr;
  Printing* printing = nullptr;
  TMsgPrint* message = nullptr;
};
