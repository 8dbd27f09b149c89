#include "search/find_language_windows.h"

#include <QLabel>

#include "lang/multi_lang.h"
#include "search/find_texts.h"

namespace {

// The title component of language `language`'s window: the group "Label1" with the title in
// translation order (English, Russian, French, Spanish).
TMultiLang* titleComponent(TFrmFind* window, int language) {
  auto* component = new TMultiLang(window);
  component->setObjectName(QStringLiteral("MultiLang1"));
  component->setLanguages(4);
  component->setWords({QStringLiteral("Label1"), findtexts::title(language, 1),
                       findtexts::title(language, 3), findtexts::title(language, 2),
                       findtexts::title(language, 4)});
  QObject::connect(component, &TBaseMultiLang::AfterLanguageChanged, window,
                   [window] { window->Label1->adjustSize(); });
  component->Loaded();
  return component;
}

}  // namespace

TfrmFindEn::TfrmFindEn(QWidget* parent) : TFrmFind(1, parent) {
  setObjectName(QStringLiteral("frmFindEn"));
  MultiLang1 = titleComponent(this, 1);
}

TfrmFindFr::TfrmFindFr(QWidget* parent) : TFrmFind(2, parent) {
  setObjectName(QStringLiteral("frmFindFr"));
  MultiLang1 = titleComponent(this, 2);
}

TfrmFindRu::TfrmFindRu(QWidget* parent) : TFrmFind(3, parent) {
  setObjectName(QStringLiteral("frmFindRu"));
  MultiLang1 = titleComponent(this, 3);
}

TfrmFindSp::TfrmFindSp(QWidget* parent) : TFrmFind(4, parent) {
  setObjectName(QStringLiteral("frmFindSp"));
  MultiLang1 = titleComponent(this, 4);
}
