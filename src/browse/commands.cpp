// TForm1's commands: the bottom row's buttons that open other windows, the key map that answers
// the keyboard for the whole program, the "Say in" pop-up's choice and the hidden diagnostic
// button.

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <optional>

#include "app/data_module.h"
#include "browse/entry_panes.h"
#include "browse/main_window.h"
#include "browse/picture_box.h"
#include "controls/cursors.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_chapter_list.h"
#include "controls/orvik_panel.h"
#include "lang/language_captions.h"
#include "schema/schema.h"

namespace {

// The language a letter key names (E, F, R, S); none for other keys.
std::optional<orvik::Language> languageOfKey(int key) {
  switch (key) {
    case Qt::Key_E:
      return orvik::Language::English;
    case Qt::Key_F:
      return orvik::Language::French;
    case Qt::Key_R:
      return orvik::Language::Russian;
    case Qt::Key_S:
      return orvik::Language::Spanish;
    default:
      return std::nullopt;
  }
}

}  // namespace

void TForm1::showListButtons() {
  // The list buttons of the shown languages whose entry-list windows are closed come back.
  if (panes_ && view() == View::Page) panes_->showControls();
}

void TForm1::btnFindClick() {
  sound()->playClickSound();
  showListButtons();
  find()->openFindChooser();
}

void TForm1::btnPageListClick() {
  sound()->playClickSound();
  pageList()->openPageListChooser();
}

void TForm1::btnAutoPlayPanelClick() {
  sound()->playClickSound();
  autoPlay()->showPanel();
}

void TForm1::btnVerifyClick() {
  if (!data_) return;
  guard([&] {
    orvik::Table* t = data_->tblWordNameEn;
    if (!t->active() || t->isEmpty()) return;
    namespace s = orvik::schema;
    lblMainCap->setText(QStringLiteral("PageCode - %1;  RecNu - %2;  SoundName - %3")
                            .arg(t->intValue(s::kPageCode))
                            .arg(t->intValue(s::kOrder))
                            .arg(t->textValue(s::kWordSound)));
  });
}

void TForm1::PopUpPctListMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
  const int line = PopUpPctList->selectedNumber();
  PopUpPct->hide();
  mouseLock_ = btnRegime->latched();
  QCursor::setPos(sayInReturn_);
  if (line < 1 || line > PopUpPctList->Lines().size()) return;
  const int language =
      orvik::LanguageOfItem(PopUpPctList->Lines().at(line - 1), orvik::shiftCaptionTable());
  if (const auto chosen = orvik::Language::fromNumber(language)) PronounceEntry(*chosen);
}

bool TForm1::FormKeyDown(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods =
      event->modifiers() & (Qt::AltModifier | Qt::ShiftModifier | Qt::ControlModifier);
  const int key = event->key();
  const auto language = languageOfKey(key);
  const bool installed = language && data_ && data_->settings().installed(*language);
  if (pictureQuestion_ && practiceKey(event)) return true;

  if (mods == Qt::AltModifier) {
    if (key == Qt::Key_Z) {
      if (view() == View::Chapters) {
        imgEyeClosed->move(255, 195);
        imgEyeClosed->setVisible(imgEyeClosed->isHidden());
      }
      return true;
    }
    if (key == Qt::Key_F4) {
      if (!autoPlayRunning_) ExitConfirm();
      return true;
    }
    if (installed) {
      sound()->playClickSound();
      showListButtons();
      pageList()->openPageList(*language);
      return true;
    }
    return false;
  }
  if (mods == Qt::NoModifier && key == Qt::Key_Escape && sayInShowing()) {
    hideSayIn();
    mouseLock_ = btnRegime->latched();
    return true;
  }
  if (mods == Qt::ShiftModifier && language) {
    if (view() == View::Page && data_ && data_->settings().hasSounds(*language))
      PronounceEntry(*language);
    return true;
  }
  if (mods == Qt::ControlModifier) {
    if (key == Qt::Key_L && handOver_.practice) {
      btnPracticeClick();
      return true;
    }
    if (key == Qt::Key_P) {
      // The focused pane's entry; without one, nothing.
      const int pane = panes_ ? panes_->focusedLanguage() : 0;
      if (const auto language = orvik::Language::fromNumber(pane)) print()->printEntry(*language);
      return true;
    }
    if (installed) {
      sound()->playClickSound();
      showListButtons();
      find()->openFind(*language);
      return true;
    }
  }
  return false;
}

// ---------------------------------------------------------------------------------------------
// The buttons other windows anchor to

const QWidget* TForm1::buttonWidget(Button button) const {
  switch (button) {
    case Button::Find:
      return btnFind;
    case Button::PageList:
      return btnPageList;
    case Button::Help:
      return btnHelp;
    case Button::SoundPage:
      return btnSoundPage;
    case Button::AutoPlayPanel:
      return btnAutoPlayPanel;
  }
  return nullptr;
}

void TForm1::pointAtButton(Button button, QPoint offset) {
  if (const QWidget* widget = buttonWidget(button)) QCursor::setPos(widget->mapToGlobal(offset));
}

const QWidget* TForm1::clientArea() const {
  return pnlMain;
}

QRect TForm1::pictureArea() const {
  return PanelForImg->geometry();
}

void TForm1::showAutoPlayButton(bool shown) {
  btnAutoPlayPanel->setVisible(shown);
}

bool TForm1::pictureLocked() const {
  return btnRegime->latched();
}

void TForm1::setPictureLocked(bool locked) {
  btnRegime->setLatched(locked);
  mouseLock_ = locked;
  ImgPages->setCursor(orvik::orvikCursor(locked ? orvik::O_FIXPAGE : orvik::O_HANDPOINTER));
}
