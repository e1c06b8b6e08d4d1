#pragma once

#include "circulation/Holds.h"
#include "data/Database.h"
#include "data/MemberLookup.h"
#include "data/Money.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// A tape found out on an open rental: who has it, and whether it is retired.
struct OpenRental
{
    qint32 member = 0;
    bool tapeDeleted = false;
};

// One of a member's tapes still out.
struct TapeOut
{
    qint32 videoId = 0;
    QString title;
    QDate due;
};

// One rental closed by a return, as the clerk is told of it.
struct ReturnedRental
{
    qint32 videoId = 0;
    QString title;
    qint32 member = 0;
    QString memberName;
    QDate due;
    qint64 daysLate = 0;
    Money charge;
};

// What taking tapes back did: every tape closed and charged, or nothing.
struct ReturnOutcome
{
    enum Status { Done, BeforeRental, Failed };
    Status status = Done;
    // One per tape asked for, in order: the overdue charges added to members
    // for it; 0 for a tape with no open rental.
    QList<Money> charges;
    // BeforeRental: the tape whose rental started after the return date.
    qint32 tape = 0;
    QDate rentedOn;
    // Done: the tapes asked for whose rental was already closed when the
    // return was written (another counter took them back a moment before).
    QList<qint32> closedElsewhere;
    // Done: the tapes set aside for waiting holds.
    QList<SetAside> setAside;
    // Done: every rental closed, in the order of the tapes.
    QList<ReturnedRental> closed;
};

// The statements of the returns and late-fee windows.
class ReturnsStore final
{
public:
    explicit ReturnsStore(const QString &path) : m_db(path) {}

    const DbError &lastError() const { return m_db.lastError(); }

    // Days late times the late fee a day kept on the rental; nothing on or
    // before the due date.
    static Money overdueCharge(QDate due, QDate returned, Money lateFeePerDay);

    // The first open rental of the tape, if it is out.
    Fetched<OpenRental> openRental(qint32 videoId);
    // The member's tapes still out, each once, by tape number.
    std::optional<QList<TapeOut>> tapesOut(qint32 member);
    // Closes every open rental of each tape, puts it back in the store and
    // adds each rental's overdue charge to its member (and to the ledger, as
    // charged on the return date), as one transaction.
    // A tape whose title has a waiting hold is set aside for the oldest, in
    // the same transaction. A return date before a rental's start refuses
    // the whole lot.
    ReturnOutcome returnTapes(const QList<qint32> &videoIds, QDate returned);

    Fetched<MemberRow> member(qint32 number);
    // Takes `amount` off the member's fees and records the payment in the
    // ledger as paid on `day` by `method` (the ledger's payment types); the
    // balance left, read in the same transaction, or nullopt on failure.
    std::optional<Money> payFees(qint32 member, Money amount, QDate day, int method);

private:
    // One tape's part of returnTapes; false stops the transaction.
    bool returnTape(qint32 videoId, QDate returned, ReturnOutcome &outcome);

    Database m_db;
};
