#include "print/print_message.h"

TMsgPrint::TMsgPrint(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("MsgPrint"));
}
