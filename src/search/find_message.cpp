#include "search/find_message.h"

#include <QPainter>

#include "controls/dialog_frame.h"
#include "controls/orvik_progress_bar.h"
#include "controls/skin.h"
#include "lang/font_sets.h"
#include "platform/event_pump.h"
#include "search/find_texts.h"

TMsgFind::TMsgFind(QWidget* parent) : orvik::BorderlessForm(parent, Kind::StayOnTopTool) {
  setObjectName(QStringLiteral("MsgFind"));
  setClientSize(kWidth, kHeight);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, orvik::colors::kMessageBackground);
  pal.setColor(QPalette::WindowText, orvik::colors::kPopUpLabel);
  setPalette(pal);

  const auto label = [this](const char* name, int top) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->move(48, top);
    orvik::applyFont(l, orvik::timesBoldSpec(13, orvik::kWesternCharset));
    return l;
  };
  Label1 = label("Label1", 14);
  Label2 = label("Label2", 34);

  OrvProgressBar = new TOrvikProgressBar(this);
  OrvProgressBar->setObjectName(QStringLiteral("OrvProgressBar"));
  OrvProgressBar->setGeometry(16, 56, 207, 15);
  OrvProgressBar->setNKvadr(17);
  OrvProgressBar->setPosition(1);
  hide();
}

void TMsgFind::showFor(int language, int interface, const QWidget* mainWindow) {
  const findtexts::MessageLines lines = findtexts::searchBaseMessage(interface, language);
  if (!lines.line1.isEmpty()) {
    Label1->setText(lines.line1);
    Label1->move(lines.left1, Label1->y());
    Label2->setText(lines.line2);
    Label2->move(lines.left2, Label2->y());
  }
  if (const int charset = orvik::charsetOfLanguageNumber(interface)) {
    orvik::applyFont(Label1, orvik::timesBoldSpec(16, charset));
    orvik::applyFont(Label2, orvik::timesBoldSpec(16, charset));
  }
  Label1->adjustSize();
  Label2->adjustSize();
  OrvProgressBar->clearSquares();
  squares_ = 0;
  if (mainWindow) centreOn(mainWindow);
  show();
  raise();
  // On the screen, text and empty bar, before the list is read.
  orvik::PaintNow(this);
}

void TMsgFind::setProgress(int done, int total) {
  if (total <= 0) return;
  const int wanted = int(qint64(qBound(0, done, total)) * OrvProgressBar->NKvadr() / total);
  if (wanted <= squares_) return;
  while (squares_ < wanted) OrvProgressBar->drawSquare(++squares_);
  OrvProgressBar->setPosition(squares_);
  // The reading does not return to the event loop until it ends: each square goes to the
  // screen as it is drawn.
  orvik::FlushPainting(OrvProgressBar);
}

void TMsgFind::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), orvik::colors::kMessageBackground);
  orvik::paintDialogFrame(p, height(), width());
}
