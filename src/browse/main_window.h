#pragma once
// The main window: borderless, a fixed 757 by 564 client area centred on the screen, titled
// "Orvik Dictionary". It owns the browsing state; its close writes the settings and ends the
// program.

#include <QColor>
#include <QLabel>
#include <array>

#include "platform/borderless_form.h"

class TDMOrvik;

class TForm1 : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 757;
  static constexpr int kClientHeight = 564;

  // Palette slots every window uses (filled once at creation).
  enum PaletteSlot {
    MainBackground, ButtonText, Shadow, Colour3, ListHeading, Colour5, ScrollBars, ListColour,
    Colour8, PicturePopUpLabel, DialogScrollBars, PaletteSize
  };

  TForm1(TDMOrvik* data, QWidget* parent = nullptr);

  QColor paletteColour(PaletteSlot slot) const { return palette_[slot]; }
  TDMOrvik* data() const { return data_; }

  QWidget* pnlMain;
  QLabel* Phon;          // the background of the page-list and page views
  QLabel* PhonChapters;  // the background of the chapter view

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void FormClose();
  bool loadBackground(QLabel* target, const QString& file);

  TDMOrvik* data_;
  std::array<QColor, PaletteSize> palette_;
};

extern TForm1* Form1;
