#include "platform/optical_discs.h"

#include <QFile>
#include <algorithm>

namespace orvik {

namespace {
// The mount table escapes blanks and a few other characters as \ooo octal.
QString unescapeMountField(const QByteArray& field) {
  QByteArray out;
  for (int i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size()) {
      bool ok = false;
      const int code = field.mid(i + 1, 3).toInt(&ok, 8);
      if (ok) {
        out.append(static_cast<char>(code));
        i += 3;
        continue;
      }
    }
    out.append(field[i]);
  }
  return QString::fromUtf8(out);
}
}  // namespace

MountTableDiscs::MountTableDiscs(QString mountTable) : table_(std::move(mountTable)) {}

QStringList MountTableDiscs::mountPoints() const {
  QFile file(table_);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return parse(file.readAll());
}

QStringList MountTableDiscs::parse(const QByteArray& table) {
  QStringList mounts;
  for (const QByteArray& line : table.split('\n')) {
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() < 3) continue;
    const QByteArray& device = fields[0];
    const QByteArray& type = fields[2];
    if (!device.startsWith("/dev/sr")) continue;
    if (type != "iso9660" && type != "udf") continue;
    QString mount = unescapeMountField(fields[1]);
    while (mount.size() > 1 && mount.endsWith('/')) mount.chop(1);
    if (!mounts.contains(mount)) mounts << mount;
  }
  std::sort(mounts.begin(), mounts.end());
  return mounts;
}

}  // namespace orvik
