#include "lang/item_lists.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

#include "controls/list_box_base.h"
#include "controls/orvik_chapter_list.h"
#include "controls/radio_group.h"

namespace orvik {
namespace {

QStringList memoLines(const QString& text) {
  // An empty memo has no lines; a final line break does not open another line.
  if (text.isEmpty()) return {};
  QStringList lines = text.split('\n');
  if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

QString memoText(const QObject* o) {
  if (auto* p = qobject_cast<const QPlainTextEdit*>(o)) return p->toPlainText();
  if (auto* t = qobject_cast<const QTextEdit*>(o)) return t->toPlainText();
  return {};
}

void setMemoText(QObject* o, const QString& text) {
  if (auto* p = qobject_cast<QPlainTextEdit*>(o)) p->setPlainText(text);
  if (auto* t = qobject_cast<QTextEdit*>(o)) t->setPlainText(text);
}

}  // namespace

bool hasItemLines(const QObject* o) {
  return qobject_cast<const TRadioGroup*>(o) || qobject_cast<const TOrvikChapterList*>(o) ||
         qobject_cast<const SkinnedListBox*>(o) || qobject_cast<const QListWidget*>(o) ||
         qobject_cast<const QComboBox*>(o) || qobject_cast<const QTabBar*>(o) ||
         qobject_cast<const QTabWidget*>(o) || qobject_cast<const QPlainTextEdit*>(o) ||
         qobject_cast<const QTextEdit*>(o);
}

int itemLineCount(const QObject* o) {
  if (auto* r = qobject_cast<const TRadioGroup*>(o)) return r->count();
  if (auto* c = qobject_cast<const TOrvikChapterList*>(o)) return int(c->Lines().size());
  if (auto* l = qobject_cast<const SkinnedListBox*>(o)) return l->itemCount();
  if (auto* w = qobject_cast<const QListWidget*>(o)) return w->count();
  if (auto* b = qobject_cast<const QComboBox*>(o)) return b->count();
  if (auto* t = qobject_cast<const QTabBar*>(o)) return t->count();
  if (auto* t = qobject_cast<const QTabWidget*>(o)) return t->count();
  return int(memoLines(memoText(o)).size());
}

QString itemLine(const QObject* o, int i) {
  if (i < 0 || i >= itemLineCount(o)) return {};
  if (auto* r = qobject_cast<const TRadioGroup*>(o)) return r->item(i);
  if (auto* c = qobject_cast<const TOrvikChapterList*>(o)) return c->Lines().at(i);
  if (auto* l = qobject_cast<const SkinnedListBox*>(o)) return l->itemText(i);
  if (auto* w = qobject_cast<const QListWidget*>(o)) return w->item(i)->text();
  if (auto* b = qobject_cast<const QComboBox*>(o)) return b->itemText(i);
  if (auto* t = qobject_cast<const QTabBar*>(o)) return t->tabText(i);
  if (auto* t = qobject_cast<const QTabWidget*>(o)) return t->tabText(i);
  return memoLines(memoText(o)).at(i);
}

void setItemLine(QObject* o, int i, const QString& text) {
  if (i < 0 || i >= itemLineCount(o)) return;
  if (auto* r = qobject_cast<TRadioGroup*>(o)) return r->setItem(i, text);
  if (auto* c = qobject_cast<TOrvikChapterList*>(o)) {
    QStringList lines = c->Lines();
    lines[i] = text;
    return c->setLines(lines);
  }
  if (auto* l = qobject_cast<SkinnedListBox*>(o)) return l->setItemText(i, text);
  if (auto* w = qobject_cast<QListWidget*>(o)) return w->item(i)->setText(text);
  if (auto* b = qobject_cast<QComboBox*>(o)) return b->setItemText(i, text);
  if (auto* t = qobject_cast<QTabBar*>(o)) return t->setTabText(i, text);
  if (auto* t = qobject_cast<QTabWidget*>(o)) return t->setTabText(i, text);
  QStringList lines = memoLines(memoText(o));
  lines[i] = text;
  setMemoText(o, lines.join('\n'));
}

void setItemLines(QObject* o, const QStringList& lines) {
  if (auto* r = qobject_cast<TRadioGroup*>(o)) return r->setItems(lines);
  if (auto* c = qobject_cast<TOrvikChapterList*>(o)) return c->setLines(lines);
  if (auto* l = qobject_cast<SkinnedListBox*>(o)) return l->setItems(lines);
  if (auto* w = qobject_cast<QListWidget*>(o)) {
    w->clear();
    return w->addItems(lines);
  }
  if (auto* b = qobject_cast<QComboBox*>(o)) {
    b->clear();
    return b->addItems(lines);
  }
  if (auto* t = qobject_cast<QTabBar*>(o)) {
    while (t->count() > 0) t->removeTab(t->count() - 1);
    for (const QString& line : lines) t->addTab(line);
    return;
  }
  if (qobject_cast<QTabWidget*>(o)) return;  // pages are not made from texts
  setMemoText(o, lines.join('\n'));
}

int selectedItemLine(const QObject* o) {
  if (auto* r = qobject_cast<const TRadioGroup*>(o)) return r->ItemIndex();
  if (auto* c = qobject_cast<const TOrvikChapterList*>(o)) return c->highlightedNumber() - 1;
  if (auto* l = qobject_cast<const SkinnedListBox*>(o)) return l->ItemIndex();
  if (auto* w = qobject_cast<const QListWidget*>(o)) return w->currentRow();
  if (auto* b = qobject_cast<const QComboBox*>(o)) return b->currentIndex();
  if (auto* t = qobject_cast<const QTabBar*>(o)) return t->currentIndex();
  if (auto* t = qobject_cast<const QTabWidget*>(o)) return t->currentIndex();
  return -1;
}

void selectItemLine(QObject* o, int i) {
  if (auto* r = qobject_cast<TRadioGroup*>(o)) return r->setItemIndex(i);
  if (auto* c = qobject_cast<TOrvikChapterList*>(o)) return c->highlight(i);
  if (auto* l = qobject_cast<SkinnedListBox*>(o)) return l->setItemIndex(i);
  if (auto* w = qobject_cast<QListWidget*>(o)) return w->setCurrentRow(i);
  if (auto* b = qobject_cast<QComboBox*>(o)) return b->setCurrentIndex(i);
  if (auto* t = qobject_cast<QTabBar*>(o)) return t->setCurrentIndex(i);
  if (auto* t = qobject_cast<QTabWidget*>(o)) return t->setCurrentIndex(i);
}

}  // namespace orvik
