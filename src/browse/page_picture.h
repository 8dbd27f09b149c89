#pragma once
// PagePicture: the page view's picture. It keeps the clean picture of the current page, draws
// the current entry's highlight over it (opaque, at the entry's start point), blinks between
// the two every 400 ms, and reads the hit map that names the entry under every 5 by 5 cell. It
// works on the main window's picture controls and the data module's page tables; the browsing
// state (the current page, the entry under the mouse, the lock) stays with the main window.
//
// Every method that reads a table may throw orvik::DbError; the main window's handlers route it
// to the database failure routine.

#include <QImage>
#include <QPoint>

class QTimer;
class QWidget;
class DataImage;
class PictureBox;
class TDMOrvik;

class PagePicture {
 public:
  static constexpr int kWidth = 325;
  static constexpr int kHeight = 490;
  static constexpr int kCell = 5;
  static constexpr int kBlinkMs = 400;

  // The controls it draws on: the picture on screen, the highlighted and clean copies the
  // blink alternates, the data-bound page picture and highlight, the picture's area, and the
  // blink timer.
  struct Controls {
    PictureBox* shown;
    PictureBox* highlighted;
    PictureBox* clean;
    DataImage* pagePicture;
    DataImage* highlight;
    QWidget* area;
    QTimer* timer;
  };

  PagePicture(TDMOrvik* data, const Controls& controls);

  // Puts the clean picture of the current row of tblPgePicture on screen (white when the page
  // has none).
  void putClean();
  // Positions tblWrdPicture on entry 1 and tblPctInfo on band 1 of a page; false when either
  // is missing.
  bool findFirstEntryAndBand(int pageCode);
  // Draws the current row of tblWrdPicture's highlight over the picture on screen.
  void highlightCurrentEntry();
  void startBlinking();
  void stopBlinking();
  // The blink timer's tick: the clean and the highlighted picture take turns.
  void tick();
  // With tblPctInfo on band 1 of `pageCode`: the entry order of the cell under `pos`; 0 for a
  // point outside the picture, a band or column the map lacks, and a band of another page.
  int hitMapEntry(int pageCode, QPoint pos);

  int blinkPhase() const { return blinkPhase_; }

 private:
  TDMOrvik* data_;
  Controls c_;
  int blinkPhase_ = 1;
};
