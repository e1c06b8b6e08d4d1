// The floor of the counters benchmark: a counter's checkouts as bare
// prepared statements on libpq, nothing between the statements and the
// server but the protocol itself.
#include "Counters.h"

#include "data/Chain.h"
#include "data/Ledger.h"
#include "data/Pricing.h"
#include "data/ServerStore.h"
#include "data/StoreDate.h"
#include "data/StoreLocation.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QThread>

#include <libpq-fe.h>

#include <vector>

namespace {

// The program's statements, word for word.
enum Statement { Member, Tape, Item, ClassOfTape, Prices, LastRental, TakeTape, Rental, LastSale, Receipt, LowerStock,
                 ItemPrice, ItemSold, CloseHolds, LastEntry, Entry, ItemSoldAtPrice, StatementCount };

const char *const Sql[StatementCount] = {
    "SELECT CustomerNumber, LastName, FirstName, Address, City, PostalCode, HomePhone, CellPhone, BusPhone, "
    "DriverLicence, OtherNames1, OtherNames2, OtherNames3, Deleted, FeesOwing FROM tblMembers WHERE CustomerNumber "
    "= $1 ORDER BY CustomerNumber",
    "SELECT v.ForRent, v.InStore, v.Deleted, m.Name, m.CategoryID, m.Actor, m.Actress, m.Rating, m.PriceClass FROM "
    "tblVideos v JOIN tblMovies m ON v.MovieNum = m.MovieNum WHERE v.VideoID = $1",
    "SELECT ItemName, Price, Quantity, Deleted FROM tblInventory WHERE InventoryID = $1",
    "SELECT m.PriceClass FROM tblMovies m JOIN tblVideos v ON m.MovieNum = v.MovieNum WHERE v.VideoID = $1",
    "SELECT Kind, Number, InForceFrom, Name, Fee, Days, LateFee, Rate, ChangeID, ChangedAt, Counter FROM tblPrices "
    "WHERE InForceFrom <= $1 ORDER BY InForceFrom, ChangeID",
    "SELECT MAX(RentalID) FROM tblRentals",
    "UPDATE tblVideos AS v SET InStore = 0 WHERE VideoID = $1 AND InStore = 1 AND NOT EXISTS (SELECT 1 FROM tblRentals "
    "WHERE VideoID = $2 AND Returned = 0) AND NOT EXISTS (SELECT 1 FROM tblHolds h WHERE h.VideoID = v.VideoID AND "
    "h.State = 'ready' AND h.Until >= $3 AND h.CustomerNumber <> $4)",
    "INSERT INTO tblRentals (RentalID, VideoID, CustomerNumber, RentalDate, DueDate, Returned, RentalFee, RentalDays, "
    "LateFee, GSTRate, PSTRate, GST, PST) VALUES ($1, $2, $3, $4, $5, 0, $6, $7, $8, $9, $10, $11, $12)",
    "SELECT MAX(SaleID) FROM tblReceipts",
    "INSERT INTO tblReceipts (SaleID, DateOfSale, CustomerID) VALUES ($1, $2, $3)",
    "UPDATE tblInventory SET Quantity = Quantity - $1 WHERE InventoryID = $2 AND Quantity >= $3",
    "SELECT Price FROM tblInventory WHERE InventoryID = $1",
    "INSERT INTO tblSalesDetails (ReceiptID, InventoryID, QuantityPurchased, Price, Amount, GSTRate, PSTRate, GST, "
    "PST) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, $9)",
    "UPDATE tblHolds SET State = CASE WHEN CustomerNumber = $1 THEN 'filled' ELSE 'lapsed' END, ClosedOn = $2 "
    "WHERE State = 'ready' AND VideoID IN ($3, $4)",
    "SELECT Seq, Hash FROM tblLedger ORDER BY Seq DESC LIMIT 1",
    "INSERT INTO tblLedger (Seq, EntryDate, EntryTime, Counter, Kind, CustomerNumber, RentalID, ReceiptID, VideoID, "
    "Method, SubTotal, GST, PST, Total, Tendered, ChangeGiven, FeesPaid, Rentals, RentalsAmount, TapesSold, "
    "TapesSoldAmount, ItemsSold, ItemsSoldAmount, DaysLate, Amount, OpeningFloat, Expected, Note, Hash) VALUES ($1, "
    "$2, $3, $4, $5, $6, $7, $8, $9, $10, $11, $12, $13, $14, $15, $16, $17, $18, $19, $20, $21, $22, $23, $24, $25, "
    "$26, $27, $28, $29)",
    "INSERT INTO tblSalesDetails (ReceiptID, InventoryID, QuantityPurchased, Price, Amount, GSTRate, PSTRate, GST, "
    "PST) SELECT $1, InventoryID, $2, Price, $3, $4, $5, $6, $7 FROM tblInventory WHERE InventoryID = $8 AND Price = $9",
};

// A value for a statement: text, or NULL.
using Value = std::optional<QByteArray>;

Value number(qint64 n)
{
    return QByteArray::number(n);
}

class Session
{
public:
    explicit Session(const QString &store) : m_store(store) {}
    ~Session() { PQfinish(m_conn); }

    bool connect()
    {
        PQfinish(m_conn);
        const auto server = StoreLocation::parseServer(m_store);
        QList<QByteArray> keys{"host", "port", "user", "dbname", "application_name", "connect_timeout"};
        QList<QByteArray> values{server->host.toUtf8(), server->port > 0 ? QByteArray::number(server->port) : "",
                                 server->user.toUtf8(), server->database.toUtf8(), "videostore-floor", "4"};
        for (const QString &option : server->options) {
            keys << option.section(u'=', 0, 0).toUtf8();
            values << option.section(u'=', 1).toUtf8();
        }
        std::vector<const char *> k, v;
        for (qsizetype i = 0; i < keys.size(); ++i)
            if (!values[i].isEmpty()) {
                k.push_back(keys[i].constData());
                v.push_back(values[i].constData());
            }
        k.push_back(nullptr);
        v.push_back(nullptr);
        m_conn = PQconnectdbParams(k.data(), v.data(), 0);
        if (PQstatus(m_conn) != CONNECTION_OK)
            return fail(nullptr);
        if (!command("SET lock_timeout = '2s'"))
            return false;
        auto prepare = [&](int name, const QByteArray &sql) {
            PGresult *r = PQprepare(m_conn, QByteArray::number(name).constData(), sql.constData(), 0, nullptr);
            const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK;
            if (!ok)
                fail(r);
            PQclear(r);
            return ok;
        };
        for (int s = 0; s < StatementCount; ++s)
            if (!prepare(s, Sql[s]))
                return false;
        // The conditional writes also as the program sends them with the
        // COMMIT: failing unless each changes its one row.
        for (const Statement s : {TakeTape, LowerStock, ItemSoldAtPrice})
            if (!prepare(StatementCount + s, ServerStore::changingOne(QString::fromLatin1(Sql[s])).toUtf8()))
                return false;
        return true;
    }

    bool lost() const { return PQstatus(m_conn) != CONNECTION_OK; }
    // The error of the last failure; its SQLSTATE decides a retry.
    const QString &error() const { return m_error; }
    const QByteArray &state() const { return m_state; }

    // Runs a prepared statement; its rows or changed rows, or nullptr.
    PGresult *run(Statement s, const std::vector<Value> &values)
    {
        std::vector<const char *> params;
        params.reserve(values.size());
        for (const Value &v : values)
            params.push_back(v ? v->constData() : nullptr);
        PGresult *r = PQexecPrepared(m_conn, QByteArray::number(int(s)).constData(), int(params.size()),
                                     params.data(), nullptr, nullptr, 0);
        const ExecStatusType status = PQresultStatus(r);
        if (status == PGRES_TUPLES_OK || status == PGRES_COMMAND_OK)
            return r;
        fail(r);
        PQclear(r);
        return nullptr;
    }

    // The first column of the first row, 0 when NULL; nullopt on failure.
    std::optional<qint64> value(Statement s, const std::vector<Value> &values = {})
    {
        PGresult *r = run(s, values);
        if (!r)
            return std::nullopt;
        const qint64 v = PQntuples(r) > 0 && !PQgetisnull(r, 0, 0) ? QByteArray(PQgetvalue(r, 0, 0)).toLongLong() : 0;
        PQclear(r);
        return v;
    }

    // The number of rows a write changed; nullopt on failure.
    std::optional<int> changed(Statement s, const std::vector<Value> &values)
    {
        PGresult *r = run(s, values);
        if (!r)
            return std::nullopt;
        const int n = QByteArray(PQcmdTuples(r)).toInt();
        PQclear(r);
        return n;
    }

    // One step of a pipeline: a prepared statement, or `text` as it stands.
    struct Step
    {
        Statement statement = StatementCount;
        std::vector<Value> values;
        const char *text = nullptr;
        bool changesOne = false;
    };
    // Runs `steps` in one round trip (libpq's pipeline mode); each one's
    // result, or false at the first failure.
    bool pipeline(const std::vector<Step> &steps, std::vector<PGresult *> *results)
    {
        std::vector<std::vector<const char *>> params(steps.size());
        bool sent = PQenterPipelineMode(m_conn);
        for (size_t i = 0; sent && i < steps.size(); ++i) {
            for (const Value &v : steps[i].values)
                params[i].push_back(v ? v->constData() : nullptr);
            sent = steps[i].text
                ? PQsendQueryParams(m_conn, steps[i].text, 0, nullptr, nullptr, nullptr, nullptr, 0)
                : PQsendQueryPrepared(m_conn,
                                      QByteArray::number(steps[i].statement + (steps[i].changesOne ? StatementCount : 0))
                                          .constData(),
                                      int(params[i].size()), params[i].data(), nullptr, nullptr, 0);
        }
        if (!sent || !PQpipelineSync(m_conn))
            return fail(nullptr);
        bool ok = true;
        for (size_t i = 0; i < steps.size(); ++i) {
            PGresult *r = PQgetResult(m_conn);
            while (PGresult *end = PQgetResult(m_conn))
                PQclear(end);
            const ExecStatusType status = PQresultStatus(r);
            if (status == PGRES_TUPLES_OK || status == PGRES_COMMAND_OK) {
                results->push_back(r);
                continue;
            }
            if (ok && status != PGRES_PIPELINE_ABORTED)
                fail(r);
            ok = false;
            PQclear(r);
            if (lost())
                return false;
        }
        PQclear(PQgetResult(m_conn)); // the sync
        return PQexitPipelineMode(m_conn) && ok;
    }

    bool command(const char *sql)
    {
        PGresult *r = PQexec(m_conn, sql);
        const bool ok = PQresultStatus(r) == PGRES_COMMAND_OK || PQresultStatus(r) == PGRES_TUPLES_OK;
        if (!ok)
            fail(r);
        PQclear(r);
        return ok;
    }

private:
    bool fail(const PGresult *r)
    {
        m_state = r ? QByteArray(PQresultErrorField(r, PG_DIAG_SQLSTATE)) : QByteArray();
        m_error = QString::fromUtf8(PQerrorMessage(m_conn)).simplified();
        return false;
    }

    QString m_store;
    PGconn *m_conn = nullptr;
    QString m_error;
    QByteArray m_state;
};

// One checkout's writes, as the program makes them; false on a failure,
// with `conflict` set when a tape or the stock was taken meanwhile.
// The checkout's ledger entry, linked after `before` as the program links it.
std::vector<Value> ledgerEntry(qint64 seq, const QByteArray &date, qint32 member, qint64 rentalId, qint64 saleId,
                               const QByteArray &before)
{
    const QByteArray time = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toUtf8();
    const QByteArray counter = Ledger::counterName().toUtf8();
    static const Chain::Layout layout(
        QStringLiteral("Seq, EntryDate, EntryTime, Counter, Kind, CustomerNumber, RentalID, ReceiptID, VideoID, "
                       "Method, SubTotal, GST, PST, Total, Tendered, ChangeGiven, FeesPaid, Rentals, RentalsAmount, "
                       "TapesSold, TapesSoldAmount, ItemsSold, ItemsSoldAmount, DaysLate, Amount, OpeningFloat, "
                       "Expected, Note")
            .split(QStringLiteral(", ")));
    QVariantList linked = {seq, QString::fromUtf8(date), QString::fromUtf8(time), QString::fromUtf8(counter),
                           QStringLiteral("checkout"), member, rentalId, saleId, QVariant(), QVariant()};
    for (int i = 0; i < 13; ++i)
        linked << qint64(0);
    linked << QVariant() << qint64(0) << QVariant() << QVariant() << QVariant();
    const QByteArray link = Chain::toText(layout.link(before, linked)).toUtf8();
    const Value zero = number(0), none;
    return {number(seq), date, time, counter, QByteArray("checkout"), number(member), number(rentalId),
            number(saleId), none, none, zero, zero, zero, zero, zero, zero, zero, zero, zero,
            zero, zero, zero, zero, none, zero, none, none, none, link};
}

bool writeCheckout(Session &db, qint32 member, const QList<qint32> &tapes, const QList<qint64> &priceClasses,
                   qint32 item, QDate today, bool *conflict)
{
    const QByteArray date = StoreDate::toText(today).toUtf8();
    PGresult *prices = db.run(Prices, {date});
    if (!prices)
        return false;
    PQclear(prices);
    const Rates &rates = Pricing::starting();
    const Value zero = number(0), none, gstRate = number(rates.taxes[0].rate), pstRate = number(rates.taxes[1].rate);
    const auto lastRental = db.value(LastRental);
    if (!lastRental)
        return false;
    const qint64 rentalId = *lastRental + 1;
    for (qsizetype i = 0; i < tapes.size(); ++i) {
        const auto taken = db.changed(TakeTape, {number(tapes[i]), number(tapes[i]), date, number(member)});
        if (!taken)
            return false;
        if (*taken != 1) {
            *conflict = true;
            return false;
        }
        const PriceClass &charge = rates.classes[priceClasses[i] - 1];
        const QByteArray due = StoreDate::toText(today.addDays(charge.days)).toUtf8();
        if (!db.changed(Rental, {number(rentalId), number(tapes[i]), number(member), date, due,
                                 number(charge.fee.units()), number(charge.days), number(charge.lateFee.units()),
                                 gstRate, pstRate, zero, zero}))
            return false;
    }
    const auto lastSale = db.value(LastSale);
    if (!lastSale || !db.changed(Receipt, {number(*lastSale + 1), date, number(member)}))
        return false;
    const auto lowered = db.changed(LowerStock, {number(1), number(item), number(1)});
    if (!lowered)
        return false;
    if (*lowered != 1) {
        *conflict = true;
        return false;
    }
    const auto price = db.value(ItemPrice, {number(item)});
    if (!price
        || !db.changed(ItemSold, {number(*lastSale + 1), number(item), number(1), number(*price), number(*price),
                                  gstRate, pstRate, zero, zero}))
        return false;
    if (!db.changed(CloseHolds, {number(member), date, number(tapes.value(0)), number(tapes.value(1))}))
        return false;
    PGresult *tail = db.run(LastEntry, {});
    if (!tail)
        return false;
    const qint64 seq = (PQntuples(tail) > 0 ? QByteArray(PQgetvalue(tail, 0, 0)).toLongLong() : 0) + 1;
    const QByteArray before = PQntuples(tail) > 0 ? Chain::fromText(QString::fromLatin1(PQgetvalue(tail, 0, 1)))
                                                  : QByteArray();
    PQclear(tail);
    return db.changed(Entry, ledgerEntry(seq, date, member, rentalId, *lastSale + 1, before)).has_value();
}

// The same writes in the fewest round trips: the writer lock, the prices,
// the last numbers and the ledger's tail in one; every write and the COMMIT
// in the next, the conditional ones failing on the server unless each
// changes its one row, so that nothing is kept; the COMMIT not waiting for
// the disk under the lock, the flush waited for after it.
bool writePipelined(Session &db, qint32 member, const QList<qint32> &tapes, const QList<qint64> &priceClasses,
                    qint32 item, qint64 price, QDate today, bool *conflict)
{
    const QByteArray date = StoreDate::toText(today).toUtf8();
    std::vector<PGresult *> read;
    const bool begun = db.pipeline({{StatementCount, {}, "BEGIN ISOLATION LEVEL SERIALIZABLE"},
                                    {StatementCount, {}, "LOCK TABLE tblVersion IN EXCLUSIVE MODE"},
                                    {Prices, {date}},
                                    {LastRental, {}},
                                    {LastSale, {}},
                                    {LastEntry, {}}},
                                   &read);
    auto first = [&](size_t i) {
        return PQntuples(read[i]) > 0 && !PQgetisnull(read[i], 0, 0) ? QByteArray(PQgetvalue(read[i], 0, 0)).toLongLong()
                                                                     : 0;
    };
    const bool complete = begun && read.size() == 6;
    const qint64 rentalId = complete ? first(3) + 1 : 0, saleId = complete ? first(4) + 1 : 0;
    const qint64 seq = complete ? first(5) + 1 : 0;
    const QByteArray before = complete && PQntuples(read[5]) > 0
        ? Chain::fromText(QString::fromLatin1(PQgetvalue(read[5], 0, 1)))
        : QByteArray();
    for (PGresult *r : read)
        PQclear(r);
    if (!complete)
        return false;
    const Rates &rates = Pricing::starting();
    const Value zero = number(0), none, gstRate = number(rates.taxes[0].rate), pstRate = number(rates.taxes[1].rate);
    std::vector<Session::Step> writes{{StatementCount, {}, "SET LOCAL synchronous_commit = off"}};
    for (qsizetype i = 0; i < tapes.size(); ++i) {
        const PriceClass &charge = rates.classes[priceClasses[i] - 1];
        const QByteArray due = StoreDate::toText(today.addDays(charge.days)).toUtf8();
        writes.push_back({TakeTape, {number(tapes[i]), number(tapes[i]), date, number(member)}, nullptr, true});
        writes.push_back({Rental, {number(rentalId), number(tapes[i]), number(member), date, due,
                                   number(charge.fee.units()), number(charge.days), number(charge.lateFee.units()),
                                   gstRate, pstRate, zero, zero}});
    }
    writes.push_back({Receipt, {number(saleId), date, number(member)}});
    writes.push_back({LowerStock, {number(1), number(item), number(1)}, nullptr, true});
    writes.push_back({ItemSoldAtPrice,
                      {number(saleId), number(1), number(price), gstRate, pstRate, zero, zero, number(item),
                       number(price)},
                      nullptr,
                      true});
    writes.push_back({CloseHolds, {number(member), date, number(tapes.value(0)), number(tapes.value(1))}});
    writes.push_back({Entry, ledgerEntry(seq, date, member, rentalId, saleId, before)});
    writes.push_back({StatementCount, {}, "COMMIT"});
    writes.push_back({StatementCount, {}, ServerStore::FlushMark});
    std::vector<PGresult *> written;
    const bool ran = db.pipeline(writes, &written);
    for (PGresult *r : written)
        PQclear(r);
    *conflict = !ran && db.state() == ServerStore::UnmetState;
    return ran;
}

// A counter of either floor.
void floorTurns(const Shift &shift, quint32 seed, Counter &out, bool pipelined)
{
    Session db(shift.store);
    QRandomGenerator random(seed);
    bool connected = db.connect();
    shift.connected();
    while (shift.clock->elapsed() < shift.until) {
        if (!connected) {
            out.shown(db.error());
            QThread::msleep(100);
            connected = db.connect();
            continue;
        }
        auto failed = [&] {
            out.shown(db.error());
            connected = !db.lost();
        };
        const qint32 member = shift.members->at(random.bounded(int(shift.members->size())));
        PGresult *found = db.run(Member, {number(member)});
        if (!found) {
            failed();
            continue;
        }
        PQclear(found);
        QList<qint32> tapes;
        for (int i = 0; i < 2; ++i) {
            const auto tape = shift.shelf->take();
            if (!tape) {
                out.shelvesEmpty = true;
                return;
            }
            if (PGresult *row = db.run(Tape, {number(*tape)})) {
                PQclear(row);
                tapes << *tape;
            } else {
                failed();
            }
        }
        const qint32 item = shift.items->at(random.bounded(int(shift.items->size())));
        PGresult *itemRow = db.run(Item, {number(item)});
        if (!itemRow) {
            failed();
            continue;
        }
        PQclear(itemRow);
        QList<qint64> priceClasses;
        qint64 price = 0;
        if (pipelined) {
            // Read before the lock, in one round trip.
            std::vector<Session::Step> reads;
            for (const qint32 tape : std::as_const(tapes))
                reads.push_back({ClassOfTape, {number(tape)}});
            reads.push_back({ItemPrice, {number(item)}});
            std::vector<PGresult *> got;
            if (db.pipeline(reads, &got))
                for (size_t i = 0; i < got.size(); ++i) {
                    const qint64 v = PQntuples(got[i]) > 0 ? QByteArray(PQgetvalue(got[i], 0, 0)).toLongLong() : 0;
                    i + 1 < got.size() ? void(priceClasses << v) : void(price = v);
                }
            for (PGresult *r : got)
                PQclear(r);
        } else {
            for (const qint32 tape : std::as_const(tapes))
                if (const auto pc = db.value(ClassOfTape, {number(tape)}))
                    priceClasses << *pc;
        }
        if (priceClasses.size() != tapes.size()) {
            failed();
            continue;
        }
        // Retried as the program retries: a lost race or a lock waited for too long.
        for (int attempt = 1;; ++attempt) {
            bool conflict = false;
            const bool committing = pipelined
                ? writePipelined(db, member, tapes, priceClasses, item, price, shift.today, &conflict)
                : db.command("BEGIN ISOLATION LEVEL SERIALIZABLE; LOCK TABLE tblVersion IN EXCLUSIVE MODE")
                    && writeCheckout(db, member, tapes, priceClasses, item, shift.today, &conflict);
            const bool done = committing && (pipelined || db.command("COMMIT"));
            if (done) {
                ++out.checkouts;
                ++out.unitsSold;
                break;
            }
            const QByteArray state = db.state();
            if (!committing && !db.lost())
                db.command("ROLLBACK");
            const bool retry = state == "40001" || state == "40P01" || state == "55P03";
            if (conflict || !retry || attempt == 6) {
                if (conflict)
                    out.shown(QStringLiteral("a tape or the stock was taken meanwhile"));
                else
                    failed();
                break;
            }
        }
    }
}

} // namespace

void floorCounter(const Shift &shift, quint32 seed, Counter &out)
{
    floorTurns(shift, seed, out, false);
}

void pipelinedFloorCounter(const Shift &shift, quint32 seed, Counter &out)
{
    floorTurns(shift, seed, out, true);
}
