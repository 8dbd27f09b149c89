#include "lang/about_box.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "controls/dialog_frame.h"
#include "controls/orvik_btn98.h"
#include "controls/skin.h"
#include "lang/font_sets.h"
#include "lang/multi_lang.h"

namespace {

// The title strip: a band of the shadow colours, like the main window's.
// A blank picture of w by h logical pixels at the skin's device pixel ratio, so that its
// drawing is done at the screen's resolution rather than scaled up.
QPixmap blankPicture(int w, int h) {
  const qreal ratio = orvik::skinRatio();
  QPixmap picture(QSize(qRound(w * ratio), qRound(h * ratio)));
  picture.setDevicePixelRatio(ratio);
  return picture;
}

QPixmap titlePicture() {
  QPixmap picture = blankPicture(403, 20);
  QPainter p(&picture);
  QLinearGradient g(0, 0, 0, 20);
  g.setColorAt(0, QColor(214, 204, 172));
  g.setColorAt(1, orvik::colors::kShadow);
  p.fillRect(QRect(0, 0, 403, 20), g);
  p.fillRect(QRect(0, 19, 403, 1), orvik::colors::kDeepShadow);
  return picture;
}

// The logo: an open book on a maroon medallion.
QPixmap logoPicture() {
  QPixmap picture = blankPicture(88, 88);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(orvik::colors::kButtonText, 2));
  p.setBrush(orvik::colors::kHeadingText);
  p.drawEllipse(QRectF(3, 3, 82, 82));
  p.setPen(QPen(orvik::colors::kButtonText, 1.5));
  p.setBrush(orvik::colors::kList);
  QPainterPath left, right;
  left.moveTo(44, 30);
  left.cubicTo(36, 24, 26, 24, 18, 27);
  left.lineTo(18, 60);
  left.cubicTo(26, 57, 36, 57, 44, 63);
  left.closeSubpath();
  right.moveTo(44, 30);
  right.cubicTo(52, 24, 62, 24, 70, 27);
  right.lineTo(70, 60);
  right.cubicTo(62, 57, 52, 57, 44, 63);
  right.closeSubpath();
  p.drawPath(left);
  p.drawPath(right);
  for (int y : {35, 41, 47, 53}) {
    p.drawLine(QPointF(23, y), QPointF(39, y + 1));
    p.drawLine(QPointF(49, y + 1), QPointF(65, y));
  }
  return picture;
}

// The texts, by translation index: English, Russian, French, Spanish. The OK button's caption
// is among them.
QStringList aboutWords() {
  const auto group = [](const char* key, const char* en, const char* ru, const char* fr,
                        const char* sp) {
    return QStringList{QString::fromLatin1(key), QString::fromUtf8(en), QString::fromUtf8(ru),
                       QString::fromUtf8(fr), QString::fromUtf8(sp)};
  };
  return group("Label5", "About Orvik Dictionary", "О «Словаре Орвик»",
               "À propos du Dictionnaire Orvik", "Acerca del Diccionario Orvik") +
         group("Label1", "Orvik Dictionary", "«Словарь Орвик»", "Dictionnaire Orvik",
               "Diccionario Orvik") +
         group("Label2", "Version 2002", "Англо-русская версия, 2002.", "Version 2002",
               "Versión 2002") +
         group("OrvikBtn981", "OK", "OK", "OK", "OK");
}

}  // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setClientSize(kWidth, kHeight);
  setCaptionStrip(25, 25);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, orvik::colors::kList);
  setPalette(pal);
  setAutoFillBackground(true);

  const auto picture = [this](const char* name, const QPixmap& pixmap, int x, int y) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setPixmap(pixmap);
    l->setGeometry(QRect(QPoint(x, y), pixmap.deviceIndependentSize().toSize()));
    // Presses on the pictures are the window's own: the title strip drags it.
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
  };
  Image2 = picture("Image2", titlePicture(), 5, 5);
  Image1 = picture("Image1", logoPicture(), 8, 32);

  const auto label = [this](const char* name, int x, int y, const QColor& colour) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    l->move(x, y);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
  };
  Label5 = label("Label5", 32, 8, orvik::colors::kHeadingText);
  Label1 = label("Label1", 104, 48, orvik::colors::kButtonText);
  Label2 = label("Label2", 120, 68, orvik::colors::kButtonText);

  OrvikBtn981 = new TOrvikBtn98(this);
  OrvikBtn981->setObjectName(QStringLiteral("OrvikBtn981"));
  OrvikBtn981->setPictures(orvik::plainButtonPictures(QSize(50, 20)));
  OrvikBtn981->setGeometry(168, 348, 50, 20);
  orvik::applyFont(OrvikBtn981, orvik::timesBoldSpec(16, orvik::kWesternCharset));
  OrvikBtn982 = new TOrvikBtn98(this);
  OrvikBtn982->setObjectName(QStringLiteral("OrvikBtn982"));
  OrvikBtn982->setPictures(orvik::buttonPictures(orvik::ButtonGlyph::Close, QSize(15, 15)));
  OrvikBtn982->setGeometry(390, 7, 15, 15);
  connect(OrvikBtn981, &TOrvikBtn98::clicked, this, &TfrmAbout::OrvikBtn981Click);
  connect(OrvikBtn982, &TOrvikBtn98::clicked, this, &TfrmAbout::OrvikBtn982Click);

  // The design's fonts are the English ones; the language handler changes them.
  orvik::applyFont(Label5, orvik::timesBoldSpec(16, orvik::kWesternCharset));
  orvik::applyFont(Label1, orvik::timesBoldSpec(16, orvik::kWesternCharset));
  orvik::applyFont(Label2, orvik::arialSpec(14, orvik::kWesternCharset));

  MultiLang1 = new TMultiLang(this);
  MultiLang1->setObjectName(QStringLiteral("MultiLang1"));
  MultiLang1->setLanguages(4);
  MultiLang1->setWords(aboutWords());
  connect(MultiLang1, &TBaseMultiLang::AfterLanguageChanged, this,
          &TfrmAbout::MultiLang1AfterLanguageChanged);
  hide();
  MultiLang1->Loaded();
}

void TfrmAbout::execute(const QWidget* mainWindow) {
  if (mainWindow) centreOn(mainWindow);
  showModal();
}

void TfrmAbout::OrvikBtn981Click() {
  setModalResult(mrOk);
  hide();
}

void TfrmAbout::OrvikBtn982Click() {
  setModalResult(mrCancel);
  hide();
}

void TfrmAbout::MultiLang1AfterLanguageChanged(TBaseMultiLang*, quint8 newLanguage) {
  // French and Spanish take the Western fonts too: after a Russian interface they would
  // otherwise keep the Cyrillic ones.
  if (newLanguage <= 3) {
    const int charset = newLanguage == 1 ? orvik::kCyrillicCharset : orvik::kWesternCharset;
    orvik::applyFont(Label5, orvik::timesBoldSpec(16, charset));
    orvik::applyFont(Label1, orvik::timesBoldSpec(16, charset));
    orvik::applyFont(Label2, orvik::arialSpec(14, charset));
  }
  for (QLabel* l : {Label5, Label1, Label2}) l->adjustSize();
}

void TfrmAbout::paintEvent(QPaintEvent* event) {
  orvik::BorderlessForm::paintEvent(event);
  QPainter painter(this);
  orvik::paintDialogFrame(painter, height(), width());
}
