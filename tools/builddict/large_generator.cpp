#include "large_generator.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>

#include "scene_setting.h"
#include "source_parser.h"

namespace builddict {

namespace {

const char* const kEmoji[] = {"🍎", "🍌",    "🍇", "🍓", "🥕", "🌽", "🍞", "🧀", "🥚", "🍰",    "☕",
                              "🍵", "🥛", "🍯", "🐶", "🐱",    "🐭", "🐰", "🦊", "🐻",    "🐼",    "🐨",
                              "🐯", "🦁", "🐮", "🐷", "🐸",    "🐵", "🐔", "🐧",    "🐦",    "🦆", "🚗",
                              "🚕", "🚌",    "🚲", "🚂", "✈",    "🚀", "⛵", "🏠",    "🏫",    "⏰",    "📱",
                              "💻", "📷",    "📚", "✏", "🎸",    "🎹", "⚽", "🏀",    "🎈",    "🎁",    "🌞",
                              "🌙", "⭐",    "🌈", "🌲", "🌻",    "🌵", "🍄", "👓",    "👟"};

// A made-up word of two or three syllables in the language's letters.
QString word(QRandomGenerator& rng, int language) {
  static const QStringList latin = {"ba", "ko", "mi", "ru", "te", "lo", "na", "pi", "sa",
                                    "du", "fe", "ga", "vo", "ri", "za", "mu", "le", "to"};
  static const QStringList french = {"bé", "co", "mè", "ru", "té", "lo", "na", "pi", "sâ",
                                     "du", "fê", "ga", "vo", "ri", "zo", "mu", "le", "tô"};
  static const QStringList spanish = {"ba", "ño", "mi", "ru", "té", "lo", "ná", "pi", "sa",
                                      "du", "fe", "ga", "vo", "rí", "za", "mu", "le", "to"};
  static const QStringList cyrillic = {"ба", "ко", "ми", "ру", "те", "ло", "на", "пи", "са",
                                       "ду", "фе", "га", "во", "ри", "за", "му", "ле", "то"};
  const QStringList& syllables = language == 1   ? french
                                 : language == 2 ? cyrillic
                                 : language == 3 ? spanish
                                                 : latin;
  QString w;
  const int n = 2 + int(rng.bounded(2));
  for (int i = 0; i < n; ++i) w += syllables[int(rng.bounded(int(syllables.size())))];
  return w;
}

}  // namespace

QString LargeGenerator::plantedWord(int language) {
  return language == 2 ? QString::fromUtf8("зорвик") : QStringLiteral("zorvik");
}

bool LargeGenerator::generate(const QString& folder, int pages, int entries, QString* error) {
  if (pages < 15 || pages > 15 * 99 || entries < pages) {
    if (error) *error = QStringLiteral("--pages takes 15 to 1485 and --entries at least --pages");
    return false;
  }
  const QString dirPath = folder + QStringLiteral("/chapters");
  if (!QDir().mkpath(dirPath)) {
    if (error) *error = QStringLiteral("%1: cannot be created").arg(dirPath);
    return false;
  }
  QRandomGenerator rng(20240601u);
  static const char* const keys[] = {"en", "fr", "ru", "sp"};
  static const char* const classes[] = {"noun", "nom masculin", "существительное, мужской род",
                                        "sustantivo masculino"};
  static const char* const articles[] = {"", "le ", "", "el "};
  int pageNumber = 0, entryNumber = 0;
  for (int chapter = 1; chapter <= 15; ++chapter) {
    const int chapterPages = pages / 15 + (chapter <= pages % 15 ? 1 : 0);
    QString text;
    text += QStringLiteral("chapter %1\n").arg(chapter);
    for (int l = 0; l < 4; ++l)
      text += QStringLiteral("%1: %2 %3\n").arg(QLatin1String(keys[l]), word(rng, l)).arg(chapter);
    text += QStringLiteral("icon: %1\n\n").arg(QString::fromUtf8(kEmoji[chapter % 64]));
    for (int p = 1; p <= chapterPages; ++p) {
      if (p % 10 == 1) {
        text += QStringLiteral("heading\n");
        for (int l = 0; l < 4; ++l)
          text += QStringLiteral("%1: %2 %3-%4\n")
                      .arg(QLatin1String(keys[l]), word(rng, l))
                      .arg(chapter)
                      .arg(p / 10 + 1);
        text += u'\n';
      }
      const int code = chapter * 100 + p;
      const int pageEntries = entries / pages + (pageNumber < entries % pages ? 1 : 0);
      ++pageNumber;
      text += QStringLiteral("page %1\n").arg(code);
      for (int l = 0; l < 4; ++l)
        text += QStringLiteral("%1: %2 %3\n").arg(QLatin1String(keys[l]), word(rng, l)).arg(code);
      const QStringList settings = Settings::names();
      text += QStringLiteral("scene: %1\n\n").arg(settings[(code * 7) % settings.size()]);
      for (int e = 0; e < pageEntries; ++e) {
        text += QStringLiteral("entry %1\n").arg(QString::fromUtf8(kEmoji[entryNumber++ % 64]));
        // The made-up words take their objects in turn from a short list.
        if (entryNumber > 64) text += QStringLiteral("shared: made-up words for measurements\n");
        // Every 25th entry also carries the planted word, so a search in any language can give
        // more than a thousand results on a full-size dictionary.
        const bool planted = entryNumber % 25 == 0;
        for (int l = 0; l < 4; ++l) {
          QString head = QLatin1String(articles[l]) + word(rng, l);
          if (planted) head += u' ' + plantedWord(l);
          text += QStringLiteral("%1: %2 | %3 | %4 %5 %6. | %7 %8 %2.\n")
                      .arg(QLatin1String(keys[l]), head, QString::fromUtf8(classes[l]),
                           word(rng, l), word(rng, l), word(rng, l), word(rng, l), word(rng, l));
        }
        text += u'\n';
      }
    }
    QFile f(QStringLiteral("%1/%2.txt").arg(dirPath).arg(chapter, 2, 10, QChar(u'0')));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(text.toUtf8()) < 0) {
      if (error) *error = QStringLiteral("%1: cannot be written").arg(f.fileName());
      return false;
    }
  }
  return true;
}

}  // namespace builddict
