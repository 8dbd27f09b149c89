#include "controls/focus_frame.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QTextEdit>
#include <QWidget>

#include "controls/list_box_base.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/orvik_track_bar.h"
#include "controls/orvik_zakladka.h"
#include "controls/skin.h"

namespace {

FocusFrame* theFrame = nullptr;

// The rectangle itself: a child laid over the whole control, painting only its dotted edge one
// pixel inside the control's border.
class FocusRing final : public QWidget {
 public:
  explicit FocusRing(QWidget* control) : QWidget(control) {
    setObjectName(QStringLiteral("focusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(control->rect());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QPen pen(orvik::colors::kButtonText, 1, Qt::DotLine);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
  }
};

bool byKeyboard(Qt::FocusReason reason) {
  return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
         reason == Qt::ShortcutFocusReason;
}

}  // namespace

FocusFrame::FocusFrame(QObject* parent) : QObject(parent) {}

void FocusFrame::install() {
  if (theFrame || !qApp) return;
  theFrame = new FocusFrame(qApp);
  qApp->installEventFilter(theFrame);
  QObject::connect(theFrame, &QObject::destroyed, [] { theFrame = nullptr; });
}

FocusFrame* FocusFrame::instance() {
  return theFrame;
}

QWidget* FocusFrame::framedControl() const {
  return ring_ ? ring_->parentWidget() : nullptr;
}

bool FocusFrame::frames(const QWidget* control) {
  return qobject_cast<const TOrvikBtn98*>(control) ||
         qobject_cast<const TOrvikChapterList*>(control) ||
         qobject_cast<const TOrvikZakladka*>(control) ||
         qobject_cast<const SkinnedListBox*>(control) ||
         qobject_cast<const TOrvikTrackBar*>(control) ||
         qobject_cast<const TOrvikScrollBar*>(control) || qobject_cast<const QTextEdit*>(control);
}

void FocusFrame::attach(QWidget* control) {
  if (framedControl() == control) return;
  detach();
  ring_ = new FocusRing(control);
  ring_->raise();
  ring_->show();
}

void FocusFrame::detach() {
  delete ring_.data();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn: {
      // Windows (QWindow) get focus events too: only widgets are looked at.
      if (!watched->isWidgetType()) break;
      auto* control = static_cast<QWidget*>(watched);
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      const bool keyed = reason == Qt::ShortcutFocusReason || keyboardInUse_;
      if (frames(control) && byKeyboard(reason) && keyed) attach(control);
      break;
    }
    case QEvent::MouseButtonPress:
      keyboardInUse_ = false;
      break;
    case QEvent::FocusOut:
      if (watched == framedControl()) detach();
      break;
    case QEvent::KeyPress:
      keyboardInUse_ = true;
      if (watched->isWidgetType() && watched == QApplication::focusWidget() &&
          frames(static_cast<QWidget*>(watched)))
        attach(static_cast<QWidget*>(watched));
      break;
    case QEvent::Resize:
      if (watched == framedControl()) ring_->setGeometry(framedControl()->rect());
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}
