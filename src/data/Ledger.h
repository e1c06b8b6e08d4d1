#pragma once

#include "Database.h"
#include "Chain.h"
#include "Money.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One entry of the money ledger, tblLedger: every movement of money, one per
// event, written in the same transaction as the event. Entries are never
// changed or deleted (the store itself refuses it); a mistake is put right
// by a new entry. Fields a kind of entry does not use are left empty.
struct LedgerEntry
{
    enum class Kind { Checkout, Payment, Fee, CashUp };

    Kind kind = Kind::Checkout;
    QDate day; // the day the event belongs to: the date its window worked with
    // The counter that wrote it; this counter's name when left empty.
    QString counter;
    // Read back only: the entry's number. The clock time it was written
    // (yyyy-MM-ddTHH:mm:ss): now, unless a history being written gives it.
    qint64 seq = 0;
    QString time;
    std::optional<qint32> member, rentalId, receiptId, videoId;
    int method = 0; // payment type: 1 VISA ... 5 debit, 6 cash; 0 when not known

    // A checkout, as its payment page showed it.
    Money subtotal, gst, pst, total, tendered, change, feesPaid;
    int rentals = 0, tapesSold = 0, itemsSold = 0;
    Money rentalsAmount, tapesSoldAmount, itemsSoldAmount;

    int daysLate = 0; // a fee charged at a return

    // A checkout's total, a payment's amount, a fee charged, cash counted.
    Money amount;
    // A cash-up: the float the drawer started with and what the ledger said
    // should be in it when it was counted.
    Money openingFloat, expected;
    QString note; // a cash-up's count by denomination
    // Read back only: the entry's link in the ledger's chain.
    QByteArray link;
};

// What one counter's cash drawer took in on one day.
struct Drawer
{
    struct Count
    {
        QString time; // yyyy-MM-ddTHH:mm:ss
        Money openingFloat, counted, expected;
        QString note;
        Money difference() const { return counted - expected; }
    };

    QString counter;
    int cashCheckouts = 0;
    Money tendered, change;
    // Fee payments in cash. One with no method recorded was written before
    // Payments asked, when every one was taken as cash and counted so.
    int feePayments = 0;
    Money feePaymentsAmount;
    QList<Count> counts; // the cash-ups of the day, first to last

    Money taken() const { return tendered - change + feePaymentsAmount; }
    Money expected(Money openingFloat) const { return openingFloat + taken(); }
};

// One day's money, from the ledger alone.
struct DayEnd
{
    struct Method
    {
        int method = 0;
        int checkouts = 0;
        Money total;
    };

    QDate day;
    QList<Method> methods; // payment types 1 to 6, then 0 (not known) when there is any
    int checkouts = 0;
    Money checkoutsTotal, subtotal, gst, pst;
    int rentals = 0, tapesSold = 0, itemsSold = 0;
    Money rentalsAmount, tapesSoldAmount, itemsSoldAmount;
    int feesCharged = 0;
    Money feesChargedAmount;
    int checkoutsWithFees = 0;
    Money feesPaidAtCheckout;
    int feePayments = 0;
    Money feePaymentsAmount;
    QList<Drawer> drawers; // each counter that took cash or was counted, by name
    QList<LedgerEntry> entries; // every entry of the day, in order
};

// The taxes of one day's checkouts.
struct TaxDay
{
    QDate day;
    int checkouts = 0;
    Money subtotal, gst, pst, total;
};

namespace Ledger {

// The name the ledger records for this counter: VIDEOSTORE_COUNTER when set,
// otherwise the machine's host name.
QString counterName();
// "VISA", "MasterCard", ... "Cash"; "not recorded" for 0: as files and
// logs name a payment type.
QString methodName(int method);
// The same name as a person reads it, in the language shown ("Comptant").
QString methodShown(int method);

// Appends `entry` as the next entry, numbered one past the highest and
// linked into the ledger's chain. Call it inside the transaction of the
// event it records; a row written to tblLedger any other way breaks the
// chain unless its writer links it the same way (Chain::tail, Chain::Layout).
bool append(Database &db, const LedgerEntry &entry, qint64 *written = nullptr);
// The INSERT append() runs for `entry` after `tail`, to send beside other
// statements; the entry's number is tail.key.
Database::Statement appending(const LedgerEntry &entry, const Chain::Tail &tail);

std::optional<DayEnd> dayEnd(Database &db, QDate day);
// Entry `seq`; an entry with seq 0 when there is none.
std::optional<LedgerEntry> entry(Database &db, qint64 seq);
// One counter's drawer on `day`; empty figures when it did nothing.
std::optional<Drawer> drawer(Database &db, QDate day, const QString &counter);
// Each day from `from` to `to` with checkouts, in order.
std::optional<QList<TaxDay>> taxes(Database &db, QDate from, QDate to);
// The counters with entries on `day`, by name.
std::optional<QStringList> counters(Database &db, QDate day);
// The day of the ledger's earliest entry; an invalid date when it has none.
std::optional<QDate> firstDay(Database &db);

} // namespace Ledger

// The ledger as the cash-up sees it.
class LedgerStore final
{
public:
    explicit LedgerStore(const QString &path) : m_db(path) {}

    const DbError &lastError() const { return m_db.lastError(); }

    std::optional<Drawer> drawer(QDate day, const QString &counter) { return Ledger::drawer(m_db, day, counter); }
    std::optional<QStringList> counters(QDate day) { return Ledger::counters(m_db, day); }

    // Records a count of `counter`'s drawer beside any earlier one. The
    // expected cash is worked out again inside the write: when it is no
    // longer `shownExpected` (a sale since), nothing is written and
    // lastError() is a Conflict naming the new figure.
    bool recordCashUp(QDate day, const QString &counter, Money openingFloat, Money counted, Money shownExpected,
                      const QString &note);

private:
    Database m_db;
};
