#include "platform/printer.h"

#include <QDir>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <cmath>

#include "platform/rich_text_pane.h"

namespace orvik {

namespace {

constexpr int kTwipsPerInch = 1440;

int unitsOf(int twips, int resolution) {
  return int(std::lround(double(twips) * resolution / kTwipsPerInch));
}

int twipsOf(int units, int resolution) {
  return resolution > 0 ? int(std::lround(double(units) * kTwipsPerInch / resolution)) : 0;
}

}  // namespace

Printer::Printer(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

Printer::~Printer() {
  // A job left open is finished rather than lost (and a file it could not finish goes).
  if (painter_.isActive()) endJob();
}

QSize Printer::pageSize() const {
  // The painter's own extent: the printable part, or the whole sheet on a full-page printer.
  return {printer_->width(), printer_->height()};
}

QSize Printer::pageSizeTwips() const {
  const QSize units = pageSize();
  return {twipsOf(units.width(), resolution()), twipsOf(units.height(), resolution())};
}

int Printer::resolution() const {
  return printer_->resolution();
}

QRect Printer::unitsOfTwips(const QRect& twips) const {
  const int dpi = resolution();
  const int left = unitsOf(twips.left(), dpi);
  const int top = unitsOf(twips.top(), dpi);
  const int right = unitsOf(twips.left() + twips.width(), dpi);
  const int bottom = unitsOf(twips.top() + twips.height(), dpi);
  return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

bool Printer::beginJob(const QString& title) {
  if (painter_.isActive()) return true;
  printer_->setDocName(title);
  failed_ = false;
  return painter_.begin(printer_.get());
}

QPainter* Printer::canvas() {
  return painter_.isActive() ? &painter_ : nullptr;
}

bool Printer::newPage() {
  const bool ok = painter_.isActive() && printer_->newPage();
  if (!ok) failed_ = true;
  return ok;
}

QString Printer::outputFile() const {
  return printer_->outputFormat() == QPrinter::PdfFormat ? printer_->outputFileName() : QString();
}

bool Printer::endJob() {
  if (!painter_.isActive()) return false;
  bool ok = painter_.end() && printer_->printerState() != QPrinter::Error && !failed_;
  const QString file = outputFile();
  if (!file.isEmpty()) {
    // The file's writes are not checked as they go (a full disk cuts the file short without a
    // word): a complete PDF file ends with its end-of-file mark. A file cut short, or of a job
    // that failed, goes rather than stay as a printout that is not one.
    QFile written(file);
    constexpr qint64 kTail = 64;
    if (ok && written.open(QIODevice::ReadOnly) && written.size() >= kTail &&
        written.seek(written.size() - kTail))
      ok = written.read(kTail).contains("%%EOF");
    else
      ok = false;
    written.close();
    if (!ok) QFile::remove(file);
  }
  return ok;
}

int Printer::formatRichText(const QTextDocument& document, const QRect& twips, int from,
                            bool render) {
  QPainter* painter = render && painter_.isActive() ? &painter_ : nullptr;
  return RichTextPane::formatRange(document, printer_.get(), painter, QRectF(unitsOfTwips(twips)),
                                   from);
}

std::unique_ptr<Printer> DialogPrintService::choosePrinter(QWidget* parent) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer.get(), parent);
  // The program prints whole documents: there is no range or selection to choose.
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (dialog.exec() != QDialog::Accepted) return nullptr;
  return std::make_unique<Printer>(std::move(printer));
}

PdfPrintService::PdfPrintService(QString folder, int resolution, QPageSize pageSize)
    : folder_(std::move(folder)), resolution_(resolution), pageSize_(std::move(pageSize)) {}

QString PdfPrintService::nextFile() const {
  return QDir(folder_).filePath(QStringLiteral("print-%1.pdf").arg(files_.size() + 1));
}

std::unique_ptr<Printer> PdfPrintService::choosePrinter(QWidget*) {
  ++dialogs_;
  if (cancelling_) return nullptr;
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(nextFile());
  printer->setResolution(resolution_);
  printer->setPageSize(pageSize_);
  printer->setPageMargins(QMarginsF(0, 0, 0, 0));
  printer->setFullPage(true);
  files_.append(printer->outputFileName());
  return std::make_unique<Printer>(std::move(printer));
}

}  // namespace orvik
