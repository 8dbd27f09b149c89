#include "controls/accessibility.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QApplication>
#include <QRadioButton>

#include "controls/focus_frame.h"
#include "controls/list_box_base.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_panel.h"
#include "controls/orvik_progress_bar.h"
#include "controls/orvik_scroll_bar.h"
#include "controls/orvik_track_bar.h"
#include "controls/orvik_zakladka.h"
#include "controls/osb_button.h"
#include "controls/radio_group.h"

namespace {

std::function<int()>& languageSource() {
  static std::function<int()> source;
  return source;
}

// The controls' own words, by translation index (English, Russian, French, Spanish).
constexpr const char* kWords[5][4] = {
    {"Previous line", "Предыдущая строка", "Ligne précédente", "Línea anterior"},
    {"Next line", "Следующая строка", "Ligne suivante", "Línea siguiente"},
    {"Position", "Положение", "Position", "Posición"},
    {"Progress", "Ход работы", "Progression", "Progreso"},
    {"Chapters", "Главы", "Chapitres", "Capítulos"},
};

// What every skinned control shares: a name given explicitly wins over the control's own.
class SkinnedAccessible : public QAccessibleWidget {
 public:
  SkinnedAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      const QString given = widget()->accessibleName();
      return given.isEmpty() ? ownName() : given;
    }
    if (t == QAccessible::Value) return ownValue();
    return QAccessibleWidget::text(t);
  }

 protected:
  virtual QString ownName() const { return {}; }
  virtual QString ownValue() const { return {}; }
};

// The bitmap buttons: named by their hint, else their caption; a latching button is checkable.
class ButtonAccessible final : public SkinnedAccessible {
 public:
  explicit ButtonAccessible(TOrvikBtn98* b) : SkinnedAccessible(b, QAccessible::Button) {}

  QAccessible::State state() const override {
    QAccessible::State s = SkinnedAccessible::state();
    const TOrvikBtn98* b = button();
    if (b->AllowDown()) {
      s.checkable = true;
      s.checked = b->latched();
    }
    s.pressed = b->state() == TOrvikBtn98::Pressed && !b->AllowDown();
    s.disabled = s.disabled || b->state() == TOrvikBtn98::Disabled;
    return s;
  }
  QString text(QAccessible::Text t) const override {
    // The caption tells more than nothing when the hint already names the button.
    if (t == QAccessible::Description && !button()->HintName().isEmpty())
      return button()->Caption();
    return SkinnedAccessible::text(t);
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + SkinnedAccessible::actionNames();
  }
  void doAction(const QString& action) override {
    if (action == pressAction() || action == toggleAction())
      button()->click();
    else
      SkinnedAccessible::doAction(action);
  }

 protected:
  QString ownName() const override {
    const QString hint = button()->HintName();
    return hint.isEmpty() ? button()->Caption() : hint;
  }

 private:
  TOrvikBtn98* button() const { return static_cast<TOrvikBtn98*>(widget()); }
};

// The arrows and thumbs the bars are made of, named for what they do.
class BarPartAccessible final : public SkinnedAccessible {
 public:
  explicit BarPartAccessible(TOSBButton* b) : SkinnedAccessible(b, QAccessible::Button) {}

  QAccessible::State state() const override {
    QAccessible::State s = SkinnedAccessible::state();
    s.pressed = static_cast<TOSBButton*>(widget())->pressed();
    return s;
  }

 protected:
  QString ownName() const override {
    QWidget* part = widget();
    if (auto* bar = qobject_cast<TOrvikScrollBar*>(part->parentWidget())) {
      if (part == bar->upButton()) return orvik::partWord(orvik::PartWord::LineUp);
      if (part == bar->downButton()) return orvik::partWord(orvik::PartWord::LineDown);
    }
    return orvik::partWord(orvik::PartWord::Position);
  }
};

class PanelAccessible final : public SkinnedAccessible {
 public:
  explicit PanelAccessible(TOrvikPanel* p) : SkinnedAccessible(p, QAccessible::Pane) {}

 protected:
  QString ownName() const override { return static_cast<TOrvikPanel*>(widget())->Caption(); }
};

// A control with a value between bounds: the scroll bar, the track bar and the progress bar.
class RangeAccessible : public SkinnedAccessible, public QAccessibleValueInterface {
 public:
  using SkinnedAccessible::SkinnedAccessible;

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return SkinnedAccessible::interface_cast(t);
  }
  QVariant minimumStepSize() const override { return 1; }
  void setCurrentValue(const QVariant&) override {}

 protected:
  QString ownValue() const override { return currentValue().toString(); }
};

class ScrollBarAccessible final : public RangeAccessible {
 public:
  explicit ScrollBarAccessible(TOrvikScrollBar* b) : RangeAccessible(b, QAccessible::ScrollBar) {}
  QVariant currentValue() const override { return bar()->Position(); }
  QVariant maximumValue() const override { return bar()->Max(); }
  QVariant minimumValue() const override { return bar()->Min(); }
  QVariant minimumStepSize() const override { return bar()->SmallChange(); }

 private:
  TOrvikScrollBar* bar() const { return static_cast<TOrvikScrollBar*>(widget()); }
};

class TrackBarAccessible final : public RangeAccessible {
 public:
  explicit TrackBarAccessible(TOrvikTrackBar* b) : RangeAccessible(b, QAccessible::Slider) {}
  QVariant currentValue() const override { return bar()->Position(); }
  QVariant maximumValue() const override { return bar()->MaxPos(); }
  QVariant minimumValue() const override { return bar()->MinPos(); }
  QVariant minimumStepSize() const override { return bar()->LineSize(); }
  // The slider's owners read Position when it reports a change, as after a drag.
  void setCurrentValue(const QVariant& value) override {
    const int position = std::clamp(value.toInt(), bar()->MinPos(), bar()->MaxPos());
    if (position == bar()->Position()) return;
    bar()->setPosition(position);
    emit bar()->changed();
  }

 private:
  TOrvikTrackBar* bar() const { return static_cast<TOrvikTrackBar*>(widget()); }
};

class ProgressBarAccessible final : public RangeAccessible {
 public:
  explicit ProgressBarAccessible(TOrvikProgressBar* b)
      : RangeAccessible(b, QAccessible::ProgressBar) {}
  QVariant currentValue() const override { return bar()->drawnCount(); }
  QVariant maximumValue() const override { return std::max(bar()->NKvadr(), 1); }
  QVariant minimumValue() const override { return 0; }

 protected:
  QString ownName() const override { return orvik::partWord(orvik::PartWord::Progress); }

 private:
  TOrvikProgressBar* bar() const { return static_cast<TOrvikProgressBar*>(widget()); }
};

// The chapter tab strip: named by the chapter its hint names, its value the selected tab.
class TabStripAccessible final : public SkinnedAccessible {
 public:
  explicit TabStripAccessible(TOrvikZakladka* z) : SkinnedAccessible(z, QAccessible::PageTabList) {}

 protected:
  QString ownName() const override {
    const QString chapter = strip()->ChapterName();
    return chapter.isEmpty() ? orvik::partWord(orvik::PartWord::ChapterTabs) : chapter;
  }
  QString ownValue() const override {
    const int tab = strip()->selectedTab();
    return tab >= 1 ? QString::number(tab) : QString();
  }

 private:
  TOrvikZakladka* strip() const { return static_cast<TOrvikZakladka*>(widget()); }
};

// The lists, named by their current line.
class HoverListAccessible final : public SkinnedAccessible {
 public:
  explicit HoverListAccessible(TOrvikChapterList* l) : SkinnedAccessible(l, QAccessible::List) {}

 protected:
  QString ownName() const override { return ownValue(); }
  QString ownValue() const override {
    const TOrvikChapterList* l = static_cast<TOrvikChapterList*>(widget());
    return l->Lines().value(l->highlightedNumber() - 1);
  }
};

class ListBoxAccessible final : public SkinnedAccessible {
 public:
  explicit ListBoxAccessible(SkinnedListBox* l) : SkinnedAccessible(l, QAccessible::List) {}

 protected:
  QString ownName() const override { return ownValue(); }
  QString ownValue() const override {
    const SkinnedListBox* l = static_cast<SkinnedListBox*>(widget());
    const int index = l->ItemIndex();
    return index >= 0 && index < l->Items().Count() ? l->Items().Get(index) : QString();
  }
};

// The radio groups: named by their caption, their value the checked item; the radio buttons
// inside speak for themselves.
class RadioGroupAccessible final : public SkinnedAccessible {
 public:
  explicit RadioGroupAccessible(TRadioGroup* g) : SkinnedAccessible(g, QAccessible::Grouping) {}

 protected:
  QString ownName() const override { return group()->Caption(); }
  QString ownValue() const override { return group()->item(group()->ItemIndex()); }

 private:
  TRadioGroup* group() const { return static_cast<TRadioGroup*>(widget()); }
};

// The factory is asked once per class on the way from the object's class to QObject; each
// interface answers for its control's class and every class derived from it.
QAccessibleInterface* skinnedControlsFactory(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  if (className == QLatin1String("TOrvikBtn98"))
    return new ButtonAccessible(static_cast<TOrvikBtn98*>(object));
  if (className == QLatin1String("TOSBButton"))
    return new BarPartAccessible(static_cast<TOSBButton*>(object));
  if (className == QLatin1String("TOrvikPanel"))
    return new PanelAccessible(static_cast<TOrvikPanel*>(object));
  if (className == QLatin1String("TOrvikScrollBar"))
    return new ScrollBarAccessible(static_cast<TOrvikScrollBar*>(object));
  if (className == QLatin1String("TOrvikTrackBar"))
    return new TrackBarAccessible(static_cast<TOrvikTrackBar*>(object));
  if (className == QLatin1String("TOrvikProgressBar"))
    return new ProgressBarAccessible(static_cast<TOrvikProgressBar*>(object));
  if (className == QLatin1String("TOrvikZakladka"))
    return new TabStripAccessible(static_cast<TOrvikZakladka*>(object));
  if (className == QLatin1String("TOrvikChapterList"))
    return new HoverListAccessible(static_cast<TOrvikChapterList*>(object));
  if (className == QLatin1String("SkinnedListBox"))
    return new ListBoxAccessible(static_cast<SkinnedListBox*>(object));
  if (className == QLatin1String("TRadioGroup"))
    return new RadioGroupAccessible(static_cast<TRadioGroup*>(object));
  return nullptr;
}

}  // namespace

namespace orvik {

void installAccessibility(std::function<int()> translationIndex) {
  languageSource() = std::move(translationIndex);
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(skinnedControlsFactory);
  FocusFrame::install();
}

QString partWord(PartWord word) {
  int index = languageSource() ? languageSource()() : 0;
  if (index < 0 || index > 3) index = 0;
  return QString::fromUtf8(kWords[int(word)][index]);
}

void notifyNameChanged(QObject* control) {
  if (!control) return;
  QAccessibleEvent e(control, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&e);
}

}  // namespace orvik
