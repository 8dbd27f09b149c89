#pragma once
// The settings dialog: languages shown, interface language, pronunciation and auto-play languages, pause, sound effects and font size.
// These windows are created once at start and hidden; their behaviour is built in later work.

#include "platform/borderless_form.h"

class TfrmNumbLang : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  explicit TfrmNumbLang(QWidget* parent = nullptr);
};

class TMsgChecked : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  explicit TMsgChecked(QWidget* parent = nullptr);
};
