#pragma once
// HelpWindow: the program's help, opened by the help menu's first line. A borderless window in
// the skin of the other small dialogs (title strip, dialog frame, bitmap buttons, the entry
// panes' scroll bar) holding one scrolling text: what the three views are, how to browse, find
// words, list pages, auto-play and print, the key map, and where the settings file lives. It
// promises:
//  - it is shown modally, centred on the main window, in the interface language of the moment
//    (texts and fonts: the Cyrillic set for Russian, the Western one for the others);
//  - the text wraps at the pane's width, so no line is ever cut at the side, and the scroll
//    bar reaches every line (also with the arrow keys, Page Up and Page Down in the pane);
//  - OK, the close button and Esc close it; the title strip right of its first 25 pixels
//    drags it.
// It has no translation component: the interface language cannot change while it shows, so
// it takes the language each time it is opened.

#include <QLabel>

#include "platform/borderless_form.h"

class RichTextPane;
class TOrvikBtn98;
class TOrvikScrollBar;

class HelpWindow : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  static constexpr int kWidth = 560;
  static constexpr int kHeight = 470;

  explicit HelpWindow(QWidget* parent = nullptr);

  // The settings file this run of the program uses (its full path), named in the text.
  void setSettingsFile(const QString& path);
  QString settingsFile() const { return settingsFile_; }

  // Shows the window modally, centred on `mainWindow` (where it is when null), in the current
  // interface language, scrolled to the top.
  void execute(const QWidget* mainWindow);

  // Puts the texts and fonts of a translation index (0 English, 1 Russian, 2 French,
  // 3 Spanish; others are ignored) and scrolls to the top.
  void setLanguage(int translationIndex);
  int language() const { return language_; }

  // The help text of a translation index as the pane shows it (HTML).
  static QString helpHtml(int translationIndex, const QString& settingsFile);
  // The window's heading in a translation index.
  static QString heading(int translationIndex);

  QLabel* Image1;               // the title strip
  QLabel* lblTitle;             // the heading on it
  RichTextPane* txtHelp;        // the help text
  TOrvikScrollBar* ScrollHelp;  // its scroll bar
  TOrvikBtn98* btnOK;
  TOrvikBtn98* btnClose;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void fitScrollBar();
  void barScrolled(int code, int& position);
  // Brings `line` to the top of the view (the end of the text for the bar's last line).
  void scrollToLine(int line);
  void closeWindow();

  QString settingsFile_;
  int language_ = -1;
};
