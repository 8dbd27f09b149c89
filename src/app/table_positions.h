#pragma once
// The lookups every part of the program repeats on the dictionary tables: select the index that
// leads with the key, find the row. Each leaves the index selected (as the program's parts do:
// they set the index they need before every lookup) and returns whether the row was found; a
// failed find leaves the table on the row it was on. Each throws orvik::DbError like the table
// does: on a closed table, or when the table is not of the kind named.

namespace orvik {

class Table;

// An entry places table (tblWrdPicture) or an entry-article table (tblWordNameEn..Sp) on the
// entry `order` of page `pageCode` (index IndPageOrder).
bool positionOnEntry(Table* entries, int pageCode, int order);

// A page-name table (tblPageNameEn..Sp) on the row of page `pageCode` (index IndPgCd).
bool positionOnPageName(Table* pageNames, int pageCode);

// The hit-map table (tblPctInfo) on band `band` (1 is the top) of page `pageCode` (index
// IndInfo); the page's further bands follow it row by row.
bool positionOnBand(Table* hitMap, int pageCode, int band = 1);

}  // namespace orvik
