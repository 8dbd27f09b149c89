// The page picture (PagePicture: the clean picture, the highlight, the blink, the hit map) and
// the main window's operations and handlers over it: the first entry of a page, an entry from
// another window, the mouse over the picture, its buttons, the lock and the picture's print.

#include "browse/page_picture.h"

#include <QPainter>

#include "app/data_module.h"
#include "browse/data_image.h"
#include "browse/entry_panes.h"
#include "browse/hand_over.h"
#include "browse/main_window.h"
#include "browse/picture_box.h"
#include "controls/cursors.h"
#include "controls/orvik_btn98.h"
#include "platform/table.h"
#include "schema/schema.h"

namespace {
namespace schema = orvik::schema;
using orvik::schema::kPageCode;
}  // namespace

PagePicture::PagePicture(TDMOrvik* data, const Controls& controls) : data_(data), c_(controls) {}

void PagePicture::putClean() {
  QImage clean = c_.pagePicture->picture();
  if (clean.isNull()) {
    clean = QImage(kWidth, kHeight, QImage::Format_RGB32);
    clean.fill(Qt::white);
  }
  c_.shown->setPicture(clean);
  c_.clean->setPicture(clean);
}

bool PagePicture::findFirstEntryAndBand(int pageCode) {
  orvik::Table* words = data_->tblWrdPicture;
  orvik::Table* info = data_->tblPctInfo;
  words->setIndexName(schema::WrdPicture::kIndPageOrder);
  info->setIndexName(schema::PctInfo::kIndInfo);
  return words->findKey({pageCode, 1}) && info->findKey({pageCode, 1});
}

void PagePicture::highlightCurrentEntry() {
  orvik::Table* words = data_->tblWrdPicture;
  const int x = words->intValue(schema::kStartPointX);
  const int y = words->intValue(schema::kStartPointY);
  const QImage highlight = c_.highlight->picture();
  c_.highlight->setGeometry(c_.area->x() + x, c_.area->y() + y, highlight.width(),
                            highlight.height());
  if (highlight.isNull()) return;
  QPainter p(&c_.shown->canvas());
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(x, y, highlight.convertToFormat(QImage::Format_RGB32));
  p.end();
  c_.shown->update(QRect(x, y, highlight.width(), highlight.height()));
}

void PagePicture::startBlinking() {
  c_.highlighted->setPicture(c_.shown->picture());
  blinkPhase_ = 1;
  c_.timer->start(kBlinkMs);
}

void PagePicture::stopBlinking() {
  c_.timer->stop();
}

void PagePicture::tick() {
  c_.timer->setInterval(kBlinkMs);
  if (blinkPhase_ == 1) {
    c_.shown->setPicture(c_.clean->picture());
    blinkPhase_ = 0;
  } else {
    c_.shown->setPicture(c_.highlighted->picture());
    blinkPhase_ = 1;
  }
}

int PagePicture::hitMapEntry(int pageCode, QPoint pos) {
  if (pos.x() < 0 || pos.y() < 0 || pos.x() >= kWidth || pos.y() >= kHeight) return 0;
  orvik::Table* info = data_->tblPctInfo;
  const int band = pos.y() / kCell;
  if (info->moveBy(band) != band || info->intValue(kPageCode) != pageCode) return 0;
  const int column = info->fieldIndex(schema::PctInfo::columnField(pos.x() / kCell + 1));
  return column < 0 ? 0 : info->intValue(column);
}

// ---------------------------------------------------------------------------------------------
// The main window's picture operations and handlers, over the page picture.

void TForm1::putCleanPicture() {
  picture_->putClean();
}

bool TForm1::findFirstEntryAndBand() {
  return picture_->findFirstEntryAndBand(currentPageCode_);
}

void TForm1::highlightCurrentEntry() {
  picture_->highlightCurrentEntry();
}

bool TForm1::ShowPageFirstEntry() {
  if (!data_) return false;
  bool shown = false;
  guard([&] {
    putCleanPicture();
    if (!findFirstEntryAndBand()) {
      // No entry 1 or no hit map: the picture shows without highlight.
      lastEntry_ = -1;
      return;
    }
    highlightCurrentEntry();
    startBlinking();
    // The panes are brought to entry 1 by the callers: the mouse must count it as shown.
    lastEntry_ = 1;
    entrySelected_ = true;
    shown = true;
  });
  return shown;
}

void TForm1::ShowCurrentEntryOnPicture() {
  // While a picture question stands no other window shows an entry on the picture.
  if (!data_ || pictureQuestion_) return;
  guard([&] {
    stopBlinking();
    putCleanPicture();
    orvik::Table* words = data_->tblWrdPicture;
    if (words->isEmpty() || words->intValue(kPageCode) != currentPageCode_) return;
    highlightCurrentEntry();
    startBlinking();
    lastEntry_ = words->intValue(schema::kOrder);
    entrySelected_ = true;
  });
  SyncEntryPanes();
  UpdateEntryButtons();
}

void TForm1::startBlinking() {
  picture_->startBlinking();
}

void TForm1::stopBlinking() {
  picture_->stopBlinking();
}

void TForm1::Timer1Timer() {
  picture_->tick();
}

int TForm1::hitMapEntry(QPoint pos) {
  return picture_->hitMapEntry(currentPageCode_, pos);
}

void TForm1::ImgPagesMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint pos) {
  ImgPages->setCursor(
      orvik::orvikCursor(btnRegime->latched() ? orvik::O_FIXPAGE : orvik::O_HANDPOINTER));
  // A picture question stands: the pointer gives nothing away.
  if (pictureQuestion_) return;
  if (mouseLock_ || btnRegime->latched() || !data_) return;
  guard([&] {
    stopBlinking();
    putCleanPicture();
    if (!findFirstEntryAndBand()) return;
    orvik::Table* words = data_->tblWrdPicture;
    int entry = hitMapEntry(pos);
    // A map value past the page's entries names nothing.
    if (entry > words->intValue(schema::kNumberWord) || entry < 0) entry = 0;
    if (entry == 0) {
      if (panes_) panes_->clearAll();
      emit entryDeselected();
      if (entry != lastEntry_) {
        UpdateEntryButtons();
        entrySelected_ = false;
      }
      lastEntry_ = 0;
      return;
    }
    words->moveBy(entry - 1);
    highlightCurrentEntry();
    PanelForImg->update();
    mouseLock_ = false;
    if (entry != lastEntry_) {
      SyncEntryPanes();
      emit currentEntryChanged();
      if (!autoPlayRunning_) UpdateEntryButtons();
    }
    lastEntry_ = entry;
    startBlinking();
    entrySelected_ = true;
  });
}

void TForm1::ImgPagesMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint pos) {
  if (sayInShowing()) {
    hideSayIn();
    mouseLock_ = btnRegime->latched();
    return;
  }
  if (autoPlayRunning_) return;
  if (pictureQuestion_) {
    // The click answers the question with the entry the hit map names there.
    if (button == Qt::LeftButton && data_) {
      orvik::EntryRef chosen;
      guard([&] { chosen = data_->dictionary().entryAt(currentPageCode_, pos); });
      practice()->spotChosen(chosen);
    }
    return;
  }
  if (button == Qt::RightButton) {
    mouseLock_ = true;
    openSayIn(pos);
  } else if (button == Qt::LeftButton) {
    if (!sound()->clickPronunciationOn()) return;
    const auto language = data_ ? data_->settings().pronunciationLanguage() : std::nullopt;
    PronounceEntry(language.value_or(orvik::Language::English));
  }
}

void TForm1::btnRegimeClick() {
  sound()->playClickSound();
  const bool down = btnRegime->latched();
  ImgPages->setCursor(orvik::orvikCursor(down ? orvik::O_FIXPAGE : orvik::O_HANDPOINTER));
  mouseLock_ = down;
}

void TForm1::btnPrintPctClick() {
  sound()->playClickSound();
  print()->printPicture();
}
