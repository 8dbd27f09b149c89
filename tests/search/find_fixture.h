#pragma once
// The real program on a fresh copy of the small test installation (BrowseTest) with helpers
// for the find windows: open one through the main window's hand-over and act inside it while
// it shows modally, type, press keys, and change the installation's search and entry tables
// before the start.

#include <QTimer>
#include <functional>

#include "browse_fixture.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_list_box.h"
#include "controls/radio_group.h"
#include "lang/multi_lang.h"
#include "schema/schema.h"
#include "search/find_jump.h"
#include "search/find_windows.h"
#include "search/new_string_grid.h"

class FindTest : public BrowseTest {
 protected:
  void TearDown() override {
    BrowseTest::TearDown();
    SetInterfaceLanguage(0);
  }

  // Starts the program on an installation of all four languages, all shown, English
  // interface; `prepare` may change the copied installation first.
  void startAll(const std::function<void(TestInstallation&)>& prepare = {}) {
    start([&](TestInstallation& inst) {
      QByteArray bytes(32, '\0');
      for (int b : {Settings::ShownEn, Settings::ShownFr, Settings::ShownRu, Settings::ShownSp,
                    Settings::InstalledEn, Settings::InstalledFr, Settings::InstalledRu,
                    Settings::InstalledSp, Settings::SoundEn, Settings::SoundFr, Settings::SoundRu,
                    Settings::SoundSp, Settings::InterfaceLanguage, Settings::PronunciationLanguage,
                    Settings::AutoPlayLanguage, Settings::OnClickFlag, Settings::AutoFlag})
        bytes[b] = 1;
      bytes[Settings::InstalledCount] = 4;
      bytes[Settings::SoundCount] = 4;
      bytes[Settings::AutoPlayPause] = 2;
      bytes[Settings::FontSize] = 4;
      QFile file(inst.filePath(QStringLiteral("Settings.orv")));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(bytes);
      file.close();
      if (prepare) prepare(inst);
    });
  }

  FindWindows* role() const { return dynamic_cast<FindWindows*>(w->handOver().find); }
  TFrmFind* findWindow(int language) const { return role()->window(language); }

  // Opens language `language`'s find window as Ctrl+letter does, runs `body` once it shows
  // modally, and returns the modal result. A body that leaves the window open has it
  // cancelled.
  int inFind(int language, const std::function<void(TFrmFind*)>& body) {
    TFrmFind* f = findWindow(language);
    QTimer poll;
    bool ran = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (ran || !f->isShowingModal()) return;
      ran = true;
      poll.stop();
      body(f);
      if (f->modalResult() == orvik::BorderlessForm::mrNone) f->btnCancelClick();
    });
    poll.start(5);
    // The role opens the window modally and returns when it closes.
    role()->openFind(*orvik::Language::fromNumber(language));
    EXPECT_TRUE(ran) << "the find window did not show";
    return f->modalResult();
  }

  // Types into the edit box as the user does.
  // Letters outside ASCII come as key events that carry their text, as a keyboard layout sends
  // them.
  static void type(TFrmFind* f, const QString& text) {
    for (QChar c : text) {
      if (c.unicode() < 128) {
        QTest::keyClick(f->Edit1, c.toLatin1());
        continue;
      }
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(f->Edit1, &press);
      QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(f->Edit1, &release);
    }
  }
  static void clearEdit(TFrmFind* f) {
    f->Edit1->selectAll();
    QTest::keyClick(f->Edit1, Qt::Key_Backspace);
  }
  static void key(TFrmFind* f, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target = f->focusWidget() ? f->focusWidget() : f->Edit1;
    QTest::keyClick(target, k, mods);
  }
  static QString selectedItem(TFrmFind* f) {
    const int i = f->ListBoxFind->ItemIndex();
    return i < 0 ? QString() : f->ListBoxFind->Items().Get(i);
  }
  // Types `word`, then Find.
  static void find(TFrmFind* f, const QString& word) {
    clearEdit(f);
    type(f, word);
    QTest::mouseClick(f->btnFind, Qt::LeftButton, {}, QPoint(10, 10));
  }

  // (public: the installation edits run outside the fixture.)
 public:
  // The English search table and article table, changed row by row before the start.
  static void editSearchRows(TestInstallation& inst, int language,
                             const std::function<QList<QVariantList>(QVariantList)>& edit) {
    expandTable(inst, orvik::schema::WordFind::file(language),
                [&](QVariantList row, const QStringList&) { return edit(row); });
  }
  static void editEntryRows(TestInstallation& inst, int language,
                            const std::function<QList<QVariantList>(QVariantList)>& edit) {
    expandTable(inst, orvik::schema::WordName::file(language),
                [&](QVariantList row, const QStringList&) { return edit(row); });
  }
  // Search rows: Word, WordReal, PageCode, Order, ChapterCode.
  static QVariantList searchRow(const QString& word, int page, int order, int chapter) {
    return {word, word, page, order, chapter};
  }

 protected:
};
