#pragma once
// The four find windows, one per dictionary language: each binds its language (search, entry,
// page and chapter tables, article pane, headings, word-list order, search-text font) to the
// shared design and carries its own translation component for its title.

#include "search/find_window.h"

class TfrmFindEn : public TFrmFind {
  Q_OBJECT

 public:
  explicit TfrmFindEn(QWidget* parent = nullptr);
  TMultiLang* MultiLang1;
};

class TfrmFindFr : public TFrmFind {
  Q_OBJECT

 public:
  explicit TfrmFindFr(QWidget* parent = nullptr);
  TMultiLang* MultiLang1;
};

class TfrmFindRu : public TFrmFind {
  Q_OBJECT

 public:
  explicit TfrmFindRu(QWidget* parent = nullptr);
  TMultiLang* MultiLang1;
};

class TfrmFindSp : public TFrmFind {
  Q_OBJECT

 public:
  explicit TfrmFindSp(QWidget* parent = nullptr);
  TMultiLang* MultiLang1;
};
