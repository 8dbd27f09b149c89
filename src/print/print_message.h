#pragma once
// The message window shown while printing.
// These windows are created once at start and hidden; their behaviour is built in later work.

#include "platform/borderless_form.h"

class TMsgPrint : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  explicit TMsgPrint(QWidget* parent = nullptr);
};
