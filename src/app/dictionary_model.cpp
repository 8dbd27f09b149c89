#include "app/dictionary_model.h"

#include <QVariantList>
#include <vector>

#include "app/data_module.h"
#include "platform/table.h"
#include "schema/schema.h"
#include "schema/sound_names.h"

namespace orvik {

namespace {
namespace s = schema;
constexpr int kColumns = DictionaryModel::kPictureWidth / DictionaryModel::kCell;
constexpr int kBands = DictionaryModel::kPictureHeight / DictionaryModel::kCell;
}  // namespace

// What the model keeps of a page once read: its chapter, its entries' places and its hit map.
struct DictionaryModel::Page {
  struct Place {
    QPoint start;
    qint64 row = 0;  // the entry's row in the places table, for its highlight picture
  };
  QList<Place> entries;
  // The entry order of each cell, band by band; empty for a page without a hit map.
  std::vector<quint16> hitMap;
};

// The model's own cursors over the data module's files.
struct DictionaryModel::Tables {
  std::unique_ptr<Table> pages, places, hitMap, littlePictures;
  std::unique_ptr<Table> chapters[4], pageNames[4], articles[4];
  // Every page in dictionary order with its chapter and row, read once.
  struct PageRow {
    int pageCode, chapterCode;
    qint64 row;
  };
  QList<PageRow> pageOrder;
  QHash<int, qsizetype> pageIndex;  // page code -> position in pageOrder
  bool pageOrderRead = false;
};

DictionaryModel::DictionaryModel(TDMOrvik* data) : data_(data) {}
DictionaryModel::~DictionaryModel() = default;

namespace {
// A cursor of our own over the same file as one of the data module's tables; null when that
// table is not open (a language that is not installed).
std::unique_ptr<Table> twin(Table* source, const QString& index) {
  if (!source || !source->active()) return nullptr;
  auto table = std::make_unique<Table>(source->database());
  if (!source->database()) table->setPasswords(source->passwords());
  table->setTableName(source->tableName());
  table->open();
  table->setIndexName(index);
  return table;
}
}  // namespace

DictionaryModel::Tables& DictionaryModel::tables() const {
  if (tables_) return *tables_;
  auto t = std::make_unique<Tables>();
  t->pages = twin(data_->tblPgePicture, s::PgePicture::kIndexPgePct);
  t->places = twin(data_->tblWrdPicture, s::WrdPicture::kIndPageOrder);
  t->hitMap = twin(data_->tblPctInfo, s::PctInfo::kIndInfo);
  t->littlePictures = twin(data_->tblPctLittle, s::PctLittle::kIndPgCdFind);
  for (Language language : Language::all()) {
    const int i = language.number() - 1;
    t->chapters[i] = twin(data_->tblChapter(language), s::Chapter::kIndChptCode);
    t->pageNames[i] = twin(data_->tblPageName(language), s::PageName::kIndPgCd);
    t->articles[i] = twin(data_->tblWordName(language), s::WordName::kIndPageOrder);
  }
  tables_ = std::move(t);
  return *tables_;
}

Table* DictionaryModel::languageTable(const std::unique_ptr<Table> (&tables)[4],
                                      Language language) const {
  return tables[language.number() - 1].get();
}

bool DictionaryModel::hasLanguage(Language language) const {
  return languageTable(tables().articles, language) != nullptr;
}

DictionaryModel::Tables& DictionaryModel::pageTables() const {
  Tables& t = tables();
  if (!t.pageOrderRead) {
    t.pageOrderRead = true;
    if (t.pages) {
      for (t.pages->first(); !t.pages->eof(); t.pages->next()) {
        const int code = t.pages->intValue(s::kPageCode);
        t.pageIndex.insert(code, t.pageOrder.size());
        t.pageOrder.append({code, t.pages->intValue(s::kChapterCode), t.pages->bookmark()});
      }
    }
  }
  return t;
}

QList<int> DictionaryModel::allPages() const {
  QList<int> codes;
  for (const Tables::PageRow& row : pageTables().pageOrder) codes.append(row.pageCode);
  return codes;
}

QList<int> DictionaryModel::pagesOfChapter(int chapterCode) const {
  QList<int> codes;
  for (const Tables::PageRow& row : pageTables().pageOrder)
    if (row.chapterCode == chapterCode) codes.append(row.pageCode);
  return codes;
}

const DictionaryModel::Page* DictionaryModel::page(int pageCode) const {
  if (const auto found = pages_.constFind(pageCode); found != pages_.constEnd())
    return found->get();
  Tables& t = tables();
  if (!t.places || pageCode <= 0) return nullptr;
  auto page = std::make_shared<Page>();
  if (t.places->findKey({pageCode})) {
    while (!t.places->eof() && t.places->intValue(s::kPageCode) == pageCode) {
      page->entries.append(
          {QPoint(t.places->intValue(s::kStartPointX), t.places->intValue(s::kStartPointY)),
           t.places->bookmark()});
      t.places->next();
    }
  }
  if (page->entries.isEmpty()) {
    pages_.insert(pageCode, nullptr);
    return nullptr;
  }
  if (t.hitMap && t.hitMap->findKey({pageCode, 1})) {
    page->hitMap.assign(size_t(kColumns) * kBands, 0);
    std::vector<int> columnFields(kColumns);
    for (int c = 0; c < kColumns; ++c)
      columnFields[c] = t.hitMap->fieldIndex(s::PctInfo::columnField(c + 1));
    for (int band = 0; band < kBands && !t.hitMap->eof(); ++band) {
      if (t.hitMap->intValue(s::kPageCode) != pageCode) break;
      for (int c = 0; c < kColumns; ++c) {
        if (columnFields[c] < 0) continue;
        const int entry = t.hitMap->intValue(columnFields[c]);
        if (entry > 0 && entry <= page->entries.size())
          page->hitMap[size_t(band) * kColumns + c] = quint16(entry);
      }
      t.hitMap->next();
    }
  }
  pages_.insert(pageCode, page);
  return page.get();
}

int DictionaryModel::chapterOfPage(int pageCode) const {
  // From the page table, which knows a page without entries too.
  const Tables& t = pageTables();
  const qsizetype at = t.pageIndex.value(pageCode, -1);
  return at >= 0 ? t.pageOrder[at].chapterCode : 0;
}

QString DictionaryModel::pageName(int pageCode, Language language) const {
  Table* names = languageTable(tables().pageNames, language);
  if (!names || !names->findKey({pageCode})) return {};
  return names->textValue(s::kPageName).trimmed();
}

QString DictionaryModel::chapterName(int chapterCode, Language language) const {
  Table* chapters = languageTable(tables().chapters, language);
  if (!chapters || !chapters->findKey({chapterCode})) return {};
  return chapters->textValue(s::kChapterName).trimmed();
}

QImage DictionaryModel::pagePicture(int pageCode) const {
  Tables& t = pageTables();
  const qsizetype at = t.pageIndex.value(pageCode, -1);
  if (at < 0) return {};
  t.pages->gotoBookmark(t.pageOrder[at].row);
  return t.pages->image(s::kPagePicture);
}

QImage DictionaryModel::littlePagePicture(int pageCode) const {
  Table* little = tables().littlePictures.get();
  if (!little || !little->findKey({pageCode})) return {};
  return little->image(s::kLittlePagePicture);
}

QList<EntryRef> DictionaryModel::entriesOfPage(int pageCode) const {
  QList<EntryRef> entries;
  if (const Page* p = page(pageCode))
    for (int order = 1; order <= p->entries.size(); ++order) entries.append({pageCode, order});
  return entries;
}

int DictionaryModel::entryCount(int pageCode) const {
  const Page* p = page(pageCode);
  return p ? int(p->entries.size()) : 0;
}

bool DictionaryModel::contains(EntryRef entry) const {
  const Page* p = page(entry.pageCode);
  return p && entry.order >= 1 && entry.order <= p->entries.size();
}

QString DictionaryModel::headWord(EntryRef entry, Language language) const {
  Table* articles = languageTable(tables().articles, language);
  if (!articles || !entry.isValid() || !articles->findKey({entry.pageCode, entry.order})) return {};
  return articles->textValue(s::kWordName).trimmed();
}

QByteArray DictionaryModel::article(EntryRef entry, Language language) const {
  Table* articles = languageTable(tables().articles, language);
  if (!articles || !entry.isValid() || !articles->findKey({entry.pageCode, entry.order})) return {};
  return articles->memo(s::kWordMemo);
}

QString DictionaryModel::soundFile(EntryRef entry) const {
  const int chapter = chapterOfPage(entry.pageCode);
  if (!contains(entry) || chapter <= 0) return {};
  return QString::number(chapter) + QLatin1Char('/') +
         sounds::entryName(entry.pageCode, entry.order) + QStringLiteral(".wav");
}

EntrySpot DictionaryModel::spot(EntryRef entry) const {
  EntrySpot spot;
  const Page* p = page(entry.pageCode);
  if (!p || entry.order < 1 || entry.order > p->entries.size()) return spot;
  const Page::Place& place = p->entries[entry.order - 1];
  Table* places = tables().places.get();
  places->gotoBookmark(place.row);
  spot.start = place.start;
  spot.highlight = places->image(s::kWordPicture);
  for (size_t i = 0; i < p->hitMap.size(); ++i)
    if (p->hitMap[i] == entry.order)
      spot.cells.append(QRect(int(i % kColumns) * kCell, int(i / kColumns) * kCell, kCell, kCell));
  return spot;
}

EntryRef DictionaryModel::entryAt(int pageCode, QPoint pos) const {
  if (pos.x() < 0 || pos.y() < 0 || pos.x() >= kPictureWidth || pos.y() >= kPictureHeight)
    return {};
  const Page* p = page(pageCode);
  if (!p || p->hitMap.empty()) return {};
  const int order = p->hitMap[size_t(pos.y() / kCell) * kColumns + pos.x() / kCell];
  return order > 0 ? EntryRef{pageCode, order} : EntryRef{};
}

}  // namespace orvik
