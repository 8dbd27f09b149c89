// The entry area on a test installation with all four languages: the stack geometry for one to
// four shown languages, the frames on the page-view background, what the page view shows, the
// articles of an entry, the scroll-bar coupling, the article menu and its keys.

#include "browse/entry_panes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <memory>

#include "app/data_module.h"
#include "browse/orvik_word.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_panel.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/osb_button.h"
#include "lang/font_sets.h"
#include "platform/application.h"
#include "platform/message_boxes.h"
#include "platform/optical_discs.h"
#include "platform/table_writer.h"
#include "test_installation.h"

namespace {

// The Spanish entry-list window is open, the others closed.
class SpanishListOpen final : public EntryListsRole {
 public:
  void openEntryList(orvik::Language) override {}
  bool entryListOpen(orvik::Language language) const override {
    return language == orvik::Language::Spanish;
  }
} spanishListOpen;

constexpr int En = 1, Fr = 2, Ru = 3, Sp = 4;
const QColor kBackground(238, 230, 201);
const QColor kShadow(180, 169, 135);
const QColor kList(250, 244, 211);

QByteArray article(const QByteArray& body) {
  return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
         "\\pard\\plain\\f0\\fs18 " +
         body + "}";
}

class EntryPanesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(install.valid());
    StartupEnvironment env;
    env.currentDir = install.path();
    env.arguments = {QStringLiteral("0s"), QStringLiteral("1"), QStringLiteral("5s"),
                     QStringLiteral("6")};
    env.discs = &discs;
    env.messages = &messages;
    env.splashMs = 0;
    env.waitMs = 0;
    data = std::make_unique<TDMOrvik>(env);
    ASSERT_TRUE(data->create());

    window = std::make_unique<QWidget>();
    window->resize(757, 564);
    panel = new QWidget(window.get());
    panel->setGeometry(5, 25, 748, 535);
    background = new QLabel(panel);
    QPixmap white(748, 535);
    white.fill(Qt::white);
    background->setPixmap(white);
    background->setGeometry(0, 0, 748, 535);
    panes = std::make_unique<EntryPanes>(panel, data.get());
  }
  void TearDown() override {
    panes.reset();
    window.reset();
    data.reset();
    orvik::Application::reset();
  }

  // Shows the window and makes it the active one, so keys and focus behave as on a desktop.
  void showWindow() {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  // Binds `language`'s pane to an article table of our own holding `memos` (page 101).
  orvik::DataSource* ownArticles(int language, const QList<QByteArray>& memos) {
    const QString path = ownDir.filePath(QStringLiteral("Own%1.ort").arg(language));
    {
      orvik::TableWriter writer(path, QString(),
                                {{"PageCode", orvik::FieldType::Integer},
                                 {"Order", orvik::FieldType::Integer},
                                 {"WordMemo", orvik::FieldType::Memo}},
                                {{"IndPageOrder", {"PageCode", "Order"}}});
      int order = 1;
      for (const QByteArray& memo : memos) writer.append({101, order++, memo});
      writer.finish();
    }
    auto* table = new orvik::Table(nullptr, window.get());
    table->setTableName(path);
    table->setPasswords({});
    table->open();
    auto* source = new orvik::DataSource(window.get());
    source->setDataSet(table);
    panes->pane(language)->setDataField(QStringLiteral("WordMemo"));
    panes->pane(language)->setDataSource(source);
    return source;
  }

  QColor pixel(int x, int y) const { return background->pixmap().toImage().pixelColor(x, y); }

  TestInstallation install{QStringLiteral(ORVIK_FIXTURE_SMALL)};
  orvik::RecordingMessageBoxes messages;
  orvik::FixedDiscs discs;
  std::unique_ptr<TDMOrvik> data;
  std::unique_ptr<QWidget> window;
  QWidget* panel = nullptr;
  QLabel* background = nullptr;
  std::unique_ptr<EntryPanes> panes;
  QTemporaryDir ownDir;
};

struct StackCase {
  std::array<int, 4> order;
  std::vector<std::pair<int, std::pair<int, int>>> expected;  // language, (top, height)
};

}  // namespace

TEST_F(EntryPanesTest, EveryControlCarriesItsNameAndStartsHidden) {
  QStringList names;
  for (const char* code : {"En", "Fr", "Ru", "Sp"}) {
    for (const char* kind :
         {"RTF_", "PnlScrollRTF_", "ScrollRTF_", "lblWord", "btnSoundWrd", "btnList", "btnPrint"})
      names << QLatin1String(kind) + QLatin1String(code);
  }
  names << "Shadow1"
        << "Shadow2"
        << "Shadow3"
        << "Shadow4"
        << "PopUpRTF"
        << "PopUpRTFList";
  for (const QString& name : names) {
    QWidget* w = panel->findChild<QWidget*>(name);
    ASSERT_NE(w, nullptr) << name.toStdString();
    EXPECT_FALSE(w->isVisibleTo(panel)) << name.toStdString();
  }
  EXPECT_EQ(panes->pane(Ru)->objectName(), QStringLiteral("RTF_Ru"));
  EXPECT_EQ(panes->scrollBar(Sp)->parentWidget(), panes->scrollPanel(Sp));
  EXPECT_EQ(panes->scrollBar(Sp)->geometry(), QRect(1, 1, 10, 73));
  EXPECT_EQ(panes->pane(5), nullptr);
}

TEST_F(EntryPanesTest, StackGeometryForOneToFourShownLanguages) {
  const std::vector<StackCase> cases = {
      {{-1, -1, -1, 5}, {{Ru, {75, 405}}}},
      {{-1, -1, 0, 6}, {{En, {75, 185}}, {Sp, {295, 185}}}},
      {{-1, 1, 5, 6}, {{Fr, {75, 109}}, {Ru, {219, 109}}, {Sp, {363, 109}}}},
      {{0, 1, 5, 6}, {{En, {75, 75}}, {Fr, {185, 75}}, {Ru, {295, 75}}, {Sp, {405, 75}}}},
  };
  for (const StackCase& c : cases) {
    const int n = int(c.expected.size());
    ASSERT_EQ(panes->applyLayout(c.order), n);
    EXPECT_EQ(panes->shownCount(), n);
    int k = 1;
    for (const auto& [language, geometry] : c.expected) {
      SCOPED_TRACE(testing::Message() << n << " shown, pane " << k);
      const auto [top, height] = geometry;
      EXPECT_TRUE(panes->isShown(language));
      EXPECT_EQ(panes->pane(language)->geometry(), QRect(33, top, 312, height));
      EXPECT_EQ(panes->scrollPanel(language)->geometry(), QRect(345, top, 12, height));
      EXPECT_EQ(panes->scrollBar(language)->geometry(), QRect(1, 1, 10, height - 2));
      EXPECT_EQ(panes->heading(language)->pos(), QPoint(55, top - 20));
      EXPECT_EQ(panes->listButton(language)->pos(), QPoint(327, top - 20));
      EXPECT_EQ(panes->soundButton(language)->pos(), QPoint(30, top - 22));
      EXPECT_EQ(panes->printButton(language)->pos(),
                QPoint(297, n == 4 && k == 4 ? 384 : top - 22));
      EXPECT_EQ(panes->shadow(k)->geometry(), QRect(38, top + 8, 327, height));
      EXPECT_EQ(panes->pane(language)->DataSource(),
                data->srcWordName(*orvik::Language::fromNumber(language)));
      EXPECT_EQ(panes->pane(language)->DataField(), QStringLiteral("WordMemo"));
      ++k;
    }
  }
  // Only Russian: the heading and list button at 55, sound and print at 53, Shadow1 at 83.
  panes->applyLayout({-1, -1, -1, 5});
  EXPECT_EQ(panes->heading(Ru)->y(), 55);
  EXPECT_EQ(panes->soundButton(Ru)->y(), 53);
  EXPECT_EQ(panes->printButton(Ru)->y(), 53);
  EXPECT_EQ(panes->shadow(1)->geometry(), QRect(38, 83, 327, 405));
  EXPECT_FALSE(panes->isShown(En));
}

TEST_F(EntryPanesTest, FramesAreDrawnOnTheBackgroundAndTheShadowsShown) {
  struct FrameCase {
    std::array<int, 4> order;
    std::vector<std::pair<int, int>> frames;  // top and bottom end point
  };
  const std::vector<FrameCase> cases = {
      {{-1, -1, -1, 5}, {{74, 479}}},
      {{-1, -1, 0, 6}, {{74, 259}, {294, 479}}},
      {{-1, 0, 1, 5}, {{74, 183}, {218, 327}, {362, 471}}},
      {{0, 1, 5, 6}, {{74, 149}, {184, 259}, {294, 369}, {404, 479}}},
  };
  for (const FrameCase& c : cases) {
    const int n = panes->applyLayout(c.order);
    panes->drawFrames(background);
    SCOPED_TRACE(testing::Message() << n << " shown");
    for (const auto& [top, bottom] : c.frames) {
      EXPECT_EQ(pixel(29, top), kShadow);
      EXPECT_EQ(pixel(29, bottom - 1), kShadow);
      EXPECT_EQ(pixel(29, bottom), kBackground) << "the end point is not drawn";
      EXPECT_EQ(pixel(343, top), kShadow);
      EXPECT_EQ(pixel(344, top), kBackground);
      EXPECT_EQ(pixel(30, top + 1), kBackground);
    }
    // The area is cleared to the background, nothing outside it is touched.
    EXPECT_EQ(pixel(344, 499), kBackground);
    EXPECT_EQ(pixel(28, 200), QColor(Qt::white));
    EXPECT_EQ(pixel(345, 200), QColor(Qt::white));
    EXPECT_EQ(pixel(100, 73), QColor(Qt::white));
    EXPECT_EQ(pixel(100, 500), QColor(Qt::white));
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(!panes->shadow(k)->isHidden(), k <= n) << k;
  }
  panes->clearFrames(background);
  EXPECT_EQ(pixel(29, 74), kBackground);
  for (int k = 1; k <= 4; ++k) EXPECT_TRUE(panes->shadow(k)->isHidden());
}

TEST_F(EntryPanesTest, ThePageViewShowsTheShownLanguagesWithTheirButtons) {
  // English and Russian have sounds, French and Spanish do not; the Spanish list is open.
  panes->setEntryLists(&spanishListOpen);
  panes->applyLayout({-1, 1, 5, 6});
  panes->setPageViewVisible(true, background);
  showWindow();
  EXPECT_FALSE(panes->pane(En)->isVisible());
  EXPECT_FALSE(panes->heading(En)->isVisible());
  for (int language : {Fr, Ru, Sp}) {
    EXPECT_TRUE(panes->pane(language)->isVisible()) << language;
    EXPECT_TRUE(panes->scrollPanel(language)->isVisible()) << language;
    EXPECT_TRUE(panes->heading(language)->isVisible()) << language;
    EXPECT_TRUE(panes->printButton(language)->isVisible()) << language;
  }
  EXPECT_FALSE(panes->soundButton(Fr)->isVisible()) << "French has no sounds";
  EXPECT_TRUE(panes->soundButton(Ru)->isVisible());
  EXPECT_TRUE(panes->listButton(Fr)->isVisible());
  EXPECT_FALSE(panes->listButton(Sp)->isVisible()) << "its list window is open";

  // The panes stand over the shadows, which show below and to the right of them.
  const QImage shot = panel->grab().toImage();
  EXPECT_EQ(shot.pixelColor(100, 150), kList);
  EXPECT_EQ(shot.pixelColor(100, 75 + 109 + 4), kShadow);
  EXPECT_EQ(shot.pixelColor(361, 150), kShadow);
  EXPECT_EQ(shot.pixelColor(29, 100), kShadow) << "frame line";
  if (qEnvironmentVariableIsSet("ORVIK_PANES_SHOTS")) {
    panes->syncAllToEntry(102, 2);
    panel->grab().save(qEnvironmentVariable("ORVIK_PANES_SHOTS") + "/panes3.png");
    panes->setEntryLists(nullptr);
    panes->applyLayout({0, 1, 5, 6});
    panes->setPageViewVisible(true, background);
    panes->syncAllToEntry(102, 3);
    panes->setInterfaceLanguage(3);
    panes->pane(Fr)->setFocus();
    panes->pane(Fr)->selectRange(0, 9);
    panes->openMenu(Ru, QPoint(250, 60));
    panel->grab().save(qEnvironmentVariable("ORVIK_PANES_SHOTS") + "/panes4.png");
    panes->popUp()->hide();
    panes->applyLayout({-1, -1, -1, 5});
    panes->setPageViewVisible(true, background);
    panel->grab().save(qEnvironmentVariable("ORVIK_PANES_SHOTS") + "/panes1.png");
    panes->applyLayout({-1, 1, 5, 6});
    panes->setEntryLists(&spanishListOpen);
    panes->hideAll();
    panes->setPageViewVisible(true, background);
  }

  // A new layout in the page view leaves nothing of the languages no longer shown.
  panes->applyLayout({-1, -1, -1, 0});
  panes->setPageViewVisible(true, background);
  for (int language : {Fr, Ru, Sp}) {
    EXPECT_FALSE(panes->pane(language)->isVisible()) << language;
    EXPECT_FALSE(panes->scrollPanel(language)->isVisible()) << language;
    EXPECT_FALSE(panes->heading(language)->isVisible()) << language;
    EXPECT_FALSE(panes->printButton(language)->isVisible()) << language;
    EXPECT_FALSE(panes->listButton(language)->isVisible()) << language;
  }
  EXPECT_TRUE(panes->pane(En)->isVisible());
  EXPECT_FALSE(panes->shadow(2)->isVisible());

  panes->setPageViewVisible(false, background);
  for (QWidget* w : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w != background) {
      EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }
  }
  EXPECT_EQ(pixel(29, 74), kBackground);
}

TEST_F(EntryPanesTest, AnEntryShowsItsArticleInEveryLanguage) {
  panes->bindInstalled();
  panes->applyLayout({0, 1, 5, 6});
  // Page 102 holds bed, sofa, chair, door in that order.
  panes->syncAllToEntry(102, 2);
  EXPECT_TRUE(panes->pane(En)->toPlainText().startsWith(QStringLiteral("sofa")));
  EXPECT_TRUE(panes->pane(Fr)->toPlainText().startsWith(QStringLiteral("le canapé")));
  EXPECT_TRUE(panes->pane(Ru)->toPlainText().startsWith(QStringLiteral("диван")));
  EXPECT_TRUE(panes->pane(Sp)->toPlainText().startsWith(QStringLiteral("el sofá")));

  // The same entry again after the panes were emptied shows it again.
  panes->clearAll();
  for (int language = 1; language <= 4; ++language) ASSERT_TRUE(panes->pane(language)->isEmpty());
  EXPECT_TRUE(panes->syncToEntry(En, 102, 2));
  EXPECT_TRUE(panes->pane(En)->toPlainText().startsWith(QStringLiteral("sofa")));

  // No such entry: the pane stays empty, without a message.
  EXPECT_FALSE(panes->syncToEntry(Ru, 102, 99));
  EXPECT_TRUE(panes->pane(Ru)->isEmpty());
  EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(EntryPanesTest, AFailingArticleReadGoesToTheDatabaseFailureRoutine) {
  QByteArray big;
  for (int i = 0; i < 2000; ++i) big += "filler text ";
  orvik::Table* table = ownArticles(Sp, {article("first"), article(big)})->dataSet();
  ASSERT_EQ(panes->pane(Sp)->toPlainText(), QStringLiteral("first"));
  {
    QFile file(table->tableName());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() / 2));
  }
  table->last();
  EXPECT_TRUE(panes->pane(Sp)->isEmpty());
  ASSERT_EQ(messages.messages.size(), 1);
  EXPECT_TRUE(orvik::Application::terminated());
}

TEST_F(EntryPanesTest, FontsAndSizesComeFromTheSettingsAndReloadTheArticles) {
  data->settings().setValue(Settings::FontSize, 7);
  panes->bindInstalled();
  panes->applyLayout({0, 1, 5, 6});
  panes->setPaneFonts();
  for (int language = 1; language <= 4; ++language)
    EXPECT_EQ(panes->pane(language)->FontSize(), 12);
  EXPECT_EQ(panes->pane(En)->font().family(), QStringLiteral("Arial"));
  panes->reloadInstalled();
  QTextCursor cursor(panes->pane(Ru)->document());
  cursor.setPosition(1);
  EXPECT_EQ(cursor.charFormat().fontPointSize(), 12.0);

  panes->setPageViewVisible(true, background);
  showWindow();
  panes->setFontSize(16);
  for (int language = 1; language <= 4; ++language) {
    QTextCursor c(panes->pane(language)->document());
    c.setPosition(1);
    EXPECT_EQ(c.charFormat().fontPointSize(), 16.0) << language;
  }
}

TEST_F(EntryPanesTest, AFittingArticleGivesABarOfItsLinesAndALongOneScrollsByLines) {
  panes->applyLayout({0, 1, 5, 6});  // four panes of 75
  panes->pane(En)->setFontSize(10);  // line height 10 + 6 = 16: four lines fit
  QByteArray longBody;
  for (int i = 1; i <= 20; ++i) longBody += "line " + QByteArray::number(i) + "\\par ";
  ownArticles(En, {article("one\\par two"), article(longBody)});
  panes->setPageViewVisible(true, background);
  showWindow();

  TOrvikWord* pane = panes->pane(En);
  TOrvikScrollBar* bar = panes->scrollBar(En);
  panes->pane(En)->reload();
  ASSERT_EQ(pane->lineCount(), 2);
  EXPECT_EQ(panes->fittingLines(En), 4);
  EXPECT_EQ(bar->Max(), 1);
  EXPECT_EQ(bar->LargeChange(), 2);
  EXPECT_EQ(bar->Position(), 0);

  pane->DataSource()->dataSet()->next();
  const int lines = pane->lineCount();
  ASSERT_GE(lines, 20);
  EXPECT_EQ(bar->Max(), lines);
  EXPECT_EQ(bar->LargeChange(), 3);
  EXPECT_EQ(bar->Position(), 0);

  // The arrows step one line; the pane follows and the bar stays on its first line.
  QTest::mousePress(bar->downButton(), Qt::LeftButton);
  QTest::mouseRelease(bar->downButton(), Qt::LeftButton);
  EXPECT_EQ(pane->firstVisibleLine(), 1);
  EXPECT_EQ(bar->Position(), 1);
  // Page down scrolls the fitting count less one.
  int position = bar->Position();
  emit bar->scrolled(TOrvikScrollBar::scPageDown, position);
  EXPECT_EQ(pane->firstVisibleLine(), 4);
  emit bar->scrolled(TOrvikScrollBar::scPageUp, position);
  EXPECT_EQ(pane->firstVisibleLine(), 1);
  // Tracking the thumb to 7 brings line 7 to the top.
  position = 7;
  emit bar->scrolled(TOrvikScrollBar::scTrack, position);
  EXPECT_EQ(pane->firstVisibleLine(), 7);
  // Scroll codes other than lines, pages and tracking do nothing.
  position = 2;
  emit bar->scrolled(4, position);
  EXPECT_EQ(pane->firstVisibleLine(), 7);

  // Keys in the pane move the bar to the pane's first visible line.
  pane->setFocus();
  QTest::keyClick(pane, Qt::Key_End, Qt::ControlModifier);
  const int last = pane->firstVisibleLine();
  EXPECT_GT(last, 7);
  EXPECT_EQ(bar->Position(), last);
  QTest::keyClick(pane, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(bar->Position(), 0);

  // New text resets the bar.
  position = 5;
  emit bar->scrolled(TOrvikScrollBar::scTrack, position);
  pane->DataSource()->dataSet()->first();
  EXPECT_EQ(bar->Position(), 0);
  EXPECT_EQ(bar->Max(), 1);
}

TEST_F(EntryPanesTest, AnArticleLoadedWhileThePanesAreHiddenCountsTheLinesOfThePaneWidth) {
  // As at start: the panes were never shown when the articles are first loaded.
  panes->applyLayout({-1, -1, 0, 6});
  QByteArray words;
  for (int i = 0; i < 60; ++i) words += "word ";
  ownArticles(Sp, {article(words)});
  const int maxHidden = panes->scrollBar(Sp)->Max();
  panes->setPageViewVisible(true, background);
  showWindow();
  const int lines = panes->pane(Sp)->lineCount();
  ASSERT_GT(lines, 2);
  EXPECT_EQ(maxHidden, lines - 1) << "the bar was set for the pane's real width";
}

TEST_F(EntryPanesTest, ANewLayoutKeepsTheBarOnTheLineThePaneShows) {
  panes->applyLayout({0, 1, 5, 6});
  panes->pane(En)->setFontSize(10);
  QByteArray longBody;
  for (int i = 1; i <= 60; ++i) longBody += "line " + QByteArray::number(i) + "\\par ";
  // The layout binds the pane to the installation's article source: let that source read a
  // table of ours.
  orvik::DataSource* source = data->srcWordName(orvik::Language::English);
  orvik::Table* installed = source->dataSet();
  source->setDataSet(ownArticles(En, {article(longBody)})->dataSet());
  panes->pane(En)->setDataSource(source);
  panes->setPageViewVisible(true, background);
  showWindow();
  TOrvikWord* pane = panes->pane(En);
  TOrvikScrollBar* bar = panes->scrollBar(En);
  ASSERT_GT(pane->lineCount(), 50);
  int position = 12;
  emit bar->scrolled(TOrvikScrollBar::scTrack, position);
  ASSERT_EQ(pane->firstVisibleLine(), 12);

  // English and Russian: the English pane grows to 185 and still shows line 12 at its top.
  panes->applyLayout({-1, -1, 0, 5});
  panes->setPageViewVisible(true, background);
  EXPECT_EQ(panes->fittingLines(En), 185 / 16);
  EXPECT_EQ(bar->Max(), pane->lineCount());
  EXPECT_EQ(bar->Position(), pane->firstVisibleLine());
  EXPECT_EQ(bar->Position(), 12);
  source->setDataSet(installed);
}

TEST(EntryPaneLineHeight, FollowsTheFontSizeAndTheScreenResolution) {
  EXPECT_EQ(EntryPanes::lineHeight(6, 96), 10);
  EXPECT_EQ(EntryPanes::lineHeight(7, 96), 12);
  EXPECT_EQ(EntryPanes::lineHeight(9, 96), 15);
  EXPECT_EQ(EntryPanes::lineHeight(11, 96), 17);
  EXPECT_EQ(EntryPanes::lineHeight(13, 96), 20);
  EXPECT_EQ(EntryPanes::lineHeight(14, 96), 22);
  EXPECT_EQ(EntryPanes::lineHeight(19, 96), 28);
  EXPECT_EQ(EntryPanes::lineHeight(20, 96), 32);
  EXPECT_EQ(EntryPanes::lineHeight(21, 96), 21);
  EXPECT_EQ(EntryPanes::lineHeight(10, 120), 18);  // 6 x 120 / 96 = 7.5, to 8
  EXPECT_EQ(EntryPanes::lineHeight(20, 144), 38);
}

TEST_F(EntryPanesTest, TheMenuOpensTowardsThePaneAndActsOnTheFocusedPane) {
  panes->bindInstalled();
  panes->applyLayout({0, 1, 5, 6});
  panes->syncAllToEntry(101, 1);
  panes->setPageViewVisible(true, background);
  showWindow();
  TOrvikWord* pane = panes->pane(Fr);  // (33, 185), 312 by 75
  TOrvikPanel* menu = panes->popUp();

  // Near the top-left corner it opens right and down from the press point. Its width is 150,
  // or more where its lines need it to keep clear of its border.
  QTest::mousePress(pane->viewport(), Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_TRUE(menu->isVisible());
  const int w = menu->width();
  EXPECT_GE(w, 150);
  EXPECT_EQ(menu->geometry(), QRect(43, 195, w, 65));
  EXPECT_EQ(panes->focusedLanguage(), Fr) << "a press gives the pane the focus";
  // Near the bottom-right corner it opens left and up.
  QTest::mousePress(pane->viewport(), Qt::RightButton, {}, QPoint(300, 70));
  EXPECT_EQ(menu->geometry(), QRect(333 - w, 255 - 65, w, 65));
  // The thresholds: X < width / 3 + 312 / 2, Y < 75 / 2 + 65 / 2 = 69.
  const int threshold = w / 3 + 312 / 2;
  panes->openMenu(Fr, QPoint(threshold - 1, 68));
  EXPECT_EQ(menu->pos(), QPoint(33 + threshold - 1, 185 + 68));
  panes->openMenu(Fr, QPoint(threshold, 69));
  EXPECT_EQ(menu->pos(), QPoint(33 + threshold - w, 185 + 69 - 65));

  // Line 2 selects all, line 1 copies, line 3 asks for printing; each hides the menu.
  TOrvikChapterList* list = panes->popUpList();
  EXPECT_EQ(list->Lines(), EntryPanes::menuLines(1));
  QApplication::clipboard()->clear();
  QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(20, 18 + 9));
  EXPECT_FALSE(menu->isVisible());
  EXPECT_EQ(pane->selectionStart(), 0);
  EXPECT_EQ(pane->selectionEnd(), pane->textLength());
  panes->openMenu(Fr, QPoint(10, 10));
  QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(20, 9));
  EXPECT_EQ(QApplication::clipboard()->text(), pane->toPlainText());
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("la clé")));
  QSignalSpy print(panes.get(), &EntryPanes::printEntryRequested);
  panes->openMenu(Fr, QPoint(10, 10));
  QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(20, 36 + 9));
  ASSERT_EQ(print.count(), 1);
  EXPECT_EQ(print.at(0).at(0).toInt(), Fr);

  // With no pane focused the three lines do nothing.
  pane->clearFocus();
  window->setFocus();
  ASSERT_EQ(panes->focusedLanguage(), 0);
  QApplication::clipboard()->setText(QStringLiteral("before"));
  pane->selectRange(0, 0);
  for (int line = 1; line <= 3; ++line) panes->runMenuLine(line);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));
  EXPECT_EQ(pane->selectionEnd(), 0);
  EXPECT_EQ(print.count(), 1);
}

// What the main window's program-wide filter does on every press: hide the article menu.
class MenuHider : public QObject {
 public:
  explicit MenuHider(QWidget* menu) : menu_(menu) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) menu_->hide();
    return false;
  }

 private:
  QWidget* menu_;
};

TEST_F(EntryPanesTest, AMenuLineStillActsWhenTheProgramWideFilterHidesTheMenuFirst) {
  panes->bindInstalled();
  panes->applyLayout({0, 1, 5, 6});
  panes->syncAllToEntry(101, 1);
  panes->setPageViewVisible(true, background);
  showWindow();
  MenuHider hider(panes->popUp());
  qApp->installEventFilter(&hider);
  TOrvikWord* pane = panes->pane(Sp);
  QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  panes->openMenu(Sp, QPoint(10, 10));
  QTest::mouseClick(panes->popUpList(), Qt::LeftButton, {}, QPoint(20, 18 + 9));
  qApp->removeEventFilter(&hider);
  EXPECT_FALSE(panes->popUp()->isVisible());
  EXPECT_EQ(pane->selectionEnd() - pane->selectionStart(), pane->textLength());
}

TEST_F(EntryPanesTest, CtrlAAndCtrlCSelectAndCopyInTheFocusedPane) {
  panes->bindInstalled();
  panes->applyLayout({0, 1, 5, 6});
  panes->syncAllToEntry(101, 1);
  panes->setPageViewVisible(true, background);
  showWindow();
  TOrvikWord* pane = panes->pane(Ru);
  QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_EQ(panes->focusedLanguage(), Ru);
  QApplication::clipboard()->clear();
  QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(pane->selectionEnd() - pane->selectionStart(), pane->textLength());
  QTest::keyClick(pane, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), pane->toPlainText());
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("ключ")));
  // The copy carries the rich text too.
  EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("text/rtf")));
  // The selection stays in sight while another pane has the focus.
  QTest::mouseClick(panes->pane(En)->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_EQ(panes->focusedLanguage(), En);
  const QColor highlight = pane->palette().color(QPalette::Active, QPalette::Highlight);
  const QImage shot = pane->viewport()->grab().toImage();
  int marked = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) marked += shot.pixelColor(x, y) == highlight;
  EXPECT_GT(marked, 200);
  pane->setFocus();
  // Other keys do not change the read-only text.
  const QString before = pane->toPlainText();
  QTest::keyClicks(pane, QStringLiteral("xyz"));
  QTest::keyClick(pane, Qt::Key_Delete);
  EXPECT_EQ(pane->toPlainText(), before);
}

TEST_F(EntryPanesTest, ButtonsReportTheirLanguageAndTheInterfaceLanguageRelabels) {
  panes->applyLayout({0, 1, 5, 6});
  panes->setPageViewVisible(true, background);
  showWindow();
  QSignalSpy sound(panes.get(), &EntryPanes::soundClicked);
  QSignalSpy list(panes.get(), &EntryPanes::listClicked);
  QSignalSpy print(panes.get(), &EntryPanes::printClicked);
  QTest::mouseClick(panes->soundButton(Ru), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(panes->listButton(Fr), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(panes->printButton(Sp), Qt::LeftButton, {}, QPoint(5, 5));
  ASSERT_EQ(sound.count(), 1);
  ASSERT_EQ(list.count(), 1);
  ASSERT_EQ(print.count(), 1);
  EXPECT_EQ(sound.at(0).at(0).toInt(), Ru);
  EXPECT_EQ(list.at(0).at(0).toInt(), Fr);
  EXPECT_EQ(print.at(0).at(0).toInt(), Sp);

  // Moving over a pane is reported (the window closes its chooser windows then).
  QSignalSpy moved(panes.get(), &EntryPanes::paneMouseMoved);
  QTest::mouseMove(panes->pane(Fr)->viewport(), QPoint(40, 30));
  ASSERT_GE(moved.count(), 1);
  EXPECT_EQ(moved.last().at(0).toInt(), Fr);

  panes->setInterfaceLanguage(3);
  EXPECT_EQ(panes->heading(En)->text(), QStringLiteral("Английский"));
  EXPECT_EQ(panes->heading(Sp)->text(), QStringLiteral("Испанский"));
  // The longest name fits its label whole.
  QLabel* french = panes->heading(Fr);
  EXPECT_GE(french->contentsRect().width(),
            french->fontMetrics().horizontalAdvance(QStringLiteral("Французский")));
  EXPECT_LT(french->geometry().right(), panes->printButton(Fr)->x());
  EXPECT_EQ(panes->popUpList()->Lines().at(1), QStringLiteral("Выделить всё  Ctrl+A"));
  panes->setInterfaceLanguage(2);
  EXPECT_EQ(panes->heading(Fr)->text(), QStringLiteral("Français"));
  EXPECT_EQ(panes->popUpList()->Lines().at(2), QStringLiteral("Imprimer l'entrée Ctrl+P"));
  EXPECT_EQ(EntryPanes::menuLines(4).at(0), QStringLiteral("Copiar                     Ctrl+C"));

  // Every line of every language shows whole in the font sets' Times bold 16, clear of the
  // border; the menu is 150 wide at least and 65 high.
  TOrvikChapterList* menuList = panes->popUpList();
  for (int charset : {orvik::kWesternCharset, orvik::kCyrillicCharset}) {
    orvik::applyFont(menuList, orvik::timesBoldSpec(16, charset));
    for (int number = 1; number <= 4; ++number) {
      panes->setInterfaceLanguage(number);
      panes->openMenu(En, QPoint(10, 10));
      EXPECT_GE(panes->popUp()->width(), 150) << number;
      EXPECT_EQ(panes->popUp()->height(), 65);
      for (const QString& line : menuList->Lines()) {
        EXPECT_LE(menuList->x() + menuList->fontMetrics().horizontalAdvance(line),
                  menuList->x() + menuList->width())
            << line.toStdString();
        EXPECT_LE(menuList->geometry().right(), panes->popUp()->width() - 2);
      }
    }
  }
}
