#include "pagelist/page_list_windows.h"

TfrmPageList::TfrmPageList(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("frmPageList"));
}

TfrmPageListEn::TfrmPageListEn(QWidget* parent) : TfrmPageList(parent) {
  setObjectName(QStringLiteral("frmPageListEn"));
}

TfrmPageListRu::TfrmPageListRu(QWidget* parent) : TfrmPageList(parent) {
  setObjectName(QStringLiteral("frmPageListRu"));
}

TfrmPageListSp::TfrmPageListSp(QWidget* parent) : TfrmPageList(parent) {
  setObjectName(QStringLiteral("frmPageListSp"));
}

TfrmPageListFr::TfrmPageListFr(QWidget* parent) : TfrmPageList(parent) {
  setObjectName(QStringLiteral("frmPageListFr"));
}

TfrmLangForPageList::TfrmLangForPageList(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("frmLangForPageList"));
}
