#include "platform/database.h"

#include <QCryptographicHash>

namespace orvik {

namespace {
// Fixed for all time: every table file ever written is keyed through it.
constexpr char kKeySalt[] = "Orvik table key 1\x1f";
}  // namespace

QByteArray derivePasswordKey(const QString& password) {
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(QByteArrayView(kKeySalt, sizeof(kKeySalt) - 1));
  hash.addData(password.toUtf8());
  return hash.result();
}

Database::Database(QString name) : name_(std::move(name)) {}

void Database::addPassword(const QString& password) {
  QByteArray key = derivePasswordKey(password);
  if (!rawKeys_.contains(key)) rawKeys_.append(key);
}

}  // namespace orvik
