#include "print/print_message.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <array>

#include "controls/dialog_frame.h"
#include "controls/skin.h"
#include "lang/font_sets.h"
#include "lang/language_captions.h"
#include "lang/multi_lang.h"
#include "platform/event_pump.h"

namespace {

struct Text {
  const char* text;
  int left;
};

// By language number - 1: English, French, Russian, Spanish.
constexpr std::array<Text, 4> kPageEntries = {{{"Now printing page", 84},
                                               {"Impression de la page", 76},
                                               {"Печатается страница", 76},
                                               {"Imprimiendo la página", 72}}};
constexpr std::array<Text, 4> kPicture = {{{"Now printing picture for page", 58},
                                           {"Impression de l'image pour la page", 40},
                                           {"Печатается картинка для страницы", 34},
                                           {"Imprimiendo cuadro para la página", 40}}};
constexpr std::array<std::array<const char*, 2>, 4> kNothingToPrint = {{
    {"Nothing to print:", "this page has no entries"},
    {"Rien à imprimer :", "cette page n'a pas d'entrées"},
    {"Нечего печатать:", "на этой странице нет статей"},
    {"Nada que imprimir:", "esta página no tiene entradas"},
}};

constexpr int kLabel1Top = 16;
constexpr int kLabel2Top = 34;
// The frame is five pixels wide; no text starts under it.
constexpr int kFrame = 5;

int indexOf(int languageNumber) {
  return languageNumber >= 1 && languageNumber <= 4 ? languageNumber - 1 : 0;
}

int interfaceLanguage() {
  const int number = TBaseMultiLang::interfaceLanguage().number();
  return number >= 1 ? number : 1;
}

}  // namespace

TMsgPrint::TMsgPrint(QWidget* parent)
    : orvik::BorderlessForm(parent, orvik::BorderlessForm::Kind::StayOnTopTool) {
  setObjectName(QStringLiteral("MsgPrint"));
  setClientSize(kWidth, kHeight);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, orvik::colors::kMessageBackground);
  setPalette(pal);
  setAutoFillBackground(true);

  const auto label = [this](const char* name, int top) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setAttribute(Qt::WA_TranslucentBackground);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, orvik::colors::kPopUpLabel);
    l->setPalette(p);
    l->move(kFrame, top);
    return l;
  };
  Label1 = label("Label1", kLabel1Top);
  Label2 = label("Label2", kLabel2Top);
  applyInterfaceFont();

  noticeTimer_.setSingleShot(true);
  noticeTimer_.setInterval(kNoticeMs);
  connect(&noticeTimer_, &QTimer::timeout, this, &QWidget::hide);
  hide();
}

QString TMsgPrint::printoutText(Printout printout, int languageNumber) {
  const auto& texts = printout == Printout::PageEntries ? kPageEntries : kPicture;
  return QString::fromUtf8(texts[indexOf(languageNumber)].text);
}

int TMsgPrint::printoutLeft(Printout printout, int languageNumber) {
  const auto& texts = printout == Printout::PageEntries ? kPageEntries : kPicture;
  return texts[indexOf(languageNumber)].left;
}

int TMsgPrint::pageNameLeft(int n) {
  // A name longer than the window holds starts at the frame rather than outside the window.
  return std::max(kFrame, ((40 - n) / 2) * 6 + 22);
}

QStringList TMsgPrint::nothingToPrintLines(int languageNumber) {
  const auto& lines = kNothingToPrint[indexOf(languageNumber)];
  return {QString::fromUtf8(lines[0]), QString::fromUtf8(lines[1])};
}

void TMsgPrint::setPrintout(Printout printout, const QString& pageName) {
  noticeTimer_.stop();
  const int language = interfaceLanguage();
  applyInterfaceFont();
  Label1->setText(printoutText(printout, language));
  Label1->adjustSize();
  Label1->move(printoutLeft(printout, language), kLabel1Top);
  const QString line = pageName + QStringLiteral("...");
  Label2->setText(line);
  Label2->adjustSize();
  Label2->move(pageNameLeft(int(line.size())), kLabel2Top);
}

void TMsgPrint::applyInterfaceFont() {
  const int charset = orvik::charsetOfLanguageNumber(interfaceLanguage());
  for (QLabel* l : {Label1, Label2}) orvik::applyFont(l, orvik::timesBoldSpec(16, charset));
}

void TMsgPrint::showCentredOn(const QWidget* mainWindow) {
  if (mainWindow) {
    // Integer halves, so the window stands where the main window's own arithmetic puts it.
    const QRect main = mainWindow->frameGeometry();
    move(main.left() + main.width() / 2 - width() / 2,
         main.top() + main.height() / 2 - height() / 2);
  }
  show();
  raise();
}

void TMsgPrint::showWhilePrinting(const QWidget* mainWindow) {
  showCentredOn(mainWindow);
  // On the screen, painted, before the long work starts.
  orvik::PaintNow(this);
  grabMouse();
  holdingMouse_ = true;
}

void TMsgPrint::finishPrinting() {
  if (holdingMouse_) {
    releaseMouse();
    holdingMouse_ = false;
  }
  if (!noticeTimer_.isActive()) hide();
}

void TMsgPrint::showNothingToPrint(const QWidget* mainWindow) {
  if (holdingMouse_) {
    releaseMouse();
    holdingMouse_ = false;
  }
  applyInterfaceFont();
  const QStringList lines = nothingToPrintLines(interfaceLanguage());
  for (int i = 0; i < 2; ++i) {
    QLabel* l = i == 0 ? Label1 : Label2;
    l->setText(lines[i]);
    l->adjustSize();
    l->move(std::max(kFrame, (kWidth - l->width()) / 2), i == 0 ? kLabel1Top : kLabel2Top);
  }
  showCentredOn(mainWindow);
  noticeTimer_.start();
}

void TMsgPrint::paintEvent(QPaintEvent* event) {
  orvik::BorderlessForm::paintEvent(event);
  QPainter painter(this);
  orvik::paintDialogFrame(painter, height(), width());
}

void TMsgPrint::mousePressEvent(QMouseEvent* event) {
  // The notice goes at a click; while printing, presses only end up here because the window
  // holds the mouse, and they are dropped.
  event->accept();
  if (noticeTimer_.isActive()) {
    noticeTimer_.stop();
    hide();
  }
}
