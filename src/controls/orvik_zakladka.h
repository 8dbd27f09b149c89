#pragma once
// TOrvikZakladka: the main window's vertical strip of fifteen chapter tabs, drawn entirely
// from pictures: a background with all tabs at rest, a hover picture per tab and a taller
// selected picture per tab. Tab i occupies the 32-pixel band from y = (i - 1) * 32 and stands
// for chapter i. Moving the pointer highlights the tab under it and reports it; pressing a
// tab selects it; the click that follows opens the chapter (the owner's business).
// It promises:
//  - a move within one tab reports nothing after the first move into it;
//  - the selected tab keeps its selected look while hovered, and its three overhanging
//    pixels survive the restoring of the band below it;
//  - with the sticky flag set, leaving the strip changes nothing (the hint still goes when
//    its two-second timer runs out);
//  - the chapter-name hint shows beside the tab only while the owner allows it and only when
//    the owner listens to OnHighlightedChange;
//  - reached by Tab, Up, Down, Home and End move the highlight from tab to tab as the pointer
//    would (with the same events), and Enter, Return or Space select the highlighted tab and
//    click it.
// The drawing steps paint onto the strip's own surface; a repaint (Refresh) rebuilds that
// surface from MainPicture and the selected tab, dropping the hover look.

#include <QPixmap>
#include <QString>
#include <QWidget>

class QImage;
class QTimer;
class TOrvikHintWindow;
namespace orvik {
struct TabStripPictures;
}

class TOrvikZakladka : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString ChapterName READ ChapterName WRITE setChapterName)

 public:
  explicit TOrvikZakladka(QWidget* parent = nullptr);
  ~TOrvikZakladka() override;

  // Background with all tabs at rest; a change repaints the strip.
  QPixmap MainPicture() const { return main_; }
  void setMainPicture(const QPixmap& picture);
  // Hover look of tab i (1 to 15).
  QPixmap chap(int i) const;
  void setChap(int i, const QPixmap& picture);
  // Selected look of tab i (1 to 15).
  QPixmap chapSel(int i) const;
  void setChapSel(int i, const QPixmap& picture);
  // All 31 pictures at once (the program's are orvik::tabStripPictures()).
  void setPictures(const orvik::TabStripPictures& pictures);

  // Text of the hint; a different value repaints the hint window and fires OnChapterName.
  QString ChapterName() const { return chapterName_; }
  void setChapterName(const QString& name);

  // Set by the owner on every highlight change: true only while it wants chapter names.
  bool hintAllowed = false;
  // While set, the pointer leaving the strip changes nothing.
  bool sticky = false;

  // Tab states: 0 none; the selected tab starts at -1 (none).
  int pointerTab() const { return pointer_; }
  int highlightedTab() const { return highlighted_; }
  int selectedTab() const { return selected_; }
  int lastSelectedTab() const { return lastSelected_; }

  // Restores the last selected tab's 35-pixel area; selected := 0.
  void clearSelection();
  // Restores the highlighted tab's 32-pixel area; highlighted := 0.
  void clearHighlight();
  // Selects tab k directly and draws it (nothing drawn for k outside 1 to 15).
  void setSelectedTab(int k);
  // Shows tab k highlighted, as a pointer movement onto it would (no events fire).
  void highlightTab(int k);
  // Rebuilds the strip's surface from MainPicture and the selected tab and repaints.
  void Refresh();

  // The hint window (owned) and its hide timer (null before the first hint).
  TOrvikHintWindow* hintWindow() const { return hint_; }
  QTimer* hintHideTimer() const { return hideTimer_; }
  // What the hide timer's tick does: hide the hint window and stop the timer.
  void hideHintNow();

  // The strip's current surface (what it shows over its parent), at the strip's device pixel
  // ratio: pixel (x, y) of a 1x surface is logical point (x, y).
  const QImage& surface() const;

  // Top of tab i's band.
  static int tabTop(int i) { return (i - 1) * 32; }
  // The tab a pointer at y answers for (may be 16 below the fifteenth tab).
  static int tabAt(int y) { return y / 32 + 1; }

 signals:
  void OnChapterName();
  void OnSelectedChange();
  void OnHighlightedChange();
  void clicked();
  void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The pointer (or the keyboard) arrives at tab k: the events and the highlight of a move.
  void pointAt(int k);
  void restoreArea(int tab, int height);
  void drawPicture(int tab, const QPixmap& picture);
  void highlightStep(int k);
  void selectedStep(int k);
  void hintStep();
  static bool isTab(int i) { return i >= 1 && i <= 15; }

  QPixmap main_;
  QPixmap chap_[15];
  QPixmap chapSel_[15];
  QString chapterName_;
  QImage* surface_;
  int pointer_ = 0;
  int highlighted_ = 0;
  int selected_ = -1;
  int lastSelected_ = 0;
  bool pressedOnTab_ = false;
  bool focusChosen_ = false;
  TOrvikHintWindow* hint_ = nullptr;
  QTimer* hideTimer_ = nullptr;
};
