#include "platform/message_boxes.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>

#include "platform/plain_x_message.h"

namespace orvik {

namespace {

// A message box that keeps the lines as the message writes them. Qt's own box wraps a text
// wider than half the screen, so on the small screens the display messages speak of, a line
// broke before its last word ("settings" alone on a line). The lines are wrapped only where
// the screen cannot hold them.
class LineKeepingBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  // Qt's box sizes itself, wrapping its text, when it shows and at every layout request.
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    keepLines();
  }
  bool event(QEvent* event) override {
    const bool result = QMessageBox::event(event);
    if (event->type() == QEvent::LayoutRequest) keepLines();
    return result;
  }

 private:
  void keepLines() {
    auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!isVisible() || !label || !label->wordWrap() || !layout()) return;
    label->setWordWrap(false);
    layout()->activate();
    const QSize needed = layout()->totalMinimumSize();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen && needed.width() > screen->availableGeometry().width()) {
      label->setWordWrap(true);
    } else {
      setFixedSize(needed);
    }
    // The label's change asks for a layout again, which would wrap the text once more.
    QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
  }
};

}  // namespace

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
  LineKeepingBox box(kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::Information,
                     QApplication::applicationName(), messageLines(text), QMessageBox::Ok);
  box.exec();
}

bool QtMessageBoxes::warnAbortRetry(const QString& text) {
  LineKeepingBox box(QMessageBox::Warning, QApplication::applicationName(), messageLines(text),
                     QMessageBox::Abort | QMessageBox::Retry);
  return box.exec() == QMessageBox::Retry;
}

}  // namespace orvik
