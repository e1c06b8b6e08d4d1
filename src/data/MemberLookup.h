#pragma once

#include "data/Money.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

class Database;

struct MemberRow
{
    qint32 number = 0;
    QString lastName, firstName, address, city, postalCode, homePhone, cellPhone, busPhone, licence;
    QString otherNames[3];
    Money feesOwing;
    bool deleted = false;
};

enum class MemberKey { Number, HomePhone, DriverLicence };

// The one answer to "which members have this key", for the counter and the
// customer windows alike.
namespace MemberLookup {

// Every member whose key column equals `value` exactly (case and blanks
// count), retired members included, in member-number order. An empty or
// missing value is no key and matches nobody. nullopt on a database failure.
std::optional<QList<MemberRow>> find(Database &db, MemberKey key, const QVariant &value);

} // namespace MemberLookup
