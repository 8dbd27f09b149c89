#pragma once
// Optical discs stand for the compact-disc drives of the dictionary: mounted /dev/sr* devices
// with an iso9660 or udf file system, in mount-point order (the order of drive letters).

#include <QString>
#include <QStringList>

namespace orvik {

class OpticalDiscs {
 public:
  virtual ~OpticalDiscs() = default;
  // Mount points of the mounted discs, sorted; each without a trailing '/'.
  virtual QStringList mountPoints() const = 0;
};

// Reads a mount table in the /proc/self/mounts format.
class MountTableDiscs final : public OpticalDiscs {
 public:
  explicit MountTableDiscs(QString mountTable = QStringLiteral("/proc/self/mounts"));
  QStringList mountPoints() const override;

  // Parses mount-table text; exposed for tests.
  static QStringList parse(const QByteArray& table);

 private:
  QString table_;
};

// A fixed list, for tests and for machines without discs.
class FixedDiscs final : public OpticalDiscs {
 public:
  explicit FixedDiscs(QStringList mounts = {}) : mounts_(std::move(mounts)) {}
  QStringList mountPoints() const override { return mounts_; }

 private:
  QStringList mounts_;
};

}  // namespace orvik
