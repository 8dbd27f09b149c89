#include "lang/locate_dialog.h"

#include <QPainter>

#include "controls/dialog_frame.h"
#include "controls/orvik_btn98.h"
#include "controls/skin.h"
#include "lang/font_sets.h"

namespace {
// Times New Roman bold in a 16-pixel cell, Cyrillic: the dialog speaks only Russian.
const orvik::FontSpec kDialogFont = orvik::timesBoldSpec(16, orvik::kCyrillicCharset);
}  // namespace

TfrmLocate::TfrmLocate(std::function<bool()> dataFound, const QStringList& drives, QWidget* parent)
    : orvik::BorderlessForm(parent), dataFound_(std::move(dataFound)) {
  setObjectName(QStringLiteral("frmLocate"));
  setClientSize(261, 131);
  setCaptionStrip(25, 25);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(238, 230, 201));
  setPalette(pal);
  setAutoFillBackground(true);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(5, 5, 251, 20);
  Image1->setStyleSheet(QStringLiteral("background-color: rgb(180,169,135);"));

  const auto label = [this](const char* name, const QString& text, int x, int y, QColor colour) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QString::fromLatin1(name));
    orvik::applyFont(l, kDialogFont);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    l->move(x, y);
    l->adjustSize();
    return l;
  };
  Label3 = label("Label3", QStringLiteral("Поиск диска"), 32, 6, QColor(128, 0, 0));
  Label1 =
      label("Label1", QStringLiteral("Укажите путь к компакт-диску "), 48, 32, QColor(110, 92, 34));
  Label2 = label("Label2", QStringLiteral("\"Словарь Орвик\""), 76, 48, QColor(110, 92, 34));
  // The first line in this face is wider than the room right of its designed left: both lines
  // stand centred, clear of the frame.
  for (QLabel* line : {Label1, Label2}) line->move((width() - line->width()) / 2, line->y());

  DriveComboBox1 = new QComboBox(this);
  DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
  DriveComboBox1->setGeometry(56, 72, 145, 19);
  DriveComboBox1->addItems(drives.isEmpty() ? QStringList{QStringLiteral("/")} : drives);

  const auto button = [this](const char* name, const QString& caption, QRect geometry) {
    auto* b = new TOrvikBtn98(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    b->setCaption(caption);
    orvik::applyFont(b, kDialogFont);
    b->setFontColor(QColor(110, 92, 34));
    return b;
  };
  btnOk = button("btnOk", QStringLiteral("ОК"), QRect(46, 100, 72, 20));
  btnCancel = button("btnCancel", QStringLiteral("Отменить"), QRect(138, 100, 72, 20));
  OrvikBtn981 = button("OrvikBtn981", QString(), QRect(238, 7, 15, 15));
  OrvikBtn981->setPictures(orvik::buttonPictures(orvik::ButtonGlyph::Close, {15, 15}));
  connect(btnOk, &TOrvikBtn98::clicked, this, &TfrmLocate::btnOkClick);
  connect(btnCancel, &TOrvikBtn98::clicked, this, &TfrmLocate::btnCancelClick);
  connect(OrvikBtn981, &TOrvikBtn98::clicked, this, &TfrmLocate::btnCancelClick);
  hide();
}

bool TfrmLocate::execute() {
  centreOnScreen();
  return showModal() == mrOk;
}

void TfrmLocate::btnOkClick() {
  // The drive chosen in the selector takes no part: the same check as at start runs again.
  if (dataFound_ && dataFound_()) setModalResult(mrOk);
}

void TfrmLocate::btnCancelClick() {
  setModalResult(mrCancel);
  hide();
}

void TfrmLocate::paintEvent(QPaintEvent* event) {
  orvik::BorderlessForm::paintEvent(event);
  QPainter painter(this);
  orvik::paintDialogFrame(painter, height(), width());
}
