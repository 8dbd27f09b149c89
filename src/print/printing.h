#pragma once
// Printing: the main window's print role. It prints all entries of the current page in one
// language (a pane's print button), the entry of one pane (the pane menu's print line and
// Ctrl+P) and the page picture (btnPrintPct), each after the print dialog, with the frame of
// PrintLayout in the font set of the printed language (of the interface language for the
// picture). Entries are read by value from the dictionary model and gathered into the hidden
// RichEditPrint through the hidden OrvikWordPrint pane, which loads each article at 10 points,
// and the rich text is carried across as the clipboard would carry it, without touching the
// clipboard.
//
// It promises:
//  - a cancelled print dialog prints nothing, writes nothing and shows no message;
//  - the entry panes are not disturbed: nothing they read from moves;
//  - a page with no entry in the printed language prints nothing and says so in the print
//    message's place; an empty pane prints nothing and asks for no printer;
//  - a table-engine failure while gathering goes to the database failure routine, and the
//    message window, the mouse and the cursor are given back all the same;
//  - a printer that cannot be opened or fails is reported in a warning box.

#include <QImage>
#include <QString>
#include <memory>

#include "browse/hand_over.h"

class QTextDocument;
class RichTextPane;
class TDMOrvik;
class TForm1;
class TMsgPrint;
class TOrvikWord;
namespace orvik {
class Printer;
class PrintService;
}  // namespace orvik

class Printing final : public PrintRole {
 public:
  // The logo printed on every first sheet, in the installation folder.
  static constexpr char kLogoFile[] = "logo.bmp";
  // How long the picture's message shows before the job is sent.
  static constexpr int kPictureWaitMs = 3000;
  // The size articles print at.
  static constexpr int kPrintFontSize = 10;

  // `service` runs the print dialog; the logo is read from `installationFolder`.
  Printing(TDMOrvik* data, TForm1* mainWindow, TMsgPrint* message,
           std::unique_ptr<orvik::PrintService> service, const QString& installationFolder);
  ~Printing() override;

  void printPicture() override;
  void printEntries(orvik::Language language) override;
  void printEntry(orvik::Language language) override;

  // --- The steps, for the benchmark and tests ---
  // Gathers every entry of the current page in a language into RichEditPrint; false when the
  // page has none in it (RichEditPrint is then empty). Moves the language's article table;
  // table-engine failures are thrown.
  bool gatherPageEntries(int language);
  // Gathers the entry the language's article table stands on.
  bool gatherEntry(int language);
  // The name of the gathered page's chapter in a language (empty when not found); the chapter
  // table is left where it was.
  QString chapterName(int language);
  // The page name and chapter code of the last gathering.
  QString printedPageName() const { return pageName_; }
  int printedChapterCode() const { return chapterCode_; }
  // Prints what was gathered on `printer` in a language's font set.
  bool printGathered(orvik::Printer& printer, int language, const QString& chapterName);

  const QTextDocument& gathered() const;
  const QImage& logo() const { return logo_; }
  orvik::PrintService* service() const { return service_.get(); }
  void setPictureWaitMs(int ms) { pictureWaitMs_ = ms; }

 private:
  // Loads an article (rich text) into OrvikWordPrint and appends it with an empty line to
  // RichEditPrint.
  void appendArticle(const QByteArray& article);
  void reportPrinterFailure();

  TDMOrvik* data_;
  TForm1* mainWindow_;
  TMsgPrint* message_;
  std::unique_ptr<orvik::PrintService> service_;
  // The hidden controls of gathering.
  std::unique_ptr<RichTextPane> RichEditPrint;
  std::unique_ptr<TOrvikWord> OrvikWordPrint;
  QImage logo_;
  QString pageName_;
  int chapterCode_ = 0;
  int pictureWaitMs_ = kPictureWaitMs;
};
