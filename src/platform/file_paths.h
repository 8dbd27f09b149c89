#pragma once
// Paths on the installation's file systems. Paths join with '/'. The program spells some names
// two ways ("ODataBase", "ODatabase") and discs may show their names in capital or small letters
// only, so a name that is not there as written is looked for in any letter case.

#include <QString>
#include <QStringList>

namespace orvik {

// base followed by parts, each part matched as written or else in any letter case; empty when a
// part is missing.
QString existingPath(const QString& base, const QStringList& parts);

}  // namespace orvik
