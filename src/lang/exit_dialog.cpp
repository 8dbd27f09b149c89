#include "lang/exit_dialog.h"

#include <QKeyEvent>
#include <QPainter>

#include "controls/dialog_frame.h"
#include "controls/orvik_btn98.h"
#include "controls/skin.h"
#include "lang/font_sets.h"
#include "lang/language_captions.h"
#include "lang/multi_lang.h"

TfrmExit::TfrmExit(QWidget* parent) : orvik::BorderlessForm(parent) {
  setObjectName(QStringLiteral("frmExit"));
  setClientSize(kWidth, kHeight);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, orvik::colors::kMessageBackground);
  setPalette(pal);
  setAutoFillBackground(true);

  // The design's face: Times New Roman bold with 13-pixel characters.
  QFont design(QStringLiteral("Times New Roman"));
  design.setBold(true);
  design.setPixelSize(13);
  const auto label = [this, &design](const char* name, const QString& text, int x, int y) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(design);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, orvik::colors::kPopUpLabel);
    l->setPalette(p);
    l->move(x, y);
    return l;
  };
  Label1 = label("Label1", QStringLiteral("Do you really want to quit"), 40, 16);
  Label2 = label("Label2", QStringLiteral("Orvik Dictionary?"), 56, 40);

  const auto button = [this](const char* name, const QString& caption, int x) {
    auto* b = new TOrvikBtn98(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setPictures(orvik::plainButtonPictures(QSize(50, 20)));
    b->setGeometry(x, 72, 50, 20);
    b->setCaption(caption);
    return b;
  };
  btnYes = button("btnYes", QStringLiteral("Yes"), 48);
  btnNo = button("btnNo", QStringLiteral("No"), 112);
  connect(btnYes, &TOrvikBtn98::clicked, this, &TfrmExit::btnYesClick);
  connect(btnNo, &TOrvikBtn98::clicked, this, &TfrmExit::btnNoClick);

  // The fonts of the interface language in force (the window pass of the font sets).
  const int number = TBaseMultiLang::interfaceLanguage().number();
  if (const int charset = orvik::charsetOfLanguageNumber(number))
    orvik::applyWindowPass(this, charset);
  for (QLabel* l : {Label1, Label2}) l->adjustSize();
  hide();
}

void TfrmExit::applyFontSet(orvik::Language interfaceLanguage) {
  orvik::applyWindowPass(this, orvik::charsetOf(interfaceLanguage));
}

bool TfrmExit::execute(const QWidget* mainWindow) {
  if (mainWindow) centreOn(mainWindow);
  for (QLabel* l : {Label1, Label2}) l->adjustSize();
  // Each showing starts with no button focused, so Enter is Yes until the user tabs to one.
  if (QWidget* focused = focusWidget()) focused->clearFocus();
  return showModal() == mrOk;
}

void TfrmExit::btnYesClick() {
  setModalResult(mrOk);
  hide();
}

void TfrmExit::btnNoClick() {
  setModalResult(mrCancel);
  hide();
}

void TfrmExit::paintEvent(QPaintEvent* event) {
  orvik::BorderlessForm::paintEvent(event);
  QPainter painter(this);
  orvik::paintDialogFrame(painter, height(), width());
}

void TfrmExit::keyPressEvent(QKeyEvent* event) {
  // As every desktop confirmation: Esc answers No and Enter answers Yes. A button that has the
  // keyboard focus takes Enter itself, so Tab to No and Enter still answers No.
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    switch (event->key()) {
      case Qt::Key_Escape:
        event->accept();
        btnNoClick();
        return;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        event->accept();
        btnYesClick();
        return;
      default:
        break;
    }
  }
  orvik::BorderlessForm::keyPressEvent(event);
}
