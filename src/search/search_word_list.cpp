#include "search/search_word_list.h"

#include "platform/table.h"
#include "schema/schema.h"

QStringList SearchWordList::readWords(orvik::Table* table,
                                      const std::function<void(int, int)>& progress) {
  QStringList words;
  table->setIndexName(QString());
  table->first();
  if (table->isEmpty()) return words;
  const int total = table->recordCount();
  const int field = table->fieldIndex(orvik::schema::kWord);
  const int position = field >= 0 ? field : orvik::schema::WordFind::kWordPosition;
  // Progress is told about every 1/64 of the table, so a large table moves the bar smoothly
  // without the telling costing anything.
  const int step = qMax(1, total / 64);
  QString previous;
  bool first = true;
  for (int row = 0; !table->eof(); ++row) {
    const QString word = table->textValue(position).trimmed();
    if ((first || word != previous) && !word.isEmpty()) words.append(word);
    if (first || word != previous) previous = word;
    first = false;
    if (progress && row % step == 0) progress(row, total);
    if (table->moveBy(1) != 1) break;
  }
  if (progress) progress(total, total);
  return words;
}

QString SearchWordList::fold(const QString& text) {
  const QString decomposed = text.normalized(QString::NormalizationForm_D);
  QString out;
  out.reserve(decomposed.size());
  for (QChar c : decomposed) {
    const auto category = c.category();
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
        category == QChar::Mark_Enclosing)
      continue;
    out.append(c);
  }
  return out.toCaseFolded();
}

void SearchWordList::setItems(const QStringList& items) {
  items_ = items;
  caseFolded_.clear();
  accentFolded_.clear();
  caseFolded_.reserve(items.size());
  accentFolded_.reserve(items.size());
  for (const QString& item : items) {
    caseFolded_.append(item.toCaseFolded());
    accentFolded_.append(fold(item));
  }
}

int SearchWordList::itemAt(int searchPosition) const {
  const int n = count();
  return (searchPosition + 1) % n;
}

int SearchWordList::firstFrom(const QStringList& keys, int from, QStringView prefix) const {
  const int n = count();
  for (int pos = from; pos < n; ++pos)
    if (keys.at(itemAt(pos)).startsWith(prefix)) return pos;
  return -1;
}

int SearchWordList::match(const QString& typed, int current) const {
  const QString t = typed.trimmed();
  const int n = count();
  if (n == 0) return current;
  if (current >= 0 && current < n && items_.at(current) == t) return current;
  int selected = current;
  // An item that begins with a longer prefix also begins with every shorter one, so each longer
  // prefix's first item lies at or after the shorter one's: one pass over the list finds all.
  const QString key = t.toCaseFolded();
  int pos = 0;
  int matched = 0;
  for (int k = 1; k <= key.size(); ++k) {
    pos = firstFrom(caseFolded_, pos, QStringView(key).left(k));
    if (pos < 0) break;
    selected = itemAt(pos);
    matched = k;
  }
  if (matched < key.size()) {
    const QString folded = fold(t);
    if (!folded.isEmpty()) {
      const int found = firstFrom(accentFolded_, 0, folded);
      if (found >= 0) selected = itemAt(found);
    }
  }
  return selected;
}
