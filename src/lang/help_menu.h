#pragma once
// TfrmOptForHelp, the help menu: a small stay-on-top window of 115 by 40 above the main
// window's help button, holding the two-line hover list HelpList ("Help", "About..." in the
// interface language). A press on a line closes the menu; the first line then opens the help
// window, the second the about box, both modally.
// The menu knows the main window only through the panel and the help button it is given, so it
// stands where the main window puts its help button.

#include <QLabel>
#include <QPointer>

#include "lang/font_sets.h"
#include "platform/borderless_form.h"

class TOrvikChapterList;
class TMultiLang;
class TBaseMultiLang;
class TfrmAbout;
class HelpWindow;

class TfrmOptForHelp : public orvik::BorderlessForm, public orvik::FontSetWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 115;
  static constexpr int kHeight = 40;

  explicit TfrmOptForHelp(QWidget* parent = nullptr);
  // The interface language's font set: Times bold 16 on the list.
  void applyFontSet(orvik::Language interfaceLanguage) override;

  // The main window, its central panel and its help button, which the menu stands by, and the
  // about box its second line opens. Places the menu as at creation: centred over the button,
  // 30 pixels above the window's bottom.
  void setAnchors(QWidget* mainWindow, const QWidget* panel, const QWidget* button,
                  TfrmAbout* about);
  // The help window the first line opens (none: the line only closes the menu).
  void setHelpWindow(HelpWindow* help);
  HelpWindow* helpWindow() const;
  // Shows the menu (not modally) above the help button: in the normal state 25 pixels left of
  // the button's left and 33 above the window's bottom; maximised, placed by the centred panel
  // instead.
  void popUp();
  // Where popUp() puts the menu in the main window's present state.
  QPoint popUpPosition() const;

  QLabel* Image1;
  TOrvikChapterList* HelpList;
  TMultiLang* MultiLang1;

  void HelpListMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void MultiLang1AfterLanguageChanged(TBaseMultiLang* sender, quint8 newLanguage);

 signals:
  // A line was pressed (1 or 2), before the menu closes: the owner plays the click sound and
  // stops auto-play here.
  void linePressed(int line);

 private:
  QPointer<QWidget> mainWindow_;
  QPointer<const QWidget> panel_;
  QPointer<const QWidget> button_;
  QPointer<TfrmAbout> about_;
  QPointer<HelpWindow> help_;
};
