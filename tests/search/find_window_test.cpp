// The find windows driven through the real program's hand-over: the word list read once under
// its message, typing, Find in both modes with the counts and the grid's scroll bar, keys,
// Cancel and Escape, the edit menu, a thousand results and more, bad and empty search tables,
// the chooser, and the interface language.
#include <QRadioButton>

#include "controls/orvik_chapter_list.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/osb_button.h"
#include "find_fixture.h"
#include "platform/event_pump.h"

namespace {

QString u(const char* text) {
  return QString::fromUtf8(text);
}

// Counts how often a window is shown.
class ShowCounter : public QObject {
 public:
  explicit ShowCounter(QWidget* w) { w->installEventFilter(this); }
  int shown = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Show) ++shown;
    return false;
  }
};

TEST_F(FindTest, WordListIsReadOnceUnderItsMessageAndKeepsTheTablesOrder) {
  startAll();
  ShowCounter message(program->parts().findMessage);
  EXPECT_FALSE(findWindow(1)->wordListBuilt());
  inFind(1, [&](TFrmFind* f) {
    EXPECT_TRUE(f->wordListBuilt());
    EXPECT_EQ(message.shown, 1);
    EXPECT_FALSE(program->parts().findMessage->isVisible());
    EXPECT_GT(f->ListBoxFind->Items().Count(), 30);
    // The edit box starts on the first word, and the window stands centred on the main window.
    EXPECT_EQ(f->Edit1->text(), f->ListBoxFind->Items().Get(0));
    EXPECT_EQ(f->size(), QSize(TFrmFind::kWidth, TFrmFind::kHeight));
    EXPECT_EQ(f->Label1->text(), QStringLiteral("Search for a Word in English"));
    EXPECT_EQ(f->lblResults->text(), QStringLiteral("Search Results:"));
  });
  inFind(1, [&](TFrmFind* f) { EXPECT_EQ(f->wordListReads(), 1); });
  EXPECT_EQ(message.shown, 1);
  // French: the list control's case-insensitive order.
  inFind(2, [&](TFrmFind* f) {
    const QStringList items = f->ListBoxFind->Items().toStringList();
    ASSERT_GT(items.size(), 10);
    for (int i = 1; i < items.size(); ++i)
      EXPECT_LE(SkinnedListBox::compareItems(items[i - 1], items[i]), 0) << items[i].toStdString();
  });
  EXPECT_EQ(message.shown, 2);
}

TEST_F(FindTest, TypingSelectsTheLongestPrefixAndKeepsTheText) {
  startAll();
  inFind(1, [&](TFrmFind* f) {
    clearEdit(f);
    type(f, QStringLiteral("PEA"));
    EXPECT_EQ(selectedItem(f), QStringLiteral("pear"));
    type(f, QStringLiteral("rzz"));
    EXPECT_EQ(selectedItem(f), QStringLiteral("pear"));
    EXPECT_EQ(f->Edit1->text(), QStringLiteral("PEArzz"));
    // Find searches the selected item, and the edit box then shows it.
    QTest::mouseClick(f->btnFind, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(f->Edit1->text(), QStringLiteral("pear"));
    EXPECT_EQ(f->mode(), TFrmFind::Mode::Results);
    EXPECT_EQ(f->lastSearchedWord(), QStringLiteral("pear"));
    // Any change of the text goes back to the word list.
    type(f, QStringLiteral("s"));
    EXPECT_EQ(f->mode(), TFrmFind::Mode::WordList);
    EXPECT_TRUE(f->ListBoxFind->isVisible());
    EXPECT_FALSE(f->NewStringGrid1->isVisible());
    // Keys move the selection and the text follows.
    key(f, Qt::Key_Down);
    EXPECT_EQ(f->Edit1->text(), selectedItem(f));
    key(f, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(f->ListBoxFind->ItemIndex(), 0);
    EXPECT_EQ(f->ScrollListBox->Position(), 0);
    // The bar's arrow moves the list's top line and leaves the selection.
    QTest::mouseClick(f->ScrollListBox->downButton(), Qt::LeftButton, {}, QPoint(7, 7));
    EXPECT_EQ(f->ListBoxFind->TopIndex(), 1);
    EXPECT_EQ(f->ListBoxFind->ItemIndex(), 0);
    key(f, Qt::Key_Up);
    EXPECT_EQ(f->ListBoxFind->ItemIndex(), 0);
    key(f, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(f->ListBoxFind->ItemIndex(), f->ListBoxFind->Items().Count() - 1);
    EXPECT_EQ(f->ScrollListBox->Position(), f->ScrollListBox->Max());
    key(f, Qt::Key_PageUp);
    EXPECT_EQ(f->ListBoxFind->ItemIndex(), f->ListBoxFind->Items().Count() - 13);
  });
}

TEST_F(FindTest, AccentsAreSetAsideOnlyWhenNothingElseMatches) {
  startAll();
  inFind(2, [&](TFrmFind* f) {
    clearEdit(f);
    type(f, QStringLiteral("cle"));
    EXPECT_EQ(selectedItem(f), u("clé"));
    QTest::keyClick(f->Edit1, Qt::Key_Return);
    ASSERT_EQ(f->resultCount(), 1);
    EXPECT_EQ(f->results()[0].page, u("L'entrée"));
  });
  inFind(4, [&](TFrmFind* f) {
    clearEdit(f);
    type(f, QStringLiteral("pina"));
    EXPECT_EQ(selectedItem(f), u("piña"));
  });
}

// Nine entries of the market and the bedroom's first share the word "common", in the order
// market 1, market 2, bedroom 1, market 3..9.
void plantCommon(TestInstallation& inst) {
  bool planted = false;
  FindTest::expandTable(inst, orvik::schema::WordFind::file(1),
                        [&](QVariantList row, const QStringList&) {
                          QList<QVariantList> rows;
                          if (!planted) {
                            planted = true;
                            const QString c = QStringLiteral("common");
                            rows << QVariantList{c, c, 401, 1, 4} << QVariantList{c, c, 401, 2, 4}
                                 << QVariantList{c, c, 102, 1, 1};
                            for (int order = 3; order <= 9; ++order)
                              rows << QVariantList{c, c, 401, order, 4};
                          }
                          rows << row;
                          return rows;
                        });
}

TEST_F(FindTest, OneMatchPerPageAndAllMatchesWithTheGridsScrollBar) {
  startAll(plantCommon);
  inFind(1, [&](TFrmFind* f) {
    find(f, QStringLiteral("common"));
    // Consecutive results on one page merge; the bedroom between keeps the market twice.
    ASSERT_EQ(f->resultCount(), 3);
    EXPECT_EQ(f->NewStringGrid1->Cells(0, 1), QStringLiteral("apple"));
    EXPECT_EQ(f->NewStringGrid1->Cells(1, 1), QStringLiteral("The market"));
    EXPECT_EQ(f->NewStringGrid1->Cells(2, 1), QStringLiteral("Food"));
    EXPECT_EQ(f->NewStringGrid1->Cells(0, 2), QStringLiteral("bed"));
    EXPECT_EQ(f->NewStringGrid1->Cells(0, 3), QStringLiteral("banana"));
    EXPECT_EQ(f->NewStringGrid1->Cells(0, 0), QStringLiteral("Word Entry"));
    EXPECT_EQ(f->lblResults->text(), QStringLiteral("Search Results:  3 matches found in 3 pages"));
    EXPECT_FALSE(f->ScrollStringGrid->isVisible());
    EXPECT_EQ(f->NewStringGrid1->VisibleRowCount(), 9);
    // "all matches" searches again at once.
    f->RadioGroup1->button(1)->click();
    ASSERT_EQ(f->resultCount(), 10);
    EXPECT_EQ(f->mode(), TFrmFind::Mode::Results);
    EXPECT_EQ(f->lblResults->text(),
              QStringLiteral("Search Results:  10 matches found in 3 pages"));
    EXPECT_TRUE(f->ScrollStringGrid->isVisible());
    EXPECT_EQ(f->ScrollStringGrid->Max(), 11 - 9 + 1);
    // The chapter column ends where the bar begins: no text under the bar, and a chapter name
    // cut there shows whole as the hint of its cell.
    TNewStringGrid* results = f->NewStringGrid1;
    const int barLeft = f->ScrollStringGrid->x() - results->x();
    EXPECT_EQ(results->width() - results->CoveredRight(), barLeft);
    results->setCells(2, 1, QStringLiteral("La ciencia, la tecnología y el espacio"));
    const QString shown = results->ShownText(2, 1);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("…"))) << shown.toStdString();
    EXPECT_LE(results->CellRect(2, 1).left() + 2 + results->fontMetrics().horizontalAdvance(shown),
              barLeft);
    const QPoint chapterCell = results->CellRect(2, 1).topLeft() + QPoint(10, 5);
    moveTo(results, chapterCell);
    EXPECT_EQ(results->toolTip(), QStringLiteral("La ciencia, la tecnología y el espacio"));
    moveTo(results, results->CellRect(0, 1).topLeft() + QPoint(10, 5));
    EXPECT_TRUE(results->toolTip().isEmpty()) << "a word that fits has no hint";
    results->setCells(2, 1, QStringLiteral("Food"));
    EXPECT_EQ(f->currentRow(), 1);
    EXPECT_EQ(f->NewStringGrid1->MarkedRow(), 1);
    // The mark is painted in the mark colour, the other rows white.
    const QImage grid = f->NewStringGrid1->grab().toImage();
    const QRect r1 = f->NewStringGrid1->CellRect(0, 1), r2 = f->NewStringGrid1->CellRect(0, 2);
    EXPECT_EQ(grid.pixelColor(r1.right() - 2, r1.top() + 1), QColor(180, 169, 135));
    EXPECT_EQ(grid.pixelColor(r2.right() - 2, r2.top() + 1), QColor(Qt::white));
    // Keys walk the rows and the bar follows the top row.
    key(f, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(f->currentRow(), 10);
    EXPECT_EQ(f->NewStringGrid1->TopRow(), 2);
    EXPECT_EQ(f->pointedRow(), 10);
    key(f, Qt::Key_Down);
    EXPECT_EQ(f->currentRow(), 10);
    key(f, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(f->currentRow(), 1);
    EXPECT_EQ(f->NewStringGrid1->TopRow(), 1);
    key(f, Qt::Key_PageDown);
    EXPECT_EQ(f->currentRow(), 9);
    key(f, Qt::Key_Up);
    EXPECT_EQ(f->currentRow(), 8);
    EXPECT_EQ(f->ScrollStringGrid->Position(), f->NewStringGrid1->TopRow());
    // The pointer marks the row it moves over.
    const QRect row3 = f->NewStringGrid1->CellRect(1, 3);
    BrowseTest::moveTo(f->NewStringGrid1, row3.center());
    EXPECT_EQ(f->currentRow(), 3);
  });
}

TEST_F(FindTest, CancelAndEscapeLeaveTheMainWindowOnItsPage) {
  startAll();
  openBedroom();
  const int result = inFind(1, [&](TFrmFind* f) {
    find(f, QStringLiteral("apple"));
    ASSERT_EQ(f->resultCount(), 1);
    QTest::mouseClick(f->btnCancel, Qt::LeftButton, {}, QPoint(10, 10));
  });
  EXPECT_EQ(result, orvik::BorderlessForm::mrCancel);
  EXPECT_EQ(w->currentPageCode(), 102);
  EXPECT_EQ(data()->tblPgePicture->intValue(QStringLiteral("PageCode")), 102);
  // The window keeps its results for the next opening; Escape closes the edit menu first.
  inFind(1, [&](TFrmFind* f) {
    EXPECT_EQ(f->mode(), TFrmFind::Mode::Results);
    EXPECT_EQ(f->NewStringGrid1->MarkedRow(), 1);
    QTest::mouseClick(f->Edit1, Qt::RightButton, {}, QPoint(30, 5));
    EXPECT_TRUE(f->PopUpFind->isVisible());
    EXPECT_EQ(f->PopUpFind->pos(), f->Edit1->pos() + QPoint(30, 5));
    key(f, Qt::Key_Escape);
    EXPECT_FALSE(f->PopUpFind->isVisible());
    EXPECT_TRUE(f->isVisible());
    key(f, Qt::Key_Escape);
    EXPECT_EQ(f->modalResult(), orvik::BorderlessForm::mrCancel);
  });
  EXPECT_EQ(w->currentPageCode(), 102);
}

TEST_F(FindTest, TheEditMenuActsOnTheEditBox) {
  startAll();
  inFind(1, [&](TFrmFind* f) {
    clearEdit(f);
    type(f, QStringLiteral("door"));
    QTest::mouseClick(f->Edit1, Qt::RightButton, {}, QPoint(420, 5));
    // Near the right edge the menu opens leftwards.
    EXPECT_EQ(f->PopUpFind->x(), f->Edit1->x() + 420 - f->PopUpFind->width());
    BrowseTest::moveTo(f->PopUpFindList, QPoint(10, 5 * 18 + 9));
    QTest::mouseClick(f->PopUpFindList, Qt::LeftButton, {}, QPoint(10, 5 * 18 + 9));
    EXPECT_FALSE(f->PopUpFind->isVisible());
    f->Edit1->selectAll();
    QTest::mouseClick(f->Edit1, Qt::RightButton, {}, QPoint(5, 5));
    BrowseTest::moveTo(f->PopUpFindList, QPoint(10, 4 * 18 + 9));
    QTest::mouseClick(f->PopUpFindList, Qt::LeftButton, {}, QPoint(10, 4 * 18 + 9));
    EXPECT_TRUE(f->Edit1->text().isEmpty());
    // The system menu's line closes the window.
    QTest::mouseClick(f, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(f->SysMenu->isVisible());
    QTest::mouseClick(f->SysMenuList, Qt::LeftButton, {}, QPoint(10, 8));
    EXPECT_EQ(f->modalResult(), orvik::BorderlessForm::mrCancel);
  });
}

// 1,004 entries on the market page share the word "many"; one more search row names an entry
// that does not exist.
void plantMany(TestInstallation& inst) {
  FindTest::editEntryRows(inst, 1, [](QVariantList row) {
    QList<QVariantList> rows{row};
    if (row[1].toInt() == 401 && row[2].toInt() == 1)
      for (int order = 101; order <= 1104; ++order)
        rows << QVariantList{4,          401,      order, QStringLiteral("item %1").arg(order),
                             QVariant(), QString()};
    return rows;
  });
  bool planted = false;
  FindTest::editSearchRows(inst, 1, [&](QVariantList row) {
    QList<QVariantList> rows;
    if (!planted) {
      planted = true;
      for (int order = 101; order <= 1104; ++order)
        rows << FindTest::searchRow(QStringLiteral("many"), 401, order, 4);
      rows << FindTest::searchRow(QStringLiteral("many"), 401, 5000, 4);
      rows << FindTest::searchRow(QStringLiteral("  zebra  "), 401, 2, 4);
    }
    rows << row;
    return rows;
  });
}

TEST_F(FindTest, MoreThanAThousandResultsAreAllListedWithTheirPictures) {
  startAll(plantMany);
  inFind(1, [&](TFrmFind* f) {
    f->RadioGroup1->setItemIndex(1);
    find(f, QStringLiteral("many"));
    // The row whose entry is gone is left out, and the count says what is shown.
    ASSERT_EQ(f->resultCount(), 1004);
    EXPECT_EQ(f->NewStringGrid1->RowCount(), 1005);
    EXPECT_EQ(f->NewStringGrid1->Cells(0, 1004), QStringLiteral("item 1104"));
    EXPECT_EQ(f->lblResults->text(),
              QStringLiteral("Search Results:  1004 matches found in 1 page"));
    key(f, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(f->currentRow(), 1004);
    EXPECT_FALSE(f->slot(1004).isNull());
    EXPECT_FALSE(f->imgFind->pixmap().isNull());
    // One page: its picture is read once, however many rows show it.
    f->NewStringGrid1->repaint();
    EXPECT_EQ(f->picturesRead(), 1);
    f->RadioGroup1->button(0)->click();
    EXPECT_EQ(f->resultCount(), 1);
  });
  // A word stored with spaces around it shows without them, and finds its entry.
  inFind(1, [&](TFrmFind* f) {
    EXPECT_TRUE(f->ListBoxFind->Items().toStringList().contains(QStringLiteral("zebra")));
    EXPECT_FALSE(f->ListBoxFind->Items().toStringList().contains(QStringLiteral("  zebra  ")));
    find(f, QStringLiteral("zebra"));
    ASSERT_EQ(f->resultCount(), 1);
    EXPECT_EQ(f->results()[0].entry, QStringLiteral("pear"));
  });
}

TEST_F(FindTest, AnEmptySearchTableOpensAndFindDoesNothing) {
  startAll([](TestInstallation& inst) {
    rewriteTable(inst, orvik::schema::WordFind::file(1), [](QVariantList&) { return false; });
  });
  inFind(1, [&](TFrmFind* f) {
    EXPECT_EQ(f->ListBoxFind->Items().Count(), 0);
    EXPECT_TRUE(f->Edit1->text().isEmpty());
    type(f, QStringLiteral("apple"));
    QTest::mouseClick(f->btnFind, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::keyClick(f->Edit1, Qt::Key_Return);
    EXPECT_EQ(f->mode(), TFrmFind::Mode::WordList);
    EXPECT_TRUE(f->isVisible());
  });
}

TEST_F(FindTest, AnUnreadableSearchTableGoesToTheDatabaseFailure) {
  startAll();
  data()->tblWordFindEn->close();
  role()->openFind(orvik::Language::English);
  EXPECT_FALSE(findWindow(1)->isVisible());
  EXPECT_TRUE(orvik::Application::terminated());
  EXPECT_FALSE(messages.messages.isEmpty());
}

TEST_F(FindTest, TheChooserListsTheInstalledLanguagesAndOpensOne) {
  startAll();
  TfrmLangForFind* chooser = role()->chooser();
  role()->openFindChooser();
  EXPECT_TRUE(chooser->isVisible());
  EXPECT_EQ(chooser->height(), 88);
  EXPECT_EQ(chooser->SevenLangList->Lines().value(0), QStringLiteral("English     Ctrl+E"));
  EXPECT_EQ(chooser->pos(),
            QPoint(w->frameGeometry().left() + testControls(w).btnFind->x() - 15,
                   w->frameGeometry().top() + w->frameGeometry().height() - 88 - 33));
  // The pointer over the main window closes it.
  BrowseTest::moveTo(w, QPoint(700, 40));
  EXPECT_FALSE(chooser->isVisible());
  // A line opens its language's window.
  role()->openFindChooser();
  bool opened = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!findWindow(3)->isShowingModal()) return;
    opened = true;
    findWindow(3)->btnCancelClick();
  });
  poll.start(5);
  const QPoint line3(20, 2 * 20 + 10);
  BrowseTest::moveTo(chooser->SevenLangList, line3);
  QTest::mouseClick(chooser->SevenLangList, Qt::LeftButton, {}, line3);
  EXPECT_TRUE(opened);
  EXPECT_FALSE(chooser->isVisible());
}

TEST_F(FindTest, TextsFollowTheInterfaceLanguage) {
  startAll();
  w->ReloadLanguageNames(orvik::Language::Russian);
  inFind(1, [&](TFrmFind* f) {
    EXPECT_EQ(f->Label1->text(), u("Поиск слова по-английски"));
    EXPECT_EQ(f->lblResults->text(), u("Результаты поиска:"));
    EXPECT_EQ(f->btnFind->Caption(), u("Поиск"));
    EXPECT_EQ(f->RadioGroup1->item(1), u("все ссылки"));
    find(f, QStringLiteral("apple"));
    EXPECT_EQ(f->lblResults->text(), u("Результаты поиска:  1 ссылка найдена на 1 странице"));
    EXPECT_EQ(f->PopUpFindList->Lines().value(5), u("Выделить всё"));
  });
  w->ReloadLanguageNames(orvik::Language::French);
  EXPECT_EQ(findWindow(1)->lblResults->text(),
            u("Résultat de recherche:  1 référence trouvée en 1 page"));
  EXPECT_EQ(role()->chooser()->SevenLangList->Lines().value(2), u("Russe          Ctrl+R"));

  // The French and Spanish edit menus and Cancel speak their languages (once they read
  // "Undo Fr", "Select All Sp", "Annuller"), and the menu holds its longest line.
  const QStringList french{"Annuler", "Couper",    "Copier",
                           "Coller",  "Supprimer", u("Tout sélectionner")};
  const QStringList spanish{"Deshacer", "Cortar",   "Copiar",
                            "Pegar",    "Eliminar", "Seleccionar todo"};
  for (int language : {2, 4}) {
    w->ReloadLanguageNames(*orvik::Language::fromNumber(language));
    TFrmFind* f = findWindow(1);
    EXPECT_EQ(f->PopUpFindList->Lines(), language == 2 ? french : spanish);
    EXPECT_EQ(f->btnCancel->Caption(), language == 2 ? "Annuler" : "Anular");
    const QFontMetrics metrics(f->PopUpFindList->font());
    for (const QString& line : f->PopUpFindList->Lines())
      EXPECT_LE(f->PopUpFindList->x() + metrics.horizontalAdvance(line), f->PopUpFind->width() - 4)
          << line.toStdString();
  }
}

}  // namespace
