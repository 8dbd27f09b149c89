// The gallery of the chapter tab strip and the list controls: the strip in its states, its 31
// pictures, the hover-highlight list, the two skinned list boxes and the radio group.

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <functional>

#include "controls/hint_windows.h"
#include "controls/new_list_box.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_list_box.h"
#include "controls/orvik_zakladka.h"
#include "controls/radio_group.h"
#include "controls/skin.h"
#include "controls/tab_skin.h"
#include "gallery.h"

namespace {

namespace colors = orvik::colors;

QFont labelFont() {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(11);
  return f;
}

QFont listFont(int pixels) {
  QFont f(QStringLiteral("Times New Roman"));
  f.setBold(true);
  f.setPixelSize(pixels);
  return f;
}

// Columns of captioned pictures side by side on the main background.
QImage sheet(const QList<QPair<QString, QImage>>& columns) {
  int width = 10, height = 0;
  for (const auto& c : columns) {
    width += std::max(c.second.width(), 70) + 10;
    height = std::max(height, c.second.height());
  }
  QImage out(width, height + 40, QImage::Format_RGB32);
  out.fill(colors::kMainBackground);
  QPainter p(&out);
  p.setFont(labelFont());
  p.setPen(colors::kButtonText);
  int x = 10;
  for (const auto& c : columns) {
    p.drawText(QRect(x, 4, std::max(c.second.width(), 70), 24), Qt::AlignLeft | Qt::TextWordWrap,
               c.first);
    p.drawImage(x, 30, c.second);
    x += std::max(c.second.width(), 70) + 10;
  }
  return out;
}

// A parchment window holding one control, grabbed whole.
QImage onParchment(QWidget& window) {
  window.setAutoFillBackground(true);
  QPalette pal = window.palette();
  pal.setColor(QPalette::Window, colors::kMainBackground);
  window.setPalette(pal);
  return window.grab().toImage();
}

void sendMove(QWidget* w, QPoint pos) {
  QMouseEvent move(QEvent::MouseMove, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &move);
}

void sendPress(QWidget* w, QPoint pos) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(pos), w->mapToGlobal(QPointF(pos)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(pos), w->mapToGlobal(QPointF(pos)),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(w, &release);
}

// The strip after `act`, on its own little window.
QImage stripState(const std::function<void(TOrvikZakladka*)>& act) {
  QWidget window;
  window.resize(25, 491);
  auto* strip = new TOrvikZakladka(&window);
  strip->setGeometry(5, 5, 15, 481);
  strip->setPictures(orvik::tabStripPictures());
  window.show();
  act(strip);
  return onParchment(window);
}

void renderTabStrip(const QDir& dir) {
  const auto tabY = [](int tab) { return TOrvikZakladka::tabTop(tab) + 10; };
  gallery::save(dir, QStringLiteral("tab_strip"),
                sheet({{QStringLiteral("at rest"), stripState([](TOrvikZakladka*) {})},
                       {QStringLiteral("hover 3"),
                        stripState([&](TOrvikZakladka* s) { sendMove(s, QPoint(5, tabY(3))); })},
                       {QStringLiteral("selected 7"),
                        stripState([&](TOrvikZakladka* s) { sendPress(s, QPoint(5, tabY(7))); })},
                       {QStringLiteral("7, hover 8"), stripState([&](TOrvikZakladka* s) {
                          sendPress(s, QPoint(5, tabY(7)));
                          sendMove(s, QPoint(5, tabY(8)));
                        })},
                       {QStringLiteral("7, hover 7"), stripState([&](TOrvikZakladka* s) {
                          sendPress(s, QPoint(5, tabY(7)));
                          sendMove(s, QPoint(5, tabY(7)));
                        })},
                       {QStringLiteral("7, 8 then 10"), stripState([&](TOrvikZakladka* s) {
                          sendPress(s, QPoint(5, tabY(7)));
                          sendMove(s, QPoint(5, tabY(8)));
                          sendMove(s, QPoint(5, tabY(10)));
                        })},
                       {QStringLiteral("15 selected"), stripState([&](TOrvikZakladka* s) {
                          sendPress(s, QPoint(5, tabY(15)));
                        })}}));

  // The 31 pictures themselves.
  const orvik::TabStripPictures& pics = orvik::tabStripPictures();
  QList<QPair<QString, QImage>> columns{{QStringLiteral("MainPicture"), pics.main.toImage()}};
  QImage hovers(13, 15 * 36, QImage::Format_RGB32), selected(15, 15 * 38, QImage::Format_RGB32);
  hovers.fill(colors::kMainBackground);
  selected.fill(colors::kMainBackground);
  {
    QPainter ph(&hovers), ps(&selected);
    for (int i = 0; i < 15; ++i) {
      ph.drawPixmap(0, i * 36, pics.chap[i]);
      ps.drawPixmap(0, i * 38, pics.chapSel[i]);
    }
  }
  columns << qMakePair(QStringLiteral("chap1..15"), hovers)
          << qMakePair(QStringLiteral("chapSel1..15"), selected);
  gallery::save(dir, QStringLiteral("tab_pictures"), sheet(columns));

  // The chapter-name hint beside tab 5.
  QWidget window;
  window.resize(25, 491);
  auto* strip = new TOrvikZakladka(&window);
  strip->setGeometry(5, 5, 15, 481);
  strip->setPictures(orvik::tabStripPictures());
  strip->hintAllowed = true;
  QObject::connect(strip, &TOrvikZakladka::OnHighlightedChange,
                   [strip] { strip->setChapterName(QStringLiteral("The Human Body")); });
  window.show();
  sendMove(strip, QPoint(5, tabY(5)));
  gallery::save(dir, QStringLiteral("tab_hint"), strip->hintWindow()->grab().toImage());
}

void renderChapterList(const QDir& dir) {
  const QStringList chapters{"Animals",   "The Human Body", "Clothes",  "Food",
                             "The House", "Town",           "Transport"};
  QList<QPair<QString, QImage>> columns;
  for (int line : {0, 3, 6}) {
    QWidget window;
    window.resize(190, 7 * 32 + 10);
    auto* list = new TOrvikChapterList(&window);
    list->setGeometry(10, 5, 175, 7 * 32);
    list->setFont(listFont(16));
    list->setLines(chapters);
    list->highlight(line);
    window.show();
    columns << qMakePair(QStringLiteral("line %1 red").arg(line + 1), onParchment(window));
  }
  // A small pop-up list on a skinned panel picture, item height 18.
  QWidget popup;
  popup.resize(150, 4 * 18 + 8);
  auto* ground = new QWidget(&popup);
  ground->setGeometry(0, 0, 150, 4 * 18 + 8);
  ground->setAutoFillBackground(true);
  QPalette pal;
  pal.setBrush(QPalette::Window, orvik::panelPicture(ground->size()));
  ground->setPalette(pal);
  auto* list = new TOrvikChapterList(&popup);
  list->setGeometry(6, 4, 140, 4 * 18);
  list->setItemHeight(18);
  list->setFont(listFont(14));
  list->setLines({"Copy", "Select all", "Print", "Say in"});
  list->highlight(1);
  popup.show();
  columns << qMakePair(QStringLiteral("pop-up"), popup.grab().toImage());
  gallery::save(dir, QStringLiteral("chapter_list"), sheet(columns));
}

void renderListBoxes(const QDir& dir) {
  const QStringList words{"apple",  "apricot", "banana", "bread", "butter",  "cabbage",
                          "carrot", "cherry",  "coffee", "cream", "cucumber"};
  QList<QPair<QString, QImage>> columns;
  {
    QWidget window;
    window.resize(168, 180);
    auto* list = new TOrvikListBox(&window);
    list->setGeometry(10, 10, 148, 160);
    list->setStyle(SkinnedListBox::ListStyle::OwnerDrawFixed);
    list->setBorderStyle(SkinnedListBox::Border::None);
    list->setIntegralHeight(true);
    list->setColor(colors::kList);
    list->setFont(listFont(13));
    list->setItems(words);
    list->setItemIndex(3);
    window.show();
    columns << qMakePair(QStringLiteral("TOrvikListBox"), onParchment(window));
  }
  {
    QWidget window;
    window.resize(168, 180);
    auto* list = new TOrvikListBox(&window);
    list->setGeometry(10, 10, 148, 164);
    list->setStyle(SkinnedListBox::ListStyle::OwnerDrawFixed);
    list->setColor(colors::kList);
    list->setFont(listFont(13));
    list->setItems(words);
    list->setTopIndex(4);
    list->setItemIndex(6);
    list->setFocus();
    window.show();
    columns << qMakePair(QStringLiteral("bordered, scrolled"), onParchment(window));
  }
  {
    QWidget window;
    window.resize(220, 180);
    auto* list = new TNewListBox(&window);
    list->setGeometry(10, 10, 200, 160);
    list->setStyle(SkinnedListBox::ListStyle::OwnerDrawFixed);
    list->setBorderStyle(SkinnedListBox::Border::None);
    list->setColor(colors::kList);
    list->setFont(listFont(13));
    list->setItems({"Wild animals", "  In the forest", "  In the savannah", "Farm animals",
                    "  On the farm", "  In the stable", "Birds", "  Garden birds"});
    list->setItemIndex(2);
    // The main window's rule: headings in the heading colour, pages in the list's black.
    QObject::connect(
        list, &SkinnedListBox::OnDrawItem, [](SkinnedListBox* c, int index, QRect rect, int) {
          const QString text = c->itemText(index);
          c->Canvas().fontColor = text.startsWith(' ') ? QColor(0, 0, 0) : colors::kHeadingText;
          c->Canvas().fillRect(rect);
          c->Canvas().textOut(rect.left() + 2, rect.top(), text);
        });
    window.show();
    columns << qMakePair(QStringLiteral("TNewListBox"), onParchment(window));
  }
  gallery::save(dir, QStringLiteral("list_boxes"), sheet(columns));

  QWidget window;
  window.resize(237, 77);
  auto* group = new TRadioGroup(&window);
  group->setGeometry(10, 10, 217, 57);
  group->setColumns(2);
  group->setFont(listFont(13));
  group->setCaption(QStringLiteral("Interface"));
  group->setItems({"English", "French", "Russian", "Spanish"});
  group->setItemIndex(2);
  window.show();
  gallery::save(dir, QStringLiteral("radio_group"), onParchment(window));
}

}  // namespace

void renderListGallery(const QDir& dir) {
  renderTabStrip(dir);
  renderChapterList(dir);
  renderListBoxes(dir);
}
