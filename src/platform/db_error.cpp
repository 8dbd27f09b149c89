#include "platform/db_error.h"

namespace orvik {

DbError::DbError(const QString& message, int sqliteCode)
    : std::runtime_error(message.toStdString()), message_(message), sqliteCode_(sqliteCode) {}

}  // namespace orvik
