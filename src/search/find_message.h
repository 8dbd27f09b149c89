#pragma once
// TMsgFind, the search-base message: a small borderless stay-on-top window (241 by 87, the
// dialog frame on RGB(230,222,191)) that says, in the interface language, that a language's
// search word list is being made, with a progress bar that fills as the table is read. One
// message serves the four find windows.

#include <QLabel>

#include "platform/borderless_form.h"

class TOrvikProgressBar;

class TMsgFind : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  static constexpr int kWidth = 241;
  static constexpr int kHeight = 87;

  explicit TMsgFind(QWidget* parent = nullptr);

  // Sets the two lines for building `language`'s list in interface language `interface`
  // (numbers 1..4; another interface keeps the previous lines), gives them the interface's
  // font, empties the bar, centres the message on `mainWindow` (when given) and shows it; it is
  // on the screen, painted, when this returns.
  void showFor(int language, int interface, const QWidget* mainWindow);
  // Fills the bar in proportion to `done` of `total`; a new square is on the screen when this
  // returns.
  void setProgress(int done, int total);

  QLabel* Label1;
  QLabel* Label2;
  TOrvikProgressBar* OrvProgressBar;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int squares_ = 0;
};
