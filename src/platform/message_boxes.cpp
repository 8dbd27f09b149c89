#include "platform/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace orvik {

QString messageLines(const QString& text) {
  QString lines = text;
  lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return lines;
}

void QtMessageBoxes::show(MessageKind kind, const QString& text) {
  QMessageBox box(kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::Information,
                  QApplication::applicationName(), messageLines(text), QMessageBox::Ok);
  box.exec();
}

bool QtMessageBoxes::warnAbortRetry(const QString& text) {
  QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), messageLines(text),
                  QMessageBox::Abort | QMessageBox::Retry);
  return box.exec() == QMessageBox::Retry;
}

}  // namespace orvik
