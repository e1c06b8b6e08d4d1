#include "Bench.h"

#include "app/WindowRegistry.h"
#include "app/frmMain.h"
#include "data/Chain.h"
#include "data/Database.h"
#include "data/Pricing.h"
#include "data/StoreLocation.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double medianOf(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times.empty() ? 0 : times[times.size() / 2];
}

QSqlQuery exec(const QSqlDatabase &db, const QString &sql, const QVariantList &values)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        qFatal("statement failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    return q;
}

} // namespace

double measure(int runs, const std::function<void()> &setup, const std::function<void()> &op,
               const std::function<void()> &after)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (setup)
            setup();
        QElapsedTimer t;
        t.start();
        op();
        times.push_back(t.nsecsElapsed() / 1e6);
        if (after)
            after();
    }
    return medianOf(times);
}

Floor::Floor(const QString &path)
    : m_server(StoreLocation::isServer(path))
{
    QString error;
    m_db = Database::connect(QStringLiteral("bench-floor"), path, &error);
    if (!error.isEmpty())
        qFatal("cannot open %s: %s", qPrintable(path), qPrintable(error));
}

Floor::~Floor()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("bench-floor"));
}

int Floor::run(const QString &sql, const QVariantList &values)
{
    QSqlQuery q = exec(m_db, sql, values);
    int rows = 0;
    while (q.next())
        ++rows;
    return rows;
}

void Floor::begin()
{
    QSqlQuery q(m_db);
    if (!q.exec(m_server ? QStringLiteral("BEGIN ISOLATION LEVEL SERIALIZABLE") : QStringLiteral("BEGIN IMMEDIATE")))
        qFatal("BEGIN failed: %s", qPrintable(q.lastError().text()));
}

void Floor::commit()
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("COMMIT")))
        qFatal("COMMIT failed: %s", qPrintable(q.lastError().text()));
}

QList<QVariant> Floor::column(const QString &sql, const QVariantList &values)
{
    QSqlQuery q = exec(m_db, sql, values);
    QList<QVariant> out;
    while (q.next())
        out << q.value(0);
    return out;
}

Bench::Bench(QString path, int runs)
    : m_path(std::move(path))
    , m_runs(runs)
    , m_floor(m_path)
{
    m_ws.onUnscripted = [](const QString &why) { qFatal("unscripted box: %s", qPrintable(why)); };
    // A phone shared by a family asks the clerk to choose; the lookups are
    // timed on phones of one member each.
    members = m_floor.column(QStringLiteral(
        "SELECT CustomerNumber FROM tblMembers c WHERE Deleted = 0 AND CustomerNumber > 0 "
        "AND HomePhone IS NOT NULL AND DriverLicence IS NOT NULL AND NOT EXISTS (SELECT 1 FROM tblMembers o "
        "WHERE o.HomePhone = c.HomePhone AND o.CustomerNumber <> c.CustomerNumber) ORDER BY random() LIMIT 500"));
    rentable = m_floor.column(QStringLiteral(
        "SELECT v.VideoID FROM tblVideos v JOIN tblMovies m ON m.MovieNum = v.MovieNum WHERE v.ForRent = 1 "
        "AND v.InStore = 1 AND v.Deleted = 0 AND m.Deleted = 0 ORDER BY random() LIMIT 3000"));
    forSale = m_floor.column(QStringLiteral(
        "SELECT v.VideoID FROM tblVideos v JOIN tblMovies m ON m.MovieNum = v.MovieNum WHERE v.ForSale = 1 "
        "AND v.InStore = 1 AND v.Deleted = 0 ORDER BY random() LIMIT 500"));
    items = m_floor.column(QStringLiteral(
        "SELECT InventoryID FROM tblInventory WHERE Deleted = 0 AND Quantity > 20 ORDER BY random() LIMIT 200"));
    if (members.size() < 50 || rentable.size() < 400 || forSale.size() < 100 || items.size() < 3)
        qFatal("the store is too small to benchmark; make it with videostore-sample --size full");
}

QVariant Bench::pick(const QList<QVariant> &pool)
{
    return pool.at(m_random.bounded(int(pool.size())));
}

QVariant Bench::take(QList<QVariant> &pool)
{
    if (pool.isEmpty())
        qFatal("ran out of rows to use up; use fewer runs");
    return pool.takeLast();
}

std::unique_ptr<WindowRegistry> Bench::menuShown()
{
    auto windows = std::make_unique<WindowRegistry>(m_path, m_ws);
    windows->main().show();
    QCoreApplication::processEvents();
    return windows;
}

double Bench::firstOpening(const std::function<void(WindowRegistry &)> &open)
{
    std::unique_ptr<WindowRegistry> windows;
    return measure(
        m_runs, [&] { windows = menuShown(); },
        [&] {
            open(*windows);
            QCoreApplication::processEvents();
        },
        [&] { windows.reset(); });
}

double Bench::openStoreFloor()
{
    return measure(m_runs, {}, [&] { Database db(m_path); });
}

void Bench::add(const QString &operation, double median, std::optional<double> floor, double target)
{
    m_results.append({operation, median, floor, target});
    std::fprintf(stderr, "  %s\n", qPrintable(operation));
}

void Bench::print() const
{
    std::printf("\n%-52s %10s %10s %7s %8s %s\n", "operation", "median ms", "floor ms", "ratio", "target", "");
    for (const Result &r : m_results) {
        const QString floor = r.floor ? QString::number(*r.floor, 'f', 3) : QStringLiteral("-");
        const QString ratio = r.floor && *r.floor > 0 ? QString::number(r.median / *r.floor, 'f', 1)
                                                      : QStringLiteral("-");
        std::printf("%-52s %10.3f %10s %7s %8.0f %s\n", qPrintable(r.operation), r.median, qPrintable(floor),
                    qPrintable(ratio), r.target, r.median <= r.target ? "ok" : "MISSED");
    }
}

namespace {

// The last entry's number and link, or where the chain starts.
std::pair<qint64, QByteArray> ledgerTail(Floor &floor)
{
    QSqlQuery q = exec(floor.database(), QStringLiteral("SELECT Seq, Hash FROM tblLedger ORDER BY Seq DESC LIMIT 1"), {});
    if (q.next())
        return {q.value(0).toLongLong(), Chain::fromText(q.value(1))};
    return {0, Chain::start(floor.column(QStringLiteral("SELECT Value FROM tblSettings WHERE Name = ?"),
                                         {QLatin1String(Chain::StartSetting)})
                                .value(0),
                            Chain::ledger())};
}

QString insertSql(const QStringList &columns)
{
    return QStringLiteral("INSERT INTO tblLedger (%1, Hash) VALUES (%2?)")
        .arg(columns.join(QStringLiteral(", ")), QStringLiteral("?, ").repeated(columns.size()));
}

} // namespace

void ledgerEntrySql(Floor &floor, const char *kind, const QVariant &member, qint64 amount)
{
    static const QStringList columns = {
        QStringLiteral("Seq"), QStringLiteral("EntryDate"), QStringLiteral("EntryTime"), QStringLiteral("Counter"),
        QStringLiteral("Kind"), QStringLiteral("CustomerNumber"), QStringLiteral("RentalID"),
        QStringLiteral("ReceiptID"), QStringLiteral("VideoID"), QStringLiteral("Method"), QStringLiteral("SubTotal"),
        QStringLiteral("GST"), QStringLiteral("PST"), QStringLiteral("Total"), QStringLiteral("Tendered"),
        QStringLiteral("ChangeGiven"), QStringLiteral("FeesPaid"), QStringLiteral("Rentals"),
        QStringLiteral("RentalsAmount"), QStringLiteral("TapesSold"), QStringLiteral("TapesSoldAmount"),
        QStringLiteral("ItemsSold"), QStringLiteral("ItemsSoldAmount"), QStringLiteral("DaysLate"),
        QStringLiteral("Amount"), QStringLiteral("OpeningFloat"), QStringLiteral("Expected"), QStringLiteral("Note")};
    static const Chain::Layout layout(columns);
    // The next number and the link of the entry before, as every writer reads them.
    const auto [seq, before] = ledgerTail(floor);
    const QVariant none;
    QVariantList values = {seq + 1, QDate::currentDate().toString(Qt::ISODate),
                           QDateTime::currentDateTime().toString(Qt::ISODate), QStringLiteral("bench"),
                           QLatin1String(kind), member, 1, 1, none, 6, amount, amount, amount, amount, amount, amount,
                           0, 1, amount, 1, amount, 1, amount, none, amount, none, none, none};
    values << Chain::toText(layout.link(before, values));
    floor.run(insertSql(columns), values);
}

void seedLedgerYear(Floor &floor)
{
    floor.begin();
    const QStringList columns = {
        QStringLiteral("Seq"), QStringLiteral("EntryDate"), QStringLiteral("EntryTime"), QStringLiteral("Counter"),
        QStringLiteral("Kind"), QStringLiteral("CustomerNumber"), QStringLiteral("RentalID"),
        QStringLiteral("ReceiptID"), QStringLiteral("Method"), QStringLiteral("SubTotal"), QStringLiteral("GST"),
        QStringLiteral("PST"), QStringLiteral("Total"), QStringLiteral("Tendered"), QStringLiteral("ChangeGiven"),
        QStringLiteral("FeesPaid"), QStringLiteral("Rentals"), QStringLiteral("RentalsAmount"),
        QStringLiteral("TapesSold"), QStringLiteral("TapesSoldAmount"), QStringLiteral("ItemsSold"),
        QStringLiteral("ItemsSoldAmount"), QStringLiteral("DaysLate"), QStringLiteral("Amount")};
    const Chain::Layout layout(columns);
    QSqlQuery q(floor.database());
    q.prepare(insertSql(columns));
    const QDate today = QDate::currentDate();
    auto [seq, before] = ledgerTail(floor);
    const std::array<Tax, Pricing::Taxes> &taxes = Pricing::starting().taxes;
    const qint64 lateFee = Pricing::starting().classes[0].lateFee.units();
    for (int day = 365; day >= 1; --day) {
        const QString date = today.addDays(-day).toString(Qt::ISODate);
        for (int i = 0; i < 300; ++i) {
            const bool checkout = i % 3 != 2;
            const Money subtotal = Money::fromUnits(49900 + 1000 * (i % 17));
            const qint64 gst = taxes[0].on(subtotal).units(), pst = taxes[1].on(subtotal).units();
            const qint64 total = subtotal.units() + gst + pst;
            const QVariantList values = {
                ++seq, date, date + QStringLiteral("T12:00:00"), i % 2 ? QStringLiteral("front") : QStringLiteral("back"),
                checkout ? QStringLiteral("checkout") : (i % 2 ? QStringLiteral("payment") : QStringLiteral("fee")),
                1 + i, checkout ? QVariant(i) : QVariant(), checkout ? QVariant(i) : QVariant(),
                checkout ? QVariant(1 + i % 6) : QVariant(), checkout ? QVariant(subtotal.units()) : QVariant(),
                checkout ? QVariant(gst) : QVariant(), checkout ? QVariant(pst) : QVariant(),
                checkout ? QVariant(total) : QVariant(), checkout ? QVariant(total + 5000) : QVariant(),
                checkout ? QVariant(qint64(5000)) : QVariant(), checkout ? QVariant(0) : QVariant(),
                checkout ? QVariant(1) : QVariant(), checkout ? QVariant(subtotal.units()) : QVariant(),
                checkout ? QVariant(0) : QVariant(), checkout ? QVariant(0) : QVariant(),
                checkout ? QVariant(0) : QVariant(), checkout ? QVariant(0) : QVariant(),
                checkout || i % 2 ? QVariant() : QVariant(3), checkout ? total : lateFee};
            before = layout.link(before, values);
            for (const QVariant &v : values)
                q.addBindValue(v);
            q.addBindValue(Chain::toText(before));
            if (!q.exec())
                qFatal("cannot seed the ledger: %s", qPrintable(q.lastError().text()));
        }
    }
    floor.commit();
}

double statusMb(const QString &statusFile, const char *field)
{
    QFile status(statusFile);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const qsizetype length = qstrlen(field);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(length).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}
