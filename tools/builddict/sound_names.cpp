#include "sound_names.h"

namespace builddict {

QString chapterLetter(int chapterCode) {
  return QString(QChar(64 + chapterCode));
}

QString pageNamePart(int pageCode) {
  const QString s = QString::number(pageCode);
  switch (s.size()) {
    case 3:
      return chapterLetter(pageCode / 100) + s.mid(1, 2);
    case 4:
      return chapterLetter(pageCode / 100) + s.mid(2, 2);
    case 5: {
      const QString letter = chapterLetter(pageCode / 1000);
      if (s[3] == u'0') return letter + u'A' + s[4];
      if (s[3] == u'1') return letter + u'B' + s[4];
      return letter;
    }
    default:
      return {};
  }
}

QString entrySoundName(int pageCode, int order) {
  return pageNamePart(pageCode) +
         (order < 10 ? QStringLiteral("0%1").arg(order) : QString::number(order));
}

QString pageSoundName(int pageCode) {
  return pageNamePart(pageCode) + QStringLiteral("00");
}

QString chapterSoundName(int chapterCode) {
  return chapterLetter(chapterCode) + QStringLiteral("00");
}

}  // namespace builddict
