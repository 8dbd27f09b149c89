#include "program/splash_form.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>

#include "app/scrambled_picture.h"
#include "controls/skin.h"
#include "platform/application.h"
#include "platform/message_boxes.h"

namespace {
TSplashForm* gSplash = nullptr;
}

TSplashForm::TSplashForm() : orvik::BorderlessForm(nullptr, Kind::StayOnTopTool) {
  setObjectName(QStringLiteral("SplashForm"));
  setAttribute(Qt::WA_DeleteOnClose);
  SplashImage = new QLabel(this);
  SplashImage->setObjectName(QStringLiteral("SplashImage"));
  SplashTimer = new QTimer(this);
  SplashTimer->setObjectName(QStringLiteral("SplashTimer"));
  SplashTimer->setSingleShot(true);
  SplashTimer->setTimerType(Qt::PreciseTimer);  // never closes before its time
  connect(SplashTimer, &QTimer::timeout, this, &TSplashForm::SplashTimerTimer);
}

TSplashForm::~TSplashForm() {
  qApp->removeEventFilter(this);
  if (gSplash == this) gSplash = nullptr;
}

TSplashForm* TSplashForm::current() {
  return gSplash;
}

bool TSplashForm::showSplash(int durationMs, const QString& folder, orvik::MessageBoxes* messages) {
  if (gSplash) return true;
  const QImage picture = orvik::loadInstallationPicture(folder, QStringLiteral("fsls.ori"));
  if (picture.isNull()) {
    if (messages)
      messages->show(orvik::MessageKind::Warning, QStringLiteral("Could not open file fsls.ori"));
    orvik::Application::terminate(8);
    return false;
  }
  gSplash = new TSplashForm;
  gSplash->SplashImage->setPixmap(orvik::pictureAtRatio(picture));
  gSplash->SplashImage->resize(picture.size());
  gSplash->setClientSize(picture.width(), picture.height());
  gSplash->centreOnScreen();
  if (durationMs > 0) {
    gSplash->SplashTimer->setInterval(durationMs);
    gSplash->SplashTimer->start();
  } else {
    qApp->installEventFilter(gSplash);
  }
  gSplash->show();
  gSplash->raise();
  return false;
}

void TSplashForm::SplashTimerTimer() {
  finish();
}

void TSplashForm::finish() {
  SplashTimer->stop();
  qApp->removeEventFilter(this);
  // The splash is over once it closes, although its deletion comes later: a splash asked for
  // from now on is a new one.
  if (gSplash == this) gSplash = nullptr;
  close();
}

bool TSplashForm::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress: {
      if (event->type() != QEvent::KeyPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton && mouse->button() != Qt::RightButton) break;
      }
      finish();
      return true;  // the press that closes the splash goes nowhere else
    }
    default:
      break;
  }
  return orvik::BorderlessForm::eventFilter(watched, event);
}
