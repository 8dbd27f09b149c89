#pragma once
// TfrmAbout, the about box: the title strip, the heading, the logo, the product name and the
// version line, with OK and a close button, centred on the main window and shown modally. Its
// texts come from its translation component in all four interface languages, with the
// Cyrillic fonts for Russian and the Western ones for the others. The title strip right of its
// first 25 pixels drags it.

#include <QLabel>

#include "platform/borderless_form.h"

class TOrvikBtn98;
class TMultiLang;
class TBaseMultiLang;

class TfrmAbout : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  static constexpr int kWidth = 411;
  static constexpr int kHeight = 375;

  explicit TfrmAbout(QWidget* parent = nullptr);

  // Shows the box modally, centred on `mainWindow` (where it is when null).
  void execute(const QWidget* mainWindow);

  QLabel* Image2;            // the title strip
  QLabel* Label5;            // the heading
  QLabel* Image1;            // the logo
  QLabel* Label1;            // the product name
  QLabel* Label2;            // the version line
  TOrvikBtn98* OrvikBtn981;  // OK
  TOrvikBtn98* OrvikBtn982;  // the close button
  TMultiLang* MultiLang1;

  void OrvikBtn981Click();
  void OrvikBtn982Click();
  void MultiLang1AfterLanguageChanged(TBaseMultiLang* sender, quint8 newLanguage);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
