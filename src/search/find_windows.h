#pragma once
// The find windows: the shared design and one window per language, the search-base message and the language chooser.
// These windows are created once at start and hidden; their behaviour is built in later work.

#include "platform/borderless_form.h"

class TFrmFind : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  explicit TFrmFind(QWidget* parent = nullptr);
};

class TfrmFindEn : public TFrmFind {
  Q_OBJECT

 public:
  explicit TfrmFindEn(QWidget* parent = nullptr);
};

class TfrmFindRu : public TFrmFind {
  Q_OBJECT

 public:
  explicit TfrmFindRu(QWidget* parent = nullptr);
};

class TfrmFindFr : public TFrmFind {
  Q_OBJECT

 public:
  explicit TfrmFindFr(QWidget* parent = nullptr);
};

class TfrmFindSp : public TFrmFind {
  Q_OBJECT

 public:
  explicit TfrmFindSp(QWidget* parent = nullptr);
};

class TMsgFind : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  explicit TMsgFind(QWidget* parent = nullptr);
};

class TfrmLangForFind : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  explicit TfrmLangForFind(QWidget* parent = nullptr);
};
