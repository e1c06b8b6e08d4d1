#include "ReturnsStore.h"

#include "data/Ledger.h"
#include "data/StoreDate.h"

#include <QCoreApplication>
#include <QSqlQuery>

#include <algorithm>

namespace {

// The context of what the clerk is told from here in translations/returns_fr_CA.ts.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ReturnsStore)
};

} // namespace

Money ReturnsStore::overdueCharge(QDate due, QDate returned, Money lateFeePerDay)
{
    if (!(due < returned))
        return Money();
    return lateFeePerDay * due.daysTo(returned);
}

Fetched<OpenRental> ReturnsStore::openRental(qint32 videoId)
{
    auto q = m_db.run(Text::tr("look up the tape's rental"),
                      QStringLiteral("SELECT r.CustomerNumber, v.Deleted FROM tblRentals r "
                                     "JOIN tblVideos v ON v.VideoID = r.VideoID "
                                     "WHERE r.Returned = 0 AND v.VideoID = ? ORDER BY r.RentalID LIMIT 1"),
                      {videoId});
    if (!q)
        return {true, {}};
    if (!q->next())
        return {};
    return {false, OpenRental{q->value(0).toInt(), q->value(1).toBool()}};
}

std::optional<QList<TapeOut>> ReturnsStore::tapesOut(qint32 member)
{
    auto q = m_db.run(Text::tr("list the member's tapes still out"),
                      QStringLiteral("SELECT r.VideoID, m.Name, MIN(r.DueDate) FROM tblRentals r "
                                     "JOIN tblVideos v ON v.VideoID = r.VideoID "
                                     "JOIN tblMovies m ON m.MovieNum = v.MovieNum "
                                     "WHERE r.Returned = 0 AND r.CustomerNumber = ? GROUP BY r.VideoID, m.Name "
                                     "ORDER BY r.VideoID"),
                      {member});
    if (!q)
        return std::nullopt;
    QList<TapeOut> tapes;
    while (q->next())
        tapes.append(TapeOut{q->value(0).toInt(), q->value(1).toString(),
                             StoreDate::readStored(q->value(2).toString()).value_or(QDate())});
    return tapes;
}

ReturnOutcome ReturnsStore::returnTapes(const QList<qint32> &videoIds, QDate returned)
{
    ReturnOutcome outcome;
    const bool done = m_db.transaction(Text::tr("take the tapes back"), [&] {
        outcome = ReturnOutcome();
        for (const qint32 videoId : videoIds)
            if (!returnTape(videoId, returned, outcome))
                return false;
        return true;
    });
    if (!done) {
        outcome.charges.clear();
        outcome.closedElsewhere.clear();
        outcome.setAside.clear();
        outcome.closed.clear();
        if (outcome.status != ReturnOutcome::BeforeRental)
            outcome.status = ReturnOutcome::Failed;
    }
    return outcome;
}

bool ReturnsStore::returnTape(qint32 videoId, QDate returned, ReturnOutcome &outcome)
{
    const QString action = Text::tr("take tape %1 back").arg(videoId);
    // Outer joins, so that a rental whose tape, title or member has gone is
    // reported instead of silently staying open.
    auto q = m_db.run(action,
                      QStringLiteral("SELECT r.CustomerNumber, r.RentalDate, r.DueDate, m.MovieNum, "
                                     "c.CustomerNumber, r.RentalID, r.LateFee, m.Name, c.FirstName, c.LastName "
                                     "FROM tblRentals r "
                                     "LEFT JOIN tblVideos v ON v.VideoID = r.VideoID "
                                     "LEFT JOIN tblMovies m ON m.MovieNum = v.MovieNum "
                                     "LEFT JOIN tblMembers c ON c.CustomerNumber = r.CustomerNumber "
                                     "WHERE r.VideoID = ? AND r.Returned = 0"),
                      {videoId});
    if (!q)
        return false;
    struct Rental
    {
        qint32 member;
        qint32 rentalId;
        qint64 daysLate;
        Money charge;
        ReturnedRental told;
    };
    QList<Rental> rentals;
    while (q->next()) {
        const qint32 member = q->value(0).toInt();
        if (q->value(3).isNull())
            return m_db.fail(action, Text::tr("The tape or its title is no longer on file."));
        if (q->value(4).isNull())
            return m_db.fail(action, Text::tr("Member %1, who rented it, is no longer on file.").arg(member));
        if (q->value(6).isNull())
            return m_db.fail(action, Text::tr("Its rental keeps no late fee a day."));
        const auto rented = StoreDate::readStored(q->value(1).toString());
        const auto due = StoreDate::readStored(q->value(2).toString());
        if (!rented || !due)
            return m_db.fail(action, Text::tr("Its rental dates \"%1\" and \"%2\" are not dates.")
                                         .arg(q->value(1).toString(), q->value(2).toString()));
        if (returned < *rented) {
            outcome.status = ReturnOutcome::BeforeRental;
            outcome.tape = videoId;
            outcome.rentedOn = *rented;
            return false;
        }
        const qint64 daysLate = std::max<qint64>(0, due->daysTo(returned));
        const Money charge = overdueCharge(*due, returned, Money::fromUnits(q->value(6).toLongLong()));
        rentals.append(Rental{member, q->value(5).toInt(), daysLate, charge,
                              {videoId, q->value(7).toString(), member,
                               q->value(8).toString() + u' ' + q->value(9).toString(), *due, daysLate, charge}});
    }
    Money total;
    if (rentals.isEmpty()) {
        outcome.closedElsewhere.append(videoId);
    } else {
        // Returned = 0 in the condition and the count checked: a rental
        // closed meanwhile by another counter is never closed or charged twice.
        auto closed = m_db.run(action, QStringLiteral("UPDATE tblRentals SET Returned = 1 "
                                                      "WHERE VideoID = ? AND Returned = 0"),
                               {videoId});
        if (!closed)
            return false;
        if (closed->numRowsAffected() != rentals.size())
            return m_db.fail(action, Text::tr("Another counter changed its rental at the same time. Try again."));
        if (!m_db.run(action, QStringLiteral("UPDATE tblVideos SET InStore = 1 WHERE VideoID = ?"), {videoId}))
            return false;
        std::optional<SetAside> held;
        if (!Holds::setAside(m_db, videoId, returned, held))
            return false;
        if (held)
            outcome.setAside.append(*held);
        for (const Rental &rental : rentals) {
            outcome.closed.append(rental.told);
            if (rental.charge == Money())
                continue;
            if (!m_db.run(action,
                          QStringLiteral("UPDATE tblMembers SET FeesOwing = FeesOwing + ? WHERE CustomerNumber = ?"),
                          {rental.charge.units(), rental.member}))
                return false;
            LedgerEntry fee;
            fee.kind = LedgerEntry::Kind::Fee;
            fee.day = returned;
            fee.member = rental.member;
            fee.rentalId = rental.rentalId;
            fee.videoId = videoId;
            fee.daysLate = int(rental.daysLate);
            fee.amount = rental.charge;
            if (!Ledger::append(m_db, fee))
                return false;
            total += rental.charge;
        }
    }
    outcome.charges.append(total);
    return true;
}

Fetched<MemberRow> ReturnsStore::member(qint32 number)
{
    return MemberLookup::byNumber(m_db, number);
}

std::optional<Money> ReturnsStore::payFees(qint32 member, Money amount, QDate day, int method)
{
    const QString action = Text::tr("record the payment");
    std::optional<Money> balance;
    const bool done = m_db.transaction(action, [&] {
        balance.reset();
        // Subtracted, never set: a fee added since the lookup stays owing.
        auto paid = m_db.run(action,
                             QStringLiteral("UPDATE tblMembers SET FeesOwing = FeesOwing - ? WHERE CustomerNumber = ?"),
                             {amount.units(), member});
        if (!paid)
            return false;
        if (paid->numRowsAffected() != 1)
            return m_db.fail(action, Text::tr("Member %1 is no longer on file.").arg(member));
        LedgerEntry payment;
        payment.kind = LedgerEntry::Kind::Payment;
        payment.day = day;
        payment.member = member;
        payment.amount = amount;
        payment.method = method;
        if (!Ledger::append(m_db, payment))
            return false;
        const auto left = m_db.scalar(action, QStringLiteral("SELECT FeesOwing FROM tblMembers WHERE CustomerNumber = ?"),
                                      {member});
        if (!left)
            return false;
        balance = Money::fromUnits(left->toLongLong());
        return true;
    });
    if (!done)
        return std::nullopt;
    return balance;
}
