// The gallery of the bitmap buttons, hint windows, panels, dialog frame, scroll bars, track
// bars, progress bar and cursors.

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QVector>
#include <functional>

#include "controls/cursors.h"
#include "controls/dialog_frame.h"
#include "controls/hint_windows.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_panel.h"
#include "controls/orvik_progress_bar.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/orvik_track_bar.h"
#include "controls/osb_button.h"
#include "controls/skin.h"
#include "gallery.h"

namespace {

using orvik::ButtonGlyph;
namespace colors = orvik::colors;

QFont labelFont() {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(11);
  return f;
}

QFont captionFont() {
  QFont f(QStringLiteral("Times New Roman"));
  f.setBold(true);
  f.setPixelSize(14);
  return f;
}

// A sheet of labelled rows of pictures on the main background.
class Sheet {
 public:
  void row(const QString& label, const QVector<QImage>& cells, const QStringList& notes = {}) {
    rows_.append({label, cells, notes});
  }
  QImage render() const {
    const int labelWidth = 170;
    const int gap = 10;
    int width = 0;
    int height = gap;
    for (const Row& r : rows_) {
      int w = labelWidth;
      int h = 14;
      for (const QImage& c : r.cells) {
        w += std::max(c.width(), 40) + gap;
        h = std::max(h, c.height() + (r.notes.isEmpty() ? 0 : 13));
      }
      width = std::max(width, w + gap);
      height += h + gap;
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(colors::kMainBackground);
    QPainter p(&sheet);
    p.setFont(labelFont());
    int y = gap;
    for (const Row& r : rows_) {
      int h = 14;
      for (const QImage& c : r.cells) h = std::max(h, c.height() + (r.notes.isEmpty() ? 0 : 13));
      p.setPen(colors::kButtonText);
      p.drawText(QRect(gap, y, labelWidth - gap, h), Qt::AlignLeft | Qt::AlignVCenter, r.label);
      int x = labelWidth;
      for (int i = 0; i < r.cells.size(); ++i) {
        const QImage& c = r.cells[i];
        p.drawImage(x, y, c);
        if (i < r.notes.size()) {
          p.setPen(colors::kDeepShadow);
          p.drawText(QRect(x - 4, y + c.height() + 1, std::max(c.width(), 40) + 8, 12),
                     Qt::AlignLeft | Qt::AlignTop, r.notes[i]);
        }
        x += std::max(c.width(), 40) + gap;
      }
      y += h + gap;
    }
    return sheet;
  }

 private:
  struct Row {
    QString label;
    QVector<QImage> cells;
    QStringList notes;
  };
  QVector<Row> rows_;
};

// A host widget with the main background, so that what is transparent in a control shows
// the window behind it.
class Host : public QWidget {
 public:
  explicit Host(QSize size, const QColor& color = colors::kMainBackground) {
    resize(size);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
  }
  QImage shot() { return grab().toImage(); }
};

QImage buttonShot(ButtonGlyph glyph, QSize size, int state, const QString& caption = {}) {
  Host host(size + QSize(4, 4));
  auto* button = new TOrvikBtn98(&host);
  button->setGeometry(QRect(QPoint(2, 2), size));
  button->setPictures(orvik::buttonPictures(glyph, size));
  button->setFont(captionFont());
  button->setCaption(caption);
  if (state == TOrvikBtn98::Disabled)
    button->setEnabled(false);
  else
    button->setState(state);
  return host.shot();
}

const QStringList kStateNames = {QStringLiteral("normal"), QStringLiteral("hover"),
                                 QStringLiteral("pressed"), QStringLiteral("disabled")};

void buttonRows(Sheet& sheet, const QString& label, const QVector<ButtonGlyph>& glyphs,
                QSize size) {
  for (int state = 0; state < 4; ++state) {
    QVector<QImage> cells;
    for (ButtonGlyph g : glyphs) cells.append(buttonShot(g, size, state));
    sheet.row(QStringLiteral("%1 %2x%3 %4")
                  .arg(label)
                  .arg(size.width())
                  .arg(size.height())
                  .arg(kStateNames[state]),
              cells);
  }
}

void renderButtons(const QDir& dir) {
  Sheet sheet;
  buttonRows(
      sheet, QStringLiteral("window"),
      {ButtonGlyph::Minimize, ButtonGlyph::Maximize, ButtonGlyph::Restore, ButtonGlyph::Close},
      QSize(15, 15));
  buttonRows(sheet, QStringLiteral("page"), {ButtonGlyph::PrevPage, ButtonGlyph::NextPage},
             QSize(33, 26));
  buttonRows(sheet, QStringLiteral("entry"), {ButtonGlyph::PrevEntry, ButtonGlyph::NextEntry},
             QSize(50, 20));
  buttonRows(sheet, QStringLiteral("auto-play"),
             {ButtonGlyph::First, ButtonGlyph::Rewind, ButtonGlyph::Play, ButtonGlyph::Pause,
              ButtonGlyph::Stop, ButtonGlyph::Forward, ButtonGlyph::Last},
             QSize(20, 20));
  buttonRows(sheet, QStringLiteral("pane"),
             {ButtonGlyph::Sound, ButtonGlyph::List, ButtonGlyph::Print}, QSize(20, 20));
  buttonRows(sheet, QStringLiteral("command"),
             {ButtonGlyph::Back, ButtonGlyph::Settings, ButtonGlyph::PageList, ButtonGlyph::Find,
              ButtonGlyph::Help, ButtonGlyph::Exit, ButtonGlyph::Print, ButtonGlyph::Lock},
             QSize(50, 20));
  gallery::save(dir, QStringLiteral("buttons"), sheet.render());

  Sheet captions;
  const QVector<std::pair<QString, QSize>> captioned = {
      {QStringLiteral("OK"), QSize(50, 20)},
      {QStringLiteral("Cancel"), QSize(60, 20)},
      {QStringLiteral("Отменить"), QSize(72, 20)},
      {QStringLiteral("Auto Play"), QSize(80, 20)},
      {QStringLiteral("Play"), QSize(40, 20)}};
  for (int state = 0; state < 4; ++state) {
    QVector<QImage> cells;
    for (const auto& [text, size] : captioned)
      cells.append(buttonShot(ButtonGlyph::None, size, state, text));
    captions.row(QStringLiteral("caption %1").arg(kStateNames[state]), cells);
  }
  gallery::save(dir, QStringLiteral("caption_buttons"), captions.render());
}

void renderHint(const QDir& dir) {
  Host host(QSize(220, 60));
  auto* button = new TOrvikBtn98(&host);
  button->setGeometry(10, 10, 50, 20);
  button->setPictures(orvik::buttonPictures(ButtonGlyph::Find, QSize(50, 20)));
  button->setState(TOrvikBtn98::Hover);
  button->setHintName(QStringLiteral("Find in Selected Language"));
  QFont hintFont(QStringLiteral("Arial"));
  hintFont.setPixelSize(14);
  button->hintWindow()->setFont(hintFont);
  host.show();
  button->showHintNow();
  QImage image = host.shot();
  TOBtnHintWindow* hint = button->hintWindow();
  QPainter p(&image);
  // The hint opens 5 pixels below the button.
  p.drawImage(QPoint(10, 10 + 20 + 5), hint->grab().toImage());
  p.end();
  host.hide();
  gallery::save(dir, QStringLiteral("hint_window"), image);
}

QImage shotOf(QWidget& w, const QColor& ground = colors::kMainBackground) {
  Host host(w.size() + QSize(8, 8), ground);
  w.setParent(&host);
  w.move(4, 4);
  w.show();
  const QImage image = host.shot();
  w.setParent(nullptr);
  return image;
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(pos), target->mapToGlobal(QPointF(pos)), button, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

void renderScrollBars(const QDir& dir) {
  Sheet sheet;
  {
    QVector<QImage> cells;
    QStringList notes;
    for (int position : {0, 3, 10}) {
      TOrvikScrollBar bar;
      bar.resize(15, 250);
      bar.setColor(colors::kScrollBar);
      bar.setPosition(position);
      cells.append(shotOf(bar));
      notes.append(QStringLiteral("pos %1").arg(position));
    }
    {
      TOrvikScrollBar bar;
      bar.resize(15, 250);
      bar.setColor(colors::kScrollBar);
      bar.setPosition(2);
      bar.upButton()->setPressed(true);
      bar.thumb()->setPressed(true);
      cells.append(shotOf(bar));
      notes.append(QStringLiteral("pressed"));
    }
    {
      // Paging down: the part below the thumb darkens while the press lasts.
      TOrvikScrollBar bar;
      bar.resize(15, 250);
      bar.setColor(colors::kScrollBar);
      bar.setMax(20);
      bar.setPosition(2);
      sendMouse(&bar, QEvent::MouseButtonPress, QPoint(7, 220), Qt::LeftButton, Qt::LeftButton);
      cells.append(shotOf(bar));
      notes.append(QStringLiteral("paging"));
    }
    {
      TOrvikScrollBar bar;
      bar.resize(15, 281);
      bar.setColor(colors::kDialogScrollBar);
      bar.setPosition(5);
      cells.append(shotOf(bar));
      notes.append(QStringLiteral("dialog"));
    }
    {
      TOrvikScrollBar bar;
      bar.resize(10, 75);
      bar.setPictures(orvik::scrollBarPictures(orvik::ScrollSkin::Pane, false));
      bar.setColor(colors::kList);
      bar.setPosition(4);
      cells.append(shotOf(bar, colors::kList));
      notes.append(QStringLiteral("pane"));
    }
    {
      TOrvikScrollBar bar;
      bar.resize(10, 75);
      bar.setPictures(orvik::scrollBarPictures(orvik::ScrollSkin::Pane, false));
      bar.setColor(colors::kList);
      bar.setPosition(4);
      bar.downButton()->setPressed(true);
      cells.append(shotOf(bar, colors::kList));
      notes.append(QStringLiteral("pressed"));
    }
    sheet.row(QStringLiteral("vertical"), cells, notes);
  }
  {
    QVector<QImage> cells;
    QStringList notes;
    for (int position : {0, 150, 300}) {
      TOrvikScrollBar bar;
      bar.setKind(osbHorizontal);
      bar.resize(151, 15);
      bar.setPictures(orvik::scrollBarPictures(orvik::ScrollSkin::Standard, true));
      bar.setColor(colors::kDialogScrollBar);
      bar.setMax(300);
      bar.setPosition(position);
      cells.append(shotOf(bar));
      notes.append(QStringLiteral("pos %1").arg(position));
    }
    sheet.row(QStringLiteral("horizontal"), cells, notes);
  }
  gallery::save(dir, QStringLiteral("scroll_bars"), sheet.render());
}

void renderTrackBars(const QDir& dir) {
  Sheet sheet;
  {
    TOrvikTrackBar bar;
    bar.resize(210, 29);
    bar.setMaxPos(15);
    bar.setPosition(7);
    sheet.row(QStringLiteral("font size 1..15"), {shotOf(bar)});
  }
  {
    TOrvikTrackBar bar;
    bar.resize(209, 29);
    bar.setMaxPos(10);
    bar.setPosition(3);
    bar.thumb()->setPressed(true);
    bar.thumb()->repaint();
    sheet.row(QStringLiteral("pause, pressed"), {shotOf(bar)});
  }
  {
    const QColor ground(145, 139, 113);
    TOrvikTrackBar bar;
    bar.resize(330, 27);
    bar.setColor(ground);
    bar.setColorTicks(colors::kMainBackground);
    bar.setFirstBarPos(3);
    bar.setMaxPos(24);
    bar.setPosition(5);
    sheet.row(QStringLiteral("auto-play 1..24"), {shotOf(bar, ground)});
  }
  gallery::save(dir, QStringLiteral("track_bars"), sheet.render());
}

void renderProgress(const QDir& dir) {
  Sheet sheet;
  QVector<QImage> cells;
  QStringList notes;
  for (int squares : {0, 8, 17}) {
    TOrvikProgressBar bar;
    bar.resize(207, 15);
    bar.setNKvadr(17);
    for (int k = 1; k <= squares; ++k) bar.drawSquare(k);
    cells.append(shotOf(bar, colors::kMessageBackground));
    notes.append(QStringLiteral("%1 squares").arg(squares));
  }
  sheet.row(QStringLiteral("progress"), cells, notes);
  gallery::save(dir, QStringLiteral("progress_bar"), sheet.render());
}

void renderPanels(const QDir& dir) {
  Sheet sheet;
  QVector<QImage> cells;
  QStringList notes;
  {
    TOrvikPanel panel;
    panel.resize(150, 65);
    panel.setPicture(orvik::panelPicture(QSize(148, 63)));
    cells.append(shotOf(panel));
    notes.append(QStringLiteral("raised, picture"));
  }
  {
    TOrvikPanel panel;
    panel.resize(150, 65);
    panel.setBevelOuter(TOrvikPanel::bvLowered);
    panel.setBevelWidth(2);
    panel.setFont(captionFont());
    panel.setFontColor(colors::kButtonText);
    panel.setCaption(QStringLiteral("Caption"));
    cells.append(shotOf(panel));
    notes.append(QStringLiteral("lowered 2, caption"));
  }
  {
    TOrvikPanel panel;
    panel.resize(150, 65);
    panel.setBevelInner(TOrvikPanel::bvLowered);
    panel.setBorderWidth(2);
    panel.setColor(colors::kList);
    panel.setFont(captionFont());
    panel.setAlignment(Qt::AlignLeft);
    panel.setCaption(QStringLiteral("Left"));
    cells.append(shotOf(panel));
    notes.append(QStringLiteral("border, inner"));
  }
  sheet.row(QStringLiteral("panels"), cells, notes);
  gallery::save(dir, QStringLiteral("panels"), sheet.render());
}

// The exit confirmation as the dialogs look: frame, labels and two captioned buttons.
void renderDialogFrame(const QDir& dir) {
  class Dialog : public Host {
   public:
    Dialog() : Host(QSize(225, 112), colors::kMessageBackground) {}

   protected:
    void paintEvent(QPaintEvent*) override {
      QPainter p(this);
      orvik::paintDialogFrame(p, height(), width());
      p.setFont(captionFont());
      p.setPen(colors::kPopUpLabel);
      p.drawText(40, 16 + 13, QStringLiteral("Do you really want to quit"));
      p.drawText(56, 40 + 13, QStringLiteral("Orvik Dictionary?"));
    }
  };
  Dialog dialog;
  for (auto [caption, x, state] :
       {std::tuple{QStringLiteral("Yes"), 48, 1}, std::tuple{QStringLiteral("No"), 112, 0}}) {
    auto* b = new TOrvikBtn98(&dialog);
    b->setGeometry(x, 72, 50, 20);
    b->setPictures(orvik::plainButtonPictures(QSize(50, 20)));
    b->setFont(captionFont());
    b->setCaption(caption);
    b->setState(state);
  }
  gallery::save(dir, QStringLiteral("dialog_frame"), dialog.shot());
}

void renderCursors(const QDir& dir) {
  Sheet sheet;
  QVector<QImage> cells;
  QStringList notes;
  const QStringList names = {QStringLiteral("10 hand"), QStringLiteral("11 finger"),
                             QStringLiteral("12 page"), QStringLiteral("13 fixed")};
  for (int number = 10; number <= 13; ++number) {
    for (const QColor& ground : {colors::kMainBackground, QColor(255, 255, 255)}) {
      QImage cell(36, 36, QImage::Format_RGB32);
      cell.fill(ground);
      QPainter p(&cell);
      p.drawPixmap(2, 2, orvik::cursorPixmap(number));
      const QPoint hot = orvik::cursorHotSpot(number) + QPoint(2, 2);
      p.fillRect(QRect(hot, QSize(1, 1)), QColor(255, 0, 0));
      p.end();
      cells.append(cell);
      notes.append(ground == colors::kMainBackground ? names[number - 10] : QString());
    }
  }
  sheet.row(QStringLiteral("cursors (red: hot spot)"), cells, notes);
  gallery::save(dir, QStringLiteral("cursors"), sheet.render());
}

TOrvikBtn98* placeButton(QWidget* parent, ButtonGlyph glyph, QRect geometry,
                         const QString& caption = {}) {
  auto* b = new TOrvikBtn98(parent);
  b->setGeometry(geometry);
  b->setPictures(orvik::buttonPictures(glyph, geometry.size()));
  b->setFont(captionFont());
  b->setCaption(caption);
  return b;
}

// The main window's bottom command row, as laid out on its panel, with one button hovered,
// the mouse-lock button latched and the previous-entry button disabled.
void renderCommandRow(const QDir& dir) {
  Host row(QSize(748, 40));
  const int top = 8;
  placeButton(&row, ButtonGlyph::PrevPage, QRect(24, top - 4, 33, 26));
  placeButton(&row, ButtonGlyph::Back, QRect(52 + 10, top, 50, 20));
  placeButton(&row, ButtonGlyph::Settings, QRect(100 + 12, top, 50, 20));
  placeButton(&row, ButtonGlyph::PageList, QRect(150 + 12, top, 50, 20));
  placeButton(&row, ButtonGlyph::Find, QRect(200 + 12, top, 50, 20))->setState(1);
  placeButton(&row, ButtonGlyph::Help, QRect(250 + 12, top, 50, 20));
  placeButton(&row, ButtonGlyph::None, QRect(300 + 12, top, 50, 20), QStringLiteral("Exit"));
  placeButton(&row, ButtonGlyph::Print, QRect(405, top, 50, 20));
  auto* lock = placeButton(&row, ButtonGlyph::Lock, QRect(455, top, 50, 20));
  lock->setAllowDown(true);
  lock->setLatched(true);
  placeButton(&row, ButtonGlyph::PrevEntry, QRect(506, top, 50, 20))->setEnabled(false);
  placeButton(&row, ButtonGlyph::NextEntry, QRect(556, top, 50, 20));
  placeButton(&row, ButtonGlyph::None, QRect(608, top, 80, 20), QStringLiteral("Auto Play"));
  placeButton(&row, ButtonGlyph::NextPage, QRect(694, top - 4, 33, 26));
  gallery::save(dir, QStringLiteral("command_row"), row.shot());
}

// The auto-play panel: frame, track bar and its row of 20 by 20 buttons, paused.
void renderAutoPlayPanel(const QDir& dir) {
  class Panel : public Host {
   public:
    Panel() : Host(QSize(350, 115), QColor(145, 139, 113)) {}

   protected:
    void paintEvent(QPaintEvent*) override {
      QPainter p(this);
      orvik::paintDialogFrame(p, height(), width());
      p.setFont(captionFont());
      p.setPen(colors::kMainBackground);
      p.drawText(14, 6 + 13, QStringLiteral("Autoplay Control Panel"));
      p.setPen(QColor(255, 255, 0));
      p.drawText(200, 6 + 13, QStringLiteral("Paused"));
      p.fillRect(QRect(164, 70, 180, 7), QColor(230, 222, 191));
      p.fillRect(QRect(165, 71, 70, 5), QColor(181, 194, 21));
    }
  };
  Panel panel;
  placeButton(&panel, ButtonGlyph::Close, QRect(350 - 15 - 5, 7, 15, 15));
  auto* track = new TOrvikTrackBar(&panel);
  track->setGeometry(10, 30, 330, 27);
  track->setColor(QColor(145, 139, 113));
  track->setColorTicks(colors::kMainBackground);
  track->setFirstBarPos(3);
  track->setMaxPos(12);
  track->setPosition(4);
  const ButtonGlyph row[] = {ButtonGlyph::First, ButtonGlyph::Rewind, ButtonGlyph::Play,
                             ButtonGlyph::Pause, ButtonGlyph::Stop,   ButtonGlyph::Forward,
                             ButtonGlyph::Last};
  const int lefts[] = {8, 30, 52, 74, 96, 118, 140};
  for (int i = 0; i < 7; ++i) {
    auto* b = placeButton(&panel, row[i], QRect(lefts[i], 62, 20, 20));
    if (row[i] == ButtonGlyph::Pause) {
      b->setAllowDown(true);
      b->setLatched(true);
    }
  }
  placeButton(&panel, ButtonGlyph::None, QRect(8, 86, 40, 20), QStringLiteral("Play"));
  gallery::save(dir, QStringLiteral("auto_play_panel"), panel.shot());
}

}  // namespace

void renderButtonGallery(const QDir& dir) {
  renderCommandRow(dir);
  renderAutoPlayPanel(dir);
  renderButtons(dir);
  renderHint(dir);
  renderScrollBars(dir);
  renderTrackBars(dir);
  renderProgress(dir);
  renderPanels(dir);
  renderDialogFrame(dir);
  renderCursors(dir);
}
