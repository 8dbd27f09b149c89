#include "lang/settings_dialog.h"

TfrmNumbLang::TfrmNumbLang(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("frmNumbLang"));
}

TMsgChecked::TMsgChecked(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("MsgChecked"));
}
