#pragma once
// Screen metrics the display check reads: colour depth and the width of the work area (the
// screen less docked panels). An interface so that tests can play any display.

namespace orvik {

class ScreenMetrics {
 public:
  virtual ~ScreenMetrics() = default;
  virtual int colourDepth() const = 0;    // bits per pixel of the primary screen
  virtual int workAreaWidth() const = 0;  // pixels
};

// Reads the primary screen through QGuiApplication.
class QtScreenMetrics final : public ScreenMetrics {
 public:
  int colourDepth() const override;
  int workAreaWidth() const override;
};

}  // namespace orvik
