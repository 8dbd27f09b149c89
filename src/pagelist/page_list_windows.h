#pragma once
// The page-list windows: the shared design, one window per language and the language chooser.
// These windows are created once at start and hidden; their behaviour is built in later work.

#include "platform/borderless_form.h"

class TfrmPageList : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  explicit TfrmPageList(QWidget* parent = nullptr);
};

class TfrmPageListEn : public TfrmPageList {
  Q_OBJECT

 public:
  explicit TfrmPageListEn(QWidget* parent = nullptr);
};

class TfrmPageListRu : public TfrmPageList {
  Q_OBJECT

 public:
  explicit TfrmPageListRu(QWidget* parent = nullptr);
};

class TfrmPageListSp : public TfrmPageList {
  Q_OBJECT

 public:
  explicit TfrmPageListSp(QWidget* parent = nullptr);
};

class TfrmPageListFr : public TfrmPageList {
  Q_OBJECT

 public:
  explicit TfrmPageListFr(QWidget* parent = nullptr);
};

class TfrmLangForPageList : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  explicit TfrmLangForPageList(QWidget* parent = nullptr);
};
