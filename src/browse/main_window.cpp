#include "browse/main_window.h"

#include <QApplication>
#include <QCloseEvent>

#include "app/data_module.h"
#include "app/scrambled_picture.h"
#include "platform/application.h"
#include "platform/message_boxes.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TDMOrvik* data, QWidget* parent) : orvik::BorderlessForm(parent), data_(data) {
  setObjectName(QStringLiteral("Form1"));
  Form1 = this;
  pnlMain = new QWidget(this);
  pnlMain->setObjectName(QStringLiteral("pnlMain"));
  PhonChapters = new QLabel(pnlMain);
  PhonChapters->setObjectName(QStringLiteral("PhonChapters"));
  Phon = new QLabel(pnlMain);
  Phon->setObjectName(QStringLiteral("Phon"));
  FormCreate();
}

void TForm1::FormCreate() {
  setWindowTitle(QStringLiteral("Orvik Dictionary"));
  palette_ = {QColor(238, 230, 201), QColor(110, 92, 34),  QColor(180, 169, 135),
              QColor(152, 144, 117), QColor(128, 0, 0),    QColor(243, 238, 217),
              QColor(252, 248, 232), QColor(250, 244, 211), QColor(123, 115, 92),
              QColor(82, 91, 27),    QColor(201, 194, 164)};

  const QString folder = data_ ? data_->environment().currentDir : QString();
  if (!loadBackground(Phon, QStringLiteral("fbsh.ori")) ||
      !loadBackground(PhonChapters, QStringLiteral("fchpt.ori"))) {
    // the message is shown; the program ends at the loop's next turn
  }
  Phon->hide();
  PhonChapters->show();

  // Fixed geometry: the client area, centred, in the normal state.
  setClientSize(kClientWidth, kClientHeight);
  pnlMain->setGeometry(0, 0, kClientWidth, kClientHeight);
  pnlMain->setAutoFillBackground(true);
  QPalette pal = pnlMain->palette();
  pal.setColor(QPalette::Window, palette_[MainBackground]);
  pnlMain->setPalette(pal);
  setPalette(pal);
  setAutoFillBackground(true);
  centreOnScreen();
  setCaptionStrip(25, 30);
}

bool TForm1::loadBackground(QLabel* target, const QString& file) {
  const QString folder = data_ ? data_->environment().currentDir : QString();
  const QImage picture = orvik::loadInstallationPicture(folder, file);
  if (picture.isNull()) {
    if (data_ && data_->environment().messages)
      data_->environment().messages->show(orvik::MessageKind::Warning,
                                          QStringLiteral("Could not open file ") + file);
    orvik::Application::terminate(8);
    return false;
  }
  target->setPixmap(QPixmap::fromImage(picture));
  target->setGeometry(0, 0, picture.width(), picture.height());
  return true;
}

void TForm1::FormClose() {
  if (data_) data_->settings().save();
}

void TForm1::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
  orvik::Application::terminate(orvik::Application::exitCode());
}
