#include "platform/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>

#include "platform/plain_x_message.h"

namespace orvik {

QString messageLines(const QString& text) {
  QString lines = text;
  lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return lines;
}

void QtMessageBoxes::show(MessageKind kind, const QString& text) {
  // Below 16 bits per pixel the toolkit's box is painted black on X: the server draws it.
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (QGuiApplication::platformName() == QLatin1String("xcb") && screen && screen->depth() < 16 &&
      showPlainXMessage(QApplication::applicationName(), text))
    return;
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
