#include "lang/small_dialogs.h"

TfrmOptForHelp::TfrmOptForHelp(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("frmOptForHelp"));
}

TfrmAbout::TfrmAbout(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("frmAbout"));
}

TfrmExit::TfrmExit(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("frmExit"));
}
