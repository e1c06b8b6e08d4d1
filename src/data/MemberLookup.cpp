#include "MemberLookup.h"

#include "data/Database.h"
#include "data/Identifier.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace MemberLookup {

std::optional<QList<MemberRow>> find(Database &db, MemberKey key, const QVariant &value)
{
    QList<MemberRow> rows;
    if (!value.isValid() || value.isNull() || value.toString().isEmpty())
        return rows;
    static const char *const where[] = {"CustomerNumber = ?", "HomePhone = ?", "DriverLicence = ?"};
    const QString sql = QStringLiteral(
                            "SELECT CustomerNumber, LastName, FirstName, Address, City, PostalCode, HomePhone, "
                            "CellPhone, BusPhone, DriverLicence, OtherNames1, OtherNames2, OtherNames3, Deleted, "
                            "FeesOwing FROM tblMembers WHERE %1 ORDER BY CustomerNumber")
                            .arg(QLatin1String(where[static_cast<int>(key)]));
    auto q = db.run(QCoreApplication::translate("MemberLookup", "look up the member"), sql, {value});
    if (!q)
        return std::nullopt;
    while (q->next()) {
        MemberRow m;
        m.number = q->value(0).toInt();
        QString *const texts[] = {&m.lastName, &m.firstName, &m.address, &m.city, &m.postalCode, &m.homePhone,
                                  &m.cellPhone, &m.busPhone, &m.licence, &m.otherNames[0], &m.otherNames[1],
                                  &m.otherNames[2]};
        for (int i = 0; i < 12; ++i)
            *texts[i] = q->value(1 + i).toString();
        m.deleted = q->value(13).toBool();
        m.feesOwing = Money::fromUnits(q->value(14).toLongLong());
        rows.append(m);
    }
    return rows;
}

Fetched<MemberRow> byNumber(Database &db, qint32 number)
{
    const auto rows = find(db, MemberKey::Number, number);
    if (!rows)
        return {true, {}};
    if (rows->isEmpty())
        return {};
    return {false, rows->constFirst()};
}

Typed findTyped(Database &db, int source, const QString &typed)
{
    MemberKey key = MemberKey::Number;
    QVariant value;
    switch (source) {
    case 1:
        if (!typed.isEmpty()) {
            const auto number = Identifier::parse(typed);
            if (!number)
                return {Typed::Status::InvalidNumber, {}};
            value = *number;
        }
        break;
    case 2:
        key = MemberKey::HomePhone;
        value = typed;
        break;
    case 3:
        key = MemberKey::DriverLicence;
        value = typed;
        break;
    default:
        return {};
    }
    auto rows = find(db, key, value);
    if (!rows)
        return {Typed::Status::Failed, {}};
    return {Typed::Status::Done, *rows};
}

} // namespace MemberLookup
