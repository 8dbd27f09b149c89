#include "platform/pop_ups.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <vector>

namespace orvik {
namespace {

struct Entry {
  QPointer<QWidget> popUp;
  std::function<QRect()> keepArea;
  std::function<void()> onHidden;
};

std::vector<Entry>& entries() {
  static std::vector<Entry> list;
  return list;
}

class PressFilter final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A press the user made (not one the program sends itself) is offered to the widget under
    // the pointer and, while ignored, to its parents: it counts once.
    if (event->type() != QEvent::MouseButtonPress || !event->spontaneous() ||
        !watched->isWidgetType())
      return false;
    const auto* press = static_cast<QMouseEvent*>(event);
    if (press == last_ && press->timestamp() == lastTime_) return false;
    last_ = press;
    lastTime_ = press->timestamp();
    PopUps::pressAt(press->globalPosition().toPoint());
    return false;
  }

 private:
  const QMouseEvent* last_ = nullptr;
  quint64 lastTime_ = 0;
};

}  // namespace

void PopUps::add(QWidget* popUp, std::function<QRect()> keepArea, std::function<void()> onHidden) {
  if (!popUp) return;
  remove(popUp);
  entries().push_back({popUp, std::move(keepArea), std::move(onHidden)});
}

void PopUps::remove(QWidget* popUp) {
  auto& list = entries();
  std::erase_if(list, [popUp](const Entry& e) { return e.popUp.isNull() || e.popUp == popUp; });
}

void PopUps::pressAt(QPoint globalPos) {
  // Copy first: a hidden pop-up's handler may register or remove others.
  const std::vector<Entry> list = entries();
  for (const Entry& e : list) {
    QWidget* w = e.popUp.data();
    if (!w || !w->isVisible()) continue;
    const QRect own(w->mapToGlobal(QPoint(0, 0)), w->size());
    if (own.contains(globalPos)) continue;
    if (e.keepArea && e.keepArea().contains(globalPos)) continue;
    w->hide();
    if (e.onHidden) e.onHidden();
  }
}

void PopUps::install() {
  static QPointer<PressFilter> filter;
  if (filter || !qApp) return;
  filter = new PressFilter(qApp);
  qApp->installEventFilter(filter);
}

QPoint popUpAboveButton(const QWidget* window, const QWidget* panel, const QWidget* button,
                        int height, int shift, int maximisedShift) {
  if (!window) return {};
  const int buttonLeft = button ? button->x() : 0;
  if (window->isMaximized() && panel)
    return {panel->x() + buttonLeft - maximisedShift, panel->y() + panel->height() - height - 29};
  const QRect g = window->frameGeometry();
  return {g.left() + buttonLeft - shift, g.top() + g.height() - height - 33};
}

}  // namespace orvik
