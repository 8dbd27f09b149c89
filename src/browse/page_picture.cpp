// The page picture: the clean picture of the current page, the highlight of the current entry
// drawn over it at the entry's start point, its 400 ms blink, the hit map that names the entry
// under every 5 by 5 cell, the mouse lock and the picture's mouse buttons.

#include <QPainter>

#include "app/data_module.h"
#include "browse/data_image.h"
#include "browse/entry_panes.h"
#include "browse/main_window.h"
#include "browse/picture_box.h"
#include "browse/hand_over.h"
#include "controls/cursors.h"
#include "controls/orvik_btn98.h"
#include "platform/table.h"
#include "schema/schema.h"

namespace {
namespace schema = orvik::schema;
using orvik::schema::kPageCode;
}  // namespace

// Throws orvik::DbError.
void TForm1::putCleanPicture() {
  QImage clean = DBImgPages->picture();
  if (clean.isNull()) {
    clean = QImage(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    clean.fill(Qt::white);
  }
  cleanPicture_ = clean;
  ImgPages->setPicture(clean);
  ImgSound->setPicture(clean);
}

// Positions tblWrdPicture on entry 1 and tblPctInfo on band 1 of the current page; false when
// either is missing. Throws orvik::DbError.
bool TForm1::findFirstEntryAndBand() {
  orvik::Table* words = data_->tblWrdPicture;
  orvik::Table* info = data_->tblPctInfo;
  words->setIndexName(schema::WrdPicture::kIndPageOrder);
  info->setIndexName(schema::PctInfo::kIndInfo);
  return words->findKey({currentPageCode_, 1}) && info->findKey({currentPageCode_, 1});
}

// Draws the current entry's highlight picture over ImgPages at its start point, opaque.
// Throws orvik::DbError.
void TForm1::highlightCurrentEntry() {
  orvik::Table* words = data_->tblWrdPicture;
  const int x = words->intValue(schema::kStartPointX);
  const int y = words->intValue(schema::kStartPointY);
  const QImage highlight = DBImgPage16->picture();
  DBImgPage16->setGeometry(PanelForImg->x() + x, PanelForImg->y() + y, highlight.width(),
                           highlight.height());
  if (highlight.isNull()) return;
  QPainter p(&ImgPages->canvas());
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(x, y, highlight.convertToFormat(QImage::Format_RGB32));
  p.end();
  ImgPages->update(QRect(x, y, highlight.width(), highlight.height()));
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
  if (!data_) return;
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
  ImgTimer->setPicture(ImgPages->picture());
  blinkPhase_ = 1;
  Timer1->start(kBlinkMs);
}

void TForm1::stopBlinking() {
  Timer1->stop();
}

void TForm1::Timer1Timer() {
  Timer1->setInterval(kBlinkMs);
  if (blinkPhase_ == 1) {
    ImgPages->setPicture(ImgSound->picture());
    blinkPhase_ = 0;
  } else {
    ImgPages->setPicture(ImgTimer->picture());
    blinkPhase_ = 1;
  }
}

// With tblPctInfo on band 1 of the current page: the entry order of the cell under `pos`.
// A point outside the picture, a band or a column the map does not have, and a band that
// belongs to another page all read 0. Throws orvik::DbError.
int TForm1::hitMapEntry(QPoint pos) {
  if (pos.x() < 0 || pos.y() < 0 || pos.x() >= kPictureWidth || pos.y() >= kPictureHeight) return 0;
  orvik::Table* info = data_->tblPctInfo;
  const int band = pos.y() / kCell;
  if (info->moveBy(band) != band || info->intValue(kPageCode) != currentPageCode_) return 0;
  const int column = info->fieldIndex(schema::PctInfo::columnField(pos.x() / kCell + 1));
  return column < 0 ? 0 : info->intValue(column);
}

int TForm1::EntryAt(QPoint pos) {
  if (!data_) return 0;
  int entry = 0;
  guard([&] {
    orvik::Table* info = data_->tblPctInfo;
    info->setIndexName(schema::PctInfo::kIndInfo);
    if (info->findKey({currentPageCode_, 1})) entry = hitMapEntry(pos);
  });
  return entry;
}

void TForm1::ImgPagesMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint pos) {
  ImgPages->setCursor(
      orvik::orvikCursor(btnRegime->latched() ? orvik::O_FIXPAGE : orvik::O_HANDPOINTER));
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
  if (button == Qt::RightButton) {
    mouseLock_ = true;
    openSayIn(pos);
  } else if (button == Qt::LeftButton) {
    if (!sound()->clickPronunciationOn()) return;
    const int language = data_ ? data_->settings().value(Settings::PronunciationLanguage) : 1;
    PronounceEntry(language);
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
