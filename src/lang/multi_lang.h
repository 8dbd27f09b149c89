#pragma once
// The translation component. Every translated window carries one (a derived window carries
// its ancestor's too): its Words list holds translation groups, a key line followed by the
// text in each of Languages languages, in translation-index order (0 English, 1 Russian,
// 2 French, 3 Spanish). Assigning ActiveLanguage writes the texts of that language into the
// window's controls, found by objectName without regard to case.
// Every live component, in construction order, is found through the windows it belongs to (a
// component is a child of its window); the SetInterfaceLanguage switch walks them, window by
// window, and then records the index.
// It promises:
//  - every assignment of ActiveLanguage re-applies every group and fires both events, even
//    for the language already active; a refused change (AllowIt false) changes nothing;
//  - a value not below Languages shows "Value must not be higher than" / "number of available
//    languages." and changes nothing;
//  - a walk never reads past the end of Words and always advances, so a bad key or a short
//    final group cannot hang or crash it; a failing control ends the walk silently.

#include <QObject>
#include <QStringList>

#include "schema/language.h"

class QWidget;

namespace orvik {
class MessageBoxes;
}

class TBaseMultiLang : public QObject {
  Q_OBJECT

 public:
  // Registers the component; `owner` is the window whose controls it translates.
  explicit TBaseMultiLang(QWidget* owner);
  ~TBaseMultiLang() override;

  QWidget* ownerWindow() const { return owner_; }

  // Translation index used for empty texts while DefaultEnabled; default 0. A value not
  // below Languages shows the out-of-range message and changes nothing; a different valid
  // value re-applies ActiveLanguage.
  quint8 DefaultLanguage() const { return defaultLanguage_; }
  void setDefaultLanguage(quint8 index);
  // Whether empty texts fall back to DefaultLanguage; default false. A change re-applies.
  bool DefaultEnabled() const { return defaultEnabled_; }
  void setDefaultEnabled(bool enabled);
  // Number of languages per group: 2 for a new component, 4 in every window; at least 1.
  quint8 Languages() const { return languages_; }
  void setLanguages(quint8 count);
  // The translation index in force. Assigning runs the whole walk (see the class comment).
  quint8 ActiveLanguage() const { return activeLanguage_; }
  void setActiveLanguage(quint8 index);

  // The translation groups (owned).
  const QStringList& Words() const { return words_; }
  QStringList& Words() { return words_; }
  void setWords(const QStringList& words) { words_ = words; }

  // The after-load step: once the window has built its controls and given the component its
  // Languages and Words, it calls this to come up in the current interface language.
  void Loaded();

  // Applies the groups that begin at `p` to `component` and leaves `p` on the first group
  // not used.
  virtual void TranslateComponent(QObject* component, int& p) = 0;

  // Every live component of the program's windows, in construction order.
  static QList<TBaseMultiLang*> registry();
  // The current translation index (0 until the first switch).
  static quint8 currentTranslationIndex();
  // The interface language the current translation index stands for.
  static orvik::Language interfaceLanguage();
  // Where the out-of-range message goes: null (the default) shows a modal information box
  // with a single Cancel button; tests install a recording sink.
  static void setMessageBoxes(orvik::MessageBoxes* boxes);
  // The out-of-range message, with "\r" as its line break.
  static QString outOfRangeMessage();

 signals:
  // Fired before a change; a handler may set AllowIt to false to refuse it.
  void BeforeLanguageChange(TBaseMultiLang* sender, quint8 NewLanguage, bool& AllowIt);
  // Fired after the groups were applied.
  void AfterLanguageChanged(TBaseMultiLang* sender, quint8 NewLanguage);

 protected:
  // The text of the group at p for the active language, or the default language's text when
  // that is empty and DefaultEnabled; empty past the end of Words.
  QString resolvedText(int p) const;
  // Takes the group at p: false when p + ActiveLanguage + 1 is past the end (p unchanged),
  // else its resolved text and p advanced by Languages + 1.
  bool takeGroup(int& p, QString* text) const;
  int groupSize() const { return languages_ + 1; }

 private:
  void applyWalk();
  static void showOutOfRange();

  QWidget* owner_;
  quint64 serial_;
  quint8 defaultLanguage_ = 0;
  bool defaultEnabled_ = false;
  quint8 languages_ = 2;
  quint8 activeLanguage_ = 0;
  QStringList words_;
};

// The component every window uses: it knows radio groups, list boxes, memos, tab bars and tab
// widgets, combo boxes, windows, menu items (actions), and any control with a caption or text;
// every control has a hint, kept in its "Hint" property.
class TMultiLang : public TBaseMultiLang {
  Q_OBJECT
 public:
  explicit TMultiLang(QWidget* owner) : TBaseMultiLang(owner) {}
  void TranslateComponent(QObject* component, int& p) override;

  // Whether a key line marks a continuation group or a hint group.
  static bool isContinuationKey(const QString& key) { return key == QLatin1String("\""); }
  static bool isHintKey(const QString& key);

 private:
  void applyItemRule(QObject* list, int& p);
};

// Switches Qt's own texts (the print dialog, say) to the language of `index`, then every
// registered component whose Languages exceeds `index`, in registry order, then records `index`
// as the current translation index.
void SetInterfaceLanguage(quint8 index);

namespace orvik {
// The framework hint of a control as the translation component left it.
QString hintOf(const QObject* object);
}  // namespace orvik
