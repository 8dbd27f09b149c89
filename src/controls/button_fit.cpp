#include "controls/button_fit.h"

#include <QFontMetrics>
#include <algorithm>

#include "controls/orvik_btn98.h"
#include "controls/skin.h"

namespace orvik {

bool fitPlainButtonToCaption(TOrvikBtn98* button, int designWidth, int margin) {
  const int needed = QFontMetrics(button->font()).horizontalAdvance(button->Caption()) + margin;
  const int width = std::max(designWidth, needed);
  if (width == button->width()) return false;
  button->resize(width, button->height());
  button->setPictures(plainButtonPictures(button->size()));
  return true;
}

}  // namespace orvik
