#include "print/printing.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <array>

#include "app/data_module.h"
#include "browse/entry_panes.h"
#include "browse/main_window.h"
#include "browse/orvik_word.h"
#include "browse/picture_box.h"
#include "lang/font_sets.h"
#include "lang/language_captions.h"
#include "lang/multi_lang.h"
#include "platform/event_pump.h"
#include "platform/message_boxes.h"
#include "platform/printer.h"
#include "platform/rich_text_pane.h"
#include "platform/table.h"
#include "print/print_layout.h"
#include "print/print_message.h"
#include "schema/schema.h"

namespace {

namespace schema = orvik::schema;

// The hourglass while a job is prepared, given back however the work ends.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

int charsetOfLanguage(int language) {
  return language == 3 ? orvik::kCyrillicCharset : orvik::kWesternCharset;
}

// By interface language number - 1.
constexpr std::array<const char*, 4> kPrinterFailed = {
    "The printer could not print this page.",
    "L'imprimante n'a pas pu imprimer cette page.",
    "Принтер не смог напечатать эту страницу.",
    "La impresora no pudo imprimir esta página.",
};

}  // namespace

Printing::Printing(TDMOrvik* data, TForm1* mainWindow, TMsgPrint* message,
                   std::unique_ptr<orvik::PrintService> service, const QString& installationFolder)
    : data_(data),
      mainWindow_(mainWindow),
      message_(message),
      service_(std::move(service)),
      RichEditPrint(std::make_unique<RichTextPane>()),
      OrvikWordPrint(std::make_unique<TOrvikWord>()) {
  RichEditPrint->setObjectName(QStringLiteral("RichEditPrint"));
  RichEditPrint->setFrameShape(QFrame::NoFrame);
  OrvikWordPrint->setObjectName(QStringLiteral("OrvikWordPrint"));
  OrvikWordPrint->setFontSize(kPrintFontSize);
  OrvikWordPrint->setDataField(schema::kWordMemo);
  logo_ = QImage(QDir(installationFolder).filePath(QLatin1String(kLogoFile)));
}

Printing::~Printing() = default;

const QTextDocument& Printing::gathered() const {
  return *RichEditPrint->document();
}

bool Printing::gatherPageEntries(int language) {
  RichEditPrint->clear();
  OrvikWordPrint->setDataSource(nullptr);
  orvik::Table* pages = data_->tblPgePicture;
  orvik::Table* articles = data_->tblWordName(language);
  if (!articles || !pages) return false;
  const int pageCode = pages->intValue(schema::kPageCode);
  chapterCode_ = pages->intValue(schema::kChapterCode);
  articles->setIndexName(schema::WordName::kIndPageOrder);
  // The page's first entry in this language, even when entry 1 is missing from it.
  articles->findNearest({pageCode, 1});
  if (articles->isEmpty() || articles->intValue(schema::kPageCode) != pageCode) return false;

  OrvikWordPrint->setDataSource(data_->srcWordName(language));
  pageName_ = data_->pageNameByCode(data_->tblPageName(language), pageCode);
  for (;;) {
    appendArticle();
    if (articles->moveBy(1) != 1 || articles->intValue(schema::kPageCode) != pageCode) break;
  }
  OrvikWordPrint->setDataSource(nullptr);
  return true;
}

bool Printing::gatherEntry(int language) {
  RichEditPrint->clear();
  OrvikWordPrint->setDataSource(nullptr);
  orvik::Table* pages = data_->tblPgePicture;
  orvik::Table* articles = data_->tblWordName(language);
  if (!articles || !pages || articles->isEmpty()) return false;
  const int pageCode = pages->intValue(schema::kPageCode);
  chapterCode_ = pages->intValue(schema::kChapterCode);
  OrvikWordPrint->setDataSource(data_->srcWordName(language));
  pageName_ = data_->pageNameByCode(data_->tblPageName(language), pageCode);
  appendArticle();
  OrvikWordPrint->setDataSource(nullptr);
  return true;
}

void Printing::appendArticle() {
  // An article starts a paragraph of its own, after the empty line that ends the one before.
  if (!RichEditPrint->isEmpty()) RichEditPrint->appendEmptyLine();
  // What select all and copy would put on the clipboard, pasted at the end.
  RichEditPrint->appendRtf(OrvikWordPrint->toRtf());
  RichEditPrint->appendEmptyLine();
}

QString Printing::chapterName(int language) {
  orvik::Table* chapters = data_->tblChapter(language);
  if (!chapters || !chapters->active()) return {};
  // The main window's chapter lists read this table too: it goes back where it was.
  const QString index = chapters->indexName();
  const qint64 mark = chapters->bookmark();
  QString name;
  chapters->setIndexName(schema::Chapter::kIndChptCode);
  if (chapters->findKey({chapterCode_}))
    name = chapters->textValue(schema::Chapter::kChapterNamePosition);
  if (!index.isEmpty()) chapters->setIndexName(index);
  if (mark) chapters->gotoBookmark(mark);
  return name;
}

bool Printing::printGathered(orvik::Printer& printer, int language, const QString& chapter) {
  PrintLayout layout(printer, logo_, charsetOfLanguage(language));
  return layout.printDocument(gathered(), pageName_, chapter);
}

void Printing::printEntries(int language) {
  if (SoundRole* sound = mainWindow_->handOver().sound) sound->playClickSound();
  orvik::Table* articles = data_->tblWordName(language);
  EntryPanes* panes = mainWindow_->entryPanes();
  if (!articles || !articles->active() || !panes || !panes->pane(language)) return;
  std::unique_ptr<orvik::Printer> printer = service_->choosePrinter(mainWindow_);
  if (!printer) return;

  message_->setPrintout(TMsgPrint::Printout::PageEntries, mainWindow_->shownPageName());
  message_->showWhilePrinting(mainWindow_);
  bool found = false;
  QString chapter;
  {
    WaitCursor hourglass;
    TOrvikWord* pane = panes->pane(language);
    const bool paneWasEmpty = !mainWindow_->paneHasText(language);
    orvik::DataSource* source = pane->DataSource();
    QString index;
    qint64 mark = 0;
    // The pane lets go of the table while it moves through the page, and takes up the entry it
    // showed once the table is back.
    bool ok = data_->guarded([&] {
      index = articles->indexName();
      mark = articles->bookmark();
      pane->setDataSource(nullptr);
      found = gatherPageEntries(language);
      if (found) chapter = chapterName(language);
    });
    OrvikWordPrint->setDataSource(nullptr);
    ok = data_->guarded([&] {
      if (!index.isEmpty()) articles->setIndexName(index);
      if (mark) articles->gotoBookmark(mark);
    }) && ok;
    pane->setDataSource(source);
    if (paneWasEmpty) pane->clearText();
    if (!ok) {
      message_->finishPrinting();
      return;
    }
  }
  if (!found) {
    message_->showNothingToPrint(mainWindow_);
    return;
  }
  bool printed = false;
  {
    WaitCursor hourglass;
    printed = printGathered(*printer, language, chapter);
  }
  message_->finishPrinting();
  if (!printed) reportPrinterFailure();
}

void Printing::printEntry(int language) {
  // An empty pane has nothing to print: no printer is asked for.
  if (!mainWindow_->paneHasText(language) || !data_->tblWordName(language)) return;
  std::unique_ptr<orvik::Printer> printer = service_->choosePrinter(mainWindow_);
  if (!printer) return;
  bool printed = false;
  {
    WaitCursor hourglass;
    bool found = false;
    QString chapter;
    const bool ok = data_->guarded([&] {
      found = gatherEntry(language);
      if (found) chapter = chapterName(language);
    });
    OrvikWordPrint->setDataSource(nullptr);
    if (!ok || !found) return;
    printed = printGathered(*printer, language, chapter);
  }
  if (!printed) reportPrinterFailure();
}

void Printing::printPicture() {
  const QImage picture = mainWindow_->cleanPagePicture();
  if (picture.isNull()) return;
  std::unique_ptr<orvik::Printer> printer = service_->choosePrinter(mainWindow_);
  if (!printer) return;
  bool printed = false;
  {
    WaitCursor hourglass;
    const QString pageName = mainWindow_->shownPageName();
    const QString chapter = mainWindow_->shownChapterName();
    message_->setPrintout(TMsgPrint::Printout::Picture, pageName);
    message_->showWhilePrinting(mainWindow_);
    orvik::Delay(pictureWaitMs_);
    // The names on the screen are in the interface language, and so is the font set.
    const int charset = data_->settings().interfaceLanguage() == 3 ? orvik::kCyrillicCharset
                                                                   : orvik::kWesternCharset;
    PrintLayout layout(*printer, logo_, charset);
    printed = layout.printPicture(picture, pageName, chapter);
  }
  message_->finishPrinting();
  if (!printed) reportPrinterFailure();
}

void Printing::reportPrinterFailure() {
  const int number = TBaseMultiLang::interfaceLanguage().number();
  const QString text = QString::fromUtf8(kPrinterFailed[number >= 1 ? number - 1 : 0]);
  if (orvik::MessageBoxes* boxes = data_->environment().messages) {
    boxes->show(orvik::MessageKind::Warning, text);
  } else {
    orvik::QtMessageBoxes().show(orvik::MessageKind::Warning, text);
  }
}
