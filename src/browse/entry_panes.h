#pragma once
// EntryPanes: the main window's entry area. It owns, as children of the window's panel, one set
// of controls per language (pane RTF_xx, scroll-bar panel PnlScrollRTF_xx with its bar
// ScrollRTF_xx, heading lblWordxx, buttons btnSoundWrdxx, btnListxx, btnPrintxx), the four
// shadows Shadow1 to Shadow4 and the article menu PopUpRTF with its list PopUpRTFList; every
// control's objectName is its name.
//
// It promises:
//  - the stack of shown languages stands top to bottom in the order English, French, Russian,
//    Spanish with the fixed tops and heights for one to four languages (applyLayout);
//  - each pane's scroll bar follows the pane: reset whenever the text is replaced, moved to the
//    pane's first visible line after keys, selection changes and scrolling of the pane itself,
//    and scrolling the bar scrolls the pane by lines;
//  - the article menu and Ctrl+C / Ctrl+A act on the focused pane only, and do nothing when no
//    pane has the focus;
//  - the buttons only report clicks (soundClicked, listClicked, printClicked); the window
//    decides what they do.
// Languages are numbered 1 English, 2 French, 3 Russian, 4 Spanish throughout.

#include <QColor>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "browse/hand_over.h"

class QLabel;
class QWidget;
class TDMOrvik;
class TOrvikBtn98;
class TOrvikChapterList;
class TOrvikPanel;
class TOrvikScrollBar;
class TOrvikWord;

// Colours of the entry area (the main window's palette).
struct EntryPaneColours {
  QColor mainBackground{238, 230, 201};
  QColor shadow{180, 169, 135};
  QColor list{250, 244, 211};
  QColor heading{128, 0, 0};
};

class EntryPanes : public QObject {
  Q_OBJECT

 public:
  // Colours of the area (the main window's palette).
  using Colours = EntryPaneColours;

  // Geometry of the stack (pane coordinates of the parent panel).
  static constexpr int kPaneLeft = 33;
  static constexpr int kPaneWidth = 312;
  static constexpr int kScrollPanelWidth = 12;
  static constexpr int kShadowLeft = 38;
  static constexpr int kShadowWidth = 327;
  static constexpr int kHeadingLeft = 55;
  static constexpr int kSoundLeft = 30;
  static constexpr int kPrintLeft = 297;
  static constexpr int kListLeft = 327;
  static constexpr int kMenuWidth = 150;
  static constexpr int kMenuHeight = 65;
  // The part of the page-view background the frames are drawn in: (29,74) to (345,500).
  static constexpr int kFrameAreaLeft = 29;
  static constexpr int kFrameAreaTop = 74;
  static constexpr int kFrameAreaRight = 345;
  static constexpr int kFrameAreaBottom = 500;

  // Builds every control as a child of `parent` (the main window's panel), hidden, placed as at
  // the window's creation (four panes of 75 at tops 75, 185, 295, 405). `data` may be null (no
  // binding, settings read as defaults).
  EntryPanes(QWidget* parent, TDMOrvik* data, const Colours& colours = Colours());
  ~EntryPanes() override;

  // --- Controls, by language number 1..4 (null for other numbers) ---
  TOrvikWord* pane(int language) const;
  TOrvikPanel* scrollPanel(int language) const;
  TOrvikScrollBar* scrollBar(int language) const;
  QLabel* heading(int language) const;
  TOrvikBtn98* soundButton(int language) const;
  TOrvikBtn98* listButton(int language) const;
  TOrvikBtn98* printButton(int language) const;
  // Shadow1..Shadow4 by number 1..4.
  QWidget* shadow(int number) const;
  TOrvikPanel* popUp() const { return popUp_; }
  TOrvikChapterList* popUpList() const { return popUpList_; }

  // Two-letter code of a language number ("En", "Fr", "Ru", "Sp"); empty for others.
  static QString languageCode(int language);

  // --- Operations of the main window ---
  // Binds the pane of every installed language to its article source, field "WordMemo".
  void bindInstalled();
  // The pane layout for a shown-language order (four places of language slots 0, 1, 5, 6 or
  // -1, sorted ascending): binds and places the controls of every shown language and fits the
  // scroll-bar panels to the panes. Returns the number of shown languages. Nothing is shown
  // or hidden here.
  int applyLayout(const std::array<int, 4>& shownOrder);
  // The same with the settings' shown-language order.
  int applyLayout();
  // Number of shown languages of the last layout, and whether a language is among them.
  int shownCount() const { return shownCount_; }
  bool isShown(int language) const;
  // Top and height of pane k (1-based) of a stack of n (1..4); {0, 0} outside.
  static std::pair<int, int> paneGeometry(int n, int k);

  // Fills the frame area of `background`'s picture with the main background colour and hides
  // the shadows (the page view's frames are gone).
  void clearFrames(QLabel* background);
  // Clears the frame area, draws one frame per shown pane on `background`'s picture and shows
  // the first shownCount() shadows.
  void drawFrames(QLabel* background);
  // Shows the headings, print buttons, sound buttons (languages with sounds) and list buttons
  // (unless the language's list window is open) of the shown languages, and hides those of
  // the others.
  void showControls();
  // Shows (and repaints) the panes and scroll-bar panels of the shown languages, and hides
  // those of the others.
  void showPanes();
  // Hides every pane, scroll-bar panel, heading, button, shadow and the menu.
  void hideAll();
  // The page view on (frames, controls, panes of the shown languages) or off (everything
  // hidden, frames cleared). `background` may be null: then no frames are drawn or cleared.
  void setPageViewVisible(bool visible, QLabel* background);
  // Where to ask whether a language's page entry list window is open (its list button then
  // stays hidden); null: never open. Not owned.
  void setEntryLists(const EntryListsRole* lists);

  // Empties the four panes.
  void clearAll();
  // Positions the language's article table on the entry (index "IndPageOrder", keys page code
  // and order), emptying the pane first; the pane shows the row through its binding, or stays
  // empty when there is none. A table-engine failure goes to the database failure routine.
  // Returns true when the row was found.
  bool syncToEntry(int language, int pageCode, int order);
  // syncToEntry for every language whose article table is open.
  void syncAllToEntry(int pageCode, int order);

  // The start's pane fonts: Arial regular, cell height 10, character set 162 (204 for
  // Russian), and every pane's FontSize from the settings (font-size byte + 5).
  void setPaneFonts();
  // Every pane's font-size change (the settings dialog's OK).
  void setFontSize(int size);
  // Reloads the pane of every installed language (end of the window's creation).
  void reloadInstalled();
  // Reloads all four panes.
  void reloadAll();

  // Headings and menu lines in an interface language (number 1..4).
  void setInterfaceLanguage(int languageNumber);
  // The menu's lines in an interface language (number 1..4).
  static QStringList menuLines(int languageNumber);

  // The language of the focused pane, 0 when no pane has the focus.
  int focusedLanguage() const;
  // The count of lines that fit in a language's pane, as the last text change found it.
  int fittingLines(int language) const;
  // Line height in pixels of a pane with FontSize `fontSize` on a screen of `dpiY` pixels per
  // logical inch.
  static int lineHeight(int fontSize, int dpiY);

  // The menu: opens it at a press at `pos` in `language`'s pane, and runs line 1..3 on the
  // focused pane (1 copy, 2 select all, 3 print entry) after hiding it. The menu is 150 by
  // 65, wider only when a line of its language would not fit in its font.
  void openMenu(int language, QPoint pos);
  void runMenuLine(int line);

 signals:
  void soundClicked(int language);
  void listClicked(int language);
  void printClicked(int language);
  // The menu's "Print Entry" line on the focused pane (the window prints it).
  void printEntryRequested(int language);
  // The mouse moved over a pane (the window closes its chooser windows).
  void paneMouseMoved(int language);

 private:
  struct Set;
  Set& set(int language) const;
  void build(int language);
  void placeLanguage(int language, int n, int k);
  void fitScrollPanel(int language);
  void coupleScrollBar(int language);
  void followPane(int language);
  void barScrolled(int language, int code, int& position);
  void fitMenu();
  void databaseFailure();

  QWidget* parent_;
  TDMOrvik* data_;
  Colours colours_;
  std::array<Set*, 4> sets_{};
  std::array<QWidget*, 4> shadows_{};
  TOrvikPanel* popUp_ = nullptr;
  TOrvikChapterList* popUpList_ = nullptr;
  int shownCount_ = 0;
  std::array<bool, 4> shown_{};
  const EntryListsRole* entryLists_ = nullptr;
};
