#pragma once
// TfrmLangForFind, the find-language chooser: a small borderless stay-on-top window (140 wide,
// 27, 48, 69 or 88 high for one to four languages) beside the main window's Find button,
// listing the installed languages with their shortcuts ("English     Ctrl+E") in the interface
// language. A press on a line hides it and names the line's language through languageChosen();
// the owner opens that find window.

#include <QLabel>
#include <QPointer>
#include <array>

#include "lang/font_sets.h"
#include "platform/borderless_form.h"
#include "schema/language.h"

class TOrvikChapterList;
class TMultiLang;
class TBaseMultiLang;

class TfrmLangForFind : public orvik::BorderlessForm, public orvik::FontSetWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 140;

  explicit TfrmLangForFind(QWidget* parent = nullptr);
  // The interface language's font set: the window pass, then Times bold 16 on the list.
  void applyFontSet(orvik::Language interfaceLanguage) override;

  // The lines of the installed languages (a four-place slot list) and what the chooser stands
  // by: the main window, its central panel and its Find button.
  void setUp(const std::array<int, 4>& installedSlots, QWidget* mainWindow, const QWidget* panel,
             const QWidget* findButton);
  // Where the chooser shows in the main window's present state, and showing it there.
  QPoint popUpPosition() const;
  void popUp();

  // Height for a number of installed languages.
  static int heightFor(int languages);

  QLabel* Image1;
  TOrvikChapterList* SevenLangList;
  TMultiLang* MultiLang1;

  void SevenLangListMouseDown();
  void MultiLang1AfterLanguageChanged(TBaseMultiLang* sender, quint8 newLanguage);

 signals:
  // A line naming `language` was pressed; the chooser is already hidden.
  void languageChosen(orvik::Language language);

 private:
  void relabel(orvik::Language interface);
  int lineCount_ = 0;
  QPointer<QWidget> mainWindow_;
  QPointer<const QWidget> panel_;
  QPointer<const QWidget> button_;
};
