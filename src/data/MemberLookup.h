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

// The members matching what the clerk typed into a lookup box: `source` 1
// member number, 2 home phone, 3 driver's licence, 0 none.
struct Typed
{
    enum class Status { Done, InvalidNumber, Failed };
    Status status = Status::Done;
    QList<MemberRow> rows;
};
Typed findTyped(Database &db, int source, const QString &typed);

} // namespace MemberLookup
