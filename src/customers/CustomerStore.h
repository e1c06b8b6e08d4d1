#pragma once

#include "data/Database.h"
#include "data/MemberLookup.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The customer windows' statements against tblMembers.
class CustomerStore final
{
public:
    explicit CustomerStore(const QString &path) : m_db(path) {}

    const DbError &lastError() const { return m_db.lastError(); }

    enum class Outcome {
        Done,
        NotFound, // no member has the number
        Refused,  // add: the number is taken; retire: the member owes fees
        TapesOut, // retire: the member has tapes out on rental
        WalkIn,   // retire: member 0, to whom every walk-in sale is booked
        Failed,   // the database failed; see lastError()
    };

    // Rows in tblMembers, retired ones included.
    std::optional<qint64> memberCount();
    // One more than the highest member number.
    std::optional<qint32> nextFreeNumber();
    // The current members other than `number` whose home phone is `phone`,
    // as the lookup by home phone finds them; by number.
    std::optional<QList<MemberRow>> sharingHomePhone(const QString &phone, qint32 number);

    std::optional<QList<MemberRow>> findMembers(MemberKey key, const QVariant &value);
    // What the clerk typed in lookup box `source`, looked up.
    MemberLookup::Typed findTyped(int source, const QString &typed);
    Fetched<MemberRow> member(qint32 number);

    // Writes a new row with every text column of `m`; FeesOwing and Deleted
    // keep the table's defaults.
    Outcome addMember(const MemberRow &m);
    // Rewrites the twelve detail columns of member `number`; never its
    // number, fees or retirement.
    Outcome modifyMember(qint32 number, const MemberRow &details);
    // Marks the member deleted unless, at that moment, the balance stored is
    // above zero or tapes rented by the member are still out (how many in
    // `tapesOut`). The walk-in member 0 is never retired. The member's holds
    // are cancelled on `day` with it, each tape set aside passed on.
    Outcome retireMember(qint32 number, int &tapesOut, QDate day);

private:
    Database m_db;
};
