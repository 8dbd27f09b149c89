#pragma once
// The help menu, the about box and the exit confirmation.
// These windows are created once at start and hidden; their behaviour is built in later work.

#include "platform/borderless_form.h"

class TfrmOptForHelp : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  explicit TfrmOptForHelp(QWidget* parent = nullptr);
};

class TfrmAbout : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  explicit TfrmAbout(QWidget* parent = nullptr);
};

class TfrmExit : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  explicit TfrmExit(QWidget* parent = nullptr);
};
