// Several counters on one store at once: each a thread with its own
// connection and store classes, doing what a clerk does for a checkout (the
// member looked up, two tapes and an item looked up, the checkout written),
// and afterwards a check that nothing was rented twice or sold uncounted. On
// a server the same checkouts are also made by a floor of bare prepared
// statements (CountersFloor.cpp), in turns with the program, and the rates
// compared.
#include "Bench.h"
#include "Counters.h"

#include "counter/CheckoutStore.h"
#include "data/Database.h"
#include "data/StoreLocation.h"

#include <QDate>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <latch>
#include <random>
#include <thread>
#include <vector>

namespace {

QList<qint32> numbers(Database &db, const QString &sql)
{
    QList<qint32> out;
    auto q = db.run(QStringLiteral("read the benchmark's rows"), sql);
    if (!q)
        qFatal("%s", qPrintable(db.lastError().clerkText()));
    while (q->next())
        out << q->value(0).toInt();
    return out;
}

// A figure of the store; nullopt, said on the terminal, when the store
// cannot be read even after a few seconds (a server restarting).
std::optional<qint64> number(Database &db, const QString &sql)
{
    for (int tries = 1;; ++tries) {
        if (const auto v = db.scalar(QStringLiteral("check the store"), sql))
            return v->toLongLong();
        if (tries == 10) {
            std::printf("the store could not be read: %s\n", qPrintable(db.lastError().clerkText().simplified()));
            return std::nullopt;
        }
        QThread::msleep(500);
    }
}

void programCounter(const Shift &shift, quint32 seed, Counter &out)
{
    CheckoutStore counter(shift.store);
    QRandomGenerator random(seed);
    // Prices that cannot be read (a server restarting) fail the turn, told
    // as the counter tells it, and are read again for the next.
    auto rates = counter.rates(shift.today);
    shift.connected();
    while (shift.clock->elapsed() < shift.until) {
        if (!rates && !(rates = counter.rates(shift.today))) {
            out.shown(counter.lastError().clerkText());
            QThread::msleep(100);
            continue;
        }
        const qint32 member = shift.members->at(random.bounded(int(shift.members->size())));
        const MemberLookup::Typed found = counter.findTyped(1, QString::number(member));
        if (found.status != MemberLookup::Typed::Status::Done || found.rows.isEmpty()) {
            out.shown(counter.lastError().clerkText());
            continue;
        }
        CheckoutPlan plan{member, shift.today, {}};
        for (int i = 0; i < 2; ++i) {
            const auto tape = shift.shelf->take();
            if (!tape) {
                out.shelvesEmpty = true;
                return;
            }
            const auto row = counter.rentalTape(*tape);
            if (row.failed || !row.row) {
                out.shown(counter.lastError().clerkText());
                continue;
            }
            const PriceClass *charge = rates->priceClass(row.row->priceClass);
            plan.lines.append({BillLine::Kind::Rent, *tape, 0, charge ? charge->fee : Money()});
        }
        const qint32 item = shift.items->at(random.bounded(int(shift.items->size())));
        const auto row = counter.item(item);
        if (row.failed || !row.row) {
            out.shown(counter.lastError().clerkText());
            continue;
        }
        plan.lines.append({BillLine::Kind::Buy, item, 1, row.row->price.roundedToCents()});
        Money subtotal;
        for (const BillLine::Parsed &line : std::as_const(plan.lines))
            subtotal += line.amount;
        plan.money = CheckoutMoney::forSubtotal(subtotal, rates->taxes);
        plan.money.payByCard(1);
        if (counter.recordCheckout(plan)) {
            ++out.checkouts;
            ++out.unitsSold;
        } else {
            out.shown(counter.lastError().clerkText());
        }
    }
}

// `counters` threads of `work` for `milliseconds` once all are connected,
// added into `total`; the seconds they worked, which end early when the
// shelves are empty.
double shift(int counters, qint64 milliseconds, Shift where, quint32 seeds,
             void (*work)(const Shift &, quint32, Counter &), Counter &total)
{
    std::vector<Counter> results(counters);
    std::latch connected(counters + 1);
    std::latch go(1);
    QElapsedTimer clock;
    where.clock = &clock;
    where.until = milliseconds;
    where.connected = [&] {
        connected.arrive_and_wait();
        go.wait();
    };
    std::vector<std::thread> threads;
    for (int i = 0; i < counters; ++i)
        threads.emplace_back([&, i] { work(where, seeds + i, results[i]); });
    connected.arrive_and_wait();
    clock.start();
    go.count_down();
    for (std::thread &t : threads)
        t.join();
    for (const Counter &c : results) {
        total.checkouts += c.checkouts;
        total.unitsSold += c.unitsSold;
        total.errors += c.errors;
        total.shelvesEmpty = total.shelvesEmpty || c.shelvesEmpty;
        if (total.firstError.isEmpty())
            total.firstError = c.firstError;
    }
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

bool benchCounters(const QString &store, int counters, int seconds)
{
    Database db(store);
    if (!db.isOpen())
        qFatal("%s", qPrintable(db.lastError().clerkText()));
    const QList<qint32> members = numbers(
        db, QStringLiteral("SELECT CustomerNumber FROM tblMembers WHERE Deleted = 0 AND CustomerNumber > 0"));
    QList<qint32> tapes = numbers(
        db, QStringLiteral("SELECT v.VideoID FROM tblVideos v JOIN tblMovies m ON m.MovieNum = v.MovieNum "
                           "WHERE v.ForRent = 1 AND v.InStore = 1 AND v.Deleted = 0 AND m.Deleted = 0 AND NOT EXISTS "
                           "(SELECT 1 FROM tblRentals r WHERE r.VideoID = v.VideoID AND r.Returned = 0) AND NOT EXISTS "
                           "(SELECT 1 FROM tblHolds h WHERE h.VideoID = v.VideoID AND h.State = 'ready')"));
    // Stock enough that no counter meets an empty shelf: what is measured
    // is the writing, not the refusals.
    const QList<qint32> items = numbers(
        db, QStringLiteral("SELECT InventoryID FROM tblInventory WHERE Deleted = 0 ORDER BY InventoryID LIMIT 100"));
    if (members.isEmpty() || tapes.size() < 2 || items.isEmpty())
        qFatal("the store is too small to benchmark; make it with videostore-sample --size full");
    if (!db.transaction(QStringLiteral("stock up"), [&] {
            return db.run(QStringLiteral("stock up"),
                          QStringLiteral("UPDATE tblInventory SET Quantity = Quantity + 1000000 WHERE Deleted = 0 "
                                         "AND InventoryID <= ?"),
                          {items.last()})
                .has_value();
        }))
        qFatal("%s", qPrintable(db.lastError().clerkText()));
    std::shuffle(tapes.begin(), tapes.end(), std::mt19937(20261206));
    Shelf shelf(tapes);

    const auto stockBefore = number(db, QStringLiteral("SELECT COALESCE(SUM(Quantity), 0) FROM tblInventory"));
    const auto lastSale = number(db, QStringLiteral("SELECT COALESCE(MAX(SaleID), 0) FROM tblReceipts"));
    const auto lastRental = number(db, QStringLiteral("SELECT COALESCE(MAX(RentalID), 0) FROM tblRentals"));
    const auto lastEntry = number(db, QStringLiteral("SELECT COALESCE(MAX(Seq), 0) FROM tblLedger"));
    if (!stockBefore || !lastSale || !lastRental || !lastEntry)
        return false;

    // The program and, on a server, its floor take turns, four times each,
    // so that both meet the same load on a machine that others share.
    const bool server = StoreLocation::isServer(store);
    const int turns = server ? 4 : 1;
    const Shift where{store, &shelf, &members, &items, QDate::currentDate(), 0, nullptr, {}};
    Counter program, floor, piped;
    double programTime = 0, floorTime = 0, pipedTime = 0;
    for (int turn = 0; turn < turns && !program.shelvesEmpty && !floor.shelvesEmpty; ++turn) {
        const qint64 milliseconds = qint64(seconds) * 1000 / turns;
        programTime += shift(counters, milliseconds, where, 1000 + 100 * turn, programCounter, program);
        if (server && !program.shelvesEmpty)
            floorTime += shift(counters, milliseconds, where, 5000 + 100 * turn, floorCounter, floor);
        if (server && !floor.shelvesEmpty)
            pipedTime += shift(counters, milliseconds, where, 7000 + 100 * turn, pipelinedFloorCounter, piped);
    }
    const qint64 written = program.checkouts + floor.checkouts + piped.checkouts;

    const auto doubleRentals = number(
        db, QStringLiteral("SELECT COUNT(*) FROM (SELECT VideoID FROM tblRentals WHERE Returned = 0 GROUP BY VideoID "
                           "HAVING COUNT(*) > 1) AS twice"));
    const auto sold = number(db, QStringLiteral("SELECT COALESCE(SUM(QuantityPurchased), 0) FROM tblSalesDetails "
                                                "WHERE ReceiptID > %1")
                                     .arg(*lastSale));
    const auto stockAfter = number(db, QStringLiteral("SELECT COALESCE(SUM(Quantity), 0) FROM tblInventory"));
    const qint64 lost = sold && stockAfter ? (*stockBefore - *stockAfter) - *sold : 0;
    const double rate = programTime > 0 ? program.checkouts / programTime : 0;
    QString floorFigures;
    if (server) {
        const double floorRate = floorTime > 0 ? floor.checkouts / floorTime : 0;
        const double pipedRate = pipedTime > 0 ? piped.checkouts / pipedTime : 0;
        floorFigures = QStringLiteral(", floor per second %1, ratio %2, pipelined floor per second %3, ratio %4")
                           .arg(floorRate, 0, 'f', 1)
                           .arg(floorRate > 0 ? QString::number(rate / floorRate, 'f', 2) : QStringLiteral("-"))
                           .arg(pipedRate, 0, 'f', 1)
                           .arg(pipedRate > 0 ? QString::number(rate / pipedRate, 'f', 2) : QStringLiteral("-"));
    }
    std::printf("counters %d, checkouts %lld, per second %.1f%s, double rentals %lld, lost decrements %lld, errors "
                "shown %lld\n",
                counters, program.checkouts, rate, qPrintable(floorFigures), doubleRentals.value_or(-1), lost,
                program.errors);
    if (!program.firstError.isEmpty())
        std::printf("first error shown: %s\n", qPrintable(program.firstError.simplified()));
    for (const Counter *c : {&floor, &piped})
        if (c->errors > 0)
            std::printf("the %sfloor met %lld errors, the first: %s\n", c == &piped ? "pipelined " : "", c->errors,
                        qPrintable(c->firstError));
    // The rates are over the time the counters worked, which ends early
    // when every tape on the shelves is out.
    if (program.shelvesEmpty || floor.shelvesEmpty || piped.shelvesEmpty)
        std::printf("every tape on the shelves was rented after %.1f s\n", programTime + floorTime + pipedTime);

    // The store itself, checked against what the counters were told.
    const auto rentals =
        number(db, QStringLiteral("SELECT COUNT(*) FROM tblRentals WHERE RentalID > %1").arg(*lastRental));
    const auto checkouts = number(
        db, QStringLiteral("SELECT COUNT(DISTINCT RentalID) FROM tblRentals WHERE RentalID > %1").arg(*lastRental));
    const auto receipts =
        number(db, QStringLiteral("SELECT COUNT(*) FROM tblReceipts WHERE SaleID > %1").arg(*lastSale));
    const auto entries = number(
        db, QStringLiteral("SELECT COUNT(*) FROM tblLedger WHERE Seq > %1 AND Kind = 'checkout'").arg(*lastEntry));
    if (!doubleRentals || !sold || !stockAfter || !rentals || !checkouts || !receipts || !entries)
        return false;
    QStringList problems;
    if (*doubleRentals != 0)
        problems << QStringLiteral("%1 tapes on two open rentals").arg(*doubleRentals);
    if (lost != 0)
        problems << QStringLiteral("stock off by %1 from the receipts").arg(lost);
    if (*sold != program.unitsSold + floor.unitsSold + piped.unitsSold)
        problems << QStringLiteral("receipts sold %1 units, the counters %2")
                        .arg(*sold)
                        .arg(program.unitsSold + floor.unitsSold + piped.unitsSold);
    if (*checkouts != written || *receipts != written || *rentals != 2 * written || *entries != written)
        problems << QStringLiteral("%1 checkouts written as %2 rental numbers, %3 rentals, %4 receipts and %5 "
                                   "ledger entries")
                        .arg(written)
                        .arg(*checkouts)
                        .arg(*rentals)
                        .arg(*receipts)
                        .arg(*entries);
    if (problems.isEmpty())
        std::printf("store checked: no tape on two open rentals, stock equal to the starting stock less what the "
                    "receipts sold, %lld checkouts written whole, each with its one ledger entry\n",
                    written);
    else
        std::printf("STORE CHECK FAILED: %s\n", qPrintable(problems.join(QStringLiteral("; "))));
    return problems.isEmpty();
}
