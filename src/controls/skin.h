#pragma once
// The program's skin: the pictures of every skinned control, drawn in code in the warm
// parchment palette of the interface and cached, so the same request always returns the same
// pixels. Windows take their button, scroll-bar and track-bar pictures from here and hand
// them to the controls; nothing is read from disk.
//
// Every size here is in logical pixels. Each picture is drawn at a device pixel ratio (by
// default the highest of the screens') and carries that ratio, so on a HiDPI screen its edges
// and signs are drawn at device resolution rather than upscaled; at ratio 1 the pixels are
// exactly those of a plain 1x picture. The caches keep one set per ratio.

#include <QColor>
#include <QPixmap>
#include <QSize>

namespace orvik {

// The interface palette (red, green, blue) every window uses.
namespace colors {
inline const QColor kMainBackground{238, 230, 201};
inline const QColor kButtonText{110, 92, 34};
inline const QColor kShadow{180, 169, 135};  // also the dialog background
inline const QColor kDarkFace{152, 144, 117};
inline const QColor kHeadingText{128, 0, 0};
inline const QColor kLightFace{243, 238, 217};
inline const QColor kScrollBar{252, 248, 232};
inline const QColor kList{250, 244, 211};
inline const QColor kDeepShadow{123, 115, 92};
inline const QColor kPopUpLabel{82, 91, 27};
inline const QColor kDialogScrollBar{201, 194, 164};
inline const QColor kMessageBackground{230, 222, 191};
}  // namespace colors

// The four state pictures of a bitmap button.
struct ButtonPictures {
  QPixmap normal;    // btnNormal
  QPixmap up;        // btnUp: pointer over the button
  QPixmap down;      // btnDown: pressed or latched
  QPixmap disabled;  // btnDeasble
};

// What a button shows besides its caption. Plain plates carry a caption; the others carry a
// drawn sign and usually no caption.
enum class ButtonGlyph {
  None,
  // Window buttons, 15 by 15.
  Close,
  Minimize,
  Maximize,
  Restore,
  // Page turning, 33 by 26, and entry stepping, 50 by 20.
  PrevPage,
  NextPage,
  PrevEntry,
  NextEntry,
  // Auto-play panel, 20 by 20.
  First,
  Rewind,
  Play,
  Pause,
  Stop,
  Forward,
  Last,
  // Per-language buttons of the entry panes.
  Sound,
  List,
  Print,
  // Bottom command row signs.
  Lock,
  Find,
  PageList,
  Settings,
  Help,
  Back,
  Exit,
};

// The device pixel ratio the skin draws at unless told otherwise: the highest ratio of the
// screens, so a picture is never upscaled on any of them (1 without a GUI application).
qreal skinRatio();

// The four pictures of a button of the given sign and size (any size from 8 by 8 up).
ButtonPictures buttonPictures(ButtonGlyph glyph, QSize size, qreal ratio = skinRatio());
// Plain plates for captioned buttons, e.g. 50 by 20, 60 by 20, 72 by 20, 80 by 20.
inline ButtonPictures plainButtonPictures(QSize size, qreal ratio = skinRatio()) {
  return buttonPictures(ButtonGlyph::None, size, ratio);
}

// The two scroll-bar skins: arrows 15 by 15 with a 15 by 28 thumb (lists and windows; a
// horizontal bar gets a 28 by 15 thumb) and arrows 10 by 13 with a 10 by 14 thumb (entry
// panes).
enum class ScrollSkin { Standard, Pane };

struct ScrollBarPictures {
  QPixmap lineUp, lineUpDown;      // up (or left) arrow, normal and pressed
  QPixmap lineDown, lineDownDown;  // down (or right) arrow, normal and pressed
  QPixmap thumb, thumbDown;        // Begunok, BegunokDown
};
ScrollBarPictures scrollBarPictures(ScrollSkin skin, bool horizontal, qreal ratio = skinRatio());

// The track bar's thumb, 11 by 24, normal and pressed.
struct TrackBarPictures {
  QPixmap thumb, thumbDown;
};
TrackBarPictures trackBarPictures(qreal ratio = skinRatio());

// A picture of fixed pixels (read from the installation: the splash, the language frames, the
// page pictures) made ready for a screen of the given ratio: scaled smoothly to that many
// device pixels and carrying the ratio, so a label shows it at its logical size without
// repeating pixels; at ratio 1 the picture itself.
QPixmap pictureAtRatio(const QImage& picture, qreal ratio = skinRatio());

// A background picture for a skinned panel or pop-up of the given size: parchment with a
// faint grain, in `base` colour.
QPixmap panelPicture(QSize size, const QColor& base = colors::kMainBackground,
                     qreal ratio = skinRatio());

}  // namespace orvik
