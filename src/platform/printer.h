#pragma once
// Printing: a printer the program draws its sheets on, and the print services that hand one
// out. A service stands for the system's print dialog: the real one runs Qt's print dialog
// (on a desktop with CUPS it lists the system's printers, and everywhere it offers a PDF file);
// the PDF one asks nobody and prints into numbered PDF files in a folder, for tests and
// benchmarks, and can play a user who cancels.
//
// Printer units are the printer's device pixels, with the origin at the top-left corner of
// the part of the sheet the printer can print on; twips are twentieths of a point, 1440 to the
// inch. A printer promises:
//  - nothing is sent or written before beginJob(), so a job that is never begun leaves no
//    trace (no PDF file, no empty sheet);
//  - beginJob() fails (false) when the output cannot be opened, and then nothing is written;
//  - a job that cannot be finished whole (a sheet that failed, a printer error, a PDF file the
//    disk had no room for) ends false, and a PDF file it began is removed, so that no partial
//    printout is left behind;
//  - rich text is laid out at the printer's own resolution, so its point sizes hold on paper.

#include <QPageSize>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;
class QTextDocument;
class QWidget;

namespace orvik {

class Printer {
 public:
  // Takes a printer configured by a dialog or a service.
  explicit Printer(std::unique_ptr<QPrinter> printer);
  ~Printer();
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  // The printable part of a sheet, in printer units and in twips.
  QSize pageSize() const;
  QSize pageSizeTwips() const;
  // Printer units per inch.
  int resolution() const;
  // A rectangle in twips, in printer units.
  QRect unitsOfTwips(const QRect& twips) const;

  // Starts the job: the canvas is then open on sheet 1. False when the printer or its file
  // cannot be opened.
  bool beginJob(const QString& title);
  // The canvas of the current sheet (null outside a job).
  QPainter* canvas();
  // Ends the current sheet and starts the next one.
  bool newPage();
  // Ends the job and sends it (or finishes the file). False when the output failed, a sheet
  // could not be started or the PDF file is incomplete (then removed).
  bool endJob();
  bool inJob() const { return painter_.isActive(); }

  // Lays out `document` from character `from` into `twips` (a rectangle in twips, see above)
  // and, when `render` is set and a job is running, draws it on the current sheet. Returns the
  // first character not placed; the document's end when all were placed. At least one line is
  // placed into a rectangle of any height, so a caller that loops until the end finishes.
  int formatRichText(const QTextDocument& document, const QRect& twips, int from, bool render);

  // The Qt printer behind it (what the dialog configured).
  QPrinter* qPrinter() const { return printer_.get(); }

 private:
  // The PDF file the printer writes; empty for a printer.
  QString outputFile() const;

  std::unique_ptr<QPrinter> printer_;
  QPainter painter_;
  bool failed_ = false;
};

// The system's print dialog.
class PrintService {
 public:
  virtual ~PrintService() = default;
  // Runs the print dialog over `parent`; the chosen printer, or null when the user cancelled.
  virtual std::unique_ptr<Printer> choosePrinter(QWidget* parent) = 0;
};

// Qt's print dialog: the system's printers and printing to a PDF file.
class DialogPrintService final : public PrintService {
 public:
  std::unique_ptr<Printer> choosePrinter(QWidget* parent) override;
};

// Prints without a dialog into the folder given, one PDF file per job ("print-1.pdf",
// "print-2.pdf", ...), on sheets of the given size with nothing left unprinted at the edges, at
// the given resolution.
class PdfPrintService final : public PrintService {
 public:
  explicit PdfPrintService(QString folder, int resolution = 600,
                           QPageSize pageSize = QPageSize(QPageSize::A4));

  std::unique_ptr<Printer> choosePrinter(QWidget* parent) override;

  // The next dialogs are cancelled by the user.
  void setCancelling(bool cancelling) { cancelling_ = cancelling; }
  void setResolution(int dotsPerInch) { resolution_ = dotsPerInch; }
  void setPageSize(const QPageSize& size) { pageSize_ = size; }
  // How many times the dialog was run, and the files of the printers handed out (a file
  // exists only once its job was begun).
  int dialogCount() const { return dialogs_; }
  QStringList files() const { return files_; }
  // The file the next printer will write.
  QString nextFile() const;

 private:
  QString folder_;
  int resolution_;
  QPageSize pageSize_;
  bool cancelling_ = false;
  int dialogs_ = 0;
  QStringList files_;
};

}  // namespace orvik
