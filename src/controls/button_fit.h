#pragma once
// Widening a plain skinned button to its caption: the dialogs' buttons have design widths that
// a longer translation (the Russian "Отменить") can outgrow.

class TOrvikBtn98;

namespace orvik {

// Makes a button drawn with the skin's plain pictures as wide as `designWidth` or its caption in
// its own font plus `margin`, whichever is more, and redraws its pictures at that size; the
// height and the left edge stay. Returns true when the width changed.
bool fitPlainButtonToCaption(TOrvikBtn98* button, int designWidth, int margin);

}  // namespace orvik
