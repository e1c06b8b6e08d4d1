// Several counters on one store at once: each a thread with its own
// connection and store classes, doing what a clerk does for a checkout (the
// member looked up, two tapes and an item looked up, the checkout written),
// and afterwards a check that nothing was rented twice or sold uncounted.
#include "Bench.h"

#include "counter/CheckoutStore.h"
#include "data/Database.h"

#include <QDate>
#include <QElapsedTimer>
#include <QMutex>
#include <QRandomGenerator>

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

qint64 number(Database &db, const QString &sql)
{
    const auto v = db.scalar(QStringLiteral("check the store"), sql);
    if (!v)
        qFatal("%s", qPrintable(db.lastError().clerkText()));
    return v->toLongLong();
}

// The tapes on the shelves: each is scanned at one counter only, as a
// physical tape would be.
class Shelf
{
public:
    explicit Shelf(QList<qint32> tapes) : m_tapes(std::move(tapes)) {}
    std::optional<qint32> take()
    {
        const QMutexLocker lock(&m_mutex);
        if (m_tapes.isEmpty())
            return std::nullopt;
        return m_tapes.takeLast();
    }

private:
    QMutex m_mutex;
    QList<qint32> m_tapes;
};

struct Counter
{
    qint64 checkouts = 0;
    qint64 unitsSold = 0;
    qint64 errors = 0;
    QString firstError;
};

void runCounter(const QString &store, Shelf &shelf, const QList<qint32> &members, const QList<qint32> &items,
                QDate today, qint64 deadline, const QElapsedTimer &clock, quint32 seed, Counter &out)
{
    CheckoutStore counter(store);
    QRandomGenerator random(seed);
    const auto rates = counter.rates(today);
    if (!rates)
        qFatal("%s", qPrintable(counter.lastError().clerkText()));
    auto shown = [&](const QString &message) {
        ++out.errors;
        if (out.firstError.isEmpty())
            out.firstError = message;
    };
    while (clock.elapsed() < deadline) {
        const qint32 member = members.at(random.bounded(int(members.size())));
        const MemberLookup::Typed found = counter.findTyped(1, QString::number(member));
        if (found.status != MemberLookup::Typed::Status::Done || found.rows.isEmpty()) {
            shown(counter.lastError().clerkText());
            continue;
        }
        CheckoutPlan plan{member, today, {}};
        for (int i = 0; i < 2; ++i) {
            const auto tape = shelf.take();
            if (!tape)
                return; // the shelves are empty
            const auto row = counter.rentalTape(*tape);
            if (row.failed || !row.row) {
                shown(counter.lastError().clerkText());
                continue;
            }
            const PriceClass *charge = rates->priceClass(row.row->priceClass);
            plan.lines.append({BillLine::Kind::Rent, *tape, 0, charge ? charge->fee : Money()});
        }
        const qint32 item = items.at(random.bounded(int(items.size())));
        const auto row = counter.item(item);
        if (row.failed || !row.row) {
            shown(counter.lastError().clerkText());
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
            shown(counter.lastError().clerkText());
        }
    }
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
                           "(SELECT 1 FROM tblRentals r WHERE r.VideoID = v.VideoID AND r.Returned = 0)"));
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

    const qint64 stockBefore = number(db, QStringLiteral("SELECT COALESCE(SUM(Quantity), 0) FROM tblInventory"));
    const qint64 lastSale = number(db, QStringLiteral("SELECT COALESCE(MAX(SaleID), 0) FROM tblReceipts"));
    const qint64 lastRental = number(db, QStringLiteral("SELECT COALESCE(MAX(RentalID), 0) FROM tblRentals"));

    std::vector<Counter> results(counters);
    std::latch ready(counters + 1);
    QElapsedTimer clock;
    std::vector<std::thread> threads;
    const QDate today = QDate::currentDate();
    for (int i = 0; i < counters; ++i)
        threads.emplace_back([&, i] {
            ready.arrive_and_wait();
            runCounter(store, shelf, members, items, today, qint64(seconds) * 1000, clock, 1000 + i, results[i]);
        });
    clock.start();
    ready.arrive_and_wait();
    for (std::thread &t : threads)
        t.join();
    const double elapsed = clock.nsecsElapsed() / 1e9;

    Counter total;
    for (const Counter &c : results) {
        total.checkouts += c.checkouts;
        total.unitsSold += c.unitsSold;
        total.errors += c.errors;
        if (total.firstError.isEmpty())
            total.firstError = c.firstError;
    }
    const qint64 doubleRentals = number(
        db, QStringLiteral("SELECT COUNT(*) FROM (SELECT VideoID FROM tblRentals WHERE Returned = 0 GROUP BY VideoID "
                           "HAVING COUNT(*) > 1) AS twice"));
    const qint64 sold = number(db, QStringLiteral("SELECT COALESCE(SUM(QuantityPurchased), 0) FROM tblSalesDetails "
                                                  "WHERE ReceiptID > %1")
                                       .arg(lastSale));
    const qint64 stockAfter = number(db, QStringLiteral("SELECT COALESCE(SUM(Quantity), 0) FROM tblInventory"));
    const qint64 lost = (stockBefore - stockAfter) - sold;
    std::printf("counters %d, checkouts %lld, per second %.1f, double rentals %lld, lost decrements %lld, errors "
                "shown %lld\n",
                counters, total.checkouts, total.checkouts / elapsed, doubleRentals, lost, total.errors);
    if (!total.firstError.isEmpty())
        std::printf("first error shown: %s\n", qPrintable(total.firstError.simplified()));
    // The rate is over the time the counters worked, which ends early when
    // every tape on the shelves is out.
    if (elapsed < seconds)
        std::printf("every tape on the shelves was rented after %.1f s\n", elapsed);

    // The store itself, checked against what the counters were told.
    QStringList problems;
    const qint64 rentals = number(db, QStringLiteral("SELECT COUNT(*) FROM tblRentals WHERE RentalID > %1").arg(lastRental));
    const qint64 checkouts =
        number(db, QStringLiteral("SELECT COUNT(DISTINCT RentalID) FROM tblRentals WHERE RentalID > %1").arg(lastRental));
    const qint64 receipts = number(db, QStringLiteral("SELECT COUNT(*) FROM tblReceipts WHERE SaleID > %1").arg(lastSale));
    if (doubleRentals != 0)
        problems << QStringLiteral("%1 tapes on two open rentals").arg(doubleRentals);
    if (lost != 0)
        problems << QStringLiteral("stock off by %1 from the receipts").arg(lost);
    if (sold != total.unitsSold)
        problems << QStringLiteral("receipts sold %1 units, the counters %2").arg(sold).arg(total.unitsSold);
    if (checkouts != total.checkouts || receipts != total.checkouts || rentals != 2 * total.checkouts)
        problems << QStringLiteral("%1 checkouts written as %2 rental numbers, %3 rentals and %4 receipts")
                        .arg(total.checkouts)
                        .arg(checkouts)
                        .arg(rentals)
                        .arg(receipts);
    if (problems.isEmpty())
        std::printf("store checked: no tape on two open rentals, stock equal to the starting stock less what the "
                    "receipts sold, %lld checkouts written whole\n",
                    total.checkouts);
    else
        std::printf("STORE CHECK FAILED: %s\n", qPrintable(problems.join(QStringLiteral("; "))));
    return problems.isEmpty();
}
