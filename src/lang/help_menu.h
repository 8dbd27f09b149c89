#pragma once
// TfrmOptForHelp, the help menu: a small stay-on-top window of 115 by 40 above the main
// window's help button, holding the two-line hover list HelpList ("Help", "About..." in the
// interface language). A press on a line closes the menu; the second line then opens the
// about box modally. The first line opens nothing.
// The menu knows the main window only as a window with the controls "pnlMain" and "btnHelp"
// (found by name), so it stands where the main window puts its help button.

#include <QLabel>
#include <QPointer>

#include "platform/borderless_form.h"

class TOrvikChapterList;
class TMultiLang;
class TBaseMultiLang;

class TfrmOptForHelp : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  static constexpr int kWidth = 115;
  static constexpr int kHeight = 40;

  explicit TfrmOptForHelp(QWidget* parent = nullptr);

  // Shows the menu (not modally) above the help button of `mainWindow`: in the normal state
  // 25 pixels left of the button's left and 33 above the window's bottom; maximised, placed
  // by the centred pnlMain instead.
  void popUp(QWidget* mainWindow);
  // Where popUp() puts the menu for `mainWindow` in its present state.
  static QPoint popUpPosition(const QWidget* mainWindow);

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
};
