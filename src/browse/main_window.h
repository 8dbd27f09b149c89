#pragma once
// TForm1, the main window: borderless, a fixed 757 by 564 client area centred on the screen,
// titled "Orvik Dictionary". It shows the dictionary in three views (the chapter list, the page
// list of one chapter, one page picture with its entries), owns the browsing state (current
// page, current entry, page-list chapter, the entry under the mouse, the mouse lock) and
// publishes the navigation operations every other window uses to move the dictionary: they
// position the tables of the data module and then call these operations. Its close writes the
// settings and ends the program.
//
// Where the work is: main_window.cpp builds the window (creation, showing, closing, the views'
// controls and layout); navigation.cpp holds the chapter, page-list and page navigation;
// page_picture.cpp the page picture, its hit map, the highlight and its blinking; hand_over.h the
// roles other subsystems play for it (sound, auto-play, entry lists, printing, find, page lists,
// dialogs). What others follow in it is announced by its signals.
//
// Every table failure inside a handler or a public operation goes to the data module's
// database failure routine; a key that is not found is no failure: the operation stops and the
// view stays as it was.

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QPalette>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

#include "app/dictionary_model.h"
#include "browse/hand_over.h"
#include "lang/font_sets.h"
#include "platform/borderless_form.h"

class QKeyEvent;
class TDMOrvik;
class TOrvikBtn98;
class TOrvikBtnNav;
class TOrvikChapterList;
class TOrvikPanel;
class TOrvikScrollBar;
class TOrvikZakladka;
class TNewListBox;
class SkinnedListBox;
class TMultiLang;
class TBaseMultiLang;
class PictureBox;
class DataImage;
class EntryPanes;
class NameLabel;
class WindowFrame;
class PagePicture;
class PageListView;
class ChapterView;
namespace orvik {
class Table;
}

// The main window's controls by their system names. They are the window's own (a private base
// of TForm1): other windows reach them only through the window's named operations; its parts
// (WindowFrame, PagePicture, PageListView, ChapterView) are friends of the window, and the tests
// drive them through testControls().
struct MainWindowControls {
  PictureBox* Image1;  // the drawn title strip
  QLabel* lblMainCap;
  TOrvikBtn98 *btnMinimize, *btnMaximize, *btnRestore, *btnClose;
  QWidget* pnlMain;
  QLabel* Phon;          // the background of the page-list and page views
  QLabel* PhonChapters;  // the background of the chapter view
  TOrvikChapterList* ListBoxChapter;
  TOrvikZakladka* Zakladki;
  PictureBox* ImgChapter;
  TOrvikPanel* PanelChapName;
  NameLabel* lblChapterName;
  NameLabel* lblPageName;
  TOrvikPanel* PanelForImgLittle;
  TNewListBox* NewListBoxPages;
  PictureBox* ImgLittle;
  TOrvikScrollBar* OSBarPages;
  DataImage* DBImageLittle;
  QWidget* PanelForImg;
  PictureBox *ImgPages, *ImgTimer, *ImgSound;
  DataImage *DBImgPages, *DBImgPage16;
  QTimer* Timer1;
  TOrvikBtn98 *btnBackToChapters, *btnBackToPages, *btnNumberLang, *btnPageList, *btnFind, *btnHelp,
      *btnExitNew, *btnVerify, *btnPrintPct, *btnRegime, *btnPrevWord, *btnNextWord,
      *btnAutoPlayPanel, *btnSoundPage, *btnSoundChapter;
  TOrvikBtnNav *btnPrevPage, *btnNextPage;
  TOrvikPanel* PopUpPct;
  QLabel* lblPopUpPct;
  TOrvikChapterList* PopUpPctList;
  PictureBox* imgEyeClosed;
  TMultiLang* MultiLang1;
};

class TForm1 : public orvik::BorderlessForm,
               private MainWindowControls,
               public orvik::FontSetWindow {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 757;
  static constexpr int kClientHeight = 564;
  // The page picture and its hit map: 325 by 490 pixels in cells of 5 by 5.
  static constexpr int kPictureWidth = 325;
  static constexpr int kPictureHeight = 490;
  static constexpr int kCell = 5;
  static constexpr int kBlinkMs = 400;  // PagePicture's figures, repeated for callers
  // Rows of the page list that fit (24 rows of 16 pixels) and the most rows a chapter has.
  static constexpr int kPageListRows = 24;
  static constexpr int kPageRowHeight = 16;
  static constexpr int kMaxPageRows = 126;

  // Palette slots every window uses (filled once at creation).
  enum PaletteSlot {
    MainBackground,
    ButtonText,
    Shadow,
    Colour3,
    ListHeading,
    Colour5,
    ScrollBars,
    ListColour,
    Colour8,
    PicturePopUpLabel,
    DialogScrollBars,
    PaletteSize
  };
  enum class View { Chapters, PageList, Page };

  TForm1(TDMOrvik* data, QWidget* parent = nullptr);
  ~TForm1() override;

  // The window's frame: border, dragging, minimise, maximise, restore, system menu.
  WindowFrame* frame() const { return frame_; }
  TDMOrvik* data() const { return data_; }

  // --- Showing by value ---
  // Turns to the page view on a page with its first entry highlighted, as a click on its row
  // in the page list does; false (nothing changed) for a page the dictionary lacks.
  bool showPage(int pageCode);
  // Shows an entry: its page (turned to when another is on screen), the entry highlighted and
  // blinking, the panes on it, its followers told. False (nothing changed) for an entry the
  // dictionary lacks.
  bool showEntry(orvik::EntryRef entry);
  // The current entry of the page view (the one the entry buttons step from; highlighted and
  // in the panes unless the pointer rests on no spot); an invalid EntryRef outside the page
  // view.
  orvik::EntryRef currentEntry() const;

  // --- Operations other windows ask of the window's own controls ---
  // The buttons another window may anchor to or send the pointer to.
  enum class Button { Find, PageList, Help, SoundPage, AutoPlayPanel };
  // Puts the pointer at a point of one of those buttons (a window that sends the user here
  // leaves the pointer where the next click is likely).
  void pointAtButton(Button button, QPoint offset);
  // The button's widget, for a pop-up that anchors itself above it; never written by others.
  const QWidget* buttonWidget(Button button) const;
  // The client area that pop-ups and dialogs are placed against (its top-left corner and
  // height follow maximise and restore).
  const QWidget* clientArea() const;
  // Where the page picture's area stands in the client area.
  QRect pictureArea() const;
  // The auto-play panel's button, hidden while the panel shows.
  void showAutoPlayButton(bool shown);
  // The lock of the picture (btnRegime): latched, the pointer no longer moves the highlight
  // and the picture shows the fixed-page cursor.
  bool pictureLocked() const;
  void setPictureLocked(bool locked);
  // The entry panes as other windows need them: a language's list button (hidden while its
  // entry list shows), the page view's pane buttons after an entry list closed, whether a
  // language's pane is shown, the articles' font size.
  void showListButton(orvik::Language language, bool shown);
  void showPaneControls();
  bool paneShown(orvik::Language language) const;
  void setPaneFontSize(int size);
  // Marks every whole-word, case-insensitive occurrence of each form in a language's article,
  // one rectangle per line; returns how many were marked.
  int markInArticle(orvik::Language language, const QStringList& forms, const QColor& colour);

  // The font set of the interface language: the window pass (all but the title), the page and
  // chapter lists, names and pop-up menus, then the hint windows of the tab strip and buttons.
  void applyFontSet(orvik::Language interfaceLanguage) override;

  // --- Navigation operations (other windows call these after positioning the tables) ---
  void UpdateEntryButtons();
  // The language command (1 English, 2 French, 3 Russian, 4 Spanish): texts of every window,
  // then chapter and page names from that language's tables.
  void ReloadLanguageNames(orvik::Language language);
  // Lays the panes out for the shown languages and shows what the current view needs.
  void ApplyShownLanguages();
  void LockCommands();
  void UnlockCommands();
  // Turns to the page view for the current row of tblPgePicture (the page-list click, the find
  // and page-list windows): page and chapter names, the chapter's tab, picture, buttons, panes,
  // entry 1.
  void EnterPageView();
  // Shows the current row of tblWrdPicture highlighted on the clean page picture and blinking,
  // and brings the panes to it (the find and entry-list windows' jump to an entry).
  void ShowCurrentEntryOnPicture();
  // Positions the entry-article tables of the shown languages on the current entry; the panes
  // follow through their data sources.
  void SyncEntryPanes();
  // Empties the panes and the entry-list windows.
  void ClearEntryPanes();

  // --- Page picture ---
  void startBlinking();
  void stopBlinking();

  // --- Browsing state ---
  View view() const;
  int currentPageCode() const { return currentPageCode_; }
  int pageListChapter() const { return pageListChapter_; }
  int lastEntryUnderMouse() const { return lastEntry_; }
  bool entrySelected() const { return entrySelected_; }
  bool mouseLocked() const { return mouseLock_; }
  void setMouseLock(bool locked) { mouseLock_ = locked; }
  int blinkPhase() const;
  int hotRow() const;
  int visibleRowCount() const;
  // The small picture of a page-list row (null for headings).
  QImage rowPicture(int row) const;

  // --- The hand-over ---
  // Installs the roles other subsystems play for the window (not owned; they outlive it or are
  // removed first). A role left null does nothing.
  void setHandOver(const HandOver& handOver);
  const HandOver& handOver() const { return handOver_; }
  // The auto-play-running flag: set by the auto-play panel while it plays a page. While it is
  // set the commands are locked, entries are not pronounced and the exit commands do nothing.
  bool autoPlayRunning() const { return autoPlayRunning_; }
  void setAutoPlayRunning(bool running);
  // Tells the followers of the current entry (entry lists, auto-play panel) to look again, as
  // after a change of entry: the settings dialog's OK does it after the languages changed.
  void announceCurrentEntry();
  // The names on screen (the page view's page name, the chapter label) and the current page's
  // picture without highlight, for printing.
  QString shownPageName() const;
  QString shownChapterName() const;
  QImage cleanPagePicture() const;
  // Whether a language's pane (1..4) holds an article.
  bool paneHasText(orvik::Language language) const;
  // An entry sound button, Shift+letter and the "Say in" pop-up: the current entry in a
  // language, when its pane holds text and auto-play does not run.
  void PronounceEntry(orvik::Language language);
  // The entry panes (null until the panes are built).
  EntryPanes* entryPanes() const { return panes_; }

  // --- Auto-play (main_window_auto_play.cpp) ---
  // Marks the current entry as selected, so that the next entry moves on from it (auto-play's
  // first step goes to the entry after the one on screen).
  void setEntrySelected(bool selected);

  // --- Practice on the page picture (main_window_practice.cpp) ---
  // A picture question stands from begin to end: the pointer over the picture gives nothing
  // away (no highlight, the panes and entry lists empty, no "Say in"), a left click or Enter
  // answers through the practice role with the entry the hit map names there, the arrow keys
  // move a focus ring from spot to spot, Esc leaves the round, and the commands and their keys
  // rest (but Alt+F4; auto-play's panel button stays, and auto-play starting ends the round). Begin
  // may be called again for the next question: the picture is cleaned and the panes emptied each
  // time.
  void beginPictureQuestion();
  void endPictureQuestion();
  bool pictureQuestion() const { return pictureQuestion_; }
  // Draws an entry of the current page on the clean picture: its object, and its spot's cells
  // washed in `colour`; with `blink` the mark blinks. Marks add up until the next begin; an
  // entry of another page draws nothing. Only the marks drawn with `blink` blink.
  void markSpot(orvik::EntryRef entry, const QColor& colour, bool blink);
  // Shows an answered entry as browsing does (the panes and entry lists on it, its followers
  // told) with its spot marked in `colour`, while the question mode stays.
  void showAnswer(orvik::EntryRef entry, const QColor& colour);
  // The entry the focus ring is on; invalid when there is none.
  orvik::EntryRef focusedSpot() const;
  // The chapter view's bars of known words are read again.
  void refreshKnownWords();
  // The practice button (null until a practice role is installed).
  TOrvikBtn98* btnPractice = nullptr;

  // --- Handlers other windows and the tests reach (the rest are private, bound by name) ---
  void ZakladkiClick();
  void OSBarPagesScroll(int scrollCode, int& scrollPos);
  void btnNextPageClick();
  void btnPrevPageClick();
  void btnNextWordClick();
  void Timer1Timer();
  // A line of the help menu was pressed: the click sound; auto-play stops.
  void HelpLinePressed(int line);
  // The hidden diagnostic button: the current English entry's page, order and sound name in
  // the title.
  void btnVerifyClick();

 signals:
  // The current entry changed (a new spot, the next or previous entry, a new page's first
  // entry, a jump from another window).
  void currentEntryChanged();
  // The panes were emptied (a new page is on its way).
  void panesCleared();
  // The pointer left every spot: no entry is selected.
  void entryDeselected();
  // The page view was left for the page list or chapters.
  void pageViewLeft();
  // The page view was entered, or shows a new page.
  void pageViewEntered();
  // The shown languages changed and the panes were laid out again.
  void shownLanguagesChanged();
  // The pointer moved over the window, away from the choosers and menus it opened.
  void pointerMovedOverWindow();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The window's parts, split out of it, work on its controls and call its handlers.
  friend class WindowFrame;
  friend class PagePicture;
  friend class PageListView;
  friend class ChapterView;
  // The tests press the window's buttons and read its controls as a user would see them.
  friend MainWindowControls& testControls(TForm1* window);

  // Handlers bound by name to the window's own controls (main_window.cpp binds them).
  void FormCreate();
  // FormCreate's steps, in order.
  void closePopUpsWhenInactive();
  void loadBackgrounds();
  void applyPalette();
  void layOutPictureArea();
  void layOutPageList();
  void layOutEntryArea();
  void startInChapterView();
  void applyInterfaceLanguage();
  void FormShow();
  void FormClose();
  void FormDestroy();
  void ListBoxChapterMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint pos);
  void ListBoxChapterNoSelectedChange();
  void ListBoxChapterMouseMove();
  void ZakladkiSelectedChange();
  void ZakladkiHighlightedChange();
  void NewListBoxPagesMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, QPoint pos);
  void NewListBoxPagesClick();
  void NewListBoxPagesDrawItem(SkinnedListBox* control, int index, QRect rect, int state);
  void btnBackToChaptersClick();
  void btnBackToPagesClick();
  void btnPrevWordClick();
  void ImgPagesMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, QPoint pos);
  void ImgPagesMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint pos);
  void btnRegimeClick();
  void btnPrintPctClick();
  void btnSoundPageClick();
  void btnSoundChapterClick();
  void MultiLang1AfterLanguageChanged(TBaseMultiLang* sender, quint8 newLanguage);
  // The hover hints of the window's buttons in the interface language.
  void applyButtonHints(orvik::Language interfaceLanguage);
  // btnExitNew and btnClose: the click sound, then, unless auto-play runs, the exit
  // confirmation.
  void btnExitNewClick();
  // Shows the exit confirmation modally; on Yes silences every sound and closes the window
  // (which writes the settings and ends the program). Nothing changes on No.
  void ExitConfirm();
  // btnHelp: the click sound and the help menu above the button.
  void btnHelpClick();
  // The bottom row's buttons that open other windows (commands.cpp).
  void btnFindClick();
  void btnPageListClick();
  void btnAutoPlayPanelClick();
  // A line of the "Say in" pop-up: the entry in that line's language, the pointer put back.
  void PopUpPctListMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPoint pos);
  // The key map for the whole program (every key of the window's controls and of the auto-play
  // panel passes here first). Returns true when the key was a command and goes no further.
  bool FormKeyDown(QKeyEvent* event);

  // Navigation the window does for itself (navigation.cpp).
  // Fills ListBoxChapter from a chapter-name table (when it holds chapter 1).
  void FillChapterList(orvik::Table* chapters);
  // Puts the PageName of a page code into lblPageName.
  void ShowPageName(orvik::Table* pageNames, int pageCode);
  // Fills the page list with the headings and pages of the named chapter.
  void BuildPageList(orvik::Table* chapters, orvik::Table* pageNames, const QString& chapterName);
  // Fills the page list again for the page-list chapter from another language's table.
  void RebuildPageList(orvik::Table* pageNames);
  // Puts the current page's picture on screen and highlights entry 1; false when the page has
  // no entry 1 or no hit map (the picture then shows without highlight).
  bool ShowPageFirstEntry();
  void UpdatePageButtons();
  void ResetPageRowHover();

  // A widget palette whose window colour is the main background.
  QPalette paletteColourSet() const;
  int paneLayoutCount() const { return paneLayoutCount_; }

  // Building (main_window.cpp).
  void createControls();
  void createButtons();
  void bindHandlers();
  bool loadBackground(QLabel* target, const QString& file);
  void showChapterView();
  void showPageListView();
  void hidePageView();
  void setVisibleRowCount();
  void applyChapterPicture(bool pagePicture);

  // Navigation helpers (navigation.cpp).
  orvik::Language interfaceLanguage() const;
  // The page-name and chapter-name sound buttons for the view and the interface language.
  void updateNameSoundButtons();
  orvik::Table* chapterTable() const;
  orvik::Table* pageNameTable() const;
  QString chapterNameOfCode(int chapterCode);
  void fillPageRows(orvik::Table* pageNames, int chapterCode);
  void positionChapterPictures(int chapterCode);
  void stepPage(bool forward);
  void stepEntry(bool forward);
  bool isPageRow(int row) const;
  // The chapter code of a 1-based chapter-list row and the row of a chapter code (0 when the
  // dictionary lacks that chapter). In a full dictionary both are the identity; a dictionary
  // without some chapters lists fewer rows than the strip has tabs.
  int chapterOfRow(int row) const;
  int rowOfChapter(int chapterCode) const;

  // Page picture helpers (page_picture.cpp).
  void putCleanPicture();
  void highlightCurrentEntry();
  bool findFirstEntryAndBand();
  // The hit map's entry order at a point of the picture; 0 for none (also outside the map).
  int hitMapEntry(QPoint pos);

  // Pane calls (main_window.cpp), the one place that talks to the entry panes.
  void createPanes();
  void layoutPanes();
  void showPanes(bool show);
  void reloadPanes();

  // The roles, never null (a do-nothing role stands in for one not installed).
  SoundRole* sound() const;
  AutoPlayRole* autoPlay() const;
  EntryListsRole* entryLists() const;
  PrintRole* print() const;
  FindRole* find() const;
  PageListRole* pageList() const;
  DialogsRole* dialogs() const;
  // In the page view, the list buttons of shown languages whose entry lists are closed.
  void showListButtons();
  // The "Say in" pop-up (PopUpPct) the window owns.
  bool sayInShowing() const;
  void hideSayIn();
  void openSayIn(QPoint pointOnPicture);
  // Widens the "Say in" pop-up to its lines in the interface language's font.
  void fitSayIn();

  // Practice (main_window_practice.cpp): the button and the chapter bars, made when a practice
  // role is installed; the keys of a picture question (true when taken); the button's hint.
  PracticeRole* practice() const;
  void createPracticeControls();
  bool practiceKey(QKeyEvent* event);
  void btnPracticeClick();
  void drawQuestionPicture();
  void practiceLanguageChanged(int translationIndex);

  // Wraps a table operation: a failure goes to the database failure routine.
  bool guard(const std::function<void()>& op);

  TDMOrvik* data_;
  std::array<QColor, PaletteSize> palette_;
  HandOver handOver_;
  bool autoPlayRunning_ = false;
  // The screen position of the cursor when the "Say in" pop-up opened.
  QPoint sayInReturn_;
  // The key the preview last saw, so a key passed on to parent controls counts once.
  const QKeyEvent* lastPreviewedKey_ = nullptr;
  quint64 lastPreviewedTime_ = 0;
  EntryPanes* panes_ = nullptr;
  WindowFrame* frame_ = nullptr;
  std::unique_ptr<PagePicture> picture_;
  std::unique_ptr<PageListView> pageList_;
  std::unique_ptr<ChapterView> chapters_;

  // Browsing state.
  int currentPageCode_ = 0;
  int pageListChapter_ = 0;
  int lastEntry_ = -1;
  bool entrySelected_ = true;
  bool mouseLock_ = false;
  int paneLayoutCount_ = 4;

  // Practice: the question mode, the marks on the picture and the focus ring's entry order.
  bool pictureQuestion_ = false;
  struct SpotMark {
    orvik::EntryRef entry;
    QColor colour;
    bool blink = false;
  };
  QList<SpotMark> spotMarks_;
  int focusRing_ = 0;
  QWidget* knownBars_ = nullptr;
};

// The main window's controls, for the tests that drive the window as a user does; the program's
// own windows use the window's operations instead.
inline MainWindowControls& testControls(TForm1* window) {
  return *window;
}
