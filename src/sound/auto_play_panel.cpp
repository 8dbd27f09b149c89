#include "sound/auto_play_panel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "app/data_module.h"
#include "app/settings_file.h"
#include "browse/entry_panes.h"
#include "browse/main_window.h"
#include "browse/picture_box.h"
#include "controls/cursors.h"
#include "controls/dialog_frame.h"
#include "controls/hint_windows.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_btn_nav.h"
#include "controls/orvik_track_bar.h"
#include "controls/radio_group.h"
#include "controls/skin.h"
#include "lang/font_sets.h"
#include "lang/language_captions.h"
#include "lang/multi_lang.h"
#include "lang/settings_dialog.h"
#include "platform/table.h"
#include "platform/wave_device.h"
#include "schema/schema.h"
#include "sound/main_window_sound.h"

namespace {

namespace schema = orvik::schema;

constexpr int kStripWidth = 180;
constexpr int kStripHeight = 7;

// By language number - 1 (English, French, Russian, Spanish).
constexpr int kStatusLeft[4] = {152, 188, 174, 132};
constexpr int kLanguageNameLeft[4] = {170, 232, 206, 168};

const char* const kStatusTexts[4][3] = {
    // Playing, paused, stopped.
    {"AutoPlay ...", "Autoplay Paused", "Autoplay Stopped"},
    {"lecture ...", "suspendue", "arrêtée"},
    {"автопроигрывание ...", "пауза", "остановлено"},
    {"autoplay ...", "pausa", "stop"},
};

// The texts of the translation component, by translation index (English, Russian, French,
// Spanish).
QStringList panelWords() {
  const auto group = [](const char* key, const char* en, const char* ru, const char* fr,
                        const char* sp) {
    return QStringList{QString::fromLatin1(key), QString::fromUtf8(en), QString::fromUtf8(ru),
                       QString::fromUtf8(fr), QString::fromUtf8(sp)};
  };
  return group("Label1", "Autoplay Control Panel", "Панель автопроигрывания",
               "Control de lecture automatique", "Control de autoplay") +
         group("Label3", "Autoplay Language: ", "Язык автопроигрывания:",
               "Langue de lecture automatique:", "Idioma de autoplay:");
}

// btnAutoPlay's sign: two play triangles on the plain plate.
orvik::ButtonPictures autoPlayPictures(QSize size) {
  orvik::ButtonPictures pictures = orvik::plainButtonPictures(size);
  const auto sign = [&](QPixmap& picture, const QColor& colour, int shift) {
    if (picture.isNull()) return;
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const int cy = size.height() / 2 + shift;
    for (int x : {size.width() / 2 - 9, size.width() / 2 + 1}) {
      const QPointF tri[3] = {QPointF(x + shift, cy - 5), QPointF(x + shift + 8, cy),
                              QPointF(x + shift, cy + 5)};
      p.drawPolygon(tri, 3);
    }
  };
  sign(pictures.normal, orvik::colors::kButtonText, 0);
  sign(pictures.up, orvik::colors::kHeadingText, 0);
  sign(pictures.down, orvik::colors::kHeadingText, 1);
  sign(pictures.disabled, orvik::colors::kDarkFace, 0);
  return pictures;
}

QLabel* makeLabel(QWidget* parent, const char* name, QPoint at, const QColor& colour) {
  auto* l = new QLabel(parent);
  l->setObjectName(QString::fromLatin1(name));
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, colour);
  l->setPalette(p);
  l->move(at);
  // A press on a label is the window's own: it drags the panel.
  l->setAttribute(Qt::WA_TransparentForMouseEvents);
  return l;
}

}  // namespace

TfrmTrackAutoPlay::TfrmTrackAutoPlay(QWidget* parent)
    : orvik::BorderlessForm(parent, Kind::StayOnTopTool) {
  setObjectName(QStringLiteral("frmTrackAutoPlay"));
  setClientSize(kWidth, kHeight);
  // The whole panel drags: the window answers "caption" wherever it has no control.
  setCaptionStrip(kHeight);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kBackground);
  setPalette(pal);
  setAutoFillBackground(true);
  setFocusPolicy(Qt::StrongFocus);
  createControls();

  TrackTimer = new QTimer(this);
  TrackTimer->setObjectName(QStringLiteral("TrackTimer"));
  TrackTimer->setTimerType(Qt::PreciseTimer);
  TrackTimer->setInterval(1);
  connect(TrackTimer, &QTimer::timeout, this, &TfrmTrackAutoPlay::TrackTimerTimer);
  AutoPlayTimer = new QTimer(this);
  AutoPlayTimer->setObjectName(QStringLiteral("AutoPlayTimer"));
  AutoPlayTimer->setTimerType(Qt::PreciseTimer);
  connect(AutoPlayTimer, &QTimer::timeout, this, &TfrmTrackAutoPlay::AutoPlayTimerTimer);

  MultiLang1 = new TMultiLang(this);
  MultiLang1->setObjectName(QStringLiteral("MultiLang1"));
  MultiLang1->setLanguages(4);
  MultiLang1->setWords(panelWords());
  connect(MultiLang1, &TBaseMultiLang::AfterLanguageChanged, this,
          &TfrmTrackAutoPlay::MultiLang1AfterLanguageChanged);
  hide();
  MultiLang1->Loaded();
  applyIdleSet();
  showStatus();
}

TfrmTrackAutoPlay::~TfrmTrackAutoPlay() = default;

void TfrmTrackAutoPlay::applyFontSet(orvik::Language interfaceLanguage) {
  orvik::applyWindowPass(this, orvik::charsetOf(interfaceLanguage));
}

void TfrmTrackAutoPlay::createControls() {
  Label1 = makeLabel(this, "Label1", {14, 6}, orvik::colors::kMainBackground);
  Label2 = makeLabel(this, "Label2", {kStatusLeft[0], 6}, kStopped);
  Label3 = makeLabel(this, "Label3", {56, 90}, QColor(255, 249, 207));
  Label4 = makeLabel(this, "Label4", {kLanguageNameLeft[0], 90}, kPlaying);

  btnClose = new TOrvikBtn98(this);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  btnClose->setPictures(orvik::buttonPictures(orvik::ButtonGlyph::Close, QSize(15, 15)));
  btnClose->setGeometry(kWidth - 15 - 5, 7, 15, 15);
  connect(btnClose, &TOrvikBtn98::clicked, this, &TfrmTrackAutoPlay::btnCloseClick);

  TrackBarAutoPlay = new TOrvikTrackBar(this);
  TrackBarAutoPlay->setObjectName(QStringLiteral("TrackBarAutoPlay"));
  const orvik::TrackBarPictures thumb = orvik::trackBarPictures();
  TrackBarAutoPlay->setBegunok(thumb.thumb);
  TrackBarAutoPlay->setBegunokDown(thumb.thumbDown);
  TrackBarAutoPlay->setGeometry(10, 30, 330, 27);
  TrackBarAutoPlay->setFirstBarPos(3);
  TrackBarAutoPlay->setColor(kBackground);
  TrackBarAutoPlay->setColorTicks(orvik::colors::kMainBackground);
  TrackBarAutoPlay->setMinPos(1);
  TrackBarAutoPlay->setMaxPos(1);
  TrackBarAutoPlay->setPosition(1);
  // The panel keeps the focus, so that every key reaches the main window.
  TrackBarAutoPlay->setFocusPolicy(Qt::NoFocus);
  connect(TrackBarAutoPlay, &TOrvikTrackBar::mouseReleased, this,
          [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint) {
            if (button == Qt::LeftButton) TrackBarAutoPlayMouseUp();
          });

  const auto button = [this](TOrvikBtn98* b, const char* name, orvik::ButtonGlyph glyph, int x) {
    b->setObjectName(QString::fromLatin1(name));
    b->setPictures(orvik::buttonPictures(glyph, QSize(20, 20)));
    b->setGeometry(x, 62, 20, 20);
    b->setCursor(orvik::orvikCursor(orvik::O_FOREFINGER));
    return b;
  };
  btnFirst = button(new TOrvikBtn98(this), "btnFirst", orvik::ButtonGlyph::First, 8);
  btnRew = static_cast<TOrvikBtnNav*>(
      button(new TOrvikBtnNav(this), "btnRew", orvik::ButtonGlyph::Rewind, 30));
  btnPlay = button(new TOrvikBtn98(this), "btnPlay", orvik::ButtonGlyph::Play, 52);
  btnPauseAutoPlay =
      button(new TOrvikBtn98(this), "btnPauseAutoPlay", orvik::ButtonGlyph::Pause, 74);
  btnPauseAutoPlay->setAllowDown(true);
  btnStopAutoPlay = button(new TOrvikBtn98(this), "btnStopAutoPlay", orvik::ButtonGlyph::Stop, 96);
  btnFwd = static_cast<TOrvikBtnNav*>(
      button(new TOrvikBtnNav(this), "btnFwd", orvik::ButtonGlyph::Forward, 118));
  btnLast = button(new TOrvikBtn98(this), "btnLast", orvik::ButtonGlyph::Last, 140);
  btnAutoPlay = new TOrvikBtn98(this);
  btnAutoPlay->setObjectName(QStringLiteral("btnAutoPlay"));
  btnAutoPlay->setPictures(autoPlayPictures(QSize(40, 20)));
  btnAutoPlay->setGeometry(8, 86, 40, 20);
  btnAutoPlay->setCursor(orvik::orvikCursor(orvik::O_FOREFINGER));

  connect(btnFirst, &TOrvikBtn98::clicked, this, &TfrmTrackAutoPlay::btnFirstClick);
  connect(btnRew, &TOrvikBtn98::clicked, this, &TfrmTrackAutoPlay::btnRewClick);
  connect(btnPlay, &TOrvikBtn98::clicked, this, &TfrmTrackAutoPlay::btnPlayClick);
  connect(btnPauseAutoPlay, &TOrvikBtn98::mousePressed, this,
          [this](Qt::MouseButton b, Qt::KeyboardModifiers, QPoint) {
            if (b == Qt::LeftButton) btnPauseAutoPlayMouseDown();
          });
  connect(btnStopAutoPlay, &TOrvikBtn98::clicked, this, &TfrmTrackAutoPlay::btnStopAutoPlayClick);
  connect(btnFwd, &TOrvikBtn98::clicked, this, &TfrmTrackAutoPlay::btnFwdClick);
  connect(btnLast, &TOrvikBtn98::clicked, this, &TfrmTrackAutoPlay::btnLastClick);
  connect(btnAutoPlay, &TOrvikBtn98::clicked, this, &TfrmTrackAutoPlay::btnAutoPlayClick);

  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(164, 70, kStripWidth, kStripHeight);
  Image2->setAttribute(Qt::WA_TransparentForMouseEvents);
  // At the screen's device pixel ratio: the fill's edge moves by device pixels, not by blocks.
  const qreal ratio = orvik::skinRatio();
  strip_ = QImage(QSize(qRound(kStripWidth * ratio), qRound(kStripHeight * ratio)),
                  QImage::Format_RGB32);
  strip_.setDevicePixelRatio(ratio);
  strip_.fill(orvik::colors::kDeepShadow);
  clearStrip();
}

// ---------------------------------------------------------------------------------------------
// Wiring and state

void TfrmTrackAutoPlay::setMainWindow(TForm1* mainWindow) {
  if (mainWindow_) mainWindow_->removeEventFilter(this);
  mainWindow_ = mainWindow;
  // Maximising and restoring move the picture the panel stands over.
  if (mainWindow_) mainWindow_->installEventFilter(this);
}

bool TfrmTrackAutoPlay::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mainWindow_ && isVisible() &&
      (event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange)) {
    // Once the frame has settled: its central panel moves after the window's new size.
    QTimer::singleShot(0, this, [this] {
      if (mainWindow_ && isVisible()) move(placeFor(mainWindow_));
    });
  }
  return orvik::BorderlessForm::eventFilter(watched, event);
}

void TfrmTrackAutoPlay::pageViewLeft() {
  if (!isVisible()) return;
  stopAutoPlay();
  if (sound_) sound_->stopEntrySound();
  applyIdleSet();
  setAside_ = true;
  asideMainGeometry_ = mainWindow_ ? mainWindow_->geometry() : QRect();
  hide();
}

void TfrmTrackAutoPlay::pageViewEntered() {
  if (setAside_) {
    setAside_ = false;
    if (mainWindow_) {
      mainWindow_->showAutoPlayButton(false);
      if (mainWindow_->geometry() != asideMainGeometry_) move(placeFor(mainWindow_));
    }
    show();
  } else if (isVisible() && mainWindow_) {
    mainWindow_->showAutoPlayButton(false);
  }
}

void TfrmTrackAutoPlay::setSound(MainWindowSound* sound) {
  sound_ = sound;
  player_ = sound ? sound->entryPlayer() : nullptr;
}

bool TfrmTrackAutoPlay::running() const {
  return mainWindow_ && mainWindow_->autoPlayRunning();
}

bool TfrmTrackAutoPlay::paused() const {
  return btnPauseAutoPlay->latched();
}

int TfrmTrackAutoPlay::interfaceLanguage() const {
  return language_;
}

orvik::Language TfrmTrackAutoPlay::autoPlayLanguage() const {
  const auto language = mainWindow_ && mainWindow_->data()
                            ? mainWindow_->data()->settings().autoPlayLanguage()
                            : std::nullopt;
  return language.value_or(orvik::Language::English);
}

int TfrmTrackAutoPlay::pauseMs() const {
  int seconds = 1;
  if (mainWindow_ && mainWindow_->data())
    seconds = mainWindow_->data()->settings().value(Settings::AutoPlayPause);
  return std::clamp(seconds, 1, 10) * 1000;
}

bool TfrmTrackAutoPlay::autoPlayPronounces() const {
  // With one sound language the settings dialog's check box says whether auto-play speaks.
  return !mainWindow_ || !mainWindow_->data() ||
         mainWindow_->data()->settings().autoPlayPronounces();
}

QPoint TfrmTrackAutoPlay::placeFor(const QWidget* mainWindow) const {
  const auto* form = qobject_cast<const TForm1*>(mainWindow);
  if (!form) return pos();
  const int pictureLeft = form->pictureArea().x();
  if (form->isMaximized()) {
    const QWidget* client = form->clientArea();
    const QPoint main = client->mapToGlobal(QPoint(0, 0));
    return {main.x() + pictureLeft - 5, main.y() + client->height() - kHeight - 29};
  }
  const QRect frame = form->frameGeometry();
  return {frame.left() + pictureLeft - 5, frame.top() + frame.height() - kHeight - 33};
}

// ---------------------------------------------------------------------------------------------
// Button sets, status and strip

void TfrmTrackAutoPlay::applyIdleSet() {
  btnPlay->setEnabled(true);
  btnAutoPlay->setEnabled(true);
  btnStopAutoPlay->setEnabled(false);
  btnPauseAutoPlay->setEnabled(false);
  btnRew->setEnabled(false);
  btnFwd->setEnabled(false);
}

void TfrmTrackAutoPlay::applyPlayingSet() {
  btnStopAutoPlay->setEnabled(true);
  btnPauseAutoPlay->setEnabled(true);
  btnPauseAutoPlay->setLatched(false);
  btnRew->setEnabled(false);
  btnFwd->setEnabled(false);
  btnPlay->setEnabled(false);
  btnAutoPlay->setEnabled(false);
}

void TfrmTrackAutoPlay::setWinding(bool enabled) {
  btnRew->setEnabled(enabled);
  btnFwd->setEnabled(enabled);
}

void TfrmTrackAutoPlay::setStatus(Status status) {
  status_ = status;
  showStatus();
}

void TfrmTrackAutoPlay::showStatus() {
  const int language = interfaceLanguage();
  const int which = status_ == Status::Playing ? 0 : status_ == Status::Paused ? 1 : 2;
  Label2->setText(QString::fromUtf8(kStatusTexts[language - 1][which]));
  QPalette p = Label2->palette();
  p.setColor(QPalette::WindowText, status_ == Status::Playing ? kPlaying : kStopped);
  Label2->setPalette(p);
  Label2->adjustSize();
  layoutTexts();
}

void TfrmTrackAutoPlay::layoutTexts() {
  // The status and the language name stand at their places for the interface language, moved
  // right of the title and of "Autoplay Language" where those run longer in the faces we have,
  // and the pair's font made smaller where it still would not fit beside the close button.
  const int language = interfaceLanguage();
  const auto fitPair = [](QLabel* first, QLabel* second, int secondLeft, int right) {
    for (QLabel* l : {first, second}) {
      // Each time from the designed size, which a smaller interface language may not need.
      const orvik::FontSpec font = orvik::fontSpecOf(l);
      if (font.cellHeight > 0) l->setFont(orvik::makeFont(font));
      l->adjustSize();
    }
    while (true) {
      const int left = std::max(secondLeft, first->geometry().right() + 6);
      second->move(left, second->y());
      if (second->geometry().right() <= right || first->font().pixelSize() <= 9) break;
      for (QLabel* l : {first, second}) {
        QFont f = l->font();
        f.setPixelSize(f.pixelSize() - 1);
        l->setFont(f);
        l->adjustSize();
      }
    }
  };
  fitPair(Label1, Label2, kStatusLeft[language - 1], btnClose->x() - 4);
  fitPair(Label3, Label4, kLanguageNameLeft[language - 1], kWidth - 6);
}

void TfrmTrackAutoPlay::fillStrip(const QRect& rect, const QColor& colour) {
  QPainter p(&strip_);
  p.fillRect(rect, colour);
  p.end();
  Image2->setPixmap(QPixmap::fromImage(strip_));
}

void TfrmTrackAutoPlay::clearStrip() {
  stripRight_ = 0;
  // The inside of the strip, leaving its one-pixel rim.
  fillStrip(QRect(QPoint(1, 1), QPoint(kStripWidth - 3, kStripHeight - 3)), kStripEmpty);
}

// ---------------------------------------------------------------------------------------------
// The main window's role

void TfrmTrackAutoPlay::stopAutoPlay() {
  // A timer still running after a missing recording ended auto-play is stopped here too.
  if (running() || AutoPlayTimer->isActive()) btnStopAutoPlayClick();
}

void TfrmTrackAutoPlay::setIdle() {
  applyIdleSet();
}

void TfrmTrackAutoPlay::showPanel() {
  if (mainWindow_) {
    mainWindow_->showAutoPlayButton(false);
    move(placeFor(mainWindow_));
  }
  // A stay-on-top tool window: it comes up over the main window by itself.
  show();
}

void TfrmTrackAutoPlay::showEvent(QShowEvent* event) {
  orvik::BorderlessForm::showEvent(event);
  setFixedSize(kWidth, kHeight);
  btnClose->move(width() - btnClose->width() - 5, 7);
  followCurrentEntry();
}

void TfrmTrackAutoPlay::followCurrentEntry() {
  const QString name = orvik::languageNameTable()[autoPlayLanguage().number() - 1]
                                                 [TBaseMultiLang::interfaceLanguage().number() - 1];
  if (Label4->text() != name) {
    Label4->setText(name);
    layoutTexts();
  }
  if (!mainWindow_ || !mainWindow_->data()) return;
  const orvik::EntryRef entry = mainWindow_->currentEntry();
  int count = 0;
  mainWindow_->data()->guarded(
      [&] { count = mainWindow_->data()->dictionary().entryCount(entry.pageCode); });
  const int order = entry.order;
  if (count < 1 || order < 1) return;
  TrackBarAutoPlay->setMaxPos(count);
  TrackBarAutoPlay->setPosition(std::min(order, count));
}

// ---------------------------------------------------------------------------------------------
// Following the entry sounds

void TfrmTrackAutoPlay::clearProgress() {
  clearStrip();
}

void TfrmTrackAutoPlay::startTracking() {
  TrackTimer->start();
}

void TfrmTrackAutoPlay::stopTracking() {
  TrackTimer->stop();
}

void TfrmTrackAutoPlay::setPlaying() {
  applyPlayingSet();
}

void TfrmTrackAutoPlay::stopAutoPlaying() {
  // The pacing sees the cleared flag at its next tick and unlocks the main window.
  if (mainWindow_) mainWindow_->setAutoPlayRunning(false);
}

void TfrmTrackAutoPlay::soundUnplayable() {
  // As if the sound had ended at once.
  clearStrip();
  TrackTimer->stop();
  if (running() && !paused()) {
    AutoPlayTimer->setInterval(pauseMs());
    AutoPlayTimer->start();
  } else if (!running()) {
    applyIdleSet();
  }
}

void TfrmTrackAutoPlay::TrackTimerTimer() {
  if (!player_ || !player_->isOpen()) {
    TrackTimer->stop();
    return;
  }
  const qint64 p = player_->position();
  ProgressUpdate(p);
  // A sound stopped short of its end by someone else has nothing more to follow.
  if (TrackTimer->isActive() && player_->mode() != orvik::WaveMode::Playing) TrackTimer->stop();
}

void TfrmTrackAutoPlay::ProgressUpdate(qint64 p) {
  const qint64 length = player_ ? player_->length() : 0;
  if (length <= 0) return;
  qint64 w = p * (kStripWidth - 2) / length;
  if (w <= 0) w = 1;
  const int right = int(std::min<qint64>(kStripWidth - 1, w));
  // The track timer ticks every millisecond; the strip changes only when its fill grows.
  if (right != stripRight_) {
    fillStrip(QRect(QPoint(1, 1), QPoint(right - 1, kStripHeight - 3)), kStripDone);
    stripRight_ = right;
  }
  if (p == 0) clearStrip();
  if (p < length) return;
  // The sound has ended.
  if (!paused()) {
    clearStrip();
    if (running()) {
      AutoPlayTimer->setInterval(pauseMs());
      AutoPlayTimer->start();
    } else {
      applyIdleSet();
    }
  }
  TrackTimer->stop();
}

// ---------------------------------------------------------------------------------------------
// Auto-play

SoundPlayback::EntrySound TfrmTrackAutoPlay::pronounceCurrent() {
  if (!sound_ || !sound_->playback()) return SoundPlayback::EntrySound::NoTable;
  if (!mainWindow_) return SoundPlayback::EntrySound::NoTable;
  return sound_->playback()->playEntry(mainWindow_->currentEntry(), autoPlayLanguage());
}

void TfrmTrackAutoPlay::lockMainWindow() {
  // Stepping through the entries sets the entry buttons again; the lock must hold meanwhile.
  if (running()) mainWindow_->LockCommands();
}

void TfrmTrackAutoPlay::restoreRegime() {
  if (!mainWindow_) return;
  mainWindow_->setPictureLocked(regimeWasDown_);
}

void TfrmTrackAutoPlay::btnAutoPlayClick() {
  if (!mainWindow_) return;
  setStatus(Status::Playing);
  mainWindow_->setAutoPlayRunning(true);
  applyPlayingSet();
  savedPos_ = -1;
  regimeWasDown_ = mainWindow_->pictureLocked();
  if (!regimeWasDown_) mainWindow_->setPictureLocked(true);
  // The first step moves on from the entry on screen.
  mainWindow_->setEntrySelected(true);
  mainWindow_->LockCommands();
  AutoPlayTimer->setInterval(100);
  AutoPlayTimer->start();
}

void TfrmTrackAutoPlay::AutoPlayTimerTimer() {
  if (!mainWindow_ || !mainWindow_->data()) {
    AutoPlayTimer->stop();
    return;
  }
  const int pause = pauseMs();
  const int before = mainWindow_->currentEntry().order;
  if (before <= 0) return;
  if (!running()) {
    // A missing recording ended auto-play: give the main window back and stop pacing.
    btnStopAutoPlayClick();
    return;
  }
  mainWindow_->btnNextWordClick();
  lockMainWindow();
  const int after = mainWindow_->currentEntry().order;
  if (after > 0 && after != before) {
    qint64 length = 0;
    if (autoPlayPronounces() && pronounceCurrent() == SoundPlayback::EntrySound::Played && player_)
      length = player_->length();
    // After a missing recording the next tick finds auto-play ended and stops.
    AutoPlayTimer->setInterval(int(pause + length));
    AutoPlayTimer->start();
    return;
  }
  // The page's last entry was passed: it stays current, blinking.
  mainWindow_->startBlinking();
  btnStopAutoPlayClick();
}

void TfrmTrackAutoPlay::btnStopAutoPlayClick() {
  TrackTimer->stop();
  AutoPlayTimer->stop();
  setStatus(Status::Stopped);
  if (player_) player_->stop();
  if (mainWindow_) mainWindow_->setAutoPlayRunning(false);
  clearStrip();
  applyIdleSet();
  if (!mainWindow_) return;
  mainWindow_->UnlockCommands();
  mainWindow_->UpdateEntryButtons();
  restoreRegime();
}

void TfrmTrackAutoPlay::btnPauseAutoPlayMouseDown() {
  if (!btnPauseAutoPlay->isEnabled()) return;
  if (!paused()) {
    // Going down: pause.
    if (running()) setStatus(Status::Paused);
    setWinding(true);
    TrackTimer->stop();
    // With no sound in the player (auto-play without pronunciation) only the pacing pauses.
    if (player_ && player_->isOpen()) {
      player_->pause();
      savedPos_ = player_->position();
      player_->stop();
    } else {
      savedPos_ = -1;
    }
    AutoPlayTimer->stop();
    return;
  }
  // Coming up: resume.
  if (running()) setStatus(Status::Playing);
  setWinding(false);
  if (savedPos_ != -1 && player_ && player_->isOpen()) {
    player_->play(savedPos_);
    TrackTimer->start();
  } else if (running()) {
    if (!autoPlayPronounces())
      AutoPlayTimer->start();
    else
      pronounceCurrent();
  } else {
    applyIdleSet();
  }
}

void TfrmTrackAutoPlay::btnFwdClick() {
  if (!paused() || savedPos_ < 0 || !player_) return;
  savedPos_ = std::min(savedPos_ + kWindMs, player_->length());
  ProgressUpdate(savedPos_);
}

void TfrmTrackAutoPlay::btnRewClick() {
  if (!paused() || savedPos_ < 0 || !player_) return;
  clearStrip();
  savedPos_ = std::max<qint64>(savedPos_ - kWindMs, 0);
  ProgressUpdate(savedPos_);
}

void TfrmTrackAutoPlay::btnFirstClick() {
  if (sound_) sound_->stopEntrySound();
  savedPos_ = -1;
  if (!running()) applyIdleSet();
  TrackBarAutoPlay->setPosition(TrackBarAutoPlay->MinPos());
  ShowEntryAtTrackPosition();
}

void TfrmTrackAutoPlay::btnLastClick() {
  if (sound_) sound_->stopEntrySound();
  savedPos_ = -1;
  if (!running()) applyIdleSet();
  TrackBarAutoPlay->setPosition(TrackBarAutoPlay->MaxPos());
  ShowEntryAtTrackPosition();
}

void TfrmTrackAutoPlay::TrackBarAutoPlayMouseUp() {
  if (sound_) sound_->stopEntrySound();
  savedPos_ = -1;
  if (!running()) applyIdleSet();
  ShowEntryAtTrackPosition();
}

void TfrmTrackAutoPlay::ShowEntryAtTrackPosition() {
  if (!mainWindow_ || !mainWindow_->data()) return;
  if (!mainWindow_->showEntry({mainWindow_->currentPageCode(), TrackBarAutoPlay->Position()}))
    return;
  mainWindow_->setMouseLock(false);
  lockMainWindow();
  if (running() && !paused()) pronounceOrPace();
}

void TfrmTrackAutoPlay::pronounceOrPace() {
  AutoPlayTimer->stop();
  if (autoPlayPronounces())
    pronounceCurrent();
  else
    AutoPlayTimer->start();
}

void TfrmTrackAutoPlay::btnPlayClick() {
  if (mainWindow_) {
    bool empty = false;
    for (orvik::Language language : orvik::Language::all())
      if (mainWindow_->paneShown(language) && !mainWindow_->paneHasText(language)) empty = true;
    if (empty) ShowEntryAtTrackPosition();
    regimeWasDown_ = mainWindow_->pictureLocked();
  }
  applyPlayingSet();
  pronounceCurrent();
}

void TfrmTrackAutoPlay::btnCloseClick() {
  if (running())
    btnStopAutoPlayClick();
  else if (sound_)
    sound_->stopEntrySound();
  applyIdleSet();
  setAside_ = false;
  hide();
  if (mainWindow_) mainWindow_->showAutoPlayButton(true);
}

// ---------------------------------------------------------------------------------------------
// Window

void TfrmTrackAutoPlay::closeEvent(QCloseEvent* event) {
  // The window system's close (Alt+F4 on the panel) is swallowed while auto-play runs, as on
  // the main window; otherwise it closes the panel as its close button does.
  if (running()) {
    event->ignore();
    return;
  }
  event->accept();
  if (sound_) sound_->stopEntrySound();
  applyIdleSet();
  if (mainWindow_) mainWindow_->showAutoPlayButton(true);
}

void TfrmTrackAutoPlay::keyPressEvent(QKeyEvent* event) {
  // The main window's keys work while the panel has the focus.
  if (mainWindow_) {
    QCoreApplication::sendEvent(mainWindow_, event);
    return;
  }
  orvik::BorderlessForm::keyPressEvent(event);
}

void TfrmTrackAutoPlay::keyReleaseEvent(QKeyEvent* event) {
  if (mainWindow_) {
    QCoreApplication::sendEvent(mainWindow_, event);
    return;
  }
  orvik::BorderlessForm::keyReleaseEvent(event);
}

void TfrmTrackAutoPlay::paintEvent(QPaintEvent* event) {
  orvik::BorderlessForm::paintEvent(event);
  QPainter painter(this);
  orvik::paintDialogFrame(painter, height(), width());
}

void TfrmTrackAutoPlay::MultiLang1AfterLanguageChanged(TBaseMultiLang*, quint8 newLanguage) {
  const int language = orvik::languageNumberOfIndex(newLanguage);
  if (language < 1 || language > 4) return;
  // The registry records the new language only after every window has switched.
  language_ = language;
  const int charset = orvik::charsetOfLanguageNumber(language);
  for (QLabel* l : {Label1, Label2, Label3, Label4})
    orvik::applyFont(l, orvik::timesBoldSpec(16, charset));
  struct Hint {
    TOrvikBtn98* button;
    const char* text[4];  // English, French, Russian, Spanish
  };
  const Hint hints[] = {
      {btnFirst, {"First Entry", "Première entrée", "Первая статья", "Primera entrada"}},
      {btnRew, {"Backwards", "En arrière", "Назад", "Atrás"}},
      {btnPlay, {"Play Entry", "Écouter l'entrée", "Воспроизвести статью", "Escuchar la entrada"}},
      {btnPauseAutoPlay, {"Pause Autoplay", "Pause", "Пауза", "Pausa"}},
      {btnStopAutoPlay, {"Stop Autoplay", "Arrêt", "Стоп", "Detener"}},
      {btnFwd, {"Forward", "En avant", "Вперёд", "Adelante"}},
      {btnLast, {"Last Entry", "Dernière entrée", "Последняя статья", "Última entrada"}},
      {btnAutoPlay,
       {"Autoplay", "Lecture automatique", "Автопроигрывание", "Reproducción automática"}},
  };
  for (const Hint& h : hints) {
    orvik::applyFont(h.button, orvik::timesBoldSpec(16, charset));
    h.button->setHintName(QString::fromUtf8(h.text[language - 1]));
    orvik::applyFont(h.button->hintWindow(), orvik::arialSpec(14, charset));
  }
  showStatus();
}
