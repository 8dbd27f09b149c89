// The system's print dialog, as the program runs it, speaks the interface language: Qt's own
// translations follow the interface language both ways.

#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>

#include "lang/multi_lang.h"
#include "print_fixture.h"

namespace {

class PrintDialogTest : public PrintTest {
 protected:
  void TearDown() override {
    PrintTest::TearDown();
    SetInterfaceLanguage(0);
  }

  // Starts the program with the real print dialog in place of the PDF files.
  void startWithThePrintDialog() {
    StartupEnvironment e = testEnvironment();
    e.makePrintService = [] { return std::make_unique<orvik::DialogPrintService>(); };
    program = std::make_unique<OrvikProgram>(std::move(e));
    ASSERT_TRUE(program->start());
    w = program->mainWindow();
    ASSERT_NE(w, nullptr);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
  }

  // Prints the page's picture as the user does and answers the dialog with Cancel; returns
  // the dialog's title and its Cancel button's text.
  QStringList dialogTexts() {
    QStringList seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      if (!dialog || !seen.isEmpty()) return;
      seen << dialog->windowTitle();
      for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (b->isVisible() && b->text().remove(u'&').startsWith(cancelStart_)) seen << b->text();
      dialog->reject();
    });
    poll.start(10);
    click(testControls(w).btnPrintPct, QPoint(5, 5));
    return seen;
  }

  QString cancelStart_;
};

TEST_F(PrintDialogTest, TheSystemPrintDialogSpeaksTheInterfaceLanguage) {
  startWithThePrintDialog();
  openBedroom();
  struct Expected {
    int language;
    const char* title;
    const char* cancel;
  };
  const Expected expected[] = {{2, "Imprimer", "Annuler"},
                               {3, "Печать", "Отмена"},
                               {4, "Imprimir", "Cancelar"},
                               {1, "Print", "Cancel"}};
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.language);
    data()->settings().setValue(Settings::InterfaceLanguage, e.language);
    w->ReloadLanguageNames(*orvik::Language::fromNumber(e.language));
    cancelStart_ = QString::fromUtf8(e.cancel);
    const QStringList seen = dialogTexts();
    ASSERT_FALSE(seen.isEmpty()) << "the print dialog showed";
    EXPECT_EQ(seen.at(0), QString::fromUtf8(e.title));
    EXPECT_EQ(seen.size(), 2) << "a Cancel button in the language: " << e.cancel;
  }
}

}  // namespace
