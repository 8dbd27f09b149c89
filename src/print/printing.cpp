#include "print/printing.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <array>

#include "app/data_module.h"
#include "app/dictionary_model.h"
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
#include "platform/widget_helpers.h"
#include "print/print_layout.h"
#include "print/print_message.h"
#include "schema/schema.h"

namespace {

namespace schema = orvik::schema;

// The hourglass while a job is prepared, given back however the work ends.

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
  logo_ = QImage(QDir(installationFolder).filePath(QLatin1String(kLogoFile)));
}

Printing::~Printing() = default;

const QTextDocument& Printing::gathered() const {
  return *RichEditPrint->document();
}

bool Printing::gatherPageEntries(int language) {
  RichEditPrint->clear();
  const auto lang = orvik::Language::fromNumber(language);
  orvik::DictionaryModel& dictionary = data_->dictionary();
  if (!lang || !dictionary.hasLanguage(*lang)) return false;
  const int pageCode = mainWindow_->currentPageCode();
  chapterCode_ = dictionary.chapterOfPage(pageCode);
  pageName_ = dictionary.pageName(pageCode, *lang);
  // Every entry of the page that has an article in this language, even when entry 1 lacks one.
  bool any = false;
  for (const orvik::EntryRef& entry : dictionary.entriesOfPage(pageCode)) {
    const QByteArray article = dictionary.article(entry, *lang);
    if (article.isEmpty()) continue;
    appendArticle(article);
    any = true;
  }
  return any;
}

bool Printing::gatherEntry(int language) {
  RichEditPrint->clear();
  const auto lang = orvik::Language::fromNumber(language);
  orvik::DictionaryModel& dictionary = data_->dictionary();
  const orvik::EntryRef entry = mainWindow_->currentEntry();
  if (!lang || !dictionary.hasLanguage(*lang) || !entry.isValid()) return false;
  chapterCode_ = dictionary.chapterOfPage(entry.pageCode);
  pageName_ = dictionary.pageName(entry.pageCode, *lang);
  appendArticle(dictionary.article(entry, *lang));
  return true;
}

void Printing::appendArticle(const QByteArray& article) {
  OrvikWordPrint->showArticle(article);
  // An article starts a paragraph of its own, after the empty line that ends the one before.
  if (!RichEditPrint->isEmpty()) RichEditPrint->appendEmptyLine();
  // What select all and copy would put on the clipboard, pasted at the end.
  RichEditPrint->appendRtf(OrvikWordPrint->toRtf());
  RichEditPrint->appendEmptyLine();
}

QString Printing::chapterName(int language) {
  const auto lang = orvik::Language::fromNumber(language);
  return lang ? data_->dictionary().chapterName(chapterCode_, *lang) : QString();
}

bool Printing::printGathered(orvik::Printer& printer, int language, const QString& chapter) {
  PrintLayout layout(printer, logo_, orvik::charsetOfLanguageNumber(language));
  return layout.printDocument(gathered(), pageName_, chapter);
}

void Printing::printEntries(orvik::Language entriesLanguage) {
  const int language = entriesLanguage.number();
  if (SoundRole* sound = mainWindow_->handOver().sound) sound->playClickSound();
  orvik::Table* articles = data_->tblWordName(entriesLanguage);
  if (!articles || !articles->active()) return;
  std::unique_ptr<orvik::Printer> printer = service_->choosePrinter(mainWindow_);
  if (!printer) return;

  message_->setPrintout(TMsgPrint::Printout::PageEntries, mainWindow_->shownPageName());
  message_->showWhilePrinting(mainWindow_);
  bool found = false;
  QString chapter;
  {
    orvik::BusyCursor hourglass;
    const bool ok = data_->guarded([&] {
      found = gatherPageEntries(language);
      if (found) chapter = chapterName(language);
    });
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
    orvik::BusyCursor hourglass;
    printed = printGathered(*printer, language, chapter);
  }
  message_->finishPrinting();
  if (!printed) reportPrinterFailure();
}

void Printing::printEntry(orvik::Language entryLanguage) {
  const int language = entryLanguage.number();
  // An empty pane has nothing to print: no printer is asked for.
  if (!mainWindow_->paneHasText(entryLanguage) || !data_->tblWordName(entryLanguage)) return;
  std::unique_ptr<orvik::Printer> printer = service_->choosePrinter(mainWindow_);
  if (!printer) return;
  bool printed = false;
  {
    orvik::BusyCursor hourglass;
    bool found = false;
    QString chapter;
    const bool ok = data_->guarded([&] {
      found = gatherEntry(language);
      if (found) chapter = chapterName(language);
    });
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
    orvik::BusyCursor hourglass;
    const QString pageName = mainWindow_->shownPageName();
    const QString chapter = mainWindow_->shownChapterName();
    message_->setPrintout(TMsgPrint::Printout::Picture, pageName);
    message_->showWhilePrinting(mainWindow_);
    orvik::Delay(pictureWaitMs_);
    // The names on the screen are in the interface language, and so is the font set.
    const int charset = orvik::charsetOf(data_->settings().interfaceLanguage());
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
