#pragma once
// TfrmTrackAutoPlay, the auto-play panel: a small borderless window, always on top, that follows
// every entry sound of the program on its progress strip, lets the user pause, wind and resume
// it, jump to the first, last or any entry of the page, and runs auto-play: the entries after
// the current one are shown and pronounced in the auto-play language one after another, each a
// pause length after the previous sound ended, until the page's last entry.
//
// It plays the main window's auto-play role (stop, idle, show) and follows the entry sounds as
// the sound playback's Follower. It promises:
//  - while auto-play runs the main window's auto-play-running flag is set, its commands are
//    locked and btnRegime is down (the page picture's mouse lock); Stop, passing the last entry,
//    Close and another chapter end it and restore the commands and btnRegime as they were;
//  - the auto-play timer never waits on a sound that will not end: a recording that cannot be
//    played counts as one that ended at once, and a missing one ends auto-play;
//  - pausing with no sound in the player pauses the pacing only; winding moves a paused sound
//    by 100 ms within 0..length and does nothing when no sound was paused;
//  - keys pressed in the panel go to the main window's key handler.
// The media player is the program's entry-sound device (owned by the main window's sound role);
// the panel reads its mode, length and position in milliseconds.

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QTimer>

#include "browse/hand_over.h"
#include "lang/font_sets.h"
#include "platform/borderless_form.h"
#include "sound/sound_playback.h"

class TForm1;
class TfrmNumbLang;
class TOrvikBtn98;
class TOrvikBtnNav;
class TOrvikTrackBar;
class TMultiLang;
class TBaseMultiLang;
class MainWindowSound;
namespace orvik {
class WaveDevice;
}

class TfrmTrackAutoPlay : public orvik::BorderlessForm,
                          public AutoPlayRole,
                          public SoundPlayback::Follower,
                          public orvik::FontSetWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 350;
  static constexpr int kHeight = 115;
  static constexpr int kWindMs = 100;
  inline static const QColor kBackground{145, 139, 113};
  inline static const QColor kStripDone{181, 194, 21};
  inline static const QColor kStripEmpty{88, 95, 0};
  inline static const QColor kStopped{255, 255, 0};
  inline static const QColor kPlaying{0, 255, 0};

  enum class Status { Stopped, Playing, Paused };

  explicit TfrmTrackAutoPlay(QWidget* parent = nullptr);
  ~TfrmTrackAutoPlay() override;
  // The interface language's font set: the window pass.
  void applyFontSet(orvik::Language interfaceLanguage) override;

  // What the panel works with (not owned; all outlive it). The main window gives the browsing
  // state and commands; the sound role the media player and the entry sounds; the settings
  // dialog the auto-play language, the pause and whether auto-play pronounces.
  void setMainWindow(TForm1* mainWindow);
  void setSound(MainWindowSound* sound);

  // --- AutoPlayRole ---
  void stopAutoPlay() override;
  void setIdle() override;
  void showPanel() override;

  // --- SoundPlayback::Follower ---
  void clearProgress() override;
  void startTracking() override;
  void stopTracking() override;
  void setPlaying() override;
  void stopAutoPlaying() override;
  void soundUnplayable() override;

  // --- Handlers, bound by name ---
  void btnFirstClick();
  void btnLastClick();
  void btnRewClick();
  void btnFwdClick();
  void btnPlayClick();
  // Acts on the press, before the button changes its latch: down pauses, up resumes.
  void btnPauseAutoPlayMouseDown();
  void btnStopAutoPlayClick();
  void btnAutoPlayClick();
  void btnCloseClick();
  void TrackBarAutoPlayMouseUp();
  void TrackTimerTimer();
  void AutoPlayTimerTimer();
  void MultiLang1AfterLanguageChanged(TBaseMultiLang* sender, quint8 newLanguage);

  // The track bar follows the main window's current entry: range 1..NumberWord, position Order.
  void followCurrentEntry();
  // The panel belongs to the page view. Leaving it sets an open panel aside (a running
  // auto-play stops, since its page is gone); coming back brings the panel back where it
  // stood, or at its place for the main window's frame when that changed meanwhile. Coming
  // back with the panel open keeps the main window's panel button hidden.
  void pageViewLeft();
  void pageViewEntered();
  // Whether leaving the page view set the panel aside.
  bool setAside() const { return setAside_; }
  // Shows the entry at the track bar's position on the page picture and, while auto-play runs
  // unpaused, pronounces it or restarts the pacing.
  void ShowEntryAtTrackPosition();
  // Draws the progress of a sound at position p (ms) on the strip; at the end of the sound it
  // paces auto-play or goes idle.
  void ProgressUpdate(qint64 p);

  // --- State, for the hand-over and tests ---
  Status status() const { return status_; }
  qint64 savedPosition() const { return savedPos_; }
  bool regimeWasDown() const { return regimeWasDown_; }
  // The settings that shape auto-play, read from the settings dialog.
  orvik::Language autoPlayLanguage() const;
  int pauseMs() const;
  bool autoPlayPronounces() const;
  // Where the panel opens for the main window's current state (normal or maximised).
  QPoint placeFor(const QWidget* mainWindow) const;

  // --- Controls (system names) ---
  QLabel *Label1, *Label2, *Label3, *Label4;
  TOrvikBtn98* btnClose;
  TOrvikTrackBar* TrackBarAutoPlay;
  TOrvikBtn98* btnFirst;
  TOrvikBtnNav* btnRew;
  TOrvikBtn98* btnPlay;
  TOrvikBtn98* btnPauseAutoPlay;
  TOrvikBtn98* btnStopAutoPlay;
  TOrvikBtnNav* btnFwd;
  TOrvikBtn98* btnLast;
  TOrvikBtn98* btnAutoPlay;
  QLabel* Image2;  // the progress strip
  QTimer* TrackTimer;
  QTimer* AutoPlayTimer;
  TMultiLang* MultiLang1;

  // The strip's picture.
  const QImage& strip() const { return strip_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createControls();
  void applyIdleSet();
  void applyPlayingSet();
  void setWinding(bool enabled);
  void setStatus(Status status);
  void showStatus();
  void layoutTexts();
  void fillStrip(const QRect& rect, const QColor& colour);
  void clearStrip();
  // The current entry's sound in the auto-play language.
  SoundPlayback::EntrySound pronounceCurrent();
  // Pronounces the entry just shown while auto-play runs, or paces on without a sound.
  void pronounceOrPace();
  void restoreRegime();
  void lockMainWindow();
  bool running() const;
  bool paused() const;
  int interfaceLanguage() const;

  TForm1* mainWindow_ = nullptr;
  MainWindowSound* sound_ = nullptr;
  orvik::WaveDevice* player_ = nullptr;
  Status status_ = Status::Stopped;
  int language_ = 1;  // the interface language number
  qint64 savedPos_ = -1;
  bool regimeWasDown_ = false;
  QImage strip_;
  int stripRight_ = 0;  // the right end of the strip's fill as last drawn
  bool setAside_ = false;
  QRect asideMainGeometry_;  // the main window's geometry when the panel was set aside
};
