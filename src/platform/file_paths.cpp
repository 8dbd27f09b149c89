#include "platform/file_paths.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace orvik {

QString existingPath(const QString& base, const QStringList& parts) {
  QString path = base;
  for (const QString& part : parts) {
    const QString exact = QDir(path).filePath(part);
    if (QFileInfo::exists(exact)) {
      path = exact;
      continue;
    }
    const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const QString& e) {
      return e.compare(part, Qt::CaseInsensitive) == 0;
    });
    if (it == entries.end()) return {};
    path = QDir(path).filePath(*it);
  }
  return path;
}

}  // namespace orvik
