#pragma once
// Screen metrics the display check reads: colour depth and the width of the work area (the
// screen less docked panels). An interface so that tests can play any display.

namespace orvik {

class ScreenMetrics {
 public:
  virtual ~ScreenMetrics() = default;
  virtual int colourDepth() const = 0;  // bits per pixel of the primary screen
  // Logical pixels: on a screen of device pixel ratio 2 a work area 3072 device pixels wide
  // measures 1536, the room the program's windows (laid out in logical pixels) have.
  virtual int workAreaWidth() const = 0;
};

// Reads the primary screen through QGuiApplication.
class QtScreenMetrics final : public ScreenMetrics {
 public:
  int colourDepth() const override;
  int workAreaWidth() const override;
};

}  // namespace orvik
