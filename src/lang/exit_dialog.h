#pragma once
// TfrmExit, the exit confirmation: "Do you really want to quit" / "Orvik Dictionary?" with Yes
// and No, centred on the main window and shown modally. Its texts are the same in every
// interface language; only its fonts follow the interface language. It promises:
//  - No (or Esc, or closing the window any other way) reports false and changes nothing;
//  - Yes (or Enter, unless a button has the keyboard focus and takes it) reports true; the
//    caller then silences the sounds and closes the main window, whose close handler writes the
//    settings and ends the program.

#include <QLabel>

#include "lang/font_sets.h"
#include "platform/borderless_form.h"

class TOrvikBtn98;

class TfrmExit : public orvik::BorderlessForm, public orvik::FontSetWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 225;
  static constexpr int kHeight = 112;

  explicit TfrmExit(QWidget* parent = nullptr);
  // The interface language's font set: the window pass.
  void applyFontSet(orvik::Language interfaceLanguage) override;

  // Shows the dialog modally, centred on `mainWindow` (where it is when null); true when the
  // user chose Yes.
  bool execute(const QWidget* mainWindow);

  QLabel* Label1;
  QLabel* Label2;
  TOrvikBtn98* btnYes;
  TOrvikBtn98* btnNo;

  void btnYesClick();
  void btnNoClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};
