#include "search/find_windows.h"

TFrmFind::TFrmFind(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("FrmFind"));
}

TfrmFindEn::TfrmFindEn(QWidget* parent) : TFrmFind(parent) {
  setObjectName(QStringLiteral("frmFindEn"));
}

TfrmFindRu::TfrmFindRu(QWidget* parent) : TFrmFind(parent) {
  setObjectName(QStringLiteral("frmFindRu"));
}

TfrmFindFr::TfrmFindFr(QWidget* parent) : TFrmFind(parent) {
  setObjectName(QStringLiteral("frmFindFr"));
}

TfrmFindSp::TfrmFindSp(QWidget* parent) : TFrmFind(parent) {
  setObjectName(QStringLiteral("frmFindSp"));
}

TMsgFind::TMsgFind(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("MsgFind"));
}

TfrmLangForFind::TfrmLangForFind(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("frmLangForFind"));
}
