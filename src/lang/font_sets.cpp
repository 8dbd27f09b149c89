#include "lang/font_sets.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QWidget>
#include <cmath>

#include "controls/hint_windows.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_zakladka.h"
#include "controls/radio_group.h"

namespace orvik {
namespace {

// The window pass runs over these windows, in this order.
constexpr const char* kPassWindows[] = {
    "Form1",         "frmNumbLang",     "frmPageListEn", "frmPageListRu", "frmPageListSp",
    "frmPageListFr", "frmLangForFind",  "frmFindEn",     "frmFindRu",     "frmFindFr",
    "frmFindSp",     "FormEn",          "FormFr",        "FormRu",        "FormSp",
    "frmExit",       "frmTrackAutoPlay"};

QWidget* findChildWidget(QWidget* window, const QString& name) {
  if (!window) return nullptr;
  const QList<QWidget*> children = window->findChildren<QWidget*>();
  for (QWidget* w : children)
    if (w->objectName().compare(name, Qt::CaseInsensitive) == 0) return w;
  return nullptr;
}

void applyNamed(const char* window, const char* control, const FontSpec& desc) {
  if (QWidget* w =
          findChildWidget(findWindow(QString::fromLatin1(window)), QString::fromLatin1(control)))
    applyFont(w, desc);
}

void applyMainWindowNamed(QWidget* form1, int charset) {
  const FontSpec t16 = timesBoldSpec(16, charset);
  for (const char* name : {"NewListBoxPages", "PopUpPctList", "PopUpRTFList"})
    if (QWidget* w = findChildWidget(form1, QString::fromLatin1(name))) applyFont(w, t16);
  const FontSpec t18 = timesBoldSpec(18, charset);
  for (const char* name : {"ListBoxChapter", "lblPageName"})
    if (QWidget* w = findChildWidget(form1, QString::fromLatin1(name))) applyFont(w, t18);
  if (QWidget* w = findChildWidget(form1, QStringLiteral("lblChapterName")))
    applyFont(w, timesBoldSpec(22, charset));
}

void applyMainWindowHints(QWidget* form1, int charset) {
  if (!form1) return;
  const FontSpec a14 = arialSpec(14, charset);
  if (auto* strip = qobject_cast<TOrvikZakladka*>(findChildWidget(form1, "Zakladki")))
    applyFont(strip->hintWindow(), a14);
  const QList<TOrvikBtn98*> buttons = form1->findChildren<TOrvikBtn98*>();
  for (TOrvikBtn98* b : buttons)
    if (b->hintWindow()) applyFont(b->hintWindow(), a14);
}

}  // namespace

QFont makeFont(const FontSpec& desc) {
  QFont font(desc.face);
  font.setWeight(desc.weight >= 700 ? QFont::Bold : QFont::Normal);
  font.setItalic(desc.italic);
  font.setStyleHint(desc.pitchAndFamily == 18 ? QFont::Serif : QFont::SansSerif);
  // Measure the face at a large size, then scale so that ascent plus descent fill the cell.
  constexpr int kProbe = 1000;
  QFont probe = font;
  probe.setPixelSize(kProbe);
  const QFontMetricsF metrics(probe);
  const double cell = metrics.ascent() + metrics.descent();
  int pixels = desc.cellHeight;
  if (cell > 0) pixels = int(std::lround(desc.cellHeight * kProbe / cell));
  font.setPixelSize(std::max(1, pixels));
  return font;
}

FontSpec arialSpec(int cellHeight, int charset) {
  return FontSpec{QStringLiteral("Arial"), cellHeight, 400, false, charset, 34};
}

FontSpec arialItalicSpec(int cellHeight, int charset) {
  return FontSpec{QStringLiteral("Arial"), cellHeight, 400, true, charset, 34};
}

FontSpec timesBoldSpec(int cellHeight, int charset) {
  return FontSpec{QStringLiteral("Times New Roman"), cellHeight, 700, false, charset, 18};
}

FontSpec generalFontSpec(const QString& face, int height, int weight, bool italic, int charset) {
  return FontSpec{face, height + 6, weight, italic, charset, 34};
}

void applyFont(QWidget* widget, const FontSpec& desc) {
  if (!widget) return;
  widget->setFont(makeFont(desc));
  widget->setProperty("fontSpec", QVariant::fromValue(desc));
}

FontSpec fontSpecOf(const QWidget* widget) {
  const QVariant v = widget ? widget->property("fontSpec") : QVariant();
  return v.canConvert<FontSpec>() ? v.value<FontSpec>() : FontSpec{QString(), 0};
}

QWidget* findWindow(const QString& name) {
  const QList<QWidget*> windows = QApplication::topLevelWidgets();
  for (QWidget* w : windows)
    if (w->objectName().compare(name, Qt::CaseInsensitive) == 0) return w;
  return nullptr;
}

void applyWindowPass(QWidget* window, int charset) {
  if (!window) return;
  const FontSpec desc = timesBoldSpec(16, charset);
  const QList<QWidget*> children = window->findChildren<QWidget*>();
  for (QWidget* w : children) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->objectName().compare("lblMainCap", Qt::CaseInsensitive) != 0)
        applyFont(label, desc);
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<TRadioGroup*>(w) ||
               qobject_cast<TOrvikBtn98*>(w)) {
      applyFont(w, desc);
    }
  }
}

void applyFontSet(int charset) {
  for (const char* name : kPassWindows) applyWindowPass(findWindow(name), charset);
  const FontSpec t16 = timesBoldSpec(16, charset);
  applyNamed("frmLangForFind", "SevenLangList", t16);
  applyNamed("frmLangForPageList", "SevenLangList", t16);
  applyNamed("frmOptForHelp", "HelpList", t16);
  for (const char* find : {"frmFindEn", "frmFindRu", "frmFindFr", "frmFindSp"})
    applyNamed(find, "PopUpFindList", t16);
  QWidget* form1 = findWindow("Form1");
  applyMainWindowNamed(form1, charset);
  applyMainWindowHints(form1, charset);
}

void applyMainWindowFontSet(QWidget* mainWindow, int charset) {
  applyWindowPass(mainWindow, charset);
  applyMainWindowNamed(mainWindow, charset);
  applyMainWindowHints(mainWindow, charset);
}

int charsetOfLanguageNumber(int languageNumber) {
  const auto language = Language::fromNumber(languageNumber);
  return language ? charsetOf(*language) : 0;
}

}  // namespace orvik
