#include "lang/language_captions.h"

#include <QPainter>

#include "controls/orvik_chapter_list.h"
#include "controls/orvik_panel.h"
#include "lang/item_lists.h"

namespace orvik {
namespace {

CaptionTable makeTable(std::initializer_list<std::initializer_list<const char*>> rows) {
  CaptionTable table;
  int r = 0;
  for (const auto& row : rows) {
    int c = 0;
    for (const char* cell : row) table[r][c++] = QString::fromUtf8(cell);
    ++r;
  }
  return table;
}

}  // namespace

const CaptionTable& languageNameTable() {
  static const CaptionTable table = makeTable({
      {"English", "Anglais", "Английский", "Inglés"},
      {"French", "Français", "Французский", "Francés"},
      {"Russian", "Russe", "Русский", "Ruso"},
      {"Spanish", "Espagnol", "Испанский", "Español"},
  });
  return table;
}

const CaptionTable& shiftCaptionTable() {
  static const CaptionTable table = makeTable({
      {"  English          Shift+E", "Anglais             Shift+E", "английском     Shift+E",
       "Inglés               Shift+E"},
      {"  French           Shift+F", "Français            Shift+F", "французском   Shift+F",
       "Francés            Shift+F"},
      {"  Russian         Shift+R", "Russe                Shift+R", "русском            Shift+R",
       "Ruso                  Shift+R"},
      {"  Spanish         Shift+S", "Espagnol           Shift+S", "испанском       Shift+S",
       "Español              Shift+S"},
  });
  return table;
}

const CaptionTable& ctrlCaptionTable() {
  static const CaptionTable table = makeTable({
      {"English     Ctrl+E", "Anglais       Ctrl+E", "Английский    Ctrl+E",
       "Inglés         Ctrl+E"},
      {"French      Ctrl+F", "Français      Ctrl+F", "Французский  Ctrl+F", "Francés      Ctrl+F"},
      {"Russian    Ctrl+R", "Russe          Ctrl+R", "Русский            Ctrl+R",
       "Ruso           Ctrl+R"},
      {"Spanish    Ctrl+S", "Espagnol     Ctrl+S", "Испанский       Ctrl+S", "Español      Ctrl+S"},
  });
  return table;
}

const CaptionTable& altCaptionTable() {
  static const CaptionTable table = makeTable({
      {"English     Alt+E", "Anglais       Alt+E", "Английский    Alt+E", "Inglés         Alt+E"},
      {"French      Alt+F", "Français      Alt+F", "Французский  Alt+F", "Francés      Alt+F"},
      {"Russian    Alt+R", "Russe          Alt+R", "Русский            Alt+R",
       "Ruso           Alt+R"},
      {"Spanish    Alt+S", "Espagnol     Alt+S", "Испанский       Alt+S", "Español      Alt+S"},
  });
  return table;
}

void buildLanguageTables() {
  languageNameTable();
  shiftCaptionTable();
  ctrlCaptionTable();
  altCaptionTable();
}

QStringList languageItems(const std::array<int, 4>& slotList, const CaptionTable& table) {
  QStringList lines;
  for (int slot : slotList) {
    const int number = numberOfSlot(slot);
    if (number > 0) lines << table[number - 1][0];
  }
  return lines;
}

void fillLanguageItems(QObject* list, const std::array<int, 4>& slotList,
                       const CaptionTable& table) {
  setItemLines(list, languageItems(slotList, table));
}

void RelabelLanguageItems(QStringList& lines, int n, const CaptionTable& table, int column) {
  if (column < 1 || column > 4) return;
  const int count = std::min(n, int(lines.size()));
  for (int i = 0; i < count; ++i) {
    const int row = LanguageOfItem(lines[i], table);
    if (row > 0) lines[i] = table[row - 1][column - 1];
  }
}

void RelabelLanguageItems(QObject* list, int n, const CaptionTable& table, int column) {
  if (column < 1 || column > 4) return;
  const int count = std::min(n, itemLineCount(list));
  for (int i = 0; i < count; ++i) {
    const int row = LanguageOfItem(itemLine(list, i), table);
    if (row > 0) setItemLine(list, i, table[row - 1][column - 1]);
  }
}

int LanguageOfItem(const QString& line, const CaptionTable& table) {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      if (table[r][c] == line) return r + 1;
  return -1;
}

int LanguageOfItem(const QObject* list, int index, const CaptionTable& table) {
  if (index < 0 || index >= itemLineCount(list)) return -1;
  return LanguageOfItem(itemLine(list, index), table);
}

int SelectLanguageItem(QObject* radioGroup, int n, int languageNumber) {
  if (languageNumber < 1 || languageNumber > 4) return -1;
  const auto& row = languageNameTable()[languageNumber - 1];
  const int count = std::min(n, itemLineCount(radioGroup));
  for (int i = 0; i < count; ++i) {
    const QString line = itemLine(radioGroup, i);
    if (std::find(row.begin(), row.end(), line) != row.end()) {
      selectItemLine(radioGroup, i);
      return i;
    }
  }
  return -1;
}

void setUpSayInList(TOrvikPanel* panel, TOrvikChapterList* list,
                    const std::array<int, 4>& soundSlots) {
  if (!panel || !list) return;
  fillLanguageItems(list, soundSlots, shiftCaptionTable());
  const int languages = int(languageItems(soundSlots, shiftCaptionTable()).size());
  if (languages < 1) return;
  static constexpr int kPanelHeights[4] = {40, 60, 80, 100};
  static constexpr int kListHeights[4] = {38, 58, 78, 100};
  const int k = std::min(languages, 4) - 1;
  panel->resize(panel->width(), kPanelHeights[k]);
  list->resize(list->width(), kListHeights[k]);
  drawSayInEdge(panel);
}

void drawSayInEdge(TOrvikPanel* panel) {
  const int w = panel->width(), h = panel->height();
  QPixmap picture = panel->Picture();
  if (picture.width() < w || picture.height() < h) {
    QPixmap wider(std::max(w, int(picture.width())), std::max(h, int(picture.height())));
    wider.fill(panel->Color());
    QPainter p(&wider);
    if (!picture.isNull()) p.drawPixmap(0, 0, picture);
    p.end();
    picture = wider;
  }
  {
    QPainter p(&picture);
    p.setPen(QColor(140, 125, 67));
    // The end points are not drawn, as the lines of a classic canvas.
    p.drawLine(1, h - 2, w - 1, h - 2);
    p.drawLine(0, h - 1, w - 1, h - 1);
  }
  panel->setPicture(picture);
}

}  // namespace orvik
