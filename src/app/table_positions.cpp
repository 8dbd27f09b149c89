#include "app/table_positions.h"

#include "platform/table.h"
#include "schema/schema.h"

namespace orvik {

bool positionOnEntry(Table* entries, int pageCode, int order) {
  // The places and the articles give their entry index one name.
  entries->setIndexName(schema::WordName::kIndPageOrder);
  return entries->findKey({pageCode, order});
}

bool positionOnPageName(Table* pageNames, int pageCode) {
  pageNames->setIndexName(schema::PageName::kIndPgCd);
  return pageNames->findKey({pageCode});
}

bool positionOnBand(Table* hitMap, int pageCode, int band) {
  hitMap->setIndexName(schema::PctInfo::kIndInfo);
  return hitMap->findKey({pageCode, band});
}

}  // namespace orvik
