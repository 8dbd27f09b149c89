#pragma once
// TMsgPrint (MsgPrint): the small window that says what is being printed while a job is
// prepared and sent: borderless, always on top, 275 by 63, in the message background with the
// dialog frame, centred on the main window. Label1 names the kind of printout in the interface
// language at that text's own left; Label2 shows the page name followed by "..." at a left
// that centres it by its length. While printing it holds the mouse, so the rest of the program
// gets no mouse input until the job is sent.
//
// When there is nothing to print it says so in the same place instead, for a moment: it hides
// itself after kNoticeMs or at a mouse press on it.

#include <QLabel>
#include <QString>
#include <QTimer>

#include "platform/borderless_form.h"

class TMsgPrint : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  static constexpr int kWidth = 275;
  static constexpr int kHeight = 63;
  static constexpr int kNoticeMs = 2000;

  enum class Printout { PageEntries, Picture };

  explicit TMsgPrint(QWidget* parent = nullptr);

  // The texts of a printout in an interface language (number 1..4; others read as English).
  static QString printoutText(Printout printout, int languageNumber);
  static int printoutLeft(Printout printout, int languageNumber);
  // Label2's left for a text of n characters.
  static int pageNameLeft(int n);
  // The two lines of the notice that a page has no entry to print.
  static QStringList nothingToPrintLines(int languageNumber);

  // Sets the texts of a printout of the page `pageName` in the interface language in force.
  void setPrintout(Printout printout, const QString& pageName);
  // Shows the window centred on `mainWindow` with the interface language's font, paints it
  // and takes the mouse.
  void showWhilePrinting(const QWidget* mainWindow);
  // Hides the window and gives the mouse back.
  void finishPrinting();
  // Shows the notice that the page has no entry to print, centred on `mainWindow`, for
  // kNoticeMs; it does not take the mouse.
  void showNothingToPrint(const QWidget* mainWindow);
  bool showingNotice() const { return noticeTimer_.isActive(); }

  QLabel* Label1;
  QLabel* Label2;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void showCentredOn(const QWidget* mainWindow);
  void applyInterfaceFont();

  QTimer noticeTimer_;
  bool holdingMouse_ = false;
};
