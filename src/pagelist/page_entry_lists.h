#pragma once
// The floating per-language lists of the head words of the page on screen.
// These windows are created once at start and hidden; their behaviour is built in later work.

#include "platform/borderless_form.h"

class TLangList : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  explicit TLangList(QWidget* parent = nullptr);
};

class TFormEn : public TLangList {
  Q_OBJECT

 public:
  explicit TFormEn(QWidget* parent = nullptr);
};

class TFormRu : public TLangList {
  Q_OBJECT

 public:
  explicit TFormRu(QWidget* parent = nullptr);
};

class TFormSp : public TLangList {
  Q_OBJECT

 public:
  explicit TFormSp(QWidget* parent = nullptr);
};

class TFormFr : public TLangList {
  Q_OBJECT

 public:
  explicit TFormFr(QWidget* parent = nullptr);
};
