#include "lang/multi_lang.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTranslator>
#include <QWidget>
#include <algorithm>
#include <exception>

#include "controls/radio_group.h"
#include "lang/item_lists.h"
#include "platform/message_boxes.h"

namespace {

// Components are numbered as they are made, so the switch walks them in that order. A plain
// counter: nothing of it is destroyed at exit, so a window destroyed late never reaches a list
// that is gone.
quint64 g_lastSerial = 0;
quint8 g_currentIndex = 0;
orvik::MessageBoxes* g_messageBoxes = nullptr;

const QString kFormKey = QStringLiteral("%Form%");

bool hasMetaProperty(const QObject* o, const char* name) {
  return o->metaObject()->indexOfProperty(name) >= 0;
}

bool hasCaption(const QObject* o) {
  return qobject_cast<const QLabel*>(o) || qobject_cast<const QAbstractButton*>(o) ||
         qobject_cast<const QGroupBox*>(o) || hasMetaProperty(o, "Caption");
}

void setCaption(QObject* o, const QString& text) {
  if (hasMetaProperty(o, "Caption")) {
    o->setProperty("Caption", text);
  } else if (auto* l = qobject_cast<QLabel*>(o)) {
    l->setText(text);
  } else if (auto* b = qobject_cast<QAbstractButton*>(o)) {
    b->setText(text);
  } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
    g->setTitle(text);
  }
}

bool hasText(const QObject* o) {
  return qobject_cast<const QLineEdit*>(o) || hasMetaProperty(o, "Text");
}

void setText(QObject* o, const QString& text) {
  if (hasMetaProperty(o, "Text"))
    o->setProperty("Text", text);
  else if (auto* e = qobject_cast<QLineEdit*>(o))
    e->setText(text);
}

bool hasHint(const QObject* o) {
  return o->isWidgetType() || qobject_cast<const QAction*>(o);
}

// List boxes, memos, tab sets and tab controls: the item rule on their lines, the group keyed
// with their own name being item 0. Owner-drawn skinned lists are not among them: their
// lines are set by the windows' language handlers.
bool isStringListKind(const QObject* o) {
  return qobject_cast<const QListWidget*>(o) || qobject_cast<const QPlainTextEdit*>(o) ||
         qobject_cast<const QTextEdit*>(o) || qobject_cast<const QTabBar*>(o) ||
         qobject_cast<const QTabWidget*>(o);
}

}  // namespace

// ---- TBaseMultiLang ----

TBaseMultiLang::TBaseMultiLang(QWidget* owner)
    : QObject(owner), owner_(owner), serial_(++g_lastSerial) {}

TBaseMultiLang::~TBaseMultiLang() = default;

QList<TBaseMultiLang*> TBaseMultiLang::registry() {
  // Every component is a child of the window it translates; the windows' object trees are the
  // register.
  QList<TBaseMultiLang*> components;
  const QWidgetList widgets = QApplication::allWidgets();
  for (QWidget* widget : widgets)
    components << widget->findChildren<TBaseMultiLang*>(Qt::FindDirectChildrenOnly);
  std::sort(
      components.begin(), components.end(),
      [](const TBaseMultiLang* a, const TBaseMultiLang* b) { return a->serial_ < b->serial_; });
  return components;
}

quint8 TBaseMultiLang::currentTranslationIndex() {
  return g_currentIndex;
}

orvik::Language TBaseMultiLang::interfaceLanguage() {
  return orvik::Language::fromTranslationIndex(g_currentIndex).value_or(orvik::Language::English);
}

void TBaseMultiLang::setMessageBoxes(orvik::MessageBoxes* boxes) {
  g_messageBoxes = boxes;
}

QString TBaseMultiLang::outOfRangeMessage() {
  return QStringLiteral("Value must not be higher than\rnumber of available languages.");
}

void TBaseMultiLang::showOutOfRange() {
  if (g_messageBoxes) {
    g_messageBoxes->show(orvik::MessageKind::Information, outOfRangeMessage());
    return;
  }
  QMessageBox box(QMessageBox::Information, QApplication::applicationName(),
                  orvik::messageLines(outOfRangeMessage()), QMessageBox::Cancel);
  box.exec();
}

void TBaseMultiLang::setDefaultLanguage(quint8 index) {
  if (index >= languages_) {
    showOutOfRange();
    return;
  }
  if (index == defaultLanguage_) return;
  defaultLanguage_ = index;
  setActiveLanguage(activeLanguage_);
}

void TBaseMultiLang::setDefaultEnabled(bool enabled) {
  if (enabled == defaultEnabled_) return;
  defaultEnabled_ = enabled;
  setActiveLanguage(activeLanguage_);
}

void TBaseMultiLang::setLanguages(quint8 count) {
  if (count < 1) {
    qWarning("TBaseMultiLang: Languages must be at least 1");
    return;
  }
  languages_ = count;
}

void TBaseMultiLang::setActiveLanguage(quint8 index) {
  if (index >= languages_) {
    showOutOfRange();
    return;
  }
  bool allowIt = true;
  emit BeforeLanguageChange(this, index, allowIt);
  if (!allowIt) return;
  activeLanguage_ = index;
  applyWalk();
  emit AfterLanguageChanged(this, activeLanguage_);
}

void TBaseMultiLang::Loaded() {
  setActiveLanguage(g_currentIndex);
}

QString TBaseMultiLang::resolvedText(int p) const {
  const int own = p + activeLanguage_ + 1;
  QString text = own < words_.size() ? words_[own] : QString();
  if (text.isEmpty() && defaultEnabled_) {
    const int fallback = p + defaultLanguage_ + 1;
    if (fallback < words_.size()) text = words_[fallback];
  }
  return text;
}

bool TBaseMultiLang::takeGroup(int& p, QString* text) const {
  if (p + activeLanguage_ + 1 >= words_.size()) return false;
  if (text) *text = resolvedText(p);
  p += groupSize();
  return true;
}

void TBaseMultiLang::applyWalk() {
  if (!owner_) return;
  // The window's components by name, compared without regard to case; the first of a name
  // wins, as a lookup in creation order would.
  QHash<QString, QObject*> byName;
  const QList<QObject*> children = owner_->findChildren<QObject*>();
  for (QObject* child : children) {
    const QString name = child->objectName().toLower();
    if (!name.isEmpty() && !byName.contains(name)) byName.insert(name, child);
  }
  int p = 0;
  while (p < words_.size()) {
    const QString& key = words_[p];
    if (key == kFormKey) {
      owner_->setWindowTitle(resolvedText(p));
      p += groupSize();
      continue;
    }
    QObject* component = byName.value(key.toLower());
    if (!component) {
      p += groupSize();
      continue;
    }
    const int before = p;
    try {
      TranslateComponent(component, p);
    } catch (const std::exception&) {
      return;  // the window keeps the texts already written
    }
    // A component that takes no group (nothing to write) still uses its own group, so the
    // walk always moves on.
    if (p <= before) p = before + groupSize();
  }
}

// ---- TMultiLang ----

bool TMultiLang::isHintKey(const QString& key) {
  return key.compare(QLatin1String("\".Hint"), Qt::CaseInsensitive) == 0;
}

void TMultiLang::applyItemRule(QObject* list, int& p) {
  const int lines = orvik::itemLineCount(list);
  // An empty list, or no group left to take: the list keeps every line as it is.
  int probe = p;
  if (lines == 0 || !takeGroup(probe, nullptr)) return;
  QString text;
  int lastWritten = -1;
  for (int k = 0;; ++k) {
    if (!takeGroup(p, &text)) break;
    orvik::setItemLine(list, k, text);
    lastWritten = k;
    if (p >= Words().size() || !isContinuationKey(Words()[p]) || k + 1 >= lines) break;
  }
  for (int k = lastWritten + 1; k < lines; ++k) orvik::setItemLine(list, k, QString());
}

void TMultiLang::TranslateComponent(QObject* c, int& p) {
  const int start = p;
  QString text;
  if (auto* group = qobject_cast<TRadioGroup*>(c)) {
    if (takeGroup(p, &text)) group->setCaption(text);
    applyItemRule(c, p);
  } else if (isStringListKind(c)) {
    applyItemRule(c, p);
  } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
    const int selected = combo->currentIndex();
    applyItemRule(c, p);
    combo->setCurrentIndex(selected);
  } else if (auto* action = qobject_cast<QAction*>(c)) {
    if (takeGroup(p, &text)) action->setText(text);
  } else if (auto* menu = qobject_cast<QMenu*>(c)) {
    if (takeGroup(p, &text)) menu->setTitle(text);
  } else if (c->isWidgetType() && static_cast<QWidget*>(c)->isWindow()) {
    if (takeGroup(p, &text)) static_cast<QWidget*>(c)->setWindowTitle(text);
  } else {
    if (hasCaption(c) && takeGroup(p, &text)) setCaption(c, text);
    if (hasText(c) && takeGroup(p, &text)) setText(c, text);
  }

  if (hasHint(c)) {
    if (p == start) takeGroup(p, nullptr);  // the own group only marks the control
    if (p < Words().size() && isHintKey(Words()[p]) && takeGroup(p, &text) && !text.isEmpty())
      c->setProperty("Hint", text);
  }
}

// ---- The switch ----

namespace {

// Qt's own texts (the print dialog, the buttons of its message boxes) follow the interface
// language, from the translations of Qt the system installs; English needs none. A language
// whose translation is missing leaves those texts English.
void loadQtTranslation(quint8 index) {
  static QPointer<QTranslator> translator;  // the application owns it
  static QString loaded;
  // By translation index: English, Russian, French, Spanish.
  static const char* const kLocales[4] = {nullptr, "ru", "fr", "es"};
  const QString wanted =
      index < 4 && kLocales[index] ? QString::fromLatin1(kLocales[index]) : QString();
  if (wanted == loaded || !QCoreApplication::instance()) return;
  if (translator) {
    QCoreApplication::removeTranslator(translator);
    delete translator.data();
  }
  loaded = wanted;
  if (wanted.isEmpty()) return;
  auto* t = new QTranslator(QCoreApplication::instance());
  if (t->load(QLocale(wanted), QStringLiteral("qt"), QStringLiteral("_"),
              QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(t)) {
    translator = t;
  } else {
    delete t;
  }
}

}  // namespace

void SetInterfaceLanguage(quint8 index) {
  loadQtTranslation(index);
  // Handlers run inside the walk; a component destroyed meanwhile is skipped.
  QList<QPointer<TBaseMultiLang>> snapshot;
  for (TBaseMultiLang* c : TBaseMultiLang::registry()) snapshot.append(c);
  for (const QPointer<TBaseMultiLang>& c : snapshot)
    if (c && index < c->Languages()) c->setActiveLanguage(index);
  g_currentIndex = index;
}

QString orvik::hintOf(const QObject* object) {
  return object->property("Hint").toString();
}
