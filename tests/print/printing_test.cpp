// Printing through the real program: the panes' print buttons, the pane menu's print line and
// btnPrintPct print through the print role into PDF files, which Poppler reads back.

#include <QTimer>

#include "print/print_fixture.h"
#include "print/print_layout.h"

namespace {

using Test = PrintTest;

constexpr double kPointsPerInch = 72;

// What the print message showed while a job was prepared (the first time events ran).
struct SeenMessage {
  bool visible = false;
  QString line1, line2;
  int left1 = -1, left2 = -1;
  QPoint centre;
  bool seen = false;
};

void watchMessage(TMsgPrint* message, SeenMessage* seen) {
  QTimer::singleShot(0, message, [message, seen] {
    seen->seen = true;
    seen->visible = message->isVisible();
    seen->line1 = message->Label1->text();
    seen->line2 = message->Label2->text();
    seen->left1 = message->Label1->x();
    seen->left2 = message->Label2->x();
    seen->centre = message->frameGeometry().center();
  });
}

const PdfWord* findWord(const QList<PdfWord>& words, const QString& text) {
  for (const PdfWord& w : words)
    if (w.text == text) return &w;
  return nullptr;
}

// The words of a sheet from the one that equals `first` on, as many as `count`.
QStringList wordsFrom(const QList<PdfWord>& words, const QString& first, int count) {
  for (int i = 0; i < words.size(); ++i) {
    if (words[i].text != first) continue;
    QStringList run;
    for (int k = i; k < words.size() && run.size() < count; ++k) run << words[k].text;
    return run;
  }
  return {};
}

bool isWhite(QRgb c) {
  return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245;
}
bool isYellow(QRgb c) {
  return qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) < 30;
}

// The first and last columns of a row band [top, bottom) that hold anything but white; (-1,-1)
// when all is white.
std::pair<int, int> inkColumns(const QImage& img, int top, int bottom) {
  int first = -1, last = -1;
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < img.width(); ++x)
      if (!isWhite(img.pixel(x, y))) {
        if (first < 0 || x < first) first = x;
        last = std::max(last, x);
      }
  return {first, last};
}

// The first row from `from` down whose middle column is yellow; -1 when none.
int firstYellowRow(const QImage& img, int from = 0) {
  for (int y = from; y < img.height(); ++y)
    if (isYellow(img.pixel(img.width() / 2, y))) return y;
  return -1;
}

TEST_F(Test, RussianEntriesOfAShortPageNameThePageInTheBandAndTheFooter) {
  startPrinting();
  openHall();
  const int clicksBefore = clicks();
  SeenMessage seen;
  watchMessage(message, &seen);
  clickPrint(3);

  EXPECT_EQ(clicks(), clicksBefore + 1);
  EXPECT_EQ(pdf->dialogCount(), 1);
  const PdfReader reader(onlyFile());
  const QStringList sheets = reader.sheetTexts();
  ASSERT_EQ(sheets.size(), 1);
  EXPECT_TRUE(sheets[0].contains(QStringLiteral("ключ"))) << sheets[0].toStdString();
  EXPECT_TRUE(sheets[0].contains(QStringLiteral("Я потерял ключ от двери.")));

  const QList<PdfWord> words = reader.sheetWords().value(0);
  // The band: under the logo, 233 units of 600 dpi from the top, 80 units high.
  const PdfWord* band = findWord(words, QStringLiteral("Прихожая"));
  ASSERT_NE(band, nullptr);
  EXPECT_GT(band->yMin, 233.0 / 600 * kPointsPerInch);
  EXPECT_LT(band->yMax, 313.0 / 600 * kPointsPerInch);
  // The footer at the bottom edge: the chapter, a colon and two blanks, the page, the sheets.
  EXPECT_EQ(wordsFrom(words, QStringLiteral("Дом:"), 6),
            (QStringList{"Дом:", "Прихожая", "(Page", "1", "of", "1)"}));
  const PdfWord* chapter = findWord(words, QStringLiteral("Дом:"));
  ASSERT_NE(chapter, nullptr);
  const PdfWord* page = nullptr;
  const PdfWord* pageWord = findWord(words, QStringLiteral("(Page"));
  for (const PdfWord& w : words)
    if (w.text == QStringLiteral("Прихожая") && w.yMin > chapter->yMin - 1) page = &w;
  ASSERT_NE(page, nullptr);
  ASSERT_NE(pageWord, nullptr);
  const double twoBlanks = page->xMin - chapter->xMax;
  const double oneBlank = pageWord->xMin - page->xMax;
  EXPECT_GT(twoBlanks, 1.6 * oneBlank);
  EXPECT_GT(chapter->yMin, (297 / 25.4 - 40.0 / 600) * kPointsPerInch - 1);

  // The message said what was printing, centred on the main window, and went.
  ASSERT_TRUE(seen.seen);
  EXPECT_TRUE(seen.visible);
  EXPECT_EQ(seen.line1, QStringLiteral("Now printing page"));
  EXPECT_EQ(seen.left1, 84);
  EXPECT_EQ(seen.line2, QStringLiteral("The hall..."));
  EXPECT_EQ(seen.left2, ((40 - 11) / 2) * 6 + 22);
  EXPECT_LE((seen.centre - w->frameGeometry().center()).manhattanLength(), 2);
  EXPECT_EQ(message->size(), QSize(275, 63));
  EXPECT_FALSE(message->isVisible());
}

TEST_F(Test, EntriesNeedingTwoSheetsRepeatTheBandWithoutTheLogoAndCountTheSheets) {
  startPrinting();
  openMarket();
  clickPrint(1);

  const PdfReader reader(onlyFile());
  const QStringList sheets = reader.sheetTexts();
  ASSERT_EQ(sheets.size(), 2);
  EXPECT_TRUE(sheets[0].contains(QStringLiteral("Food:  The market (Page 1 of 2)")) ||
              sheets[0].contains(QStringLiteral("Food: The market (Page 1 of 2)")))
      << sheets[0].toStdString();
  EXPECT_TRUE(sheets[1].contains(QStringLiteral("The market (Page 2 of 2)")))
      << sheets[1].toStdString();
  // Every entry once, in page order, the first on sheet 1 and the last on sheet 2.
  const int entries = data()->tblWrdPicture->intValue(QStringLiteral("NumberWord"));
  EXPECT_GT(entries, 15);
  EXPECT_EQ((sheets[0] + sheets[1]).count(QStringLiteral(" noun")), entries);
  EXPECT_TRUE(sheets[0].contains(QStringLiteral("apple")));
  EXPECT_TRUE(sheets[1].contains(QStringLiteral("chili pepper")));
  EXPECT_FALSE(sheets[0].contains(QStringLiteral("chili pepper")));

  const QList<QList<PdfWord>> words = reader.sheetWords();
  ASSERT_EQ(words.size(), 2);
  // Sheet 2: the band at the very top, its text within the band's 80 units.
  const PdfWord* band2 = findWord(words[1], QStringLiteral("market"));
  ASSERT_NE(band2, nullptr);
  EXPECT_LT(band2->yMax, 80.0 / 600 * kPointsPerInch);
  // Its text 500 twips (25 points) from the top, a line further down at most.
  double top2 = 1e9;
  for (const PdfWord& w : words[1])
    if (w.yMin > 80.0 / 600 * kPointsPerInch && w.yMax < 700) top2 = std::min(top2, w.yMin);
  // (A sheet may begin with the empty line between two entries.)
  EXPECT_GT(top2, 25 - 2);
  EXPECT_LT(top2, 25 + 12);

  const int dpi = 100;
  const QImage one = reader.sheetImage(1, dpi);
  const QImage two = reader.sheetImage(2, dpi);
  ASSERT_FALSE(one.isNull());
  ASSERT_FALSE(two.isNull());
  // The band's yellow starts at the top of sheet 2 and under the logo on sheet 1.
  EXPECT_LE(firstYellowRow(two), 1);
  EXPECT_NEAR(firstYellowRow(one), 233.0 / 600 * dpi, 2);
  // Where sheet 1 has its logo, sheet 2 is white.
  const int logoBottom = int(203.0 / 600 * dpi);
  EXPECT_GE(inkColumns(one, 2, logoBottom).first, 0);
  EXPECT_EQ(inkColumns(two, int(90.0 / 600 * dpi) + 2, logoBottom).first, -1);
}

// The frame is given for a 600 dpi printer and scaled to the printer in use; the text
// rectangles are twips. Every printer gives the same printout.
TEST_F(Test, TextStartsAnInchAndAQuarterDownAndTheFrameIsTheSameOnEveryPrinter) {
  startPrinting();
  openMarket();
  std::pair<int, int> logoAt600;
  for (const int printerDpi : {600, 300, 1200}) {
    SCOPED_TRACE(printerDpi);
    pdf->setResolution(printerDpi);
    clickPrint(1);
    const QString file = pdf->files().last();
    const PdfReader reader(file);
    const QList<PdfWord> words = reader.sheetWords().value(0);
    const PdfWord* first = findWord(words, QStringLiteral("apple"));
    ASSERT_NE(first, nullptr);
    // 1.25 inches below the top of sheet 1, 500 twips from the left.
    EXPECT_NEAR(first->yMin, 1.25 * kPointsPerInch, 2.5);
    EXPECT_NEAR(first->xMin, 500.0 / 20, 1.0);

    const int dpi = 100;
    const QImage sheet = reader.sheetImage(1, dpi);
    const std::pair<int, int> logo = inkColumns(sheet, 1, int(203.0 / 600 * dpi));
    ASSERT_GE(logo.first, 0);
    // Three times 451 by 66 at 600 dpi: at most 2.26 inches wide, centred.
    EXPECT_LE(logo.second - logo.first, 3 * 451.0 / 600 * dpi + 2);
    EXPECT_GT(logo.second - logo.first, 0.6 * 3 * 451.0 / 600 * dpi);
    EXPECT_NEAR((logo.first + logo.second) / 2.0, sheet.width() / 2.0, 3);
    EXPECT_NEAR(firstYellowRow(sheet), 233.0 / 600 * dpi, 2);
    if (printerDpi == 600) {
      logoAt600 = logo;
    } else {
      EXPECT_NEAR(logo.first, logoAt600.first, 2);
      EXPECT_NEAR(logo.second, logoAt600.second, 2);
    }
  }
}

TEST_F(Test, ThePictureIsPrintedWithTheFrameInTheInterfaceLanguage) {
  startPrinting();
  openBedroom();
  SeenMessage seen;
  watchMessage(message, &seen);
  const int clicksBefore = clicks();
  click(testControls(w).btnPrintPct, QPoint(10, 10));

  EXPECT_EQ(clicks(), clicksBefore + 1);
  ASSERT_TRUE(seen.seen);
  EXPECT_TRUE(seen.visible);
  EXPECT_EQ(seen.line1, QStringLiteral("Now printing picture for page"));
  EXPECT_EQ(seen.left1, 58);
  EXPECT_EQ(seen.line2, QStringLiteral("The bedroom..."));
  EXPECT_FALSE(message->isVisible());

  const PdfReader reader(onlyFile());
  const QStringList sheets = reader.sheetTexts();
  ASSERT_EQ(sheets.size(), 1);
  const QList<PdfWord> words = reader.sheetWords().value(0);
  EXPECT_EQ(wordsFrom(words, QStringLiteral("Home:"), 7),
            (QStringList{"Home:", "The", "bedroom", "(Page", "1", "of", "1)"}));
  // The picture stands stretched in the middle: 1300 by 1960 units of 600 dpi.
  const int dpi = 100;
  const QImage sheet = reader.sheetImage(1, dpi);
  const QImage picture = testControls(w).ImgSound->picture();
  ASSERT_FALSE(picture.isNull());
  const QPoint mid(sheet.width() / 2, sheet.height() / 2);
  const int halfW = int(650.0 / 600 * dpi), halfH = int(980.0 / 600 * dpi);
  // Compared with the picture on the screen at the printed size, pixel by pixel.
  const QImage printed = sheet.copy(mid.x() - halfW, mid.y() - halfH, 2 * halfW, 2 * halfH)
                             .convertToFormat(QImage::Format_RGB32);
  const QImage shown =
      picture.scaled(printed.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .convertToFormat(QImage::Format_RGB32);
  double difference = 0;
  for (int y = 0; y < printed.height(); ++y)
    for (int x = 0; x < printed.width(); ++x) {
      const QRgb a = printed.pixel(x, y), b = shown.pixel(x, y);
      difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                    std::abs(qBlue(a) - qBlue(b));
    }
  EXPECT_LT(difference / (3.0 * printed.width() * printed.height()), 12);
  EXPECT_TRUE(isWhite(sheet.pixel(mid.x() - halfW - 8, mid.y())));

  // With the Russian interface, the names on the screen and the message are Russian.
  w->ReloadLanguageNames(orvik::Language::Russian);
  data()->settings().setValue(Settings::InterfaceLanguage, 3);
  watchMessage(message, &seen);
  click(testControls(w).btnPrintPct, QPoint(10, 10));
  EXPECT_EQ(seen.line1, QStringLiteral("Печатается картинка для страницы"));
  EXPECT_EQ(seen.left1, 34);
  EXPECT_EQ(seen.line2, QStringLiteral("Спальня..."));
  const QList<PdfWord> russian = PdfReader(pdf->files().last()).sheetWords().value(0);
  EXPECT_EQ(wordsFrom(russian, QStringLiteral("Дом:"), 6),
            (QStringList{"Дом:", "Спальня", "(Page", "1", "of", "1)"}));
}

TEST_F(Test, TheEntryOfAPaneThroughItsMenuAndAnEmptyPanePrintNothing) {
  // Page 101 has no Russian article in this installation.
  startPrinting([](TestInstallation& inst) {
    expandTable(inst, QStringLiteral("WrdNmRu.ort"),
                [](QVariantList row, const QStringList& names) -> QList<QVariantList> {
                  if (row.value(int(names.indexOf(QStringLiteral("PageCode")))).toInt() == 101)
                    return {};
                  return {row};
                });
  });
  openBedroom();
  click(testControls(w).btnNextWord, QPoint(10, 10));  // entry 2, the sofa
  panes()->pane(1)->setFocus();
  panes()->runMenuLine(3);
  const PdfReader reader(onlyFile());
  const QString text = reader.sheetTexts().value(0);
  EXPECT_TRUE(text.contains(QStringLiteral("sofa"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("bed ")));
  EXPECT_TRUE(text.contains(QStringLiteral("(Page 1 of 1)")));
  EXPECT_FALSE(message->isVisible());

  click(testControls(w).btnPrevPage, QPoint(10, 10));
  ASSERT_EQ(w->currentPageCode(), 101);
  ASSERT_FALSE(w->paneHasText(orvik::Language::Russian));
  const int dialogs = pdf->dialogCount();
  // The empty pane: no printer is asked for, nothing is written.
  panes()->pane(3)->setFocus();
  panes()->runMenuLine(3);
  EXPECT_EQ(pdf->dialogCount(), dialogs);
  // The page's entries in Russian: there are none; the message says so, and goes by itself.
  clickPrint(3);
  EXPECT_EQ(pdf->dialogCount(), dialogs + 1);
  EXPECT_EQ(writtenFiles().size(), 1);
  EXPECT_TRUE(message->isVisible());
  EXPECT_EQ(message->Label1->text(), QStringLiteral("Nothing to print:"));
  EXPECT_EQ(message->Label2->text(), QStringLiteral("this page has no entries"));
  QTRY_VERIFY_WITH_TIMEOUT(!message->isVisible(), 5000);
  EXPECT_FALSE(w->paneHasText(orvik::Language::Russian));
  EXPECT_TRUE(w->paneHasText(orvik::Language::English));
}

TEST_F(Test, CtrlPPrintsTheFocusedPanesEntryAndNothingWithoutAFocusedPane) {
  startPrinting();
  openBedroom();
  click(testControls(w).btnNextWord, QPoint(10, 10));  // entry 2, the sofa
  const int dialogs = pdf->dialogCount();
  w->setFocus();
  QTest::keyClick(w, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(pdf->dialogCount(), dialogs) << "no pane has the focus";
  panes()->pane(1)->setFocus();
  QTest::keyClick(panes()->pane(1), Qt::Key_P, Qt::ControlModifier);
  const QString text = PdfReader(onlyFile()).sheetTexts().value(0);
  EXPECT_TRUE(text.contains(QStringLiteral("sofa"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("bed ")));
}

TEST_F(Test, PrintingLeavesTheClipboardAndThePanesAsTheyWere) {
  startPrinting();
  openBedroom();
  click(testControls(w).btnNextWord, QPoint(10, 10));
  click(testControls(w).btnNextWord, QPoint(10, 10));
  const QString english = panes()->pane(1)->toPlainText();
  const QString russian = panes()->pane(3)->toPlainText();
  ASSERT_TRUE(english.contains(QStringLiteral("chair")));
  QGuiApplication::clipboard()->setText(QStringLiteral("what the user copied"));

  clickPrint(1);
  panes()->pane(3)->setFocus();
  panes()->runMenuLine(3);
  ASSERT_EQ(writtenFiles().size(), 2);
  EXPECT_TRUE(PdfReader(writtenFiles()[0]).sheetTexts().value(0).contains(QStringLiteral("sofa")));

  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("what the user copied"));
  EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("text/rtf")));
  EXPECT_EQ(panes()->pane(1)->toPlainText(), english);
  EXPECT_EQ(panes()->pane(3)->toPlainText(), russian);
  EXPECT_EQ(data()->tblWordName(orvik::Language::English)->intValue(QStringLiteral("Order")), 3);
  EXPECT_EQ(data()->tblWordName(orvik::Language::English)->intValue(QStringLiteral("PageCode")),
            102);
  // The window goes on as before: the next entry is entry 4.
  click(testControls(w).btnNextWord, QPoint(10, 10));
  EXPECT_TRUE(panes()->pane(1)->toPlainText().contains(QStringLiteral("door")));
}

TEST_F(Test, ACancelledDialogPrintsNothingAndShowsNothing) {
  startPrinting();
  openBedroom();
  int shows = 0;
  struct ShowCounter : QObject {
    int* count;
    explicit ShowCounter(int* c) : count(c) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Show) ++*count;
      return false;
    }
  } counter(&shows);
  message->installEventFilter(&counter);
  pdf->setCancelling(true);

  clickPrint(1);
  click(testControls(w).btnPrintPct, QPoint(10, 10));
  panes()->pane(1)->setFocus();
  panes()->runMenuLine(3);

  EXPECT_EQ(pdf->dialogCount(), 3);
  EXPECT_TRUE(writtenFiles().isEmpty());
  EXPECT_EQ(shows, 0);
  EXPECT_FALSE(message->isVisible());
  EXPECT_TRUE(messages.messages.isEmpty());
  message->removeEventFilter(&counter);
}

TEST_F(Test, APrinterThatCannotBeOpenedIsReported) {
  startPrinting();
  openHall();
  // The PDF's folder is gone: the job cannot begin.
  ASSERT_TRUE(QDir(out.path()).removeRecursively());
  clickPrint(1);
  ASSERT_EQ(messages.messages.size(), 1);
  EXPECT_EQ(messages.messages[0].kind, orvik::MessageKind::Warning);
  EXPECT_EQ(messages.messages[0].text, QStringLiteral("The printer could not print this page."));
  EXPECT_FALSE(message->isVisible());
  EXPECT_TRUE(w->paneHasText(orvik::Language::English));
}

}  // namespace

namespace {

// The message in each interface language: its texts, where they stand, and that they fit
// inside the frame.
TEST_F(PrintTest, TheMessageSpeaksTheInterfaceLanguageAndItsTextsFit) {
  startPrinting();
  openBedroom();
  const QStringList pageEntries{"Now printing page", "Impression de la page", "Печатается страница",
                                "Imprimiendo la página"};
  const QList<int> lefts{84, 76, 76, 72};
  for (int language = 1; language <= 4; ++language) {
    SCOPED_TRACE(language);
    w->ReloadLanguageNames(*orvik::Language::fromNumber(language));
    const QString pageName = testControls(w).lblPageName->text();
    message->setPrintout(TMsgPrint::Printout::PageEntries, pageName);
    EXPECT_EQ(message->Label1->text(), pageEntries[language - 1]);
    EXPECT_EQ(message->Label1->x(), lefts[language - 1]);
    EXPECT_EQ(message->Label2->text(), pageName + QStringLiteral("..."));
    EXPECT_EQ(message->Label2->x(), ((40 - int(pageName.size()) - 3) / 2) * 6 + 22);
    EXPECT_EQ(orvik::fontSpecOf(message->Label1).charset, language == 3 ? 204 : 162);
    const auto fits = [&] {
      for (QLabel* l : {message->Label1, message->Label2})
        EXPECT_LE(l->x() + l->width(), TMsgPrint::kWidth - 5) << l->text().toStdString();
    };
    fits();
    message->setPrintout(TMsgPrint::Printout::Picture, pageName);
    fits();
    message->showNothingToPrint(w);
    fits();
    EXPECT_EQ(QStringList({message->Label1->text(), message->Label2->text()}),
              TMsgPrint::nothingToPrintLines(language));
    message->hide();
  }
}

}  // namespace
