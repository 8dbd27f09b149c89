#include "lang/font_sets.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QWidget>
#include <cmath>

#include "controls/orvik_btn98.h"
#include "controls/radio_group.h"

namespace orvik {

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

void applyWindowPass(QWidget* window, int charset, const QWidget* except) {
  if (!window) return;
  const FontSpec desc = timesBoldSpec(16, charset);
  const QList<QWidget*> children = window->findChildren<QWidget*>();
  for (QWidget* w : children) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label != except) applyFont(label, desc);
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<TRadioGroup*>(w) ||
               qobject_cast<TOrvikBtn98*>(w)) {
      applyFont(w, desc);
    }
  }
}

int charsetOfLanguageNumber(int languageNumber) {
  const auto language = Language::fromNumber(languageNumber);
  return language ? charsetOf(*language) : 0;
}

}  // namespace orvik
