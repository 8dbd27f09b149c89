#pragma once
// TfrmLangForPageList, the page-list language chooser: a small stay-on-top window above the
// main window's page-list button listing the installed languages ("English     Alt+E", ...) in
// the interface language. A press on a line closes it and reports the language the line names;
// the owner opens that language's page list.
//
// It promises: one line per installed language, in the order of the installed-language list;
// its height follows the number of lines (27, 48, 69 or 88 pixels); it is 140 wide unless a line
// would not fit in its font, when it widens to the longest line; a line that names no language
// reports nothing.

#include <array>

#include "lang/font_sets.h"
#include "platform/borderless_form.h"
#include "schema/language.h"

class QLabel;
class TOrvikChapterList;
class TMultiLang;
class TBaseMultiLang;

class TfrmLangForPageList : public orvik::BorderlessForm, public orvik::FontSetWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 140;
  static constexpr int kItemHeight = 20;

  explicit TfrmLangForPageList(QWidget* parent = nullptr);
  // The interface language's font set: Times bold 16 on the list.
  void applyFontSet(orvik::Language interfaceLanguage) override;

  // The lines of the installed languages (language slots, -1 for an empty place), in the
  // interface language; the height follows.
  void setLanguages(const std::array<int, 4>& installedSlots);
  // The main window, its central panel and its page-list button the chooser stands by.
  void setAnchors(QWidget* mainWindow, const QWidget* panel, const QWidget* button);
  // Where popUp() puts the chooser in the main window's present state.
  QPoint popUpPosition() const;
  // Shows the chooser, not modally, by the page-list button.
  void popUp();

  // Height for a number of installed languages (1 to 4).
  static int heightFor(int languages);

  void SevenLangListMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void MultiLang1AfterLanguageChanged(TBaseMultiLang* sender, quint8 newLanguage);

  QLabel* Image1;
  TOrvikChapterList* SevenLangList;
  TMultiLang* MultiLang1;

 signals:
  // A line naming `language` was pressed; the chooser has closed.
  void languageChosen(orvik::Language language);
  // A press on a line, before the chooser closes and whether or not the line names a language.
  void linePressed();

 private:
  void drawPicture();
  void fitWidth();

  QWidget* mainWindow_ = nullptr;
  const QWidget* panel_ = nullptr;
  const QWidget* button_ = nullptr;
};
