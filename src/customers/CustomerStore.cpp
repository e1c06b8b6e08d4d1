#include "CustomerStore.h"

#include "circulation/Holds.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace {

// What a clerk is told the store could not do ("could not list the movies")
// and why, in the language shown.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(CustomerStore)
};

} // namespace

std::optional<qint64> CustomerStore::memberCount()
{
    const auto n = m_db.scalar(Text::tr("count the members"), QStringLiteral("SELECT COUNT(*) FROM tblMembers"));
    if (!n)
        return std::nullopt;
    return n->toLongLong();
}

std::optional<qint32> CustomerStore::nextFreeNumber()
{
    const auto highest = m_db.scalar(Text::tr("find a free member number"),
                                     QStringLiteral("SELECT MAX(CustomerNumber) FROM tblMembers"));
    if (!highest)
        return std::nullopt;
    return highest->isNull() ? 0 : highest->toInt() + 1;
}

std::optional<QList<MemberRow>> CustomerStore::sharingHomePhone(const QString &phone, qint32 number)
{
    // The same match as the lookup, so it runs on the phone's index.
    auto q = m_db.run(Text::tr("look for members with that home phone"),
                      QStringLiteral("SELECT CustomerNumber, FirstName, LastName FROM tblMembers WHERE HomePhone = ? "
                                     "AND Deleted = 0 AND CustomerNumber <> ? ORDER BY CustomerNumber"),
                      {phone, number});
    if (!q)
        return std::nullopt;
    QList<MemberRow> members;
    while (q->next()) {
        MemberRow m;
        m.number = q->value(0).toInt();
        m.firstName = q->value(1).toString();
        m.lastName = q->value(2).toString();
        members.append(m);
    }
    return members;
}

std::optional<QList<MemberRow>> CustomerStore::findMembers(MemberKey key, const QVariant &value)
{
    return MemberLookup::find(m_db, key, value);
}

MemberLookup::Typed CustomerStore::findTyped(int source, const QString &typed)
{
    return MemberLookup::findTyped(m_db, source, typed);
}

Fetched<MemberRow> CustomerStore::member(qint32 number)
{
    return MemberLookup::byNumber(m_db, number);
}

CustomerStore::Outcome CustomerStore::addMember(const MemberRow &m)
{
    // The key rejects a taken number inside the engine, so a member added at
    // another counter since the number was proposed is never overwritten.
    const auto added = m_db.change(Text::tr("add the member"),
                                   QStringLiteral("INSERT INTO tblMembers (CustomerNumber, LastName, FirstName, "
                                                  "Address, City, PostalCode, HomePhone, CellPhone, BusPhone, "
                                                  "DriverLicence, OtherNames1, OtherNames2, OtherNames3) "
                                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                                   {m.number, m.lastName, m.firstName, m.address, m.city, m.postalCode,
                                    m.homePhone, m.cellPhone, m.busPhone, m.licence, m.otherNames[0],
                                    m.otherNames[1], m.otherNames[2]});
    if (added)
        return Outcome::Done;
    // A look that succeeds leaves the failed insert as the error to show.
    const Fetched<MemberRow> existing = member(m.number);
    return !existing.failed && existing.row ? Outcome::Refused : Outcome::Failed;
}

CustomerStore::Outcome CustomerStore::modifyMember(qint32 number, const MemberRow &d)
{
    const auto changed =
        m_db.change(Text::tr("change the member"),
                    QStringLiteral("UPDATE tblMembers SET LastName = ?, FirstName = ?, Address = ?, City = ?, "
                                   "PostalCode = ?, HomePhone = ?, CellPhone = ?, BusPhone = ?, DriverLicence = ?, "
                                   "OtherNames1 = ?, OtherNames2 = ?, OtherNames3 = ? WHERE CustomerNumber = ?"),
                    {d.lastName, d.firstName, d.address, d.city, d.postalCode, d.homePhone, d.cellPhone, d.busPhone,
                     d.licence, d.otherNames[0], d.otherNames[1], d.otherNames[2], number});
    if (!changed)
        return Outcome::Failed;
    return *changed > 0 ? Outcome::Done : Outcome::NotFound;
}

CustomerStore::Outcome CustomerStore::retireMember(qint32 number, int &tapesOut, QDate day)
{
    tapesOut = 0;
    if (number == 0)
        return Outcome::WalkIn;
    const QString action = Text::tr("mark the member as deleted");
    Outcome outcome = Outcome::Failed;
    // One transaction: a tape rented, or a fee charged, at another counter a
    // moment ago still stops the retirement.
    m_db.transaction(action, [&] {
        const auto out = m_db.scalar(action,
                                     QStringLiteral("SELECT COUNT(*) FROM tblRentals WHERE CustomerNumber = ? "
                                                    "AND Returned = 0"),
                                     {number});
        if (!out)
            return false;
        if (out->toInt() > 0) {
            tapesOut = out->toInt();
            outcome = Outcome::TapesOut;
            return false;
        }
        const auto changed = m_db.change(
            action, QStringLiteral("UPDATE tblMembers SET Deleted = 1 WHERE CustomerNumber = ? AND FeesOwing <= 0"),
            {number});
        if (!changed)
            return false;
        if (*changed > 0) {
            QList<SetAside> passedOn;
            if (!Holds::cancelAllOf(m_db, number, day, passedOn))
                return false;
            outcome = Outcome::Done;
            return true;
        }
        const Fetched<MemberRow> existing = member(number);
        if (existing.failed)
            return false;
        outcome = existing.row ? Outcome::Refused : Outcome::NotFound;
        return false;
    });
    return outcome;
}
