#include "text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QWidget>

#include "browse/name_label.h"
#include "controls/list_box_base.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_panel.h"
#include "controls/radio_group.h"
#include "search/new_string_grid.h"

QString TextFault::describe() const {
  return QStringLiteral("%1.%2 \"%3\": %4 (needs %5 px, has %6)")
      .arg(window, control, text, what)
      .arg(needed)
      .arg(room);
}

namespace {

// The widest line's ink: blanks at a line's end draw nothing.
int widestLine(const QFontMetrics& fm, const QString& text) {
  int widest = 0;
  for (QString line : text.split(QLatin1Char('\n'))) {
    while (line.endsWith(QLatin1Char(' '))) line.chop(1);
    widest = std::max(widest, fm.horizontalAdvance(line));
  }
  return widest;
}

// A text-bearing control and the rectangle, in window coordinates, where its text is drawn.
struct Ink {
  QWidget* control;
  QString name;
  QString text;
  QRect rect;
};

QRect inWindow(QWidget* window, QWidget* w, const QRect& r) {
  return QRect(w->mapTo(window, r.topLeft()), r.size());
}

}  // namespace

QList<TextFault> textFaults(QWidget* window) {
  QList<TextFault> faults;
  QList<Ink> inks;
  const QString windowName = window->objectName();
  const auto fault = [&](QWidget* w, const QString& text, const QString& what, int needed, int room,
                         const QString& suffix = {}) {
    faults.append({windowName, w->objectName() + suffix, text, what, needed, room});
  };

  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || w->isWindow()) continue;
    const QFontMetrics fm(w->font());
    if (auto* name = qobject_cast<NameLabel*>(w)) {
      // Drawn in a smaller face when need be; only a name cut even then is a fault.
      const QString text = name->text();
      if (text.isEmpty()) continue;
      const int needed = QFontMetrics(name->shownFont()).horizontalAdvance(text);
      const QRect room = name->contentsRect();
      if (name->shownText() != text) fault(w, text, QStringLiteral("cut"), needed, room.width());
      const QRect ink = QStyle::alignedRect(
          name->layoutDirection(), name->alignment(),
          QSize(std::min(needed, room.width()), std::min(fm.height(), room.height())), room);
      inks.append({w, w->objectName(), text, inWindow(window, w, ink)});
    } else if (auto* grid = qobject_cast<TNewStringGrid*>(w)) {
      // A cell's text may be cut with an ellipsis (its whole text is the cell's hint), but
      // what is drawn must stay inside the part of the cell that shows.
      for (int row = 0; row < grid->RowCount(); ++row)
        for (int col = 0; col < grid->ColCount(); ++col) {
          const QRect cell = grid->CellRect(col, row);
          if (cell.isEmpty()) continue;
          const int visibleRight =
              std::min(cell.right() + 1, grid->width() - std::max(2, grid->CoveredRight()));
          const int room = visibleRight - cell.left() - 4;
          const QString shown = grid->ShownText(col, row);
          const int needed = fm.horizontalAdvance(shown);
          if (needed > room)
            fault(w, shown, QStringLiteral("clipped"), needed, room,
                  QStringLiteral("[%1,%2]").arg(col).arg(row));
        }
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
      const QString text = label->text();
      if (text.isEmpty() || !label->pixmap().isNull()) continue;
      const QRect room = label->contentsRect();
      const int needed = widestLine(fm, text);
      if (!label->wordWrap() && needed > room.width())
        fault(w, text, QStringLiteral("clipped"), needed, room.width());
      const QRect ink = QStyle::alignedRect(
          label->layoutDirection(), label->alignment(),
          QSize(std::min(needed, room.width()), std::min(fm.height(), room.height())), room);
      inks.append({w, w->objectName(), text, inWindow(window, w, ink)});
    } else if (auto* group = qobject_cast<TRadioGroup*>(w)) {
      if (group->title().isEmpty()) continue;
      const int needed = fm.horizontalAdvance(group->title()) + 8;
      if (needed > group->width())
        fault(w, group->title(), QStringLiteral("clipped"), needed, group->width());
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
      auto* button = static_cast<QAbstractButton*>(w);
      if (button->text().isEmpty()) continue;
      const int needed = button->sizeHint().width();
      if (needed > button->width())
        fault(w, button->text(), QStringLiteral("clipped"), needed, button->width());
      // The radio buttons of a radio group are named by the group and their place in it.
      QString name = w->objectName();
      if (name.isEmpty() && w->parentWidget())
        name = w->parentWidget()->objectName() + QStringLiteral("[%1]").arg(button->text());
      if (needed > button->width() && w->objectName().isEmpty()) faults.last().control = name;
      inks.append({w, name, button->text(),
                   inWindow(window, w, QRect(0, 0, std::min(needed, w->width()), w->height()))});
    } else if (auto* button = qobject_cast<TOrvikBtn98*>(w)) {
      const QString text = button->Caption();
      if (text.isEmpty()) continue;
      const int room = button->btnUp().isNull()
                           ? button->width()
                           : int(button->btnUp().deviceIndependentSize().width());
      const int needed = fm.horizontalAdvance(text);
      if (needed > room) fault(w, text, QStringLiteral("clipped"), needed, room);
      inks.append({w, w->objectName(), text, inWindow(window, w, button->rect())});
    } else if (auto* list = qobject_cast<SkinnedListBox*>(w)) {
      // Owner-drawn rows: a line wider than the list's inner area is cut at its edge.
      const int room = list->clientArea().width();
      for (int i = 0; i < list->Items().Count(); ++i) {
        const QString line = list->Items().Get(i);
        const int needed = fm.horizontalAdvance(line);
        if (needed > room)
          fault(w, line, QStringLiteral("clipped"), needed, room, QStringLiteral("[%1]").arg(i));
      }
    } else if (auto* list = qobject_cast<TOrvikChapterList*>(w)) {
      for (int i = 0; i < list->Lines().size(); ++i) {
        const QString& line = list->Lines()[i];
        const int needed = fm.horizontalAdvance(line);
        if (needed > list->width())
          fault(w, line, QStringLiteral("clipped"), needed, list->width(),
                QStringLiteral("[%1]").arg(i));
        const int right = w->mapTo(window, QPoint(needed, 0)).x();
        if (right > window->width())
          fault(w, line, QStringLiteral("beyond the window"), right, window->width(),
                QStringLiteral("[%1]").arg(i));
        // A pop-up's lines keep clear of its panel's bevel on the right as on the left.
        if (auto* panel = qobject_cast<TOrvikPanel*>(w->parentWidget())) {
          const int end = w->x() + needed;
          const int room = panel->width() - std::max(2, w->x());
          if (end > room)
            fault(w, line, QStringLiteral("touches the border of ") + panel->objectName(), end,
                  room, QStringLiteral("[%1]").arg(i));
        }
      }
    }
  }

  // Texts straddling the edge of a picture (standing on a picture, as on a frame, is fine).
  for (QLabel* picture : window->findChildren<QLabel*>()) {
    if (picture->pixmap().isNull() || !picture->isVisibleTo(window)) continue;
    const QRect area = inWindow(window, picture, picture->rect());
    for (const Ink& ink : inks)
      if (ink.rect.intersects(area) && !area.contains(ink.rect))
        faults.append({windowName, ink.name, ink.text,
                       QStringLiteral("runs into the picture ") + picture->objectName(),
                       ink.rect.intersected(area).width(), 0});
  }

  // Texts past the window's edge, texts against its frame (the five rings the borderless
  // windows paint, and five pixels of room inside them), and texts running into each other (a
  // control and the controls inside it, such as a radio group and its buttons, do not count).
  const QRect client = window->rect();
  const int frameWidth = (window->windowFlags() & Qt::FramelessWindowHint) ? 12 : 0;
  const QRect inside = client.adjusted(frameWidth, 0, -frameWidth, 0);
  for (const Ink& ink : inks) {
    if (!client.contains(ink.rect))
      faults.append({windowName, ink.name, ink.text, QStringLiteral("beyond the window"),
                     ink.rect.right() + 1, client.width()});
    else if (ink.rect.left() < inside.left() || ink.rect.right() > inside.right())
      faults.append({windowName, ink.name, ink.text, QStringLiteral("against the frame"),
                     ink.rect.right() + 1, inside.right() + 1});
  }
  for (int i = 0; i < inks.size(); ++i)
    for (int j = i + 1; j < inks.size(); ++j) {
      const Ink& a = inks[i];
      const Ink& b = inks[j];
      if (a.control->isAncestorOf(b.control) || b.control->isAncestorOf(a.control)) continue;
      const QRect both = a.rect.intersected(b.rect);
      if (both.isEmpty()) continue;
      faults.append(
          {windowName, a.name, a.text, QStringLiteral("overlaps ") + b.name, both.width(), 0});
    }
  return faults;
}
