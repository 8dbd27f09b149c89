#pragma once
// The real program on the small test installation (BrowseTest), with what the page-list and
// entry-list tests add: their windows found by name, running a test body inside a modal
// window's own event loop, and editing the copied installation's page-name and entry tables
// before the start.

#include <QTimer>
#include <memory>

#include "browse/browse_fixture.h"
#include "browse/entry_panes.h"
#include "browse/picture_box.h"
#include "controls/orvik_btn98.h"
#include "controls/orvik_list_box.h"
#include "controls/orvik_scroll_bar.h"
#include "lang/font_sets.h"
#include "pagelist/page_entry_lists.h"
#include "pagelist/page_list_windows.h"
#include "schema/schema.h"

class PageListTest : public BrowseTest {
 protected:
  void TearDown() override {
    poll_.reset();
    BrowseTest::TearDown();
  }

  static TfrmPageList* pageList(int language) {
    static const char* const kNames[4] = {"frmPageListEn", "frmPageListFr", "frmPageListRu",
                                          "frmPageListSp"};
    return qobject_cast<TfrmPageList*>(topLevelWindow(QString::fromLatin1(kNames[language - 1])));
  }
  static TfrmLangForPageList* chooser() {
    return qobject_cast<TfrmLangForPageList*>(topLevelWindow(QStringLiteral("frmLangForPageList")));
  }
  static TLangList* entryList(int language) {
    static const char* const kNames[4] = {"FormEn", "FormFr", "FormRu", "FormSp"};
    return qobject_cast<TLangList*>(topLevelWindow(QString::fromLatin1(kNames[language - 1])));
  }
  PageListRole* pageListRole() const { return w->handOver().pageList; }
  TOrvikBtn98* listButton(int language) const { return w->entryPanes()->listButton(language); }

  // Runs `body` once `window` shows modally, inside its event loop; closes the window after the
  // body if it still shows. `ran` tells whether the body ran.
  void whileModal(orvik::BorderlessForm* window, std::function<void()> body) {
    ran = false;
    poll_ = std::make_unique<QTimer>();
    poll_->setInterval(5);
    QObject::connect(poll_.get(), &QTimer::timeout, window, [this, window, body] {
      if (!window->isShowingModal()) return;
      poll_->stop();
      body();
      ran = true;
      if (window->isVisible()) window->close();
    });
    poll_->start();
  }

  // Writes a settings file with all four languages installed and shown (sounds for English and
  // Russian), interface English.
  static void installAll(TestInstallation& inst) {
    QByteArray bytes(Settings::kCount + 1, '\0');
    for (int n : {Settings::ShownEn, Settings::ShownFr, Settings::ShownRu, Settings::ShownSp,
                  Settings::InterfaceLanguage, Settings::PronunciationLanguage,
                  Settings::AutoPlayLanguage, Settings::AutoPlayPause, Settings::InstalledEn,
                  Settings::InstalledFr, Settings::InstalledRu, Settings::InstalledSp,
                  Settings::SoundEn, Settings::SoundRu, Settings::OnClickFlag, Settings::AutoFlag})
      bytes[n] = 1;
    bytes[Settings::FontSize] = 4;
    bytes[Settings::InstalledCount] = 4;
    bytes[Settings::SoundCount] = 2;
    QFile file(inst.filePath(QStringLiteral("Settings.orv")));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  }
  // Starts the program with every language installed and shown.
  void startAll(const std::function<void(TestInstallation&)>& prepare = {}) {
    start([&](TestInstallation& inst) {
      installAll(inst);
      if (prepare) prepare(inst);
    });
  }

  // The page-name rows of the installation's English table get `extra` more pages: rows named
  // by `name(i)` that stand for page 401 (the market) in chapter 4.
  static void addPageNames(TestInstallation& inst, const QString& code, int extra,
                           const std::function<QString(int)>& name) {
    expandTable(inst, orvik::schema::PageName::file(code),
                [&](QVariantList row, const QStringList& fields) {
                  QList<QVariantList> rows{row};
                  const int codeAt = int(fields.indexOf(QStringLiteral("PageCode")));
                  const int nameAt = int(fields.indexOf(QStringLiteral("PageName")));
                  if (row[codeAt].toInt() != 401) return rows;
                  for (int i = 0; i < extra; ++i) {
                    QVariantList copy = row;
                    copy[nameAt] = name(i);
                    rows << copy;
                  }
                  return rows;
                });
  }

  // Removes every row of page `page` from a table of the data folder.
  static void dropPage(TestInstallation& inst, const QString& file, int page) {
    expandTable(inst, file, [&](QVariantList row, const QStringList& fields) {
      const int codeAt = int(fields.indexOf(QStringLiteral("PageCode")));
      return row[codeAt].toInt() == page ? QList<QVariantList>{} : QList<QVariantList>{row};
    });
  }

  bool ran = false;

 private:
  std::unique_ptr<QTimer> poll_;
};
