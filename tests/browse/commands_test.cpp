// The main window's commands in the running program: the key map with its exact modifiers, the
// "Say in" pop-up (placement, choice, closing), the hidden diagnostic button, and the
// program-wide press filter closing the pop-ups.
#include <QCursor>
#include <QFile>
#include <QTimer>
#include <utility>

#include "app/settings_file.h"
#include "browse/browse_fixture.h"
#include "browse/entry_panes.h"
#include "browse/orvik_word.h"
#include "browse/picture_box.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "lang/font_sets.h"
#include "platform/application.h"
#include "platform/borderless_form.h"
#include "platform/pop_ups.h"
#include "search/find_window.h"

namespace {

class CommandsTest : public BrowseTest {
 protected:
  void startOnBedroom() {
    start(writeThreeLanguageSettings);
    openBedroom();
    moveTo(testControls(w).ImgPages, spotOf(2));
    ASSERT_EQ(currentOrder(), 2);
  }
  void key(int k, Qt::KeyboardModifiers mods, QWidget* target = nullptr) {
    QTest::keyClick(target ? target : w, Qt::Key(k), mods);
  }
};

TEST_F(CommandsTest, ShiftLettersPronounceLanguagesWithSoundsInThePageViewOnly) {
  startOnBedroom();
  key(Qt::Key_E, Qt::ShiftModifier);
  key(Qt::Key_F, Qt::ShiftModifier);  // French has no sounds
  key(Qt::Key_R, Qt::ShiftModifier);
  EXPECT_EQ(pronounced(), (QList<int>{1, 3}));
  // Exact modifiers: Shift+Ctrl+E is no command; a key typed into a focused pane still reaches
  // the key map first.
  key(Qt::Key_E, Qt::ShiftModifier | Qt::ControlModifier);
  w->entryPanes()->pane(3)->setFocus();
  key(Qt::Key_E, Qt::ShiftModifier, w->entryPanes()->pane(3));
  EXPECT_EQ(pronounced(), (QList<int>{1, 3, 1}));
  // Outside the page view nothing is pronounced.
  click(testControls(w).btnBackToPages, QPoint(10, 10));
  key(Qt::Key_E, Qt::ShiftModifier);
  EXPECT_EQ(pronounced(), (QList<int>{1, 3, 1}));
}

TEST_F(CommandsTest, SayInOpensAwayFromTheCornerAndPronouncesTheChosenLine) {
  startOnBedroom();
  // Near the lower right corner it opens to the left and upwards.
  const QPoint corner(300, 470);
  click(testControls(w).ImgPages, corner, Qt::RightButton);
  ASSERT_TRUE(sayInShowing());
  const QPoint at = testControls(w).PanelForImg->pos() + corner;
  EXPECT_EQ(testControls(w).PopUpPct->geometry().bottomRight(), at - QPoint(1, 1));
  // One line per language with sounds, in the interface language.
  ASSERT_EQ(testControls(w).PopUpPctList->Lines().size(), 2);

  // Choosing the second line (Russian) pronounces the entry in Russian, unlocks and puts the
  // pointer back where it was at the right click.
  const QPoint before = QCursor::pos();
  const QPoint line2(20, 18 + 9);
  moveTo(testControls(w).PopUpPctList, line2);
  ASSERT_EQ(testControls(w).PopUpPctList->selectedNumber(), 2);
  QCursor::setPos(QPoint(5, 5));
  click(testControls(w).PopUpPctList, line2);
  EXPECT_FALSE(sayInShowing());
  EXPECT_FALSE(w->mouseLocked());
  EXPECT_EQ(pronounced(), QList<int>{3});
  EXPECT_EQ(QCursor::pos(), before);
}

TEST_F(CommandsTest, SayInLinesFitInEveryInterfaceLanguage) {
  startOnBedroom();
  for (orvik::Language language : orvik::Language::all()) {
    if (!data()->settings().installed(language)) continue;
    data()->settings().setValue(Settings::InterfaceLanguage, language.number());
    w->ReloadLanguageNames(language);
    const QFontMetrics metrics(testControls(w).PopUpPctList->font());
    for (const QString& line : testControls(w).PopUpPctList->Lines())
      EXPECT_LE(metrics.horizontalAdvance(line), testControls(w).PopUpPctList->width())
          << language.number() << " " << line.toStdString();
    EXPECT_LE(testControls(w).PopUpPctList->geometry().right(),
              testControls(w).PopUpPct->width() - 1);
  }
  data()->settings().setValue(Settings::InterfaceLanguage, 1);
  w->ReloadLanguageNames(orvik::Language::English);
}

// An empty pane with the focus showed a blinking text caret.
TEST_F(CommandsTest, AnEmptyPaneShowsNoCaretAndAPaneWithAnArticleDoes) {
  startOnBedroom();
  TOrvikWord* english = w->entryPanes()->pane(1);
  ASSERT_NE(english, nullptr);
  ASSERT_FALSE(english->document()->isEmpty());
  EXPECT_GT(english->cursorWidth(), 0) << "the caret of keyboard selection";
  w->ClearEntryPanes();
  ASSERT_TRUE(english->document()->isEmpty());
  click(english, QPoint(40, 20));
  QTRY_VERIFY(english->hasFocus());
  EXPECT_EQ(english->cursorWidth(), 0);
  // Its pixels: nothing but the pane's colour where the caret would stand.
  const QImage look = english->viewport()->grab().toImage();
  const QColor paper = look.pixelColor(look.width() - 3, look.height() - 3);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 6; ++x) ASSERT_EQ(look.pixelColor(x, y), paper) << x << "," << y;
  w->SyncEntryPanes();
  EXPECT_FALSE(english->document()->isEmpty());
  EXPECT_GT(english->cursorWidth(), 0);
}

TEST_F(CommandsTest, SayInClosesOnEscapeAndOnPressesOutsideThePicture) {
  startOnBedroom();
  click(testControls(w).ImgPages, QPoint(40, 40), Qt::RightButton);
  ASSERT_TRUE(sayInShowing());
  ASSERT_TRUE(w->mouseLocked());
  key(Qt::Key_Escape, Qt::NoModifier);
  EXPECT_FALSE(sayInShowing());
  EXPECT_FALSE(w->mouseLocked()) << "the lock follows the lock button, which is up";

  // A press in the margin right of the picture keeps it (the picture's own press handler
  // closes it, as above); a press on a bottom-row button closes it.
  click(testControls(w).ImgPages, QPoint(40, 40), Qt::RightButton);
  ASSERT_TRUE(sayInShowing());
  click(testControls(w).pnlMain,
        testControls(w).PanelForImg->geometry().topRight() + QPoint(3, 100));
  EXPECT_TRUE(sayInShowing());
  click(testControls(w).btnRegime, QPoint(10, 10));
  EXPECT_FALSE(sayInShowing());
  EXPECT_TRUE(w->mouseLocked()) << "the lock button went down with that press";
}

TEST_F(CommandsTest, AltZTogglesTheEyeInTheChapterViewOnly) {
  start(writeThreeLanguageSettings);
  ASSERT_TRUE(testControls(w).imgEyeClosed->isHidden());
  key(Qt::Key_Z, Qt::AltModifier);
  EXPECT_FALSE(testControls(w).imgEyeClosed->isHidden());
  EXPECT_EQ(testControls(w).imgEyeClosed->pos(), QPoint(255, 195));
  key(Qt::Key_Z, Qt::AltModifier);
  EXPECT_TRUE(testControls(w).imgEyeClosed->isHidden());
  clickTab(1);
  key(Qt::Key_Z, Qt::AltModifier);
  EXPECT_TRUE(testControls(w).imgEyeClosed->isHidden());
}

TEST_F(CommandsTest, TheDiagnosticButtonWritesTheEntryIntoTheTitle) {
  startOnBedroom();
  EXPECT_TRUE(testControls(w).btnVerify->isHidden());
  w->btnVerifyClick();
  EXPECT_TRUE(testControls(w).lblMainCap->text().startsWith(
      QStringLiteral("PageCode - 102;  RecNu - 2;  SoundName - ")))
      << testControls(w).lblMainCap->text().toStdString();
}

TEST_F(CommandsTest, NameSoundButtonsFollowTheInterfaceLanguageInThePageView) {
  startOnBedroom();
  ASSERT_TRUE(testControls(w).btnSoundPage->isVisible());
  ASSERT_TRUE(testControls(w).btnSoundChapter->isVisible());
  // French has no recordings: neither name can be heard in a French interface.
  data()->settings().setValue(Settings::InterfaceLanguage, 2);
  w->ReloadLanguageNames(orvik::Language::French);
  EXPECT_FALSE(testControls(w).btnSoundPage->isVisible());
  EXPECT_FALSE(testControls(w).btnSoundChapter->isVisible());
  data()->settings().setValue(Settings::InterfaceLanguage, 3);
  w->ReloadLanguageNames(orvik::Language::Russian);
  // The hints follow the language too, the pane buttons' included.
  EXPECT_EQ(testControls(w).btnFind->HintName(), QStringLiteral("Поиск на выбранном языке"));
  EXPECT_EQ(w->entryPanes()->listButton(4)->HintName(),
            QStringLiteral("Показать список слов для страницы"));
  EXPECT_TRUE(testControls(w).btnSoundPage->isVisible());
  EXPECT_TRUE(testControls(w).btnSoundChapter->isVisible());
  // In the page list the chapter's button alone.
  click(testControls(w).btnBackToPages, QPoint(10, 10));
  EXPECT_FALSE(testControls(w).btnSoundPage->isVisible());
  EXPECT_TRUE(testControls(w).btnSoundChapter->isVisible());
  data()->settings().setValue(Settings::InterfaceLanguage, 1);
  w->ReloadLanguageNames(orvik::Language::English);
}

TEST_F(CommandsTest, LongNamesAreShortenedAtAWordWithTheWholeNameAsHint) {
  startOnBedroom();
  const QString longName = QStringLiteral("Les sciences, la technologie et l'espace lointain");
  testControls(w).lblChapterName->setText(longName);
  const QString shown =
      NameLabel::fittedText(longName, testControls(w).lblChapterName->fontMetrics(),
                            testControls(w).lblChapterName->contentsRect().width());
  EXPECT_TRUE(shown.endsWith(QStringLiteral("…"))) << shown.toStdString();
  // Whole words only: what stands before the ellipsis is a prefix ending at a word.
  const QString kept = shown.chopped(1);
  EXPECT_TRUE(longName.startsWith(kept));
  EXPECT_TRUE(longName.at(kept.size()) == QLatin1Char(' ') ||
              longName.at(kept.size()) == QLatin1Char(','));
  testControls(w).lblChapterName->grab();  // painting settles the hint
  EXPECT_EQ(testControls(w).lblChapterName->toolTip(), longName);
  EXPECT_EQ(testControls(w).lblChapterName->text(), longName) << "the name itself stays whole";
  // A name that fits has no hint.
  testControls(w).lblChapterName->setText(QStringLiteral("Home"));
  testControls(w).lblChapterName->grab();
  EXPECT_TRUE(testControls(w).lblChapterName->toolTip().isEmpty());
}

TEST_F(CommandsTest, EachChooserOpensFromItsButtonAndClosesWhenThePointerMovesOverTheWindow) {
  start(writeThreeLanguageSettings);
  const std::pair<TOrvikBtn98*, const char*> cases[] = {
      {testControls(w).btnFind, "frmLangForFind"},
      {testControls(w).btnPageList, "frmLangForPageList"},
      {testControls(w).btnHelp, "frmOptForHelp"}};
  for (const auto& [button, name] : cases) {
    QWidget* chooser = topLevelWindow(QString::fromLatin1(name));
    ASSERT_NE(chooser, nullptr) << name;
    click(button, QPoint(10, 10));
    EXPECT_TRUE(chooser->isVisible()) << name;
    moveTo(w, QPoint(400, 12));
    EXPECT_FALSE(chooser->isVisible()) << name;
  }
}

TEST_F(CommandsTest, CtrlROpensTheRussianFindWindowThoughRussianIsNotShown) {
  start([](TestInstallation& inst) {
    writeThreeLanguageSettings(inst);
    QFile file(inst.filePath(QStringLiteral("Settings.orv")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes[Settings::ShownRu] = 0;
    bytes[Settings::ShownFr] = 1;
    file.seek(0);
    file.write(bytes);
  });
  ASSERT_FALSE(data()->settings().value(Settings::ShownRu));
  auto* russian = qobject_cast<TFrmFind*>(topLevelWindow("frmFindRu"));
  ASSERT_NE(russian, nullptr);
  bool opened = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!russian->isShowingModal()) return;
    opened = true;
    russian->btnCancelClick();
  });
  poll.start(10);
  QTest::keyClick(w, Qt::Key_R, Qt::ControlModifier);
  poll.stop();
  EXPECT_TRUE(opened);
  EXPECT_FALSE(russian->isVisible());
}

}  // namespace
