#pragma once
// TfrmPageList, the page list window: the names of all pages of the dictionary in one language,
// in the order of the page-name table's name index, with the small picture of the selected page;
// Go takes the main window to that page. One window per language (frmPageListEn,
// frmPageListFr, frmPageListRu, frmPageListSp); its language gives its page-name table, its
// title, its list font and its name.
//
// It promises:
//  - the list is filled once (setUp), one line per page (headings are not pages), every page
//    listed even when names repeat or differ only in case, in the index's stable order; the
//    selection and the scroll position stay between openings;
//  - each line remembers the page it was filled from, so the small picture and Go always take
//    that page, never another page of the same name;
//  - Up, Down, Page Up and Page Down move the selection inside the list and are consumed; the
//    scroll bar always stands at the list's top line; Escape closes, Enter goes;
//  - Cancel, the close button, the system menu and Escape leave the main window where it was;
//  - a table failure goes to the data module's database failure routine.

#include <QList>

#include "lang/font_sets.h"
#include "pagelist/page_list_chooser.h"  // the start-up creates the chooser with the windows
#include "platform/borderless_form.h"
#include "schema/language.h"

class QLabel;
class PictureBox;
class TDMOrvik;
class TForm1;
class TOrvikBtn98;
class TOrvikListBox;
class TOrvikScrollBar;
class TOrvikPanel;
class TOrvikChapterList;
class TMultiLang;
namespace orvik {
class Table;
}

class TfrmPageList : public orvik::BorderlessForm, public orvik::FontSetWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 410;
  static constexpr int kHeight = 320;
  static constexpr int kItemHeight = 16;
  // Lines the list shows: its height (288) over the item height.
  static constexpr int kPageLines = 18;
  // The title strip: presses below it do not drag, the corner opens the system menu.
  static constexpr int kStripHeight = 20;
  static constexpr int kSysMenuCorner = 20;

  explicit TfrmPageList(orvik::Language language, QWidget* parent = nullptr);
  // The interface language's font set: the window pass.
  void applyFontSet(orvik::Language interfaceLanguage) override;

  // Language number 1..4 of the window.
  orvik::Language language() const { return language_; }

  // The creation steps that need the dictionary: when the window's language is installed, fill
  // the list from its page-name table and select the first line; otherwise the window stays
  // empty. `mainWindow` is where Go takes the user.
  void setUp(TForm1* mainWindow, TDMOrvik* data);

  // Centres the window on the main window and shows it modally; returns when it closes.
  void execute();

  // The page a line was filled from (0 outside the list).
  int pageCodeOfLine(int line) const;
  // The page of the selected line (0 for none).
  int selectedPageCode() const;

  // --- Handlers, bound by name ---
  void btnGoClick();
  void btnCancelClick();
  void ListAllPagesClick();
  void ListAllPagesDblClick();
  // The window's key preview: true when the key was handled and goes no further.
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  void SysMenuListMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

  // --- Controls (system names) ---
  QLabel* Image2;  // the title strip
  QLabel* Image1;
  QLabel* Label1;
  TOrvikBtn98* OrvikBtn981;
  PictureBox* imgPageList;
  TOrvikBtn98* btnGo;
  TOrvikBtn98* btnCancel;
  TOrvikListBox* ListAllPages;
  TOrvikScrollBar* OrvikScrollBar1;
  TOrvikPanel* SysMenu;
  TOrvikChapterList* SysMenuList;
  TMultiLang* MultiLang1;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Where a line's page stands in the tables.
  struct PageRef {
    int chapterCode = 0;
    int subchapter = 0;
    int pageCode = 0;
  };

  void build();
  void fill();
  void selectLine(int line);
  void showThumbnail();
  void followTop();
  orvik::Table* pageNames() const;

  orvik::Language language_;
  TMultiLang* MultiLang2_ = nullptr;  // the language window's own texts
  TForm1* main_ = nullptr;
  TDMOrvik* data_ = nullptr;
  QList<PageRef> pages_;
};
