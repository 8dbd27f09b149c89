#pragma once
// TFrmFind, the find window: a borderless 587 by 312 window in which the user picks a word of
// one dictionary language from its search word list, sees every entry where the word occurs
// (entry, page and chapter, with a small picture of the current result's page) and goes to
// one. One window per language (frmFindEn, frmFindFr, frmFindRu, frmFindSp); its language gives
// its search, entry, page and chapter tables, its headings, its word-list order, its
// search-text font, its title and its name.
//
// It promises:
//  - the word list is read from the language's search table the first time the window shows
//    in a run, under the search-base message, and never again;
//  - typing selects the item of the longest typed prefix (letter case ignored, the search
//    starting after item 0), and, when no item begins with the whole text, the first item that
//    does once accents are set aside; the typed text itself is never changed;
//  - Find always searches a word of the list: "one match per page" gives one row per run of
//    results on the same page, "all matches" one row per entry; a result whose entry or page is
//    gone is left out, and the count says what is shown;
//  - a result row's page picture is read only when the row is in view or marked, once per page;
//  - Go takes the main window to the result (FindJump) and closes the window with mrOk; every
//    other way of closing gives mrCancel and leaves the main window where it was;
//  - mode, selection, results and their text survive closing and show again next time.
//
// Every table failure goes to the database failure routine.

#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <array>
#include <memory>

#include "lang/font_sets.h"
#include "platform/borderless_form.h"
#include "schema/language.h"
#include "search/search_word_list.h"

class QFrame;
class TDMOrvik;
class TForm1;
class TMsgFind;
class TOrvikBtn98;
class TOrvikChapterList;
class TOrvikListBox;
class TOrvikPanel;
class TOrvikScrollBar;
class TRadioGroup;
class TMultiLang;
class TBaseMultiLang;
class TNewStringGrid;
class FindJump;
class SkinnedListBox;

class TFrmFind : public orvik::BorderlessForm, public orvik::FontSetWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 587;
  static constexpr int kHeight = 312;
  static constexpr int kRowHeight = 18;
  static constexpr int kItemHeight = 16;
  static constexpr int kEditMenuWidth = 100;

  enum class Mode { WordList, Results };
  // One result row.
  struct Result {
    QString entry, page, chapter;
    int pageCode = 0;
    int order = 0;
  };

  explicit TFrmFind(orvik::Language language, QWidget* parent = nullptr);
  ~TFrmFind() override;
  // The interface language's font set: the window pass, then Times bold 16 on the edit menu.
  void applyFontSet(orvik::Language interfaceLanguage) override;

  // The dictionary language (1..4).
  orvik::Language language() const { return language_; }
  // The data module, the main window the window centres on and jumps in, and the search-base
  // message. Required before the window is shown.
  void setProgram(TDMOrvik* data, TForm1* mainWindow, TMsgFind* message);
  // Shows the window modally; mrOk after a Go, mrCancel otherwise.
  int execute();

  Mode mode() const { return mode_; }
  bool wordListBuilt() const { return built_; }
  // How many times the word list was read from the table this run (0 or 1).
  int wordListReads() const { return reads_; }
  const SearchWordList& words() const { return words_; }
  const QList<Result>& results() const { return results_; }
  int resultCount() const { return int(results_.size()); }
  int currentRow() const { return currentRow_; }
  int pointedRow() const { return pointedRow_; }
  QString lastSearchedWord() const { return lastWord_; }
  // The thumbnail of result row `row` (1..N), read on first use; slot 0 is the empty picture.
  QImage slot(int row);
  // Pictures read from the small-picture table so far, and forgetting them (measurements).
  int picturesRead() const { return picturesRead_; }
  void forgetPictures() { pictureOfPage_.clear(); }
  FindJump* jump() const { return jump_.get(); }
  // Occurrences marked by the last Go.
  int lastMarked() const { return lastMarked_; }

  // --- Handlers, bound by name ---
  void FormShow();
  void Edit1Change();
  void ListBoxFindClick();
  void btnFindClick();
  void btnGoClick();
  void btnCancelClick();
  void RadioGroup1Click();
  void ScrollStringGridScroll(int scrollCode, int& scrollPos);
  void NewStringGrid1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, QPoint pos);
  void NewStringGrid1Click(QPoint pos);
  // The window sees every key first; returns true when it consumed the key.
  bool FormKeyDown(int key, Qt::KeyboardModifiers mods);
  void Edit1MouseDown(Qt::MouseButton button, QPoint pos);
  void PopUpFindListMouseDown();
  void SysMenuListMouseDown();
  void MLFindAfterLanguageChanged(TBaseMultiLang* sender, quint8 newLanguage);

  // --- Controls (system names) ---
  QLabel* Image2;  // the title strip
  QLabel* Label1;  // the title
  TOrvikBtn98* OrvikBtn981;
  QLabel* Image1;  // the background
  QFrame* Bevel1;
  TOrvikBtn98 *btnFind, *btnGo, *btnCancel;
  QLabel* imgFind;
  QLineEdit* Edit1;
  TOrvikListBox* ListBoxFind;
  TOrvikScrollBar* ScrollListBox;
  TNewStringGrid* NewStringGrid1;
  TOrvikScrollBar* ScrollStringGrid;
  QLabel* lblResults;
  TRadioGroup* RadioGroup1;
  TOrvikPanel* SysMenu;
  TOrvikChapterList* SysMenuList;
  TOrvikPanel* PopUpFind;
  TOrvikChapterList* PopUpFindList;
  TMultiLang* MLFind;
  TMultiLang* MultiLang1;  // the window's own title

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void createControls();
  void bindHandlers();
  int interfaceLanguage() const;
  void applyInterfaceFonts(int languageNumber);
  void buildWordList();
  void setEditText(const QString& text);
  // Selects list item `index` the way a click does (the edit text follows).
  void selectItem(int index);
  void enterWordListMode();
  void enterResultsMode();
  // Reads the results of the edit text's word in the radio group's mode.
  void search();
  void writeResultText(int interface);
  // Marks result row r (the current row follows) and shows its picture.
  void markRow(int row);
  void showSlot(int row);
  void gridKey(int key, Qt::KeyboardModifiers mods);
  bool listKey(int key, Qt::KeyboardModifiers mods);
  void regridAfterSearch();
  void loadPictures(int first, int last);
  void closeWindow(int result);
  // Widens the edit menu for lines that do not fit its width in their font.
  void fitEditMenu();
  bool gridBarShown() const;

  orvik::Language language_;
  TDMOrvik* data_ = nullptr;
  TForm1* main_ = nullptr;
  QPointer<TMsgFind> message_;
  std::unique_ptr<FindJump> jump_;
  Mode mode_ = Mode::WordList;
  bool built_ = false;
  int reads_ = 0;
  bool searched_ = false;
  SearchWordList words_;
  QList<Result> results_;
  QString lastWord_;
  int currentRow_ = 1;
  int pointedRow_ = 1;
  QHash<int, QImage> pictureOfPage_;
  int picturesRead_ = 0;
  int lastMarked_ = 0;
  // Name lookups of one search, by code.
  QHash<int, QString> pageNames_, chapterNames_;
};
