#pragma once
// TLangList, the page entry list: a small floating stay-on-top window beside the main window
// that lists the head words of the entries of the page on screen in one language. A click on a
// line, or Up and Down in the list, takes the main window to that entry (highlight, blink,
// panes). One window per language (FormEn, FormFr, FormRu, FormSp); its language gives its
// head words, its list font, its place beside the main window, its sorting and its name.
//
// It promises:
//  - the list shows the page it was last filled for (pageCode()) and every line remembers its
//    entry, so a click goes to that very entry even when head words repeat on a page;
//  - selectCurrentEntry() selects the line of the main window's current entry, and nothing
//    when no entry of the listed page is current;
//  - Up on the first line and Down on the last do nothing; typed characters do nothing; every
//    other key goes on to the main window's key handler;
//  - filling reads the article table without moving the pane bound to it (the table ends on
//    the row it started on and its views are not told of the walk);
//  - a table failure goes to the data module's database failure routine.

#include <QPoint>

#include "lang/font_sets.h"
#include "platform/borderless_form.h"
#include "schema/language.h"

class QLabel;
class SkinnedListBox;
class TDMOrvik;
class TForm1;
class TOrvikBtn98;
class TOrvikListBox;
class TOrvikScrollBar;
class TMultiLang;

class TLangList : public orvik::BorderlessForm, public orvik::FontSetWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 175;
  static constexpr int kHeight = 333;
  static constexpr int kItemHeight = 16;
  static constexpr int kVisibleLines = 17;
  static constexpr int kHorizontalExtent = 300;

  explicit TLangList(orvik::Language language, QWidget* parent = nullptr);
  // The interface language's font set: the window pass.
  void applyFontSet(orvik::Language interfaceLanguage) override;

  // Language number 1..4.
  orvik::Language language() const { return language_; }
  // Where the window first stands, relative to the main window's top-left corner.
  QPoint offset() const { return offset_; }

  void setMainWindow(TForm1* mainWindow, TDMOrvik* data);

  // Open or refresh: fills the list with the head words of the main window's current page,
  // shows the window (at its place beside the main window the first time) and selects the
  // current entry.
  void openOrRefresh();
  // Fills the list for the main window's current page; nothing selected.
  void fillForCurrentPage();
  // Selects the line of the main window's current entry, or none; the bar follows.
  void selectCurrentEntry();
  // Empties the list (the page is changing).
  void clearList();
  void clearSelection();

  // The page the list was filled for; 0 when it is empty because it was cleared.
  int pageCode() const { return pageCode_; }
  // The entry order of a line (0 outside the list).
  int orderOfLine(int line) const;

  // --- Handlers, bound by name ---
  void ListBox1Click();
  void ListBox1DrawItem(SkinnedListBox* control, int index, QRect rect, int state);
  void OrvikScrollBar2Scroll(int scrollCode, int& scrollPos);
  void OrvikButton1Click();

  // --- Controls (system names) ---
  QLabel* Image1;
  QLabel* Label1;
  TOrvikBtn98* OrvikButton1;
  TOrvikListBox* ListBox1;
  TOrvikScrollBar* OrvikScrollBar1;
  TOrvikScrollBar* OrvikScrollBar2;

 signals:
  // The window was hidden (closed by the user or by the main window's changes).
  void closed(int language);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  // Goes to the entry of the selected line.
  void goToSelectedEntry();
  void forwardKey(QKeyEvent* event);
  void fitVerticalBar();

  orvik::Language language_;
  QPoint offset_;
  TForm1* main_ = nullptr;
  TDMOrvik* data_ = nullptr;
  TMultiLang* MultiLang1_ = nullptr;
  int pageCode_ = 0;
  int horizontal_ = 0;      // the horizontal bar's position the lines are drawn at
  int lastRepaintPos_ = 0;  // where the last drag repaint happened
  bool placed_ = false;
};
