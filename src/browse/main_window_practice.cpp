// TForm1's side of practice on the page picture: the picture question (the pointer silenced,
// clicks and keys answering through the practice role, the focus ring), the marks on answered
// spots, the practice button and the chapter view's bars of known words.

#include <QKeyEvent>
#include <QPainter>
#include <functional>

#include "app/data_module.h"
#include "app/table_positions.h"
#include "browse/entry_panes.h"
#include "browse/main_window.h"
#include "browse/picture_box.h"
#include "controls/cursors.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_panel.h"
#include "controls/skin.h"
#include "lang/multi_lang.h"

namespace {

class NoPractice final : public PracticeRole {
 public:
  void openPractice() override {}
  void stopPractice() override {}
  void spotChosen(orvik::EntryRef) override {}
  void leaveRound() override {}
  KnownWords knownWords(int) const override { return {}; }
};

// A layer over the chapter list that draws, right of each chapter's name, how many of the
// chapter's words the learner knows: a small sunken bar filled in proportion.
class KnownWordBars final : public QWidget {
 public:
  using Paint = std::function<void(QPainter&, const QRect&)>;
  KnownWordBars(QWidget* parent, Paint paint) : QWidget(parent), paint_(std::move(paint)) {
    setObjectName(QStringLiteral("KnownWordBars"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    paint_(p, rect());
  }

 private:
  Paint paint_;
};

// The practice button's sign on the plain plate: a target with a dot in its middle.
orvik::ButtonPictures practicePictures(QSize size) {
  orvik::ButtonPictures pictures = orvik::plainButtonPictures(size);
  const auto sign = [&](QPixmap& picture, const QColor& colour, int shift) {
    if (picture.isNull()) return;
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size.width() / 2.0 + shift, size.height() / 2.0 + shift);
    p.setPen(QPen(colour, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 7, 7);
    p.drawEllipse(centre, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, 1.6, 1.6);
  };
  sign(pictures.normal, orvik::colors::kButtonText, 0);
  sign(pictures.up, orvik::colors::kHeadingText, 0);
  sign(pictures.down, orvik::colors::kHeadingText, 1);
  sign(pictures.disabled, orvik::colors::kDarkFace, 0);
  return pictures;
}

}  // namespace

PracticeRole* TForm1::practice() const {
  static NoPractice none;
  return handOver_.practice ? handOver_.practice : &none;
}

void TForm1::createPracticeControls() {
  if (btnPractice) return;
  btnPractice = new TOrvikBtn98(pnlMain);
  btnPractice->setObjectName(QStringLiteral("btnPractice"));
  btnPractice->setPictures(practicePictures(QSize(50, 20)));
  // The place of the hidden diagnostic button, between Exit and the picture's print.
  btnPractice->setGeometry(350, 506, 50, 20);
  btnPractice->setCursor(orvik::orvikCursor(orvik::O_FOREFINGER));
  btnPractice->setEnabled(!autoPlayRunning_);
  btnPractice->show();
  connect(btnPractice, &TOrvikBtn98::clicked, this, &TForm1::btnPracticeClick);

  knownBars_ = new KnownWordBars(ListBoxChapter, [this](QPainter& p, const QRect& area) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    p.setFont(font);
    const int rows = int(ListBoxChapter->Lines().size());
    constexpr int kRowHeight = 32, kBarWidth = 44, kBarHeight = 5;
    for (int row = 0; row < rows && row * kRowHeight < area.height(); ++row) {
      const PracticeRole::KnownWords words = practice()->knownWords(chapterOfRow(row + 1));
      if (words.total <= 0) continue;
      const QRect bar(area.width() - kBarWidth - 8, row * kRowHeight + kRowHeight - kBarHeight - 3,
                      kBarWidth, kBarHeight);
      p.fillRect(bar, orvik::colors::kLightFace);
      const int filled = bar.width() * std::min(words.known, words.total) / words.total;
      p.fillRect(QRect(bar.left(), bar.top(), filled, bar.height()), QColor(96, 150, 40));
      p.setPen(orvik::colors::kDeepShadow);
      p.drawRect(bar.adjusted(0, 0, -1, -1));
      // The numbers left of the bar: known, out of all.
      p.setPen(orvik::colors::kButtonText);
      p.drawText(QRect(bar.left() - 64, bar.top() - 5, 60, 14), Qt::AlignRight | Qt::AlignVCenter,
                 QStringLiteral("%1/%2").arg(words.known).arg(words.total));
    }
  });
  knownBars_->setGeometry(ListBoxChapter->rect());
  knownBars_->show();
  knownBars_->raise();

  connect(MultiLang1, &TBaseMultiLang::AfterLanguageChanged, this,
          [this](TBaseMultiLang*, quint8 index) { practiceLanguageChanged(index); });
  practiceLanguageChanged(TBaseMultiLang::currentTranslationIndex());
}

void TForm1::practiceLanguageChanged(int translationIndex) {
  // By translation index: English, Russian, French, Spanish.
  static const char* const kHints[4] = {
      "Practice on the Picture  (Ctrl+L)", "Упражнения по картинке  (Ctrl+L)",
      "S'entraîner sur l'image  (Ctrl+L)", "Practicar con la imagen  (Ctrl+L)"};
  if (btnPractice && translationIndex >= 0 && translationIndex < 4)
    btnPractice->setHintName(QString::fromUtf8(kHints[translationIndex]));
}

void TForm1::btnPracticeClick() {
  if (autoPlayRunning_) return;
  sound()->playClickSound();
  practice()->openPractice();
}

void TForm1::refreshKnownWords() {
  if (knownBars_) knownBars_->update();
}

void TForm1::beginPictureQuestion() {
  // Turning to the question's page unlocked the entry buttons: the commands rest again.
  LockCommands();
  pictureQuestion_ = true;
  if (sayInShowing()) hideSayIn();
  spotMarks_.clear();
  focusRing_ = 0;
  guard([&] { drawQuestionPicture(); });
  if (panes_) panes_->clearAll();
  emit panesCleared();
  emit entryDeselected();
  lastEntry_ = 0;
  entrySelected_ = false;
}

void TForm1::endPictureQuestion() {
  if (!pictureQuestion_) return;
  pictureQuestion_ = false;
  spotMarks_.clear();
  focusRing_ = 0;
  stopBlinking();
  UnlockCommands();
  UpdatePageButtons();
  UpdateEntryButtons();
  // The picture comes back clean; the next movement of the pointer browses again.
  if (view() == View::Page) guard([&] { putCleanPicture(); });
  lastEntry_ = -1;
  mouseLock_ = btnRegime->latched();
}

void TForm1::markSpot(orvik::EntryRef entry, const QColor& colour, bool blink) {
  if (!pictureQuestion_ || entry.pageCode != currentPageCode_) return;
  spotMarks_.append({entry, colour, blink});
  guard([&] { drawQuestionPicture(); });
}

void TForm1::showAnswer(orvik::EntryRef entry, const QColor& colour) {
  if (!pictureQuestion_ || !data_ || entry.pageCode != currentPageCode_) return;
  bool onEntry = false;
  guard(
      [&] { onEntry = orvik::positionOnEntry(data_->tblWrdPicture, entry.pageCode, entry.order); });
  if (!onEntry) return;
  SyncEntryPanes();
  lastEntry_ = entry.order;
  entrySelected_ = true;
  emit currentEntryChanged();
  markSpot(entry, colour, false);
}

orvik::EntryRef TForm1::focusedSpot() const {
  if (!pictureQuestion_ || focusRing_ <= 0) return {};
  return {currentPageCode_, focusRing_};
}

void TForm1::drawQuestionPicture() {
  stopBlinking();
  putCleanPicture();
  if (!data_) return;
  const orvik::DictionaryModel& model = data_->dictionary();
  const auto draw = [&](QPainter& p, const SpotMark& mark) {
    const orvik::EntrySpot spot = model.spot(mark.entry);
    if (!spot.highlight.isNull()) p.drawImage(spot.start, spot.highlight);
    QColor wash = mark.colour;
    wash.setAlpha(90);
    for (const QRect& cell : spot.cells) p.fillRect(cell, wash);
    p.setPen(QPen(mark.colour, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(spot.box()).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
  };
  // The steady marks belong to the picture the blink shows between its flashes.
  bool blinks = false;
  {
    QPainter p(&ImgPages->canvas());
    p.setRenderHint(QPainter::Antialiasing);
    for (const SpotMark& mark : spotMarks_)
      if (!mark.blink) draw(p, mark);
  }
  ImgSound->setPicture(ImgPages->picture());
  QPainter p(&ImgPages->canvas());
  p.setRenderHint(QPainter::Antialiasing);
  for (const SpotMark& mark : spotMarks_)
    if (mark.blink) {
      draw(p, mark);
      blinks = true;
    }
  if (focusRing_ > 0) {
    const orvik::EntrySpot spot = model.spot({currentPageCode_, focusRing_});
    const QRect box =
        spot.box().isEmpty() && !spot.cells.isEmpty() ? spot.cells.first() : spot.box();
    p.setPen(QPen(orvik::colors::kHeadingText, 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(box).adjusted(-2, -2, 2, 2), 6, 6);
  }
  p.end();
  ImgPages->update();
  if (blinks) startBlinking();
}

bool TForm1::practiceKey(QKeyEvent* event) {
  const int key = event->key();
  // The commands rest while a question stands, their keys too (no find or page list opens over
  // it, no entry is said); only the exit stays.
  if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier))
    return !(key == Qt::Key_F4 && event->modifiers() == Qt::AltModifier);
  if (key == Qt::Key_Escape) {
    practice()->leaveRound();
    return true;
  }
  if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
    if (focusRing_ > 0) practice()->spotChosen({currentPageCode_, focusRing_});
    return true;
  }
  QPoint direction;
  switch (key) {
    case Qt::Key_Left:
      direction = {-1, 0};
      break;
    case Qt::Key_Right:
      direction = {1, 0};
      break;
    case Qt::Key_Up:
      direction = {0, -1};
      break;
    case Qt::Key_Down:
      direction = {0, 1};
      break;
    default:
      return false;
  }
  if (!data_) return true;
  guard([&] {
    const orvik::DictionaryModel& model = data_->dictionary();
    const QList<orvik::EntryRef> entries = model.entriesOfPage(currentPageCode_);
    if (entries.isEmpty()) return;
    const auto centre = [&](const orvik::EntryRef& e) {
      const orvik::EntrySpot spot = model.spot(e);
      return spot.box().isEmpty() && !spot.cells.isEmpty() ? spot.cells.first().center()
                                                           : spot.box().center();
    };
    if (focusRing_ <= 0 || focusRing_ > entries.size()) {
      focusRing_ = 1;
    } else {
      // The nearest spot in the arrow's direction, a step across counting double.
      const QPoint from = centre({currentPageCode_, focusRing_});
      int best = 0;
      qint64 bestScore = 0;
      for (const orvik::EntryRef& e : entries) {
        if (e.order == focusRing_) continue;
        const QPoint d = centre(e) - from;
        const int along = d.x() * direction.x() + d.y() * direction.y();
        if (along <= 0) continue;
        const int across = std::abs(d.x() * direction.y() - d.y() * direction.x());
        const qint64 score = qint64(along) + 2LL * across;
        if (!best || score < bestScore) {
          best = e.order;
          bestScore = score;
        }
      }
      if (best) focusRing_ = best;
    }
    drawQuestionPicture();
  });
  return true;
}
