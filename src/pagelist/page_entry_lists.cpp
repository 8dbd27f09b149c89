#include "pagelist/page_entry_lists.h"

TLangList::TLangList(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("LangList"));
}

TFormEn::TFormEn(QWidget* parent) : TLangList(parent) {
  setObjectName(QStringLiteral("FormEn"));
}

TFormRu::TFormRu(QWidget* parent) : TLangList(parent) {
  setObjectName(QStringLiteral("FormRu"));
}

TFormSp::TFormSp(QWidget* parent) : TLangList(parent) {
  setObjectName(QStringLiteral("FormSp"));
}

TFormFr::TFormFr(QWidget* parent) : TLangList(parent) {
  setObjectName(QStringLiteral("FormFr"));
}
