#pragma once
// TfrmNumbLang, the settings dialog: which installed languages are shown side by side, the
// interface language, the languages pronounced on a click and by auto-play, the auto-play
// pause, the sound effects and the entry-pane font size. TMsgChecked is the small message it
// brings up when the user unchecks the last shown language.
//
// The dialog knows nothing of the settings file or the main window: whoever creates it hands
// it the installation (set-up) and the hooks through which OK, closing and the click sound
// reach the rest of the program. It promises:
//  - at least one language box stays checked: unchecking the last one shows TMsgChecked and
//    checks the box again;
//  - only installed languages get a visible box and name, placed in slot order;
//  - every closing (OK, Cancel or otherwise) calls the store hook once;
//  - OK with every control at the value it had when the dialog was shown only closes;
//  - Cancel brings every control back to the value it had when the dialog was shown;
//  - in every interface language each text fits its control and its column of the window:
//    where the design's room is too small, a button widens, a number scale or a text takes a
//    smaller size of its font, and the design's places and sizes hold wherever the text fits.

#include <QImage>
#include <QLabel>
#include <array>
#include <functional>

#include "lang/font_sets.h"
#include "platform/borderless_form.h"

class QCheckBox;
class TMultiLang;
class TOrvikBtn98;
class TOrvikTrackBar;
class TRadioGroup;

class TMsgChecked;

class TfrmNumbLang : public orvik::BorderlessForm, public orvik::FontSetWindow {
  Q_OBJECT

 public:
  static constexpr int kWidth = 497;
  static constexpr int kHeight = 300;

  // What the dialog learns of the installation when it is set up.
  struct Installation {
    // Four places of language slots (0 En, 1 Fr, 5 Ru, 6 Sp), -1 for an empty place.
    std::array<int, 4> installed{-1, -1, -1, -1};
    std::array<int, 4> sounds{-1, -1, -1, -1};
    // The stored interface language number (1 to 4); other values apply no font set.
    int interfaceLanguage = 1;
    // The language-frame picture for a number of installed languages (1 to 4).
    std::function<QImage(int count)> framePicture;
  };

  // What the dialog asks of the program (the settings binding answers).
  class Owner {
   public:
    virtual ~Owner() = default;
    // The click sound; asked only while chBoxSound is checked.
    virtual void clickSound() = 0;
    // Stores the controls in the settings and writes the file.
    virtual void store() = 0;
    // OK with a change, in this order: the shown languages from the language boxes; the fonts
    // of all windows, then their texts; the panes laid out again; their font size; the open
    // entry lists and the auto-play range and position.
    virtual void rebuildShownLanguages() = 0;
    virtual void switchInterface(int languageNumber) = 0;
    virtual void relayoutPanes() = 0;
    virtual void setPaneFontSize(int pointSize) = 0;
    virtual void refreshEntryViews() = 0;
  };

  explicit TfrmNumbLang(QWidget* parent = nullptr);
  // The interface language's font set: the window pass.
  void applyFontSet(orvik::Language interfaceLanguage) override;

  // Set-up at creation: language rows and frame picture, the radio groups filled and relabelled
  // into the stored interface language, the single-language check boxes in place of the
  // pronunciation and auto-play groups when only one language has sounds, and the fonts of the
  // interface language. The settings themselves come in through the controls afterwards.
  void setUp(const Installation& installation);
  // Who answers the dialog (not owned; null: nobody) and the message shown when the last
  // language box is unchecked.
  void setOwner(Owner* owner) { owner_ = owner; }
  void setCheckedMessage(TMsgChecked* message) { checkedMessage_ = message; }
  const Installation& installation() const { return installation_; }

  // Places the dialog by the main window (and its central panel when maximised), takes the
  // snapshot and shows it modally.
  void execute(QWidget* mainWindow, const QWidget* mainPanel);

  // Sets a language box as a user click would, running its click handler.
  void setLanguageBox(QCheckBox* box, bool checked);
  // The language boxes in the order English, French, Russian, Spanish.
  std::array<QCheckBox*, 4> languageBoxes() const { return {chBoxEn, chBoxFr, chBoxRu, chBoxSp}; }
  // The language number of a radio group's selected item; -1 when none is selected or the
  // item names no language.
  static int selectedLanguage(const TRadioGroup* group);
  // Selects the item naming `languageNumber` in the interface-language group (over the
  // installed languages) or a sound-language group (over the sound languages).
  void selectInterfaceLanguage(int languageNumber);
  void selectSoundLanguage(TRadioGroup* group, int languageNumber);

  // True when the interface language is one of the sound languages.
  bool InterfaceLanguageHasSound() const;
  // The language box that was last the only checked one.
  QCheckBox* lastBox() const { return lastBox_; }

  QLabel* Image1;
  QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7;
  QLabel* imgNumbLangs;
  QCheckBox *chBoxEn, *chBoxFr, *chBoxRu, *chBoxSp;
  QLabel *lblEn, *lblFr, *lblRu, *lblSp;
  TOrvikTrackBar* TrackBarFonts;
  QLabel* lblFontSizeNumbers;
  TRadioGroup *RadioGroup1, *RadioGroup2, *RadioGroup3;
  QCheckBox *chBoxOnClick, *chBoxAuto;
  TOrvikTrackBar* TrackBarPause;
  QLabel* lblPauseNumbers;
  QCheckBox* chBoxSound;
  TOrvikBtn98 *btnOK, *btnCancel;
  TMultiLang* MultiLang1;

  void chBoxLanguageClick(QCheckBox* box);
  void btnOKClick();
  void btnCancelClick();
  void MultiLang1AfterLanguageChanged(quint8 newLanguage);

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  struct Snapshot {
    std::array<bool, 4> boxes{};
    std::array<int, 3> languages{};
    int fonts = 0, pause = 0;
    bool sound = false, onClick = false, autoPlay = false;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot current() const;
  // The constructor's steps, in order.
  void buildBackground();
  void buildLanguageRows();
  void buildFontSize();
  void buildSoundChoices();
  void buildButtons();
  void buildTranslations();
  void singleLanguageCaptions();
  void relabel(int languageNumber);
  // Gives every text of the interface language room within the fixed window (see the source).
  void fitTexts();

  Installation installation_;
  Owner* owner_ = nullptr;
  TMsgChecked* checkedMessage_ = nullptr;
  Snapshot snapshot_;
  QCheckBox* lastBox_ = nullptr;
  QWidget* mainWindow_ = nullptr;
  bool storing_ = false;
};

// The message shown when the last shown language is unchecked, in the language of the settings
// dialog's active translation index, centred on the main window and raised by 20 pixels.
class TMsgChecked : public orvik::BorderlessForm {
  Q_OBJECT

 public:
  static constexpr int kWidth = 210;
  static constexpr int kHeight = 103;

  explicit TMsgChecked(QWidget* parent = nullptr);

  // Sets fonts and texts for the translation index (0 to 3) and places the message by the
  // main window (where it is when null), without showing it.
  void prepare(int translationIndex, const QWidget* mainWindow);
  // prepare(), then shows the message modally until btnOk closes it.
  void execute(int translationIndex, const QWidget* mainWindow);

  QLabel* Image1;
  QLabel *Label1, *Label2;
  TOrvikBtn98* btnOk;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
